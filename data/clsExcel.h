#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

class QTemporaryDir;
struct lxw_workbook;
struct lxw_worksheet;

// Cell texts of one point of the workbook.
// 235 -> "23.5 °C"; the raw reading divided by 10, one decimal, dot separator.
QString TexteTemperatureExcel(int valeur);
// 512 -> "51.2 %".
QString TexteHumiditeExcel(int valeur);
// TexteDate(date, style) cut at its first space: the date, then the time (the
// AM/PM marker of the English style stays with the time).
QPair<QString, QString> DateHeureExcel(const QDateTime& date, int style);

// Spreadsheet export of a recording: one sheet, a header row "Num.", "Date",
// "Heure", "Temp.", "Humi.", then one row per point. Written with libxlsxwriter
// into a private temporary folder, then copied to <path>.xlsx through a
// QSaveFile, so a failure never leaves a half-written workbook under that name.
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
    // Writes the workbook and saves it as <path>.xlsx (path has no extension).
    // Progress: XLS_Progress(1), then 2 to n + 1 for n points, with pending events
    // processed after each. False when anything could not be written.
    bool Exporter(const QString& path, int dateStyle, const QList<int>& times,
                  const QList<int>& temperatures, const QList<int>& humidities);
    // Ends the workbook and saves it as <path>.xlsx. False when no workbook is
    // open or the file could not be written.
    bool FermerClasseur(const QString& path);

signals:
    void XLS_Progress(int valeur);

private:
    // Drops an open workbook without saving it.
    void Abandonner();
    // Rows and columns counted from 1.
    bool EcrireTexte(int ligne, int colonne, const QString& texte);

    std::unique_ptr<QTemporaryDir> m_Dossier; // holds the workbook until it is saved
    lxw_workbook* m_Classeur = nullptr;
    lxw_worksheet* m_Feuille = nullptr;
};
