// The library's other windows laid out for the toolkit's real font, at its
// own scale and at 1.5 times it: the style palette, the table of values, the
// function given by values, the comment window (plain, and with mathematics
// it draws) and the comment editor, the figure text
// editor (alone, with its tree of phrases), the reminders window with both
// of its labels, the object picker and the menu filter. In each, no control lies over another
// or over what the window paints itself (cells, strips, heading lines, the
// editor's palette cells and drawing), every caption fits its widget, and
// everything stays inside the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "disposition_reelle.h"
#include "session_show.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fenetre_commentaire.h"
#include "host/fenetres/fonction_valeurs.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "host/fenetres/tableau_valeurs.h"
#include "host/filtre_menus.h"
#include "km32.h"
#include "drawing/designation.h"
#include "model/fenetres_figure.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/mesures_texte.h"

namespace km32::tests {
namespace {

namespace p = platform;

const std::string& kFigure = kFigureTableValeurs;

// One window: how it opens on the figure, its window once open, what it
// paints under its controls, and the faults of the controls it must show
// (none to check when empty).
struct CasAnnexe {
    const char* quoi;
    std::function<void(int16_t)> ouvre;
    std::function<uint32_t()> fenetre;
    std::function<std::vector<ZonePeinte>()> peint;
    std::function<std::vector<std::string>(const std::vector<ControleVu>&)> manques = {};
};

std::vector<ZonePeinte> rien() {
    return {};
}

// The palette opened with "not drawn" chosen: the sample shows its words.
void ouvrePaletteNonDessine(int16_t n) {
    ouvrePaletteStyles(*figureDeNumero(n));
    TFenetreStyle* s = paletteStyles();
    ASSERT_NE(s, nullptr);
    // Chosen in the model: a click on it would open the reminder picker too.
    s->celluleChoisie = 58;
    p::invalideFenetre(s->fenetre);
}

// The palette's cells but those whose words are the toolkit's labels (drawn
// and not drawn), its colour strip around the sample (which shows the words
// of not drawn) and the lines over its headings.
std::vector<ZonePeinte> peintPalette() {
    std::vector<ZonePeinte> z;
    const TFenetreStyle* s = paletteStyles();
    if (!s) return z;
    for (int c = 0; c < kNombreCellulesStyle; ++c)
        if (c != 57 && c != 58 && !s->cellules[std::size_t(c)].estVide())
            z.push_back({"cell " + std::to_string(c), s->cellules[std::size_t(c)]});
    const p::Rectangle &b = s->bande, &e = s->echantillon;
    for (const p::Rectangle& r :
         {p::Rectangle{b.gauche, b.haut, e.gauche, b.bas}, p::Rectangle{e.droite, b.haut, b.droite, b.bas},
          p::Rectangle{e.gauche, b.haut, e.droite, e.haut}, p::Rectangle{e.gauche, e.bas, e.droite, b.bas}})
        if (!r.estVide()) z.push_back({"colour strip", r});
    for (const TEnteteStyle& e : s->entetes)
        if (e.y > 0) z.push_back({"heading line", {0, e.y - 2, s->largeur, e.y - 1}});
    return z;
}

// The words of not drawn over the sample, the sample as large as their cell
// and between that cell and the buttons.
std::vector<std::string> manquesPalette(const std::vector<ControleVu>& vus) {
    const TFenetreStyle* s = paletteStyles();
    if (!s) return {"no palette"};
    std::vector<std::string> d;
    const p::Rectangle &e = s->echantillon, &c = s->cellules[58];
    if (e.largeur() < c.largeur() || e.hauteur() < c.hauteur())
        d.push_back("the sample is " + std::to_string(e.largeur()) + " x " + std::to_string(e.hauteur()) +
                    ", smaller than the cell's " + std::to_string(c.largeur()) + " x " +
                    std::to_string(c.hauteur()));
    if (e.haut < c.bas || e.bas > s->boutonRappel.haut) d.push_back("the sample is out of its place");
    const std::string mots = texteCelluleDessine(58);
    if (std::none_of(vus.begin(), vus.end(), [&](const ControleVu& v) {
            return v.genre == "label" && v.texte == mots && v.cadre.gauche >= e.gauche &&
                   v.cadre.haut >= e.haut && v.cadre.droite <= e.droite && v.cadre.bas <= e.bas;
        }))
        d.push_back("no label of the words of not drawn over the sample");
    return d;
}

// The comment editor's palette cells and the white box of the drawing.
std::vector<ZonePeinte> peintEditeurCommentaire() {
    std::vector<ZonePeinte> z;
    const TFenEditCom* e = editeurCommentaire();
    if (!e) return z;
    for (const p::Rectangle& r : e->cellulesPalette)
        z.push_back({"palette cell", r});
    z.push_back({"drawing", e->cadreBoiteDefilement});
    return z;
}

void commentaire(int16_t n, const char* texte) {
    figureDeNumero(n)->texteCommentaire = std::make_unique<std::string>(texte);
}

const std::vector<CasAnnexe>& cas() {
    static const std::vector<CasAnnexe> c = {
        {"style palette with not drawn chosen", ouvrePaletteNonDessine,
         [] { return paletteStyles() ? paletteStyles()->fenetre : 0u; }, peintPalette, manquesPalette},
        {"table of values", [](int16_t n) { KMExecuteCommande(n, "t"); },
         [] { return fenetreTableauDeValeurs() ? fenetreTableauDeValeurs()->fenetre : 0u; }, rien},
        {"function given by values", [](int16_t n) { ouvreFonctionParValeurs(*figureDeNumero(n)); },
         [] { return fenetreFonctionParValeurs() ? fenetreFonctionParValeurs()->fenetre : 0u; }, rien},
        {"comment window",
         [](int16_t n) {
             commentaire(n, "The segment AB and its two ends");
             KMAfficheCommentaire(n);
         },
         [] { return fenetreCommentaire() ? fenetreCommentaire()->fenetre : 0u; }, rien},
        {"comment window with mathematics",
         [](int16_t n) {
             commentaire(n, "The length $N$ of vec(u)");
             KMAfficheCommentaire(n);
         },
         [] { return fenetreCommentaire() ? fenetreCommentaire()->fenetre : 0u; },
         [] {
             return fenetreCommentaire()
                        ? std::vector<ZonePeinte>{{"comment", fenetreCommentaire()->cadreBoite}}
                        : std::vector<ZonePeinte>{};
         }},
        {"comment editor",
         [](int16_t n) {
             commentaire(n, "The segment AB");
             ouvreEditeurCommentaire(n);
         },
         [] { return editeurCommentaire() ? editeurCommentaire()->fenetre : 0u; }, peintEditeurCommentaire},
        {"figure text editor", [](int16_t n) { KMAfficheEditeurFigure(n); },
         [] { return fenetreEditeur() ? fenetreEditeur()->fenetre : 0u; }, rien},
        {"figure text editor with its tree of phrases",
         [](int16_t n) {
             KMAfficheEditeurFigure(n);
             if (TFenetreEditeur* e = fenetreEditeur()) ListedesphrasesClick(*e);
         },
         [] { return fenetreEditeur() ? fenetreEditeur()->fenetre : 0u; }, rien},
        {"reminders with both labels",
         [](int16_t n) {
             TfigureKalmetra& f = *figureDeNumero(n);
             // A blocked free real and an undefined point bring both labels.
             const int a = numeroObjetDeNotation(f, "a"), b = numeroObjetDeNotation(f, "B");
             ASSERT_TRUE(a > 0 && b > 0);
             changeDrapeauObjet(objet(f, a), 8, true);
             objet(f, b).nonDefini = 1;
             KMAfficheRappels(n);
         },
         [] { return fenetreRappels() ? fenetreRappels()->fenetre : 0u; }, rien},
        {"object picker",
         [](int16_t n) {
             // "Copy the reminders of the objects chosen", from the figure's menu.
             choisitRappelPourCommande(n, fenetreDeLaFigure(*figureDeNumero(n)), 106, 0,
                                       designationDeCommande(106));
         },
         [] { return choixRappels() ? choixRappels()->fenetre : 0u; }, rien},
        {"menu filter", [](int16_t n) { ouvreFiltreMenus(*figureDeNumero(n)); },
         [] { return boiteFiltreMenu() ? boiteFiltreMenu()->fenetre : 0u; }, rien},
    };
    return c;
}

class DispositionAnnexes : public ::testing::TestWithParam<double> {};

TEST_P(DispositionAnnexes, EveryWindowsControlsStandApartAndHoldTheirTexts) {
    if (const std::string raison = empecheEssaisGraphiques(); !raison.empty()) GTEST_SKIP() << raison;
    if (!dansEnfantAEchelle(GetParam())) return;
    BancReel banc(kFigure);
    ASSERT_TRUE(banc.empechement().empty()) << banc.empechement();
    ASSERT_TRUE(p::mesuresReelles());
    // A click on an empty place makes the figure active, as in km32 show.
    KMMouseDown(banc.figure(), 1, 0, 700, 550);
    KMMouseUp(banc.figure(), 1, 0, 700, 550);
    for (const CasAnnexe& c : cas()) {
        SCOPED_TRACE(c.quoi);
        c.ouvre(banc.figure());
        ASSERT_TRUE(banc.tourne([&] { return c.fenetre() != 0; })) << "the window did not open";
        const uint32_t fenetre = c.fenetre();
        ASSERT_TRUE(banc.attendsForme(fenetre)) << "its widgets did not show";
        const std::vector<ControleVu> vus = controlesVisibles(fenetre);
        EXPECT_FALSE(vus.empty());
        const std::vector<std::string> defauts =
            defautsDisposition(vus, c.peint(), p::rectangleClient(fenetre));
        EXPECT_TRUE(defauts.empty()) << enTexte(defauts);
        if (c.manques) {
            EXPECT_EQ(enTexte(c.manques(vus)), "");
        }
        fermeFenetreAnnexe();
        ASSERT_TRUE(banc.tourne([&] { return c.fenetre() == 0; })) << "the window did not close";
    }
}

INSTANTIATE_TEST_SUITE_P(Echelles, DispositionAnnexes, ::testing::Values(1.0, 1.5),
                         [](const ::testing::TestParamInfo<double>& i) {
                             return i.param == 1.0 ? std::string("Scale1") : std::string("Scale1_5");
                         });

} // namespace
} // namespace km32::tests
