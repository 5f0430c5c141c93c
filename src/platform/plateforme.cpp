#include "platform/plateforme.h"

#include "platform/boites.h"
#include "platform/curseurs.h"
#include "platform/ecran.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/hasard.h"
#include "platform/menus.h"
#include "platform/horloge.h"
#include "platform/messages.h"
#include "platform/minuteries.h"

namespace km32::platform {

void reinitialisePlateforme() {
    reinitialiseMessages();
    reinitialiseMinuteries();
    reinitialiseFenetres();
    reinitialiseEntrees();
    reinitialiseCurseurs();
    reinitialiseHorloge();
    reinitialiseEcran();
    reinitialiseBoites();
    reinitialiseMenus();
    initialiseHasard(0);
}

} // namespace km32::platform
