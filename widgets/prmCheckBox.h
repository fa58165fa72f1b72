#pragma once

#include <QCheckBox>

// Check box with the large check-mark indicator of the style sheet.
class prmCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit prmCheckBox(QWidget* parent = nullptr);
};
