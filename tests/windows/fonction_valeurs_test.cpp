// The window of a function given by values: opened by command 128 as a
// host sends it, points typed, pasted, copied and deleted, the undo ring,
// and OK that creates the function or gives an existing one its new table.
#include <cmath>

#include "banc_fenetres.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/fonction_valeurs.h"
#include "model/expression_erreurs.h"
#include "model/fonctions/fonctions.h"
#include "phrases/phrase.h"
#include "platform/aide.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/presse_papiers.h"
#include "platform/raccourcis.h"
#include "sibling/table_partagee.h"
#include "text/annulation.h"

namespace km32::essais {
namespace {

namespace p = platform;

class FonctionValeurs : public BancFenetres {
  protected:
    TFenetreValFon& ouvre() { return ouvreParCommande(kCommandeFonctionValeurs, fenetreFonctionParValeurs); }
    // Names the function, types its points (with interpolation) and confirms.
    void confirme(TFenetreValFon& v, const std::string& nom, std::initializer_list<const char*> lignes) {
        v.nom = nom;
        v.avecInterpolation = true;
        for (const char* ligne : lignes)
            tape(v, ligne);
        commande(v, kGrilleOk);
        p::distribueJusquAuRepos();
    }
    // A point typed in its field and entered with the Enter key.
    void tape(TFenetreValFon& v, const std::string& texte) {
        v.focus = ChampGrille::Point;
        v.point = texte;
        p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
    }
    void commande(const TFenetreValFon& v, CommandeGrille c) {
        p::envoieMessage(v.fenetre, p::WM_COMMAND, c, 0);
    }
    static std::vector<std::pair<double, double>> points(const TFonctionTable& t) {
        std::vector<std::pair<double, double>> r;
        for (int k = 1; k <= t.nombrePoints; ++k)
            r.emplace_back(t.x[std::size_t(k)], t.y[std::size_t(k)]);
        return r;
    }
    using Points = std::vector<std::pair<double, double>>;
};

TEST_F(FonctionValeurs, CommandOneHundredTwentyEightOpensAnEmptyTable) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    const TFenetreValFon& v = ouvre();
    EXPECT_EQ(TQTableDesVariablesPartagees()->codeAnnexe, kAnnexeFonctionValeurs);
    EXPECT_EQ(TQTableDesVariablesPartagees()->fenetreAnnexe, v.fenetre);
    EXPECT_EQ(f.commandeCourante, kCommandeFonctionValeurs);
    EXPECT_EQ(v.table.nombrePoints, 0);
    EXPECT_EQ(v.nombreLignes, 9);
    EXPECT_EQ(v.focus, ChampGrille::Nom);
    EXPECT_FALSE(v.defaireActif);
    EXPECT_FALSE(v.refaireActif);
    EXPECT_EQ(p::titreFenetre(v.fenetre), phraseDeNumero(4628));
    EXPECT_EQ(celluleGrille(v, 0, 0), phraseDeNumero(11176));
    EXPECT_EQ(v.legendes[kLegendeAjouter], phraseDeNumero(11175));
    EXPECT_EQ(v.legendes[kLegendeRefaire], phraseDeNumero(11003));
}

TEST_F(FonctionValeurs, TypedPointsAreSortedAndTheNextAntecedentIsProposed) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    tape(v, "  3 5 ");
    EXPECT_EQ(v.point, "");
    tape(v, "1 2");
    // 2 x 1 - 3: the step between the last two antecedents goes on.
    EXPECT_EQ(v.point, "-1 ");
    EXPECT_EQ(points(v.table), (Points{{1, 2}, {3, 5}}));
    EXPECT_EQ(celluleGrille(v, 1, 0), "1");
    EXPECT_EQ(celluleGrille(v, 2, 1), "5");
    EXPECT_EQ(celluleGrille(v, 3, 0), "");
    EXPECT_TRUE(v.defaireActif);
}

TEST_F(FonctionValeurs, AfterOneAndThreeTheFieldProposesFive) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    tape(v, "1 2");
    tape(v, "3 5");
    EXPECT_EQ(v.point, "5 ");
}

TEST_F(FonctionValeurs, ABadPointIsRefusedWithItsMessageAndChangesNothing) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    tape(v, "1 2");
    struct Cas {
        std::string texte;
        uint16_t erreur;
        std::string fautif;
    };
    for (const Cas& c : {Cas{"12", 675, ""}, Cas{"1,5 2", 624, "1,5"}, Cas{"4 x", 624, "x"},
                         Cas{"1e999 2", 624, "1e999"}, Cas{"3 -1e400", 624, "-1e400"}}) {
        p::boitesDemandees().clear();
        tape(v, c.texte);
        ASSERT_EQ(p::boitesDemandees().size(), 1u) << c.texte;
        nomErreur1() = c.fautif;
        EXPECT_EQ(p::boitesDemandees()[0].texte, texteErreurDeNumero(c.erreur)) << c.texte;
        EXPECT_EQ(points(v.table), (Points{{1, 2}})) << c.texte;
        EXPECT_EQ(v.nombreAnnulations, 1) << c.texte;
    }
    // An empty field is no error.
    p::boitesDemandees().clear();
    tape(v, "   ");
    EXPECT_TRUE(p::boitesDemandees().empty());
}

