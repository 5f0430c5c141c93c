#pragma once
// Figures with loci and meshes read from French figure texts, with the view
// of a new figure (its box and scale), and readers of what the loci stored:
// the samples of a curve in model units and the mesh record of a surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../runner/banc_texte.h"
#include "drawing/vue_projection.h"
#include "model/calcul/calcul_objet.h"
#include "model/maillages.h"

namespace km32::essai {

struct EchantillonLu {
    bool rupture = false;
    P3 p;
};

class BancLieux : public BancTexte {
  protected:
    void SetUp() override {
        BancTexte::SetUp();
        calculeProjection(f);
    }
    // Runs the lines as one figure text (which samples the curves and loci
    // again once their styles are read); 0 when every line ran.
    uint16_t litFigure(const std::vector<std::string>& lignes) {
        std::string texte = "Figure Kalmetra\r\n";
        for (const std::string& l : lignes)
            texte += l + "\r\n";
        return lis(texte + "Fin de la figure");
    }
    // The points a code 37 locus kept (value 2 of them), back in model units.
    std::vector<EchantillonLu> echantillons(const std::string& nom) const {
        const int n = numero(nom);
        std::vector<EchantillonLu> r;
        if (n == 0 || objet(f, n).nonDefini) return r;
        const int compte = int(valeurObjet(f, n, 2));
        for (int k = 0; k < compte; ++k) {
            const Techantillon& e = (*f.echantillons)[std::size_t(objet(f, n).premierEchantillon + k)];
            r.push_back({e.rupture != 0, {e.x / f.echelle, e.y / f.echelle, e.z / f.echelle}});
        }
        return r;
    }
    // Half an integer unit and a little more: how close a stored sample is.
    double toleranceEchantillon() const { return 1.0 / f.echelle + 1e-9; }
    const TMaillage* maillage(const std::string& nom) const {
        const int n = numero(nom);
        EXPECT_NE(n, 0) << nom;
        return n == 0 ? nullptr : maillageDeObjet(f, n);
    }
    uint16_t raison(const std::string& nom) const {
        const int n = numero(nom);
        return n != 0 && objet(f, n).nonDefini ? objet(f, n).raison : 0;
    }
};

inline double distance(const P3& a, const P3& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

} // namespace km32::essai
