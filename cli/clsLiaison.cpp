#include "clsLiaison.h"

#include "AccesPort.h"
#include "CPortSerie.h"

#include <QFileInfo>

namespace
{

// A device path or a device name under /dev, rather than a logger's identifier
// (capitals, digits and "_", never a device name).
bool EstUnPort(const QString& texte)
{
    return texte.contains(QLatin1Char('/')) || QFileInfo::exists(NoeudPeripherique(texte));
}

} // namespace

clsLiaison::clsLiaison() = default;

clsLiaison::~clsLiaison() = default;

enm_SORTIE clsLiaison::OuvrirPort(const QString& port)
{
    m_Port.reset(new CPortSerie(port));
    m_Enregistreur = TS_ENREGISTREUR();
    m_Enregistreur.Port = port;
    if (m_Port->Ouvrir())
        return SORTIE_OK;

    const QSerialPort::SerialPortError erreur = m_Port->error();
    switch (ClasserRefus(erreur, AccesPeripherique(port))) {
    case RefusPort::Droits: {
        const QString groupe = GroupeConseillePort(port);
        m_Message = groupe.isEmpty()
                        ? tr("accès refusé au port %1 : votre utilisateur ne peut pas l'ouvrir ; "
                             "installez la règle udev de Vorsen Logger pour l'adaptateur des "
                             "enregistreurs, puis rebranchez-le")
                              .arg(port)
                        : tr("accès refusé au port %1 : ajoutez votre utilisateur au groupe %2 "
                             "puis ouvrez une nouvelle session")
                              .arg(port, groupe);
        break;
    }
    case RefusPort::Occupe:
        m_Message = tr("le port %1 est utilisé par un autre programme").arg(port);
        break;
    case RefusPort::Aucun:
        m_Message =
            erreur == QSerialPort::DeviceNotFoundError
                ? tr("le port %1 n'existe pas").arg(port)
                : tr("impossible d'ouvrir le port %1 : %2").arg(port, m_Port->errorString());
        break;
    }
    m_Port.reset();
    return SORTIE_PORT;
}

enm_SORTIE clsLiaison::Identifier(int essais)
{
    DAC::TS_IDENTIFIANTS ids;
    bool lu = false;
    for (int i = 0; i < essais && !lu; ++i)
        lu = m_Port->LireIdentifiants(&ids);
    if (!lu) {
        // Nothing ever answered: no logger on that port.
        if (!m_Port->PortPerdu() && m_Port->DerniereReponse().isEmpty()) {
            m_Message = tr("aucun enregistreur ne répond sur le port %1").arg(m_Enregistreur.Port);
            return SORTIE_PORT;
        }
        return Echec(QStringLiteral("I"));
    }
    m_Enregistreur.Ids = ids;
    return LireParametres();
}

enm_SORTIE clsLiaison::Ouvrir(const QString& portOuId)
{
    m_Message.clear();
    if (EstUnPort(portOuId)) {
        const enm_SORTIE sortie = OuvrirPort(portOuId);
        return sortie == SORTIE_OK ? Identifier(EssaisLecture) : sortie;
    }

    // An identifier: the first logger that carries it on the listed ports.
    QStringList refus;
    for (const QString& port : CPortSerie::ListePorts()) {
        TS_ENREGISTREUR e;
        QString message;
        const enm_SORTIE sortie = Sonder(port, &e, &message);
        if (sortie == SORTIE_OK && e.Ids.ID == portOuId) {
            const enm_SORTIE ouverture = OuvrirPort(port);
            return ouverture == SORTIE_OK ? Identifier(EssaisLecture) : ouverture;
        }
        if (sortie == SORTIE_PORT && !message.isEmpty())
            refus << message;
    }
    refus.prepend(tr("aucun enregistreur %1 n'a été trouvé").arg(portOuId));
    m_Message = refus.join(QLatin1Char('\n'));
    return SORTIE_PORT;
}

void clsLiaison::Fermer()
{
    if (m_Port)
        m_Port->Fermer();
}

enm_SORTIE clsLiaison::LireIdentifiants()
{
    DAC::TS_IDENTIFIANTS ids;
    for (int i = 0; i < EssaisLecture; ++i) {
        if (m_Port->LireIdentifiants(&ids)) {
            m_Enregistreur.Ids = ids;
            return SORTIE_OK;
        }
    }
    return Echec(QStringLiteral("I"));
}

enm_SORTIE clsLiaison::LireParametres()
{
    DAC::TS_PARAMETRES params;
    for (int i = 0; i < EssaisLecture; ++i) {
        if (m_Port->LireParametres(&params)) {
            m_Enregistreur.Params = params;
            return SORTIE_OK;
        }
    }
    return Echec(QStringLiteral("M"));
}

enm_SORTIE clsLiaison::Programmer(const QString& nom,
                                  const std::function<bool(CPortSerie&)>& commande)
{
    for (int i = 0; i < EssaisProgrammation; ++i) {
        if (commande(*m_Port))
            return SORTIE_OK;
    }
    return Echec(nom);
}

void clsLiaison::ArreterFlux()
{
    m_Port->QuitOnLine();
}

enm_SORTIE clsLiaison::Echec(const QString& nom)
{
    if (m_Port->PortPerdu() || !m_Port->isOpen()) {
        m_Message = tr("l'enregistreur du port %1 a disparu").arg(m_Enregistreur.Port);
        return SORTIE_SILENCE;
    }
    const QString reponse = m_Port->DerniereReponse();
    if (reponse.isEmpty()) {
        m_Message = tr("l'enregistreur du port %1 ne répond plus (commande %2)")
                        .arg(m_Enregistreur.Port, nom);
        return SORTIE_SILENCE;
    }
    m_Message = tr("l'enregistreur du port %1 a refusé la commande %2 (réponse « %3 »)")
                    .arg(m_Enregistreur.Port, nom, reponse);
    return SORTIE_REFUS;
}

enm_SORTIE clsLiaison::Sonder(const QString& port, TS_ENREGISTREUR* enregistreur, QString* message)
{
    clsLiaison liaison;
    enm_SORTIE sortie = liaison.OuvrirPort(port);
    // One identification attempt, as the window probes a port: a device that is
    // not a logger costs one time-out (1000 ms).
    if (sortie == SORTIE_OK)
        sortie = liaison.Identifier(1);
    liaison.Fermer();
    *enregistreur = liaison.m_Enregistreur;
    *message = liaison.m_Message;
    return sortie;
}
