<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Aide</name>
    <message>
        <source>Options de toutes les commandes :
  --port CHEMIN   cherche aussi un enregistreur sur CHEMIN (port d&apos;une autre
                  marque, pseudo-terminal, lien symbolique) ; répétable
  -h, --help      cette aide
</source>
        <translation>Options of every command:
  --port PATH     also look for a logger on PATH (a port of another make,
                  a pseudo-terminal, a symbolic link); may be repeated
  -h, --help      this help
</translation>
    </message>
    <message>
        <source>Codes de sortie : 0 fait ; 1 erreur d&apos;utilisation ; 2 enregistreur ou port
introuvable, refusé ou occupé ; 3 l&apos;enregistreur a cessé de répondre ou a
disparu ; 4 l&apos;enregistreur a refusé une commande ; 5 un fichier n&apos;a pas pu
être lu ou écrit.
</source>
        <translation>Exit statuses: 0 done; 1 usage error; 2 logger or port not found,
refused or in use; 3 the logger stopped answering or vanished; 4 the
logger refused a command; 5 a file could not be read or written.
</translation>
    </message>
    <message>
        <source>voir vorsen --help</source>
        <translation>see vorsen --help</translation>
    </message>
    <message>
        <source>voir vorsen %1 --help</source>
        <translation>see vorsen %1 --help</translation>
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
        <translation>Usage: vorsen COMMAND [OPTIONS]
Vorsen temperature and humidity loggers from a terminal.

Commands:
  list                 loggers found: port, identifier, model, points,
                       period, sensors, start
  info PORT            one logger&apos;s identification and parameters
  download PORT        downloads the recording (.ail and points file,
                       CSV, workbook)
  monitor PORT         real-time readings as CSV until Ctrl+C
  program PORT         programs the recording
  alarms PORT          programs the alarm thresholds
  set-id PORT NEWID    changes the identifier and the display
  export FILE.ail      converts a recording to CSV, a workbook or a PDF report

PORT is a port&apos;s path (/dev/ttyUSB0) or a logger&apos;s identifier as list
shows it.
  --version       the program&apos;s version
</translation>
    </message>
    <message>
        <source>
Aide d&apos;une commande : vorsen COMMANDE --help ; tout le détail : man vorsen.
</source>
        <translation>
Help on a command: vorsen COMMAND --help; every detail: man vorsen.
</translation>
    </message>
    <message>
        <source>Usage : vorsen list [--json]
Cherche les enregistreurs sur les ports de leurs adaptateurs et ceux de --port,
et affiche pour chacun : port, identifiant, modèle, points, période, capteurs,
début. Les ports refusés ou muets sont signalés sur la sortie d&apos;erreur.
  --json          un objet JSON (voir man vorsen)
</source>
        <translation>Usage: vorsen list [--json]
