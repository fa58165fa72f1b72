#include "diaParam.h"
#include "ui_diaParam.h"

#include "CPortSerie.h"
#include "CalculProgramme.h"
#include "Dialogues.h"
#include "Programmation.h"
#include "ReglesProgrammation.h"

bool diaParam::s_Recalcul = false;

namespace
{
// What the logger takes: 1000 to 32000 readings, a period of 1 s to 6:59:59, a
// start from 2010 to 2099.
using ReglesProgrammation::DebutMax;
using ReglesProgrammation::DebutMin;
using ReglesProgrammation::MilliersMax;
using ReglesProgrammation::MilliersMin;

int Secondes(const QTime& t)
{
    return QTime(0, 0).secsTo(t);
}

// The fields take more than the logger does, so that Qt never drops or moves a
// keystroke that would leave their range (with 32 as maximum a typed 45 reads 4;
// with 6:59:59, a typed 12 h reads 01:02:00). A value past a limit turns at once
// into that limit; true when the field was changed so.
bool Borner(QSpinBox* champ, int min, int max)
{
    const int v = champ->value();
    if (v >= min && v <= max)
        return false;
    champ->setValue(qBound(min, v, max));
    return true;
}

bool Borner(QTimeEdit* champ, const QTime& min, const QTime& max)
{
    const QTime t = champ->time();
    if (t >= min && t <= max)
        return false;
    champ->setTime(t < min ? min : max);
    return true;
}

bool Borner(QDateTimeEdit* champ, const QDateTime& min, const QDateTime& max)
{
    const QDateTime t = champ->dateTime();
    if (t >= min && t <= max)
        return false;
    champ->setDateTime(t < min ? min : max);
    return true;
}
} // namespace

diaParam::diaParam(QWidget* parent, CPortSerie* port, const DAC::TS_PARAMETRES& params,
                   bool humidite)
    : QDialog(parent), ui(new Ui::diaParam), PeriodeMax(ReglesProgrammation::PeriodeMax),
      m_Port(port), m_Params(params), m_Humidite(humidite)
{
    // The mode radios and the panel's three boxes sit in the same group box;
    // left to auto-exclusivity alone they would exclude one another (it looks at
    // every descendant of the parent), hence their two button groups in the form.
    ui->setupUi(this);
    ui->fraProgramme->hide();

    ui->chkCapteurHumi->setEnabled(humidite);
    ui->chkCapteurHumi->setChecked(humidite && (params.Capteurs & 2));
    // One sensor always stays selected.
    ui->chkCapteurTemp->setChecked((params.Capteurs & 1) || !ui->chkCapteurHumi->isChecked());
    if (params.Unite == QLatin1String("I"))
        ui->radUniteImperial->setChecked(true);
    else
        ui->radUniteMetric->setChecked(true);
    // A longer period shows 6:59:59, a null one 1 s (see on_timPeriode_timeChanged).
    ui->timPeriode->setTime(QTime(0, 0).addSecs(params.Frequence));

    const QDateTime maintenant = QDateTime::currentDateTime();
    ui->datProgDebut->setDateTime(maintenant);
    ui->datProgFin->setDateTime(maintenant);
}

diaParam::~diaParam()
{
    delete ui;
}

void diaParam::SetParams(CPortSerie* port, const DAC::TS_PARAMETRES& params)
{
    m_Port = port;
    m_Params = params;
}

void diaParam::setConfirmation(std::function<bool()> confirmer)
{
    m_Confirmation = std::move(confirmer);
}

void diaParam::Recalculer()
{
    if (s_Recalcul)
        return;

    int n = int(ui->chkCapteurTemp->isChecked()) + int(ui->chkCapteurHumi->isChecked());
    if (n == 0) {
        ui->chkCapteurTemp->setChecked(true);
        n = 1;
    }
    if (!ui->radModeProgram->isChecked())
        return;

    s_Recalcul = true;
    TS_PROGRAMME p;
    p.Debut = ui->datProgDebut->dateTime();
    p.Fin = ui->datProgFin->dateTime();
    p.Periode = Secondes(ui->timProgPeriode->time());
    p.Milliers = ui->spiProgPoints->value();

    enm_AJUSTE ajuste = AJUSTE_POINTS;
    if (ui->chkProgFin->isChecked())
        ajuste = AJUSTE_FIN;
    else if (ui->chkProgPeriode->isChecked())
        ajuste = AJUSTE_PERIODE;

    p = CalculProgramme(p, ajuste, n, PeriodeMax);
    ui->timProgPeriode->setTime(QTime(0, 0).addSecs(p.Periode));
    ui->spiProgPoints->setValue(p.Milliers);
    ui->datProgFin->setDateTime(p.Fin);
    s_Recalcul = false;
}

void diaParam::on_chkCapteurTemp_clicked(bool checked)
{
    // One sensor always stays selected: the other one, or this one on a logger
    // without humidity.
    if (checked || ui->chkCapteurHumi->isChecked())
        Recalculer();
    else if (m_Humidite)
        ui->chkCapteurHumi->setChecked(true);
    else
        ui->chkCapteurTemp->setChecked(true);
}

