// The convexes that limit drawings: the limiting line, the dialog's command
// and the writer. The dialog refuses a net of a polyhedron; the line keeps
// the net as the limit, the writer names it again, and the drawing is
// clipped by the polyhedron the net unfolds.
#include <set>

#include "banc_ecriture.h"
#include "drawing/donnees_dessin.h"
#include "drawing/element_solide.h"
#include "model/catalogue.h"
#include "model/messages.h"
#include "text/execution_dialogue.h"
#include "text/ordre_objets.h"
#include "text/suppression.h"

namespace km32::ecriture {
namespace {

class LimitesConvexes : public BancEcriture {
  protected:
    // One line (UTF-8) run for real on the figure, as a typed line is.
    static uint16_t ligne(TfigureKalmetra& f, const std::string& utf8) {
        GardeValeur<uint8_t> reelle(executionReelle(), 1);
        return executeLigneDeFigure(&f, windows1252DeUtf8(utf8), 0, 1);
    }
};

// "Vous devez donner le nom d'un objet convexe."
constexpr uint16_t kPasConvexe = 661;

const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                            "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                            "T polyèdre convexe de sommets A,B,C,D\r\n"
                            "K polygone convexe de sommets A,B,C\r\n"
                            "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                            "pa patron du polyèdre T, coefficient d'ouverture 0.5\r\n"
                            "M milieu du segment [BD]\r\n"
                            "d droite (AM)\r\n";

TEST_F(LimitesConvexes, EachConvexKindLimitsTheSameWayOnEveryRoad) {
    const struct {
        const char* convexe;
        const char* limite; // the object that limits the drawing afterwards; "" when refused
    } cas[] = {{"T", "T"}, {"K", "K"}, {"s", "s"}, {"pa", "pa"}, {"M", ""}, {"d", ""}};
    for (const auto& c : cas) {
        for (const char* route : {"text", "typed line", "dialog"}) {
            SCOPED_TRACE(testing::Message() << c.convexe << " by the " << route);
            const bool accepte = *c.limite != 0;
            const std::string ligneLimite = std::string("Dessins limités au convexe ") + c.convexe + ": d";
            std::unique_ptr<TfigureKalmetra> f;
            if (std::string(route) == "text") {
                uint16_t echec = 0;
                f = lisUtf8(std::string(kFigure) + ligneLimite + "\r\n", &echec);
                EXPECT_EQ(echec, accepte ? 0 : 12);
            } else {
                f = lisUtf8(kFigure);
                GardeValeur<uint8_t> muets(etatMessages().messagesMuets, 1);
                if (std::string(route) == "typed line") {
                    EXPECT_EQ(ligne(*f, ligneLimite), accepte ? 0 : kPasConvexe);
                } else {
                    // The dialog's command 89 refuses every convex the line refuses,
                    // and the net, which it does not read as its polyhedron.
                    const bool pris = limiteDessins(*f, windows1252DeUtf8(std::string(c.convexe) + ";d"));
                    EXPECT_EQ(pris, accepte && std::string(c.convexe) != "pa");
                    if (!pris) continue;
                }
            }
            const int d = numeroObjetDeNotation(*f, "d");
            EXPECT_EQ(objet(*f, d).objetLimite, accepte ? numeroObjetDeNotation(*f, c.limite) : 0);
            // The writer writes the limit in every language, and it reads back.
            for (uint16_t langue : {kLangueFrancaise, kLangueAnglaise, kLangueAllemande}) {
                const std::string texte = ecrit(*f, langue);
                uint16_t echec = 0;
                auto relue = lis(texte, &echec);
                ASSERT_EQ(echec, 0) << utf8DeWindows1252(texte);
                EXPECT_EQ(objet(*relue, numeroObjetDeNotation(*relue, "d")).objetLimite,
                          objet(*f, d).objetLimite)
                    << utf8DeWindows1252(texte);
            }
        }
    }
}

TEST_F(LimitesConvexes, TheLineTakesTheConvexListAndTheDialogAllButTheNet) {
    // The convex constructions a limiting line names, written out here
    // rather than read from the catalogue.
    std::set<int> convexes = {35, 36, 135, 138, 146, 147, 150, 151, 155, 156, 181, 188, 197, 201, 232};
    for (int code = 172; code <= 176; ++code)
        convexes.insert(code);
    for (int code = 209; code <= 213; ++code)
        convexes.insert(code);
    for (int code = 249; code <= 254; ++code)
        convexes.insert(code);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(estConstructionConvexe(uint8_t(code)), convexes.count(code) == 1) << code;
}

TEST_F(LimitesConvexes, TheNetIsTheOnlyConvexThatLimitsNothing) {
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(estConvexeLimitant(uint8_t(code)),
                  estConstructionConvexe(uint8_t(code)) && code != construction::kPatron)
            << code;
}

// The limiting line in each language, naming the net pa, as the writer
// writes it and as a text of that language gives it.
const struct {
    uint16_t langue;
    const char* ligne;
} kLignesDuPatron[] = {
    {kLangueFrancaise, "Dessins limités au convexe pa: d"},
    {kLangueAnglaise, "Drawings clipped in convex pa: d"},
    {kLangueAllemande, "Zeichnungen begrenzt zum konvexen Körper pa: d"},
};

TEST_F(LimitesConvexes, ALineNamingANetKeepsTheNetAndReadsBackInEveryLanguage) {
    for (const auto& c : kLignesDuPatron) {
        SCOPED_TRACE(c.ligne);
        // The figure in the language, with the limiting line before its end.
        const std::string sans = utf8DeWindows1252(ecrit(*lisUtf8(kFigure), c.langue));
        const std::size_t fin = sans.rfind("\r\n");
        ASSERT_NE(fin, std::string::npos);
        const std::string texte = sans.substr(0, fin) + "\r\n" + c.ligne + sans.substr(fin);
        uint16_t echec = 0;
        auto f = lisUtf8(texte, &echec);
        ASSERT_EQ(echec, 0) << texte;
        const int d = numeroObjetDeNotation(*f, "d");
        ASSERT_NE(objet(*f, d).objetLimite, 0);
        EXPECT_EQ(nomObjet(*f, objet(*f, d).objetLimite), "pa");
        const std::string ecrite = utf8DeWindows1252(ecrit(*f, c.langue));
        EXPECT_NE(ecrite.find(std::string("\r\n") + c.ligne + "\r\n"), std::string::npos) << ecrite;
        auto relue = lisUtf8(ecrite, &echec);
        ASSERT_EQ(echec, 0) << ecrite;
        const int dRelu = numeroObjetDeNotation(*relue, "d");
        EXPECT_EQ(nomObjet(*relue, objet(*relue, dRelu).objetLimite), "pa");
        EXPECT_EQ(utf8DeWindows1252(ecrit(*relue, c.langue)), ecrite);
    }
}

TEST_F(LimitesConvexes, ADrawingLimitedToANetIsClippedByItsPolyhedron) {
    // The line d through A and the midpoint M of [BD] crosses the
    // tetrahedron ABCD from A to M: limited to T, or to its net pa, its
    // drawing is the segment [AM] in integer units.
    const struct {
        const char* limite;
        bool coupee;
    } cas[] = {{"", false}, {"T", true}, {"pa", true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.limite);
        std::string texte = kFigure;
        if (*c.limite) texte += std::string("Dessins limités au convexe ") + c.limite + ": d\r\n";
        uint16_t echec = 0;
        auto f = lisUtf8(texte, &echec);
        ASSERT_EQ(echec, 0);
        const int d = numeroObjetDeNotation(*f, "d");
        construitElementSolide(*f, d);
        const TElementSolide* e = elementSolide(*f, d);
        ASSERT_NE(e, nullptr);
        const TpointEntier a{coordonneeEntiere(*f, 0), coordonneeEntiere(*f, 0), coordonneeEntiere(*f, 0)};
        const TpointEntier m{coordonneeEntiere(*f, 2.5), coordonneeEntiere(*f, 0.5),
                             coordonneeEntiere(*f, 3)};
        const auto proche = [](const TpointEntier& p, const TpointEntier& q) {
            return std::abs(p.x - q.x) <= 2 && std::abs(p.y - q.y) <= 2 && std::abs(p.z - q.z) <= 2;
        };
        const bool am = (proche(e->a, a) && proche(e->b, m)) || (proche(e->a, m) && proche(e->b, a));
        EXPECT_EQ(am, c.coupee) << e->a.x << "," << e->a.y << "," << e->a.z << " " << e->b.x << "," << e->b.y
                                << "," << e->b.z;
    }
}

TEST_F(LimitesConvexes, TheNetAsALimitFollowsMovesAndGoesWithItsDeletion) {
    const std::string texte = std::string(kFigure) + "E point de coordonnées (2,2,2) dans le repère Rxyz\r\n"
                                                     "Dessins limités au convexe pa: d\r\n";
    uint16_t echec = 0;
    auto f = lisUtf8(texte, &echec);
    ASSERT_EQ(echec, 0);
    // E, free, moves before the net: the net's number goes up by one.
    const int pa = numeroObjetDeNotation(*f, "pa");
    deplaceObjet(*f, numeroObjetDeNotation(*f, "E"), pa);
    ASSERT_EQ(numeroObjetDeNotation(*f, "pa"), pa + 1);
    const int d = numeroObjetDeNotation(*f, "d");
    EXPECT_EQ(objet(*f, d).objetLimite, pa + 1);
    // Deleting the net keeps d and clears its limit.
    TEnsembleObjets net;
    net.set(std::size_t(pa + 1));
    supprimeObjetsEtDependants(*f, net);
    EXPECT_EQ(numeroObjetDeNotation(*f, "pa"), 0);
    const int dApres = numeroObjetDeNotation(*f, "d");
    ASSERT_NE(dApres, 0);
    EXPECT_EQ(objet(*f, dApres).objetLimite, 0);
    EXPECT_EQ(utf8DeWindows1252(ecrit(*f, kLangueFrancaise)).find("Dessins limités"), std::string::npos);
}

} // namespace
} // namespace km32::ecriture
