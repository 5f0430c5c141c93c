#include "sibling/textes_tq.h"

#include <cstring>

#include <unordered_map>

#include "platform/fichiers.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {
struct EtatTextes {
    std::vector<std::string> installes;
    std::unordered_map<uint32_t, std::string> conserves; // kept texts by id
    uint32_t prochainId = 1;
};

EtatTextes& etat() {
    static EtatTextes e;
    return e;
}

// The text up to its NUL, or false when it is longer than the limit.
bool texteBorne(const char* texte, std::string& sortie) {
    if (!texte) return false;
    std::size_t n = strnlen(texte, kTailleMaxTexteTQ + 1);
    if (n > kTailleMaxTexteTQ) return false;
    sortie.assign(texte, n);
    return true;
}

} // namespace

bool TQEnregistreTexte(const char* texte, std::string_view nomFichier) {
    std::string octets;
    if (!texteBorne(texte, octets) || nomFichier.empty() || nomFichier.size() > 255) return false;
    return platform::ecritFichier(nomFichier, octets);
}

void TQInstalleTexteFigureNouvelleEspace(const char* texte) {
    std::string copie;
    if (texteBorne(texte, copie)) etat().installes.push_back(std::move(copie));
}

const std::vector<std::string>& TQTextesInstalles() {
    return etat().installes;
}

void TQDefinitTexteFigureDefaut(std::string_view texte) {
    EtatTextes& e = etat();
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    e.conserves.erase(t->texteFigureDefaut);
    t->texteFigureDefaut = 0;
    if (texte.empty()) return;
    while (e.prochainId == 0 || e.conserves.count(e.prochainId))
        ++e.prochainId;
    uint32_t id = e.prochainId++;
    e.conserves[id] = std::string(texte);
    t->texteFigureDefaut = id;
}

const char* TQTexteFigureDefaut() {
    uint32_t id = TQTableDesVariablesPartagees()->texteFigureDefaut;
    if (id == 0) return nullptr;
    auto it = etat().conserves.find(id);
    return it == etat().conserves.end() ? nullptr : it->second.c_str();
}

void reinitialiseTextesTQ() {
    etat() = EtatTextes{};
}

} // namespace km32
