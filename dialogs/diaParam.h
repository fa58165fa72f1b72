#pragma once

#include <QDateTime>
#include <QDialog>
#include <QTime>

#include "DAC.h"

class CPortSerie;

namespace Ui
{
class diaParam;
}

// Programs a logger's recording: unit, sensors, mode, period, count and, in
// programmable mode, the start. Created once by the measurement window, which
// keeps it and reopens it with exec(); the port is borrowed from the window.
class diaParam : public QDialog
{
    Q_OBJECT

public:
    diaParam(QWidget* parent, CPortSerie* port, const DAC::TS_PARAMETRES& params);
    ~diaParam() override;

    // Before a reopening: takes the port and the record, leaves the widgets as
    // the user last left them.
    void SetParams(CPortSerie* port, const DAC::TS_PARAMETRES& params);

    // Mode of the last programming: 1 immediate, 2 real time, 3 manual,
    // 4 programmable, 5 continuous. Read by the window after an accepted exec().
    int ModeCode = 1;

private slots:
    void on_btnProgrammer_clicked();
    void on_chkCapteurTemp_clicked(bool checked);
    void on_chkCapteurHumi_clicked(bool checked);
    void on_radModeProgram_clicked(bool);
    void on_datProgDebut_dateTimeChanged(const QDateTime&);
    void on_datProgFin_dateTimeChanged(const QDateTime&);
    void on_timProgPeriode_timeChanged(const QTime&);
    void on_spiProgPoints_valueChanged(int);
    void on_chkProgFin_clicked(bool checked);
    void on_chkProgPeriode_clicked(bool checked);
    void on_chkProgPoints_clicked(bool checked);

private:
    // Re-derives the ticked quantity of the programmable panel from the two others.
    void Recalculer();
    // Fills m_Params from the form and sets ModeCode.
    void LireFormulaire();

    Ui::diaParam* ui;
    int PeriodeMax; // longest period, s (6:59:59)
    CPortSerie* m_Port;
    DAC::TS_PARAMETRES m_Params;

    // Set while Recalculer changes widgets whose signals call it again.
    static bool s_Recalcul;
};
