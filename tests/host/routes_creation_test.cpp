// An object made by any road is the object its written text gives back: a
// figure text, a file opened by its name, a line of a host (which runs
// without fresh random numbers), the construction dialog, and undo then
// redo of the creation. After each, the text the figure writes passes the
// host's check, the save writes a file that opens by its name into the same
// text, and undo then redo of the creation give back that text. A text
// display stands where the reader of its position line puts it: whole
// pixels within the drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/texte.h"
#include "etats_figure_banc.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "model/objets_figure.h"

namespace km32::essais {
namespace {

enum class Route { Texte, Fichier, Ligne, Dialogue };

struct Genre {
    const char* nom;
    const char* avant; // lines of the figure before the creation
    const char* ligne; // the creation, as a line
    const char* objet; // the object made
    bool affichage;
};

const Genre kGenres[] = {
    {"first display", "", "T4 affichage du texte: abc", "T4", true},
    {"display in a zone", "T1 affichage du texte: un\r\nT2 affichage du texte: deux\r\n",
     "T4 affichage du texte: abc", "T4", true},
    {"free point in space", "", "P point libre dans l'espace", "P", false},
    {"free real", "", "a réel libre de [0,10]", "a", false},
};

class RoutesCreation : public BancEtatsFigure {
  protected:
    void SetUp() override {
        BancEtatsFigure::SetUp();
        dossier = std::filesystem::temp_directory_path() / ("km32-routes-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        BancEtatsFigure::TearDown();
    }

    static std::string texteDe(const Genre& g, bool avecLigne) {
        return windows1252DeUtf8(std::string("Figure Kalmetra\r\n"
                                             "A point de coordonnées (1,2,3) dans le repère Rxyz\r\n") +
                                 g.avant + (avecLigne ? std::string(g.ligne) + "\r\n" : std::string()) +
                                 "Fin de la figure");
    }

    // Makes the object of g in figure n by the road r (the figure may be
    // made again in another number for a file).
    void cree(const Genre& g, Route r) {
        figureDeTexte("");
        switch (r) {
        case Route::Texte:
            KMExecuterTexte(n, texteDe(g, true).c_str());
            break;
        case Route::Fichier: {
            const std::string fichier = (dossier / "route.k3v").string();
            std::ofstream(fichier, std::ios::binary) << texteDe(g, true);
            KMDetruitFigure(n);
            n = KMCreeFigEtRenvoieNumero(hote, fichier.c_str(), nullptr, nullptr);
            break;
        }
        case Route::Ligne:
            KMExecuterTexte(n, texteDe(g, false).c_str());
            KMExecuteLigneFig(n, windows1252DeUtf8(g.ligne).c_str());
            break;
        case Route::Dialogue: {
            KMExecuterTexte(n, texteDe(g, false).c_str());
            commande(126);
            ASSERT_NE(fenetreDialogue(), nullptr);
            remplit(1, "abc");
            remplit(fenetreDialogue()->dialogue.nombreLignes, g.objet);
            valide();
            break;
        }
        }
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
        ASSERT_GT(numero(g.objet), kObjetsPredefinis) << utf8DeWindows1252(texte());
    }

    std::filesystem::path dossier;
};

TEST_F(RoutesCreation, EveryRoadMakesTheObjectItsTextGivesBack) {
    for (const Genre& g : kGenres)
        for (const Route r : {Route::Texte, Route::Fichier, Route::Ligne, Route::Dialogue}) {
            if (r == Route::Dialogue && !g.affichage) continue;
            SCOPED_TRACE(std::string(g.nom) + " by road " + std::to_string(int(r)));
            cree(g, r);
            if (HasFatalFailure()) return;
            const std::string ecrit = texte();
            if (g.affichage) {
                // Where the position line would put it: whole pixels in the
                // drawing, within the width of a figure being read.
                const int i = numero(g.objet);
                const double x = valeurObjet(fig(), i, 1), y = valeurObjet(fig(), i, 2);
                EXPECT_EQ(x, std::round(x));
                EXPECT_EQ(y, std::round(y));
                EXPECT_GE(x, 2);
                EXPECT_LE(x, TfigureKalmetra::kLargeurImageNeuve - 20);
                EXPECT_EQ(y, 1);
            }
            EXPECT_EQ(KMVerifieTexteFigure(n), 0) << utf8DeWindows1252(ecrit);
            // The text read again gives the same text.
            const int16_t relu = KMCreeFigEtRenvoieNumero(hote, nullptr, ecrit.c_str(), nullptr);
            EXPECT_EQ(KMLigneEnErreur(relu), 0);
            EXPECT_EQ(texteDeBloc(KMTexteFigure(relu)), ecrit);
            KMDetruitFigure(relu);
            // The save, and the file opened by its name.
            const std::string fichier = (dossier / "sauve.k3v").string();
            ASSERT_EQ(KMsauveFigure(n, fichier.c_str()), 0) << derniereBoite();
            const int16_t ouvert = KMCreeFigEtRenvoieNumero(hote, fichier.c_str(), nullptr, nullptr);
            EXPECT_EQ(KMLigneEnErreur(ouvert), 0);
            EXPECT_EQ(texteDeBloc(KMTexteFigure(ouvert)), ecrit);
            KMDetruitFigure(ouvert);
            // Undo then redo of a creation made in the figure give it back
            // where it stood.
            if (r == Route::Ligne || r == Route::Dialogue) {
                commande(93);
                EXPECT_LT(numero(g.objet), 1) << "undone";
                platform::boitesDemandees().clear();
                commande(122);
                EXPECT_EQ(derniereBoite(), "");
                EXPECT_EQ(texte(), ecrit);
            }
            KMDetruitFigure(n);
            n = 0;
        }
}

} // namespace
} // namespace km32::essais
