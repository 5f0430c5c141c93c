// Figures written back as text and read again give the same figure, in
// each of the three languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

#include "banc_ecriture.h"
#include "figure_texte_essai.h"
#include "model/catalogue.h"
#include "model/fonctions/fonctions.h"
#include "text/descriptions_objets.h"
#include "model/prototypes/prototypes.h"

namespace km32::ecriture {
namespace {

std::string texteExpressionStocke(const TfigureKalmetra& f, int r) {
    const TExpressionParametre& e = expressionParametre(f, r);
    return f.texteDesFormules.substr(std::size_t(e.debutTexte - 1), e.longueurTexte);
}

// The points and the interpolation of a function given by values.
void attendMemeTable(const TfigureKalmetra& a, int i, const TfigureKalmetra& b) {
    const TFonction* x = fonctionDeObjet(a, i);
    const TFonction* y = fonctionDeObjet(b, i);
    ASSERT_TRUE(x && x->table && y && y->table);
    EXPECT_EQ(x->table->interpolation, y->table->interpolation);
    ASSERT_EQ(x->table->nombrePoints, y->table->nombrePoints);
    for (int k = 1; k <= x->table->nombrePoints; ++k) {
        EXPECT_EQ(x->table->x[std::size_t(k)], y->table->x[std::size_t(k)]) << k;
        EXPECT_EQ(x->table->y[std::size_t(k)], y->table->y[std::size_t(k)]) << k;
    }
}

// Same objects (kind, construction, names and labels, parents, flags,
// style, units, validity, expression texts), same values within the
// precision of the written numbers, same view and settings.
void attendMemeFigure(const TfigureKalmetra& a, const TfigureKalmetra& b) {
    ASSERT_EQ(a.nombreObjets, b.nombreObjets);
    for (int i = 1; i <= a.nombreObjets; ++i) {
        const TObjetFigure &x = objet(a, i), &y = objet(b, i);
        const std::string nom = nomObjet(a, i);
        SCOPED_TRACE(nom);
        EXPECT_EQ(nomObjet(b, i), nom);
        EXPECT_EQ(texteEtiquetteObjet(b, i), texteEtiquetteObjet(a, i));
        EXPECT_EQ(x.nature, y.nature);
        EXPECT_EQ(x.codeConstruction, y.codeConstruction);
        EXPECT_EQ(x.drapeaux, y.drapeaux);
        EXPECT_EQ(x.style.drapeaux, y.style.drapeaux);
        EXPECT_EQ(x.style.courbe, y.style.courbe);
        EXPECT_EQ(couleurDuStyle(x.style), couleurDuStyle(y.style));
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(x.sourcesCouleur[k], y.sourcesCouleur[k]);
        EXPECT_EQ(x.uniteLongueur, y.uniteLongueur);
        EXPECT_EQ(x.nonDefini, y.nonDefini);
        EXPECT_EQ(x.objetLimite, y.objetLimite);
        ASSERT_EQ(x.nombreParents, y.nombreParents);
        for (int k = 1; k <= x.nombreParents; ++k)
            EXPECT_EQ(parentObjet(a, i, k), parentObjet(b, i, k));
        ASSERT_EQ(x.nombreExpressions, y.nombreExpressions);
        for (int k = 1; k <= x.nombreExpressions; ++k)
            EXPECT_EQ(texteExpressionStocke(a, numeroExpressionObjet(a, i, k)),
                      texteExpressionStocke(b, numeroExpressionObjet(b, i, k)));
        ASSERT_EQ(x.nombreValeurs, y.nombreValeurs);
        for (int k = 1; k <= x.nombreValeurs; ++k) {
            const double u = valeurObjet(a, i, k), v = valeurObjet(b, i, k);
            EXPECT_NEAR(u, v, 1e-9 * std::max(1.0, std::fabs(u))) << "value " << k;
        }
        EXPECT_EQ(x.numeroPrototype, y.numeroPrototype);
        if (x.codeConstruction == 128) attendMemeTable(a, i, b);
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a.anglesVue[k], b.anglesVue[k], 1e-12);
    EXPECT_NEAR(a.fractionsCentre[0], b.fractionsCentre[0], 1e-4);
    EXPECT_NEAR(a.fractionsCentre[1], b.fractionsCentre[1], 1e-4);
    EXPECT_EQ(a.uniteSurPetiteDimension, b.uniteSurPetiteDimension);
    EXPECT_EQ(a.projectionOblique, b.projectionOblique);
    EXPECT_NEAR(a.parametresOblique[0], b.parametresOblique[0], 1e-4);
    EXPECT_NEAR(a.parametresOblique[1], b.parametresOblique[1], 1e-4);
    EXPECT_EQ(a.ensembleTrace, b.ensembleTrace);
    EXPECT_EQ(a.objetLibreActif, b.objetLibreActif);
    EXPECT_EQ(a.filDeFer, b.filDeFer);
    EXPECT_EQ(a.partiesCacheesPointillees, b.partiesCacheesPointillees);
    EXPECT_EQ(a.nomsPointsAffiches, b.nomsPointsAffiches);
    EXPECT_EQ(a.anglesEnDegresParDefaut, b.anglesEnDegresParDefaut);
    EXPECT_EQ(a.reglageNonValidesEcrit, b.reglageNonValidesEcrit);
    EXPECT_EQ(a.defautObjetsNonValides, b.defautObjetsNonValides);
    EXPECT_EQ(a.cadrageInterdit, b.cadrageInterdit);
    EXPECT_EQ(a.changementVuePermis, b.changementVuePermis);
    EXPECT_EQ(a.planDeFaceMaintenu, b.planDeFaceMaintenu);
    EXPECT_EQ(a.importationRotations, b.importationRotations);
    EXPECT_EQ(a.exportationRotations, b.exportationRotations);
    EXPECT_EQ(a.grosCaracteres, b.grosCaracteres);
    EXPECT_EQ(a.reglagePlanIsole, b.reglagePlanIsole);
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(a.plansEnregistres[p].objets[k], b.plansEnregistres[p].objets[k]);
    EXPECT_EQ(a.entiersVue[0], b.entiersVue[0]);
    EXPECT_EQ(a.repereParDefaut, b.repereParDefaut);
    EXPECT_EQ(a.uniteLongueurParDefaut, b.uniteLongueurParDefaut);
    EXPECT_EQ(a.commandesAutorisees, b.commandesAutorisees);
    EXPECT_EQ(a.exportationPermise, b.exportationPermise);
    EXPECT_EQ(a.importationActive, b.importationActive);
    EXPECT_EQ(a.intervalleHorloge, b.intervalleHorloge);
    EXPECT_EQ(a.pasClavier, b.pasClavier);
    EXPECT_EQ(a.hauteurZoneAffichages, b.hauteurZoneAffichages);
    EXPECT_EQ(a.drapeauCouleurFond, b.drapeauCouleurFond);
    EXPECT_EQ(a.valeurImpression, b.valeurImpression);
    EXPECT_EQ(a.texteImpression, b.texteImpression);
    EXPECT_EQ(a.valeurCopie, b.valeurCopie);
    EXPECT_EQ(a.texteCopie, b.texteCopie);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(a.cadreImage[k], b.cadreImage[k]);
    ASSERT_EQ(bool(a.lignesDifferees), bool(b.lignesDifferees));
    if (a.lignesDifferees) {
        EXPECT_EQ(*a.lignesDifferees, *b.lignesDifferees);
    }
    for (int k = 1; k <= kMaxPrototypes; ++k) {
        const TPrototype* p = prototypeDe(a, k);
        const TPrototype* q = prototypeDe(b, k);
        ASSERT_EQ(bool(p), bool(q)) << "prototype " << k;
        if (!p || !q || !p->figureInterne || !q->figureInterne) continue;
        EXPECT_EQ(p->titre, q->titre);
        EXPECT_EQ(p->nombreDonnes, q->nombreDonnes);
        EXPECT_EQ(p->nombreVariables, q->nombreVariables);
        EXPECT_EQ(p->codeResultat, q->codeResultat);
        const TfigureKalmetra &x = *p->figureInterne, &y = *q->figureInterne;
        EXPECT_EQ(x.prototypeHorsMenu, y.prototypeHorsMenu);
        ASSERT_EQ(x.nombreObjets, y.nombreObjets);
        for (int i = kObjetsPredefinis + 1; i <= x.nombreObjets; ++i) {
            EXPECT_EQ(nomObjet(x, i), nomObjet(y, i));
            EXPECT_EQ(objet(x, i).codeConstruction, objet(y, i).codeConstruction);
        }
    }
    ASSERT_EQ(bool(a.texteCommentaire), bool(b.texteCommentaire));
    if (a.texteCommentaire) {
        EXPECT_EQ(*a.texteCommentaire, *b.texteCommentaire);
    }
}

struct Cas {
    const char* nom;
    const char* texte; // French, UTF-8, without header and end lines
};

const Cas kCas[] = {
    {"PointsMilieuxDroites", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                             "B point de coordonnées (4,0,1.5) dans le repère Rxyz\r\n"
                             "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                             "M milieu du segment [AB]\r\n"
                             "d droite (AM)\r\n"
                             "e droite parallèle à d passant par C\r\n"
                             "Segment [BC]\r\n"
                             "H projeté orthogonal de C sur la droite d\r\n"},
    {"PlansEtIntersections", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                             "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                             "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                             "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                             "p plan (BCD)\r\n"
                             "q plan médiateur du segment [AD]\r\n"
                             "r plan passant par A et parallèle au plan p\r\n"
                             "I point d'intersection de la droite (AD) et du plan p\r\n"},
    {"SpheresEtCercles", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                         "B point de coordonnées (3,0,0) dans le repère Rxyz\r\n"
                         "C point de coordonnées (0,3,1) dans le repère Rxyz\r\n"
                         "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                         "c cercle d'axe (AB) passant par C\r\n"
                         "w section de la sphère s par le plan (ABC)\r\n"
                         "g cercle de centre B passant par C dans le plan (ABC)\r\n"
                         "P point libre sur la sphère s\r\n"
                         "Objet libre P, paramètres: 30, 45\r\n"},
    {"Polyedres", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                  "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                  "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                  "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                  "T polyèdre convexe de sommets A,B,C,D\r\n"
                  "M milieu du segment [AD]\r\n"
                  "p plan passant par M et parallèle au plan (ABC)\r\n"
                  "S section du polyèdre T par le plan p\r\n"
                  "Q polygone convexe de sommets A,B,C\r\n"
                  "Dessin de T: opaque\r\n"
                  "Dessin de Q: hachures diagonales, rouge\r\n"},
    {"NombresEtSuites", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                        "B point de coordonnées (3,4,0) dans le repère Rxyz\r\n"
                        "a réel libre\r\n"
                        "Objet libre a, paramètre: 0.75\r\n"
                        "n entier libre de [0,10]\r\n"
                        "Objet libre n, paramètre: 3\r\n"
                        "r = AB+sqrt(2)*a+pi\r\n"
                        "x réel libre de [-1,1]\r\n"
                        "f fonction: t|->t²+a*sin(t)\r\n"
                        "y = f(a)+r\r\n"
                        "u suite définie à partir de 0 par u(n)=u(n-1)/2+a et le premier terme 1\r\n"},
    {"Transformations", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                        "B point de coordonnées (2,1,0) dans le repère Rxyz\r\n"
                        "C point de coordonnées (0,1,3) dans le repère Rxyz\r\n"
                        "vec(u) = vec(A,B)\r\n"
                        "t translation de vecteur vec(u)\r\n"
                        "C' image de C par la translation de vecteur vec(u)\r\n"
                        "D image de C par l'homothétie de centre A et de rapport -2\r\n"
                        "E image de C par la symétrie de centre B\r\n"
                        "F image de C par la rotation d'axe (AB) et d'angle 90 (degré)\r\n"},
    {"StylesEtCouleurs", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                         "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                         "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                         "R réel libre de [0,255]\r\n"
                         "Objet libre R, paramètre: 120\r\n"
                         "M milieu du segment [AB]\r\n"
                         "d droite (AC)\r\n"
                         "s segment [BC]\r\n"
                         "Dessin de A: bleu, nom au-dessus, marque épaisse\r\n"
                         "Dessin de B: couleur RVB(10,20,30), nom à gauche, marque fine\r\n"
                         "Dessin de M: rouge, nom non dessiné\r\n"
                         "Dessin de d: couleur RVB(R,20,30), trait épais, tireté\r\n"
                         "Dessin de s: vert foncé, non dessiné\r\n"
                         "Dessin de C: marque non dessinée, nom au-dessous, nom à droite\r\n"},
    {"ReglagesDeLaVue", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                        "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                        "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                        "p plan (ABC)\r\n"
                        "M point libre dans le plan p\r\n"
                        "Objet libre M, paramètres: 0.5, -1.25\r\n"
                        "Uxyz par rapport à la petite dimension de la fenêtre: 0.15\r\n"
                        "Rotations de Rxyz: verticale: 30 horizontale: -12.5 frontale: 10\r\n"
                        "Paramètres de position de Rxyz: 0.4, 0.6\r\n"
                        "Projection oblique\r\n"
                        "Paramètres de projection: -0.5, -0.25\r\n"
                        "Parties cachées en pointillé\r\n"
                        "Noms des points non affichés\r\n"
                        "Angles en degrés par défaut\r\n"
                        "Plan de face par défaut: p en 12 étapes\r\n"
                        "Plan p isolé par défaut\r\n"
                        "Changement de cadrage interdit\r\n"
                        "Changement de vue interdit\r\n"
                        "Plan de face maintenu de face\r\n"
                        "Importation des rotations de Rxyz active\r\n"
                        "Interdire la création des objets non valides\r\n"
                        "Démarrer avec l'affichage en gros caractères\r\n"
                        "Sélection pour trace: M\r\n"
                        "Objet libre actif au clavier: M\r\n"},
    {"ObjetsLibres", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                     "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                     "M point libre sur le segment [AB]\r\n"
                     "Objet libre M, paramètre: 0.25\r\n"
                     "N point libre sur la droite (AB)\r\n"
                     "Objet libre N, paramètre: -1.5\r\n"
                     "P point libre dans l'espace\r\n"
                     "Objet libre P, paramètres: 1, 2, 3\r\n"
                     "A la place de P, afficher: le point P\r\n"
                     "Commentaire\r\n"
                     "Un tétraèdre;\r\n"
                     "et sa section.\r\n"
                     "Fin de la figure"},
    // A table of values long enough for several value lines, and two
    // functions, one of which interpolates.
    {"FonctionsParValeurs", "g fonction définie par valeurs (avec interpolation)\r\n"
                            "Valeurs pour g: (0,1) (1,2) (2,5)\r\n"
                            "w fonction définie par valeurs (sans interpolation)\r\n"
                            "Valeurs pour w: (0,1) (0.5,-2.25) (1,3) (1.5,4) (2,5) (2.5,6) (3,7)\r\n"
                            "Valeurs pour w: (3.5,8) (4,9) (4.5,10) (5,11.125) (6,-12) (7,0.001)\r\n"
                            "h = g(1.5)\r\n"
                            "m = w(0.5)\r\n"
                            "q = w(0.75)\r\n"},
    // Texts and key commands come in the order the writer groups them in:
    // the texts with the display zone, then the key commands.
    {"TouchesEtAffichages", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (2,1,0) dans le repère Rxyz\r\n"
                            "t affichage du texte: bonjour\r\n"
                            "v (touche V) vue mémorisée\r\n"
                            "K (touche A) dessin en bloc de A\r\n"
                            "Hauteur de la zone des affichages: 60\r\n"
                            "Position de l'affichage t: (40,20)\r\n"
                            "Paramètres pour v: 0.1 0.2 0.3\r\n"
                            "Démarrer en exécutant 2 fois les commandes v\r\n"},
    // A prototype kept out of the menu, an instance of it, and the menu
    // filter (a plain command, a whole sub-menu) and the export switch.
    {"PrototypeEtMenus", "Début de [Teinte]\r\n"
                         "t réel donné\r\n"
                         "A point donné\r\n"
                         "P point de coordonnées (1,1,1) dans le repère Rxyz\r\n"
                         "M milieu du segment [AP]\r\n"
                         "Prototype non accessible par le menu\r\n"
                         "Description de l'interface\r\n"
                         "M milieu teinté de A et t\r\n"
                         "Point:\r\n"
                         "Rouge:\r\n"
                         "Milieu:\r\n"
                         "Fin de [Teinte]\r\n"
                         "C point de coordonnées (3,3,3) dans le repère Rxyz\r\n"
                         "N milieu teinté de C et 200\r\n"
                         "Options interdites: 2-1-1-9, 5-7, 2-10\r\n"
                         "Exportation interdite\r\n"},
    // Centres, measures, transformations, planes and sequences.
    {"ConstructionsDuTriangle", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                                "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                                "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                                "G centre de gravité du triangle ABC\r\n"
                                "I centre du cercle inscrit dans le triangle ABC\r\n"
                                "O centre du cercle circonscrit au triangle ABC\r\n"
                                "H orthocentre du triangle ABC\r\n"
                                "c cercle circonscrit au triangle ABC\r\n"
                                "ci cercle inscrit dans le triangle ABC\r\n"
                                "W centre du cercle c\r\n"
                                "E barycentre de (A,1) (B,2) (C,3)\r\n"
                                "Droite (AB)\r\n"
                                "Demi-droite [AC)\r\n"
                                "d droite (AB)\r\n"
                                "e droite (AC)\r\n"
                                "J point d'intersection des droites d et e\r\n"
                                "s symétrie de centre A\r\n"
                                "h homothétie de centre A et de rapport 2\r\n"
                                "t composée: s suivie de h\r\n"
                                "K image du point D par la transformation t\r\n"
                                "r rayon de c (unité de longueur Uxyz)\r\n"
                                "a aire du triangle ABC (unité de longueur Uxyz)\r\n"
                                "m distance du point D à la droite d (unité de longueur Uxyz)\r\n"
                                "n mesure de l'angle géométrique BAC en degré\r\n"
                                "x abscisse du point D (repère Rxyz)\r\n"
                                "y ordonnée du point D (repère Rxyz)\r\n"
                                "z cote du point D (repère Rxyz)\r\n"
                                "p plan passant par D et perpendiculaire à la droite d\r\n"
                                "Q projeté orthogonal de D sur le plan p\r\n"
                                "L image de D dans la symétrie par rapport au plan p\r\n"
                                "f droite perpendiculaire au plan p passant par C\r\n"
                                "g droite d'intersection des plans p et (ABC)\r\n"
                                "T polyèdre convexe de sommets A,B,C,D\r\n"
                                "v volume du solide T (unité de longueur Uxyz)\r\n"
                                "w aire du convexe T (unité de longueur Uxyz)\r\n"
                                "P polyèdre enveloppe convexe de A,B,C,D,G\r\n"
                                "N point libre sur le cercle c\r\n"
                                "Objet libre N, paramètre: 1.5\r\n"
                                "M point libre sur la demi-droite [AB)\r\n"
                                "Objet libre M, paramètre: 0.75\r\n"
                                "u suite définie à partir de 0 par u(n)=n²-4\r\n"
                                "nz indice du premier terme nul de la suite u\r\n"},
    // Points on lines and spheres, solids, curves, a locus and displays.
    {"ConstructionsDeLEspace",
     "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
     "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
     "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
     "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
     "d droite (AB)\r\n"
     "c cercle de centre A et de rayon 2 dans le plan ABC (unité Uxyz)\r\n"
     "P point d'abscisse 3 dans le repère (AB)\r\n"
     "Q point sur demi-droite [AD), distance à l'origine 2 (unité de longueur Uxyz)\r\n"
     "R point d'intersection 1 de la droite d et du cercle c\r\n"
     "S point d'intersection de la droite d et du cercle c autre que R\r\n"
     "s sphère de centre A et de rayon 3 (unité de longueur Uxyz)\r\n"
     "U point d'intersection 1 de la droite (AD) et de la sphère s\r\n"
     "m symétrie d'axe (CD)\r\n"
     "ho homothétie de centre A transformant B en C\r\n"
     "tr translation transformant A en B\r\n"
     "V image de D par la translation transformant A en C\r\n"
     "ro rotation d'axe (AD) et d'angle 30 (degré)\r\n"
     "rp rotation définie par l'axe (AD) et les points B et C\r\n"
     "sp symétrie par rapport au plan ABD\r\n"
     "W image de C par la symétrie d'axe (BD)\r\n"
     "cy cylindre de rayon 1 et d'axe le segment [AD] (unité de longueur Uxyz)\r\n"
     "co cône de sommet D et de base de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
     "tc tronc de cône de bases (A, 2) et (D, 1) (unité de longueur Uxyz)\r\n"
     "pr prisme régulier d'axe (AD), hauteur 3, base de sommet B à 5 côtés (unité de longueur Uxyz)\r\n"
     "py pyramide régulière d'axe (AD), hauteur 4, base de sommet C à 4 côtés (unité de longueur Uxyz)\r\n"
     "t sphère de centre B et de rayon 3 (unité de longueur Uxyz)\r\n"
     "w cercle d'intersection des sphères s et t\r\n"
     "X point de coordonnées (1,2) dans le repère ABC\r\n"
     "q plan passant par D et parallèle aux droites (AB) et (AC)\r\n"
     "r plan défini par le point D et la droite d\r\n"
     "ab abscisse de P dans le repère (AB)\r\n"
     "K polygone convexe de sommets A,B,C\r\n"
     "pe périmètre du polygone K (unité de longueur Uxyz)\r\n"
     "cu courbe paramétrée par X=cos(t), Y=sin(t), Z=t/5, t décrivant [0,6] (40 points, repère Rxyz)\r\n"
     "gr courbe définie par Y=sin(X), X décrivant [-3,3] (30 points, repère ABC)\r\n"
     "F point libre sur le cercle c\r\n"
     "Objet libre F, paramètre: 1\r\n"
     "li lieu du point R, pilote F (20 points)\r\n"
     "ap affichage du scalaire ab (3 décimales)\r\n"
     "ac affichage des coordonnées du point D (repère Rxyz) (2 décimales)\r\n"
     "al affichage de la longueur du segment [AD] (unité Uxyz) (2 décimales)\r\n"},
    // Free points of every kind, images and sections of solids, functions of
    // two and three variables, and key commands (written last, as grouped).
    {"SolidesEtTouches", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                         "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                         "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                         "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                         "T polyèdre convexe de sommets A,B,C,D\r\n"
                         "K polygone convexe de sommets A,B,C\r\n"
                         "ar arc de cercle d'axe (AD), d'origine B et d'extrémité C\r\n"
                         "L polygone régulier d'axe (AD), de sommet B, à 6 côtés\r\n"
                         "E point libre sur l'arc ar\r\n"
                         "Objet libre E, paramètre: 0.5\r\n"
                         "F point libre dans le polygone K\r\n"
                         "Objet libre F, paramètres: 0.25, 0.25\r\n"
                         "G point libre à coordonnées entières (repère Rxyz)\r\n"
                         "Objet libre G, paramètres: 1, 2, 3\r\n"
                         "H point libre d'abscisse entière dans le repère de la droite (AB)\r\n"
                         "Objet libre H, paramètre: 2\r\n"
                         "n entier libre\r\n"
                         "Objet libre n, paramètre: 4\r\n"
                         "h homothétie de centre A et de rapport 0.5\r\n"
                         "U image du polyèdre T par la transformation h\r\n"
                         "V image du polygone K par la transformation h\r\n"
                         "M milieu du segment [AD]\r\n"
                         "pm plan (BCM)\r\n"
                         "W intersection du polyèdre T et du demi-espace (pm,A)\r\n"
                         "pa patron du polyèdre T, coefficient d'ouverture 0.5\r\n"
                         "X intersection des polyèdres T et U\r\n"
                         "s sphère de centre A et de rayon 3 (unité de longueur Uxyz)\r\n"
                         "Y intersection de la sphère s et du demi-espace (pm,A)\r\n"
                         "f fonction: (u,v)|->u*v\r\n"
                         "gf graphe de f sur [-1,1] x [-1,1] (5 x 5 points, repère Rxyz)\r\n"
                         "v3 fonction: (u,v,w)|->u+v+w\r\n"
                         "b = v3(1,2,3)\r\n"
                         "rd (touche R) affectation aléatoire de E\r\n"
                         "mp (touche M) position mémorisée de E\r\n"
                         "dt (touche T) dessin par étapes de T\r\n"
                         "tr (touche Z) garder la trace de E\r\n"
                         "sk (touche K) sélection de E pour pilotage au clavier\r\n"
                         "qt (touche Q) quitter un mode trace\r\n"
                         "vf (touche F) vue de face du plan ABC en 5 étape(s)\r\n"
                         "po (touche O) projection oblique de paramètres -0.3, -0.4\r\n"},
    // Circle intersections, images of lines, vectors and their components,
    // planes given in several ways and a second-order sequence.
    {"DroitesPlansEtVecteurs",
     "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
     "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
     "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
     "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
     "c cercle de centre A et de rayon 3 dans le plan ABC (unité Uxyz)\r\n"
     "e cercle de centre B et de rayon 3 dans le plan ABC (unité Uxyz)\r\n"
     "I point d'intersection 1 des cercles c et e\r\n"
     "J point d'intersection des cercles c et e autre que I\r\n"
     "E image de D par l'homothétie de centre A transformant B en C\r\n"
     "b bissectrice de l'angle BAC\r\n"
     "t symétrie de centre B\r\n"
     "g image de la droite (BD) par la transformation t\r\n"
     "vec(u) = vec(A,D)\r\n"
     "ux abscisse du vecteur vec(u) (repère Rxyz)\r\n"
     "uy ordonnée du vecteur vec(u) (repère Rxyz)\r\n"
     "uz cote du vecteur vec(u) (repère Rxyz)\r\n"
     "vec(v) (1,2,3) (repère Rxyz)\r\n"
     "w suite définie à partir de 0 par w(n)=w(n-1)+w(n-2) et les premiers termes 1 et 1\r\n"
     "d demi-droite d'origine A passant par D\r\n"
     "K polygone enveloppe convexe de A,B,C,D\r\n"
     "p droite perpendiculaire à la droite (AB) passant par C\r\n"
     "q droite passant par D et de vecteur directeur vec(u)\r\n"
     "P plan (ABC)\r\n"
     "di distance du point D au plan P (unité de longueur Uxyz)\r\n"
     "Q plan muni du repère (A,vec(u),vec(v))\r\n"
     "G projeté de D sur le plan P parallèlement à la droite (AB)\r\n"
     "s sphère de centre B et de rayon 5 (unité de longueur Uxyz)\r\n"
     "H point d'intersection de la droite (AD) et de la sphère s autre que A\r\n"
     "R plan défini par les droites (AB) et (AC)\r\n"
     "S plan d'équation X+Y+Z=1 dans le repère Rxyz\r\n"
     "ep affichage d'une équation du plan P (repère Rxyz) (2 décimales)\r\n"},
    // The commands that act on other objects (repetition, assignment,
    // iteration, table, rotations, trace on demand), a line with its own
    // coordinate system and a locus with two pilots.
    {"CommandesEtLieux", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                         "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                         "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                         "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                         "P point libre sur le segment [AB]\r\n"
                         "Objet libre P, paramètre: 0.25\r\n"
                         "Q point libre sur le segment [AC]\r\n"
                         "Objet libre Q, paramètre: 0.75\r\n"
                         "M milieu du segment [PQ]\r\n"
                         "d droite munie du repère (A,vec(A,B)) graduation 1 sur [-2,5]\r\n"
                         "x réel libre de [0,4]\r\n"
                         "Objet libre x, paramètre: 1.5\r\n"
                         "y = 2*x+1\r\n"
                         "li lieu du point M, pilotes P et Q (5 x 6 points)\r\n"
                         "tr (touche T) garder à la demande la trace de M\r\n"
                         "re (touche R) répéter 3 fois: tr (délai 100 ms)\r\n"
                         "af (touche F) valeur(s) de P affectée(s) à Q\r\n"
                         "it (touche I) itération: M en remplaçant P respectivement par M\r\n"
                         "ta (touche B) tableau de (x,2) (y,3) à partir de 0 (pas 0.1) (5 lignes)\r\n"
                         "ra (touche G) rotation absolue d'angle 30 (degré) dirigée par (1,2,3)\r\n"
                         "rr (touche H) rotation relative d'angle 15 (degré) dirigée par vec(A,D)\r\n"},
    // The start lines kept for after the figure's window exists, the style
    // words of curves, surfaces, solids and lines with their own coordinate
    // system, and a label written large.
    {"DemarrageEtStyles", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                          "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                          "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                          "D point de coordonnées (1,1,6) dans le repère Rxyz\r\n"
                          "d droite munie du repère (A,vec(A,B)) graduation 1 sur [-2,5]\r\n"
                          "e droite munie du repère (C,vec(A,B)) graduation 0.5 sur [-1,3]\r\n"
                          "c cercle circonscrit au triangle ABC\r\n"
                          "s sphère de centre A et de rayon 2 (unité de longueur Uxyz)\r\n"
                          "T polyèdre convexe de sommets A,B,C,D\r\n"
                          "K polygone convexe de sommets A,B,C\r\n"
                          "v (touche V) vue mémorisée\r\n"
                          "Dessin de d: avec marques numériques, trait épais\r\n"
                          "Dessin de e: non gradué, tireté\r\n"
                          "Dessin de c: points non liés, rose foncé\r\n"
                          "Dessin de s: points non liés, hachures verticales\r\n"
                          "Dessin de T: hachures horizontales\r\n"
                          "Dessin de K: hachures diagonales inverses, non dessiné\r\n"
                          "Dessin de D: nom non dessiné, marque fine, ciel foncé\r\n"
                          "Dessin de ox: rouge foncé\r\n"
                          "Dessin de oy: gris, tireté\r\n"
                          "A la place de D, afficher en grand: le sommet\r\n"
                          "Démarrer en mode trace à la demande\r\n"
                          "Démarrer en exécutant 2 fois la ou les commandes associées à la touche V\r\n"
                          "Démarrer avec le temps actif\r\n"
                          "Démarrer en affichant le commentaire\r\n"},
    // Keyboard steps of every kind of free object, with their units, one
    // given by an expression, and loop piloting.
    {"PasDePilotage", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                      "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                      "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                      "P point libre sur le segment [AB]\r\n"
                      "Q point libre sur la demi-droite [AC)\r\n"
                      "N point libre sur la droite (BC)\r\n"
                      "c cercle circonscrit au triangle ABC\r\n"
                      "M point libre sur le cercle c\r\n"
                      "ar arc de cercle d'axe (AB), d'origine B et d'extrémité C\r\n"
                      "E point libre sur l'arc ar\r\n"
                      "n entier libre de [0,10]\r\n"
                      "x réel libre de [0,5]\r\n"
                      "Objet libre x, paramètre: 2.5\r\n"
                      "y réel libre\r\n"
                      "m entier libre\r\n"
                      "p plan (ABC)\r\n"
                      "F point libre dans le plan p\r\n"
                      "G point libre dans l'espace\r\n"
                      "Pas de pilotage au clavier de P: 0.5 (/ Uxyz,modifiable)\r\n"
                      "Pas de pilotage au clavier de Q: 0.25 (/ repère de la demi-droite,non modifiable)\r\n"
                      "Pas de pilotage au clavier de N: 0.2 (/ repère de la droite,modifiable)\r\n"
                      "Pas de pilotage au clavier de M: 0.3 (/ Uxyz,modifiable)\r\n"
                      "Pas de pilotage au clavier de E: 0.02 (/ arc,non modifiable)\r\n"
                      "Pas de pilotage au clavier de n: 2 (non modifiable)\r\n"
                      "Pas de pilotage au clavier de x: 0.25 (modifiable)\r\n"
                      "Pas de pilotage au clavier de y: 0.5 (modifiable)\r\n"
                      "Pas de pilotage au clavier de m: 3 (modifiable)\r\n"
                      "Pas de pilotage au clavier de F: x/10 (non modifiable)\r\n"
                      "Pas de pilotage au clavier de G: 0.2 (non modifiable)\r\n"
                      "Pilotage en boucle pour: n, x\r\n"},
    // Texts and labels holding the separators of the line format, and
    // names with one and two apostrophes (texts last, as the writer groups
    // them).
    {"TextesEtNomsParticuliers", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                 "A' point de coordonnées (1,0,0) dans le repère Rxyz\r\n"
                                 "A'' point de coordonnées (2,0,0) dans le repère Rxyz\r\n"
                                 "M milieu du segment [A'A'']\r\n"
                                 "t affichage du texte: a;b, c: d = (e\r\n"
                                 "u affichage du texte: #1 et #2 ; fin\r\n"
                                 "A la place de A', afficher: x;y, z\r\n"
                                 "Hauteur de la zone des affichages: 60\r\n"},
    // A frame and a length unit of the figure, used by the lines that name
    // them and set as the defaults.
    {"RepereEtUniteDeLaFigure", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                                "B point de coordonnées (2,0,0) dans le repère Rxyz\r\n"
                                "C point de coordonnées (0,3,0) dans le repère Rxyz\r\n"
                                "D point de coordonnées (0,0,4) dans le repère Rxyz\r\n"
                                "R repère (A,vec(A,B),vec(A,C),vec(A,D))\r\n"
                                "u unité de longueur (vecteur unitaire vec(A,B))\r\n"
                                "P point de coordonnées (1,2,3) dans le repère R\r\n"
                                "Q point de coordonnées (1,1,1) dans le repère R (unité de longueur u)\r\n"
                                "s sphère de centre A et de rayon 2 (unité de longueur u)\r\n"
                                "c cercle de centre A et de rayon 3 dans le plan ABC (unité u)\r\n"
                                "r rayon de c (unité de longueur u)\r\n"
                                "x abscisse du point P (repère R)\r\n"
                                "l affichage de la longueur du segment [AP] (unité u) (3 décimales)\r\n"
                                "Repère par défaut: R\r\n"
                                "Unité de longueur par défaut: u\r\n"},
    // Every kind of given object, in the definitions of three prototypes.
    {"ObjetsDonnes",
     "Début de [Lignes]\r\n"
     "A point donné\r\n"
     "h demi-droite donnée\r\n"
     "e segment donné\r\n"
     "c cercle donné\r\n"
     "t réel donné\r\n"
     "vec(u) vecteur donné\r\n"
     "R repère donné\r\n"
     "U unité de longueur donnée\r\n"
     "r = t\r\n"
     "Description de l'interface\r\n"
     "r somme de A, h, e, c, t, vec(u), R, U\r\n"
     "Point:\r\nDemi-droite:\r\nSegment:\r\nCercle:\r\nRéel:\r\nVecteur:\r\nRepère:\r\nUnité:\r\nRésultat:"
     "\r\n"
     "Fin de [Lignes]\r\n"
     "Début de [Fonctions]\r\n"
     "T transformation donnée\r\n"
     "a arc donné\r\n"
     "f fonction donnée\r\n"
     "s suite donnée\r\n"
     "g fonction à 2 variables donnée\r\n"
     "q fonction à 3 variables donnée\r\n"
     "t réel donné\r\n"
     "r = t+f(1)+s(2)+g(1,2)+q(1,2,3)\r\n"
     "Description de l'interface\r\n"
     "r somme de T, a, f, s, g, q, t\r\n"
     "Transformation:\r\nArc:\r\nFonction:\r\nSuite:\r\nFonction 2:\r\nFonction 3:\r\nRéel:\r\n"
     "Somme:\r\n"
     "Fin de [Fonctions]\r\n"
     "Début de [Solides]\r\n"
     "d droite donnée\r\n"
     "P polyèdre donné\r\n"
     "S sphère donnée\r\n"
     "K cône donné\r\n"
     "Y cylindre donné\r\n"
     "W tronc de cône donné\r\n"
     "G polygone convexe donné\r\n"
     "p plan donné\r\n"
     "r = 2\r\n"
     "Description de l'interface\r\n"
     "r somme de d, P, S, K, Y, W, G, p\r\n"
     "Droite:\r\nPolyèdre:\r\nSphère:\r\nCône:\r\nCylindre:\r\nTronc:\r\nPolygone:\r\nPlan:\r\n"
     "Un:\r\n"
     "Fin de [Solides]\r\n"},
    // Prototypes with one, two and three dummy variables make functions of
    // one, two and three variables, written back as their prototype line.
    {"FonctionsDePrototypes", "Début de [Parabole]\r\n"
                              "a réel donné\r\n"
                              "x variable muette\r\n"
                              "y = a*x^2+1\r\n"
                              "Description de l'interface\r\n"
                              "f parabole de coefficient a\r\n"
                              "Coefficient:\r\nFonction:\r\n"
                              "Fin de [Parabole]\r\n"
                              "Début de [Selle]\r\n"
                              "a réel donné\r\n"
                              "x variable muette\r\n"
                              "y variable muette\r\n"
                              "z = a*x*y\r\n"
                              "Description de l'interface\r\n"
                              "f selle de coefficient a\r\n"
                              "Coefficient:\r\nFonction:\r\n"
                              "Fin de [Selle]\r\n"
                              "Début de [Somme]\r\n"
                              "a réel donné\r\n"
                              "x variable muette\r\n"
                              "y variable muette\r\n"
                              "z variable muette\r\n"
                              "w = a*(x+y+z)\r\n"
                              "Description de l'interface\r\n"
                              "f somme pondérée de coefficient a\r\n"
                              "Coefficient:\r\nFonction:\r\n"
                              "Fin de [Somme]\r\n"
                              "g parabole de coefficient 3\r\n"
                              "h selle de coefficient 2\r\n"
                              "q somme pondérée de coefficient -1\r\n"
                              "v = g(2)+h(1,2)+q(1,2,3)\r\n"},
    {"ReglagesDeLaFigure", "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                           "B point de coordonnées (4,0,0) dans le repère Rxyz\r\n"
                           "C point de coordonnées (0,0,3) dans le repère Rxyz\r\n"
                           "P point libre sur le segment [AB]\r\n"
                           "Q point libre dans l'espace\r\n"
                           "n entier libre de [1,5]\r\n"
                           "a réel libre\r\n"
                           "R repère (A,vec(i),vec(j),vec(k))\r\n"
                           "u unité de longueur (vecteur unitaire vec(i))\r\n"
                           "Pas de pilotage au clavier de P: 0.05 (/ segment,modifiable)\r\n"
                           "Pilotage en boucle pour: n\r\n"
                           "Objets libres bloqués: Q\r\n"
                           "Paramètres d'impression : noir et blanc, unité de longueur Uxyz égale à 90 mm\r\n"
                           "Paramètres de copie ajustée : couleur, largeur de l'image égale à 70 mm\r\n"
                           "Double cadre limitant l'image (impression ou copie) : (0.25 , 0.1) >> (0.75 , "
                           "0.95) par rapport à la fenêtre\r\n"
                           "Repère par défaut: R\r\n"
                           "Unité de longueur par défaut: u\r\n"
                           "Pas de rotation au clavier en degrés: 7.5\r\n"
                           "Objets protégés: B\r\n"
                           "Objets protégés à rappel limité: C\r\n"
                           "Protéger A sauf d'une redéfinition\r\n"
                           "Importation active\r\n"
                           "Exportation des rotations de Rxyz active\r\n"
                           "Figure en fil de fer\r\n"
                           "Heure mise à jour toutes les 500 ms\r\n"
                           "Couleur du fond: couleur RVB(200,210,220)\r\n"
                           "Le point Q doit coller au point A\r\n"
                           "Démarrer en mode trace\r\n"},
};

class AllerRetourTexte : public BancEcriture {
  protected:
    // The figure of the text (Windows-1252) written in each language, read
    // again and written again: the same figure and the same text.
    void verifieAllerRetour(const std::string& source) {
        uint16_t echec = 0;
        auto f = lis(source, &echec);
        ASSERT_EQ(echec, 0) << premiereBoite();
        for (uint16_t langue : {kLangueFrancaise, kLangueAnglaise, kLangueAllemande}) {
            SCOPED_TRACE(langue);
            const std::string texte = ecrit(*f, langue);
            auto g = lis(texte, &echec);
            ASSERT_EQ(echec, 0) << premiereBoite() << "\n" << utf8DeWindows1252(texte);
            EXPECT_TRUE(platform::boitesDemandees().empty()) << premiereBoite();
            attendMemeFigure(*f, *g);
            // Written again, the figure gives the same text.
            EXPECT_EQ(ecrit(*g, langue), texte);
        }
        // The text of an undo step, texts and key commands left among the
        // other objects, reads back into the same figure too.
        etatEcritureFigure().textesEtTouchesRegroupes = false;
        const std::string pourAnnuler = ecrit(*f, kLangueFrancaise);
        etatEcritureFigure().textesEtTouchesRegroupes = true;
        auto h = lis(pourAnnuler, &echec);
        ASSERT_EQ(echec, 0) << premiereBoite() << "\n" << utf8DeWindows1252(pourAnnuler);
        attendMemeFigure(*f, *h);
    }
};

class AllerRetour : public AllerRetourTexte, public ::testing::WithParamInterface<Cas> {};

TEST_P(AllerRetour, WrittenTextReadsBackIntoTheSameFigureInEachLanguage) {
    const Cas& c = GetParam();
    const std::string fin =
        std::string(c.texte).find("Fin de la figure") == std::string::npos ? "Fin de la figure" : "";
    verifieAllerRetour(windows1252DeUtf8(std::string("Figure Kalmetra\r\n") + c.texte + fin));
}

// A comment that runs to the end of a text without an end line reads the
// same as with one: the line break after its last line is not part of it, so
// written back before the end line it reads into the same comment again.
TEST_F(AllerRetourTexte, ACommentRunningToTheEndOfTheTextReadsAsOneBeforeTheEndLine) {
    const std::string debut =
        windows1252DeUtf8("Figure Kalmetra\r\nCommentaire\r\nUn tétraèdre;\r\net sa section.");
    for (const std::string& texte : {debut + "\r\n", debut + "\r\n\r\n", debut + " \r\n"}) {
        SCOPED_TRACE(texte);
        uint16_t echec = 0;
        auto sansFin = lis(texte, &echec);
        ASSERT_EQ(echec, 0) << premiereBoite();
        auto avecFin = lis(debut + "\r\nFin de la figure", &echec);
        ASSERT_EQ(echec, 0) << premiereBoite();
        ASSERT_TRUE(sansFin->texteCommentaire && avecFin->texteCommentaire);
        EXPECT_EQ(*sansFin->texteCommentaire, *avecFin->texteCommentaire);
    }
    verifieAllerRetour(debut + "\r\n");
}

// A large figure of many kinds of objects, their styles and settings.
TEST_F(AllerRetourTexte, TheLargeFigureReadsBackIntoItselfInEachLanguage) {
    verifieAllerRetour(essais::texteFigureDe250Lignes());
}

// A function given by values keeps its points and its interpolation
// through the text: a value between two points is read on the segment
// joining them (2 + 0.5 * (5 - 2)), and without interpolation only the
// points themselves have a value.
TEST_F(BancEcriture, FunctionGivenByValuesKeepsItsValuesThroughTheText) {
    uint16_t echec = 0;
    auto f = lisUtf8("Figure Kalmetra\r\n"
                     "g fonction définie par valeurs (avec interpolation)\r\n"
                     "Valeurs pour g: (0,1) (1,2) (2,5)\r\n"
                     "w fonction définie par valeurs (sans interpolation)\r\n"
                     "Valeurs pour w: (0,1) (1,2) (2,5)\r\n"
                     "h = g(1.5)\r\n"
                     "m = w(1.5)\r\n"
                     "n = w(2)\r\n"
                     "Fin de la figure",
                     &echec);
    ASSERT_EQ(echec, 0) << premiereBoite();
    for (uint16_t langue : {kLangueFrancaise, kLangueAnglaise, kLangueAllemande}) {
        SCOPED_TRACE(langue);
        auto g = lis(ecrit(*f, langue), &echec);
        ASSERT_EQ(echec, 0) << premiereBoite();
        const auto valeur = [&](const char* nom) {
            return valeurObjet(*g, numeroObjetDeNotation(*g, nom), 1);
        };
        const auto defini = [&](const char* nom) {
            return !objet(*g, numeroObjetDeNotation(*g, nom)).nonDefini;
        };
        ASSERT_TRUE(defini("h"));
        EXPECT_DOUBLE_EQ(valeur("h"), 3.5);
        EXPECT_FALSE(defini("m"));
        ASSERT_TRUE(defini("n"));
        EXPECT_EQ(valeur("n"), 5);
    }
}

// The creation line of a built-in object is its own sentence.
TEST_F(BancEcriture, BuiltInObjectsAreDescribedByTheirOwnSentence) {
    auto f = lisUtf8("Figure Kalmetra\r\nFin de la figure");
    for (int i = 1; i <= kObjetsPredefinis; ++i) {
        const std::string ligne = definitionObjetEnTexte(*f, i);
        SCOPED_TRACE(ligne);
        EXPECT_EQ(ligne.find('#'), std::string::npos);
        EXPECT_NE(ligne.find(nomObjet(*f, i)), std::string::npos);
    }
    // The query line answers with the same sentence.
    f->modeRequete = 1;
    EXPECT_EQ(executeLigneDeFigure(f.get(),
                                   "Phrase de cr\xE9"
                                   "ation de ox",
                                   0, 1),
              0);
    f->modeRequete = 0;
    EXPECT_EQ(f->listeReponses, definitionObjetEnTexte(*f, 8));
}

// The construction codes of the objects of a figure and of the inner
// figures of its prototypes (an inner figure is served by the table of its
// owner, so it is not searched for prototypes again).
void ajouteCodes(const TfigureKalmetra& f, std::set<int>& codes, bool avecPrototypes = true) {
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets; ++i)
        codes.insert(objet(f, i).codeConstruction);
    if (!avecPrototypes) return;
    for (int p = 1; p <= kMaxPrototypes; ++p)
        if (const TPrototype* q = prototypeDe(f, p); q && q->figureInterne)
            ajouteCodes(*q->figureInterne, codes, false);
}

// Between them the figures above make an object of every construction of
// the catalogue, so that each line the writer can write is read back by the
// test above. The three codes that share their sentence with another row
// (functions made by a prototype with dummy variables) are written as the
// line of their prototype, which the figures use too. A construction added
// to the catalogue without a figure here fails this test.
TEST_F(AllerRetourTexte, TheFiguresUseEveryConstructionOfTheCatalogue) {
    std::set<int> vus;
    for (const Cas& c : kCas) {
        uint16_t echec = 0;
        auto f = lisUtf8(std::string("Figure Kalmetra\r\n") + c.texte, &echec);
        ASSERT_EQ(echec, 0) << c.nom << ": " << premiereBoite();
        ajouteCodes(*f, vus);
    }
    std::set<int> catalogue;
    for (uint8_t code : construction::kCodes) {
        ASSERT_TRUE(existeConstruction(code));
        catalogue.insert(code);
    }
    std::vector<int> manquants;
    std::set_difference(catalogue.begin(), catalogue.end(), vus.begin(), vus.end(),
                        std::back_inserter(manquants));
    EXPECT_TRUE(manquants.empty()) << testing::PrintToString(manquants);
    std::vector<int> horsCatalogue;
    std::set_difference(vus.begin(), vus.end(), catalogue.begin(), catalogue.end(),
                        std::back_inserter(horsCatalogue));
    EXPECT_TRUE(horsCatalogue.empty()) << testing::PrintToString(horsCatalogue);
}

INSTANTIATE_TEST_SUITE_P(Figures, AllerRetour, ::testing::ValuesIn(kCas),
                         [](const ::testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

} // namespace
} // namespace km32::ecriture
