// Spreadsheet export: the workbook is read back (zip, sheet, strings) and its
// cells compared with what a user of either language must see.
#include "LecteurClasseur.h"

#include <clsExcel.h>
#include <clsSerie.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

namespace
{

const QString Degre = QStringLiteral(" \u00B0C");

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

public slots:
    // QDesktopServices handler for "file" URLs: the desktop stays untouched.
    void Ouvert(const QUrl& url) { m_Ouverts << url; }

private slots:
    void init();
    void cellules_data();
    void cellules();
    void lignes_data();
    void lignes();
    void enTetesTraduits();
    void pointsPresentsSeulement();
    void evenementsPendantExport();
    void remplaceAncienClasseur();
    void echecEcriture_data();
    void echecEcriture();
    void ouvrirExcel_data();
    void ouvrirExcel();

private:
    QString Dossier() const { return m_Dossier->path(); }

    std::unique_ptr<QTemporaryDir> m_Dossier;
    QList<QUrl> m_Ouverts;
};

void tst_export::init()
{
    m_Dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dossier->isValid());
    m_Ouverts.clear();
}

void tst_export::cellules_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("humidite");
    QTest::addColumn<QStringList>("attendu");

    QTest::newRow("English") << 0 << 235 << 512
                             << QStringList{QStringLiteral("1"), QStringLiteral("03/30/2016"),
                                            QStringLiteral("2:05:09 PM"), "23.5" + Degre,
                                            QStringLiteral("51.2 %")};
    QTest::newRow("French") << 1 << 235 << 512
                            << QStringList{QStringLiteral("1"), QStringLiteral("30/03/2016"),
                                           QStringLiteral("14:05:09"), "23.5" + Degre,
                                           QStringLiteral("51.2 %")};
    QTest::newRow("zero readings")
        << 1 << 0 << 0
        << QStringList{QStringLiteral("1"), QStringLiteral("30/03/2016"),
                       QStringLiteral("14:05:09"), "0.0" + Degre, QStringLiteral("0.0 %")};
    // Raw 16-bit readings, never sign-extended.
    QTest::newRow("top of the range")
        << 1 << 65535 << 1000
        << QStringList{QStringLiteral("1"), QStringLiteral("30/03/2016"),
                       QStringLiteral("14:05:09"), "6553.5" + Degre, QStringLiteral("100.0 %")};
}

void tst_export::cellules()
{
    QFETCH(int, style);
    QFETCH(int, temperature);
    QFETCH(int, humidite);
    QFETCH(QStringList, attendu);

    clsSerie serie;
    serie.NbrePoints = 0;
    serie.AjouterPoint(Moment(), temperature, humidite);
    serie.Chemin = Dossier();
    serie.Nom = QStringLiteral("essai");
    QVERIFY(serie.ExportExcel(style));

    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/essai.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Feuilles.size(), 1);
    QCOMPARE(c.Lignes.size(), 2);
    QCOMPARE(Textes(c.Lignes.at(0)),
             QStringList({QStringLiteral("Num."), QStringLiteral("Date"), QStringLiteral("Heure"),
                          QStringLiteral("Temp."), QStringLiteral("Humi.")}));
    QCOMPARE(Textes(c.Lignes.at(1)), attendu);
    // Column 1 is a number, the other columns texts.
    QCOMPARE(c.Lignes.at(1).at(0).Nombre, true);
    for (int col = 1; col < 5; ++col)
        QCOMPARE(c.Lignes.at(1).at(col).Nombre, false);
    for (const Cellule& entete : c.Lignes.at(0))
        QCOMPARE(entete.Nombre, false);
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

    // 1, then 2 to n + 1: the caller's bar runs to n + 2.
    QCOMPARE(progres.size(), points + 1);
    for (int i = 0; i < progres.size(); ++i)
        QCOMPARE(progres.at(i).at(0).toInt(), i + 1);

    const Classeur c = LireClasseur(Dossier() + QStringLiteral("/lignes.xlsx"));
    QVERIFY2(c.Erreur.isEmpty(), qPrintable(c.Erreur));
    QCOMPARE(c.Lignes.size(), points + 1);
    for (int k = 0; k < points; ++k) {
        const QVector<Cellule>& ligne = c.Lignes.at(k + 1);
        QCOMPARE(ligne.size(), 5);
        QCOMPARE(ligne.at(0).Texte, QString::number(k + 1));
        QCOMPARE(
            ligne.at(2).Texte,
            QDateTime::fromSecsSinceEpoch(Moment() + 5 * k).toString(QStringLiteral("hh:mm:ss")));
        QCOMPARE(ligne.at(3).Texte, QString::number((200 + k % 100) / 10.0, 'f', 1) + Degre);
        QCOMPARE(ligne.at(4).Texte, QString::number((400 + k % 300) / 10.0, 'f', 1) + " %");
    }
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
    // export returns, right after the first progress value.
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
        this, [&] { vuA = dernier; }, Qt::QueuedConnection);
    QVERIFY(serie.ExportExcel(1));
    QCOMPARE(vuA, 1);
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
    QCOMPARE(c.Lignes.at(1).at(3).Texte, "10.0" + Degre);
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

void tst_export::ouvrirExcel_data()
{
    QTest::addColumn<QStringList>("presents");
    QTest::addColumn<QString>("ouvert"); // "" when nothing is opened

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow(".xlsx after .xls fails")
        << QStringList{QStringLiteral("xlsx")} << QStringLiteral("xlsx");
    QTest::newRow(".xls first") << QStringList{QStringLiteral("xls"), QStringLiteral("xlsx")}
                                << QStringLiteral("xls");
    QTest::newRow("other base name") << QStringList{QStringLiteral("autre.xlsx")} << QString();
}

void tst_export::ouvrirExcel()
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

    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Ouvert");
    const bool resultat = serie.OuvrirExcel();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(resultat, !ouvert.isEmpty());
    if (ouvert.isEmpty())
        QVERIFY(m_Ouverts.isEmpty());
    else
        QCOMPARE(m_Ouverts, QList<QUrl>{QUrl::fromLocalFile(Dossier() + "/essai." + ouvert)});
}

int main(int argc, char** argv)
{
    // HOME and the settings in temporary folders: nothing touches the real ones.
    QTemporaryDir maison;
    if (!maison.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    tst_export test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_export.moc"
