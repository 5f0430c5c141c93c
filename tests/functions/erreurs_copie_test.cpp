// Refusals around functions (unknown names, definitions that would call
// themselves, a full function table), the guard against a cycle of
// records, and the deep copy of the function table with the figure.
#include "banc_fonctions.h"
#include "model/services_texte.h"

namespace km32::essai {
namespace {

class ErreursFonctions : public BancFonctions {};

TEST_F(ErreursFonctions, UnknownAndSelfReferringFunctionsAreRefused) {
    ASSERT_EQ(litFigure({"f fonction: x|->x+1", "g fonction: x|->f(x)*2"}), 0);
    struct Cas {
        const char* ligne;
        const char* message;
    };
    const Cas cas[] = {
        {"a = q(2)", "Le nom q est inconnu."},
        {"h fonction: x|->q(x)+1", "Le nom q est inconnu."},
        {"h fonction: x|->h(x)+1", "Le nom h est inconnu."},
        {"f fonction: x|->g(x)", "Les objets g et f ne peuvent chacun"},
        {"b = f", "L'argument d'une fonction ou d'une suite"},
    };
    for (const Cas& c : cas) {
        platform::boitesDemandees().clear();
        EXPECT_NE(ligne(c.ligne), 0) << c.ligne;
        EXPECT_NE(dernierMessage().find(windows1252DeUtf8(c.message)), std::string::npos)
            << c.ligne << dernierMessage();
    }
    EXPECT_EQ(noms(), "f g");
    EXPECT_EQ(en("g", 1), 4.0);
}

TEST_F(ErreursFonctions, ACycleOfRecordsIsUndefinedNotEndless) {
    ASSERT_EQ(litFigure({"h fonction: x|->x", "f fonction: x|->h(x)+1", "g fonction: x|->f(x)*2"}), 0);
    // Forced by hand: f's call now goes to g, which calls f.
    TFonctionCompilee& cf = *fonctionDeObjet(f, numero("f"))->compilee;
    ASSERT_EQ(cf.sousFonctions[1], fonctionDeObjet(f, numero("h")));
    cf.sousFonctions[1] = fonctionDeObjet(f, numero("g"));
    EXPECT_FALSE(en("g", 1).has_value());
    EXPECT_FALSE(en("f", 1).has_value());
}

TEST_F(ErreursFonctions, TheHundredAndFirstFunctionFindsTheTableFull) {
    std::vector<std::string> lignes;
    for (int k = 1; k <= kMaxFonctions; ++k)
        lignes.push_back("f" + std::to_string(k) + " fonction: x|->x+" + std::to_string(k));
    ASSERT_EQ(litFigure(lignes), 0);
    EXPECT_EQ(emplacementLibreFonction(*f.tableDesFonctions), 0);
    EXPECT_EQ(alloueFonctionPourObjet(f, 54), 0);
    const int avant = f.nombreObjets;
    for (const char* l : {"g fonction: x|->x", "u suite définie à partir de 0 par u(n)=n",
                          "v fonction définie par valeurs (avec interpolation)"}) {
        platform::boitesDemandees().clear();
        EXPECT_NE(ligne(l), 0) << l;
        EXPECT_NE(dernierMessage().find(windows1252DeUtf8("Structure saturée")), std::string::npos) << l;
        EXPECT_EQ(f.nombreObjets, avant) << l;
    }
    // Redefining a function reuses its own slot; other objects need none.
    EXPECT_EQ(ligne("f7 fonction: x|->2*x"), 0);
    EXPECT_EQ(en("f7", 4), 8.0);
    EXPECT_EQ(ligne("a = f100(1)+f7(1)"), 0);
    EXPECT_DOUBLE_EQ(val("a"), 101 + 2);
    // A released slot is free again.
    const uint8_t e3 = objet(f, numero("f3")).emplacementFonction;
    libereFonctionDeObjet(f, numero("f3"));
    EXPECT_EQ(objet(f, numero("f3")).emplacementFonction, 0);
    EXPECT_EQ(emplacementLibreFonction(*f.tableDesFonctions), e3);
    EXPECT_EQ(ligne("g fonction: x|->x"), 0);
    EXPECT_EQ(objet(f, numero("g")).emplacementFonction, e3);
    EXPECT_EQ(en("g", 6), 6.0);
}

class CopieFonctions : public BancFonctions {};

TEST_F(CopieFonctions, TheCopyOfAFigureOwnsCopiesOfEveryRecord) {
    ASSERT_EQ(
        litFigure({"f fonction: x|->x^2", "g fonction: x|->f(x)+1",
                   "w suite définie à partir de 0 par w(n)=w(n-1)+w(n-2) et les premiers termes 1 et 1",
                   "v fonction définie par valeurs (avec interpolation)", "Valeurs pour v: (0,0) (4,8)"}),
        0);
    EXPECT_EQ(en("w", 10), 89.0); // the cache moves on in the source

    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(f, copie);
    ASSERT_TRUE(copie && copie->tableDesFonctions);
    const TtableDesFonctions &s = *f.tableDesFonctions, &c = *copie->tableDesFonctions;
    for (int k = 1; k <= kMaxFonctions; ++k) {
        EXPECT_EQ(s.fonctions[std::size_t(k)] != nullptr, c.fonctions[std::size_t(k)] != nullptr) << k;
        if (!c.fonctions[std::size_t(k)]) continue;
        EXPECT_NE(s.fonctions[std::size_t(k)], c.fonctions[std::size_t(k)]) << k;
        EXPECT_EQ(c.possedees[std::size_t(k)], 1) << k;
    }
    // g borrowed f's record; its copy owns a copy of it.
    const TFonctionCompilee& cg = *fonctionDeObjet(*copie, numero("g"))->compilee;
    ASSERT_NE(cg.sousFonctions[1], nullptr);
    EXPECT_EQ(cg.sousFonctionsPossedees[1], 1);
    EXPECT_NE(cg.sousFonctions[1], fonctionDeObjet(f, numero("f")));
    EXPECT_NE(cg.sousFonctions[1], fonctionDeObjet(*copie, numero("f")));

    // Changing the copy's table leaves the source's alone.
    ASSERT_TRUE(ajoutePointFonctionTable(*tableDeValeursDeObjet(*copie, numero("v")), 2, 0));
    EXPECT_EQ(en("v", 2), 4.0);

    // The copy lives on after its source is gone.
    libereFigure(figure);
    figure = std::move(copie);
    TfigureKalmetra& g = *figure;
    uint8_t nonDefini = 0;
    double r = 0;
    evalueFonctionDeObjet(g, numeroObjetDeNotation(g, "g"), nonDefini, r, 3, 0, 0);
    EXPECT_EQ(nonDefini, 0);
    EXPECT_EQ(r, 10);
    evalueFonctionDeObjet(g, numeroObjetDeNotation(g, "w"), nonDefini, r, 12, 0, 0);
    EXPECT_EQ(r, 233);
    evalueFonctionDeObjet(g, numeroObjetDeNotation(g, "v"), nonDefini, r, 2, 0, 0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(nonDefini, 0);
}

TEST(CopieFonction, ACopiedRecordOwnsItsSubFunctionsAndFreesOnlyThose) {
    TFonction* f = nullptr;
    TFonction* g = nullptr;
    alloueFonction(kFonctionTableValeurs, f);
    ajoutePointFonctionTable(*f->table, 0, 1);
    alloueFonction(kFonctionCompilee, g);
    g->compilee->sousFonctions[3] = f; // borrowed
    TFonction* copie = nullptr;
    copieFonction(*g, copie);
    ASSERT_NE(copie->compilee->sousFonctions[3], nullptr);
    EXPECT_NE(copie->compilee->sousFonctions[3], f);
    EXPECT_EQ(copie->compilee->sousFonctionsPossedees[3], 1);
    EXPECT_EQ(copie->compilee->sousFonctions[3]->table->nombrePoints, 1);
    libereFonction(copie);
    EXPECT_EQ(copie, nullptr);
    libereFonction(g); // does not own f
    EXPECT_EQ(f->table->nombrePoints, 1);
    libereFonction(f);
}

} // namespace
} // namespace km32::essai
