// A figure built from objects with values, through its drawing data and
// display list, painted by cairo: a few pixels whose place follows from the
// projection. And the render command, run as a program.
#include <gtest/gtest.h>

#include "lancement_cli.h"

#include <cairo.h>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

#include "drawing/rafraichissement.h"
#include "drawing/rendu_fichier.h"
#include "drawing/rendu_styles.h"
#include "drawing/vue_projection.h"
#include "km32.h"
#include "model/catalogue.h"
#include "figure_essai.h"
#include "fichier_essai.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "platform/cairo_rendu.h"
#include "platform/contexte_dessin_table.h"
#include "platform/fichiers.h"
#include "platform/image_bitmap.h"
#include "platform/plateforme.h"
#include "sibling/table_partagee.h"

namespace km32::essai {
namespace {

class RenduCairo : public ::testing::Test {
  protected:
    RenduCairo() {
        platform::reinitialiseTableContextes();
        reinitialiseTableDesVariablesPartagees();
        initialiseDessin();
        initialiseFigureNeuve(f);
        f.largeurImage = 240;
        f.hauteurImage = 160;
        calculeProjection(f);
    }

    // A user object of a construction code with its values and parents.
    int ajoute(uint8_t code, std::initializer_list<int> parents, std::initializer_list<double> valeurs) {
        return essais::ajouteObjetDeCode(f, code, parents, valeurs);
    }

    int pointCache(double x, double y, double z) {
        const int n = ajoute(construction::kPointLibreDansEspace, {}, {x, y, z});
        f.objets[std::size_t(n)].style.drapeaux = kStyleNonDessine;
        return n;
    }

    // Screen pixel of a model point.
    platform::Point ecran(double x, double y, double z) const {
        const int32_t X = coordonneeEntiere(f, x), Y = coordonneeEntiere(f, y), Z = coordonneeEntiere(f, z);
        return {projetteX(f, X, Y, Z), projetteY(f, X, Y, Z)};
    }

    TfigureKalmetra f;
};

TEST_F(RenduCairo, SegmentPixelsLieWhereTheProjectionPutsThem) {
    const int a = pointCache(-3, -3, 0), b = pointCache(3, 3, 1.5);
    const int s = ajoute(construction::kSegment, {a, b}, {});
    f.objets[std::size_t(s)].style.drapeaux = kStyleEpais;
    f.objets[std::size_t(s)].style.rouge = 255;
    reconstruitDessin(f);

    platform::Bitmap bitmap(f.largeurImage, f.hauteurImage);
    auto dc = platform::creeContexteMemoire();
    platform::selectionneBitmap(*dc, &bitmap);
    const uint32_t h = platform::enregistreContexte(dc.get());
    f.contexteDessin = h;
    dessineFigure(f, *dc);
    f.contexteDessin = 0;
    platform::oublieContexte(h);

    const platform::Point pa = ecran(-3, -3, 0), pb = ecran(3, 3, 1.5);
    ASSERT_GT(std::abs(pb.x - pa.x) + std::abs(pb.y - pa.y), 40) << "the segment spans the picture";
    // Points a quarter, half and three quarters along: red (the 2-pixel pen
    // covers the pixel or its neighbour across the line).
    for (double t : {0.25, 0.5, 0.75}) {
        const platform::Point m = ecran(-3 + 6 * t, -3 + 6 * t, 1.5 * t);
        bool rouge = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                rouge = rouge || bitmap.pixel(m.x + dx, m.y + dy) == platform::Couleur(0x0000FF);
        EXPECT_TRUE(rouge) << t << " at " << m.x << "," << m.y;
    }
    // Away from the segment: the white background.
    EXPECT_EQ(bitmap.pixel(2, 2), platform::Couleur(0xFFFFFF));
    EXPECT_EQ(bitmap.pixel(f.largeurImage - 3, 2), platform::Couleur(0xFFFFFF));
}

TEST_F(RenduCairo, DarkBackgroundFillsThePicture) {
    TQTableDesVariablesPartagees()->fondSombre = 1;
    reconstruitDessin(f);
    const std::string nom = "/tmp/km32-rendu-sombre-" + std::to_string(::getpid()) + ".png";
    ASSERT_TRUE(ecritDessinFigure(f, nom, FormatDessin::Png));
    cairo_surface_t* s = cairo_image_surface_create_from_png(nom.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    cairo_surface_flush(s);
    const auto* ligne = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) +
                                                          10 * cairo_image_surface_get_stride(s));
    EXPECT_EQ(ligne[10] & 0xFFFFFFu, 0x010000u) << "colour value 1 is red 1 (cairo keeps 0xRRGGBB)";
    cairo_surface_destroy(s);
    std::remove(nom.c_str());
}

// ---- The render command ----

using km32::essais::lance;
using km32::essais::Resultat;

std::string debutFichier(const std::string& nom, std::size_t n) {
    std::ifstream in(nom, std::ios::binary);
    std::string s(n, '\0');
    in.read(s.data(), std::streamsize(n));
    s.resize(std::size_t(in.gcount()));
    return s;
}

class CommandeRendu : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        base = "/tmp/km32-rendu-" + std::to_string(::getpid());
        figure = base + ".k3v";
        std::FILE* f = std::fopen(figure.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("Figure Kalmetra\r\nFin de la figure\r\n", f);
        std::fclose(f);
    }
    static void TearDownTestSuite() { std::remove(figure.c_str()); }
    static std::string base, figure;
};
std::string CommandeRendu::base, CommandeRendu::figure;