TEST_F(FonctionValeurs, PastedLinesTakeACommaAndTheLastUnendedLineIsIgnored) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    // Numbers too large for a double are no points: they would stand as
    // infinite abscissas, out of the table's order.
    ASSERT_TRUE(p::copieTexteDansPressePapiers(
        hote, " 1,5\t2 \r\nno point\r\n3\t4\n\n7 8\r\n1e999\t5\r\n1e999\t6\r\n8\t-1e400\r\n5\t6"));
    commande(v, kGrilleColler);
    EXPECT_EQ(points(v.table), (Points{{1.5, 2}, {3, 4}}));
    EXPECT_TRUE(p::boitesDemandees().empty());
    commande(v, kGrilleDefaire);
    EXPECT_EQ(v.table.nombrePoints, 0);
}

TEST_F(FonctionValeurs, CopyThenPasteGivesThePointsBackToSixDecimals) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    tape(v, "0.1234567 2");
    tape(v, "-1 0.25");
    tape(v, "10 -3.5");
    commande(v, kGrilleCopier);
    ASSERT_NE(p::textePressePapiers(), nullptr);
    const Points avant = points(v.table);
    v.selectionHaut = 1;
    v.selectionBas = v.table.nombrePoints;
    commande(v, kGrilleSupprimer);
    EXPECT_EQ(v.table.nombrePoints, 0);
    commande(v, kGrilleColler);
    const Points apres = points(v.table);
    ASSERT_EQ(apres.size(), avant.size());
    for (std::size_t k = 0; k < avant.size(); ++k) {
        EXPECT_DOUBLE_EQ(apres[k].first, std::round(avant[k].first * 1e6) / 1e6);
        EXPECT_DOUBLE_EQ(apres[k].second, std::round(avant[k].second * 1e6) / 1e6);
    }
}

TEST_F(FonctionValeurs, ConsecutiveDeletionsAreUndoneInOneStep) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    for (int k = 1; k <= 5; ++k)
        tape(v, std::to_string(k) + " " + std::to_string(k * k));
    const Points cinq = points(v.table);
    for (int fois = 0; fois < 3; ++fois) {
        v.selectionHaut = v.selectionBas = 1;
        commande(v, kGrilleSupprimer);
    }
    EXPECT_EQ(points(v.table), (Points{{4, 16}, {5, 25}}));
    EXPECT_EQ(v.table.xmin, 4);
    commande(v, kGrilleDefaire);
    EXPECT_EQ(points(v.table), cinq);
    commande(v, kGrilleRefaire);
    EXPECT_EQ(points(v.table), (Points{{4, 16}, {5, 25}}));
    // Deleting the last rows moves the largest antecedent; a selection past
    // the points does nothing.
    v.selectionHaut = 2;
    v.selectionBas = 9;
    commande(v, kGrilleSupprimer);
    EXPECT_EQ(points(v.table), (Points{{4, 16}}));
    EXPECT_EQ(v.table.xmax, 4);
    v.selectionHaut = v.selectionBas = 3;
    commande(v, kGrilleSupprimer);
    EXPECT_EQ(v.table.nombrePoints, 1);
}

// The shortcuts reach the grid by the route of a key typed in one of its
// controls: Ctrl+Z undoes, and Ctrl+Alt+Z, Ctrl+Shift+Z and Ctrl+Y redo;
// a key with Ctrl that is none of its shortcuts is left to the host.
TEST_F(FonctionValeurs, ItsShortcutsUndoAndRedoWhereverTheKeyIsTyped) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    tape(v, "1 1");
    tape(v, "2 4");
    const Points deux = points(v.table);
    struct Cas {
        const char* quoi;
        bool maj, alt;
        uint32_t touche;
    };
    for (const Cas& c : {Cas{"Ctrl+Alt+Z", false, true, 'Z'}, Cas{"Ctrl+Shift+Z", true, false, 'Z'},
                         Cas{"Ctrl+Y", false, false, 'Y'}}) {
        SCOPED_TRACE(c.quoi);
        p::fixeModificateurs(false, true, false);
        EXPECT_EQ(p::envoieMessage(v.fenetre, p::WM_RACCOURCI, 'Z', 0), 1);
        EXPECT_EQ(points(v.table), (Points{{1, 1}}));
        p::fixeModificateurs(c.maj, true, c.alt);
        EXPECT_EQ(p::envoieMessage(v.fenetre, p::WM_RACCOURCI, c.touche, 0), 1);
        EXPECT_EQ(points(v.table), deux);
    }
    p::fixeModificateurs(false, true, false);
    EXPECT_EQ(p::envoieMessage(v.fenetre, p::WM_RACCOURCI, 'S', 0), 0);
    p::fixeModificateurs(false, false, false);
    EXPECT_EQ(p::envoieMessage(v.fenetre, p::WM_RACCOURCI, 'Z', 0), 0);
    EXPECT_EQ(points(v.table), deux);
}

