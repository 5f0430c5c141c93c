// Every construction command of the menus, driven through its dialog as a
// user drives it: the menu command opens the dialog, the answers are typed
// into the fields (the option list chosen in its combo box), Enter runs the
// command. The object made must be the one a known-good figure line makes
// from the same figure.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "../drawing/souris_banc.h"
#include "base/garde.h"
#include "base/texte.h"
#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/dialogue/modeles_dialogue.h"
#include "host/menus_figure_codes.h"
#include "model/catalogue.h"
#include "model/registre_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/hasard.h"
#include "model/procedures_texte.h"
#include "text/descriptions_objets.h"
#include "text/execution_texte.h"

namespace km32::essais {
namespace {

namespace p = platform;

// The objects the lines below build on.
const char* kFigureDeBase = "A point de coordonnées (0,0,0) dans le repère Rxyz\r\n"
                            "B point de coordonnées (4,2,6) dans le repère Rxyz\r\n"
                            "C point de coordonnées (0,4,0) dans le repère Rxyz\r\n"
                            "D point de coordonnées (1,1,5) dans le repère Rxyz\r\n"
                            "M milieu du segment [AB]\r\n"
                            "w cercle circonscrit au triangle ABC\r\n"
                            "w2 cercle circonscrit au triangle ABD\r\n"
                            "T polyèdre convexe de sommets A,B,C,D\r\n"
                            "Y polygone convexe de sommets A,B,C\r\n"
                            "s sphère de centre A et de rayon AB (unité de longueur Uxyz)\r\n"
                            "s2 sphère de centre B et de rayon 5 (unité de longueur Uxyz)\r\n"
                            "t translation de vecteur vec(A,B)\r\n"
                            "g droite munie du repère (A,vec(A,B)) graduation 1 sur [-5,5]\r\n"
                            "p plan muni du repère (A,vec(A,B),vec(A,C))\r\n"
                            "a réel libre de [0,5]\r\n"
                            "b réel libre de [0,5]\r\n"
                            "P point de coordonnées (a,b,1) dans le repère Rxyz\r\n"
                            "N point libre sur le segment [AB]\r\n"
                            "f fonction: x|->x^2+1\r\n"
                            "f2 fonction: (x,y)|->x*y\r\n"
                            "u suite définie à partir de 0 par u(n)=n-3\r\n"
                            "R0 repère (C,vec(A,B),vec(A,C),vec(A,D))\r\n"
                            "U0 unité de longueur (vecteur unitaire vec(C,D))\r\n";

// A construction command and a line that makes its object; "avant" holds
// the further lines the operands need.
struct ConstructionConnue {
    int code;
    const char* ligne;
    const char* avant = "";
};

const ConstructionConnue kConstructions[] = {
    {1, "E point libre d'abscisse entière dans le repère de la droite g"},
    {2, "E point libre à coordonnées entières (repère Rxyz)"},
    {3, "E point libre sur le segment [CD]"},
    {4, "E point libre sur la demi-droite [CD)"},
    {5, "E point libre sur la droite (CD)"},
    {6, "E point libre sur le cercle w"},
    {7, "E point libre sur l'arc K",
     "C2 image de C par la rotation d'axe (AB) et d'angle 90 (degré)\r\n"
     "K arc de cercle d'axe (AB), d'origine C et d'extrémité C2\r\n"},
    {8, "E point d'abscisse 2 dans le repère (AB)"},
    {9, "E point sur demi-droite [AB), distance à l'origine 3 (unité de longueur Uxyz)"},
    {10, "E point d'intersection des droites (AB) et (CM)"},
    {11, "E point d'intersection 1 de la droite (AB) et du cercle w"},
    {12, "E point d'intersection de la droite (AB) et du cercle w autre que A"},
    {13, "E point d'intersection 1 des cercles w et w2"},
    {14, "E point d'intersection des cercles w et w2 autre que A"},
    {15, "E milieu du segment [CD]"},
    {16, "E centre de gravité du triangle ABC"},
    {17, "E centre du cercle inscrit dans le triangle ABC"},
    {18, "E centre du cercle circonscrit au triangle ABD"},
    {19, "E orthocentre du triangle ABC"},
    {20, "E centre du cercle w"},
    {21, "E barycentre de (A,1) (B,2) (C,3)"},
    {22, "r (touche R) répéter 3 fois: h (délai 500 ms)", "h (touche H) affectation aléatoire de a\r\n"},
    {23, "K courbe paramétrée par X=cos(t), Y=sin(t), Z=t, t décrivant [0,6] (50 points, repère Rxyz)"},
    {24, "E image de C par la translation de vecteur vec(A,B)"},
    {25, "E image de C par la symétrie d'axe (AB)"},
    {26, "E image de C par la symétrie de centre B"},
    {27, "E image de C par l'homothétie de centre A et de rapport -2"},
    {28, "E image de D par l'homothétie de centre A transformant B en M"},
    {29, "E image du point C par la transformation t"},
    {30, "Droite (CD)"},
    {31, "e bissectrice de l'angle ABC"},
    {32, "e image de la droite (CD) par la transformation t"},
    {33, "Demi-droite [CD)"},
    {34, "Segment [CD]"},
    {35, "e cercle circonscrit au triangle ABD"},
    {36, "e cercle inscrit dans le triangle ABC"},
    {37, "L lieu du point P, pilote a (20 points)"},
    {38, "e translation de vecteur vec(C,D)"},
    {39, "e symétrie d'axe (AB)"},
    {40, "e symétrie de centre A"},
    {41, "e homothétie de centre A et de rapport 2"},
    {42, "e homothétie de centre A transformant B en M"},
    {43, "e composée: t suivie de t2", "t2 symétrie de centre A\r\n"},
    {44, "n entier libre de [0,10]"},
    {45, "x réel libre de [0,5]"},
    {46, "x rayon de w (unité de longueur Uxyz)"},
    {47, "x aire du triangle ABC (unité de longueur Uxyz)"},
    {48, "x distance du point C à la droite (AB) (unité de longueur U0)"},
    {49, "x abscisse de M dans le repère g"},
    {50, "x mesure de l'angle géométrique ABC en degré"},
    {51, "x abscisse du vecteur vec(A,B) (repère Rxyz)"},
    {52, "x ordonnée du vecteur vec(A,B) (repère Rxyz)"},
    {53, "x = AB+1 (unité de longueur U0)"},
    {54, "h fonction: x|->2x+1"},
    {55, "R repère (A,vec(A,B),vec(A,C),vec(A,D))"},
    {56, "U unité de longueur (vecteur unitaire vec(A,B))"},
    {57, "vec(v) = vec(A,B)+vec(A,C)"},
    {58, "vec(v) (1,2,3) (repère Rxyz)"},
    {59, "Z affichage du scalaire a (2 décimales)"},
    {60, "Z affichage des coordonnées du point B (repère Rxyz) (2 décimales)"},
    {61, "c (touche I) itération: M en remplaçant B respectivement par M"},
    {62, "c (touche K) dessin en bloc de A"},
    {63, "c (touche K) dessin par étapes de T"},
    {64, "c (touche K) garder la trace de N"},
    {65, "c (touche K) valeur(s) de 2 affectée(s) à a"},
    {66, "c (touche K) position mémorisée de N"},
    {67, "c (touche K) affectation aléatoire de a"},
    {71, "e droite munie du repère (C,vec(C,D)) graduation 0.5 sur [-2,2]"},
    {72, "c (touche K) garder à la demande la trace de N"},
    {73, "c (touche K) sélection de N pour pilotage au clavier"},
    {74, "x réel libre"},
    {75, "n entier libre"},
    {76, "c (touche K) quitter un mode trace"},
    {101, "v suite définie à partir de 0 par v(n)=2n+1"},
    {102, "v suite définie à partir de 0 par v(n)=v(n-1)+1 et le premier terme 6"},
    {103, "v suite définie à partir de 0 par v(n)=v(n-1)+v(n-2) et les premiers termes 1 et 1"},
    {104, "e translation transformant A en C"},
    {105, "E image de D par la translation transformant A en C"},
    {113, "Z affichage de la longueur du segment [AB] (unité Uxyz) (2 décimales)"},
    {125, "e droite (CD)"},
    {126, "Z affichage du texte: bonjour"},
    {127, "c (touche V) tableau de (a,2) (b,3) à partir de 0 (pas 0.1) (10 lignes)"},
    {129, "n0 indice du premier terme nul de la suite u"},
    {130, "e demi-droite d'origine C passant par D"},
    {131, "K courbe définie par Y=sin(X), X décrivant [-3,3] (30 points, repère p)"},
    {132, "E point libre dans l'espace"},
    {133, "E point de coordonnées (1,2,3) dans le repère R0"},
    {134, "E point de coordonnées (1,2) dans le repère p"},
    {135, "e polygone enveloppe convexe de A,B,C,M"},
    {136, "E projeté orthogonal de C sur la droite (AB)"},
    {137, "E image de C par la rotation d'axe (AB) et d'angle 30 (degré)"},
    {138, "e section du polyèdre T par le plan q",
     "q plan passant par M et perpendiculaire à la droite (AB)\r\n"},
    {139, "E image de C dans la symétrie par rapport au plan (ABD)"},
    {140, "E projeté orthogonal de C sur le plan (ABD)"},
    {141, "e droite parallèle à (AB) passant par C"},
    {142, "e droite perpendiculaire à la droite (AB) passant par C"},
    {143, "q plan médiateur du segment [AB]"},
    {144, "e droite passant par C et de vecteur directeur vec(A,B)"},
    {145, "c (touche K) rotation absolue d'angle 10 (degré) dirigée par (1,0,0)"},
    {146, "e cercle de centre A et de rayon 2 dans le plan (ABC) (unité Uxyz)"},
    {147, "e cercle de centre A passant par C dans le plan (ABC)"},
    {148, "E point libre dans le plan (ABC)"},
    {149, "c (touche V) vue mémorisée"},
    {150, "e image du polyèdre T par la transformation t"},
    {151, "e cercle d'axe (AB) passant par C"},
    {153, "e arc de cercle d'axe (AB), d'origine C et d'extrémité C2",
     "C2 image de C par la rotation d'axe (AB) et d'angle 90 (degré)\r\n"},
    {154, "c (touche F) vue de face du plan ABC en 5 étape(s)"},
    {155, "e polygone convexe de sommets A,B,D"},
    {156, "e polygone régulier d'axe (AB), de sommet C, à 5 côtés"},
    {157, "q plan passant par D et parallèle au plan (ABC)"},
    {158, "q plan passant par D et perpendiculaire à la droite (AB)"},
    {159, "e rotation d'axe (AB) et d'angle 30 (degré)"},
    {160, "e rotation définie par l'axe (AB) et les points C et D"},
    {161, "E point d'intersection de la droite (AB) et du plan (BCD)"},
    {162, "e droite perpendiculaire au plan (ABC) passant par D"},
    {163, "x volume du solide T (unité de longueur Uxyz)"},
    {164, "x distance du point D au plan (ABC) (unité de longueur Uxyz)"},
    {165, "x aire du convexe Y (unité de longueur Uxyz)"},
    {166, "q plan muni du repère (C,vec(A,B),vec(A,D))"},
    {167, "x abscisse du point D (repère R0)"},
    {168, "x ordonnée du point C (repère Rxyz)"},
    {169, "c (touche K) rotation relative d'angle 10 (degré) dirigée par vec(A,B)"},
    {170, "Z affichage d'une équation du plan (ABC) (repère Rxyz) (2 décimales)"},
    {172, "e sphère de centre A et de rayon 2 (unité de longueur U0)"},
    {173, "e section de la sphère s par le plan (ABC)"},
    {174, "e intersection du polyèdre T et du demi-espace (q,A)",
     "q plan passant par M et perpendiculaire à la droite (AB)\r\n"},
    {175, "e patron du polyèdre T, coefficient d'ouverture 0.5"},
    {176, "e intersection des polyèdres T et T2", "T2 polyèdre convexe de sommets A,C,D,M\r\n"},
    {181, "e polyèdre convexe de sommets A,B,C,D,F",
     "F point de coordonnées (5,5,5) dans le repère Rxyz\r\n"},
    {182, "e segment [CD]"},
    {184, "e droite d'intersection des plans (ABC) et (ABD)"},
    {185, "x cote du point D (repère Rxyz)"},
    {186, "x cote du vecteur vec(A,B) (repère Rxyz)"},
    {187, "e symétrie par rapport au plan (ABC)"},
    {188, "e cylindre de rayon 1 et d'axe le segment [AB] (unité de longueur Uxyz)"},
    {189, "E point libre dans le polygone Y"},
    {190, "q plan passant par D et parallèle aux droites (AB) et (AC)"},
    {191, "q plan (ABD)"},
    {192, "E projeté de D sur le plan (ABC) parallèlement à la droite (CD)"},
    {196, "c (touche O) projection oblique de paramètres -0.3, -0.4"},
    {197, "e cône de sommet D et de base de centre A et de rayon 2 (unité de longueur Uxyz)"},
    {201, "e tronc de cône de bases (A, 2) et (B, 1) (unité de longueur Uxyz)"},
    {202, "E point d'intersection 1 de la droite (AB) et de la sphère s"},
    {203, "E point d'intersection de la droite (AB) et de la sphère s autre que B"},
    {204, "q plan défini par le point D et la droite (AB)"},
    {205, "q plan défini par les droites (AB) et (AC)"},
    {206, "E point libre sur la sphère s"},
    {208, "x périmètre du polygone Y (unité de longueur Uxyz)"},
    {209, "e image du polygone Y par la transformation t"},
    {210, "e cercle d'intersection des sphères s et s2"},
    {211, "e prisme régulier d'axe (AB), hauteur 2, base de sommet C à 5 côtés (unité de longueur Uxyz)"},
    {212, "e pyramide régulière d'axe (AB), hauteur 2, base de sommet C à 4 côtés (unité de longueur Uxyz)"},
    {213, "e polyèdre enveloppe convexe de A,B,C,D,M"},
    {214, "q plan d'équation X+Y+Z=1 dans le repère Rxyz"},
    {216, "h fonction: (x,y)|->x+y"},
    {217, "h fonction: (x,y,z)|->x+y+z"},
    {218, "G graphe de f2 sur [-1,1] x [-2,2] (5 x 6 points, repère Rxyz)"},
    {219, "S lieu du point P, pilotes a et b (3 x 5 points)"},
};

// What an object is made of, to compare the dialog's object with the line's.
struct Empreinte {
    int numero = 0;
    uint8_t code = 0, nature = 0;
    std::string nom;
    std::vector<int> parents;
    std::vector<double> valeurs;
    bool libre = false;
};

Empreinte empreinte(const TfigureKalmetra& f, int i) {
    Empreinte e;
    const TObjetFigure& o = objet(f, i);
    e.numero = i;
    e.code = o.codeConstruction;
    e.nature = o.nature;
    e.nom = nomObjet(f, i);
    for (int k = 1; k <= o.nombreParents; ++k)
        e.parents.push_back(parentObjet(f, i, k));
    for (int k = 1; k <= o.nombreValeurs; ++k)
        e.valeurs.push_back(valeurObjet(f, i, k));
    e.libre = estObjetLibre(o);
    return e;
}

void attendMemeObjet(const Empreinte& obtenue, const Empreinte& attendue) {
    EXPECT_EQ(obtenue.code, attendue.code);
    EXPECT_EQ(obtenue.nature, attendue.nature);
    EXPECT_EQ(obtenue.nom, attendue.nom);
    EXPECT_EQ(obtenue.parents, attendue.parents);
    ASSERT_EQ(obtenue.valeurs.size(), attendue.valeurs.size());
    // A free object draws its place at random; every other is computed.
    for (std::size_t j = 0; j < attendue.valeurs.size() && !attendue.libre; ++j) {
        EXPECT_NEAR(obtenue.valeurs[j], attendue.valeurs[j], 1e-9) << "value " << j + 1;
    }
}

class DialogueDesMenus : public BancSouris, public ::testing::WithParamInterface<ConstructionConnue> {
  protected:
    uint32_t fenetreDuDialogue() { return fenetreDialogue() ? fenetreDialogue()->fenetre : 0; }
    // The field k gets the focus; its text, selected since the layout or
    // empty, is replaced by what is typed.
    void remplit(int k, const std::string& texte) {
        p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, uint32_t(k), 0);
        TChampDialogue& c = fenetreDialogue()->champs[std::size_t(k)];
        c.debutSelection = 0;
        c.longueurSelection = uint32_t(c.texte.size());
        for (char ch : texte)
            p::envoieMessage(fenetreDuDialogue(), p::WM_CHAR, uint8_t(ch), 0);
        EXPECT_EQ(c.texte, texte) << "field " << k;
    }
    // Enter. A figure with a length unit of its own asks which unit a length
    // is counted in when none was chosen: the unit list then shows and the
    // unit of the line is chosen in it before Enter again.
    void valide(const std::string& unite) {
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
        TFenDialog* d = fenetreDialogue();
        if (!d || unite.empty() || !d->dialogue.demandeUnite) return;
        ASSERT_TRUE(d->listeUnites.visible);
        // The band made room for the list: every row and prompt stands under it.
        EXPECT_FALSE(d->listeUnites.cadre.estVide());
        for (const TChampDialogue& c : d->champs) {
            if (c.visible) {
                EXPECT_GE(std::min(c.cadre.haut, c.cadreInvite.haut), d->listeUnites.cadre.bas);
            }
        }
        choisit(kTagListeUnites, d->listeUnites, unite);
        p::boitesDemandees().clear();
        p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_RETURN, 0);
        p::distribueJusquAuRepos();
    }
    // Chooses the entry of a combo box through its message.
    void choisit(uint32_t tag, const TListeDialogue& l, const std::string& entree) {
        for (std::size_t k = 0; k < l.entrees.size(); ++k)
            if (l.entrees[k] == entree) {
                p::envoieMessage(fenetreDuDialogue(), p::WM_COMMAND, tag, int32_t(k));
                return;
            }
        ADD_FAILURE() << "no entry " << entree;
    }
};

