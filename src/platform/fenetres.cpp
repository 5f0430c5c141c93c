#include "platform/fenetres.h"

#include "base/texte.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/entrees.h"
#include "platform/messages.h"
#include "platform/minuteries.h"
#include "platform/surfaces_fenetres.h"

namespace km32::platform {

namespace {

struct EtatFenetre {
    Fenetre parent = kAucuneFenetre;
    std::vector<Fenetre> enfants;
    Rectangle cadre;
    // Shared so that a procedure that destroys its own window or replaces its
    // procedure keeps running on a live copy until it returns.
    std::shared_ptr<const ProcedureFenetre> procedure;
    std::string titre;
    // The caption as a real backend shows it, in UTF-8, when a host gave it
    // so (a file's name in any script); empty: the caption read as Windows-1252.
    std::string titreAffiche;
    bool visible = false;
    uint32_t donnee = 0;
    bool enDestruction = false;
    // Invalid region and its place in the order of paints.
    bool aPeindre = false;
    Rectangle zoneInvalide;
    uint64_t ordrePeinture = 0;
    // The part being painted while WM_PAINT runs.
    Rectangle zoneEnPeinture;
};

struct EtatFenetres {
    std::map<Fenetre, EtatFenetre> table;
    Fenetre prochaine = 1;
    Fenetre active = kAucuneFenetre;
    Fenetre focus = kAucuneFenetre;
    uint64_t prochainOrdrePeinture = 1;
};

EtatFenetres& etat() {
    static EtatFenetres e;
    return e;
}

EtatFenetre* trouve(Fenetre f) {
    if (f == kAucuneFenetre) return nullptr;
    auto it = etat().table.find(f);
    return it == etat().table.end() ? nullptr : &it->second;
}

Rectangle cadreNormalise(const Rectangle& r) {
    return {r.gauche, r.haut, std::max(r.droite, r.gauche), std::max(r.bas, r.haut)};
}

void marqueAPeindre(EtatFenetre& w, const Rectangle& zone) {
    Rectangle client{0, 0, w.cadre.largeur(), w.cadre.hauteur()};
    Rectangle z = intersectionRectangles(zone, client);
    if (!w.aPeindre) {
        w.aPeindre = true;
        w.zoneInvalide = {};
        w.ordrePeinture = etat().prochainOrdrePeinture++;
    }
    w.zoneInvalide = unionRectangles(w.zoneInvalide, z);
}

} // namespace

Fenetre creeFenetre(const DescriptionFenetre& d) {
    EtatFenetres& e = etat();
    if (d.parent != kAucuneFenetre && !trouve(d.parent)) return kAucuneFenetre;
    // Handles are never given twice (0 is skipped should the counter wrap).
    while (e.prochaine == kAucuneFenetre || e.table.count(e.prochaine))
        ++e.prochaine;
    Fenetre f = e.prochaine++;
    EtatFenetre w;
    w.parent = d.parent;
    w.cadre = cadreNormalise(d.cadre);
    if (d.procedure) w.procedure = std::make_shared<const ProcedureFenetre>(d.procedure);
    w.titre = d.titre;
    w.visible = d.visible;
    w.donnee = d.donnee;
    e.table.emplace(f, std::move(w));
    if (EtatFenetre* p = trouve(d.parent)) p->enfants.push_back(f);
    if (d.visible) invalideFenetre(f);
    if (envoieMessage(f, WM_CREATE, 0, 0) == -1) {
        detruitFenetre(f);
        return kAucuneFenetre;
    }
    return estFenetre(f) ? f : kAucuneFenetre;
}

Fenetre creeFenetre(Fenetre parent, const Rectangle& cadre, ProcedureFenetre procedure, bool visible) {
    DescriptionFenetre d;
    d.parent = parent;
    d.cadre = cadre;
    d.procedure = std::move(procedure);
    d.visible = visible;
    return creeFenetre(d);
}

bool detruitFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w || w->enDestruction) return false;
    w->enDestruction = true;
    EtatFenetres& e = etat();
    if (e.active == f) e.active = kAucuneFenetre;
    if (e.focus == f) e.focus = kAucuneFenetre;
    if (fenetreCapture() == f) oublieCapture();
    envoieMessage(f, WM_DESTROY, 0, 0);
    // The procedure may have created or destroyed children meanwhile: take
    // the list as it is now, one child at a time.
    for (;;) {
        w = trouve(f);
        if (!w) break;
        auto it = std::find_if(w->enfants.begin(), w->enfants.end(), [](Fenetre c) {
            EtatFenetre* cw = trouve(c);
            return cw && !cw->enDestruction;
        });
        if (it == w->enfants.end()) break;
        detruitFenetre(*it);
    }
    w = trouve(f);
    if (!w) return true;
    if (EtatFenetre* p = trouve(w->parent)) std::erase(p->enfants, f);
    // Children still listed are being destroyed further up the stack: they
    // become top-level so that no one refers to a forgotten parent.
    for (Fenetre c : w->enfants)
        if (EtatFenetre* cw = trouve(c)) cw->parent = kAucuneFenetre;
    e.table.erase(f);
    purgeMessages(f, 0, 0);
    arreteMinuteriesDe(f);
    oublieSurfaceFenetre(f);
    if (e.active == f) e.active = kAucuneFenetre;
    if (e.focus == f) e.focus = kAucuneFenetre;
    if (fenetreCapture() == f) oublieCapture();
    return true;
}

