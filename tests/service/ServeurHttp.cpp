#include "ServeurHttp.h"

#include <QTcpSocket>
#include <QTimer>

namespace
{

// Enough for every case of a test run; beyond it the server stops accepting.
constexpr int CONNEXIONS_MAX = 200;

} // namespace

ServeurHttp::ServeurHttp(QObject* parent) : QObject(parent)
{
    connect(&m_Serveur, &QTcpServer::newConnection, this, &ServeurHttp::Connexion);
}

bool ServeurHttp::Demarrer()
{
    return m_Serveur.listen(QHostAddress::LocalHost, 0);
}

QString ServeurHttp::Base() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_Serveur.serverPort());
}

void ServeurHttp::Vider()
{
    m_Reponses.clear();
    m_Requetes.clear();
    for (QTcpSocket* socket : findChildren<QTcpSocket*>())
        socket->abort();
}

void ServeurHttp::Connexion()
{
    while (QTcpSocket* socket = m_Serveur.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Lire(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (++m_Connexions >= CONNEXIONS_MAX)
            m_Serveur.close();
    }
}

void ServeurHttp::Lire(QTcpSocket* socket)
{
    QByteArray recu = socket->property("recu").toByteArray() + socket->readAll();
    socket->setProperty("recu", recu);
    if (!recu.contains("\r\n\r\n") || socket->property("servi").toBool())
        return;
    socket->setProperty("servi", true);

    // "GET /chemin HTTP/1.1"
    const QList<QByteArray> premiere = recu.left(recu.indexOf("\r\n")).split(' ');
    const QString chemin = premiere.size() > 1 ? QString::fromLatin1(premiere.at(1)) : QString();
    m_Requetes << chemin;

    if (!m_Reponses.contains(chemin)) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    const Reponse rep = m_Reponses.value(chemin);
    if (rep.Muet)
        return;
    if (rep.Retard > 0)
        QTimer::singleShot(rep.Retard, socket, [this, socket, rep] { Repondre(socket, rep); });
    else
        Repondre(socket, rep);
}

void ServeurHttp::Repondre(QTcpSocket* socket, const Reponse& rep)
{
    QByteArray texte = "HTTP/1.1 " + QByteArray::number(rep.Statut) + " Statut\r\n";
    texte += "Content-Length: " + QByteArray::number(rep.Corps.size()) + "\r\n";
    texte += "Connection: close\r\n" + rep.Entetes + "\r\n";
    texte += rep.CoupeApres >= 0 ? rep.Corps.left(rep.CoupeApres) : rep.Corps;
    socket->write(texte);
    socket->disconnectFromHost();
}
