#include "PseudoTerminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal(QObject* parent) : QObject(parent)
{
    const int maitre = posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre < 0)
        return;
    if (grantpt(maitre) != 0 || unlockpt(maitre) != 0) {
        ::close(maitre);
        return;
    }
    termios t;
    if (tcgetattr(maitre, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(maitre, TCSANOW, &t);
    }
    fcntl(maitre, F_SETFL, fcntl(maitre, F_GETFL) | O_NONBLOCK);
    m_chemin = QString::fromLocal8Bit(ptsname(maitre));
    m_esclave = ::open(ptsname(maitre), O_RDWR | O_NOCTTY | O_NONBLOCK);
    m_maitre = maitre;
    m_notificateur = new QSocketNotifier(m_maitre, QSocketNotifier::Read, this);
    connect(m_notificateur, &QSocketNotifier::activated, this, &PseudoTerminal::lire);
}

PseudoTerminal::~PseudoTerminal()
{
    fermer();
}

void PseudoTerminal::ecrire(const QByteArray& octets)
{
    if (m_maitre < 0)
        return;
    qint64 fait = 0;
    while (fait < octets.size()) {
        const ssize_t n =
            ::write(m_maitre, octets.constData() + fait, size_t(octets.size() - fait));
        if (n > 0)
            fait += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        else
            usleep(1000); // the slave's input queue is full: let the reader catch up
    }
}

void PseudoTerminal::fermer()
{
    if (m_notificateur) {
        m_notificateur->setEnabled(false);
        delete m_notificateur;
        m_notificateur = nullptr;
    }
    if (m_esclave >= 0) {
        ::close(m_esclave);
        m_esclave = -1;
    }
    if (m_maitre >= 0) {
        ::close(m_maitre);
        m_maitre = -1;
    }
}

void PseudoTerminal::oublier()
{
    m_recu.clear();
    m_lignes.clear();
}

void PseudoTerminal::lire()
{
    char octets[4096];
    for (;;) {
        const ssize_t n = ::read(m_maitre, octets, sizeof octets);
        if (n <= 0) {
            if (n < 0 && errno == EIO)
                m_notificateur->setEnabled(false); // no slave open: nothing more to read
            return;
        }
        m_recu.append(octets, int(n));
        m_enCours.append(octets, int(n));
        int i;
        while ((i = m_enCours.indexOf("\r\n")) >= 0) {
            const QString ligne = QString::fromLatin1(m_enCours.left(i));
            m_enCours.remove(0, i + 2);
            m_lignes << ligne;
            emit ligneRecue(ligne);
            if (m_repondeur)
                ecrire(m_repondeur(ligne));
        }
    }
}
