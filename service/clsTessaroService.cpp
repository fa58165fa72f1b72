#include "clsTessaroService.h"

#include "Dialogues.h"
#include "OutilsService.h"
#include "ReponseService.h"
#include "clsParam.h"
#include "diaInstall.h"
#include "diaWebService.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace
{

// Hexadecimal SHA-256 of a file; empty when it cannot be read.
QString Sha256Fichier(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&fichier))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace

clsTessaroService::clsTessaroService(QObject* parent) : QObject(parent) {}

void clsTessaroService::setStyleSheet(const QString& styleSheet)
{
    clsParam::Instance().StyleSheet = styleSheet;
}

void clsTessaroService::setNomApplication(const QString& nom)
{
    clsParam& param = clsParam::Instance();
    param.NomApplication = nom;
    param.OuvrirFichierCommun(nom);
}

void clsTessaroService::setVersionMajor(int major)
{
    clsParam::Instance().VersionMajor = major;
}

void clsTessaroService::setVersionMinor(int minor)
{
    clsParam::Instance().VersionMinor = minor;
}

void clsTessaroService::setLangue(int langue)
{
    clsParam::Instance().InstallerTraducteur(langue);
}

void clsTessaroService::setDialogues(Dialogues* dialogues)
{
    Dialogues::Installer(dialogues);
}

void clsTessaroService::CheckForInstall(bool proposer, bool demarrage)
{
    clsParam& param = clsParam::Instance();
    if (param.Lire(QStringLiteral("AccesTessaro")).toString().isEmpty()) {
        if (!demarrage)
            Dialogues::Courant().Information(nullptr, tr("Mise a jour"),
                                             tr("Aucun service de mise à jour n'est configuré."));
        return;
    }
    const QDate aujourdhui = param.Aujourdhui();
    const QString texteAujourdhui = aujourdhui.toString(Qt::ISODate);

    if (demarrage) {
        // The first start-up after installation only starts the month.
        QDate dernier = param.LireCommun(QStringLiteral("DernierCheck")).toDate();
        if (!dernier.isValid()) {
            param.Ecrire(QStringLiteral("DernierCheck"), texteAujourdhui);
            dernier = aujourdhui;
        }
        if (!CheckMensuelDu(dernier, aujourdhui))
            return;
    }
    // Before the query: a failed query counts too.
    param.Ecrire(QStringLiteral("DernierCheck"), texteAujourdhui);

    const enm_RECHERCHE resultat = RechercheMiseAJour();
    if (resultat == RECHERCHE_NOUVELLE) {
        param.Ecrire(QStringLiteral("VersionDispo"), param.VersionDispoTexte());
        param.Ecrire(QStringLiteral("Url"), param.Chemin);
        ProposerInstallation(proposer);
    } else {
        param.Ecrire(QStringLiteral("VersionDispo"), QString());
        param.Ecrire(QStringLiteral("Url"), QString());
        // After a failure nothing is known: its message is the only one.
        if (!demarrage && resultat == RECHERCHE_AUCUNE)
            Dialogues::Courant().Information(nullptr, tr("Mise a jour"),
                                             tr("Aucune mise a jour disponible"));
    }
}

bool clsTessaroService::isVersionDispo()
{
    clsParam& param = clsParam::Instance();
    const QString version = param.Lire(QStringLiteral("VersionDispo")).toString();
    if (version.isEmpty())
        return false;
    LireVersion(version, param.DispoMajor, param.DispoMinor);
    param.Chemin = param.Lire(QStringLiteral("Url")).toString();
    return true;
}

