#include "prmLabel.h"

prmLabel::prmLabel(QWidget* parent) : QLabel(parent) {}
