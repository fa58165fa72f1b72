// Exports a full 71246 recording (16000 points, both sensors) to a workbook and
// prints the time and peak memory of each step. Each step runs in a child process
// of its own so that its peak resident size (getrusage ru_maxrss) is not the peak
// of an earlier step. Times are the median of several runs; the references are the
// same recording saved as .ail + .txt in the same run, and libxlsxwriter alone
// writing the same cells.
#include <clsSerie.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "MesureFils.h"
#include "ReferenceXlsx.h"

namespace
{

const int NbrePointsBench = 16000;
const int Fois = 5;

// Median over several runs of travail(), in ms; -1 if one of them failed.
double Mediane(const std::function<bool()>& travail)
{
    std::vector<double> temps;
    for (int i = 0; i < Fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        if (!travail())
            return -1;
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}


// A downloaded 71246: 5 s period, both channels.
void Remplir(clsSerie& s, const QString& dossier)
{
    s.Infos.ID = QStringLiteral("BENCH");
    s.Infos.Appareil = 3;
    s.NbrePoints = 0;
    for (int i = 0; i < NbrePointsBench; ++i)
        s.AjouterPoint(1459339509u + 5u * i, 150 + (i * 7) % 200, 400 + (i * 13) % 300);
    s.Chemin = dossier;
    s.Nom = QStringLiteral("bench");
}

void Ligne(const char* etape, const Mesure& m, const Mesure& reference, double rssRepere)
{
    if (m.ms < 0) {
        std::printf("%-40s   failed\n", etape);
        return;
    }
    char rapport[32] = "-";
    if (reference.ms > 0)
        std::snprintf(rapport, sizeof rapport, "%.1f", m.ms / reference.ms);
    std::printf("%-40s %9.2f %9s %9.1f %9.1f\n", etape, m.ms, rapport, m.rssMio,
                m.rssMio - rssRepere);
}

} // namespace

int main(int argc, char** argv)
{
    // The export processes events after each row, as under the program's window.
    QCoreApplication app(argc, argv);
    QTemporaryDir dossier;
    if (!dossier.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString d = dossier.path();

    const Mesure serie = DansUnFils([&] {
        clsSerie s;
        Remplir(s, d);
        return 0.0;
    });
    const Mesure sauver = DansUnFils([&] {
        clsSerie s;
        Remplir(s, d);
        return Mediane([&] { return s.Sauvegarder(s.Nom, d); });
    });
    const Mesure exporter = DansUnFils([&] {
        clsSerie s;
        Remplir(s, d);
        return Mediane([&] { return s.ExportExcel(1); });
    });
    const Mesure exporterAnglais = DansUnFils([&] {
        clsSerie s;
        Remplir(s, d);
        return Mediane([&] { return s.ExportExcel(0); });
    });

    const Mesure seul = DansUnFils([&] {
        clsSerie s;
        Remplir(s, d);
        std::vector<double> temps;
        for (int i = 0; i < Fois; ++i)
            temps.push_back(ReferenceXlsx(s, 1));
        std::sort(temps.begin(), temps.end());
        return temps.front() < 0 ? -1.0 : temps[temps.size() / 2];
    });

    const qint64 tailleXlsx = QFile(d + QStringLiteral("/bench.xlsx")).size();
    const qint64 tailleTxt = QFile(d + QStringLiteral("/bench.txt")).size();
    std::printf("Recording of %d points: workbook %lld bytes, points file %lld bytes\n\n",
                NbrePointsBench, tailleXlsx, tailleTxt);
    std::printf("%-40s %9s %9s %9s %9s\n", "step", "ms", "x ref", "peak MiB", "+MiB");
    Ligne("series built in memory (memory ref)", serie, Mesure(), serie.rssMio);
    Ligne("ref S: Sauvegarder (.ail + .txt)", sauver, sauver, serie.rssMio);
    Ligne("ExportExcel, French dates, x S", exporter, sauver, serie.rssMio);
    Ligne("ExportExcel, English dates, x S", exporterAnglais, sauver, serie.rssMio);
    Ligne("ref X: libxlsxwriter alone, same cells", seul, seul, serie.rssMio);
    Ligne("ExportExcel, French dates, x X", exporter, seul, serie.rssMio);
    if (exporter.ms > 0)
        std::printf("\n%.2f us per point; the cell-by-cell automation made %d round trips "
                    "(2 per cell, 5 cells per row).\n",
                    exporter.ms * 1000.0 / NbrePointsBench, 2 * 5 * (NbrePointsBench + 1));
    std::printf("+MiB: peak above the child that only builds the series.\n");
    return 0;
}
