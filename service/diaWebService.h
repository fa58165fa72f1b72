#pragma once

#include <QDialog>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

class QEventLoop;
class QFile;

namespace Ui
{
class diaWebService;
}

// Progress dialog of one exchange with the web service: the query (with a waiting
// animation and a time-out) or the download of the installer (with progress). The
// exchange runs inside the dialog's modal loop; failures are reported here, once.
// No cancel: the dialog ends when the exchange does.
class diaWebService : public QDialog
{
    Q_OBJECT

public:
    explicit diaWebService(QWidget* parent = nullptr);
    ~diaWebService() override;

    // GET of url; true with the whole body in corps, false after a network error,
    // an HTTP error, no answer within delaiMs, or a body over the size limit.
    bool Interroger(const QUrl& url, int delaiMs, QByteArray& corps);
    // The last query failed on a body over the size limit, the one failure
    // that is not reported.
    bool ReponseTropGrande() const { return m_TropGrand; }

    // GET of url into the file cheminFichier (replaced); true when the whole file,
    // at least 5000 bytes, arrived. Fails when nothing arrives for delaiMs. A
    // refused file is deleted.
    bool Telecharger(const QUrl& url, const QString& cheminFichier, const QString& nomApplication,
                     int delaiMs);

    void done(int r) override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void pBarSuivant();
    void timeOutQuery();
    void httpReadyRead();
    void httpFinished();
    void downloadReadyRead();
    void downloadProgress(qint64 recus, qint64 total);
    void downloadFinished();
    void downloadError(QNetworkReply::NetworkError code);

private:
    QNetworkReply* Get(const QUrl& url);
    int Executer();
    void ArreterMinuteries();
    void EchecTelechargement(const QString& titre, const QString& texte, bool critique);
    void LibererFichier(bool supprimer);

    Ui::diaWebService* ui;
    QNetworkAccessManager m_Reseau;
    QNetworkReply* m_Reponse = nullptr;
    QTimer m_timAnimation; // 100 ms steps of the waiting animation
    QTimer m_timDelai;     // query time-out; longest silence of a download
    QTimer m_timAffichage; // shows the dialog once the exchange lasts 100 ms
    QEventLoop* m_Boucle = nullptr;
    bool m_Termine = false;

    QByteArray m_Corps;
    bool m_DelaiEcoule = false;
    bool m_TropGrand = false;

    int m_DelaiTelechargement = 0;    // ms
    std::unique_ptr<QFile> m_Fichier; // null once released
    bool m_EchecSignale = false;      // the download failure has been reported
};
