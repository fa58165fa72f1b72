#pragma once

// The floor of a workbook export: libxlsxwriter alone writing the same cells as
// the program's export of a recording (header row, then number, date, time,
// temperature and humidity per point, with the same number formats, constant
// memory), the cells' values prepared beforehand. Returns the time in ms, -1 on
// failure.

#include "clsExcel.h"
#include "clsSerie.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include <xlsxwriter.h>

inline double ReferenceXlsx(const clsSerie& serie, int style)
{
    const int n = serie.NbrePointsPresents();
    std::vector<lxw_datetime> dates(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        const QDateTime d = QDateTime::fromSecsSinceEpoch(serie.Temps.Valeurs.at(k), Qt::LocalTime);
        dates[size_t(k)] = {d.date().year(), d.date().month(),  d.date().day(),
                            d.time().hour(), d.time().minute(), double(d.time().second())};
    }
    QTemporaryDir dossier;
    if (!dossier.isValid())
        return -1;
    QByteArray tmp = QFile::encodeName(dossier.path());
    const QByteArray fichier = QFile::encodeName(dossier.filePath(QStringLiteral("ref.xlsx")));
    const QByteArray fDate = FormatDateExcel(style).toUtf8();
    const QByteArray fHeure = FormatHeureExcel(style).toUtf8();
    const QByteArray fTemp = FormatTemperatureExcel().toUtf8();
    const QByteArray fHumi = FormatHumiditeExcel().toUtf8();

    QElapsedTimer chrono;
    chrono.start();
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmp.data();
    lxw_workbook* classeur = workbook_new_opt(fichier.constData(), &options);
    if (!classeur)
        return -1;
    lxw_worksheet* feuille = workbook_add_worksheet(classeur, nullptr);
    auto format = [classeur](const QByteArray& code) {
        lxw_format* f = workbook_add_format(classeur);
        format_set_num_format(f, code.constData());
        return f;
    };
    lxw_format* date = format(fDate);
    lxw_format* heure = format(fHeure);
    lxw_format* temp = format(fTemp);
    lxw_format* humi = format(fHumi);
    const char* entetes[5] = {"Num.", "Date", "Heure", "Temp.", "Humi."};
    for (int c = 0; c < 5; ++c)
        worksheet_write_string(feuille, 0, lxw_col_t(c), entetes[c], nullptr);
    for (int k = 0; k < n; ++k) {
        const lxw_row_t ligne = lxw_row_t(k + 1);
        worksheet_write_number(feuille, ligne, 0, k + 1, nullptr);
        worksheet_write_datetime(feuille, ligne, 1, &dates[size_t(k)], date);
        worksheet_write_datetime(feuille, ligne, 2, &dates[size_t(k)], heure);
        worksheet_write_number(feuille, ligne, 3, serie.Temperature.Valeurs.at(k) / 10.0, temp);
        worksheet_write_number(feuille, ligne, 4, serie.Humidite.Valeurs.at(k) / 10.0, humi);
    }
    if (workbook_close(classeur) != LXW_NO_ERROR)
        return -1;
    return chrono.nsecsElapsed() / 1e6;
}
