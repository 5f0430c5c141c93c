#include "platform/menus.h"

#include <map>
#include <vector>

#include "platform/messages.h"

namespace km32::platform {

namespace {

struct Entree {
    uint32_t identifiant = 0; // 0 for a separator
    Menu sousMenu = kAucunMenu;
    std::string libelle;
    bool separateur = false;
    bool grise = false;
    bool coche = false;
};

struct EtatMenus {
    std::map<Menu, std::vector<Entree>> table;
    Menu prochain = 1;
    std::optional<uint32_t> choixPrevu;
    ChoixMenuAffiche choixAffiche = nullptr;
    std::optional<AffichageMenu> dernier;
    int affichages = 0;
};

EtatMenus& etat() {
    static EtatMenus e;
    return e;
}

std::vector<Entree>* trouve(Menu m) {
    if (m == kAucunMenu) return nullptr;
    auto it = etat().table.find(m);
    return it == etat().table.end() ? nullptr : &it->second;
}

Entree* entree(Menu m, int position) {
    std::vector<Entree>* v = trouve(m);
    if (!v || position < 0 || position >= int(v->size())) return nullptr;
    return &(*v)[std::size_t(position)];
}

// The entry an element designates, by position or by identifier.
Entree* entreeDesignee(Menu m, uint32_t element, uint32_t drapeaux) {
    if (drapeaux & MF_BYPOSITION) return entree(m, int(element));
    Menu conteneur = kAucunMenu;
    int position = -1;
    if (!trouveElementMenu(m, element, conteneur, position)) return nullptr;
    return entree(conteneur, position);
}

} // namespace

Menu creeMenuContextuel() {
    const Menu m = etat().prochain++;
    etat().table[m];
    return m;
}

bool estMenu(Menu m) {
    return trouve(m) != nullptr;
}

bool detruitMenu(Menu m) {
    std::vector<Entree>* v = trouve(m);
    if (!v) return false;
    const std::vector<Entree> entrees = std::move(*v);
    etat().table.erase(m);
    for (const Entree& e : entrees)
        if (e.sousMenu != kAucunMenu) detruitMenu(e.sousMenu);
    return true;
}

bool ajouteElementMenu(Menu m, uint32_t identifiant, const std::string& libelle) {
    std::vector<Entree>* v = trouve(m);
    if (!v) return false;
    v->push_back({identifiant, kAucunMenu, libelle, false, false, false});
    return true;
}

bool ajouteSousMenu(Menu m, Menu sousMenu, const std::string& libelle) {
    std::vector<Entree>* v = trouve(m);
    // A menu never opens itself: the searches would not end.
    if (!v || !estMenu(sousMenu) || sousMenu == m) return false;
    v->push_back({kIdentifiantSousMenu, sousMenu, libelle, false, false, false});
    return true;
}

bool ajouteSeparateur(Menu m) {
    std::vector<Entree>* v = trouve(m);
    if (!v) return false;
    v->push_back({0, kAucunMenu, {}, true, false, false});
    return true;
}

bool supprimeElementMenu(Menu m, int position) {
    std::vector<Entree>* v = trouve(m);
    if (!entree(m, position)) return false;
    v->erase(v->begin() + position);
    return true;
}

int nombreElementsMenu(Menu m) {
    const std::vector<Entree>* v = trouve(m);
    return v ? int(v->size()) : -1;
}

uint32_t identifiantElementMenu(Menu m, int position) {
    const Entree* e = entree(m, position);
    return e ? e->identifiant : 0xFFFFFFFF;
}

Menu sousMenuElement(Menu m, int position) {
    const Entree* e = entree(m, position);
    return e ? e->sousMenu : kAucunMenu;
}

std::string libelleElementMenu(Menu m, int position, std::size_t maximum) {
    const Entree* e = entree(m, position);
    if (!e) return {};
    return e->libelle.substr(0, maximum);
}

bool estSeparateur(Menu m, int position) {
    const Entree* e = entree(m, position);
    return e && e->separateur;
}

bool elementGrise(Menu m, int position) {
    const Entree* e = entree(m, position);
    return e && e->grise;
}

bool elementCoche(Menu m, int position) {
    const Entree* e = entree(m, position);
    return e && e->coche;
}

bool trouveElementMenu(Menu m, uint32_t identifiant, Menu& conteneur, int& position) {
    const std::vector<Entree>* v = trouve(m);
    if (!v) return false;
    for (std::size_t k = 0; k < v->size(); ++k) {
        const Entree& e = (*v)[k];
        if (e.sousMenu != kAucunMenu) {
            if (trouveElementMenu(e.sousMenu, identifiant, conteneur, position)) return true;
        } else if (!e.separateur && e.identifiant == identifiant) {
            conteneur = m;
            position = int(k);
            return true;
        }
    }
    return false;
}

int32_t activeElementMenu(Menu m, uint32_t element, uint32_t drapeaux) {
    Entree* e = entreeDesignee(m, element, drapeaux);
    if (!e) return -1;
    const int32_t avant = e->grise ? int32_t(MF_GRAYED) : int32_t(MF_ENABLED);
    e->grise = (drapeaux & (MF_GRAYED | MF_DISABLED)) != 0;
    return avant;
}

int32_t cocheElementMenu(Menu m, uint32_t element, uint32_t drapeaux) {
    Entree* e = entreeDesignee(m, element, drapeaux);
    if (!e) return -1;
    const int32_t avant = e->coche ? int32_t(MF_CHECKED) : int32_t(MF_UNCHECKED);
    e->coche = (drapeaux & MF_CHECKED) != 0;
    return avant;
}

bool afficheMenuContextuel(Menu m, uint32_t drapeaux, Point point, Fenetre proprietaire) {
    if (!estMenu(m)) return false;
    EtatMenus& s = etat();
    s.dernier = AffichageMenu{m, drapeaux, point, proprietaire};
    ++s.affichages;
    std::optional<uint32_t> choix = s.choixPrevu;
    s.choixPrevu.reset();
    if (!choix && s.choixAffiche) choix = s.choixAffiche(m, drapeaux, point, proprietaire);
    if (!choix) return true;
    Menu conteneur = kAucunMenu;
    int position = -1;
    if (trouveElementMenu(m, *choix, conteneur, position) && !elementGrise(conteneur, position))
        posteMessage(proprietaire, WM_COMMAND, *choix, 0);
    return true;
}

void installeChoixMenuAffiche(ChoixMenuAffiche choix) {
    etat().choixAffiche = choix;
}

void choisitDansMenuSuivant(uint32_t identifiant) {
    etat().choixPrevu = identifiant;
}

std::optional<AffichageMenu> dernierMenuAffiche() {
    return etat().dernier;
}

int nombreMenusAffiches() {
    return etat().affichages;
}

std::size_t nombreDeMenus() {
    return etat().table.size();
}

void reinitialiseMenus() {
    // Handles are never given twice in a run, even across a reset.
    const Menu prochain = etat().prochain;
    etat() = EtatMenus{};
    etat().prochain = prochain;
}

} // namespace km32::platform
