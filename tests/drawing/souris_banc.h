#pragma once
// A host window that records the notices it gets, and one figure of that
// host read from a text (reset, then the text run line by line) and drawn
// into its window form, activated as a click of the host activates it. The
// mouse reaches the figure as it does in use: presses through the form's
// window procedure, moves and releases through the exports.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "drawing/selection.h"
#include "drawing/souris.h"
#include "drawing/vue_operations.h"
#include "host/bibliotheque.h"
#include "peinture_enregistree.h"
#include "model/calcul/dependants.h"
#include "platform/curseurs.h"
#include "host/fenetre_figure.h"
#include "km32.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/boites.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/entrees.h"
#include "platform/trace_enregistre.h"
#include "platform/fenetres.h"
#include "platform/hasard.h"
#include "platform/messages.h"
#include "platform/plateforme.h"
#include "text/execution_texte.h"

namespace km32::essais {

struct Pt {
    double x = 0, y = 0, z = 0;
};

class BancSouris : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        reinitialiseSouris();
        KMInitialise();
        // The library seeds its generator from the clock: the free points a
        // text places at random go to the same places in every run.
        platform::initialiseHasard(20261210);
        hote = platform::creeFenetre(
            0, {100, 100, 500, 400},
            [this](platform::Fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
                if (message == platform::WM_KEYUP) avis.push_back({wParam, lParam});
                return 0;
            },
            true);
    }
    void TearDown() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        reinitialiseSouris();
    }

    // Figure n of the host, with the text (UTF-8) run in it, active.
    TfigureKalmetra& figureDeTexte(const std::string& utf8) {
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr);
        EXPECT_EQ(n, 1);
        TfigureKalmetra& f = *figureDeNumero(n);
        reinitialiseFigure(f);
        {
            GardeValeur<uint8_t> lecture(executionReelle(), 0);
            EXPECT_EQ(executeTexteDeFigure(f, windows1252DeUtf8(utf8), 1), 0);
        }
        KMMouseDown(n, 1, 0, 1, 1); // activation only: the form now takes the mouse
        forme = formeDeNumero(n)->fenetre;
        EXPECT_EQ(f.fenetreDessin, forme);
        ajusteTailleFenetre(f);
        redessineFigure(f);
        avis.clear();
        return f;
    }
    TfigureKalmetra& fig() { return *figureDeNumero(n); }
    // The same figure emptied and made again from the text (UTF-8), the
    // random generator seeded as at the start: a table of cases runs each
    // case in a fresh figure of the same host window.
    void refaitFigure(const std::string& utf8) {
        TfigureKalmetra& f = fig();
        reinitialiseFigure(f);
        platform::initialiseHasard(20261210);
        platform::boitesDemandees().clear();
        {
            GardeValeur<uint8_t> lecture(executionReelle(), 0);
            EXPECT_EQ(executeTexteDeFigure(f, windows1252DeUtf8(utf8), 1), 0)
                << utf8
                << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().back().texte);
        }
        redessineFigure(f);
    }

    // The figure painted into a recording context: the primitives drawn.
    std::vector<platform::Primitive> peint() { return peintureEnregistree(fig()); }

    int numero(const std::string& nom) { return numeroObjetDeNotation(fig(), nom); }
    Pt pt(const std::string& nom) {
        const int i = numero(nom);
        return {valeurObjet(fig(), i, 1), valeurObjet(fig(), i, 2), valeurObjet(fig(), i, 3)};
    }
    // Where a model point is drawn, in pixels of the drawing window.
    platform::Point ecran(Pt p) {
        TfigureKalmetra& f = fig();
        const int32_t X = coordonneeEntiere(f, p.x), Y = coordonneeEntiere(f, p.y),
                      Z = coordonneeEntiere(f, p.z);
        return {projetteX(f, X, Y, Z), projetteY(f, X, Y, Z)};
    }

    // The mouse, as the user moves it: the cursor goes along.
    void curseur(int x, int y) { platform::fixePositionCurseur(platform::clientVersEcran(forme, {x, y})); }
    void enfonce(int x, int y, uint32_t message = platform::WM_LBUTTONDOWN) {
        curseur(x, y);
        platform::envoieMessage(forme, message, platform::MK_LBUTTON, platform::lParamDeCoordonnees(x, y));
    }
    uint8_t deplace(int x, int y) {
        curseur(x, y);
        return KMMouseMove(n, 1, 0, float(x), float(y));
    }
    uint8_t relache(int x, int y, int16_t bouton = 1) { return KMMouseUp(n, bouton, 0, float(x), float(y)); }

    struct Avis {
        uint32_t code;
        int32_t lParam;
        friend bool operator==(const Avis&, const Avis&) = default;
    };
    platform::Fenetre hote = 0, forme = 0;
    int16_t n = 0;
    std::vector<Avis> avis;
};

inline void attendPres(Pt p, double x, double y, double z, double tol) {
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
    EXPECT_NEAR(p.z, z, tol);
}

} // namespace km32::essais