std::vector<std::string> operandes(std::string texte) {
    std::vector<std::string> v;
    while (!texte.empty()) {
        std::string a;
        coupeAuSeparateur(texte, 255, a);
        v.push_back(a);
    }
    return v;
}

TEST_P(DialogueDesMenus, TheDialogFilledWithTheOperandsOfAKnownLineMakesTheSameObject) {
    const ConstructionConnue& c = GetParam();
    SCOPED_TRACE(c.code);
    figureDeTexte(std::string(kFigureDeBase) + c.avant);
    const int avant = fig().nombreObjets;
    refaitFigure(std::string(kFigureDeBase) + c.avant + c.ligne + "\r\n");
    TfigureKalmetra& f = fig();
    ASSERT_EQ(f.nombreObjets, avant + 1);
    const Empreinte attendue = empreinte(f, f.nombreObjets);
    ASSERT_EQ(attendue.code, c.code);
    const std::string definition = phraseDefinitionParConstruction(f, f.nombreObjets);
    const std::vector<std::string> v = operandes(definition);

    refaitFigure(std::string(kFigureDeBase) + c.avant);
    p::boitesDemandees().clear();
    p::envoieMessage(forme, p::WM_COMMAND, uint32_t(c.code), 0);
    p::distribueJusquAuRepos();
    TFenDialog* d = fenetreDialogue();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(p::boitesDemandees().empty()) << p::boitesDemandees().back().texte;
    const TDialogueObjet& r = d->dialogue;
    std::size_t k = 0;
    if (r.genreOptions == '.' || r.genreOptions == '/' || r.genreOptions == '0') {
        ASSERT_LT(k, v.size());
        if (d->listeOptions.visible)
            choisit(kTagListeOptions, d->listeOptions, v[k]);
        else
            EXPECT_TRUE(v[k] == "Rxyz" || v[k] == "Uxyz") << v[k];
        ++k;
    }
    // A length unit given after the name goes to the unit list that follows
    // the answers, shown when the figure has a unit of its own.
    std::string unite;
    if (modeleDialogue(uint16_t(c.code))->ligneUnite && v.size() - k == std::size_t(r.nombreLignes) + 1)
        unite = v.back();
    ASSERT_EQ(v.size() - k - (unite.empty() ? 0 : 1), std::size_t(r.nombreLignes)) << definition;
    for (int ligne = 1; ligne <= r.nombreLignes; ++ligne, ++k)
        remplit(ligne, v[k]);
    if (!unite.empty() && d->listeUnites.visible) choisit(kTagListeUnites, d->listeUnites, unite);
    valide(unite);
    ASSERT_EQ(fenetreDialogue(), nullptr)
        << (p::boitesDemandees().empty() ? std::string() : p::boitesDemandees().back().texte);
    ASSERT_EQ(f.nombreObjets, avant + 1);
    attendMemeObjet(empreinte(f, f.nombreObjets), attendue);
}

