<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>clsTessaroService</name>
    <message>
        <source>Mise a jour</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Aucune mise a jour disponible</source>
        <translation>No update available</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Erreur %1.</source>
        <translation>Error %1.</translation>
    </message>
    <message>
        <source>adresse du service invalide : &quot;%1&quot;</source>
        <translation>invalid service address: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>La version %1 est disponible.</source>
        <translation>Version %1 is available.</translation>
    </message>
    <message>
        <source>Chargement de la mise a jour</source>
        <translation>Downloading the update</translation>
    </message>
    <message>
        <source>Impossible de telecharger la mise a jour.
Veuillez nous contacter.</source>
        <translation>The update could not be downloaded.
Please contact us.</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Le fichier telecharge est corrompu.</source>
        <translation>The downloaded file is corrupt.</translation>
    </message>
    <message>
        <source>Impossible de creer le script d&apos;installation.</source>
        <translation>The installation script could not be created.</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;installation.</source>
        <translation>The installation could not be started.</translation>
    </message>
    <message>
        <source>Aucun service de mise à jour n&apos;est configuré.</source>
        <translation>No update service is configured.</translation>
    </message>
</context>
<context>
    <name>diaInstall</name>
    <message>
        <source>Intaller plus tard</source>
        <translation>Install later</translation>
    </message>
    <message>
        <source>Installer maintenant</source>
        <translation>Install now</translation>
    </message>
</context>
<context>
    <name>diaWebService</name>
    <message>
        <source>Mise a jour</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Recherche d&apos;une mise a jour</source>
        <translation>Looking for an update</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>La requete n&apos;a pas abouti</source>
        <translation>The request did not complete</translation>
    </message>
    <message>
        <source>Erreur %1.</source>
        <translation>Error %1.</translation>
    </message>
    <message>
        <source>Chargement de la mise a jour</source>
        <translation>Downloading the update</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Impossible de creer le fichier d&apos;installation.</source>
        <translation>The installation file could not be created.</translation>
    </message>
    <message>
        <source>erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Erreur %1 : %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>Impossible de telecharger la mise a jour.
Veuillez nous contacter.</source>
        <translation>The update could not be downloaded.
Please contact us.</translation>
    </message>
</context>
</TS>
