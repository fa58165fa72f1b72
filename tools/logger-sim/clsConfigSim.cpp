#include "clsConfigSim.h"

#include <QCommandLineParser>

namespace
{
// "X:N" with X one letter and N >= 0.
bool LireLettreNombre(const QString& texte, char* lettre, int* nombre)
{
    const int deuxPoints = texte.indexOf(QLatin1Char(':'));
    if (deuxPoints != 1 || !texte.at(0).isLetter() || texte.at(0).unicode() > 127)
        return false;
    bool ok = false;
    *nombre = texte.mid(2).toInt(&ok);
    *lettre = char(texte.at(0).toUpper().unicode());
    return ok && *nombre >= 0;
}

bool LireLettre(const QString& texte, char* lettre)
{
    if (texte.size() != 1 || !texte.at(0).isLetter() || texte.at(0).unicode() > 127)
        return false;
    *lettre = char(texte.at(0).toUpper().unicode());
    return true;
}

bool LireEntier(const QString& texte, int min, int max, int* valeur)
{
    bool ok = false;
    const int v = texte.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *valeur = v;
    return true;
}
} // namespace

clsConfigSim::Lecture clsConfigSim::Lire(const QStringList& args, clsConfigSim* config,
                                         QString* message)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Simule un enregistreur Vorsen sur un pseudo-terminal.\n"
        "Crée le pseudo-terminal, fait le lien symbolique CHEMIN vers son esclave, écrit\n"
        "CHEMIN seul sur la première ligne de la sortie standard, puis répond aux commandes\n"
        "I, M, D, J, S, A, C et Q (38400 bauds 8N1, réponses terminées par CR). SIGTERM ou\n"
        "SIGINT : supprime le lien et quitte avec le code 0.\n"
        "Commandes acceptées terminées par CR, LF ou CR LF ; une commande inconnue ou mal\n"
        "formée reste sans réponse. S avec le mode 2 (temps réel) envoie une ligne de\n"
        "données par période jusqu'à Q ; D envoie l'en-tête \"m ...\" puis les mesures."));
    p.addHelpOption();
    const QCommandLineOption lien(
        QStringLiteral("link"),
        QStringLiteral("Lien symbolique à créer vers le pseudo-terminal (obligatoire ; "
                       "un lien existant est remplacé)."),
        QStringLiteral("CHEMIN"));
    const QCommandLineOption id(QStringLiteral("id"),
                                QStringLiteral("Identifiant de l'enregistreur (défaut DEMO)."),
                                QStringLiteral("TEXTE"));
    const QCommandLineOption modele(
        QStringLiteral("model"), QStringLiteral("Modèle : 71240, 71240VX ou 71246 (défaut 71240)."),
        QStringLiteral("MODELE"));
    const QCommandLineOption info(
        QStringLiteral("info"),
        QStringLiteral("Troisième champ de l'identification (défaut V1.0)."),
        QStringLiteral("TEXTE"));
    const QCommandLineOption points(
        QStringLiteral("points"),
        QStringLiteral("Nombre de mesures en mémoire, tous capteurs confondus, 0 à 65535 "
                       "(défaut 3000 ; avec les deux capteurs, N/2 lignes \"d T H\")."),
        QStringLiteral("N"));
    const QCommandLineOption capteurs(
        QStringLiteral("sensors"),
        QStringLiteral("Capteurs : 1 température, 2 humidité, 3 les deux (défaut 3)."),
        QStringLiteral("1|2|3"));
    const QCommandLineOption periode(
        QStringLiteral("period"),
        QStringLiteral("Période d'échantillonnage en secondes, 1 à 65535 (défaut 60)."),
        QStringLiteral("S"));
    const QCommandLineOption unite(QStringLiteral("unit"),
                                   QStringLiteral("Unité : M métrique, I impérial (défaut M)."),
                                   QStringLiteral("M|I"));
    const QCommandLineOption debut(
        QStringLiteral("start"),
        QStringLiteral("Début de l'enregistrement, date-heure ISO 8601, heure locale sans "
                       "fuseau (défaut : maintenant moins la durée de l'enregistrement)."),
        QStringLiteral("DATE-HEURE"));
    const QCommandLineOption graine(
        QStringLiteral("seed"),
        QStringLiteral("Graine des mesures simulées (défaut 1) : mêmes options, mêmes mesures."),
        QStringLiteral("N"));
    const QCommandLineOption cadence(
        QStringLiteral("paced"),
        QStringLiteral("Écrit au débit de la ligne, 38400 bauds 8N1 (10 bits par octet, "
                       "3840 octets/s). Sans cette option, écrit aussi vite que le "
                       "pseudo-terminal accepte."));
    const QCommandLineOption echelle(
        QStringLiteral("time-scale"),
        QStringLiteral("Facteur du temps réel : une ligne toutes les période × F secondes "
                       "après S avec le mode 2 (défaut 1 ; 0.01 : 60 s deviennent 0,6 s)."),
        QStringLiteral("F"));
    const QCommandLineOption journal(
        QStringLiteral("log"),
        QStringLiteral("Écrit chaque ligne reçue, sans CR LF, une par ligne, vidée à chaque "
                       "ligne, avant la réponse. - : sortie d'erreur."),
        QStringLiteral("FICHIER"));
    const QCommandLineOption sansReponse(
        QStringLiteral("no-reply"),
        QStringLiteral("Ignore la commande X : ni réponse ni effet (répétable)."),
        QStringLiteral("X"));
    const QCommandLineOption retard(
        QStringLiteral("delay-reply"),
        QStringLiteral("Répond à X après MS ms, comptées depuis la réception ; les autres "
                       "commandes reçues entre-temps sont servies sans attendre (répétable)."),
        QStringLiteral("X:MS"));
    const QCommandLineOption scinder(
        QStringLiteral("split-replies"),
        QStringLiteral("Écrit chaque réponse (et l'en-tête de D) en deux morceaux à 50 ms "
                       "d'intervalle ; les lignes de données restent entières."));
    const QCommandLineOption parasites(
        QStringLiteral("garbage"),
        QStringLiteral("Avant chaque réponse, dans la même écriture : un octet NUL, quelques "
                       "octets aléatoires (jamais CR) puis CR, enfin la réponse. La ligne "
                       "parasite se lit comme une ligne vide."));
    const QCommandLineOption sansCr(
        QStringLiteral("no-cr"),
        QStringLiteral("Envoie les réponses (et l'en-tête de D) sans leur CR ; les lignes de "
                       "données gardent le leur."));
    const QCommandLineOption questionS(
        QStringLiteral("question-s"),
        QStringLiteral("Répond à S par \"?\" suivi des six champs de \"m\" (six blancs) ; "
                       "les paramètres sont pris."));
    const QCommandLineOption avantEchecs(
        QStringLiteral("fail-after"),
        QStringLiteral("Sert normalement les K premières commandes X avant les échecs de "
                       "--fail-first (répétable)."),
        QStringLiteral("X:K"));
    const QCommandLineOption echecs(
        QStringLiteral("fail-first"),
        QStringLiteral("Répond aux N premières commandes X par la bonne réponse avec la "
                       "lettre \"x\", sans exécuter la commande (D : en-tête \"x\", pas de "
                       "données) (répétable)."),
        QStringLiteral("X:N"));
    const QCommandLineOption debrancher(
        QStringLiteral("unplug-after"),
        QStringLiteral("Après N lignes envoyées (réponses et données), attend qu'elles "
                       "soient lues (1 s au plus), ferme le maître, supprime le lien et "
                       "quitte avec le code 0."),
        QStringLiteral("N"));
    const QCommandLineOption silence(
        QStringLiteral("silent-after"),
        QStringLiteral("Après N lignes envoyées (réponses et données), n'envoie plus rien "
                       "et ne répond plus, le pseudo-terminal restant ouvert (un "
                       "enregistreur bloqué)."),
        QStringLiteral("N"));
    p.addOptions({lien,      id,     modele,    info,    points,      capteurs,    periode, unite,
                  debut,     graine, cadence,   echelle, journal,     sansReponse, retard,  scinder,
                  parasites, sansCr, questionS, echecs,  avantEchecs, debrancher,  silence});

    if (!p.parse(args)) {
        *message = p.errorText();
        return ERREUR;
    }
    if (p.isSet(QStringLiteral("help"))) {
        *message = p.helpText();
        return AIDE;
    }
    const auto erreur = [message](const QString& texte) {
        *message = texte;
        return ERREUR;
    };
    if (!p.positionalArguments().isEmpty())
        return erreur(QStringLiteral("Argument inattendu : %1").arg(p.positionalArguments()[0]));

    clsConfigSim c;
    c.Lien = p.value(lien);
    if (c.Lien.isEmpty())
        return erreur(QStringLiteral("--link CHEMIN est obligatoire."));
    if (p.isSet(id)) {
        c.ID = p.value(id);
        if (c.ID.isEmpty() || c.ID.contains(QLatin1Char(' ')))
            return erreur(QStringLiteral("--id : texte non vide sans blanc attendu."));
    }
    if (p.isSet(modele)) {
        c.Modele = p.value(modele);
        if (!QStringList{"71240", "71240VX", "71246"}.contains(c.Modele))
            return erreur(QStringLiteral("--model : 71240, 71240VX ou 71246 attendu."));
    }
    if (p.isSet(info)) {
        c.Info = p.value(info);
        if (c.Info.isEmpty() || c.Info.contains(QLatin1Char(' ')))
            return erreur(QStringLiteral("--info : texte non vide sans blanc attendu."));
    }
    if (p.isSet(points) && !LireEntier(p.value(points), 0, 65535, &c.NbrePoints))
        return erreur(QStringLiteral("--points : entier de 0 à 65535 attendu."));
    if (p.isSet(capteurs) && !LireEntier(p.value(capteurs), 1, 3, &c.Capteurs))
        return erreur(QStringLiteral("--sensors : 1, 2 ou 3 attendu."));
    if (p.isSet(periode) && !LireEntier(p.value(periode), 1, 65535, &c.Frequence))
        return erreur(QStringLiteral("--period : entier de 1 à 65535 attendu."));
    if (p.isSet(unite)) {
        c.Unite = p.value(unite);
        if (c.Unite != QLatin1String("M") && c.Unite != QLatin1String("I"))
            return erreur(QStringLiteral("--unit : M ou I attendu."));
    }
    if (p.isSet(debut)) {
        c.Debut = QDateTime::fromString(p.value(debut), Qt::ISODate);
        if (!c.Debut.isValid())
            return erreur(QStringLiteral("--start : date-heure ISO 8601 attendue "
                                         "(2026-12-07T08:00:00)."));
        const QDateTime origine(QDate(2010, 1, 1), QTime(0, 0), Qt::LocalTime);
        if (c.Debut < origine || origine.secsTo(c.Debut) > 0xFFFFFFFFll)
            return erreur(QStringLiteral("--start : hors de l'horloge de l'enregistreur "
                                         "(depuis le 2010-01-01 00:00)."));
    }
    if (p.isSet(graine)) {
        bool ok = false;
        c.Graine = p.value(graine).toUInt(&ok);
        if (!ok)
            return erreur(QStringLiteral("--seed : entier positif attendu."));
    }
    c.Cadence = p.isSet(cadence);
    if (p.isSet(echelle)) {
        bool ok = false;
        c.Echelle = p.value(echelle).toDouble(&ok);
        if (!ok || !(c.Echelle > 0.0) || c.Echelle > 1000.0)
            return erreur(QStringLiteral("--time-scale : nombre positif attendu."));
    }
    c.Journal = p.value(journal);
    for (const QString& v : p.values(sansReponse)) {
        char lettre;
        if (!LireLettre(v, &lettre))
            return erreur(QStringLiteral("--no-reply : une lettre de commande attendue."));
        c.SansReponse.insert(lettre);
    }
    for (const QString& v : p.values(retard)) {
        char lettre;
        int ms;
        if (!LireLettreNombre(v, &lettre, &ms))
            return erreur(QStringLiteral("--delay-reply : X:MS attendu (D:1500)."));
        c.Retards[lettre] = ms;
    }
    for (const QString& v : p.values(echecs)) {
        char lettre;
        int n;
        if (!LireLettreNombre(v, &lettre, &n))
            return erreur(QStringLiteral("--fail-first : X:N attendu (S:1)."));
        c.Echecs[lettre] = n;
    }
    for (const QString& v : p.values(avantEchecs)) {
        char lettre;
        int n;
        if (!LireLettreNombre(v, &lettre, &n))
            return erreur(QStringLiteral("--fail-after : X:K attendu (M:1)."));
        c.AvantEchecs[lettre] = n;
    }
    c.Scinder = p.isSet(scinder);
    c.Parasites = p.isSet(parasites);
    c.SansCr = p.isSet(sansCr);
    c.QuestionS = p.isSet(questionS);
    if (p.isSet(debrancher) &&
        (!LireEntier(p.value(debrancher), 1, 0x7FFFFFFF, &c.DebrancherApres)))
        return erreur(QStringLiteral("--unplug-after : entier positif attendu."));
    if (p.isSet(silence) && (!LireEntier(p.value(silence), 1, 0x7FFFFFFF, &c.SilenceApres)))
        return erreur(QStringLiteral("--silent-after : entier positif attendu."));
    *config = c;
    return OK;
}
