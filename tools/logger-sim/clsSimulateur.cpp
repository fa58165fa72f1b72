#include "clsSimulateur.h"

#include "clsPseudoTerminal.h"
#include "clsTempsLogger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{
int tubeSignaux[2] = {-1, -1};

void SurSignal(int)
{
    const char octet = 1;
    const ssize_t ignore = ::write(tubeSignaux[1], &octet, 1);
    (void)ignore;
}

qint64 MaintenantLogger()
{
    return clsTempsLogger::DepuisEpoch(QDateTime::currentSecsSinceEpoch());
}
} // namespace

clsSimulateur::clsSimulateur(const clsConfigSim& config, QObject* parent)
    : QObject(parent), m_config(config), m_hasard(config.Graine)
{
    m_enregistreur.SetIdentifiants(config.ID, config.Modele, config.Info);
    m_enregistreur.SetGraine(config.Graine);
    const int lignes = config.Capteurs == 3 ? config.NbrePoints / 2 : config.NbrePoints;
    const qint64 debut = config.Debut.isValid()
                             ? clsTempsLogger::DepuisEpoch(config.Debut.toSecsSinceEpoch())
                             : MaintenantLogger() - qint64(lignes) * config.Frequence;
    m_enregistreur.SetParametres(quint16(config.NbrePoints), quint16(config.Frequence),
                                 config.Unite, quint32(qMax<qint64>(0, debut)),
                                 quint8(config.Capteurs));

    m_pty = new clsPseudoTerminal(this);
    m_pty->SetCadence(config.Cadence);
    connect(m_pty, &clsPseudoTerminal::LigneRecue, this, &clsSimulateur::SLOT_Ligne);
    connect(m_pty, &clsPseudoTerminal::PlaceLibre, this, &clsSimulateur::SLOT_Remplir);
    m_tempsReel = new QTimer(this);
    m_tempsReel->setTimerType(Qt::PreciseTimer);
    connect(m_tempsReel, &QTimer::timeout, this, &clsSimulateur::SLOT_TempsReel);
    m_debrancher = new QTimer(this);
    m_debrancher->setInterval(10);
    connect(m_debrancher, &QTimer::timeout, this, &clsSimulateur::SLOT_Debrancher);
}

bool clsSimulateur::Demarrer(QString* erreur)
{
    if (m_config.Journal == QLatin1String("-")) {
        m_journal.open(stderr, QIODevice::WriteOnly);
    } else if (!m_config.Journal.isEmpty()) {
        m_journal.setFileName(m_config.Journal);
        if (!m_journal.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *erreur = QStringLiteral("%1 : %2").arg(m_config.Journal, m_journal.errorString());
            return false;
        }
    }
    return m_pty->Ouvrir(m_config.Lien, erreur);
}

