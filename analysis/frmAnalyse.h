#pragma once

#include "Langue.h"
#include "Synchro.h"

#include <QColor>
#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>

class IFormatsDate;
class QPrinter;
class QPushButton;
class QSplitter;
class QwtPlotZoneItem;
class RoueEchelle;
class Zoomer;
class clsAnalyse;
class prmLabelCouleur;
class prmQwtPlotPicker;
struct ContexteRapport;

namespace Ui
{
class frmAnalyse;
}

// The analysis view: saved recordings overlaid on one plot, synchronised by point
// number, time of day or date and time; one curve entry (clsAnalyse) per file and
// measure, each in its palette colour with its legend row; statistics over a range
// dragged with the mouse; one curve's points in a table.
class frmAnalyse : public QWidget
{
    Q_OBJECT

public:
    // parent: the main window, which gives the language and the date formats
    // (IFormatsDate). cheminDatas: its data folder, read and written in place.
    frmAnalyse(QWidget* parent, QString* cheminDatas);
    ~frmAnalyse() override;

    // Follows a language change, after the form has been retranslated: the
    // tables write their next date cells in the main window's language.
    void MajLangue();
    // Retranslates the form and the texts set from code (also done on every
    // QEvent::LanguageChange).
    void Retraduire();

    // Language and formats of the main window (English ones without it).
    enm_LANGUE Langue() const;
    QString FormatDate() const;
    QString FormatHeure() const;
    QString FormatDateHeure() const;

    // Adds one curve entry for a file and a measure (enm_MESURE: 1 temperature,
    // 2 humidity, 4 dew point), as "Ajouter une courbe" does once the file is
    // chosen; the first entry of an analysis fixes its synchronisation. False
    // when the recording could not be read or its logger did not measure that
    // (sensor mask 1 or 2; both for the dew point).
    bool AjouterCourbe(const QFileInfo& fichier, int mesure, QString* raison = nullptr);
    // The entries of a recording for the measures asked for, as "Ajouter une
    // courbe" does; a message names the file and says why when none could be added.
    bool AjouterFichier(const QFileInfo& fichier, bool temp, bool humi, bool rosee = false);
    // An empty analysis, as "Nouvelle analyse" gives: the next curve fixes the
    // synchronisation chosen in its box.
    void NouvelleAnalyse();

    // Called by the entries.
    void SupprimerCourbe(clsAnalyse* analyse, QPushButton* btnSupp, prmLabelCouleur* lblPlage);
    void AfficherDatas(clsAnalyse* analyse);
    void MajCommentaireLegende(QPushButton* btnCommentaire, const QString& commentaire);
    // An entry's limits changed: the value axes take them in, the range
    // statistics are computed again.
    void LimitesChangees();
    // ΔH/R of the mean kinetic temperature, K (the palette page's setting).
    double DeltaHsurR() const;

    // The report's date line: "Document genere a <time> - <date>" in the
    // language's formats.
    QString LigneDateRapport(const QDateTime& maintenant) const;
    // Steps of "Rapport" once the rubrics and the file are chosen: writes the
    // PDF and opens it with the desktop's viewer, or warns when it cannot be
    // written. False in that case.
    bool EcrireRapport(const QString& fichier, const QList<int>& colonnes);
    // The points of the entry the data table shows, to fichier: a workbook
    // (fichier ends in ".xlsx") or a CSV file with local or UTC time stamps. A
    // message says why when it cannot be written.
    bool ExporterDonnees(const QString& fichier, bool csv, bool utc = false);
    // The graph on an already set-up printer ("Imprimer le graphe" without its dialog).
    void ImprimerGrapheSur(QPrinter* printer);

    const QList<clsAnalyse*>& Entrees() const { return m_lstAnalyse; }
    enm_SYNCHRO Synchro() const { return m_Synchro; }
    // The selected range, in x units of the mode.
    qint64 PlageDebut() const { return m_PlageDebut; }
    qint64 PlageFin() const { return m_PlageFin; }

signals:
    // The display unit of temperatures changed (palette page): the other view
    // shows its values again.
    void SIGNAL_UniteTemp();

public slots:
    void Slot_PlageSelect(const QRectF& rect);
    void Slot_PickerActived(bool actif);
    void Slot_PickerMoved(const QPoint& point);
    void Slot_Zoomed();

private slots:
    void on_btnNew_clicked();
    void on_btnOpen_clicked();
    void on_tbxActions_currentChanged(int index);
    void on_btnRapport_clicked();
    void on_btnImprimer_clicked();
    void on_btnExportExcel_clicked();
    void on_btnExportCsv_clicked();
    void on_spnEnergie_valueChanged(int kelvins);
    void on_radUniteFahrenheit_toggled(bool fahrenheit);

protected:
    void changeEvent(QEvent* event) override;

private:
    void InitGraphe();
    // Date line, synchronisation and language of a report or printed graph made now.
    ContexteRapport Contexte() const;
    void AppliquerSynchro();
    // Bottom-axis labels and bound format of the mode, in the current language.
    void AppliquerFormatX();
    void RecalculerEchelles();
    // Puts the span of an axis into its wheel.
    void EffacerPlage();
    // An empty data table, with nothing to export.
    void ViderDatas();
    // The range statistics and bounds written again, in the current language.
    void RecalculerPlage();
    void AjusterHauteurPlage();
    void AfficherBornes();
    // Measures of the entries: 1 temperature, 2 humidity, 3 both, 0 none.
    int MesuresEntrees() const;
    // The header's measures and the y axes with their wheels follow the entries.
    void MajMesures();
    void MajTexteMesures();
    void MajTitresAxes();

    Ui::frmAnalyse* ui;

    IFormatsDate* m_pFormats; // the main window, none when the parent is another widget
    QString* m_CheminDatas;
    QList<QColor*> m_Palette; // owned; the palette swatches edit them in place
    QList<clsAnalyse*> m_lstAnalyse;
    QPointer<clsAnalyse> m_AnalyseDatas; // the entry whose points the data table shows
    enm_SYNCHRO m_Synchro = SYNCHRO_NUMERO;
    QString m_Format; // bound texts: empty, time-of-day or date-time format

    prmQwtPlotPicker* m_Picker = nullptr;
    Zoomer* m_Zoomer = nullptr;
    RoueEchelle* m_RoueTemp = nullptr; // span wheels of the value axes
    RoueEchelle* m_RoueHumi = nullptr;
    QwtPlotZoneItem* m_ZoneGauche = nullptr;
    QwtPlotZoneItem* m_ZoneDroite = nullptr;

    qint64 m_PlageDebut = 0;
    qint64 m_PlageFin = 0;
    qint64 m_Ancre = 0;               // x where the current drag began
    bool m_DebutAttendu = false;      // the next move starts the drag
    bool m_Deplace = false;           // the mouse moved since the picker was activated
    bool m_ZoneGaucheVisible = false; // zone visibility saved at activation
    bool m_ZoneDroiteVisible = false;

    QSplitter* m_Splitter = nullptr;
};
