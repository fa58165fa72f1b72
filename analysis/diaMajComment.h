#pragma once

#include <QDialog>

namespace Ui
{
class diaMajComment;
}

// Edits the comment of one curve: "Enregistrer" accepts, "Sortir" rejects.
class diaMajComment : public QDialog
{
    Q_OBJECT

public:
    diaMajComment(QWidget* parent, const QString& commentaire);
    ~diaMajComment() override;

    // The editor's plain text.
    QString TexteCommentaire() const;

private slots:
    void on_btnSave_clicked();
    void on_btnSortir_clicked();

private:
    Ui::diaMajComment* ui;
};
