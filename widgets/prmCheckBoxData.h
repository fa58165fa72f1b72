#pragma once

#include <QCheckBox>

// A check box that remembers which column of the data it stands for; the
// owner reads m_Colonne back from the boxes that are checked.
class prmCheckBoxData : public QCheckBox
{
    Q_OBJECT

public:
    explicit prmCheckBoxData(QWidget* parent = nullptr, int colonne = 0);

    int m_Colonne;
};
