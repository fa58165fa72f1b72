// The main window's update notice: lblVersionDispo is shown exactly when the
// service reports a newer version, after the start-up check and after each
// click on btnMajVersion. The web service is a local server on 127.0.0.1. The
// window loads the shared library as the program does: the test reaches it only
// through the common settings file, on today's date.
#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "ServeurHttp.h"

#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QNetworkProxy>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace
{

QByteArray Reponse(const QByteArray& version)
{
    return "<?xml version=\"1.0\"?><software><item><software_name>Vorsen_Logger"
           "</software_name><version>" +
           version +
           "</version><compatibilite>1.0</compatibilite>"
           "<path>patch/setup.exe</path><details>1.4</details></item></software>";
}

} // namespace

class tst_frmMainService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void noticeAuDemarrage_data();
    void noticeAuDemarrage();
    void noticeApresChaqueClic();

private:
    QString Commun() const
    {
        return QDir::homePath() + "/.qttest/share/Tessaro/Vorsen_Logger.ini";
    }

    ServeurHttp m_Serveur;
    DialoguesScriptes* m_Utilisateur = nullptr; // puts the installation off
};

void tst_frmMainService::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_Serveur.Demarrer());
    // As installation leaves it, before the window opens the common file.
    QSettings commun(Commun(), QSettings::IniFormat);
    commun.setValue(QStringLiteral("AccesTessaro"), m_Serveur.Base());
}

void tst_frmMainService::init()
{
    // Before the window, which hands it to the library.
    delete m_Utilisateur;
    m_Utilisateur = new DialoguesScriptes;
    m_Serveur.Vider();
    QSettings().clear();
    // Settings objects of one file share its contents within the process: the
    // library's own sees these changes.
    QSettings commun(Commun(), QSettings::IniFormat);
    commun.remove(QStringLiteral("DernierCheck"));
    commun.remove(QStringLiteral("VersionDispo"));
    commun.remove(QStringLiteral("Url"));
}

void tst_frmMainService::noticeAuDemarrage_data()
{
    QTest::addColumn<QDate>("dernierCheck"); // null: none
    QTest::addColumn<QString>("versionStockee");
    QTest::addColumn<QByteArray>("reponse"); // empty: the server is not asked
    QTest::addColumn<bool>("notice");

    const QDate hier = QDate::currentDate().addDays(-1);
    const QDate moisDernier = QDate::currentDate().addMonths(-1);
    QTest::newRow("première fois, rien de connu") << QDate() << "" << QByteArray() << false;
    QTest::newRow("première fois, une version connue") << QDate() << "1.4" << QByteArray() << true;
    QTest::newRow("vérifié hier, une version connue") << hier << "1.4" << QByteArray() << true;
    QTest::newRow("vérification due: plus récente") << moisDernier << "" << Reponse("1.4") << true;
    QTest::newRow("vérification due: plus rien") << moisDernier << "1.4" << Reponse("1.3") << false;
}

void tst_frmMainService::noticeAuDemarrage()
{
    QFETCH(QDate, dernierCheck);
    QFETCH(QString, versionStockee);
    QFETCH(QByteArray, reponse);

    {
        QSettings commun(Commun(), QSettings::IniFormat);
        if (dernierCheck.isValid())
            commun.setValue(QStringLiteral("DernierCheck"), dernierCheck.toString(Qt::ISODate));
        commun.setValue(QStringLiteral("VersionDispo"), versionStockee);
    }
    if (!reponse.isEmpty()) {
        ServeurHttp::Reponse rep;
        rep.Corps = reponse;
        m_Serveur.Definir(QStringLiteral("/index.php"), rep);
    }

    frmMain f;
    auto* notice = f.findChild<QLabel*>(QStringLiteral("lblVersionDispo"));
    QVERIFY(notice);
    QTEST(notice->isVisible(), "notice");
    QCOMPARE(m_Serveur.Requetes().size(), reponse.isEmpty() ? 0 : 1);
}

void tst_frmMainService::noticeApresChaqueClic()
{
    frmMain f;
    auto* notice = f.findChild<QLabel*>(QStringLiteral("lblVersionDispo"));
    auto* bouton = f.findChild<QToolButton*>(QStringLiteral("btnMajVersion"));
    QVERIFY(notice && bouton);
    QVERIFY(!notice->isVisible());

    // Each click asks the service; the notice follows its latest answer.
    const struct {
        int statut;
        QByteArray corps;
        bool notice;
    } clics[] = {{200, Reponse("1.4"), true},
                 {200, Reponse("1.3"), false},
                 {200, Reponse("1.10"), true},
                 {404, QByteArray(), false}};
    int requetes = 0;
    for (const auto& clic : clics) {
        ServeurHttp::Reponse rep;
        rep.Statut = clic.statut;
        rep.Corps = clic.corps;
        m_Serveur.Definir(QStringLiteral("/index.php"), rep);
        bouton->click();
        QCOMPARE(m_Serveur.Requetes().size(), ++requetes);
        QCOMPARE(notice->isVisible(), clic.notice);
    }
}

VORSEN_TEST_MAIN(tst_frmMainService, Fenetres | DossierMaison)
#include "tst_frmMainService.moc"
