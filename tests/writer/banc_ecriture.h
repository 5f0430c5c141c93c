#pragma once
// A started library and figures read from texts (UTF-8 in the tests,
// Windows-1252 in the library), written back with the writer.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "ecriture_essai.h"
#include "etat_texte_neuf.h"
#include "base/garde.h"
#include "base/texte.h"
#include "host/bibliotheque.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "text/attributs_dessin.h"
#include "text/ecriture_figure.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/instantanes_figure.h"
#include "text/langue_texte.h"

namespace km32::ecriture {

class BancEcriture : public ::testing::Test {
  protected:
    void SetUp() override {
        essais::repartDeZeroPourLeTexte();
        reinitialiseEcritureFigure();
    }
    void TearDown() override {
        reinitialiseInstantanes();
        reinitialiseBibliotheque();
    }

    // A new figure with the text (Windows-1252) read in as a file is; the
    // number of the first failing line in echec.
    std::unique_ptr<TfigureKalmetra> lis(const std::string& texte, uint16_t* echec = nullptr) {
        auto f = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*f);
        GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        const uint16_t r = executeTexteDeFigure(*f, texte, 1);
        if (echec) *echec = r;
        return f;
    }
    std::unique_ptr<TfigureKalmetra> lisUtf8(const std::string& utf8, uint16_t* echec = nullptr) {
        return lis(windows1252DeUtf8(utf8), echec);
    }
    // The figure written while the language is applied.
    static std::string ecrit(const TfigureKalmetra& f, uint16_t langue) {
        return essais::ecritEnLangue(f, langue);
    }
    static std::string premiereBoite() { return essais::premiereBoiteUtf8(); }
};

} // namespace km32::ecriture
