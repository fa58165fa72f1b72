#include "LigneDeCommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace
{

// Options that QGuiApplication, QApplication and the X11 platform take from the
// command line themselves, as single-dash words.
const char OptionsQtAvecValeur[] = "platform platformpluginpath platformtheme plugin "
                                   "qwindowgeometry geometry qwindowtitle title qwindowicon "
                                   "icon session display name style stylesheet qmljsdebugger";
const char OptionsQtSansValeur[] = "reverse widgetcount nograb dograb sync testability";

void Ecrire(std::FILE* flux, const QString& texte)
{
    const QByteArray octets = texte.toLocal8Bit();
    std::fwrite(octets.constData(), 1, static_cast<size_t>(octets.size()), flux);
}

} // namespace

int LireLigneDeCommande(int& argc, char** argv, TS_LIGNE& ligne)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parseur;
    parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parseur.setApplicationDescription(QStringLiteral(
        "Temperature and humidity data loggers: programming, download, live acquisition "
        "and analysis."));
    // Not addHelpOption(): its --help-all would need the GUI application for Qt's options.
    const QCommandLineOption aide(
        {QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
        QStringLiteral("Displays this help."));
    parseur.addOption(aide);
    const QCommandLineOption version = parseur.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Also look for a logger on PATH (a serial device, a pseudo-terminal or a "
                       "symbolic link), whatever its adapter. May be given several times."),
        QStringLiteral("PATH"));
    parseur.addOption(port);
    parseur.addPositionalArgument(
        QStringLiteral("files"),
        QStringLiteral("Recordings (.ail) to add to the analysis view, each with the "
                       "temperature and humidity it holds."),
        QStringLiteral("[FILE.ail...]"));
    for (const QString& nom : QString::fromLatin1(OptionsQtAvecValeur).split(QLatin1Char(' '))) {
        QCommandLineOption option(nom, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parseur.addOption(option);
    }
    for (const QString& nom : QString::fromLatin1(OptionsQtSansValeur).split(QLatin1Char(' '))) {
        QCommandLineOption option(nom);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parseur.addOption(option);
    }

    const bool lu = parseur.parse(arguments);
    if (lu && !parseur.isSet(aide) && !parseur.isSet(version)) {
        ligne.Ports = parseur.values(port);
        for (const QString& fichier : parseur.positionalArguments())
            ligne.Fichiers << QFileInfo(fichier).absoluteFilePath();
        return -1;
    }

    // The help text names the program from the application object's arguments.
    QCoreApplication noyau(argc, argv);
    if (!lu) {
        const QString programme = QFileInfo(arguments.value(0)).fileName();
        Ecrire(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                           .arg(programme, parseur.errorText()));
        return 2;
    }
    if (parseur.isSet(aide))
        Ecrire(stdout, parseur.helpText());
    else
        Ecrire(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                     QCoreApplication::applicationVersion()));
    return 0;
}
