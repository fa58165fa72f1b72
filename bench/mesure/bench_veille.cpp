// CPU time of the idle program: the main window with its measurement view
// watching the ports (a tick every 500 ms), first with no logger plugged in, then
// with one, selected and doing nothing. Run it offscreen and on an X display
// (the bench script does both).
//
//     bench_veille [seconds]
//
// seconds: length of each measure (default 30).
#include "CPortSerie.h"
#include "ClesReglages.h"
#include "Figures.h"
#include "Simulateur.h"
#include "frmMain.h"
#include "frmMesure.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace
{

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

// Share of one core the process used over ms of its event loop, in %.
double Charge(int ms)
{
    QElapsedTimer mur;
    const double avant = TempsProcesseur();
    mur.start();
    QEventLoop boucle; // nothing but the program's own events and timers
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
    return 100.0 * (TempsProcesseur() - avant) / (mur.nsecsElapsed() / 1e9);
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
    const int secondes = app.arguments().value(1, QStringLiteral("30")).toInt();

    frmMain principale;
    principale.show();
    frmMesure* fenetre = principale.findChild<frmMesure*>();
    Attendre([] { return false; }, 2000); // start-up settles
    const double sansEnregistreur = Charge(secondes * 1000);

    Simulateur sim;
    if (!sim.Demarrer({"--id", "VEILLE", "--points", "200"})) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.Erreur()));
        return 1;
    }
    CPortSerie::AjouterPortsManuels({sim.Lien()});
    auto* telecharger = fenetre->findChild<QToolButton*>(QStringLiteral("btnTelecharger"));
    if (!Attendre([&] { return telecharger->isEnabled(); }, 20000)) {
        std::fprintf(stderr, "the simulated logger was not found\n");
        return 1;
    }
    Attendre([] { return false; }, 2000);
    const double avecEnregistreur = Charge(secondes * 1000);

    std::printf("Idle main window over %d s, share of one core.\n", secondes);
    Figure("idle CPU, no logger, %", "%.2f", sansEnregistreur);
    Figure("idle CPU, one logger selected, %", "%.2f", avecEnregistreur);
    return 0;
}
