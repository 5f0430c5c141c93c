#include <gtest/gtest.h>

#include "banc_reglages.h"

namespace km32::reglages {
namespace {

const char* const kFigure = "Figure Kalmetra\r\n"
"A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
"B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
"C point de coordonnées (0,0,3) dans le repère Rxyz\r\n"
"D point de coordonnées (0,2,0) dans le repère Rxyz\r\n"
"P point libre sur le segment [AB]\r\n"
"Q point libre dans l'espace\r\n"
"n entier libre de [1,5]\r\n"
"x réel libre de [0,10]\r\n"
"R repère (A,vec(i),vec(j),vec(k))\r\n"
"u unité de longueur (vecteur unitaire vec(i))\r\n"
"t affichage du texte: bonjour\r\n"
"v (touche V) vue mémorisée\r\n"
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
"Double cadre limitant l'image (impression ou copie) : (0.2 , 0.15) >> (0.85 , 0.9) par rapport à la fenêtre\r\n"
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

class AllerRetour : public BancReglages {};

TEST_F(AllerRetour, Explore) {
    uint16_t echec = 0;
    auto a = lisUtf8(kFigure, &echec);
    EXPECT_EQ(echec, 0) << premiereBoite();
    const std::string t1 = ecrit(*a);
    std::cout << utf8DeWindows1252(t1) << std::endl;
    auto b = lis(t1, &echec);
    EXPECT_EQ(echec, 0) << premiereBoite();
    const std::string t2 = ecrit(*b);
    EXPECT_EQ(utf8DeWindows1252(t1), utf8DeWindows1252(t2));
    for (uint16_t langue : {kLangueAnglaise, kLangueAllemande}) {
        const std::string te = ecrit(*a, langue);
        std::cout << utf8DeWindows1252(te) << std::endl;
        auto c = lis(te, &echec);
        EXPECT_EQ(echec, 0) << premiereBoite();
        EXPECT_EQ(utf8DeWindows1252(t1), utf8DeWindows1252(ecrit(*c)));
    }
    auto d = lis(t1, &echec, 2);
    EXPECT_EQ(echec, 0) << premiereBoite();
}

} // namespace
} // namespace km32::reglages
