// The hourglass shown during long work (loading or resetting a figure): the
// wait cursor with the mouse captured by the window, so that no click
// reaches the figure meanwhile; the mouse messages that arrived during the
// work are dropped when it ends. The state lives with the drawing unit's
// (etatRendu), so one hourglass at most is on in the process.
#include "drawing/rendu_styles.h"
#include "model/services_dessin.h"
#include "platform/entrees.h"
#include "platform/messages.h"

namespace km32 {

void afficheSablier(uint32_t fenetre) {
    TetatRendu& e = etatRendu();
    if (e.sablierAffiche || fenetre == 0) return;
    e.curseurAvantSablier = platform::changeCurseur(platform::kCurseurSablier);
    platform::captureSouris(fenetre);
    e.sablierAffiche = 1;
}

void retireSablier(uint32_t fenetre) {
    TetatRendu& e = etatRendu();
    if (!e.sablierAffiche) return;
    const platform::Curseur garde = e.curseurAvantSablier;
    platform::changeCurseur(garde != platform::kAucunCurseur ? garde : platform::kCurseurFleche);
    platform::purgeMessages(fenetre, platform::WM_MOUSEFIRST, platform::WM_MOUSELAST);
    platform::relacheCapture();
    e.curseurAvantSablier = platform::kAucunCurseur;
    e.sablierAffiche = 0;
}

} // namespace km32