TEST_F(FonctionValeurs, TheUndoRingKeepsTheLastTenChanges) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    for (int k = 1; k <= 11; ++k)
        tape(v, std::to_string(k) + " 0");
    EXPECT_EQ(v.nombreAnnulations, 10);
    for (int fois = 1; fois <= 10; ++fois) {
        commande(v, kGrilleDefaire);
        EXPECT_EQ(v.table.nombrePoints, 11 - fois);
    }
    EXPECT_FALSE(v.defaireActif);
    EXPECT_TRUE(v.refaireActif);
    // The first point's step was dropped: one point stays.
    commande(v, kGrilleDefaire);
    EXPECT_EQ(v.table.nombrePoints, 1);
    commande(v, kGrilleRefaire);
    EXPECT_EQ(v.table.nombrePoints, 2);
    // A new change forgets what could be redone.
    tape(v, "20 0");
    EXPECT_FALSE(v.refaireActif);
    commande(v, kGrilleRefaire);
    EXPECT_EQ(v.table.nombrePoints, 3);
}

TEST_F(FonctionValeurs, OkCreatesTheFunctionWithItsTable) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    confirme(ouvre(), " h ", {"0 1", "4 9"});
    EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
    const int h = numeroObjetDeNomEtType(f, "h", kNatureFonction);
    ASSERT_NE(h, 0);
    EXPECT_EQ(objet(f, h).codeConstruction, kCommandeFonctionValeurs);
    const TFonctionTable* t = tableDeValeursDeObjet(f, h);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(points(*t), (Points{{0, 1}, {4, 9}}));
    // Linear between the points: h(1) = 1 + (9 - 1) / 4.
    KMExecuteLigneFig(n, windows1252DeUtf8("b = h(1)").c_str());
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "b"), 3.0);
}

TEST_F(FonctionValeurs, OkOnAnExistingFunctionRecomputesWhatDependsOnIt) {
    TfigureKalmetra& f = figureDeTexte("g fonction définie par valeurs (avec interpolation)\r\n"
                                       "a = g(2)\r\n");
    EXPECT_EQ(objet(f, numero("a")).nonDefini, 1); // no points yet
    confirme(ouvre(), "g", {"1 2", "3 6"});
    // Between (1, 2) and (3, 6): 2 + (2 - 1) * (6 - 2) / (3 - 1).
    EXPECT_EQ(objet(f, numero("a")).nonDefini, 0);
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "a"), 4.0);
    EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
    // One undo step gives the empty table back.
    KMMessage annule{p::WM_COMMAND, 93, 0, 0};
    traiteMessageKMParNumero(n, &annule);
    EXPECT_EQ(objet(*figureDeNumero(n), numero("a")).nonDefini, 1);
}

TEST_F(FonctionValeurs, EscapeCancelsAndCreatesNothing) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    const int objets = f.nombreObjets;
    TFenetreValFon& v = ouvre();
    v.nom = "h";
    tape(v, "0 1");
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
    p::distribueJusquAuRepos();
    EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
    EXPECT_EQ(f.nombreObjets, objets);
    EXPECT_EQ(f.modeCommande, kCommandeFonctionValeurs);
}

