#include "frmMesure.h"
#include "ui_frmMesure.h"

#include "CPortSerie.h"
#include "ClesReglages.h"
#include "CourbeMesure.h"
#include "CurveData.h"
#include "Grandeurs.h"
#include "HumiScaleDraw.h"
#include "IFormatsDate.h"
#include "IntervalleMesures.h"
#include "IntervalleRoue.h"
#include "TempScaleDraw.h"
#include "TexteCapteur.h"
#include "TimeDateScaleDraw.h"
#include "Zoomer.h"
#include "clsSerie.h"
#include "diaAlarmes.h"
#include "diaNewID.h"
#include "diaParam.h"
#include "diaSaveCourbe.h"
#include "prmBoutonAppareil.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QResizeEvent>

#include <qwt_legend.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_directpainter.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_panner.h>
#include <qwt_scale_engine.h>

#include <memory>

namespace
{

// Watch timer period, ms.
constexpr int PeriodeSurveillance = 500;
// A download rescales every 50 points; real time moves its time axis every 20.
constexpr int PasTelechargement = 50;
constexpr int PasTempsReel = 20;
constexpr int ModeTempsReel = 2;
// Reading a logger back after programming: three attempts in all.
constexpr int EssaisRelecture = 3;
// The data table follows new rows at most this often, ms.
constexpr int DelaiDefilement = 100;
// Room for one label of the time axis, pixels.
constexpr int LargeurEtiquetteTemps = 95;

// Counts a probe or a logger command in progress for as long as it waits.
class Occupation
{
public:
    explicit Occupation(int& compteur) : m_Compteur(compteur) { ++m_Compteur; }
    ~Occupation() { --m_Compteur; }
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

private:
    int& m_Compteur;
};

// Picture of a model code, "" when the model has none.
QString ImageModele(int appareil)
{
    switch (appareil) {
    case 1:
    case 2:
        return QStringLiteral(":/Images/71240.png");
    case 3:
        return QStringLiteral(":/Images/71246.png");
    default:
        return QString();
    }
}

CurveData* Donnees(QwtPlotCurve* courbe)
{
    return static_cast<CurveData*>(courbe->data());
}

} // namespace

frmMesure::frmMesure(QWidget* parent, QString* cheminDatas)
    : QWidget(parent), ui(new Ui::frmMesure), m_pFormats(dynamic_cast<IFormatsDate*>(parent)),
      m_pCheminDatas(cheminDatas)
{
    ui->setupUi(this);
    m_Langue = m_pFormats ? m_pFormats->Langue() : ANGLAIS;
    ui->tabData->m_Langue = enm_LANGUE(m_Langue);
    ui->tabStat->m_Langue = enm_LANGUE(m_Langue);
    ConstruireGraphe();
    connect(&m_Timer, &QTimer::timeout, this, &frmMesure::SLOT_TimeOut, Qt::UniqueConnection);
    m_Defilement.setSingleShot(true);
    m_Defilement.setInterval(DelaiDefilement);
    connect(&m_Defilement, &QTimer::timeout, this, &frmMesure::DefilerTableau);
    connect(ui->tbxActions, &QToolBox::currentChanged, this, &frmMesure::DefilerTableau);
}

void frmMesure::DefilerTableau()
{
    if (ui->tabData->isVisible())
        ui->tabData->scrollToBottom();
}

frmMesure::~frmMesure()
{
    m_Timer.stop();
    LibererPort();
    if (m_pCheminDatas)
        ClesReglages::EcrireCheminDatas(*m_pCheminDatas);
    qDeleteAll(m_lstSeries);
    m_lstSeries.clear();
    m_SerieCourante = nullptr;
    delete m_DirectPainter;
    delete ui;
}

QString frmMesure::FormatDateHeure() const
{
    if (m_pFormats)
        return m_pFormats->FormatDateHeure();
    // Hosted by something else than the main window: the formats of its language.
    return m_Langue == FRANCAIS ? QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss")
                                : QStringLiteral(" MM/dd/yyyy\n h:mm:ss AP");
}

// ---------------------------------------------------------------------------
// Loggers found and lost

void frmMesure::LibererPort()
{
    if (!m_Port)
        return;
    CPortSerie* port = m_Port;
    m_Port = nullptr;
    disconnect(port, nullptr, this, nullptr);
    if (port->isOpen())
        port->Fermer();
    // Later: the port's receive handler or a command's wait may be on the stack.
    port->deleteLater();
}

