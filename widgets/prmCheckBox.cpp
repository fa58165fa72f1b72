#include "prmCheckBox.h"

prmCheckBox::prmCheckBox(QWidget* parent) : QCheckBox(parent) {}
