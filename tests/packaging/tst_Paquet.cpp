// The Debian package, from CPack to the installed program: what it holds, what
// it depends on, what the desktop's validators say, and the program answering
// from the unpacked tree (relocated: it is not under /usr).
#include "Environnement.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

struct TS_SORTIE {
    int Code = -1;
    QString Texte; // standard output and error
};

TS_SORTIE Lancer(const QString& programme, const QStringList& arguments,
                 const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    TS_SORTIE sortie;
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return sortie;
    sortie.Code = p.exitCode();
    sortie.Texte = QString::fromLocal8Bit(p.readAll());
    return sortie;
}

const QString Id = QStringLiteral("com.vorsen.Logger");

} // namespace

class tst_Paquet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contenu_data();
    void contenu();
    void toutSousLePrefixe();
    void controle();
    void validateurs_data();
    void validateurs();
    void programmesInstalles();

private:
    QString Racine(const QString& chemin = QString()) const
    {
        return m_Dossier.path() + QStringLiteral("/racine/usr/") + chemin;
    }

    QTemporaryDir m_Dossier;
    QString m_Paquet; // the .deb file
};

void tst_Paquet::initTestCase()
{
    for (const char* outil : {"dpkg-deb", "dpkg-shlibdeps", "file"})
        if (QStandardPaths::findExecutable(QLatin1String(outil)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (Debian packages dpkg-dev, "
                                            "file)")
                                 .arg(QLatin1String(outil))));
    QVERIFY(m_Dossier.isValid());
    // The built tree installed as the package installs it (cmake --install builds
    // nothing), then packaged by CPack with the project's package settings.
    const QString etape = m_Dossier.filePath(QStringLiteral("etape"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), etape);
    const TS_SORTIE installation =
        Lancer(QStringLiteral(VORSEN_CMAKE),
               {QStringLiteral("--install"), QStringLiteral(VORSEN_BUILD_DIR),
                QStringLiteral("--prefix"), QStringLiteral("/usr")},
               env);
    QVERIFY2(installation.Code == 0, qPrintable(installation.Texte));
    const QString sortie = m_Dossier.filePath(QStringLiteral("paquet"));
    const TS_SORTIE cpack = Lancer(
        QStringLiteral(VORSEN_CPACK),
        {QStringLiteral("--config"), QStringLiteral(VORSEN_BUILD_DIR "/CPackConfig.cmake"),
         QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), sortie,
         // Not the project again: its "preinstall" step would build it.
         QStringLiteral("-D"), QStringLiteral("CPACK_INSTALL_CMAKE_PROJECTS="),
         QStringLiteral("-D"), QStringLiteral("CPACK_INSTALLED_DIRECTORIES=%1;.").arg(etape)});
    QVERIFY2(cpack.Code == 0, qPrintable(cpack.Texte));
    const QStringList paquets = QDir(sortie).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(paquets.size(), 1);
    m_Paquet = sortie + QLatin1Char('/') + paquets.first();
    QVERIFY2(m_Paquet.contains(QStringLiteral("vorsen-logger_" VORSEN_VERSION "_")),
             qPrintable(m_Paquet));

    const TS_SORTIE x = Lancer(QStringLiteral("dpkg-deb"),
                               {QStringLiteral("-x"), m_Paquet, m_Dossier.filePath("racine")});
    QVERIFY2(x.Code == 0, qPrintable(x.Texte));
}

void tst_Paquet::contenu_data()
{
    QTest::addColumn<QString>("chemin"); // below /usr
    const QString data = QStringLiteral(VORSEN_DATADIR "/");
    const QString share = QStringLiteral("share/");
    QTest::newRow("program") << QStringLiteral(VORSEN_BINDIR "/Vorsen_Logger");
    QTest::newRow("update library, versioned")
        << QStringLiteral(VORSEN_LIBDIR "/libDLL_Service1.so.1");
    for (const char* langue : {"fr", "en"}) {
        QTest::addRow("translation %s", langue)
            << data + QStringLiteral("Vorsen_Logger_%1.qm").arg(QLatin1String(langue));
        QTest::addRow("manual %s", langue)
            << data + QStringLiteral("Vorsen_Logger_Manuel_%1.pdf").arg(QLatin1String(langue));
    }
    QTest::newRow("desktop entry") << share + "applications/" + Id + ".desktop";
    QTest::newRow("metainfo") << share + "metainfo/" + Id + ".metainfo.xml";
    QTest::newRow("file type") << share + "mime/packages/vorsen-logger.xml";
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", taille)
            << share + QStringLiteral("icons/hicolor/%1x%1/apps/").arg(taille) + Id + ".png";
    QTest::newRow("icon, scalable") << share + "icons/hicolor/scalable/apps/" + Id + ".svg";
    QTest::newRow("manual page") << QStringLiteral(VORSEN_MANDIR "/man1/Vorsen_Logger.1.gz");
    QTest::newRow("udev rule") << QStringLiteral(VORSEN_UDEV_RULES_DIR "/70-vorsen-logger.rules");
    QTest::newRow("copyright") << share + "doc/vorsen-logger/copyright";
}

void tst_Paquet::contenu()
{
    QFETCH(QString, chemin);
    QVERIFY2(QFileInfo(Racine(chemin)).isFile(), qPrintable(chemin));
}

