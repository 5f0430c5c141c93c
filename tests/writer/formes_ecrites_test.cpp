// Figures whose text reads back only if every line is judged in the form
// the writer writes it: a construction block just under the reader's 5,000
// characters full of short lines, long homothety lines that the German
// writer codes, built-in objects renamed in German, a command renamed that
// a start line runs, renames reaching every list that names an object. Each
// is read in its own language, saved with each language applied, and the
// file reads back into the same text. Also a French line of 249 or 250
// characters typed by a host, and the read-back that refuses a save or a
// handed-out text that would not give the figure back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "banc_sauvegarde.h"
#include "bloc_rempli.h"
#include "fichier_essai.h"
#include "km32.h"
#include "host/bibliotheque.h"
#include "platform/boites.h"
#include "platform/hasard.h"
#include "text/ecriture_figure.h"
#include "text/relecture_texte.h"

namespace km32 {
namespace {

using FormesEcrites = essais::BancSauvegarde;

std::string texteDeBloc(uint32_t bloc) {
    const char* c = bloc ? KMContenuBloc(bloc) : nullptr;
    std::string t = c ? c : "";
    if (bloc) KMLibereBloc(bloc);
    return t;
}

std::vector<std::string> lignesTropLongues(const std::string& texte) {
    std::vector<std::string> r;
    for (std::size_t debut = 0; debut <= texte.size();) {
        std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string::npos) fin = texte.size();
        if (fin - debut > 250) r.push_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return r;
}

// A block of numbers read in French at exactly taille characters: many
// short lines ("v00 = 1") whose coded form is 10 characters longer, so
// that coding every line would pass the limit where coding none but the
// interface line keeps the block under it.
std::string texteAuBlocDeNombres(std::size_t taille) {
    std::string corps = "D\xE9"
                        "but de [Suite]\r\nx r\xE9"
                        "el donn\xE9\r\n";
    for (int k = 0; k < 12; ++k)
        corps += "v" + std::to_string(10 + k).substr(0, 2) + " = " + std::to_string(k % 9 + 1) + "\r\n";
    corps += "y = x+1\r\nDescription de l'interface\r\ny suivant de x\r\nNombre:\r\nNom:\r\n";
    return "Figure Kalmetra\r\n" + essais::blocRempli(corps, "Fin de [Suite]", taille) +
           "\r\nu = 3\r\nw suivant de u\r\n";
}

// Images by a homothety whose ratio holds 13 numbers of eleven digits: a
// French line of 230 characters, 254 in German words, coded there.
std::string texteHomothetie() {
    std::string rapport = "(";
    for (int k = 0; k < 13; ++k)
        rapport += (k ? "+" : "") + std::string("1.") + std::to_string(1234567891 + k);
    rapport += ")/10";
    return "Figure Kalmetra\r\n"
           "O point de coordonn\xE9"
           "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
           "A point de coordonn\xE9"
           "es (1,2,3) dans le rep\xE8re Rxyz\r\n"
           "B point de coordonn\xE9"
           "es (3,2,1) dans le rep\xE8re Rxyz\r\n"
           "M image de A par l'homoth\xE9tie de centre O et de rapport " +
           rapport +
           "\r\n"
           "N image de B par l'homoth\xE9tie de centre O et de rapport " +
           rapport +
           "\r\n"
           "h homoth\xE9tie de centre O et de rapport " +
           rapport + "\r\n";
}

struct Cas {
    const char* nom;
    std::string texte;
};

// The cases of the table; each text reads in its own language.
std::vector<Cas> cas() {
    return {
        {"block of 4,990 characters", texteAuBlocDeNombres(4990)},
        {"block of 4,999 characters", texteAuBlocDeNombres(4999)},
        {"German homothety lines", texteHomothetie()},
        // The joined rename line of four built-in objects has 12 characters
        // before "umbenennen": the German reader takes at most 10 there.
        {"four German renames", "Kalmetra Figur (Deutsch)\r\nox umbenennen: X\r\noy umbenennen: Y\r\n"
                                "oz umbenennen: Z\r\noxy umbenennen: W\r\n"},
        {"renamed command of a start line", "Figure Kalmetra\r\nP point libre dans l'espace\r\n"
                                            "K (touche k) position m\xE9moris\xE9"
                                            "e de P\r\n"
                                            "D\xE9marrer en ex\xE9"
                                            "cutant  3 fois les commandes K\r\n"
                                            "Renommer K: K123\r\n"},
        // Names in every list that names objects: the clipping by a convex,
        // the protections, a command that draws a list, the start line
        // (whose count is a number object); two of them change places.
        {"renames in every list", "Figure Kalmetra\r\n"
                                  "A point de coordonn\xE9"
                                  "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                                  "B point de coordonn\xE9"
                                  "es (4,0,0) dans le rep\xE8re Rxyz\r\n"
                                  "C point de coordonn\xE9"
                                  "es (0,4,0) dans le rep\xE8re Rxyz\r\n"
                                  "D point de coordonn\xE9"
                                  "es (0,0,4) dans le rep\xE8re Rxyz\r\n"
                                  "T poly\xE8"
                                  "dre convexe de sommets A,B,C,D\r\n"
                                  "d droite (AB)\r\n"
                                  "n = 2\r\n"
                                  "K (touche k) dessin en bloc de d, A\r\n"
                                  "L (touche l) dessin en bloc de B\r\n"
                                  "Dessins limit\xE9s au convexe T: d\r\n"
                                  "Objets prot\xE9g\xE9s: A, B\r\n"
                                  "D\xE9marrer en ex\xE9"
                                  "cutant  n fois les commandes K, L\r\n"
                                  "Renommer A d K L n: A1 d2 L K n3\r\n"},
    };
}

// Each case saved with each language applied reads back from its file into
// the same text, which has no line over 250; the library's check agrees.
TEST_F(FormesEcrites, EachCaseIsSavedInEachLanguageAndItsFileReadsBack) {
    for (const Cas& c : cas()) {
        SCOPED_TRACE(c.nom);
        KMappliqueLangue(1);
        platform::boitesDemandees().clear();
        const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr, c.texte.c_str(), "");
        ASSERT_GT(f, 0);
        ASSERT_EQ(KMLigneEnErreur(f), 0)
            << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().front().texte);
        for (const int16_t langue : {1, 2, 3}) {
            SCOPED_TRACE(langue);
            KMappliqueLangue(langue);
            const std::string fichier = (dossier / ("cas" + std::to_string(langue) + ".k3v")).string();
            platform::boitesDemandees().clear();
            EXPECT_EQ(KMsauveFigure(f, fichier.c_str()), 0)
                << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().front().texte);
            EXPECT_EQ(KMErreurSauvegarde(), 0);
            EXPECT_EQ(KMVerifieTexteFigure(f), 0);
            const std::string ecrit = essais::contenuFichier(fichier);
            ASSERT_FALSE(ecrit.empty());
            EXPECT_TRUE(lignesTropLongues(ecrit).empty());
            const int16_t relue = KMCreeFigEtRenvoieNumero(0, nullptr, ecrit.c_str(), "");
            ASSERT_GT(relue, 0);
            EXPECT_EQ(KMLigneEnErreur(relue), 0)
                << ecrit
                << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().back().texte);
            EXPECT_EQ(KMNombreObjets(relue), KMNombreObjets(f));
            EXPECT_EQ(texteDeBloc(KMTexteFigure(relue)), ecrit);
            KMDetruitFigure(relue);
        }
        KMDetruitFigure(f);
    }
    KMappliqueLangue(1);
}

