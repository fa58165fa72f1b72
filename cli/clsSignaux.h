#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM turned into a Qt signal on the event loop, so that the
// logger can be told to stop before the process ends. One object at a time.
class clsSignaux : public QObject
{
    Q_OBJECT

public:
    explicit clsSignaux(QObject* parent = nullptr);
    // Puts the default handlers back.
    ~clsSignaux() override;

    bool Installe() const { return m_Notificateur != nullptr; }

signals:
    void Arret(int signal);

private:
    void Lire();

    QSocketNotifier* m_Notificateur = nullptr;
};
