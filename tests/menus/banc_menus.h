#pragma once
// A hosted figure for the menu and dispatcher tests, and a walk of its menu
// that gives the headings above an item.
#include <vector>

#include "../host/banc_hote.h"
#include "host/menus_figure.h"
#include "host/repartiteur.h"
#include "phrases/phrase.h"
#include "platform/menus.h"

namespace km32::essais {

class BancMenus : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        ASSERT_EQ(KMCreeFigEtRenvoieNumero(hote, nullptr, nullptr, nullptr), 1);
    }
    TfigureKalmetra& f() { return figure(1); }

    // The captions of the sub-menus leading to the item of identifier id,
    // then the item's own caption; empty when the menu lacks it.
    static bool chemin(platform::Menu m, uint32_t id, std::vector<std::string>& legendes) {
        const int n = platform::nombreElementsMenu(m);
        for (int k = 0; k < n; ++k) {
            const std::string legende = platform::libelleElementMenu(m, k, 255);
            if (const platform::Menu sous = platform::sousMenuElement(m, k)) {
                legendes.push_back(legende);
                if (chemin(sous, id, legendes)) return true;
                legendes.pop_back();
            } else if (platform::identifiantElementMenu(m, k) == id && !platform::estSeparateur(m, k)) {
                legendes.push_back(legende);
                return true;
            }
        }
        return false;
    }
    static std::vector<std::string> cheminDe(platform::Menu m, uint32_t id) {
        std::vector<std::string> l;
        chemin(m, id, l);
        return l;
    }
    // The item of identifier id: greyed, checked.
    static bool grise(platform::Menu m, uint32_t id) {
        platform::Menu c = 0;
        int pos = -1;
        return platform::trouveElementMenu(m, id, c, pos) && platform::elementGrise(c, pos);
    }
    static bool coche(platform::Menu m, uint32_t id) {
        platform::Menu c = 0;
        int pos = -1;
        return platform::trouveElementMenu(m, id, c, pos) && platform::elementCoche(c, pos);
    }
};

} // namespace km32::essais