// The names that a rename gives reach the written lines: the stored start
// line names K123, the lists and the start line's count name the new
// names, and two commands that change names keep their own lines.
TEST_F(FormesEcrites, ARenameReachesEveryLineThatNamesTheObject) {
    const std::vector<Cas> tous = cas();
    const int16_t demarrage = KMCreeFigEtRenvoieNumero(0, nullptr, tous[4].texte.c_str(), "");
    ASSERT_GT(demarrage, 0);
    const std::string texte = texteDeBloc(KMTexteFigure(demarrage));
    EXPECT_NE(texte.find("les commandes K123\r\n"), std::string::npos) << texte;
    KMDetruitFigure(demarrage);

    const int16_t listes = KMCreeFigEtRenvoieNumero(0, nullptr, tous[5].texte.c_str(), "");
    ASSERT_GT(listes, 0);
    const std::string ecrit = texteDeBloc(KMTexteFigure(listes));
    for (const char* ligne : {"\r\nL (touche K) dessin en bloc de d2, A1\r\n",
                              "\r\nK (touche L) dessin en bloc de B\r\n", "limit\xE9s au convexe T: d2\r\n",
                              "Objets prot\xE9g\xE9s: A1, B\r\n", "cutant  n3 fois les commandes L,K\r\n"})
        EXPECT_NE(ecrit.find(ligne), std::string::npos) << ligne << "\n" << ecrit;
    KMDetruitFigure(listes);
}

