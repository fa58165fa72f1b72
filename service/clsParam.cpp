#include "clsParam.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdlib>

QString PathCommonAppData()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tessaro");
}

clsParam& clsParam::Instance()
{
    static clsParam param;
    return param;
}

namespace
{

// Created when the library is loaded.
[[maybe_unused]] const bool g_ParamCree = (clsParam::Instance(), true);

} // namespace

// The translations are compiled into the library; linked statically (the tests),
// they are kept only when referred to. At global scope, as Q_INIT_RESOURCE requires.
static void InitialiserTraductions()
{
    Q_INIT_RESOURCE(DLL_Service_i18n);
}

clsParam::clsParam()
{
    InitialiserTraductions();
    LancerDetache = [](const QString& programme, const QStringList& arguments) {
        return QProcess::startDetached(programme, arguments);
    };
    Quitter = std::exit;
}

clsParam::~clsParam() = default;

void clsParam::OuvrirFichierCommun(const QString& nomApplication)
{
    if (m_Commun)
        return;
    const QString dossier = PathCommonAppData();
    QDir().mkpath(dossier);
    m_Commun =
        std::make_unique<QSettings>(dossier + "/" + nomApplication + ".ini", QSettings::IniFormat);
}

QVariant clsParam::Lire(const QString& cle) const
{
    if (!m_Utilisateur)
        m_Utilisateur = std::make_unique<QSettings>();
    if (m_Utilisateur->contains(cle))
        return m_Utilisateur->value(cle);
    return LireCommun(cle);
}

QVariant clsParam::LireCommun(const QString& cle) const
{
    if (!m_Commun)
        return QVariant();
    return m_Commun->value(cle);
}

void clsParam::Ecrire(const QString& cle, const QVariant& valeur)
{
    if (!m_Commun)
        return;
    m_Commun->setValue(cle, valeur);
    m_Commun->sync();
}

void clsParam::InstallerTraducteur(int langue)
{
    Langue = langue;
    if (m_Traducteur)
        QCoreApplication::removeTranslator(m_Traducteur.get());
    else
        m_Traducteur = std::make_unique<QTranslator>();

    // German is not shipped yet: English stands in.
    QString nom = langue == 1   ? QStringLiteral("DLL_Service_fr")
                  : langue == 3 ? QStringLiteral("DLL_Service_de")
                                : QStringLiteral("DLL_Service_en");
    if (!m_Traducteur->load(nom, QStringLiteral(":/DLL_Service/i18n")))
        m_Traducteur->load(QStringLiteral("DLL_Service_en"), QStringLiteral(":/DLL_Service/i18n"));
    QCoreApplication::installTranslator(m_Traducteur.get());
}

QString clsParam::VersionDispoTexte() const
{
    return QStringLiteral("%1.%2").arg(DispoMajor).arg(DispoMinor);
}

QDate clsParam::Aujourdhui() const
{
    return m_Aujourdhui.isValid() ? m_Aujourdhui : QDate::currentDate();
}
