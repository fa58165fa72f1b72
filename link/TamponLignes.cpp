#include "TamponLignes.h"

#include "Trames.h"

void TamponLignes::Ajouter(const QByteArray& octets)
{
    if (m_Debut > 0) {
        m_Octets.remove(0, m_Debut);
        m_Debut = 0;
    }
    m_Octets.append(octets);
}

void TamponLignes::Vider()
{
    m_Octets.clear();
    m_Debut = 0;
}

bool TamponLignes::Couper(QByteArray* ligne)
{
    const int i = m_Octets.indexOf(Trames::CR, m_Debut);
    if (i < 0)
        return false;
    *ligne = m_Octets.mid(m_Debut, i - m_Debut);
    m_Debut = i + 1;
    if (m_Debut == m_Octets.size())
        Vider(); // every byte taken
    return true;
}

bool TamponLignes::Borner()
{
    // Without this bound a device that never sends CR makes the buffer grow for
    // as long as the port stays open.
    if (Taille() > Trames::TailleMaxTampon && m_Octets.indexOf(Trames::CR, m_Debut) < 0) {
        Vider();
        return true;
    }
    return false;
}
