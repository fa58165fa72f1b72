#pragma once

#include <QDialog>
#include <QList>

class QTableWidget;
class prmCheckBoxData;

namespace Ui
{
class diaSelectColonne;
}

// Picks the rubrics of the report: one box, checked, per legend column with a
// header. "Rapport" accepts, "Sortir" rejects.
class diaSelectColonne : public QDialog
{
    Q_OBJECT

public:
    diaSelectColonne(QWidget* parent, const QTableWidget* legende);
    ~diaSelectColonne() override;

    // Legend column indices of the checked boxes, in the order of the boxes.
    QList<int> ColonnesCochees() const;

private slots:
    void on_btnSave_clicked();
    void on_btnSortir_clicked();

private:
    Ui::diaSelectColonne* ui;
    QList<prmCheckBoxData*> m_lstColonnes;
};
