#pragma once

// The far end of a serial link for tests: a pseudo-terminal pair whose master
// this object holds (raw), so that CPortSerie opens the slave through the real
// QSerialPort. Records what the program sends; can answer each received line.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSocketNotifier;

class PseudoTerminal : public QObject
{
    Q_OBJECT

public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    bool estPret() const { return m_maitre >= 0; }
    // Path of the slave, e.g. /dev/pts/3.
    QString chemin() const { return m_chemin; }

    void ecrire(const QByteArray& octets);
    // Closes the master: the slave reports the device gone, its node disappears.
    void fermer();

    // Lines received from the program (cut at CR LF), oldest first.
    QStringList lignes() const { return m_lignes; }
    QByteArray recu() const { return m_recu; }
    void oublier();

    // Called for each complete line received; the returned bytes are written back.
    void setRepondeur(std::function<QByteArray(const QString&)> repondeur)
    {
        m_repondeur = std::move(repondeur);
    }

signals:
    void ligneRecue(const QString& ligne);

private:
    void lire();

    int m_maitre = -1;
    int m_esclave = -1; // kept open so the master never sees a hang-up between tests
    QString m_chemin;
    QSocketNotifier* m_notificateur = nullptr;
    QByteArray m_recu;
    QByteArray m_enCours;
    QStringList m_lignes;
    std::function<QByteArray(const QString&)> m_repondeur;
};
