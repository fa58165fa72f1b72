// Feeds a download from the logger simulator, unpaced, through the real serial
// port into the real measurement window, and prints how the window keeps up:
//   - time from "D" to the last point, and that time divided by the time the same
//     bytes take on the wire at 38400 baud 8N1 (10 bits a byte);
//   - the longest gap between two turns of the event loop during the download
//     (a 1 ms timer that should fire on every turn);
//   - peak memory of the process (VmHWM), before and after;
//   - the time to choose the downloaded logger again after another one (its
//     points drawn and listed anew).
// For reference, measured in the same run: the same download through the serial
// link alone, without the window (the floor set by the simulator and the link's
// 25 ms settle before each read), and the port enumeration that every 500 ms
// watch tick runs on the GUI thread.
//
//     QT_QPA_PLATFORM=offscreen bench_telechargement [readings] [--hidden]
//
// readings: both sensors, all readings together (default 32000, 16000 lines).
// --hidden: the window is not shown (the user looks at the analysis view).
#include "CPortSerie.h"
#include "IFormatsDate.h"
#include "Simulateur.h"
#include "clsSerie.h"
#include "frmMesure.h"
#include "prmBoutonAppareil.h"
#include "ressources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <qwt_plot.h>

#include <cstdio>
#include <sys/resource.h>

