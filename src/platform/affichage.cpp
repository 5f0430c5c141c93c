#include "platform/affichage.h"

#include "platform/messages.h"

#ifdef KM32_AVEC_GTK
#include "platform/gtk/affichage_gtk.h"
#endif

namespace km32::platform {

#ifdef KM32_AVEC_GTK

bool affichageReelCompile() {
    return true;
}
bool demarreAffichageReel() {
    return gtk::demarre();
}
bool affichageReel() {
    return gtk::demarree();
}
void boucleAffichage() {
    if (gtk::demarree())
        gtk::boucle();
    else
        distribueJusquAuRepos();
}
void quitteBoucleAffichage() {
    if (gtk::demarree()) gtk::quitteBoucle();
}
void traiteEvenementsAffichage() {
    if (gtk::demarree()) gtk::traiteEvenements();
}
void presenteFenetre(Fenetre f) {
    if (gtk::demarree()) gtk::presente(f);
}

#else

bool affichageReelCompile() {
    return false;
}
bool demarreAffichageReel() {
    return false;
}
bool affichageReel() {
    return false;
}
void boucleAffichage() {
    distribueJusquAuRepos();
}
void quitteBoucleAffichage() {}
void traiteEvenementsAffichage() {}
void presenteFenetre(Fenetre) {}

#endif

} // namespace km32::platform
