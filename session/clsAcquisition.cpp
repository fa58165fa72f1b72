#include "clsAcquisition.h"

#include "Progression.h"

void clsAcquisition::Demarrer(enm_ACQUISITION type, quint32 dateDebut, int frequence, int capteurs)
{
    m_Etat = TS_ACQUISITION();
    m_Etat.Type = type;
    m_Etat.DateDebut = dateDebut;
    m_Etat.Frequence = frequence;
    m_Etat.Capteurs = capteurs;
    m_Etat.TempsCourant = dateDebut;
    m_Lignes = 0;
    m_LignesVues = -1;
}

TS_DECISION clsAcquisition::Entete(const DAC::TS_PARAMETRES& params)
{
    TS_DECISION d;
    ++m_Lignes;
    if (m_Etat.Type != enm_ACQUISITION::Telechargement || m_Etat.EnteteRecu)
        return d;
    m_Etat.EnteteRecu = true;
    m_Etat.Capteurs = params.Capteurs;
    m_Etat.NbreAttendus = PointsParCapteur(params);
    m_Etat.DateDebut = params.DateDebut;
    m_Etat.Frequence = params.Frequence;
    m_Etat.TempsCourant = params.DateDebut;
    d.Demarrage = true;
    // An empty memory sends no data line: the download is over already.
    if (m_Etat.NbreAttendus <= 0) {
        m_Etat.Type = enm_ACQUISITION::Aucune;
        d.Terminee = true;
    }
    return d;
}

TS_DECISION clsAcquisition::Lecture(word valeur, quint32 maintenant)
{
    switch (m_Etat.Capteurs) {
    case 1:
        return Lecture(valeur, 0, maintenant);
    case 2:
        return Lecture(0, valeur, maintenant);
    default:
        ++m_Lignes;
        return TS_DECISION(); // one value cannot belong to both sensors
    }
}

TS_DECISION clsAcquisition::Lecture(word temp, word humi, quint32 maintenant)
{
    TS_DECISION d;
    ++m_Lignes;
    if (m_Etat.Type == enm_ACQUISITION::Aucune ||
        (m_Etat.Type == enm_ACQUISITION::Telechargement && !m_Etat.EnteteRecu))
        return d;
    const bool tempsReel = m_Etat.Type == enm_ACQUISITION::TempsReel;
    if (tempsReel)
        m_Etat.TempsCourant = maintenant;

    const int n = ++m_Etat.NbrePoints;
    d.Stocker = true;
    d.Temps = m_Etat.TempsCourant;
    d.Temp = temp;
    d.Humi = humi;
    d.Numero = n;

    const double debut = m_Etat.DateDebut;
    const double frequence = m_Etat.Frequence;
    if (tempsReel) {
        d.Echelles = true;
        if (n % PasTempsReel == 1) {
            d.AxeTemps = true;
            d.TempsMin = debut;
            d.TempsMax = double(m_Etat.TempsCourant) + PasTempsReel * frequence;
            d.Sauvegarde = true;
        }
        return d;
    }

    d.Progression = PourcentageChange(n - 1, n, 0, m_Etat.NbreAttendus);
    if (n % PasTelechargement == 1) {
        d.Echelles = true;
        d.AxeTemps = true;
        d.TempsMin = debut;
        d.TempsMax = debut + (n + PasTelechargement) * frequence;
    }
    if (n >= m_Etat.NbreAttendus) {
        // The last point: the axes end on it and the backup holds the whole download.
        d.Echelles = true;
        d.AxeTemps = true;
        d.TempsMin = debut;
        d.TempsMax = double(m_Etat.TempsCourant);
        d.Sauvegarde = true;
        d.Terminee = true;
        m_Etat.Type = enm_ACQUISITION::Aucune;
    }
    m_Etat.TempsCourant += quint32(m_Etat.Frequence);
    return d;
}

TS_DECISION clsAcquisition::Arret()
{
    TS_DECISION d;
    if (m_Etat.Type == enm_ACQUISITION::Aucune)
        return d;
    d.Terminee = true;
    // The points received so far are written before they can go with the logger.
    d.Sauvegarde = m_Etat.NbrePoints > 0;
    m_Etat.Type = enm_ACQUISITION::Aucune;
    return d;
}

TS_DECISION clsAcquisition::Surveiller(qint64 maintenant)
{
    TS_DECISION d;
    if (m_Etat.Type != enm_ACQUISITION::Telechargement)
        return d;
    if (m_Lignes != m_LignesVues) {
        m_LignesVues = m_Lignes;
        m_DerniereVue = maintenant;
        return d;
    }
    if (maintenant - m_DerniereVue < DelaiSilence)
        return d;
    d = Arret();
    d.Interrompue = true;
    if (m_Etat.NbrePoints > 0) {
        // The axes end on the last point received, as at the end of a download.
        d.Echelles = true;
        d.AxeTemps = true;
        d.TempsMin = m_Etat.DateDebut;
        d.TempsMax = double(m_Etat.TempsCourant) - m_Etat.Frequence;
    }
    return d;
}