// The keys of each field: Up goes from the point to the name, Down and
// Enter from the name to the point; F1 and the help button open the
// window's topic; Esc and F4 cancel from every field.
TEST_F(FonctionValeurs, EachFieldsKeysMoveTheFocusOpenHelpOrCancel) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    const int objets = f.nombreObjets;
    constexpr uint32_t kF4 = p::VK_F1 + 3;
    struct Cas {
        ChampGrille champ;
        uint32_t touche; // 0: the help button
        ChampGrille apres;
        bool aide, ferme;
    };
    const Cas cas[] = {
        {ChampGrille::Point, p::VK_UP, ChampGrille::Nom, false, false},
        {ChampGrille::Nom, p::VK_DOWN, ChampGrille::Point, false, false},
        {ChampGrille::Nom, p::VK_RETURN, ChampGrille::Point, false, false},
        {ChampGrille::Nom, p::VK_F1, ChampGrille::Nom, true, false},
        {ChampGrille::Point, p::VK_F1, ChampGrille::Point, true, false},
        {ChampGrille::Tableau, p::VK_F1, ChampGrille::Tableau, true, false},
        {ChampGrille::Tableau, 0, ChampGrille::Tableau, true, false},
        {ChampGrille::Nom, p::VK_ESCAPE, ChampGrille::Nom, false, true},
        {ChampGrille::Point, kF4, ChampGrille::Point, false, true},
        {ChampGrille::Tableau, p::VK_ESCAPE, ChampGrille::Tableau, false, true},
        {ChampGrille::Nom, kF4, ChampGrille::Nom, false, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << int(c.champ) << " " << c.touche);
        TFenetreValFon& v = fenetreFonctionParValeurs() ? *fenetreFonctionParValeurs() : ouvre();
        v.nom = "h";
        v.focus = c.champ;
        f.modeCommande = 0;
        p::aidesDemandees().clear();
        if (c.touche)
            p::envoieMessage(v.fenetre, p::WM_KEYDOWN, c.touche, 0);
        else
            p::envoieMessage(v.fenetre, p::WM_COMMAND, kGrilleAide, 0);
        p::distribueJusquAuRepos();
        if (c.aide) {
            ASSERT_EQ(p::aidesDemandees().size(), 1u);
            EXPECT_EQ(p::aidesDemandees()[0].donnee, kCommandeFonctionValeurs);
        } else {
            EXPECT_TRUE(p::aidesDemandees().empty());
        }
        if (c.ferme) {
            EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
            EXPECT_EQ(f.modeCommande, kCommandeFonctionValeurs);
            EXPECT_EQ(f.nombreObjets, objets);
        } else {
            ASSERT_EQ(fenetreFonctionParValeurs(), &v);
            EXPECT_EQ(v.focus, c.apres);
        }
    }
}

TEST_F(FonctionValeurs, AFunctionLeftToRedefineComesWithItsNameAndTable) {
    TfigureKalmetra& f = figureDeTexte("g fonction définie par valeurs (sans interpolation)\r\n"
                                       "Valeurs pour g: (1,2) (3,6)\r\n");
    const int g = numero("g");
    ASSERT_NE(tableDeValeursDeObjet(f, g), nullptr);
    f.objetARedefinir = uint8_t(g);
    const TFenetreValFon& v = ouvre();
    EXPECT_EQ(f.objetARedefinir, 0);
    EXPECT_EQ(v.objetRedefini, g);
    EXPECT_EQ(v.nom, "g");
    EXPECT_EQ(points(v.table), points(*tableDeValeursDeObjet(f, g)));
    EXPECT_FALSE(v.avecInterpolation);
    EXPECT_EQ(v.focus, ChampGrille::Point);
}

// Command 91 on a function given by values, as a user gives it: the name
// typed in the dialog opens this window on the function's name and table;
// OK gives the function the edited table (and the written text holds it),
// Cancel leaves the old one.
TEST_F(FonctionValeurs, ModifyingAFunctionByValuesOpensItsTableAndOkOrCancelDecides) {
    const char* texte = "g fonction définie par valeurs (sans interpolation)\r\n"
                        "Valeurs pour g: (1,2) (3,6)\r\n";
    TfigureKalmetra& f = figureDeTexte(texte);
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        refaitFigure(texte);
        f.modifiee = 0;
        const int g = numero("g");
        TFenDialog& d = ouvreParCommande(91, fenetreDialogue);
        p::envoieMessage(d.fenetre, p::WM_CHAR, 'g', 0);
        p::envoieMessage(d.fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        TFenetreValFon* v = fenetreFonctionParValeurs();
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->objetRedefini, g);
        EXPECT_EQ(v->nom, "g");
        EXPECT_EQ(points(v->table), (Points{{1, 2}, {3, 6}}));
        EXPECT_EQ(celluleGrille(*v, 2, 0), "3");
        tape(*v, "2 10");
        if (ok)
            commande(*v, kGrilleOk);
        else
            p::envoieMessage(v->fenetre, p::WM_KEYDOWN, p::VK_ESCAPE, 0);
        p::distribueJusquAuRepos();
        EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
        const TFonctionTable* t = tableDeValeursDeObjet(f, g);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(points(*t), ok ? (Points{{1, 2}, {2, 10}, {3, 6}}) : (Points{{1, 2}, {3, 6}}));
        // A new table is a change a save must not miss.
        if (ok) {
            EXPECT_EQ(KMfigureModifiee(n), 1);
        }
        const uint32_t bloc = KMTexteFigure(n);
        const std::string ecrit = KMContenuBloc(bloc);
        KMLibereBloc(bloc);
        EXPECT_NE(ecrit.find(ok ? "Valeurs pour g: (1,2) (2,10) (3,6)" : "Valeurs pour g: (1,2) (3,6)"),
                  std::string::npos)
            << ecrit;
    }
}

