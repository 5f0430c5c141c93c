#pragma once
// A figure reset as the registry resets one, with the view's rebuild steps
// replaced by recorders: each step writes its name into one journal.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "drawing/vue_animee.h"
#include "drawing/vue_rafraichissement.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "platform/plateforme.h"
#include "sibling/table_partagee.h"

namespace km32::essai {

inline std::vector<std::string>& journalVue() {
    static std::vector<std::string> j;
    return j;
}
inline bool& commandesAutorisees() {
    static bool a = true;
    return a;
}

constexpr double degres(double d) {
    return d * std::numbers::pi / 180.0;
}

class BancVue : public ::testing::Test {
  protected:
    BancVue() {
        remetAZero();
        TetapesVue& e = etapesVue();
        e.preparePolyedresVisibles = [](TfigureKalmetra&) { note("polyedres"); };
        e.recalculeObjetsParticuliers = [](TfigureKalmetra&) { note("objetsVue"); };
        e.prepareElementsDessin = [](TfigureKalmetra&) { note("elements"); };
        e.libereElementsSaufTextes = [](TfigureKalmetra&) { note("libereSaufTextes"); };
        e.construitElementsSolides = [](TfigureKalmetra&) { note("donnees3D"); };
        e.construitElementSolide = [](TfigureKalmetra&, int i) { note("donnees3D " + std::to_string(i)); };
        e.prepareElementObjet = [](TfigureKalmetra&, int i) { note("element " + std::to_string(i)); };
        e.redessineFigure = [](TfigureKalmetra&) { note("redessine"); };
        e.repeintFigureEcran = [](TfigureKalmetra&) { note("repeint"); };
        e.commandeAutorisee = [](const TfigureKalmetra&, int) { return commandesAutorisees(); };
        f = figureNeuve();
        journalVue().clear();
    }
    ~BancVue() override { remetAZero(); }

    static void note(const std::string& etape) { journalVue().push_back(etape); }

    static void remetAZero() {
        videTableDesFigures();
        platform::reinitialisePlateforme();
        reinitialiseTableDesVariablesPartagees();
        reinitialiseEtapesVue();
        commandesAutorisees() = true;
        journalVue().clear();
    }

    // A reset record, not in the table of figures.
    static std::unique_ptr<TfigureKalmetra> figureNeuve() {
        auto g = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*g);
        return g;
    }
    // A reset record entered in the table under n.
    static TfigureKalmetra& figureInscrite(int n) {
        auto g = figureNeuve();
        g->numeroFigure = n;
        TfigureKalmetra& r = *g;
        placeFigure(n, std::move(g));
        return r;
    }

    std::unique_ptr<TfigureKalmetra> f;
};

} // namespace km32::essai
