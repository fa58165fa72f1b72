#include "frmAnalyse.h"

#include "CalculsAnalyse.h"
#include "ClesReglages.h"
#include "ConfigGraphe.h"
#include "Dialogues.h"
#include "ExportCsv.h"
#include "FormatsDate.h"
#include "Grandeurs.h"
#include "IFormatsDate.h"
#include "RoueEchelle.h"
#include "Zoomer.h"
#include "clsAnalyse.h"
#include "clsExcel.h"
#include "clsRapport.h"
#include "clsSerie.h"
#include "diaSelectColonne.h"
#include "prmLabelCouleur.h"
#include "prmQwtPlotPicker.h"
#include "ui_frmAnalyse.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QUrl>
#include <qwt_picker_machine.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_zoneitem.h>

namespace
{
const QColor GrisSuivi(84, 84, 84);
const QColor GrisZone(200, 200, 200, 255);

// Bounds of an axis as it will be drawn: setAxisScale() only takes effect at the
// next update of the axes, which a replot does only when auto-replot is on.
QwtInterval Intervalle(QwtPlot* plot, int axe)
{
    plot->updateAxes();
    return plot->axisInterval(axe);
}
} // namespace

frmAnalyse::frmAnalyse(QWidget* parent, QString* cheminDatas)
    : QWidget(parent), ui(new Ui::frmAnalyse), m_pFormats(dynamic_cast<IFormatsDate*>(parent)),
      m_CheminDatas(cheminDatas)
{
    ui->setupUi(this);

    // Palette: defaults, replaced by the stored colours, one swatch each, 5 a row.
    for (int i = 0; i < ClesReglages::NbreCouleursPalette; ++i) {
        m_Palette.append(new QColor(ClesReglages::LirePalette(i)));
        auto* pastille = new prmLabelCouleur(m_Palette.last(), this, QString(), true);
        pastille->setObjectName(QStringLiteral("lblPalette%1").arg(i));
        pastille->setCursor(Qt::PointingHandCursor);
        ui->layPalette->addWidget(pastille, i / 5, i % 5, Qt::AlignCenter);
    }

    // setupUi() connected the box by name: the stored value goes in without
    // being written back.
    {
        const QSignalBlocker bloque(ui->spnEnergie);
        ui->spnEnergie->setValue(ClesReglages::LireEnergieActivation());
    }
    {
        const QSignalBlocker bloque(ui->radUniteFahrenheit);
        (UniteAffichage() == FAHRENHEIT ? ui->radUniteFahrenheit : ui->radUniteCelsius)
            ->setChecked(true);
    }

    MajLangue();
    InitGraphe();

    ui->tbxActions->setCurrentWidget(ui->pgAnalyse);
    ui->tabLegende->hide();
    ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgPlage), false);
    ui->btnOpen->setEnabled(false);
    ui->btnImprimer->setEnabled(false);
    ui->btnRapport->setEnabled(false);
    ui->gbxNewAnalyse->hide();
    ui->tabPlage->hide();

    // The plot above the legend, the user drags the border between them.
    ui->layGauche->removeWidget(ui->fraCourbe);
    ui->layGauche->removeWidget(ui->tabLegende);
    m_Splitter = new QSplitter(Qt::Vertical, ui->fraGauche);
    m_Splitter->setObjectName(QStringLiteral("splitCourbes"));
    m_Splitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_Splitter->addWidget(ui->fraCourbe);
    m_Splitter->addWidget(ui->tabLegende);
    // A third of the height for the legend: its header and a few rows.
    m_Splitter->setStretchFactor(0, 2);
    m_Splitter->setStretchFactor(1, 1);
    ui->tabLegende->setMinimumHeight(90);
    m_Splitter->setChildrenCollapsible(false);
    ui->layGauche->addWidget(m_Splitter);
}

