#pragma once

// Exit status of vorsen, which scripts rely on.
enum enm_SORTIE {
    SORTIE_OK = 0,      // done
    SORTIE_USAGE = 1,   // usage error, or a request the logger cannot take
    SORTIE_PORT = 2,    // no such logger or port: not found, access refused, in use
    SORTIE_SILENCE = 3, // the logger stopped answering or vanished part-way
    SORTIE_REFUS = 4,   // the logger refused a command
    SORTIE_FICHIER = 5  // a file could not be read or written
};
