#pragma once

#include "Synchro.h"

#include <QString>

class QwtPlot;
class Zoomer;

// The plot as both windows and their printouts show it, assembled in one place.
class ConfigGraphe
{
public:
    // Canvas with rounded corners and a backing store (a replot draws it once;
    // pointer trackers and new points only copy it to the screen), canvas
    // aligned on the scales, temperature on the left and humidity on the right
    // at their widest, fixed; a dotted grid; the panner on Ctrl + left button.
    static void Preparer(QwtPlot* graphe);
    // New value-axis labels: Qwt keeps the texts of the labels it drew, so that a
    // new decimal mark (a language change) or temperature unit needs new scale
    // draws; the temperature ticks are chosen again in the display unit.
    static void EchellesValeurs(QwtPlot* graphe);
    // The legend above the canvas, framed.
    static void AjouterLegende(QwtPlot* graphe);
    // The zoomer: right-button drag zooms, right click goes back one step,
    // Ctrl + right click back to the start; its tracker reads x as mode says.
    static Zoomer* AjouterZoomer(QwtPlot* graphe, enm_SYNCHRO mode);
    // The x axis as mode says: point numbers, times of day (format: the time
    // format) or time stamps (format: the date-time format).
    static void AxeX(QwtPlot* graphe, enm_SYNCHRO mode, const QString& format);
    // Value-axis titles in the 12-point title font; couleurs: each in its
    // channel's colour (a plot of one recording).
    static void TitresAxes(QwtPlot* graphe, const QString& temp, const QString& humi,
                           bool couleurs);
};
