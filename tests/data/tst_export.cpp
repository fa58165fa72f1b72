// Spreadsheet export: the workbook is read back (zip, sheets, strings, number
// formats) and its cells compared with what a user of either language must see
// and what a spreadsheet must be able to compute with.
#include "Environnement.h"
#include "LecteurClasseur.h"

#include <clsExcel.h>
#include <clsSerie.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace
{

// Number formats that show the cells as the program shows them; the separators
// are escaped so that a spreadsheet in another locale keeps them.
const QString FormatTemp = QStringLiteral("0.0\" \u00B0C\"");
const QString FormatTempF = QStringLiteral("0.0\" \u00B0F\"");
const QString FormatHumi = QStringLiteral("0.0\" %\"");
const QString DateEn = QStringLiteral("mm\\/dd\\/yyyy");
const QString HeureEn = QStringLiteral("h\\:mm\\:ss AM/PM");
const QString DateFr = QStringLiteral("dd\\/mm\\/yyyy");
const QString HeureFr = QStringLiteral("hh\\:mm\\:ss");

// 30 March 2016 14:05:09, local time.
uint Moment()
{
    return uint(QDateTime(QDate(2016, 3, 30), QTime(14, 5, 9)).toSecsSinceEpoch());
}

QStringList Textes(const QVector<Cellule>& ligne)
{
    QStringList textes;
    for (const Cellule& c : ligne)
        textes << c.Texte;
    return textes;
}

QStringList Formats(const QVector<Cellule>& ligne)
{
    QStringList formats;
    for (const Cellule& c : ligne)
        formats << c.Format;
    return formats;
}

// The date and time a spreadsheet date-time cell holds (days since 30 December
// 1899, the time of day as the fraction), as a UTC date-time with those fields.
// Invalid for a text cell.
QDateTime DateExcel(const Cellule& c)
{
    bool ok = false;
    const double jours = c.Texte.toDouble(&ok);
    if (!c.Nombre || !ok)
        return QDateTime();
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC)
        .addMSecs(qRound64(jours * 86400000.0));
}

// The local date and time of a time stamp, in the same form as DateExcel().
QDateTime Locale(uint temps)
{
    const QDateTime locale = QDateTime::fromSecsSinceEpoch(temps, Qt::LocalTime);
    return QDateTime(locale.date(), locale.time(), Qt::UTC);
}

// Marks the texts of one translation context, to see which context asks.
class TraducteurMarqueur : public QTranslator
{
public:
    explicit TraducteurMarqueur(const char* contexte) : m_Contexte(contexte) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, m_Contexte) != 0)
            return QString();
        return QStringLiteral("EN ") + QString::fromUtf8(sourceText);
    }

private:
    const char* m_Contexte;
};

} // namespace

class tst_export : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cellules_data();
    void cellules();
    void lignes_data();
    void lignes();
    void enTetesTraduits();
    void feuilleInfos_data();
    void feuilleInfos();
    void lectureParPandas();
    void pointsPresentsSeulement();
    void evenementsPendantExport();
    void remplaceAncienClasseur();
    void echecEcriture_data();
    void echecEcriture();
    void cheminClasseur_data();
    void cheminClasseur();

private:
    QString Dossier() const { return m_Dossier->path(); }

    std::unique_ptr<QTemporaryDir> m_Dossier;
};

void tst_export::init()
{
    m_Dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dossier->isValid());
}

