// The update service as the program uses it, against a web service played by a
// local server on 127.0.0.1: monthly gate, checks, failures, download, hand-over.
#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "ServeurHttp.h"

#include "clsParam.h"
#include "clsTessaroService.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QNetworkProxy>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace
{

// What the hand-over would have done, seen through the seams of clsParam.
QString g_Programme;
QStringList g_Arguments;
int g_CodeSortie = -1;
bool g_LancementReussi = true;

void SortieSimulee(int code)
{
    g_CodeSortie = code;
}

QByteArray Reponse(const QByteArray& version, const QByteArray& compat,
                   const QByteArray& autres = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<software>"
           "<item><software_name>Vorsen_Logger</software_name><version>" +
           version + "</version><compatibilite>" + compat +
           "</compatibilite><path>patch/setup.exe</path>"
           "<details>[UK]&lt;p&gt;Faster download&lt;/p&gt;[/UK]"
           "[FR]&lt;p&gt;Téléchargement plus rapide&lt;/p&gt;[/FR]</details>" +
           autres + "</item></software>";
}

QByteArray Patch(int taille)
{
    QByteArray octets(taille, '\0');
    for (int i = 0; i < taille; ++i)
        octets[i] = char('A' + i % 26);
    return octets;
}

} // namespace

class tst_clsTessaroService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void gateMensuel_data();
    void gateMensuel();
    void verificationExplicite_data();
    void verificationExplicite();
    void sansService_data();
    void sansService();
    void versionSansProposition();
    void reglagesUtilisateurLusDabord();
    void langue_data();
    void langue();
    void installation_data();
    void installation();
    void lancementImpossible();

private:
    void Reponses(const QByteArray& index);
    QString Dossier() const;
    // The user accepts the installation offer, or puts it off; the offer read
    // goes to m_Offre ("title|details").
    void RepondreOffre(bool installer);

    ServeurHttp m_Serveur;
    clsTessaroService* m_Service = nullptr;
    DialoguesScriptes* m_Utilisateur = nullptr;
    QString m_Offre;
};

void tst_clsTessaroService::initTestCase()
{
    // Only the local server is ever reached.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_Serveur.Demarrer());

    clsParam& param = clsParam::Instance();
    param.LancerDetache = [](const QString& programme, const QStringList& arguments) {
        g_Programme = programme;
        g_Arguments = arguments;
        return g_LancementReussi;
    };
    param.Quitter = SortieSimulee;

    // As the main window does.
    m_Service = new clsTessaroService;
    m_Service->setStyleSheet(QStringLiteral("QDialog { background: #f4f4f4; }"));
    m_Service->setNomApplication(QStringLiteral("Vorsen_Logger"));
    m_Service->setVersionMajor(1);
    m_Service->setVersionMinor(3);
    m_Service->setLangue(1);

    QCOMPARE(PathCommonAppData(), QDir::homePath() + "/.qttest/share/Tessaro");
    QCOMPARE(param.Commun()->fileName(),
             QDir::homePath() + "/.qttest/share/Tessaro/Vorsen_Logger.ini");
    QVERIFY(QDir(PathCommonAppData()).exists());
}

void tst_clsTessaroService::cleanupTestCase()
{
    delete m_Service;
    delete m_Utilisateur;
}

void tst_clsTessaroService::init()
{
    delete m_Utilisateur;
    m_Utilisateur = new DialoguesScriptes;
    m_Offre.clear();
    RepondreOffre(true);
    m_Serveur.Vider();
    clsParam& param = clsParam::Instance();
    param.Commun()->clear();
    param.Commun()->setValue(QStringLiteral("AccesTessaro"), m_Serveur.Base());
    param.Commun()->sync();
    QSettings().clear();
    param.setAujourdhui(QDate(2026, 3, 10));
    // Generous for a busy machine; the case of a silent server shortens it.
    param.DelaiRequete = 10000;
    g_Programme.clear();
    g_Arguments.clear();
    g_CodeSortie = -1;
    g_LancementReussi = true;
    QDir(Dossier()).removeRecursively();
}

void tst_clsTessaroService::Reponses(const QByteArray& index)
{
    ServeurHttp::Reponse rep;
    rep.Corps = index;
    m_Serveur.Definir(QStringLiteral("/index.php"), rep);
}

