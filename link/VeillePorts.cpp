#include "VeillePorts.h"

#include "CPortSerie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>

namespace
{

// The first enumeration is waited for at most this long, ms.
constexpr int AttentePremiereListe = 5000;

} // namespace

QByteArray EmpreinteSerie(const QString& sys, const QString& udev)
{
    QByteArray empreinte;
    const QDir tty(sys + QStringLiteral("/class/tty"));
    for (const QString& nom :
         tty.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name)) {
        // Virtual consoles and pseudo-terminals have no device behind them.
        const QString dossier = tty.filePath(nom);
        if (!QFileInfo::exists(dossier + QStringLiteral("/device")))
            continue;
        QFile numero(dossier + QStringLiteral("/dev"));
        const QByteArray dev =
            numero.open(QIODevice::ReadOnly) ? numero.readAll().trimmed() : QByteArray();
        const QFileInfo fiche(udev + QStringLiteral("/c") + QString::fromLatin1(dev));
        empreinte +=
            QFile::encodeName(nom) + ' ' + dev + ' ' +
            QByteArray::number(fiche.exists() ? fiche.lastModified().toMSecsSinceEpoch() : -1) +
            '\n';
    }
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
