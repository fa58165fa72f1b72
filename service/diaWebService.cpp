#include "diaWebService.h"
#include "ui_diaWebService.h"

#include "Dialogues.h"
#include "ReponseService.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QNetworkRequest>

#include <limits>

namespace
{

// The installer is refused below this size (bytes): an error page, not a program.
constexpr qint64 TAILLE_MIN_PATCH = 5000;

int VersInt(qint64 valeur)
{
    return static_cast<int>(qMin<qint64>(valeur, std::numeric_limits<int>::max()));
}

} // namespace

diaWebService::diaWebService(QWidget* parent) : QDialog(parent), ui(new Ui::diaWebService)
{
    ui->setupUi(this);
    // No title-bar buttons: the dialog ends with the exchange.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);

    m_timAnimation.setInterval(100);
    connect(&m_timAnimation, &QTimer::timeout, this, &diaWebService::pBarSuivant);
    m_timDelai.setSingleShot(true);
    connect(&m_timDelai, &QTimer::timeout, this, &diaWebService::timeOutQuery);
    m_timAffichage.setSingleShot(true);
    m_timAffichage.setInterval(100);
    connect(&m_timAffichage, &QTimer::timeout, this, &QWidget::show);
}

diaWebService::~diaWebService()
{
    delete ui;
}

QNetworkReply* diaWebService::Get(const QUrl& url)
{
    QNetworkRequest requete(url);
    requete.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // A redirect to another host is an error, never followed.
    requete.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    return m_Reseau.get(requete);
}

int diaWebService::Executer()
{
    // Shown only when the exchange lasts 100 ms, so a quick answer does not flash.
    m_timAffichage.start();
    if (!m_Termine) {
        QEventLoop boucle;
        m_Boucle = &boucle;
        boucle.exec(QEventLoop::DialogExec);
        m_Boucle = nullptr;
    }
    return result();
}

void diaWebService::done(int r)
{
    m_Termine = true;
    ArreterMinuteries();
    QDialog::done(r);
    if (m_Boucle)
        m_Boucle->quit();
}

void diaWebService::ArreterMinuteries()
{
    // Also the delayed showing: shown later, the dialog would cover a message box
    // that is already waiting for the user.
    m_timAffichage.stop();
    m_timAnimation.stop();
    m_timDelai.stop();
}

void diaWebService::reject()
{
    // Escape does not end the exchange: there is no cancel.
}

void diaWebService::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

bool diaWebService::Interroger(const QUrl& url, int delaiMs, QByteArray& corps)
{
    ui->lblMessage->setText(tr("Recherche d'une mise a jour"));
    ui->pBar->setTextVisible(false);
    ui->pBar->setRange(0, 15);
    ui->pBar->setValue(0);
    m_Termine = false;
    m_Corps.clear();
    m_DelaiEcoule = false;
    m_TropGrand = false;

    m_Reponse = Get(url);
    connect(m_Reponse, &QNetworkReply::readyRead, this, &diaWebService::httpReadyRead);
    connect(m_Reponse, &QNetworkReply::finished, this, &diaWebService::httpFinished);
    m_timAnimation.start();
    m_timDelai.start(delaiMs);

    const bool ok = Executer() == QDialog::Accepted;
    corps = ok ? m_Corps : QByteArray();
    m_Corps.clear();
    return ok;
}

void diaWebService::pBarSuivant()
{
    const int valeur = ui->pBar->value();
    ui->pBar->setValue(valeur >= ui->pBar->maximum() ? 0 : valeur + 1);
}

void diaWebService::timeOutQuery()
{
    m_DelaiEcoule = true;
    if (m_Reponse)
        m_Reponse->abort(); // ends the request: httpFinished reports it
}

void diaWebService::httpReadyRead()
{
    if (!m_Reponse || m_TropGrand)
        return;
    m_Corps += m_Reponse->readAll();
    if (m_Corps.size() > TAILLE_MAX_REPONSE) {
        m_TropGrand = true;
        m_Corps.clear();
        m_Reponse->abort();
    }
}

void diaWebService::httpFinished()
{
    QNetworkReply* reponse = m_Reponse;
    if (!reponse)
        return;
    m_Reponse = nullptr;
    reponse->deleteLater();
    ArreterMinuteries();

    if (m_TropGrand) {
        // Untrusted and oversized: no newer version, nothing to tell the user.
        done(QDialog::Rejected);
        return;
    }
    if (m_DelaiEcoule) {
        Dialogues::Courant().Avertissement(nullptr, tr("HTTP"), tr("La requete n'a pas abouti"));
        done(QDialog::Rejected);
        return;
    }
    if (reponse->error() != QNetworkReply::NoError) {
        Dialogues::Courant().Avertissement(nullptr, tr("HTTP"),
                                           tr("Erreur %1.").arg(reponse->errorString()));
        done(QDialog::Rejected);
        return;
    }
    m_Corps += reponse->readAll();
    if (m_Corps.size() > TAILLE_MAX_REPONSE) {
        m_TropGrand = true;
        m_Corps.clear();
        done(QDialog::Rejected);
        return;
    }
    done(QDialog::Accepted);
}

