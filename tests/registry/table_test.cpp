// Registration of figures under their numbers, refusals, the 64 limit,
// destruction, the library's load and unload, and the initial file.
#include <filesystem>
#include <fstream>
#include <string>

#include "banc_registre.h"
#include "host/bibliotheque.h"
#include "platform/fenetres.h"
#include "platform/minuteries.h"

namespace km32::essai {
namespace {

class TableDesFigures : public BancRegistre {
  protected:
    static platform::Fenetre fenetre() { return platform::creeFenetre(0, {0, 0, 400, 300}, {}, true); }

    static int nombreDeFigures() {
        int n = 0;
        for (int16_t k = 0; k <= 70; ++k)
            n += figureExiste(k) ? 1 : 0;
        return n;
    }
};

TEST_F(TableDesFigures, AllocatedFigureIsRegisteredUnderItsNumber) {
    const platform::Fenetre w = fenetre();
    TfigureKalmetra* f = allogueFigure(w, "", 17);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(figureDeNumero(17), f);
    EXPECT_EQ(f->numeroFigure, 17);
    EXPECT_EQ(f->fenetreDessin, w);
    EXPECT_EQ(f->modifiee, 0);
    EXPECT_EQ(f->nombreObjets, 13);
    EXPECT_EQ(nombreDeFigures(), 1);
}

TEST_F(TableDesFigures, NumbersOutsideOneToSixtyFourAreRefused) {
    for (int n : {0, 65, -1, 1000}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(allogueFigure(fenetre(), "", n), nullptr);
        EXPECT_NO_THROW(KMdetruitFigureMeme(int16_t(n)));
    }
    EXPECT_EQ(nombreDeFigures(), 0);
    EXPECT_FALSE(figureExiste(0));
    EXPECT_FALSE(figureExiste(65));
}

TEST_F(TableDesFigures, DestroyingTwiceIsHarmless) {
    allogueFigure(fenetre(), "", 3);
    allogueFigure(fenetre(), "", 4);
    KMdetruitFigureMeme(3);
    EXPECT_FALSE(figureExiste(3));
    EXPECT_NO_THROW(KMdetruitFigureMeme(3));
    EXPECT_TRUE(figureExiste(4));
    EXPECT_EQ(nombreDeFigures(), 1);
}

TEST_F(TableDesFigures, AllocatingATakenNumberReplacesTheFigureAndStopsItsTimers) {
    const platform::Fenetre w = fenetre();
    TfigureKalmetra* ancienne = allogueFigure(w, "", 9);
    ancienne->horlogeEnMarche = 1;
    platform::lanceMinuterie(w, kMinuterieHorloge, 100);
    TfigureKalmetra* nouvelle = allogueFigure(w, "", 9);
    EXPECT_EQ(figureDeNumero(9), nouvelle);
    EXPECT_EQ(nouvelle->horlogeEnMarche, 0);
    EXPECT_FALSE(platform::minuterieExiste(w, kMinuterieHorloge));
}

TEST_F(TableDesFigures, ExternalWindowTakesTheLowestFreeNumberUntilAllAreTaken) {
    const platform::Fenetre w = fenetre();
    EXPECT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0), 1);
    EXPECT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0), 2);
    EXPECT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0), 3);
    KMdetruitFigureMeme(2);
    EXPECT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0), 2);
    for (int n = 4; n <= 64; ++n)
        ASSERT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0), n);

    TfigureKalmetra* avant[65];
    for (int n = 1; n <= 64; ++n)
        avant[n] = figureDeNumero(n);
    EXPECT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0), 0);
    for (int n = 1; n <= 64; ++n)
        EXPECT_EQ(figureDeNumero(n), avant[n]);
}

TEST_F(TableDesFigures, ExternalWindowGetsTitleColourAndSettings) {
    TTableDesVariablesPartagees* table = TQTableDesVariablesPartagees();
    table->traitsEpaisDefaut = 1;
    allogueFigure(fenetre(), "", 1);
    const platform::Fenetre w = fenetre();
    ASSERT_EQ(creeFigureKMPourFenetreExterne(w, nullptr, 0xFF123456u), 2);
    const TfigureKalmetra* f = figureDeNumero(2);
    EXPECT_EQ(platform::titreFenetre(w), "Figure Kalmetra 2 : ");
    EXPECT_EQ(f->couleurFond, 0x123456u);
    EXPECT_EQ(f->traitsEpais, 1);
    EXPECT_EQ(f->fenetreDessin, w);
    EXPECT_EQ(f->fenetreHote, 0u);
    EXPECT_EQ(f->modifiee, 0);
}

