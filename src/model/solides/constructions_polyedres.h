#pragma once
// Computing the record of a convex polyhedron or polygon object: each
// construction fills the vertex list of the object's record (from its
// parents, a section, a cut, an intersection, an image, a regular solid or a
// hull of points), then the hull builds the faces and edges. A failure marks
// the object undefined with its reason. Parents and values are read through
// the figure's accessors (counted from 1).
#include <cstdint>
#include <string>

#include "model/figure.h"

namespace km32 {

constexpr uint16_t kRaisonNombreSommets = 450;
constexpr uint16_t kRaisonPointsConfondus = 454;
constexpr uint16_t kRaisonPlanNonValide = 476;
constexpr uint16_t kRaisonPointSurAxe = 487;
constexpr uint16_t kRaisonTropDeSommets = 491;
constexpr uint16_t kRaisonSectionVide = 492;
constexpr uint16_t kRaisonDemiEspaceVide = 493;
constexpr uint16_t kRaisonPolyedresDisjoints = 495;
constexpr uint16_t kRaisonDemiEspaceIndefini = 504;

// State the engine sets while it recomputes. The names a refused vertex
// list leaves for the message ("#1", "#2") go to the shared error names
// (nomErreur1(), nomErreur2()), which the host's error exports read.
struct EtatPolyedres {
    bool retirageAleatoire = false;   // recomputing dependants after a random re-draw
    bool echantillonnageLieu = false; // a locus is being sampled
};
EtatPolyedres& etatPolyedres();
void reinitialiseEtatPolyedres();

void marqueObjetIndefini(TfigureKalmetra& f, int objet);

// The vertex names "#1" and "#2" of the reason a refused vertex list gave the
// object (inner vertex, vertex on an edge or inside a face, equal vertices),
// read from its record; empty for any other reason or record.
void nomsSommetsErreur(const TfigureKalmetra& f, int objet, uint16_t raison, std::string& nom1,
                       std::string& nom2);

// (Re)computes the record of a polygon or polyhedron object from its
// construction code; the object's parents must be computed.
void calculeDonneesPolyedre(TfigureKalmetra& f, int objet);

// The constructions; each fills the vertices of the object's record or marks
// the object undefined.
void sectionPolyedrePlan(TfigureKalmetra& f, int objet);
void intersectionDemiEspace(TfigureKalmetra& f, int objet);
void intersectionPolyedres(TfigureKalmetra& f, int objet);
void imagePolyedre(TfigureKalmetra& f, int objet);
void polygoneRegulier(TfigureKalmetra& f, int objet);
void prismeOuPyramideRegulier(TfigureKalmetra& f, int objet);
// A parent that a hull may not take (objets_enveloppe.h) makes it undefined
// with reason 449 or 453, the reason its line gives when it is read.
void enveloppeDePoints(TfigureKalmetra& f, int objet);
void sommetsDesParents(TfigureKalmetra& f, int objet);

} // namespace km32
