#pragma once

// Registers the embedded style sheet, images (":/Images/...") and translations
// (":/i18n/..."). Safe to call more than once.
void initRessources();
