// The real main window, left open for screenshots under Xvfb, with two
// recordings in the analysis view:
//   apercu_apparence [--sombre] [--dialogues]
// --sombre: the Fusion style with a dark palette, as a dark desktop theme gives.
// --dialogues: then opens the program's dialogs one after the other (each
// waits to be closed: Escape).
// Screen scaling and font size come from QT_SCALE_FACTOR and QT_FONT_DPI.
#include "DAC.h"
#include "clsSerie.h"
#include "diaAlarmes.h"
#include "diaMajComment.h"
#include "diaNewID.h"
#include "diaParam.h"
#include "diaSaveCourbe.h"
#include "frmMain.h"
#include "frmMesure.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cmath>

namespace
{

QPalette PaletteSombre()
{
    QPalette p;
    const QColor fenetre(53, 53, 53), base(35, 35, 35), texte(230, 230, 230);
    p.setColor(QPalette::Window, fenetre);
    p.setColor(QPalette::WindowText, texte);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, fenetre);
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::ToolTipText, texte);
    p.setColor(QPalette::Text, texte);
    p.setColor(QPalette::Button, fenetre);
    p.setColor(QPalette::ButtonText, texte);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

bool Enregistrer(const QString& dossier, const QString& nom, int decalage)
{
    clsSerie serie;
    serie.NbrePoints = 0;
    serie.Infos.Appareil = 1;
    serie.Infos.Frequence = 300;
    serie.Infos.DateDebut = 1767268800u + uint(3600 * decalage);
    serie.Infos.Capteurs = 3;
    for (int i = 0; i < 288; ++i)
        serie.AjouterPoint(serie.Infos.DateDebut + uint(300 * i),
                           200 + 30 * decalage + int(40 * std::sin(i / 40.0)),
                           550 - 30 * decalage + int(80 * std::cos(i / 50.0)));
    return serie.Sauvegarder(nom, dossier);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    if (app.arguments().contains(QStringLiteral("--sombre"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(PaletteSombre());
    }
    QStringList fichiers;
    for (int f = 0; f < 2; ++f) {
        const QString nom = QStringLiteral("essai%1").arg(f);
        if (Enregistrer(maison.path(), nom, f))
            fichiers << QDir(maison.path()).filePath(nom + QStringLiteral(".ail"));
    }
    frmMain principale;
    principale.show();
    principale.OuvrirFichiers(fichiers);
    if (app.arguments().contains(QStringLiteral("--dialogues"))) {
        // Children of a view, as the program opens them.
        QWidget* vue = principale.findChild<frmMesure*>();
        DAC::TS_PARAMETRES parametres{};
        diaParam(vue, nullptr, parametres, true).exec();
        diaAlarmes(vue, nullptr, true, QStringLiteral("SALLE_1")).exec();
        diaNewID(vue, nullptr, QStringLiteral("SALLE_1"), true).exec();
        diaSaveCourbe(vue, maison.path(), QStringLiteral("SALLE_1"), QString()).exec();
        diaMajComment(vue, QStringLiteral("Chambre froide")).exec();
    }
    return app.exec();
}