void tst_export::cellules_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("humidite");
    QTest::addColumn<QStringList>("entetes");
    QTest::addColumn<QStringList>("formats");      // of the point's cells
    QTest::addColumn<QVector<double>>("lectures"); // cells after the date and time

    const QStringList tout{QStringLiteral("Num."), QStringLiteral("Date"), QStringLiteral("Heure"),
                           QStringLiteral("Temp."), QStringLiteral("Humi.")};
    const QStringList anglais{QString(), DateEn, HeureEn, FormatTemp, FormatHumi};
    const QStringList francais{QString(), DateFr, HeureFr, FormatTemp, FormatHumi};

    QTest::newRow("English") << 0 << 3 << 235 << 512 << tout << anglais
                             << QVector<double>{23.5, 51.2};
    QTest::newRow("French") << 1 << 3 << 235 << 512 << tout << francais
                            << QVector<double>{23.5, 51.2};
    // Langue.h: any value other than French dates month first, 12 hours.
    QTest::newRow("other language value")
        << 7 << 3 << 235 << 512 << tout << anglais << QVector<double>{23.5, 51.2};
    QTest::newRow("zero readings")
        << 1 << 3 << 0 << 0 << tout << francais << QVector<double>{0.0, 0.0};
    // Raw 16-bit readings, never sign-extended.
    QTest::newRow("top of the range")
        << 1 << 3 << 65535 << 1000 << tout << francais << QVector<double>{6553.5, 100.0};
    // One-sensor loggers: no column of zeros for the missing channel.
    QTest::newRow("temperature only")
        << 1 << 1 << 235 << 0 << QStringList{tout.at(0), tout.at(1), tout.at(2), tout.at(3)}
        << QStringList{QString(), DateFr, HeureFr, FormatTemp} << QVector<double>{23.5};
    QTest::newRow("humidity only")
        << 0 << 2 << 0 << 512 << QStringList{tout.at(0), tout.at(1), tout.at(2), tout.at(4)}
        << QStringList{QString(), DateEn, HeureEn, FormatHumi} << QVector<double>{51.2};
    // A damaged header's mask says nothing certain: both channels.
    QTest::newRow("mask 0") << 1 << 0 << 235 << 512 << tout << francais
                            << QVector<double>{23.5, 51.2};
    // Shown in Fahrenheit (its format says so): 23.5 °C is 74.3 °F.
    QTest::newRow("Fahrenheit") << 1 << 3 << 235 << 512 << tout
                                << QStringList{QString(), DateFr, HeureFr, FormatTempF, FormatHumi}
                                << QVector<double>{74.3, 51.2};
}

void tst_export::cellules()
{
    QFETCH(int, style);
    QFETCH(int, capteurs);
    QFETCH(int, temperature);
    QFETCH(int, humidite);
    QFETCH(QStringList, entetes);
    QFETCH(QStringList, formats);
    QFETCH(QVector<double>, lectures);

    clsSerie serie;
    serie.NbrePoints = 0;
    serie.Infos.Capteurs = capteurs;
    serie.AjouterPoint(Moment(), temperature, humidite);
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("essai");
    DefinirUniteAffichage(formats.contains(FormatTempF) ? FAHRENHEIT : CELSIUS);
    const bool exporte = serie.ExportExcel(style);
    DefinirUniteAffichage(CELSIUS);
    QVERIFY(exporte);

    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/essai.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Feuilles.size(), 2);
    // A plain table: the header in row 1, in text cells.
    QCOMPARE(c.Lignes.size(), 2);
    QCOMPARE(Textes(c.Lignes.at(0)), entetes);
    for (const Cellule& entete : c.Lignes.at(0))
        QCOMPARE(entete.Nombre, false);

    // Every cell of a point is a number, shown through its format.
    const QVector<Cellule>& point = c.Lignes.at(1);
    QCOMPARE(point.size(), entetes.size());
    for (const Cellule& cellule : point)
        QVERIFY2(cellule.Nombre, qPrintable(cellule.Texte));
    QCOMPARE(Formats(point), formats);
    QCOMPARE(point.at(0).Texte, QStringLiteral("1"));
    QCOMPARE(DateExcel(point.at(1)), Locale(Moment()));
    QCOMPARE(DateExcel(point.at(2)), Locale(Moment()));
    for (int i = 0; i < lectures.size(); ++i)
        QCOMPARE(point.at(3 + i).Texte.toDouble(), lectures.at(i));
}

