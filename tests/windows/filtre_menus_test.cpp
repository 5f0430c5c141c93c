// The menu filter box as a user meets it: opened from the figure's pop-up
// menu, painted with its two titled lists and its buttons, its lines
// selected by clicks as a multi-selection list box selects them, entries
// moved with the buttons or dragged to the other list, scrolled, closed by
// OK, Cancel, the keys or the close box; and its bound form, which a real
// backend shows as toolkit lists, labels and buttons, driving the same
// handlers.
#include <algorithm>
#include <map>
#include <set>

#include "banc_fenetres.h"
#include "host/filtre_menus.h"
#include "host/filtre_menus_fenetre.h"
#include "host/forme_filtre_menus.h"
#include "host/menus_figure_codes.h"
#include "host/repartiteur.h"
#include "model/fenetres_figure.h"
#include "platform/aide.h"
#include "platform/ecran.h"
#include "platform/entrees.h"
#include "platform/formes_liees.h"
#include "platform/image_bitmap.h"
#include "platform/menus.h"
#include "phrases/phrase.h"
#include "platform/surfaces_fenetres.h"
#include "platform/trace_enregistre.h"
#include "sibling/table_partagee.h"
#include "text/annulation.h"

namespace km32::essais {
namespace {

namespace p = platform;

const char* const kFigure = "A point libre dans l'espace\r\n";

class FenetreFiltre : public BancFenetres {
  public: // the cases of a table call them
    // The box opened as a user opens it: its command picked in the figure's
    // pop-up menu.
    TBoiteFiltreMenu& ouvre() {
        if (n == 0) figureDeTexte(kFigure);
        p::choisitDansMenuSuivant(kCommandeFiltreMenus);
        KMAfficheMenu(n);
        p::distribueJusquAuRepos();
        TBoiteFiltreMenu* b = boiteFiltreMenu();
        EXPECT_NE(b, nullptr);
        return *b;
    }
    TBoiteFiltreMenu& b() { return *boiteFiltreMenu(); }

