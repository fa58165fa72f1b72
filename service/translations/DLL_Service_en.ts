<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>clsTessaroService</name>
    <message>
        <source>Mise a jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune mise a jour disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adresse du service invalide : &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La version %1 est disponible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chargement de la mise a jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de telecharger la mise a jour.
Veuillez nous contacter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier telecharge est corrompu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de creer le script d&apos;installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;installation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>diaInstall</name>
    <message>
        <source>Intaller plus tard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer maintenant</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>diaWebService</name>
    <message>
        <source>Mise a jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recherche d&apos;une mise a jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La requete n&apos;a pas abouti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chargement de la mise a jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de creer le fichier d&apos;installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de telecharger la mise a jour.
Veuillez nous contacter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
