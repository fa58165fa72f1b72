#pragma once

// The one main of the test programs. HOME is a temporary folder (automatic
// backups go there) and QStandardPaths' test mode puts the default QSettings and
// the data folders below it, so no test touches the real home folder or the real
// settings; both are set before the application object exists. CTest adds the
// offscreen platform, the time zone and the C locale (cmake/VorsenTest.cmake).

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifdef QT_WIDGETS_LIB
#include <QApplication>

void initRessources(); // resources/ressources.h
#endif

// What a test program needs besides, or'ed together.
enum OptionsTest {
    SansAffichage = 0,
    // Widgets: a QApplication, with the program's images and translations.
    Fenetres = 1,
    // Widgets drawn with the program's style sheet.
    FeuilleDeStyle = 2,
    // Widgets whose fonts are measured at 96 dpi, whatever the screen says.
    Dpi96 = 4,
    // The temporary HOME as working folder: no translation or manual beside the
    // build's programs shadows what the test installs or what is embedded.
    DossierMaison = 8,
};

template <class Classe, int options> int ExecuterTest(int argc, char** argv)
{
    QTemporaryDir maison;
    if (!maison.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);

    constexpr bool fenetres = options & (Fenetres | FeuilleDeStyle | Dpi96);
    std::unique_ptr<QCoreApplication> application;
    if constexpr (fenetres) {
#ifdef QT_WIDGETS_LIB
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, options & Dpi96);
        application = std::make_unique<QApplication>(argc, argv);
        initRessources();
        if constexpr ((options & FeuilleDeStyle) != 0) {
            QFile style(QStringLiteral(":/Style.qss"));
            if (!style.open(QIODevice::ReadOnly))
                return 1;
            qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
        }
#else
        static_assert(!fenetres, "a test of widgets links the widgets");
#endif
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    if constexpr ((options & DossierMaison) != 0)
        QDir::setCurrent(maison.path());

    Classe test;
    return QTest::qExec(&test, argc, argv);
}

#define VORSEN_TEST_MAIN(Classe, options)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return ExecuterTest<Classe, options>(argc, argv);                                          \
    }

// Without a display.
#define VORSEN_DATA_TEST_MAIN(Classe) VORSEN_TEST_MAIN(Classe, SansAffichage)
// Widgets drawn with the program's style sheet and images.
#define VORSEN_GUI_TEST_MAIN(Classe) VORSEN_TEST_MAIN(Classe, FeuilleDeStyle)
