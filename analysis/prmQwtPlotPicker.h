#pragma once

#include "Synchro.h"

#include <qwt_plot_picker.h>

// The range picker of the analysis plot. Its tracker shows the temperature
// (left axis) and the humidity (right axis) at the mouse height and, where the
// x position is above 0, the point number or the time as m_ModeX says.
class prmQwtPlotPicker : public QwtPlotPicker
{
    Q_OBJECT

public:
    prmQwtPlotPicker(int xAxis, int yAxis, RubberBand rubberBand, DisplayMode trackerMode,
                     QWidget* canvas);
    ~prmQwtPlotPicker() override;

    QwtText trackerText(const QPoint& pos) const override;

    enm_SYNCHRO m_ModeX;
};
