#pragma once

#include "clsCadence.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>

class QSocketNotifier;
class QTimer;

// The logger's end of the line: a pseudo-terminal whose slave is reached
// through a symlink. Received bytes are cut into lines at CR or LF; outgoing
// bytes go through a queue written as fast as the pty accepts them, or at the
// wire rate when paced, so that nothing is lost on a full pty.
class clsPseudoTerminal : public QObject
{
    Q_OBJECT

public:
    explicit clsPseudoTerminal(QObject* parent = nullptr);
    ~clsPseudoTerminal() override;

    // Creates the pty (both ends raw) and the symlink, replacing an existing symlink.
    bool Ouvrir(const QString& lien, QString* erreur);
    // Closes both ends (the slave's device node disappears) and removes the symlink.
    void Fermer();
    void SetCadence(bool active) { m_cadence = active; }

    // Queues bytes, written once everything queued before them is written and,
    // when attenteMs > 0, that many ms after they reached the head of the queue.
    void Ecrire(const QByteArray& octets, int attenteMs = 0);
    // Bytes queued and not yet handed to the pty.
    qint64 EnFile() const { return m_enFile; }
    // Bytes handed to the pty and not yet read by the other end (-1: unknown).
    int NonLus() const;

signals:
    // One received line without its line end; empty lines are skipped.
    void LigneRecue(const QByteArray& ligne);
    // The queue went below FileBasse bytes.
    void PlaceLibre();

public:
    static constexpr qint64 FileBasse = 4096;

private slots:
    void SLOT_Lire();
    void SLOT_Ecrire();

private:
    struct Morceau {
        QByteArray Octets;
        int Position = 0;
        int AttenteMs = 0;
        bool AttenteFaite = false;
    };

    void Pomper();
    void Retirer(qint64 octets);

    int m_maitre = -1;
    int m_esclave = -1; // kept open so that the master never reads EIO between two users
    QString m_lien;
    QSocketNotifier* m_lecture = nullptr;
    QSocketNotifier* m_ecriture = nullptr;
    QTimer* m_minuterie = nullptr; // head's delay, pacing wait, read retry
    QByteArray m_recu;
    std::deque<Morceau> m_file;
    qint64 m_enFile = 0;
    bool m_cadence = false;
    bool m_enEcriture = false;
    clsCadence m_rythme;
    QElapsedTimer m_horloge;
};