Looks for loggers on the ports of their adapters and those of --port, and
shows for each: port, identifier, model, points, period, sensors, start.
Ports refused or silent are reported on standard error.
  --json          a JSON object (see man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen info PORT [--json]
Identification et paramètres d&apos;un enregistreur.
  --json          un objet JSON (voir man vorsen)
</source>
        <translation>Usage: vorsen info PORT [--json]
One logger&apos;s identification and parameters.
  --json          a JSON object (see man vorsen)
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
        <translation>Usage: vorsen download PORT [-o FOLDER] [--name BASE] [--format FORMAT]...
Downloads the recording and writes BASE.ail and BASE.txt (the program&apos;s
files), then each format asked for. Without --name, BASE is named like the
automatic backup: IDENTIFIER_YYYYMMDD_HHMMSS. The paths written go to
standard output, the progress to standard error when it is a terminal. A
logger lost on the way leaves files with every reading received (status 3).
  -o, --output FOLDER    folder of the files (default: current folder)
  --name BASE            name of the files, without extension
  --format FORMAT        ail, csv or xlsx; may be repeated or comma-separated
  --utc                  CSV times in UTC rather than local time
  --json                 a JSON object (see man vorsen)
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
        <translation>Usage: vorsen monitor PORT [--period S] [--utc] [--yes]
Puts the logger in real-time mode and writes one CSV line per reading
(timestamp,temperature_C,humidity_pct, ISO 8601 with offset) until Ctrl+C
or SIGTERM, then sends it the stop command.
  --period S      period in seconds or H:MM:SS (default: the logger&apos;s)
  --utc           times in UTC
  --yes           erases readings never downloaded
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
        <translation>Usage: vorsen program PORT --mode MODE [--period S] [--points N]
                      [--sensors temp,humi] [--unit metric|imperial]
                      [--start YYYY-MM-DDTHH:MM] [--yes] [--json]
Sets the logger&apos;s clock, sends the parameters and reads them back.
  --mode MODE     immediate, realtime, manual, continuous or programmable
  --period S      period in seconds or H:MM:SS, 1 s to 6:59:59 (default:
                  the logger&apos;s)
  --points N      readings of all sensors, 1000 to 32000 in thousands
                  (default 32000)
  --sensors LIST  temp, humi or temp,humi (default: the logger&apos;s)
  --unit UNIT     metric or imperial (default: the logger&apos;s)
  --start DATE    start of the programmable mode, local time, in the future
  --yes           erases readings never downloaded; without this option,
                  the program says how many would be lost and stops
  --json          the parameters read back as JSON (see man vorsen)
</translation>
    </message>
    <message>
        <source>Usage : vorsen alarms PORT [--temp-min T] [--temp-max T] [--humi-min H]
                     [--humi-max H]
Programme les seuils d&apos;alarme : ceux donnés sont actifs, les autres coupés
(sans aucun seuil, toutes les alarmes sont coupées). Températures de -40.0 à
100.0 °C, humidités de 0.0 à 100.0 %, une décimale au plus.
</source>
        <translation>Usage: vorsen alarms PORT [--temp-min T] [--temp-max T] [--humi-min H]
                     [--humi-max H]
Programs the alarm thresholds: those given are on, the others off (with
no threshold at all, every alarm is off). Temperatures from -40.0 to
100.0 °C, humidities from 0.0 to 100.0 %, one decimal at most.
</translation>
    </message>
    <message>
        <source>Usage : vorsen set-id PORT NEWID [--display on|off] [--json]
Change l&apos;identifiant (1 à 20 lettres, chiffres ou _, les minuscules passent
en capitales) et allume ou éteint l&apos;affichage (défaut : on).
  --json          l&apos;identification relue en JSON (voir man vorsen)
</source>
        <translation>Usage: vorsen set-id PORT NEWID [--display on|off] [--json]
Changes the identifier (1 to 20 letters, digits or _, lower case becomes
upper case) and turns the display on or off (default: on).
  --json          the identification read back as JSON (see man vorsen)
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
        <translation>Usage: vorsen export FILE.ail --format csv|xlsx|pdf [-o OUTPUT] [--utc]
Converts a recording: CSV, workbook, or PDF report of that recording with
all its columns. The path written goes to standard output.
  -o, --output OUTPUT    output file or folder (default: beside the .ail)
  --utc                  CSV times in UTC
</translation>
    </message>
</context>
<context>
    <name>Arguments</name>
    <message>
        <source>période invalide : %1 (secondes ou H:MM:SS, de 1 s à 6:59:59)</source>
        <translation>invalid period: %1 (seconds or H:MM:SS, from 1 s to 6:59:59)</translation>
    </message>
    <message>
        <source>nombre de mesures invalide : %1 (de 1000 à 32000, par milliers)</source>
        <translation>invalid number of readings: %1 (from 1000 to 32000, in thousands)</translation>
    </message>
    <message>
        <source>capteurs invalides : %1 (temp, humi ou temp,humi)</source>
        <translation>invalid sensors: %1 (temp, humi or temp,humi)</translation>
    </message>
    <message>
        <source>mode invalide : %1 (immediate, realtime, manual, continuous ou programmable)</source>
        <translation>invalid mode: %1 (immediate, realtime, manual, continuous or programmable)</translation>
    </message>
    <message>
        <source>unité invalide : %1 (metric ou imperial)</source>
        <translation>invalid unit: %1 (metric or imperial)</translation>
    </message>
    <message>
        <source>date invalide : %1 (AAAA-MM-JJTHH:MM, heure locale)</source>
        <translation>invalid date: %1 (YYYY-MM-DDTHH:MM, local time)</translation>
    </message>
    <message>
        <source>date hors du calendrier de l&apos;enregistreur (2010 à 2099) : %1</source>
        <translation>date outside the logger&apos;s calendar (2010 to 2099): %1</translation>
    </message>
    <message>
        <source>seuil invalide : %1 (une décimale au plus, de %2 à %3)</source>
        <translation>invalid threshold: %1 (one decimal at most, from %2 to %3)</translation>
    </message>
    <message>
        <source>affichage invalide : %1 (on ou off)</source>
        <translation>invalid display: %1 (on or off)</translation>
    </message>
    <message>
        <source>ce modèle ne mesure pas l&apos;humidité</source>
        <translation>this model does not measure humidity</translation>
    </message>
    <message>
        <source>le mode programmable demande --start</source>
        <translation>the programmable mode needs --start</translation>
    </message>
    <message>
        <source>--start ne sert qu&apos;en mode programmable</source>
        <translation>--start only applies to the programmable mode</translation>
    </message>
    <message>
        <source>le début programmé est déjà passé : %1</source>
        <translation>the programmed start has already passed: %1</translation>
    </message>
    <message>
        <source>le seuil minimum doit être inférieur au seuil maximum</source>
        <translation>the minimum threshold must be below the maximum threshold</translation>
    </message>
    <message>
        <source>identifiant invalide : %1 (1 à 20 lettres, chiffres ou _)</source>
        <translation>invalid identifier: %1 (1 to 20 letters, digits or _)</translation>
    </message>
</context>
<context>
    <name>Commandes</name>
    <message>
        <source>format invalide : %1 (csv, xlsx ou pdf)</source>
        <translation>invalid format: %1 (csv, xlsx or pdf)</translation>
    </message>
    <message>
        <source>le fichier %1 n&apos;existe pas</source>
        <translation>the file %1 does not exist</translation>
    </message>
    <message>
        <source>le fichier de points %1 manque</source>
        <translation>the points file %1 is missing</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un enregistrement lisible</source>
        <translation>%1 is not a readable recording</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>l&apos;enregistreur %1 peut contenir %2 mesures qui n&apos;ont pas été téléchargées ; la programmation va les effacer : relancez avec --yes pour continuer</source>
        <translation>the logger %1 may hold %2 readings that were never downloaded; programming will erase them: run again with --yes to go on</translation>
    </message>
    <message>
        <source>aucun enregistreur trouvé</source>
        <translation>no logger found</translation>
    </message>
    <message>
        <source>format invalide : %1 (ail, csv ou xlsx)</source>
        <translation>invalid format: %1 (ail, csv or xlsx)</translation>
    </message>
    <message>
        <source>nom de fichier invalide : %1</source>
        <translation>invalid file name: %1</translation>
    </message>
    <message>
        <source>impossible de créer le dossier %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a refusé le téléchargement (réponse « %2 »)</source>
        <translation>the logger on port %1 refused the download (reply &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a disparu</source>
        <translation>the logger on port %1 vanished</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 ne répond plus</source>
        <translation>the logger on port %1 no longer answers</translation>
    </message>
    <message>
        <source>%1 : aucune mesure reçue</source>
        <translation>%1: no reading received</translation>
    </message>
    <message>
        <source>%1 après %2 points sur %3 : les fichiers contiennent ces %2 points</source>
        <translation>%1 after %2 points of %3: the files hold these %2 points</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a disparu après %2 mesures</source>
        <translation>the logger on port %1 vanished after %2 readings</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>option inconnue pour %1 : %2</source>
        <translation>unknown option for %1: %2</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation>the option %1 needs a value</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne prend pas de valeur</source>
        <translation>the option %1 takes no value</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne peut être donnée qu&apos;une fois</source>
        <translation>the option %1 may be given only once</translation>
    </message>
    <message>
        <source>aucune commande</source>
        <translation>no command</translation>
    </message>
    <message>
        <source>il manque %1</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>argument en trop : %1</source>
        <translation>one argument too many: %1</translation>
    </message>
    <message>
        <source>l&apos;option --%1 est obligatoire</source>
        <translation>the option --%1 is required</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>température</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>humidité</source>
        <translation>humidity</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Identifiant :</source>
        <translation>Identifier:</translation>
    </message>
    <message>
        <source>Modèle :</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Info :</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>%1 (%2 mesures)</source>
        <translation>%1 (%2 readings)</translation>
    </message>
    <message>
        <source>Période :</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Unité :</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>impériale</source>
        <translation>imperial</translation>
    </message>
    <message>
        <source>métrique</source>
        <translation>metric</translation>
    </message>
    <message>
        <source>Capteurs :</source>
        <translation>Sensors:</translation>
    </message>
    <message>
        <source>Début :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>IDENTIFIANT</source>
        <translation>IDENTIFIER</translation>
    </message>
    <message>
        <source>MODÈLE</source>
        <translation>MODEL</translation>
    </message>
    <message>
        <source>POINTS</source>
        <translation>POINTS</translation>
    </message>
    <message>
        <source>PÉRIODE</source>
        <translation>PERIOD</translation>
    </message>
    <message>
        <source>CAPTEURS</source>
        <translation>SENSORS</translation>
    </message>
    <message>
        <source>DÉBUT</source>
        <translation>START</translation>
    </message>
    <message>
        <source>%1/%2 points</source>
        <translation>%1/%2 points</translation>
    </message>
    <message>
        <source>, %1 points/s, %2 restantes</source>
        <translation>, %1 points/s, %2 left</translation>
    </message>
</context>
<context>
    <name>Programmation</name>
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
    <message>
        <source>Le fichier n&apos;existe pas.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Son fichier de points %1 est introuvable.</source>
        <translation>Its points file %1 cannot be found.</translation>
    </message>
    <message>
        <source>Ni son en-tête ni son fichier de points ne contiennent de mesure lisible.</source>
        <translation>Neither its header nor its points file holds a readable reading.</translation>
    </message>
    <message>
        <source>Les fichiers %1 et %2 ne correspondent pas.</source>
        <translation>The files %1 and %2 do not match.</translation>
    </message>
    <message numerus="yes">
        <source>Le fichier %1 est coupé : seuls ses %n premiers points sont lus.</source>
        <translation>
            <numerusform>The file %1 is cut short: only its first point is read.</numerusform>
            <numerusform>The file %1 is cut short: only its first %n points are read.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le commentaire n&apos;a pas pu être écrit dans %1.</source>
        <translation>The comment could not be written to %1.</translation>
    </message>
    <message>
        <source>Aucun de ses points ne donne de point de rosée : il faut une température de -45 à 60 °C et une humidité au-dessus de 0 %.</source>
        <translation>None of its points gives a dew point: it takes a temperature from -45 to 60 °C and a humidity above 0 %.</translation>
    </message>
    <message>
        <source>Point de rosée</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <source>Modifié hors du programme depuis son enregistrement</source>
        <translation>Changed outside the program since it was saved</translation>
    </message>
    <message>
        <source>Modifier les limites</source>
        <translation>Edit the limits</translation>
    </message>
    <message>
        <source>Les limites n&apos;ont pas pu être écrites dans %1.</source>
        <translation>The limits could not be written to %1.</translation>
    </message>
    <message>
        <source>%1 dès %2</source>
        <translation>%1 from %2</translation>
    </message>
    <message>
        <source>Rosée</source>
        <translation>Dew pt.</translation>
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
    <name>clsLiaison</name>
    <message>
        <source>accès refusé au port %1 : votre utilisateur ne peut pas l&apos;ouvrir ; installez la règle udev de Vorsen Logger pour l&apos;adaptateur des enregistreurs, puis rebranchez-le</source>
        <translation>access to port %1 refused: your user may not open it; install the Vorsen Logger udev rule for the loggers&apos; adapter, then plug it in again</translation>
    </message>
    <message>
        <source>accès refusé au port %1 : ajoutez votre utilisateur au groupe %2 puis ouvrez une nouvelle session</source>
        <translation>access to port %1 refused: add your user to the group %2, then log in again</translation>
    </message>
    <message>
        <source>le port %1 est utilisé par un autre programme</source>
        <translation>the port %1 is used by another program</translation>
    </message>
    <message>
        <source>le port %1 n&apos;existe pas</source>
        <translation>the port %1 does not exist</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le port %1 : %2</source>
        <translation>cannot open the port %1: %2</translation>
    </message>
    <message>
        <source>aucun enregistreur ne répond sur le port %1</source>
        <translation>no logger answers on port %1</translation>
    </message>
    <message>
        <source>aucun enregistreur %1 n&apos;a été trouvé</source>
        <translation>no logger %1 was found</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a disparu</source>
        <translation>the logger on port %1 vanished</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 ne répond plus (commande %2)</source>
        <translation>the logger on port %1 no longer answers (command %2)</translation>
    </message>
    <message>
        <source>l&apos;enregistreur du port %1 a refusé la commande %2 (réponse « %3 »)</source>
        <translation>the logger on port %1 refused the command %2 (reply &quot;%3&quot;)</translation>
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
    <message>
        <source>Courbe</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Limites</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Sous la limite</source>
        <translation>Below limit</translation>
    </message>
    <message>
        <source>Au-dessus</source>
        <translation>Above limit</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Excursions</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>TCM</source>
        <translation>MKT</translation>
    </message>
    <message>
        <source>Attention :</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Modifié hors du programme depuis son enregistrement</source>
        <translation>Changed outside the program since it was saved</translation>
    </message>
    <message>
        <source>Limites et excursions ; TCM avec ΔH/R = %1 K</source>
        <translation>Limits and excursions; MKT with ΔH/R = %1 K</translation>
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
        <source>Le seuil minimum doit être inférieur au seuil maximum.</source>
        <translation>The minimum threshold must be below the maximum threshold.</translation>
    </message>
</context>
<context>
    <name>diaLimites</name>
    <message>
        <source>Limites</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Limite &amp;basse</source>
        <translation>&amp;Lower limit</translation>
    </message>
    <message>
        <source>Limite &amp;haute</source>
        <translation>&amp;Upper limit</translation>
    </message>
    <message>
        <source>La limite basse dépasse la limite haute.</source>
        <translation>The lower limit is above the upper limit.</translation>
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
    <message>
        <source>Les points de cet enregistrement dans un classeur Excel</source>
        <translation>The points of this recording in an Excel workbook</translation>
    </message>
    <message>
        <source>Classeur Excel…</source>
        <translation>Excel workbook…</translation>
    </message>
    <message>
        <source>Les points de cet enregistrement dans un fichier CSV, pour un tableur ou un script</source>
        <translation>The points of this recording in a CSV file, for a spreadsheet or a script</translation>
    </message>
    <message>
        <source>CSV…</source>
        <translation>CSV…</translation>
    </message>
    <message>
        <source>Il ne contient pas les mesures demandées.</source>
        <translation>It does not hold the measures asked for.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajouter l&apos;enregistrement %1.</source>
        <translation>The recording %1 cannot be added.</translation>
    </message>
    <message>
        <source>Le rapport a été écrit dans %1.</source>
        <translation>The report was written to %1.</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV, heure locale (*.csv)</source>
        <translation>CSV, local time (*.csv)</translation>
    </message>
    <message>
        <source>CSV, heure UTC (*.csv)</source>
        <translation>CSV, UTC time (*.csv)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Une analyse compte au plus %1 courbes.</source>
        <translation>An analysis holds at most %1 curves.</translation>
    </message>
    <message>
        <source>TCM</source>
        <translation>MKT</translation>
    </message>
    <message>
        <source>Température cinétique moyenne</source>
        <translation>Mean kinetic temperature</translation>
    </message>
    <message>
        <source>Limites</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Calculé pour les enregistrements des deux capteurs</source>
        <translation>Computed for recordings of both sensors</translation>
    </message>
    <message>
        <source>Point de rosée</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <source>Sous la limite</source>
        <translation>Below limit</translation>
    </message>
    <message>
        <source>Au-dessus</source>
        <translation>Above limit</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Excursions</translation>
    </message>
    <message>
        <source>Plus longue</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>Températures affichées en :</source>
        <translation>Temperatures shown in:</translation>
    </message>
    <message>
        <source>degrés Celsius (°C)</source>
        <translation>degrees Celsius (°C)</translation>
    </message>
    <message>
        <source>degrés Fahrenheit (°F)</source>
        <translation>degrees Fahrenheit (°F)</translation>
    </message>
    <message>
        <source>Énergie d&apos;activation ΔH/R de la température cinétique moyenne (TCM) :</source>
        <translation>Activation energy ΔH/R of the mean kinetic temperature (MKT):</translation>
    </message>
    <message>
        <source>10 000 K correspondent à 83,144 kJ/mol</source>
        <translation>10,000 K is 83.144 kJ/mol</translation>
    </message>
    <message>
        <source>, point de rosée</source>
        <translation>, dew point</translation>
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
    <message>
        <source>Le manuel se trouve dans %1.</source>
        <translation>The manual is in %1.</translation>
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
    <message>
        <source>Il a été écrit dans %1.</source>
        <translation>It was written to %1.</translation>
    </message>
    <message>
        <source>Accès refusé au port %1 : votre utilisateur ne peut pas l&apos;ouvrir. Installez la règle udev de Vorsen Logger pour l&apos;adaptateur des enregistreurs (voir le manuel), puis rebranchez-le.</source>
        <translation>Access to port %1 refused: your user may not open it. Install the Vorsen Logger udev rule for the loggers&apos; adapter (see the manual), then plug it in again.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire la sauvegarde automatique dans %1.</source>
        <translation>The automatic backup could not be written to %1.</translation>
    </message>
</context>
</TS>
