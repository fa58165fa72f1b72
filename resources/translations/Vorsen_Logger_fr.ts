<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Temperature et humidite</source>
        <translation>Température et humidité</translation>
    </message>
</context>
<context>
    <name>clsAnalyse</name>
    <message>
        <source>Afficher/Masquer la courbe</source>
        <translation>Afficher/Masquer la courbe</translation>
    </message>
    <message>
        <source>Cliquer pour modifier la couleur</source>
        <translation>Cliquer pour modifier la couleur</translation>
    </message>
    <message>
        <source>Afficher les donnees</source>
        <translation>Afficher les données</translation>
    </message>
    <message>
        <source>Imprimer les donnees</source>
        <translation>Imprimer les données</translation>
    </message>
    <message>
        <source>Enlever cette courbe</source>
        <translation>Enlever cette courbe</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Modifier le commentaire</source>
        <translation>Modifier le commentaire</translation>
    </message>
    <message>
        <source>Document edite a </source>
        <translation>Document édité à </translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Num.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Humi.</source>
        <translation>Humi.</translation>
    </message>
    <message>
        <source>Enregistreur : %1</source>
        <translation>Enregistreur : %1</translation>
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
        <translation>Num.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Humi.</source>
        <translation>Humi.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Temperature et humidite</source>
        <translation>Température et humidité</translation>
    </message>
    <message>
        <source>Metrique</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Identifiant</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Modele</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Debut</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Periode (s)</source>
        <translation>Période (s)</translation>
    </message>
    <message>
        <source>Capteurs</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Unite</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Nombre de points</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Enregistreur %1</source>
        <translation>Enregistreur %1</translation>
    </message>
    <message>
        <source>Enregistreur %1, une mesure toutes les %2 s, %3 points</source>
        <translation>Enregistreur %1, une mesure toutes les %2 s, %3 points</translation>
    </message>
</context>
<context>
    <name>clsRapport</name>
    <message>
        <source>Rapport d&apos;analyse</source>
        <translation>Rapport d&apos;analyse</translation>
    </message>
    <message>
        <source>Enregistreurs :</source>
        <translation>Enregistreurs :</translation>
    </message>
    <message>
        <source>Période :</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Synchronisation :</source>
        <translation>Synchronisation :</translation>
    </message>
</context>
<context>
    <name>diaAlarmes</name>
    <message>
        <source>ALARMES</source>
        <translation>ALARMES</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Maximale</source>
        <translation>Maximale</translation>
    </message>
    <message>
        <source>Minimale</source>
        <translation>Minimale</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>L&apos;enregistreur ne semble pas connecté.
Veuillez vérifier s&apos;il est correctement branché.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programmation effectuée</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>La programmation n&apos;a pas fonctionné. Veuillez recommencer.</translation>
    </message>
    <message>
        <source>Le seuil minimum doit être inférieur au seuil maximum.</source>
        <translation>Le seuil minimum doit être inférieur au seuil maximum.</translation>
    </message>
</context>
<context>
    <name>diaMajComment</name>
    <message>
        <source>Commentaire</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Entrez un commentaire :</source>
        <translation>Entrez un commentaire :</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Sortir</translation>
    </message>
</context>
<context>
    <name>diaNewID</name>
    <message>
        <source>CHANGEMENTS DE BASE</source>
        <translation>CHANGEMENTS DE BASE</translation>
    </message>
    <message>
        <source>Changement d&apos;ID</source>
        <translation>Changement d&apos;ID</translation>
    </message>
    <message>
        <source>Entrez le nouvel ID, 20 caractères maximum.
Caractères autorisés : A à Z, 0 à 9, _</source>
        <translation>Entrez le nouvel ID, 20 caractères maximum.
Caractères autorisés : A à Z, 0 à 9, _</translation>
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
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Le nouvel ID doit contenir 1 a 20 lettres et/ou chiffres.</source>
        <translation>Le nouvel ID doit contenir 1 à 20 lettres et/ou chiffres.</translation>
    </message>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>L&apos;enregistreur ne semble pas connecté.
Veuillez vérifier s&apos;il est correctement branché.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programmation effectuée</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>La programmation n&apos;a pas fonctionné. Veuillez recommencer.</translation>
    </message>
