#pragma once

#include "DLL_Service1_global.h"

#include <QObject>
#include <QString>

class Dialogues;

// Update check of the calling program against the Tessaro web service: asks at
// most once a month at start-up (or when asked), offers the newer version, downloads
// its installer and hands over to it. Every object works on the same process-wide
// parameters (clsParam). GUI thread only; the calls block in modal dialogs.
class DLL_SERVICE1_EXPORT clsTessaroService : public QObject
{
    Q_OBJECT

public:
    explicit clsTessaroService(QObject* parent = nullptr);

    void setStyleSheet(const QString& styleSheet);
    void setNomApplication(const QString& nom);
    void setVersionMajor(int major);
    void setVersionMinor(int minor);
    void setLangue(int langue); // 0 English, 1 French, 3 German
    // The windows through which the library talks to the user: the caller's own
    // (it must outlive the checks), or Qt's when null or never given.
    void setDialogues(Dialogues* dialogues);

    // proposer: offer the installation when a newer version is found, else only
    // tell it; demarrage: start-up check, at most once a month and silent when
    // nothing is found. Without a service address ("AccesTessaro") the start-up
    // check does nothing and a check on request says so. A failed check reports
    // its failure only. Accepting the installation ends the process.
    void CheckForInstall(bool proposer, bool demarrage);

    // Whether the last check that reached the web service found a newer version.
    bool isVersionDispo();

private:
    enum enm_RECHERCHE { RECHERCHE_NOUVELLE, RECHERCHE_AUCUNE, RECHERCHE_ECHEC };
    // Asks the web service; a failure has already been reported to the user.
    enm_RECHERCHE RechercheMiseAJour();
    void ProposerInstallation(bool proposer);
    bool TelechargerPatch(const QString& dossierDonnees);
    void Installer(const QString& dossierDonnees);
};
