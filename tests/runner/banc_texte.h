#pragma once
// A started library (phrases, patterns and keywords of the three
// languages), an empty figure after reset, and helpers to run a whole text
// written in UTF-8 (turned into the library's Windows-1252 first).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "etat_texte_neuf.h"
#include "base/garde.h"
#include "base/texte.h"
#include "host/bibliotheque.h"
#include "model/expression_erreurs.h"
#include "model/figure.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/boites.h"
#include "text/attributs_dessin.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/execution_texte.h"
#include "text/instantanes_figure.h"
#include "point_essai.h"

namespace km32::essai {

using essais::attendPoint;
using essais::P3;

class BancTexte : public ::testing::Test {
  protected:
    std::unique_ptr<TfigureKalmetra> figure = std::make_unique<TfigureKalmetra>();
    TfigureKalmetra& f = *figure;

    void SetUp() override {
        essais::repartDeZeroPourLeTexte();
        initialiseFigureNeuve(f);
    }
    void TearDown() override {
        libereFigure(figure);
        reinitialiseInstantanes();
        reinitialiseBibliotheque();
    }

    // Runs a text given in UTF-8 as a text is read in (not for real).
    uint16_t lis(const std::string& utf8, uint8_t mode = 1) {
        GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        return executeTexteDeFigure(f, windows1252DeUtf8(utf8), mode);
    }
    // One line run for real, as the host runs it.
    uint16_t ligne(const std::string& utf8) {
        GardeValeur<uint8_t> reelle(executionReelle(), 1);
        return executeLigneDeFigure(&f, windows1252DeUtf8(utf8), 0, 1);
    }
    int numero(const std::string& nom) const { return numeroObjetDeNotation(f, nom); }
    P3 pt(const std::string& nom) const {
        const int i = numero(nom);
        EXPECT_NE(i, 0) << nom;
        if (i == 0) return {};
        return {valeurObjet(f, i, 1), valeurObjet(f, i, 2), valeurObjet(f, i, 3)};
    }
    double val(const std::string& nom) const {
        const int i = numero(nom);
        EXPECT_NE(i, 0) << nom;
        return i == 0 ? 0 : valeurObjet(f, i, 1);
    }
    bool defini(const std::string& nom) const {
        const int i = numero(nom);
        return i != 0 && objet(f, i).nonDefini == 0;
    }
    // The user objects by name, in order.
    std::string noms() const {
        std::string r;
        for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
            r += (r.empty() ? "" : " ") + nomObjet(f, i);
        return r;
    }
};

} // namespace km32::essai
