<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>Aide</name>
    <message>
        <source>Options de toutes les commandes :
  --port CHEMIN   cherche aussi un enregistreur sur CHEMIN (port d&apos;une autre
                  marque, pseudo-terminal, lien symbolique) ; répétable
  -h, --help      cette aide
</source>
        <translation>Options de toutes les commandes :
  --port CHEMIN   cherche aussi un enregistreur sur CHEMIN (port d&apos;une autre
                  marque, pseudo-terminal, lien symbolique) ; répétable
  -h, --help      cette aide
</translation>
    </message>
    <message>
        <source>Codes de sortie : 0 fait ; 1 erreur d&apos;utilisation ; 2 enregistreur ou port
introuvable, refusé ou occupé ; 3 l&apos;enregistreur a cessé de répondre ou a
disparu ; 4 l&apos;enregistreur a refusé une commande ; 5 un fichier n&apos;a pas pu
être lu ou écrit.
</source>
        <translation>Codes de sortie : 0 fait ; 1 erreur d&apos;utilisation ; 2 enregistreur ou port
introuvable, refusé ou occupé ; 3 l&apos;enregistreur a cessé de répondre ou a
disparu ; 4 l&apos;enregistreur a refusé une commande ; 5 un fichier n&apos;a pas pu
être lu ou écrit.
</translation>
    </message>
    <message>
        <source>voir vorsen --help</source>
        <translation>voir vorsen --help</translation>
    </message>
    <message>
        <source>voir vorsen %1 --help</source>
        <translation>voir vorsen %1 --help</translation>
    </message>
    <message>
        <source>Usage : vorsen COMMANDE [OPTIONS]
Enregistreurs de température et d&apos;humidité Vorsen depuis un terminal.

Commandes :
  list                 enregistreurs trouvés : port, identifiant, modèle,
                       points, période, capteurs, début
  info PORT            identification et paramètres d&apos;un enregistreur
  download PORT        télécharge l&apos;enregistrement (.ail et fichier de points,
                       CSV, classeur)
  monitor PORT         mesures en temps réel en CSV jusqu&apos;à Ctrl+C
  program PORT         programme l&apos;enregistrement
  alarms PORT          programme les seuils d&apos;alarme
  set-id PORT NEWID    change l&apos;identifiant et l&apos;affichage
  export FICHIER.ail   convertit un enregistrement en CSV, classeur ou rapport PDF

PORT est le chemin d&apos;un port (/dev/ttyUSB0) ou l&apos;identifiant d&apos;un enregistreur
tel que list l&apos;affiche.
  --version       version du programme
</source>
        <translation>Usage : vorsen COMMANDE [OPTIONS]
Enregistreurs de température et d&apos;humidité Vorsen depuis un terminal.

Commandes :
  list                 enregistreurs trouvés : port, identifiant, modèle,
                       points, période, capteurs, début
  info PORT            identification et paramètres d&apos;un enregistreur
  download PORT        télécharge l&apos;enregistrement (.ail et fichier de points,
                       CSV, classeur)
  monitor PORT         mesures en temps réel en CSV jusqu&apos;à Ctrl+C
  program PORT         programme l&apos;enregistrement
  alarms PORT          programme les seuils d&apos;alarme
  set-id PORT NEWID    change l&apos;identifiant et l&apos;affichage
  export FICHIER.ail   convertit un enregistrement en CSV, classeur ou rapport PDF

PORT est le chemin d&apos;un port (/dev/ttyUSB0) ou l&apos;identifiant d&apos;un enregistreur
tel que list l&apos;affiche.
  --version       version du programme
</translation>
    </message>
    <message>
        <source>
Aide d&apos;une commande : vorsen COMMANDE --help ; tout le détail : man vorsen.
</source>
        <translation>
Aide d&apos;une commande : vorsen COMMANDE --help ; tout le détail : man vorsen.
</translation>
    </message>
    <message>
        <source>Usage : vorsen list [--json]
Cherche les enregistreurs sur les ports de leurs adaptateurs et ceux de --port,
et affiche pour chacun : port, identifiant, modèle, points, période, capteurs,
début. Les ports refusés ou muets sont signalés sur la sortie d&apos;erreur.
  --json          un objet JSON (voir man vorsen)
