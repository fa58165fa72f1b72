// Renders the save dialog at its default size, with the application style sheet,
// into PNG files, to look at it as a user would:
//   xvfb-run -a -s "-screen 0 1280x1024x24" apercu_sauvegarde <folder> [en | file.qm]
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>

#include "diaSaveCourbe.h"
#include "ressources.h"

namespace
{
void Photo(QWidget* w, const QString& fichier)
{
    w->show();
    QApplication::processEvents();
    w->grab().save(fichier);
    w->hide();
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    initRessources();
    const QStringList args = app.arguments();
    const QString dossier = args.value(1, QStringLiteral("."));
    const QString langue = args.value(2, QStringLiteral("fr"));
    QDir().mkpath(dossier);

    QTranslator traducteur;
    const QString qm = langue.endsWith(QLatin1String(".qm"))
                           ? langue
                           : QStringLiteral(":/i18n/Vorsen_Logger_") + langue;
    if (traducteur.load(qm))
        app.installTranslator(&traducteur);
    QFile qss(QStringLiteral(":/Style.qss"));
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));

    const QString base =
        dossier + QStringLiteral("/") + QFileInfo(langue).baseName() + QStringLiteral("_");
    diaSaveCourbe dia(nullptr, QDir::homePath(), QStringLiteral("New"),
                      QStringLiteral("Chambre froide n\u00B02"));
    Photo(&dia, base + QStringLiteral("diaSaveCourbe.png"));
    dia.findChild<QCheckBox*>(QStringLiteral("chkExcel"))->setChecked(true);
    dia.findChild<QCheckBox*>(QStringLiteral("chkCsv"))->setChecked(true);
    Photo(&dia, base + QStringLiteral("diaSaveCourbe_export.png"));
    return 0;
}