bool estFenetre(Fenetre f) {
    return trouve(f) != nullptr;
}

std::size_t nombreDeFenetres() {
    return etat().table.size();
}

Fenetre parentFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? w->parent : kAucuneFenetre;
}

Fenetre ancetreRacine(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return kAucuneFenetre;
    while (EtatFenetre* p = trouve(w->parent)) {
        f = w->parent;
        w = p;
    }
    return f;
}

std::vector<Fenetre> enfantsFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? w->enfants : std::vector<Fenetre>{};
}

std::vector<Fenetre> fenetresRacines() {
    std::vector<Fenetre> racines;
    for (const auto& [f, w] : etat().table)
        if (w.parent == kAucuneFenetre && !w.enDestruction) racines.push_back(f);
    return racines;
}

bool estDescendant(Fenetre f, Fenetre ancetre) {
    EtatFenetre* w = trouve(f);
    if (!w || ancetre == kAucuneFenetre) return false;
    for (Fenetre p = w->parent; p != kAucuneFenetre; p = parentFenetre(p))
        if (p == ancetre) return true;
    return false;
}

bool changeParent(Fenetre f, Fenetre parent) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    if (parent != kAucuneFenetre && (!trouve(parent) || parent == f || estDescendant(parent, f)))
        return false;
    if (EtatFenetre* ancien = trouve(w->parent)) std::erase(ancien->enfants, f);
    w->parent = parent;
    if (EtatFenetre* p = trouve(parent)) p->enfants.push_back(f);
    return true;
}

Rectangle cadreFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? w->cadre : Rectangle{};
}

Rectangle rectangleClient(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? Rectangle{0, 0, w->cadre.largeur(), w->cadre.hauteur()} : Rectangle{};
}

Rectangle rectangleEcran(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return {};
    Point origine = clientVersEcran(f, {0, 0});
    return {origine.x, origine.y, origine.x + w->cadre.largeur(), origine.y + w->cadre.hauteur()};
}

bool placeFenetre(Fenetre f, const Rectangle& cadre) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    Rectangle nouveau = cadreNormalise(cadre);
    Rectangle ancien = w->cadre;
    w->cadre = nouveau;
    bool tailleChangee = nouveau.largeur() != ancien.largeur() || nouveau.hauteur() != ancien.hauteur();
    if (tailleChangee) invalideFenetre(f);
    if (nouveau.gauche != ancien.gauche || nouveau.haut != ancien.haut)
        envoieMessage(f, WM_MOVE, 0, lParamDeCoordonnees(nouveau.gauche, nouveau.haut));
    if (tailleChangee)
        envoieMessage(f, WM_SIZE, SIZE_RESTORED, lParamDeCoordonnees(nouveau.largeur(), nouveau.hauteur()));
    return true;
}

Point clientVersEcran(Fenetre f, Point p) {
    for (EtatFenetre* w = trouve(f); w; w = trouve(w->parent)) {
        p.x += w->cadre.gauche;
        p.y += w->cadre.haut;
    }
    return p;
}

Point ecranVersClient(Fenetre f, Point p) {
    for (EtatFenetre* w = trouve(f); w; w = trouve(w->parent)) {
        p.x -= w->cadre.gauche;
        p.y -= w->cadre.haut;
    }
    return p;
}

bool afficheFenetre(Fenetre f, bool visible) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    bool etaitCachee = !w->visible;
    w->visible = visible;
    if (visible && etaitCachee) invalideFenetre(f);
    return true;
}

bool estAffichee(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w && w->visible;
}

bool estVisible(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    for (; w; w = trouve(w->parent))
        if (!w->visible) return false;
    return true;
}

std::string titreFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? w->titre : std::string{};
}