    void souris(uint32_t message, p::Point pt, uint32_t touches) {
        p::envoieMessage(b().fenetre, message, touches, p::lParamDeCoordonnees(pt.x, pt.y));
    }
    void clic(p::Point pt, uint32_t touches = 0) {
        const p::Fenetre f = b().fenetre;
        souris(p::WM_LBUTTONDOWN, pt, p::MK_LBUTTON | touches);
        if (boiteFiltreMenu() && boiteFiltreMenu()->fenetre == f) souris(p::WM_LBUTTONUP, pt, touches);
        p::distribueJusquAuRepos();
    }
    // A press at de, the mouse moved to vers with the button held, released there.
    void glisse(p::Point de, p::Point vers) {
        souris(p::WM_LBUTTONDOWN, de, p::MK_LBUTTON);
        souris(p::WM_MOUSEMOVE, {(de.x + vers.x) / 2, (de.y + vers.y) / 2}, p::MK_LBUTTON);
        souris(p::WM_MOUSEMOVE, vers, p::MK_LBUTTON);
        souris(p::WM_LBUTTONUP, vers, 0);
        p::distribueJusquAuRepos();
    }
    // The middle of line `ligne` of list k as it is scrolled now.
    p::Point ligne(int k, int ligne) {
        const TVueListeFiltre& v = b().vues[std::size_t(k)];
        return {v.cadre.gauche + 40,
                v.cadre.haut + 1 + (ligne - v.defilement.premiere) * kHauteurLigneFiltre + 8};
    }
    // A click on line l of list k, the list first scrolled to show it on
    // top when it is out of view (the scrolling has a test of its own).
    void clicLigne(int k, int l, uint32_t touches = 0) {
        TVueListeFiltre& v = b().vues[std::size_t(k)];
        const int visibles = (v.cadre.hauteur() - 2) / kHauteurLigneFiltre;
        if (l < v.defilement.premiere || l >= v.defilement.premiere + visibles)
            fixePremiereLigne(v.defilement, l);
        clic(ligne(k, l), touches);
    }
    void bouton(uint32_t tag) {
        const p::Rectangle r = b().boutons[tag];
        clic({(r.gauche + r.droite) / 2, (r.haut + r.bas) / 2});
    }
    std::set<int> selectionnees(int k) {
        std::set<int> s;
        const std::vector<bool>& sel = selectionDeListe(b(), k);
        for (std::size_t i = 0; i < sel.size(); ++i)
            if (sel[i]) s.insert(int(i));
        return s;
    }
    // The position of command c in list k, -1 when it is not there.
    int position(int k, uint16_t c) {
        const std::vector<uint16_t>& l = commandesDeListe(b(), k);
        const auto it = std::find(l.begin(), l.end(), c);
        return it == l.end() ? -1 : int(it - l.begin());
    }
    // The colour the box's window shows at a client pixel.
    uint32_t couleur(p::Point pt) {
        const p::Bitmap* s = p::surfaceDeFenetre(b().fenetre);
        EXPECT_NE(s, nullptr);
        return s ? s->pixel(pt.x, pt.y).value_or(0x123456) : 0x123456;
    }
    // The colour at the top row of line l of list k, beside its text.
    uint32_t couleurLigne(int k, int l) {
        const TVueListeFiltre& v = b().vues[std::size_t(k)];
        return couleur(
            {v.cadre.gauche + 3, v.cadre.haut + 1 + (l - v.defilement.premiere) * kHauteurLigneFiltre});
    }
};

TEST_F(FenetreFiltre, TheFigureMenuOpensTheBoxPaintedWithItsTitledListsAndButtons) {
    TBoiteFiltreMenu& boite = ouvre();
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeFiltreMenus);
    EXPECT_TRUE(p::estVisible(boite.fenetre));
    // The figure leaves less than the box's height: the box and its lists
    // are shortened to it, the buttons still inside.
    const p::Rectangle client = p::rectangleClient(boite.fenetre);
    EXPECT_EQ(client.bas, rectangleClientFigure(n).bas);
    EXPECT_EQ(boite.vues[kListeAutorises].cadre.bas, client.bas - 8);
    for (uint32_t tag = 1; tag <= kNombreBoutonsFiltre; ++tag) {
        EXPECT_LE(boite.boutons[tag].bas, client.bas) << tag;
        EXPECT_GE(boite.boutons[tag].gauche, boite.vues[kListeAutorises].cadre.droite) << tag;
        EXPECT_LE(boite.boutons[tag].droite, boite.vues[kListeInterdits].cadre.gauche) << tag;
    }
    // The paint shows both titles, the button captions and the first lines.
    const p::Bitmap* surface = p::surfaceDeFenetre(boite.fenetre);
    ASSERT_NE(surface, nullptr);
    std::set<std::string> textes;
    for (const p::Primitive& q : surface->journal()->primitives)
        if (q.type == p::TypePrimitive::Texte) textes.insert(q.texte);
    for (const std::string& t : {phraseDeNumero(11170), phraseDeNumero(11171), std::string(">>"),
                                 std::string("<<"), std::string("Ok"), phraseDeNumero(11252),
                                 phraseDeNumero(11251), libelleEntreeFiltre(boite, boite.listeAutorises[0])})
        EXPECT_TRUE(textes.count(t)) << t;
    // A line is not drawn below the list's frame.
    const int lignesVisibles = (boite.vues[0].cadre.hauteur() - 2) / kHauteurLigneFiltre + 1;
    EXPECT_FALSE(
        textes.count(libelleEntreeFiltre(boite, boite.listeAutorises[std::size_t(lignesVisibles + 1)])));
    EXPECT_EQ(couleurLigne(kListeAutorises, 0), p::kBlanc);
}

// Clicks select as a multi-selection list box selects: a plain click one
// line, Ctrl turns a line over, Shift a run from the last line clicked
// without Shift, Ctrl+Shift adds the run; a plain click on a selected line
// keeps the selection until the button is released without a drag.
TEST_F(FenetreFiltre, ClicksSelectLinesAsAMultiSelectionListDoes) {
    struct Clic {
        int ligne;
        uint32_t touches;
    };
    struct Cas {
        std::vector<Clic> clics;
        std::set<int> attendu;
    };
    const uint32_t maj = p::MK_SHIFT, ctrl = p::MK_CONTROL;
    const Cas cas[] = {
        {{{2, 0}}, {2}},
        {{{2, 0}, {5, 0}}, {5}},
        {{{2, 0}, {5, maj}}, {2, 3, 4, 5}},
        {{{5, 0}, {2, maj}}, {2, 3, 4, 5}},
        {{{2, 0}, {5, ctrl}}, {2, 5}},
        {{{2, 0}, {2, ctrl}}, {}},
        {{{2, 0}, {7, ctrl}, {9, maj}}, {7, 8, 9}},
        {{{2, 0}, {7, ctrl}, {9, maj | ctrl}}, {2, 7, 8, 9}},
        {{{2, 0}, {5, maj}, {3, 0}}, {3}},
        {{{3, maj}}, {3}}, // no anchor yet: Shift clicks one line
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::PrintToString(c.attendu));
        ouvre();
        for (const Clic& k : c.clics)
            clicLigne(kListeAutorises, k.ligne, k.touches);
        EXPECT_EQ(selectionnees(kListeAutorises), c.attendu);
        EXPECT_TRUE(selectionnees(kListeInterdits).empty());
        EXPECT_EQ(b().listeCourante, kListeAutorises);
        // The selected lines are painted on the highlight colour, the others white.
        for (int l = 0; l < 11; ++l)
            EXPECT_EQ(couleurLigne(kListeAutorises, l),
                      c.attendu.count(l) ? p::couleurTitreActif() : p::kBlanc)
                << l;
        p::envoieMessage(b().fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
        ASSERT_EQ(boiteFiltreMenu(), nullptr);
    }
}

TEST_F(FenetreFiltre, TheArrowButtonsForbidAndAllowTheSelectedEntries) {
    ouvre();
    // ">>" with nothing selected moves nothing.
    bouton(kTagFiltreInterdit);
    EXPECT_TRUE(b().listeInterdits.empty());
    // A heading forbidden takes its whole sub-menu along.
    const int titre = position(kListeAutorises, 262);
    ASSERT_GE(titre, 0);
    clicLigne(kListeAutorises, titre);
    bouton(kTagFiltreInterdit);
    const TEnsembleCommandes sousMenu = commandesDuSousMenu(262);
    EXPECT_EQ(b().listeInterdits.size(), sousMenu.count() + 1);
    EXPECT_GE(position(kListeInterdits, 262), 0);
    for (const uint16_t c : b().listeInterdits)
        EXPECT_TRUE(c == 262 || sousMenu.test(c)) << c;
    // Two of them allowed again: the heading comes back with them.
    clicLigne(kListeInterdits, 1);
    clicLigne(kListeInterdits, 2, p::MK_CONTROL);
    const uint16_t a = b().listeInterdits[1], c = b().listeInterdits[2];
    bouton(kTagFiltrePermis);
    EXPECT_GE(position(kListeAutorises, a), 0);
    EXPECT_GE(position(kListeAutorises, c), 0);
    EXPECT_GE(position(kListeAutorises, 262), 0);
    EXPECT_EQ(b().listeInterdits.size(), sousMenu.count() - 2);
    // OK gives the figure the set, and undo takes it back.
    const TEnsembleCommandes avant = fig().commandesAutorisees;
    bouton(kTagFiltreOk);
    EXPECT_EQ(boiteFiltreMenu(), nullptr);
    TEnsembleCommandes attendu = avant & ~sousMenu;
    attendu.set(a).set(c);
    EXPECT_EQ(fig().commandesAutorisees, attendu);
    TMessageFigure m{p::WM_COMMAND, 93, 0, 0};
    traiteMessageKMParNumero(n, m);
    EXPECT_EQ(fig().commandesAutorisees, avant);
}

// Every way out but OK leaves the figure's commands as they were.
TEST_F(FenetreFiltre, CancelTheKeysAndTheCloseBoxLeaveTheFigureAsItWas) {
    figureDeTexte(kFigure);
    const TEnsembleCommandes avant = fig().commandesAutorisees;
    const uint8_t annulations = etatAnnulation().nombre;
    struct Cas {
        const char* quoi;
        void (*ferme)(FenetreFiltre&);
    };
    const Cas cas[] = {
        {"Cancel", [](FenetreFiltre& t) { t.bouton(kTagFiltreAnnuler); }},
        {"Esc", [](FenetreFiltre& t) { p::envoieMessage(t.b().fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0); }},
        {"F4", [](FenetreFiltre& t) { p::envoieMessage(t.b().fenetre, p::WM_KEYDOWN, p::VK_F1 + 3, 0); }},
        {"close box", [](FenetreFiltre& t) { p::envoieMessage(t.b().fenetre, p::WM_CLOSE, 0, 0); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        ouvre();
        const p::Fenetre fenetre = b().fenetre;
        clicLigne(kListeAutorises, 0);
        clicLigne(kListeAutorises, 40, p::MK_SHIFT);
        bouton(kTagFiltreInterdit);
        ASSERT_FALSE(b().listeInterdits.empty());
        c.ferme(*this);
        p::distribueJusquAuRepos();
        EXPECT_EQ(boiteFiltreMenu(), nullptr);
        EXPECT_FALSE(p::estFenetre(fenetre));
        EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, 0);
        EXPECT_EQ(fig().commandesAutorisees, avant);
        EXPECT_EQ(etatAnnulation().nombre, annulations); // no undo step either
    }
    // Help asks for the box's topic and leaves it open.
    ouvre();
    p::aidesDemandees().clear();
    bouton(kTagFiltreAide);
    ASSERT_EQ(p::aidesDemandees().size(), 1u);
    EXPECT_EQ(p::aidesDemandees()[0].donnee, kAideFiltreMenus);
    EXPECT_NE(boiteFiltreMenu(), nullptr);
}

// Each entry shows the command's place in the menus, one blank, then its
// caption without "&".
TEST_F(FenetreFiltre, EachEntryShowsItsMenuPlaceThenItsCaption) {
    const TBoiteFiltreMenu& boite = ouvre();
    struct Cas {
        uint16_t commande;
        std::string libelle;
    };
    for (const Cas& c : {Cas{88, "5-1 Style crayon"}, Cas{235, "5 Divers"}, Cas{93, "6-6 Annuler"}})
        EXPECT_EQ(libelleEntreeFiltre(boite, c.commande), c.libelle) << c.commande;
    // The longest place, "2-11-10-4", still leaves its blank.
    const std::string long_ = libelleEntreeFiltre(boite, 145);
    EXPECT_EQ(long_.substr(0, 10), "2-11-10-4 ");
    for (const std::string& l : boite.libelles) {
        EXPECT_EQ(l.find('&'), std::string::npos) << l;
        EXPECT_LE(l.size(), 80u);
    }
}

TEST_F(FenetreFiltre, ADragOfTheSelectionOntoTheOtherListMovesIt) {
    ouvre();
    clicLigne(kListeAutorises, 3);
    clicLigne(kListeAutorises, 4, p::MK_CONTROL);
    const uint16_t c3 = b().listeAutorises[3], c4 = b().listeAutorises[4];
    const p::Point versInterdits{b().vues[kListeInterdits].cadre.gauche + 30,
                                 b().vues[kListeInterdits].cadre.haut + 30};
    // A drag that ends in the list it started from moves nothing, and a
    // press on a selected line keeps the selection for the drag.
    glisse(ligne(kListeAutorises, 4), ligne(kListeAutorises, 9));
    EXPECT_TRUE(b().listeInterdits.empty());
    EXPECT_EQ(selectionnees(kListeAutorises), (std::set<int>{3, 4}));
    glisse(ligne(kListeAutorises, 4), versInterdits);
    EXPECT_GE(position(kListeInterdits, c3), 0);
    EXPECT_GE(position(kListeInterdits, c4), 0);
    EXPECT_EQ(position(kListeAutorises, c3), -1);
    // And back: the forbidden list's selection dropped on the allowed list.
    clicLigne(kListeInterdits, position(kListeInterdits, c4));
    glisse(ligne(kListeInterdits, position(kListeInterdits, c4)), ligne(kListeAutorises, 0));
    EXPECT_GE(position(kListeAutorises, c4), 0);
    EXPECT_EQ(b().listeInterdits, std::vector<uint16_t>{c3});
    // A move shorter than the drag threshold is a click.
    const p::Point de = ligne(kListeAutorises, 6);
    glisse(de, {de.x + 3, de.y});
    EXPECT_EQ(selectionnees(kListeAutorises), (std::set<int>{6}));
    EXPECT_EQ(b().listeInterdits.size(), 1u);
}

TEST_F(FenetreFiltre, TheScrollBarTheWheelAndTheKeysBringTheLaterLinesIntoView) {
    ouvre();
    TVueListeFiltre& v = b().vues[kListeAutorises];
    const int n = int(b().listeAutorises.size());
    ASSERT_GT(n * kHauteurLigneFiltre, v.cadre.hauteur()); // the list needs its scroll bar
    // A press at the bottom of the bar shows the last lines.
    clic({v.cadre.droite - 4, v.cadre.bas - 3});
    EXPECT_GT(v.defilement.premiere, n - 10);
    EXPECT_TRUE(selectionnees(kListeAutorises).empty());
    // A click on a line then selects the line shown there.
    clicLigne(kListeAutorises, n - 1);
    EXPECT_EQ(selectionnees(kListeAutorises), std::set<int>{n - 1});
    EXPECT_EQ(couleurLigne(kListeAutorises, n - 1), p::couleurTitreActif());
    p::envoieMessage(b().fenetre, p::WM_KEYDOWN, p::VK_HOME, 0);
    EXPECT_EQ(v.defilement.premiere, 0);
    // One notch towards the user: three lines further.
    p::envoieMessage(b().fenetre, p::WM_MOUSEWHEEL, uint32_t(uint16_t(int16_t(-p::WHEEL_DELTA))) << 16, 0);
    EXPECT_EQ(v.defilement.premiere, kLignesParCranMolette);
    p::envoieMessage(b().fenetre, p::WM_KEYDOWN, p::VK_END, 0);
    EXPECT_EQ(v.defilement.premiere, n - 1);
    // A toolkit's list shows first the line the box shows first.
    EXPECT_EQ(p::formeLiee(b().fenetre)->etat().listes[0].premiereVisible, n - 1);
    // The bar held and moved to its top.
    souris(p::WM_LBUTTONDOWN, {v.cadre.droite - 4, v.cadre.bas - 3}, p::MK_LBUTTON);
    souris(p::WM_MOUSEMOVE, {v.cadre.droite - 4, v.cadre.haut + 1}, p::MK_LBUTTON);
    souris(p::WM_LBUTTONUP, {v.cadre.droite - 4, v.cadre.haut + 1}, 0);
    EXPECT_EQ(v.defilement.premiere, 0);
}

// The bound form shows what the box holds, where the box paints it, and
// the toolkit's selection and buttons drive the box's own handlers.
TEST_F(FenetreFiltre, TheBoundFormShowsTheListsAndTakesTheToolkitsSelection) {
    TBoiteFiltreMenu& boite = ouvre();
    const p::OperationsForme* o = p::formeLiee(boite.fenetre);
    ASSERT_NE(o, nullptr);
    ASSERT_TRUE(o->etat && o->choisitLignes && o->prendFocus);
    clicLigne(kListeAutorises, 1);
    clicLigne(kListeAutorises, 3, p::MK_CONTROL);
    p::FormeLiee forme = o->etat();
    ASSERT_EQ(forme.listes.size(), 2u);
    ASSERT_EQ(forme.etiquettes.size(), 2u);
    EXPECT_EQ(forme.etiquettes[0].texte, phraseDeNumero(11170));
    EXPECT_EQ(forme.etiquettes[1].texte, phraseDeNumero(11171));
    const p::Rectangle client = p::rectangleClient(boite.fenetre);
    auto dedans = [&](const p::Rectangle& r) {
        return r.gauche >= 0 && r.haut >= 0 && r.droite <= client.droite && r.bas <= client.bas &&
               !r.estVide();
    };
    auto separes = [](const p::Rectangle& a, const p::Rectangle& b) {
        return a.droite <= b.gauche || b.droite <= a.gauche || a.bas <= b.haut || b.bas <= a.haut;
    };
    std::vector<p::Rectangle> cadres;
    for (const p::ListeLiee& l : forme.listes) {
        const int k = l.numero == kListeLieeAutorises ? kListeAutorises : kListeInterdits;
        SCOPED_TRACE(k);
        EXPECT_TRUE(l.multiple);
        // Lines dragged from a list onto the other move as its button moves them.
        EXPECT_EQ(l.tagDepot, k == kListeAutorises ? kTagFiltreInterdit : kTagFiltrePermis);
        EXPECT_EQ(l.courant, k == kListeAutorises);
        EXPECT_EQ(l.cadre, boite.vues[std::size_t(k)].cadre);
        ASSERT_EQ(l.lignes.size(), commandesDeListe(boite, k).size());
        for (std::size_t i = 0; i < l.lignes.size(); ++i) {
            ASSERT_EQ(l.lignes[i].cellules.size(), 1u);
            EXPECT_EQ(l.lignes[i].cellules[0], libelleFiltreDeCommande(commandesDeListe(boite, k)[i]));
            EXPECT_EQ(l.lignes[i].selectionnee, k == kListeAutorises && (i == 1 || i == 3)) << i;
        }
        cadres.push_back(l.cadre);
    }
    std::map<uint32_t, std::string> libelles;
    for (const p::BoutonLie& bl : forme.boutons) {
        libelles[bl.tag] = bl.libelle;
        EXPECT_EQ(bl.cadre, boite.boutons[bl.tag]);
        EXPECT_EQ(bl.coche, -1);
        cadres.push_back(bl.cadre);
    }
    EXPECT_EQ(libelles, (std::map<uint32_t, std::string>{{kTagFiltreInterdit, ">>"},
                                                         {kTagFiltrePermis, "<<"},
                                                         {kTagFiltreOk, "Ok"},
                                                         {kTagFiltreAnnuler, phraseDeNumero(11252)},
                                                         {kTagFiltreAide, phraseDeNumero(11251)}}));
    for (const p::EtiquetteLiee& e : forme.etiquettes)
        cadres.push_back(e.cadre);
    for (std::size_t i = 0; i < cadres.size(); ++i) {
        EXPECT_TRUE(dedans(cadres[i])) << i;
        for (std::size_t j = i + 1; j < cadres.size(); ++j)
            EXPECT_TRUE(separes(cadres[i], cadres[j])) << i << " " << j;
    }

    // The toolkit's selection replaces the box's, as clicks would; then its
    // ">>" button and OK change the figure.
    const uint16_t premiere = boite.listeAutorises[0], cinquieme = boite.listeAutorises[4];
    std::vector<bool> choix(boite.listeAutorises.size(), false);
    choix[0] = choix[4] = true;
    o->choisitLignes(kListeLieeAutorises, choix);
    p::distribueJusquAuRepos();
    EXPECT_EQ(selectionnees(kListeAutorises), (std::set<int>{0, 4}));
    EXPECT_EQ(couleurLigne(kListeAutorises, 4), p::couleurTitreActif());
    o->prendFocus(kListeLieeInterdits);
    EXPECT_EQ(boite.listeCourante, kListeInterdits);
    EXPECT_TRUE(o->etat().listes[1].courant);
    // A selection longer than the list, or for a list the form lacks, is taken safely.
    o->choisitLignes(kListeLieeInterdits, std::vector<bool>(1000, true));
    o->choisitLignes(7, choix);
    p::envoieMessage(boite.fenetre, p::WM_COMMAND, kTagFiltreInterdit, 0);
    forme = o->etat();
    std::vector<std::string> interdits;
    for (const p::LigneListe& l : forme.listes[1].lignes)
        interdits.push_back(l.cellules[0]);
    EXPECT_NE(std::find(interdits.begin(), interdits.end(), libelleFiltreDeCommande(premiere)),
              interdits.end());
    EXPECT_NE(std::find(interdits.begin(), interdits.end(), libelleFiltreDeCommande(cinquieme)),
              interdits.end());
    const p::Fenetre fenetre = boite.fenetre;
    p::envoieMessage(fenetre, p::WM_COMMAND, kTagFiltreOk, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(boiteFiltreMenu(), nullptr);
    for (const uint16_t c : {premiere, cinquieme}) {
        const TEnsembleCommandes s = c >= 231 ? commandesDuSousMenu(c) : TEnsembleCommandes().set(c);
        EXPECT_TRUE((fig().commandesAutorisees & s).none()) << c;
    }
    EXPECT_EQ(p::formeLiee(fenetre), nullptr);
}

} // namespace
} // namespace km32::essais
