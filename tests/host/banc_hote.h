#pragma once
// A host for the tests: a top-level window whose procedure records the
// notices it receives, the library started on the virtual clock, a
// function for KMInstalleAvisModification that records what it hears, and
// a helper that adds number objects to a figure by hand.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "host/bibliotheque.h"
#include "km32.h"
#include "model/figure.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/plateforme.h"

namespace km32::essais {

// The lines of a figure text, each ended by CR LF.
inline std::string texteDeLignes(const std::vector<std::string>& lignes) {
    std::string t;
    for (const std::string& l : lignes)
        t += l + "\r\n";
    return t;
}

// The text of a block the library handed over, the block freed (empty for
// no block).
inline std::string texteDeBloc(uint32_t bloc) {
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
}

// What the host's function given to KMInstalleAvisModification heard, in
// order: (figure number, modified flag). A test clears it before it acts.
inline std::vector<std::pair<int16_t, int32_t>> avisRecus;
inline void recoitAvis(int16_t numero, int32_t modifiee) {
    avisRecus.emplace_back(numero, modifiee);
}

class BancHote : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
        KMInitialise();
        hote = creeHote({100, 100, 500, 400});
    }
    void TearDown() override {
        reinitialiseBibliotheque();
        platform::reinitialisePlateforme();
    }

    // A visible top-level window that records the WM_KEYUP codes it receives.
    platform::Fenetre creeHote(const platform::Rectangle& cadre) {
        return platform::creeFenetre(
            0, cadre,
            [this](platform::Fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
                if (message == platform::WM_KEYUP) avis.push_back({wParam, lParam});
                return 0;
            },
            true);
    }

    TfigureKalmetra& figure(int16_t n) { return *figureDeNumero(n); }

    // A number object named nom, appended to figure n.
    int ajouteNombre(int16_t n, const std::string& nom, double valeur, uint8_t code, bool indefini = false) {
        TfigureKalmetra& f = figure(n);
        const int i = ++f.nombreObjets;
        TObjetFigure& o = f.objets[std::size_t(i)];
        o.nature = kNatureNombreReel;
        o.codeConstruction = code;
        o.nonDefini = indefini ? 1 : 0;
        o.debutNom = uint16_t(f.texteDesNoms.size() + 1);
        o.longueurNom = uint8_t(nom.size());
        f.texteDesNoms += nom;
        o.premiereValeur = uint16_t(++f.valeursUtilisees);
        o.nombreValeurs = 1;
        f.valeurs[o.premiereValeur] = valeur;
        return i;
    }

    struct Avis {
        uint32_t code;
        int32_t lParam;
        friend bool operator==(const Avis&, const Avis&) = default;
    };
    platform::Fenetre hote = 0;
    std::vector<Avis> avis;
};

} // namespace km32::essais
