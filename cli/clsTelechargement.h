#pragma once

#include "clsAcquisition.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>

class CPortSerie;
class QEventLoop;
class clsSerie;

// One download through a port already open: "D", the header, one point per data
// line into the recording, until the last point, a refusal, silence or the loss
// of the logger. The link sets no time-out on a download; this one does.
class clsTelechargement : public QObject
{
    Q_OBJECT

public:
    enum enm_FIN {
        Complet, // every point announced was received
        Refus,   // the logger answered "D" with something else than a header
        Silence, // no header within DelaiEntete, or the session's silence rule
        Perte    // the port went away
    };

    // The logger sends its header within 2000 ms (as a programming reply), then
    // its data lines back to back: after clsAcquisition::DelaiSilence without
    // one, it stopped.
    static constexpr int DelaiEntete = 2000;

    // serie: emptied, then filled; its identity (ID, model, port) is the caller's.
    clsTelechargement(CPortSerie* port, clsSerie* serie);

    // Called at the header and then at most every 100 ms, and at the end.
    void setProgression(std::function<void(int recus, int attendus, double secondes)> suivi);

    enm_FIN Executer();
    int Recus() const { return m_Acquisition.Etat().NbrePoints; }
    int Attendus() const { return m_Acquisition.Etat().NbreAttendus; }
    // The reply that was not a header, for a refusal.
    QString ReponseRefus() const { return m_Refus; }

private:
    void Entete(const DAC::TS_PARAMETRES& params);
    void Lecture(const TS_DECISION& d);
    void Surveiller();
    void Finir(enm_FIN fin);
    void Suivre(bool toujours);

    CPortSerie* m_Port;
    clsSerie* m_Serie;
    clsAcquisition m_Acquisition;
    std::function<void(int, int, double)> m_Suivi;
    QEventLoop* m_Boucle = nullptr;
    enm_FIN m_Fin = Silence;
    bool m_Fini = false;
    bool m_PerteVue = false; // the port is gone; the lines it left are still to come
    bool m_EnteteRecue = false;
    QElapsedTimer m_Chrono;        // since "D"
    QElapsedTimer m_DerniereLigne; // since the last line received
    qint64 m_DernierSuivi = -1000;
    QString m_Refus;
};
