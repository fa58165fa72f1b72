#pragma once

#include "Limites.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class QSaveFile;

// Logger model code from the model text of the logger's identification:
// "71240" -> 1, "71240VX" (any case) -> 2, "71246" -> 3, anything else 0.
int CodeModele(const QString& modele);

// The channels a recording holds from its sensor mask: 1 temperature, 2 humidity,
// 3 both. Any other mask (0 from a damaged header) says nothing certain: both.
int VoiesMesurees(int capteurs);

// The logger identifier as it may stand in a file name: every character outside
// A-Z, a-z, 0-9, "_" and "-" becomes "_". The identifier comes from the device:
// a "/" or ".." must not take the automatic backup out of its folder.
QString IdentifiantFichier(const QString& id);

// Time stamp (s since 1970-01-01 00:00 UTC) as local date and time text.
// Style 0 (English) "MM/dd/yyyy h:mm:ss AP", style 1 (French) "dd/MM/yyyy hh:mm:ss",
// any other style Qt's default textual format. Callers that show date and time in
// two cells split the text at its first space.
QString TexteDate(uint time, int style);
// The same for a date-time already converted to local time, in any time spec: its
// own date and time fields are written.
QString TexteDate(const QDateTime& date, int style);

// Descriptive information of a recording.
struct TS_INFOS {
    int Appareil = 0;                    // model code, see CodeModele()
    QString ID;                          // logger identifier
    int Frequence = 5;                   // sampling period, s
    QString Unite = QStringLiteral("M"); // "M" metric, "I" imperial; carried only
    int Mode = 1;                        // recording mode code, 2 = real time
    uint DateDebut = 0;                  // time stamp of the first point, s since 1970 UTC
    int Capteurs = 3;                    // 1 temperature, 2 humidity, 3 both
};

// One channel: its values in point order and its running statistics.
// The mean and deviation are always computed against the owning series'
// NbrePoints, not against the length of the list.
struct TS_VOIE {
    // nbrePointsSerie: the owning series' NbrePoints, which outlives the channel.
    explicit TS_VOIE(const int* nbrePointsSerie) : m_NbrePointsSerie(nbrePointsSerie) {}

    // Appends one value and recomputes the statistics.
    void Ajouter(int valeur);
    // All numbers 0, list emptied, comment "", no limits.
    void Effacer();

    int Moyenne = 0;   // truncated toward zero
    int EcartType = 0; // population standard deviation, truncated toward zero
    int Minimum = 0;
    int Maximum = 0;
    QList<int> Valeurs;
    QString Commentaire;
    TS_LIMITES Limites; // set in the analysis, kept in the header like the comment
    double Somme = 0.0;
    double SommeCarres = 0.0;

private:
    const int* m_NbrePointsSerie; // the owning series' NbrePoints, divisor of the statistics
};

// One recording in memory: its information, three parallel channels (time stamps,
// temperature, humidity; raw readings in tenths), a comment, and the files it was
// saved to or read from. Paths are always folder + "/" + base name + extension.
class clsSerie : public QObject
{
    Q_OBJECT

public:
    clsSerie();

    // Values of a new series: Nom "New", NbrePoints 32000, empty channels.
    void Initialiser();
    // Clears the three channels (before a new acquisition).
    void EffacerVoies();

    // Increments NbrePoints, then appends to Temps, Temperature, Humidite.
    void AjouterPoint(uint time, int temperature, int humidite);

    // Number of points actually held: the smaller of NbrePoints and the list
    // lengths, never negative. Walk the points with this, never with NbrePoints:
    // a short points file leaves NbrePoints above the length of the lists.
    int NbrePointsPresents() const;

    // Comment of the recording: read from the temperature channel, written into
    // both the temperature and the humidity channel.
    QString Commentaire() const;
    void setCommentaire(const QString& commentaire);

