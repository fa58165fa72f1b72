#include "CPortSerie.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QSerialPortInfo>
#include <QTimer>

namespace
{

// Time-outs of the logger commands, ms.
constexpr int DelaiLecture = 1000;       // I, M, Q
constexpr int DelaiProgrammation = 2000; // J, S, A, C
// Settle time before each read, so that the rest of a line has arrived, ms.
constexpr int DelaiStabilisation = 25;

QStringList& PortsManuels()
{
    static QStringList ports;
    return ports;
}

// Processes events for ms milliseconds without spinning the CPU; ends early when
// the loop is quit through *boucle (if given).
void TraiterEvenements(int ms, QEventLoop** boucle = nullptr)
{
    if (ms <= 0)
        return;
    QEventLoop attente;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    minuterie.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuterie, &QTimer::timeout, &attente, &QEventLoop::quit);
    minuterie.start(ms);
    if (boucle)
        *boucle = &attente;
    attente.exec();
}

} // namespace

CPortSerie::CPortSerie(QString nom, QObject* parent) : QSerialPort(nom, parent)
{
    // The readings travel under the type name "word" in signals.
    qRegisterMetaType<word>("word");
}

CPortSerie::~CPortSerie()
{
    Fermer();
}

QStringList CPortSerie::ListePorts()
{
    return ListePorts(QSerialPortInfo::availablePorts());
}

QStringList CPortSerie::ListePorts(const QList<QSerialPortInfo>& infos)
{
    QStringList ports;
    QStringList fichiers; // device files already listed, to skip a --port naming one of them
    for (const QSerialPortInfo& info : infos) {
        if (Trames::FabricantProlific(info.manufacturer())) {
            ports << info.portName();
            fichiers << QFileInfo(info.systemLocation()).canonicalFilePath();
        }
    }
    for (const QString& chemin : PortsManuels()) {
        const QFileInfo fichier(chemin);
        if (!fichier.exists())
            continue;
        const QString reel = fichier.canonicalFilePath();
        if (fichiers.contains(reel))
            continue;
        ports << chemin;
        fichiers << reel;
    }
    return ports;
}

void CPortSerie::AjouterPortsManuels(const QStringList& chemins)
{
    for (const QString& chemin : chemins) {
        if (!chemin.isEmpty() && !PortsManuels().contains(chemin))
            PortsManuels() << chemin;
    }
}

void CPortSerie::ViderPortsManuels()
{
    PortsManuels().clear();
}