TEST_F(FonctionValeurs, OkTurnsAFunctionByFormulaIntoOneByValues) {
    TfigureKalmetra& f = figureDeTexte("g fonction: x|->10*x\r\n"
                                       "a = g(2)\r\n");
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "a"), 20.0);
    confirme(ouvre(), "g", {"1 2", "3 6"});
    const int g = numero("g");
    EXPECT_EQ(objet(f, g).codeConstruction, kCommandeFonctionValeurs);
    EXPECT_LT(g, numero("a"));
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "a"), 4.0);
}

// A figure whose start line runs K nb times, nb read from g: a table after
// which nb is no whole count from 1 on (no value between points without
// interpolation, or 0) is refused as every road refuses such a change. The
// figure keeps its table and its text, which still checks; no undo step is
// taken and the window stays open with the edited table. A table that keeps
// nb a count is taken, its dependants recomputed, and one undo gives the
// former text back.
TEST_F(FonctionValeurs, OkRefusesATableAfterWhichAStartLineWouldNoLongerRun) {
    const std::string texte = "g fonction définie par valeurs (avec interpolation)\r\n"
                              "Valeurs pour g: (1,2) (3,2)\r\n"
                              "nb = g(2)\r\n"
                              "P point libre dans l'espace\r\n"
                              "K (touche k) position mémorisée de P\r\n"
                              "Démarrer en exécutant  nb fois les commandes K\r\n";
    const auto ecrit = [&] {
        const uint32_t bloc = KMTexteFigure(n);
        const std::string t = KMContenuBloc(bloc);
        KMLibereBloc(bloc);
        return t;
    };
    const struct {
        const char* quoi;
        bool interpolation;
        const char* milieu; // the point typed between (1,2) and (3,2)
        double nb;          // 0: refused
    } cas[] = {
        {"no value between the points", false, nullptr, 0},
        {"a count of 0", true, "2 0", 0},
        {"a count of 5", true, "2 5", 5},
    };
    figureDeTexte(texte);
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        refaitFigure(texte);
        const std::string avant = ecrit();
        ASSERT_EQ(KMValeurScalaireDouble(n, "nb"), 2);
        const int etapes = nombreInstantanesDeFigure(&fig());
        TFenetreValFon& v = ouvre();
        v.nom = "g";
        v.avecInterpolation = c.interpolation;
        tape(v, "1 2");
        tape(v, "3 2");
        if (c.milieu) tape(v, c.milieu);
        platform::boitesDemandees().clear();
        commande(v, kGrilleOk);
        p::distribueJusquAuRepos();
        const TFonctionTable* t = tableDeValeursDeObjet(fig(), numero("g"));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(KMVerifieTexteFigure(n), 0);
        if (c.nb == 0) {
            EXPECT_NE(fenetreFonctionParValeurs(), nullptr);
            EXPECT_EQ(points(*t), (Points{{1, 2}, {3, 2}}));
            EXPECT_EQ(t->interpolation, 1);
            EXPECT_EQ(ecrit(), avant);
            EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), 2);
            bool nommee = false;
            for (const auto& b : p::boitesDemandees())
                nommee = nommee || b.texte.find("nb fois les commandes K") != std::string::npos;
            EXPECT_TRUE(nommee);
            EXPECT_EQ(nombreInstantanesDeFigure(&fig()), etapes);
            demandeFermeture(*fenetreFonctionParValeurs());
            p::distribueJusquAuRepos();
        } else {
            EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
            EXPECT_EQ(KMValeurScalaireDouble(n, "nb"), c.nb);
            KMMessage annule{p::WM_COMMAND, 93, 0, 0};
            traiteMessageKMParNumero(n, &annule);
            EXPECT_EQ(ecrit(), avant);
        }
        EXPECT_EQ(fenetreFonctionParValeurs(), nullptr);
    }
}

