#pragma once
// The bench of the save tests: the library started, an empty folder of the
// test's own, and a figure without host window holding one point.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "host/bibliotheque.h"
#include "km32.h"
#include "model/fenetres_figure.h"
#include "model/table_figures.h"
#include "platform/plateforme.h"

namespace km32::essais {

class BancSauvegarde : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        KMInitialise();
        dossier = std::filesystem::temp_directory_path() / ("km32-sauvegarde-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
        numero = KMCreeFigEtRenvoieNumero(0, nullptr,
                                          "Figure Kalmetra\r\nA point de coordonn\xE9"
                                          "es (1,2,3) dans le rep\xE8re Rxyz\r\nFin de la figure",
                                          "");
        ASSERT_GT(numero, 0);
        ASSERT_TRUE(figureSansHote(*figureDeNumero(numero)));
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
    }
    TfigureKalmetra& figure() { return *figureDeNumero(numero); }
    std::filesystem::path dossier;
    int16_t numero = 0;
};

} // namespace km32::essais
