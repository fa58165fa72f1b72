#pragma once

#include "clsAcquisition.h"

#include <QObject>

class CPortSerie;
class QEventLoop;

// Real-time readings of a logger as CSV rows on standard output, each stamped
// with the PC's time of arrival, until Arreter() or the loss of the logger.
class clsSuivi : public QObject
{
    Q_OBJECT

public:
    enum enm_FIN {
        Arret,        // Arreter() was called (Ctrl+C, SIGTERM)
        Perte,        // the port went away
        SortieFermee, // standard output could not be written (its reader went away)
    };

    // capteurs: the sensors the logger was programmed with; utc: stamps in UTC.
    clsSuivi(CPortSerie* port, int capteurs, int periode, bool utc);

    // Takes the readings from now on (before the programming that starts them).
    void Brancher();
    // Writes the CSV header, then one row per reading until the end.
    enm_FIN Executer();
    void Arreter();
    int Lignes() const { return m_Acquisition.Etat().NbrePoints; }

private:
    void Lecture(const TS_DECISION& d);
    void Finir(enm_FIN fin);

    CPortSerie* m_Port;
    int m_Capteurs;
    bool m_Utc;
    clsAcquisition m_Acquisition;
    QEventLoop* m_Boucle = nullptr;
    enm_FIN m_Fin = Arret;
    bool m_Fini = false;
    bool m_EnteteEcrite = false;
};
