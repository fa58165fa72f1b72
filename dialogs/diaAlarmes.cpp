#include "diaAlarmes.h"
#include "ui_diaAlarmes.h"

#include <QMessageBox>
#include <qwt_dial_needle.h>

#include "CPortSerie.h"

namespace
{
// Threshold in tenths, truncated toward zero. The spin boxes hold one decimal
// from -40.0 to 100.0, and every such value times 10 is a whole double.
qint16 Dixiemes(double valeur)
{
    return qint16(valeur * 10.0);
}
} // namespace

diaAlarmes::diaAlarmes(QWidget* parent, CPortSerie* port, bool humidite)
    : QDialog(parent), ui(new Ui::diaAlarmes), m_Port(port)
{
    ui->setupUi(this);
    // The dials own their needles.
    ui->diaHumiMin->setNeedle(
        new QwtDialSimpleNeedle(QwtDialSimpleNeedle::Ray, true, QColor(0, 121, 190), Qt::darkGray));
    ui->diaHumiMax->setNeedle(
        new QwtDialSimpleNeedle(QwtDialSimpleNeedle::Ray, true, QColor(224, 30, 46), Qt::darkGray));
    MontrerHumidite(humidite);
}

diaAlarmes::~diaAlarmes()
{
    delete ui;
}

void diaAlarmes::Preparer(CPortSerie* port, bool humidite)
{
    m_Port = port;
    MontrerHumidite(humidite);
}

void diaAlarmes::MontrerHumidite(bool humidite)
{
    ui->gbxHumiTitre->setVisible(humidite);
    ui->gbxHumiMin->setVisible(humidite);
    ui->gbxHumiMax->setVisible(humidite);
}

DAC::TS_ALARMES diaAlarmes::Alarmes() const
{
    DAC::TS_ALARMES a;
    if (ui->gbxTempMax->isChecked()) {
        a.Actives += 1;
        a.TempMax = Dixiemes(ui->spiTempMax->value());
    }
    if (ui->gbxTempMin->isChecked()) {
        a.Actives += 2;
        a.TempMin = Dixiemes(ui->spiTempMin->value());
    }
    if (ui->gbxHumiMax->isChecked()) {
        a.Actives += 4;
        a.HumiMax = Dixiemes(ui->spiHumiMax->value());
    }
    if (ui->gbxHumiMin->isChecked()) {
        a.Actives += 8;
        a.HumiMin = Dixiemes(ui->spiHumiMin->value());
    }
    return a;
}

void diaAlarmes::on_btnProgrammer_clicked()
{
    const DAC::TS_ALARMES alarmes = Alarmes();

    if (!m_Port || (!m_Port->isOpen() && !m_Port->Ouvrir())) {
        QMessageBox::warning(this, tr("ALARMES"),
                             tr("L'enregistreur ne semble pas connecte.\nVeuillez verifier s'il "
                                "est correctement branche."),
                             QMessageBox::Ok);
        return;
    }

    if (m_Port->SetAlarmes(alarmes)) {
        QMessageBox::information(this, tr("ALARMES"), tr("Programmation effectuee"),
                                 QMessageBox::Ok);
        accept();
    } else {
        QMessageBox::warning(this, tr("ALARMES"),
                             tr("La programmation n'a pas fonctionne. Veuillez recommencer."),
                             QMessageBox::Ok);
    }
}
