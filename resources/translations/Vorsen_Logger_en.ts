<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Temperature et humidite</source>
        <translation>Temperature and humidity</translation>
    </message>
</context>
<context>
    <name>clsAnalyse</name>
    <message>
        <source>Afficher/Masquer la courbe</source>
        <translation>Show/hide the curve</translation>
    </message>
    <message>
        <source>Cliquer pour modifier la couleur</source>
        <translation>Click to change the colour</translation>
    </message>
    <message>
        <source>Afficher les donnees</source>
        <translation>Show the data</translation>
    </message>
    <message>
        <source>Imprimer les donnees</source>
        <translation>Print the data</translation>
    </message>
    <message>
        <source>Enlever cette courbe</source>
        <translation>Remove this curve</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Modifier le commentaire</source>
        <translation>Edit the comment</translation>
    </message>
    <message>
        <source>Document edite a </source>
        <translation>Document printed at </translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Humi.</source>
        <translation>Hum.</translation>
    </message>
    <message>
        <source>Enregistreur : %1</source>
        <translation>Logger: %1</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
</context>
<context>
    <name>clsExcel</name>
    <message>
        <source>Num.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Humi.</source>
        <translation>Hum.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Temperature et humidite</source>
        <translation>Temperature and humidity</translation>
    </message>
    <message>
        <source>Metrique</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Identifiant</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Modele</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Debut</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Periode (s)</source>
        <translation>Period (s)</translation>
    </message>
    <message>
        <source>Capteurs</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Unite</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Enregistreur %1</source>
        <translation>Logger %1</translation>
    </message>
    <message>
        <source>Enregistreur %1, une mesure toutes les %2 s, %3 points</source>
        <translation>Logger %1, one reading every %2 s, %3 points</translation>
    </message>
</context>
<context>
    <name>clsRapport</name>
    <message>
        <source>Rapport d&apos;analyse</source>
        <translation>Analysis report</translation>
    </message>
    <message>
        <source>Enregistreurs :</source>
        <translation>Loggers:</translation>
    </message>
    <message>
        <source>Période :</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Synchronisation :</source>
        <translation>Synchronisation:</translation>
    </message>
</context>
<context>
    <name>diaAlarmes</name>
    <message>
        <source>ALARMES</source>
        <translation>ALARMS</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Maximale</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimale</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>The logger does not seem to be connected.
Please check that it is plugged in properly.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programming done</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>Programming failed. Please try again.</translation>
    </message>
    <message>
        <source>Le seuil minimum doit être inférieur au seuil maximum.</source>
        <translation>The minimum threshold must be below the maximum threshold.</translation>
    </message>
</context>
<context>
    <name>diaMajComment</name>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Entrez un commentaire :</source>
        <translation>Enter a comment:</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>diaNewID</name>
    <message>
        <source>CHANGEMENTS DE BASE</source>
        <translation>BASIC SETTINGS</translation>
    </message>
    <message>
        <source>Changement d&apos;ID</source>
        <translation>ID change</translation>
    </message>
    <message>
        <source>Entrez le nouvel ID, 20 caractères maximum.
Caractères autorisés : A à Z, 0 à 9, _</source>
        <translation>Enter the new ID, 20 characters at most.
Allowed characters: A to Z, 0 to 9, _</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Le nouvel ID doit contenir 1 a 20 lettres et/ou chiffres.</source>
        <translation>The new ID must contain 1 to 20 letters and/or digits.</translation>
    </message>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>The logger does not seem to be connected.
Please check that it is plugged in properly.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programming done</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>Programming failed. Please try again.</translation>
    </message>
</context>
<context>
    <name>diaParam</name>
    <message>
        <source>PARAMETRAGE</source>
        <translation>SETTINGS</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Métrique</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>Impériale</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Capteurs</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Immédiat</source>
        <translation>Immediate</translation>
    </message>
    <message>
        <source>Temps réel</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Démarrage manuel</source>
        <translation>Manual start</translation>
    </message>
    <message>
        <source>Continu</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Programmable</source>
        <translation>Programmable</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Période d&apos;échantillonnage</source>
        <translation>Sampling period</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cochez le paramètre ajustable automatiquement :</source>
        <translation>Tick the parameter adjusted automatically:</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Période</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>The logger does not seem to be connected.
Please check that it is plugged in properly.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programming done</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>Programming failed. Please try again.</translation>
    </message>
    <message>
        <source>Le début programmé est déjà passé.</source>
        <translation>The programmed start has already passed.</translation>
    </message>
</context>
<context>
    <name>diaSaveCourbe</name>
    <message>
        <source>Sauvegarde</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Vous pouvez entrer un commentaire :</source>
        <translation>You can enter a comment:</translation>
    </message>
    <message>
        <source>Exporter les données dans un classeur Excel</source>
        <translation>Export the data to an Excel workbook</translation>
    </message>
    <message>
        <source>Ouvrir le classeur Excel à la fin de l&apos;export</source>
        <translation>Open the Excel workbook when the export is done</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Logger (*.ail)</source>
        <translation>Logger (*.ail)</translation>
    </message>
    <message>
        <source>Exporter les données au format CSV</source>
        <translation>Export the data to a CSV file</translation>
    </message>
    <message>
        <source>Heures en UTC</source>
        <translation>Times in UTC</translation>
    </message>
