#pragma once

#include "Grandeurs.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class QTemporaryDir;
class clsSerie;
struct lxw_format;
struct lxw_workbook;
struct lxw_worksheet;

// Number formats of the workbook's cells. The cells hold numbers (readings in
// degrees and percent, date-times as spreadsheet serials) and these formats show
// them as the program shows them: "23.5 °C", "51.2 %", "03/30/2016", "2:05:09 PM".
// The separators are escaped so that a spreadsheet set to another locale keeps
// them. Style 1 is French (day first, 24 hours), any other style English.
// Temperatures are written in the display unit, "0.0\" °F\"" in Fahrenheit.
QString FormatTemperatureExcel(enm_UNITE_TEMP unite = UniteAffichage());
QString FormatHumiditeExcel();
QString FormatDateExcel(int style);
QString FormatHeureExcel(int style);

// Spreadsheet export of a recording. First sheet: a header row "Num.", "Date",
// "Heure", "Temp.", "Humi." (only the channels of the recording's sensors), then
// one row per point; the date and time cells both hold the point's local date and
// time, one showing the date, the other the time. Second sheet "Infos": the
// logger and the recording, a label and a value per row. Written with
// libxlsxwriter into a private temporary folder, then copied to <path>.xlsx
// through a QSaveFile, so a failure never leaves a half-written workbook under
// that name.
class clsExcel : public QObject
{
    Q_OBJECT

public:
    clsExcel();
    ~clsExcel() override;

    // The writer is compiled in: always true.
    static bool ExcelDisponible();

    // Starts a workbook with one sheet. False when it cannot be created.
    bool OuvrirClasseur();
    // Writes the points held by the series and saves the workbook as <path>.xlsx
    // (path has no extension). Progress: XLS_Progress(1), then, of the rows' 2 to
    // n + 1 for n points, those that move a bar from 0 to n + 2 to another whole
    // percent, and n + 1. Pending events are processed after the first value and
    // then at most every 5 ms. False when anything could not be written.
    bool Exporter(const QString& path, int dateStyle, const clsSerie& serie);
    // Ends the workbook and saves it as <path>.xlsx. False when no workbook is
    // open or the file could not be written.
    bool FermerClasseur(const QString& path);

signals:
    void XLS_Progress(int valeur);

private:
    // Drops an open workbook without saving it.
    void Abandonner();
    // The "Infos" sheet and the document properties.
    bool EcrireInfos(int dateStyle, const clsSerie& serie, int points);
    lxw_format* Format(const QString& code);
    // Rows and columns counted from 1.
    bool EcrireTexte(lxw_worksheet* feuille, int ligne, int colonne, const QString& texte);
    bool EcrireNombre(lxw_worksheet* feuille, int ligne, int colonne, double valeur,
                      lxw_format* format = nullptr);
    bool EcrireDate(lxw_worksheet* feuille, int ligne, int colonne, const QDateTime& date,
                    lxw_format* format);

    std::unique_ptr<QTemporaryDir> m_Dossier; // holds the workbook until it is saved
    lxw_workbook* m_Classeur = nullptr;
    lxw_worksheet* m_Feuille = nullptr;
};