bool changeTitreFenetre(Fenetre f, const std::string& titre) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    w->titre = titre;
    w->titreAffiche.clear();
    return true;
}

bool changeTitreFenetreUtf8(Fenetre f, const std::string& titre) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    w->titre = windows1252DeUtf8(titre);
    w->titreAffiche = titre;
    return true;
}

std::string titreAfficheFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return {};
    return w->titreAffiche.empty() ? utf8DeWindows1252(w->titre) : w->titreAffiche;
}

uint32_t donneeFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? w->donnee : 0;
}

bool changeDonneeFenetre(Fenetre f, uint32_t donnee) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    w->donnee = donnee;
    return true;
}

bool changeProcedureFenetre(Fenetre f, ProcedureFenetre procedure) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    w->procedure = procedure ? std::make_shared<const ProcedureFenetre>(std::move(procedure)) : nullptr;
    return true;
}

Fenetre activeFenetre(Fenetre f) {
    EtatFenetres& e = etat();
    Fenetre ancienne = e.active;
    if (f != kAucuneFenetre && !trouve(f)) return ancienne;
    if (f == ancienne) return ancienne;
    e.active = f;
    envoieMessage(ancienne, WM_ACTIVATE, WA_INACTIVE, int32_t(f));
    // The losing window may have activated another window meanwhile: then
    // that change stands and f hears nothing more.
    if (e.active == f) envoieMessage(f, WM_ACTIVATE, WA_ACTIVE, int32_t(ancienne));
    return ancienne;
}

Fenetre fenetreActive() {
    return etat().active;
}

Fenetre donneFocus(Fenetre f) {
    EtatFenetres& e = etat();
    Fenetre ancienne = e.focus;
    if (f != kAucuneFenetre && !trouve(f)) return ancienne;
    if (f == ancienne) return ancienne;
    e.focus = f;
    envoieMessage(ancienne, WM_KILLFOCUS, f, 0);
    if (e.focus == f) envoieMessage(f, WM_SETFOCUS, ancienne, 0);
    return ancienne;
}

Fenetre fenetreFocus() {
    return etat().focus;
}

bool invalideFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    marqueAPeindre(*w, {0, 0, w->cadre.largeur(), w->cadre.hauteur()});
    return true;
}

bool invalideRectangle(Fenetre f, const Rectangle& zone) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    marqueAPeindre(*w, zone);
    return true;
}

bool valideFenetre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return false;
    w->aPeindre = false;
    w->zoneInvalide = {};
    return true;
}

bool aPeindre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w && w->aPeindre;
}

Rectangle zoneInvalide(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w && w->aPeindre ? w->zoneInvalide : Rectangle{};
}

Rectangle zoneAPeindre(Fenetre f) {
    EtatFenetre* w = trouve(f);
    return w ? w->zoneEnPeinture : Rectangle{};
}

bool metAJourFenetre(Fenetre f) {
    if (!aPeindre(f) || !estVisible(f)) return false;
    commencePeinture(f);
    envoieMessage(f, WM_PAINT, 0, 0);
    terminePeinture(f);
    return true;
}

Fenetre prochaineFenetreAPeindre(Fenetre filtre) {
    Fenetre choisie = kAucuneFenetre;
    uint64_t ordre = 0;
    for (auto& [f, w] : etat().table) {
        if (!w.aPeindre || (filtre != kAucuneFenetre && f != filtre) || w.enDestruction) continue;
        if (choisie != kAucuneFenetre && w.ordrePeinture >= ordre) continue;
        if (!estVisible(f)) continue;
        choisie = f;
        ordre = w.ordrePeinture;
    }
    return choisie;
}

Rectangle commencePeinture(Fenetre f) {
    EtatFenetre* w = trouve(f);
    if (!w) return {};
    w->zoneEnPeinture = w->aPeindre ? w->zoneInvalide : Rectangle{};
    w->aPeindre = false;
    w->zoneInvalide = {};
    return w->zoneEnPeinture;
}

void terminePeinture(Fenetre f) {
    if (EtatFenetre* w = trouve(f)) w->zoneEnPeinture = {};
}

int32_t appelleProcedure(Fenetre f, uint32_t message, uint32_t wParam, int32_t lParam) {
    EtatFenetre* w = trouve(f);
    if (!w || !w->procedure) return 0;
    std::shared_ptr<const ProcedureFenetre> procedure = w->procedure;
    return (*procedure)(f, message, wParam, lParam);
}

void reinitialiseFenetres() {
    etat() = EtatFenetres{};
    // Handles start again from 1: no surface may stay behind for a new window.
    reinitialiseSurfacesFenetres();
}

} // namespace km32::platform
