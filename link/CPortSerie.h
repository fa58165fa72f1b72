#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>
#include <QStringList>

#include "DAC.h"
#include "TamponLignes.h"
#include "Trames.h"

class QEventLoop;

// Link to one logger: its serial port (38400 baud 8N1) with the logger's
// line-oriented text exchange on top. GUI thread only; waits process events.
class CPortSerie : public QSerialPort
{
    Q_OBJECT

public:
    // Reply lines kept while nobody takes them, the most recent ones. A command
    // gets one reply line (after an empty junk line at worst), and each command
    // empties the queue; lines that keep coming without a command (noise, another
    // device on the port) would otherwise fill memory for as long as a logger
    // sits selected: about 600 lines a second at 38400 baud.
    static constexpr int ReponsesMax = 32;

    explicit CPortSerie(QString nom, QObject* parent = nullptr);
    ~CPortSerie() override;

    // Ports of the loggers' adapters, then the ports named on the command line
    // (--port PATH) whose path exists. Each name is accepted by the constructor.
    // Enumerates the system's ports (17 to 64 ms): a window watches them through
    // VeillePorts instead.
    static QStringList ListePorts();
    // The same from an enumeration already made (QSerialPortInfo::availablePorts()).
    static QStringList ListePorts(const QList<QSerialPortInfo>& infos);
    // Ports named on the command line, listed whatever their manufacturer.
    static void AjouterPortsManuels(const QStringList& chemins);
    static void ViderPortsManuels();

    bool Ouvrir();
    void Fermer();
    // True while this object holds the port open and the device is still there;
    // for a port not held here, whether the system reports it in use.
    bool PortOccupe() const;

    void Envoyer(const QString& commande);
    bool AttendreReponse(int timeout, QString* destination, int longueurMin);

    // Read-only views of the receive state.
    int TailleTampon() const { return Tampon.Taille(); }
    QStringList ReponsesEnAttente() const { return Reponses; }
    bool EnAttenteEntete() const { return AttenteEntete; }
    // The port was closed here after a read or resource error (device gone).
    bool PortPerdu() const { return m_Perdu; }
    // Reply line of the last command that waited for one; empty when none came
    // within its time-out. Tells a refusal (a reply that fails the command's
    // test) from silence.
    QString DerniereReponse() const { return m_DerniereReponse; }

signals:
    void DAC_Datas(word Valeur1);
    void DAC_Datas(word Valeur1, word Valeur2);
    void DAC_DownLoad(DAC::TS_PARAMETRES Params);

public slots:
    bool LireIdentifiants(DAC::TS_IDENTIFIANTS* IDs);
    bool LireParametres(DAC::TS_PARAMETRES* Params);
    bool DownLoad();
    bool SetIdentifiants(QString newID, bool OnOff);
    bool SetParametres(DAC::TS_PARAMETRES newParam);
    bool SetAlarmes(DAC::TS_ALARMES newAlarmes);
    bool SetClock(uint newClock);
    bool QuitOnLine();

private slots:
    void SLOT_DataReady();

private:
    void TraiterLigne(const QString& ligne);
    // Cuts and dispatches the complete lines of Tampon; false if this object was
    // destroyed by a slot meanwhile.
    bool CouperTampon();
    void SurErreur(QSerialPort::SerialPortError erreur);
    // Sends a line and waits for a reply that passes the command's test.
    bool Executer(const QString& ligne, int timeout, Trames::Commande commande, QString* reponse);
    // Device file of the port: a full path as given, or /dev/ + short name.
    QString CheminPeripherique() const;

    TamponLignes Tampon;
    bool EnCours = false;
    QMutex Verrou;
    QStringList Reponses;
    bool AttenteEntete = false;

    bool m_Perdu = false;
    QString m_DerniereReponse;
    QEventLoop* m_BoucleAttente = nullptr; // AttendreReponse's wait, ended when a reply is queued
};
