#pragma once

#include <QByteArray>
#include <QStandardPaths>
#include <QTemporaryDir>

// Every test keeps to its own folder: test-mode standard paths and a temporary
// HOME, set before the application object exists; the default QSettings then
// live below that HOME.
struct EnvironnementTest {
    QTemporaryDir Dossier;

    EnvironnementTest()
    {
        qputenv("HOME", Dossier.path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
    }
};

// QTEST_MAIN with the environment above and the embedded images and style sheet.
#define VORSEN_TEST_MAIN(Classe)                                                                   \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        EnvironnementTest environnement;                                                           \
        QApplication app(argc, argv);                                                              \
        QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));                           \
        QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));                     \
        initRessources();                                                                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        Classe test;                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
