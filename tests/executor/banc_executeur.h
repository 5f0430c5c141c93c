#pragma once
// A figure after reset with three points given by coordinates, and the road
// of a creation line from its argument text: the executor reads the
// operands, the object is installed, the objects are put back in order and
// the new object (or, after a redefinition, every object) is computed.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "platform/boites.h"
#include "platform/hasard.h"
#include "text/executeur_construction.h"
#include "text/installation_objet.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"
#include "text/ordre_objets.h"
#include "text/source_phrases.h"
#include "point_essai.h"

namespace km32::essai {

inline std::string sourceExecuteur(uint16_t n) {
    static const std::map<uint16_t, std::string> p = {{2478, "degr\xE9"}, {2479, "radian"}, {2519, "avec"},
                                                      {2520, "sans"},     {2443, "Espace"}, {4417, "aucune"}};
    auto it = p.find(n);
    return it == p.end() ? std::string() : it->second;
}

using essais::attendPoint;
using essais::P3;

class BancExecuteur : public ::testing::Test {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;
    std::unique_ptr<TLigneAnalysee> ligne = std::make_unique<TLigneAnalysee>();
    TLigneAnalysee& L = *ligne;
    int A = 0, B = 0, C = 0;

    void SetUp() override {
        reinitialiseErreurs();
        reinitialiseOperandes();
        reinitialiseExecuteur();
        platform::reinitialiseBoites();
        platform::initialiseHasard(7);
        fixeSourcePhrases(sourceExecuteur);
        etatErreurs().affichageErreurs = true;
        reinitialiseFigure(f);
        A = point("A", 1, 2, 3);
        B = point("B", 5, 0, -1);
        C = point("C", 0, 4, 2);
    }
    void TearDown() override { fixeSourcePhrases(nullptr); }

    // Runs a creation line; the line's error (0 when the object is there).
    uint16_t cree(uint8_t code, const std::string& arguments, uint8_t mode = 1) {
        L = TLigneAnalysee{};
        L.modeLecture = mode;
        L.depuisTexte = 1;
        L.codeConstruction = code;
        L.nouvelObjet.codeConstruction = code;
        initialiseObjetFigure(f, 0, L.nouvelObjet);
        L.arguments = arguments;
        executeConstructionDeLigne(f, L);
        if (estRefus(L.erreur)) return L.erreur;
        const bool nouveau = L.objetCible > f.nombreObjets;
        installeObjetDeLigne(f, L);
        if (!nouveau) {
            verifieRedefinitionCommandes(f, L.objetCible, uint8_t(code), L.erreur);
            if (!estRefus(L.erreur)) reordonneObjets(f, L.erreur);
        }
        if (estRefus(L.erreur)) return L.erreur;
        if (nouveau) {
            if (code != 30 && code != 33 && code != 34) calculeObjet(f, f.nombreObjets);
        } else {
            for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
                calculeObjet(f, i);
        }
        return L.erreur;
    }
    int point(const std::string& nom, double x, double y, double z) {
        const std::string arguments =
            "Rxyz;" + std::to_string(x) + ";" + std::to_string(y) + ";" + std::to_string(z) + ";" + nom + ";";
        EXPECT_EQ(cree(construction::kPointCoordonnees, arguments), 0) << nom;
        return numero(nom);
    }
    int numero(const std::string& nom) const { return numeroObjetDeNotation(f, nom); }
    P3 pt(int i) const { return {valeurObjet(f, i, 1), valeurObjet(f, i, 2), valeurObjet(f, i, 3)}; }
    std::vector<int> parents(int i) const {
        std::vector<int> p;
        for (int k = 1; k <= objet(f, i).nombreParents; ++k)
            p.push_back(parentObjet(f, i, k));
        return p;
    }
};

} // namespace km32::essai
