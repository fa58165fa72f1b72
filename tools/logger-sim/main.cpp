// logger-sim: a simulated logger on a pseudo-terminal, for the demo and the
// integration tests.
//
//   logger-sim --link /tmp/vorsen-sim [--id DEMO] [--model 71240] [--points 3000]
//              [--sensors 3] [--period 60] [--paced] [--log -] [faults...]
//
// It creates a pseudo-terminal (both ends raw), points the symlink given by
// --link at its slave, prints that path alone on the first line of stdout once
// the link is ready, then answers the logger commands I, M, D, J, S, A, C and Q
// until SIGTERM or SIGINT, which remove the link and exit with 0. Start the
// program with --port on the same path. Commands may end with CR, LF or CR LF;
// replies and data lines end with CR. The stored recording is generated from
// --seed, so the same options give the same readings. --paced writes at
// 38400 baud 8N1 (3840 bytes/s); --time-scale shortens the real-time period;
// --log records every line received. Fault options (--no-reply, --delay-reply,
// --split-replies, --garbage, --no-cr, --question-s, --fail-first, --fail-after,
// --unplug-after, --silent-after) are described by --help.
//
// Exit codes: 0 after a signal or --unplug-after, 1 when the pseudo-terminal
// or the link cannot be made, 2 on a bad command line.

#include "clsConfigSim.h"
#include "clsSimulateur.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("logger-sim"));

    clsConfigSim config;
    QString message;
    switch (clsConfigSim::Lire(app.arguments(), &config, &message)) {
    case clsConfigSim::AIDE:
        std::fputs(qPrintable(message), stdout);
        return 0;
    case clsConfigSim::ERREUR:
        std::fprintf(stderr, "logger-sim : %s\n", qPrintable(message));
        return 2;
    case clsConfigSim::OK:
        break;
    }

    clsSimulateur simulateur(config);
    QString erreur;
    if (!simulateur.InstallerSignaux(&erreur) || !simulateur.Demarrer(&erreur)) {
        std::fprintf(stderr, "logger-sim : %s\n", qPrintable(erreur));
        return 1;
    }
    std::printf("%s\n", qPrintable(config.Lien));
    std::fflush(stdout);
    return app.exec();
}