bool frmMesure::Sonder(const QString& port)
{
    Occupation occupation(m_Occupe);
    std::unique_ptr<CPortSerie> sonde(new CPortSerie(port));
    if (!sonde->Ouvrir()) {
        NoterRefus(port, sonde->error());
        return false;
    }
    NoterRefus(port, QSerialPort::NoError);

    DAC::TS_IDENTIFIANTS ids;
    DAC::TS_PARAMETRES params;
    if (!sonde->LireIdentifiants(&ids) || !sonde->LireParametres(&params)) {
        sonde->Fermer();
        return false;
    }

    clsSerie* serie = new clsSerie;
    serie->Port = port;
    serie->Infos.Appareil = CodeModele(ids.Modele);
    serie->Infos.ID = ids.ID;
    serie->Infos.Frequence = params.Frequence;
    serie->Infos.Unite = params.Unite;
    serie->Infos.Capteurs = params.Capteurs;
    serie->Infos.DateDebut = params.DateDebut;
    serie->NbrePoints = PointsParCapteur(params);
    m_lstSeries.append(serie);

    prmBoutonAppareil* bouton =
        new prmBoutonAppareil(this, this, port, ids.ID, ImageModele(serie->Infos.Appareil));
    m_lstBoutons.append(bouton);
    // The spacer stays last, below the buttons.
    ui->layAppareil->removeItem(ui->spcAppareil);
    ui->layAppareil->addWidget(bouton);
    ui->layAppareil->addItem(ui->spcAppareil);

    sonde->Fermer();
    return true;
}

void frmMesure::Rechercher()
{
    m_Timer.stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);

    ui->btnSave->setEnabled(false);
    ui->btnStop->hide();
    ui->btnTelecharger->setEnabled(false);
    LibererPort();
    ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgProg), false);

    setEnabled(false);
    m_SerieCourante = nullptr;
    while (!m_lstBoutons.isEmpty())
        SupprimerBouton(m_lstBoutons.first()->Identifiant());
    qDeleteAll(m_lstSeries);
    m_lstSeries.clear();
    ui->lblType->clear();
    ViderEntete();
    for (const QString& port : CPortSerie::ListePorts())
        Sonder(port);
    QApplication::restoreOverrideCursor();
    setEnabled(true);

    if (m_lstSeries.size() == 1) {
        m_SerieCourante = m_lstSeries.first();
        m_Port = new CPortSerie(m_SerieCourante->Port);
        m_lstBoutons.first()->setChecked(true);
        ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgProg), true);
        ui->tbxActions->setCurrentWidget(ui->pgAcquisition);
        AfficherAppareil();
    } else {
        // None, or several: the user chooses.
        ui->tbxActions->setCurrentWidget(ui->pgAppareil);
    }

    m_Timer.start(PeriodeSurveillance);
}

void frmMesure::AfficherAppareil()
{
    clsSerie* serie = m_SerieCourante;
    if (!serie)
        return;
    const TS_INFOS& infos = serie->Infos;
    ui->lblID->setText(infos.ID);
    ui->lblPoint->setText(QString::number(serie->NbrePoints));
    ui->lblCapteur->setText(QStringLiteral("(") + TexteCapteur(infos.Capteurs) +
                            QStringLiteral(")"));
    ui->lblPeriode->setText(QString::number(uint(infos.Frequence)));
    const QString image = ImageModele(infos.Appareil);
    if (!image.isEmpty())
        ui->lblType->setPixmap(QPixmap(image));

    m_Params.Capteurs = quint8(infos.Capteurs);
    m_Params.Unite = infos.Unite;
    m_Params.Frequence = quint16(infos.Frequence);

    if (!m_Port || !m_Port->Ouvrir())
        return;
    {
        // A logger left in real-time mode stops sending.
        Occupation occupation(m_Occupe);
        QPointer<CPortSerie> port(m_Port);
        port->QuitOnLine();
    }
    // The wait above processes events: the user may have chosen another logger.
    if (m_SerieCourante == serie)
        ui->btnTelecharger->setEnabled(serie->NbrePoints > 0);
}

clsSerie* frmMesure::SerieDuPort(const QString& port, Qt::CaseSensitivity casse) const
{
    for (clsSerie* serie : m_lstSeries) {
        if (serie->Port.compare(port, casse) == 0)
            return serie;
    }
    return nullptr;
}

void frmMesure::Selectionner(bool checked, QString port)
{
    if (!checked) {
        // The only logger cannot be deselected.
        if (m_lstBoutons.size() == 1)
            m_lstBoutons.first()->setChecked(true);
        return;
    }
    if (m_SerieCourante && m_SerieCourante->Port == port)
        return;
    clsSerie* serie = SerieDuPort(port, Qt::CaseSensitive);
    if (!serie) {
        m_SerieCourante = nullptr;
        return;
    }
    // A download of the previous logger ends here, with its progress bar.
    if (m_Telechargement) {
        m_Telechargement = false;
        emit SIGNAL_StopPbar();
    }
    LibererPort();
    m_Port = new CPortSerie(port);
    m_SerieCourante = serie;
    ui->btnTelecharger->show();
    AfficherAppareil();
    Effacer();
    ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgProg), true);
    ui->tbxActions->setCurrentWidget(ui->pgAcquisition);
}

