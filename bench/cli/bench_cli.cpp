// Download of a full logger memory from the simulator, unpaced, through the real
// vorsen executable, and prints how it keeps up: the time from starting vorsen to
// its exit (its probe of the logger, the download, the files written), and that
// time divided by the time the same bytes take on the wire at 38400 baud 8N1 (10
// bits a byte); the same with the CSV and workbook copies; vorsen's peak memory.
//
//     bench_cli [readings]
//
// readings: both sensors, all readings together (default 32000, 16000 lines).
#include "Simulateur.h"
#include "clsSerie.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace
{

struct Mesure {
    double Secondes = -1;
    QString Ail; // the recording written
};

Mesure Telecharger(const QString& lien, const QString& dossier, const QStringList& formats)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dossier);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dossier + QStringLiteral("/config"));
    QProcess vorsen;
    vorsen.setProcessEnvironment(env);
    QStringList arguments{"download", lien, "-o", dossier, "--name", "bench"};
    for (const QString& f : formats)
        arguments << "--format" << f;
    QElapsedTimer chrono;
    chrono.start();
    vorsen.start(QStringLiteral(VORSEN_BIN_DIR "/vorsen"), arguments);
    if (!vorsen.waitForFinished(600000) || vorsen.exitCode() != 0) {
        std::fprintf(stderr, "vorsen: %s\n", vorsen.readAllStandardError().constData());
        return Mesure();
    }
    Mesure m;
    m.Secondes = chrono.nsecsElapsed() / 1e9;
    m.Ail = dossier + QStringLiteral("/bench.ail");
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int lectures = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 32000;

    Simulateur sim;
    if (!sim.Demarrer({"--id", "BENCH", "--points", QString::number(lectures), "--sensors", "3",
                       "--period", "60"})) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.Erreur()));
        return 1;
    }
    QTemporaryDir seul, tous;
    const Mesure ail = Telecharger(sim.Lien(), seul.path(), {});
    const Mesure copies = Telecharger(sim.Lien(), tous.path(), {"csv", "xlsx"});
    if (ail.Secondes < 0 || copies.Secondes < 0)
        return 1;
    rusage enfants{};
    getrusage(RUSAGE_CHILDREN, &enfants); // the two vorsen runs; the simulator still runs

    // Bytes on the wire: the header and one "d T H" line per point, each ending in CR.
    clsSerie serie;
    const QFileInfo fichier(ail.Ail);
    if (!serie.Ouvrir(fichier.fileName(), fichier.absolutePath(), 3))
        return 1;
    const int points = serie.NbrePointsPresents();
    qint64 octets = QStringLiteral("m %1 60 M 0000 0000 3\r").arg(lectures).size();
    for (int i = 0; i < points; ++i) {
        octets += QStringLiteral("d %1 %2\r")
                      .arg(serie.Temperature.Valeurs.at(i))
                      .arg(serie.Humidite.Valeurs.at(i))
                      .size();
    }
    const double fil = octets * 10.0 / 38400.0;

    std::printf("vorsen download, %d readings (%d points, %lld bytes, %.1f s on the wire):\n",
                lectures, points, octets, fil);
    std::printf("  .ail + .txt:              %7.2f s  = %.3f x wire time\n", ail.Secondes,
                ail.Secondes / fil);
    std::printf("  .ail + .txt + csv + xlsx: %7.2f s  = %.3f x wire time\n", copies.Secondes,
                copies.Secondes / fil);
    std::printf("  peak memory of vorsen:    %7.1f MiB\n", enfants.ru_maxrss / 1024.0);
    return 0;
}
