// Bytes from the device, cut into lines and dispatched as the link does during
// a download, whatever arrives: the receive buffer stays within its bound, the
// way the bytes are split over reads changes nothing, and the download stores
// no more points than its header announces, one period apart, backed up once.
#include "Fuzz.h"
#include "TamponLignes.h"
#include "Trames.h"
#include "clsAcquisition.h"

namespace
{

struct Reception {
    QList<QByteArray> Lignes;
    QByteArray Reste;
};

// The bytes appended in pieces of the given sizes (all at once when empty),
// the lines taken after each piece and the buffer bounded, as the receive
// handler does.
Reception Recevoir(const QByteArray& octets, const QList<int>& morceaux)
{
    Reception r;
    TamponLignes tampon;
    int debut = 0;
    for (int i = 0; debut < octets.size(); ++i) {
        const int n = morceaux.isEmpty() ? octets.size() : morceaux.at(i % morceaux.size());
        tampon.Ajouter(octets.mid(debut, n));
        debut += n;
        QByteArray ligne;
        while (tampon.Couper(&ligne)) {
            EXIGER(!ligne.contains(Trames::CR), QString());
            r.Lignes << ligne;
        }
        tampon.Borner();
        EXIGER(tampon.Taille() <= Trames::TailleMaxTampon, QString::number(tampon.Taille()));
    }
    r.Reste = tampon.Reste();
    return r;
}

// The longest run of bytes without CR.
int PlusLongueSansCR(const QByteArray& octets)
{
    int plus = 0;
    int courante = 0;
    for (const char c : octets) {
        courante = c == Trames::CR ? 0 : courante + 1;
        plus = qMax(plus, courante);
    }
    return plus;
}

} // namespace

int CibleTrames(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), int(taille));
    // Read sizes from 1 to 128 bytes, drawn from the bytes themselves.
    QList<int> morceaux;
    for (int i = 0; i < qMin(octets.size(), 16); ++i)
        morceaux << 1 + (uchar(octets.at(i)) * 7 + i) % 128;
    const Reception entiere = Recevoir(octets, {});
    const Reception parMorceaux = Recevoir(octets, morceaux);
    // Nothing is dropped while no run without CR outgrows the buffer: the lines
    // and what is left are the bytes themselves, however they were read.
    if (PlusLongueSansCR(octets) <= Trames::TailleMaxTampon) {
        EXIGER(entiere.Lignes == parMorceaux.Lignes && entiere.Reste == parMorceaux.Reste,
               QStringLiteral("%1 lines at once, %2 in pieces")
                   .arg(entiere.Lignes.size())
                   .arg(parMorceaux.Lignes.size()));
        QByteArray refait;
        for (const QByteArray& ligne : entiere.Lignes)
            refait += ligne + Trames::CR;
        EXIGER(refait + entiere.Reste == octets, QString());
    }

    // The lines dispatched during a download, as the link and the session do.
    clsAcquisition acquisition;
    acquisition.Demarrer(enm_ACQUISITION::Telechargement, 0, 0, 3);
    bool attenteEntete = true;
    int stockes = 0;
    int sauvegardes = 0;
    bool terminee = false;
    for (const QByteArray& brute : parMorceaux.Lignes) {
        if (brute.isEmpty())
            continue;
        const QString ligne = Trames::TexteLigne(brute);
        TS_DECISION d;
        switch (Trames::Classer(ligne, attenteEntete)) {
        case Trames::Nature::Entete:
            attenteEntete = false;
            if (Trames::EnteteValide(ligne))
                d = acquisition.Entete(Trames::LireParametres(ligne));
            break;
        case Trames::Nature::Donnees: {
            const Trames::Donnees lue = Trames::LireDonnees(ligne);
            if (lue.Nombre == 2)
                d = acquisition.Lecture(lue.Valeur1, lue.Valeur2, 0);
            else if (lue.Nombre == 1)
                d = acquisition.Lecture(lue.Valeur1, 0);
            break;
        }
        case Trames::Nature::Reponse:
            break;
        }
        const TS_ACQUISITION& etat = acquisition.Etat();
        if (d.Stocker) {
            ++stockes;
            EXIGER(!terminee && d.Numero == stockes && stockes <= etat.NbreAttendus,
                   QStringLiteral("point %1 of %2").arg(d.Numero).arg(etat.NbreAttendus));
            EXIGER(d.Temps == etat.DateDebut + quint32(stockes - 1) * quint32(etat.Frequence),
                   QString::number(d.Temps));
        }
        if (d.Sauvegarde)
            ++sauvegardes;
        terminee = terminee || d.Terminee;
    }
    // The backup is written once, when the last point announced has come.
    EXIGER(sauvegardes == (terminee && stockes > 0 ? 1 : 0), QString::number(sauvegardes));
    return 0;
}

VORSEN_ENTREE_FUZZ(CibleTrames)
