// Feeds a download from the logger simulator through the real serial port into
// the real program: the main window with its style sheet, shown, its measurement
// view downloading. Run it offscreen and on an X display (the bench script does
// both); it prints:
//   - time from "D" to the last point, its backup written and the screen painted,
//     and that time divided by the time the same bytes take on the wire at
//     38400 baud 8N1 (10 bits a byte);
//   - the longest gap between two turns of the event loop during the download,
//     and the number of gaps above 50 ms;
//   - CPU time and peak memory of the process;
//   - a full replot (what each rescale costs) with every point and empty;
// and, unpaced only:
//   - the same download through the serial link alone, without the window (the
//     floor set by the simulator and the link's 25 ms settle before each read);
//   - the workbook export of the downloaded recording from the window (save
//     dialog, progress bar), against libxlsxwriter alone writing the same cells
//     (medians of three runs);
//   - the time to choose the downloaded logger again after another one.
//
//     bench_telechargement [readings] [--paced]
//
// readings: both sensors, all readings together (default 32000, 16000 lines).
// --paced: the simulator writes at the wire rate, as a logger does.
#include "BancMesure.h"
#include "CPortSerie.h"
#include "ClesReglages.h"
#include "Figures.h"
#include "ReferenceXlsx.h"
#include "Simulateur.h"
#include "clsSerie.h"
#include "frmMain.h"
#include "frmMesure.h"
#include "prmBoutonAppareil.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <qwt_plot.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

// Time of a full replot painted at once (what each rescale costs), ms.
double MesurerTrace(QwtPlot* graphe)
{
    QElapsedTimer chrono;
    chrono.start();
    for (int i = 0; i < 5; ++i) {
        graphe->replot();
        graphe->repaint();
    }
    return chrono.nsecsElapsed() / 5e6;
}