frmAnalyse::~frmAnalyse()
{
    for (int i = 0; i < m_Palette.size(); ++i)
        ClesReglages::EcrirePalette(i, *m_Palette.at(i));
    if (m_Picker)
        disconnect(m_Picker, nullptr, this, nullptr);
    if (m_Zoomer)
        disconnect(m_Zoomer, nullptr, this, nullptr);
    qDeleteAll(m_lstAnalyse);
    m_lstAnalyse.clear();
    // The palette swatches point at these colours: they go first.
    qDeleteAll(ui->fraPalette->findChildren<prmLabelCouleur*>());
    qDeleteAll(m_Palette);
    m_Palette.clear();
    delete ui;
}

enm_LANGUE frmAnalyse::Langue() const
{
    return m_pFormats ? m_pFormats->Langue() : ANGLAIS;
}

QString frmAnalyse::FormatDate() const
{
    return m_pFormats ? m_pFormats->FormatDate() : ::FormatDate(ANGLAIS);
}

QString frmAnalyse::FormatHeure() const
{
    return m_pFormats ? m_pFormats->FormatHeure() : ::FormatHeure(ANGLAIS);
}

QString frmAnalyse::FormatDateHeure() const
{
    return m_pFormats ? m_pFormats->FormatDateHeure() : ::FormatDateHeure(ANGLAIS);
}

void frmAnalyse::MajLangue()
{
    ui->tabLegende->m_Langue = Langue();
    ui->tabData->m_Langue = Langue();
    for (clsAnalyse* entree : qAsConst(m_lstAnalyse))
        entree->MajLangue();
    // The axis labels, the range statistics and the points shown follow the
    // language too.
    ConfigGraphe::EchellesValeurs(ui->m_qPlot);
    AppliquerFormatX();
    if (!m_lstAnalyse.isEmpty() && ui->tabPlage->rowCount() > 0)
        RecalculerPlage();
    if (m_AnalyseDatas && ui->tabData->rowCount() > 0)
        m_AnalyseDatas->RemplirTableau(ui->tabData);
    ui->m_qPlot->replot();
}

void frmAnalyse::AppliquerFormatX()
{
    m_Format = m_Synchro == SYNCHRO_HEURE  ? FormatHeure()
               : m_Synchro == SYNCHRO_DATE ? FormatDateHeure()
                                           : QString();
    ConfigGraphe::AxeX(ui->m_qPlot, m_Synchro, m_Format);
}

void frmAnalyse::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retraduire();
    QWidget::changeEvent(event);
}

void frmAnalyse::Retraduire()
{
    ui->retranslateUi(this);
    MajTitresAxes();
    if (!m_lstAnalyse.isEmpty()) {
        MajTexteMesures();
        if (QAbstractButton* radio = ui->radSynchroDate->isChecked()    ? ui->radSynchroDate
                                     : ui->radSynchroHeure->isChecked() ? ui->radSynchroHeure
                                                                        : ui->radSynchroNumero)
            ui->lblEnteteSynchro->setText(radio->text());
    }
}

void frmAnalyse::MajTitresAxes()
{
    ConfigGraphe::TitresAxes(ui->m_qPlot, tr("Temperature"), tr("Humidite"), false);
}

double frmAnalyse::DeltaHsurR() const
{
    return ui->spnEnergie->value();
}

void frmAnalyse::on_spnEnergie_valueChanged(int kelvins)
{
    ClesReglages::EcrireEnergieActivation(kelvins);
    for (clsAnalyse* entree : qAsConst(m_lstAnalyse))
        entree->MajLangue();
    if (!m_lstAnalyse.isEmpty() && ui->tabPlage->rowCount() > 0)
        RecalculerPlage();
}

void frmAnalyse::on_radUniteFahrenheit_toggled(bool fahrenheit)
{
    // Only what is shown changes: files and readings stay in tenths of °C.
    const enm_UNITE_TEMP unite = fahrenheit ? FAHRENHEIT : CELSIUS;
    DefinirUniteAffichage(unite);
    ClesReglages::EcrireUniteTemp(unite);
    // Axis labels and ticks, statistics, range and points: as for a language.
    MajLangue();
    // "°C" is wider than "°F".
    ui->tabLegende->resizeColumnsToContents();
    emit SIGNAL_UniteTemp();
}

void frmAnalyse::LimitesChangees()
{
    RecalculerEchelles();
    if (ui->tabPlage->rowCount() > 0)
        RecalculerPlage();
    ui->m_qPlot->replot();
}

