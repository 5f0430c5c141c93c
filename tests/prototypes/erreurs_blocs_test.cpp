// Blocks that are refused: the run stops at the block (or at the failing
// definition line inside it) with the reader's message, and no prototype
// and no table are left behind.
#include "banc_prototypes.h"

#include "model/expression_erreurs.h"
#include "phrases/phrase.h"

namespace km32::essai {
namespace {

class ErreursBlocs : public BancPrototypes {};

// The midpoint block with line k (0-based) replaced by the given lines.
std::vector<std::string> milieuAvec(std::size_t k, const std::vector<std::string>& remplacement) {
    std::vector<std::string> b(kBlocMilieu.begin(), kBlocMilieu.begin() + long(k));
    b.insert(b.end(), remplacement.begin(), remplacement.end());
    b.insert(b.end(), kBlocMilieu.begin() + long(k) + 1, kBlocMilieu.end());
    return b;
}

// Line numbers: the header is line 1, the "Début de" line 2, the
// description line 6 and the model phrase line 7 of the midpoint block.
struct CasErreur {
    const char* nom;
    std::vector<std::string> bloc;
    uint16_t ligne;
    uint16_t phrase;
    const char* message; // when the phrase has a name filled in
};

TEST_F(ErreursBlocs, ChaqueErreurDuLecteurAvecSaLigneEtSonMessage) {
    const std::string longue = "%" + std::string(200, 'x');
    std::vector<std::string> tropLong = kBlocMilieu;
    tropLong.insert(tropLong.begin() + 1, 25, longue);
    const std::vector<CasErreur> cas = {
        {"titre sans crochets", milieuAvec(0, {"Début de Milieu"}), 2, 693, nullptr},
        {"fin manquante", milieuAvec(9, {"Fin de [Milie]"}), 2, 694, nullptr},
        {"bloc de 5000 caractères", tropLong, 2, 695, nullptr},
        {"sans description de l'interface", milieuAvec(4, {}), 2, 699, nullptr},
        {"aucun objet créé", milieuAvec(3, {}), 2, 696, nullptr},
        {"objet donné après un objet créé",
         milieuAvec(1, {"C point de coordonnées (1,2,3) dans le repère Rxyz", "A point donné"}), 2, 697,
         nullptr},
        {"résultat interdit", milieuAvec(3, {"t affichage du texte: bonjour"}), 2, 698,
         "Un prototype ne peut créer t."},
        {"phrase modèle manquante",
         {"Début de [Milieu]", "A point donné", "B point donné", "M milieu du segment [AB]",
          "Description de l'interface", "% fin de [Milieu]"},
         7,
         700,
         nullptr},
        {"vec sans parenthèse fermante", milieuAvec(5, {"M milieu de vec(AB"}), 7, 701, nullptr},
        {"nom inconnu", milieuAvec(5, {"M milieu de A, B et vec(w)"}), 7, 702, "Nom inconnu : vec(w)."},
        {"résultat pas en tête", milieuAvec(5, {"AB milieu de M"}), 7, 703, nullptr},
        {"résultat collé à un donné", milieuAvec(5, {"M A et B"}), 7, 703, nullptr},
        {"donné absent", milieuAvec(5, {"M milieu de A"}), 7, 705, nullptr},
        {"invite manquante", milieuAvec(8, {}), 10, 711, nullptr},
    };
    for (const CasErreur& c : cas) {
        SCOPED_TRACE(c.nom);
        reinitialiseFigure(f);
        platform::reinitialiseBoites();
        EXPECT_EQ(litFigure(joint(c.bloc, {"C point de coordonnées (1,2,3) dans le repère Rxyz"})), c.ligne);
        const std::string attendu = c.message
                                        ? std::string(c.message)
                                        : utf8DeWindows1252(remplaceMarquesErreur(phraseDeNumero(c.phrase)));
        EXPECT_EQ(dernierMessage(), attendu);
        EXPECT_FALSE(f.tableDesPrototypes);
        EXPECT_EQ(noms(), "");
    }
}

TEST_F(ErreursBlocs, NomsCollesDontUnCercle) {
    const std::vector<std::string> bloc = {
        "Début de [Sur]",
        "c cercle donné",
        "A point donné",
        "B point donné",
        "M milieu du segment [AB]",
        "Description de l'interface",
        "M milieu de c AB",
        "Cercle:",
        "Point 1:",
        "Point 2:",
        "Milieu:",
        "Fin de [Sur]",
    };
    EXPECT_EQ(litFigure(bloc), 8); // the model phrase
    EXPECT_EQ(dernierMessage(), utf8DeWindows1252(phraseDeNumero(704)));
    EXPECT_FALSE(f.tableDesPrototypes);
}

TEST_F(ErreursBlocs, QuatreVariablesMuettes) {
    const std::vector<std::string> bloc = {
        "Début de [Trop]",   "a réel donné",      "x variable muette", "y variable muette",
        "z variable muette", "t variable muette", "r = a*x+y+z+t",     "Description de l'interface",
        "f fonction de a",   "Coefficient:",      "Fonction:",         "Fin de [Trop]",
    };
    EXPECT_EQ(litFigure(bloc), 2);
    EXPECT_EQ(dernierMessage(), utf8DeWindows1252(phraseDeNumero(710)));
    EXPECT_FALSE(f.tableDesPrototypes);
}

// A definition line that fails was shown by the runner with its line; the
// reader adds no message of its own and the run stops at that line.
TEST_F(ErreursBlocs, LigneDeDefinitionEnEchec) {
    EXPECT_EQ(litFigure(milieuAvec(3, {"M milieu du segment [AZ]"})), 5);
    EXPECT_EQ(dernierMessage(), "M milieu du segment [AZ]");
    EXPECT_FALSE(f.tableDesPrototypes);
}

// A block that fails after a good one leaves the good one in place.
TEST_F(ErreursBlocs, UnBlocEnEchecLaisseLesPrecedents) {
    std::vector<std::string> lignes = kBlocMilieu;
    lignes.push_back("Début de [Autre]");
    EXPECT_EQ(litFigure(lignes), 12);
    ASSERT_TRUE(f.tableDesPrototypes);
    EXPECT_EQ(nombrePrototypes(), 1);
    EXPECT_EQ(dernierMessage(), utf8DeWindows1252(phraseDeNumero(694)));
}

} // namespace
} // namespace km32::essai