TEST_F(FonctionValeurs, AFullTableRefusesTheNextPointAndABadNameKeepsTheWindowOpen) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    std::string texte;
    for (int k = 1; k <= kMaxPointsFonctionTable + 1; ++k)
        texte += std::to_string(k) + "\t" + std::to_string(2 * k) + "\r\n";
    ASSERT_TRUE(p::copieTexteDansPressePapiers(hote, texte));
    commande(v, kGrilleColler);
    // The 501st line is skipped without a word.
    EXPECT_EQ(v.table.nombrePoints, kMaxPointsFonctionTable);
    EXPECT_TRUE(p::boitesDemandees().empty());
    EXPECT_EQ(v.nombreLignes, kMaxPointsFonctionTable + 1);
    const int annulations = v.nombreAnnulations;
    tape(v, "1000 1");
    ASSERT_EQ(p::boitesDemandees().size(), 1u);
    EXPECT_EQ(p::boitesDemandees()[0].texte, texteErreurDeNumero(535));
    EXPECT_EQ(v.table.nombrePoints, kMaxPointsFonctionTable);
    EXPECT_EQ(v.table.x[kMaxPointsFonctionTable], kMaxPointsFonctionTable);
    EXPECT_EQ(v.nombreAnnulations, annulations);

    // A name that is no name: its error, and the window stays with its table.
    const int objets = f.nombreObjets;
    v.nom = "1x";
    commande(v, kGrilleOk);
    p::distribueJusquAuRepos();
    EXPECT_EQ(p::boitesDemandees().size(), 2u);
    EXPECT_EQ(fenetreFonctionParValeurs(), &v);
    EXPECT_EQ(v.table.nombrePoints, kMaxPointsFonctionTable);
    EXPECT_EQ(f.nombreObjets, objets);
}

TEST_F(FonctionValeurs, TypedFieldsKeepTheirLengthAndTheCheckBoxGivesTheInterpolation) {
    TfigureKalmetra& f = figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    const auto tapeTexte = [&](const std::string& texte) {
        for (const char c : texte)
            p::envoieMessage(v.fenetre, p::WM_CHAR, uint8_t(c), 0);
    };
    struct Cas {
        ChampGrille champ;
        std::string tape;
        std::string attendu;
    };
    // The name keeps 4 characters and the point 30; Backspace takes one off.
    for (const Cas& c : {Cas{ChampGrille::Nom, "hauteur", "haut"}, Cas{ChampGrille::Nom, "\b\b", "ha"},
                         Cas{ChampGrille::Point, std::string(35, '7'), std::string(30, '7')},
                         Cas{ChampGrille::Point, "\b", std::string(29, '7')}}) {
        v.focus = c.champ;
        tapeTexte(c.tape);
        EXPECT_EQ(c.champ == ChampGrille::Nom ? v.nom : v.point, c.attendu) << c.tape;
    }
    // The grid takes no text.
    v.focus = ChampGrille::Tableau;
    tapeTexte("x");
    EXPECT_EQ(v.nom, "ha");
    v.point.clear();
    v.focus = ChampGrille::Point;
    tapeTexte("0 1");
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
    tapeTexte("2 5");
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_RETURN, 0);
    EXPECT_EQ(points(v.table), (Points{{0, 1}, {2, 5}}));
    // The check box shows the new table's flag (off), goes on and off
    // again: values at the points only.
    EXPECT_FALSE(v.avecInterpolation);
    commande(v, kGrilleInterpolation);
    EXPECT_TRUE(v.avecInterpolation);
    commande(v, kGrilleInterpolation);
    EXPECT_FALSE(v.avecInterpolation);
    commande(v, kGrilleOk);
    p::distribueJusquAuRepos();
    const int ha = numeroObjetDeNomEtType(f, "ha", kNatureFonction);
    ASSERT_NE(ha, 0);
    ASSERT_NE(tableDeValeursDeObjet(f, ha), nullptr);
    EXPECT_EQ(tableDeValeursDeObjet(f, ha)->interpolation, 0);
    KMExecuteLigneFig(n, "b = ha(1)");
    KMExecuteLigneFig(n, "c = ha(2)");
    EXPECT_EQ(objet(f, numero("b")).nonDefini, 1);
    EXPECT_DOUBLE_EQ(KMValeurScalaireDouble(n, "c"), 5.0);
}

TEST_F(FonctionValeurs, TheEditMenuShortcutsWorkFromAnyField) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    tape(v, "1 1");
    tape(v, "2 4");
    tape(v, "3 9");
    const Points trois = points(v.table);
    struct Cas {
        uint32_t touche;
        bool alt;
        std::size_t points;
    };
    // Ctrl+Z undoes the third point and Ctrl+Alt+Z does it again; Ctrl+A and
    // Ctrl+C copy everything, Ctrl+Del deletes it and Ctrl+V pastes it back.
    for (const Cas c : {Cas{'Z', false, 2}, Cas{'Z', true, 3}, Cas{'A', false, 3}, Cas{'C', false, 3},
                        Cas{p::VK_DELETE, false, 0}, Cas{'V', false, 3}}) {
        p::fixeModificateurs(false, true, c.alt);
        p::envoieMessage(v.fenetre, p::WM_KEYDOWN, c.touche, 0);
        EXPECT_EQ(points(v.table).size(), c.points) << c.touche;
    }
    EXPECT_EQ(points(v.table), trois);
    // Without Ctrl the same letters are no shortcuts.
    p::fixeModificateurs(false, false, false);
    v.focus = ChampGrille::Tableau;
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, 'Z', 0);
    EXPECT_EQ(points(v.table), trois);
}

