#include "clsEnregistreur.h"

#include "clsTempsLogger.h"

#include <QList>

void clsEnregistreur::SetIdentifiants(const QString& id, const QString& modele, const QString& info)
{
    m_id = id;
    m_modele = modele;
    m_info = info;
}

void clsEnregistreur::SetParametres(quint16 nbrePoints, quint16 frequence, const QString& unite,
                                    quint32 debut, quint8 capteurs)
{
    m_nbrePoints = nbrePoints;
    m_frequence = frequence;
    m_unite = unite;
    m_debut = debut;
    m_capteurs = capteurs;
}

clsEnregistreur::Resultat clsEnregistreur::Traiter(const QByteArray& ligne, qint64 maintenantPc)
{
    const QList<QByteArray> champs = ligne.split(' ');
    const QByteArray commande = champs.value(0);
    Resultat resultat;
    if (commande == "I") {
        resultat.Reponse = LigneIdentifiants();
    } else if (commande == "M") {
        resultat.Reponse = LigneParametres();
    } else if (commande == "D") {
        resultat.Reponse = LigneParametres();
        resultat.Suite = TELECHARGEMENT;
    } else if (commande == "Q") {
        resultat.Reponse = ">";
        resultat.Suite = ARRET;
    } else if (commande == "J") {
        if (champs.size() >= 3 && !champs[1].isEmpty()) {
            m_id = QString::fromLatin1(champs[1]);
            m_lcd = champs[2] != "0";
            resultat.Reponse = LigneIdentifiants();
        }
    } else if (commande == "C") {
        bool ok = false;
        const quint32 horloge = champs.value(1).toUInt(&ok);
        if (ok) {
            m_decalageHorloge = qint64(horloge) - maintenantPc;
            resultat.Reponse = "c " + QByteArray::number(horloge) + " 0";
        }
    } else if (commande == "S") {
        resultat = Programmer(champs, maintenantPc);
    } else if (commande == "A") {
        resultat = ProgrammerAlarmes(champs);
    }
    return resultat;
}

clsEnregistreur::Resultat clsEnregistreur::Programmer(const QList<QByteArray>& champs,
                                                      qint64 maintenantPc)
{
    // S period unit startcode thousands sensors
    Resultat resultat;
    if (champs.size() < 6)
        return resultat;
    bool okFrequence, okCode, okMilliers, okCapteurs;
    const uint frequence = champs[1].toUInt(&okFrequence);
    const quint32 code = champs[3].toUInt(&okCode);
    const uint milliers = champs[4].toUInt(&okMilliers);
    const uint capteurs = champs[5].toUInt(&okCapteurs);
    if (!okFrequence || !okCode || !okMilliers || !okCapteurs || frequence == 0 ||
        frequence > 0xFFFF || milliers > 65 || capteurs < 1 || capteurs > 3 || champs[2].isEmpty())
        return resultat;

    m_frequence = quint16(frequence);
    m_unite = QString::fromLatin1(champs[2]);
    m_nbrePoints = quint16(milliers * 1000);
    m_capteurs = quint8(capteurs);
    if (code > DernierMode) {
        m_mode = 4; // programmed start at the given logger time
        m_debut = code;
    } else {
        m_mode = code;
        m_debut = quint32(Horloge(maintenantPc));
    }
    resultat.Reponse = LigneParametres();
    resultat.Suite = m_mode == ModeTempsReel ? TEMPS_REEL : ARRET;
    return resultat;
}

clsEnregistreur::Resultat clsEnregistreur::ProgrammerAlarmes(const QList<QByteArray>& champs)
{
    // A mask tmax tmin hmax hmin, thresholds signed tenths
    Resultat resultat;
    if (champs.size() < 6)
        return resultat;
    int valeurs[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        valeurs[i] = champs[i + 1].toInt(&ok);
        if (!ok)
            return resultat;
    }
    std::copy(valeurs, valeurs + 5, m_alarmes);
    resultat.Reponse = ">";
    return resultat;
}

QByteArray clsEnregistreur::LigneIdentifiants() const
{
    return "i " + m_id.toLatin1() + ' ' + m_modele.toLatin1() + ' ' + m_info.toLatin1();
}

QByteArray clsEnregistreur::LigneParametres() const
{
    return "m " + QByteArray::number(m_nbrePoints) + ' ' + QByteArray::number(m_frequence) + ' ' +
           m_unite.toLatin1() + ' ' + clsTempsLogger::MoitiesHexa(m_debut) + ' ' +
           QByteArray::number(m_capteurs);
}

int clsEnregistreur::NbreLignesDonnees() const
{
    return m_capteurs == 3 ? m_nbrePoints / 2 : m_nbrePoints;
}

QByteArray clsEnregistreur::LigneDonnees(qint64 index) const
{
    const qint64 instant = clsTempsLogger::VersEpoch(qint64(m_debut) + index * m_frequence);
    QByteArray ligne = "d";
    if (m_capteurs & 1)
        ligne += ' ' + QByteArray::number(m_generateur.Temperature(instant));
    if (m_capteurs & 2)
        ligne += ' ' + QByteArray::number(m_generateur.Humidite(instant));
    return ligne;
}
