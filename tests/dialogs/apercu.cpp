// Renders each programming dialog at its default size, with the application
// style sheet, into PNG files, to look at them as a user would:
//   xvfb-run -a -s "-screen 0 1280x1024x24" apercu_dialogs <folder> [en | file.qm]
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QTranslator>

#include "diaAlarmes.h"
#include "diaNewID.h"
#include "diaParam.h"
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

template <typename T> T* Enfant(QWidget* w, const char* nom)
{
    return w->findChild<T*>(QLatin1String(nom));
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
    DAC::TS_PARAMETRES p;
    p.Frequence = 60;
    p.Unite = QStringLiteral("M");
    p.Capteurs = 3;
    diaParam param(nullptr, nullptr, p, true);
    Photo(&param, base + QStringLiteral("diaParam.png"));
    Enfant<QAbstractButton>(&param, "radModeProgram")->click();
    Photo(&param, base + QStringLiteral("diaParam_programmable.png"));
    diaParam param71246(nullptr, nullptr, p, false);
    Photo(&param71246, base + QStringLiteral("diaParam_71246.png"));

    diaAlarmes alarmes(nullptr, nullptr, true, QStringLiteral("VORSEN_01"));
    Photo(&alarmes, base + QStringLiteral("diaAlarmes.png"));
    // Ticked boxes: the gauges take their colours.
    Enfant<QGroupBox>(&alarmes, "gbxTempMax")->setChecked(true);
    Enfant<QGroupBox>(&alarmes, "gbxHumiMin")->setChecked(true);
    Photo(&alarmes, base + QStringLiteral("diaAlarmes_coches.png"));
    alarmes.Preparer(nullptr, false, QStringLiteral("VORSEN_01"));
    Photo(&alarmes, base + QStringLiteral("diaAlarmes_71246.png"));

    diaNewID id(nullptr, nullptr, QStringLiteral("VORSEN_01"), true);
    Photo(&id, base + QStringLiteral("diaNewID.png"));
    id.Preparer(nullptr, false, QStringLiteral("VORSEN_01"));
    Photo(&id, base + QStringLiteral("diaNewID_71246.png"));
    return 0;
}
