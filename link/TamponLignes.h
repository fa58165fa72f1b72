#pragma once

#include <QByteArray>

// The receive buffer of the link: bytes appended as they arrive, lines taken
// from its front. Taking a line moves a read position instead of the bytes that
// follow, so cutting a download of thousands of lines received at once costs
// the length of its bytes, not their square; the bytes already taken go when
// bytes are appended.
class TamponLignes
{
public:
    void Ajouter(const QByteArray& octets);
    void Vider();

    // Takes the next line: if the bytes not taken yet hold a CR at position i,
    // puts their first i bytes into *ligne, takes i + 1 bytes and returns true
    // (a CR first thus gives an empty line). Without CR, returns false and takes
    // nothing.
    bool Couper(QByteArray* ligne);

    // Bytes not taken yet.
    int Taille() const { return m_Octets.size() - m_Debut; }
    QByteArray Reste() const { return m_Octets.mid(m_Debut); }

    // Drops the bytes not taken yet when they are more than TailleMaxTampon
    // without any CR (see Trames.h). Returns true when it dropped something.
    bool Borner();

private:
    QByteArray m_Octets;
    int m_Debut = 0; // bytes of m_Octets already taken
};