// The grid driven by the mouse as a host sends it: rows pressed, dragged
// and released at the middle of their cells.
class GrilleALaSouris : public FonctionValeurs {
  protected:
    // Four points (k, k * k) in a fresh window.
    TFenetreValFon& quatrePoints() {
        figureDeTexte("A point libre dans l'espace\r\n");
        TFenetreValFon& v = ouvre();
        for (int k = 1; k <= 4; ++k)
            tape(v, std::to_string(k) + " " + std::to_string(k * k));
        return v;
    }
    // The middle of row r shown r - 1 rows under the headings' row, which
    // is 22 pixels and a grid line high, like every row.
    static int32_t lParamLigne(int rang) {
        return p::lParamDeCoordonnees(kGrilleGauche + 60, kGrilleHaut + 23 * rang + 11);
    }
    void souris(const TFenetreValFon& v, uint32_t message, int rang, uint32_t boutons = 0) {
        p::envoieMessage(v.fenetre, message, boutons, lParamLigne(rang));
    }
    void clic(const TFenetreValFon& v, int rang, uint32_t boutons = 0) {
        souris(v, p::WM_LBUTTONDOWN, rang, boutons | p::MK_LBUTTON);
        souris(v, p::WM_LBUTTONUP, rang);
    }
    // The row at rang pressed while it is the selected row, dragged to the
    // row at vers and released there.
    void glisseLigne(const TFenetreValFon& v, int rang, int vers) {
        clic(v, rang);
        souris(v, p::WM_LBUTTONDOWN, rang, p::MK_LBUTTON);
        souris(v, p::WM_MOUSEMOVE, vers, p::MK_LBUTTON);
        souris(v, p::WM_LBUTTONUP, vers);
    }
    // The antecedent column as shown, rows 1 to 9.
    static std::vector<std::string> antecedents(const TFenetreValFon& v) {
        std::vector<std::string> r;
        for (int ligne = 1; ligne <= 9; ++ligne)
            r.push_back(celluleGrille(v, ligne, 0));
        return r;
    }
};

TEST_F(GrilleALaSouris, ADraggedRowMovesWithItsPointAndTheOthersCloseUp) {
    struct Cas {
        int de, vers;
        std::vector<std::string> lignes;
    };
    for (const Cas& c : {Cas{4, 1, {"4", "1", "2", "3", "", "", "", "", ""}},
                         Cas{1, 3, {"2", "3", "1", "4", "", "", "", "", ""}},
                         Cas{2, 2, {"1", "2", "3", "4", "", "", "", "", ""}},
                         Cas{1, 9, {"2", "3", "4", "", "", "", "", "", "1"}},
                         Cas{7, 2, {"1", "", "2", "3", "4", "", "", "", ""}}}) {
        TFenetreValFon& v = quatrePoints();
        const Points table = points(v.table);
        const int annulations = v.nombreAnnulations;
        glisseLigne(v, c.de, c.vers);
        EXPECT_EQ(antecedents(v), c.lignes) << c.de << " -> " << c.vers;
        // The images travel with their antecedents.
        for (int ligne = 1; ligne <= 9; ++ligne) {
            const std::string x = celluleGrille(v, ligne, 0);
            EXPECT_EQ(celluleGrille(v, ligne, 1),
                      x.empty() ? "" : std::to_string(std::stoi(x) * std::stoi(x)));
        }
        EXPECT_EQ(v.selectionHaut, c.vers);
        EXPECT_EQ(v.selectionBas, c.vers);
        // Only the grid changed: the table keeps its order and no undo step
        // was made.
        EXPECT_EQ(points(v.table), table);
        EXPECT_EQ(v.nombreAnnulations, annulations);
        commande(v, kGrilleAnnuler);
        p::distribueJusquAuRepos();
        KMDetruitFigure(n);
        p::distribueJusquAuRepos();
    }
}

