// Writes and reads a 32000-point recording (a full 71240 download) and a points
// file of one million lines, and prints the time and peak memory of each step.
// Each step runs in a child process of its own so that its peak resident size
// (getrusage ru_maxrss) is not the peak of an earlier step. Times are the median
// of several runs; the references are the same bytes written and read with a
// plain QFile in the same run, and the series built in memory without any file.
#include <FichierPoints.h>
#include <clsSerie.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "MesureFils.h"

namespace
{

const int NbrePointsBench = 32000;
const int NbreLignesGrand = 1000000;

// Median over several runs of travail(), in ms.
double Mediane(int fois, const std::function<void()>& travail)
{
    std::vector<double> temps;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        temps.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}

// A download as the measurement window builds it: 5 s period, both channels.
void Remplir(clsSerie& s)
{
    s.Infos.ID = QStringLiteral("BENCH");
    s.Infos.Appareil = 1;
    s.NbrePoints = 0;
    for (int i = 0; i < NbrePointsBench; ++i)
        s.AjouterPoint(1459339509u + 5u * i, 150 + (i * 7) % 200, 400 + (i * 13) % 300);
}

QByteArray LireTout(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void EcrireTout(const QString& chemin, const QByteArray& octets, bool synchroniser = false)
{
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && synchroniser) {
        f.flush();
        fsync(f.handle());
    }
}

void Ligne(const char* etape, const Mesure& m, const Mesure& reference, double rssRepere)
{
    if (m.ms < 0) {
        std::printf("%-44s   failed\n", etape);
        return;
    }
    char rapport[32] = "-";
    if (reference.ms > 0)
        std::snprintf(rapport, sizeof rapport, "%.1f", m.ms / reference.ms);
    std::printf("%-44s %9.2f %9s %9.1f %9.1f\n", etape, m.ms, rapport, m.rssMio,
                m.rssMio - rssRepere);
}

} // namespace

int main()
{
    QTemporaryDir dossier;
    if (!dossier.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString d = dossier.path();
    const QString nom = QStringLiteral("bench");

    // Nothing but the process itself: the memory every child starts from.
    const Mesure vide = DansUnFils([] { return 0.0; });

    const Mesure memoire = DansUnFils([] {
        return Mediane(5, [] {
            clsSerie s;
            Remplir(s);
        });
    });
    const Mesure ecrire = DansUnFils([&] {
        clsSerie s;
        Remplir(s);
        return Mediane(5, [&] { s.Sauvegarder(nom, d); });
    });
    const qint64 tailleTxt = QFile(d + QStringLiteral("/bench.txt")).size();
    const qint64 tailleAil = QFile(d + QStringLiteral("/bench.ail")).size();
    const Mesure ecrireBrut = DansUnFils([&] {
        const QByteArray txt = LireTout(d + QStringLiteral("/bench.txt"));
        const QByteArray ail = LireTout(d + QStringLiteral("/bench.ail"));
        return Mediane(5, [&] {
            EcrireTout(d + QStringLiteral("/brut.txt"), txt);
            EcrireTout(d + QStringLiteral("/brut.ail"), ail);
        });
    });
    const Mesure ecrireBrutSync = DansUnFils([&] {
        const QByteArray txt = LireTout(d + QStringLiteral("/bench.txt"));
        const QByteArray ail = LireTout(d + QStringLiteral("/bench.ail"));
        return Mediane(5, [&] {
            EcrireTout(d + QStringLiteral("/brut.txt"), txt, true);
            EcrireTout(d + QStringLiteral("/brut.ail"), ail, true);
        });
    });
    const Mesure lire = DansUnFils([&] {
        return Mediane(5, [&] {
            clsSerie s;
            s.Ouvrir(nom, d, 3);
        });
    });
    const Mesure lireBrut = DansUnFils([&] {
        return Mediane(5, [&] {
            LireTout(d + QStringLiteral("/bench.txt"));
            LireTout(d + QStringLiteral("/bench.ail"));
        });
    });

    std::printf("Recording of %d points: %lld bytes of points, %lld bytes of header\n\n",
                NbrePointsBench, tailleTxt, tailleAil);
    std::printf("%-44s %9s %9s %9s %9s\n", "step", "ms", "x ref", "peak MiB", "+MiB");
    Ligne("empty child (memory reference)", vide, Mesure(), vide.rssMio);
    Ligne("ref W: same bytes written with QFile", ecrireBrut, ecrireBrut, vide.rssMio);
    Ligne("    same bytes, QFile + fsync", ecrireBrutSync, ecrireBrut, vide.rssMio);
    Ligne("Sauvegarder (QSaveFile .txt + .ail), x W", ecrire, ecrireBrut, vide.rssMio);
    Ligne("ref R: series built in memory, no file", memoire, memoire, vide.rssMio);
    Ligne("    same bytes read with QFile::readAll", lireBrut, memoire, vide.rssMio);
    Ligne("Ouvrir (header + points + statistics), x R", lire, memoire, vide.rssMio);

    // One million lines, as a points file from elsewhere may hold.
    DansUnFils([&] {
        QByteArray contenu;
        contenu.reserve(NbreLignesGrand * 22);
        for (int i = 0; i < NbreLignesGrand; ++i)
            AjouterLignePoints(contenu, 1459339509u + 5u * i, i % 1000, 500 + i % 300);
        EcrireTout(d + QStringLiteral("/grand.txt"), contenu);
        clsSerie s;
        s.NbrePoints = NbreLignesGrand;
        s.Ecrire(QStringLiteral("grand_entete"), d);
        QFile::rename(d + QStringLiteral("/grand_entete.ail"), d + QStringLiteral("/grand.ail"));
        return 0.0;
    });
    const qint64 tailleGrand = QFile(d + QStringLiteral("/grand.txt")).size();
    const Mesure lireGrandBrut =
        DansUnFils([&] { return Mediane(3, [&] { LireTout(d + QStringLiteral("/grand.txt")); }); });
    const Mesure memoireGrand = DansUnFils([&] {
        return Mediane(3, [&] {
            clsSerie s;
            s.NbrePoints = 0;
            for (int i = 0; i < NbreLignesGrand; ++i)
                s.AjouterPoint(1459339509u + 5u * i, i % 1000, 500 + i % 300);
        });
    });
    const Mesure lireGrand = DansUnFils([&] {
        return Mediane(3, [&] {
            clsSerie s;
            s.Ouvrir(QStringLiteral("grand"), d, 3);
        });
    });
    std::printf("\nPoints file of %d lines, %lld bytes (%.1f MiB)\n\n", NbreLignesGrand,
                tailleGrand, tailleGrand / 1048576.0);
    std::printf("%-44s %9s %9s %9s %9s\n", "step", "ms", "x ref", "peak MiB", "+MiB");
    Ligne("ref R: series built in memory, no file", memoireGrand, memoireGrand, vide.rssMio);
    Ligne("    same bytes read with QFile::readAll", lireGrandBrut, memoireGrand, vide.rssMio);
    Ligne("Ouvrir, x R", lireGrand, memoireGrand, vide.rssMio);
    std::printf("\n+MiB: peak above the empty child. Points held: 3 x %d values.\n",
                NbreLignesGrand);
    return 0;
}
