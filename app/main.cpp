#include "CPortSerie.h"
#include "LigneDeCommande.h"
#include "Version.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>

namespace
{

// The program's icon in the sizes it is drawn in (the same files as the desktop's
// icon theme gets).
QIcon IconeApplication()
{
    QIcon icone;
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        icone.addFile(QStringLiteral(":/Icone/%1.png").arg(taille), QSize(taille, taille));
    return icone;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vorsen"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorsen_Logger"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2%3").arg(VERSION_MAJEURE).arg(VERSION_MINEURE).arg(VERSION_SUFFIXE));

    // Before the application object: --help and --version need no display.
    TS_LIGNE ligne;
    const int code = LireLigneDeCommande(argc, argv, ligne);
    if (code >= 0)
        return code;

    // On a scaled screen (QT_SCALE_FACTOR=2, or the desktop's own setting) the
    // images come from their NAME@2x.png files.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    // Ties the windows to the desktop entry (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vorsen.Logger"));
    QApplication::setWindowIcon(IconeApplication());
    CPortSerie::AjouterPortsManuels(ligne.Ports);

    frmMain fenetre;
    fenetre.show();
    fenetre.OuvrirFichiers(ligne.Fichiers);
    return app.exec();
}