int frmAnalyse::MesuresEntrees() const
{
    int mesures = 0;
    for (const clsAnalyse* analyse : m_lstAnalyse)
        mesures |= analyse->Mesure();
    return mesures;
}

void frmAnalyse::MajMesures()
{
    // A logger without a humidity sensor (71246) gives no humidity entry: no
    // empty humidity scale beside its curves, and likewise for temperature. An
    // empty view shows both. A curve hidden by its box keeps its axis, as it
    // keeps its place in the scales. The dew point lies on the temperature axis.
    const int mesures = MesuresEntrees();
    const bool temp = mesures == 0 || (mesures & (MESURE_TEMPERATURE | MESURE_ROSEE)) != 0;
    const bool humi = mesures == 0 || (mesures & MESURE_HUMIDITE) != 0;
    ui->m_qPlot->enableAxis(QwtPlot::yLeft, temp);
    ui->m_qPlot->enableAxis(QwtPlot::yRight, humi);
    ui->sliTemp->setVisible(temp);
    ui->sliHumi->setVisible(humi);
    MajTexteMesures();
}

void frmAnalyse::MajTexteMesures()
{
    // The curves there are, whatever measures were asked for.
    const int mesures = MesuresEntrees();
    const int voies = mesures & (MESURE_TEMPERATURE | MESURE_HUMIDITE);
    QString texte = voies == 3   ? tr("Temperature et humidite")
                    : voies == 1 ? tr("Temperature")
                    : voies == 2 ? tr("Humidite")
                                 : QString();
    if (mesures & MESURE_ROSEE)
        texte = texte.isEmpty() ? tr("Point de rosée") : texte + tr(", point de rosée");
    ui->lblEnteteAffiche->setText(texte);
}

void frmAnalyse::InitGraphe()
{
    QwtPlot* graphe = ui->m_qPlot;
    ConfigGraphe::Preparer(graphe);
    ConfigGraphe::AxeX(graphe, SYNCHRO_NUMERO, QString());
    MajTitresAxes();

    // A wheel goes down to the narrowest axis the view computes, the one of a
    // recording whose values are all equal: a higher minimum would widen that
    // axis as soon as the wheel is set to it.
    const double etendueMini = IntervalleVertical(0, 0).width();
    m_RoueTemp = new RoueEchelle(ui->sliTemp, graphe, QwtPlot::yLeft, TEMP_PLANCHER, TEMP_PLAFOND,
                                 etendueMini);
    m_RoueHumi = new RoueEchelle(ui->sliHumi, graphe, QwtPlot::yRight, HUMI_PLANCHER, HUMI_PLAFOND,
                                 etendueMini);
    Slot_Zoomed();

    m_Picker = new prmQwtPlotPicker(QwtPlot::xBottom, QwtPlot::yRight, QwtPicker::RectRubberBand,
                                    QwtPicker::AlwaysOn, graphe->canvas());
    m_Picker->m_ModeX = SYNCHRO_DATE;
    m_Picker->setStateMachine(new QwtPickerDragRectMachine());
    // Only the shaded zones show the selection.
    m_Picker->setRubberBandPen(QPen(Qt::transparent));
    m_Picker->setTrackerPen(QPen(GrisSuivi));
    m_Picker->setEnabled(false);
    connect(m_Picker, qOverload<const QRectF&>(&QwtPlotPicker::selected), this,
            &frmAnalyse::Slot_PlageSelect);
    connect(m_Picker, &QwtPicker::activated, this, &frmAnalyse::Slot_PickerActived);
    connect(m_Picker, &QwtPicker::moved, this, &frmAnalyse::Slot_PickerMoved);

    for (QwtPlotZoneItem** zone : {&m_ZoneGauche, &m_ZoneDroite}) {
        *zone = new QwtPlotZoneItem();
        (*zone)->setOrientation(Qt::Vertical);
        (*zone)->setBrush(QBrush(GrisZone));
        (*zone)->setVisible(false);
        (*zone)->attach(graphe);
    }
}

void frmAnalyse::on_btnNew_clicked()
{
    NouvelleAnalyse();
}

