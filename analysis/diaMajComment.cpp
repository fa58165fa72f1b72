#include "diaMajComment.h"

#include "ui_diaMajComment.h"

diaMajComment::diaMajComment(QWidget* parent, const QString& commentaire)
    : QDialog(parent), ui(new Ui::diaMajComment)
{
    ui->setupUi(this);
    ui->txtCommentaire->setPlainText(commentaire);
}

diaMajComment::~diaMajComment()
{
    delete ui;
}

QString diaMajComment::TexteCommentaire() const
{
    return ui->txtCommentaire->toPlainText();
}

void diaMajComment::on_btnSave_clicked()
{
    accept();
}

void diaMajComment::on_btnSortir_clicked()
{
    reject();
}
