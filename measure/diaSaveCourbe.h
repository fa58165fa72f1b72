#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class diaSaveCourbe;
}

// Asks where to save a recording, with a comment, the spreadsheet export options
// and the CSV ones. Writes nothing itself: after Accepted the caller reads the
// chosen file, the comment and the options, then saves and exports.
class diaSaveCourbe : public QDialog
{
    Q_OBJECT

public:
    // Proposes folder/name.ail with the comment shown.
    diaSaveCourbe(QWidget* parent, const QString& folder, const QString& name,
                  const QString& comment);
    ~diaSaveCourbe() override;

    QString Commentaire() const;
    // Absolute folder of the chosen file.
    QString Chemin() const;
    // File name up to its first dot: essai.old.ail saves as essai.
    QString Nom() const;
    // "Exporter les données dans un classeur Excel" is checked.
    bool ExportDemande() const;
    // The export is asked for and the workbook is to be opened after it.
    bool OuvertureDemandee() const;
    // "Exporter les données au format CSV" is checked.
    bool ExportCsvDemande() const;
    // The CSV export is asked for, its times in UTC rather than local time.
    bool CsvUtc() const;

private slots:
    void on_btnSave_clicked();

private:
    Ui::diaSaveCourbe* ui;
    QString m_Fichier; // full path of the file to save, with its .ail
};
