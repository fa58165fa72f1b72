#pragma once

#include "DAC.h"
#include "EtatMesure.h"
#include "ISelectionAppareil.h"
#include "VeillePorts.h"
#include "clsAcquisition.h"
#include "clsRefusPorts.h"
#include "clsSurveillance.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class CPortSerie;
class IFormatsDate;
class LignesLimites;
class QwtPlotCurve;
class RoueEchelle;
class Zoomer;
class clsSerie;
class diaAlarmes;
class diaNewID;
class diaParam;
class prmBoutonAppareil;

namespace Ui
{
class frmMesure;
}

// The logger-facing view: finds the loggers plugged in (one button and one
// recording each), shows the selected one, downloads its readings or follows it
// in real time into the plot and the two tables, and watches every 500 ms for
// loggers that come and go.
class frmMesure : public QWidget, public ISelectionAppareil
{
    Q_OBJECT

public:
    // parent: the main window, which gives the language and the date formats
    // (IFormatsDate). cheminDatas: its data folder, read and written in place.
    frmMesure(QWidget* parent, QString* cheminDatas);
    ~frmMesure() override;

    // Scan at start-up; called once, right after construction.
    void Rechercher();
    // Follows a language change; called after the form has been retranslated.
    void MajLangue(int langue);
    // Retranslates the form (also done on every QEvent::LanguageChange).
    void Retraduire();

    // A device button was checked or unchecked; port is its identifier.
    void Selectionner(bool checked, QString port) override;

    // What the window holds, for the main window, benchmarks and tests.
    enm_ETAT_MESURE Etat() const { return m_Etat; }
    const QList<clsSerie*>& Series() const { return m_lstSeries; }
    clsSerie* SerieCourante() const { return m_SerieCourante; }
    CPortSerie* Port() const { return m_Port; }
    const clsAcquisition& Acquisition() const { return m_Acquisition; }

signals:
    void SIGNAL_PerteConnexion();
    void SIGNAL_StartPbar(QString message, int min, int max);
    void SIGNAL_SetPbarValue(int newValeur);
    void SIGNAL_StopPbar();
    void SIGNAL_IncrPbar();
    // A line for the main window's status bar; empty: the line goes.
    void SIGNAL_Message(QString texte);

public slots:
    void SLOT_Data(word Valeur);
    void SLOT_Data(word ValTemp, word ValHumi);
    void SLOT_DownLoad(DAC::TS_PARAMETRES Params);
    void SLOT_TimeOut();

private slots:
    void on_btnTelecharger_clicked();
    void on_btnStop_clicked();
    void on_btnSave_clicked();
    void on_btnProgParam_clicked();
    void on_btnProgAlarme_clicked();
    void on_btnProgID_clicked();
    void SLOT_Zoomed();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool Sonder(const QString& port);
    // Shows the selected logger's header, opens its port and stops a stream it
    // may have left running; false when another logger was chosen meanwhile.
    bool AfficherAppareil();
    void Effacer();
    void AxesParDefaut();
    void LibererPort();
    void SupprimerBouton(const QString& port);
    void RetirerSerie(clsSerie* serie);
    clsSerie* SerieDuPort(const QString& port, Qt::CaseSensitivity casse) const;
    QStringList PortsConnus() const;
    void ViderEntete();
    void NoterRefus(const QString& port, QSerialPort::SerialPortError erreur);
    void AfficherRefus();
    // Buttons, pages and header for a state of the window.
    void AppliquerEtat(enm_ETAT_MESURE etat);
    // The state of a selected logger that is not acquiring.
    enm_ETAT_MESURE EtatAuRepos() const;
    void PerdreAppareil();