void frmMesure::Effacer()
{
    ui->btnSave->setEnabled(false);
    ui->btnStop->hide();
    Donnees(m_CourbeTemp)->clear();
    Donnees(m_CourbeHumi)->clear();
    ui->m_qPlot->replot();
    ui->tabStat->Vider();
    ui->tabData->setRowCount(0);
}

void frmMesure::ViderEntete()
{
    ui->lblID->clear();
    ui->lblPoint->clear();
    ui->lblCapteur->clear();
    ui->lblPeriode->clear();
}

void frmMesure::SupprimerBouton(const QString& port)
{
    for (int i = 0; i < m_lstBoutons.size(); ++i) {
        prmBoutonAppareil* bouton = m_lstBoutons.at(i);
        if (bouton->Identifiant().compare(port, Qt::CaseInsensitive) == 0) {
            ui->layAppareil->removeWidget(bouton);
            m_lstBoutons.removeAt(i);
            delete bouton;
            return;
        }
    }
}

void frmMesure::RetirerSerie(clsSerie* serie)
{
    m_lstSeries.removeOne(serie);
    if (m_SerieCourante == serie)
        m_SerieCourante = nullptr;
    delete serie;
}

void frmMesure::SLOT_TimeOut()
{
    // A tick that comes while a probe or a command of this window still waits for
    // its reply is skipped: the next one repeats the work.
    if (m_Occupe > 0)
        return;
    Occupation occupation(m_Occupe);

    const QStringList ports = CPortSerie::ListePorts();

    // Loss of the selected logger.
    if (m_Port && !m_Port->PortOccupe()) {
        clsSerie* serie = m_SerieCourante;
        emit SIGNAL_PerteConnexion();
        if (serie && serie->Infos.Mode == ModeTempsReel)
            on_btnStop_clicked();
        if (m_Telechargement) {
            m_Telechargement = false;
            emit SIGNAL_StopPbar();
        }
        LibererPort();
        const QString titre = serie ? serie->Infos.ID : QString();
        if (serie && serie->NbrePointsSauves != serie->NbrePoints && ui->btnSave->isEnabled()) {
            const QString texte = tr("Perte de connexion avec l'appareil") + QLatin1Char('\n') +
                                  tr("Voulez-vous sauvegarder vos donnees ?");
            if (QMessageBox::question(this, titre, texte, QMessageBox::Yes | QMessageBox::No) ==
                QMessageBox::Yes)
                on_btnSave_clicked();
            Effacer();
        } else {
            QMessageBox::warning(this, titre, tr("Perte de connexion avec l'appareil"));
        }
        if (serie) {
            SupprimerBouton(serie->Port);
            RetirerSerie(serie);
        }
        m_SerieCourante = nullptr;
        ui->btnSave->setEnabled(false);
        ui->btnStop->hide();
        ui->btnTelecharger->setEnabled(false);
        ui->btnTelecharger->show();
        ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgProg), false);
        ui->tbxActions->setCurrentWidget(ui->pgAppareil);
        ViderEntete();
    }

    // Departures.
    for (int i = m_lstSeries.size() - 1; i >= 0; --i) {
        clsSerie* serie = m_lstSeries.at(i);
        if (serie == m_SerieCourante)
            continue;
        if (!ports.contains(serie->Port, Qt::CaseInsensitive)) {
            SupprimerBouton(serie->Port);
            RetirerSerie(serie);
        }
    }
    if (m_Refus.Oublier(ports))
        AfficherRefus();

    // Arrivals; a logger that does not answer is probed again at the next tick.
    for (const QString& port : ports) {
        if (!SerieDuPort(port, Qt::CaseInsensitive))
            Sonder(port);
    }

    if (!m_Port && m_lstBoutons.size() == 1) {
        prmBoutonAppareil* bouton = m_lstBoutons.first();
        if (bouton->isChecked())
            Selectionner(true, bouton->Identifiant());
        else
            bouton->setChecked(true);
    }
}

void frmMesure::NoterRefus(const QString& port, QSerialPort::SerialPortError erreur)
{
    const RefusPort refus = ClasserRefus(erreur, AccesPeripherique(port));
    const QString groupe = refus == RefusPort::Droits ? GroupePeripherique(port) : QString();
    if (m_Refus.Noter(port, refus, groupe))
        AfficherRefus();
}

void frmMesure::AfficherRefus()
{
    QStringList lignes;
    for (const clsRefusPorts::Entree& entree : m_Refus.Entrees()) {
        if (entree.Refus == RefusPort::Droits) {
            lignes << tr("Acces refuse au port %1. Ajoutez votre utilisateur au groupe %2 puis "
                         "ouvrez une nouvelle session.")
                          .arg(entree.Port, entree.Groupe);
        } else if (entree.Refus == RefusPort::Occupe) {
            lignes << tr("Le port %1 est utilise par un autre programme.").arg(entree.Port);
        }
    }
    ui->lblAccesPort->setText(lignes.join(QStringLiteral("\n\n")));
    ui->lblAccesPort->setVisible(!lignes.isEmpty());
}

