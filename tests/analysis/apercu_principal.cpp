// The analysis view inside the real main window (903 x 600), as a user reaches
// it: "Analyse", "Nouvelle analyse", three files, a range; then in French.
//   xvfb-run -a -s "-screen 0 1280x1024x24" apercu_principal <folder>
#include "DialoguesScriptes.h"
#include "Enregistrements.h"
#include "frmAnalyse.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBox>
#include <qwt_plot.h>

#include <cmath>

int main(int argc, char* argv[])
{
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    const QString dossier = app.arguments().value(1, QStringLiteral("."));
    QDir().mkpath(dossier);

    const QString datas = maison.path();
    for (int f = 0; f < 3; ++f) {
        QList<int> temp, humi;
        for (int i = 0; i < 288; ++i) {
            temp << 200 + 30 * f + int(40 * std::sin(i / 40.0));
            humi << 550 - 30 * f + int(80 * std::cos(i / 50.0));
        }
        EcrireEnregistrement(datas, QStringLiteral("essai%1").arg(f), 1688162400u + 3600u * f, 300,
                             temp, humi, 3, QStringLiteral("Essai %1").arg(f));
    }

    frmMain principale;
    principale.show();
    QApplication::processEvents();
    principale.findChild<QAbstractButton*>(QStringLiteral("btnAnalyse"))->click();
    auto* analyse = principale.findChild<frmAnalyse*>();
    analyse->findChild<QAbstractButton*>(QStringLiteral("btnNew"))->click();
    analyse->findChild<QAbstractButton*>(QStringLiteral("radSynchroHeure"))->setChecked(true);
    QApplication::processEvents();
    principale.grab().save(dossier + "/principale_1_nouvelle.png");

    // The three files chosen in turn in "Ajouter une courbe".
    DialoguesScriptes utilisateur;
    for (int f = 0; f < 3; ++f) {
        utilisateur.Fichiers << datas + QStringLiteral("/essai%1.ail").arg(f);
        analyse->findChild<QAbstractButton*>(QStringLiteral("btnOpen"))->click();
    }

    auto* actions = analyse->findChild<QToolBox*>(QStringLiteral("tbxActions"));
    actions->setCurrentWidget(analyse->findChild<QWidget*>(QStringLiteral("pgPlage")));
    auto* graphe = analyse->findChild<QwtPlot*>(QStringLiteral("m_qPlot"));
    analyse->Slot_PickerActived(true);
    analyse->Slot_PickerMoved(QPoint(graphe->transform(QwtPlot::xBottom, 6 * 3600), 40));
    analyse->Slot_PickerMoved(QPoint(graphe->transform(QwtPlot::xBottom, 15 * 3600), 40));
    analyse->Slot_PickerActived(false);
    analyse->Slot_PlageSelect(QRectF());
    QApplication::processEvents();
    principale.grab().save(dossier + "/principale_2_plage.png");

    principale.findChild<QAbstractButton*>(QStringLiteral("btnLangueFrancais"))->click();
    QApplication::processEvents();
    principale.grab().save(dossier + "/principale_3_francais.png");
    return 0;
}