QString tst_clsTessaroService::Dossier() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void tst_clsTessaroService::RepondreOffre(bool installer)
{
    m_Utilisateur->Scripts[QStringLiteral("diaInstall")] = [this, installer](QDialog* offre) {
        auto* titre = offre->findChild<QLabel*>(QStringLiteral("lblNouvelleVersion"));
        auto* details = offre->findChild<QTextBrowser*>(QStringLiteral("txtDetails"));
        auto* bouton = offre->findChild<QPushButton*>(installer ? QStringLiteral("btnInstaller")
                                                                : QStringLiteral("btnPlusTard"));
        QVERIFY(titre && details && bouton);
        m_Offre = titre->text() + '|' + details->toPlainText();
        bouton->click();
    };
}

void tst_clsTessaroService::gateMensuel_data()
{
    QTest::addColumn<QString>("dernierCheck"); // stored, empty: absent
    QTest::addColumn<QDate>("aujourdhui");
    QTest::addColumn<bool>("requete");
    QTest::addColumn<QString>("dernierApres");

    QTest::newRow("première fois: le mois commence")
        << "" << QDate(2026, 3, 10) << false << "2026-03-10";
    QTest::newRow("la veille du mois suivant")
        << "2026-02-10" << QDate(2026, 3, 9) << false << "2026-02-10";
    QTest::newRow("le jour du mois suivant")
        << "2026-02-10" << QDate(2026, 3, 10) << true << "2026-03-10";
    QTest::newRow("31 janvier: pas le 27 février")
        << "2026-01-31" << QDate(2026, 2, 27) << false << "2026-01-31";
    QTest::newRow("31 janvier: le dernier jour de février")
        << "2026-01-31" << QDate(2026, 2, 28) << true << "2026-02-28";
    QTest::newRow("date illisible: comme absente")
        << "hier" << QDate(2026, 3, 10) << false << "2026-03-10";
}

void tst_clsTessaroService::gateMensuel()
{
    QFETCH(QString, dernierCheck);
    QFETCH(QDate, aujourdhui);
    QFETCH(bool, requete);

    clsParam& param = clsParam::Instance();
    // A newer version known from an earlier check.
    param.Ecrire(QStringLiteral("VersionDispo"), QStringLiteral("1.4"));
    param.Ecrire(QStringLiteral("Url"), QStringLiteral("patch/setup.exe"));
    if (!dernierCheck.isEmpty())
        param.Ecrire(QStringLiteral("DernierCheck"), dernierCheck);
    param.setAujourdhui(aujourdhui);
    Reponses(Reponse("1.3", "1.0"));

    m_Service->CheckForInstall(true, true);

    QCOMPARE(m_Serveur.Requetes().size(), requete ? 1 : 0);
    QTEST(param.LireCommun(QStringLiteral("DernierCheck")).toString(), "dernierApres");
    // Without a query the stored outcome stands; the query found nothing newer.
    QCOMPARE(m_Service->isVersionDispo(), !requete);
    // A start-up check that finds nothing says nothing.
    QCOMPARE(m_Utilisateur->Journal(), QStringList());
}

void tst_clsTessaroService::verificationExplicite_data()
{
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QStringList>("messages"); // "kind|title|start of text"

    // A failed check says why, and never also that there is no update.
    const QString aucune = QStringLiteral("information|Mise à jour|Aucune mise à jour disponible");
    const QString erreur = QStringLiteral("avertissement|HTTP|Erreur ");
    QTest::newRow("pas de version plus récente") << "1.3" << QStringList{aucune};
    QTest::newRow("erreur HTTP") << "404" << QStringList{erreur};
    QTest::newRow("erreur du serveur") << "500" << QStringList{erreur};
    // The error box is still open when the dialog's showing time (100 ms) comes:
    // the dialog must not come over it.
    QTest::newRow("erreur après 60 ms, lue en 150 ms") << "lente" << QStringList{erreur};
    QTest::newRow("pas de réponse: délai dépassé")
        << "muet" << QStringList{"avertissement|HTTP|La requête n'a pas abouti"};
    QTest::newRow("connexion refusée") << "refus" << QStringList{erreur};
    QTest::newRow("redirection vers un autre hôte") << "redirection" << QStringList{erreur};
    QTest::newRow("adresse du service invalide")
        << "adresseInvalide" << QStringList{erreur + "adresse du service invalide"};
    QTest::newRow("XML mal formé") << "malForme" << QStringList{aucune};
    QTest::newRow("réponse de plus de 1 Mio") << "tropGrande" << QStringList{aucune};
    QTest::newRow("déclaration de type de document") << "doctype" << QStringList{aucune};
}

