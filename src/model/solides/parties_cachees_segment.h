#pragma once
// The working record of one segment query: the segment P + t D (integer
// model units) and its list of break parameters t[0] < t[1] < ... < t[last]
// splitting it into pieces that alternate between visible and hidden.
#include <array>
#include <cstdint>

#include "model/vecteurs.h"

namespace km32 {

constexpr int kMaxParametresCoupure = 100; // t[0] to t[100]

struct TsegmentCoupe {
    Tvecteur3 P;
    Tvecteur3 D;
    std::array<double, kMaxParametresCoupure + 1> t{};
    int dernier = 1;
    uint8_t commenceCache = 0; // piece 1 (t[0] to t[1]) is hidden; the pieces alternate
    uint8_t hors = 0;          // nothing of the segment is drawn
};

// A fresh segment from P to P + D: one visible piece over [0, 1].
void initialiseSegmentCoupe(TsegmentCoupe& s, const Tvecteur3& P, const Tvecteur3& D);

// Piece k (1 to dernier) runs from t[k - 1] to t[k].
inline bool morceauCache(const TsegmentCoupe& s, int k) {
    return ((k & 1) == 1) == (s.commenceCache != 0);
}

// Hides [a, b] (widened by 0.001 at each inner end). When the list is too
// full to take two more break points, its shortest pieces are merged into
// their neighbours first, so that it never passes t[100].
void ajouteIntervalleCache(TsegmentCoupe& s, double a, double b);

// Merges the shortest pieces into their neighbours until the list has at
// most `maxDernier` pieces; the pieces still cover the whole segment.
void fusionneMorceaux(TsegmentCoupe& s, int maxDernier);

// Linear clipping of the parameter interval [a, b] to the part where
// f(t) = h + e t <= 0, with the polyhedron's rules: when |e| >= seuil the
// crossing narrows the interval, otherwise the whole segment lies outside when
// h >= limite. False when the interval becomes empty.
bool coupeIntervallePlan(double e, double h, double seuil, double limite, double& a, double& b);

} // namespace km32
