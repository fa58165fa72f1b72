#include "clsSignaux.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// Written by the handler, read on the event loop: a handler may only write().
int s_Tube[2] = {-1, -1};

extern "C" void SurSignal(int signal)
{
    const unsigned char octet = static_cast<unsigned char>(signal);
    const ssize_t ecrit = ::write(s_Tube[1], &octet, 1);
    (void)ecrit; // nothing to do from a handler when the pipe is full
}

void Installer(void (*gestionnaire)(int))
{
    struct sigaction action = {};
    action.sa_handler = gestionnaire;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

clsSignaux::clsSignaux(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_Tube) != 0)
        return;
    m_Notificateur = new QSocketNotifier(s_Tube[0], QSocketNotifier::Read, this);
    connect(m_Notificateur, &QSocketNotifier::activated, this, &clsSignaux::Lire);
    Installer(SurSignal);
}

clsSignaux::~clsSignaux()
{
    if (!m_Notificateur)
        return;
    Installer(SIG_DFL);
    delete m_Notificateur;
    ::close(s_Tube[0]);
    ::close(s_Tube[1]);
    s_Tube[0] = s_Tube[1] = -1;
}

void clsSignaux::Lire()
{
    unsigned char octet = 0;
    if (::read(s_Tube[0], &octet, 1) == 1)
        emit Arret(int(octet));
}
