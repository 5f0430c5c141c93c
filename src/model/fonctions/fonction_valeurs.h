#pragma once
// Functions defined by values: a table of at most 500 points (x, y) kept
// sorted by x, evaluated by linear interpolation between consecutive points
// or at the points only, and the two texts through which figure lines add
// points ("(x,y) (x,y)...") and remove them (values and intervals a..b,
// with -inf and +inf for the ends of the table). All tolerances are 1e-6.
#include <array>
#include <cstdint>
#include <string_view>

namespace km32 {

struct TfigureKalmetra;

constexpr int kMaxPointsFonctionTable = 500;

struct TFonctionTable {
    double xmin = 0, xmax = 0; // kept when the last point is removed
    uint8_t interpolation = 0; // 1: linear between points; 0: values at the points only
    uint16_t nombrePoints = 0;
    std::array<double, kMaxPointsFonctionTable + 1> y{}; // points 1 to nombrePoints
    std::array<double, kMaxPointsFonctionTable + 1> x{}; // increasing, at least 1e-6 apart
};

// result := 0 first; undefined outside [xmin, xmax] (with the tolerance),
// on an empty table, and between two points without interpolation.
void evalueFonctionTable(const TFonctionTable& table, uint8_t& nonDefini, double& resultat, double x);
// Adds or replaces (a point within 1e-6 of an x of the table) the point;
// false when it would be a 501st point.
bool ajoutePointFonctionTable(TFonctionTable& table, double x, double y);
// Removes the points whose x lies between a and b (either order).
void otePointsFonctionTable(TFonctionTable& table, double a, double b);

// The points of the text into the table of slot emplacement (1 to 100);
// erreur is a phrase number, 0 on success. Points added before a failing
// item stay.
void ajoutePointsDeTexte(TfigureKalmetra& f, uint8_t emplacement, std::string_view texte, uint16_t& erreur);
// Removes the values and intervals of the text from that table.
void otePointsDeTexte(TfigureKalmetra& f, uint8_t emplacement, std::string_view texte, uint16_t& erreur);

} // namespace km32
