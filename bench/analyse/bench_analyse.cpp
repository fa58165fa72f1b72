// Adds 14 curves of 16000 points (7 recordings, both measures) to the analysis
// view and selects a range over all of them. Prints the time per curve and in
// total, the range statistics time, and the peak memory; the reference is the
// time the same 14 recordings take to read alone (clsSerie::Ouvrir).
#include "CurveData.h"
#include "IFormatsDate.h"
#include "clsAnalyse.h"
#include "clsSerie.h"
#include "frmAnalyse.h"
#include "ressources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVBoxLayout>
#include <qwt_plot.h>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>

namespace
{
const int NBRE_FICHIERS = 7;
const int NBRE_POINTS = 16000;

long PicMemoireKo()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

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

class Hote : public QWidget, public IFormatsDate
{
public:
    enm_LANGUE Langue() const override { return FRANCAIS; }
    QString FormatDate() const override { return QStringLiteral(" dd/MM/yyyy"); }
    QString FormatDateHeure() const override { return QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss"); }
    QString FormatHeure() const override { return QStringLiteral("hh:mm:ss"); }
};
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    initRessources();
    QTextStream out(stdout);

    const QString dir = maison.path();
    const uint debut = 1688162400u;
    for (int f = 0; f < NBRE_FICHIERS; ++f)
        if (!Ecrire(dir, QStringLiteral("f%1").arg(f), debut + uint(f * 600), f * 10)) {
            out << "cannot write the recordings\n";
            return 1;
        }
    const long memoireDepart = PicMemoireKo();

    // Reference: the 14 recordings read alone.
    QElapsedTimer chrono;
    chrono.start();
    for (int f = 0; f < NBRE_FICHIERS; ++f)
        for (int mesure : {1, 2}) {
            clsSerie serie;
            serie.Ouvrir(QStringLiteral("f%1").arg(f), dir, mesure);
        }
    const double lectureMs = chrono.nsecsElapsed() / 1e6;

    Hote hote;
    hote.resize(903, 500);
    QString chemin = dir;
    auto* fenetre = new frmAnalyse(&hote, &chemin);
    auto* disposition = new QVBoxLayout(&hote);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(fenetre);
    hote.show();
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
    out << "curves added: " << fenetre->Entrees().size() << " of " << NBRE_POINTS << " points\n";
    out << "reference, 14 recordings read alone: " << QString::number(lectureMs, 'f', 1) << " ms\n";
    out << "per curve: mean " << QString::number(totalMs / parCourbe.size(), 'f', 1)
        << " ms, worst " << QString::number(pire, 'f', 1) << " ms\n";
    out << "all 14 curves: " << QString::number(totalMs, 'f', 1) << " ms ("
        << QString::number(totalMs / lectureMs, 'f', 2)
        << " x reading alone; goal under 1000 ms)\n";
    out << "range statistics over " << pointsPlage
        << " points: " << QString::number(plageMs, 'f', 1) << " ms (goal under 50 ms)\n";
    out << "data table of one curve (" << NBRE_POINTS
        << " rows): " << QString::number(tableauMs, 'f', 1) << " ms\n";
    out << "peak memory: " << PicMemoireKo() / 1024 << " MiB (" << memoireDepart / 1024
        << " MiB before the analysis)\n";
    return 0;
}