</context>
<context>
    <name>diaSelectColonne</name>
    <message>
        <source>Rapport</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Cochez les rubriques que vous souhaitez inclure dans le rapport</source>
        <translation>Tick the items you want to include in the report</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>frmAnalyse</name>
    <message>
        <source>Courbes affichées :</source>
        <translation>Curves shown:</translation>
    </message>
    <message>
        <source>Synchronisation :</source>
        <translation>Synchronisation:</translation>
    </message>
    <message>
        <source>Mesure</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Moy</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Etype</source>
        <translation>Std dev</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Etendue</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Nom fichier</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Nouvelle analyse</source>
        <translation>New analysis</translation>
    </message>
    <message>
        <source>Synchronisation
 des courbes</source>
        <translation>Synchronise
 curves</translation>
    </message>
    <message>
        <source>Num enregistrement</source>
        <translation>Reading no.</translation>
    </message>
    <message>
        <source>Date et heure</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Courbes
affichées</source>
        <translation>Curves
shown</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Ajouter une courbe</source>
        <translation>Add a curve</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Imprimer le graphe</source>
        <translation>Print the graph</translation>
    </message>
    <message>
        <source>Sélection de plage</source>
        <translation>Range selection</translation>
    </message>
    <message>
        <source>Sélectionnez, à l&apos;aide de la souris, la plage sur laquelle vous souhaitez effectuer des statistiques</source>
        <translation>Select with the mouse the range over which you want statistics</translation>
    </message>
    <message>
        <source>Sélection</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Sélectionnez les couleurs que vous souhaitez utiliser pour tracer les prochaines courbes</source>
        <translation>Select the colours you want for the next curves</translation>
    </message>
    <message>
        <source>Tableau des données</source>
        <translation>Data table</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Donnée</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Temperature et humidite</source>
        <translation>Temperature and humidity</translation>
    </message>
    <message>
        <source>Vous devez selectionner au moins un type de courbe</source>
        <translation>You must select at least one type of curve</translation>
    </message>
    <message>
        <source>Logger (*.ail)</source>
        <translation>Logger (*.ail)</translation>
    </message>
    <message>
        <source>Document pdf (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Document genere a </source>
        <translation>Document generated at </translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire le rapport %1.</source>
        <translation>The report %1 could not be written.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Manuel d&apos;utilisation</source>
        <translation>User manual</translation>
    </message>
    <message>
        <source>Recherche d&apos;une mise à jour</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Une mise à jour est disponible</source>
        <translation>An update is available</translation>
    </message>
    <message>
        <source>Le manuel d&apos;utilisation est introuvable :
%1</source>
        <translation>The user manual cannot be found:
%1</translation>
    </message>
</context>
<context>
    <name>frmMesure</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Période échantillonnage :</source>
        <translation>Sampling period:</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Appareils connectés</source>
        <translation>Connected loggers</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Télécharger</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Stopper</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Sauvegarder</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Programmation</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>ID / LCD</source>
        <translation>ID / LCD</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Alarmes</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Tableau des données</source>
        <translation>Data table</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Humi.</source>
        <translation>Hum.</translation>
    </message>
    <message>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Ecart-type</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Etendue</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Perte de connexion avec l&apos;appareil</source>
        <translation>Connection with the logger lost</translation>
    </message>
    <message>
        <source>Voulez-vous sauvegarder vos donnees ?</source>
        <translation>Do you want to save your data?</translation>
    </message>
    <message>
        <source>Acces refuse au port %1. Ajoutez votre utilisateur au groupe %2 puis ouvrez une nouvelle session.</source>
        <translation>Access to port %1 refused. Add your user to the group %2, then open a new session.</translation>
    </message>
    <message>
        <source>Le port %1 est utilise par un autre programme.</source>
        <translation>Port %1 is used by another program.</translation>
    </message>
    <message>
        <source>Telechargement en cours</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Sauvegarde</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire l&apos;enregistrement dans %1.</source>
        <translation>Could not write the recording to %1.</translation>
    </message>
    <message>
        <source>Export Excel en cours</source>
        <translation>Exporting to Excel</translation>
    </message>
    <message>
        <source>L&apos;export vers excel n&apos;a pas fonctionne.</source>
        <translation>The export to Excel failed.</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le classeur</source>
        <translation>Unable to open the workbook</translation>
    </message>
    <message>
        <source>Aucun enregistreur détecté. Branchez un enregistreur : il apparaîtra ici.</source>
        <translation>No logger detected. Plug in a logger: it will appear here.</translation>
    </message>
    <message>
        <source>Aucun enregistreur sélectionné</source>
        <translation>No logger selected</translation>
    </message>
    <message>
        <source>Les %1 mesures reçues sont conservées dans %2.</source>
        <translation>The %1 readings received are kept in %2.</translation>
    </message>
    <message>
        <source>Aucune réponse de l&apos;appareil sur le port %1.</source>
        <translation>No answer from the device on port %1.</translation>
    </message>
    <message>
        <source>L&apos;enregistreur peut contenir %1 mesures qui n&apos;ont pas été téléchargées. La programmation va les effacer. Continuer ?</source>
        <translation>The logger may hold %1 readings that have not been downloaded. Programming will erase them. Continue?</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier CSV %1.</source>
        <translation>Could not write the CSV file %1.</translation>
    </message>
</context>
</TS>
