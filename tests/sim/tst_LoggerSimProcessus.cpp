// The simulator as the integration tests use it: a process started with
// QProcess, reached through its symlink. Only what the program's own tests
// cannot see: the link's life cycle, the line ends it accepts, and the exact
// bytes of its faults.
#include "Environnement.h"

#include <QtTest>

#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace
{
const QString Programme = QStringLiteral(VORSEN_BIN_DIR "/logger-sim");

// The program's end of the line, raw, read through a notifier.
class Extremite : public QObject
{
public:
    ~Extremite() override { Fermer(); }

    bool Ouvrir(const QString& chemin)
    {
        m_fd = ::open(QFile::encodeName(chemin).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return false;
        termios t;
        tcgetattr(m_fd, &t);
        cfmakeraw(&t);
        tcsetattr(m_fd, TCSANOW, &t);
        m_notificateur = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notificateur, &QSocketNotifier::activated, this, [this] { Lire(); });
        return true;
    }
    void Fermer()
    {
        delete m_notificateur;
        m_notificateur = nullptr;
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    void Ecrire(const QByteArray& octets)
    {
        QCOMPARE(::write(m_fd, octets.constData(), size_t(octets.size())), ssize_t(octets.size()));
    }
    // Lines received so far (cut at CR), and whether the far end hung up.
    QByteArrayList Lignes() const { return m_recu.split('\r').mid(0, m_recu.count('\r')); }
    QByteArray Recu() const { return m_recu; }
    bool Raccroche() const { return m_raccroche; }
    void Vider() { m_recu.clear(); }

private:
    void Lire()
    {
        char tampon[4096];
        ssize_t n;
        while ((n = ::read(m_fd, tampon, sizeof tampon)) > 0)
            m_recu.append(tampon, int(n));
        if (n == 0 || (n < 0 && errno == EIO)) {
            m_raccroche = true;
            m_notificateur->setEnabled(false);
        }
    }

    int m_fd = -1;
    QSocketNotifier* m_notificateur = nullptr;
    QByteArray m_recu;
    bool m_raccroche = false;
};
} // namespace

class tst_LoggerSimProcessus : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lienRemplaceEtSupprime();
    void refuseUnFichier();
    void finsDeLigne_data();
    void finsDeLigne();
    void telechargementComplet();
    void debranchement();
    void fautes_data();
    void fautes();

private:
    // Starts the simulator on <tmp>/lien; false if it did not announce its link.
    bool Demarrer(const QStringList& options);

    QTemporaryDir* m_dossier = nullptr;
    QProcess* m_sim = nullptr;
    QString m_lien;
    QString m_journal;
};