void tst_export::lignes_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("empty series") << 0;
    QTest::newRow("three points") << 3;
    QTest::newRow("full 71246") << 16000;
}

void tst_export::lignes()
{
    QFETCH(int, points);

    clsSerie serie;
    serie.NbrePoints = 0;
    for (int k = 0; k < points; ++k)
        serie.AjouterPoint(Moment() + uint(5 * k), 200 + k % 100, 400 + k % 300);
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("lignes");
    QSignalSpy progres(&serie, &clsSerie::XLS_Progress);
    QVERIFY(serie.ExportExcel(1));

    // 1, then up to n + 1 at each whole percent of the caller's bar (0 to n + 2):
    // every row of a short series, about a hundred values for a full logger.
    QCOMPARE(progres.first().at(0).toInt(), 1);
    QCOMPARE(progres.last().at(0).toInt(), points + 1);
    if (points + 2 <= 100)
        QCOMPARE(progres.size(), points + 1);
    else
        QVERIFY(progres.size() <= 102);
    for (int i = 1; i < progres.size(); ++i)
        QVERIFY(progres.at(i).at(0).toInt() > progres.at(i - 1).at(0).toInt());

    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/lignes.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Lignes.size(), points + 1);
    for (int k = 0; k < points; ++k) {
        const QVector<Cellule>& ligne = c.Lignes.at(k + 1);
        QCOMPARE(ligne.size(), 5);
        QCOMPARE(ligne.at(0).Texte, QString::number(k + 1));
        QCOMPARE(DateExcel(ligne.at(1)), Locale(Moment() + 5 * k));
        QCOMPARE(DateExcel(ligne.at(2)), Locale(Moment() + 5 * k));
        QCOMPARE(ligne.at(3).Texte.toDouble(), (200 + k % 100) / 10.0);
        QCOMPARE(ligne.at(4).Texte.toDouble(), (400 + k % 300) / 10.0);
    }
    const Tableau& infos = c.Contenus.value(1);
    QCOMPARE(infos.value(6).value(1).Texte, QString::number(points));
    // Nothing left beside the workbook.
    QCOMPARE(QDir(Dossier()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(QStringLiteral("lignes.xlsx")));
}

void tst_export::enTetesTraduits()
{
    TraducteurMarqueur anglais("clsExcel");
    QCoreApplication::installTranslator(&anglais);
    clsSerie serie;
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("traduit");
    serie.NbrePoints = 0;
    const bool ok = serie.ExportExcel(0);
    QCoreApplication::removeTranslator(&anglais);
    QVERIFY(ok);

    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/traduit.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(Textes(c.Lignes.value(0)),
             QStringList({QStringLiteral("EN Num."), QStringLiteral("EN Date"),
                          QStringLiteral("EN Heure"), QStringLiteral("EN Temp."),
                          QStringLiteral("EN Humi.")}));
    // The labels of the information sheet, its sensors and its unit.
    const Tableau& infos = c.Contenus.value(1);
    QCOMPARE(infos.size(), 8);
    for (const QVector<Cellule>& ligne : infos)
        QVERIFY2(ligne.value(0).Texte.startsWith(QStringLiteral("EN ")),
                 qPrintable(ligne.value(0).Texte));
    QCOMPARE(infos.at(4).value(1).Texte, QStringLiteral("EN Temperature et humidite"));
    QCOMPARE(infos.at(5).value(1).Texte, QStringLiteral("EN Metrique"));
}

