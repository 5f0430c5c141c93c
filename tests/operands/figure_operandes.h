#pragma once
// A small figure built by hand for the operand readers: the 13 built-in
// objects, points (some sharing a place, some on one line), a segment, a
// half-line and a line through two points, named lines, segments,
// half-lines and planes, numbers, a vector, commands and solids. Also a
// small phrase table for the kind names, key names and notices.
#include <gtest/gtest.h>
#include "figure_essai.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>

#include "base/texte.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "platform/boites.h"
#include "text/operandes_objets.h"
#include "text/source_phrases.h"

namespace km32::essai {

inline std::map<uint16_t, std::string>& phrasesOperandes() {
    static std::map<uint16_t, std::string> p;
    return p;
}
inline std::string sourceOperandes(uint16_t n) {
    auto it = phrasesOperandes().find(n);
    return it == phrasesOperandes().end() ? std::string() : it->second;
}

class FigureOperandes : public ::testing::Test {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;
    // User objects.
    int A, B, C, D, E, F, A1, Bp, C2, pointProtege, pointInterdit, pointIndefini;
    int segAB, demiAC, droiteCD;
    int d, s, h, P, Q, k1, m, u, cmd, cmd2, Cy, Co;

    void SetUp() override {
        reinitialiseErreurs();
        reinitialiseOperandes();
        platform::reinitialiseBoites();
        phrasesOperandes() = {{phraseDeNature(kNaturePoint), "point"},
                              {phraseDeNature(kNatureDroite), "droite"},
                              {phraseDeNature(kNatureNombreReel), "nombre"},
                              {phraseDeNature(kNatureRepere), "repère"},
                              {phraseDeNature(kNaturePlan), "plan"},
                              {phraseDeNature(kNatureSegment), "segment"},
                              {phraseDeNature(kNatureVecteur), "vecteur"},
                              {phraseDeNature(kNatureCone), "cône"},
                              {2443, "Espace"},
                              {4417, "aucune"},
                              {2525, "main"},
                              {9901, "Objet d'accès interdit"},
                              {9903, "Objet protégé"},
                              {4404, "Voulez-vous redéfinir #1? (O/N):"}};
        for (auto& [n, t] : phrasesOperandes())
            t = windows1252DeUtf8(t);
        fixeSourcePhrases(sourceOperandes);

        f.nombreObjets = 0;
        ajoute(kNatureRepere, 0, "Rxyz");
        ajoute(kNatureUniteDeLongueur, 0, "Uxyz", {1});
        ajoute(kNatureNombreReel, 0, "t", {0});
        ajoute(kNatureVecteur, 0, "i", {1, 0, 0});
        ajoute(kNatureVecteur, 0, "j", {0, 1, 0});
        ajoute(kNatureVecteur, 0, "k", {0, 0, 1});
        ajoute(kNaturePoint, 0, "o", {0, 0, 0});
        ajoute(kNatureDroite, 0, "ox");
        ajoute(kNatureDroite, 0, "oy");
        ajoute(kNatureDroite, 0, "oz");
        ajoute(kNaturePlan, 0, "oxy");
        ajoute(kNaturePlan, 0, "oyz");
        ajoute(kNaturePlan, 0, "ozx");

        A = point("A", 0, 0, 0);
        B = point("B", 1, 0, 0);
        C = point("C", 0, 1, 0);
        D = point("D", 0, 0, 1);
        E = point("E", 1, 0, 0); // at B's place
        F = point("F", 2, 0, 0); // on the line AB
        A1 = point("A1", 2, 2, 2);
        Bp = point("B'", 3, 1, 0);
        C2 = point("C2", 4, 0, 2);
        pointProtege = point("G", 5, 5, 5);
        f.objets[pointProtege].drapeaux = kDrapeauProtege;
        pointInterdit = point("H", 6, 5, 5);
        f.objets[pointInterdit].drapeaux = kDrapeauAccesInterdit;
        pointIndefini = point("I", 7, 5, 5);
        f.objets[pointIndefini].nonDefini = 1;

        segAB = ligne(kNatureSegment, 34, A, B);
        demiAC = ligne(kNatureDemiDroite, 33, A, C);
        droiteCD = ligne(kNatureDroite, 30, C, D);
        d = ajoute(kNatureDroite, 31, "d", {0, 0, 0, 1, 1, 0});
        s = ajoute(kNatureSegment, 35, "s", {0, 0, 0, 0, 0, 1});
        h = ajoute(kNatureDemiDroite, 32, "h", {0, 0, 0, 0, 1, 1});
        P = ajoute(kNaturePlan, 38, "P", {0, 0, 1, 0});
        Q = ajoute(kNaturePlan, 38, "Q", {0, 1, 0, 0});
        f.objets[Q].nonDefini = 1;
        k1 = ajoute(kNatureNombreReel, 44, "k1", {2});
        m = ajoute(kNatureNombreReel, 50, "m", {3});
        u = ajoute(kNatureVecteur, 57, "u", {1, 2, 3});
        cmd = ajoute(kNatureCommande, 22, "c");
        fixeToucheObjet(f.objets[cmd], 'K');
        cmd2 = ajoute(kNatureCommande, 22, "c2");
        fixeToucheObjet(f.objets[cmd2], 255);
        Cy = ajoute(kNatureCylindre, 150, "Cy");
        Co = ajoute(kNatureCone, 151, "Co");
    }
    void TearDown() override {
        fixeSourcePhrases(nullptr);
        reinitialiseOperandes();
        platform::reinitialiseBoites();
    }

    int ajoute(uint8_t nature, uint8_t code, const std::string& nom,
               std::initializer_list<double> valeurs = {}, std::initializer_list<int> parents = {}) {
        return essais::ajouteObjetNomme(f, nature, code, nom, valeurs, parents);
    }
    int point(const std::string& nom, double x, double y, double z) {
        return ajoute(kNaturePoint, 1, nom, {x, y, z});
    }
    int ligne(uint8_t nature, uint8_t code, int a, int b) {
        return ajoute(nature, code, "",
                      {valeurObjet(f, a, 1), valeurObjet(f, a, 2), valeurObjet(f, a, 3), valeurObjet(f, b, 1),
                       valeurObjet(f, b, 2), valeurObjet(f, b, 3)},
                      {a, b});
    }

    // A list of objects as their notations separated by blanks.
    std::string notations(const uint8_t* liste, int nombre) const {
        std::string r;
        for (int i = 1; i <= nombre; ++i)
            r += (i > 1 ? " " : "") + nomObjetNotation(f, liste[i]);
        return r;
    }
    // An object number (0 as "-") by its notation.
    std::string notation(int n) const { return n == 0 ? "-" : nomObjetNotation(f, n); }
};

} // namespace km32::essai
