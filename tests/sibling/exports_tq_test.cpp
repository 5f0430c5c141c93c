// The sibling's functions exported through this library, called as a host
// calls them.
#include "km32.h"

#include <climits>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "platform/boites.h"
#include "platform/cairo_rendu.h"
#include "platform/contexte_dessin_table.h"
#include "platform/curseurs.h"
#include "platform/memoire.h"
#include "platform/presse_papiers.h"
#include "sibling/bibliotheque_tq.h"
#include "sibling/fenetres_tq.h"
#include "sibling/figures_planes.h"
#include "sibling/texte_math_dessin.h"
#include "sibling/variables_partagees.h"

namespace km32 {
namespace {

class ExportsTQ : public ::testing::Test {
  protected:
    void SetUp() override {
        reinitialiseBibliothequeTQ();
        platform::reinitialiseBoites();
        dc = platform::creeContexteEnregistreur();
        hdc = platform::enregistreContexte(dc.get());
    }
    void TearDown() override {
        dc.reset();
        reinitialiseBibliothequeTQ();
        platform::reinitialiseBoites();
        // The copies put their picture on the clipboard: its documents fill cairo's font caches.
        platform::reinitialisePressePapiers();
        platform::libereCachesCairo();
    }
    // The text of a block, which is freed; "<none>" for 0.
    static std::string prends(uint32_t bloc) {
        if (bloc == 0) return "<none>";
        const std::string* b = platform::contenuBloc(bloc);
        std::string t = b ? std::string(b->c_str()) : "<unknown>";
        platform::libereBloc(bloc);
        return t;
    }
    // Registers a shared number a = 2.5 and an undefined one u.
    void partageValeurs() {
        std::memset(&variables, 0, sizeof variables);
        variables.noms[0][0] = 1;
        variables.noms[0][1] = 'a';
        variables.valeurs[0] = 2.5;
        variables.noms[1][0] = 1;
        variables.noms[1][1] = 'u';
        variables.indefinis[1] = 1;
        variables.nombre = 2;
        ASSERT_TRUE(inscription(&variables));
    }
    std::unique_ptr<platform::ContexteDessin> dc;
    uint32_t hdc = 0;
    TVariablesPartagees variables{};
};

// Every export that takes a figure number, with what it gives for a number
// that names no figure (true when the result is the default one).
struct AppelFigure {
    const char* nom;
    std::function<bool(int16_t)> appel;
};

std::vector<AppelFigure> appelsParFigure(uint32_t hdc) {
    return {
        {"TQDetruitFigure", [](int16_t n) { return TQDetruitFigure(n), true; }},
        {"TQSize", [](int16_t n) { return TQSize(n, 0), true; }},
        {"TQMouseDown", [](int16_t n) { return TQMouseDown(n, 1, 1, 10.f, 10.f), true; }},
        {"TQRepeintFigure", [hdc](int16_t n) { return TQRepeintFigure(n, hdc), true; }},
        {"TQHandleSurligneCreation", [](int16_t n) { return TQHandleSurligneCreation(n, "A") == 0; }},
        {"RenvoieHandleNomFichier", [](int16_t n) { return RenvoieHandleNomFichier(n) == 0; }},
        {"TQDessineFigureEnTexte", [hdc](int16_t n) { return TQDessineFigureEnTexte(n, hdc, 0, 0), true; }},
        {"TQfournitHandleSurTexte", [](int16_t n) { return TQfournitHandleSurTexte(n, "") == 0; }},
        {"TQObjetValide", [](int16_t n) { return TQObjetValide(n, "a") == 0; }},
        {"TQDernierLibreBouge", [](int16_t n) { return TQDernierLibreBouge(n) == 0; }},
        {"TQNomLibreActif", [](int16_t n) { return TQNomLibreActif(n) == 0; }},
        {"TQTestParTexte", [](int16_t n) { return TQTestParTexte(n, "A sur d") == 50; }},
        {"TQAfficheRappels", [](int16_t n) { return TQAfficheRappels(n), true; }},
        {"TQAfficheEditeurFigure", [](int16_t n) { return TQAfficheEditeurFigure(n), true; }},
        {"TQAfficheCommentaire", [](int16_t n) { return TQAfficheCommentaire(n), true; }},
        {"TQAffecteScalaire", [](int16_t n) { return TQAffecteScalaire(n, "a", 7.0) == 0; }},
        {"TQChangeCouleurFondFigure", [](int16_t n) { return TQChangeCouleurFondFigure(n, 0xFF), true; }},
        {"TQTexteFigure", [](int16_t n) { return TQTexteFigure(n) == 0; }},
        {"TQCopierDessinAjuste", [](int16_t n) { return TQCopierDessinAjuste(n, 3) == 0; }},
        {"TQCopierDessin", [](int16_t n) { return TQCopierDessin(n) == 0; }},
        {"TQValeurScalaireDouble",
         [](int16_t n) { return TQValeurScalaireDouble(n, "a") == kValeurIndefinieTQ; }},
        {"TQRedessineBrutal", [](int16_t n) { return TQRedessineBrutal(n), true; }},
        {"TQExecuteCommande", [](int16_t n) { return TQExecuteCommande(n, "c"), true; }},
        {"TQExecuterTexte", [](int16_t n) { return TQExecuterTexte(n, "A x"), true; }},
        {"TQExecuteLigneFigEtRedessine",
         [](int16_t n) { return TQExecuteLigneFigEtRedessine(n, "A x"), true; }},
        {"TQExecuteLigneFig", [](int16_t n) { return TQExecuteLigneFig(n, "A x"), true; }},
        {"TQCreeFig", [](int16_t n) { return TQCreeFig(n, nullptr, "A x", nullptr), true; }},
    };
}

// The exports without a figure number, called with NULL texts and unknown
// handles: each must give its default result.
struct AppelSansFigure {
    const char* nom;
    std::function<bool()> appel;
};

std::vector<AppelSansFigure> appelsSansFigure() {
    return {
        {"TQCreeFigEtRenvoieNumero",
         [] { return TQCreeFigEtRenvoieNumero(0, nullptr, nullptr, nullptr) == 1; }},
        {"TQHandleSurPhraseDeNumero", [] { return TQHandleSurPhraseDeNumero(9) == 0; }},
        {"DemandeFermetureFenetreDuTableauDeValeurs",
         [] { return DemandeFermetureFenetreDuTableauDeValeurs(), true; }},
        {"LitFichierTexteEtRenvoieHandle", [] { return LitFichierTexteEtRenvoieHandle(nullptr) == 0; }},
        {"ListeDesVariables", [] { return platform::libereBloc(ListeDesVariables()); }},
        {"CurseurTQ", [] { return CurseurTQ(), true; }},
        {"EnregistreTexteSous", [] { return EnregistreTexteSous(nullptr, nullptr) == 0; }},
        {"Syntax", [] { return Syntax(nullptr) == -1; }},
        {"Alerte", [] { return Alerte(nullptr, nullptr, nullptr, nullptr, nullptr) == 0; }},
        {"TQ32NumeroVersion", [] { return platform::libereBloc(TQ32NumeroVersion()); }},
        {"AudessousExpression", [] { return AudessousExpression(nullptr) == haut(); }},
        {"LargeurExpression", [] { return LargeurExpression(nullptr) == 0; }},
        {"AudessusExpression", [] { return AudessusExpression(nullptr) == 0; }},
        {"HauteurExpression", [] { return HauteurExpression(nullptr) == haut(); }},
        {"TermineEditeurTexteMathematique", [] { return TermineEditeurTexteMathematique(), true; }},
        {"TermineEditeurExpression", [] { return TermineEditeurExpression(), true; }},
        {"AfficheEditeurTexteMathematique", [] { return AfficheEditeurTexteMathematique(0, nullptr), true; }},
        {"AfficheEditeurExpression", [] { return AfficheEditeurExpression(0, nullptr), true; }},
        {"PeindreFenEcritMathDansWord", [] { return PeindreFenEcritMathDansWord(0), true; }},
        {"PeindreFenEcritMath", [] { return PeindreFenEcritMath(12345), true; }},
        {"ParamEncombr", [] { return ParamEncombr(nullptr, nullptr, nullptr, nullptr), true; }},
        {"EcritExpr", [] { return EcritExpr(0, nullptr, 1e300, -1e300), true; }},
    };
}

TEST_F(ExportsTQ, AFigureNumberThatNamesNoFigureIsRefused) {
    TQCreeFigEtRenvoieNumero(0, nullptr, "A x", nullptr); // figure 1 exists, slot 2 is free
    const std::string avant = prends(TQTexteFigure(1));
    const std::size_t blocs = platform::nombreDeBlocs();
    auto appels = appelsParFigure(hdc);
    EXPECT_EQ(appels.size() + appelsSansFigure().size(), 49u); // every export of the sibling
    for (int16_t n : {int16_t(-1), int16_t(0), int16_t(2), int16_t(65), int16_t(200), int16_t(SHRT_MIN),
                      int16_t(SHRT_MAX)}) {
        for (const AppelFigure& a : appels) {
            if (std::string(a.nom) == "TQCreeFig" && n == 2) continue; // creates figure 2: checked below
            EXPECT_TRUE(a.appel(n)) << a.nom << " " << n;
        }
    }
    EXPECT_EQ(platform::nombreDeBlocs(), blocs);
    EXPECT_EQ(prends(TQTexteFigure(1)), avant);
    for (int16_t n = 2; n <= kNombreFiguresPlanes; ++n)
        EXPECT_EQ(figurePlane(n), nullptr) << n;
    EXPECT_TRUE(dc->journal()->primitives.empty());
    EXPECT_FALSE(dessinCopieTQ().present);
}

TEST_F(ExportsTQ, NullTextsAndUnknownHandlesGiveTheDefaultResult) {
    for (const AppelSansFigure& a : appelsSansFigure())
        EXPECT_TRUE(a.appel()) << a.nom;
    EXPECT_TRUE(platform::boitesDemandees().empty());
    // With a figure: NULL names and lines change nothing.
    int16_t n = TQCreeFigEtRenvoieNumero(0, nullptr, "A x", nullptr);
    TQExecuteLigneFig(n, nullptr);
    TQExecuterTexte(n, nullptr);
    EXPECT_EQ(TQAffecteScalaire(n, nullptr, 1.0), 0);
    EXPECT_EQ(TQValeurScalaireDouble(n, nullptr), kValeurIndefinieTQ);
    EXPECT_EQ(TQHandleSurligneCreation(n, nullptr), 0u);
    EXPECT_EQ(TQfournitHandleSurTexte(n, nullptr), 0u);
    EXPECT_EQ(prends(TQTexteFigure(n)), "A x");
}

TEST_F(ExportsTQ, SixtyFourFiguresThenNone) {
    for (int16_t n = 1; n <= kNombreFiguresPlanes; ++n)
        ASSERT_EQ(TQCreeFigEtRenvoieNumero(uint32_t(100 + n), nullptr, nullptr, nullptr), n);
    EXPECT_EQ(TQCreeFigEtRenvoieNumero(1, nullptr, nullptr, nullptr), 0);
    TQDetruitFigure(5);
    EXPECT_EQ(TQCreeFigEtRenvoieNumero(7, nullptr, nullptr, nullptr), 5);
    EXPECT_EQ(figurePlane(5)->hote, 7u);
    // Created again in place: the host window stays.
    TQCreeFig(6, nullptr, "B y", "Nom=b");
    EXPECT_EQ(figurePlane(6)->hote, 106u);
    EXPECT_EQ(figurePlane(6)->parametres, "Nom=b");
}

TEST_F(ExportsTQ, TheTextOfAFigureGrowsLineByLine) {
    int16_t n = TQCreeFigEtRenvoieNumero(0, "fichier.k3v", "A point libre", nullptr);
    TQExecuteLigneFig(n, "  B milieu de [AC] \r\n\r\nC point libre");
    TQExecuteLigneFigEtRedessine(n, "d droite (AB)");
    EXPECT_EQ(prends(TQTexteFigure(n)),
              "A point libre\r\nB milieu de [AC]\r\nC point libre\r\nd droite (AB)\r\n");
    EXPECT_EQ(figurePlane(n)->dessins, 1);
    EXPECT_EQ(prends(TQHandleSurligneCreation(n, "B")), "B milieu de [AC]");
    EXPECT_EQ(TQHandleSurligneCreation(n, "E"), 0u);
    EXPECT_EQ(prends(TQfournitHandleSurTexte(n, "libre")), "A point libre\r\nC point libre\r\n");
    EXPECT_EQ(prends(RenvoieHandleNomFichier(n)), "fichier.k3v");
    TQExecuterTexte(n, "Z");
    EXPECT_EQ(prends(TQTexteFigure(n)), "Z");
    // A line that would pass 64 KB is left out.
    std::string long_(65535, 'x');
    TQExecuteLigneFig(n, long_.c_str());
    EXPECT_EQ(prends(TQTexteFigure(n)), "Z");
}

TEST_F(ExportsTQ, ValuesAreTheSharedOnes) {
    partageValeurs();
    int16_t n = TQCreeFigEtRenvoieNumero(0, nullptr, nullptr, nullptr);
    EXPECT_EQ(TQValeurScalaireDouble(n, "a"), 2.5);
    EXPECT_EQ(TQObjetValide(n, "a"), 1);
    EXPECT_EQ(TQObjetValide(n, "u"), 0);
    EXPECT_EQ(TQValeurScalaireDouble(n, "u"), kValeurIndefinieTQ);
    EXPECT_EQ(TQValeurScalaireDouble(n, "b"), kValeurIndefinieTQ);
    EXPECT_EQ(prends(TQDernierLibreBouge(n)), "");
    TQAffecteScalaire(n, "u", -3.0);
    TQAffecteScalaire(n, "b", 9.0); // no one shares b
    EXPECT_EQ(TQValeurScalaireDouble(n, "u"), -3.0);
    EXPECT_EQ(TQObjetValide(n, "b"), 0);
    EXPECT_EQ(prends(TQDernierLibreBouge(n)), "u");
    EXPECT_EQ(prends(ListeDesVariables()), "a\r\nu\r\n");
}

TEST_F(ExportsTQ, MeasuresFollowTheCell) {
    const int32_t w = larg(), h = haut();
    EXPECT_EQ(LargeurExpression("ab"), 2 * LargeurExpression("a"));
    EXPECT_EQ(LargeurExpression("a"), w);
    EXPECT_EQ(HauteurExpression("\\x^2\\"), h + h / 2);
    EXPECT_EQ(AudessusExpression("\\x^2\\"), h / 2);
    EXPECT_EQ(AudessousExpression("\\x_2\\"), h + h / 2);
    int32_t l = 0, dessus = 1, dessous = 0;
    ParamEncombr("a\r\nb", &l, &dessus, &dessous);
    EXPECT_EQ(l, w);
    EXPECT_EQ(dessus, 0);
    EXPECT_EQ(dessous, 2 * h);
    EXPECT_EQ(Syntax("\\(x\\"), 4);
    EXPECT_EQ(prends(TQ32NumeroVersion()), "1.0.0.0");
    EXPECT_EQ(prends(TQHandleSurPhraseDeNumero(11114)), "Erreur");
}

TEST_F(ExportsTQ, DrawingExportsDrawIntoTheContextOfAHandle) {
    int16_t n = TQCreeFigEtRenvoieNumero(0, nullptr, "A\r\nB", nullptr);
    TQDessineFigureEnTexte(n, hdc, 10, 20);
    EcritExpr(hdc, "c", 2.0, 1.0);
    const auto& p = dc->journal()->primitives;
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].points[0], (platform::Point{10, 20}));
    EXPECT_EQ(p[1].points[0], (platform::Point{10, 20 + haut(0)}));
    EXPECT_EQ(p[2].points[0], (platform::Point{2 * larg(), haut()}));
    EXPECT_EQ(p[2].texte, "c");
}

