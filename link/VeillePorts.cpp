#include "VeillePorts.h"

#include "CPortSerie.h"

#include <QFile>

#include <algorithm>
#include <chrono>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The first enumeration is waited for at most this long, ms.
constexpr int AttentePremiereListe = 5000;

// tty, tty0 to tty63, console, ptmx: two thirds of /sys/class/tty on a desktop,
// never backed by a device, not worth a look at each pass.
bool ConsoleVirtuelle(const QByteArray& nom)
{
    if (nom == "console" || nom == "ptmx")
        return true;
    if (!nom.startsWith("tty"))
        return false;
    for (int i = 3; i < nom.size(); ++i) {
        if (nom.at(i) < '0' || nom.at(i) > '9')
            return false;
    }
    return true;
}

} // namespace

QByteArray EmpreinteSerie(const QString& sys, const QString& udev)
{
    // Plain system calls: this runs twice a second for as long as the program does.
    QByteArray empreinte;
    const QByteArray tty = QFile::encodeName(sys) + "/class/tty";
    const QByteArray fiches = QFile::encodeName(udev) + "/c";
    DIR* dossier = ::opendir(tty.constData());
    if (!dossier)
        return empreinte;
    QList<QByteArray> lignes;
    const int fd = ::dirfd(dossier);
    while (const dirent* entree = ::readdir(dossier)) {
        const QByteArray nom(entree->d_name);
        // Virtual consoles and pseudo-terminals have no device behind them.
        if (nom.startsWith('.') || ConsoleVirtuelle(nom) ||
            ::faccessat(fd, (nom + "/device").constData(), F_OK, 0) != 0)
            continue;
        QByteArray dev;
        const int numero = ::openat(fd, (nom + "/dev").constData(), O_RDONLY | O_CLOEXEC);
        if (numero >= 0) {
            char texte[32];
            const ssize_t lu = ::read(numero, texte, sizeof texte);
            ::close(numero);
            dev = QByteArray(texte, int(qMax<ssize_t>(lu, 0))).trimmed();
        }
        struct stat fiche = {};
        const bool ecrite = ::stat((fiches + dev).constData(), &fiche) == 0;
        lignes << nom + ' ' + dev + ' ' +
                      (ecrite ? QByteArray::number(qint64(fiche.st_mtim.tv_sec)) + '.' +
                                    QByteArray::number(qint64(fiche.st_mtim.tv_nsec))
                              : QByteArray("-"));
    }
    ::closedir(dossier);
    std::sort(lignes.begin(), lignes.end());
    for (const QByteArray& ligne : qAsConst(lignes))
        empreinte += ligne + '\n';
    return empreinte;
}

VeillePorts::VeillePorts(int periodeMs) : m_Periode(periodeMs)
{
    m_Fil = std::thread(&VeillePorts::Travailler, this);
}

VeillePorts::~VeillePorts()
{
    {
        std::lock_guard<std::mutex> verrou(m_Verrou);
        m_Fin = true;
    }
    m_Reveil.notify_all();
    m_Fil.join();
}

void VeillePorts::Travailler()
{
    QByteArray vue;
    bool premiere = true;
    std::unique_lock<std::mutex> verrou(m_Verrou);
    while (!m_Fin) {
        verrou.unlock();
        // Read before the enumeration: a change during it is seen next time.
        const QByteArray empreinte = EmpreinteSerie();
        const bool changee = premiere || empreinte != vue;
        QList<QSerialPortInfo> infos;
        if (changee)
            infos = QSerialPortInfo::availablePorts();
        verrou.lock();
        if (changee) {
            m_Infos = infos;
            vue = empreinte;
            premiere = false;
            m_Pret = true;
            m_Reveil.notify_all();
        }
        m_Reveil.wait_for(verrou, std::chrono::milliseconds(m_Periode), [this] { return m_Fin; });
    }
}

QStringList VeillePorts::Ports()
{
    QList<QSerialPortInfo> infos;
    {
        std::unique_lock<std::mutex> verrou(m_Verrou);
        m_Reveil.wait_for(verrou, std::chrono::milliseconds(AttentePremiereListe),
                          [this] { return m_Pret; });
        infos = m_Infos;
    }
    return CPortSerie::ListePorts(infos);
}

bool VeillePorts::Occupe(const QString& port)
{
    std::lock_guard<std::mutex> verrou(m_Verrou);
    for (const QSerialPortInfo& info : qAsConst(m_Infos)) {
        if (info.portName() == port)
            return info.isBusy();
    }
    return false;
}