void tst_export::feuilleInfos_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("appareil");
    QTest::addColumn<int>("capteurs");
    QTest::addColumn<QString>("unite");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("modele"); // "" when the code is unknown
    QTest::addColumn<QString>("texteCapteurs");
    QTest::addColumn<QString>("texteUnite");

    QTest::newRow("71240, French")
        << 1 << 1 << 3 << QStringLiteral("M") << 3 << QStringLiteral("71240")
        << QStringLiteral("Temperature et humidite") << QStringLiteral("Metrique");
    QTest::newRow("71240VX humidity only, English")
        << 0 << 2 << 2 << QStringLiteral("I") << 3 << QStringLiteral("71240VX")
        << QStringLiteral("Humidite") << QStringLiteral("Imperial");
    QTest::newRow("71246 temperature only")
        << 1 << 3 << 1 << QStringLiteral("M") << 3 << QStringLiteral("71246")
        << QStringLiteral("Temperature") << QStringLiteral("Metrique");
    // Nothing recorded yet: the start is the header's.
    QTest::newRow("no point") << 0 << 3 << 3 << QStringLiteral("M") << 0 << QStringLiteral("71246")
                              << QStringLiteral("Temperature et humidite")
                              << QStringLiteral("Metrique");
    // A damaged header: no model text, both channels, the unit code as it is.
    QTest::newRow("damaged header")
        << 1 << 0 << 0 << QStringLiteral("X") << 3 << QString()
        << QStringLiteral("Temperature et humidite") << QStringLiteral("X");
}

void tst_export::feuilleInfos()
{
    QFETCH(int, style);
    QFETCH(int, appareil);
    QFETCH(int, capteurs);
    QFETCH(QString, unite);
    QFETCH(int, points);
    QFETCH(QString, modele);
    QFETCH(QString, texteCapteurs);
    QFETCH(QString, texteUnite);

    clsSerie serie;
    serie.Infos.ID = QStringLiteral("CAVE 7");
    serie.Infos.Appareil = appareil;
    serie.Infos.Capteurs = capteurs;
    serie.Infos.Unite = unite;
    serie.Infos.Frequence = 30;
    serie.Infos.DateDebut = Moment();
    serie.NbrePoints = 0;
    for (int k = 0; k < points; ++k)
        serie.AjouterPoint(Moment() + uint(30 * k), 120, 800);
    serie.setCommentaire(QStringLiteral("Cave, mur nord"));
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("cave");
    QVERIFY(serie.ExportExcel(style));

    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/cave.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Feuilles.value(1), QStringLiteral("Infos"));
    const Tableau& infos = c.Contenus.value(1);
    QStringList libelles;
    for (const QVector<Cellule>& ligne : infos)
        libelles << ligne.value(0).Texte;
    QCOMPARE(libelles,
             QStringList({QStringLiteral("Identifiant"), QStringLiteral("Modele"),
                          QStringLiteral("Debut"), QStringLiteral("Periode (s)"),
                          QStringLiteral("Capteurs"), QStringLiteral("Unite"),
                          QStringLiteral("Nombre de points"), QStringLiteral("Commentaire")}));
    QCOMPARE(infos.at(0).value(1).Texte, QStringLiteral("CAVE 7"));
    QCOMPARE(infos.at(0).value(1).Nombre, false);
    QCOMPARE(infos.at(1).value(1).Texte, modele);
    // The first time stamp, a date-time shown in the export's language.
    QCOMPARE(DateExcel(infos.at(2).value(1)), Locale(Moment()));
    QCOMPARE(infos.at(2).value(1).Format,
             style == 1 ? DateFr + ' ' + HeureFr : DateEn + ' ' + HeureEn);
    QCOMPARE(infos.at(3).value(1).Nombre, true);
    QCOMPARE(infos.at(3).value(1).Texte, QStringLiteral("30"));
    QCOMPARE(infos.at(4).value(1).Texte, texteCapteurs);
    QCOMPARE(infos.at(5).value(1).Texte, texteUnite);
    QCOMPARE(infos.at(6).value(1).Nombre, true);
    QCOMPARE(infos.at(6).value(1).Texte, QString::number(points));
    QCOMPARE(infos.at(7).value(1).Texte, QStringLiteral("Cave, mur nord"));

    // Document properties: a file manager or a search shows the recording.
    QCOMPARE(c.Proprietes.value(QStringLiteral("title")), QStringLiteral("cave"));
    for (const QString& propriete :
         {QStringLiteral("subject"), QStringLiteral("keywords"), QStringLiteral("description")})
        QVERIFY2(c.Proprietes.value(propriete).contains(QStringLiteral("CAVE 7")),
                 qPrintable(propriete));
    for (const QString& propriete : {QStringLiteral("keywords"), QStringLiteral("description")})
        QVERIFY2(c.Proprietes.value(propriete).contains(QStringLiteral("30 s")),
                 qPrintable(propriete));
}

