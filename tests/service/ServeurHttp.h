#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A minimal HTTP server on 127.0.0.1 inside the test process: one scripted answer
// per path, one request per connection. It accepts a bounded number of
// connections and then stops listening.
class ServeurHttp : public QObject
{
    Q_OBJECT

public:
    struct Reponse {
        int Statut = 200;
        QByteArray Corps;
        QByteArray Entetes;  // extra header lines, each ending in "\r\n"
        bool Muet = false;   // never answers
        int CoupeApres = -1; // closes after this many body bytes (announcing all)
        int Retard = 0;      // ms before answering
    };

    explicit ServeurHttp(QObject* parent = nullptr);

    bool Demarrer();
    QString Base() const; // "http://127.0.0.1:<port>/"
    quint16 Port() const { return m_Serveur.serverPort(); }

    void Definir(const QString& chemin, const Reponse& reponse) { m_Reponses[chemin] = reponse; }
    void Vider();                                       // answers, log and open connections
    QStringList Requetes() const { return m_Requetes; } // paths asked, in order

private:
    void Connexion();
    void Lire(QTcpSocket* socket);
    void Repondre(QTcpSocket* socket, const Reponse& reponse);

    QTcpServer m_Serveur;
    QMap<QString, Reponse> m_Reponses;
    QStringList m_Requetes;
    int m_Connexions = 0;
};
