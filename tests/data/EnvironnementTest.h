#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// GUI-less test main of the data tests: HOME is a temporary folder (the automatic
// backups go there) and QStandardPaths test mode redirects the default QSettings
// below it, so no test touches the real home folder or the real settings.
#define VORSEN_DATA_TEST_MAIN(Classe)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTemporaryDir maison;                                                                      \
        if (!maison.isValid())                                                                     \
            return 1;                                                                              \
        qputenv("HOME", QFile::encodeName(maison.path()));                                         \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QCoreApplication app(argc, argv);                                                          \
        QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));                           \
        QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));                     \
        Classe test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