void tst_export::lectureParPandas()
{
    // What a data analyst gets: pandas must see numbers and date-times, not text.
    const QString python = QStringLiteral("/usr/bin/python3");
    QProcess essai;
    essai.start(python, {QStringLiteral("-c"), QStringLiteral("import pandas, openpyxl")});
    if (!essai.waitForFinished(-1) || essai.exitStatus() != QProcess::NormalExit ||
        essai.exitCode() != 0)
        QSKIP("no pandas and openpyxl for /usr/bin/python3");

    clsSerie serie;
    serie.NbrePoints = 0;
    serie.AjouterPoint(Moment(), 235, 512);
    serie.AjouterPoint(Moment() + 5, 176, 513);
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("pandas");
    QVERIFY(serie.ExportExcel(0));

    const QString script = QStringLiteral(
        "import sys, pandas\n"
        "t = pandas.read_excel(sys.argv[1])\n"
        "for nom in t.columns:\n"
        "    print(nom, t[nom].dtype)\n"
        "print(t['Date'][1].isoformat(), t['Heure'][1].isoformat(), repr(t['Temp.'][1]))\n");
    QProcess lecture;
    lecture.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lecture.start(python,
                  {QStringLiteral("-c"), script, Dossier() + QStringLiteral("/pandas.xlsx")});
    QVERIFY(lecture.waitForFinished(-1));
    QCOMPARE(lecture.exitCode(), 0);
    const QStringList lignes =
        QString::fromUtf8(lecture.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lignes.size(), 6);
    QCOMPARE(lignes.at(0), QStringLiteral("Num. int64"));
    QVERIFY2(lignes.at(1).startsWith(QStringLiteral("Date datetime64")), qPrintable(lignes.at(1)));
    QVERIFY2(lignes.at(2).startsWith(QStringLiteral("Heure datetime64")), qPrintable(lignes.at(2)));
    QCOMPARE(lignes.at(3), QStringLiteral("Temp. float64"));
    QCOMPARE(lignes.at(4), QStringLiteral("Humi. float64"));
    const QString moment = Locale(Moment() + 5).toString(QStringLiteral("yyyy-MM-ddThh:mm:ss"));
    QCOMPARE(lignes.at(5), moment + ' ' + moment + QStringLiteral(" 17.6"));
}

void tst_export::pointsPresentsSeulement()
{
    // A short points file leaves NbrePoints above the lists.
    clsSerie serie;
    serie.NbrePoints = 0;
    serie.AjouterPoint(Moment(), 235, 512);
    serie.AjouterPoint(Moment() + 5, 236, 513);
    serie.NbrePoints = 10;
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("court");
    QSignalSpy progres(&serie, &clsSerie::XLS_Progress);
    QVERIFY(serie.ExportExcel(1));
    QCOMPARE(progres.size(), 3);
    QCOMPARE(LireClasseur(Dossier() + QStringLiteral("/court.xlsx")).Lignes.size(), 3);
}

