#pragma once
// A reset figure whose display list the tests fill by hand, painted into a
// recording context: the primitives drawn are then checked one by one.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_styles.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/plateforme.h"
#include "platform/trace_enregistre.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "peinture_enregistree.h"

namespace km32::essai {

using platform::Primitive;
using platform::StyleStylo;
using platform::TypePrimitive;

class BancRendu : public ::testing::Test {
  protected:
    BancRendu() {
        remetAZero();
        initialiseFigureNeuve(f);
        f.largeurImage = 200;
        f.hauteurImage = 120;
        placeZonesDessin(f);
    }
    ~BancRendu() override { remetAZero(); }

    static void remetAZero() {
        videTableDesFigures();
        platform::reinitialisePlateforme();
        platform::reinitialiseTableContextes();
        reinitialiseTableDesVariablesPartagees();
        reinitialiseTexteMathTQ();
        initialiseDessin();
    }

    // An element of object n (the object gets the kind that goes with it).
    TelementDessin& element(int n, uint8_t type, uint8_t nature, uint32_t couleur = 0x0000FF) {
        if (f.nombreObjets < n) f.nombreObjets = uint8_t(n);
        f.objets[std::size_t(n)].nature = nature;
        auto* e = new TelementDessin;
        e->type = type;
        e->objet = uint8_t(n);
        e->style.rouge = uint8_t(couleur & 0xFF);
        e->style.vert = uint8_t((couleur >> 8) & 0xFF);
        e->style.bleu = uint8_t((couleur >> 16) & 0xFF);
        f.blocDessin->elements[std::size_t(n)].reset(e);
        return *e;
    }

    // Pieces along y = yy through the break points xs, the first visible.
    static TpartiesVisibles pieces(std::initializer_list<int32_t> xs, int32_t yy,
                                   bool commenceCache = false) {
        TpartiesVisibles p;
        int k = 0;
        for (int32_t x : xs) {
            p.x[std::size_t(k)] = x;
            p.y[std::size_t(k)] = yy;
            ++k;
        }
        p.nombre = uint8_t(k - 1);
        p.commenceCache = commenceCache ? 1 : 0;
        return p;
    }

    // Paints the figure into a recording context; its primitives.
    std::vector<Primitive> peint() { return essais::peintureEnregistree(f); }

    // The lines drawn (polylines), in order.
    static std::vector<Primitive> lignes(const std::vector<Primitive>& ps) {
        std::vector<Primitive> r;
        for (const Primitive& p : ps)
            if (p.type == TypePrimitive::Polyligne) r.push_back(p);
        return r;
    }

    TfigureKalmetra f;
};

} // namespace km32::essai