void frmAnalyse::NouvelleAnalyse()
{
    qDeleteAll(m_lstAnalyse);
    m_lstAnalyse.clear();
    ui->tabLegende->Vider();
    ui->tabLegende->setRowCount(0);
    ViderDatas();
    EffacerPlage();
    MajMesures();
    ui->m_qPlot->replot();
    ui->gbxNewAnalyse->show();
    ui->btnOpen->setEnabled(true);
    ui->tabLegende->hide();
    ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgPlage), false);
    // Nothing to print or report until a curve is added.
    ui->btnRapport->setEnabled(false);
    ui->btnImprimer->setEnabled(false);
}

void frmAnalyse::on_btnOpen_clicked()
{
    if (m_lstAnalyse.size() >= m_Palette.size()) {
        ui->btnOpen->setEnabled(false);
        return;
    }
    const bool temp = ui->chkTemperature->isChecked();
    const bool humi = ui->chkHumidite->isChecked();
    const bool rosee = ui->chkRosee->isChecked();
    if (!temp && !humi && !rosee) {
        Dialogues::Courant().Information(this, tr("Ajouter une courbe"),
                                         tr("Vous devez selectionner au moins un type de courbe"));
        return;
    }
    const QString nom = Dialogues::Courant().FichierAOuvrir(this, ui->btnOpen->text(),
                                                            *m_CheminDatas, tr("Logger (*.ail)"));
    if (nom.isEmpty())
        return;
    const QFileInfo fichier(nom);
    *m_CheminDatas = fichier.absolutePath();
    AjouterFichier(fichier, temp, humi, rosee);
}

bool frmAnalyse::AjouterFichier(const QFileInfo& fichier, bool temp, bool humi, bool rosee)
{
    QString raison;
    bool ajoute = false;
    const int avant = m_lstAnalyse.size();
    if (m_lstAnalyse.size() >= m_Palette.size())
        raison = tr("Une analyse compte au plus %1 courbes.").arg(m_Palette.size());
    else if (temp)
        ajoute = AjouterCourbe(fichier, 1, &raison);
    // One palette colour per entry.
    if (humi && m_lstAnalyse.size() < m_Palette.size())
        ajoute = AjouterCourbe(fichier, 2, raison.isEmpty() ? &raison : nullptr) || ajoute;
    if (rosee && m_lstAnalyse.size() < m_Palette.size())
        ajoute =
            AjouterCourbe(fichier, MESURE_ROSEE, raison.isEmpty() ? &raison : nullptr) || ajoute;
    // Both entries of a recording read the same files: one warning for them.
    if (ajoute && !m_lstAnalyse.at(avant)->Avertissement().isEmpty())
        Dialogues::Courant().Avertissement(this, ui->btnOpen->text(),
                                           m_lstAnalyse.at(avant)->Avertissement());
    if (!ajoute) {
        if (raison.isEmpty())
            raison = tr("Il ne contient pas les mesures demandées.");
        Dialogues::Courant().Avertissement(
            this, ui->btnOpen->text(),
            tr("Impossible d'ajouter l'enregistrement %1.")
                    .arg(QDir::toNativeSeparators(fichier.absoluteFilePath())) +
                QLatin1Char('\n') + raison);
    }

    const bool entrees = !m_lstAnalyse.isEmpty();
    ui->tabLegende->setVisible(entrees);
    ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgPlage), entrees);
    ui->btnImprimer->setEnabled(entrees);
    ui->btnRapport->setEnabled(entrees);
    if (entrees) {
        ui->gbxNewAnalyse->hide();
        ViderDatas();
    }
    EffacerPlage();
    return ajoute;
}

