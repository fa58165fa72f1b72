#pragma once

#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QTime>
#include <functional>

#include "DAC.h"

class CPortSerie;

namespace Ui
{
class diaParam;
}

// Programs a logger's recording: unit, sensors, mode, period, count and, in
// programmable mode, the start. Created by the measurement window, which keeps
// it and reopens it with exec(); the port is borrowed from the window.
class diaParam : public QDialog
{
    Q_OBJECT

public:
    // humidite: false for a logger without a humidity sensor (71246); its sensor
    // box is then unticked and disabled, and the humidity bit is never sent.
    diaParam(QWidget* parent, CPortSerie* port, const DAC::TS_PARAMETRES& params, bool humidite);
    ~diaParam() override;

    // Before a reopening for the same logger: takes the port and the record,
    // leaves the widgets as the user last left them.
    void SetParams(CPortSerie* port, const DAC::TS_PARAMETRES& params);

    // Asked once the form is valid and the logger reached, just before anything
    // is sent; false sends nothing and leaves the dialog open as it is.
    void setConfirmation(std::function<bool()> confirmer);

    // Mode of the last programming: 1 immediate, 2 real time, 3 manual,
    // 4 programmable, 5 continuous. Read by the window after an accepted exec().
    int ModeCode = 1;

private slots:
    void on_btnProgrammer_clicked();
    void on_chkCapteurTemp_clicked(bool checked);
    void on_chkCapteurHumi_clicked(bool checked);
    void on_spiPoints_valueChanged(int);
    void on_timPeriode_timeChanged(const QTime&);
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
    // In programmable mode, a start that is not after the present second: warns
    // and returns true.
    bool DebutPasse();

    Ui::diaParam* ui;
    int PeriodeMax; // longest period, s (6:59:59)
    QPointer<CPortSerie> m_Port;
    DAC::TS_PARAMETRES m_Params;
    bool m_Humidite;
    std::function<bool()> m_Confirmation;

    // Set while Recalculer changes widgets whose signals call it again.
    static bool s_Recalcul;
};
