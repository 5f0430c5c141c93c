#include "text/langue_texte.h"

#include <filesystem>
#include <system_error>

#include "base/texte.h"
#include "platform/aide.h"
#include "sibling/phrases_tq.h"
#include "sibling/table_partagee.h"
#include "text/mots_cles.h"
#include "text/reconnaissance.h"
#include "text/source_phrases.h"

namespace km32 {

namespace {

bool dansPremiereLigne(std::string_view mot, std::string_view texte) {
    if (mot.empty()) return false;
    const std::string_view premiere = texte.substr(0, texte.find_first_of("\r\n"));
    return premiere.find(mot) != std::string_view::npos;
}

} // namespace

void changeLangue(uint16_t langue) {
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    if (langue == 0 || langue == t->langueAppliquee) return;
    t->langueAppliquee = langue;
    construitTableMotsCles();
    tableDesModelesDeLangue(langue);
}

void appliqueLangueDemandee() {
    changeLangue(TQTableDesVariablesPartagees()->langueDemandee);
}

void appliqueLangueSysteme(uint16_t langue) {
    if (langue == 0) return;
    TQappliqueLangue(langue);
    construitTableMotsCles();
    tableDesModelesDeLangue(langue);
    verifieOrdreModelesUneFois();
}

uint8_t langueDuTexteFigure(std::string_view texte) {
    texte = texte.substr(0, texte.find('\0'));
    if (dansPremiereLigne(phraseDeSource(2255), texte)) return 2;
    if (dansPremiereLigne(phraseDeSource(2256), texte)) return 3;
    if (dansPremiereLigne(phraseDeSource(2254), texte)) return 1;
    return 0;
}

bool appelleAideKM32(uint32_t fenetre, uint16_t commande, uint16_t donnee) {
    const TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    const char* fichier = t->langueAppliquee == 2   ? "KM32en.HLP"
                          : t->langueAppliquee == 3 ? "KM32de.HLP"
                                                    : "KM32.HLP";
    const std::string repertoire = lisChaineCourte(t->repertoireAide);
    std::string chemin = repertoire + fichier;
    std::error_code erreur;
    if (!repertoire.empty() && !std::filesystem::exists(std::filesystem::path(chemin), erreur))
        chemin = fichier;
    return platform::demandeAide({fenetre, chemin, commande, donnee});
}

void initialiseLangueTexte() {
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    libereTablesDesModeles();
    // The tables are built from the phrases of the applied language; with
    // none applied yet they are built in French.
    // The word lives in a packed record, so it is put back by hand.
    struct RetablitLangue {
        TTableDesVariablesPartagees* t;
        uint16_t langue;
        ~RetablitLangue() { t->langueAppliquee = langue; }
    } retablit{t, t->langueAppliquee};
    if (t->langueAppliquee < 1 || t->langueAppliquee > 3) t->langueAppliquee = 1;
    construitTableMotsCles();
    tableDesModelesDeLangue(t->langueAppliquee);
    verifieOrdreModelesUneFois();
}

void termineLangueTexte() {
    libereTablesDesModeles();
    libereTableMotsCles();
    platform::aidesDemandees().clear();
}

} // namespace km32
