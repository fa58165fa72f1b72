#include "clsTelechargement.h"

#include "CPortSerie.h"
#include "clsSerie.h"

#include <QEventLoop>
#include <QTimer>

namespace
{
// How often the loss of the port and the time-outs are looked at, ms.
constexpr int PasSurveillance = 100;
// Shortest interval between two progress reports, ms.
constexpr int PasSuivi = 100;
} // namespace

clsTelechargement::clsTelechargement(CPortSerie* port, clsSerie* serie)
    : m_Port(port), m_Serie(serie)
{
}

void clsTelechargement::setProgression(std::function<void(int, int, double)> suivi)
{
    m_Suivi = std::move(suivi);
}

clsTelechargement::enm_FIN clsTelechargement::Executer()
{
    // As the window prepares a download: empty channels, no point counted yet.
    m_Serie->EffacerVoies();
    m_Serie->NbrePoints = 0;
    m_Serie->Infos.Mode = 1;
    m_Acquisition.Demarrer(enm_ACQUISITION::Telechargement, 0, 0, 3);
    m_Fini = false;
    m_PerteVue = false;
    m_EnteteRecue = false;

    connect(m_Port, &CPortSerie::DAC_DownLoad, this, &clsTelechargement::Entete);
    connect(m_Port, QOverload<word>::of(&CPortSerie::DAC_Datas), this,
            [this](word v) { Lecture(m_Acquisition.Lecture(v, 0)); });
    connect(m_Port, QOverload<word, word>::of(&CPortSerie::DAC_Datas), this,
            [this](word t, word h) { Lecture(m_Acquisition.Lecture(t, h, 0)); });

    QEventLoop boucle;
    m_Boucle = &boucle;
    QTimer surveillance;
    connect(&surveillance, &QTimer::timeout, this, &clsTelechargement::Surveiller);
    surveillance.start(PasSurveillance);

    m_Chrono.start();
    m_DerniereLigne.start();
    m_Port->DownLoad();
    if (!m_Fini)
        boucle.exec();
    m_Boucle = nullptr;
    disconnect(m_Port, nullptr, this, nullptr);
    Suivre(true);
    return m_Fin;
}

void clsTelechargement::Entete(const DAC::TS_PARAMETRES& params)
{
    m_DerniereLigne.restart();
    const TS_DECISION d = m_Acquisition.Entete(params);
    if (!d.Demarrage)
        return;
    m_EnteteRecue = true;
    m_Serie->Infos.Capteurs = params.Capteurs;
    m_Serie->Infos.Unite = params.Unite;
    m_Serie->Infos.DateDebut = params.DateDebut;
    m_Serie->Infos.Frequence = params.Frequence;
    Suivre(true);
    if (d.Terminee)
        Finir(Complet);
}

void clsTelechargement::Lecture(const TS_DECISION& d)
{
    m_DerniereLigne.restart();
    if (!d.Stocker)
        return;
    m_Serie->AjouterPoint(d.Temps, d.Temp, d.Humi);
    Suivre(false);
    if (d.Terminee)
        Finir(Complet);
}

void clsTelechargement::Surveiller()
{
    if (m_Fini || m_PerteVue)
        return;
    if (m_Port->PortPerdu() || !m_Port->isOpen()) {
        // The last lines saved from the port's buffer are dispatched on a later
        // turn of the loop: wait for them before ending.
        m_PerteVue = true;
        QTimer::singleShot(PasSurveillance, this, [this] {
            if (!m_Fini)
                Finir(Perte);
        });
        return;
    }
    if (!m_EnteteRecue) {
        // A reply instead of the header: the logger refused the download.
        const QStringList reponses = m_Port->ReponsesEnAttente();
        if (!reponses.isEmpty()) {
            m_Refus = reponses.first();
            Finir(Refus);
        } else if (m_DerniereLigne.elapsed() > DelaiEntete) {
            Finir(Silence);
        }
        return;
    }
    // The window's rule, for the same logger.
    if (m_Acquisition.Surveiller(m_Chrono.elapsed()).Terminee)
        Finir(Silence);
}

void clsTelechargement::Finir(enm_FIN fin)
{
    m_Fin = fin;
    m_Fini = true;
    if (m_Boucle)
        m_Boucle->quit();
}

void clsTelechargement::Suivre(bool toujours)
{
    if (!m_Suivi)
        return;
    const qint64 maintenant = m_Chrono.elapsed();
    if (!toujours && maintenant - m_DernierSuivi < PasSuivi)
        return;
    m_DernierSuivi = maintenant;
    m_Suivi(Recus(), Attendus(), maintenant / 1000.0);
}