// Relocatable: nothing outside the prefix, no development link to the library.
void tst_Paquet::toutSousLePrefixe()
{
    QCOMPARE(QDir(m_Dossier.filePath("racine")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"usr"});
    QVERIFY(!QFileInfo::exists(Racine(QStringLiteral(VORSEN_LIBDIR "/libDLL_Service1.so"))));
}

void tst_Paquet::controle()
{
    const TS_SORTIE champs = Lancer(QStringLiteral("dpkg-deb"),
                                    {QStringLiteral("--field"), m_Paquet, QStringLiteral("Package"),
                                     QStringLiteral("Version"), QStringLiteral("Depends")});
    QCOMPARE(champs.Code, 0);
    QVERIFY2(champs.Texte.contains(QStringLiteral("Package: vorsen-logger\n")),
             qPrintable(champs.Texte));
    // Found by dpkg-shlibdeps in the programs and the library.
    for (const char* dependance : {"libc6 (", "libqt5widgets5 (", "libqt5serialport5 (",
                                   "libqt5network5 (", "libqwt-qt5-6 (", "libxlsxwriter"})
        QVERIFY2(champs.Texte.contains(QLatin1String(dependance)), dependance);
    QVERIFY2(!champs.Texte.contains(QStringLiteral("DLL_Service1")), qPrintable(champs.Texte));

    const QString scripts = m_Dossier.filePath(QStringLiteral("controle"));
    QCOMPARE(Lancer(QStringLiteral("dpkg-deb"), {QStringLiteral("-e"), m_Paquet, scripts}).Code, 0);
    for (const char* script : {"postinst", "postrm"}) {
        QFile f(scripts + QLatin1Char('/') + QLatin1String(script));
        QVERIFY2(f.open(QIODevice::ReadOnly), script);
        QVERIFY(f.permissions() & QFileDevice::ExeOwner);
        QVERIFY(f.readAll().contains("udevadm control --reload-rules"));
    }
}

void tst_Paquet::validateurs_data()
{
    QTest::addColumn<QString>("outil");
    QTest::addColumn<QStringList>("arguments"); // %1: the scratch root's /usr
    QTest::newRow("desktop entry")
        << "desktop-file-validate" << QStringList{"%1/share/applications/" + Id + ".desktop"};
    QTest::newRow("metainfo") << "appstreamcli"
                              << QStringList{"validate", "--no-net",
                                             "%1/share/metainfo/" + Id + ".metainfo.xml"};
    // Builds the file type database of the scratch root from its package file.
    QTest::newRow("file type") << "update-mime-database" << QStringList{"%1/share/mime"};
}

void tst_Paquet::validateurs()
{
    QFETCH(QString, outil);
    QFETCH(QStringList, arguments);
    if (QStandardPaths::findExecutable(outil).isEmpty())
        QSKIP(qPrintable(outil + QStringLiteral(" is not installed")));
    arguments.replaceInStrings(QStringLiteral("%1"), Racine().chopped(1));
    const TS_SORTIE sortie = Lancer(outil, arguments);
    QVERIFY2(sortie.Code == 0, qPrintable(sortie.Texte));
    if (outil == QLatin1String("update-mime-database"))
        QVERIFY(QFile::exists(Racine(QStringLiteral("share/mime/application/x-vorsen-ail.xml"))));
}

// Every program of the package finds its libraries in the unpacked tree, and the
// windowed one answers --version there without a display.
void tst_Paquet::programmesInstalles()
{
    QDirIterator programmes(Racine(QStringLiteral(VORSEN_BINDIR)), QDir::Files);
    int elf = 0;
    while (programmes.hasNext()) {
        QFile f(programmes.next());
        if (!f.open(QIODevice::ReadOnly) || f.read(4) != QByteArray("\177ELF"))
            continue;
        ++elf;
        const TS_SORTIE ldd = Lancer(QStringLiteral("ldd"), {f.fileName()});
        QVERIFY2(ldd.Code == 0 && !ldd.Texte.contains(QStringLiteral("not found")),
                 qPrintable(f.fileName() + QLatin1Char('\n') + ldd.Texte));
        // "libDLL_Service1.so.1 => <path> (<address>)"
        const QRegularExpression service(QStringLiteral("libDLL_Service1\\S* => (\\S+)"));
        const QRegularExpressionMatch trouvee = service.match(ldd.Texte);
        if (trouvee.hasMatch())
            QCOMPARE(QDir::cleanPath(trouvee.captured(1)),
                     Racine(QStringLiteral(VORSEN_LIBDIR "/libDLL_Service1.so.1")));
    }
    QVERIFY(elf >= 1);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LD_LIBRARY_PATH"})
        env.remove(QLatin1String(nom));
    const TS_SORTIE version = Lancer(Racine(QStringLiteral(VORSEN_BINDIR "/Vorsen_Logger")),
                                     {QStringLiteral("--version")}, env);
    QCOMPARE(version.Code, 0);
    QCOMPARE(version.Texte, QStringLiteral("Vorsen_Logger " VORSEN_VERSION "\n"));
}

VORSEN_DATA_TEST_MAIN(tst_Paquet)
#include "tst_Paquet.moc"
