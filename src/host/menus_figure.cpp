#include "host/menus_figure.h"

#include <array>
#include <cctype>
#include <string_view>
#include <vector>

#include "host/menus_figure_codes.h"
#include "host/repartiteur.h"
#include "host/services_attendus.h"
#include "model/fenetres_figure.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "phrases/menus_phrases.h"
#include "phrases/phrase.h"
#include "platform/entrees.h"
#include "platform/messages.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace p = platform;

namespace {

// The menu tree: "h [ ... ]" is the sub-menu of heading h, "|" a separator,
// "P" the prototype entries of heading 119.
constexpr std::string_view kOrdreMenu =
    "232 [236 [240 [132 148 5 4 3 6 7 2 1 189 206] 241 [133 134 8 9] 10 161 244 [11 12] 245 [13 14] "
    "261 [202 203] 15 242 [16 17 18 19 20] 21 243 [29 | 25 26 139 | 24 105 | 137 | 27 28 | 136 140 192]] "
    "237 [246 [30 141 142 162 184 31 32 144 71 125] 258 [33 130] 259 [34 182] 251 [155 138 209 156 135] "
    "247 [146 147 151 35 36 173 210] 153 248 [23 37 131] 264 [219 218]] "
    "250 [204 205 157 190 158 143 214 166 191] 238 [187 39 40 | 38 104 | 159 160 | 41 42 | 43] "
    "239 [45 74 | 44 75 | 252 [46 48 164 47 165 163 50 | 49 167 168 185 51 52 186 208] 53 | "
    "260 [54 216 217 128] 101 102 103 | 129] 55 56 253 [57 58] | "
    "249 [257 [181 174 176 150 211 212 213] 172 188 197 201 175] | 119 [P] | 256 [59 113 60 170 126] | "
    "255 [62 63 64 72 76 73 | 65 67 66 | 263 [149 154 169 145] | 61 22 127 | 196]] "
    "233 [77 115 | 96 97 | 68 69 70 | 99 100 | 112] "
    "234 [84 82 83 | 78 79 | 80 85 178 117 | 86 87 | 183 215 | 199] "
    "235 [88 89 116 | 91 81 92 90 | 94 | 254 [107 108 110 109] 98 111 114 95] "
    "231 [123 124 106 | 118 120 | 93 122 | 121] "
    "262 [177 | 179 152 195 198 | 171 180 | 200 | 193 194]";

// Longest caption of a prototype entry.
constexpr std::size_t kLongueurTitrePrototype = 45;

// The menu of each figure number 1 to 64, with the figure it was built for
// (a menu left by a figure record that is gone is never handed to another)
// and the language of its captions.
struct EtatMenusFigures {
    std::array<p::Menu, 65> menus{};
    std::array<const TfigureKalmetra*, 65> figures{};
    std::array<uint16_t, 65> langues{};
};

EtatMenusFigures& etat() {
    static EtatMenusFigures e;
    return e;
}

bool numeroValide(int16_t numero) {
    return numero >= 1 && numero <= 64;
}

// Builds the menu from the tree text, one sub-menu level per call.
class ConstructeurMenu {
  public:
    ConstructeurMenu(const TEnsembleCommandes& a,
                     const std::vector<std::pair<uint16_t, std::string>>& prototypes)
        : autorisees_(a), prototypes_(prototypes) {}

    bool rubriquePermise(int h) const {
        if (h == kRubriquePrototypes) return !prototypes_.empty();
        return (commandesDuSousMenu(h) & autorisees_).any();
    }

    // Reads entries up to the closing bracket (or the end) into menu, which
    // is kAucunMenu when the sub-menu was not created.
    void lisNiveau(p::Menu menu) {
        while (true) {
            saute();
            if (pos_ >= kOrdreMenu.size()) return;
            const char c = kOrdreMenu[pos_];
            if (c == ']') {
                ++pos_;
                return;
            }
            if (c == '|') {
                ++pos_;
                const int n = p::nombreElementsMenu(menu);
                if (n > 0 && !p::estSeparateur(menu, n - 1)) p::ajouteSeparateur(menu);
                continue;
            }
            if (c == 'P') {
                ++pos_;
                if (menu != p::kAucunMenu)
                    for (const auto& [emplacement, titre] : prototypes_)
                        p::ajouteElementMenu(menu, kCommandePrototype + emplacement,
                                             titre.substr(0, kLongueurTitrePrototype));
                continue;
            }
            const int k = lisNombre();
            saute();
            if (pos_ < kOrdreMenu.size() && kOrdreMenu[pos_] == '[') {
                ++pos_;
                p::Menu sous = p::kAucunMenu;
                if (menu != p::kAucunMenu && rubriquePermise(k)) {
                    sous = p::creeMenuContextuel();
                    p::ajouteSousMenu(menu, sous, phraseDeNumero(uint16_t(k)));
                }
                lisNiveau(sous);
                // A sub-menu does not end with a separator.
                const int n = p::nombreElementsMenu(sous);
                if (n > 0 && p::estSeparateur(sous, n - 1)) p::supprimeElementMenu(sous, n - 1);
            } else if (menu != p::kAucunMenu && k < 256 && autorisees_.test(std::size_t(k))) {
                p::ajouteElementMenu(menu, uint32_t(k), phraseDeNumero(uint16_t(k)));
            }
        }
    }

