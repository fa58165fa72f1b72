#include "Trames.h"

#include <cstring>

namespace Trames
{

QString TexteLigne(const QByteArray& brute)
{
    const int longueur =
        static_cast<int>(qstrnlen(brute.constData(), static_cast<uint>(brute.size())));
    return QString::fromLatin1(brute.constData(), longueur);
}

Nature Classer(const QString& ligne, bool attenteEntete)
{
    const QChar premier = ligne.isEmpty() ? QChar() : ligne.at(0);
    if (premier == QLatin1Char('d') || premier == QLatin1Char('v'))
        return Nature::Donnees;
    if (premier == QLatin1Char('m') && attenteEntete)
        return Nature::Entete;
    return Nature::Reponse;
}

int NbreBlancs(const QString& ligne)
{
    return ligne.count(QLatin1Char(' '));
}

QString Champ(const QString& ligne, int n)
{
    // Single blanks separate fields: a doubled blank makes an empty field.
    return ligne.split(QLatin1Char(' ')).value(n);
}

word Valeur16(const QString& champ)
{
    bool ok = false;
    const word v = champ.toUShort(&ok, 10);
    return ok ? v : 0;
}

Donnees LireDonnees(const QString& ligne)
{
    Donnees d;
    const int blancs = NbreBlancs(ligne);
    const QStringList champs = ligne.split(QLatin1Char(' '));
    if (blancs >= 2) {
        d.Nombre = 2;
        d.Valeur1 = Valeur16(champs.value(1));
        d.Valeur2 = Valeur16(champs.value(2));
    } else if (blancs == 1) {
        d.Nombre = 1;
        d.Valeur1 = Valeur16(champs.value(1));
    }
    return d;
}

bool EnteteValide(const QString& ligne)
{
    return NbreBlancs(ligne) >= 6;
}

DAC::TS_PARAMETRES LireParametres(const QString& ligne)
{
    const QStringList champs = ligne.split(QLatin1Char(' '));
    DAC::TS_PARAMETRES p;
    p.NbrePoints = Valeur16(champs.value(1));
    p.Frequence = Valeur16(champs.value(2));
    p.Unite = champs.value(3);
    p.DateDebut = DateDepuisHexa(champs.value(4), champs.value(5));
    p.Capteurs = static_cast<quint8>(Valeur16(champs.value(6)) & 0xFF);
    return p;
}

DAC::TS_IDENTIFIANTS LireIdentifiants(const QString& ligne)
{
    const QStringList champs = ligne.split(QLatin1Char(' '));
    DAC::TS_IDENTIFIANTS ids;
    ids.ID = champs.value(1);
    ids.Modele = champs.value(2);
    ids.Info = champs.value(3);
    return ids;
}

namespace
{

bool Etiquette(const QString& reponse, char tag)
{
    return reponse.left(1) == QString(QLatin1Char(tag));
}

} // namespace

bool ReponseAcceptee(Commande commande, const QString& reponse)
{
    const int blancs = NbreBlancs(reponse);
    switch (commande) {
    case Commande::LireIdentifiants:
        return Etiquette(reponse, 'i') && blancs >= 3;
    case Commande::LireParametres:
        return Etiquette(reponse, 'm') && blancs >= 6;
    case Commande::SetIdentifiants:
        return Etiquette(reponse, 'i') && blancs >= 2;
    case Commande::SetParametres: {
        if (!Etiquette(reponse, 'm')) {
            const QByteArray octets = reponse.toLatin1();
            if (octets.isEmpty() || octets.at(0) != '?')
                return false;
        }
        return blancs >= 6;
    }
    case Commande::SetAlarmes:
    case Commande::QuitOnLine:
        return Etiquette(reponse, '>');
    case Commande::SetClock:
        return Etiquette(reponse, 'c') && blancs >= 2;
    }
    return false;
}

QString LigneSetIdentifiants(const QString& newID, bool OnOff)
{
    return QStringLiteral("J ") + newID + QLatin1Char(' ') +
           (OnOff ? QLatin1Char('1') : QLatin1Char('0'));
}

QString LigneSetParametres(const DAC::TS_PARAMETRES& newParam)
{
    // Period first, count (in thousands) fifth: the logger's order, not the record's.
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(QStringLiteral("S"), QString::number(newParam.Frequence), newParam.Unite,
             QString::number(newParam.DateDebut), QString::number(newParam.NbrePoints / 1000),
             QString::number(uint(newParam.Capteurs)));
}

QString LigneSetAlarmes(const DAC::TS_ALARMES& newAlarmes)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(QStringLiteral("A"), QString::number(uint(newAlarmes.Actives)),
             QString::number(newAlarmes.TempMax), QString::number(newAlarmes.TempMin),
             QString::number(newAlarmes.HumiMax), QString::number(newAlarmes.HumiMin));
}

QString LigneSetClock(uint newClock)
{
    return QStringLiteral("%1 %2").arg(QStringLiteral("C"), QString::number(newClock));
}

QByteArray EncoderCommande(const QString& commande)
{
    return commande.toLatin1() + "\r\n";
}

bool FabricantProlific(const QString& fabricant)
{
    static const QString prolific = QStringLiteral("Prolific");
    if (fabricant.compare(prolific, Qt::CaseInsensitive) == 0)
        return true;
    // On Linux the adapter reads "Prolific Technology Inc." (udev: underscores).
    if (fabricant.size() <= prolific.size())
        return false;
    const QChar suite = fabricant.at(prolific.size());
    return fabricant.startsWith(prolific, Qt::CaseInsensitive) &&
           (suite == QLatin1Char(' ') || suite == QLatin1Char('_'));
}

} // namespace Trames
