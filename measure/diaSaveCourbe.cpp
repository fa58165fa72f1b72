#include "diaSaveCourbe.h"
#include "ui_diaSaveCourbe.h"

#include "Dialogues.h"
#include <clsExcel.h>

#include <QFileInfo>

diaSaveCourbe::diaSaveCourbe(QWidget* parent, const QString& folder, const QString& name,
                             const QString& comment)
    : QDialog(parent), ui(new Ui::diaSaveCourbe)
{
    ui->setupUi(this);
    ui->chkExcel->setEnabled(clsExcel::ExcelDisponible());
    m_Fichier = folder + QLatin1Char('/') + name + QStringLiteral(".ail");
    ui->txtCommentaire->setPlainText(comment);
    ui->txtCommentaire->moveCursor(QTextCursor::End); // typing goes on from the comment
}

diaSaveCourbe::~diaSaveCourbe()
{
    delete ui;
}

QString diaSaveCourbe::Commentaire() const
{
    return ui->txtCommentaire->toPlainText();
}

QString diaSaveCourbe::Chemin() const
{
    return QFileInfo(m_Fichier).absolutePath();
}

QString diaSaveCourbe::Nom() const
{
    return QFileInfo(m_Fichier).baseName();
}

bool diaSaveCourbe::ExportDemande() const
{
    return ui->chkExcel->isEnabled() && ui->chkExcel->isChecked();
}

bool diaSaveCourbe::OuvertureDemandee() const
{
    // Unchecking the export keeps the opening box checked but disabled.
    return ExportDemande() && ui->chkOpenXls->isChecked();
}

bool diaSaveCourbe::ExportCsvDemande() const
{
    return ui->chkCsv->isChecked();
}

bool diaSaveCourbe::CsvUtc() const
{
    // Like the opening box, the UTC box keeps its check while disabled.
    return ExportCsvDemande() && ui->chkCsvUtc->isChecked();
}

void diaSaveCourbe::on_btnSave_clicked()
{
    const QString fichier =
        Dialogues::Courant().FichierAEnregistrer(this, m_Fichier, m_Fichier, tr("Logger (*.ail)"));
    if (fichier.isEmpty())
        return; // cancelled: the dialog stays open as it was
    m_Fichier = fichier;
    accept();
}