  private:
    void saute() {
        while (pos_ < kOrdreMenu.size() && kOrdreMenu[pos_] == ' ')
            ++pos_;
    }
    int lisNombre() {
        int k = 0;
        while (pos_ < kOrdreMenu.size() && std::isdigit(static_cast<unsigned char>(kOrdreMenu[pos_])))
            k = k * 10 + (kOrdreMenu[pos_++] - '0');
        return k;
    }

    const TEnsembleCommandes& autorisees_;
    const std::vector<std::pair<uint16_t, std::string>>& prototypes_;
    std::size_t pos_ = 0;
};

bool enModeTrace(const TfigureKalmetra& f) {
    return f.modeTrace || f.modeTraceALaDemande;
}

bool planIsoleActif(const TfigureKalmetra& f) {
    return f.reglagePlanIsole != 0;
}

void ajoute(TEnsembleCommandes& s, std::initializer_list<int> commandes) {
    for (int k : commandes)
        s.set(std::size_t(k));
}
void ajoutePlage(TEnsembleCommandes& s, int premier, int dernier) {
    for (int k = premier; k <= dernier; ++k)
        s.set(std::size_t(k));
}

// The construction commands of the menus, and the other commands a trace
// mode or the replay takes from the host's menus.
TEnsembleCommandes commandesDeConstruction() {
    TEnsembleCommandes s;
    ajoutePlage(s, 1, 67), ajoutePlage(s, 71, 76), ajoutePlage(s, 101, 105), ajoute(s, {113});
    ajoutePlage(s, 125, 151), ajoutePlage(s, 153, 170), ajoutePlage(s, 172, 176), ajoute(s, {181, 182});
    ajoutePlage(s, 184, 192), ajoute(s, {196, 197}), ajoutePlage(s, 201, 206), ajoutePlage(s, 208, 214);
    ajoutePlage(s, 216, 219), ajoute(s, {232}), ajoutePlage(s, 249, 254);
    return s;
}

TEnsembleCommandes commandesMarquees(const TfigureKalmetra& f) {
    TEnsembleCommandes s;
    auto marque = [&s](int k, bool etat) { s.set(std::size_t(k), etat); };
    marque(178, estDessine(f.objets[1].style));
    marque(82, f.modeTrace != 0);
    marque(83, f.modeTraceALaDemande != 0);
    marque(121, f.imageLimitee != 0);
    marque(117, f.traitsEpais != 0);
    marque(99, f.horlogeEnMarche != 0);
    marque(183, f.filDeFer != 0);
    marque(215, f.partiesCacheesPointillees != 0);
    marque(193, f.projectionOblique != 0);
    marque(199, planIsoleActif(f));
    marque(200, f.planDeFaceMaintenu != 0);
    return s;
}

void ecritEnsemble(const TEnsembleCommandes& s, uint8_t* octets) {
    for (std::size_t k = 0; k < 32; ++k) {
        uint8_t o = 0;
        for (std::size_t b = 0; b < 8; ++b)
            if (s.test(k * 8 + b)) o = uint8_t(o | (1u << b));
        octets[k] = o;
    }
}

} // namespace

bool commandeAutorisee(const TfigureKalmetra& f, int commande) {
    return commande >= 1 && commande <= 255 && f.commandesAutorisees.test(std::size_t(commande));
}

p::Menu construitMenuFigure(const TEnsembleCommandes& autorisees, const TfigureKalmetra& f) {
    const std::vector<std::pair<uint16_t, std::string>> prototypes = prototypesDuMenu(f);
    ConstructeurMenu constructeur(autorisees, prototypes);
    bool uneRubrique = constructeur.rubriquePermise(kRubriquePrototypes);
    for (int h = 231; h <= 264 && !uneRubrique; ++h)
        uneRubrique = constructeur.rubriquePermise(h);
    if (!uneRubrique) return p::kAucunMenu;
    const p::Menu racine = p::creeMenuContextuel();
    constructeur.lisNiveau(racine);
    return racine;
}

