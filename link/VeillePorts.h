#pragma once

#include <QByteArray>
#include <QList>
#include <QSerialPortInfo>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>

// What tells that the serial devices changed, read from the file system in well
// under a millisecond: for each entry of <sys>/class/tty backed by a device, its
// name, its device number and the time its udev record (<udev>/c<major>:<minor>)
// was written. The record matters: udev writes it after the device appears, and
// the adapter's manufacturer is read from it.
QByteArray EmpreinteSerie(const QString& sys = QStringLiteral("/sys"),
                          const QString& udev = QStringLiteral("/run/udev/data"));

// Finds the loggers' adapters away from the GUI thread. The system's port
// enumeration costs 17 to 64 ms (libudev, thousands of system calls): a worker
// thread runs it at once, then compares EmpreinteSerie() every periodeMs and
// enumerates again only when it changed. The GUI thread reads the last result.
class VeillePorts
{
public:
    explicit VeillePorts(int periodeMs = 500);
    ~VeillePorts(); // stops the worker (waits for an enumeration under way)
    VeillePorts(const VeillePorts&) = delete;
    VeillePorts& operator=(const VeillePorts&) = delete;

    // The ports to watch now, as CPortSerie::ListePorts() gives them: the
    // loggers' adapters of the last enumeration, then the ports named on the
    // command line whose path exists. The first call waits for the first
    // enumeration, 5 s at most.
    QStringList Ports();
    // Whether the system reports port in use, for a port this process does not
    // hold: the lock check of its entry in the last enumeration (false for a
    // port it does not list: pseudo-terminals, symlinks).
    bool Occupe(const QString& port);

private:
    void Travailler();

    const int m_Periode; // ms
    std::mutex m_Verrou;
    std::condition_variable m_Reveil;
    bool m_Fin = false;
    bool m_Pret = false;            // one enumeration done
    QList<QSerialPortInfo> m_Infos; // the last enumeration
    std::thread m_Fil;
};