void frmAnalyse::AppliquerSynchro()
{
    QAbstractButton* radio = nullptr;
    if (ui->radSynchroDate->isChecked()) {
        m_Synchro = SYNCHRO_DATE;
        radio = ui->radSynchroDate;
    } else if (ui->radSynchroHeure->isChecked()) {
        m_Synchro = SYNCHRO_HEURE;
        radio = ui->radSynchroHeure;
    } else if (ui->radSynchroNumero->isChecked()) {
        m_Synchro = SYNCHRO_NUMERO;
        radio = ui->radSynchroNumero;
    }
    if (radio)
        ui->lblEnteteSynchro->setText(radio->text());

    AppliquerFormatX();
    QwtPlot* graphe = ui->m_qPlot;

    if (m_Zoomer) {
        disconnect(m_Zoomer, nullptr, this, nullptr);
        delete m_Zoomer;
    }
    m_Zoomer = ConfigGraphe::AjouterZoomer(graphe, m_Synchro);
    m_Zoomer->setTrackerPen(QPen(GrisSuivi));
    m_Zoomer->setEnabled(ui->tbxActions->currentWidget() != ui->pgPlage);
    connect(m_Zoomer, &QwtPlotZoomer::zoomed, this, &frmAnalyse::Slot_Zoomed);

    m_Picker->m_ModeX = m_Synchro;
}

bool frmAnalyse::AjouterCourbe(const QFileInfo& fichier, int mesure, QString* raison)
{
    if (m_lstAnalyse.size() >= m_Palette.size())
        return false; // one palette colour per entry
    // The first curve fixes the synchronisation.
    if (m_lstAnalyse.isEmpty())
        AppliquerSynchro();
    QwtPlot* graphe = ui->m_qPlot;
    auto* analyse = new clsAnalyse(this, graphe, ui->tabLegende, fichier, mesure,
                                   *m_Palette.at(m_lstAnalyse.size()), m_Synchro);
    if (!analyse->Charge()) {
        if (raison)
            *raison = analyse->Raison();
        delete analyse;
        return false;
    }
    const int axe = analyse->Axe();
    int memeAxe = 0;
    for (const clsAnalyse* autre : qAsConst(m_lstAnalyse))
        if (autre->Axe() == axe)
            ++memeAxe;
    m_lstAnalyse.append(analyse);

    // One replot at the end rather than one per axis change.
    graphe->setAutoReplot(false);
    MajMesures();
    double premier = analyse->XMin();
    double dernier = analyse->XMax();
    if (m_lstAnalyse.size() > 1) {
        const QwtInterval x = Intervalle(graphe, QwtPlot::xBottom);
        premier = qMin(x.minValue(), premier);
        dernier = qMax(x.maxValue(), dernier);
    }
    const QwtInterval bas = IntervalleHorizontal(premier, dernier);
    graphe->setAxisScale(QwtPlot::xBottom, bas.minValue(), bas.maxValue());

    double mini = analyse->BasEchelle();
    double maxi = analyse->HautEchelle();
    if (memeAxe > 0) {
        const QwtInterval y = Intervalle(graphe, axe);
        mini = qMin(mini, y.minValue());
        maxi = qMax(maxi, y.maxValue());
    }
    const QwtInterval vertical = IntervalleVertical(mini, maxi);
    graphe->setAxisScale(axe, vertical.minValue(), vertical.maxValue());
    graphe->updateAxes();

    Slot_Zoomed();
    if (m_lstAnalyse.size() >= m_Palette.size())
        ui->btnOpen->setEnabled(false);
    graphe->setAutoReplot(true);
    if (m_Zoomer)
        m_Zoomer->setZoomBase(true);
    else
        graphe->replot();
    return true;
}

void frmAnalyse::RecalculerEchelles()
{
    if (m_lstAnalyse.isEmpty())
        return;
    QwtPlot* graphe = ui->m_qPlot;
    graphe->setAutoReplot(false);
    double premier = m_lstAnalyse.first()->XMin();
    double dernier = m_lstAnalyse.first()->XMax();
    for (const clsAnalyse* analyse : qAsConst(m_lstAnalyse)) {
        premier = qMin(premier, analyse->XMin());
        dernier = qMax(dernier, analyse->XMax());
    }
    for (int axe : {QwtPlot::yLeft, QwtPlot::yRight}) {
        bool present = false;
        double mini = 0;
        double maxi = 0;
        for (const clsAnalyse* analyse : qAsConst(m_lstAnalyse)) {
            if (analyse->Axe() != axe)
                continue;
            mini = present ? qMin<double>(mini, analyse->BasEchelle()) : analyse->BasEchelle();
            maxi = present ? qMax<double>(maxi, analyse->HautEchelle()) : analyse->HautEchelle();
            present = true;
        }
        if (!present)
            continue; // an axis without entries keeps its scale
        const QwtInterval vertical = IntervalleVertical(mini, maxi);
        graphe->setAxisScale(axe, vertical.minValue(), vertical.maxValue());
        Slot_Zoomed();
    }
    const QwtInterval bas = IntervalleHorizontal(premier, dernier);
    graphe->setAxisScale(QwtPlot::xBottom, bas.minValue(), bas.maxValue());
    graphe->updateAxes();
    graphe->setAutoReplot(true);
    if (m_Zoomer)
        m_Zoomer->setZoomBase(true);
}