</context>
<context>
    <name>diaParam</name>
    <message>
        <source>PARAMETRAGE</source>
        <translation>PARAMÉTRAGE</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Métrique</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Impériale</source>
        <translation>Impériale</translation>
    </message>
    <message>
        <source>Capteurs</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Immédiat</source>
        <translation>Immédiat</translation>
    </message>
    <message>
        <source>Temps réel</source>
        <translation>Temps réel</translation>
    </message>
    <message>
        <source>Démarrage manuel</source>
        <translation>Démarrage manuel</translation>
    </message>
    <message>
        <source>Continu</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Programmable</source>
        <translation>Programmable</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Nombre de points</translation>
    </message>
    <message>
        <source>Période d&apos;échantillonnage</source>
        <translation>Période d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Cochez le paramètre ajustable automatiquement :</source>
        <translation>Cochez le paramètre ajustable automatiquement :</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Période</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>L&apos;enregistreur ne semble pas connecté.
Veuillez vérifier s&apos;il est correctement branché.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programmation effectuée</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>La programmation n&apos;a pas fonctionné. Veuillez recommencer.</translation>
    </message>
    <message>
        <source>Le début programmé est déjà passé.</source>
        <translation>Le début programmé est déjà passé.</translation>
    </message>
</context>
<context>
    <name>diaSaveCourbe</name>
    <message>
        <source>Sauvegarde</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Vous pouvez entrer un commentaire :</source>
        <translation>Vous pouvez entrer un commentaire :</translation>
    </message>
    <message>
        <source>Exporter les données dans un classeur Excel</source>
        <translation>Exporter les données dans un classeur Excel</translation>
    </message>
    <message>
        <source>Ouvrir le classeur Excel à la fin de l&apos;export</source>
        <translation>Ouvrir le classeur Excel à la fin de l&apos;export</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Logger (*.ail)</source>
        <translation>Logger (*.ail)</translation>
    </message>
    <message>
        <source>Exporter les données au format CSV</source>
        <translation>Exporter les données au format CSV</translation>
    </message>
    <message>
        <source>Heures en UTC</source>
        <translation>Heures en UTC</translation>
    </message>
</context>
<context>
    <name>diaSelectColonne</name>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Cochez les rubriques que vous souhaitez inclure dans le rapport</source>
        <translation>Cochez les rubriques que vous souhaitez inclure dans le rapport</translation>
    </message>
    <message>
        <source>Sortir</source>
        <translation>Sortir</translation>
    </message>
</context>
<context>
    <name>frmAnalyse</name>
    <message>
        <source>Courbes affichées :</source>
        <translation>Courbes affichées :</translation>
    </message>
    <message>
        <source>Synchronisation :</source>
        <translation>Synchronisation :</translation>
    </message>
    <message>
        <source>Mesure</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Moy</source>
        <translation>Moy</translation>
    </message>
    <message>
        <source>Etype</source>
        <translation>Éc. type</translation>
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
        <translation>Étendue</translation>
    </message>
    <message>
        <source>Nom fichier</source>
        <translation>Nom fichier</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Nouvelle analyse</source>
        <translation>Nouvelle analyse</translation>
    </message>
    <message>
        <source>Synchronisation
 des courbes</source>
        <translation>Synchronisation
 des courbes</translation>
    </message>
    <message>
        <source>Num enregistrement</source>
        <translation>Num enregistrement</translation>
    </message>
    <message>
        <source>Date et heure</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Courbes
affichées</source>
        <translation>Courbes
