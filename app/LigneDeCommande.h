#pragma once

#include <QStringList>

// What the command line of the windowed program asks for.
struct TS_LIGNE {
    QStringList Ports;    // --port PATH, repeatable: looked at whatever their adapter
    QStringList Fichiers; // recordings (.ail) to add to the analysis view, absolute paths
};

// Reads the command line before any application object exists. Returns -1 when
// the program goes on, with ligne filled. Otherwise it has answered and returns
// the exit code: 0 after --help or --version (standard output), 2 after an
// unknown option or a missing value (standard error). Answering needs no display:
// only a core application is created for it. Qt's own options ("-platform
// offscreen", "-style Fusion"...) are accepted and left to the application object.
int LireLigneDeCommande(int& argc, char** argv, TS_LIGNE& ligne);
