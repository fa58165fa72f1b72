#include "frmMain.h"
#include "ui_frmMain.h"

#include "Apparence.h"
#include "ClesReglages.h"
#include "DAC.h"
#include "Dialogues.h"
#include "Emplacements.h"
#include "FormatsDate.h"
#include "Grandeurs.h"
#include "LangueInitiale.h"
#include "Version.h"
#include "clsTessaroService.h"
#include "frmAnalyse.h"
#include "frmMesure.h"
#include "ressources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QProgressBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBox>
#include <QToolButton>
#include <QUrl>

namespace
{

const int LargeurBoutonVue = 140; // the view buttons, at least (pixels)
// The open page's title: 12 points, bold italic (style sheet); around its
// text, 10 pixels of padding on each side, the box's borders and some room.
const int PoliceTitrePage = 12;
const int MargesTitrePage = 40;

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), ui(new Ui::frmMain)
{
    initRessources();
    ui->setupUi(this);

    setWindowTitle(QStringLiteral("Vorsen Logger V%1.%2%3")
                       .arg(VERSION_MAJEURE)
                       .arg(VERSION_MINEURE)
                       .arg(QLatin1String(VERSION_SUFFIXE)));

    // On this window's content, not on the application nor on the window
    // itself: the views and the dialogs they open inherit it; Qt's file, print
    // and colour dialogs, opened as children of the window, do not.
    m_Style = Apparence::FeuilleDeStyle(QApplication::palette());
    ui->centralwidget->setStyleSheet(m_Style);

    m_Pbar = new QProgressBar(this);
    m_Pbar->setObjectName(QStringLiteral("pbaProgression"));
    m_lblPbar = new QLabel(this);
    m_lblPbar->setObjectName(QStringLiteral("lblProgression"));
    m_Pbar->hide();
    m_lblPbar->hide();
    // A label, not a status message: a message would hide the progress bar.
    m_lblMessage = new QLabel(this);
    m_lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_lblMessage->hide();
    statusBar()->addWidget(m_lblMessage, 0);

    // A missing translation only leaves the French source texts.
    Emplacements::ChargerTraduction(m_TradEn, QStringLiteral("Vorsen_Logger_en"));
    Emplacements::ChargerTraduction(m_TradFr, QStringLiteral("Vorsen_Logger_fr"));
    m_TradQtFr.load(QStringLiteral("qtbase_fr"),
                    QLibraryInfo::location(QLibraryInfo::TranslationsPath));

    m_Langue = LangueInitiale(QSettings().value(QLatin1String(ClesReglages::Langue)),
                              QLocale::system().uiLanguages().value(0));
    AppliquerLocale(m_Langue);
    if (m_Langue == FRANCAIS) {
        qApp->installTranslator(&m_TradQtFr);
        qApp->installTranslator(&m_TradFr);
        ui->btnLangueFrancais->setChecked(true);
    } else {
        qApp->installTranslator(&m_TradEn);
        ui->btnLangueAnglais->setChecked(true);
    }
    ui->retranslateUi(this);

    m_CheminDatas = ClesReglages::LireCheminDatas();
    // Before the views draw their first value.
    DefinirUniteAffichage(ClesReglages::LireUniteTemp());

    qRegisterMetaType<DAC::TS_IDENTIFIANTS>("DAC::TS_IDENTIFIANTS");
    qRegisterMetaType<DAC::TS_PARAMETRES>("DAC::TS_PARAMETRES");
    qRegisterMetaType<DAC::TS_ALARMES>("DAC::TS_ALARMES");

    m_frmMesure = new frmMesure(this, &m_CheminDatas);
    connect(m_frmMesure, &frmMesure::SIGNAL_StartPbar, this, &frmMain::SLOT_StartPbar);
    connect(m_frmMesure, &frmMesure::SIGNAL_SetPbarValue, this, &frmMain::SLOT_SetPbarValue);
    connect(m_frmMesure, &frmMesure::SIGNAL_StopPbar, this, &frmMain::SLOT_StopPbar);
    connect(m_frmMesure, &frmMesure::SIGNAL_IncrPbar, this, &frmMain::SLOT_IncrPbar);
    connect(m_frmMesure, &frmMesure::SIGNAL_Message, this, &frmMain::SLOT_Message);
    ui->layCentral->addWidget(m_frmMesure, 32);
    m_frmMesure->show();
    m_frmMesure->update();
    m_frmMesure->Rechercher();

    m_frmAnalyse = new frmAnalyse(this, &m_CheminDatas);
    // A new temperature unit chosen in the analysis: the measurement view's
    // axes, tables and statistics are written again, as for a new language.
    connect(m_frmAnalyse, &frmAnalyse::SIGNAL_UniteTemp, this,
            [this] { m_frmMesure->MajLangue(m_Langue); });
    ui->layCentral->addWidget(m_frmAnalyse, 32);
    m_frmAnalyse->hide();

    ui->btnAcquisition->setChecked(true);
    AjusterLargeurs();

    statusBar()->addPermanentWidget(ui->lblVersionDispo, 0);
    QFont police = ui->lblVersionDispo->font();
    police.setPointSize(10);
    police.setItalic(true);
    ui->lblVersionDispo->setFont(police);
    ui->lblVersionDispo->hide();

#if VORSEN_MISE_A_JOUR
    m_Service = new clsTessaroService();
    m_Service->setStyleSheet(m_Style);
    m_Service->setNomApplication(QStringLiteral("Vorsen_Logger"));
    m_Service->setVersionMajor(VERSION_MAJEURE);
    m_Service->setVersionMinor(VERSION_MINEURE);
    m_Service->setLangue(m_Langue);
    m_Service->setDialogues(&Dialogues::Courant());
#else
    // Built for a distribution: its package manager brings the new versions.
    ui->btnMajVersion->hide();
#endif

    show();

    if (m_Service) {
        // At most once a month; accepting an installation ends the process here.
        m_Service->CheckForInstall(true, true);
        ui->lblVersionDispo->setVisible(m_Service->isVersionDispo());
    }
}

