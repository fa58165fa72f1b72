#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class diaSaveCourbe;
}

// Asks where to save a recording, with a comment and the spreadsheet export
// options. Writes nothing itself: after Accepted the caller reads the chosen
// file, the comment and the two options, then saves and exports.
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

private slots:
    void on_btnSave_clicked();

private:
    Ui::diaSaveCourbe* ui;
    QString m_Fichier; // full path of the file to save, with its .ail
};
