#pragma once

#include "ressources.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Test main of the widget tests: HOME is a temporary folder and QStandardPaths
// test mode redirects the settings below it; the widgets are drawn with the
// program's own style sheet and images.
#define VORSEN_GUI_TEST_MAIN(Classe)                                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTemporaryDir maison;                                                                      \
        if (!maison.isValid())                                                                     \
            return 1;                                                                              \
        qputenv("HOME", QFile::encodeName(maison.path()));                                         \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QApplication app(argc, argv);                                                              \
        QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));                           \
        QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));                     \
        initRessources();                                                                          \
        QFile style(QStringLiteral(":/Style.qss"));                                                \
        if (!style.open(QIODevice::ReadOnly))                                                      \
            return 1;                                                                              \
        app.setStyleSheet(QString::fromUtf8(style.readAll()));                                     \
        Classe test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