bool diaWebService::Telecharger(const QUrl& url, const QString& cheminFichier,
                                const QString& nomApplication, int delaiMs)
{
    ui->lblMessage->setText(nomApplication.toUpper() + "\n" + tr("Chargement de la mise a jour"));
    ui->pBar->setTextVisible(true);
    ui->pBar->setRange(0, 0);
    ui->pBar->setValue(0);
    m_Termine = false;
    m_EchecSignale = false;
    m_DelaiEcoule = false;

    QFile::remove(cheminFichier);
    m_Fichier = std::make_unique<QFile>(cheminFichier);
    if (!m_Fichier->open(QIODevice::WriteOnly)) {
        m_Fichier.reset();
        Dialogues::Courant().Avertissement(nullptr, tr("Installation"),
                                           tr("Impossible de creer le fichier d'installation."));
        return false;
    }

    m_Reponse = Get(url);
    connect(m_Reponse, &QNetworkReply::readyRead, this, &diaWebService::downloadReadyRead);
    connect(m_Reponse, &QNetworkReply::downloadProgress, this, &diaWebService::downloadProgress);
    connect(m_Reponse, &QNetworkReply::finished, this, &diaWebService::downloadFinished);
    connect(m_Reponse, &QNetworkReply::errorOccurred, this, &diaWebService::downloadError);
    // No cancel button: a server that stops sending must not hold the user forever.
    m_DelaiTelechargement = delaiMs;
    m_timDelai.start(delaiMs);

    return Executer() == QDialog::Accepted;
}

void diaWebService::downloadReadyRead()
{
    if (!m_Reponse || !m_Fichier)
        return;
    const QByteArray morceau = m_Reponse->readAll();
    if (m_Fichier->write(morceau) != morceau.size()) {
        EchecTelechargement(tr("Installation"),
                            tr("Impossible de creer le fichier d'installation."), false);
        if (m_Reponse)
            m_Reponse->abort();
    }
}

void diaWebService::downloadProgress(qint64 recus, qint64 total)
{
    if (m_timDelai.isActive())
        m_timDelai.start(m_DelaiTelechargement);
    if (total > 0) {
        ui->pBar->setMaximum(VersInt(total));
        ui->pBar->setValue(VersInt(qMin(recus, total)));
    }
}

void diaWebService::downloadError(QNetworkReply::NetworkError code)
{
    if (m_DelaiEcoule) {
        EchecTelechargement(tr("HTTP"), tr("La requete n'a pas abouti"), false);
        return;
    }
    const QString texte = m_Reponse ? m_Reponse->errorString() : QString();
    EchecTelechargement(tr("erreur"), tr("Erreur %1 : %2").arg(code).arg(texte), true);
}

void diaWebService::downloadFinished()
{
    QNetworkReply* reponse = m_Reponse;
    if (!reponse)
        return;
    m_Reponse = nullptr;
    reponse->deleteLater();
    // An error has usually been reported already by downloadError, and the file
    // released: report nothing twice, touch nothing after the release.
    if (m_EchecSignale)
        return;

    if (reponse->error() != QNetworkReply::NoError) {
        EchecTelechargement(tr("HTTP"), tr("Erreur %1.").arg(reponse->errorString()), false);
        return;
    }
    const QVariant statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (statut.isValid() && (statut.toInt() < 200 || statut.toInt() > 299)) {
        const QString raison =
            reponse->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        EchecTelechargement(tr("HTTP"),
                            tr("Erreur %1.").arg(QString::number(statut.toInt()) + " " + raison),
                            false);
        return;
    }

    const QByteArray reste = reponse->readAll();
    if (m_Fichier->write(reste) != reste.size() || !m_Fichier->flush()) {
        EchecTelechargement(tr("Installation"),
                            tr("Impossible de creer le fichier d'installation."), false);
        return;
    }
    // A connection cut short can end without an error: the announced length says
    // whether the installer arrived whole (unknown when the body came compressed).
    const QVariant annoncee = reponse->header(QNetworkRequest::ContentLengthHeader);
    const bool compresse = !reponse->rawHeader("Content-Encoding").isEmpty();
    const bool tronque =
        annoncee.isValid() && !compresse && m_Fichier->size() != annoncee.toLongLong();
    if (tronque || m_Fichier->size() < TAILLE_MIN_PATCH) {
        EchecTelechargement(tr("Chargement de la mise a jour"),
                            tr("Impossible de telecharger la mise a jour.\n"
                               "Veuillez nous contacter."),
                            false);
        return;
    }
    LibererFichier(false);
    done(QDialog::Accepted);
}

void diaWebService::EchecTelechargement(const QString& titre, const QString& texte, bool critique)
{
    if (m_EchecSignale)
        return;
    m_EchecSignale = true;
    ArreterMinuteries();
    // Released before the message box: its loop may deliver the end of the download.
    LibererFichier(true);
    if (critique)
        Dialogues::Courant().Message(this, QMessageBox::Critical, titre, texte);
    else
        Dialogues::Courant().Avertissement(nullptr, titre, texte);
    done(QDialog::Rejected);
}

void diaWebService::LibererFichier(bool supprimer)
{
    if (!m_Fichier)
        return;
    m_Fichier->close();
    if (supprimer)
        m_Fichier->remove();
    m_Fichier.reset();
}