    void ConstruireGraphe();
    void MajTitresGraphe();
    // Shows only the channels of a sensor mask: curves, axes, wheels, columns.
    void MontrerVoies(int capteurs);
    // Draws a recording already in memory: curves, table, statistics, axes.
    void AfficherPoints(const clsSerie* serie);
    // A new recording's limits: the alarm thresholds last programmed into its
    // logger from this program, those in force; saved with it, the analysis
    // draws them too.
    void LimitesDesAlarmes(clsSerie* serie);
    // The dashed lines of the recording's limits, for the channels it measures.
    void AfficherLimites(const clsSerie* serie);
    void PreparerAcquisition(enm_ACQUISITION type);
    // Carries out what the acquisition decided for one event.
    void Appliquer(const TS_DECISION& d);
    // Ends a running acquisition (stop, other logger, loss); returns what was decided.
    TS_DECISION ArreterAcquisition();
    // Carries out the end of an acquisition: the port's readings no longer come here.
    void FinirAcquisition(const TS_DECISION& d);
    // A download whose logger fell silent: ended, backed up, and the user told.
    void InterrompreTelechargement(const TS_DECISION& d);
    // Writes the automatic backup; a failure is said once in the status bar
    // until a backup of the same recording succeeds.
    void SauvegarderAuto(clsSerie* serie);
    // "Les %1 mesures reçues sont conservées dans %2." for a recording whose
    // backup holds its points; "" otherwise.
    QString TexteConservees(const clsSerie* serie) const;
    // Whether programming may erase the logger's memory: asks when it may hold
    // readings that were never downloaded.
    bool ConfirmerEffacement(const clsSerie* serie, QWidget* parent);
    void MajEchelles();
    void RemplirStatistiques();
    void AjouterLigne(int n, quint32 temps, word ValTemp, word ValHumi);
    // One row of the data table: point number, date, time, readings in tenths.
    void EcrireLigne(int ligne, quint32 temps, int temp, int humi);
    // Sets an axis only when its interval changes (each change replots).
    void DefinirEchelle(int axe, double min, double max);
    void DefinirEchelleTemps(double min, double max);
    // Puts on screen what the points received since the last frame changed:
    // the whole plot after a rescale, else the new segments of both curves.
    void PeindreImage();
    void DefilerTableau();
    QString FormatDateHeure() const;
    // Reads the selected logger back after programming, up to three attempts;
    // false when all fail or the logger is no longer the selected one.
    bool Relire(const clsSerie* serie, const QPointer<CPortSerie>& port,
                const std::function<bool(CPortSerie*)>& lecture);
    // Exports the saved recording to its workbook and opens it if asked; the
    // two failures are told to the user.
    void ExporterClasseur(clsSerie* serie, bool ouvrir);

    Ui::frmMesure* ui;

    IFormatsDate* m_pFormats; // the main window, none when the parent is another widget
    QwtPlotCurve* m_CourbeTemp = nullptr;
    QwtPlotCurve* m_CourbeHumi = nullptr;
    LignesLimites* m_LimitesTemp = nullptr; // owned; they go before the plot
    LignesLimites* m_LimitesHumi = nullptr;
    Zoomer* m_Zoomer = nullptr;
    RoueEchelle* m_RoueTemp = nullptr; // span wheels of the value axes
    RoueEchelle* m_RoueHumi = nullptr;
    int m_Langue = 0;
    // Programming dialogs, created on first use and kept (children of this window).
    diaParam* m_diaParam = nullptr;
    diaAlarmes* m_diaAlarmes = nullptr;
    diaNewID* m_diaNewID = nullptr;
    QString* m_pCheminDatas;
    CPortSerie* m_Port = nullptr;
    QList<clsSerie*> m_lstSeries;
    clsSerie* m_SerieCourante = nullptr;
    DAC::TS_PARAMETRES m_Params;
    QTimer m_Timer;
    QList<prmBoutonAppareil*> m_lstBoutons;

    enm_ETAT_MESURE m_Etat = enm_ETAT_MESURE::AucunAppareil;
    clsAcquisition m_Acquisition; // the download or real-time stream of the selected logger
    clsSurveillance m_Surveillance;
    VeillePorts m_Veille; // the system's serial ports, enumerated in a worker thread
    QString m_ParamPour;  // port and identifier the parameters dialog was filled for
    int m_Occupe = 0;     // probes and commands waiting; a watch tick then skips
    clsRefusPorts m_Refus;
    QTimer m_Defilement;      // coalesces the data table's scrolling
    QTimer m_Image;           // one frame: what new points change is painted at most this often
    int m_Peints[2] = {0, 0}; // samples of the temperature and humidity curves on screen
    bool m_Retracer = false;  // a rescale waits for the next frame
    QElapsedTimer m_Horloge;  // monotonic clock of a download's silence, ms
    QSet<const clsSerie*> m_EchecsSauvegarde; // last automatic backup failed, already said
};
