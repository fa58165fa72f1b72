#include "clsCadence.h"

namespace
{
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
    // Bytes still in the FIFO: those whose wire time has not ended, rounded up.
    const qint64 reste = qMax<qint64>(0, m_finLigne - t);
    const qint64 parOctet = qint64(m_bits) * NsParSeconde;
    const qint64 dansFifo = (reste * m_bauds + parOctet - 1) / parOctet;
    return qMax<qint64>(0, m_fifo - dansFifo);
}

void clsCadence::Envoyes(qint64 octets, qint64 t)
{
    m_finLigne = qMax(m_finLigne, t) + DureeNs(octets);
}

qint64 clsCadence::AttenteNs(qint64 octets, qint64 t) const
{
    // n bytes fit once no more than FIFO − n bytes are left to go out.
    const qint64 n = qBound<qint64>(1, octets, m_fifo);
    return qMax<qint64>(0, (m_finLigne - t) - DureeNs(m_fifo - n));
}