// Processes events until pret() or ms have passed.
bool Attendre(const std::function<bool()>& pret, int ms)
{
    // An event loop that sleeps between events, looking at pret() every 10 ms.
    QEventLoop boucle;
    QTimer regard;
    QObject::connect(&regard, &QTimer::timeout, &boucle, [&] {
        if (pret())
            boucle.quit();
    });
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    if (pret())
        return true;
    regard.start(10);
    boucle.exec();
    return pret();
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger_bench"));
    QApplication app(argc, argv);
    QSettings().clear();
    QSettings().setValue(QLatin1String(ClesReglages::Langue), 1);

    int lectures = 32000;
    bool cadence = false;
    for (const QString& argument : app.arguments().mid(1)) {
        if (argument == QLatin1String("--paced"))
            cadence = true;
        else
            lectures = argument.toInt();
    }

    QStringList options{"--id",      "BENCH", "--points", QString::number(lectures),
                        "--sensors", "3",     "--period", "60"};
    if (cadence)
        options << "--paced";
    // The simulated loggers, and the user who answers the save dialog.
    BancMesure banc;
    Simulateur* sim = banc.Brancher(options);
    if (!sim)
        return 1;

    // Reference: the link alone, every data line counted and dropped.
    double secondesLien = -1, processeurLien = 0;
    if (!cadence) {
        CPortSerie lien(sim->Lien());
        if (!lien.Ouvrir()) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(sim->Lien()));
            return 1;
        }
        int recus = 0;
        QEventLoop boucle;
        QObject::connect(&lien, qOverload<word, word>(&CPortSerie::DAC_Datas), &boucle,
                         [&](word, word) {
                             if (++recus == lectures / 2)
                                 boucle.quit();
                         });
        QTimer::singleShot(600000, &boucle, &QEventLoop::quit);
        QElapsedTimer chrono;
        processeurLien = TempsProcesseur();
        chrono.start();
        lien.DownLoad();
        boucle.exec();
        secondesLien = chrono.nsecsElapsed() / 1e9;
        processeurLien = TempsProcesseur() - processeurLien;
        lien.Fermer();
    }

    const long memoireAvant = MemoirePicKo();
    frmMain principale;
    principale.show();
    frmMesure* fenetre = principale.findChild<frmMesure*>();
    banc.Fenetre = fenetre;
    auto* telecharger = fenetre->findChild<QToolButton*>(QStringLiteral("btnTelecharger"));
    if (!Attendre([&] { return telecharger->isEnabled(); }, 20000)) {
        std::fprintf(stderr, "the simulated logger was not found\n");
        return 1;
    }
    Attendre([] { return false; }, 300); // the window settles on screen
    auto* graphe = fenetre->findChild<QwtPlot*>(QStringLiteral("m_qPlot"));
    const double msTraceVide = MesurerTrace(graphe);

    EcartsBoucle ecarts;
    QElapsedTimer horloge;
    qint64 duree = -1;
    double processeur = 0;
    // The end: once the last point's slot has returned (its backup written) and
    // what it left to paint is on screen.
    QObject::connect(fenetre, &frmMesure::SIGNAL_StopPbar, &app, [&] {
        if (duree >= 0)
            return;
        QTimer::singleShot(0, &app, [&] {
            QCoreApplication::sendPostedEvents();
            duree = horloge.nsecsElapsed();
            processeur = TempsProcesseur() - processeur;
            ecarts.Arreter();
        });
    });
    processeur = TempsProcesseur();
    horloge.start();
    ecarts.Demarrer();
    telecharger->click(); // sends "D"
    if (!Attendre([&] { return duree >= 0; }, 600000)) {
        std::fprintf(stderr, "the download did not end within 10 minutes\n");
        return 1;
    }

    // Bytes on the wire: the header and one "d T H" line per point, each ending in CR.
    clsSerie* s = fenetre->SerieCourante();
    const int points = s->NbrePoints;
    qint64 octets = 0;
    for (int i = 0; i < points; ++i) {
        octets += QStringLiteral("d %1 %2\r")
                      .arg(s->Temperature.Valeurs.at(i))
                      .arg(s->Humidite.Valeurs.at(i))
                      .size();
    }
    octets += QStringLiteral("m %1 60 M 0000 0000 3\r").arg(lectures).size();
    const double secondesLigne = octets * 10.0 / 38400.0;
    const double secondes = duree / 1e9;
    const double msTrace = MesurerTrace(graphe);

    std::printf("Download of %d readings (%d points, %lld bytes) into the main window, %s.\n",
                lectures, points, octets, cadence ? "paced at 38400 baud" : "unpaced");
    Figure("wire time at 38400 baud, s", "%.2f", secondesLigne);
    Figure("\"D\" to last point shown, s", "%.3f", secondes);
    Figure("ratio to the wire", "%.4f", secondes / secondesLigne);
    Figure("CPU time, s", "%.3f", processeur);
    Figure("longest event-loop gap, ms", "%.1f", ecarts.PlusLongMs());
    Figure("longest gap starts, s after \"D\"", "%.2f", ecarts.MomentPlusLongS());
    Figure("event-loop gaps above 50 ms", "%d", ecarts.Longs());
    Figure("full replot, all points, ms", "%.2f", msTrace);
    Figure("full replot, empty plot, ms", "%.2f", msTraceVide);
    if (!cadence) {
        Figure("link alone, s", "%.3f", secondesLien);
        Figure("window / link alone", "%.2f", secondes / secondesLien);
    }

    if (!cadence) {
        // Workbook export from the window, against libxlsxwriter alone: medians
        // of three runs of each (the machine is shared).
        std::vector<double> references, exports;
        qint64 debutExport = -1, finExport = -1;
        QElapsedTimer chronoExport;
        chronoExport.start();
        QObject::connect(fenetre, &frmMesure::SIGNAL_StartPbar, &app,
                         [&](QString, int, int) { debutExport = chronoExport.nsecsElapsed(); });
        QObject::connect(fenetre, &frmMesure::SIGNAL_StopPbar, &app, [&] {
            if (debutExport >= 0 && finExport < 0)
                finExport = chronoExport.nsecsElapsed();
        });
        // The save dialog asks for the workbook only.
        banc.Utilisateur().Scripts[QStringLiteral("diaSaveCourbe")] = [](QDialog* dialogue) {
            dialogue->findChild<QCheckBox*>(QStringLiteral("chkExcel"))->setChecked(true);
            dialogue->findChild<QCheckBox*>(QStringLiteral("chkOpenXls"))->setChecked(false);
            dialogue->findChild<QCheckBox*>(QStringLiteral("chkCsv"))->setChecked(false);
            dialogue->findChild<QToolButton*>(QStringLiteral("btnSave"))->click();
        };
        for (int fois = 0; fois < 3; ++fois) {
            references.push_back(ReferenceXlsx(*s, 1));
            debutExport = finExport = -1;
            banc.Utilisateur().Fichiers
                << QDir(maison.path()).filePath(QStringLiteral("export%1.ail").arg(fois));
            banc.Bouton("btnSave")->click();
            exports.push_back(finExport >= 0 ? (finExport - debutExport) / 1e6 : -1);
        }
        // Anything else the user was told (a failed export, say).
        for (const QString& ligne : banc.Utilisateur().Journal())
            if (!ligne.startsWith(QLatin1String("diaSaveCourbe|")) &&
                !ligne.startsWith(QLatin1String("enregistrer|")))
                std::fprintf(stderr, "message: %s\n", qPrintable(ligne));
        std::sort(references.begin(), references.end());
        std::sort(exports.begin(), exports.end());
        const double msReference = references[1];
        const double msExport = exports[1];
        Figure("workbook export in the window, ms", "%.1f", msExport);
        Figure("libxlsxwriter alone, same cells, ms", "%.1f", msReference);
        Figure("export / libxlsxwriter alone", "%.2f", msExport / msReference);

        // Another logger plugged in and chosen, then the downloaded one again: its
        // points are drawn and listed anew (the time includes its "Q" and reply).
        double msRetour = -1;
        if (banc.Brancher({"--id", "AUTRE", "--points", "0"})) {
            QList<prmBoutonAppareil*> boutons;
            Attendre(
                [&] {
                    boutons = banc.Appareils();
                    return boutons.size() == 2;
                },
                20000);
            if (boutons.size() == 2) {
                boutons.at(1)->click();
                QCoreApplication::processEvents();
                QElapsedTimer retour;
                retour.start();
                boutons.at(0)->click();
                QCoreApplication::sendPostedEvents();
                msRetour = retour.nsecsElapsed() / 1e6;
            }
        }
        Figure("back to the logger, ms", "%.1f", msRetour);
    }
    Figure("peak memory, kB", "%ld", MemoirePicKo());
    Figure("peak memory before the window, kB", "%ld", memoireAvant);
    return 0;
}