clsTessaroService::enm_RECHERCHE clsTessaroService::RechercheMiseAJour()
{
    clsParam& param = clsParam::Instance();
    const QString base = param.Lire(QStringLiteral("AccesTessaro")).toString();
    const QUrl url = UrlService(base, QStringLiteral("index.php"));
    if (!url.isValid()) {
        Dialogues::Courant().Avertissement(
            nullptr, tr("HTTP"),
            tr("Erreur %1.").arg(tr("adresse du service invalide : \"%1\"").arg(base)));
        return RECHERCHE_ECHEC;
    }

    diaWebService dia;
    dia.setStyleSheet(param.StyleSheet);
    QByteArray corps;
    if (!dia.Interroger(url, param.DelaiRequete, corps))
        // An oversized reply is untrusted, like a malformed one: no newer version.
        return dia.ReponseTropGrande() ? RECHERCHE_AUCUNE : RECHERCHE_ECHEC;

    const TS_REPONSE rep = AnalyserReponse(corps, param.NomApplication, param.VersionMajor,
                                           param.VersionMinor, param.Langue);
    param.DispoMajor = rep.VersionMajor;
    param.DispoMinor = rep.VersionMinor;
    param.CompatMajor = rep.CompatMajor;
    param.CompatMinor = rep.CompatMinor;
    param.Chemin = rep.Chemin;
    param.Details = rep.Details;
    param.Sha256 = rep.Sha256;
    return rep.Nouvelle ? RECHERCHE_NOUVELLE : RECHERCHE_AUCUNE;
}

void clsTessaroService::ProposerInstallation(bool proposer)
{
    clsParam& param = clsParam::Instance();
    if (!proposer) {
        Dialogues::Courant().Information(
            nullptr, param.NomApplication,
            tr("La version %1 est disponible.").arg(param.VersionDispoTexte()));
        return;
    }

    diaInstall dia;
    dia.setStyleSheet(param.StyleSheet);
    dia.setTitre(param.NomApplication, param.VersionDispoTexte());
    dia.setDetails(param.Details);
    if (Dialogues::Courant().Executer(&dia) != QDialog::Accepted)
        return;

    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dossier);
    if (!TelechargerPatch(dossier))
        return;
    Installer(dossier);
}

bool clsTessaroService::TelechargerPatch(const QString& dossierDonnees)
{
    clsParam& param = clsParam::Instance();
    const QUrl url =
        UrlService(param.Lire(QStringLiteral("AccesTessaro")).toString(), param.Chemin);
    if (!url.isValid()) {
        // The published path leads off the service's host: refused.
        Dialogues::Courant().Avertissement(nullptr, tr("Chargement de la mise a jour"),
                                           tr("Impossible de telecharger la mise a jour.\n"
                                              "Veuillez nous contacter."));
        return false;
    }

    const QString fichier = dossierDonnees + QStringLiteral("/Patch.exe");
    diaWebService dia;
    dia.setStyleSheet(param.StyleSheet);
    if (!dia.Telecharger(url, fichier, param.NomApplication, param.DelaiRequete))
        return false;

    // The installer travels over plain HTTP: when the service publishes its
    // digest, nothing else is run.
    if (!param.Sha256.isEmpty() && Sha256Fichier(fichier) != param.Sha256) {
        QFile::remove(fichier);
        Dialogues::Courant().Avertissement(nullptr, tr("Installation"),
                                           tr("Le fichier telecharge est corrompu."));
        return false;
    }
    return true;
}

void clsTessaroService::Installer(const QString& dossierDonnees)
{
    clsParam& param = clsParam::Instance();
    const QString script = dossierDonnees + QStringLiteral("/Patch.sh");
    QFile::remove(script);
    QFile fichier(script);
    const QByteArray contenu = ScriptInstallation(dossierDonnees, QDir::currentPath(),
                                                  QCoreApplication::applicationFilePath())
                                   .toUtf8();
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size() ||
        !fichier.flush()) {
        fichier.close();
        QFile::remove(script);
        Dialogues::Courant().Avertissement(nullptr, tr("Installation"),
                                           tr("Impossible de creer le script d'installation."));
        return;
    }
    fichier.close();

    const QString patch = dossierDonnees + QStringLiteral("/Patch.exe");
    QFile::setPermissions(patch, QFile::permissions(patch) | QFileDevice::ExeOwner);

    if (!param.LancerDetache(QStringLiteral("/bin/sh"), {script})) {
        Dialogues::Courant().Avertissement(nullptr, tr("Installation"),
                                           tr("Impossible de lancer l'installation."));
        return;
    }
    // The installer replaces this program: end at once, leaving the windows as they are.
    if (param.Commun())
        param.Commun()->sync();
    param.Quitter(0);
}
