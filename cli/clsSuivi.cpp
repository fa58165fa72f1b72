#include "clsSuivi.h"

#include "CPortSerie.h"
#include "Console.h"
#include "ExportCsv.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace
{
// How often the loss of the port is looked at, ms.
constexpr int PasSurveillance = 100;
} // namespace

clsSuivi::clsSuivi(CPortSerie* port, int capteurs, int periode, bool utc)
    : m_Port(port), m_Capteurs(capteurs), m_Utc(utc)
{
    m_Acquisition.Demarrer(enm_ACQUISITION::TempsReel, quint32(QDateTime::currentSecsSinceEpoch()),
                           periode, capteurs);
}

void clsSuivi::Brancher()
{
    const auto maintenant = [] { return quint32(QDateTime::currentSecsSinceEpoch()); };
    connect(m_Port, QOverload<word>::of(&CPortSerie::DAC_Datas), this,
            [this, maintenant](word v) { Lecture(m_Acquisition.Lecture(v, maintenant())); });
    connect(
        m_Port, QOverload<word, word>::of(&CPortSerie::DAC_Datas), this,
        [this, maintenant](word t, word h) { Lecture(m_Acquisition.Lecture(t, h, maintenant())); });
}

clsSuivi::enm_FIN clsSuivi::Executer()
{
    if (!m_EnteteEcrite) {
        m_EnteteEcrite = true;
        if (!Console::Octets(EnteteCsv(m_Capteurs)))
            Finir(SortieFermee);
    }
    QEventLoop boucle;
    QTimer surveillance;
    connect(&surveillance, &QTimer::timeout, this, [this] {
        if (m_Port->PortPerdu() || !m_Port->isOpen())
            Finir(Perte);
    });
    surveillance.start(PasSurveillance);
    m_Boucle = &boucle;
    if (!m_Fini)
        boucle.exec();
    m_Boucle = nullptr;
    disconnect(m_Port, nullptr, this, nullptr);
    return m_Fin;
}

void clsSuivi::Arreter()
{
    Finir(Arret);
}

void clsSuivi::Lecture(const TS_DECISION& d)
{
    if (!d.Stocker || m_Fini)
        return;
    if (!m_EnteteEcrite) {
        // A reading before Executer(): the header goes first.
        m_EnteteEcrite = true;
        if (!Console::Octets(EnteteCsv(m_Capteurs))) {
            Finir(SortieFermee);
            return;
        }
    }
    const int decalage = QDateTime::fromSecsSinceEpoch(d.Temps, Qt::LocalTime).offsetFromUtc();
    if (!Console::Octets(LigneCsv(d.Temps, decalage, d.Temp, d.Humi, m_Capteurs, m_Utc)))
        Finir(SortieFermee);
}

void clsSuivi::Finir(enm_FIN fin)
{
    if (m_Fini)
        return;
    m_Fin = fin;
    m_Fini = true;
    if (m_Boucle)
        m_Boucle->quit();
}
