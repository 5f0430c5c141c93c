#pragma once
// A started library and figures read from texts (UTF-8 in the tests,
// Windows-1252 in the library), single lines run on them for real, and the
// figures written back in the applied language.
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
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "text/attributs_dessin.h"
#include "text/ecriture_figure.h"
#include "text/execution_creation.h"
#include "text/execution_ligne.h"
#include "text/instantanes_figure.h"
#include "text/langue_texte.h"

namespace km32::reglages {

class BancReglages : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        initialiseBibliotheque();
        platform::reinitialiseBoites();
        reinitialiseInstantanes();
        reinitialiseCreation();
        reinitialiseAttributsDessin();
        reinitialiseExecutionLigne();
        reinitialiseEcritureFigure();
    }
    void TearDown() override {
        appliqueLangueSysteme(kLangueFrancaise);
        reinitialiseInstantanes();
        reinitialiseBibliotheque();
    }

    // A new figure with the text (Windows-1252) read in as a whole text;
    // the number of the first failing line in echec.
    static std::unique_ptr<TfigureKalmetra> lis(const std::string& texte, uint16_t* echec = nullptr,
                                                uint8_t mode = 1) {
        auto f = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*f);
        GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        const uint16_t r = executeTexteDeFigure(*f, texte, mode);
        if (echec) *echec = r;
        return f;
    }
    static std::unique_ptr<TfigureKalmetra> lisUtf8(const std::string& utf8, uint16_t* echec = nullptr) {
        return lis(windows1252DeUtf8(utf8), echec);
    }
    // One line (UTF-8) run for real on the figure, as the host runs it.
    static uint16_t ligne(TfigureKalmetra& f, const std::string& utf8) {
        GardeValeur<uint8_t> reelle(executionReelle(), 1);
        return executeLigneDeFigure(&f, windows1252DeUtf8(utf8), 0, 1);
    }
    // The figure written while the language is applied.
    static std::string ecrit(const TfigureKalmetra& f, uint16_t langue = kLangueFrancaise) {
        appliqueLangueSysteme(langue);
        std::string t = ecritTexteFigure(f);
        appliqueLangueSysteme(kLangueFrancaise);
        return t;
    }
    // The text of the first message box shown, in UTF-8.
    static std::string premiereBoite() {
        return platform::boitesDemandees().empty() ? std::string()
                                                   : utf8DeWindows1252(platform::boitesDemandees()[0].texte);
    }
};

} // namespace km32::reglages
