#include "diaAlarmes.h"
#include "ui_diaAlarmes.h"

#include <qwt_dial_needle.h>

#include "CPortSerie.h"
#include "Dialogues.h"
#include "Grandeurs.h"
#include "Programmation.h"
#include "ReglesProgrammation.h"

namespace
{
// What the sensors measure: -40.0 to 100.0 °C, 0.0 to 100.0 % RH.
constexpr double TemperatureMin = ReglesProgrammation::TemperatureMin / 10.0;
constexpr double TemperatureMax = ReglesProgrammation::TemperatureMax / 10.0;
constexpr double HumiditeMin = ReglesProgrammation::HumiditeMin / 10.0;
constexpr double HumiditeMax = ReglesProgrammation::HumiditeMax / 10.0;

// Threshold in tenths, truncated toward zero. The spin boxes hold one decimal,
// and every such value times 10 is a whole double.
qint16 Dixiemes(double valeur)
{
    return qint16(valeur * 10.0);
}

// The spin boxes of the form take -999.9 to 999.9, so that Qt never drops the
// keystroke that would leave the sensor's range (a typed 105 % would read 10.0 %);
// a value beyond that range turns at once into its nearest limit.
void Borner(QDoubleSpinBox* champ, double min, double max)
{
    QObject::connect(champ, QOverload<double>::of(&QDoubleSpinBox::valueChanged), champ,
                     [champ, min, max](double valeur) {
                         if (valeur < min || valeur > max)
                             champ->setValue(qBound(min, valeur, max));
                     });
}
} // namespace

diaAlarmes::diaAlarmes(QWidget* parent, CPortSerie* port, bool humidite, const QString& id)
    : QDialog(parent), ui(new Ui::diaAlarmes), m_Port(port), m_Humidite(humidite), m_ID(id)
{
    ui->setupUi(this);
    // The dials own their needles: the program's blue for the low threshold, its
    // red for the high one.
    ui->diaHumiMin->setNeedle(
        new QwtDialSimpleNeedle(QwtDialSimpleNeedle::Ray, true, CouleurHumi(), Qt::darkGray));
    ui->diaHumiMax->setNeedle(
        new QwtDialSimpleNeedle(QwtDialSimpleNeedle::Ray, true, CouleurTemp(), Qt::darkGray));
    Borner(ui->spiTempMax, TemperatureMin, TemperatureMax);
    Borner(ui->spiTempMin, TemperatureMin, TemperatureMax);
    Borner(ui->spiHumiMax, HumiditeMin, HumiditeMax);
    Borner(ui->spiHumiMin, HumiditeMin, HumiditeMax);
    m_Defauts = Formulaire();

    MontrerHumidite(humidite);
    ClesReglages::SeuilsAlarmes seuils = m_Defauts;
    ClesReglages::LireAlarmes(id, &seuils);
    Afficher(seuils);
}

diaAlarmes::~diaAlarmes()
{
    delete ui;
}

void diaAlarmes::Preparer(CPortSerie* port, bool humidite, const QString& id)
{
    m_Port = port;
    m_Humidite = humidite;
    MontrerHumidite(humidite);
    if (id != m_ID) {
        m_ID = id;
        ClesReglages::SeuilsAlarmes seuils = m_Defauts;
        ClesReglages::LireAlarmes(id, &seuils);
        Afficher(seuils);
    }
}

void diaAlarmes::MontrerHumidite(bool humidite)
{
    ui->gbxHumiTitre->setVisible(humidite);
    ui->gbxHumiMin->setVisible(humidite);
    ui->gbxHumiMax->setVisible(humidite);
}

ClesReglages::SeuilsAlarmes diaAlarmes::Formulaire() const
{
    ClesReglages::SeuilsAlarmes s;
    s.Actives = (ui->gbxTempMax->isChecked() ? 1 : 0) | (ui->gbxTempMin->isChecked() ? 2 : 0) |
                (ui->gbxHumiMax->isChecked() ? 4 : 0) | (ui->gbxHumiMin->isChecked() ? 8 : 0);
    s.TempMax = Dixiemes(ui->spiTempMax->value());
    s.TempMin = Dixiemes(ui->spiTempMin->value());
    s.HumiMax = Dixiemes(ui->spiHumiMax->value());
    s.HumiMin = Dixiemes(ui->spiHumiMin->value());
    return s;
}

void diaAlarmes::Afficher(const ClesReglages::SeuilsAlarmes& seuils)
{
    ui->gbxTempMax->setChecked(seuils.Actives & 1);
    ui->gbxTempMin->setChecked(seuils.Actives & 2);
    ui->gbxHumiMax->setChecked(seuils.Actives & 4);
    ui->gbxHumiMin->setChecked(seuils.Actives & 8);
    ui->spiTempMax->setValue(seuils.TempMax / 10.0);
    ui->spiTempMin->setValue(seuils.TempMin / 10.0);
    ui->spiHumiMax->setValue(seuils.HumiMax / 10.0);
    ui->spiHumiMin->setValue(seuils.HumiMin / 10.0);
}

DAC::TS_ALARMES diaAlarmes::Alarmes() const
{
    return ReglesProgrammation::AlarmesEnvoyees(Formulaire(), m_Humidite);
}

void diaAlarmes::on_btnProgrammer_clicked()
{
    // The button takes no focus: a value still being typed is read here, as the
    // field then shows it.
    for (QAbstractSpinBox* champ : findChildren<QAbstractSpinBox*>())
        champ->interpretText();
    const DAC::TS_ALARMES alarmes = Alarmes();

    if (ReglesProgrammation::SeuilsInverses(alarmes)) {
        Dialogues::Courant().Avertissement(
            this, tr("ALARMES"), tr("Le seuil minimum doit être inférieur au seuil maximum."));
        return;
    }

    Programmation::Programmer(this, tr("ALARMES"), m_Port, [this, alarmes] {
        if (!m_Port->SetAlarmes(alarmes))
            return false;
        // Remembered once the logger has taken them, with the mask it was sent.
        ClesReglages::SeuilsAlarmes seuils = Formulaire();
        seuils.Actives = alarmes.Actives;
        ClesReglages::EcrireAlarmes(m_ID, seuils);
        return true;
    });
}
