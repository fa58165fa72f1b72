// Renders each programming dialog at its default size, with the application
// style sheet, into PNG files, to look at them as a user would:
//   xvfb-run -a -s "-screen 0 1280x1024x24" apercu_dialogs <folder> [en | file.qm]
#include "Apercu.h"
#include "diaAlarmes.h"
#include "diaNewID.h"
#include "diaParam.h"

#include <QAbstractButton>
#include <QGroupBox>

namespace
{
template <typename T> T* Enfant(QWidget* w, const char* nom)
{
    return w->findChild<T*>(QLatin1String(nom));
}
} // namespace

int main(int argc, char* argv[])
{
    Apercu apercu(argc, argv);
    DAC::TS_PARAMETRES p;
    p.Frequence = 60;
    p.Unite = QStringLiteral("M");
    p.Capteurs = 3;
    diaParam param(nullptr, nullptr, p, true);
    Apercu::Photo(&param, apercu.Fichier(QStringLiteral("diaParam.png")));
    Enfant<QAbstractButton>(&param, "radModeProgram")->click();
    Apercu::Photo(&param, apercu.Fichier(QStringLiteral("diaParam_programmable.png")));
    diaParam param71246(nullptr, nullptr, p, false);
    Apercu::Photo(&param71246, apercu.Fichier(QStringLiteral("diaParam_71246.png")));

    diaAlarmes alarmes(nullptr, nullptr, true, QStringLiteral("VORSEN_01"));
    Apercu::Photo(&alarmes, apercu.Fichier(QStringLiteral("diaAlarmes.png")));
    // Ticked boxes: the gauges take their colours.
    Enfant<QGroupBox>(&alarmes, "gbxTempMax")->setChecked(true);
    Enfant<QGroupBox>(&alarmes, "gbxHumiMin")->setChecked(true);
    Apercu::Photo(&alarmes, apercu.Fichier(QStringLiteral("diaAlarmes_coches.png")));
    alarmes.Preparer(nullptr, false, QStringLiteral("VORSEN_01"));
    Apercu::Photo(&alarmes, apercu.Fichier(QStringLiteral("diaAlarmes_71246.png")));

    diaNewID id(nullptr, nullptr, QStringLiteral("VORSEN_01"), true);
    Apercu::Photo(&id, apercu.Fichier(QStringLiteral("diaNewID.png")));
    id.Preparer(nullptr, false, QStringLiteral("VORSEN_01"));
    Apercu::Photo(&id, apercu.Fichier(QStringLiteral("diaNewID_71246.png")));
    return 0;
}
