#include "prmCheckBoxData.h"

prmCheckBoxData::prmCheckBoxData(QWidget* parent, int colonne)
    : QCheckBox(parent), m_Colonne(colonne)
{
}