namespace
{

// The main window as the view sees it, with its progress bar.
class Hote : public QWidget, public IFormatsDate
{
public:
    Hote()
    {
        resize(903, 600);
        auto* lay = new QVBoxLayout(this);
        m_Fenetre = new frmMesure(this, &m_Chemin);
        lay->addWidget(m_Fenetre, 32);
        auto* barre = new QHBoxLayout;
        m_Message = new QLabel(this);
        m_Barre = new QProgressBar(this);
        barre->addWidget(m_Message);
        barre->addWidget(m_Barre);
        lay->addLayout(barre);
        QObject::connect(m_Fenetre, &frmMesure::SIGNAL_StartPbar, m_Barre,
                         [this](QString message, int min, int max) {
                             m_Message->setText(message);
                             m_Barre->setRange(min, max);
                             m_Barre->setValue(min);
                         });
        QObject::connect(m_Fenetre, &frmMesure::SIGNAL_SetPbarValue, m_Barre,
                         &QProgressBar::setValue);
    }
    enm_LANGUE Langue() const override { return FRANCAIS; }
    QString FormatDate() const override { return QStringLiteral(" dd/MM/yyyy"); }
    QString FormatDateHeure() const override { return QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss"); }
    QString FormatHeure() const override { return QStringLiteral("hh:mm:ss"); }

    QString m_Chemin;
    frmMesure* m_Fenetre;
    QLabel* m_Message;
    QProgressBar* m_Barre;
};

// Peak resident memory of this process, kB.
long MemoirePic()
{
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& ligne : statut.readAll().split('\n')) {
        if (ligne.startsWith("VmHWM:"))
            return ligne.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// CPU time of this process so far (user and system), s.
double TempsProcesseur()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Time of a full replot, painted at once, ms.
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

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Vorsen"));
    app.setApplicationName(QStringLiteral("Vorsen_Logger_bench"));
    initRessources();

    int lectures = 32000;
    bool cache = false;
    for (const QString& argument : app.arguments().mid(1)) {
        if (argument == QLatin1String("--hidden"))
            cache = true;
        else
            lectures = argument.toInt();
    }

    Simulateur sim;
    if (!sim.Demarrer({"--id", "BENCH", "--points", QString::number(lectures), "--sensors", "3",
                       "--period", "60"})) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.Erreur()));
        return 1;
    }
    CPortSerie::AjouterPortsManuels({sim.Lien()});

    // Reference: the link alone, every data line counted and dropped.
    double secondesLien = -1, processeurLien = 0;
    {
        CPortSerie lien(sim.Lien());
        if (!lien.Ouvrir()) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(sim.Lien()));
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
    QElapsedTimer chronoListe;
    chronoListe.start();
    for (int i = 0; i < 5; ++i)
        CPortSerie::ListePorts();
    const double msListe = chronoListe.nsecsElapsed() / 5e6;

    const long memoireAvant = MemoirePic();
    Hote hote;
    if (!cache)
        hote.show();
    hote.m_Fenetre->Rechercher();
    auto* telecharger = hote.m_Fenetre->findChild<QToolButton*>(QStringLiteral("btnTelecharger"));
    QElapsedTimer attente;
    attente.start();
    while (!telecharger->isEnabled() && attente.elapsed() < 20000)
        app.processEvents(QEventLoop::AllEvents, 50);
    if (!telecharger->isEnabled()) {
        std::fprintf(stderr, "the simulated logger was not found\n");
        return 1;
    }

    auto* graphe = hote.m_Fenetre->findChild<QwtPlot*>(QStringLiteral("m_qPlot"));
    const double msTraceVide = MesurerTrace(graphe);

    // A 1 ms timer fires on every turn of the event loop, nested loops included.
    QElapsedTimer horloge;
    qint64 dernierTour = 0;
    qint64 plusLongEcart = 0;
    QTimer tours;
    tours.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tours, &QTimer::timeout, [&] {
        const qint64 maintenant = horloge.nsecsElapsed();
        plusLongEcart = qMax(plusLongEcart, maintenant - dernierTour);
        dernierTour = maintenant;
    });

    qint64 duree = -1;
    double processeur = 0;
    QObject::connect(hote.m_Fenetre, &frmMesure::SIGNAL_StopPbar, &app, [&] {
        duree = horloge.nsecsElapsed();
        processeur = TempsProcesseur() - processeur;
        tours.stop();
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    processeur = TempsProcesseur();
    horloge.start();
    tours.start(1);
    telecharger->click(); // sends "D"
    QTimer::singleShot(600000, &app, &QApplication::quit);
    app.exec();
    if (duree < 0) {
        std::fprintf(stderr, "the download did not end within 10 minutes\n");
        return 1;
    }

    // What each rescale (every 50 points) costs once the curves are complete.
    const double msTrace = MesurerTrace(graphe);

    // Bytes on the wire: the header and one "d T H" line per point, each ending in CR.
    const clsSerie* s = hote.m_Fenetre->SerieCourante();
    qint64 octets = 0;
    for (int i = 0; i < s->NbrePoints; ++i) {
        octets += QStringLiteral("d %1 %2\r")
                      .arg(s->Temperature.Valeurs.at(i))
                      .arg(s->Humidite.Valeurs.at(i))
                      .size();
    }
    octets += QStringLiteral("m %1 60 M 0000 0000 3\r").arg(lectures).size();
    const double secondesLigne = octets * 10.0 / 38400.0;
    const double secondes = duree / 1e9;

    // Another logger plugged in and chosen, then the downloaded one again: its
    // points are drawn and listed anew (the time includes its "Q" and reply).
    double msRetour = -1;
    Simulateur autre;
    if (autre.Demarrer({"--id", "AUTRE", "--points", "0"})) {
        CPortSerie::AjouterPortsManuels({autre.Lien()});
        QList<prmBoutonAppareil*> boutons;
        attente.restart();
        while (boutons.size() < 2 && attente.elapsed() < 20000) {
            app.processEvents(QEventLoop::AllEvents, 50);
            boutons = hote.m_Fenetre->findChildren<prmBoutonAppareil*>();
        }
        if (boutons.size() == 2) {
            boutons.at(1)->click();
            app.processEvents();
            QElapsedTimer retour;
            retour.start();
            boutons.at(0)->click();
            msRetour = retour.nsecsElapsed() / 1e6;
        }
    }

    std::printf("readings                   %d (%d points, %lld bytes)\n", lectures, s->NbrePoints,
                octets);
    std::printf("window                     %s\n", cache ? "hidden" : "shown");
    std::printf("wire time at 38400 baud    %.2f s\n", secondesLigne);
    std::printf("\"D\" to last point          %.3f s\n", secondes);
    std::printf("ratio to the wire          %.4f (goal below 0.05)\n", secondes / secondesLigne);
    std::printf("CPU time of the program    %.3f s (ratio to the wire %.4f)\n", processeur,
                processeur / secondesLigne);
    std::printf("link alone (reference)     %.3f s, CPU %.3f s (ratio to the wire %.4f)\n",
                secondesLien, processeurLien, secondesLien / secondesLigne);
    std::printf("window / link alone        %.2f\n", secondes / secondesLien);
    std::printf("port enumeration per tick  %.1f ms\n", msListe);
    std::printf("full replot                %.1f ms with every point, %.1f ms empty\n", msTrace,
                msTraceVide);
    std::printf("longest event-loop gap     %.1f ms (goal below 50 ms)\n", plusLongEcart / 1e6);
    std::printf("back to the logger         %.1f ms (%d points shown again)\n", msRetour,
                hote.m_Fenetre->SerieCourante() ? hote.m_Fenetre->SerieCourante()->NbrePoints : 0);
    std::printf("peak memory                %ld kB (%ld kB before the window)\n", MemoirePic(),
                memoireAvant);
    return 0;
}
