#include "clsPseudoTerminal.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{
bool Brut(int fd)
{
    termios t;
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B38400);
    cfsetospeed(&t, B38400);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

QString Erreur(const char* quoi)
{
    return QStringLiteral("%1 : %2").arg(QLatin1String(quoi),
                                         QString::fromLocal8Bit(strerror(errno)));
}
} // namespace

clsPseudoTerminal::clsPseudoTerminal(QObject* parent) : QObject(parent)
{
    m_minuterie = new QTimer(this);
    m_minuterie->setSingleShot(true);
    m_minuterie->setTimerType(Qt::PreciseTimer);
    connect(m_minuterie, &QTimer::timeout, this, &clsPseudoTerminal::SLOT_Ecrire);
    m_horloge.start();
}

clsPseudoTerminal::~clsPseudoTerminal()
{
    Fermer();
}

bool clsPseudoTerminal::Ouvrir(const QString& lien, QString* erreur)
{
    m_maitre = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_maitre < 0 || grantpt(m_maitre) != 0 || unlockpt(m_maitre) != 0) {
        *erreur = Erreur("posix_openpt");
        Fermer();
        return false;
    }
    const QByteArray esclave = ptsname(m_maitre);
    m_esclave = ::open(esclave.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    // Raw on both ends before the first byte: a cooked slave would echo the
    // program's commands back to it and turn our CR into LF.
    if (m_esclave < 0 || !Brut(m_esclave) || !Brut(m_maitre)) {
        *erreur = Erreur("pseudo-terminal");
        Fermer();
        return false;
    }

    // Atomic replacement: a temporary symlink renamed over the path.
    const QFileInfo existant(lien);
    if (existant.exists() && !existant.isSymLink()) {
        *erreur = QStringLiteral("%1 existe et n'est pas un lien symbolique.").arg(lien);
        Fermer();
        return false;
    }
    const QByteArray chemin = QFile::encodeName(lien);
    const QByteArray temporaire = chemin + ".tmp" + QByteArray::number(getpid());
    ::unlink(temporaire.constData());
    if (::symlink(esclave.constData(), temporaire.constData()) != 0 ||
        ::rename(temporaire.constData(), chemin.constData()) != 0) {
        *erreur = Erreur(chemin.constData());
        ::unlink(temporaire.constData());
        Fermer();
        return false;
    }
    m_lien = lien;

    m_lecture = new QSocketNotifier(m_maitre, QSocketNotifier::Read, this);
    connect(m_lecture, &QSocketNotifier::activated, this, &clsPseudoTerminal::SLOT_Lire);
    m_ecriture = new QSocketNotifier(m_maitre, QSocketNotifier::Write, this);
    m_ecriture->setEnabled(false);
    connect(m_ecriture, &QSocketNotifier::activated, this, &clsPseudoTerminal::SLOT_Ecrire);
    return true;
}

void clsPseudoTerminal::Fermer()
{
    delete m_lecture;
    m_lecture = nullptr;
    delete m_ecriture;
    m_ecriture = nullptr;
    m_minuterie->stop();
    if (m_maitre >= 0)
        ::close(m_maitre);
    if (m_esclave >= 0)
        ::close(m_esclave);
    m_maitre = m_esclave = -1;
    if (!m_lien.isEmpty()) {
        // Only our own link: another simulator may have taken the path since.
        const QFileInfo info(m_lien);
        if (info.isSymLink())
            ::unlink(QFile::encodeName(m_lien).constData());
        m_lien.clear();
    }
    m_file.clear();
    m_enFile = 0;
}

int clsPseudoTerminal::NonLus() const
{
    int n = 0;
    if (m_esclave < 0 || ioctl(m_esclave, FIONREAD, &n) != 0)
        return -1;
    return n;
}

void clsPseudoTerminal::SLOT_Lire()
{
    char tampon[4096];
    for (;;) {
        const ssize_t n = ::read(m_maitre, tampon, sizeof tampon);
        if (n > 0) {
            m_recu.append(tampon, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            // EIO while no slave is open: do not spin on it, look again in 100 ms.
            m_lecture->setEnabled(false);
            QTimer::singleShot(100, this, [this] {
                if (m_lecture)
                    m_lecture->setEnabled(true);
            });
        }
        break;
    }
    // Lines end with CR, LF or CR LF.
    int debut = 0;
    for (int i = 0; i < m_recu.size(); ++i) {
        if (m_recu[i] == '\r' || m_recu[i] == '\n') {
            if (i > debut)
                emit LigneRecue(m_recu.mid(debut, i - debut));
            debut = i + 1;
        }
    }
    m_recu.remove(0, debut);
}

void clsPseudoTerminal::Ecrire(const QByteArray& octets, int attenteMs)
{
    if (m_maitre < 0 || octets.isEmpty())
        return;
    Morceau m;
    m.Octets = octets;
    m.AttenteMs = attenteMs;
    m_file.push_back(m);
    m_enFile += octets.size();
    if (!m_enEcriture && !m_minuterie->isActive() && !m_ecriture->isEnabled())
        SLOT_Ecrire();
}

void clsPseudoTerminal::Retirer(qint64 octets)
{
    const bool auDessus = m_enFile >= FileBasse;
    m_enFile -= octets;
    if (auDessus && m_enFile < FileBasse)
        emit PlaceLibre();
}

void clsPseudoTerminal::SLOT_Ecrire()
{
    if (m_ecriture)
        m_ecriture->setEnabled(false);
    // PlaceLibre's receivers queue more bytes from inside this loop.
    m_enEcriture = true;
    Pomper();
    m_enEcriture = false;
}

void clsPseudoTerminal::Pomper()
{
    while (m_maitre >= 0 && !m_file.empty()) {
        Morceau& tete = m_file.front();
        if (tete.AttenteMs > 0 && !tete.AttenteFaite) {
            tete.AttenteFaite = true;
            m_minuterie->start(tete.AttenteMs);
            return;
        }
        if (m_minuterie->isActive())
            return;
        qint64 n = tete.Octets.size() - tete.Position;
        if (m_cadence) {
            const qint64 maintenant = m_horloge.nsecsElapsed();
            const qint64 permis = m_rythme.Disponibles(maintenant);
            if (permis == 0) {
                // Wake when half the transmit FIFO is free: about 8 ms at 38400 baud.
                const qint64 ns = m_rythme.AttenteNs(32, maintenant);
                m_minuterie->start(int((ns + 999999) / 1000000));
                return;
            }
            n = qMin(n, permis);
        }
        const ssize_t ecrits =
            ::write(m_maitre, tete.Octets.constData() + tete.Position, size_t(n));
        if (ecrits < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                m_ecriture->setEnabled(true);
                return;
            }
            // The pty is broken: nothing more can be sent.
            m_file.clear();
            Retirer(m_enFile);
            return;
        }
        if (m_cadence)
            m_rythme.Envoyes(ecrits, m_horloge.nsecsElapsed());
        tete.Position += int(ecrits);
        if (tete.Position == tete.Octets.size()) {
            const qint64 taille = tete.Octets.size();
            m_file.pop_front();
            Retirer(taille);
        }
    }
}
