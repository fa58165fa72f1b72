#pragma once

#include <QPointer>
#include <QToolButton>

// The tool button that Enter clicks in its dialog, as Qt does for a default
// push button (the dialogs' buttons are tool buttons, for their look). Enter
// with another button focused clicks that one; Enter a field keeps for itself
// (a new line in a text editor) never reaches the dialog.
class prmBoutonDefaut : public QToolButton
{
    Q_OBJECT

public:
    explicit prmBoutonDefaut(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> m_Fenetre; // the dialog whose unhandled keys it watches
};
