#include "prmGroupBox.h"

prmGroupBox::prmGroupBox(QWidget* parent) : QGroupBox(parent) {}
