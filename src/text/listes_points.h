#pragma once
// Points written one after another in one operand: ABCD for the vertices of
// a polygon, A1B'C2, AB CD EF for three segments, and the points and solids
// of a convex hull. Blanks, brackets and commas do not count: ABC, A B C,
// (A,B,C) and [ABC] are the same list; every letter starts a new name.
//
// Error word, nomErreur1 and reading mode as in text/noms_objets.h.
#include <array>
#include <cstdint>
#include <string_view>

#include "model/figure.h"
#include "model/solides/objets_enveloppe.h"
#include "text/operandes_objets.h"

namespace km32 {

constexpr int kMaxListePoints = 40;
// Point numbers at places 1 to 40 (place 0 unused), with a separate count.
using TListePoints = std::array<uint8_t, kMaxListePoints + 1>;

constexpr uint16_t kErreurPasPointNiPolygone = kRaisonPasPointNiPolygone;
constexpr uint16_t kErreurPasPointNiPolygoneNiPolyedre = kRaisonPasPointNiPolygoneNiPolyedre;
constexpr uint16_t kErreurNombreSommets = 555;
constexpr uint16_t kErreurNombreImpair = 558;
constexpr uint16_t kErreurCreeDeuxFois = 559;
constexpr uint16_t kErreurTropDeCreations = 569;
constexpr uint16_t kErreurSommetDeuxFois = 599;

// The points named: 539 for an empty list, 533 for a character that does
// not start a name or for a 41st name (the rest of the text as "#1").
void litListePoints(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& nombre,
                    TListePoints& points, uint16_t& erreur);
// 3 to 40 different vertices (555, 599).
void litSommetsPolygone(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& nombre,
                        TListePoints& points, uint16_t& erreur);
// 4 to 40 different vertices.
void litSommetsPolyedre(const TfigureKalmetra& f, std::string_view texte, uint8_t mode, uint8_t& nombre,
                        TListePoints& points, uint16_t& erreur);
// Items that are names of objects, or runs of point names: each object
// once (655), only points and polygons for a hull polygon (449), and also
// polyhedra for a hull polyhedron (453).
void litPointsEtSolides(const TfigureKalmetra& f, std::string_view texte, bool enveloppePolygone,
                        uint8_t mode, uint8_t& nombre, TListeObjets& objets, uint16_t& erreur);
// Pairs of points for new lines (30), half-lines (33) or segments (34):
// 558 for an odd count, 559 for a pair already built, 569 beyond 250
// objects, 541 for a point twice; reason 434 for coincident points of a
// line or half-line. nombre is the number of pairs.
void litPairesDePoints(const TfigureKalmetra& f, uint8_t code, std::string_view texte, uint8_t mode,
                       uint8_t& nombre, TListePoints& points, uint16_t& erreur);

} // namespace km32