// ---------------------------------------------------------------------------
// Language

void frmMesure::Retraduire()
{
    ui->retranslateUi(this);
    AfficherRefus();
}

void frmMesure::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retraduire();
    QWidget::changeEvent(event);
}

void frmMesure::MajLangue(int langue)
{
    m_Langue = langue;
    ui->tabData->m_Langue = enm_LANGUE(langue);
    ui->tabStat->m_Langue = enm_LANGUE(langue);
    if (m_SerieCourante) {
        ui->lblCapteur->setText(QStringLiteral("(") +
                                TexteCapteur(m_SerieCourante->Infos.Capteurs) +
                                QStringLiteral(")"));
    }
    MajTitresGraphe();
    ui->m_qPlot->setAxisScaleDraw(QwtPlot::xBottom, new TimeDateScaleDraw(FormatDateHeure()));
    ui->m_qPlot->replot();

    // The programming dialogs keep the texts of the language they were built in:
    // build them again on next use. None is open here (they are modal).
    delete m_diaParam;
    m_diaParam = nullptr;
    delete m_diaAlarmes;
    m_diaAlarmes = nullptr;
    delete m_diaNewID;
    m_diaNewID = nullptr;
}

// ---------------------------------------------------------------------------
// Plot

void frmMesure::MajTitresGraphe()
{
    const QFont police(QStringLiteral("Tahoma"), 12);
    QwtText titreTemp(TexteCapteur(1));
    titreTemp.setColor(CouleurTemp());
    titreTemp.setFont(police);
    QwtText titreHumi(TexteCapteur(2));
    titreHumi.setColor(CouleurHumi());
    titreHumi.setFont(police);
    ui->m_qPlot->setAxisTitle(QwtPlot::yLeft, titreTemp);
    ui->m_qPlot->setAxisTitle(QwtPlot::yRight, titreHumi);
    m_CourbeTemp->setTitle(titreTemp.text());
    m_CourbeHumi->setTitle(titreHumi.text());
}

void frmMesure::ConstruireGraphe()
{
    QwtPlot* graphe = ui->m_qPlot;
    m_DirectPainter = new QwtPlotDirectPainter();
    graphe->setAutoReplot(true);

    QwtPlotCanvas* canevas = qobject_cast<QwtPlotCanvas*>(graphe->canvas());
    if (canevas) {
        canevas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
        canevas->setBorderRadius(10);
    }
    graphe->plotLayout()->setAlignCanvasToScales(true);

    QwtLegend* legende = new QwtLegend;
    legende->setFrameStyle(QFrame::Box | QFrame::Sunken);
    graphe->insertLegend(legende, QwtPlot::TopLegend);

    graphe->setAxisScaleDraw(QwtPlot::xBottom, new TimeDateScaleDraw(FormatDateHeure()));
    graphe->setAxisScaleDraw(QwtPlot::yLeft, new TempScaleDraw);
    graphe->setAxisScaleDraw(QwtPlot::yRight, new HumiScaleDraw);
    graphe->enableAxis(QwtPlot::yLeft, true);
    graphe->enableAxis(QwtPlot::yRight, true);

    QwtPlotGrid* grille = new QwtPlotGrid;
    grille->setPen(QPen(Qt::gray, 1, Qt::DotLine));
    grille->attach(graphe);

    m_CourbeTemp = new CourbeMesure;
    m_CourbeTemp->setData(new CurveData);
    m_CourbeTemp->setPen(QPen(CouleurTemp(), 1, Qt::SolidLine));
    m_CourbeTemp->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    m_CourbeTemp->setYAxis(QwtPlot::yLeft);
    m_CourbeHumi = new CourbeMesure;
    m_CourbeHumi->setData(new CurveData);
    m_CourbeHumi->setPen(QPen(CouleurHumi(), 1, Qt::SolidLine));
    m_CourbeHumi->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    m_CourbeHumi->setYAxis(QwtPlot::yRight);
    MajTitresGraphe();
    m_CourbeTemp->attach(graphe);
    m_CourbeHumi->attach(graphe);

    graphe->setAxisMaxMajor(QwtPlot::xBottom, 5);
    // Until a recording arrives the time axis shows the last hour, not 1970.
    const double maintenant = double(QDateTime::currentSecsSinceEpoch());
    graphe->setAxisScale(QwtPlot::xBottom, maintenant - 3600, maintenant);
    graphe->setAxisAutoScale(QwtPlot::yLeft, false);
    graphe->setAxisAutoScale(QwtPlot::yRight, false);
    graphe->setAxisScale(QwtPlot::yLeft, TEMP_PLANCHER, TEMP_PLAFOND);
    graphe->setAxisScale(QwtPlot::yRight, HUMI_PLANCHER, HUMI_PLAFOND);

    SLOT_Zoomed();

    QwtPlotPanner* panoramique = new QwtPlotPanner(graphe->canvas());
    panoramique->setMouseButton(Qt::LeftButton, Qt::ControlModifier);

    m_Zoomer = new Zoomer(graphe->canvas());
    m_Zoomer->setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ControlModifier);
    m_Zoomer->setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton);
    m_Zoomer->m_ModeX = Zoomer::MODE_DATE_HEURE;
    m_Zoomer->setZoomBase(true);
    connect(m_Zoomer, &QwtPlotZoomer::zoomed, this, &frmMesure::SLOT_Zoomed);

    graphe->canvas()->setCursor(Qt::SizeAllCursor);
    graphe->canvas()->installEventFilter(this);
}

