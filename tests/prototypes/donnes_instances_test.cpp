// Each kind of given object, in each place among three given objects, and
// each kind of result: an instance of a prototype takes the same values and
// samples as the same construction written out in the figure, keeps the
// values of its given numbers and vectors in its own values (one and
// three), and leaves the values of the object made after it alone, also
// when it is computed again.
#include <cmath>

#include "banc_prototypes.h"
#include "drawing/rafraichissement.h"
#include "drawing/vue_operations.h"
#include "model/calcul/calcul_objet.h"
#include "peinture_enregistree.h"
#include "platform/fenetres.h"
#include "text/ecriture_figure.h"

namespace km32::essai {
namespace {

enum class Donne { Point, Nombre, Vecteur, Droite, Plan, Polygone };
enum class Resultat { Point, Nombre, Vecteur, Courbe, Lieu };

const char* nomDonne(Donne d) {
    static const char* const noms[] = {"Point", "Nombre", "Vecteur", "Droite", "Plan", "Polygone"};
    return noms[int(d)];
}
const char* nomResultat(Resultat r) {
    static const char* const noms[] = {"Point", "Nombre", "Vecteur", "Courbe", "Lieu"};
    return noms[int(r)];
}

// The objects the instances are made from: two vectors whose coordinates
// follow the number c, a plane, a line and a triangle.
const std::vector<std::string> kFigureDeDepart = {
    "Z point de coordonnées (0,0,5) dans le repère Rxyz",
    "c = 5",
    "A point de coordonnées (1,2,3) dans le repère Rxyz",
    "B point de coordonnées (4,-1,2) dans le repère Rxyz",
    "C point de coordonnées (0,3,-2) dans le repère Rxyz",
    "vec(w) (3,4,c) (repère Rxyz)",
    "vec(v) (-1,c,2) (repère Rxyz)",
    "K polygone convexe de sommets A,B,C",
};

// Given object k (1..3) of one kind: its line in the block, its name in the
// block, what a line using the prototype gives for it.
struct TexteDonne {
    std::string declaration, interne, externe;
};

TexteDonne texteDonne(Donne d, int k) {
    const std::string n = std::to_string(k);
    switch (d) {
    case Donne::Point:
        return {"P" + n + " point donné", "P" + n, k == 2 ? "C" : "B"};
    case Donne::Nombre:
        return {"a" + n + " réel donné", "a" + n, "c+" + n};
    case Donne::Vecteur:
        return {"vec(u" + n + ") vecteur donné", "vec(u" + n + ")", k == 2 ? "vec(v)" : "vec(w)"};
    case Donne::Droite:
        return {"d" + n + " droite donnée", "d" + n, "(AC)"};
    case Donne::Plan:
        return {"p" + n + " plan donné", "p" + n, "(ABC)"};
    case Donne::Polygone:
        return {"Q" + n + " polygone convexe donné", "Q" + n, "K"};
    }
    return {};
}

// The lines that turn given object k into the number term k (named with
// the prefix, "e" in the block and "f" written out), and that term. The
// names are those of the block, or of the figure when the construction is
// written out.
std::vector<std::string> lignesTerme(Donne d, int k, bool ecrit, std::string& terme) {
    const TexteDonne t = texteDonne(d, k);
    const std::string nom = ecrit ? t.externe : t.interne;
    const std::string m = (ecrit ? "f" : "e") + std::to_string(k);
    switch (d) {
    case Donne::Point:
        terme = "(" + m + "a+2*" + m + "b)";
        return {m + "a abscisse du point " + nom + " (repère Rxyz)",
                m + "b cote du point " + nom + " (repère Rxyz)"};
    case Donne::Nombre:
        terme = "(" + nom + ")";
        return {};
    case Donne::Vecteur:
        // The third coordinate is the one a vector lost when it had two values.
        terme = "(" + m + "a+3*" + m + "b)";
        return {m + "a abscisse du vecteur " + nom + " (repère Rxyz)",
                m + "b cote du vecteur " + nom + " (repère Rxyz)"};
    case Donne::Droite:
        terme = m + "a";
        return {m + "a distance du point o à la droite " + nom + " (unité de longueur Uxyz)"};
    case Donne::Plan:
        terme = m + "a";
        return {m + "a distance du point o au plan " + nom + " (unité de longueur Uxyz)"};
    case Donne::Polygone:
        terme = m + "a";
        return {m + "a périmètre du polygone " + nom + " (unité de longueur Uxyz)"};
    }
    return {};
}

// The construction from three given objects: a number s made of the three
// terms (weights 1, 10, 100), then the result named nom.
std::vector<std::string> construction(const std::array<Donne, 3>& donnes, Resultat r, bool ecrit,
                                      const std::string& nom) {
    std::vector<std::string> l;
    std::string somme;
    for (int k = 1; k <= 3; ++k) {
        std::string terme;
        for (const std::string& x : lignesTerme(donnes[std::size_t(k - 1)], k, ecrit, terme))
            l.push_back(x);
        somme += (k == 1 ? "" : "+") + std::string(k == 1 ? "1" : k == 2 ? "10" : "100") + "*" + terme;
    }
    const std::string s = ecrit ? "sF" : "s";
    const std::string b = ecrit ? "b2" : "b", n = ecrit ? "N2" : "N";
    switch (r) {
    case Resultat::Nombre:
        l.push_back(nom + " = " + somme);
        break;
    case Resultat::Point:
        l.push_back(s + " = " + somme);
        l.push_back(nom + " point de coordonnées (" + s + ",1-" + s + "/3," + s + "/7) dans le repère Rxyz");
        break;
    case Resultat::Vecteur:
        l.push_back(s + " = " + somme);
        l.push_back(nom + " (" + s + ",2," + s + "/5) (repère Rxyz)");
        break;
    case Resultat::Courbe:
        l.push_back(s + " = (" + somme + ")/1000");
        l.push_back(nom + " courbe paramétrée par X=" + s + "*cos(t), Y=" + s +
                    "*sin(t), Z=1, t décrivant [0,6.28] (20 points, repère Rxyz)");
        break;
    case Resultat::Lieu:
        l.push_back(s + " = (" + somme + ")/1000");
        l.push_back(b + " réel libre de [0,1]");
        l.push_back(n + " point de coordonnées (" + s + "*" + b + "," + b + "^2,1) dans le repère Rxyz");
        l.push_back(nom + " lieu du point " + n + ", pilote " + b + " (20 points)");
        break;
    }
    return l;
}

std::string nomResultatDe(Resultat r, bool ecrit) {
    switch (r) {
    case Resultat::Nombre:
        return ecrit ? "y" : "x";
    case Resultat::Vecteur:
        return ecrit ? "vec(y)" : "vec(x)";
    default:
        return ecrit ? "Y" : "X";
    }
}

struct Cas {
    std::array<Donne, 3> donnes;
    Resultat resultat;
};

std::string nomCas(const Cas& c) {
    return std::string(nomDonne(c.donnes[0])) + "," + nomDonne(c.donnes[1]) + "," + nomDonne(c.donnes[2]) +
           " -> " + nomResultat(c.resultat);
}

// The block of the case, its prototype used as X, a guard point G, the
// construction written out as Y, a second guard H. Z, first, is there to
// be deleted.
std::vector<std::string> figureDuCas(const Cas& c) {
    std::vector<std::string> l = kFigureDeDepart;
    l.push_back("Début de [Essai]");
    for (int k = 1; k <= 3; ++k)
        l.push_back(texteDonne(c.donnes[std::size_t(k - 1)], k).declaration);
    for (const std::string& x : construction(c.donnes, c.resultat, false, nomResultatDe(c.resultat, false)))
        l.push_back(x);
    l.push_back("Description de l'interface");
    std::string modele = nomResultatDe(c.resultat, false) + " construit avec ";
    std::string usage = "X construit avec ";
    if (c.resultat == Resultat::Nombre) usage = "x construit avec ";
    if (c.resultat == Resultat::Vecteur) usage = "vec(x) construit avec ";
    for (int k = 1; k <= 3; ++k) {
        const TexteDonne t = texteDonne(c.donnes[std::size_t(k - 1)], k);
        const std::string sep = k == 1 ? "" : k == 2 ? " puis " : " enfin ";
        modele += sep + t.interne;
        usage += sep + t.externe;
    }
    l.push_back(modele);
    for (int k = 1; k <= 4; ++k)
        l.push_back("Objet " + std::to_string(k) + ":");
    l.push_back("Fin de [Essai]");
    l.push_back(usage);
    l.push_back("G point de coordonnées (7,8,9) dans le repère Rxyz");
    for (const std::string& x : construction(c.donnes, c.resultat, true, nomResultatDe(c.resultat, true)))
        l.push_back(x);
    l.push_back("H point de coordonnées (-7,-8,-9) dans le repère Rxyz");
    return l;
}

class DonnesInstances : public BancPrototypes {
  protected:
    // The instance X against the object Y written out: both defined, the
    // same values and samples; the guards where they were put.
    void compare(const Cas& c, const std::string& quand) { compare(f, c, quand); }
    static void compare(TfigureKalmetra& f, const Cas& c, const std::string& quand) {
        SCOPED_TRACE(nomCas(c) + ", " + quand);
        auto numero = [&](const std::string& nom) { return numeroObjetDeNotation(f, nom); };
        auto pt = [&](const std::string& nom) {
            const int i = numero(nom);
            return P3{valeurObjet(f, i, 1), valeurObjet(f, i, 2), valeurObjet(f, i, 3)};
        };
        const int x = numero(nomResultatDe(c.resultat, false)), y = numero(nomResultatDe(c.resultat, true));
        ASSERT_GT(x, kObjetsPredefinis);
        ASSERT_GT(y, kObjetsPredefinis);
        ASSERT_EQ(objet(f, y).nonDefini, 0);
        ASSERT_EQ(objet(f, x).nonDefini, 0) << objet(f, x).raison;
        // The result's own values: the instance keeps the values of its
        // given numbers and vectors after them.
        const int valeurs = c.resultat == Resultat::Nombre    ? 1
                            : c.resultat == Resultat::Point   ? 3
                            : c.resultat == Resultat::Vecteur ? 3
                                                              : 2;
        int gardees = 0;
        for (const Donne d : c.donnes)
            gardees += d == Donne::Nombre ? 1 : d == Donne::Vecteur ? 3 : 0;
        EXPECT_EQ(objet(f, x).nombreValeurs, valeurs + gardees);
        for (int i = 1; i <= valeurs; ++i)
            EXPECT_NEAR(valeurObjet(f, x, i), valeurObjet(f, y, i), 1e-9) << "value " << i;
        const int echantillons = objet(f, y).nombreEchantillons;
        EXPECT_EQ(objet(f, x).nombreEchantillons, echantillons);
        if (c.resultat == Resultat::Courbe || c.resultat == Resultat::Lieu) {
            ASSERT_EQ(echantillons, 20);
            // Samples of a circle or a parabola: not all in one place.
            EXPECT_NE(echantillon(f, objet(f, y).premierEchantillon).x,
                      echantillon(f, objet(f, y).premierEchantillon + 10).x);
        }
        for (int i = 0; i < echantillons && i < objet(f, x).nombreEchantillons; ++i) {
            const Techantillon& a = echantillon(f, objet(f, x).premierEchantillon + i);
            const Techantillon& b = echantillon(f, objet(f, y).premierEchantillon + i);
            EXPECT_EQ(a.x, b.x) << "sample " << i;
            EXPECT_EQ(a.y, b.y) << "sample " << i;
            EXPECT_EQ(a.z, b.z) << "sample " << i;
            EXPECT_EQ(a.rupture, b.rupture) << "sample " << i;
        }
        const P3 g = pt("G"), h = pt("H");
        EXPECT_EQ(g.x, 7);
        EXPECT_EQ(g.y, 8);
        EXPECT_EQ(g.z, 9);
        EXPECT_EQ(h.x, -7);
        EXPECT_EQ(h.y, -8);
        EXPECT_EQ(h.z, -9);
    }
};

std::vector<Cas> casDuTableau() {
    std::vector<Cas> cas;
    const Donne toutes[] = {Donne::Point,  Donne::Nombre, Donne::Vecteur,
                            Donne::Droite, Donne::Plan,   Donne::Polygone};
    const Resultat resultats[] = {Resultat::Point, Resultat::Nombre, Resultat::Vecteur, Resultat::Courbe,
                                  Resultat::Lieu};
    int r = 0;
    // Each kind first, in the middle and last, between a number and a
    // vector (the kinds that keep values of the instance).
    for (const Donne d : toutes) {
        cas.push_back({{d, Donne::Vecteur, Donne::Nombre}, resultats[r++ % 5]});
        cas.push_back({{Donne::Nombre, d, Donne::Vecteur}, resultats[r++ % 5]});
        cas.push_back({{Donne::Vecteur, Donne::Nombre, d}, resultats[r++ % 5]});
    }
    // Each result after each arrangement of a vector and numbers.
    for (const Resultat res : resultats) {
        cas.push_back({{Donne::Vecteur, Donne::Nombre, Donne::Nombre}, res});
        cas.push_back({{Donne::Nombre, Donne::Vecteur, Donne::Point}, res});
        cas.push_back({{Donne::Point, Donne::Nombre, Donne::Vecteur}, res});
    }
    return cas;
}

class TableDonnes : public DonnesInstances, public ::testing::WithParamInterface<Cas> {};

TEST_P(TableDonnes, GivesWhatTheConstructionWrittenOutGives) {
    const Cas& c = GetParam();
    ASSERT_EQ(litFigure(figureDuCas(c)), 0) << dernierMessage();
    compare(c, "as read");
    // c moves both vectors: the instance is computed again after G.
    ASSERT_EQ(ligne("c = 2"), 0) << dernierMessage();
    compare(c, "after c = 2");
    ASSERT_EQ(ligne("c = -3.5"), 0) << dernierMessage();
    compare(c, "after c = -3.5");

    // A copy (as undo keeps it) and the text written back, read again.
    std::unique_ptr<TfigureKalmetra> copie;
    copieFigure(f, copie);
    ASSERT_TRUE(copie);
    compare(*copie, c, "in a copy");
    libereFigure(copie);
    const std::string texte = ecritTexteFigure(f);
    auto relue = std::make_unique<TfigureKalmetra>();
    initialiseFigureNeuve(*relue);
    {
        GardeValeur<uint8_t> lecture(executionReelle(), 0);
        ASSERT_EQ(executeTexteDeFigure(*relue, texte, 1), 0) << dernierMessage() << "\n" << texte;
    }
    compare(*relue, c, "written and read back");
    libereFigure(relue);

    // An object below the instances goes: every object after it moves down.
    ASSERT_EQ(ligne("Supprimer Z"), 0) << dernierMessage();
    EXPECT_EQ(numero("Z"), 0);
    compare(c, "after a deletion below");
    ASSERT_EQ(ligne("c = 4"), 0) << dernierMessage();
    compare(c, "after the deletion, c = 4");
}

INSTANTIATE_TEST_SUITE_P(ChaqueNatureAChaquePlace, TableDonnes, ::testing::ValuesIn(casDuTableau()),
                         [](const ::testing::TestParamInfo<Cas>& i) {
                             std::string n = std::to_string(i.index) + "_";
                             for (const Donne d : i.param.donnes)
                                 n += nomDonne(d);
                             return n + "_" + nomResultat(i.param.resultat);
                         });

// The cases of the fault as met: a number read from a vector's third value,
// and a vector's third value written into the next object.
TEST_F(DonnesInstances, NumbersAfterAVectorAndTheObjectAfterTheInstance) {
    const std::vector<std::string> lignes = {
        "Début de [Code]",
        "vec(u) vecteur donné",
        "a réel donné",
        "b réel donné",
        "x abscisse du vecteur vec(u) (repère Rxyz)",
        "y ordonnée du vecteur vec(u) (repère Rxyz)",
        "r = 1000*a+100*b+10*x+y",
        "Description de l'interface",
        "r code de vec(u), a et b",
        "Vecteur:",
        "A:",
        "B:",
        "Code:",
        "Fin de [Code]",
        "Début de [Code2]",
        "a réel donné",
        "vec(u) vecteur donné",
        "b réel donné",
        "x abscisse du vecteur vec(u) (repère Rxyz)",
        "y ordonnée du vecteur vec(u) (repère Rxyz)",
        "r = 1000*a+100*b+10*x+y",
        "Description de l'interface",
        "r chiffres de a, vec(u) et b",
        "A:",
        "Vecteur:",
        "B:",
        "Code:",
        "Fin de [Code2]",
        "Début de [Cote]",
        "vec(u) vecteur donné",
        "z cote du vecteur vec(u) (repère Rxyz)",
        "Description de l'interface",
        "z hauteur de vec(u)",
        "Vecteur:",
        "Cote:",
        "Fin de [Cote]",
        "c = 0",
        "vec(w) (3,4,c) (repère Rxyz)",
        "r code de vec(w), 5 et 7",
        "q chiffres de 5, vec(w) et 7",
        "m hauteur de vec(w)",
        "P point de coordonnées (1,2,3) dans le repère Rxyz",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    EXPECT_EQ(val("r"), 5734);
    EXPECT_EQ(val("q"), 5734);
    // The result and the three values of the given vector.
    EXPECT_EQ(objet(f, numero("m")).nombreValeurs, 4);
    EXPECT_EQ(objet(f, numero("r")).nombreValeurs, 1 + 3 + 1 + 1);
    ASSERT_EQ(ligne("c = 10"), 0) << dernierMessage();
    EXPECT_EQ(val("m"), 10);
    const P3 p = pt("P");
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 2);
    EXPECT_EQ(p.z, 3);
}

// A curve result in a figure that has drawn nothing yet: the instance's
// samples are the circle of its radius.
TEST_F(DonnesInstances, ACurveResultIsSampledInAFigureWithoutOtherSamples) {
    const std::vector<std::string> lignes = {
        "Début de [Cercle]",
        "a réel donné",
        "C courbe paramétrée par X=a*cos(t), Y=a*sin(t), Z=0, t décrivant [0,6.28] (20 points, repère Rxyz)",
        "Description de l'interface",
        "C cercle param de rayon a",
        "Rayon:",
        "Courbe:",
        "Fin de [Cercle]",
        "K cercle param de rayon 2",
        "L cercle param de rayon 3",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    for (const auto& [nom, rayon] : {std::pair<const char*, double>{"K", 2}, {"L", 3}}) {
        SCOPED_TRACE(nom);
        const TObjetFigure& o = objet(f, numero(nom));
        ASSERT_EQ(o.nombreEchantillons, 20);
        // The circle of the radius, in the figure's integer model units.
        for (int i = 0; i < 20; ++i) {
            const Techantillon& s = echantillon(f, o.premierEchantillon + i);
            const double t = 6.28 * i / 19;
            EXPECT_NEAR(s.x, coordonneeEntiere(f, rayon * std::cos(t)), 1) << i;
            EXPECT_NEAR(s.y, coordonneeEntiere(f, rayon * std::sin(t)), 1) << i;
            EXPECT_EQ(s.z, 0) << i;
        }
    }
    // Drawn: every sample of both circles is a vertex of a line drawn where
    // the view projects the point of the circle.
    f.fenetreDessin = platform::creeFenetre(0, {0, 0, 800, 600}, {}, true);
    ajusteTailleFenetre(f);
    reconstruitDessin(f);
    const std::vector<platform::Primitive> dessin = essais::peintureEnregistree(f);
    for (const double rayon : {2.0, 3.0})
        for (int i = 0; i < 20; ++i) {
            const double t = 6.28 * i / 19;
            const int32_t X = coordonneeEntiere(f, rayon * std::cos(t)),
                          Y = coordonneeEntiere(f, rayon * std::sin(t)), Z = coordonneeEntiere(f, 0);
            const int32_t x = projetteX(f, X, Y, Z), y = projetteY(f, X, Y, Z);
            bool trouve = false;
            for (const platform::Primitive& p : dessin)
                if (p.type == platform::TypePrimitive::Polyligne)
                    for (const platform::Point& q : p.points)
                        trouve = trouve || (std::abs(q.x - x) <= 1 && std::abs(q.y - y) <= 1);
            EXPECT_TRUE(trouve) << "radius " << rayon << ", point " << i << " at " << x << "," << y;
        }
}

} // namespace
} // namespace km32::essai

namespace km32::essai {
namespace {

// A given unit of length between a vector and two points: the distance AB
// = 5 measured in the unit W = |CD| = 2, and the vector's third coordinate.
TEST_F(DonnesInstances, AGivenUnitOfLengthIsReadInItsPlace) {
    const std::vector<std::string> lignes = {
        "Début de [Unite]",
        "vec(u) vecteur donné",
        "U unité de longueur donnée",
        "A point donné",
        "B point donné",
        "z cote du vecteur vec(u) (repère Rxyz)",
        "d = AB (unité de longueur U)",
        "r = d+1000*z",
        "Description de l'interface",
        "r mesure de vec(u) avec U pour A et B",
        "Vecteur:",
        "Unité:",
        "Premier point:",
        "Second point:",
        "Mesure:",
        "Fin de [Unite]",
        "A point de coordonnées (0,0,0) dans le repère Rxyz",
        "B point de coordonnées (3,4,0) dans le repère Rxyz",
        "C point de coordonnées (1,0,0) dans le repère Rxyz",
        "D point de coordonnées (3,0,0) dans le repère Rxyz",
        "W unité de longueur (vecteur unitaire vec(C,D))",
        "vec(w) (1,2,3) (repère Rxyz)",
        "r mesure de vec(w) avec W pour A et B",
        "q mesure de vec(w) avec Uxyz pour A et B",
    };
    ASSERT_EQ(litFigure(lignes), 0) << dernierMessage();
    EXPECT_DOUBLE_EQ(val("r"), 5.0 / 2 + 3000);
    EXPECT_DOUBLE_EQ(val("q"), 5.0 + 3000);
    // The line written back names the unit.
    const std::string texte = utf8DeWindows1252(ecritTexteFigure(f));
    EXPECT_NE(texte.find("r mesure de vec(w) avec W pour A et B"), std::string::npos) << texte;
}

} // namespace
} // namespace km32::essai
