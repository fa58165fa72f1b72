#pragma once

#include <QDialog>

#include "DAC.h"

class CPortSerie;

namespace Ui
{
class diaAlarmes;
}

// Sets a logger's four alarm thresholds. Created once by the measurement window
// and kept: the thresholds and their ticks stay as the user left them.
class diaAlarmes : public QDialog
{
    Q_OBJECT

public:
    // humidite: false for a logger without a humidity sensor (71246).
    diaAlarmes(QWidget* parent, CPortSerie* port, bool humidite);
    ~diaAlarmes() override;

    // Before a reopening, possibly for another logger.
    void Preparer(CPortSerie* port, bool humidite);

private slots:
    void on_btnProgrammer_clicked();

private:
    // The thresholds as the form holds them; hidden humidity boxes count too.
    DAC::TS_ALARMES Alarmes() const;
    void MontrerHumidite(bool humidite);

    Ui::diaAlarmes* ui;
    CPortSerie* m_Port;
};