bool frmMesure::eventFilter(QObject* objet, QEvent* event)
{
    // At most 5 date-time labels, fewer when the canvas is too narrow for them
    // (a label is two lines about 80 pixels wide).
    if (objet == ui->m_qPlot->canvas() && event->type() == QEvent::Resize) {
        const int largeur = static_cast<QResizeEvent*>(event)->size().width();
        ui->m_qPlot->setAxisMaxMajor(QwtPlot::xBottom,
                                     qBound(2, largeur / LargeurEtiquetteTemps, 5));
    }
    return QWidget::eventFilter(objet, event);
}

void frmMesure::SLOT_Zoomed()
{
    // Setting a wheel runs its slot, which centres the axis again and keeps it
    // inside its bounds.
    ui->sliTemp->setValue(ui->m_qPlot->axisInterval(QwtPlot::yLeft).width());
    ui->sliHumi->setValue(ui->m_qPlot->axisInterval(QwtPlot::yRight).width());
}

void frmMesure::on_sliTemp_valueChanged(double newDelta)
{
    AppliquerRoue(ui->m_qPlot, QwtPlot::yLeft, newDelta, TEMP_PLANCHER, TEMP_PLAFOND);
    // While a rescale holds the replot back, the axis must still read its new bounds.
    if (!ui->m_qPlot->autoReplot())
        ui->m_qPlot->updateAxes();
}

void frmMesure::on_sliHumi_valueChanged(double newDelta)
{
    AppliquerRoue(ui->m_qPlot, QwtPlot::yRight, newDelta, HUMI_PLANCHER, HUMI_PLAFOND);
    if (!ui->m_qPlot->autoReplot())
        ui->m_qPlot->updateAxes();
}

void frmMesure::DessinerSegment(QwtPlotCurve* courbe, int n)
{
    // The canvas repaints only around the new segment (pen and antialiasing
    // included), not its whole area.
    const QwtPlot* graphe = ui->m_qPlot;
    const QwtScaleMap x = graphe->canvasMap(courbe->xAxis());
    const QwtScaleMap y = graphe->canvasMap(courbe->yAxis());
    const QPointF a = courbe->sample(size_t(qMax(n - 2, 0)));
    const QPointF b = courbe->sample(size_t(n - 1));
    const QRectF segment(QPointF(x.transform(a.x()), y.transform(a.y())),
                         QPointF(x.transform(b.x()), y.transform(b.y())));
    m_DirectPainter->setClipRegion(
        QRegion(segment.normalized().toAlignedRect().adjusted(-3, -3, 3, 3)));
    m_DirectPainter->drawSeries(courbe, n - 2, n - 1);
}

void frmMesure::DefinirEchelle(int axe, double min, double max)
{
    const QwtInterval actuel = ui->m_qPlot->axisInterval(axe);
    if (actuel.minValue() == min && actuel.maxValue() == max)
        return;
    ui->m_qPlot->setAxisScale(axe, min, max);
    ui->m_qPlot->updateAxes();
}

void frmMesure::DefinirEchelleTemps(double min, double max)
{
    DefinirEchelle(QwtPlot::xBottom, min, max);
}

// ---------------------------------------------------------------------------
// Download and real time

void frmMesure::PreparerAcquisition()
{
    clsSerie* s = m_SerieCourante;
    if (!s || !m_Port)
        return;
    s->EffacerVoies();
    s->NbrePoints = 0;
    // A new recording: nothing of it has been saved yet.
    s->NbrePointsSauves = 0;
    m_TempsCourant = s->Infos.DateDebut;
    s->Temps.Minimum = int(s->Infos.DateDebut);
    s->Temps.Maximum = int(s->Infos.DateDebut);
    s->Temperature.Minimum = 1000;
    s->Temperature.Maximum = -400;
    s->Humidite.Minimum = 1000;
    s->Humidite.Maximum = 0;
    Effacer();
    connect(m_Port, qOverload<word>(&CPortSerie::DAC_Datas), this,
            qOverload<word>(&frmMesure::SLOT_Data), Qt::UniqueConnection);
    connect(m_Port, qOverload<word, word>(&CPortSerie::DAC_Datas), this,
            qOverload<word, word>(&frmMesure::SLOT_Data), Qt::UniqueConnection);
}