frmMain::~frmMain()
{
    // The measurement window releases its port and stores the data folder.
    if (m_frmMesure) {
        disconnect(m_frmMesure, nullptr, this, nullptr);
        m_frmMesure->close();
        delete m_frmMesure;
        m_frmMesure = nullptr;
    }
    qApp->removeTranslator(&m_TradEn);
    qApp->removeTranslator(&m_TradFr);
    qApp->removeTranslator(&m_TradQtFr);
    delete m_Service;
    delete ui;
}

QString frmMain::FormatDate() const
{
    return ::FormatDate(m_Langue);
}

QString frmMain::FormatDateHeure() const
{
    return ::FormatDateHeure(m_Langue);
}

QString frmMain::FormatHeure() const
{
    return ::FormatHeure(m_Langue);
}

int frmMain::SurplusGrasItalique(QWidget* bouton, const QString& texte)
{
    bouton->ensurePolished();
    QFont gras = bouton->font();
    gras.setBold(true);
    gras.setItalic(true);
    return qMax(0, QFontMetrics(gras).horizontalAdvance(texte) -
                       bouton->fontMetrics().horizontalAdvance(texte));
}

void frmMain::AjusterLargeurs()
{
    // The checked view button and the open page's title write their text in
    // bold italics (style sheet), wider than the text their size hint measures.
    // They get room for it, so that a larger desktop font never cuts a text;
    // with the design's fonts the design's widths hold.
    for (QToolButton* bouton : {ui->btnAcquisition, ui->btnAnalyse}) {
        // Its size hint also counts a blank on each side of the text and 4
        // pixels before it, room that the style sheet's padding already gives.
        const int marges = 2 * bouton->fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 4;
        bouton->setMinimumWidth(qMax(LargeurBoutonVue,
                                     bouton->sizeHint().width() - marges +
                                         SurplusGrasItalique(bouton, bouton->text())));
    }
    for (QToolBox* boite : findChildren<QToolBox*>()) {
        if (!m_LargeursBoites.contains(boite))
            m_LargeursBoites.insert(boite, {boite->minimumWidth(), boite->maximumWidth()});
        // A page title is drawn in the style sheet's font, not in its own.
        int titres = 0;
        for (QAbstractButton* titre : boite->findChildren<QAbstractButton*>(
                 QStringLiteral("qt_toolbox_toolboxbutton"), Qt::FindDirectChildrenOnly)) {
            QFont police = titre->font();
            police.setPointSize(PoliceTitrePage);
            police.setBold(true);
            police.setItalic(true);
            titres = qMax(titres, QFontMetrics(police).horizontalAdvance(titre->text()) +
                                      MargesTitrePage);
        }
        const QPair<int, int> design = m_LargeursBoites.value(boite);
        boite->setMinimumWidth(qMax(design.first, titres));
        boite->setMaximumWidth(qMax(design.second, titres));
    }
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The desktop switched between a light and a dark theme.
    if (event->type() != QEvent::ApplicationPaletteChange)
        return;
    const QString style = Apparence::FeuilleDeStyle(QApplication::palette());
    if (style == m_Style)
        return;
    m_Style = style;
    ui->centralwidget->setStyleSheet(m_Style);
    if (m_Service)
        m_Service->setStyleSheet(m_Style);
}

void frmMain::AppliquerLocale(enm_LANGUE langue)
{
    // Widgets that format by themselves (date editors and their month names,
    // spin boxes, plain axes) follow the interface language, not the system's.
    QLocale::setDefault(langue == FRANCAIS ? QLocale(QLocale::French, QLocale::France)
                                           : QLocale(QLocale::English, QLocale::UnitedStates));
}