void tst_LoggerSimProcessus::init()
{
    m_dossier = new QTemporaryDir;
    QVERIFY(m_dossier->isValid());
    m_lien = m_dossier->filePath(QStringLiteral("lien"));
    m_journal = m_dossier->filePath(QStringLiteral("journal.txt"));
    m_sim = new QProcess;
    m_sim->setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

void tst_LoggerSimProcessus::cleanup()
{
    if (m_sim->state() != QProcess::NotRunning) {
        m_sim->terminate();
        m_sim->waitForFinished(5000);
    }
    delete m_sim;
    delete m_dossier;
}

bool tst_LoggerSimProcessus::Demarrer(const QStringList& options)
{
    m_sim->start(Programme, QStringList{"--link", m_lien, "--log", m_journal} + options);
    if (!m_sim->waitForStarted(5000))
        return false;
    // The first line of stdout is the link, written once the link is usable.
    while (!m_sim->canReadLine())
        if (!m_sim->waitForReadyRead(5000))
            return false;
    return m_sim->readLine() == QFile::encodeName(m_lien) + '\n';
}

void tst_LoggerSimProcessus::lienRemplaceEtSupprime()
{
    // A link left behind by a simulator that was killed.
    QVERIFY(QFile::link(QStringLiteral("/dev/pts/nonexistent"), m_lien));
    QVERIFY(Demarrer({}));
    const QString cible = QFileInfo(m_lien).symLinkTarget();
    QVERIFY2(cible.startsWith(QLatin1String("/dev/pts/")), qPrintable(cible));
    QVERIFY(QFileInfo::exists(cible));

    m_sim->terminate();
    QVERIFY(m_sim->waitForFinished(5000));
    QCOMPARE(m_sim->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_sim->exitCode(), 0);
    QVERIFY(!QFileInfo(m_lien).isSymLink());
    QVERIFY(!QFileInfo::exists(cible));
}

void tst_LoggerSimProcessus::refuseUnFichier()
{
    QFile fichier(m_lien);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write("garder");
    fichier.close();
    m_sim->start(Programme, {"--link", m_lien});
    QVERIFY(m_sim->waitForFinished(5000));
    QCOMPARE(m_sim->exitCode(), 1);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QCOMPARE(fichier.readAll(), QByteArray("garder"));
}

void tst_LoggerSimProcessus::finsDeLigne_data()
{
    QTest::addColumn<QByteArray>("envoye");
    QTest::addColumn<QByteArrayList>("reponses");
    const QByteArray i = "i DEMO 71240 V1.0";
    const QByteArray q = ">";
    QTest::newRow("CR LF") << QByteArray("I\r\n") << QByteArrayList{i};
    QTest::newRow("CR") << QByteArray("I\r") << QByteArrayList{i};
    QTest::newRow("LF") << QByteArray("I\n") << QByteArrayList{i};
    QTest::newRow("two commands in one write") << QByteArray("I\r\nQ\r\n") << QByteArrayList{i, q};
    QTest::newRow("blank lines between") << QByteArray("\r\n\r\nQ\n\nI\r") << QByteArrayList{q, i};
}

void tst_LoggerSimProcessus::finsDeLigne()
{
    QFETCH(QByteArray, envoye);
    QFETCH(QByteArrayList, reponses);
    QVERIFY(Demarrer({}));
    Extremite e;
    QVERIFY(e.Ouvrir(m_lien));
    e.Ecrire(envoye);
    QTRY_COMPARE(e.Lignes(), reponses);
    // The log holds the commands without their line ends, one per line.
    QFile journal(m_journal);
    QVERIFY(journal.open(QIODevice::ReadOnly));
    QByteArrayList commandes;
    for (const QByteArray& r : reponses)
        commandes << (r.startsWith('i') ? "I" : "Q");
    QCOMPARE(journal.readAll(), commandes.join('\n') + '\n');
}

// 32000 readings unpaced: the pty fills up many times; no byte may be lost.
void tst_LoggerSimProcessus::telechargementComplet()
{
    QVERIFY(Demarrer({"--points", "32000", "--sensors", "3"}));
    Extremite e;
    QVERIFY(e.Ouvrir(m_lien));
    e.Ecrire("D\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(e.Lignes().size(), 16001, 60000);
    const QByteArrayList lignes = e.Lignes();
    QVERIFY(lignes[0].startsWith("m 32000 60 M "));
    QRegularExpression donnee(QStringLiteral("^d \\d{3} \\d{3}$"));
    for (int k = 1; k < lignes.size(); ++k)
        QVERIFY2(donnee.match(QString::fromLatin1(lignes[k])).hasMatch(), lignes[k].constData());
    QCOMPARE(e.Recu().size(), lignes.join('\r').size() + 1); // nothing after the last line
}

// After N lines the logger vanishes: N whole lines read, then the node and the
// link are gone and the simulator has ended with 0.
void tst_LoggerSimProcessus::debranchement()
{
    QVERIFY(Demarrer({"--points", "20", "--sensors", "1", "--unplug-after", "4"}));
    const QString cible = QFileInfo(m_lien).symLinkTarget();
    Extremite e;
    QVERIFY(e.Ouvrir(m_lien));
    e.Ecrire("I\r\n");
    QTRY_COMPARE(e.Lignes().size(), 1);
    e.Ecrire("D\r\n");
    QTRY_VERIFY(e.Raccroche());
    QTRY_COMPARE(m_sim->state(), QProcess::NotRunning);
    QCOMPARE(m_sim->exitCode(), 0);
    const QByteArrayList lignes = e.Lignes();
    QCOMPARE(lignes.size(), 4);
    QVERIFY(lignes[1].startsWith("m 20 60 M "));
    QVERIFY(lignes[3].startsWith("d "));
    QCOMPARE(e.Recu().size(), lignes.join('\r').size() + 1);
    QVERIFY(!QFileInfo(m_lien).isSymLink());
    QVERIFY(!QFileInfo::exists(cible));
}

void tst_LoggerSimProcessus::fautes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArrayList>("commandes");
    // Expected bytes, as a pattern: the whole reception must match.
    QTest::addColumn<QString>("motif");

    QTest::newRow("no reply to I, the others answered")
        << QStringList{"--no-reply", "I"} << QByteArrayList{"I", "Q"} << ">\\r";
    QTest::newRow("no CR") << QStringList{"--no-cr"} << QByteArrayList{"I", "Q"}
                           << "i DEMO 71240 V1\\.0>";
    QTest::newRow("garbage: NUL, junk, CR, then the reply")
        << QStringList{"--garbage"} << QByteArrayList{"Q"} << "\\x00[^\\r]{2,6}\\r>\\r";
    QTest::newRow("question mark to S, six blanks")
        << QStringList{"--question-s"} << QByteArrayList{"S 60 M 1 2 3"}
        << "\\? 2000 60 M [0-9A-F]+ [0-9A-F]+ 3\\r";
    QTest::newRow("first S refused with x and not carried out")
        << QStringList{"--fail-first", "S:1", "--points", "4000"}
        << QByteArrayList{"S 60 M 1 2 3", "M", "S 60 M 1 2 3"}
        << "x 2000 60 M \\S+ \\S+ 3\\rm 4000 60 M \\S+ \\S+ 3\\rm 2000 60 M \\S+ \\S+ 3\\r";
    QTest::newRow("split replies stay whole lines")
        << QStringList{"--split-replies"} << QByteArrayList{"I", "J AB 1"}
        << "i DEMO 71240 V1\\.0\\ri AB 71240 V1\\.0\\r";
    QTest::newRow("silent after the header")
        << QStringList{"--silent-after", "2", "--points", "20", "--sensors", "1"}
        << QByteArrayList{"I", "D", "I"} << "i DEMO 71240 V1\\.0\\rm 20 60 M \\S+ \\S+ 1\\r";
    QTest::newRow("late reply after the one sent meanwhile")
        << QStringList{"--delay-reply", "I:300"} << QByteArrayList{"I", "Q"}
        << ">\\ri DEMO 71240 V1\\.0\\r";
}

void tst_LoggerSimProcessus::fautes()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArrayList, commandes);
    QFETCH(QString, motif);
    QVERIFY(Demarrer(options));
    Extremite e;
    QVERIFY(e.Ouvrir(m_lien));
    // The logger serves commands in their order of arrival, whatever the delays.
    for (const QByteArray& c : commandes)
        e.Ecrire(c + "\r\n");
    const QRegularExpression attendu(QLatin1Char('^') + motif + QLatin1Char('$'));
    // With its size: QString::fromLatin1(QByteArray) would stop at the first NUL.
    QTRY_VERIFY2(
        attendu.match(QString::fromLatin1(e.Recu().constData(), e.Recu().size())).hasMatch(),
        e.Recu().toPercentEncoding().constData());
}

VORSEN_DATA_TEST_MAIN(tst_LoggerSimProcessus)
#include "tst_LoggerSimProcessus.moc"
