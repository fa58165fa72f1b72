#pragma once

#include <QGroupBox>

// Title box of the dialogs; the style sheet selects it by class name.
class prmGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit prmGroupBox(QWidget* parent = nullptr);
};
