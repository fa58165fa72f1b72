#pragma once

// Test mains. HOME is a temporary folder (automatic backups go there) and
// QStandardPaths test mode redirects the default QSettings below it, so no test
// touches the real home folder or the real settings; both are set before the
// application object exists.

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

inline bool PreparerMaisonDeTest(const QTemporaryDir& maison)
{
    if (!maison.isValid())
        return false;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);
    return true;
}

inline void NommerApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
}

// Without a display.
#define VORSEN_DATA_TEST_MAIN(Classe)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTemporaryDir maison;                                                                      \
        if (!PreparerMaisonDeTest(maison))                                                         \
            return 1;                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        NommerApplication();                                                                       \
        Classe test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#ifdef QT_WIDGETS_LIB
#include <QApplication>

void initRessources(); // resources/ressources.h

// Widgets drawn with the program's own style sheet and images.
#define VORSEN_GUI_TEST_MAIN(Classe)                                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTemporaryDir maison;                                                                      \
        if (!PreparerMaisonDeTest(maison))                                                         \
            return 1;                                                                              \
        QApplication app(argc, argv);                                                              \
        NommerApplication();                                                                       \
        initRessources();                                                                          \
        QFile style(QStringLiteral(":/Style.qss"));                                                \
        if (!style.open(QIODevice::ReadOnly))                                                      \
            return 1;                                                                              \
        app.setStyleSheet(QString::fromUtf8(style.readAll()));                                     \
        Classe test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
#endif