void frmAnalyse::Slot_Zoomed()
{
    m_RoueTemp->Regler();
    m_RoueHumi->Regler();
}

void frmAnalyse::on_tbxActions_currentChanged(int index)
{
    const bool plage = ui->tbxActions->widget(index) == ui->pgPlage;
    if (m_Zoomer)
        m_Zoomer->setEnabled(!plage);
    if (m_Picker)
        m_Picker->setEnabled(plage);
    m_DebutAttendu = false;
    if (m_ZoneGauche) {
        m_ZoneGauche->setVisible(false);
        m_ZoneDroite->setVisible(false);
    }
    // The statistics shown belong to the shaded range just hidden.
    if (ui->tabPlage->rowCount() > 0)
        EffacerPlage();
    ui->m_qPlot->canvas()->setCursor(plage ? Qt::SizeHorCursor : Qt::SizeAllCursor);
}

void frmAnalyse::ViderDatas()
{
    ui->tabData->setRowCount(0);
    m_AnalyseDatas = nullptr;
    ui->btnExportExcel->setEnabled(false);
    ui->btnExportCsv->setEnabled(false);
}

void frmAnalyse::AfficherDatas(clsAnalyse* analyse)
{
    m_AnalyseDatas = analyse;
    ui->btnExportExcel->setEnabled(true);
    ui->btnExportCsv->setEnabled(true);
    analyse->RemplirTableau(ui->tabData);
    ui->tbxActions->setCurrentWidget(ui->pgTableau);
}

void frmAnalyse::MajCommentaireLegende(QPushButton* btnCommentaire, const QString& commentaire)
{
    ui->tabLegende->SetTexteAvantBouton(btnCommentaire, commentaire);
}

void frmAnalyse::SupprimerCourbe(clsAnalyse* analyse, QPushButton* btnSupp,
                                 prmLabelCouleur* lblPlage)
{
    ui->tabLegende->SupprimerLigneBouton(btnSupp);
    ViderDatas();
    if (lblPlage) {
        ui->tabPlage->SupprimerLigneCouleur(lblPlage);
        AjusterHauteurPlage();
    }
    m_lstAnalyse.removeOne(analyse);
    // The entry's own button called this: the entry goes once the click is over,
    // its curve and limit lines at once.
    analyse->Retirer();
    analyse->deleteLater();
    MajMesures();

    if (m_lstAnalyse.isEmpty()) {
        ui->tabLegende->hide();
        ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgPlage), false);
        ui->btnImprimer->setEnabled(false);
        ui->btnRapport->setEnabled(false);
        ui->tbxActions->setCurrentWidget(ui->pgAnalyse);
    } else {
        RecalculerEchelles();
    }
    // Room again for another curve.
    if (m_lstAnalyse.size() < m_Palette.size() && !ui->btnOpen->isEnabled())
        ui->btnOpen->setEnabled(true);
    ui->m_qPlot->replot();
}

void frmAnalyse::Slot_PickerActived(bool actif)
{
    m_DebutAttendu = actif;
    if (actif) {
        m_ZoneGaucheVisible = m_ZoneGauche->isVisible();
        m_ZoneDroiteVisible = m_ZoneDroite->isVisible();
        m_ZoneGauche->setVisible(false);
        m_ZoneDroite->setVisible(false);
        m_Deplace = false;
    }
    EffacerPlage();
}

