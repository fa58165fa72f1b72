#pragma once

// The start of the programs that render windows into PNG files, to look at them
// as a user would (they are not tests):
//   xvfb-run -a -s "-screen 0 1280x1024x24" <program> <folder> [fr | en | file.qm]
//       [extra.qm] [...]
// HOME is a temporary folder and the settings are in test mode, as in the
// tests; the program's images, the translation chosen (an embedded language or
// a .qm file) and texts not yet embedded (extra.qm), and the style sheet.

#include "ressources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>

#include <memory>

class Apercu
{
public:
    Apercu(int& argc, char** argv)
    {
        qputenv("HOME", QFile::encodeName(m_Maison.path()));
        QStandardPaths::setTestModeEnabled(true);
        m_Application = std::make_unique<QApplication>(argc, argv);
        initRessources();
        Arguments = QApplication::arguments();
        Dossier = Arguments.value(1, QStringLiteral("."));
        QDir().mkpath(Dossier);
        const QString langue = Arguments.value(2, QStringLiteral("fr"));
        Langue = QFileInfo(langue).baseName();
        if (m_Traduction.load(langue.endsWith(QLatin1String(".qm"))
                                  ? langue
                                  : QStringLiteral(":/i18n/Vorsen_Logger_") + langue))
            QApplication::installTranslator(&m_Traduction);
        if (Arguments.size() > 3 && m_Supplement.load(Arguments.at(3)))
            QApplication::installTranslator(&m_Supplement);
        QFile style(QStringLiteral(":/Style.qss"));
        if (style.open(QIODevice::ReadOnly))
            m_Application->setStyleSheet(QString::fromUtf8(style.readAll()));
    }

    // The program's arguments, the folder of the pictures, and the language's
    // name ("fr", "en" or the .qm file's base name).
    QStringList Arguments;
    QString Dossier;
    QString Langue;
    // The temporary home folder.
    QString Maison() const { return m_Maison.path(); }

    // <folder>/<language>_<nom>
    QString Fichier(const QString& nom) const
    {
        return Dossier + QLatin1Char('/') + Langue + QLatin1Char('_') + nom;
    }

    // `fenetre` as it stands on screen into `fichier`; a hidden window is shown
    // for the picture only.
    static void Photo(QWidget* fenetre, const QString& fichier)
    {
        const bool cachee = !fenetre->isVisible();
        if (cachee)
            fenetre->show();
        QApplication::processEvents();
        fenetre->grab().save(fichier);
        if (cachee)
            fenetre->hide();
    }

private:
    QTemporaryDir m_Maison;
    std::unique_ptr<QApplication> m_Application;
    QTranslator m_Traduction;
    QTranslator m_Supplement;
};
