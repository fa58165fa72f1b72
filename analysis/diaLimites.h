#pragma once

#include "Grandeurs.h"
#include "Limites.h"

#include <QDialog>

namespace Ui
{
class diaLimites;
}

// Edits the lower and upper limits of one curve, each ticked or not: "Enregistrer"
// accepts, "Sortir" rejects. A lower limit above the upper one cannot be saved.
class diaLimites : public QDialog
{
    Q_OBJECT

public:
    // courbe: the curve as the user knows it (file and measure). limites in
    // tenths; a limit not set starts from defaut (its lower and upper value,
    // tenths). The values go from minimum to maximum (tenths), followed by unite;
    // with UniteTemp() they are shown and typed in the display unit (°C or °F).
    diaLimites(QWidget* parent, const QString& courbe, const TS_LIMITES& limites,
               const TS_LIMITES& defaut, int minimum, int maximum, const QString& unite);
    ~diaLimites() override;

    // The limits ticked, in tenths.
    TS_LIMITES Limites() const;

private slots:
    void on_btnSave_clicked();
    void on_btnSortir_clicked();

private:
    void MajEtat();

    Ui::diaLimites* ui;
    enm_UNITE_TEMP m_Unite = CELSIUS; // of the values typed
};