TEST_F(GrilleALaSouris, CopyAndDeleteFollowTheRowsAsShown) {
    TFenetreValFon& v = quatrePoints();
    glisseLigne(v, 4, 1);
    commande(v, kGrilleCopier);
    ASSERT_NE(p::textePressePapiers(), nullptr);
    EXPECT_EQ(*p::textePressePapiers(), "4\t16\r\n1\t1\r\n2\t4\r\n3\t9\r\n");
    // Del in the grid removes the point the selected row shows: the last
    // one, so the largest antecedent becomes 3; the grid is in order again.
    p::envoieMessage(v.fenetre, p::WM_KEYDOWN, p::VK_DELETE, 0);
    EXPECT_EQ(points(v.table), (Points{{1, 1}, {2, 4}, {3, 9}}));
    EXPECT_EQ(v.table.xmax, 3);
    EXPECT_EQ(antecedents(v), (std::vector<std::string>{"1", "2", "3", "", "", "", "", "", ""}));
    commande(v, kGrilleDefaire);
    EXPECT_EQ(points(v.table).size(), 4u);

    // An empty row dragged to the top: the copy still holds every point, and
    // deleting the two top rows removes the one point they show.
    glisseLigne(v, 9, 1);
    commande(v, kGrilleCopier);
    EXPECT_EQ(*p::textePressePapiers(), "1\t1\r\n2\t4\r\n3\t9\r\n4\t16\r\n");
    v.selectionHaut = 1;
    v.selectionBas = 2;
    commande(v, kGrilleSupprimer);
    EXPECT_EQ(points(v.table), (Points{{2, 4}, {3, 9}, {4, 16}}));
    EXPECT_EQ(v.table.xmin, 2);
    EXPECT_EQ(v.table.xmax, 4);
}

TEST_F(GrilleALaSouris, PressAndDragSelectRowsAndShiftStretchesTheSelection) {
    TFenetreValFon& v = quatrePoints();
    const auto selection = [&] { return std::pair{v.selectionHaut, v.selectionBas}; };
    souris(v, p::WM_LBUTTONDOWN, 2, p::MK_LBUTTON);
    EXPECT_EQ(v.focus, ChampGrille::Tableau);
    souris(v, p::WM_MOUSEMOVE, 4, p::MK_LBUTTON);
    EXPECT_EQ(selection(), (std::pair{2, 4}));
    souris(v, p::WM_MOUSEMOVE, 1, p::MK_LBUTTON);
    EXPECT_EQ(selection(), (std::pair{1, 2}));
    souris(v, p::WM_LBUTTONUP, 1);
    // A move without the button changes nothing.
    souris(v, p::WM_MOUSEMOVE, 5, 0);
    EXPECT_EQ(selection(), (std::pair{1, 2}));
    // Shift stretches from the row the selection started from.
    clic(v, 3, p::MK_SHIFT);
    EXPECT_EQ(selection(), (std::pair{2, 3}));
    // The headings, a press left of the grid and one below its last row
    // select nothing and move nothing.
    souris(v, p::WM_LBUTTONDOWN, 0, p::MK_LBUTTON);
    p::envoieMessage(v.fenetre, p::WM_LBUTTONDOWN, p::MK_LBUTTON,
                     p::lParamDeCoordonnees(kGrilleGauche - 1, kGrilleHaut + 23 + 11));
    souris(v, p::WM_LBUTTONDOWN, 10, p::MK_LBUTTON);
    EXPECT_EQ(selection(), (std::pair{2, 3}));
    // A press on a row of a wider selection selects that row alone; the
    // release elsewhere moves nothing.
    souris(v, p::WM_LBUTTONDOWN, 2, p::MK_LBUTTON);
    souris(v, p::WM_LBUTTONUP, 4);
    EXPECT_EQ(selection(), (std::pair{2, 2}));
    EXPECT_EQ(antecedents(v), (std::vector<std::string>{"1", "2", "3", "4", "", "", "", "", ""}));
}

TEST_F(GrilleALaSouris, TheKeysScrollALongGridAndTheMouseFindsTheRowsShown) {
    figureDeTexte("A point libre dans l'espace\r\n");
    TFenetreValFon& v = ouvre();
    for (int k = 1; k <= 12; ++k)
        tape(v, std::to_string(k) + " 0");
    ASSERT_EQ(v.nombreLignes, 13);
    clic(v, 9);
    EXPECT_EQ(v.premiereLigne, 1);
    struct Cas {
        uint32_t touche;
        int ligne, premiere;
    };
    for (const Cas c : {Cas{p::VK_DOWN, 10, 2}, Cas{p::VK_DOWN, 11, 3}, Cas{p::VK_DOWN, 12, 4},
                        Cas{p::VK_DOWN, 13, 5}, Cas{p::VK_DOWN, 13, 5}, Cas{p::VK_UP, 12, 5}}) {
        p::envoieMessage(v.fenetre, p::WM_KEYDOWN, c.touche, 0);
        EXPECT_EQ(v.selectionHaut, c.ligne);
        EXPECT_EQ(v.premiereLigne, c.premiere);
    }
    // Rows 5 to 13 are shown: the first row under the headings is row 5.
    clic(v, 1);
    EXPECT_EQ(v.selectionHaut, 5);
    EXPECT_EQ(celluleGrille(v, 5, 0), "5");
    glisseLigne(v, 1, 9);
    EXPECT_EQ(celluleGrille(v, 13, 0), "5");
    EXPECT_EQ(celluleGrille(v, 12, 0), "");
}

} // namespace
} // namespace km32::essais
