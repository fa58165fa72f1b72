#include "diaLimites.h"

#include "Grandeurs.h"
#include "ui_diaLimites.h"

#include <QCheckBox>
#include <QDoubleSpinBox>

diaLimites::diaLimites(QWidget* parent, const QString& courbe, const TS_LIMITES& limites,
                       const TS_LIMITES& defaut, int minimum, int maximum, const QString& unite)
    : QDialog(parent), ui(new Ui::diaLimites)
{
    ui->setupUi(this);
    ui->lblCourbe->setText(courbe);
    // A temperature is typed in the display unit and kept in tenths of °C.
    m_Unite = unite == UniteTemp() ? UniteAffichage() : CELSIUS;
    const QString suffixe = unite == UniteTemp() ? UniteTempAffichee() : unite;
    const struct {
        QCheckBox* Case;
        QDoubleSpinBox* Valeur;
        std::optional<int> Limite;
        std::optional<int> Defaut;
    } lignes[] = {{ui->chkBasse, ui->spnBasse, limites.Basse, defaut.Basse},
                  {ui->chkHaute, ui->spnHaute, limites.Haute, defaut.Haute}};
    for (const auto& ligne : lignes) {
        ligne.Valeur->setRange(DixiemesAffiches(minimum, m_Unite) / 10.0,
                               DixiemesAffiches(maximum, m_Unite) / 10.0);
        ligne.Valeur->setSuffix(suffixe);
        ligne.Valeur->setValue(
            DixiemesAffiches(ligne.Limite.value_or(ligne.Defaut.value_or(0)), m_Unite) / 10.0);
        ligne.Valeur->setAccessibleName(ligne.Case->text().remove(QLatin1Char('&')));
        ligne.Case->setChecked(ligne.Limite.has_value());
        connect(ligne.Case, &QCheckBox::toggled, this, &diaLimites::MajEtat);
        connect(ligne.Valeur, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                &diaLimites::MajEtat);
        // Ticking a limit goes on to its value.
        QDoubleSpinBox* valeur = ligne.Valeur;
        connect(ligne.Case, &QCheckBox::clicked, valeur, [valeur](bool coche) {
            if (coche) {
                valeur->setFocus();
                valeur->selectAll();
            }
        });
    }
    MajEtat();
}

diaLimites::~diaLimites()
{
    delete ui;
}

TS_LIMITES diaLimites::Limites() const
{
    TS_LIMITES limites;
    if (ui->chkBasse->isChecked())
        limites.Basse = qRound(DixiemesCelsius(ui->spnBasse->value() * 10, m_Unite));
    if (ui->chkHaute->isChecked())
        limites.Haute = qRound(DixiemesCelsius(ui->spnHaute->value() * 10, m_Unite));
    return limites;
}

void diaLimites::MajEtat()
{
    ui->spnBasse->setEnabled(ui->chkBasse->isChecked());
    ui->spnHaute->setEnabled(ui->chkHaute->isChecked());
    const TS_LIMITES limites = Limites();
    const bool inversees = limites.Basse && limites.Haute && *limites.Basse > *limites.Haute;
    ui->lblErreur->setVisible(inversees);
    ui->btnSave->setEnabled(!inversees);
}

void diaLimites::on_btnSave_clicked()
{
    if (ui->btnSave->isEnabled())
        accept();
}

void diaLimites::on_btnSortir_clicked()
{
    reject();
}