void frmMain::MajTraduction(enm_LANGUE newLangue)
{
    m_Langue = newLangue;
    AppliquerLocale(newLangue);
    ClesReglages::EcrireLangue(newLangue);
    if (m_Service)
        m_Service->setLangue(newLangue);
    ui->retranslateUi(this);
    if (m_frmMesure) {
        m_frmMesure->Retraduire();
        m_frmMesure->MajLangue(newLangue);
    }
    if (m_frmAnalyse) {
        m_frmAnalyse->Retraduire();
        m_frmAnalyse->MajLangue();
    }
    AjusterLargeurs();
}

void frmMain::on_btnLangueAnglais_clicked()
{
    if (m_Langue == ANGLAIS)
        return;
    qApp->removeTranslator(&m_TradFr);
    qApp->removeTranslator(&m_TradQtFr);
    qApp->installTranslator(&m_TradEn);
    MajTraduction(ANGLAIS);
}

void frmMain::on_btnLangueFrancais_clicked()
{
    if (m_Langue == FRANCAIS)
        return;
    qApp->removeTranslator(&m_TradEn);
    qApp->installTranslator(&m_TradQtFr);
    qApp->installTranslator(&m_TradFr);
    MajTraduction(FRANCAIS);
}

void frmMain::on_btnAcquisition_clicked()
{
    // Both views stay alive: an acquisition goes on while the analysis is shown.
    if (m_frmAnalyse)
        m_frmAnalyse->hide();
    if (m_frmMesure)
        m_frmMesure->show();
}

void frmMain::on_btnAnalyse_clicked()
{
    if (m_frmMesure)
        m_frmMesure->hide();
    if (m_frmAnalyse)
        m_frmAnalyse->show();
}

void frmMain::SLOT_StartPbar(QString message, int min, int max)
{
    m_lblPbar->setText(message);
    statusBar()->removeWidget(m_lblPbar);
    statusBar()->addWidget(m_lblPbar, 0);
    m_lblPbar->show();
    m_Pbar->setMinimum(min);
    m_Pbar->setMaximum(max);
    m_Pbar->setValue(min);
    statusBar()->removeWidget(m_Pbar);
    statusBar()->addWidget(m_Pbar, 0);
    m_Pbar->show();
}

void frmMain::SLOT_SetPbarValue(int newValeur)
{
    m_Pbar->setValue(qBound(m_Pbar->minimum(), newValeur, m_Pbar->maximum()));
}

void frmMain::SLOT_IncrPbar()
{
    if (m_Pbar->value() < m_Pbar->maximum())
        m_Pbar->setValue(m_Pbar->value() + 1);
}

void frmMain::SLOT_StopPbar()
{
    if (!m_Pbar->isVisible())
        return;
    m_Pbar->hide();
    m_lblPbar->hide();
    statusBar()->removeWidget(m_Pbar);
    statusBar()->removeWidget(m_lblPbar);
}

void frmMain::SLOT_Message(const QString& texte)
{
    m_lblMessage->setText(texte);
    m_lblMessage->setVisible(!texte.isEmpty());
}

QString frmMain::CheminManuel() const
{
    const QString nom =
        QStringLiteral("Vorsen_Logger_Manuel_%1.pdf")
            .arg(m_Langue == FRANCAIS ? QStringLiteral("fr") : QStringLiteral("en"));
    const QString trouve = Emplacements::PremierExistant(Emplacements::Dossiers(), nom);
    return trouve.isEmpty() ? QDir::currentPath() + QLatin1Char('/') + nom : trouve;
}

void frmMain::on_btnHelp_clicked()
{
    const QString chemin = CheminManuel();
    if (!QFileInfo::exists(chemin)) {
        Dialogues::Courant().Avertissement(centralWidget(), windowTitle(),
                                           tr("Le manuel d'utilisation est introuvable :\n%1")
                                               .arg(QDir::toNativeSeparators(chemin)));
        return;
    }
    // No viewer for PDF files, or no xdg-open: say where the manual is.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(chemin)))
        Dialogues::Courant().Information(
            centralWidget(), windowTitle(),
            tr("Le manuel se trouve dans %1.").arg(QDir::toNativeSeparators(chemin)));
}

void frmMain::OuvrirFichiers(const QStringList& fichiers)
{
    if (fichiers.isEmpty())
        return;
    ui->btnAnalyse->click();
    // As the user does: "Nouvelle analyse", then "Ajouter une courbe" for each
    // file, both measures asked for (a one-sensor recording adds the one it
    // holds; a file that adds nothing gets its message).
    m_frmAnalyse->NouvelleAnalyse();
    for (const QString& chemin : fichiers)
        m_frmAnalyse->AjouterFichier(QFileInfo(chemin), true, true);
}

void frmMain::on_btnMajVersion_clicked()
{
    if (!m_Service)
        return;
    m_Service->CheckForInstall(true, false);
    ui->lblVersionDispo->setVisible(m_Service->isVersionDispo());
}
