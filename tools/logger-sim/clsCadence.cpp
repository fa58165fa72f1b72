#include "clsCadence.h"

namespace {
constexpr qint64 NsParSeconde = 1000000000;
}

clsCadence::clsCadence(int bauds, int bitsParOctet, int fifo)
    : m_bauds(bauds), m_bits(bitsParOctet), m_fifo(fifo)
{
}

qint64 clsCadence::DureeNs(qint64 octets) const
{
    return octets * m_bits * NsParSeconde / m_bauds;
}

qint64 clsCadence::Disponibles(qint64 t) const
{
    const qint64 reste = qMax<qint64>(0, m_finLigne - t);
    const qint64 place = DureeNs(m_fifo) - reste;
    if (place <= 0)
        return 0;
    return place * m_bauds / (qint64(m_bits) * NsParSeconde);
}

void clsCadence::Envoyes(qint64 octets, qint64 t)
{
    m_finLigne = qMax(m_finLigne, t) + DureeNs(octets);
}

qint64 clsCadence::AttenteNs(qint64 octets, qint64 t) const
{
    const qint64 n = qBound<qint64>(1, octets, m_fifo);
    // n bytes fit once the backlog is down to FIFO − n bytes; +1 ns for the rounding down.
    const qint64 attente = (m_finLigne - t) - (DureeNs(m_fifo) - DureeNs(n)) + 1;
    return qMax<qint64>(0, attente);
}
