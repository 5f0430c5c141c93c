// Figures drawn into SVG pages through the exported render call: the lines
// keep their precision (no whole-pixel grid), the outline of a sphere lies on
// the circle the projection gives, hidden edges are cut into the dashes of
// scaled drawing, and the page takes the physical width asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "km32.h"
#include "platform/cairo_rendu.h"
#include "fichier_essai.h"

namespace km32::essai {
namespace {

struct PointSvg {
    double x, y;
};

// One stroked path of the page, in points (its transform applied).
struct TraitSvg {
    double largeur = 0; // stroke width, points
    std::vector<PointSvg> points;
};

// The stroked paths of an SVG page written by cairo: "M x y L x y ..." with a
// scale-and-move transform. Glyphs and fills (stroke:none) are left out.
std::vector<TraitSvg> traits(const std::string& svg) {
    std::vector<TraitSvg> r;
    const std::regex chemin(
        R"re(<path style="[^"]*stroke-width:([0-9.]+);[^"]*" d="([^"]*)"(?: transform="matrix\(([^)]*)\)")?)re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), chemin); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
        if (m[3].matched) std::sscanf(m[3].str().c_str(), "%lf,%lf,%lf,%lf,%lf,%lf", &a, &b, &c, &d, &e, &f);
        TraitSvg t;
        t.largeur = std::stod(m[1].str()) * std::sqrt(std::abs(a * d - b * c));
        std::istringstream donnees(m[2].str());
        std::string mot;
        std::vector<double> nombres;
        while (donnees >> mot)
            if (mot != "M" && mot != "L" && mot != "Z") nombres.push_back(std::stod(mot));
        for (std::size_t k = 0; k + 1 < nombres.size(); k += 2)
            t.points.push_back(
                {a * nombres[k] + c * nombres[k + 1] + e, b * nombres[k] + d * nombres[k + 1] + f});
        r.push_back(t);
    }
    return r;
}

double distance(PointSvg a, PointSvg b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

class RenduVectoriel : public ::testing::Test {
  protected:
    RenduVectoriel() : nom("/tmp/km32-vectoriel-" + std::to_string(::getpid()) + ".svg") {}
    // The names drawn fill cairo's and fontconfig's font caches.
    ~RenduVectoriel() override {
        std::remove(nom.c_str());
        platform::libereCachesCairo();
    }
    // The figure drawn at 800 x 600 pixels in its own view: one point per
    // pixel, the origin at (400, 300), 60 pixels for a unit (600 x zoom 0.1).
    std::string rend(const std::string& corps, double largeurMm = 0) {
        const std::string texte = "Figure Kalmetra\r\n" + corps + "Fin de la figure\r\n";
        EXPECT_EQ(KMRendFigureDansFichierMm(texte.c_str(), nom.c_str(), 800, 600, nullptr, largeurMm), 0);
        return essais::contenuFichier(nom);
    }
    std::string nom;
};

constexpr PointSvg kOrigine{400, 300};

TEST_F(RenduVectoriel, TheOutlineOfASphereLiesOnItsCircleOffThePixelGrid) {
    const std::string svg = rend("O point de coordonn\xE9"
                                 "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                                 "S sph\xE8re de centre O et de rayon 3 (unit\xE9 de longueur Uxyz)\r\n");
    // In parallel projection the outline is the circle of radius 3 units.
    constexpr double kRayon = 3 * 60.0;
    int sommets = 0, horsGrille = 0;
    for (const TraitSvg& t : traits(svg))
        for (const PointSvg& p : t.points) {
            if (distance(p, kOrigine) < kRayon / 2) continue; // the mark of O
            ++sommets;
            EXPECT_NEAR(distance(p, kOrigine), kRayon, 0.06) << p.x << "," << p.y;
            // A line snapped to pixels runs through whole or half pixels.
            for (double v : {p.x, p.y}) {
                const double demi = std::abs(v * 2 - std::round(v * 2)) / 2;
                if (demi > 0.02) ++horsGrille;
            }
        }
    EXPECT_GT(sommets, 100);
    EXPECT_GT(horsGrille, sommets); // most of the 2 x sommets coordinates
}

TEST_F(RenduVectoriel, HiddenEdgesAreCutIntoTheDashesOfScaledDrawing) {
    // A cube on the origin: its three edges from A = O are hidden.
    const std::string sommets[8][2] = {{"A", "0,0,0"}, {"B", "4,0,0"}, {"C", "4,4,0"}, {"D", "0,4,0"},
                                       {"E", "0,0,4"}, {"F", "4,0,4"}, {"G", "4,4,4"}, {"H", "0,4,4"}};
    std::string corps;
    for (const auto& s : sommets)
        corps += s[0] + " point de coordonn\xE9" + "es (" + s[1] + ") dans le rep\xE8re Rxyz\r\n";
    corps += "P poly\xE8"
             "dre convexe de sommets A,B,C,D,E,F,G,H\r\nParties cach\xE9"
             "es en pointill\xE9\r\n"
             "Dessin de P: opaque\r\n";
    const std::vector<TraitSvg> ts = traits(rend(corps));

    // Dashes: short single segments away from the vertices' marks; the
    // solid edges: long ones.
    std::vector<std::pair<PointSvg, PointSvg>> tirets;
    std::vector<PointSvg> bouts;
    for (const TraitSvg& t : ts) {
        if (t.points.size() != 2) continue;
        const double l = distance(t.points[0], t.points[1]);
        if (l > 20)
            bouts.insert(bouts.end(), t.points.begin(), t.points.end());
        else if (l > 0.5)
            tirets.push_back({t.points[0], t.points[1]});
    }
    ASSERT_FALSE(tirets.empty());
    // Group the dashes by their direction seen from A (the projected origin).
    std::vector<std::vector<std::pair<PointSvg, PointSvg>>> aretes;
    std::vector<double> angles;
    for (auto d : tirets) {
        if (distance(d.first, kOrigine) > distance(d.second, kOrigine)) std::swap(d.first, d.second);
        const double angle = std::atan2(d.first.y - kOrigine.y, d.first.x - kOrigine.x);
        std::size_t k = 0;
        while (k < angles.size() && std::abs(angles[k] - angle) > 0.02)
            ++k;
        if (k == angles.size()) {
            angles.push_back(angle);
            aretes.emplace_back();
        }
        aretes[k].push_back(d);
    }
    ASSERT_EQ(aretes.size(), 3u);
    for (auto& a : aretes) {
        std::sort(a.begin(), a.end(), [](const auto& u, const auto& v) {
            return distance(u.first, kOrigine) < distance(v.first, kOrigine);
        });
        ASSERT_GE(a.size(), 2u);
        // n steps; dash k from (2k - 1 + 0.1) to (2k - 1 + 0.8) steps from
        // the start of the piece, which may be either end: the gap at A is
        // 1.1 steps, or 1.2 when the piece starts at the far vertex.
        // The step from the first and last dash (their ends are kept to a
        // hundredth of a millimetre).
        const double pas = distance(a.front().first, a.back().first) / (2.0 * double(a.size() - 1));
        const double ecartA = distance(a[0].first, kOrigine) / pas;
        EXPECT_TRUE(std::abs(ecartA - 1.1) < 0.01 || std::abs(ecartA - 1.2) < 0.01) << ecartA;
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_NEAR(distance(a[k].first, a[k].second), 0.7 * pas, 0.03) << k;
            EXPECT_NEAR(distance(a[k].first, kOrigine), (2.0 * double(k) + ecartA) * pas, 0.05) << k;
        }
        // The far vertex is where solid edges end, (2m + 1) steps from A for
        // m dashes; the step count is the piece's length over 4 pixels,
        // rounded, made odd.
        const double n = 2.0 * double(a.size()) + 1;
        PointSvg sommet = bouts.front();
        const PointSvg dernier = a.back().second;
        for (const PointSvg& b : bouts)
            if (distance(b, dernier) < distance(sommet, dernier)) sommet = b;
        const double longueur = distance(sommet, kOrigine);
        EXPECT_NEAR(n * pas, longueur, 0.05);
        long attendu = std::lround(longueur / 4);
        if (attendu % 2 == 0) --attendu;
        EXPECT_EQ(long(n), std::max(3L, attendu));
    }
}

TEST_F(RenduVectoriel, ThePageTakesThePhysicalWidthAskedFor) {
    struct Cas {
        double largeurMm;
        const char* taille; // width and height of the page, in points
    };
    // 800 x 600 pixels: one point each by default, else in the proportion 4:3.
    const Cas cas[] = {{0, "width=\"800pt\" height=\"600pt\""},
                       {254, "width=\"720pt\" height=\"540pt\""},
                       {25.4, "width=\"72pt\" height=\"54pt\""}};
    for (const Cas& c : cas) {
        const std::string svg = rend("", c.largeurMm);
        EXPECT_NE(svg.find(c.taille), std::string::npos) << c.largeurMm << "\n" << svg.substr(0, 300);
    }
}

TEST(ExportRenduMm, WidthsOutsideTheRangeAreRefused) {
    for (double largeurMm : {0.05, -1.0, 10000.5, std::nan(""), HUGE_VAL})
        EXPECT_EQ(KMRendFigureDansFichierMm("", "/tmp/km32-refus.svg", 10, 10, nullptr, largeurMm), -1)
            << largeurMm;
}

} // namespace
} // namespace km32::essai