TEST_F(CommandeRendu, PngOfTheAskedSize) {
    const std::string png = base + ".png";
    const Resultat r = lance("render '" + figure + "' -o '" + png + "' --size 321x123 --angles 10,-20,0");
    ASSERT_EQ(r.statut, 0) << r.sortie;
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), 321);
    EXPECT_EQ(cairo_image_surface_get_height(s), 123);
    cairo_surface_destroy(s);
    std::remove(png.c_str());
}

TEST_F(CommandeRendu, VectorFilesByTheirExtension) {
    struct Cas {
        const char* extension;
        const char* debut;
    };
    for (const Cas& c : {Cas{".svg", "<?xml"}, Cas{".SVG", "<?xml"}, Cas{".pdf", "%PDF-"}}) {
        const std::string nom = base + c.extension;
        const Resultat r = lance("render '" + figure + "' -o '" + nom + "' --size 200x100");
        ASSERT_EQ(r.statut, 0) << c.extension << r.sortie;
        const std::string tete = debutFichier(nom, 400);
        EXPECT_EQ(tete.rfind(c.debut, 0), 0u) << c.extension;
        if (c.debut[0] == '<') {
            EXPECT_NE(tete.find("width=\"200pt\" height=\"100pt\""), std::string::npos);
        }
        std::remove(nom.c_str());
    }
}

TEST_F(CommandeRendu, PageWidthInMillimetres) {
    struct Cas {
        const char* options;
        const char* taille;
    };
    // 400 x 300 pixels; 127 mm is 360 points.
    const Cas cas[] = {{"", "width=\"400pt\" height=\"300pt\""},
                       {" --page-width 127", "width=\"360pt\" height=\"270pt\""}};
    for (const Cas& c : cas) {
        const std::string nom = base + ".svg";
        const Resultat r = lance("render '" + figure + "' -o '" + nom + "' --size 400x300" + c.options);
        ASSERT_EQ(r.statut, 0) << c.options << r.sortie;
        EXPECT_NE(debutFichier(nom, 400).find(c.taille), std::string::npos) << c.options;
        std::remove(nom.c_str());
    }
}

TEST_F(CommandeRendu, WrongCommandLinesAndUnwritableFiles) {
    struct Cas {
        std::string arguments;
        int statut;
        const char* message;
    };
    const Cas cas[] = {
        {"render '" + figure + "'", 2, "-o PICTURE"},
        {"render '" + figure + "' -o x.gif", 2, ".png, .svg or .pdf"},
        {"render '" + figure + "' -o x.png --size 0x10", 2, "--size"},
        {"render '" + figure + "' -o x.png --size 20", 2, "--size"},
        {"render '" + figure + "' -o x.png --angles 1,2", 2, "--angles"},
        {"render '" + figure + "' -o x.svg --page-width 0", 2, "--page-width"},
        {"render '" + figure + "' -o x.svg --page-width 12mm", 2, "--page-width"},
        {"render '" + figure + "' -o x.svg --page-width 20000", 2, "--page-width"},
        {"render '" + figure + "' -o x.png --angles nan,0,0", 2, "--angles"},
        {"render '" + figure + "' -o x.png --angles 0,inf,0", 2, "--angles"},
        // The figure's language says it; the name of the picture is in every one.
        {"render '" + figure + "' -o /nonexistent/dir/x.png", 1, "'/nonexistent/dir/x.png'"},
    };
    for (const Cas& c : cas) {
        const Resultat r = lance(c.arguments);
        EXPECT_EQ(r.statut, c.statut) << c.arguments << "\n" << r.sortie;
        EXPECT_NE(r.sortie.find(c.message), std::string::npos) << c.arguments << "\n" << r.sortie;
    }
}