void frmMesure::on_btnTelecharger_clicked()
{
    if (!m_Port || !m_SerieCourante)
        return;
    ui->btnTelecharger->setEnabled(false);
    connect(m_Port, &CPortSerie::DAC_DownLoad, this, &frmMesure::SLOT_DownLoad,
            Qt::UniqueConnection);
    PreparerAcquisition();
    m_Telechargement = true;
    m_Port->DownLoad();
}

void frmMesure::SLOT_DownLoad(DAC::TS_PARAMETRES Params)
{
    if (m_Port)
        disconnect(m_Port, &CPortSerie::DAC_DownLoad, this, &frmMesure::SLOT_DownLoad);
    clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    s->Infos.Capteurs = Params.Capteurs;
    s->Infos.Unite = Params.Unite;
    const int n = PointsParCapteur(Params);
    m_NbreAttendus = n;
    ui->lblPoint->setText(QString::number(n));
    s->Infos.DateDebut = Params.DateDebut;
    s->Infos.Frequence = Params.Frequence;
    m_TempsCourant = s->Infos.DateDebut;
    // A downloaded recording is never a real-time one.
    if (s->Infos.Mode == ModeTempsReel)
        s->Infos.Mode = 1;
    emit SIGNAL_StartPbar(tr("Telechargement en cours"), 0, n);
    if (n <= 0) {
        // An empty memory sends no data line: the download is over already.
        m_Telechargement = false;
        emit SIGNAL_StopPbar();
        ui->btnTelecharger->setEnabled(true);
    }
}

void frmMesure::SLOT_Data(word Valeur)
{
    if (!m_SerieCourante)
        return;
    switch (m_SerieCourante->Infos.Capteurs) {
    case 1:
        SLOT_Data(Valeur, 0);
        break;
    case 2:
        SLOT_Data(0, Valeur);
        break;
    default:
        break; // one value cannot belong to both sensors
    }
}

void frmMesure::SLOT_Data(word ValTemp, word ValHumi)
{
    clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    const bool tempsReel = s->Infos.Mode == ModeTempsReel;
    if (tempsReel)
        m_TempsCourant = quint32(QDateTime::currentSecsSinceEpoch());

    s->AjouterPoint(m_TempsCourant, ValTemp, ValHumi);
    const int n = s->NbrePoints;
    AjouterLigne(ValTemp, ValHumi);

    // Only the new segment is painted.
    Donnees(m_CourbeTemp)->append(QPointF(m_TempsCourant, ValTemp));
    Donnees(m_CourbeHumi)->append(QPointF(m_TempsCourant, ValHumi));
    DessinerSegment(m_CourbeTemp, n);
    DessinerSegment(m_CourbeHumi, n);

    QwtPlot* graphe = ui->m_qPlot;
    const double debut = s->Infos.DateDebut;
    const double frequence = s->Infos.Frequence;
    // A rescale moves several axes and the wheels: one replot at the end.
    graphe->setAutoReplot(false);
    bool retracer = false;

    if (tempsReel) {
        ui->lblPoint->setText(QString::number(n));
        MajEchelles();
        retracer = true;
        if (n % PasTempsReel == 1) {
            DefinirEchelleTemps(debut, double(m_TempsCourant) + PasTempsReel * frequence);
            s->SauvegardeAuto();
        }
    } else {
        emit SIGNAL_SetPbarValue(n);
        if (n % PasTelechargement == 1) {
            MajEchelles();
            DefinirEchelleTemps(debut, debut + (n + PasTelechargement) * frequence);
            retracer = true;
        }
        if (n >= m_NbreAttendus) {
            MajEchelles();
            DefinirEchelleTemps(debut, m_TempsCourant);
            graphe->setAutoReplot(true);
            graphe->replot();
            retracer = false;
            m_Zoomer->setZoomBase(false);
            m_Telechargement = false;
            emit SIGNAL_StopPbar();
            s->SauvegardeAuto();
            ui->btnTelecharger->setEnabled(true);
            ui->btnSave->setEnabled(n > 0);
        }
        m_TempsCourant += quint32(s->Infos.Frequence);
    }

    graphe->setAutoReplot(true);
    if (retracer)
        graphe->replot();
}