// A valid French line of 249 or 250 characters typed by a host is taken,
// whatever the languages it is longer in, and the text written in each
// language reads back: the German line is written coded.
TEST_F(FormesEcrites, ATypedLineOf249Or250CharactersIsTakenAndReadsBackInEachLanguage) {
    const std::string debut = texteHomothetie();
    const int16_t f =
        KMCreeFigEtRenvoieNumero(0, nullptr, debut.substr(0, debut.find("M image")).c_str(), "");
    ASSERT_GT(f, 0);
    std::string ligne = debut.substr(debut.find("M image"));
    ligne = ligne.substr(0, ligne.find("\r\n"));
    const std::size_t rapport = ligne.find("rapport ") + 8;
    for (const std::size_t n : {249u, 250u}) {
        SCOPED_TRACE(n);
        // Blanks before the ratio, which the reader takes as one, bring the
        // line to its length.
        ASSERT_LT(ligne.size(), n);
        const std::string tapee =
            ligne.substr(0, rapport) + std::string(n - ligne.size(), ' ') + ligne.substr(rapport);
        ASSERT_EQ(tapee.size(), n);
        KMappliqueLangue(1);
        platform::boitesDemandees().clear();
        KMExecuteLigneFig(f, tapee.c_str());
        ASSERT_EQ(KMLigneEnErreur(f), 0)
            << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().front().texte);
        for (const int16_t langue : {1, 2, 3}) {
            KMappliqueLangue(langue);
            const std::string ecrit = texteDeBloc(KMTexteFigure(f));
            EXPECT_TRUE(lignesTropLongues(ecrit).empty()) << langue;
            EXPECT_EQ(KMVerifieTexteFigure(f), 0) << langue;
        }
        KMappliqueLangue(1);
        KMExecuteLigneFig(f, "Supprimer M");
        ASSERT_EQ(KMLigneEnErreur(f), 0);
    }
    KMDetruitFigure(f);
}

