#pragma once
// Figures whose texts define constructions of their own in blocks and use
// them in later lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../runner/banc_texte.h"
#include "text/prototypes_texte.h"

namespace km32::essai {

// The block of the midpoint of two given points, used as "I milieu de CD".
inline const std::vector<std::string> kBlocMilieu = {
    "Début de [Milieu]",
    "A point donné",
    "B point donné",
    "M milieu du segment [AB]",
    "Description de l'interface",
    "M milieu de AB",
    "Premier point:",
    "Second point:",
    "Nom du milieu:",
    "Fin de [Milieu]",
};

// The centre of gravity of three given points, each named in a place of its own.
inline const std::vector<std::string> kBlocGravite = {
    "Début de [Gravité]",
    "P point donné",
    "Q point donné",
    "R point donné",
    "G centre de gravité du triangle PQR",
    "Description de l'interface",
    "G isobarycentre de P, Q et R",
    "Sommet 1:",
    "Sommet 2:",
    "Sommet 3:",
    "Centre:",
    "Un commentaire sur deux lignes,",
    "la seconde.",
    "Fin de [Gravité]",
};

class BancPrototypes : public BancTexte {
  protected:
    static std::vector<std::string> joint(std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    // Runs the lines as one figure text; 0 when every line ran, else the
    // number of the first failing line.
    uint16_t litFigure(const std::vector<std::string>& lignes) {
        std::string texte = "Figure Kalmetra\r\n";
        for (const std::string& l : lignes)
            texte += l + "\r\n";
        return lis(texte + "Fin de la figure");
    }
    int nombrePrototypes() const {
        if (!f.tableDesPrototypes) return -1;
        int n = 0;
        for (int k = 1; k <= kMaxPrototypes; ++k)
            if (f.tableDesPrototypes->prototypes[std::size_t(k)]) ++n;
        return n;
    }
    // The text of the last message box shown, in UTF-8.
    static std::string dernierMessage() {
        const auto& boites = platform::boitesDemandees();
        return boites.empty() ? std::string() : utf8DeWindows1252(boites.back().texte);
    }
};

} // namespace km32::essai
