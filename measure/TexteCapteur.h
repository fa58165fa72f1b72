#pragma once

#include <QString>

// Translated name of a sensor mask (1 temperature, 2 humidity, 3 both); any
// other mask gives an empty text. Axis titles, curve titles, header labels.
QString TexteCapteur(int capteurs);
