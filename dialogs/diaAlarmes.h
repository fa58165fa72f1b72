#pragma once

#include <QDialog>
#include <QString>

#include "ClesReglages.h"
#include "DAC.h"

class CPortSerie;

namespace Ui
{
class diaAlarmes;
}

// Sets a logger's four alarm thresholds. Created once by the measurement window
// and kept; each logger finds the thresholds last programmed into it from this
// program (application settings, by identifier), or the form's defaults.
class diaAlarmes : public QDialog
{
    Q_OBJECT

public:
    // humidite: false for a logger without a humidity sensor (71246).
    // id: the logger's identifier.
    diaAlarmes(QWidget* parent, CPortSerie* port, bool humidite, const QString& id);
    ~diaAlarmes() override;

    // Before a reopening. For another identifier than last time, the form shows
    // that logger's thresholds; for the same one it stays as the user left it.
    void Preparer(CPortSerie* port, bool humidite, const QString& id);

private slots:
    void on_btnProgrammer_clicked();

private:
    // What is sent: enabled thresholds only, never a humidity one without the sensor.
    DAC::TS_ALARMES Alarmes() const;
    // Every tick and value of the form, enabled or not.
    ClesReglages::SeuilsAlarmes Formulaire() const;
    void Afficher(const ClesReglages::SeuilsAlarmes& seuils);
    void MontrerHumidite(bool humidite);

    Ui::diaAlarmes* ui;
    CPortSerie* m_Port;
    bool m_Humidite;
    QString m_ID;
    ClesReglages::SeuilsAlarmes m_Defauts; // the form as designed
};
