// vorsen: the loggers and their recordings from a terminal, for scripts and cron
// jobs. The command line is read before any application object exists, so that
// --help, --version and usage errors need no display; every command runs on a
// QCoreApplication but the PDF report, which needs widgets (offscreen when there
// is no display).
#include "Aide.h"
#include "CPortSerie.h"
#include "Commandes.h"
#include "Console.h"
#include "EnvironnementCli.h"
#include "LigneCommande.h"
#include "RapportPdf.h"

#include <QApplication>
#include <QLocale>

#include <csignal>
#include <cstdio>
#include <memory>

namespace
{

// Standard error carries vorsen's own messages, one line each: Qt's notes about
// its environment (no runtime folder, fonts) are left out; its errors stay.
void Journal(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "vorsen: %s\n", message.toUtf8().constData());
}

bool RapportDemande(const TS_LIGNE& ligne)
{
    return ligne.Erreur.isEmpty() && !ligne.Aide && !ligne.Version &&
           ligne.Commande == enm_COMMANDE::Export &&
           ligne.Valeur(QStringLiteral("format")) == QLatin1String("pdf");
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(Journal);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const enm_LANGUE langue = EnvironnementCli::LangueDuSysteme();

    std::unique_ptr<QCoreApplication> application;
    if (RapportDemande(LigneCommande::Analyser(arguments))) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application.reset(new QApplication(argc, argv));
        // The report's numbers and dates follow the language, as in the window.
        QLocale::setDefault(langue == FRANCAIS ? QLocale(QLocale::French, QLocale::France)
                                               : QLocale(QLocale::English, QLocale::UnitedStates));
    } else {
        application.reset(new QCoreApplication(argc, argv));
    }
    // The window's settings: the alarm thresholds and downloads are shared with it.
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORSEN_VERSION));
    EnvironnementCli::InstallerTraduction(langue);
    // A reader that goes away (vorsen monitor | head) makes writes fail instead
    // of killing the process, which then still stops the logger.
    std::signal(SIGPIPE, SIG_IGN);

    // Read again now that the messages are translated.
    const TS_LIGNE ligne = LigneCommande::Analyser(arguments);
    if (ligne.Version) {
        Console::Octets(Aide::Version().toUtf8());
        return SORTIE_OK;
    }
    if (ligne.Aide) {
        Console::Octets(Aide::Texte(ligne.Commande).toUtf8());
        return SORTIE_OK;
    }
    if (!ligne.Erreur.isEmpty()) {
        Console::Message(ligne.Erreur + QStringLiteral(" (") + Aide::Renvoi(ligne.Commande) +
                         QLatin1Char(')'));
        return SORTIE_USAGE;
    }
    CPortSerie::AjouterPortsManuels(ligne.Valeurs(QStringLiteral("port")));
    return Commandes::Executer(ligne, langue, &RapportPdf::Ecrire);
}
