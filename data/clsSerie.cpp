#include "clsSerie.h"

#include "EcritureFichier.h"
#include "Empreinte.h"
#include "FichierEntete.h"
#include "FichierPoints.h"
#include "HeureLocale.h"
#include "clsExcel.h"
#include "clsSettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace
{

const QString SousDossierAuto = QStringLiteral("Vorsen_Logger");

// Double to int32, truncated toward zero; saturates instead of overflowing when a
// bad point count makes a mean leave the 32-bit range.
int Tronquer(double valeur)
{
    if (!(valeur > double(std::numeric_limits<int>::min())))
        return valeur < 0 ? std::numeric_limits<int>::min() : 0; // also NaN -> 0
    if (valeur >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(valeur);
}

// Removes every ".ail", in any case.
QString SansExtension(const QString& nom)
{
    QString resultat = nom;
    return resultat.remove(QStringLiteral(".ail"), Qt::CaseInsensitive);
}

QString CheminFichier(const QString& dir, const QString& name, const char* extension)
{
    return dir + QLatin1Char('/') + name + QLatin1String(extension);
}

bool MemeFichier(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// Header groups of the curves' limits: temperature, humidity, dew point.
const char* const GroupesLimites[] = {"Temperature/", "Humidite/", "PointRosee/"};
const QString LimiteBasse = QStringLiteral("LimiteBasse");
const QString LimiteHaute = QStringLiteral("LimiteHaute");

// A limit read back: none when the key is absent, empty or not a whole number.
std::optional<int> LireLimite(const QSettings& entete, const QString& cle)
{
    bool ok = false;
    const int valeur = clsSettings::VersTexte(entete.value(cle), QString()).trimmed().toInt(&ok);
    return ok ? std::optional<int>(valeur) : std::nullopt;
}

} // namespace

int CodeModele(const QString& modele)
{
    if (modele == QLatin1String("71240"))
        return 1;
    if (modele.compare(QLatin1String("71240VX"), Qt::CaseInsensitive) == 0)
        return 2;
    if (modele == QLatin1String("71246"))
        return 3;
    return 0;
}

int VoiesMesurees(int capteurs)
{
    return capteurs >= 1 && capteurs <= 3 ? capteurs : 3;
}

QString IdentifiantFichier(const QString& id)
{
    QString nom;
    for (const uint c : id.toUcs4()) {
        const bool permis = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                            (c >= '0' && c <= '9') || c == '_' || c == '-';
        nom += permis ? QChar(c) : QLatin1Char('_');
    }
    return nom;
}

QString TexteDate(uint time, int style)
{
    // A table of 16000 rows asks for 16000 dates: the offset from UTC is looked
    // up once per quarter of an hour instead of once per date (each lookup makes
    // the C library check the zone file when TZ is unset). One cache per thread.
    thread_local HeureLocale heure;
    return TexteDate(heure.Convertir(time), style);
}

QString TexteDate(const QDateTime& date, int style)
{
    // The C locale keeps "AM"/"PM" whatever the system language is.
    switch (style) {
    case 0:
        return QLocale::c().toString(date, QStringLiteral("MM/dd/yyyy h:mm:ss AP"));
    case 1:
        return QLocale::c().toString(date, QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    default: {
        // Qt's text format of a local date-time, "Wed Mar 30 14:05:09 2016", from
        // the fields themselves: no zone name or offset, no new lookup.
        QString texte = date.date().toString(Qt::TextDate);
        texte.insert(texte.lastIndexOf(QLatin1Char(' ')),
                     QLatin1Char(' ') + date.time().toString(Qt::TextDate));
        return texte;
    }
    }
}

void TS_VOIE::Ajouter(int valeur)
{
    Valeurs.append(valeur);
    if (Valeurs.size() == 1) {
        Minimum = valeur;
        Moyenne = valeur;
        EcartType = 0;
        Maximum = valeur;
    } else {
        if (Minimum > valeur)
            Minimum = valeur;
        if (Maximum < valeur)
            Maximum = valeur;
    }
    const double v = valeur;
    Somme += v;
    SommeCarres += v * v; // in double: 65535² and time stamps squared do not overflow

    const int n = *m_NbrePointsSerie;
    // A count of 0 or less (a producer that has not set it, a bad file) would
    // divide by zero: the mean and deviation stay 0 until the count is positive.
    if (n <= 0) {
        Moyenne = 0;
        EcartType = 0;
        return;
    }
    Moyenne = Tronquer(Somme / n);
    // Rounding can leave a tiny negative variance: its deviation is 0, never NaN.
    const double variance = (SommeCarres - Somme * Somme / n) / n;
    EcartType = variance > 0 ? Tronquer(std::sqrt(variance)) : 0;
}

void TS_VOIE::Effacer()
{
    Moyenne = 0;
    EcartType = 0;
    Minimum = 0;
    Maximum = 0;
    Valeurs.clear();
    Commentaire.clear();
    Limites = TS_LIMITES();
    Somme = 0.0;
    SommeCarres = 0.0;
}

clsSerie::clsSerie()
    : QObject(nullptr), Temps(&NbrePoints), Temperature(&NbrePoints), Humidite(&NbrePoints),
      NbrePoints(32000), NbrePointsSauves(0), m_Horloge([] { return QDateTime::currentDateTime(); })
{
    Initialiser();
}

void clsSerie::Initialiser()
{
    Infos = TS_INFOS();
    EffacerVoies();
    Chemin.clear();
    CheminAuto.clear();
    Nom = QStringLiteral("New");
    NomAuto.clear();
    Port.clear();
    NbrePoints = 32000;
    NbrePointsSauves = 0;
    LimitesRosee = TS_LIMITES();
    m_CompteEntete = false;
    m_EtatPaire = enm_PAIRE::Concordante;
    m_EmpreintePointsAttendue.clear();
    m_EmpreinteMesuresAttendue.clear();
    m_MesuresIntactes = true;
    m_EmpreintePointsLue.clear();
}

void clsSerie::EffacerVoies()
{
    Temps.Effacer();
    Temperature.Effacer();
    Humidite.Effacer();
}

void clsSerie::AjouterPoint(uint time, int temperature, int humidite)
{
    ++NbrePoints;
    Temps.Ajouter(static_cast<int>(time)); // same 32 bits; written back as unsigned
    Temperature.Ajouter(temperature);
    Humidite.Ajouter(humidite);
}

int clsSerie::NbrePointsPresents() const
{
    const int tenus =
        qMin(Temps.Valeurs.size(), qMin(Temperature.Valeurs.size(), Humidite.Valeurs.size()));
    return qMax(0, qMin(NbrePoints, tenus));
}

QString clsSerie::Commentaire() const
{
    return Temperature.Commentaire;
}

void clsSerie::setCommentaire(const QString& commentaire)
{
    Temperature.Commentaire = commentaire;
    Humidite.Commentaire = commentaire;
}

void clsSerie::setHorloge(std::function<QDateTime()> horloge)
{
    m_Horloge = horloge ? std::move(horloge) : [] { return QDateTime::currentDateTime(); };
}

bool clsSerie::Sauvegarder(QString name, const QString& dir)
{
    if (name.endsWith(QStringLiteral(".ail"), Qt::CaseInsensitive))
        name = SansExtension(name);

    // Nom, Chemin and the saved count change, and the backup goes, only once both
    // files are on disk: after a failed save the backup may be the only copy.
    if (!Ecrire(name, dir))
        return false;
    Nom = name;
    Chemin = dir;
    NbrePointsSauves = NbrePoints;

    if (!NomAuto.isEmpty()) {
        const QString enteteAuto = CheminFichier(CheminAuto, NomAuto, ".ail");
        const QString pointsAuto = CheminFichier(CheminAuto, NomAuto, ".txt");
        // A save made under the backup's own name and folder is the backup:
        // deleting it would delete what was just saved.
        if (!MemeFichier(enteteAuto, CheminFichier(dir, name, ".ail"))) {
            QFile::remove(enteteAuto); // a failed deletion is ignored
            QFile::remove(pointsAuto);
        }
        NomAuto.clear();
    }
    return true;
}

bool clsSerie::Ecrire(const QString& name, const QString& dir)
{
    // Both files staged under temporary names, every byte on disk, before either
    // takes its place: a failure at any step (full disk, refused name, missing
    // folder) leaves the previous pair as it was, and the two renames follow
    // each other within microseconds. Should the program die between them, the
    // header counts the lines written, so that the reader tells the pair apart
    // (EtatPaire()).
    QSaveFile points(CheminFichier(dir, name, ".txt"));
    QString empreinte;
    const int lignes = EcrirePoints(points, NbrePoints, &empreinte);
    if (lignes < 0)
        return false;
    const QString chemin = CheminFichier(dir, name, ".ail");
    const QByteArray texte = TexteEntete(ClesEntete(lignes, empreinte));
    QSaveFile entete(chemin);
    if (!entete.open(QIODevice::WriteOnly) || entete.write(texte) != texte.size() ||
        !ViderFichier(entete)) {
        points.cancelWriting();
        return false;
    }
    if (!points.commit()) {
        entete.cancelWriting();
        return false;
    }
    return entete.commit() && RelireFichier(chemin, texte);
}

bool clsSerie::EcrireDonnees(int count, const QString& name, const QString& dir)
{
    QSaveFile points(CheminFichier(dir, name, ".txt"));
    return EcrirePoints(points, count) >= 0 && points.commit();
}

QMap<QString, QVariant> clsSerie::ClesEntete(int nbrePoints, const QString& empreintePoints) const
{
    QMap<QString, QVariant> cles;
    cles.insert(QStringLiteral("Appareil"), Infos.Appareil);
    cles.insert(QStringLiteral("ID"), Infos.ID);
    cles.insert(QStringLiteral("NbrePoints"), nbrePoints);
    cles.insert(QStringLiteral("Frequence"), static_cast<uint>(Infos.Frequence));
    cles.insert(QStringLiteral("Unite"), Infos.Unite);
    cles.insert(QStringLiteral("Mode"), Infos.Mode);
    cles.insert(QStringLiteral("DateDebut"), Infos.DateDebut);
    cles.insert(QStringLiteral("Capteurs"), Infos.Capteurs);
    cles.insert(QStringLiteral("Temps/Minimum"), Temps.Minimum);
    cles.insert(QStringLiteral("Temps/Maximum"), Temps.Maximum);
    for (auto voie : {std::make_pair(QStringLiteral("Temperature/"), &Temperature),
                      std::make_pair(QStringLiteral("Humidite/"), &Humidite)}) {
        const TS_VOIE& v = *voie.second;
        cles.insert(voie.first + QStringLiteral("Moyenne"), v.Moyenne);
        cles.insert(voie.first + QStringLiteral("EcartType"), v.EcartType);
        cles.insert(voie.first + QStringLiteral("Minimum"), v.Minimum);
        cles.insert(voie.first + QStringLiteral("Maximum"), v.Maximum);
        cles.insert(voie.first + QStringLiteral("Commentaire"), v.Commentaire);
    }
    // Limits only where set: a recording without any keeps the header it had.
    const TS_LIMITES* limites[] = {&Temperature.Limites, &Humidite.Limites, &LimitesRosee};
    for (int i = 0; i < 3; ++i) {
        if (limites[i]->Basse)
            cles.insert(QLatin1String(GroupesLimites[i]) + LimiteBasse, *limites[i]->Basse);
        if (limites[i]->Haute)
            cles.insert(QLatin1String(GroupesLimites[i]) + LimiteHaute, *limites[i]->Haute);
    }
    cles.insert(CleEmpreintePoints, empreintePoints);
    cles.insert(CleEmpreinteMesures, Sha256(TexteChampsMesures(cles)));
    return cles;
}

int clsSerie::EcrirePoints(QSaveFile& fichier, int count, QString* empreinte) const
{
    // QSaveFile writes beside the file and renames on commit: a failed or
    // interrupted write leaves the previous points file whole.
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Text))
        return -1;

    // Never past the lists: a short points file may have left NbrePoints above them.
    const int nbre = qBound(0, count, NbrePointsPresents());
    const int taillePaquet = 64 * 1024; // bytes per write
    QCryptographicHash sha(QCryptographicHash::Sha256);
    QByteArray tampon;
    tampon.reserve(taillePaquet + 64);
    for (int i = 0; i < nbre; ++i) {
        AjouterLignePoints(tampon, static_cast<uint>(Temps.Valeurs.at(i)),
                           Temperature.Valeurs.at(i), Humidite.Valeurs.at(i));
        if (tampon.size() >= taillePaquet || i == nbre - 1) {
            sha.addData(tampon); // the bytes on disk: the file is opened in text mode on
                                 // a platform whose line end is "\n"
            if (fichier.write(tampon) != tampon.size()) {
                fichier.cancelWriting();
                return -1;
            }
            tampon.clear();
        }
    }
    if (empreinte)
        *empreinte = QString::fromLatin1(sha.result().toHex());
    // A small file still sits in Qt's buffer: it must reach the disk now.
    return ViderFichier(fichier) ? nbre : -1;
}

bool clsSerie::SauvegardeAuto(const QString& folder)
{
    CheminAuto = folder;
    if (CheminAuto.isEmpty()) {
        CheminAuto = QDir::homePath();
        // A regular file of that name is no subfolder: the home folder is used then.
        QDir maison(CheminAuto);
        if (QFileInfo(maison, SousDossierAuto).isDir() || maison.mkdir(SousDossierAuto))
            CheminAuto += QLatin1Char('/') + SousDossierAuto;
    }
    if (NomAuto.isEmpty()) {
        const QString base = IdentifiantFichier(Infos.ID) + QLatin1Char('_') +
                             m_Horloge().toString(QStringLiteral("yyyyMMdd_hhmmss"));
        // Two acquisitions within one second keep a backup each.
        NomAuto = base;
        for (int i = 2; QFileInfo::exists(CheminFichier(CheminAuto, NomAuto, ".ail")) ||
                        QFileInfo::exists(CheminFichier(CheminAuto, NomAuto, ".txt"));
             ++i)
            NomAuto = base + QLatin1Char('_') + QString::number(i);
    }
    return Ecrire(NomAuto, CheminAuto);
}

bool clsSerie::SauvegardeAuto()
{
    return SauvegardeAuto(CheminAuto);
}

bool clsSerie::Ouvrir(QString name, QString dir, int capteurs)
{
    // name and dir are copies: a caller may pass this series' own Nom and Chemin,
    // which Initialiser() resets.
    Initialiser();
    Nom = SansExtension(name);
    NomAuto.clear();
    Chemin = dir;

    {
        const clsSettings entete(dir, Nom);
        m_CompteEntete = entete.contains(QStringLiteral("NbrePoints"));
        NbrePoints = entete.LireEntier(QStringLiteral("NbrePoints"), NbrePoints);
        Infos.Appareil = entete.LireEntier(QStringLiteral("Appareil"), Infos.Appareil);
        Infos.ID = entete.LireTexte(QStringLiteral("ID"), Infos.ID);
        // Read as 64 bits, the low 32 bits kept.
        Infos.Frequence =
            static_cast<int>(entete.LireEntierLong(QStringLiteral("Frequence"), Infos.Frequence));
        Infos.Unite = entete.LireTexte(QStringLiteral("Unite"), Infos.Unite);
        Infos.Mode = entete.LireEntier(QStringLiteral("Mode"), Infos.Mode);
        Infos.DateDebut =
            static_cast<uint>(entete.LireEntierLong(QStringLiteral("DateDebut"), Infos.DateDebut));
        Infos.Capteurs = entete.LireEntier(QStringLiteral("Capteurs"), Infos.Capteurs);

        const QString mini = QStringLiteral("Minimum");
        const QString maxi = QStringLiteral("Maximum");
        const QString moy = QStringLiteral("Moyenne");
        const QString ecart = QStringLiteral("EcartType");
        const QString comm = QStringLiteral("Commentaire");
        const QString temps = QStringLiteral("Temps");
        Temps.Minimum = entete.LireEntier(temps, mini, Temps.Minimum);
        Temps.Maximum = entete.LireEntier(temps, maxi, Temps.Maximum);
        for (auto voie : {std::make_pair(QStringLiteral("Temperature"), &Temperature),
                          std::make_pair(QStringLiteral("Humidite"), &Humidite)}) {
            TS_VOIE& v = *voie.second;
            v.Moyenne = entete.LireEntier(voie.first, moy, v.Moyenne);
            v.EcartType = entete.LireEntier(voie.first, ecart, v.EcartType);
            v.Minimum = entete.LireEntier(voie.first, mini, v.Minimum);
            v.Maximum = entete.LireEntier(voie.first, maxi, v.Maximum);
            v.Commentaire = entete.LireTexte(voie.first, comm, v.Commentaire);
        }

        TS_LIMITES* limites[] = {&Temperature.Limites, &Humidite.Limites, &LimitesRosee};
        for (int i = 0; i < 3; ++i) {
            limites[i]->Basse = LireLimite(entete, QLatin1String(GroupesLimites[i]) + LimiteBasse);
            limites[i]->Haute = LireLimite(entete, QLatin1String(GroupesLimites[i]) + LimiteHaute);
        }

        // The measured fields as this header holds them, before the points
        // replace its statistics.
        m_EmpreintePointsAttendue = entete.LireTexte(CleEmpreintePoints, QString());
        m_EmpreinteMesuresAttendue = entete.LireTexte(CleEmpreinteMesures, QString());
        QMap<QString, QVariant> mesures;
        for (const QString& champ : ChampsMesures())
            if (entete.contains(champ))
                mesures.insert(champ, entete.value(champ));
        m_MesuresIntactes = m_EmpreinteMesuresAttendue.compare(Sha256(TexteChampsMesures(mesures)),
                                                               Qt::CaseInsensitive) == 0;
    }

    if ((Infos.Capteurs & capteurs) == 0)
        return false;
    LireDonnees();
    return true;
}

void clsSerie::LireDonnees()
{
    m_EtatPaire = enm_PAIRE::Concordante;
    m_EmpreintePointsLue.clear();
    QFile fichier(CheminFichier(Chemin, Nom, ".txt"));
    if (!fichier.open(QIODevice::ReadOnly))
        return;
    QCryptographicHash sha(QCryptographicHash::Sha256);
    PointFichier point;
    const auto ajouter = [this, &point](const QByteArray& ligne) {
        if (!AnalyserLignePoints(ligne, point))
            return; // empty line
        Temps.Ajouter(static_cast<int>(point.Temps));
        Temperature.Ajouter(point.Temperature);
        Humidite.Ajouter(point.Humidite);
    };

    // Blocks of 1 MiB cut into lines here: one readLine() per line costs more than
    // the parsing. Memory stays proportional to the points, not to the file.
    const int tailleBloc = 1 << 20;
    QByteArray tampon;
    int dejaCherche = 0; // bytes of tampon known to hold no line end
    for (;;) {
        const int garde = tampon.size();
        tampon.resize(garde + tailleBloc);
        const qint64 lu = fichier.read(tampon.data() + garde, tailleBloc);
        tampon.resize(garde + int(qMax<qint64>(lu, 0)));
        if (lu <= 0)
            break; // end of file or read error
        sha.addData(tampon.constData() + garde, int(lu));
        int debut = 0;
        int finLigne;
        while ((finLigne = tampon.indexOf('\n', qMax(debut, dejaCherche))) >= 0) {
            ajouter(QByteArray::fromRawData(tampon.constData() + debut, finLigne + 1 - debut));
            debut = finLigne + 1;
        }
        tampon.remove(0, debut);
        dejaCherche = tampon.size();
    }

    // A last line without line end is whole in a file written by hand; in a file
    // cut short (a full disk, a copy interrupted) it stops anywhere. It counts
    // only when it holds its three fields and the header announces it.
    bool coupe = false;
    if (!tampon.trimmed().isEmpty()) {
        const int apres = Temps.Valeurs.size() + 1;
        coupe = !LigneEntiere(tampon) || (m_CompteEntete && apres < NbrePoints);
        if (!coupe)
            ajouter(tampon);
    }
    m_EmpreintePointsLue = QString::fromLatin1(sha.result().toHex());
    const int lus = Temps.Valeurs.size();
    if (coupe) {
        // The header's count describes a file that is no longer whole: the
        // statistics are those of the points read.
        m_EtatPaire = enm_PAIRE::Coupee;
        NbrePoints = Temps.Valeurs.size();
        RecalculerStatistiques();
    } else if (m_CompteEntete && lus != NbrePoints) {
        m_EtatPaire = enm_PAIRE::Discordante;
    }
}

void clsSerie::RecalculerStatistiques()
{
    for (TS_VOIE* voie : {&Temps, &Temperature, &Humidite}) {
        const QList<int> valeurs = voie->Valeurs;
        const QString commentaire = voie->Commentaire;
        const TS_LIMITES limites = voie->Limites;
        voie->Effacer();
        voie->Commentaire = commentaire;
        voie->Limites = limites;
        for (const int valeur : valeurs)
            voie->Ajouter(valeur);
    }
}

bool clsSerie::MajCommentaire(int voie)
{
    if (voie == 1)
        return MajEntete({{QStringLiteral("Temperature/Commentaire"), Temperature.Commentaire}},
                         {});
    return MajEntete({{QStringLiteral("Humidite/Commentaire"), Humidite.Commentaire}}, {});
}

bool clsSerie::MajLimites(int courbe)
{
    // One curve only: each curve of the analysis holds its own copy of the
    // recording, whose other limits may be older than the header's.
    const int i = courbe == 1 ? 0 : courbe == 2 ? 1 : 2;
    const TS_LIMITES* limites[] = {&Temperature.Limites, &Humidite.Limites, &LimitesRosee};
    QMap<QString, QVariant> changees;
    QStringList enlevees;
    const QString basse = QLatin1String(GroupesLimites[i]) + LimiteBasse;
    const QString haute = QLatin1String(GroupesLimites[i]) + LimiteHaute;
    if (limites[i]->Basse)
        changees.insert(basse, *limites[i]->Basse);
    else
        enlevees << basse;
    if (limites[i]->Haute)
        changees.insert(haute, *limites[i]->Haute);
    else
        enlevees << haute;
    return MajEntete(changees, enlevees);
}

bool clsSerie::MajEntete(const QMap<QString, QVariant>& changees, const QStringList& enlevees)
{
    // Only an existing header is rewritten: a series that was never saved or
    // opened must not leave a header holding a comment alone.
    const QString chemin = CheminFichier(Chemin, Nom, ".ail");
    if (!QFileInfo(chemin).isFile())
        return false;
    // Every key read back as it is, some changed; a header that does not read
    // whole is left alone rather than rewritten from a part of it.
    QMap<QString, QVariant> cles;
    {
        const clsSettings entete(Chemin, Nom);
        if (entete.status() != QSettings::NoError)
            return false;
        for (const QString& cle : entete.allKeys()) {
            // A key without a name ("=1") can be neither read nor written back.
            if (!cle.isEmpty() && !cle.endsWith(QLatin1Char('/')))
                cles.insert(cle, entete.value(cle));
        }
    }
    for (auto it = changees.cbegin(); it != changees.cend(); ++it)
        cles.insert(it.key(), it.value());
    for (const QString& cle : enlevees)
        cles.remove(cle);

    // The fingerprints are kept as they are, or stay absent: taken now, they
    // would vouch for an edit made outside the program since the save.
    return RemplacerFichier(chemin, TexteEntete(cles));
}

clsSerie::enm_INTEGRITE clsSerie::Integrite() const
{
    if (m_EmpreintePointsAttendue.isEmpty() && m_EmpreinteMesuresAttendue.isEmpty())
        return enm_INTEGRITE::SansEmpreinte;
    const bool pointsIntacts =
        m_EmpreintePointsAttendue.compare(m_EmpreintePointsLue, Qt::CaseInsensitive) == 0;
    return pointsIntacts && m_MesuresIntactes ? enm_INTEGRITE::Intacte : enm_INTEGRITE::Modifiee;
}

bool clsSerie::ExportExcel(int dateStyle)
{
    clsExcel excel;
    connect(&excel, &clsExcel::XLS_Progress, this, &clsSerie::XLS_Progress);
    // Only the points held (NbrePointsPresents()): a short points file may leave
    // NbrePoints above them.
    return excel.Exporter(Chemin + QLatin1Char('/') + Nom, dateStyle, *this);
}

QString clsSerie::CheminClasseur() const
{
    QString chemin = Chemin + QLatin1Char('/') + Nom + QStringLiteral(".xls");
    if (!QFileInfo(chemin).isFile()) {
        chemin += QLatin1Char('x');
        if (!QFileInfo(chemin).isFile())
            return QString();
    }
    return chemin;
}
