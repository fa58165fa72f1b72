// Adds 14 curves of 16000 points (7 recordings, both measures) to the analysis
// view of the real main window (its style sheet, shown) and selects a range over
// all of them. Prints the time per curve and in total, the range statistics
// time, the data table of one curve, and the peak memory; the reference is the
// time the same 14 recordings take to read alone (clsSerie::Ouvrir). Run it
// offscreen and on an X display (the bench script does both).
#include "ClesReglages.h"
#include "CurveData.h"
#include "Figures.h"
#include "clsAnalyse.h"
#include "clsSerie.h"
#include "frmAnalyse.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <qwt_plot.h>

#include <cmath>
#include <cstdio>

namespace
{
const int NBRE_FICHIERS = 7;
const int NBRE_POINTS = 16000;

bool Ecrire(const QString& dir, const QString& nom, uint debut, int decalage)
{
    clsSerie serie;
    serie.NbrePoints = 0;
    serie.Infos.Frequence = 60;
    serie.Infos.DateDebut = debut;
    for (int i = 0; i < NBRE_POINTS; ++i)
        serie.AjouterPoint(debut + uint(60 * i), 200 + decalage + int(50 * std::sin(i / 300.0)),
                           550 - decalage + int(100 * std::cos(i / 400.0)));
    return serie.Sauvegarder(nom, dir);
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger_bench"));
    QApplication app(argc, argv);
    QSettings().clear();
    QSettings().setValue(QLatin1String(ClesReglages::Langue), 1);
    QTextStream out(stdout);

    const QString dir = maison.path();
    const uint debut = 1688162400u;
    for (int f = 0; f < NBRE_FICHIERS; ++f)
        if (!Ecrire(dir, QStringLiteral("f%1").arg(f), debut + uint(f * 600), f * 10)) {
            out << "cannot write the recordings\n";
            return 1;
        }
    const long memoireDepart = MemoirePicKo();

    // Reference: the 14 recordings read alone.
    QElapsedTimer chrono;
    chrono.start();
    for (int f = 0; f < NBRE_FICHIERS; ++f)
        for (int mesure : {1, 2}) {
            clsSerie serie;
            serie.Ouvrir(QStringLiteral("f%1").arg(f), dir, mesure);
        }
    const double lectureMs = chrono.nsecsElapsed() / 1e6;

    frmMain principale;
    principale.show();
    principale.findChild<QAbstractButton*>(QStringLiteral("btnAnalyse"))->click();
    auto* fenetre = principale.findChild<frmAnalyse*>();
    QApplication::processEvents();
    fenetre->findChild<QAbstractButton*>(QStringLiteral("btnNew"))->click();
    fenetre->findChild<QAbstractButton*>(QStringLiteral("radSynchroDate"))->setChecked(true);

    QList<double> parCourbe;
    chrono.restart();
    for (int f = 0; f < NBRE_FICHIERS; ++f)
        for (int mesure : {1, 2}) {
            QElapsedTimer une;
            une.start();
            fenetre->AjouterCourbe(QFileInfo(QStringLiteral("%1/f%2.ail").arg(dir).arg(f)), mesure);
            QApplication::processEvents(); // the paint of the new curve
            parCourbe << une.nsecsElapsed() / 1e6;
        }
    const double totalMs = chrono.nsecsElapsed() / 1e6;

    // Range over the whole bottom axis, as a drag across the plot gives it.
    QwtPlot* graphe = fenetre->findChild<QwtPlot*>(QStringLiteral("m_qPlot"));
    fenetre->Slot_PickerActived(true);
    fenetre->Slot_PickerMoved(QPoint(0, 10));
    fenetre->Slot_PickerMoved(QPoint(graphe->canvas()->width() - 1, 10));
    fenetre->Slot_PickerActived(false);
    chrono.restart();
    fenetre->Slot_PlageSelect(QRectF());
    const double plageMs = chrono.nsecsElapsed() / 1e6;
    int pointsPlage = 0;
    for (const clsAnalyse* analyse : fenetre->Entrees())
        pointsPlage += int(analyse->Points()->size());

    // "Tableau des données" of one curve.
    chrono.restart();
    fenetre->AfficherDatas(fenetre->Entrees().first());
    QApplication::processEvents();
    const double tableauMs = chrono.nsecsElapsed() / 1e6;

    double pire = 0;
    for (double t : parCourbe)
        pire = qMax(pire, t);
    std::printf("%d curves of %d points added to the analysis view.\n",
                int(fenetre->Entrees().size()), NBRE_POINTS);
    Figure("14 recordings read alone (reference), ms", "%.1f", lectureMs);
    Figure("per curve, mean, ms", "%.1f", totalMs / parCourbe.size());
    Figure("per curve, worst, ms", "%.1f", pire);
    Figure("all 14 curves, ms", "%.1f", totalMs);
    Figure("all 14 curves / reading alone", "%.2f", totalMs / lectureMs);
    Figure("range statistics, ms", "%.1f", plageMs);
    Figure("range statistics, points", "%d", pointsPlage);
    Figure("data table of one curve (16000 rows), ms", "%.1f", tableauMs);
    Figure("peak memory, MiB", "%ld", MemoirePicKo() / 1024);
    Figure("peak memory before the analysis, MiB", "%ld", memoireDepart / 1024);
    return 0;
}
