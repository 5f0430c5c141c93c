// Setting and command lines run one by one on a figure: the fields each
// line sets (every other field stays as it was), the refusals of malformed
// values with their messages, the start commands that wait while a text is
// read in, and the query lines.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "banc_reglages.h"
#include "model/fenetres_figure.h"

namespace km32::reglages {
namespace {

const std::string kObjets = "Figure Kalmetra\r\n" + objetsDeBase() +
                            "s segment [AB]\r\n"
                            "Objets libres bloqués: Q\r\n"
                            "Objet libre actif au clavier: P\r\n"
                            "Gommer D\r\n"
                            "Fin de la figure";

class LignesDeCommande : public BancReglages {
  protected:
    void SetUp() override {
        BancReglages::SetUp();
        uint16_t echec = 0;
        figure = lisUtf8(kObjets, &echec);
        ASSERT_EQ(echec, 0) << premiereBoite();
        platform::reinitialiseBoites();
    }
    void TearDown() override {
        libereFigure(figure);
        BancReglages::TearDown();
    }
    int numero(const char* nom) const { return numeroObjetDeNotation(*figure, nom); }
    std::unique_ptr<TfigureKalmetra> figure;
};

// An expected change: the field's new text, or "|m" / "~m" (several may
// follow each other) for the bits of mask m set or cleared in a number.
using Changements = std::vector<std::pair<std::string, std::string>>;

Champs applique(Champs c, const Changements& changements) {
    for (const auto& [nom, valeur] : changements) {
        if (valeur.size() > 1 && (valeur[0] == '|' || valeur[0] == '~') && c.count(nom)) {
            unsigned x = unsigned(std::stoul(c[nom]));
            for (std::size_t p = 0; p < valeur.size();) {
                std::size_t fin = 0;
                const unsigned masque = unsigned(std::stoul(valeur.substr(p + 1), &fin));
                x = valeur[p] == '|' ? (x | masque) : (x & ~masque);
                p += 1 + fin;
                while (p < valeur.size() && valeur[p] == ' ')
                    ++p;
            }
            c[nom] = texte(x);
        } else {
            c[nom] = valeur;
        }
    }
    return c;
}

TEST_F(LignesDeCommande, EachLineSetsItsFieldsAndNothingElse) {
    struct Cas {
        const char* ligne;
        uint16_t langue;
        Changements changements;
    };
    const std::string hauteurMax = texte(figure->hauteurImage - 10);
    const std::string xMax = texte(figure->largeurImage - 20), yMax = texte(figure->hauteurImage - 20);
    constexpr uint16_t fr = kLangueFrancaise, en = kLangueAnglaise, de = kLangueAllemande;
    const Cas cas[] = {
        {"Hauteur de la zone des affichages: 2", fr, {{"zone", "4"}}},
        {"Hauteur de la zone des affichages: 80.6", fr, {{"zone", "81"}}},
        {"Hauteur de la zone des affichages: 500", fr, {{"zone", hauteurMax}}},
        {"Pas de rotation au clavier en degrés: 200", fr, {{"pas rotation", "90"}}},
        {"Pas de rotation au clavier en degrés: 0", fr, {{"pas rotation", "0.05"}}},
        {"Pas de rotation au clavier en degrés: 7.5", fr, {{"pas rotation", "7.5"}}},
        {"Heure mise à jour toutes les 50 ms", fr, {{"horloge", "50"}, {"horloge repetee", "1"}}},
        {"Heure mise à jour toutes les 60000 ms", fr, {{"horloge", "60000"}, {"horloge repetee", "1"}}},
        {"Paramètres d'impression : noir et blanc, unité de longueur Uxyz égale à 1 mm",
         fr,
         {{"impression", "NU 1"}}},
        {"Paramètres d'impression : couleur, largeur de l'image égale à 500 mm",
         fr,
         {{"impression", "CF 500"}}},
        {"Paramètres de copie ajustée : couleur, unité de longueur Uxyz égale à 80 mm",
         fr,
         {{"copie", "CU 80"}}},
        {"Double cadre limitant l'image (impression ou copie) : (0.004 , 0.2) >> (0.996 , 0.8) par rapport à "
         "la "
         "fenêtre",
         fr,
         {{"cadre", "0.01 0.2 0.99 0.8"}}},
        {"Double cadre limitant l'image (impression ou copie) : (0.9 , 0.8) >> (0.1 , 0.254) par rapport à "
         "la "
         "fenêtre",
         fr,
         {{"cadre", "0.1 0.25 0.9 0.8"}}},
        {"Position de l'affichage t: (5,0)", fr, {{"valeur t 1", "5"}, {"valeur t 2", "1"}}},
        {"Position de l'affichage t: (1000,1000)", fr, {{"valeur t 1", xMax}, {"valeur t 2", yMax}}},
        {"Couleur du fond: couleur RVB(10, 20 ,30)",
         fr,
         {{"fond", texte(1) + " " + texte(10 + 20 * 256 + 30 * 65536)}}},
        {"Couleur du fond: 255", fr, {{"fond", "1 255"}}},
        {"Paramètres pour v: 1 -2 3.5",
         fr,
         {{"valeur v 1", "1"}, {"valeur v 2", "-2"}, {"valeur v 3", "3.5"}}},
        {"Repère par défaut: R", fr, {{"repere", "R"}}},
        {"Unité de longueur par défaut: u", fr, {{"unite", "u"}}},
        {"Pilotage en boucle pour: n, x", fr, {{"drapeaux n", "|16"}, {"drapeaux x", "|16"}}},
        {"Objets libres bloqués: P", fr, {{"drapeaux P", "|8 ~512"}, {"actif", ""}}},
        {"Débloquer Q", fr, {{"drapeaux Q", "~8"}}},
        {"Autoriser piloter Q", fr, {{"drapeaux Q", "~8"}}},
        {"Objets d'accès interdit: A, ox", fr, {{"drapeaux A", "|4"}, {"drapeaux ox", "|4"}}},
        {"Objets protégés: A", fr, {{"drapeaux A", "|2"}}},
        {"Objets protégés à rappel limité: B", fr, {{"drapeaux B", "|130"}}},
        {"Gommer A, s", fr, {{"style A", "|16384"}, {"style s", "|16384"}}},
        {"Dessiner D, A", fr, {{"style D", "~16384"}}},
        {"Le point Q doit coller au point A", fr, {{"colle Q", "A"}}},
        // No command menu and no command runs here: accepted, nothing changes.
        {"Exécuter 3 fois les commandes v", fr, {}},
        {"Options interdites: 2-1-1-9, 3-1", fr, {}},
        {"Autoriser les options : 2-1-1-9", fr, {}},
        {"Height of zone for displays: 70", en, {{"zone", "70"}}},
        {"Printing parameters: color, width of the picture matching to 120 mm",
         en,
         {{"impression", "CF 120"}}},
        {"Adjusted copy parameters: black and white, length unit Uxyz matching to 90 mm",
         en,
         {{"copie", "NU 90"}}},
        {"Ground color: RGB colour(1,2,3)", en, {{"fond", texte(1) + " " + texte(1 + 2 * 256 + 3 * 65536)}}},
        {"Druckparameter: Farbe, Breite des Bildes gleich 120 mm", de, {{"impression", "CF 120"}}},
        {"Schritt der Drehung in Grad mit der Tastatur: 12", de, {{"pas rotation", "12"}}},
        {"Standardes Koordinatensystem: R", de, {{"repere", "R"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        std::unique_ptr<TfigureKalmetra> copie;
        copieFigure(*figure, copie);
        const Champs avant = champs(*copie);
        appliqueLangueSysteme(c.langue);
        EXPECT_EQ(ligne(*copie, c.ligne), 0) << premiereBoite();
        appliqueLangueSysteme(kLangueFrancaise);
        attendMemesChamps(applique(avant, c.changements), champs(*copie));
        libereFigure(copie);
        platform::reinitialiseBoites();
    }
}

TEST_F(LignesDeCommande, MalformedValuesAreRefusedWithTheirMessageAndChangeNothing) {
    struct Cas {
        const char* ligne;
        uint16_t erreur;
        const char* message;
    };
    const Cas cas[] = {
        {"Heure mise à jour toutes les 49 ms", 624, "Valeur incorrecte: 49"},
        {"Heure mise à jour toutes les 50.5 ms", 624, "Valeur incorrecte: 50.5"},
        {"Heure mise à jour toutes les 60001 ms", 624, "Valeur incorrecte: 60001"},
        {"Paramètres d'impression : couleur, largeur de l'image égale à 501 mm", 624,
         "Valeur incorrecte: 501"},
        {"Paramètres de copie ajustée : couleur, largeur de l'image égale à 0 mm", 624,
         "Valeur incorrecte: 0"},
        {"Double cadre limitant l'image (impression ou copie) : (0.5 , 0.1) >> (0.504 , 0.9) par rapport à "
         "la "
         "fenêtre",
         624, "Valeur incorrecte: 0.504"},
        {"Position de l'affichage t: (-5,10)", 624, "Valeur incorrecte: -5"},
        {"Position de l'affichage t: (5,2.5)", 624, "Valeur incorrecte: 2.5"},
        {"Couleur du fond: couleur RVB(10,20)", 676, "Couleur RVB incorrecte."},
        {"Couleur du fond: couleur RVB(10,20,256)", 676, "Couleur RVB incorrecte."},
        {"Couleur du fond: 1.5", 533, "Donnée incorrecte:\r 1.5"},
        {"Couleur du fond: -1", 533, "Donnée incorrecte:\r -1"},
        {"Paramètres pour v: 1 2", 618, "Ligne non exécutable"},
        {"Paramètres pour A: 1 2 3", 533, "Donnée incorrecte:\r A"},
        {"Pilotage en boucle pour: P, x", 533, "Donnée incorrecte:\r P"},
        {"Objets libres bloqués: A", 604, "L'objet A n'est pas libre."},
        {"Débloquer s", 604, "L'objet s n'est pas libre."},
        {"Le point P doit coller au point A", 604, "L'objet P n'est pas libre."},
        {"Pas de pilotage au clavier de P: 0.05 (bidule)", 620, "Mot non reconnu: bidule"},
        {"Exécuter 0 fois les commandes v", 624, "Valeur incorrecte: 0"},
        {"Exécuter 32001 fois la ou les commandes associées à la touche V", 624, "Valeur incorrecte: 32001"},
        {"Démarrer en exécutant  0 fois les commandes v", 533, "Donnée incorrecte:\r 0"},
        {"Repère par défaut: A", 596, "L'objet A (point) ne convient pas ici."},
        {"Unité de longueur par défaut: w", 537, "Le nom w est inconnu."},
    };
    const Champs avant = champs(*figure);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(ligne(*figure, c.ligne), c.erreur);
        EXPECT_EQ(premiereBoite(), c.message);
        attendMemesChamps(avant, champs(*figure));
        platform::reinitialiseBoites();
    }
}

// The values of a command over several lines: every line but the last ends
// with "...", and the values are set when the last line completes them; a
// line that gives them all stands alone, one that passes them is refused.
TEST_F(LignesDeCommande, CommandValuesGivenOverSeveralLinesAreSetByTheLastOne) {
    const int v = numero("v");
    const auto valeurs = [&] {
        return std::vector<double>{valeurObjet(*figure, v, 1), valeurObjet(*figure, v, 2),
                                   valeurObjet(*figure, v, 3)};
    };
    const std::vector<double> avant = valeurs();
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 7 ..."), 0);
    EXPECT_EQ(valeurs(), avant);
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 8 ..."), 0);
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 9"), 0);
    EXPECT_EQ(valeurs(), (std::vector<double>{7, 8, 9}));
    // Waiting values, then a whole list: the whole list alone counts.
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 1 2 ..."), 0);
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 4 5 6"), 0);
    EXPECT_EQ(valeurs(), (std::vector<double>{4, 5, 6}));
    // Four values for three, over two lines: refused, nothing set.
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 1 2 ..."), 0);
    EXPECT_EQ(ligne(*figure, "Paramètres pour v: 3 4"), 618); // "Ligne non exécutable"
    EXPECT_EQ(valeurs(), (std::vector<double>{4, 5, 6}));
    platform::reinitialiseBoites();
}

TEST_F(LignesDeCommande, KeyboardStepOfAFreePointTakesItsUnitAndWhetherItMayChange) {
    const int p = numero("P");
    ASSERT_EQ(ligne(*figure, "Pas de pilotage au clavier de P: 0.05 (/ Uxyz,non modifiable)"), 0)
        << premiereBoite();
    const TObjetFigure& o = objet(*figure, p);
    EXPECT_TRUE(pasEnUniteAlternative(o));
    EXPECT_TRUE(pasNonModifiable(o));
    EXPECT_DOUBLE_EQ(valeurObjet(*figure, p, o.nombreValeurs), 0.05);
    ASSERT_EQ(ligne(*figure, "Pas de pilotage au clavier de P: 0.2 (/ segment,modifiable)"), 0)
        << premiereBoite();
    EXPECT_FALSE(pasEnUniteAlternative(o));
    EXPECT_FALSE(pasNonModifiable(o));
    EXPECT_DOUBLE_EQ(valeurObjet(*figure, p, o.nombreValeurs), 0.2);
}

// A step given by an expression of another object is the expression's
// value at once, before the object is computed again: the step drives the
// keyboard and is what the figure text writes back.
TEST_F(LignesDeCommande, KeyboardStepGivenByAnExpressionTakesItsValueAtOnce) {
    ASSERT_EQ(ligne(*figure, "Objet libre x, paramètre: 4"), 0) << premiereBoite();
    ASSERT_EQ(ligne(*figure, "Pas de pilotage au clavier de Q: x/10+0.05 (non modifiable)"), 0)
        << premiereBoite();
    // Q now depends on x and comes after it.
    const int q = numero("Q");
    const int x = numero("x");
    EXPECT_LT(x, q);
    const TObjetFigure& o = objet(*figure, q);
    EXPECT_DOUBLE_EQ(valeurObjet(*figure, x, 1), 4);
    EXPECT_DOUBLE_EQ(valeurObjet(*figure, q, o.nombreValeurs), 0.45);
    // Written back, the step keeps its expression and reads back the same.
    const std::string texte = utf8DeWindows1252(ecrit(*figure));
    EXPECT_NE(texte.find("Pas de pilotage au clavier de Q: x/10+0.05 (non modifiable)"), std::string::npos)
        << texte;
    uint16_t echec = 0;
    auto g = lis(ecrit(*figure), &echec);
    ASSERT_EQ(echec, 0) << premiereBoite();
    const int q2 = numeroObjetDeNotation(*g, "Q");
    EXPECT_DOUBLE_EQ(valeurObjet(*g, q2, objet(*g, q2).nombreValeurs), 0.45);
    libereFigure(g);
}

TEST_F(LignesDeCommande, StartCommandsWaitWhileATextIsReadInAndRunWhenAlone) {
    const std::string texte = std::string(kObjets).substr(0, std::string(kObjets).rfind("Fin de la figure"));
    uint16_t echec = 0;
    auto f = lisUtf8(texte + "Démarrer en exécutant 3 fois la ou les commandes associées à la touche V\r\n"
                             "Démarrer en exécutant  2 fois les commandes v\r\n",
                     &echec);
    ASSERT_EQ(echec, 0) << premiereBoite();
    ASSERT_TRUE(f->lignesDifferees);
    const std::string ecrit1252 = ecrit(*f);
    // Each coded line is written back after an empty line.
    for (const char* attendu :
         {"\r\n\r\nDémarrer en exécutant 3 fois la ou les commandes associées à la touche V",
          "\r\n\r\nDémarrer en exécutant  2 fois les commandes v"})
        EXPECT_NE(utf8DeWindows1252(ecrit1252).find(attendu), std::string::npos)
            << utf8DeWindows1252(ecrit1252);
    // A count of 0 fails before the line is put aside.
    auto g = lisUtf8(texte + "Démarrer en exécutant  0 fois les commandes v\r\n", &echec);
    EXPECT_NE(echec, 0);
    // Run alone, the start line runs at once.
    EXPECT_EQ(ligne(*figure, "Démarrer en exécutant  2 fois les commandes v"), 0);
    libereFigure(f);
    libereFigure(g);
}

TEST_F(LignesDeCommande, QueryLinesAnswerWithTheFigureTextOrCreationSentences) {
    TfigureKalmetra& f = *figure;
    f.dernierLibreBouge = uint8_t(numero("x"));
    struct Cas {
        const char* ligne;
        std::string reponse;
    };
    const Cas cas[] = {
        {"Texte de la figure", utf8DeWindows1252(ecritTexteFigure(f))},
        {"Phrase de création de P", "\r\nP point libre sur le segment [AB]"},
        {"Phrases de création au-delà de v", "\r\ns segment [AB]\r\n"},
        {"Phrases de création au-delà de s", ""},
        {"Nom du dernier objet libre bougé", "x"},
        {"Nom de l'objet pilotable au clavier", "P"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        f.listeReponses.clear();
        f.modeRequete = 1;
        EXPECT_EQ(ligne(f, c.ligne), 0);
        f.modeRequete = 0;
        EXPECT_EQ(utf8DeWindows1252(f.listeReponses), c.reponse);
    }
    // Outside query mode the query lines do nothing.
    f.listeReponses.clear();
    EXPECT_EQ(ligne(f, "Texte de la figure"), 0);
    EXPECT_EQ(f.listeReponses, "");
}

} // namespace
} // namespace km32::reglages
