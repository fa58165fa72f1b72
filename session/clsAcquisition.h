#pragma once

#include "DAC.h"

#include <QtGlobal>

// The kind of acquisition running on the selected logger.
enum class enm_ACQUISITION {
    Aucune,         // nothing is received: readings that still arrive are dropped
    Telechargement, // the logger sends its memory: a header, then one line per point
    TempsReel       // the logger sends one reading per period until it is told to stop
};

// Where an acquisition stands.
struct TS_ACQUISITION {
    enm_ACQUISITION Type = enm_ACQUISITION::Aucune;
    quint32 DateDebut = 0;    // s since 1970 UTC: start of the recording
    int Frequence = 0;        // sampling period, s
    int Capteurs = 3;         // sensor mask: 1 temperature, 2 humidity, 3 both
    bool EnteteRecu = false;  // a download's header has come: its readings count
    int NbreAttendus = 0;     // points a download expects (from its header)
    quint32 TempsCourant = 0; // stamp of the next point of a download
    int NbrePoints = 0;       // points received
};

// What the session does after one event; the window (or any other front end)
// carries it out in this order: store, table row and curve segment, progress,
// value axes and statistics, time axis, end of the acquisition, backup.
struct TS_DECISION {
    bool Stocker = false; // store one point
    quint32 Temps = 0;    // its stamp, s since 1970 UTC
    word Temp = 0;        // tenths of a degree (0 for a humidity-only logger)
    word Humi = 0;        // tenths of a percent (0 for a temperature-only logger)
    int Numero = 0;       // its number, 1 for the first point

    bool Demarrage = false;   // a download starts: progress from 0 to NbreAttendus
    bool Progression = false; // progress value: Numero (a download, at each whole percent)
    bool Echelles = false;    // rescale the value axes, refill the statistics
    bool AxeTemps = false;    // the time axis spans [TempsMin, TempsMax]
    double TempsMin = 0.0;
    double TempsMax = 0.0;
    bool Sauvegarde = false;  // write the automatic backup of the points received
    bool Terminee = false;    // the acquisition is over (ended, stopped or lost)
    bool Interrompue = false; // a download ended by the logger's silence: tell the user
};

// The rules of one acquisition, free of widgets and of the port: given its state
// and an event (a header, a reading, a stop, a loss), what to store and show.
// A download moves its progress at each whole percent of the points it expects,
// rescales every 50 points and at its last; real time rescales every
// point, moves its time axis and writes its backup every 20.
class clsAcquisition
{
public:
    static constexpr int PasTelechargement = 50;
    static constexpr int PasTempsReel = 20;
    // A download that receives no line (header or reading) for this long has
    // stopped, ms: its lines come back to back (one every 2.6 ms at 38400
    // baud) and its header within the 2000 ms of a command's reply.
    static constexpr qint64 DelaiSilence = 5000;

    // A new acquisition of a recording that starts at dateDebut, one point every
    // frequence seconds, of the sensors in capteurs.
    void Demarrer(enm_ACQUISITION type, quint32 dateDebut, int frequence, int capteurs);

    // The download header: the parameters of the recording the logger sends.
    // A header announcing no point ends the download.
    TS_DECISION Entete(const DAC::TS_PARAMETRES& params);
    // A line of one reading, which belongs to the only sensor of the mask (ignored
    // with both sensors or none). maintenant: s since 1970 UTC, for real time.
    // During a download only the readings between its header and its last point
    // announced count: a line before the header (a real-time reading still on
    // its way) or after the last point is none of the recording's.
    TS_DECISION Lecture(word valeur, quint32 maintenant);
    // A line of two readings, temperature first.
    TS_DECISION Lecture(word temp, word humi, quint32 maintenant);
    // The user stops, turns to another logger, or the logger is gone: the points
    // received so far are backed up.
    TS_DECISION Arret();
    // Looked at regularly (every few hundred ms) while an acquisition runs;
    // maintenant: a monotonic clock, ms. A download ends as interrupted at the
    // first look DelaiSilence or more after the look that saw its last line
    // (or after its first look, when no line came): as for a loss, the points
    // received are backed up, and the axes end on the last of them. Real time
    // has no such rule (its period may last hours).
    TS_DECISION Surveiller(qint64 maintenant);

    const TS_ACQUISITION& Etat() const { return m_Etat; }
    bool EnCours() const { return m_Etat.Type != enm_ACQUISITION::Aucune; }

private:
    TS_ACQUISITION m_Etat;
    int m_Lignes = 0;         // lines received (header and readings, counted or not)
    int m_LignesVues = -1;    // m_Lignes at the last look; -1: not looked at yet
    qint64 m_DerniereVue = 0; // ms, when the last look saw m_Lignes change
};