void diaParam::on_chkCapteurHumi_clicked(bool checked)
{
    if (checked || ui->chkCapteurTemp->isChecked())
        Recalculer();
    else
        ui->chkCapteurTemp->setChecked(true);
}

void diaParam::on_spiPoints_valueChanged(int)
{
    Borner(ui->spiPoints, MilliersMin, MilliersMax);
}

void diaParam::on_timPeriode_timeChanged(const QTime&)
{
    Borner(ui->timPeriode, QTime(0, 0, 1), QTime(0, 0).addSecs(PeriodeMax));
}

void diaParam::on_radModeProgram_clicked(bool)
{
    Recalculer();
}

// A field set back to its limit comes here again, and recalculates then.
void diaParam::on_datProgDebut_dateTimeChanged(const QDateTime&)
{
    if (!Borner(ui->datProgDebut, DebutMin(), DebutMax()))
        Recalculer();
}

void diaParam::on_datProgFin_dateTimeChanged(const QDateTime&)
{
    if (!Borner(ui->datProgFin, DebutMin(), DebutMax()))
        Recalculer();
}

void diaParam::on_timProgPeriode_timeChanged(const QTime&)
{
    if (!Borner(ui->timProgPeriode, QTime(0, 0, 1), QTime(0, 0).addSecs(PeriodeMax)))
        Recalculer();
}

void diaParam::on_spiProgPoints_valueChanged(int)
{
    if (!Borner(ui->spiProgPoints, MilliersMin, MilliersMax))
        Recalculer();
}

void diaParam::on_chkProgFin_clicked(bool checked)
{
    if (checked)
        Recalculer();
}

void diaParam::on_chkProgPeriode_clicked(bool checked)
{
    if (checked)
        Recalculer();
}

void diaParam::on_chkProgPoints_clicked(bool checked)
{
    if (checked)
        Recalculer();
}

void diaParam::LireFormulaire()
{
    quint8 capteurs = 0;
    if (ui->chkCapteurTemp->isChecked())
        capteurs |= 1;
    if (ui->chkCapteurHumi->isChecked() && m_Humidite)
        capteurs |= 2;
    if (capteurs == 0) {
        capteurs = 1;
        ui->chkCapteurTemp->setChecked(true);
    }
    m_Params.Capteurs = capteurs;
    m_Params.Unite = ui->radUniteImperial->isChecked() ? QStringLiteral("I") : QStringLiteral("M");

    if (ui->radModeProgram->isChecked()) {
        m_Params.NbrePoints = quint16(ui->spiProgPoints->value() * 1000);
        m_Params.Frequence = quint16(Secondes(ui->timProgPeriode->time()));
        // Programmable start: the start time itself, in logger seconds.
        m_Params.DateDebut = quint32(SecondesDepuis2010(ui->datProgDebut->dateTime()));
        ModeCode = 4;
    } else {
        m_Params.NbrePoints = quint16(ui->spiPoints->value() * 1000);
        m_Params.Frequence = quint16(Secondes(ui->timPeriode->time()));
        if (ui->radModeImmediat->isChecked())
            m_Params.DateDebut = 1;
        else if (ui->radModeTempsReel->isChecked())
            m_Params.DateDebut = 2;
        else if (ui->radModeManuel->isChecked())
            m_Params.DateDebut = 3;
        else
            m_Params.DateDebut = 5;
        ModeCode = int(m_Params.DateDebut);
    }
}

bool diaParam::DebutPasse()
{
    if (!ui->radModeProgram->isChecked())
        return false;
    if (!ReglesProgrammation::DebutPasse(ui->datProgDebut->dateTime(),
                                         QDateTime::currentDateTime()))
        return false;
    Dialogues::Courant().Avertissement(this, tr("PARAMETRAGE"),
                                       tr("Le début programmé est déjà passé."));
    return true;
}

void diaParam::on_btnProgrammer_clicked()
{
    // The button takes no focus: a value still being typed is read here, as the
    // field then shows it.
    for (QAbstractSpinBox* champ : findChildren<QAbstractSpinBox*>())
        champ->interpretText();
    if (DebutPasse())
        return;

    const auto poursuivre = [this] {
        // While the question was open, time went by and the window may have
        // closed this dialog, its logger gone.
        return !m_Confirmation || (m_Confirmation() && isVisible() && m_Port && !DebutPasse());
    };
    const auto envoyer = [this] {
        LireFormulaire();
        // The clock first, so that a programmed start is read against the PC's
        // time; a second failure is not reported.
        if (!m_Port->SetClock(uint(SecondesDepuis2010(QDateTime::currentDateTime()))))
            m_Port->SetClock(uint(SecondesDepuis2010(QDateTime::currentDateTime())));
        return m_Port->SetParametres(m_Params) || m_Port->SetParametres(m_Params);
    };
    Programmation::Programmer(this, tr("PARAMETRAGE"), m_Port, envoyer, poursuivre);
}
