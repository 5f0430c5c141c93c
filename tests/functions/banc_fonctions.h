#pragma once
// Figures with functions and sequences read from French figure texts, and
// readers of their values through the function records.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../runner/banc_texte.h"
#include "model/fonctions/fonctions.h"

namespace km32::essai {

class BancFonctions : public BancTexte {
  protected:
    // Runs the lines as one figure text; 0 when every line ran.
    uint16_t litFigure(const std::vector<std::string>& lignes) {
        std::string texte = "Figure Kalmetra\r\n";
        for (const std::string& l : lignes)
            texte += l + "\r\n";
        return lis(texte + "Fin de la figure");
    }
    // The value of function object nom at (x, y, z); nothing when undefined.
    std::optional<double> en(const std::string& nom, double x, double y = 0, double z = 0) const {
        const int n = numero(nom);
        EXPECT_NE(n, 0) << nom;
        if (n == 0) return std::nullopt;
        uint8_t nonDefini = 0;
        double r = 0;
        evalueFonctionDeObjet(f, n, nonDefini, r, x, y, z);
        if (nonDefini) return std::nullopt;
        return r;
    }
    // The phrase of the last message box shown (Windows-1252).
    static std::string dernierMessage() {
        const auto& boites = platform::boitesDemandees();
        return boites.empty() ? std::string() : boites.back().texte;
    }
};

} // namespace km32::essai