void tst_export::evenementsPendantExport()
{
    // The bar repaints during the export: a posted event is delivered before the
    // export returns, right after the first progress value. An event may change
    // the series meanwhile: the workbook holds the points as they were.
    clsSerie serie;
    serie.NbrePoints = 0;
    for (int k = 0; k < 5; ++k)
        serie.AjouterPoint(Moment() + uint(k), 200, 400);
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("evenements");
    int dernier = 0;
    int vuA = -1;
    connect(&serie, &clsSerie::XLS_Progress, this, [&dernier](int v) { dernier = v; });
    QMetaObject::invokeMethod(
        this,
        [&] {
            vuA = dernier;
            serie.EffacerVoies();
            serie.NbrePoints = 0;
            serie.Infos.Capteurs = 1;
        },
        Qt::QueuedConnection);
    QVERIFY(serie.ExportExcel(1));
    QCOMPARE(vuA, 1);
    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/evenements.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Lignes.size(), 6);
    QCOMPARE(c.Lignes.at(5).size(), 5);
    QCOMPARE(c.Lignes.at(5).at(4).Texte.toDouble(), 40.0);
}

void tst_export::remplaceAncienClasseur()
{
    clsSerie serie;
    serie.NbrePoints = 0;
    serie.AjouterPoint(Moment(), 235, 512);
    serie.AjouterPoint(Moment() + 5, 236, 513);
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("deux");
    QVERIFY(serie.ExportExcel(1));

    serie.EffacerVoies();
    serie.NbrePoints = 0;
    serie.AjouterPoint(Moment(), 100, 200);
    QVERIFY(serie.ExportExcel(1));
    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/deux.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Lignes.size(), 2);
    QCOMPARE(c.Lignes.at(1).at(3).Texte.toDouble(), 10.0);
}

void tst_export::echecEcriture_data()
{
    // Root ignores permissions: the failures below hold for root too.
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("folder is a regular file") << QStringLiteral("dossier");
    QTest::newRow("workbook name is a folder") << QStringLiteral("nom.xlsx");
}

void tst_export::echecEcriture()
{
    QFETCH(QString, obstacle);

    clsSerie serie;
    serie.NbrePoints = 0;
    serie.AjouterPoint(Moment(), 235, 512);
    serie.Nom = QStringLiteral("nom");
    if (obstacle == QLatin1String("dossier")) {
        QFile fichier(Dossier() + QStringLiteral("/dossier"));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        serie.Chemin = fichier.fileName();
    } else {
        QVERIFY(QDir(Dossier()).mkdir(obstacle));
        serie.Chemin = Dossier();
    }
    QVERIFY(!serie.ExportExcel(1));

    // Nothing half-written left behind.
    QStringList attendu(obstacle);
    QCOMPARE(QDir(Dossier()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             attendu);
    QVERIFY(QFileInfo(Dossier() + QStringLiteral("/nom.xlsx")).isDir() ||
            !QFileInfo::exists(Dossier() + QStringLiteral("/nom.xlsx")));
}

void tst_export::cheminClasseur_data()
{
    QTest::addColumn<QStringList>("presents");
    QTest::addColumn<QString>("ouvert"); // extension of the workbook to open, "" for none

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow(".xlsx after .xls fails")
        << QStringList{QStringLiteral("xlsx")} << QStringLiteral("xlsx");
    QTest::newRow(".xls first") << QStringList{QStringLiteral("xls"), QStringLiteral("xlsx")}
                                << QStringLiteral("xls");
    QTest::newRow("other base name") << QStringList{QStringLiteral("autre.xlsx")} << QString();
}

void tst_export::cheminClasseur()
{
    QFETCH(QStringList, presents);
    QFETCH(QString, ouvert);

    for (const QString& extension : presents) {
        const QString nom = extension.contains(QLatin1Char('.')) ? extension : "essai." + extension;
        QFile fichier(Dossier() + QLatin1Char('/') + nom);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
    }
    clsSerie serie;
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("essai");

    QCOMPARE(serie.CheminClasseur(), ouvert.isEmpty() ? QString() : Dossier() + "/essai." + ouvert);
}

VORSEN_DATA_TEST_MAIN(tst_export)

#include "tst_export.moc"
