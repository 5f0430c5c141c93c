// Renames through the C interface: a rename changes one name and no other,
// a renamed built-in object keeps its meaning under its new name, and the
// written text, read again, gives the same names and values.
#include <string>
#include <vector>

#include "banc_hote.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "platform/boites.h"

namespace km32::essais {
namespace {

using Renommage = BancHote;

const std::string kEntete = "Figure Kalmetra\r\n";
const std::string kPointA = "A point de coordonn\xE9"
                            "es (1,2,3) dans le rep\xE8"
                            "re Rxyz\r\n";

struct Point3 {
    double x, y, z;
};

Point3 point(const TfigureKalmetra& f, const std::string& nom) {
    const int i = numeroObjetDeNotation(f, nom);
    EXPECT_GT(i, 0) << nom;
    if (i == 0) return {};
    return {valeurObjet(f, i, 1), valeurObjet(f, i, 2), valeurObjet(f, i, 3)};
}

void attendPoint(const TfigureKalmetra& f, const std::string& nom, Point3 attendu) {
    const Point3 p = point(f, nom);
    EXPECT_NEAR(p.x, attendu.x, 1e-12) << nom;
    EXPECT_NEAR(p.y, attendu.y, 1e-12) << nom;
    EXPECT_NEAR(p.z, attendu.z, 1e-12) << nom;
}

// Each built-in object is named as in a new figure, but the renamed ones.
void attendNomsIntegres(const TfigureKalmetra& f, const std::vector<std::pair<int, std::string>>& renommes) {
    for (int i = 1; i <= 13; ++i) {
        std::string attendu = nomObjetIntegreParDefaut(i);
        for (const auto& [numero, nom] : renommes)
            if (numero == i) attendu = nom;
        EXPECT_EQ(nomObjet(f, i), attendu) << i;
    }
}

TEST_F(Renommage, ARenamedBuiltInKeepsItsMeaningAndEveryOtherNameStays) {
    struct Cas {
        std::string lignes;                                 // run after A is made
        std::vector<std::pair<int, std::string>> renommes;  // built-ins renamed
        std::vector<std::pair<std::string, Point3>> points; // closed-form projections
    };
    const std::string projete = " projet\xE9 orthogonal de A sur la droite ";
    const Cas cas[] = {
        // The axes after the renamed one keep their names and their lines.
        {"Renommer ox: X\r\nP" + projete + "oz\r\nQ" + projete + "X\r\nR" + projete +
             "oy\r\nD point sur demi-droite X, distance \xE0 l'origine 2 (unit\xE9 de longueur Uxyz)\r\n",
         {{8, "X"}},
         {{"P", {0, 0, 3}}, {"Q", {1, 0, 0}}, {"R", {0, 2, 0}}, {"D", {2, 0, 0}}}},
        // o and ox share their first letter in the name text.
        {"Renommer o: O\r\nM milieu du segment [OA]\r\nP" + projete + "ox\r\n",
         {{7, "O"}},
         {{"M", {0.5, 1, 1.5}}, {"P", {1, 0, 0}}}},
        {"Renommer ox o: X1 Q\r\nP" + projete + "X1\r\nM milieu du segment [QA]\r\n",
         {{8, "X1"}, {7, "Q"}},
         {{"P", {1, 0, 0}}, {"M", {0.5, 1, 1.5}}}},
        // A user object deleted after a rename: the renamed name, now after
        // the user names, still reads right.
        {"Renommer oz: Z\r\nB point de coordonn\xE9"
         "es (5,5,5) dans le rep\xE8re Rxyz\r\nSupprimer B\r\nP" +
             projete + "Z\r\nQ" + projete + "oy\r\n",
         {{10, "Z"}},
         {{"P", {0, 0, 3}}, {"Q", {0, 2, 0}}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.lignes);
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, (kEntete + kPointA).c_str(), nullptr);
        ASSERT_GT(n, 0);
        KMExecuteLigneFig(n, c.lignes.c_str());
        ASSERT_EQ(KMLigneEnErreur(n), 0)
            << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().back().texte);
        attendNomsIntegres(figure(n), c.renommes);
        for (const auto& [nom, p] : c.points)
            attendPoint(figure(n), nom, p);
        // The written text gives the same names and values.
        const std::string texte = texteDeBloc(KMTexteFigure(n));
        const int16_t relu = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        ASSERT_GT(relu, 0);
        ASSERT_EQ(KMLigneEnErreur(relu), 0) << texte;
        // Reading the rename line is no change to the figure.
        {
            const int16_t simple =
                KMCreeFigEtRenvoieNumero(hote, nullptr, (kEntete + kPointA).c_str(), nullptr);
            EXPECT_EQ(KMfigureModifiee(relu), KMfigureModifiee(simple));
            KMDetruitFigure(simple);
        }
        attendNomsIntegres(figure(relu), c.renommes);
        for (const auto& [nom, p] : c.points)
            attendPoint(figure(relu), nom, p);
        EXPECT_EQ(texteDeBloc(KMTexteFigure(relu)), texte);
        KMDetruitFigure(relu);
        KMDetruitFigure(n);
    }
}

} // namespace
} // namespace km32::essais
