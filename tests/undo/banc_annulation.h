#pragma once
// A started library and figures entered in the table of figures under their
// numbers, read from texts written in UTF-8; the undo store emptied before
// and after each test.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/garde.h"
#include "base/texte.h"
#include "host/bibliotheque.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/boites.h"
#include "text/annulation.h"
#include "text/attributs_dessin.h"
#include "text/ecriture_figure.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/execution_texte.h"
#include "text/instantanes_figure.h"

namespace km32::annulation {

class BancAnnulation : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        initialiseBibliotheque();
        platform::reinitialiseBoites();
        reinitialiseInstantanes();
        reinitialiseAnnulation();
        reinitialiseCreation();
        reinitialiseAttributsDessin();
        reinitialiseExecutionLigne();
        reinitialiseEcritureFigure();
    }
    void TearDown() override {
        reinitialiseBibliotheque();
        reinitialiseInstantanes();
        reinitialiseAnnulation();
    }

    // Figure n (1 to 64) read from a text given in UTF-8 (lines only: the
    // header and end lines are added).
    TfigureKalmetra& figure(int n, const std::string& lignesUtf8) {
        auto f = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*f);
        f->numeroFigure = n;
        lis(*f, lignesUtf8);
        placeFigure(n, std::move(f));
        return *figureDeNumero(n);
    }

  public:
    // A figure outside the table, read the same way.
    static std::unique_ptr<TfigureKalmetra> figureSeule(const std::string& lignesUtf8) {
        auto f = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*f);
        lis(*f, lignesUtf8);
        return f;
    }
    static void lis(TfigureKalmetra& f, const std::string& lignesUtf8) {
        const GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        const std::string texte = "Figure Kalmetra\r\n" + lignesUtf8 + "Fin de la figure";
        ASSERT_EQ(executeTexteDeFigure(f, windows1252DeUtf8(texte), 1), 0) << lignesUtf8;
    }
    // One line run for real, as the host runs it.
    static uint16_t ligne(TfigureKalmetra& f, const std::string& utf8) {
        const GardeValeur<uint8_t> reelle(executionReelle(), 1);
        return executeLigneDeFigure(&f, windows1252DeUtf8(utf8), 0, 1);
    }
    static int numero(const TfigureKalmetra& f, const std::string& nom) {
        return numeroObjetDeNotation(f, nom);
    }
    // The user objects by name, in order.
    static std::string noms(const TfigureKalmetra& f) {
        std::string r;
        for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
            r += (r.empty() ? "" : " ") + nomObjet(f, i);
        return r;
    }
    // Two figures hold the same construction: counts, the used part of the
    // values, parents and operands, names, formulas, and every object.
    static void attendMemeConstruction(const TfigureKalmetra& a, const TfigureKalmetra& b) {
        ASSERT_EQ(a.nombreObjets, b.nombreObjets);
        ASSERT_EQ(a.valeursUtilisees, b.valeursUtilisees);
        ASSERT_EQ(a.parentsUtilises, b.parentsUtilises);
        ASSERT_EQ(a.expressionsUtilisees, b.expressionsUtilisees);
        ASSERT_EQ(a.octetsOperandesUtilises, b.octetsOperandesUtilises);
        EXPECT_EQ(a.texteDesNoms, b.texteDesNoms);
        EXPECT_EQ(a.texteDesFormules, b.texteDesFormules);
        for (int k = 1; k <= a.valeursUtilisees; ++k)
            EXPECT_NEAR(valeur(a, k), valeur(b, k), 1e-12) << "value " << k;
        for (int k = 1; k <= a.parentsUtilises; ++k)
            EXPECT_EQ(parent(a, k), parent(b, k)) << "parent " << k;
        for (int k = 1; k <= a.octetsOperandesUtilises; ++k)
            EXPECT_EQ(octetOperande(a, k), octetOperande(b, k)) << "operand byte " << k;
        for (int i = 1; i <= a.nombreObjets; ++i) {
            const TObjetFigure &x = objet(a, i), &y = objet(b, i);
            EXPECT_EQ(nomObjet(a, i), nomObjet(b, i)) << i;
            EXPECT_EQ(x.nature, y.nature) << i;
            EXPECT_EQ(x.codeConstruction, y.codeConstruction) << i;
            // The start of an empty run means nothing.
            EXPECT_EQ(x.nombreValeurs, y.nombreValeurs) << i;
            if (x.nombreValeurs) {
                EXPECT_EQ(x.premiereValeur, y.premiereValeur) << i;
            }
            EXPECT_EQ(x.nombreParents, y.nombreParents) << i;
            if (x.nombreParents) {
                EXPECT_EQ(x.premierParent, y.premierParent) << i;
            }
            EXPECT_EQ(x.nombreExpressions, y.nombreExpressions) << i;
            if (x.nombreExpressions) {
                EXPECT_EQ(x.premiereExpression, y.premiereExpression) << i;
            }
            EXPECT_EQ(x.uniteLongueur, y.uniteLongueur) << i;
            EXPECT_EQ(x.drapeaux, y.drapeaux) << i;
            EXPECT_EQ(x.style.drapeaux, y.style.drapeaux) << i;
            EXPECT_EQ(x.nonDefini, y.nonDefini) << i;
        }
    }
    static std::unique_ptr<TfigureKalmetra> copie(const TfigureKalmetra& f) {
        std::unique_ptr<TfigureKalmetra> c;
        copieFigure(f, c);
        return c;
    }
};

} // namespace km32::annulation