affichées</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Ajouter une courbe</source>
        <translation>Ajouter une courbe</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Imprimer le graphe</source>
        <translation>Imprimer le graphe</translation>
    </message>
    <message>
        <source>Sélection de plage</source>
        <translation>Sélection de plage</translation>
    </message>
    <message>
        <source>Sélectionnez, à l&apos;aide de la souris, la plage sur laquelle vous souhaitez effectuer des statistiques</source>
        <translation>Sélectionnez, à l&apos;aide de la souris, la plage sur laquelle vous souhaitez effectuer des statistiques</translation>
    </message>
    <message>
        <source>Sélection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Sélectionnez les couleurs que vous souhaitez utiliser pour tracer les prochaines courbes</source>
        <translation>Sélectionnez les couleurs que vous souhaitez utiliser pour tracer les prochaines courbes</translation>
    </message>
    <message>
        <source>Tableau des données</source>
        <translation>Tableau des données</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Num.</translation>
    </message>
    <message>
        <source>Donnée</source>
        <translation>Donnée</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidite</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Temperature et humidite</source>
        <translation>Température et humidité</translation>
    </message>
    <message>
        <source>Vous devez selectionner au moins un type de courbe</source>
        <translation>Vous devez sélectionner au moins un type de courbe</translation>
    </message>
    <message>
        <source>Logger (*.ail)</source>
        <translation>Logger (*.ail)</translation>
    </message>
    <message>
        <source>Document pdf (*.pdf)</source>
        <translation>Document pdf (*.pdf)</translation>
    </message>
    <message>
        <source>Document genere a </source>
        <translation>Document généré à </translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire le rapport %1.</source>
        <translation>Impossible d&apos;écrire le rapport %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Manuel d&apos;utilisation</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>Recherche d&apos;une mise à jour</source>
        <translation>Recherche d&apos;une mise à jour</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Une mise à jour est disponible</source>
        <translation>Une mise à jour est disponible</translation>
    </message>
    <message>
        <source>Le manuel d&apos;utilisation est introuvable :
%1</source>
        <translation>Le manuel d&apos;utilisation est introuvable :
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
        <translation>Période échantillonnage :</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Appareils connectés</source>
        <translation>Appareils connectés</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Télécharger</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Stopper</source>
        <translation>Stopper</translation>
    </message>
    <message>
        <source>Sauvegarder</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Programmation</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>ID / LCD</source>
        <translation>ID / LCD</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Alarmes</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Tableau des données</source>
        <translation>Tableau des données</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Num.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Humi.</source>
        <translation>Humi.</translation>
    </message>
    <message>
        <source>Statistiques</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Ecart-type</source>
        <translation>Écart-type</translation>
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
        <translation>Étendue</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Humidité</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Perte de connexion avec l&apos;appareil</source>
        <translation>Perte de connexion avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Voulez-vous sauvegarder vos donnees ?</source>
        <translation>Voulez-vous sauvegarder vos données ?</translation>
    </message>
    <message>
        <source>Acces refuse au port %1. Ajoutez votre utilisateur au groupe %2 puis ouvrez une nouvelle session.</source>
        <translation>Accès refusé au port %1. Ajoutez votre utilisateur au groupe %2 puis ouvrez une nouvelle session.</translation>
    </message>
    <message>
        <source>Le port %1 est utilise par un autre programme.</source>
        <translation>Le port %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Telechargement en cours</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>Sauvegarde</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire l&apos;enregistrement dans %1.</source>
        <translation>Impossible d&apos;écrire l&apos;enregistrement dans %1.</translation>
    </message>
    <message>
        <source>Export Excel en cours</source>
        <translation>Export Excel en cours</translation>
    </message>
    <message>
        <source>L&apos;export vers excel n&apos;a pas fonctionne.</source>
        <translation>L&apos;export vers Excel n&apos;a pas fonctionné.</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le classeur</source>
        <translation>Impossible d&apos;ouvrir le classeur</translation>
    </message>
    <message>
        <source>Aucun enregistreur détecté. Branchez un enregistreur : il apparaîtra ici.</source>
        <translation>Aucun enregistreur détecté. Branchez un enregistreur : il apparaîtra ici.</translation>
    </message>
    <message>
        <source>Aucun enregistreur sélectionné</source>
        <translation>Aucun enregistreur sélectionné</translation>
    </message>
    <message>
        <source>Les %1 mesures reçues sont conservées dans %2.</source>
        <translation>Les %1 mesures reçues sont conservées dans %2.</translation>
    </message>
    <message>
        <source>Aucune réponse de l&apos;appareil sur le port %1.</source>
        <translation>Aucune réponse de l&apos;appareil sur le port %1.</translation>
    </message>
    <message>
        <source>L&apos;enregistreur peut contenir %1 mesures qui n&apos;ont pas été téléchargées. La programmation va les effacer. Continuer ?</source>
        <translation>L&apos;enregistreur peut contenir %1 mesures qui n&apos;ont pas été téléchargées. La programmation va les effacer. Continuer ?</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier CSV %1.</source>
        <translation>Impossible d&apos;écrire le fichier CSV %1.</translation>
    </message>
</context>
</TS>
