// Renamed built-in objects in every line that names them. For each of the
// thirteen built-in objects and each kind of operand that can name it (a
// point, a line, a plane, a vector, a frame, a unit, an expression, a list
// line, a setting line), renamed alone (to a name a user object of its kind
// could take, or to one outside the syntax of user names, as the default
// names ox, oxy and Rxyz are) or with all the others, before or after the
// line that names it: the figure is the figure made with the names of a new
// figure, and in French, English and German it is saved, opened again by
// its file name, read as a text and run as typed lines into the same
// figure. A new name that would not read back is refused when the rename
// is made, with a message naming it.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "banc_hote.h"
#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/boites.h"
#include "text/execution_ligne.h"

namespace km32::essais {
namespace {

namespace fs = std::filesystem;

// The built-in objects in their order (1 to 13), each with a new name that a
// user object of its kind could take.
struct Integre {
    const char* nom;
    const char* nouveau;
};
constexpr Integre kIntegres[13] = {{"Rxyz", "Rs"}, {"Uxyz", "Ul"}, {"time", "t"}, {"i", "e1"},  {"j", "e2"},
                                   {"k", "e3"},    {"o", "O"},     {"ox", "X1"},  {"oy", "Y1"}, {"oz", "Z1"},
                                   {"oxy", "Pxy"}, {"oyz", "Pyz"}, {"ozx", "Pzx"}};

// Names outside the syntax of user names (a second letter after the first
// letter of a point, line or vector, three letters, a capital then digits),
// each given in turn to every built-in object alone.
const char* const kNomsHorsSyntaxe[] = {"Ox", "ax", "Pxy", "R1", "U2"};

// A rename: built-in objects (1 to 13) and their new names.
using Renommes = std::vector<std::pair<int, std::string>>;

struct Point3 {
    double x, y, z;
};

bool estVecteur(int i) {
    return i >= 4 && i <= 6;
}

const std::string kEntete = "Figure Kalmetra\r\n";
constexpr uint32_t kGraine = 54;
const std::string kBase = "A point de coordonn\xE9"
                          "es (1,2,3) dans le rep\xE8re Rxyz\r\n"
                          "B point de coordonn\xE9"
                          "es (2,-1,0) dans le rep\xE8re Rxyz\r\n";

// The lines that name built-in objects, French; {name} stands for the
// present name of a built-in object (vectors inside vec( )).
struct Operande {
    const char* genre;
    std::string lignes;
};
const std::vector<Operande>& operandes() {
    static const std::vector<Operande> table = {
        // Frames.
        {"frame of a point", "C point de coordonn\xE9"
                             "es (1,0,2) dans le rep\xE8re {Rxyz}"},
        {"frame of a number", "a abscisse du point A (rep\xE8re {Rxyz})"},
        {"frame of a plane by equation", "P plan d'\xE9quation X+Y=1 dans le rep\xE8re {Rxyz}"},
        {"frame of a free point", "M point libre \xE0 coordonn\xE9"
                                  "es enti\xE8res (rep\xE8re {Rxyz})"},
        // Units.
        {"unit of a point", "C point de coordonn\xE9"
                            "es (1,0,2) dans le rep\xE8re {Rxyz} (unit\xE9 de longueur {Uxyz})"},
        {"unit of a sphere", "S sph\xE8re de centre A et de rayon 2 (unit\xE9 de longueur {Uxyz})"},
        {"unit of a distance", "h distance du point A au plan {oxy} (unit\xE9 de longueur {Uxyz})"},
        // Numbers in expressions.
        {"number in an expression", "a = 2*{time}+1"},
        {"number in a coordinate", "C point de coordonn\xE9"
                                   "es ({time},0,1) dans le rep\xE8re {Rxyz}"},
        // Vectors.
        {"vector of a translation", "D image de A par la translation de vecteur vec({i})"},
        {"vector of a line", "d droite passant par A et de vecteur directeur vec({j})"},
        {"vector of a coordinate", "x abscisse du vecteur vec({k}) (rep\xE8re {Rxyz})"},
        {"vectors of a frame", "r rep\xE8re (A,vec({i}),vec({j}),vec({k}))"},
        {"vector of a unit", "U unit\xE9 de longueur (vecteur unitaire vec({i}))"},
        {"vectors in an expression", "vec(w) = vec({i})+2*vec({k})"},
        // Points.
        {"point of a segment", "M milieu du segment [{o}A]"},
        {"point of a line", "d droite passant par {o} et de vecteur directeur vec({i})"},
        {"point of a sphere", "S sph\xE8re de centre {o} et de rayon 2 (unit\xE9 de longueur {Uxyz})"},
        {"points of a polygon", "p polygone convexe de sommets {o}AB"},
        {"point in an expression", "e = dist({o},A)"},
        {"point a free point sticks to",
         "M point libre dans l'espace\r\nLe point M doit coller au point {o}"},
        {"style of a point", "Dessin de {o}: rouge"},
        // Lines.
        {"line of a projection", "P projet\xE9 orthogonal de A sur la droite {ox}"},
        {"half-line of a point",
         "D point sur demi-droite {oy}, distance \xE0 l'origine 2 (unit\xE9 de longueur {Uxyz})"},
        {"line of a free point", "Q point libre sur la droite {oz}"},
        {"line of a plane", "p plan passant par A et perpendiculaire \xE0 la droite {ox}"},
        {"line of a distance", "h distance du point A \xE0 la droite {oy} (unit\xE9 de longueur {Uxyz})"},
        {"style of a line", "Dessin de {ox}: rouge"},
        {"line in a key command", "K1 (touche K) dessin en bloc de {oz}"},
        {"line limited to a convex solid", "C point de coordonn\xE9"
                                           "es (1,1,1) dans le rep\xE8re {Rxyz}\r\n"
                                           "E point de coordonn\xE9"
                                           "es (0,0,4) dans le rep\xE8re {Rxyz}\r\n"
                                           "c poly\xE8"
                                           "dre enveloppe convexe de ABCE\r\n"
                                           "Dessins limit\xE9s au convexe c: {ox}"},
        // Planes.
        {"plane of a projection", "I projet\xE9 orthogonal de A sur le plan {oxy}"},
        {"plane of a free point", "C point libre dans le plan {oyz}"},
        {"plane of a symmetry", "S image de A dans la sym\xE9trie par rapport au plan {ozx}"},
        {"plane of a plane", "p plan passant par A et parall\xE8le au plan {oxy}"},
        {"plane of a circle", "c cercle de centre A passant par B dans le plan {ozx}"},
        {"plane in a key command", "V (touche V) vue de face du plan {oyz} en 3 \xE9tape(s)"},
        {"default front plane", "Plan de face par d\xE9"
                                "faut: {oxy} en 3 \xE9tapes"},
        {"isolated plane", "Plan {oyz} isol\xE9"},
        {"plane isolated by default", "Plan {ozx} isol\xE9 par d\xE9"
                                      "faut"},
        // The list line that names built-in objects.
        {"access list", "Objets d'acc\xE8s interdit: {Rxyz}, {Uxyz}, {time}, vec({j}), {o}, {oz}, {oyz}"},
    };
    return table;
}

// The built-in objects whose name the lines hold.
std::vector<int> integresNommes(const std::string& lignes) {
    std::vector<int> r;
    for (int i = 1; i <= 13; ++i)
        if (lignes.find("{" + std::string(kIntegres[i - 1].nom) + "}") != std::string::npos) r.push_back(i);
    return r;
}

// The lines with the names: new ones for the objects of renommes.
std::string avecNoms(std::string lignes, const Renommes& renommes) {
    for (int i = 1; i <= 13; ++i) {
        const std::string cle = "{" + std::string(kIntegres[i - 1].nom) + "}";
        std::string nom = kIntegres[i - 1].nom;
        for (const auto& [numero, nouveau] : renommes)
            if (numero == i) nom = nouveau;
        for (std::size_t p = lignes.find(cle); p != std::string::npos; p = lignes.find(cle, p + nom.size()))
            lignes.replace(p, cle.size(), nom);
    }
    return lignes;
}

// The typed line that renames the objects of renommes from the names of a
// new figure.
std::string ligneRenommer(const Renommes& renommes) {
    std::string anciens, nouveaux;
    for (const auto& [i, nouveau] : renommes) {
        const std::string nom = kIntegres[i - 1].nom;
        anciens += " " + (estVecteur(i) ? "vec(" + nom + ")" : nom);
        nouveaux += " " + nouveau;
    }
    return "Renommer" + anciens + ":" + nouveaux;
}

std::string derniereBoite() {
    const auto& boites = platform::boitesDemandees();
    return boites.empty() ? std::string() : boites.back().texte;
}

bool procheDe(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

// The same objects with the same values, object by object (the names aside).
void attendMemesValeurs(const TfigureKalmetra& a, const TfigureKalmetra& b) {
    ASSERT_EQ(a.nombreObjets, b.nombreObjets);
    for (int i = 1; i <= a.nombreObjets; ++i) {
        const TObjetFigure &oa = a.objets[std::size_t(i)], &ob = b.objets[std::size_t(i)];
        EXPECT_EQ(oa.nature, ob.nature) << i;
        EXPECT_EQ(oa.codeConstruction, ob.codeConstruction) << i;
        EXPECT_EQ(oa.nonDefini, ob.nonDefini) << i;
        ASSERT_EQ(oa.nombreValeurs, ob.nombreValeurs) << i;
        for (int k = 1; k <= oa.nombreValeurs; ++k)
            EXPECT_PRED2(procheDe, valeurObjet(a, i, k), valeurObjet(b, i, k)) << nomObjet(a, i) << " " << k;
    }
}

// The same figure: every object found under its name with the same kind,
// construction, definition, flags, style and values.
void attendMemeFigure(const TfigureKalmetra& a, const TfigureKalmetra& b) {
    ASSERT_EQ(a.nombreObjets, b.nombreObjets);
    for (int i = 1; i <= a.nombreObjets; ++i) {
        const std::string nom = nomObjetOuVecteur(a, i);
        SCOPED_TRACE(nom);
        int j = 1;
        while (j <= b.nombreObjets && nomObjetOuVecteur(b, j) != nom)
            ++j;
        ASSERT_LE(j, b.nombreObjets);
        const TObjetFigure &oa = a.objets[std::size_t(i)], &ob = b.objets[std::size_t(j)];
        EXPECT_EQ(oa.nature, ob.nature);
        EXPECT_EQ(oa.codeConstruction, ob.codeConstruction);
        EXPECT_EQ(oa.nonDefini, ob.nonDefini);
        EXPECT_EQ(oa.raison, ob.raison);
        EXPECT_EQ(oa.drapeaux, ob.drapeaux);
        EXPECT_EQ(oa.style.drapeaux, ob.style.drapeaux);
        if (i > 13) {
            EXPECT_EQ(definitionObjetEnTexte(a, i), definitionObjetEnTexte(b, j));
        }
        ASSERT_EQ(oa.nombreValeurs, ob.nombreValeurs);
        for (int k = 1; k <= oa.nombreValeurs; ++k)
            EXPECT_PRED2(procheDe, valeurObjet(a, i, k), valeurObjet(b, j, k)) << k;
    }
}

class RenommagesIntegres : public BancHote {
  protected:
    void SetUp() override {
        BancHote::SetUp();
        dossier = fs::temp_directory_path() / ("km32-integres-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override {
        KMappliqueLangue(1);
        fs::remove_all(dossier);
        BancHote::TearDown();
    }

    // The figure of a text, which must read whole.
    int16_t figureDeTexte(const std::string& texte) {
        const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        EXPECT_GT(n, 0);
        EXPECT_EQ(KMLigneEnErreur(n), 0) << derniereBoite() << "\n" << texte;
        return n;
    }

    // Figure n, written in each language, saved, and read back by every
    // road into the same figure that writes the same text.
    void attendRelueParToutesLesVoies(int16_t n) {
        const fs::path fichier = dossier / "renomme.k3v";
        for (int16_t langue = 1; langue <= 3; ++langue) {
            SCOPED_TRACE("language " + std::to_string(langue));
            KMappliqueLangue(langue);
            const std::string texte = texteDeBloc(KMTexteFigure(n));
            SCOPED_TRACE(texte);
            EXPECT_EQ(KMVerifieTexteFigure(n), 0);
            fs::remove(fichier);
            ASSERT_EQ(KMsauveFigure(n, fichier.string().c_str()), 0) << derniereBoite();
            struct Voie {
                const char* nom;
                int16_t figure;
            };
            // Typed into a figure made empty by a text (a figure made without
            // one shows its frame).
            // Reading a text puts back the language the user asked for: the
            // lines are typed, and the figures written, in the language
            // applied again.
            const int16_t tapee = KMCreeFigEtRenvoieNumero(hote, nullptr, kEntete.c_str(), nullptr);
            KMappliqueLangue(langue);
            KMExecuteLigneFig(tapee, texte.c_str());
            const Voie voies[] = {
                {"file by its name",
                 KMCreeFigEtRenvoieNumero(hote, fichier.string().c_str(), nullptr, nullptr)},
                {"text", KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr)},
                {"typed lines", tapee},
            };
            KMappliqueLangue(langue);
            for (const Voie& v : voies) {
                SCOPED_TRACE(v.nom);
                ASSERT_GT(v.figure, 0);
                EXPECT_EQ(KMLigneEnErreur(v.figure), 0) << derniereBoite();
                attendMemeFigure(figure(n), figure(v.figure));
                EXPECT_EQ(texteDeBloc(KMTexteFigure(v.figure)), texte);
                KMDetruitFigure(v.figure);
            }
        }
        KMappliqueLangue(1);
    }

    fs::path dossier;
};

TEST_F(RenommagesIntegres, EveryBuiltInObjectRenamedReadsBackInEveryOperandByEveryRoad) {
    Renommes tous;
    for (int i = 1; i <= 13; ++i)
        tous.emplace_back(i, kIntegres[i - 1].nouveau);
    for (const Operande& op : operandes()) {
        const std::vector<int> nommes = integresNommes(op.lignes);
        ASSERT_FALSE(nommes.empty()) << op.genre;
        // The figures with the names of a new figure, against which every
        // renamed one is measured: the line read in the text, and typed
        // after it (free objects are placed at random, the same way in
        // figures made the same way).
        KMImposeGraineHasard(kGraine);
        const int16_t reference = figureDeTexte(kEntete + kBase + avecNoms(op.lignes, {}));
        const int16_t referenceTapee = figureDeTexte(kEntete + kBase);
        KMImposeGraineHasard(kGraine);
        KMExecuteLigneFig(referenceTapee, avecNoms(op.lignes, {}).c_str());
        ASSERT_EQ(KMLigneEnErreur(referenceTapee), 0) << derniereBoite();
        // Each object the line names renamed alone, to a name of its kind
        // and to each name outside the syntax, then all thirteen.
        std::vector<Renommes> renommages;
        for (int i : nommes) {
            renommages.push_back({{i, kIntegres[i - 1].nouveau}});
            for (const char* nom : kNomsHorsSyntaxe)
                renommages.push_back({{i, nom}});
            // The objects that no expression reads take names of up to 10
            // characters.
            if (i <= 2 || i >= 8) renommages.push_back({{i, "Base10'"}});
        }
        renommages.push_back(tous);
        for (const Renommes& renommes : renommages)
            for (const bool avant : {true, false}) {
                const std::string renommer = ligneRenommer(renommes);
                SCOPED_TRACE(std::string(op.genre) +
                             (avant ? ": " + renommer + " first" : ": " + renommer + " after"));
                platform::reinitialiseBoites();
                int16_t n;
                if (avant) {
                    n = figureDeTexte(kEntete + kBase);
                    KMExecuteLigneFig(n, renommer.c_str());
                    ASSERT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
                    KMImposeGraineHasard(kGraine);
                    KMExecuteLigneFig(n, avecNoms(op.lignes, renommes).c_str());
                } else {
                    KMImposeGraineHasard(kGraine);
                    n = figureDeTexte(kEntete + kBase + avecNoms(op.lignes, {}));
                    KMExecuteLigneFig(n, renommer.c_str());
                }
                ASSERT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
                for (const auto& [i, nouveau] : renommes)
                    EXPECT_EQ(nomObjet(figure(n), i), nouveau);
                // Under their new names the built-in objects mean what they
                // meant.
                attendMemesValeurs(figure(avant ? referenceTapee : reference), figure(n));
                attendRelueParToutesLesVoies(n);
                KMDetruitFigure(n);
            }
        KMDetruitFigure(referenceTapee);
        KMDetruitFigure(reference);
    }
}

// A run of point names takes the renamed origin's name whole where the
// text holds it, and reads user points by their own names where that
// reading fails: with the origin named AB beside points A and B, [AB] is
// still the segment of A and B. The midpoints, worked out by hand, hold in
// the figure and in every figure read back.
TEST_F(RenommagesIntegres, ARunOfPointsReadsTheRenamedOriginWholeAndUserPointsOtherwise) {
    struct Cas {
        const char* ligne;
        Point3 milieu;
    };
    const Cas cas[] = {
        {"M milieu du segment [AB]", {1.5, 0.5, 1.5}}, // A and B
        {"M milieu du segment [ABA]", {0.5, 1, 1.5}},  // o and A
        {"M milieu du segment [AAB]", {0.5, 1, 1.5}},  // A and o
        {"M milieu du segment [BAB]", {1, -0.5, 0}},   // B and o
        {"M milieu du segment [AB,B]", {1, -0.5, 0}},  // o and B
        {"M milieu du segment [OxA]", {0.5, 1, 1.5}},  // o named Ox, and A
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        const bool ox = std::string(c.ligne).find("Ox") != std::string::npos;
        const int16_t n = figureDeTexte(kEntete + kBase);
        KMExecuteLigneFig(n, ox ? "Renommer o: Ox" : "Renommer o: AB");
        ASSERT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
        KMExecuteLigneFig(n, c.ligne);
        ASSERT_EQ(KMLigneEnErreur(n), 0) << derniereBoite();
        const int m = numeroObjetDeNotation(figure(n), "M");
        ASSERT_GT(m, 0);
        EXPECT_NEAR(valeurObjet(figure(n), m, 1), c.milieu.x, 1e-12);
        EXPECT_NEAR(valeurObjet(figure(n), m, 2), c.milieu.y, 1e-12);
        EXPECT_NEAR(valeurObjet(figure(n), m, 3), c.milieu.z, 1e-12);
        attendRelueParToutesLesVoies(n);
        KMDetruitFigure(n);
    }
}

// A new name that a line would not read back as the built-in object is
// refused when the rename is made: the message names it and says why, and
// the figure keeps its names and its text.
TEST_F(RenommagesIntegres, ANameThatWouldNotReadBackIsRefusedWhenTheRenameIsMade) {
    struct Cas {
        const char* renommer;
        const char* nom;    // the name the message gives
        const char* raison; // words of the message
    };
    const Cas cas[] = {
        // Another object's name, built-in or not.
        {"Renommer o: B", "B", "Il existe d\xE9j\xE0 un objet"},
        {"Renommer ox: oy", "oy", "Il existe d\xE9j\xE0 un objet"},
        {"Renommer Uxyz: Rxyz", "Rxyz", "Il existe d\xE9j\xE0 un objet"},
        {"Renommer vec(i): j", "j", "Il existe d\xE9j\xE0 un objet"},
        {"Renommer oxy oyz: P P", "P", "Il existe d\xE9j\xE0 un objet"},
        // A character at which an expression stops reading a name, or
        // that the lines cut at.
        {"Renommer o: X-a", "X-a", "deuxi\xE8me caract\xE8re"},
        {"Renommer time: t1+", "t1+", "troisi\xE8me caract\xE8re"},
        {"Renommer oz: Oz*", "Oz*", "troisi\xE8me caract\xE8re"},
        {"Renommer ox: O(x)", "O(x)", "deuxi\xE8me caract\xE8re"},
        // An expression reads its own words first.
        {"Renommer time: pi", "pi", "contient le nom"},
        {"Renommer time: sin", "sin", "contient le nom"},
        // At most four characters in an expression, from a letter; past
        // the fourth, the same characters as before it.
        {"Renommer time: temps", "", "4 caract\xE8res"},
        {"Renommer ox: Axe1-2", "Axe1-2", "apr\xE8s le quatri\xE8me"},
        {"Renommer oxy: [P]", "", "commencer par une lettre"},
        {"Renommer ozx: a,b", "a,b", "deuxi\xE8me caract\xE8re"},
        {"Renommer vec(i): vec(u)", "", "4 caract\xE8res"},
    };
    const std::string lignes = "M milieu du segment [oA]\r\nI projet\xE9 orthogonal de A sur le plan oxy\r\n"
                               "D image de A par la translation de vecteur vec(i)\r\na = 2*time\r\n";
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.renommer);
        const int16_t n = figureDeTexte(kEntete + kBase + lignes);
        const std::string avant = texteDeBloc(KMTexteFigure(n));
        platform::reinitialiseBoites();
        KMExecuteLigneFig(n, c.renommer);
        EXPECT_EQ(KMLigneEnErreur(n), 1);
        ASSERT_FALSE(platform::boitesDemandees().empty());
        const std::string message = platform::boitesDemandees().front().texte;
        EXPECT_NE(message.find(c.raison), std::string::npos) << message;
        EXPECT_NE(message.find(c.nom), std::string::npos) << message;
        EXPECT_EQ(texteDeBloc(KMTexteFigure(n)), avant);
        for (int i = 1; i <= 13; ++i)
            EXPECT_EQ(nomObjet(figure(n), i), kIntegres[i - 1].nom);
        KMDetruitFigure(n);
    }
}

} // namespace
} // namespace km32::essais
