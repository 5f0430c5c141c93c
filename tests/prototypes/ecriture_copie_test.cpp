// Prototypes written back with the figure and read again, deep copies of
// the table, and a prototype made from objects of a figure.
#include "banc_prototypes.h"

#include "model/couleur_par_scalaires.h"
#include "model/expression_erreurs.h"
#include "phrases/phrase.h"
#include "text/ecriture_figure.h"

namespace km32::essai {
namespace {

class EcritureCopie : public BancPrototypes {
  protected:
    std::vector<std::string> figureMilieu() {
        return joint(kBlocMilieu, {
                                      "C point de coordonnées (1,2,3) dans le repère Rxyz",
                                      "D point de coordonnées (5,-2,7) dans le repère Rxyz",
                                      "I milieu de CD",
                                  });
    }
};

TEST_F(EcritureCopie, AllerRetourGardeLeBlocEtSesUtilisations) {
    ASSERT_EQ(litFigure(joint(joint(kBlocGravite, figureMilieu()), {"E point de coordonnées (0,3,-6) dans le "
                                                                    "repère Rxyz",
                                                                    "K isobarycentre de C, I et E"})),
              0)
        << dernierMessage();
    const std::string texte = utf8DeWindows1252(ecritTexteFigure(f));
    // The blocks as written, line for line, in slot order.
    std::size_t debut = 0;
    for (const auto* bloc : {&kBlocGravite, &kBlocMilieu}) {
        std::string attendu;
        for (const std::string& l : *bloc)
            attendu += l + "\r\n";
        const std::size_t p = texte.find(attendu, debut);
        ASSERT_NE(p, std::string::npos) << texte;
        debut = p + attendu.size();
    }
    EXPECT_EQ(texte.find("Début de", debut), std::string::npos) << texte;
    EXPECT_NE(texte.find("\r\nI milieu de CD\r\n"), std::string::npos) << texte;
    EXPECT_NE(texte.find("\r\nK isobarycentre de C, I et E\r\n"), std::string::npos) << texte;

    auto relue = std::make_unique<TfigureKalmetra>();
    initialiseFigureNeuve(*relue);
    {
        GardeValeur<uint8_t> horsExecution(executionReelle(), 0);
        ASSERT_EQ(executeTexteDeFigure(*relue, windows1252DeUtf8(texte), 1), 0) << dernierMessage();
    }
    ASSERT_EQ(relue->nombreObjets, f.nombreObjets);
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i) {
        EXPECT_EQ(objet(*relue, i).numeroPrototype, objet(f, i).numeroPrototype);
        for (int k = 1; k <= 3; ++k)
            EXPECT_NEAR(valeurObjet(*relue, i, k), valeurObjet(f, i, k), 1e-9);
    }
    // Written again, the text is the same.
    EXPECT_EQ(utf8DeWindows1252(ecritTexteFigure(*relue)), texte);
    libereFigure(relue);
}

TEST_F(EcritureCopie, CopieFigureCopieLaTableEnProfondeur) {
    ASSERT_EQ(litFigure(figureMilieu()), 0) << dernierMessage();
    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(f, copie);
    ASSERT_TRUE(copie->tableDesPrototypes);
    const TPrototype* s = prototypeDe(f, 1);
    const TPrototype* c = prototypeDe(*copie, 1);
    ASSERT_NE(c, nullptr);
    EXPECT_NE(c, s);
    EXPECT_NE(c->figureInterne.get(), s->figureInterne.get());
    EXPECT_EQ(c->proprietaire, copie.get());
    EXPECT_EQ(c->figureInterne->proprietairePrototypes, copie.get());
    EXPECT_EQ(c->ligneTravail, s->ligneTravail);
    EXPECT_EQ(c->texteBloc, s->texteBloc);

    // The source gone, the copy still computes its instance through its own table.
    libereFigure(figure);
    TfigureKalmetra& g = *copie;
    ASSERT_EQ(executeLigneDeFigure(
                  &g, windows1252DeUtf8("C point de coordonnées (9,0,1) dans le repère Rxyz"), 0, 1),
              0);
    const int i = numeroObjetDeNotation(g, "I");
    EXPECT_NEAR(valeurObjet(g, i, 1), 7, 1e-12);
    EXPECT_NEAR(valeurObjet(g, i, 2), -1, 1e-12);
    EXPECT_NEAR(valeurObjet(g, i, 3), 4, 1e-12);
    libereFigure(copie);
    figure = std::make_unique<TfigureKalmetra>(); // for TearDown
}

// A failed line puts the figure back from its snapshot: the prototypes
// come back with it and stay usable.
TEST_F(EcritureCopie, LigneEnEchecRendLaTableIntacte) {
    ASSERT_EQ(litFigure(figureMilieu()), 0) << dernierMessage();
    EXPECT_NE(ligne("J milieu de CZ"), 0);
    EXPECT_EQ(numero("J"), 0);
    ASSERT_EQ(ligne("J milieu de IC"), 0);
    attendPoint(pt("J"), 2, 1, 4);
}

TEST_F(EcritureCopie, PrototypeFaitDObjetsDeLaFigure) {
    ASSERT_EQ(litFigure({"A point de coordonnées (1,0,0) dans le repère Rxyz",
                         "B point de coordonnées (3,4,0) dans le repère Rxyz",
                         "Z point de coordonnées (0,0,9) dans le repère Rxyz", "M milieu du segment [AB]"}),
              0);
    uint8_t etape = 0;
    // Z is given but M does not use it.
    EXPECT_FALSE(creePrototypeDeReponses(f, {"Milieu", "A, B, Z", "M", "M milieu de AB"}, etape));
    EXPECT_EQ(etape, 3);
    EXPECT_EQ(dernierMessage(), "L'objet Z n'est pas utilisé\r dans la construction de M.");
    EXPECT_FALSE(f.tableDesPrototypes);

    EXPECT_FALSE(creePrototypeDeReponses(f, {"Mil[ieu", "A, B", "M", "M milieu de AB"}, etape));
    EXPECT_EQ(etape, 1);
    EXPECT_FALSE(creePrototypeDeReponses(f, {"Milieu", "A, B", "A", "M milieu de AB"}, etape));
    EXPECT_EQ(etape, 3);
    EXPECT_FALSE(f.tableDesPrototypes);

    ASSERT_TRUE(creePrototypeDeReponses(f, {"Milieu", "A, B", "M", "M milieu de AB"}, etape))
        << dernierMessage();
    const TPrototype* p = prototypeDe(f, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ligneTravail, "#1 milieu de #2");
    EXPECT_EQ(utf8DeWindows1252(p->invites[1]), "Antécédent 1 (point):");
    ASSERT_EQ(ligne("N milieu de BZ"), 0);
    attendPoint(pt("N"), 1.5, 2, 4.5);
}

// A style line on the result: instances take the inner result's style, and
// with colour-source objects their colour comes from the result.
TEST_F(EcritureCopie, StyleEtCouleurDuResultat) {
    const std::vector<std::string> lignes = {
        "Début de [Teinte]",
        "t réel donné",
        "A point donné",
        "P point de coordonnées (1,1,1) dans le repère Rxyz",
        "M milieu du segment [AP]",
        "Dessin de M: couleur RVB(t,0,0)",
        "Description de l'interface",
        "M milieu teinté de A et t",
        "Point:",
        "Rouge:",
        "Milieu:",
        "Fin de [Teinte]",
        "C point de coordonnées (3,3,3) dans le repère Rxyz",
        "N milieu teinté de C et 200",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    const TPrototype* p = prototypeDe(f, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->aLigneStyle);
    EXPECT_TRUE(p->aSourcesCouleur);
    attendPoint(pt("N"), 2, 2, 2);
    const TObjetFigure& n = objet(f, numero("N"));
    EXPECT_EQ(n.style.rouge, 200);
    EXPECT_EQ(n.style.vert, 0);
    EXPECT_EQ(n.sourcesCouleur[0], 0);
    // The colour is the result's: the figure's own rule leaves it alone.
    couleurParScalaires(f, uint8_t(numero("N")));
    EXPECT_EQ(objet(f, numero("N")).style.rouge, 200);
    // Written back, the instance has no style line of its own: it gets the
    // style again from its prototype.
    const std::string texte = utf8DeWindows1252(ecritTexteFigure(f));
    EXPECT_NE(texte.find("\r\nN milieu teinté de C et 200\r\n"), std::string::npos) << texte;
    EXPECT_EQ(texte.find("Dessin de N"), std::string::npos) << texte;
    EXPECT_NE(texte.find("Dessin de M: couleur RVB(t,0,0)\r\nDescription"), std::string::npos) << texte;
}

} // namespace
} // namespace km32::essai
