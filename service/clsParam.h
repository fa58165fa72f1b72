#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class QSettings;
class QTranslator;

// Folder of the library's common settings file: the first writable generic data
// location + "/Tessaro".
QString PathCommonAppData();

// The library's process-wide parameters, shared by every service object: what the
// caller told us, what the last reply published, and the settings.
// Reading a key looks in the caller's own settings first, then in the common file
// PathCommonAppData() + "/" + application name + ".ini"; writes go to the common file.
class clsParam
{
public:
    static clsParam& Instance();

    ~clsParam();
    clsParam(const clsParam&) = delete;
    clsParam& operator=(const clsParam&) = delete;

    // Caller
    QString NomApplication;
    int VersionMajor = 0;
    int VersionMinor = 0;
    QString StyleSheet;
    int Langue = 0; // 0 English, 1 French, 3 German

    // Last reply, or "VersionDispo" and "Url" as stored
    int DispoMajor = 0;
    int DispoMinor = 0;
    int CompatMajor = 0;
    int CompatMinor = 0;
    QString Chemin;
    QString Details;
    QString Sha256;

    // Opens the common settings file once per process, creating its folder.
    void OuvrirFichierCommun(const QString& nomApplication);
    QSettings* Commun() const { return m_Commun.get(); }

    QVariant Lire(const QString& cle) const;       // user settings, then common file
    QVariant LireCommun(const QString& cle) const; // common file only
    void Ecrire(const QString& cle, const QVariant& valeur);

    // Installs the library's translator of the language, removing the others.
    void InstallerTraducteur(int langue);

    QString VersionDispoTexte() const;

    // Seams, so that tests neither wait a minute, depend on the date, start an
    // installer nor end their own process.
    QDate Aujourdhui() const;
    void setAujourdhui(const QDate& date) { m_Aujourdhui = date; }
    int DelaiRequete = 60000; // ms: the web service answers within this time
    std::function<bool(const QString&, const QStringList&)> LancerDetache;
    void (*Quitter)(int) = nullptr;

private:
    clsParam();

    QDate m_Aujourdhui; // null: the real date
    mutable std::unique_ptr<QSettings> m_Utilisateur;
    std::unique_ptr<QSettings> m_Commun;
    std::unique_ptr<QTranslator> m_Traducteur;
};
