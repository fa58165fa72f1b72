#pragma once

#include <QLabel>

// Header label of the dialogs; the style sheet selects it by class name.
class prmLabel : public QLabel
{
    Q_OBJECT

public:
    explicit prmLabel(QWidget* parent = nullptr);
};
