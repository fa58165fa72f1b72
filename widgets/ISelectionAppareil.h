#pragma once

#include <QString>

// What a device button needs from the window that created it: being told that
// the button's logger was selected or deselected. The measurement window
// implements it, so this folder never depends on that window.
class ISelectionAppareil
{
public:
    virtual ~ISelectionAppareil() = default;
    // port: the identifier of the button, the name of its logger's serial port.
    virtual void Selectionner(bool checked, QString port) = 0;
};
