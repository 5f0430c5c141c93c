// The convexes that limit drawings: one list for the limiting line, the
// dialog's command and the writer. A net is no limit: the dialog refuses
// it, and a line that names one (an old text) limits to the polyhedron the
// net unfolds, which the writer writes and reads back.
#include "banc_ecriture.h"
#include "model/catalogue.h"
#include "model/messages.h"
#include "text/execution_dialogue.h"

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
    } cas[] = {{"T", "T"}, {"K", "K"}, {"s", "s"}, {"pa", "T"}, {"M", ""}, {"d", ""}};
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

TEST_F(LimitesConvexes, TheNetIsTheOnlyConvexThatLimitsNothing) {
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(estConvexeLimitant(uint8_t(code)),
                  estConstructionConvexe(uint8_t(code)) && code != construction::kPatron)
            << code;
}

} // namespace
} // namespace km32::ecriture
