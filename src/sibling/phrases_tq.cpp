#include "sibling/phrases_tq.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/texte.h"
#include "sibling/phrases_tq_textes.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {
struct PhraseTQ {
    uint16_t numero;
    std::array<std::string, 3> textes; // French, English, German, in Windows-1252
};

// The phrases converted to Windows-1252 once, sorted by number.
const std::vector<PhraseTQ>& phrases() {
    static const std::vector<PhraseTQ> table = [] {
        std::vector<PhraseTQ> t;
        for (const TextePhraseTQ& ligne : textesPhrasesTQ())
            t.push_back({ligne.numero,
                         {windows1252DeUtf8(ligne.francais), windows1252DeUtf8(ligne.anglais),
                          windows1252DeUtf8(ligne.allemand)}});
        std::sort(t.begin(), t.end(),
                  [](const PhraseTQ& a, const PhraseTQ& b) { return a.numero < b.numero; });
        return t;
    }();
    return table;
}

// 0 French, 1 English, 2 German; a word outside 1..3 reads as French.
std::size_t indiceLangue() {
    uint16_t langue = TQTableDesVariablesPartagees()->langueAppliquee;
    return (langue == 2 || langue == 3) ? langue - 1 : 0;
}
} // namespace

std::string TQphraseDeNumero(uint16_t numero) {
    const std::vector<PhraseTQ>& t = phrases();
    auto it = std::lower_bound(t.begin(), t.end(), numero,
                               [](const PhraseTQ& p, uint16_t n) { return p.numero < n; });
    if (it == t.end() || it->numero != numero) return {};
    return coupe(it->textes[indiceLangue()], 255);
}

std::string TQphraseSansEtCommercial(uint16_t numero) {
    std::string texte = TQphraseDeNumero(numero);
    std::erase(texte, '&');
    return texte;
}

void TQappliqueLangue(uint16_t langue) {
    if (langue < 1 || langue > 3) return;
    // The language the system applies is also the one it asks for: a figure
    // text read in another language comes back to it afterwards.
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    t->langueAppliquee = langue;
    t->langueDemandee = langue;
}

} // namespace km32
