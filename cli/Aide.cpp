#include "Aide.h"

namespace
{

QString Communes()
{
    return Aide::tr("Options de toutes les commandes :\n"
                    "  --port CHEMIN   cherche aussi un enregistreur sur CHEMIN (port d'une autre\n"
                    "                  marque, pseudo-terminal, lien symbolique) ; répétable\n"
                    "  -h, --help      cette aide\n");
}

QString Statuts()
{
    return Aide::tr("Codes de sortie : 0 fait ; 1 erreur d'utilisation ; 2 enregistreur ou port\n"
                    "introuvable, refusé ou occupé ; 3 l'enregistreur a cessé de répondre ou a\n"
                    "disparu ; 4 l'enregistreur a refusé une commande ; 5 un fichier n'a pas pu\n"
                    "être lu ou écrit.\n");
}

} // namespace

QString Aide::Version()
{
    return QStringLiteral("vorsen %1\n").arg(QCoreApplication::applicationVersion());
}

QString Aide::Renvoi(enm_COMMANDE commande)
{
    if (commande == enm_COMMANDE::Aucune)
        return tr("voir vorsen --help");
    return tr("voir vorsen %1 --help").arg(LigneCommande::Nom(commande));
}

QString Aide::Texte(enm_COMMANDE commande)
{
    QString texte;
    switch (commande) {
    case enm_COMMANDE::Aucune:
        return tr("Usage : vorsen COMMANDE [OPTIONS]\n"
                  "Enregistreurs de température et d'humidité Vorsen depuis un terminal.\n"
                  "\n"
                  "Commandes :\n"
                  "  list                 enregistreurs trouvés : port, identifiant, modèle,\n"
                  "                       points, période, capteurs, début\n"
                  "  info PORT            identification et paramètres d'un enregistreur\n"
                  "  download PORT        télécharge l'enregistrement (.ail et fichier de points,\n"
                  "                       CSV, classeur)\n"
                  "  monitor PORT         mesures en temps réel en CSV jusqu'à Ctrl+C\n"
                  "  program PORT         programme l'enregistrement\n"
                  "  alarms PORT          programme les seuils d'alarme\n"
                  "  set-id PORT NEWID    change l'identifiant et l'affichage\n"
                  "  export FICHIER.ail   convertit un enregistrement en CSV, classeur ou rapport "
                  "PDF\n"
                  "\n"
                  "PORT est le chemin d'un port (/dev/ttyUSB0) ou l'identifiant d'un enregistreur\n"
                  "tel que list l'affiche.\n"
                  "  --version       version du programme\n") +
               Communes() + QLatin1Char('\n') + Statuts() +
               tr("\nAide d'une commande : vorsen COMMANDE --help ; tout le détail : man "
                  "vorsen.\n");
    case enm_COMMANDE::List:
        texte =
            tr("Usage : vorsen list [--json]\n"
               "Cherche les enregistreurs sur les ports de leurs adaptateurs et ceux de --port,\n"
               "et affiche pour chacun : port, identifiant, modèle, points, période, capteurs,\n"
               "début. Les ports refusés ou muets sont signalés sur la sortie d'erreur.\n"
               "  --json          un objet JSON (voir man vorsen)\n");
        break;
    case enm_COMMANDE::Info:
        texte = tr("Usage : vorsen info PORT [--json]\n"
                   "Identification et paramètres d'un enregistreur.\n"
                   "  --json          un objet JSON (voir man vorsen)\n");
        break;
    case enm_COMMANDE::Download:
        texte =
            tr("Usage : vorsen download PORT [-o DOSSIER] [--name BASE] [--format FORMAT]...\n"
               "Télécharge l'enregistrement et écrit BASE.ail et BASE.txt (les fichiers du\n"
               "programme), puis chaque format demandé. Sans --name, BASE est nommé comme la\n"
               "sauvegarde automatique : IDENTIFIANT_AAAAMMJJ_HHMMSS. Les chemins écrits vont\n"
               "sur la sortie standard, la progression sur la sortie d'erreur quand c'est un\n"
               "terminal. Un enregistreur perdu en cours de route laisse des fichiers avec\n"
               "toutes les mesures reçues (code 3).\n"
               "  -o, --output DOSSIER   dossier des fichiers (défaut : dossier courant)\n"
               "  --name BASE            nom des fichiers, sans extension\n"
               "  --format FORMAT        ail, csv ou xlsx ; répétable ou séparé par des virgules\n"
               "  --utc                  heures du CSV en UTC plutôt qu'en heure locale\n"
               "  --json                 un objet JSON (voir man vorsen)\n");
        break;
    case enm_COMMANDE::Monitor:
        texte = tr("Usage : vorsen monitor PORT [--period S] [--utc] [--yes]\n"
                   "Programme l'enregistreur en temps réel et écrit une ligne CSV par mesure\n"
                   "(timestamp,temperature_C,humidity_pct, ISO 8601 avec décalage) jusqu'à Ctrl+C\n"
                   "ou SIGTERM, puis lui envoie l'ordre d'arrêt.\n"
                   "  --period S      période en secondes ou H:MM:SS (défaut : celle de\n"
                   "                  l'enregistreur)\n"
                   "  --utc           heures en UTC\n"
                   "  --yes           efface des mesures jamais téléchargées\n");
        break;
    case enm_COMMANDE::Program:
        texte =
            tr("Usage : vorsen program PORT --mode MODE [--period S] [--points N]\n"
               "                      [--sensors temp,humi] [--unit metric|imperial]\n"
               "                      [--start AAAA-MM-JJTHH:MM] [--yes] [--json]\n"
               "Met l'horloge de l'enregistreur à l'heure, envoie les paramètres et les relit.\n"
               "  --mode MODE     immediate, realtime, manual, continuous ou programmable\n"
               "  --period S      période en secondes ou H:MM:SS, 1 s à 6:59:59 (défaut :\n"
               "                  celle de l'enregistreur)\n"
               "  --points N      mesures de tous les capteurs, 1000 à 32000 par milliers\n"
               "                  (défaut 32000)\n"
               "  --sensors LISTE temp, humi ou temp,humi (défaut : ceux de l'enregistreur)\n"
               "  --unit UNITÉ    metric ou imperial (défaut : celle de l'enregistreur)\n"
               "  --start DATE    début du mode programmable, heure locale, dans le futur\n"
               "  --yes           efface des mesures jamais téléchargées ; sans cette option,\n"
               "                  le programme dit combien seraient perdues et s'arrête\n"
               "  --json          les paramètres relus en JSON (voir man vorsen)\n");
        break;
    case enm_COMMANDE::Alarms:
        texte = tr("Usage : vorsen alarms PORT [--temp-min T] [--temp-max T] [--humi-min H]\n"
                   "                     [--humi-max H]\n"
                   "Programme les seuils d'alarme : ceux donnés sont actifs, les autres coupés\n"
                   "(sans aucun seuil, toutes les alarmes sont coupées). Températures de -40.0 à\n"
                   "100.0 °C, humidités de 0.0 à 100.0 %, une décimale au plus.\n");
        break;
    case enm_COMMANDE::SetId:
        texte = tr("Usage : vorsen set-id PORT NEWID [--display on|off] [--json]\n"
                   "Change l'identifiant (1 à 20 lettres, chiffres ou _, les minuscules passent\n"
                   "en capitales) et allume ou éteint l'affichage (défaut : on).\n"
                   "  --json          l'identification relue en JSON (voir man vorsen)\n");
        break;
    case enm_COMMANDE::Export:
        texte =
            tr("Usage : vorsen export FICHIER.ail --format csv|xlsx|pdf [-o SORTIE] [--utc]\n"
               "Convertit un enregistrement : CSV, classeur, ou rapport PDF de cet\n"
               "enregistrement avec toutes ses rubriques. Le chemin écrit va sur la sortie\n"
               "standard.\n"
               "  -o, --output SORTIE    fichier ou dossier de sortie (défaut : à côté du .ail)\n"
               "  --utc                  heures du CSV en UTC\n");
        break;
    }
    return texte + Communes();
}