// Figure files in a folder of their own.
class FichierInitial : public TableDesFigures {
  protected:
    std::filesystem::path dossier =
        std::filesystem::temp_directory_path() /
        ("km32_registre_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

    FichierInitial() { std::filesystem::create_directories(dossier); }
    ~FichierInitial() override { std::filesystem::remove_all(dossier); }

    std::string ecrit(const std::string& nom, std::size_t taille) const {
        const std::filesystem::path p = dossier / nom;
        std::ofstream(p, std::ios::binary) << std::string(taille, ' ');
        return p.string();
    }
};

TEST_F(FichierInitial, ReadableFileNamesTheFigure) {
    const std::string nom = ecrit("pyramide.k3v", 65535);
    const platform::Fenetre w = fenetre();
    uint16_t resultat = 99;
    TfigureKalmetra* f = allogueFigure(w, nom, 5, &resultat);
    EXPECT_EQ(resultat, 0);
    EXPECT_EQ(f->nomFigure, "pyramide");
    EXPECT_EQ(f->cheminFichier, nom);
    EXPECT_EQ(f->texteInitialEchoue, 0);
    EXPECT_TRUE(etatErreurs().affichageErreurs);

    ASSERT_EQ(creeFigureKMPourFenetreExterne(w, nom.c_str(), 0), 1);
    EXPECT_EQ(platform::titreFenetre(w), "pyramide : ");
    const uint8_t* r = TQTableDesVariablesPartagees()->dernierRepertoire;
    const std::string repertoire(reinterpret_cast<const char*>(r + 1), r[0]);
    EXPECT_EQ(repertoire, (dossier / "").string());
}

TEST_F(FichierInitial, UnreadableFileLeavesAnEmptyFigure) {
    struct Cas {
        const char* nom;
        std::string fichier;
    };
    const Cas cas[] = {
        {"missing", (dossier / "absent.k3v").string()},
        {"65536 characters", ecrit("long.k3v", 65536)},
    };
    int numero = 1;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        uint16_t resultat = 0;
        TfigureKalmetra* f = allogueFigure(fenetre(), c.fichier, numero, &resultat);
        ASSERT_EQ(figureDeNumero(numero++), f);
        EXPECT_EQ(resultat, kFichierIllisible);
        EXPECT_EQ(f->texteInitialEchoue, 1);
        EXPECT_EQ(f->nomFigure, "");
        EXPECT_EQ(f->cheminFichier, "");
        EXPECT_EQ(f->nombreObjets, 13);
        EXPECT_EQ(f->valeursUtilisees, 88);
        EXPECT_FALSE(f->texteEnAttente); // nothing was read whole
        EXPECT_TRUE(f->tableElementsSolides);
        EXPECT_TRUE(f->blocDessin);
        // Nothing was reported, so the display is switched back on: the next
        // error, of any figure, is shown.
        EXPECT_TRUE(etatErreurs().affichageErreurs);
        reinitialiseErreurs();
    }
}

TEST_F(TableDesFigures, LoadClearsTheTableAndUnloadDestroysEveryFigure) {
    reinitialiseBibliotheque();
    etatErreurs().affichageErreurs = false;
    placeFigure(7, std::make_unique<TfigureKalmetra>());
    initialiseBibliotheque();
    EXPECT_FALSE(figureExiste(7));
    EXPECT_TRUE(etatErreurs().affichageErreurs);

    const platform::Fenetre w = fenetre();
    TfigureKalmetra* f = allogueFigure(w, "", 2);
    allogueFigure(fenetre(), "", 64);
    f->horlogeEnMarche = 1;
    platform::lanceMinuterie(w, kMinuterieHorloge, 100);
    termineBibliotheque();
    EXPECT_EQ(nombreDeFigures(), 0);
    EXPECT_FALSE(platform::minuterieExiste(w, kMinuterieHorloge));
    reinitialiseBibliotheque();
}

} // namespace
} // namespace km32::essai