p::Menu menuDeLaFigure(int16_t numero) {
    if (!numeroValide(numero)) return p::kAucunMenu;
    p::Menu& m = etat().menus[std::size_t(numero)];
    const TfigureKalmetra* f = figureOuRien(numero);
    if (m != p::kAucunMenu && (!p::estMenu(m) || etat().figures[std::size_t(numero)] != f)) videMenu(m);
    return m;
}

p::Menu menuConstruitDeLaFigure(TfigureKalmetra& f) {
    const int16_t numero = int16_t(f.numeroFigure);
    if (!numeroValide(numero)) return p::kAucunMenu;
    if (const p::Menu m = menuDeLaFigure(numero)) {
        f.menuContextuelConstruit = 1;
        return m;
    }
    const p::Menu m = construitMenuFigure(f.commandesAutorisees, f);
    if (m == p::kAucunMenu) return m;
    etat().menus[std::size_t(numero)] = m;
    etat().figures[std::size_t(numero)] = &f;
    etat().langues[std::size_t(numero)] = TQTableDesVariablesPartagees()->langueAppliquee;
    f.menuContextuelConstruit = 1;
    miseAjourMenuFigure(f);
    return m;
}

void miseAjourMenuFigure(TfigureKalmetra& f) {
    const int16_t numero = int16_t(f.numeroFigure);
    p::Menu menu = menuDeLaFigure(numero);
    // A copy of a figure (an undo state) does not own the figure's menu.
    if (menu != p::kAucunMenu && etat().figures[std::size_t(numero)] != &f) menu = p::kAucunMenu;
    if (menu != p::kAucunMenu) {
        TEnsembleCommandes& grisees = f.commandesGrisees;
        grisees.reset();
        decocheItemMenu(menu, 82);
        decocheItemMenu(menu, 83);
        for (int k = 1; k <= 255; ++k)
            if (f.commandesAutorisees.test(std::size_t(k))) activeItemMenu(menu, uint16_t(k));
        if (enModeTrace(f) || f.modePasAPas) {
            grisees.reset();
            ajoute(grisees, {84, 86, 87, 93, 106, 118, 120, 122, 232, 235});
            if (f.modeTrace) cocheItemMenu(menu, 82), ajoute(grisees, {83});
            if (f.modeTraceALaDemande) cocheItemMenu(menu, 83), ajoute(grisees, {82});
            if (f.modePasAPas) {
                cocheItemMenu(menu, 94);
                ajoute(grisees, {82, 83, 254});
                grisees.reset(94);
                grisees.reset(235);
            }
        }
        auto coche = [menu](uint16_t k, bool etat) {
            if (etat)
                cocheItemMenu(menu, k);
            else
                decocheItemMenu(menu, k);
        };
        coche(99, f.horlogeEnMarche != 0);
        coche(94, f.modePasAPas != 0);
        coche(112, f.importationActive != 0);
        coche(183, f.filDeFer != 0);
        if (f.filDeFer) grisees.set(215);
        coche(215, f.partiesCacheesPointillees != 0);
        coche(121, f.imageLimitee != 0);
        for (int k = 1; k <= 255; ++k)
            if (grisees.test(std::size_t(k))) griseItemMenu(menu, uint16_t(k));
        coche(178, estDessine(f.objets[1].style));
        coche(117, f.traitsEpais != 0);
        coche(80, f.nomsPointsAffiches != 0);
        coche(193, f.projectionOblique != 0);
        coche(199, planIsoleActif(f));
        coche(200, f.planDeFaceMaintenu != 0);
    }
    // One notice pending per window is enough to say that the state changed:
    // a host that does not run the message loop does not gather a pile of them.
    if (figureSansHote(f) && f.fenetreDessin != 0) {
        p::retireMessagesPostes({f.fenetreDessin, kMessageEtatMenus, 0, 0});
        p::posteMessage(f.fenetreDessin, kMessageEtatMenus, 0, 0);
    }
}

void retireAvisEtatMenus(uint32_t fenetreDessin) {
    if (fenetreDessin == 0) return;
    // Another figure without host in the same window still has its notice.
    for (int16_t n = 1; n <= kMaxFigures; ++n) {
        const TfigureKalmetra* autre = figureOuRien(n);
        if (autre && figureSansHote(*autre) && autre->fenetreDessin == fenetreDessin) return;
    }
    p::retireMessagesPostes({fenetreDessin, kMessageEtatMenus, 0, 0});
}

