#include "CPortSerie.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2%3").arg(VERSION_MAJEURE).arg(VERSION_MINEURE).arg(VERSION_SUFFIXE));

    QCommandLineParser ligne;
    ligne.setApplicationDescription(QStringLiteral(
        "Temperature and humidity data loggers: programming, download, live acquisition "
        "and analysis."));
    ligne.addHelpOption();
    ligne.addVersionOption();
    const QCommandLineOption optionPort(
        QStringLiteral("port"),
        QStringLiteral("Also look for a logger on PATH (a serial device, a pseudo-terminal or a "
                       "symbolic link), whatever its adapter. May be given several times."),
        QStringLiteral("PATH"));
    ligne.addOption(optionPort);
    ligne.process(app);
    CPortSerie::AjouterPortsManuels(ligne.values(optionPort));

    frmMain fenetre;
    fenetre.show();
    return app.exec();
}
