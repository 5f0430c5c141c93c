#pragma once
// Two figures hold the same construction: counts, values, parents,
// operands, expression records and texts, objects field by field, the
// view and the texts of the runner.
#include <gtest/gtest.h>

#include "model/figure.h"

namespace km32::essai {

inline void attendMemesObjets(const TObjetFigure& a, const TObjetFigure& b, int i) {
    EXPECT_EQ(a.nature, b.nature) << i;
    EXPECT_EQ(a.longueurNom, b.longueurNom) << i;
    EXPECT_EQ(a.debutNom, b.debutNom) << i;
    EXPECT_EQ(a.nombreValeurs, b.nombreValeurs) << i;
    EXPECT_EQ(a.premiereValeur, b.premiereValeur) << i;
    EXPECT_EQ(a.nombreParents, b.nombreParents) << i;
    EXPECT_EQ(a.premierParent, b.premierParent) << i;
    EXPECT_EQ(a.nombreExpressions, b.nombreExpressions) << i;
    EXPECT_EQ(a.premiereExpression, b.premiereExpression) << i;
    EXPECT_EQ(a.codeConstruction, b.codeConstruction) << i;
    EXPECT_EQ(a.drapeaux, b.drapeaux) << i;
    EXPECT_EQ(a.style.drapeaux, b.style.drapeaux) << i;
    EXPECT_EQ(a.style.rouge, b.style.rouge) << i;
    EXPECT_EQ(a.nonDefini, b.nonDefini) << i;
    EXPECT_EQ(a.raison, b.raison) << i;
    EXPECT_EQ(a.emplacementSolide, b.emplacementSolide) << i;
}

inline void attendMemeFigure(const TfigureKalmetra& a, const TfigureKalmetra& b) {
    ASSERT_EQ(a.nombreObjets, b.nombreObjets);
    EXPECT_EQ(a.valeursUtilisees, b.valeursUtilisees);
    EXPECT_EQ(a.parentsUtilises, b.parentsUtilises);
    EXPECT_EQ(a.expressionsUtilisees, b.expressionsUtilisees);
    EXPECT_EQ(a.octetsOperandesUtilises, b.octetsOperandesUtilises);
    EXPECT_EQ(a.constantesUtilisees, b.constantesUtilisees);
    EXPECT_EQ(a.valeurs, b.valeurs);
    EXPECT_EQ(a.parents, b.parents);
    EXPECT_EQ(a.octetsOperandes, b.octetsOperandes);
    EXPECT_EQ(a.texteDesNoms, b.texteDesNoms);
    EXPECT_EQ(a.texteDesFormules, b.texteDesFormules);
    for (int i = 1; i <= a.nombreObjets; ++i)
        attendMemesObjets(a.objets[std::size_t(i)], b.objets[std::size_t(i)], i);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(a.anglesVue[k], b.anglesVue[k]);
    EXPECT_EQ(a.fractionsCentre[0], b.fractionsCentre[0]);
    EXPECT_EQ(a.fractionsCentre[1], b.fractionsCentre[1]);
    EXPECT_EQ(a.uniteSurPetiteDimension, b.uniteSurPetiteDimension);
    EXPECT_EQ(a.ensembleParametresLibres, b.ensembleParametresLibres);
    EXPECT_EQ(a.ensembleTrace, b.ensembleTrace);
    EXPECT_EQ(bool(a.texteCommentaire), bool(b.texteCommentaire));
    if (a.texteCommentaire && b.texteCommentaire) {
        EXPECT_EQ(*a.texteCommentaire, *b.texteCommentaire);
    }
    EXPECT_EQ(bool(a.lignesDifferees), bool(b.lignesDifferees));
    if (a.lignesDifferees && b.lignesDifferees) {
        EXPECT_EQ(*a.lignesDifferees, *b.lignesDifferees);
    }
}

} // namespace km32::essai
