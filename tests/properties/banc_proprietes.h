#pragma once
// A started library with its random generator seeded, figures made from
// texts written in UTF-8 through the exported functions, and test sentences
// asked through KMTestParTexte.
#include <gtest/gtest.h>

#include <string>

#include "base/texte.h"
#include "host/bibliotheque.h"
#include "km32.h"
#include "model/figure.h"
#include "model/table_figures.h"
#include "platform/boites.h"
#include "platform/hasard.h"
#include "platform/plateforme.h"

namespace km32::essais {

class BancProprietes : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        KMInitialise();
        platform::initialiseHasard(20240611);
        platform::boitesDemandees().clear();
    }
    void TearDown() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
    }

    // A figure made of lines written in UTF-8, one per "\n".
    int16_t figure(const std::string& lignes) {
        std::string texte;
        for (char c : lignes)
            texte += c == '\n' ? std::string("\r\n") : std::string(1, c);
        const int16_t n = KMCreeFigEtRenvoieNumero(0, nullptr, windows1252DeUtf8(texte).c_str(), nullptr);
        EXPECT_NE(n, 0);
        return n;
    }
    static int16_t teste(int16_t n, const std::string& phrase) {
        return KMTestParTexte(n, windows1252DeUtf8(phrase).c_str());
    }
    TfigureKalmetra& f(int16_t n) { return *figureDeNumero(n); }
};

} // namespace km32::essais
