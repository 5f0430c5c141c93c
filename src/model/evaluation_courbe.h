#pragma once
// One step of the sampling of a curve: its compiled expressions evaluated at
// a parameter value, mapped through the chosen frame, checked against the
// previous sample (a sharp turn starts a new piece) and stored.
#include <array>
#include <cstdint>

#include "model/evaluation_expression.h"

namespace km32 {

struct TfigureKalmetra;

struct TechantillonnageCourbe {
    const TfigureKalmetra* figure = nullptr;
    int objet = 0;             // the curve; its samples go from its first sample record on
    bool graphe = false;       // a graph in a plane: one expression f(t); else x(t), y(t), z(t)
    bool repereAbsolu = false; // a parametric curve in the absolute frame
    std::array<TExpressionCompilee*, 3> expressions{};
    std::array<double, 3> origine{}, axe1{}, axe2{}, axe3{}; // frame: O, u, v (graph) or O, i, j, k
    int etat = 0; // 0 no valid previous sample, 1 no direction yet, 2 direction of the last chord
    std::array<double, 3> precedent{};
    double tPrecedent = 0;
    std::array<double, 3> corde{};
    int compteur = 0; // samples stored
};

bool evaluePointDeGraphe(TechantillonnageCourbe& c, double t, std::array<double, 3>& p);
bool evaluePointDeCourbe(TechantillonnageCourbe& c, double t, std::array<double, 3>& p);
// The cosine of the two unit directions is above 0.95 (false when one is null).
bool directionsProches(const std::array<double, 3>& a, const std::array<double, 3>& b);
void verifieMilieu(TechantillonnageCourbe& c, double t, const std::array<double, 3>& p);
// Evaluates the point at t and updates the state; false when it is invalid.
bool avanceCourbe(TechantillonnageCourbe& c, double t, std::array<double, 3>& p);
// One step; a valid sample is stored in the figure's next sample record.
void rangeEchantillon(TfigureKalmetra& f, TechantillonnageCourbe& c, double t);

} // namespace km32
