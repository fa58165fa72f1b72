#pragma once

// Runs one benchmark step in a child process so that its peak resident size
// (getrusage ru_maxrss) is its own, not the peak of an earlier step.

#include <cstdio>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

struct Mesure {
    double ms = -1;     // time the step reported, ms
    double rssMio = -1; // peak resident size of the child, MiB
};

// etape runs in the child and returns its time in ms.
inline Mesure DansUnFils(const std::function<double()>& etape)
{
    int tube[2];
    if (pipe(tube) != 0)
        return Mesure();
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid < 0)
        return Mesure();
    if (pid == 0) {
        close(tube[0]);
        const double ms = etape();
        if (write(tube[1], &ms, sizeof ms) != sizeof ms)
            _exit(1);
        _exit(0);
    }
    close(tube[1]);
    Mesure m;
    if (read(tube[0], &m.ms, sizeof m.ms) != sizeof m.ms)
        m.ms = -1;
    close(tube[0]);
    int statut = 0;
    struct rusage ru = {};
    if (wait4(pid, &statut, 0, &ru) == pid)
        m.rssMio = ru.ru_maxrss / 1024.0; // KiB on Linux
    return m;
}
