#pragma once
// A small phrase table for the recognition tests, per language, in place of
// the real phrase lookup. Texts are written in UTF-8 here and stored as
// Windows-1252, as the library holds them.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "base/texte.h"
#include "platform/boites.h"
#include "sibling/table_partagee.h"
#include "text/execution_ligne.h"
#include "text/langue_texte.h"
#include "text/source_phrases.h"

namespace km32::essai {

inline std::string w(const std::string& utf8) {
    return windows1252DeUtf8(utf8);
}

inline std::map<std::pair<uint16_t, uint16_t>, std::string>& phrases() {
    static std::map<std::pair<uint16_t, uint16_t>, std::string> p;
    return p;
}

inline std::string source(uint16_t numero) {
    auto it = phrases().find({TQTableDesVariablesPartagees()->langueAppliquee, numero});
    return it == phrases().end() ? std::string() : it->second;
}

// Phrase numero in a language, given in UTF-8.
inline void fixe(uint16_t langue, uint16_t numero, const std::string& texte) {
    phrases()[{langue, numero}] = w(texte);
}

inline void langue(uint16_t l) {
    TQTableDesVariablesPartagees()->langueAppliquee = l;
}

// Each test starts with French applied, no table built and the small table
// installed as the phrase source.
class AvecPhrases : public ::testing::Test {
  protected:
    void SetUp() override {
        termineLangueTexte();
        reinitialiseExecutionLigne();
        platform::reinitialiseBoites();
        phrases().clear();
        for (uint16_t l = 1; l <= 3; ++l) {
            fixe(l, 2254, "Figure Kalmetra");
            fixe(l, 2255, "Kalmetra figure (English)");
            fixe(l, 2256, "Kalmetra Figur (Deutsch)");
        }
        fixeSourcePhrases(source);
        langue(1);
        TQTableDesVariablesPartagees()->langueDemandee = 1;
    }
    void TearDown() override {
        termineLangueTexte();
        fixeSourcePhrases(nullptr);
        phrases().clear();
        platform::reinitialiseBoites();
        langue(0);
    }
};

} // namespace km32::essai
