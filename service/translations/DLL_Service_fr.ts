<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>clsTessaroService</name>
    <message>
        <source>Mise a jour</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Aucune mise a jour disponible</source>
        <translation>Aucune mise à jour disponible</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Erreur %1.</source>
        <translation>Erreur %1.</translation>
    </message>
    <message>
        <source>adresse du service invalide : &quot;%1&quot;</source>
        <translation>adresse du service invalide : « %1 »</translation>
    </message>
    <message>
        <source>La version %1 est disponible.</source>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message>
        <source>Chargement de la mise a jour</source>
        <translation>Chargement de la mise à jour</translation>
    </message>
    <message>
        <source>Impossible de telecharger la mise a jour.
Veuillez nous contacter.</source>
        <translation>Impossible de télécharger la mise à jour.
Veuillez nous contacter.</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Le fichier telecharge est corrompu.</source>
        <translation>Le fichier téléchargé est corrompu.</translation>
    </message>
    <message>
        <source>Impossible de creer le script d&apos;installation.</source>
        <translation>Impossible de créer le script d&apos;installation.</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;installation.</source>
        <translation>Impossible de lancer l&apos;installation.</translation>
    </message>
    <message>
        <source>Aucun service de mise à jour n&apos;est configuré.</source>
        <translation>Aucun service de mise à jour n&apos;est configuré.</translation>
    </message>
</context>
<context>
    <name>diaInstall</name>
    <message>
        <source>Intaller plus tard</source>
        <translation>Installer plus tard</translation>
    </message>
    <message>
        <source>Installer maintenant</source>
        <translation>Installer maintenant</translation>
    </message>
</context>
<context>
    <name>diaWebService</name>
    <message>
        <source>Mise a jour</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Recherche d&apos;une mise a jour</source>
        <translation>Recherche d&apos;une mise à jour</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>La requete n&apos;a pas abouti</source>
        <translation>La requête n&apos;a pas abouti</translation>
    </message>
    <message>
        <source>Erreur %1.</source>
        <translation>Erreur %1.</translation>
    </message>
    <message>
        <source>Chargement de la mise a jour</source>
        <translation>Chargement de la mise à jour</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Impossible de creer le fichier d&apos;installation.</source>
        <translation>Impossible de créer le fichier d&apos;installation.</translation>
    </message>
    <message>
        <source>erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Erreur %1 : %2</source>
        <translation>Erreur %1 : %2</translation>
    </message>
    <message>
        <source>Impossible de telecharger la mise a jour.
Veuillez nous contacter.</source>
        <translation>Impossible de télécharger la mise à jour.
Veuillez nous contacter.</translation>
    </message>
</context>
</TS>