// Command 91 on the object: the dialog of its construction opens with its
// operands in the fields, in pattern order, and running it unchanged
// defines the object again as it was.
TEST_P(DialogueDesMenus, ModifyingTheObjectShowsItsOperandsAndRunsThemAgain) {
    const ConstructionConnue& c = GetParam();
    SCOPED_TRACE(c.code);
    TfigureKalmetra& f = figureDeTexte(std::string(kFigureDeBase) + c.avant + c.ligne + "\r\n");
    const int x = f.nombreObjets;
    const Empreinte attendue = empreinte(f, x);
    ASSERT_EQ(attendue.code, c.code);
    const std::vector<std::string> v = operandes(phraseDefinitionParConstruction(f, x));

    p::boitesDemandees().clear();
    p::envoieMessage(forme, p::WM_COMMAND, 91, 0);
    p::distribueJusquAuRepos();
    ASSERT_NE(fenetreDialogue(), nullptr);
    remplit(1, nomObjetOuVecteur(f, x));
    p::envoieMessage(fenetreDuDialogue(), p::WM_KEYDOWN, p::VK_RETURN, 0);
    p::distribueJusquAuRepos();
    TFenDialog* d = fenetreDialogue();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(p::boitesDemandees().empty()) << p::boitesDemandees().back().texte;
    ASSERT_EQ(f.commandeDialogue, c.code);
    const TDialogueObjet& r = d->dialogue;
    std::size_t k = 0;
    if (r.genreOptions == '.' || r.genreOptions == '/' || r.genreOptions == '0') {
        ASSERT_LT(k, v.size());
        if (d->listeOptions.visible) {
            ASSERT_FALSE(d->listeOptions.entrees.empty());
            EXPECT_EQ(d->listeOptions.entrees[std::size_t(d->listeOptions.choix)], v[k]);
        }
        ++k;
    }
    for (int ligne = 1; ligne <= r.nombreLignes && k < v.size(); ++ligne, ++k)
        EXPECT_EQ(d->champs[std::size_t(ligne)].texte, v[k]) << "field " << ligne;
    // A unit after the name heads the unit list, which still offers the
    // figure's other unit.
    const std::string unite = k < v.size() ? v[k] : std::string();
    if (!unite.empty()) {
        ASSERT_EQ(d->listeUnites.entrees.size(), 2u);
        EXPECT_EQ(d->listeUnites.entrees[0], unite);
    }
    valide(unite);
    // Lines, half-lines and segments named by their points are not defined
    // again: the same answers would make the object a second time.
    if (c.code == 30 || c.code == 33 || c.code == 34) {
        ASSERT_NE(fenetreDialogue(), nullptr);
        ASSERT_FALSE(p::boitesDemandees().empty());
        EXPECT_NE(p::boitesDemandees().back().texte.find(phraseDeNumero(559).substr(2)), std::string::npos);
        EXPECT_EQ(f.nombreObjets, x);
        return;
    }
    ASSERT_EQ(fenetreDialogue(), nullptr)
        << (p::boitesDemandees().empty() ? std::string() : p::boitesDemandees().back().texte);
    ASSERT_EQ(f.nombreObjets, x);
    attendMemeObjet(empreinte(f, x), attendue);
}

