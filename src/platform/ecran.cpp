#include "platform/ecran.h"

namespace km32::platform {

namespace {
MesuresEcran& etat() {
    static MesuresEcran e;
    return e;
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

void reinitialiseEcran() {
    etat() = MesuresEcran{};
}

} // namespace km32::platform