void frmMesure::MajEchelles()
{
    const clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    const QwtInterval temp = IntervalleMesures(s->Temperature.Minimum, s->Temperature.Maximum);
    DefinirEchelle(QwtPlot::yLeft, temp.minValue(), temp.maxValue());
    const QwtInterval humi = IntervalleMesures(s->Humidite.Minimum, s->Humidite.Maximum);
    DefinirEchelle(QwtPlot::yRight, humi.minValue(), humi.maxValue());
    SLOT_Zoomed();
    RemplirStatistiques();
}

void frmMesure::RemplirStatistiques()
{
    const clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    prmTableWidget* table = ui->tabStat;
    const TS_VOIE* voies[2] = {&s->Temperature, &s->Humidite};
    const QString unites[2] = {UniteTemp(), UniteHumi()};
    for (int col = 0; col < 2; ++col) {
        const TS_VOIE& v = *voies[col];
        table->SetEntier(0, col, s->NbrePoints);
        table->SetMesure(1, col, v.Moyenne, QString(), unites[col]);
        table->SetMesure(2, col, v.EcartType, QString(), unites[col]);
        table->SetMesure(3, col, v.Minimum, QString(), unites[col]);
        table->SetMesure(4, col, v.Maximum, QString(), unites[col]);
        table->SetMesure(5, col, v.Maximum - v.Minimum, QString(), unites[col]);
    }
}

void frmMesure::AjouterLigne(word ValTemp, word ValHumi)
{
    const int n = m_SerieCourante->NbrePoints;
    const int ligne = n - 1;
    prmTableWidget* table = ui->tabData;
    table->SetEntier(ligne, 0, n);
    table->SetDateHeure(ligne, 1, m_TempsCourant);
    table->SetMesure(ligne, 3, ValTemp, QString(), UniteTemp());
    table->SetMesure(ligne, 4, ValHumi, QString(), UniteHumi());
    // Once, on the first row: fitting every row's width would grow with the table.
    if (n == 1)
        table->resizeColumnsToContents();
    // Scrolling lays the whole table out again: at most every 100 ms, and only
    // while the table is on screen (showing its page scrolls it).
    if (!m_Defilement.isActive())
        m_Defilement.start();
}

void frmMesure::on_btnStop_clicked()
{
    if (m_Port) {
        QPointer<CPortSerie> port(m_Port);
        {
            Occupation occupation(m_Occupe);
            port->QuitOnLine();
        }
        // The wait above may have let the user choose another logger.
        if (port && m_Port == port)
            disconnect(port, nullptr, this, nullptr);
    }
    m_Zoomer->setZoomBase(true);
    ui->btnTelecharger->show();
    ui->btnStop->hide();
    clsSerie* s = m_SerieCourante;
    const bool points = s && s->NbrePoints > 0;
    ui->btnSave->setEnabled(points);
    if (points)
        s->SauvegardeAuto();
}

// ---------------------------------------------------------------------------
// Programming and saving

bool frmMesure::Relire(const clsSerie* serie, const QPointer<CPortSerie>& port,
                       const std::function<bool(CPortSerie*)>& lecture)
{
    for (int essai = 0; essai < EssaisRelecture; ++essai) {
        if (!port || port != m_Port || serie != m_SerieCourante)
            return false;
        bool lu;
        {
            Occupation occupation(m_Occupe);
            lu = lecture(port);
        }
        // The wait above processes events: the user may have chosen another logger.
        if (lu)
            return port && port == m_Port && serie == m_SerieCourante;
    }
    return false;
}

void frmMesure::on_btnProgParam_clicked()
{
    clsSerie* serie = m_SerieCourante;
    if (!serie || !m_Port || !m_Port->isOpen())
        return;
    if (m_diaParam) {
        m_diaParam->SetParams(m_Port, m_Params);
    } else {
        m_diaParam = new diaParam(this, m_Port, m_Params);
        connect(this, &frmMesure::SIGNAL_PerteConnexion, m_diaParam, &QDialog::reject);
    }
    const QPointer<CPortSerie> port(m_Port);
    if (m_diaParam->exec() != QDialog::Accepted)
        return;

    // A failed read-back changes nothing, silently.
    DAC::TS_PARAMETRES lus;
    if (!Relire(serie, port, [&lus](CPortSerie* p) { return p->LireParametres(&lus); }))
        return;
    m_Params = lus;
    const int n = PointsParCapteur(m_Params);
    ui->lblPoint->setText(QString::number(n));
    ui->lblCapteur->setText(QStringLiteral("(") + TexteCapteur(m_Params.Capteurs) +
                            QStringLiteral(")"));
    ui->lblPeriode->setText(QString::number(m_Params.Frequence));

    serie->NbrePoints = n;
    serie->Infos.Frequence = m_Params.Frequence;
    serie->Infos.Unite = m_Params.Unite;
    serie->Infos.Capteurs = m_Params.Capteurs;
    serie->Infos.DateDebut = m_Params.DateDebut;
    serie->Infos.Mode = m_diaParam->ModeCode;

    const bool tempsReel = serie->Infos.Mode == ModeTempsReel;
    ui->btnTelecharger->setVisible(!tempsReel);
    ui->btnTelecharger->setEnabled(true);
    if (tempsReel) {
        // Every reading the logger now sends is a point, until Stop.
        PreparerAcquisition();
        ui->btnStop->show();
    }
}

