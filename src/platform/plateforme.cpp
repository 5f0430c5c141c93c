#include "platform/plateforme.h"

#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/curseurs.h"
#include "platform/ecran.h"
#include "platform/entrees.h"
#include "platform/fichiers.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"
#include "platform/hasard.h"
#include "platform/menus.h"
#include "platform/impression.h"
#include "platform/horloge.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "platform/presse_papiers.h"

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
    reinitialiseAide();
    reinitialiseMenus();
    reinitialisePressePapiers();
    reinitialiseFormesLiees();
    reinitialiseImpression();
    reinitialiseFichiers();
    initialiseHasard(0);
}

} // namespace km32::platform
