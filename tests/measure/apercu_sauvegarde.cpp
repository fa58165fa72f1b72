// Renders the save dialog at its default size, with the application style sheet,
// into PNG files, to look at it as a user would:
//   xvfb-run -a -s "-screen 0 1280x1024x24" apercu_sauvegarde <folder> [en | file.qm]
#include "Apercu.h"
#include "diaSaveCourbe.h"

#include <QCheckBox>

int main(int argc, char* argv[])
{
    Apercu apercu(argc, argv);
    diaSaveCourbe dia(nullptr, QDir::homePath(), QStringLiteral("New"),
                      QStringLiteral("Chambre froide n\u00B02"));
    Apercu::Photo(&dia, apercu.Fichier(QStringLiteral("diaSaveCourbe.png")));
    dia.findChild<QCheckBox*>(QStringLiteral("chkExcel"))->setChecked(true);
    dia.findChild<QCheckBox*>(QStringLiteral("chkCsv"))->setChecked(true);
    Apercu::Photo(&dia, apercu.Fichier(QStringLiteral("diaSaveCourbe_export.png")));
    return 0;
}
