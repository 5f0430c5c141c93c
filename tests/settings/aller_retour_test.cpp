// A figure that sets every setting a figure text carries away from its
// default: the settings as read, and the text written, read and written
// again.
#include <gtest/gtest.h>

#include <vector>

#include "banc_reglages.h"

namespace km32::reglages {
namespace {

const std::string kFigure =
    "Figure Kalmetra\r\n" + objetsDeBase() +
    "c cercle circonscrit au triangle ABD\r\n"
    "s segment [AB]\r\n"
    "Uxyz par rapport à la petite dimension de la fenêtre: 0.2\r\n"
    "Rotations de Rxyz: verticale: 10 horizontale: 20 frontale: 30\r\n"
    "Paramètres de position de Rxyz: 0.4, 0.6\r\n"
    "Projection oblique\r\n"
    "Paramètres de projection: 0.5, -0.25\r\n"
    "Repère Rxyz affiché\r\n"
    "Dessin de ox: rouge foncé\r\n"
    "Objet libre P, paramètre: 0.25\r\n"
    "Pas de pilotage au clavier de P: 0.05 (/ segment,modifiable)\r\n"
    "Pas de pilotage au clavier de x: 0.5 (non modifiable)\r\n"
    "Hauteur de la zone des affichages: 60\r\n"
    "Position de l'affichage t: (40,20)\r\n"
    "Paramètres pour v: 0.1 0.2 0.3\r\n"
    "Pilotage en boucle pour: n\r\n"
    "Objets libres bloqués: Q\r\n"
    "Objet libre actif au clavier: P\r\n"
    "Sélection pour trace: P\r\n"
    "Dessins limités au convexe c: s\r\n"
    "Double cadre limitant l'image (impression ou copie) : (0.2 , 0.15) >> (0.85 , 0.9) par rapport à la "
    "fenêtre\r\n"
    "Paramètres d'impression : noir et blanc, unité de longueur Uxyz égale à 120 mm\r\n"
    "Paramètres de copie ajustée : couleur, largeur de l'image égale à 80 mm\r\n"
    "Repère par défaut: R\r\n"
    "Unité de longueur par défaut: u\r\n"
    "Angles en degrés par défaut\r\n"
    "Pas de rotation au clavier en degrés: 2.5\r\n"
    "Objets protégés: A\r\n"
    "Objets protégés à rappel limité: B\r\n"
    "Protéger C sauf d'une redéfinition\r\n"
    "Objets d'accès interdit: D\r\n"
    "Autoriser la création des objets non valides\r\n"
    "Importation active\r\n"
    "Importation des rotations de Rxyz active\r\n"
    "Exportation des rotations de Rxyz active\r\n"
    "Figure en fil de fer\r\n"
    "Parties cachées en pointillé\r\n"
    "Noms des points non affichés\r\n"
    "Plan de face par défaut: ABC en 12 étapes\r\n"
    "Plan ABD isolé\r\n"
    "Plan de face maintenu de face\r\n"
    "Changement de cadrage interdit\r\n"
    "Changement de vue interdit\r\n"
    "Heure mise à jour toutes les 250 ms\r\n"
    "Couleur du fond: couleur RVB(10,20,30)\r\n"
    "Le point Q doit coller au point A\r\n"
    "A la place de P, afficher: le point P\r\n"
    "Démarrer avec l'affichage en gros caractères\r\n"
    "Démarrer en mode trace\r\n"
    "Démarrer en exécutant 2 fois les commandes v\r\n"
    "Fin de la figure";

class AllerRetour : public BancReglages {
  protected:
    void TearDown() override {
        for (auto& f : figures)
            libereFigure(f);
        BancReglages::TearDown();
    }
    TfigureKalmetra& garde(std::unique_ptr<TfigureKalmetra> f) {
        figures.push_back(std::move(f));
        return *figures.back();
    }
    std::vector<std::unique_ptr<TfigureKalmetra>> figures;
};

// The settings the text gives, each away from its default.
Champs champsAttendus(const TfigureKalmetra& f) {
    const auto n = [&](const char* nom) { return texte(numeroObjetDeNotation(f, nom)); };
    const auto drapeaux = [&](const char* nom, unsigned bits) {
        return texte(objet(f, numeroObjetDeNotation(f, nom)).drapeaux | bits);
    };
    constexpr double degre = 3.141592653589793 / 180;
    return {
        {"zoom", "0.2"},
        {"angle 0", texte(10 * degre)},
        {"angle 1", texte(20 * degre)},
        {"angle 2", texte(30 * degre)},
        {"centre", "0.4 0.6"},
        {"oblique", "1 0.5 -0.25"},
        {"zone", "60"},
        {"pas rotation", "2.5"},
        {"horloge", "250"},
        {"impression", "NU 120"},
        {"copie", "CF 80"},
        {"cadre", "0.2 0.15 0.85 0.9"},
        {"fond", "1 " + texte(10 + 20 * 256 + 30 * 65536)},
        {"repere", "R"},
        {"unite", "u"},
        {"actif", "P"},
        {"degres", "1"},
        {"non valides", "1 1"},
        {"importations", "1 1 1"},
        {"dessin", "1 1 0"},
        {"plan de face", n("A") + " " + n("B") + " " + n("C") + " 12"},
        {"plan isole", n("A") + " " + n("B") + " " + n("D") + " 1"},
        {"vue", "1 1 0"},
        {"gros caracteres", "1"},
        {"colle Q", "A"},
        {"limite s", "c"},
        {"drapeaux n", drapeaux("n", kDrapeauOption)},
        {"drapeaux Q", drapeaux("Q", kDrapeauBloque)},
        {"drapeaux A", drapeaux("A", kDrapeauProtege)},
        {"drapeaux B", drapeaux("B", kDrapeauProtege | kDrapeauProtegeARappelLimite)},
        {"drapeaux C", drapeaux("C", kDrapeauProtege | kDrapeauProtegeSaufRedefinition)},
        {"drapeaux D", drapeaux("D", kDrapeauAccesInterdit)},
        {"drapeaux P", drapeaux("P", 0)},
        {"valeur t 1", "40"},
        {"valeur t 2", "20"},
        {"valeur v 1", "0.1"},
        {"valeur v 2", "0.2"},
        {"valeur v 3", "0.3"},
    };
}

TEST_F(AllerRetour, EverySettingIsReadBackAsWrittenInEachLanguage) {
    uint16_t echec = 0;
    const TfigureKalmetra& a = garde(lisUtf8(kFigure, &echec));
    ASSERT_EQ(echec, 0) << premiereBoite();
    const Champs lus = champs(a);
    for (const auto& [nom, valeur] : champsAttendus(a)) {
        ASSERT_TRUE(lus.count(nom)) << nom;
        EXPECT_EQ(lus.at(nom), valeur) << nom;
    }
    EXPECT_EQ(utf8DeWindows1252(texteEtiquetteObjet(a, numeroObjetDeNotation(a, "P"))), "le point P");
    const TObjetFigure& p = objet(a, numeroObjetDeNotation(a, "P"));
    EXPECT_DOUBLE_EQ(valeurObjet(a, numeroObjetDeNotation(a, "P"), p.nombreValeurs), 0.05);
    EXPECT_TRUE(pasNonModifiable(objet(a, numeroObjetDeNotation(a, "x"))));

    // Written, read and written again: the same text and the same fields,
    // also when the text in between is English or German, or is loaded as a
    // file.
    const std::string t1 = ecrit(a);
    struct Cas {
        uint16_t langue;
        uint8_t mode;
    };
    for (const Cas c : {Cas{kLangueFrancaise, 1}, Cas{kLangueAnglaise, 1}, Cas{kLangueAllemande, 1},
                        Cas{kLangueFrancaise, 2}}) {
        SCOPED_TRACE(testing::Message() << "language " << c.langue << " mode " << int(c.mode));
        const TfigureKalmetra& b = garde(lis(ecrit(a, c.langue), &echec, c.mode));
        ASSERT_EQ(echec, 0) << premiereBoite();
        EXPECT_EQ(utf8DeWindows1252(ecrit(b)), utf8DeWindows1252(t1));
        attendMemesChamps(champs(a), champs(b), 1e-9);
    }
}

} // namespace
} // namespace km32::reglages