void tst_clsTessaroService::verificationExplicite()
{
    QFETCH(QString, cas);
    QFETCH(QStringList, messages);

    clsParam& param = clsParam::Instance();
    // Whatever an earlier check found is replaced by this one's outcome.
    param.Ecrire(QStringLiteral("VersionDispo"), QStringLiteral("1.4"));
    param.Ecrire(QStringLiteral("Url"), QStringLiteral("patch/setup.exe"));

    ServeurHttp::Reponse rep;
    rep.Corps = Reponse("1.4", "1.0");
    int requetes = 1;
    if (cas == "1.3") {
        rep.Corps = Reponse("1.3", "1.0");
    } else if (cas == "404" || cas == "500") {
        rep.Statut = cas.toInt();
        rep.Corps = "<html>erreur</html>";
    } else if (cas == "lente") {
        rep.Statut = 404;
        rep.Retard = 60;
        m_Utilisateur->LectureMs = 150;
    } else if (cas == "muet") {
        rep.Muet = true;
        param.DelaiRequete = 300;
    } else if (cas == "refus") {
        // A port that was free a moment ago and is closed again.
        QTcpServer ferme;
        QVERIFY(ferme.listen(QHostAddress::LocalHost, 0));
        const quint16 port = ferme.serverPort();
        ferme.close();
        param.Ecrire(QStringLiteral("AccesTessaro"),
                     QStringLiteral("http://127.0.0.1:%1/").arg(port));
        requetes = 0;
    } else if (cas == "redirection") {
        // Another host name: never contacted, the redirect is not followed.
        rep.Statut = 302;
        rep.Entetes =
            "Location: http://localhost:" + QByteArray::number(m_Serveur.Port()) + "/index.php\r\n";
        rep.Corps.clear();
    } else if (cas == "adresseInvalide") {
        param.Ecrire(QStringLiteral("AccesTessaro"), QStringLiteral("ftp://127.0.0.1/"));
        requetes = 0;

    } else if (cas == "malForme") {
        rep.Corps.chop(30);
    } else if (cas == "tropGrande") {
        rep.Corps.replace("</software>", "<!--" + QByteArray(1024 * 1024, 'x') + "--></software>");
    } else if (cas == "doctype") {
        rep.Corps.replace("<software>", "<!DOCTYPE software>\n<software>");
    }
    m_Serveur.Definir(QStringLiteral("/index.php"), rep);

    m_Service->CheckForInstall(true, false);

    QCOMPARE(m_Serveur.Requetes().size(), requetes);
    const QStringList journal = m_Utilisateur->Journal();
    QCOMPARE(journal.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(journal.at(i).startsWith(messages.at(i)), qPrintable(journal.at(i)));
    QVERIFY(!m_Service->isVersionDispo());
    QCOMPARE(param.LireCommun(QStringLiteral("VersionDispo")).toString(), QString());
    QCOMPARE(param.LireCommun(QStringLiteral("Url")).toString(), QString());
    QCOMPARE(param.LireCommun(QStringLiteral("DernierCheck")).toString(),
             QStringLiteral("2026-03-10"));
}

void tst_clsTessaroService::sansService_data()
{
    QTest::addColumn<bool>("demarrage");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("au démarrage: rien") << true << QStringList();
    QTest::newRow("sur demande") << false
                                 << QStringList{"information|Mise à jour|Aucun service de mise "
                                                "à jour n'est configuré."};
}

void tst_clsTessaroService::sansService()
{
    QFETCH(bool, demarrage);
    clsParam& param = clsParam::Instance();
    param.Ecrire(QStringLiteral("AccesTessaro"), QString());
    param.Ecrire(QStringLiteral("DernierCheck"), QStringLiteral("2026-01-10")); // due

    m_Service->CheckForInstall(true, demarrage);

    QTEST(m_Utilisateur->Journal(), "messages");
    QCOMPARE(m_Serveur.Requetes().size(), 0);
}

void tst_clsTessaroService::versionSansProposition()
{
    Reponses(Reponse("1.10", "1.0"));

    m_Service->CheckForInstall(false, false);

    QCOMPARE(m_Utilisateur->Journal(),
             QStringList{"information|Vorsen_Logger|La version 1.10 est disponible."});
    QVERIFY(m_Service->isVersionDispo());
    clsParam& param = clsParam::Instance();
    QCOMPARE(param.LireCommun(QStringLiteral("VersionDispo")).toString(), QStringLiteral("1.10"));
    QCOMPARE(param.LireCommun(QStringLiteral("Url")).toString(), QStringLiteral("patch/setup.exe"));
    // The stored values survive a restart: read back from the file.
    QSettings fichier(PathCommonAppData() + "/Vorsen_Logger.ini", QSettings::IniFormat);
    QCOMPARE(fichier.value(QStringLiteral("VersionDispo")).toString(), QStringLiteral("1.10"));
}

void tst_clsTessaroService::reglagesUtilisateurLusDabord()
{
    // The program's own settings name the service; the common file names a dead one.
    clsParam& param = clsParam::Instance();
    param.Ecrire(QStringLiteral("AccesTessaro"), QStringLiteral("http://127.0.0.1:1/"));
    QSettings().setValue(QStringLiteral("AccesTessaro"), m_Serveur.Base());
    Reponses(Reponse("1.4", "1.0"));

    m_Service->CheckForInstall(false, false);

    QCOMPARE(m_Serveur.Requetes(), QStringList{"/index.php"});
    // Writes go to the common file only.
    QCOMPARE(param.LireCommun(QStringLiteral("VersionDispo")).toString(), QStringLiteral("1.4"));
    QVERIFY(!QSettings().contains(QStringLiteral("VersionDispo")));
}

void tst_clsTessaroService::langue_data()
{
    QTest::addColumn<int>("langue");
    QTest::addColumn<QString>("message");

    QTest::newRow("anglais") << 0 << "information|Update|No update available";
    QTest::newRow("français") << 1 << "information|Mise à jour|Aucune mise à jour disponible";
    QTest::newRow("allemand: l'anglais en attendant")
        << 3 << "information|Update|No update available";
}

void tst_clsTessaroService::langue()
{
    QFETCH(int, langue);
    m_Service->setLangue(langue);
    Reponses(Reponse("1.3", "1.0"));

    m_Service->CheckForInstall(true, false);
    m_Service->setLangue(1);

    QCOMPARE(m_Utilisateur->Journal().size(), 1);
    QTEST(m_Utilisateur->Journal().value(0), "message");
}

void tst_clsTessaroService::installation_data()
{
    QTest::addColumn<QString>("cas");
    QTest::addColumn<int>("taille");           // bytes served as the installer
    QTest::addColumn<QStringList>("messages"); // after the offer, "kind|title|start of text"
    QTest::addColumn<bool>("passation");

    QTest::newRow("4999 octets: refusé")
        << "" << 4999
        << QStringList{"avertissement|Chargement de la mise à jour|Impossible de télécharger "
                       "la mise à jour.\nVeuillez nous contacter."}
        << false;
    QTest::newRow("5000 octets: accepté") << "" << 5000 << QStringList() << true;
    QTest::newRow("empreinte juste") << "shaJuste" << 80000 << QStringList() << true;
    QTest::newRow("empreinte fausse")
        << "shaFausse" << 80000
        << QStringList{"avertissement|Installation|Le fichier téléchargé est corrompu."} << false;
    QTest::newRow("installeur absent du serveur: une seule erreur")
        << "absent" << 0 << QStringList{"critique|Erreur|Erreur "} << false;
    // Reported as a network error, or as a short file when the end of the
    // connection comes first: once either way.
    QTest::newRow("connexion coupée en cours: une seule erreur")
        << "coupe" << 80000 << QStringList{""} << false;
    QTest::newRow("serveur muet pendant le chargement")
        << "muet" << 80000 << QStringList{"avertissement|HTTP|La requête n'a pas abouti"} << false;
    QTest::newRow("installer plus tard") << "plusTard" << 5000 << QStringList() << false;
}

void tst_clsTessaroService::installation()
{
    QFETCH(QString, cas);
    QFETCH(int, taille);
    QFETCH(QStringList, messages);
    QFETCH(bool, passation);

    const QByteArray patch = Patch(taille);
    const QByteArray sha = QCryptographicHash::hash(patch, QCryptographicHash::Sha256).toHex();
    QByteArray autres;
    if (cas == "shaJuste")
        autres = "<sha256>" + sha.toUpper() + "</sha256>";
    else if (cas == "shaFausse")
        autres = "<sha256>" + QByteArray(64, '0') + "</sha256>";
    Reponses(Reponse("1.4", "1.0", autres));

    ServeurHttp::Reponse telechargement;
    telechargement.Corps = patch;
    if (cas == "coupe")
        telechargement.CoupeApres = taille / 2;
    if (cas == "muet") {
        telechargement.Muet = true;
        clsParam::Instance().DelaiRequete = 300;
    }
    if (cas != "absent")
        m_Serveur.Definir(QStringLiteral("/patch/setup.exe"), telechargement);
    RepondreOffre(cas != "plusTard");

    // A Patch.exe left by an earlier attempt is replaced.
    QVERIFY(QDir().mkpath(Dossier()));
    QFile ancien(Dossier() + "/Patch.exe");
    QVERIFY(ancien.open(QIODevice::WriteOnly));
    ancien.write(Patch(9000));
    ancien.close();

    m_Service->CheckForInstall(true, false);

    // The offer, in French, with the French section of the details.
    QStringList journal = m_Utilisateur->Journal();
    QVERIFY(!journal.isEmpty());
    QVERIFY2(journal.takeFirst().startsWith("diaInstall|"),
             qPrintable(m_Utilisateur->Journal()[0]));
    QCOMPARE(m_Offre, QStringLiteral("Vorsen_Logger 1.4|Téléchargement plus rapide"));
    QCOMPARE(journal.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(journal.at(i).startsWith(messages.at(i)), qPrintable(journal.at(i)));
    QVERIFY(m_Service->isVersionDispo());

    const QStringList attendues = cas == "plusTard" ? QStringList{"/index.php"}
                                                    : QStringList{"/index.php", "/patch/setup.exe"};
    QCOMPARE(m_Serveur.Requetes(), attendues);

    QFile fichier(Dossier() + "/Patch.exe");
    if (!passation) {
        QCOMPARE(g_CodeSortie, -1);
        QVERIFY(g_Programme.isEmpty());
        // A refused installer is not left behind (put off: the old file is untouched).
        QCOMPARE(fichier.exists(), cas == "plusTard");
        QVERIFY(!QFile::exists(Dossier() + "/Patch.sh"));
        return;
    }

    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), patch);
    QVERIFY(fichier.permissions() & QFileDevice::ExeOwner);

    const QString script = Dossier() + "/Patch.sh";
    QCOMPARE(g_Programme, QStringLiteral("/bin/sh"));
    QCOMPARE(g_Arguments, QStringList{script});
    QCOMPARE(g_CodeSortie, 0);
    QFile texte(script);
    QVERIFY(texte.open(QIODevice::ReadOnly));
    const QStringList lignes = QString::fromUtf8(texte.readAll()).split('\n');
    QCOMPARE(lignes.size(), 4);
    QCOMPARE(lignes.at(0), "cd '" + Dossier() + "' || exit 1");
    QCOMPARE(lignes.at(1), QStringLiteral("./Patch.exe /SILENT"));
    QCOMPARE(lignes.at(2), "cd '" + QDir::currentPath() + "'");
    QCOMPARE(lignes.at(3), "exec '" + QCoreApplication::applicationFilePath() + "'");
}

void tst_clsTessaroService::lancementImpossible()
{
    // The installer cannot be started: say so and keep the program running.
    g_LancementReussi = false;
    Reponses(Reponse("1.4", "1.0"));
    ServeurHttp::Reponse telechargement;
    telechargement.Corps = Patch(6000);
    m_Serveur.Definir(QStringLiteral("/patch/setup.exe"), telechargement);

    m_Service->CheckForInstall(true, false);

    QCOMPARE(m_Utilisateur->Journal().size(), 2);
    QCOMPARE(m_Utilisateur->Journal().at(1),
             QStringLiteral("avertissement|Installation|Impossible de lancer l'installation."));
    QCOMPARE(g_CodeSortie, -1);
}

VORSEN_TEST_MAIN(tst_clsTessaroService, Fenetres)
#include "tst_clsTessaroService.moc"
