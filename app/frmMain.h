#pragma once

#include "IFormatsDate.h"
#include "Langue.h"

#include <QHash>
#include <QMainWindow>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTranslator>

class QLabel;
class QProgressBar;
class QToolBox;
class frmMesure;
class frmAnalyse;
class clsTessaroService;

namespace Ui
{
class frmMain;
}

// The main window: header strip (logo, languages, help, update, the two views,
// quit), the central area holding the measurement and the analysis views, and
// the status bar with the program's single progress bar.
class frmMain : public QMainWindow, public IFormatsDate
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Date formats of the current language, used as two-line axis labels too.
    QString FormatDate() const override;
    QString FormatDateHeure() const override;
    QString FormatHeure() const override;

    enm_LANGUE Langue() const override { return m_Langue; }
    const QString& CheminDatas() const { return m_CheminDatas; }
    // The manual of the current language: the first one found beside the
    // program (working directory first), else the working directory's path.
    QString CheminManuel() const;

    // Adds recordings (.ail) to the analysis view, each with the channels it
    // holds, and shows that view: the files given on the command line, which is
    // how the desktop opens a recording.
    void OuvrirFichiers(const QStringList& fichiers);

public slots:
    void MajTraduction(enm_LANGUE newLangue);

    void SLOT_StartPbar(QString message, int min, int max);
    void SLOT_SetPbarValue(int newValeur);
    void SLOT_IncrPbar();
    void SLOT_StopPbar();
    // One line of the measurement window in the status bar, beside the progress
    // bar (a backup that cannot be written); empty: the line goes.
    void SLOT_Message(const QString& texte);

private slots:
    void on_btnLangueAnglais_clicked();
    void on_btnLangueFrancais_clicked();
    void on_btnAcquisition_clicked();
    void on_btnAnalyse_clicked();
    void on_btnHelp_clicked();
    void on_btnMajVersion_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Room for the bold italic texts of the checked view button and of the
    // open page titles, whatever the desktop's font size.
    void AjusterLargeurs();
    static int SurplusGrasItalique(QWidget* bouton, const QString& texte);
    // The default locale of the widgets: the interface language's.
    static void AppliquerLocale(enm_LANGUE langue);

    Ui::frmMain* ui;

    enm_LANGUE m_Langue = ANGLAIS;
    QString m_CheminDatas; // shared in place with both views
    QProgressBar* m_Pbar = nullptr;
    QLabel* m_lblPbar = nullptr;
    QLabel* m_lblMessage = nullptr;
    frmMesure* m_frmMesure = nullptr;
    frmAnalyse* m_frmAnalyse = nullptr;
    clsTessaroService* m_Service = nullptr;
    QString m_Style; // this window's style sheet, the update dialogs' too
    QHash<QToolBox*, QPair<int, int>> m_LargeursBoites; // the forms' minimum and maximum widths
    QTranslator m_TradEn;
    QTranslator m_TradFr;
    QTranslator m_TradQtFr; // Qt's own texts (message box buttons, file dialog)
};
