#pragma once
// Drawing-attribute lists: an optional colour in RGB notation followed by
// ","-separated keywords ("rouge", "tireté", "nom à gauche"...) of the
// current language, turned into the style of objects by the style lines
// "Dessin de #1: #2", "Objet dessinable #1, particularités: #2", "Changer
// le dessin de #1, particularités: #2", and the clipping line "Dessins
// limités au convexe #1: #2".
#include <cstdint>

#include "model/figure.h"

namespace km32 {

struct TLigneFigure;

constexpr uint16_t kErreurCouleurRVB = 676;
constexpr uint16_t kErreurMotNonReconnu = 620;
constexpr uint16_t kErreurPasConvexe = 661;
constexpr uint16_t kErreurAffichageLimite = 657;
constexpr uint16_t kPhraseCouleurRVB = 11162; // the opening of the RGB notation, "couleur RVB("

struct EtatAttributsDessin {
    // Set when a list is applied to the newest object of the figure; the
    // creation of an object clears it, the prototype reader reads it.
    bool styleDuDernierObjet = false;
};
EtatAttributsDessin& etatAttributsDessin();
void reinitialiseAttributsDessin();

// Applies argument 2 of the line (consumed word by word) to the style of
// object n; with recommence the style starts afresh. Sets ligne.erreur:
// 676 a wrong RGB notation, 620 a word that is no keyword (what came before
// it stays applied), the readers' errors; each is reported.
void lisParticularitesDeDessin(TfigureKalmetra& f, int n, TLigneFigure& ligne, bool recommence);

// "Dessin de #1: #2" and "Objet dessinable #1, particularités: #2".
void traiteDessinDe(TfigureKalmetra& f, TLigneFigure& ligne);
// "Changer le dessin de #1, particularités: #2": every listed object.
void changeDessinDe(TfigureKalmetra& f, TLigneFigure& ligne);
// "Dessins limités au convexe #1: #2".
void limiteDessinsDeLigne(TfigureKalmetra& f, TLigneFigure& ligne);

} // namespace km32
