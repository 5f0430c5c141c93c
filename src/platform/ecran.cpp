#include "platform/ecran.h"

namespace km32::platform {

namespace {
MesuresEcran& etat() {
    static MesuresEcran e;
    return e;
}
constexpr uint32_t kTitreActifDefaut = 0x800000; // navy, as 0x00BBGGRR
uint32_t& titreActif() {
    static uint32_t c = kTitreActifDefaut;
    return c;
}
} // namespace

void configureEcran(const MesuresEcran& m) {
    MesuresEcran& e = etat();
    if (m.largeur >= 1) e.largeur = m.largeur;
    if (m.hauteur >= 1) e.hauteur = m.hauteur;
    if (m.pointsParPouce >= 1) e.pointsParPouce = m.pointsParPouce;
}

MesuresEcran mesuresEcran() {
    return etat();
}
int32_t largeurBureau() {
    return etat().largeur;
}
int32_t hauteurBureau() {
    return etat().hauteur;
}
int32_t pointsParPouce() {
    return etat().pointsParPouce;
}
Rectangle rectangleBureau() {
    return {0, 0, etat().largeur, etat().hauteur};
}

uint32_t couleurTitreActif() {
    return titreActif();
}
void configureCouleurTitreActif(uint32_t couleur) {
    titreActif() = couleur & 0xFFFFFF;
}

void reinitialiseEcran() {
    etat() = MesuresEcran{};
    titreActif() = kTitreActifDefaut;
}

} // namespace km32::platform