INSTANTIATE_TEST_SUITE_P(ToutesLesConstructions, DialogueDesMenus, ::testing::ValuesIn(kConstructions),
                         [](const ::testing::TestParamInfo<ConstructionConnue>& i) {
                             return "Commande" + std::to_string(i.param.code);
                         });

// The menu commands that make an object (every plain menu item with a
// construction of the catalogue) each have a dialog model and a line above.
constexpr uint16_t kCommandeFonctionParValeurs = 128;

TEST(DialogueDesMenusCouverture, EveryConstructionCommandOfTheMenusHasAModelAndAKnownLine) {
    std::set<int> connues;
    for (const ConstructionConnue& c : kConstructions)
        connues.insert(c.code);
    int vues = 0;
    for (uint16_t commande : listeCommandesTriees()) {
        if (!estCommandeSimple(commande) || commande > 255 || !existeConstruction(uint8_t(commande)))
            continue;
        // A function given by values is made in the grid-of-values window.
        if (commande == kCommandeFonctionParValeurs) continue;
        ++vues;
        EXPECT_NE(modeleDialogue(commande), nullptr) << commande;
        EXPECT_TRUE(connues.count(commande)) << "no known line for command " << commande;
    }
    EXPECT_GT(vues, 100);
}

} // namespace
} // namespace km32::essais
