#pragma once

#include <QIcon>

// The icon of a curve's limits button: a curve between two dashed lines, drawn
// at 20 and 40 px (screens scaled by 2).
QIcon IconeLimites();
