#pragma once

// What the measurement window shows, and lets the user do, for the selected logger.
enum class enm_ETAT_MESURE {
    AucunAppareil,  // no logger selected: device page, nothing to download, save or program
    Selectionne,    // selected and idle: download when the logger reports points
    Telechargement, // from "D" to the last expected point
    TempsReel,      // programmed in real time: every reading is a point until Stop
    Donnees         // idle, the recording holds points that can be saved
};