</source>
        <translation>Usage : vorsen list [--json]
Cherche les enregistreurs sur les ports de leurs adaptateurs et ceux de --port,
et affiche pour chacun : port, identifiant, modèle, points, période, capteurs,
début. Les ports refusés ou muets sont signalés sur la sortie d&apos;erreur.
  --json          un objet JSON (voir man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen info PORT [--json]
Identification et paramètres d&apos;un enregistreur.
  --json          un objet JSON (voir man vorsen)
</source>
        <translation>Usage : vorsen info PORT [--json]
Identification et paramètres d&apos;un enregistreur.
  --json          un objet JSON (voir man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen download PORT [-o DOSSIER] [--name BASE] [--format FORMAT]...
Télécharge l&apos;enregistrement et écrit BASE.ail et BASE.txt (les fichiers du
programme), puis chaque format demandé. Sans --name, BASE est nommé comme la
sauvegarde automatique : IDENTIFIANT_AAAAMMJJ_HHMMSS. Les chemins écrits vont
sur la sortie standard, la progression sur la sortie d&apos;erreur quand c&apos;est un
terminal. Un enregistreur perdu en cours de route laisse des fichiers avec
toutes les mesures reçues (code 3).
  -o, --output DOSSIER   dossier des fichiers (défaut : dossier courant)
  --name BASE            nom des fichiers, sans extension
  --format FORMAT        ail, csv ou xlsx ; répétable ou séparé par des virgules
  --utc                  heures du CSV en UTC plutôt qu&apos;en heure locale
  --json                 un objet JSON (voir man vorsen)
</source>
        <translation>Usage : vorsen download PORT [-o DOSSIER] [--name BASE] [--format FORMAT]...
Télécharge l&apos;enregistrement et écrit BASE.ail et BASE.txt (les fichiers du
programme), puis chaque format demandé. Sans --name, BASE est nommé comme la
sauvegarde automatique : IDENTIFIANT_AAAAMMJJ_HHMMSS. Les chemins écrits vont
sur la sortie standard, la progression sur la sortie d&apos;erreur quand c&apos;est un
terminal. Un enregistreur perdu en cours de route laisse des fichiers avec
toutes les mesures reçues (code 3).
  -o, --output DOSSIER   dossier des fichiers (défaut : dossier courant)
  --name BASE            nom des fichiers, sans extension
  --format FORMAT        ail, csv ou xlsx ; répétable ou séparé par des virgules
  --utc                  heures du CSV en UTC plutôt qu&apos;en heure locale
  --json                 un objet JSON (voir man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen monitor PORT [--period S] [--utc] [--yes]
Programme l&apos;enregistreur en temps réel et écrit une ligne CSV par mesure
(timestamp,temperature_C,humidity_pct, ISO 8601 avec décalage) jusqu&apos;à Ctrl+C
ou SIGTERM, puis lui envoie l&apos;ordre d&apos;arrêt.
  --period S      période en secondes ou H:MM:SS (défaut : celle de
                  l&apos;enregistreur)
  --utc           heures en UTC
  --yes           efface des mesures jamais téléchargées
</source>
        <translation>Usage : vorsen monitor PORT [--period S] [--utc] [--yes]
Programme l&apos;enregistreur en temps réel et écrit une ligne CSV par mesure
(timestamp,temperature_C,humidity_pct, ISO 8601 avec décalage) jusqu&apos;à Ctrl+C
ou SIGTERM, puis lui envoie l&apos;ordre d&apos;arrêt.
  --period S      période en secondes ou H:MM:SS (défaut : celle de
                  l&apos;enregistreur)
  --utc           heures en UTC
  --yes           efface des mesures jamais téléchargées
</translation>
    </message>
    <message>
        <source>Usage : vorsen program PORT --mode MODE [--period S] [--points N]
                      [--sensors temp,humi] [--unit metric|imperial]
                      [--start AAAA-MM-JJTHH:MM] [--yes] [--json]
Met l&apos;horloge de l&apos;enregistreur à l&apos;heure, envoie les paramètres et les relit.
  --mode MODE     immediate, realtime, manual, continuous ou programmable
  --period S      période en secondes ou H:MM:SS, 1 s à 6:59:59 (défaut :
                  celle de l&apos;enregistreur)
  --points N      mesures de tous les capteurs, 1000 à 32000 par milliers
                  (défaut 32000)
  --sensors LISTE temp, humi ou temp,humi (défaut : ceux de l&apos;enregistreur)
  --unit UNITÉ    metric ou imperial (défaut : celle de l&apos;enregistreur)
  --start DATE    début du mode programmable, heure locale, dans le futur
  --yes           efface des mesures jamais téléchargées ; sans cette option,
                  le programme dit combien seraient perdues et s&apos;arrête
  --json          les paramètres relus en JSON (voir man vorsen)
</source>
        <translation>Usage : vorsen program PORT --mode MODE [--period S] [--points N]
                      [--sensors temp,humi] [--unit metric|imperial]
                      [--start AAAA-MM-JJTHH:MM] [--yes] [--json]
Met l&apos;horloge de l&apos;enregistreur à l&apos;heure, envoie les paramètres et les relit.
  --mode MODE     immediate, realtime, manual, continuous ou programmable
  --period S      période en secondes ou H:MM:SS, 1 s à 6:59:59 (défaut :
                  celle de l&apos;enregistreur)
  --points N      mesures de tous les capteurs, 1000 à 32000 par milliers
                  (défaut 32000)
  --sensors LISTE temp, humi ou temp,humi (défaut : ceux de l&apos;enregistreur)
  --unit UNITÉ    metric ou imperial (défaut : celle de l&apos;enregistreur)
  --start DATE    début du mode programmable, heure locale, dans le futur
  --yes           efface des mesures jamais téléchargées ; sans cette option,
                  le programme dit combien seraient perdues et s&apos;arrête
  --json          les paramètres relus en JSON (voir man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen alarms PORT [--temp-min T] [--temp-max T] [--humi-min H]
                     [--humi-max H]
Programme les seuils d&apos;alarme : ceux donnés sont actifs, les autres coupés
(sans aucun seuil, toutes les alarmes sont coupées). Températures de -40.0 à
100.0 °C, humidités de 0.0 à 100.0 %, une décimale au plus.
</source>
        <translation>Usage : vorsen alarms PORT [--temp-min T] [--temp-max T] [--humi-min H]
                     [--humi-max H]
Programme les seuils d&apos;alarme : ceux donnés sont actifs, les autres coupés
(sans aucun seuil, toutes les alarmes sont coupées). Températures de -40.0 à
100.0 °C, humidités de 0.0 à 100.0 %, une décimale au plus.
</translation>
    </message>
    <message>
        <source>Usage : vorsen set-id PORT NEWID [--display on|off] [--json]
Change l&apos;identifiant (1 à 20 lettres, chiffres ou _, les minuscules passent
en capitales) et allume ou éteint l&apos;affichage (défaut : on).
  --json          l&apos;identification relue en JSON (voir man vorsen)
</source>
        <translation>Usage : vorsen set-id PORT NEWID [--display on|off] [--json]
Change l&apos;identifiant (1 à 20 lettres, chiffres ou _, les minuscules passent
en capitales) et allume ou éteint l&apos;affichage (défaut : on).
  --json          l&apos;identification relue en JSON (voir man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen export FICHIER.ail --format csv|xlsx|pdf [-o SORTIE] [--utc]
Convertit un enregistrement : CSV, classeur, ou rapport PDF de cet
enregistrement avec toutes ses rubriques. Le chemin écrit va sur la sortie
standard.
  -o, --output SORTIE    fichier ou dossier de sortie (défaut : à côté du .ail)
  --utc                  heures du CSV en UTC
</source>
        <translation>Usage : vorsen export FICHIER.ail --format csv|xlsx|pdf [-o SORTIE] [--utc]
Convertit un enregistrement : CSV, classeur, ou rapport PDF de cet
enregistrement avec toutes ses rubriques. Le chemin écrit va sur la sortie
standard.
  -o, --output SORTIE    fichier ou dossier de sortie (défaut : à côté du .ail)
  --utc                  heures du CSV en UTC
</translation>
    </message>
</context>
<context>
    <name>Arguments</name>
    <message>
        <source>période invalide : %1 (secondes ou H:MM:SS, de 1 s à 6:59:59)</source>
        <translation>période invalide : %1 (secondes ou H:MM:SS, de 1 s à 6:59:59)</translation>
    </message>
    <message>
        <source>nombre de mesures invalide : %1 (de 1000 à 32000, par milliers)</source>
        <translation>nombre de mesures invalide : %1 (de 1000 à 32000, par milliers)</translation>
    </message>
    <message>
        <source>capteurs invalides : %1 (temp, humi ou temp,humi)</source>
        <translation>capteurs invalides : %1 (temp, humi ou temp,humi)</translation>
    </message>
    <message>
        <source>mode invalide : %1 (immediate, realtime, manual, continuous ou programmable)</source>
        <translation>mode invalide : %1 (immediate, realtime, manual, continuous ou programmable)</translation>
    </message>
    <message>
        <source>unité invalide : %1 (metric ou imperial)</source>
        <translation>unité invalide : %1 (metric ou imperial)</translation>
    </message>
    <message>
        <source>date invalide : %1 (AAAA-MM-JJTHH:MM, heure locale)</source>
        <translation>date invalide : %1 (AAAA-MM-JJTHH:MM, heure locale)</translation>
    </message>
    <message>
        <source>date hors du calendrier de l&apos;enregistreur (2010 à 2099) : %1</source>
        <translation>date hors du calendrier de l&apos;enregistreur (2010 à 2099) : %1</translation>
    </message>
    <message>
        <source>seuil invalide : %1 (une décimale au plus, de %2 à %3)</source>
        <translation>seuil invalide : %1 (une décimale au plus, de %2 à %3)</translation>
    </message>
    <message>
        <source>affichage invalide : %1 (on ou off)</source>
        <translation>affichage invalide : %1 (on ou off)</translation>
    </message>
    <message>
        <source>ce modèle ne mesure pas l&apos;humidité</source>
        <translation>ce modèle ne mesure pas l&apos;humidité</translation>
    </message>
    <message>
        <source>le mode programmable demande --start</source>
        <translation>le mode programmable demande --start</translation>
    </message>
    <message>
        <source>--start ne sert qu&apos;en mode programmable</source>
        <translation>--start ne sert qu&apos;en mode programmable</translation>
    </message>
    <message>
        <source>le début programmé est déjà passé : %1</source>
        <translation>le début programmé est déjà passé : %1</translation>
    </message>
    <message>
        <source>le seuil minimum doit être inférieur au seuil maximum</source>
        <translation>le seuil minimum doit être inférieur au seuil maximum</translation>
    </message>
    <message>
        <source>identifiant invalide : %1 (1 à 20 lettres, chiffres ou _)</source>
        <translation>identifiant invalide : %1 (1 à 20 lettres, chiffres ou _)</translation>
    </message>
</context>
<context>
    <name>Commandes</name>
    <message>
        <source>format invalide : %1 (csv, xlsx ou pdf)</source>
        <translation>format invalide : %1 (csv, xlsx ou pdf)</translation>
    </message>
    <message>
        <source>le fichier %1 n&apos;existe pas</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>le fichier de points %1 manque</source>
        <translation>le fichier de points %1 manque</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un enregistrement lisible</source>
        <translation>%1 n&apos;est pas un enregistrement lisible</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>l&apos;enregistreur %1 peut contenir %2 mesures qui n&apos;ont pas été téléchargées ; la programmation va les effacer : relancez avec --yes pour continuer</source>
        <translation>l&apos;enregistreur %1 peut contenir %2 mesures qui n&apos;ont pas été téléchargées ; la programmation va les effacer : relancez avec --yes pour continuer</translation>
    </message>
    <message>
        <source>aucun enregistreur trouvé</source>
        <translation>aucun enregistreur trouvé</translation>
    </message>
    <message>
        <source>format invalide : %1 (ail, csv ou xlsx)</source>
        <translation>format invalide : %1 (ail, csv ou xlsx)</translation>
    </message>
    <message>
        <source>nom de fichier invalide : %1</source>
        <translation>nom de fichier invalide : %1</translation>
    </message>
    <message>
        <source>impossible de créer le dossier %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a refusé le téléchargement (réponse « %2 »)</source>
        <translation>l&apos;enregistreur du port %1 a refusé le téléchargement (réponse « %2 »)</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a disparu</source>
        <translation>l&apos;enregistreur du port %1 a disparu</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 ne répond plus</source>
        <translation>l&apos;enregistreur du port %1 ne répond plus</translation>
    </message>
    <message>
        <source>%1 : aucune mesure reçue</source>
        <translation>%1 : aucune mesure reçue</translation>
    </message>
    <message>
        <source>%1 après %2 points sur %3 : les fichiers contiennent ces %2 points</source>
        <translation>%1 après %2 points sur %3 : les fichiers contiennent ces %2 points</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a disparu après %2 mesures</source>
        <translation>l&apos;enregistreur du port %1 a disparu après %2 mesures</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>commande inconnue : %1</source>
        <translation>commande inconnue : %1</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>option inconnue : %1</translation>
    </message>
    <message>
        <source>option inconnue pour %1 : %2</source>
        <translation>option inconnue pour %1 : %2</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation>l&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne prend pas de valeur</source>
        <translation>l&apos;option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne peut être donnée qu&apos;une fois</source>
        <translation>l&apos;option %1 ne peut être donnée qu&apos;une fois</translation>
    </message>
    <message>
        <source>aucune commande</source>
        <translation>aucune commande</translation>
    </message>
    <message>
        <source>il manque %1</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>argument en trop : %1</source>
        <translation>argument en trop : %1</translation>
    </message>
    <message>
        <source>l&apos;option --%1 est obligatoire</source>
        <translation>l&apos;option --%1 est obligatoire</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>température</source>
        <translation>température</translation>
    </message>
    <message>
        <source>humidité</source>
        <translation>humidité</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Identifiant :</source>
        <translation>Identifiant :</translation>
    </message>
    <message>
        <source>Modèle :</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Info :</source>
        <translation>Info :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>%1 (%2 mesures)</source>
        <translation>%1 (%2 mesures)</translation>
    </message>
    <message>
        <source>Période :</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Unité :</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>impériale</source>
        <translation>impériale</translation>
    </message>
    <message>
        <source>métrique</source>
        <translation>métrique</translation>
    </message>
    <message>
        <source>Capteurs :</source>
        <translation>Capteurs :</translation>
    </message>
    <message>
        <source>Début :</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>IDENTIFIANT</source>
        <translation>IDENTIFIANT</translation>
    </message>
    <message>
        <source>MODÈLE</source>
        <translation>MODÈLE</translation>
    </message>
    <message>
        <source>POINTS</source>
        <translation>POINTS</translation>
    </message>
    <message>
        <source>PÉRIODE</source>
        <translation>PÉRIODE</translation>
    </message>
    <message>
        <source>CAPTEURS</source>
        <translation>CAPTEURS</translation>
    </message>
    <message>
        <source>DÉBUT</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>%1/%2 points</source>
        <translation>%1/%2 points</translation>
    </message>
    <message>
        <source>, %1 points/s, %2 restantes</source>
        <translation>, %1 points/s, %2 restantes</translation>
    </message>
</context>
<context>
    <name>Programmation</name>
    <message>
        <source>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</source>
        <translation>L&apos;enregistreur ne semble pas connecte.
Veuillez verifier s&apos;il est correctement branche.</translation>
    </message>
    <message>
        <source>Programmation effectuee</source>
        <translation>Programmation effectuee</translation>
    </message>
    <message>
        <source>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</source>
        <translation>La programmation n&apos;a pas fonctionne. Veuillez recommencer.</translation>
    </message>
</context>
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
    <message>
        <source>Le fichier n&apos;existe pas.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Son fichier de points %1 est introuvable.</source>
        <translation>Son fichier de points %1 est introuvable.</translation>
    </message>
    <message>
        <source>Ni son en-tête ni son fichier de points ne contiennent de mesure lisible.</source>
        <translation>Ni son en-tête ni son fichier de points ne contiennent de mesure lisible.</translation>
    </message>
    <message>
        <source>Les fichiers %1 et %2 ne correspondent pas.</source>
        <translation>Les fichiers %1 et %2 ne correspondent pas.</translation>
    </message>
    <message numerus="yes">
        <source>Le fichier %1 est coupé : seuls ses %n premiers points sont lus.</source>
        <translation>
            <numerusform>Le fichier %1 est coupé : seul son premier point est lu.</numerusform>
            <numerusform>Le fichier %1 est coupé : seuls ses %n premiers points sont lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le commentaire n&apos;a pas pu être écrit dans %1.</source>
        <translation>Le commentaire n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Aucun de ses points ne donne de point de rosée : il faut une température de -45 à 60 °C et une humidité au-dessus de 0 %.</source>
        <translation>Aucun de ses points ne donne de point de rosée : il faut une température de -45 à 60 °C et une humidité au-dessus de 0 %.</translation>
    </message>
    <message>
        <source>Point de rosée</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Modifié hors du programme depuis son enregistrement</source>
        <translation>Modifié hors du programme depuis son enregistrement</translation>
    </message>
    <message>
        <source>Modifier les limites</source>
        <translation>Modifier les limites</translation>
    </message>
    <message>
        <source>Les limites n&apos;ont pas pu être écrites dans %1.</source>
        <translation>Les limites n&apos;ont pas pu être écrites dans %1.</translation>
    </message>
    <message>
        <source>%1 dès %2</source>
        <translation>%1 dès %2</translation>
    </message>
    <message>
        <source>Rosée</source>
        <translation>Rosée</translation>
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
    <name>clsLiaison</name>
    <message>
        <source>accès refusé au port %1 : votre utilisateur ne peut pas l&apos;ouvrir ; installez la règle udev de Vorsen Logger pour l&apos;adaptateur des enregistreurs, puis rebranchez-le</source>
        <translation>accès refusé au port %1 : votre utilisateur ne peut pas l&apos;ouvrir ; installez la règle udev de Vorsen Logger pour l&apos;adaptateur des enregistreurs, puis rebranchez-le</translation>
    </message>
    <message>
        <source>accès refusé au port %1 : ajoutez votre utilisateur au groupe %2 puis ouvrez une nouvelle session</source>
        <translation>accès refusé au port %1 : ajoutez votre utilisateur au groupe %2 puis ouvrez une nouvelle session</translation>
    </message>
    <message>
        <source>le port %1 est utilisé par un autre programme</source>
        <translation>le port %1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>le port %1 n&apos;existe pas</source>
        <translation>le port %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le port %1 : %2</source>
        <translation>impossible d&apos;ouvrir le port %1 : %2</translation>
    </message>
    <message>
        <source>aucun enregistreur ne répond sur le port %1</source>
        <translation>aucun enregistreur ne répond sur le port %1</translation>
    </message>
    <message>
        <source>aucun enregistreur %1 n&apos;a été trouvé</source>
        <translation>aucun enregistreur %1 n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a disparu</source>
        <translation>l&apos;enregistreur du port %1 a disparu</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 ne répond plus (commande %2)</source>
        <translation>l&apos;enregistreur du port %1 ne répond plus (commande %2)</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a refusé la commande %2 (réponse « %3 »)</source>
        <translation>l&apos;enregistreur du port %1 a refusé la commande %2 (réponse « %3 »)</translation>
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
    <message>
        <source>Courbe</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Limites</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Sous la limite</source>
        <translation>Sous la limite</translation>
    </message>
    <message>
        <source>Au-dessus</source>
        <translation>Au-dessus</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Excursions</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Plus longue</translation>
    </message>
    <message>
        <source>TCM</source>
        <translation>TCM</translation>
    </message>
    <message>
        <source>Attention :</source>
        <translation>Attention :</translation>
    </message>
    <message>
        <source>Modifié hors du programme depuis son enregistrement</source>
        <translation>Modifié hors du programme depuis son enregistrement</translation>
    </message>
    <message>
        <source>Limites et excursions ; TCM avec ΔH/R = %1 K</source>
        <translation>Limites et excursions ; TCM avec ΔH/R = %1 K</translation>
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
        <source>Le seuil minimum doit être inférieur au seuil maximum.</source>
        <translation>Le seuil minimum doit être inférieur au seuil maximum.</translation>
    </message>
</context>
<context>
    <name>diaLimites</name>
    <message>
        <source>Limites</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Limite &amp;basse</source>
        <translation>Limite &amp;basse</translation>
    </message>
    <message>
        <source>Limite &amp;haute</source>
        <translation>Limite &amp;haute</translation>
    </message>
    <message>
        <source>La limite basse dépasse la limite haute.</source>
        <translation>La limite basse dépasse la limite haute.</translation>
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
    <message>
        <source>Les points de cet enregistrement dans un classeur Excel</source>
        <translation>Les points de cet enregistrement dans un classeur Excel</translation>
    </message>
    <message>
        <source>Classeur Excel…</source>
        <translation>Classeur Excel…</translation>
    </message>
    <message>
        <source>Les points de cet enregistrement dans un fichier CSV, pour un tableur ou un script</source>
        <translation>Les points de cet enregistrement dans un fichier CSV, pour un tableur ou un script</translation>
    </message>
    <message>
        <source>CSV…</source>
        <translation>CSV…</translation>
    </message>
    <message>
        <source>Il ne contient pas les mesures demandées.</source>
        <translation>Il ne contient pas les mesures demandées.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajouter l&apos;enregistrement %1.</source>
        <translation>Impossible d&apos;ajouter l&apos;enregistrement %1.</translation>
    </message>
    <message>
        <source>Le rapport a été écrit dans %1.</source>
        <translation>Le rapport a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV, heure locale (*.csv)</source>
        <translation>CSV, heure locale (*.csv)</translation>
    </message>
    <message>
        <source>CSV, heure UTC (*.csv)</source>
        <translation>CSV, heure UTC (*.csv)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Une analyse compte au plus %1 courbes.</source>
        <translation>Une analyse compte au plus %1 courbes.</translation>
    </message>
    <message>
        <source>TCM</source>
        <translation>TCM</translation>
    </message>
    <message>
        <source>Température cinétique moyenne</source>
        <translation>Température cinétique moyenne</translation>
    </message>
    <message>
        <source>Limites</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Calculé pour les enregistrements des deux capteurs</source>
        <translation>Calculé pour les enregistrements des deux capteurs</translation>
    </message>
    <message>
        <source>Point de rosée</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Sous la limite</source>
        <translation>Sous la limite</translation>
    </message>
    <message>
        <source>Au-dessus</source>
        <translation>Au-dessus</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Excursions</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Plus longue</translation>
    </message>
    <message>
        <source>Températures affichées en :</source>
        <translation>Températures affichées en :</translation>
    </message>
    <message>
        <source>degrés Celsius (°C)</source>
        <translation>degrés Celsius (°C)</translation>
    </message>
    <message>
        <source>degrés Fahrenheit (°F)</source>
        <translation>degrés Fahrenheit (°F)</translation>
    </message>
    <message>
        <source>Énergie d&apos;activation ΔH/R de la température cinétique moyenne (TCM) :</source>
        <translation>Énergie d&apos;activation ΔH/R de la température cinétique moyenne (TCM) :</translation>
    </message>
    <message>
        <source>10 000 K correspondent à 83,144 kJ/mol</source>
        <translation>10 000 K correspondent à 83,144 kJ/mol</translation>
    </message>
    <message>
        <source>, point de rosée</source>
        <translation>, point de rosée</translation>
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
    <message>
        <source>Le manuel se trouve dans %1.</source>
        <translation>Le manuel se trouve dans %1.</translation>
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
    <message>
        <source>Il a été écrit dans %1.</source>
        <translation>Il a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Accès refusé au port %1 : votre utilisateur ne peut pas l&apos;ouvrir. Installez la règle udev de Vorsen Logger pour l&apos;adaptateur des enregistreurs (voir le manuel), puis rebranchez-le.</source>
        <translation>Accès refusé au port %1 : votre utilisateur ne peut pas l&apos;ouvrir. Installez la règle udev de Vorsen Logger pour l&apos;adaptateur des enregistreurs (voir le manuel), puis rebranchez-le.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire la sauvegarde automatique dans %1.</source>
        <translation>Impossible d&apos;écrire la sauvegarde automatique dans %1.</translation>
    </message>
</context>
</TS>