bool CPortSerie::Ouvrir()
{
    // A second open would fail anyway; do not touch the port's state.
    if (isOpen())
        return false;
    if (!open(QIODevice::ReadWrite))
        return false;
    setDataBits(QSerialPort::Data8);
    setParity(QSerialPort::NoParity);
    setStopBits(QSerialPort::OneStop);
    setFlowControl(QSerialPort::NoFlowControl);
    setBaudRate(38400, QSerialPort::AllDirections);
    Tampon.Vider();
    m_Perdu = false;
    connect(this, &QSerialPort::readyRead, this, &CPortSerie::SLOT_DataReady,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    // Direct: the port must be closed inside the first emission (see SurErreur).
    connect(this, &QSerialPort::errorOccurred, this, &CPortSerie::SurErreur, Qt::UniqueConnection);
    return true;
}

void CPortSerie::Fermer()
{
    if (isOpen()) {
        disconnect(this, nullptr, this, nullptr);
        close();
    }
    Tampon.Vider();
}

void CPortSerie::SurErreur(QSerialPort::SerialPortError erreur)
{
    // When the device goes away (adapter unplugged, far end of a pseudo-terminal
    // closed) Qt reports ReadError in a busy loop with the port left open, and the
    // lock file keeps the port "busy": close at once and remember the loss.
    if (erreur != QSerialPort::ReadError && erreur != QSerialPort::ResourceError)
        return;
    m_Perdu = true;
    if (!isOpen())
        return;
    // The last lines may already sit in the port's buffer: keep them for the
    // receive handler, which runs once more to dispatch them.
    Tampon.Ajouter(readAll());
    disconnect(this, nullptr, this, nullptr);
    close();
    if (!EnCours)
        QTimer::singleShot(0, this, &CPortSerie::SLOT_DataReady);
}

QString CPortSerie::CheminPeripherique() const
{
    const QString nom = portName(); // Qt gives "pts/3" for "/dev/pts/3"
    return nom.startsWith(QLatin1Char('/')) ? nom : QStringLiteral("/dev/") + nom;
}

bool CPortSerie::PortOccupe() const
{
    // The lock file keeps isBusy() true after the device has gone: for a port held
    // here, trust what this object saw and whether the device file still exists.
    if (isOpen())
        return !m_Perdu && QFileInfo::exists(CheminPeripherique());
    return QSerialPortInfo(portName()).isBusy();
}

void CPortSerie::Envoyer(const QString& commande)
{
    Tampon.Vider();
    Reponses.clear();
    // A download header can only follow "D": any other command ends that wait,
    // otherwise the "m" reply to a later command would be taken for a header.
    if (commande != QLatin1String("D"))
        AttenteEntete = false;
    if (!isOpen())
        return;
    write(Trames::EncoderCommande(commande));
    flush();
}

bool CPortSerie::AttendreReponse(int timeout, QString* destination, int longueurMin)
{
    QPointer<CPortSerie> moi(this);
    QElapsedTimer chrono;
    chrono.start();
    while (Reponses.isEmpty() && chrono.elapsed() < timeout) {
        QEventLoop* precedente = m_BoucleAttente;
        TraiterEvenements(int(timeout - chrono.elapsed()), &m_BoucleAttente);
        if (!moi)
            return false;
        m_BoucleAttente = precedente;
    }
    destination->clear();
    if (!Reponses.isEmpty()) {
        *destination = Reponses.takeFirst();
        if (destination->isEmpty() && !Reponses.isEmpty())
            *destination = Reponses.takeFirst();
    }
    return destination->length() >= longueurMin;
}

void CPortSerie::SLOT_DataReady()
{
    if (EnCours)
        return;
    if (!Verrou.tryLock(0))
        return;
    EnCours = true;
    QPointer<CPortSerie> moi(this);

    while (isOpen() && bytesAvailable() > 0) {
        TraiterEvenements(DelaiStabilisation);
        if (!moi)
            return; // destroyed by a slot run during the settle
        if (isOpen())
            Tampon.Ajouter(readAll());
        if (!CouperTampon())
            return;
    }
    // Lines saved from the port's buffer when the device went away (SurErreur).
    if (!isOpen()) {
        if (!CouperTampon())
            return;
        Tampon.Vider();
    }

    EnCours = false;
    Verrou.unlock();
}

bool CPortSerie::CouperTampon()
{
    QPointer<CPortSerie> moi(this);
    QByteArray brute;
    while (Tampon.Couper(&brute)) {
        if (!brute.isEmpty())
            TraiterLigne(Trames::TexteLigne(brute));
        QCoreApplication::processEvents();
        if (!moi)
            return false;
    }
    Tampon.Borner();
    return true;
}

void CPortSerie::TraiterLigne(const QString& ligne)
{
    switch (Trames::Classer(ligne, AttenteEntete)) {
    case Trames::Nature::Donnees: {
        const Trames::Donnees d = Trames::LireDonnees(ligne);
        if (d.Nombre == 2)
            emit DAC_Datas(d.Valeur1, d.Valeur2);
        else if (d.Nombre == 1)
            emit DAC_Datas(d.Valeur1);
        break;
    }
    case Trames::Nature::Entete:
        AttenteEntete = false;
        if (Trames::EnteteValide(ligne))
            emit DAC_DownLoad(Trames::LireParametres(ligne));
        break;
    case Trames::Nature::Reponse:
        if (Reponses.size() >= ReponsesMax)
            Reponses.removeFirst();
        Reponses.append(ligne);
        if (m_BoucleAttente)
            m_BoucleAttente->quit();
        break;
    }
}

bool CPortSerie::Executer(const QString& ligne, int timeout, Trames::Commande commande,
                          QString* reponse)
{
    Envoyer(ligne);
    const bool recue = AttendreReponse(timeout, reponse, 1);
    m_DerniereReponse = *reponse;
    if (!recue)
        return false;
    return Trames::ReponseAcceptee(commande, *reponse);
}

bool CPortSerie::LireIdentifiants(DAC::TS_IDENTIFIANTS* IDs)
{
    QString reponse;
    if (!Executer(QStringLiteral("I"), DelaiLecture, Trames::Commande::LireIdentifiants, &reponse))
        return false;
    *IDs = Trames::LireIdentifiants(reponse);
    return true;
}

bool CPortSerie::LireParametres(DAC::TS_PARAMETRES* Params)
{
    QString reponse;
    if (!Executer(QStringLiteral("M"), DelaiLecture, Trames::Commande::LireParametres, &reponse))
        return false;
    *Params = Trames::LireParametres(reponse);
    return true;
}

bool CPortSerie::DownLoad()
{
    // The header line and the data lines arrive through the receive handler.
    AttenteEntete = true;
    Envoyer(QStringLiteral("D"));
    return true;
}

bool CPortSerie::SetIdentifiants(QString newID, bool OnOff)
{
    QString reponse;
    return Executer(Trames::LigneSetIdentifiants(newID, OnOff), DelaiProgrammation,
                    Trames::Commande::SetIdentifiants, &reponse);
}

bool CPortSerie::SetParametres(DAC::TS_PARAMETRES newParam)
{
    QString reponse;
    return Executer(Trames::LigneSetParametres(newParam), DelaiProgrammation,
                    Trames::Commande::SetParametres, &reponse);
}

bool CPortSerie::SetAlarmes(DAC::TS_ALARMES newAlarmes)
{
    QString reponse;
    return Executer(Trames::LigneSetAlarmes(newAlarmes), DelaiProgrammation,
                    Trames::Commande::SetAlarmes, &reponse);
}

bool CPortSerie::SetClock(uint newClock)
{
    QString reponse;
    return Executer(Trames::LigneSetClock(newClock), DelaiProgrammation, Trames::Commande::SetClock,
                    &reponse);
}

bool CPortSerie::QuitOnLine()
{
    QString reponse;
    return Executer(QStringLiteral("Q"), DelaiLecture, Trames::Commande::QuitOnLine, &reponse);
}