    // Recording files: <dir>/<name>.ail (INI header) and <dir>/<name>.txt (points).
    // The writers return true only when both files were written completely.
    bool Sauvegarder(QString name, const QString& dir);
    bool Ecrire(const QString& name, const QString& dir);
    bool EcrireDonnees(int count, const QString& name, const QString& dir);
    bool SauvegardeAuto(const QString& folder);
    bool SauvegardeAuto();
    bool Ouvrir(QString name, QString dir, int capteurs);
    void LireDonnees();
    // Rewrites one comment of the header (voie 1 temperature, any other humidity),
    // every other key kept. False when the header is missing, does not read
    // whole, or was not written back exactly.
    bool MajCommentaire(int voie);
    // Rewrites the limits of one curve in the header the same way: courbe 1
    // temperature, 2 humidity, 4 the dew point derived from both.
    bool MajLimites(int courbe);

    // Whether the files read last (Ouvrir(), then LireDonnees()) are those the
    // program wrote: every save writes a fingerprint of the points file and one
    // of the header's measured fields (Empreinte.h); a comment or limits update
    // writes them back unchanged, or leaves a header without them as it was.
    enum class enm_INTEGRITE {
        SansEmpreinte, // a header without fingerprints (an older file): nothing known
        Intacte,       // both fingerprints match
        Modifiee       // the points file or a measured field changed since the save
    };
    enm_INTEGRITE Integrite() const;

    // How the points file read last (LireDonnees()) stands beside its header.
    // The two files are replaced one after the other: a program killed between
    // the two leaves the header of one save beside the points of another.
    enum class enm_PAIRE {
        Concordante, // as many points as the header's "NbrePoints", or no count in it
        Coupee,      // the file ends inside a line, before the points announced: that
                     // line is dropped, NbrePoints becomes the points read and the
                     // statistics are theirs
        Discordante  // another number of points than the header announces
    };
    enm_PAIRE EtatPaire() const { return m_EtatPaire; }

    // Clock that names the automatic backups; the current local time unless a
    // test sets another one.
    void setHorloge(std::function<QDateTime()> horloge);

    // Spreadsheet export of the points to Chemin/Nom.xlsx, dates in the style of
    // TexteDate(); progress relayed through XLS_Progress (1, then 2 to n + 1).
    // False when the workbook could not be written.
    bool ExportExcel(int dateStyle);
    // The workbook of the last export, for the window to open: Chemin/Nom.xls, or
    // else Chemin/Nom.xlsx; empty when neither exists.
    QString CheminClasseur() const;

    TS_INFOS Infos;
    TS_VOIE Temps;
    TS_VOIE Temperature;
    TS_VOIE Humidite;
    QString Chemin;       // folder of the last explicit save or open
    QString CheminAuto;   // folder of the automatic backup
    QString Nom;          // base name of the last explicit save or open
    QString NomAuto;      // base name of the current automatic backup, "" if none
    QString Port;         // serial port of the logger the series belongs to
    int NbrePoints;       // divisor of every mean and deviation; stored count
    int NbrePointsSauves; // NbrePoints at the last explicit save

    // Limits of the dew point the analysis derives from both channels.
    TS_LIMITES LimitesRosee;

signals:
    void XLS_Progress(int value);

private:
    // The keys of the header, nbrePoints the lines of the points file written
    // with it, empreintePoints the SHA-256 of that file.
    QMap<QString, QVariant> ClesEntete(int nbrePoints, const QString& empreintePoints) const;
    // The number of lines written (every byte on disk, not yet committed), -1 on
    // failure; *empreinte, when given, the SHA-256 of the bytes written.
    int EcrirePoints(QSaveFile& fichier, int count, QString* empreinte = nullptr) const;
    // Rewrites the header with `changees` set and `enlevees` removed, every other
    // key kept (see MajCommentaire()).
    bool MajEntete(const QMap<QString, QVariant>& changees, const QStringList& enlevees);
    // Statistics of each channel computed again against NbrePoints.
    void RecalculerStatistiques();

    std::function<QDateTime()> m_Horloge;
    bool m_CompteEntete = false; // the header read last holds "NbrePoints"
    enm_PAIRE m_EtatPaire = enm_PAIRE::Concordante;
    // Fingerprints of the header read last (empty when absent), whether its
    // measured fields match theirs, and the one of the points file read last.
    QString m_EmpreintePointsAttendue;
    QString m_EmpreinteMesuresAttendue;
    bool m_MesuresIntactes = true;
    QString m_EmpreintePointsLue;
};