void frmAnalyse::Slot_PickerMoved(const QPoint& point)
{
    QwtPlot* graphe = ui->m_qPlot;
    const qint64 x = XBorne(graphe->invTransform(QwtPlot::xBottom, point.x()), m_Synchro);
    if (m_DebutAttendu) {
        m_Ancre = x;
        m_DebutAttendu = false;
    }
    m_Deplace = true;
    const QwtInterval axe = Intervalle(graphe, QwtPlot::xBottom);
    const BornesPlage bornes = CalculerBornes(m_Ancre, x, axe.minValue(), axe.maxValue());
    m_PlageDebut = bornes.Premier;
    m_PlageFin = bornes.Dernier;

    m_ZoneGauche->setInterval(axe.minValue(), m_PlageDebut);
    m_ZoneGauche->setVisible(m_PlageDebut > axe.minValue());
    m_ZoneDroite->setInterval(m_PlageFin, axe.maxValue());
    m_ZoneDroite->setVisible(m_PlageFin < axe.maxValue());
    AfficherBornes();
}

void frmAnalyse::Slot_PlageSelect(const QRectF&)
{
    // A click without a drag selects the previous range again.
    if (!m_Deplace) {
        m_ZoneGauche->setVisible(m_ZoneGaucheVisible);
        m_ZoneDroite->setVisible(m_ZoneDroiteVisible);
    }
    AfficherBornes();
    for (clsAnalyse* analyse : qAsConst(m_lstAnalyse))
        analyse->CalculerPlage(ui->tabPlage, m_PlageDebut, m_PlageFin);
    AjusterHauteurPlage();
}

void frmAnalyse::AfficherBornes()
{
    ui->linPlageMin->setText(TexteBorne(m_PlageDebut, m_Synchro, m_Format));
    ui->linPlageMax->setText(TexteBorne(m_PlageFin, m_Synchro, m_Format));
    // From the start of the text, should it be wider than the field.
    ui->linPlageMin->setCursorPosition(0);
    ui->linPlageMax->setCursorPosition(0);
}

void frmAnalyse::RecalculerPlage()
{
    ui->tabPlage->Vider();
    ui->tabPlage->setRowCount(0);
    AfficherBornes();
    for (clsAnalyse* analyse : qAsConst(m_lstAnalyse))
        analyse->CalculerPlage(ui->tabPlage, m_PlageDebut, m_PlageFin);
    AjusterHauteurPlage();
}

void frmAnalyse::EffacerPlage()
{
    ui->linPlageMin->clear();
    ui->linPlageMax->clear();
    for (clsAnalyse* analyse : qAsConst(m_lstAnalyse))
        analyse->SupprimerPlage();
    ui->tabPlage->Vider();
    ui->tabPlage->setRowCount(0);
    AjusterHauteurPlage();
}

void frmAnalyse::AjusterHauteurPlage()
{
    prmTableWidget* table = ui->tabPlage;
    if (table->rowCount() == 0) {
        table->hide();
        return;
    }
    // The header's size hint is the height the table gives it, also while hidden.
    // The columns are wider than the page: the horizontal scroll bar, always
    // shown, adds its height, so that no row hides behind it.
    const int hauteur =
        HauteurPlage(table->horizontalHeader()->sizeHint().height(),
                     table->verticalHeader()->defaultSectionSize(), table->rowCount()) +
        table->horizontalScrollBar()->sizeHint().height();
    table->setMinimumHeight(hauteur);
    table->setMaximumHeight(hauteur);
    table->show();
}

void frmAnalyse::on_btnRapport_clicked()
{
    diaSelectColonne selection(this, ui->tabLegende);
    if (Dialogues::Courant().Executer(&selection) != QDialog::Accepted)
        return;
    const QList<int> colonnes = selection.ColonnesCochees();
    // The data folder is proposed, not updated.
    const QString nom = Dialogues::Courant().FichierAEnregistrer(
        this, ui->btnRapport->text(), *m_CheminDatas, tr("Document pdf (*.pdf)"));
    if (nom.isEmpty())
        return;
    EcrireRapport(clsRapport::NomPdf(nom), colonnes);
}