// A figure whose text would not read back (a start line naming a command
// the figure does not have) is not saved: the line is named, the reason is
// EBADMSG and the old file stays as it was. The check of the handed-out
// text names the same line; a figure that does not exist gives -1.
TEST_F(FormesEcrites, ASaveWhoseTextWouldNotReadBackIsRefusedAndTheOldFileKept) {
    const std::string ancien = (dossier / "ancien.k3v").string();
    ASSERT_EQ(KMsauveFigure(numero, ancien.c_str()), 0);
    const std::string texteAncien = essais::contenuFichier(ancien);
    const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr,
                                               "Figure Kalmetra\r\nP point libre dans l'espace\r\n"
                                               "K (touche k) position m\xE9moris\xE9"
                                               "e de P\r\n"
                                               "D\xE9marrer en ex\xE9"
                                               "cutant  3 fois les commandes K\r\n",
                                               "");
    ASSERT_GT(f, 0);
    KMExecuteLigneFig(f, "Supprimer K");
    ASSERT_EQ(KMLigneEnErreur(f), 0);
    // The deletion took K out of the start line, and the line with it; the
    // line is put back as a fault of the writer would leave it.
    ASSERT_FALSE(figureDeNumero(f)->lignesDifferees);
    figureDeNumero(f)->lignesDifferees = std::make_unique<std::string>("\r\n;\\;2267;\\;3;\\;K");
    const std::string ecrit = texteDeBloc(KMTexteFigure(f));
    const std::size_t demarre = ecrit.find("D\xE9marrer");
    ASSERT_NE(demarre, std::string::npos);
    const int32_t ligne =
        1 + int32_t(std::count(ecrit.begin(), ecrit.begin() + std::ptrdiff_t(demarre), '\n'));
    EXPECT_EQ(KMVerifieTexteFigure(f), ligne);
    EXPECT_EQ(ligneNonRelue(ecrit), ligne);

    platform::boitesDemandees().clear();
    EXPECT_EQ(KMsauveFigure(f, ancien.c_str()), 1);
    EXPECT_EQ(KMErreurSauvegarde(), EBADMSG);
    EXPECT_EQ(essais::contenuFichier(ancien), texteAncien);
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_EQ(platform::boitesDemandees().front().texte, "La ligne " + std::to_string(ligne) +
                                                             " du texte \xE9"
                                                             "crit ne serait pas relue telle qu'elle est: "
                                                             "le fichier n'a pas \xE9t\xE9 \xE9"
                                                             "crit.");
    KMDetruitFigure(f);
    EXPECT_EQ(KMVerifieTexteFigure(f), -1);
}

// The read-back names the first line at which a text stops or from which
// the figure it gives is written otherwise; it changes no figure and leaves
// the random sequence where it was.
TEST(Relecture, NamesTheFirstLineThatDoesNotComeBack) {
    reinitialiseBibliotheque();
    KMInitialise();
    const int16_t f = KMCreeFigEtRenvoieNumero(0, nullptr,
                                               "Figure Kalmetra\r\nA point de coordonn\xE9"
                                               "es (1,2,3) dans le rep\xE8re Rxyz\r\nP point libre dans "
                                               "l'espace\r\n",
                                               "");
    ASSERT_GT(f, 0);
    const std::string ecrit = texteDeBloc(KMTexteFigure(f));
    EXPECT_EQ(ligneNonRelue(ecrit), 0);
    const std::size_t point = ecrit.find("A point");
    ASSERT_NE(point, std::string::npos);
    const uint16_t ligne =
        uint16_t(1 + std::count(ecrit.begin(), ecrit.begin() + std::ptrdiff_t(point), '\n'));
    // A comment line comes back at the end of the text: the text written
    // again differs from its place on.
    std::string faux = ecrit;
    faux.insert(point, "% une remarque\r\n");
    EXPECT_EQ(ligneNonRelue(faux), ligne) << "written otherwise from that line";
    faux = ecrit;
    faux.insert(point, "pas une phrase\r\n");
    EXPECT_EQ(ligneNonRelue(faux), ligne) << "a line the reader refuses";
    platform::initialiseHasard(77);
    const double attendu = platform::reelAuHasard();
    platform::initialiseHasard(77);
    ligneNonRelue(ecrit);
    EXPECT_EQ(platform::reelAuHasard(), attendu);
    EXPECT_EQ(texteDeBloc(KMTexteFigure(f)), ecrit);
    KMDetruitFigure(f);
    reinitialiseBibliotheque();
}

} // namespace
} // namespace km32
