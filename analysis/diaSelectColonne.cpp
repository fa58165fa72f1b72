#include "diaSelectColonne.h"

#include "clsRapport.h"
#include "prmCheckBoxData.h"
#include "ui_diaSelectColonne.h"

#include <QTableWidget>

diaSelectColonne::diaSelectColonne(QWidget* parent, const QTableWidget* legende)
    : QDialog(parent), ui(new Ui::diaSelectColonne)
{
    ui->setupUi(this);
    for (int col : clsRapport::Rubriques(legende)) {
        auto* case_ = new prmCheckBoxData(ui->fraColonne, col);
        case_->setObjectName(QStringLiteral("chkColonne%1").arg(col));
        case_->setText(legende->horizontalHeaderItem(col)->text());
        case_->setChecked(true);
        ui->layColonne->addWidget(case_);
        m_lstColonnes << case_;
    }
    ui->layColonne->addStretch();
}

diaSelectColonne::~diaSelectColonne()
{
    delete ui;
}

QList<int> diaSelectColonne::ColonnesCochees() const
{
    QList<int> colonnes;
    for (const prmCheckBoxData* case_ : m_lstColonnes)
        if (case_->isChecked())
            colonnes << case_->m_Colonne;
    return colonnes;
}

void diaSelectColonne::on_btnSave_clicked()
{
    accept();
}

void diaSelectColonne::on_btnSortir_clicked()
{
    reject();
}
