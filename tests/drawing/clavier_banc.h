#pragma once
// A figure registered as number 1 with a drawing window and a host window,
// read from a figure text and drawn: its window's timers and notices reach
// the figure's dispatcher, the host records the notices it receives, and
// the clock is virtual.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/clavier.h"
#include "drawing/clavier_partage.h"
#include "host/repartiteur.h"
#include "drawing/rafraichissement.h"
#include "host/bibliotheque.h"
#include "host/repartiteur.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/hasard.h"
#include "platform/messages.h"
#include "platform/plateforme.h"
#include "text/execution_texte.h"

namespace km32::essai {

struct Avis {
    uint32_t code;
    int32_t objet;
};

class BancClavier : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        initialiseBibliotheque();
        platform::initialiseHasard(20261210); // the library seeds from the clock
        reinitialiseRepartiteur();
        reinitialisePartage();
    }
    void TearDown() override {
        videTableDesFigures();
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
    }

    // Figure n read from a text given in UTF-8 (each line ended by CR LF),
    // with a drawing window (and a host window when hote) and drawn.
    TfigureKalmetra& figure(int16_t n, const std::string& texte, bool hote = true) {
        auto g = std::make_unique<TfigureKalmetra>();
        initialiseFigureNeuve(*g);
        g->numeroFigure = n;
        TfigureKalmetra& f = *g;
        placeFigure(n, std::move(g));
        f.fenetreDessin = platform::creeFenetre(
            0, {0, 0, 491, 263},
            [n](platform::Fenetre, uint32_t m, uint32_t w, int32_t l) -> int32_t {
                if (m == kMessageValeursAImporter) {
                    if (TfigureKalmetra* h = figureDeNumero(n)) importeMouvement(*h);
                    return 0;
                }
                TMessageFigure message{m, w, l, 0};
                return traiteMessageKMParNumero(n, message);
            },
            false);
        if (hote) {
            f.fenetreHote = platform::creeFenetre(
                0, {0, 0, 600, 400},
                [this](platform::Fenetre, uint32_t m, uint32_t w, int32_t l) -> int32_t {
                    if (m == platform::WM_KEYUP) avis.push_back({w, l});
                    return 0;
                },
                false);
            f.fenetreForme = f.fenetreDessin;
        }
        reinitialiseFigure(f);
        const GardeValeur<uint8_t> reelle(executionReelle(), 1);
        EXPECT_EQ(executeTexteDeFigure(f, windows1252DeUtf8(texte), 1), 0);
        for (const auto& b : platform::boitesDemandees())
            ADD_FAILURE() << utf8DeWindows1252(b.texte);
        redessineFigure(f);
        return f;
    }

    // A key as the dispatcher receives it.
    static uint8_t touche(int16_t n, uint32_t vk, bool maj = false, bool ctrl = false) {
        platform::fixeModificateurs(maj, ctrl, false);
        TMessageFigure m{platform::WM_KEYDOWN, vk, 0, 0};
        const uint8_t r = traiteMessageKMParNumero(n, m);
        platform::fixeModificateurs(false, false, false);
        return r;
    }
    static uint8_t caractere(int16_t n, char c, bool maj = false) {
        platform::fixeModificateurs(maj, false, false);
        TMessageFigure m{platform::WM_CHAR, uint8_t(c), 0, 0};
        const uint8_t r = traiteMessageKMParNumero(n, m);
        platform::fixeModificateurs(false, false, false);
        return r;
    }

    static int numero(const TfigureKalmetra& f, const std::string& nom) {
        return numeroObjetDeNotation(f, nom);
    }
    static double v(const TfigureKalmetra& f, const std::string& nom, int k = 1) {
        const int i = numero(f, nom);
        EXPECT_NE(i, 0) << nom;
        return i == 0 ? 0 : valeurObjet(f, i, k);
    }

    std::vector<Avis> avis;
};

} // namespace km32::essai
