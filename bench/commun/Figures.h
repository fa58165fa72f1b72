#pragma once

// What the benchmarks print: one figure a line, "label<TAB>value", so that the
// bench script can put the offscreen and X11 runs of the same benchmark side by
// side. Lines without a tab are comments.

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <cstdarg>
#include <cstdio>

#include <sys/resource.h>

inline void Figure(const char* label, const char* format, ...)
{
    std::printf("%s\t", label);
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

// CPU time of this process so far, user and system, s.
inline double TempsProcesseur()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Peak resident memory of this process, kB.
inline long MemoirePicKo()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

// Gaps between turns of the event loop: a 1 ms timer fires on every turn,
// nested loops included, so the time between two of its ticks is the longest
// the loop went without looking at its events.
class EcartsBoucle : public QObject
{
public:
    EcartsBoucle()
    {
        m_Tours.setTimerType(Qt::PreciseTimer);
        connect(&m_Tours, &QTimer::timeout, this, [this] {
            const qint64 maintenant = m_Horloge.nsecsElapsed();
            const qint64 ecart = maintenant - m_Dernier;
            m_Dernier = maintenant;
            if (ecart > m_PlusLong) {
                m_PlusLong = ecart;
                m_Moment = maintenant - ecart;
            }
            if (ecart > 50000000)
                ++m_Longs;
        });
    }
    void Demarrer()
    {
        m_PlusLong = 0;
        m_Longs = 0;
        m_Horloge.start();
        m_Dernier = 0;
        m_Tours.start(1);
    }
    void Arreter() { m_Tours.stop(); }
    double PlusLongMs() const { return m_PlusLong / 1e6; }
    double MomentPlusLongS() const { return m_Moment / 1e9; } // its start, s after Demarrer()
    int Longs() const { return m_Longs; }                     // gaps above 50 ms

private:
    QTimer m_Tours;
    QElapsedTimer m_Horloge;
    qint64 m_Dernier = 0;
    qint64 m_PlusLong = 0;
    qint64 m_Moment = 0;
    int m_Longs = 0;
};
