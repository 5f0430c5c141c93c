#pragma once
// Screen metrics and the system's caption colour, set by configuration (a host or a test), 1024 x 768 pixels
// at 96 dots per inch unless told otherwise.
#include <cstdint>

#include "platform/geometrie.h"

namespace km32::platform {

struct MesuresEcran {
    int32_t largeur = 1024; // desktop width in pixels
    int32_t hauteur = 768;  // desktop height in pixels
    int32_t pointsParPouce = 96;
};

// Takes new metrics; a value below 1 keeps the old one.
void configureEcran(const MesuresEcran& mesures);
MesuresEcran mesuresEcran();
int32_t largeurBureau();
int32_t hauteurBureau();
int32_t pointsParPouce();
// The desktop's client rectangle: (0, 0, width, height).
Rectangle rectangleBureau();

// The colour of the active window's caption bar, which selected lines of
// lists are drawn on (navy unless told otherwise).
uint32_t couleurTitreActif();
void configureCouleurTitreActif(uint32_t couleur);

// The default metrics and colours again.
void reinitialiseEcran();

} // namespace km32::platform
