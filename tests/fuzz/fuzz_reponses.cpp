// A reply line from the device, as each command's check and reader take it.
// The checks agree with each other and with the download header's, the fields
// read are the line's own, and a line's text never holds a NUL.
#include "DAC.h"
#include "Fuzz.h"
#include "Trames.h"

namespace
{

// Field n of the line cut at single blanks, apart from the program's reader.
QString Champ(const QByteArray& ligne, int n)
{
    const QList<QByteArray> champs = ligne.split(' ');
    return n < champs.size() ? QString::fromLatin1(champs.at(n)) : QString();
}

} // namespace

int CibleReponses(const uint8_t* donnees, size_t taille)
{
    const QByteArray brute(reinterpret_cast<const char*>(donnees), int(taille));
    const QString ligne = Trames::TexteLigne(brute);
    // Latin-1, up to the first NUL.
    const int nul = brute.indexOf('\0');
    EXIGER(ligne == QString::fromLatin1(nul < 0 ? brute : brute.left(nul)), QString());
    const QByteArray texte = ligne.toLatin1();

    using Trames::Commande;
    const auto accepte = [&ligne](Commande c) { return Trames::ReponseAcceptee(c, ligne); };
    const int blancs = texte.count(' ');
    const char tete = texte.isEmpty() ? '\0' : texte.at(0);
    EXIGER(accepte(Commande::LireIdentifiants) == (tete == 'i' && blancs >= 3), QString());
    EXIGER(accepte(Commande::SetIdentifiants) == (tete == 'i' && blancs >= 2), QString());
    EXIGER(accepte(Commande::LireParametres) == (tete == 'm' && blancs >= 6), QString());
    EXIGER(accepte(Commande::SetParametres) == ((tete == 'm' || tete == '?') && blancs >= 6),
           QString());
    EXIGER(accepte(Commande::SetAlarmes) == (tete == '>'), QString());
    EXIGER(accepte(Commande::QuitOnLine) == (tete == '>'), QString());
    EXIGER(accepte(Commande::SetClock) == (tete == 'c' && blancs >= 2), QString());
    // A parameters reply the program takes is a download header it takes too.
    if (accepte(Commande::LireParametres))
        EXIGER(Trames::EnteteValide(ligne), QString());

    const DAC::TS_IDENTIFIANTS ids = Trames::LireIdentifiants(ligne);
    EXIGER(ids.ID == Champ(texte, 1) && ids.Modele == Champ(texte, 2) &&
               ids.Info == Champ(texte, 3),
           ids.ID);

    // The parameters: 16-bit decimals, the sensors' low byte, the start from two
    // hexadecimal halves; a field that does not parse counts 0.
    const auto valeur16 = [&texte](int n) -> quint32 {
        bool ok = false;
        const uint v = Champ(texte, n).toUInt(&ok, 10);
        return ok && v <= 0xFFFF ? v : 0;
    };
    const DAC::TS_PARAMETRES p = Trames::LireParametres(ligne);
    EXIGER(p.NbrePoints == valeur16(1) && p.Frequence == valeur16(2), QString());
    EXIGER(p.Unite == Champ(texte, 3), p.Unite);
    EXIGER(p.Capteurs == (valeur16(6) & 0xFF), QString::number(p.Capteurs));
    EXIGER(p.DateDebut == DateDepuisHexa(Champ(texte, 4), Champ(texte, 5)), QString());
    EXIGER(PointsParCapteur(p) == (p.Capteurs == 3 ? p.NbrePoints / 2 : p.NbrePoints), QString());

    // A data line: two readings with two blanks or more, one with one.
    const Trames::Donnees d = Trames::LireDonnees(ligne);
    EXIGER(d.Nombre == (blancs >= 2 ? 2 : blancs), QString::number(d.Nombre));
    if (d.Nombre >= 1)
        EXIGER(d.Valeur1 == valeur16(1), QString::number(d.Valeur1));
    if (d.Nombre == 2)
        EXIGER(d.Valeur2 == valeur16(2), QString::number(d.Valeur2));
    return 0;
}

VORSEN_ENTREE_FUZZ(CibleReponses)
