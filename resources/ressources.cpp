#include "ressources.h"

#include <QtGlobal>

static void initDansEspaceGlobal()
{
    Q_INIT_RESOURCE(ressources);
    Q_INIT_RESOURCE(i18n);
}

void initRessources()
{
    static bool fait = false;
    if (!fait) {
        initDansEspaceGlobal();
        fait = true;
    }
}