void detruitMenuFigure(int16_t numero) {
    if (!numeroValide(numero)) return;
    videMenu(etat().menus[std::size_t(numero)]);
    etat().figures[std::size_t(numero)] = nullptr;
    if (TfigureKalmetra* f = figureDeNumero(numero)) f->menuContextuelConstruit = 0;
}

void detruitMenusDUneAutreLangue(uint16_t langue) {
    for (int16_t n = 1; n <= 64; ++n)
        if (etat().menus[std::size_t(n)] != p::kAucunMenu && etat().langues[std::size_t(n)] != langue)
            detruitMenuFigure(n);
}

void afficheMenuFigure(int16_t numero) {
    if (!figureExiste(numero)) return;
    TfigureKalmetra& f = *figureDeNumero(numero);
    const p::Menu menu = menuConstruitDeLaFigure(f);
    if (menu == p::kAucunMenu) return;
    const uint32_t fenetre = f.fenetreDessin;
    p::afficheMenuContextuel(menu, p::TPM_RIGHTALIGN | p::TPM_BOTTOMALIGN, p::positionCurseur(), fenetre);
    const auto choix = p::regardeMessage(fenetre, p::WM_COMMAND, p::WM_COMMAND, true);
    if (!choix) return;
    TMessageFigure m;
    m.message = p::WM_COMMAND;
    m.wParam = choix->wParam;
    traiteMessageKMParNumero(numero, m);
}

EtatMenusHote etatMenusHote(const TfigureKalmetra& f) {
    EtatMenusHote e;
    e.trace = enModeTrace(f) ? 1 : 0;
    e.pasAPas = f.modePasAPas ? 1 : 0;
    e.actives = f.commandesAutorisees;
    TEnsembleCommandes communes = commandesDeConstruction();
    ajoute(communes, {68, 69, 70, 81, 88, 89, 90, 91, 92, 94, 95, 98, 107, 108, 109, 110, 111, 114, 116});
    if (enModeTrace(f)) {
        TEnsembleCommandes retirees = communes;
        ajoute(retirees, {84, 86, 87, 93, 106, 118, 120, 122});
        e.actives &= ~retirees;
    }
    if (f.modePasAPas) {
        TEnsembleCommandes retirees = communes;
        ajoute(retirees, {84, 93, 106, 118, 120, 122});
        e.actives &= ~retirees;
        e.actives.set(94);
    }
    if (f.modeTrace) e.actives.reset(83);
    if (f.modeTraceALaDemande) e.actives.reset(82);
    e.marquees = commandesMarquees(f);
    return e;
}

EtatMenusHote etatBoutonsHote(const TfigureKalmetra& f) {
    EtatMenusHote e;
    e.trace = enModeTrace(f) ? 1 : 0;
    e.pasAPas = f.modePasAPas ? 1 : 0;
    e.actives = f.commandesAutorisees;
    TEnsembleCommandes retirees;
    if (enModeTrace(f)) ajoute(retirees, {81, 86, 87, 88, 91});
    if (f.modePasAPas) ajoute(retirees, {81, 82, 83, 88, 91});
    if (f.modeTrace) ajoute(retirees, {83});
    if (f.modeTraceALaDemande) ajoute(retirees, {82});
    if (f.filDeFer) ajoute(retirees, {215});
    e.actives &= ~retirees;
    e.marquees = commandesMarquees(f);
    return e;
}

void ecritEtatMenus(const TfigureKalmetra& f, uint8_t* enregistrement) {
    const EtatMenusHote e = etatMenusHote(f);
    enregistrement[0] = e.trace;
    ecritEnsemble(e.actives, enregistrement + 1);
    ecritEnsemble(e.marquees, enregistrement + 33);
}

void ecritEtatBoutons(const TfigureKalmetra& f, uint8_t* enregistrement) {
    const EtatMenusHote e = etatBoutonsHote(f);
    enregistrement[0] = e.trace;
    enregistrement[1] = e.pasAPas;
    ecritEnsemble(e.actives, enregistrement + 2);
    ecritEnsemble(e.marquees, enregistrement + 34);
}

void reinitialiseMenusFigures() {
    for (p::Menu& m : etat().menus)
        videMenu(m);
    etat() = EtatMenusFigures{};
}

} // namespace km32
