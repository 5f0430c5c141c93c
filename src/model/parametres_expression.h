#pragma once
// Parameter expressions of objects: their stored byte lists are run
// directly from the figure each time the object is computed, and measures
// (lengths, areas, angles, abscissas, coordinates, components).
#include <array>
#include <cstdint>

namespace km32 {

struct TfigureKalmetra;

using TvariablesParametre = std::array<double, 11>; // variables 1 to 9 fill slots 4 to 12 (index 0 unused)

// Value of the k-th parameter expression (from 1) of object n, stored at
// its values v (v+1, v+2 for a vector). When the value does not exist the
// object becomes undefined with reason 441.
double valeurParametreObjet(TfigureKalmetra& f, int n, int k, int v);

// Runs parameter-expression record i of object n; x, y, z receive the
// value (y, z for a vector), nonDefini 1 when it does not exist. A constant
// record does nothing.
void evalueExpressionParametre(const TfigureKalmetra& f, int n, int i, uint8_t& nonDefini, double& x,
                               double& y, double& z, const TvariablesParametre& variables);

// The value(s) of a measure object from its parents; undefined with a
// reason on failure (values left as they were).
void calculeMesure(TfigureKalmetra& f, int n);

// Volume (163), area (165) of a solid and perimeter (208) of a polygon:
// computed by the solids, which replace this placeholder.
void calculeMesureSolide(TfigureKalmetra& f, int n);

} // namespace km32