QString frmAnalyse::LigneDateRapport(const QDateTime& maintenant) const
{
    // The date format starts with a blank, not wanted after the dash.
    return tr("Document genere a ") + QLocale::c().toString(maintenant.time(), FormatHeure()) +
           QStringLiteral(" - ") + QLocale::c().toString(maintenant.date(), FormatDate().trimmed());
}

ContexteRapport frmAnalyse::Contexte() const
{
    ContexteRapport contexte;
    contexte.LigneDate = LigneDateRapport(QDateTime::currentDateTime());
    contexte.Synchro = ui->lblEnteteSynchro->text();
    contexte.Langue = Langue();
    return contexte;
}

bool frmAnalyse::EcrireRapport(const QString& fichier, const QList<int>& colonnes)
{
    const clsRapport rapport(ui->tabLegende, m_lstAnalyse, colonnes);
    if (!rapport.Ecrire(fichier, Contexte(), ui->m_qPlot)) {
        Dialogues::Courant().Avertissement(
            this, tr("Rapport"),
            tr("Impossible d'ecrire le rapport %1.").arg(QDir::toNativeSeparators(fichier)));
        return false;
    }
    // Without a PDF viewer (or xdg-open) the user still learns where the report is.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fichier)))
        Dialogues::Courant().Information(
            this, tr("Rapport"),
            tr("Le rapport a été écrit dans %1.").arg(QDir::toNativeSeparators(fichier)));
    return true;
}

void frmAnalyse::on_btnExportExcel_clicked()
{
    if (!m_AnalyseDatas)
        return;
    const clsSerie* serie = m_AnalyseDatas->Serie();
    QString nom = Dialogues::Courant().FichierAEnregistrer(
        this, ui->btnExportExcel->toolTip(),
        QDir(*m_CheminDatas).filePath(serie->Nom + QStringLiteral(".xlsx")),
        tr("Classeur Excel (*.xlsx)"));
    if (nom.isEmpty())
        return;
    if (nom.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        nom.chop(5);
    ExporterDonnees(nom + QStringLiteral(".xlsx"), false);
}

void frmAnalyse::on_btnExportCsv_clicked()
{
    if (!m_AnalyseDatas)
        return;
    const clsSerie* serie = m_AnalyseDatas->Serie();
    const QString local = tr("CSV, heure locale (*.csv)");
    const QString utc = tr("CSV, heure UTC (*.csv)");
    QString filtre = local;
    QString nom = Dialogues::Courant().FichierAEnregistrer(
        this, ui->btnExportCsv->toolTip(),
        QDir(*m_CheminDatas).filePath(serie->Nom + QStringLiteral(".csv")),
        local + QStringLiteral(";;") + utc, &filtre);
    if (nom.isEmpty())
        return;
    if (!nom.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        nom += QStringLiteral(".csv");
    ExporterDonnees(nom, true, filtre == utc);
}

bool frmAnalyse::ExporterDonnees(const QString& fichier, bool csv, bool utc)
{
    if (!m_AnalyseDatas)
        return false;
    const clsSerie& serie = *m_AnalyseDatas->Serie();
    bool ecrit = false;
    if (csv) {
        ecrit = EcrireCsv(serie, fichier, utc);
    } else {
        clsExcel classeur;
        QString base = fichier;
        base.chop(5); // ".xlsx": the workbook adds it
        ecrit = classeur.Exporter(base, Langue(), serie);
    }
    if (!ecrit)
        Dialogues::Courant().Avertissement(
            this, ui->tbxActions->itemText(ui->tbxActions->indexOf(ui->pgTableau)),
            tr("Impossible d'écrire le fichier %1.").arg(QDir::toNativeSeparators(fichier)));
    return ecrit;
}

void frmAnalyse::on_btnImprimer_clicked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    if (!Dialogues::Courant().Imprimer(this, &printer))
        return;
    ImprimerGrapheSur(&printer);
}

void frmAnalyse::ImprimerGrapheSur(QPrinter* printer)
{
    clsRapport(ui->tabLegende, m_lstAnalyse, {}).ImprimerGraphe(printer, Contexte(), ui->m_qPlot);
}