void frmMesure::on_btnProgAlarme_clicked()
{
    const clsSerie* serie = m_SerieCourante;
    if (!serie || !m_Port)
        return;
    // The 71246 measures temperature only.
    const bool humidite = serie->Infos.Appareil != 3;
    if (m_diaAlarmes) {
        m_diaAlarmes->Preparer(m_Port, humidite);
    } else {
        m_diaAlarmes = new diaAlarmes(this, m_Port, humidite);
        connect(this, &frmMesure::SIGNAL_PerteConnexion, m_diaAlarmes, &QDialog::reject);
    }
    // Alarms are never read back.
    m_diaAlarmes->exec();
}

void frmMesure::on_btnProgID_clicked()
{
    clsSerie* serie = m_SerieCourante;
    if (!serie || !m_Port)
        return;
    // Only the 71240 and the 71240VX have a display.
    const bool lcd = serie->Infos.Appareil == 1 || serie->Infos.Appareil == 2;
    if (m_diaNewID) {
        m_diaNewID->Preparer(m_Port, lcd, serie->Infos.ID);
    } else {
        m_diaNewID = new diaNewID(this, m_Port, serie->Infos.ID, lcd);
        connect(this, &frmMesure::SIGNAL_PerteConnexion, m_diaNewID, &QDialog::reject);
    }
    const QPointer<CPortSerie> port(m_Port);
    if (m_diaNewID->exec() != QDialog::Accepted)
        return;

    DAC::TS_IDENTIFIANTS ids;
    if (!Relire(serie, port, [&ids](CPortSerie* p) { return p->LireIdentifiants(&ids); }))
        return;
    ui->lblID->setText(ids.ID);
    serie->Infos.ID = ids.ID;
    for (prmBoutonAppareil* bouton : qAsConst(m_lstBoutons)) {
        if (bouton->Identifiant() == serie->Port) {
            bouton->setText(ids.ID);
            break;
        }
    }
}

void frmMesure::on_btnSave_clicked()
{
    clsSerie* serie = m_SerieCourante;
    if (!serie)
        return;
    // Watch ticks wait for the end of the save: a logger lost meanwhile would
    // take its recording away from under the dialog and the export.
    Occupation occupation(m_Occupe);

    QString dossier = serie->Chemin;
    if (dossier.isEmpty() && m_pCheminDatas)
        dossier = *m_pCheminDatas;
    diaSaveCourbe dialogue(this, dossier, serie->Nom, serie->Temperature.Commentaire);
    if (dialogue.exec() != QDialog::Accepted)
        return;

    serie->setCommentaire(dialogue.Commentaire());
    if (!serie->Sauvegarder(dialogue.Nom(), dialogue.Chemin())) {
        // The automatic backup stays, and the save button too: the user may
        // choose another place.
        const QString fichier =
            dialogue.Chemin() + QLatin1Char('/') + dialogue.Nom() + QStringLiteral(".ail");
        QMessageBox::warning(this, tr("Sauvegarde"),
                             tr("Impossible d'ecrire l'enregistrement dans %1.")
                                 .arg(QDir::toNativeSeparators(fichier)));
        return;
    }
    if (dialogue.ExportDemande())
        ExporterClasseur(serie, dialogue.OuvertureDemandee());

    // The folder proposed when the dialog opened, not the one chosen in it.
    if (m_pCheminDatas)
        *m_pCheminDatas = dossier;
}

void frmMesure::ExporterClasseur(clsSerie* serie, bool ouvrir)
{
    // Progress 1, then 2 to n + 1 for n points.
    emit SIGNAL_StartPbar(tr("Export Excel en cours"), 0, serie->NbrePointsPresents() + 2);
    connect(serie, &clsSerie::XLS_Progress, this, &frmMesure::SIGNAL_SetPbarValue);
    // The export processes events between rows: no new acquisition meanwhile.
    ui->tbxActions->setEnabled(false);
    const bool exporte = serie->ExportExcel(m_Langue);
    ui->tbxActions->setEnabled(true);
    if (!exporte) {
        QMessageBox::warning(this, tr("Sauvegarde"), tr("L'export vers excel n'a pas fonctionne."));
    } else if (ouvrir && !serie->OuvrirExcel()) {
        QMessageBox::warning(this, tr("Excel"), tr("Impossible d'ouvrir le classeur"));
    }
    emit SIGNAL_StopPbar();
    disconnect(serie, nullptr, this, nullptr);
}