TEST_F(ExportsTQ, EditorsAndCopies) {
    AfficheEditeurExpression(4, "\\x\\");
    EXPECT_TRUE(fenetreExpressionTQ().ouverte);
    TermineEditeurExpression();
    EXPECT_FALSE(fenetreExpressionTQ().ouverte);

    AfficheEditeurTexteMathematique(5, "\\y^2\\");
    PeindreFenEcritMath(hdc);
    const auto& p = dc->journal()->primitives;
    ASSERT_EQ(p.size(), 3u); // the white ground, then y and 2
    EXPECT_EQ(p[0].type, platform::TypePrimitive::Rectangle);
    EXPECT_EQ(p[1].points[0], (platform::Point{5, 5 + haut() / 2})); // the exponent's top at the margin
    EXPECT_EQ(p[2].points[0], (platform::Point{5 + larg(), 5}));
    TermineEditeurTexteMathematique();
    EXPECT_FALSE(editeurTexteMathematiqueTQ().ouverte);

    int16_t n = TQCreeFigEtRenvoieNumero(0, nullptr, "A", nullptr);
    EXPECT_EQ(TQCopierDessinAjuste(n, 7), 1u);
    EXPECT_EQ(figurePlane(n)->parametreCopie, 7);
    EXPECT_EQ(dessinCopieTQ().texte, "A");
    TQAfficheCommentaire(n);
    EXPECT_EQ(figurePlane(n)->annexe, AnnexePlane::Commentaire);
    TQChangeCouleurFondFigure(n, 0x1000000); // not a colour
    EXPECT_EQ(figurePlane(n)->fond, platform::kBlanc);
    TQChangeCouleurFondFigure(n, 0x00FF00);
    EXPECT_EQ(figurePlane(n)->fond, 0x00FF00u);

    platform::changeCurseur(platform::kCurseurSablier);
    CurseurTQ();
    EXPECT_EQ(platform::curseurCourant(), platform::kCurseurFleche);
}

} // namespace
} // namespace km32