bool clsSimulateur::InstallerSignaux(QString* erreur)
{
    if (::pipe2(tubeSignaux, O_CLOEXEC | O_NONBLOCK) != 0) {
        *erreur = QStringLiteral("pipe2");
        return false;
    }
    m_signal = new QSocketNotifier(tubeSignaux[0], QSocketNotifier::Read, this);
    connect(m_signal, &QSocketNotifier::activated, this, &clsSimulateur::SLOT_Signal);
    struct sigaction action = {};
    action.sa_handler = SurSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

void clsSimulateur::SLOT_Signal()
{
    char octet;
    while (::read(tubeSignaux[0], &octet, 1) > 0) {
    }
    m_pty->Fermer();
    QCoreApplication::exit(0);
}

void clsSimulateur::Journaliser(const QByteArray& ligne)
{
    if (!m_journal.isOpen())
        return;
    m_journal.write(ligne + '\n');
    m_journal.flush();
}

void clsSimulateur::SLOT_Ligne(const QByteArray& ligne)
{
    Journaliser(ligne);
    if (m_debranchement || m_muet)
        return;
    const char commande = ligne.at(0);
    if (m_config.SansReponse.contains(commande))
        return;

    clsEnregistreur::Resultat resultat;
    const int rang = m_recues[commande]++;
    if (rang >= m_config.AvantEchecs.value(commande) &&
        m_echecsFaits.value(commande) < m_config.Echecs.value(commande)) {
        // The right reply under a wrong tag, and the command is not carried out.
        clsEnregistreur copie = m_enregistreur;
        resultat = copie.Traiter(ligne, MaintenantLogger());
        if (resultat.Reponse.isEmpty())
            return;
        ++m_echecsFaits[commande];
        resultat.Reponse[0] = 'x';
        resultat.Suite = clsEnregistreur::AUCUNE;
    } else {
        resultat = m_enregistreur.Traiter(ligne, MaintenantLogger());
        if (resultat.Reponse.isEmpty())
            return;
        if (commande == 'S' && m_config.QuestionS)
            resultat.Reponse[0] = '?';
    }
    if (resultat.Suite != clsEnregistreur::AUCUNE)
        Arreter();

    const int retard = m_config.Retards.value(commande);
    if (retard <= 0) {
        Executer(resultat);
        return;
    }
    const quint64 generation = m_generation;
    QTimer::singleShot(retard, this, [this, resultat, generation] {
        // A stream or download that was stopped meanwhile does not start late.
        clsEnregistreur::Resultat r = resultat;
        if (generation != m_generation)
            r.Suite = clsEnregistreur::AUCUNE;
        Executer(r);
    });
}

void clsSimulateur::Executer(const clsEnregistreur::Resultat& resultat)
{
    if (m_debranchement || m_muet)
        return;
    Repondre(resultat.Reponse);
    switch (resultat.Suite) {
    case clsEnregistreur::TELECHARGEMENT:
        m_indexTelechargement = 0;
        m_finTelechargement = m_enregistreur.NbreLignesDonnees();
        SLOT_Remplir();
        break;
    case clsEnregistreur::TEMPS_REEL:
        m_indexTempsReel = 0;
        m_tempsReel->start(qMax(1, qRound(m_enregistreur.Frequence() * m_config.Echelle * 1000.0)));
        break;
    default:
        break;
    }
}

void clsSimulateur::Repondre(const QByteArray& reponse)
{
    if (m_debranchement || m_muet)
        return;
    QByteArray octets = reponse;
    if (!m_config.SansCr)
        octets += '\r';
    QByteArray avant;
    if (m_config.Parasites) {
        // NUL first: the receiver reads this junk as an empty line.
        avant += '\0';
        const int n = 2 + m_hasard.bounded(5);
        for (int i = 0; i < n; ++i) {
            char c;
            do
                c = char(1 + m_hasard.bounded(255));
            while (c == '\r');
            avant += c;
        }
        avant += '\r';
    }
    if (m_config.Scinder && octets.size() > 1) {
        const int moitie = octets.size() / 2;
        m_pty->Ecrire(avant + octets.left(moitie));
        m_pty->Ecrire(octets.mid(moitie), clsConfigSim::DelaiScission);
    } else {
        m_pty->Ecrire(avant + octets);
    }
    CompterLigne();
}

void clsSimulateur::EnvoyerDonnee(const QByteArray& ligne)
{
    if (m_debranchement || m_muet)
        return;
    m_pty->Ecrire(ligne + '\r');
    CompterLigne();
}

void clsSimulateur::CompterLigne()
{
    ++m_lignesEnvoyees;
    if (m_config.DebrancherApres > 0 && m_lignesEnvoyees >= m_config.DebrancherApres &&
        !m_debranchement) {
        m_debranchement = true;
        Arreter();
        m_attenteLecture.invalidate();
        m_debrancher->start();
    }
    if (m_config.SilenceApres > 0 && m_lignesEnvoyees >= m_config.SilenceApres && !m_muet) {
        m_muet = true;
        Arreter();
    }
}

void clsSimulateur::SLOT_Debrancher()
{
    // Unplug once the last line has left: queue empty, then read by the
    // program (1000 ms at most, in case nobody reads).
    if (m_pty->EnFile() > 0)
        return;
    if (!m_attenteLecture.isValid())
        m_attenteLecture.start();
    if (m_pty->NonLus() > 0 && m_attenteLecture.elapsed() < 1000)
        return;
    m_debrancher->stop();
    m_pty->Fermer();
    QCoreApplication::exit(0);
}

void clsSimulateur::Arreter()
{
    ++m_generation;
    m_tempsReel->stop();
    m_finTelechargement = m_indexTelechargement = 0;
}

void clsSimulateur::SLOT_Remplir()
{
    if (m_remplissage)
        return;
    m_remplissage = true;
    // Lines are made as the queue drains, so that "Q" can stop a download.
    while (m_indexTelechargement < m_finTelechargement && !m_debranchement &&
           m_pty->EnFile() < 2 * clsPseudoTerminal::FileBasse)
        EnvoyerDonnee(m_enregistreur.LigneDonnees(m_indexTelechargement++));
    m_remplissage = false;
}

void clsSimulateur::SLOT_TempsReel()
{
    EnvoyerDonnee(m_enregistreur.LigneDonnees(++m_indexTempsReel));
}