TEST(ExportRendu, RefusedArguments) {
    const double angles[3] = {0, 0, 0};
    EXPECT_EQ(KMRendFigureDansFichier(nullptr, "x.png", 10, 10, angles), -1);
    EXPECT_EQ(KMRendFigureDansFichier("", nullptr, 10, 10, nullptr), -1);
    EXPECT_EQ(KMRendFigureDansFichier("", "x.png", 0, 10, nullptr), -1);
    EXPECT_EQ(KMRendFigureDansFichier("", "x.png", 10, 20000, nullptr), -1);
    EXPECT_EQ(KMRendFigureDansFichier("", "x.bmp", 10, 10, nullptr), -3);
    EXPECT_EQ(KMRendFigureDansFichier("", "/nonexistent/dir/x.png", 10, 10, nullptr), -2);
}

// A picture that could not be written tells why, by the system's error
// number, in each format; a picture written clears it.
TEST(ExportRendu, APictureNotWrittenGivesTheSystemsReason) {
    struct Cas {
        std::string fichier;
        int erreur;
    };
    // A full disk: a link named as a picture to the device that is always full.
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / ("km32-rendu-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    const bool plein = std::filesystem::exists("/dev/full");
    std::vector<Cas> cas;
    for (const char* extension : {".png", ".svg", ".pdf"}) {
        cas.push_back({std::string("/nonexistent/dir/x") + extension, ENOENT});
        if (!plein) continue;
        const std::filesystem::path lien = dossier / (std::string("plein") + extension);
        std::filesystem::create_symlink("/dev/full", lien);
        cas.push_back({lien.string(), ENOSPC});
    }
    for (const Cas& c : cas) {
        EXPECT_EQ(KMRendFigureDansFichier("", c.fichier.c_str(), 10, 10, nullptr), -2) << c.fichier;
        EXPECT_EQ(KMErreurRendu(), c.erreur) << c.fichier;
    }
    const std::string ecrit = (dossier / "ecrit.svg").string();
    EXPECT_EQ(KMRendFigureDansFichier("", ecrit.c_str(), 10, 10, nullptr), 0);
    EXPECT_EQ(KMErreurRendu(), 0);
    std::filesystem::remove_all(dossier);
}

// A disk that fills up while a picture is written (a short write, then
// ENOSPC): in each format, over an existing picture and under a new name,
// the call fails with the reason, the old picture keeps its bytes, and
// nothing else is left in the folder (no half picture, no temporary file).
TEST(ExportRendu, ADiskThatFillsDuringTheWriteLeavesTheOldPictureWhole) {
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / ("km32-rendu-plein-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier);
    const std::string ancien = "old picture, kept byte for byte";
    const char* texte = "Figure Kalmetra\r\nA point de coordonn\xE9"
                        "es (0,0,0) dans le rep\xE8"
                        "re Rxyz\r\n";
    for (const char* extension : {".png", ".svg", ".pdf"}) {
        for (const bool existe : {true, false}) {
            const std::filesystem::path cible = dossier / (std::string("image") + extension);
            if (existe) std::ofstream(cible, std::ios::binary) << ancien;
            platform::simulePanneEcriture({platform::EtapeEcriture::EcritureCopie, ENOSPC, 100});
            EXPECT_EQ(KMRendFigureDansFichier(texte, cible.c_str(), 200, 150, nullptr), -2) << cible;
            platform::retirePanneEcriture();
            EXPECT_EQ(KMErreurRendu(), ENOSPC) << cible;
            std::vector<std::string> restes;
            for (const auto& e : std::filesystem::directory_iterator(dossier))
                restes.push_back(e.path().filename().string());
            if (existe) {
                EXPECT_EQ(essais::contenuFichier(cible), ancien) << cible;
                EXPECT_EQ(restes, std::vector<std::string>{cible.filename().string()}) << cible;
            } else {
                EXPECT_TRUE(restes.empty()) << cible << ": " << restes.front();
            }
            std::filesystem::remove(cible);
        }
    }
    std::filesystem::remove_all(dossier);
    // The point's name was drawn: cairo's font caches go with the test.
    platform::libereCachesCairo();
}

} // namespace
} // namespace km32::essai
