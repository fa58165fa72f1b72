#include "frmMesure.h"
#include "ui_frmMesure.h"

#include "CPortSerie.h"
#include "ClesReglages.h"
#include "ConfigGraphe.h"
#include "CourbeMesure.h"
#include "Dialogues.h"
#include "DonneesMesure.h"
#include "ExportCsv.h"
#include "FormatsDate.h"
#include "Grandeurs.h"
#include "IFormatsDate.h"
#include "IntervalleMesures.h"
#include "LignesLimites.h"
#include "PeindreSegments.h"
#include "ReglesProgrammation.h"
#include "RoueEchelle.h"
#include "TexteCapteur.h"
#include "Zoomer.h"
#include "clsSerie.h"
#include "diaAlarmes.h"
#include "diaNewID.h"
#include "diaParam.h"
#include "diaSaveCourbe.h"
#include "prmBoutonAppareil.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QPixmap>
#include <QPointer>
#include <QResizeEvent>
#include <QUrl>

#include <qwt_plot_curve.h>

#include <memory>

namespace
{

// Watch timer period, ms.
constexpr int PeriodeSurveillance = 500;
constexpr int ModeTempsReel = 2;
// Reading a logger back after programming: three attempts in all.
constexpr int EssaisRelecture = 3;
// The data table follows new rows at most this often, ms.
constexpr int DelaiDefilement = 100;
// New points reach the screen at most this often, ms: a download brings a
// point every 2.6 ms at 38400 baud, far more often unpaced.
constexpr int DelaiImage = 30;

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

DonneesMesure* Donnees(QwtPlotCurve* courbe)
{
    return static_cast<DonneesMesure*>(courbe->data());
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
    m_Image.setSingleShot(true);
    m_Image.setInterval(DelaiImage);
    connect(&m_Image, &QTimer::timeout, this, &frmMesure::PeindreImage);
    m_Horloge.start();
    AppliquerEtat(enm_ETAT_MESURE::AucunAppareil);
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
    // Their lines are items of the plot, which goes with the form.
    delete m_LimitesTemp;
    delete m_LimitesHumi;
    delete ui;
}

QString frmMesure::FormatDateHeure() const
{
    if (m_pFormats)
        return m_pFormats->FormatDateHeure();
    // Hosted by something else than the main window: the formats of its language.
    return ::FormatDateHeure(enm_LANGUE(m_Langue));
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
    const bool repondu = sonde->LireIdentifiants(&ids) && sonde->LireParametres(&params);
    if (m_Surveillance.NoterSonde(port, repondu))
        AfficherRefus();
    if (!repondu) {
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
    ui->lblAucunAppareil->hide();

    sonde->Fermer();
    return true;
}

void frmMesure::Rechercher()
{
    m_Timer.stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);

    LibererPort();
    m_SerieCourante = nullptr;
    AppliquerEtat(enm_ETAT_MESURE::AucunAppareil);

    setEnabled(false);
    while (!m_lstBoutons.isEmpty())
        SupprimerBouton(m_lstBoutons.first()->Identifiant());
    qDeleteAll(m_lstSeries);
    m_lstSeries.clear();
    m_EchecsSauvegarde.clear();
    for (const QString& port : m_Veille.Ports())
        Sonder(port);
    QApplication::restoreOverrideCursor();
    setEnabled(true);

    if (m_lstSeries.size() == 1) {
        m_lstBoutons.first()->setChecked(true);
    } else {
        // None, or several: the user chooses.
        ui->tbxActions->setCurrentWidget(ui->pgAppareil);
    }

    m_Timer.start(PeriodeSurveillance);
}

bool frmMesure::AfficherAppareil()
{
    clsSerie* serie = m_SerieCourante;
    if (!serie)
        return false;
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
        return true;
    {
        // A logger left in real-time mode stops sending.
        Occupation occupation(m_Occupe);
        QPointer<CPortSerie> port(m_Port);
        port->QuitOnLine();
    }
    // The wait above processes events: the user may have chosen another logger.
    return m_SerieCourante == serie;
}

clsSerie* frmMesure::SerieDuPort(const QString& port, Qt::CaseSensitivity casse) const
{
    for (clsSerie* serie : m_lstSeries) {
        if (serie->Port.compare(port, casse) == 0)
            return serie;
    }
    return nullptr;
}

QStringList frmMesure::PortsConnus() const
{
    QStringList ports;
    for (const clsSerie* serie : m_lstSeries)
        ports << serie->Port;
    return ports;
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
    if (!serie)
        return;
    // A download or a real-time stream of the previous logger ends here; what it
    // received stays in its recording and its backup.
    ArreterAcquisition();
    LibererPort();
    m_Port = new CPortSerie(port);
    m_SerieCourante = serie;
    Effacer();
    AfficherPoints(serie);
    AppliquerEtat(EtatAuRepos());
    ui->tbxActions->setCurrentWidget(ui->pgAcquisition);
    if (AfficherAppareil())
        AppliquerEtat(EtatAuRepos());
}

void frmMesure::Effacer()
{
    Donnees(m_CourbeTemp)->Vider();
    Donnees(m_CourbeHumi)->Vider();
    m_LimitesTemp->Regler(TS_LIMITES(), QColor());
    m_LimitesHumi->Regler(TS_LIMITES(), QColor());
    m_LimitesTemp->Regler(TS_LIMITES(), QColor());
    m_LimitesHumi->Regler(TS_LIMITES(), QColor());
    const bool replot = ui->m_qPlot->autoReplot();
    ui->m_qPlot->setAutoReplot(false);
    AxesParDefaut();
    ui->m_qPlot->setAutoReplot(replot);
    ui->m_qPlot->replot();
    m_Image.stop();
    m_Retracer = false;
    m_Peints[0] = m_Peints[1] = 0;
    ui->tabStat->Vider();
    ui->tabData->setRowCount(0);
}

void frmMesure::AxesParDefaut()
{
    // Until a recording arrives the time axis shows the last hour, not 1970 or
    // another logger's recording; the value axes their whole range.
    const double maintenant = double(QDateTime::currentSecsSinceEpoch());
    DefinirEchelleTemps(maintenant - 3600, maintenant);
    DefinirEchelle(QwtPlot::yLeft, TEMP_PLANCHER, TEMP_PLAFOND);
    DefinirEchelle(QwtPlot::yRight, HUMI_PLANCHER, HUMI_PLAFOND);
    SLOT_Zoomed();
    if (m_Zoomer)
        m_Zoomer->setZoomBase(false);
}

void frmMesure::ViderEntete()
{
    ui->lblType->clear();
    ui->lblID->setText(tr("Aucun enregistreur sélectionné"));
    ui->lblPoint->clear();
    ui->lblCapteur->clear();
    ui->lblPeriode->clear();
}

enm_ETAT_MESURE frmMesure::EtatAuRepos() const
{
    if (!m_SerieCourante)
        return enm_ETAT_MESURE::AucunAppareil;
    return m_SerieCourante->NbrePointsPresents() > 0 ? enm_ETAT_MESURE::Donnees
                                                     : enm_ETAT_MESURE::Selectionne;
}

void frmMesure::AppliquerEtat(enm_ETAT_MESURE etat)
{
    const clsSerie* serie = m_SerieCourante;
    if (!serie)
        etat = enm_ETAT_MESURE::AucunAppareil;
    m_Etat = etat;
    const bool choisi = etat != enm_ETAT_MESURE::AucunAppareil;
    const bool telechargement = etat == enm_ETAT_MESURE::Telechargement;
    const bool tempsReel = etat == enm_ETAT_MESURE::TempsReel;
    const bool auRepos = etat == enm_ETAT_MESURE::Selectionne || etat == enm_ETAT_MESURE::Donnees;
    const bool portOuvert = m_Port && m_Port->isOpen();

    // No programming while the logger sends its memory.
    ui->tbxActions->setItemEnabled(ui->tbxActions->indexOf(ui->pgProg), choisi && !telechargement);
    ui->btnTelecharger->setVisible(!tempsReel);
    ui->btnTelecharger->setEnabled(auRepos && portOuvert && serie->NbrePoints > 0);
    ui->btnStop->setVisible(tempsReel);
    ui->btnSave->setEnabled(etat == enm_ETAT_MESURE::Donnees);

    // The header says nothing of a logger that is not there.
    ui->lblPointsSuffixe->setVisible(choisi);
    ui->lblPeriodePrefixe->setVisible(choisi);
    ui->lblPeriodeSuffixe->setVisible(choisi);
    if (!choisi) {
        ViderEntete();
        MontrerVoies(3);
    }
}

void frmMesure::SupprimerBouton(const QString& port)
{
    for (int i = 0; i < m_lstBoutons.size(); ++i) {
        prmBoutonAppareil* bouton = m_lstBoutons.at(i);
        if (bouton->Identifiant().compare(port, Qt::CaseInsensitive) == 0) {
            ui->layAppareil->removeWidget(bouton);
            m_lstBoutons.removeAt(i);
            delete bouton;
            break;
        }
    }
    ui->lblAucunAppareil->setVisible(m_lstBoutons.isEmpty());
}

void frmMesure::RetirerSerie(clsSerie* serie)
{
    m_lstSeries.removeOne(serie);
    m_EchecsSauvegarde.remove(serie);
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

    const TS_DECISION silence = m_Acquisition.Surveiller(m_Horloge.elapsed());
    if (silence.Terminee)
        InterrompreTelechargement(silence);

    // The system's enumeration runs in the watch's worker thread: here, its last
    // result and the ports named on the command line.
    const QStringList ports = m_Veille.Ports();
    const QString selectionne = m_Port && m_SerieCourante ? m_SerieCourante->Port : QString();
    // A port this window could not open is held while the system says it is in use.
    const bool tenu =
        !selectionne.isEmpty() &&
        (m_Port->isOpen() ? m_Port->PortOccupe() : m_Veille.Occupe(m_Port->portName()));
    const TS_SURVEILLANCE veille =
        clsSurveillance::Comparer(ports, PortsConnus(), selectionne, tenu);

    if (veille.Perte)
        PerdreAppareil();
    for (const QString& port : veille.Departs) {
        SupprimerBouton(port);
        RetirerSerie(SerieDuPort(port, Qt::CaseSensitive));
    }
    const bool oublies = m_Refus.Oublier(ports);
    if (m_Surveillance.Oublier(ports) || oublies)
        AfficherRefus();
    // A logger that does not answer is probed again at the next tick.
    for (const QString& port : veille.Arrivees)
        Sonder(port);

    const QString seul =
        clsSurveillance::SelectionAuto(PortsConnus(), m_Port ? selectionne : QString());
    if (!seul.isEmpty()) {
        prmBoutonAppareil* bouton = m_lstBoutons.first();
        if (bouton->isChecked())
            Selectionner(true, bouton->Identifiant());
        else
            bouton->setChecked(true);
    }
}

void frmMesure::PerdreAppareil()
{
    clsSerie* serie = m_SerieCourante;
    emit SIGNAL_PerteConnexion();
    // The points received before the loss are written before the recording goes.
    const TS_DECISION fin = ArreterAcquisition();
    LibererPort();
    if (!serie)
        return;

    QString texte = tr("Perte de connexion avec l'appareil");
    // Readings the user has not saved: where their backup is.
    if (fin.Sauvegarde || serie->NbrePointsSauves != serie->NbrePoints) {
        const QString conservees = TexteConservees(serie);
        if (!conservees.isEmpty())
            texte += QLatin1Char('\n') + conservees;
    }
    // Points that the user has not saved, downloaded or streamed before the loss:
    // they can be saved at once.
    if (m_Etat == enm_ETAT_MESURE::Donnees && serie->NbrePointsSauves != serie->NbrePoints) {
        texte += QLatin1Char('\n') + tr("Voulez-vous sauvegarder vos donnees ?");
        if (Dialogues::Courant().Message(this, QMessageBox::Question, serie->Infos.ID, texte,
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            on_btnSave_clicked();
        Effacer();
    } else {
        Dialogues::Courant().Avertissement(this, serie->Infos.ID, texte);
    }
    SupprimerBouton(serie->Port);
    RetirerSerie(serie);
    m_SerieCourante = nullptr;
    AppliquerEtat(enm_ETAT_MESURE::AucunAppareil);
    ui->tbxActions->setCurrentWidget(ui->pgAppareil);
}

QString frmMesure::TexteConservees(const clsSerie* serie) const
{
    if (serie->NbrePointsPresents() == 0 || serie->NomAuto.isEmpty() ||
        m_EchecsSauvegarde.contains(serie))
        return QString();
    const QString fichier =
        serie->CheminAuto + QLatin1Char('/') + serie->NomAuto + QStringLiteral(".ail");
    return tr("Les %1 mesures reçues sont conservées dans %2.")
        .arg(serie->NbrePoints)
        .arg(QDir::toNativeSeparators(fichier));
}

void frmMesure::NoterRefus(const QString& port, QSerialPort::SerialPortError erreur)
{
    const RefusPort refus = ClasserRefus(erreur, AccesPeripherique(port));
    // A group is worth joining only when it may read and write the node.
    const QString groupe = refus == RefusPort::Droits ? GroupeConseillePort(port) : QString();
    if (m_Refus.Noter(port, refus, groupe))
        AfficherRefus();
}

void frmMesure::AfficherRefus()
{
    QStringList lignes;
    for (const clsRefusPorts::Entree& entree : m_Refus.Entrees()) {
        if (entree.Refus == RefusPort::Droits && !entree.Groupe.isEmpty()) {
            lignes << tr("Acces refuse au port %1. Ajoutez votre utilisateur au groupe %2 puis "
                         "ouvrez une nouvelle session.")
                          .arg(entree.Port, entree.Groupe);
        } else if (entree.Refus == RefusPort::Droits) {
            lignes << tr("Accès refusé au port %1 : votre utilisateur ne peut pas l'ouvrir. "
                         "Installez la règle udev de Vorsen Logger pour l'adaptateur des "
                         "enregistreurs (voir le manuel), puis rebranchez-le.")
                          .arg(entree.Port);
        } else if (entree.Refus == RefusPort::Occupe) {
            lignes << tr("Le port %1 est utilise par un autre programme.").arg(entree.Port);
        }
    }
    for (const QString& port : m_Surveillance.Muets())
        lignes << tr("Aucune réponse de l'appareil sur le port %1.").arg(port);
    ui->lblAccesPort->setText(lignes.join(QStringLiteral("\n\n")));
    ui->lblAccesPort->setVisible(!lignes.isEmpty());
}

// ---------------------------------------------------------------------------
// Language

void frmMesure::Retraduire()
{
    ui->retranslateUi(this);
    if (m_Etat == enm_ETAT_MESURE::AucunAppareil)
        ViderEntete();
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
        // Rows already in the tables take the new language's dates and decimal mark.
        const clsSerie* s = m_SerieCourante;
        const int n = qMin(ui->tabData->rowCount(), s->NbrePointsPresents());
        for (int i = 0; i < n; ++i)
            EcrireLigne(i, quint32(s->Temps.Valeurs.at(i)), s->Temperature.Valeurs.value(i),
                        s->Humidite.Valeurs.value(i));
        // English times ("7:28:10 PM") are wider than French ones.
        if (n > 0)
            ui->tabData->resizeColumnsToContents();
        if (ui->tabStat->item(1, 0))
            RemplirStatistiques();
    }
    MajTitresGraphe();
    ConfigGraphe::EchellesValeurs(ui->m_qPlot);
    ConfigGraphe::AxeX(ui->m_qPlot, SYNCHRO_DATE, FormatDateHeure());
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
    ConfigGraphe::TitresAxes(ui->m_qPlot, TexteCapteur(1), TexteCapteur(2), true);
    m_CourbeTemp->setTitle(TexteCapteur(1));
    m_CourbeHumi->setTitle(TexteCapteur(2));
}

void frmMesure::ConstruireGraphe()
{
    QwtPlot* graphe = ui->m_qPlot;
    ConfigGraphe::Preparer(graphe);
    ConfigGraphe::AjouterLegende(graphe);
    ConfigGraphe::AxeX(graphe, SYNCHRO_DATE, FormatDateHeure());

    m_CourbeTemp = new CourbeMesure;
    m_CourbeTemp->setData(new DonneesMesure);
    m_CourbeTemp->setPen(QPen(CouleurTemp(), 1, Qt::SolidLine));
    m_CourbeTemp->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    m_CourbeTemp->setYAxis(QwtPlot::yLeft);
    m_CourbeHumi = new CourbeMesure;
    m_CourbeHumi->setData(new DonneesMesure);
    m_CourbeHumi->setPen(QPen(CouleurHumi(), 1, Qt::SolidLine));
    m_CourbeHumi->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    m_CourbeHumi->setYAxis(QwtPlot::yRight);
    MajTitresGraphe();
    m_CourbeTemp->attach(graphe);
    m_CourbeHumi->attach(graphe);
    m_LimitesTemp = new LignesLimites(graphe, QwtPlot::yLeft);
    m_LimitesHumi = new LignesLimites(graphe, QwtPlot::yRight);

    // The wheels go down to the axis of a recording whose readings are all equal.
    const double etendueMini = IntervalleMesures(0, 0).width();
    m_RoueTemp = new RoueEchelle(ui->sliTemp, graphe, QwtPlot::yLeft, TEMP_PLANCHER,
                                 TEMP_PLAFOND, etendueMini);
    m_RoueHumi = new RoueEchelle(ui->sliHumi, graphe, QwtPlot::yRight, HUMI_PLANCHER,
                                 HUMI_PLAFOND, etendueMini);
    AxesParDefaut();

    m_Zoomer = ConfigGraphe::AjouterZoomer(graphe, SYNCHRO_DATE);
    connect(m_Zoomer, &QwtPlotZoomer::zoomed, this, &frmMesure::SLOT_Zoomed);
}

void frmMesure::SLOT_Zoomed()
{
    m_RoueTemp->Regler();
    m_RoueHumi->Regler();
}

void frmMesure::PeindreImage()
{
    m_Image.stop();
    QwtPlotCurve* courbes[2] = {m_CourbeTemp, m_CourbeHumi};
    if (m_Retracer) {
        // Every sample is drawn again with the new axes.
        m_Retracer = false;
        ui->m_qPlot->replot();
    } else {
        // From the last sample on screen: the segment that joins the new ones.
        QVector<TS_SEGMENTS> segments;
        for (int c = 0; c < 2; ++c) {
            const int n = int(courbes[c]->dataSize());
            segments.append({courbes[c], qMax(qMin(m_Peints[c], n) - 1, 0), n - 1});
        }
        PeindreSegments(ui->m_qPlot, segments);
    }
    for (int c = 0; c < 2; ++c)
        m_Peints[c] = int(courbes[c]->dataSize());
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

void frmMesure::PreparerAcquisition(enm_ACQUISITION type)
{
    clsSerie* s = m_SerieCourante;
    if (!s || !m_Port)
        return;
    s->EffacerVoies();
    s->NbrePoints = 0;
    // A new recording: nothing of it has been saved yet, and it gets a backup of
    // its own (the previous acquisition's backup stays as it is); a failure of
    // that backup is said again.
    s->NbrePointsSauves = 0;
    s->NomAuto.clear();
    m_EchecsSauvegarde.remove(s);
    s->Temps.Minimum = int(s->Infos.DateDebut);
    s->Temps.Maximum = int(s->Infos.DateDebut);
    s->Temperature.Minimum = 1000;
    s->Temperature.Maximum = -400;
    s->Humidite.Minimum = 1000;
    s->Humidite.Maximum = 0;
    m_Acquisition.Demarrer(type, s->Infos.DateDebut, s->Infos.Frequence, s->Infos.Capteurs);
    Effacer();
    MontrerVoies(s->Infos.Capteurs);
    LimitesDesAlarmes(s);
    AfficherLimites(s);
    AppliquerEtat(type == enm_ACQUISITION::TempsReel ? enm_ETAT_MESURE::TempsReel
                                                     : enm_ETAT_MESURE::Telechargement);
    connect(m_Port, qOverload<word>(&CPortSerie::DAC_Datas), this,
            qOverload<word>(&frmMesure::SLOT_Data), Qt::UniqueConnection);
    connect(m_Port, qOverload<word, word>(&CPortSerie::DAC_Datas), this,
            qOverload<word, word>(&frmMesure::SLOT_Data), Qt::UniqueConnection);
}

void frmMesure::on_btnTelecharger_clicked()
{
    if (!m_Port || !m_SerieCourante)
        return;
    connect(m_Port, &CPortSerie::DAC_DownLoad, this, &frmMesure::SLOT_DownLoad,
            Qt::UniqueConnection);
    PreparerAcquisition(enm_ACQUISITION::Telechargement);
    m_Port->DownLoad();
}

void frmMesure::SLOT_DownLoad(DAC::TS_PARAMETRES Params)
{
    if (m_Port)
        disconnect(m_Port, &CPortSerie::DAC_DownLoad, this, &frmMesure::SLOT_DownLoad);
    clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    const TS_DECISION d = m_Acquisition.Entete(Params);
    if (!d.Demarrage)
        return;
    s->Infos.Capteurs = Params.Capteurs;
    s->Infos.Unite = Params.Unite;
    s->Infos.DateDebut = Params.DateDebut;
    s->Infos.Frequence = Params.Frequence;
    // A downloaded recording is never a real-time one.
    if (s->Infos.Mode == ModeTempsReel)
        s->Infos.Mode = 1;
    const int n = m_Acquisition.Etat().NbreAttendus;
    ui->lblPoint->setText(QString::number(n));
    ui->lblCapteur->setText(QStringLiteral("(") + TexteCapteur(s->Infos.Capteurs) +
                            QStringLiteral(")"));
    MontrerVoies(s->Infos.Capteurs);
    emit SIGNAL_StartPbar(tr("Telechargement en cours"), 0, n);
    Appliquer(d);
}

void frmMesure::SLOT_Data(word Valeur)
{
    if (m_SerieCourante)
        Appliquer(m_Acquisition.Lecture(Valeur, quint32(QDateTime::currentSecsSinceEpoch())));
}

void frmMesure::SLOT_Data(word ValTemp, word ValHumi)
{
    if (m_SerieCourante)
        Appliquer(
            m_Acquisition.Lecture(ValTemp, ValHumi, quint32(QDateTime::currentSecsSinceEpoch())));
}

void frmMesure::Appliquer(const TS_DECISION& d)
{
    clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    QwtPlot* graphe = ui->m_qPlot;
    // A rescale moves several axes and the wheels: one replot at the end.
    graphe->setAutoReplot(false);
    bool retracer = false;

    if (d.Stocker) {
        s->AjouterPoint(d.Temps, d.Temp, d.Humi);
        AjouterLigne(d.Numero, d.Temps, d.Temp, d.Humi);
        // Only the new segments are painted, with the next frame.
        Donnees(m_CourbeTemp)->Ajouter(QPointF(d.Temps, d.Temp));
        Donnees(m_CourbeHumi)->Ajouter(QPointF(d.Temps, d.Humi));
        if (!m_Image.isActive())
            m_Image.start();
        if (m_Etat == enm_ETAT_MESURE::TempsReel)
            ui->lblPoint->setText(QString::number(d.Numero));
    }
    if (d.Progression)
        emit SIGNAL_SetPbarValue(d.Numero);
    if (d.Echelles) {
        MajEchelles();
        retracer = true;
    }
    if (d.AxeTemps) {
        DefinirEchelleTemps(d.TempsMin, d.TempsMax);
        retracer = true;
    }
    graphe->setAutoReplot(true);
    // The axes are set at once; the plot is drawn again with the next frame, or
    // now at the end.
    if (retracer) {
        m_Retracer = true;
        if (!m_Image.isActive())
            m_Image.start();
    }
    if (d.Terminee) {
        m_Retracer = true;
        PeindreImage();
        if (m_Etat == enm_ETAT_MESURE::Telechargement) {
            m_Zoomer->setZoomBase(false);
            emit SIGNAL_StopPbar();
        } else {
            m_Zoomer->setZoomBase(true);
        }
    }
    if (d.Sauvegarde)
        SauvegarderAuto(s);
    if (d.Terminee)
        AppliquerEtat(EtatAuRepos());
}

void frmMesure::SauvegarderAuto(clsSerie* serie)
{
    if (serie->SauvegardeAuto()) {
        // Whole again: the line goes, unless another recording's failure stands.
        if (m_EchecsSauvegarde.remove(serie) && m_EchecsSauvegarde.isEmpty())
            emit SIGNAL_Message(QString());
        return;
    }
    // Said once; the next backup moment tries again (the points stay in memory).
    if (m_EchecsSauvegarde.contains(serie))
        return;
    m_EchecsSauvegarde.insert(serie);
    emit SIGNAL_Message(tr("Impossible d'écrire la sauvegarde automatique dans %1.")
                            .arg(QDir::toNativeSeparators(serie->CheminAuto)));
}

TS_DECISION frmMesure::ArreterAcquisition()
{
    const TS_DECISION d = m_Acquisition.Arret();
    if (d.Terminee)
        FinirAcquisition(d);
    return d;
}

void frmMesure::FinirAcquisition(const TS_DECISION& d)
{
    if (m_Port)
        disconnect(m_Port, nullptr, this, nullptr);
    Appliquer(d);
}

void frmMesure::InterrompreTelechargement(const TS_DECISION& d)
{
    clsSerie* serie = m_SerieCourante;
    FinirAcquisition(d);
    if (!serie)
        return;
    // The logger still holds every reading: when none came, it may be asked again.
    if (serie->NbrePointsPresents() == 0) {
        serie->NbrePoints = m_Acquisition.Etat().NbreAttendus;
        AppliquerEtat(EtatAuRepos());
    }
    // Told as a loss: what came stays shown, in its backup, and can be saved.
    QString texte = tr("Perte de connexion avec l'appareil");
    const QString conservees = TexteConservees(serie);
    if (!conservees.isEmpty())
        texte += QLatin1Char('\n') + conservees;
    Dialogues::Courant().Avertissement(this, serie->Infos.ID, texte);
}

void frmMesure::MajEchelles()
{
    const clsSerie* s = m_SerieCourante;
    if (!s)
        return;
    // The axes show the limits too.
    const auto intervalle = [](const TS_VOIE& voie) {
        const TS_LIMITES& l = voie.Limites;
        return IntervalleMesures(
            qMin(voie.Minimum, qMin(l.Basse.value_or(INT_MAX), l.Haute.value_or(INT_MAX))),
            qMax(voie.Maximum, qMax(l.Basse.value_or(INT_MIN), l.Haute.value_or(INT_MIN))));
    };
    const QwtInterval temp = intervalle(s->Temperature);
    DefinirEchelle(QwtPlot::yLeft, temp.minValue(), temp.maxValue());
    const QwtInterval humi = intervalle(s->Humidite);
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
        // A standard deviation and a spread are differences, not temperatures.
        table->SetTexte(2, col, TexteEcart(v.EcartType, unites[col]));
        table->SetMesure(3, col, v.Minimum, QString(), unites[col]);
        table->SetMesure(4, col, v.Maximum, QString(), unites[col]);
        table->SetTexte(5, col, TexteEcart(qint64(v.Maximum) - v.Minimum, unites[col]));
    }
}

void frmMesure::EcrireLigne(int ligne, quint32 temps, int temp, int humi)
{
    prmTableWidget* table = ui->tabData;
    table->SetEntier(ligne, 0, ligne + 1);
    table->SetDateHeure(ligne, 1, temps);
    table->SetMesure(ligne, 3, temp, QString(), UniteTemp());
    table->SetMesure(ligne, 4, humi, QString(), UniteHumi());
}

void frmMesure::AjouterLigne(int n, quint32 temps, word ValTemp, word ValHumi)
{
    EcrireLigne(n - 1, temps, ValTemp, ValHumi);
    prmTableWidget* table = ui->tabData;
    // Once, on the first row: fitting every row's width would grow with the table.
    if (n == 1)
        table->resizeColumnsToContents();
    // Scrolling lays the whole table out again: at most every 100 ms, and only
    // while the table is on screen (showing its page scrolls it).
    if (!m_Defilement.isActive())
        m_Defilement.start();
}

void frmMesure::LimitesDesAlarmes(clsSerie* serie)
{
    ClesReglages::SeuilsAlarmes seuils;
    if (!ClesReglages::LireAlarmes(serie->Infos.ID, &seuils))
        return;
    const auto seuil = [&seuils](int bit, int valeur) {
        return (seuils.Actives & bit) != 0 ? std::optional<int>(valeur) : std::nullopt;
    };
    serie->Temperature.Limites = {seuil(2, seuils.TempMin), seuil(1, seuils.TempMax)};
    serie->Humidite.Limites = {seuil(8, seuils.HumiMin), seuil(4, seuils.HumiMax)};
}

void frmMesure::AfficherLimites(const clsSerie* serie)
{
    const int voies = VoiesMesurees(serie->Infos.Capteurs);
    m_LimitesTemp->Regler(serie->Temperature.Limites,
                          (voies & 1) ? CouleurTemp() : QColor(Qt::transparent));
    m_LimitesHumi->Regler(serie->Humidite.Limites,
                          (voies & 2) ? CouleurHumi() : QColor(Qt::transparent));
}

void frmMesure::AfficherPoints(const clsSerie* serie)
{
    const int n = serie->NbrePointsPresents();
    MontrerVoies(serie->Infos.Capteurs);
    AfficherLimites(serie);
    if (n == 0)
        return;
    DonneesMesure* temp = Donnees(m_CourbeTemp);
    DonneesMesure* humi = Donnees(m_CourbeHumi);
    prmTableWidget* table = ui->tabData;
    table->setUpdatesEnabled(false);
    table->setRowCount(n);
    for (int i = 0; i < n; ++i) {
        const quint32 t = quint32(serie->Temps.Valeurs.at(i));
        const int vt = serie->Temperature.Valeurs.at(i);
        const int vh = serie->Humidite.Valeurs.at(i);
        temp->Ajouter(QPointF(t, vt));
        humi->Ajouter(QPointF(t, vh));
        EcrireLigne(i, t, vt, vh);
    }
    table->resizeColumnsToContents();
    table->setUpdatesEnabled(true);
    if (!m_Defilement.isActive())
        m_Defilement.start();

    QwtPlot* graphe = ui->m_qPlot;
    graphe->setAutoReplot(false);
    MajEchelles();
    DefinirEchelleTemps(serie->Temps.Valeurs.first(), serie->Temps.Valeurs.at(n - 1));
    graphe->setAutoReplot(true);
    graphe->replot();
    m_Peints[0] = m_Peints[1] = n;
    m_Zoomer->setZoomBase(false);
}

void frmMesure::MontrerVoies(int capteurs)
{
    const int voies = VoiesMesurees(capteurs);
    const bool temp = voies & 1;
    const bool humi = voies & 2;
    QwtPlot* graphe = ui->m_qPlot;
    const bool replot = graphe->autoReplot();
    graphe->setAutoReplot(false);
    m_CourbeTemp->setVisible(temp);
    m_CourbeTemp->setItemAttribute(QwtPlotItem::Legend, temp);
    m_CourbeHumi->setVisible(humi);
    m_CourbeHumi->setItemAttribute(QwtPlotItem::Legend, humi);
    graphe->enableAxis(QwtPlot::yLeft, temp);
    graphe->enableAxis(QwtPlot::yRight, humi);
    ui->sliTemp->setVisible(temp);
    ui->sliHumi->setVisible(humi);
    ui->tabData->setColumnHidden(3, !temp);
    ui->tabData->setColumnHidden(4, !humi);
    ui->tabStat->setColumnHidden(0, !temp);
    ui->tabStat->setColumnHidden(1, !humi);
    graphe->updateLegend();
    graphe->setAutoReplot(replot);
    if (replot)
        graphe->replot();
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
        if (!port || m_Port != port)
            return;
    }
    const TS_DECISION d = ArreterAcquisition();
    if (!d.Terminee) {
        m_Zoomer->setZoomBase(true);
        AppliquerEtat(EtatAuRepos());
    }
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

bool frmMesure::ConfirmerEffacement(const clsSerie* serie, QWidget* parent)
{
    // The logger reports readings held or still to come; those downloaded in this
    // run are in their backup.
    const int n =
        ReglesProgrammation::MesuresNonTelechargees(serie->NbrePoints, serie->NbrePointsPresents());
    if (n == 0)
        return true;
    return Dialogues::Courant().Message(
               parent, QMessageBox::Question, serie->Infos.ID,
               tr("L'enregistreur peut contenir %1 mesures qui n'ont pas été "
                  "téléchargées. La programmation va les effacer. Continuer ?")
                   .arg(n),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void frmMesure::on_btnProgParam_clicked()
{
    clsSerie* serie = m_SerieCourante;
    if (!serie || !m_Port || !m_Port->isOpen())
        return;
    // The dialog keeps the user's last entries for the same logger only; another
    // logger gets a dialog filled from its own record.
    const QString pour = serie->Port + QLatin1Char('\n') + serie->Infos.ID;
    if (m_diaParam && m_ParamPour != pour) {
        delete m_diaParam;
        m_diaParam = nullptr;
    }
    // The 71246 measures temperature only.
    const bool humidite = serie->Infos.Appareil != 3;
    if (m_diaParam) {
        m_diaParam->SetParams(m_Port, m_Params);
    } else {
        m_diaParam = new diaParam(this, m_Port, m_Params, humidite);
        m_ParamPour = pour;
        connect(this, &frmMesure::SIGNAL_PerteConnexion, m_diaParam, &QDialog::reject);
    }
    m_diaParam->setConfirmation([this, serie] { return ConfirmerEffacement(serie, m_diaParam); });
    const QPointer<CPortSerie> port(m_Port);
    if (Dialogues::Courant().Executer(m_diaParam) != QDialog::Accepted)
        return;

    // The logger has a new recording: a stream or download of the old one is over.
    if (serie == m_SerieCourante)
        ArreterAcquisition();
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

    // The old points are in their backup; the recording now stands for the new one.
    serie->EffacerVoies();
    serie->NbrePoints = n;
    serie->Infos.Frequence = m_Params.Frequence;
    serie->Infos.Unite = m_Params.Unite;
    serie->Infos.Capteurs = m_Params.Capteurs;
    serie->Infos.DateDebut = m_Params.DateDebut;
    serie->Infos.Mode = m_diaParam->ModeCode;
    Effacer();
    MontrerVoies(serie->Infos.Capteurs);

    if (serie->Infos.Mode == ModeTempsReel) {
        // Every reading the logger now sends is a point, until Stop.
        PreparerAcquisition(enm_ACQUISITION::TempsReel);
    } else {
        AppliquerEtat(enm_ETAT_MESURE::Selectionne);
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
        m_diaAlarmes->Preparer(m_Port, humidite, serie->Infos.ID);
    } else {
        m_diaAlarmes = new diaAlarmes(this, m_Port, humidite, serie->Infos.ID);
        connect(this, &frmMesure::SIGNAL_PerteConnexion, m_diaAlarmes, &QDialog::reject);
    }
    // Alarms are never read back.
    Dialogues::Courant().Executer(m_diaAlarmes);
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
    if (Dialogues::Courant().Executer(m_diaNewID) != QDialog::Accepted)
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
    if (Dialogues::Courant().Executer(&dialogue) != QDialog::Accepted)
        return;

    serie->setCommentaire(dialogue.Commentaire());
    if (!serie->Sauvegarder(dialogue.Nom(), dialogue.Chemin())) {
        // The automatic backup stays, and the save button too: the user may
        // choose another place.
        const QString fichier =
            dialogue.Chemin() + QLatin1Char('/') + dialogue.Nom() + QStringLiteral(".ail");
        Dialogues::Courant().Avertissement(this, tr("Sauvegarde"),
                                           tr("Impossible d'ecrire l'enregistrement dans %1.")
                                               .arg(QDir::toNativeSeparators(fichier)));
        return;
    }
    if (dialogue.ExportCsvDemande()) {
        const QString csv = CheminCsv(serie->Chemin, serie->Nom);
        if (!EcrireCsv(*serie, csv, dialogue.CsvUtc()))
            Dialogues::Courant().Avertissement(
                this, tr("Sauvegarde"),
                tr("Impossible d'écrire le fichier CSV %1.").arg(QDir::toNativeSeparators(csv)));
    }
    if (dialogue.ExportDemande())
        ExporterClasseur(serie, dialogue.OuvertureDemandee());

    // The folder proposed when the dialog opened, not the one chosen in it.
    if (m_pCheminDatas)
        *m_pCheminDatas = dossier;
}

void frmMesure::ExporterClasseur(clsSerie* serie, bool ouvrir)
{
    // Progress 1, then 2 to n + 1 for n points. The bar repaints at once on each
    // value, and the rows go faster than the screen: at most one value a frame,
    // and the last.
    const int derniere = serie->NbrePointsPresents() + 1;
    emit SIGNAL_StartPbar(tr("Export Excel en cours"), 0, derniere + 1);
    QElapsedTimer image;
    connect(serie, &clsSerie::XLS_Progress, this, [this, image, derniere](int valeur) mutable {
        if (valeur == derniere || !image.isValid() || image.elapsed() >= DelaiImage) {
            image.start();
            emit SIGNAL_SetPbarValue(valeur);
        }
    });
    // The export processes events between rows: no new acquisition meanwhile.
    ui->tbxActions->setEnabled(false);
    const bool exporte = serie->ExportExcel(m_Langue);
    ui->tbxActions->setEnabled(true);
    if (!exporte) {
        Dialogues::Courant().Avertissement(this, tr("Sauvegarde"),
                                           tr("L'export vers excel n'a pas fonctionne."));
    } else if (ouvrir &&
               !QDesktopServices::openUrl(QUrl::fromLocalFile(serie->CheminClasseur()))) {
        // No workbook (an empty URL, which the desktop refuses), no spreadsheet
        // program or no xdg-open: the user still learns where it is.
        const QString classeur = QDir(serie->Chemin).filePath(serie->Nom + QStringLiteral(".xlsx"));
        Dialogues::Courant().Avertissement(
            this, tr("Excel"),
            tr("Impossible d'ouvrir le classeur") + QLatin1Char('\n') +
                tr("Il a été écrit dans %1.").arg(QDir::toNativeSeparators(classeur)));
    }
    emit SIGNAL_StopPbar();
    disconnect(serie, nullptr, this, nullptr);
}
