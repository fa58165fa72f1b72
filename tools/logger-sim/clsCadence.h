#pragma once

#include <QtGlobal>

// Pacing at a serial line's rate: a byte takes BitsParOctet / Bauds seconds on
// the wire (38400 baud 8N1: 10 bits, 260.4 µs). Bytes are handed to the
// pseudo-terminal as a UART fills its transmit FIFO: only while the bytes
// already handed over would leave the wire within the FIFO's depth. An idle
// line earns no credit. Times are monotonic nanoseconds.
class clsCadence
{
public:
    explicit clsCadence(int bauds = 38400, int bitsParOctet = 10, int fifo = 64);

    // Wire time of n bytes, ns.
    qint64 DureeNs(qint64 octets) const;
    // Bytes that may be handed over at instant t.
    qint64 Disponibles(qint64 t) const;
    // n bytes were handed over at instant t.
    void Envoyes(qint64 octets, qint64 t);
    // Time from t until at least n bytes (at most the FIFO depth) may be handed over, ns.
    qint64 AttenteNs(qint64 octets, qint64 t) const;
    // When the last byte handed over leaves the wire.
    qint64 FinLigne() const { return m_finLigne; }

private:
    int m_bauds;
    int m_bits;
    int m_fifo;
    qint64 m_finLigne = 0;
};
