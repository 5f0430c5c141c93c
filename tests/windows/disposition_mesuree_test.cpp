// The library's other windows laid out for a font larger than their own
// pixels (a measurer standing in for a toolkit whose texts come out some 1.6
// times as large): every control of a window's bound form holds what the
// measurer asks for its text, no two overlap, none covers what the window
// paints itself, everything stays inside the window, and the controls keep
// their order. Without a measurer the windows keep their own sizes.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "banc_fenetres.h"
#include "drawing/designation.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/editeur_commentaire.h"
#include "host/fenetres/editeur_figure.h"
#include "host/fenetres/fonction_valeurs.h"
#include "host/fenetres/palette_styles.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetres/rappels/fenetre_rappels.h"
#include "host/fenetres/tableau_valeurs.h"
#include "host/filtre_menus.h"
#include "model/fenetres_figure.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/formes_liees.h"
#include "platform/image_bitmap.h"
#include "platform/mesures_texte.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"

namespace km32::essais {
namespace {

namespace p = platform;
namespace fs = std::filesystem;

// 11 pixels a character and 27 a line; a button, a check box and an entry
// add their frames, a list line its padding.
p::TailleControle mesureLarge(p::GenreMesure genre, const std::string& texte, int caracteres) {
    int lignes = 1, colonnes = 0, colonne = 0;
    for (const char c : texte) {
        if (c == '\n') {
            ++lignes;
            colonne = 0;
            continue;
        }
        colonnes = std::max(colonnes, ++colonne);
    }
    switch (genre) {
    case p::GenreMesure::Etiquette:
        return {11 * colonnes, 27 * lignes};
    case p::GenreMesure::Bouton:
        return {11 * colonnes + 30, 34};
    case p::GenreMesure::Case:
        return {11 * colonnes + 40, 34};
    case p::GenreMesure::Champ:
        return {11 * caracteres + 12, 34};
    case p::GenreMesure::Combo:
        return {11 * colonnes + 50, 34};
    case p::GenreMesure::LigneListe:
        return {11 * colonnes + 8, 31};
    }
    return {};
}

bool seChevauchent(const p::Rectangle& a, const p::Rectangle& b) {
    return !a.estVide() && !b.estVide() && !p::intersectionRectangles(a, b).estVide();
}

bool dans(const p::Rectangle& r, const p::Rectangle& client) {
    return r.gauche >= client.gauche && r.haut >= client.haut && r.droite <= client.droite &&
           r.bas <= client.bas;
}

struct Controle {
    std::string quoi;
    p::Rectangle cadre;
    p::TailleControle besoin; // what the measurer asks for its text
};

std::vector<Controle> controles(const p::FormeLiee& forme) {
    std::vector<Controle> c;
    for (const p::ChampLie& ch : forme.champs)
        c.push_back({"entry " + std::to_string(ch.numero), ch.cadre, {}});
    for (const p::BoutonLie& b : forme.boutons)
        c.push_back({"button " + b.libelle, b.cadre,
                     b.coche >= 0 ? mesureLarge(p::GenreMesure::Case, b.libelle, 0)
                                  : mesureLarge(p::GenreMesure::Bouton, b.libelle, 0)});
    for (const p::EtiquetteLiee& e : forme.etiquettes)
        c.push_back({"label " + e.texte, e.cadre, mesureLarge(p::GenreMesure::Etiquette, e.texte, 0)});
    for (const p::ListeLiee& l : forme.listes)
        c.push_back({"list " + std::to_string(l.numero), l.cadre, {}});
    if (forme.caseFermeture) c.push_back({"close box", {}, {}});
    return c;
}

// The faults of a window's form, one sentence each.
std::vector<std::string> defauts(p::Fenetre fenetre, const std::vector<p::Rectangle>& peints) {
    std::vector<std::string> d;
    const p::OperationsForme* o = p::formeLiee(fenetre);
    if (!o || !o->etat) return {"no form"};
    const p::Rectangle client = p::rectangleClient(fenetre);
    std::vector<Controle> c = controles(o->etat());
    if (!c.empty() && c.back().quoi == "close box") c.back().cadre = p::cadreCaseFermeture(client);
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (!dans(c[i].cadre, client)) d.push_back(c[i].quoi + " out of the window");
        if (c[i].cadre.largeur() < c[i].besoin.largeur || c[i].cadre.hauteur() < c[i].besoin.hauteur)
            d.push_back(c[i].quoi + " smaller than its text");
        for (std::size_t j = i + 1; j < c.size(); ++j)
            if (seChevauchent(c[i].cadre, c[j].cadre)) d.push_back(c[i].quoi + " over " + c[j].quoi);
        for (const p::Rectangle& r : peints)
            if (seChevauchent(c[i].cadre, r)) d.push_back(c[i].quoi + " over what the window paints");
    }
    return d;
}

class DispositionMesuree : public BancFenetres {
  protected:
    void TearDown() override {
        p::installeMesureur({});
        BancFenetres::TearDown();
    }
    // The figure in a host window of km32 show's size, the larger font on.
    TfigureKalmetra& figure() {
        p::placeFenetre(hote, {0, 0, 800, 600});
        TfigureKalmetra& f =
            figureDeTexte("A point libre dans l'espace\r\n"
                          "B point libre dans l'espace\r\n"
                          "s segment [AB]\r\n"
                          "a réel libre de [-10,10]\r\n"
                          "d = a/4\r\n"
                          "t (touche T) tableau de (a,0) (d,2) à partir de 0 (pas 1) (5 lignes)\r\n");
        p::installeMesureur(mesureLarge);
        return f;
    }
    // The open window closed, as the next one's opening needs.
    static void ferme() {
        fermeFenetreAnnexe();
        p::distribueJusquAuRepos();
    }
};

TEST_F(DispositionMesuree, EachWindowGrowsToHoldItsTextsWithoutOverlaps) {
    TfigureKalmetra& f = figure();
    {
        TFenetreStyle& s = ouvreParCommande(kCommandeStyles, paletteStyles);
        // Not drawn chosen: the sample shows its words, over the strip.
        s.celluleChoisie = 58;
        std::vector<p::Rectangle> peints;
        for (int c = 0; c < kNombreCellulesStyle; ++c)
            if (c != 57 && c != 58) peints.push_back(s.cellules[std::size_t(c)]);
        const p::Rectangle &b = s.bande, &e = s.echantillon;
        for (const p::Rectangle& r : {p::Rectangle{b.gauche, b.haut, e.gauche, b.bas},
                                      p::Rectangle{e.droite, b.haut, b.droite, b.bas},
                                      p::Rectangle{e.gauche, b.haut, e.droite, e.haut},
                                      p::Rectangle{e.gauche, e.bas, e.droite, b.bas}})
            peints.push_back(r);
        const p::FormeLiee forme = p::formeLiee(s.fenetre)->etat();
        EXPECT_TRUE(std::any_of(forme.etiquettes.begin(), forme.etiquettes.end(),
                                [&](const p::EtiquetteLiee& l) {
                                    return l.texte == texteCelluleDessine(58) && dans(l.cadre, e);
                                }))
            << "the words of not drawn over the sample";
        EXPECT_GE(e.largeur(), s.cellules[58].largeur());
        EXPECT_GE(e.hauteur(), s.cellules[58].hauteur());
        EXPECT_LE(cadreEnteteStyle(s, s.entetes[5]).bas, e.haut);
        EXPECT_LE(e.bas, s.boutonRappel.haut);
        for (const TEnteteStyle& e : s.entetes)
            if (e.y > 0) peints.push_back({0, e.y - 2, s.largeur, e.y - 1});
        EXPECT_EQ(defauts(s.fenetre, peints), std::vector<std::string>{}) << "style palette";
        // The headings and their groups go down in their order.
        for (std::size_t k = 1; k < 7; ++k)
            EXPECT_LT(s.entetes[k - 1].y, s.entetes[k].y) << k;
        EXPECT_LT(cadreEnteteStyle(s, s.entetes[0]).bas, s.cellules[36].haut + 1);
        EXPECT_LT(s.cellules[42].bas, s.entetes[1].y);
        EXPECT_LE(s.cellules[58].bas, s.entetes[5].y - 2);
        EXPECT_GT(s.largeur, kLargeurPalette);
        ferme();
    }
    {
        TFenetreValFon& v = ouvreParCommande(kCommandeFonctionValeurs, fenetreFonctionParValeurs);
        EXPECT_EQ(defauts(v.fenetre, {}), std::vector<std::string>{}) << "function given by values";
        const DispositionGrille& d = v.disposition;
        // Each caption left of its entry, the check box and Add right of
        // them, the grid under them, the Edit menu right of the grid in its
        // order, OK, Cancel and Help from the left under it all.
        EXPECT_LE(d.inviteNom.droite, d.nom.gauche);
        EXPECT_LE(d.nom.droite, d.interpolation.gauche);
        EXPECT_LE(d.point.droite, d.ajouter.gauche);
        EXPECT_LE(d.nom.bas, d.point.haut);
        EXPECT_LE(d.point.bas, d.grille.haut);
        for (std::size_t k = 0; k < d.menu.size(); ++k) {
            EXPECT_LE(d.grille.droite, d.menu[k].gauche);
            if (k > 0) {
                EXPECT_LE(d.menu[k - 1].bas, d.menu[k].haut);
            }
        }
        EXPECT_LE(std::max(d.grille.bas, d.menu.back().bas), d.ok.haut);
        EXPECT_LE(d.ok.droite, d.annuler.gauche);
        EXPECT_LE(d.annuler.droite, d.aide.gauche);
        EXPECT_GT(d.largeur, kLargeurFenetreGrille);
        ferme();
    }
    {
        ASSERT_EQ(KMKeyPress(n, 't'), 1);
        TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(defauts(t->fenetre, {}), std::vector<std::string>{}) << "table of values";
        EXPECT_LE(t->cadreMenu.bas, t->cadreGrille.haut);
        ferme();
    }
    {
        TFenEditCom& e = ouvreParCommande(120, editeurCommentaire);
        std::vector<p::Rectangle> peints(e.cellulesPalette.begin(), e.cellulesPalette.end());
        peints.push_back(e.cadreBoiteDefilement);
        EXPECT_EQ(defauts(e.fenetre, peints), std::vector<std::string>{}) << "comment editor";
        EXPECT_GT(e.hauteurBande, kHauteurBandeEditeurCommentaire);
        ferme();
    }
    {
        TFenetreEditeur& e = ouvreParCommande(118, fenetreEditeur);
        EXPECT_EQ(defauts(e.fenetre, {}), std::vector<std::string>{}) << "figure text editor";
        ListedesphrasesClick(e);
        EXPECT_EQ(defauts(e.fenetre, {}), std::vector<std::string>{}) << "figure text editor and its tree";
        // A second text beside the first: its name's label and its buttons.
        const fs::path autre =
            fs::temp_directory_path() / ("km32-autre-" + std::to_string(getpid()) + ".k3v");
        { std::ofstream(autre) << "Figure Kalmetra\r\nA point libre dans l'espace\r\n"; }
        p::reponsesPrevues().push_back({p::kReponseOk, autre.string()});
        p::envoieMessage(e.fenetre, p::WM_COMMAND, kEdOuvrirAutreTexte, 0);
        p::distribueJusquAuRepos();
        fs::remove(autre);
        ASSERT_TRUE(e.panneauAutreTexteVisible);
        EXPECT_EQ(defauts(e.fenetre, {}), std::vector<std::string>{})
            << "figure text editor and a second text";
        // Closing asks nothing.
        e.texteModifie = 0;
        e.autreTexteModifie = 0;
        ferme();
    }
    {
        // A blocked free real and an undefined point bring both labels.
        changeDrapeauObjet(objet(f, numeroObjetDeNotation(f, "a")), 8, true);
        objet(f, numeroObjetDeNotation(f, "B")).nonDefini = 1;
        KMAfficheRappels(n);
        TKMrappels* r = fenetreRappels();
        ASSERT_NE(r, nullptr);
        ASSERT_TRUE(r->indisponibleVisible && r->nonValideVisible);
        EXPECT_EQ(defauts(r->fenetre, {}), std::vector<std::string>{}) << "reminders";
        ferme();
    }
    {
        choisitRappelPourCommande(n, fenetreDeLaFigure(f), 106, 0, designationDeCommande(106));
        TFenRaPour* c = choixRappels();
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(defauts(c->fenetre, {}), std::vector<std::string>{}) << "object picker";
        EXPECT_LT(c->cadreOk.droite, c->cadreAnnuler.gauche);
        EXPECT_LT(c->cadreAnnuler.droite, c->cadreAide.gauche);
        ferme();
    }
    {
        TBoiteFiltreMenu& b = ouvreParCommande(kCommandeFiltreMenus, boiteFiltreMenu);
        EXPECT_EQ(defauts(b.fenetre, {}), std::vector<std::string>{}) << "menu filter";
    }
}

// Headless nothing is measured: the windows keep their own pixels (and the
// pictures of them with it); the function grid paints its form's face under
// its controls, where the figure would show through.
TEST_F(DispositionMesuree, WithoutAMeasurerTheWindowsKeepTheirOwnSizesAndTheGridItsFace) {
    figure();
    p::installeMesureur({});
    {
        TFenetreStyle& s = ouvreParCommande(kCommandeStyles, paletteStyles);
        EXPECT_EQ(s.largeur, kLargeurPalette);
        EXPECT_EQ(s.hauteur, kHauteurLegendePalette + 407);
        EXPECT_EQ(s.cellules[57], (p::Rectangle{4, 301, 62, 324}));
        EXPECT_EQ(s.boutonFermer, (p::Rectangle{84, 377, 123, 402}));
        EXPECT_EQ(s.echantillon, (p::Rectangle{34, 344, 94, 369}));
        EXPECT_EQ(s.bande, (p::Rectangle{2, 349, 123, 374}));
        ferme();
    }
    {
        TFenetreValFon& v = ouvreParCommande(kCommandeFonctionValeurs, fenetreFonctionParValeurs);
        const DispositionGrille& d = v.disposition;
        EXPECT_EQ(p::rectangleClient(v.fenetre),
                  (p::Rectangle{0, 0, kLargeurFenetreGrille, kHauteurFenetreGrille}));
        EXPECT_EQ(d.nom, kCadreNom);
        EXPECT_EQ(d.ajouter, kCadreAjouter);
        EXPECT_EQ(d.grille, kCadreGrille);
        EXPECT_EQ(d.menu[5], cadreItemMenuGrille(5));
        EXPECT_EQ(d.aide, kCadreAide);
        p::invalideFenetre(v.fenetre);
        p::distribueJusquAuRepos();
        const p::Bitmap* surface = p::surfaceDeFenetre(v.fenetre);
        ASSERT_TRUE(surface && surface->journal());
        const auto& dessin = surface->journal()->primitives;
        EXPECT_TRUE(std::any_of(dessin.begin(), dessin.end(), [&](const p::Primitive& q) {
            return q.type == p::TypePrimitive::Rectangle && q.etat.brosse.couleur == p::kFaceFormulaire &&
                   q.rect.gauche <= 0 && q.rect.haut <= 0 && q.rect.droite >= kLargeurFenetreGrille &&
                   q.rect.bas >= kHauteurFenetreGrille;
        }));
        ferme();
    }
    {
        TFenEditCom& e = ouvreParCommande(120, editeurCommentaire);
        EXPECT_EQ(e.hauteurBande, kHauteurBandeEditeurCommentaire);
        EXPECT_EQ(e.cadreMemo1, (p::Rectangle{4, 32, 554, 152}));
        ferme();
    }
}

} // namespace
} // namespace km32::essais
