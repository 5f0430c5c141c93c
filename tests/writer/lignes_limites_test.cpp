// Figures at the limits of the text, made at random with a fixed seed
// through the C interface: many objects with long names, and every kind of
// line whose lists grow with the figure (clipping, protections, blocked and
// looped objects, trace selection, memorised positions, drawing in a block,
// values of a function, labels, the start line that runs a list of
// commands). Whatever the lines that were refused on the way, the figure
// written in each language has no line the reader refuses, reads back into
// a figure that writes the same text, whatever the language applied while
// it is read, and the snapshot that undo restores gives the same figure
// back. Also the files that the reader takes at its limits (lines of 249
// and 250 characters, prototype blocks just under 5,000) in each language:
// they open, and the figure written in any language reads back.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "../host/banc_hote.h"
#include "base/texte.h"
#include "bloc_rempli.h"
#include "platform/boites.h"

namespace km32::essais {
namespace {

using LignesLimites = BancHote;

std::string texteDeBloc(uint32_t bloc) {
    const char* c = KMContenuBloc(bloc);
    std::string t = c ? c : "";
    KMLibereBloc(bloc);
    return t;
}

std::vector<std::string> lignesDe(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find("\r\n", debut);
        lignes.push_back(texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
        if (fin == std::string::npos) return lignes;
        debut = fin + 2;
    }
}

class Generateur {
  public:
    explicit Generateur(uint32_t graine) : hasard_(graine) {}

    int entier(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }
    // A number with eleven decimals: the longest numbers the writer writes.
    std::string reel() {
        const double x = std::uniform_real_distribution<double>(-9, 9)(hasard_);
        char t[40];
        std::snprintf(t, sizeof t, "%.11f", x);
        return t;
    }
    static std::string nom(char lettre, int k) {
        const std::string chiffres = std::to_string(1000 + k % 1000).substr(1);
        return lettre + chiffres;
    }
    // Lines naming the objects of the list after the text, at most n names
    // a line, each line of the same text.
    static void enLignes(std::vector<std::string>& lignes, const std::string& debut,
                         const std::vector<std::string>& noms, std::size_t n) {
        for (std::size_t k = 0; k < noms.size(); k += n) {
            std::string l = debut;
            for (std::size_t j = k; j < std::min(noms.size(), k + n); ++j)
                l += (j == k ? "" : ", ") + noms[j];
            lignes.push_back(l);
        }
    }
    std::vector<std::string> choisis(const std::vector<std::string>& noms, int n) {
        std::vector<std::string> r = noms;
        std::shuffle(r.begin(), r.end(), hasard_);
        r.resize(std::size_t(std::min<int>(n, int(r.size()))));
        std::sort(r.begin(), r.end());
        return r;
    }

    // The lines (Windows-1252) of one figure.
    std::vector<std::string> figure() {
        std::vector<std::string> lignes, points, libres, variables;
        const auto point = [&](int k) {
            points.push_back(nom('P', k));
            lignes.push_back(points.back() +
                             " point de coordonn\xE9"
                             "es (" +
                             reel() + "," + reel() + "," + reel() + ") dans le rep\xE8re Rxyz");
        };
        point(0);
        lignes.push_back("S000 sph\xE8re de centre P000 et de rayon 3 (unit\xE9 de longueur Uxyz)");
        // Key commands and the start line that runs them: with 41 of them
        // the French line has 248 characters, the English one 256.
        const int nCommandes = entier(30, 41);
        std::string commandes;
        for (int k = 0; k < nCommandes; ++k) {
            lignes.push_back(nom('K', k) + " (touche " + char('A' + k % 26) + ") dessin en bloc de P000");
            commandes += (k == 0 ? "" : ",") + nom('K', k);
        }
        demarrage = "D\xE9marrer en ex\xE9"
                    "cutant  " +
                    std::to_string(entier(1, 9)) + " fois les commandes " + commandes;
        const int nLibres = entier(6, 12);
        for (int k = 0; k < nLibres; ++k) {
            libres.push_back(nom('L', k));
            lignes.push_back(libres.back() + " point libre dans l'espace");
            lignes.push_back("Objet libre " + libres.back() + ", param\xE8tres: " + reel() + ", " + reel() +
                             ", " + reel());
        }
        const int nVariables = entier(3, 20);
        for (int k = 0; k < nVariables; ++k) {
            variables.push_back(nom('V', k));
            lignes.push_back(variables.back() + " r\xE9"
                                                "el libre de [-10,10]");
        }
        // Points up to the figure's limits (its tables fill up before 250
        // objects: the last ones are refused as the table is full).
        const int nPoints = entier(60, 130);
        for (int k = 1; k < nPoints; ++k)
            point(k);
        enLignes(lignes, "Dessins limit\xE9s au convexe S000: ", choisis(points, entier(0, nPoints)), 30);
        // Memorised positions of up to twelve free points (36 values), and
        // drawings in a block of many points.
        for (int k = 0; k < 3; ++k) {
            std::string l = nom('M', k) + " (touche " + char('A' + k) +
                            ") position m\xE9moris\xE9"
                            "e de ";
            const auto choix = choisis(libres, entier(1, nLibres));
            for (std::size_t j = 0; j < choix.size(); ++j)
                l += (j == 0 ? "" : ", ") + choix[j];
            lignes.push_back(l);
        }
        for (int k = 0; k < 2; ++k) {
            std::string l = nom('B', k) + " (touche " + char('K' + k) + ") dessin en bloc de ";
            const auto choix = choisis(points, entier(1, 35));
            for (std::size_t j = 0; j < choix.size(); ++j)
                l += (j == 0 ? "" : ", ") + choix[j];
            lignes.push_back(l);
        }
        lignes.push_back("F000 fonction d\xE9"
                         "finie par valeurs (avec interpolation)");
        const int nValeurs = entier(0, 200);
        for (int k = 0; k < nValeurs; k += 8) {
            std::string l = "Valeurs pour F000:";
            for (int j = k; j < std::min(nValeurs, k + 8); ++j)
                l += " (" + std::to_string(j) + "," + reel() + ")";
            lignes.push_back(l);
        }
        enLignes(lignes, "Objets libres bloqu\xE9s: ", choisis(libres, entier(0, nLibres)), 30);
        enLignes(lignes, "Pilotage en boucle pour: ", choisis(variables, entier(0, nVariables)), 30);
        enLignes(lignes, "Objets prot\xE9g\xE9s: ", choisis(points, entier(0, nPoints)), 30);
        enLignes(lignes, "Objets prot\xE9g\xE9s \xE0 rappel limit\xE9: ", choisis(points, entier(0, 80)), 30);
        enLignes(lignes, "Objets d'acc\xE8s interdit: ", choisis(points, entier(0, 80)), 30);
        enLignes(lignes, "S\xE9lection pour trace: ", choisis(points, entier(0, nPoints)), 30);
        for (const std::string& p : choisis(points, entier(0, 10)))
            lignes.push_back("A la place de " + p + ", afficher: " + p + " est un point d'une longue liste");
        // Renames: the lines that name the renamed objects follow.
        for (const std::string& p : choisis(points, entier(0, 40)))
            lignes.push_back("Renommer " + p + ": R" + p.substr(1));
        return lignes;
    }

    // The start line of the last figure: it waits in the figure only when
    // the figure is read from a text (a host line runs it at once).
    std::string demarrage;

  private:
    std::mt19937 hasard_;
};

// Reads texte while the language is applied, then writes the figure back
// in the language ecriture: the text of the figure read.
std::string texteRelu(platform::Fenetre hote, const std::string& texte, int16_t lecture, int16_t ecriture,
                      uint16_t* echec = nullptr) {
    KMappliqueLangue(lecture);
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
    if (n <= 0) return {};
    if (echec) *echec = KMLigneEnErreur(n);
    KMappliqueLangue(ecriture);
    std::string r = texteDeBloc(KMTexteFigure(n));
    KMDetruitFigure(n);
    return r;
}

// Lines of the text over the reader's limit.
std::vector<std::string> lignesTropLongues(const std::string& texte) {
    std::vector<std::string> r;
    for (const std::string& l : lignesDe(texte))
        if (l.size() > 250) r.push_back(l);
    return r;
}

TEST_F(LignesLimites, GeneratedFiguresWriteOnlyLinesTheReaderTakesAndReadBackIntoThemselves) {
    Generateur g(20261210);
    int suites = 0, decoupes = 0; // lines written in several pieces, all trials
    int codees = 0;               // lines written in their coded form, all trials
    for (int essai = 0; essai < 16; ++essai) {
        SCOPED_TRACE(essai);
        int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, "Figure Kalmetra\r\n", nullptr);
        ASSERT_GT(n, 0);
        // Each line on its own: a refused line (too long once written, or
        // a rename into a name already taken) leaves the figure as it was.
        for (const std::string& ligne : g.figure())
            KMExecuteLigneFig(n, ligne.c_str());
        // The figure read again from its text with the start line.
        std::string avecDemarrage = texteDeBloc(KMTexteFigure(n));
        avecDemarrage.insert(avecDemarrage.rfind("Fin de la figure"), g.demarrage + "\r\n");
        KMDetruitFigure(n);
        platform::boitesDemandees().clear();
        n = KMCreeFigEtRenvoieNumero(hote, nullptr, avecDemarrage.c_str(), nullptr);
        ASSERT_GT(n, 0);
        ASSERT_EQ(KMLigneEnErreur(n), 0)
            << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().back().texte);
        const std::string francais = texteDeBloc(KMTexteFigure(n));
        ASSERT_NE(francais.find(g.demarrage.substr(g.demarrage.find("fois"))), std::string::npos);
        for (const int16_t langue : {1, 2, 3}) {
            SCOPED_TRACE(langue);
            KMappliqueLangue(langue);
            const std::string texte = texteDeBloc(KMTexteFigure(n));
            int limites = 0;
            for (const std::string& l : lignesDe(texte)) {
                ASSERT_LE(l.size(), 250u) << l;
                suites += l.size() > 4 && l.compare(l.size() - 4, 4, " ...") == 0;
                limites += l.find(" S000: ") != std::string::npos;
                codees += l.compare(0, 3, ";\\;") == 0;
            }
            decoupes += limites > 1;
            const int16_t relu = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
            ASSERT_GT(relu, 0);
            ASSERT_EQ(KMLigneEnErreur(relu), 0)
                << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().back().texte);
            EXPECT_EQ(texteDeBloc(KMTexteFigure(relu)), texte);
            KMDetruitFigure(relu);
            // The language applied while the text is read is not the one
            // it was written in: its header says which language it is.
            for (const int16_t lecture : {1, 2, 3}) {
                if (lecture == langue) continue;
                uint16_t echec = 0;
                EXPECT_EQ(texteRelu(hote, texte, lecture, langue, &echec), texte) << lecture;
                EXPECT_EQ(echec, 0) << lecture;
            }
            KMappliqueLangue(langue);
        }
        KMappliqueLangue(1);
        // Another text replaces the figure, then undo: the snapshot of the
        // figure, written and read back, gives it back, its start line too.
        KMExecuterTexte(n, "Figure Kalmetra\r\nZ999 = 1\r\n");
        ASSERT_NE(texteDeBloc(KMTexteFigure(n)), francais);
        KMMessage annule{platform::WM_COMMAND, 93, 0, 0};
        traiteMessageKMParNumero(n, &annule);
        EXPECT_EQ(texteDeBloc(KMTexteFigure(n)), francais);
        KMDetruitFigure(n);
    }
    // The trials met memorised values and clipping lists too long for one
    // line, and start lines that only fit in their coded form.
    EXPECT_GT(suites, 0);
    EXPECT_GT(decoupes, 0);
    EXPECT_GT(codees, 0);
}

std::string listeDeNoms(const std::string& prefixe, int premier, int n) {
    std::string l;
    for (int k = premier; k < premier + n; ++k)
        l += (l.empty() ? "" : ", ") + prefixe + std::to_string(k);
    return l;
}

// The drawing in a block of 36 points of four letters fits a French line
// (248 characters) but not a German one in words (256): it is made, and the
// German writer codes it, so that every language reads it back. A rename
// that would lengthen a line past the limit in every form (40 names of three
// letters made four letters long: 272 characters in French, 259 coded) is
// refused when it is made, named in the message, and the figure stays as
// it was; half of it is made.
TEST_F(LignesLimites, AnEditWhoseLineNoFormKeepsWithinTheLimitIsRefusedWhenItIsMade) {
    std::string texte = "Figure Kalmetra\r\n";
    for (int k = 0; k < 36; ++k)
        texte += "P" + std::to_string(100 + k) +
                 " point de coordonn\xE9"
                 "es (" +
                 std::to_string(k) + ",0,0) dans le rep\xE8re Rxyz\r\n";
    for (int k = 0; k < 40; ++k)
        texte += "A" + std::to_string(10 + k) +
                 " point de coordonn\xE9"
                 "es (0," +
                 std::to_string(k) + ",0) dans le rep\xE8re Rxyz\r\n";
    const int16_t n = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
    ASSERT_GT(n, 0);
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    const std::string refus = "La ligne qui d\xE9"
                              "crit B001 aurait plus de 250 caract\xE8res et ne pourrait pas "
                              "\xEA"
                              "tre relue: la figure reste comme elle \xE9tait.";

    platform::boitesDemandees().clear();
    KMExecuteLigneFig(n, ("B000 (touche K) dessin en bloc de " + listeDeNoms("P", 100, 36)).c_str());
    ASSERT_EQ(KMLigneEnErreur(n), 0) << (platform::boitesDemandees().empty()
                                             ? ""
                                             : platform::boitesDemandees().front().texte);
    KMExecuteLigneFig(n, ("B001 (touche L) dessin en bloc de " + listeDeNoms("A", 10, 40)).c_str());
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    KMappliqueLangue(3);
    const std::string allemand = texteDeBloc(KMTexteFigure(n));
    EXPECT_TRUE(lignesTropLongues(allemand).empty());
    EXPECT_NE(allemand.find("\r\n;\\;2131;\\;P100, "), std::string::npos) << allemand;
    EXPECT_EQ(KMVerifieTexteFigure(n), 0);
    KMappliqueLangue(1);

    // Half the names of B001 made four letters long fits; all of them not.
    std::string anciens, nouveaux;
    for (int k = 10; k < 30; ++k)
        anciens += " A" + std::to_string(k), nouveaux += " Q" + std::to_string(100 + k);
    KMExecuteLigneFig(n, ("Renommer" + anciens + ":" + nouveaux).c_str());
    ASSERT_EQ(KMLigneEnErreur(n), 0);
    const std::string renomme = texteDeBloc(KMTexteFigure(n));
    anciens.clear(), nouveaux.clear();
    for (int k = 30; k < 50; ++k)
        anciens += " A" + std::to_string(k), nouveaux += " Q" + std::to_string(100 + k);
    platform::boitesDemandees().clear();
    KMExecuteLigneFig(n, ("Renommer" + anciens + ":" + nouveaux).c_str());
    EXPECT_NE(KMLigneEnErreur(n), 0);
    ASSERT_FALSE(platform::boitesDemandees().empty());
    EXPECT_EQ(platform::boitesDemandees().front().texte, refus);
    EXPECT_EQ(texteDeBloc(KMTexteFigure(n)), renomme);
    KMDetruitFigure(n);
}

// The lines of one language that the limits table needs.
struct LangueDeFichier {
    int16_t langue;
    const char* entete;
    std::string (*point)(const std::string& nom, int x);
    // The image of A by the homothety of centre B whose ratio is written
    // with enough zeros for the line to have n characters.
    std::string (*image)(std::size_t n);
};

std::string rapportPourLongueur(const std::string& avant, const std::string& apres, std::size_t n) {
    const std::size_t fixe = avant.size() + apres.size() + 3; // "2." and the last "1"
    return avant + "2." + std::string(n > fixe ? n - fixe : 0, '0') + "1" + apres;
}

const LangueDeFichier kLanguesDeFichier[] = {
    {1, "Figure Kalmetra",
     [](const std::string& nom, int x) {
         return nom +
                " point de coordonn\xE9"
                "es (" +
                std::to_string(x) + ",2,3) dans le rep\xE8re Rxyz";
     },
     [](std::size_t n) {
         return rapportPourLongueur("C image de A par l'homoth\xE9tie de centre B et de rapport ", "", n);
     }},
    {2, "Kalmetra figure (English)",
     [](const std::string& nom, int x) {
         return nom + " point with coordinates (" + std::to_string(x) + ",2,3) in coordinate system Rxyz";
     },
     [](std::size_t n) {
         return rapportPourLongueur("C image of A by homothety with center B and ratio ", "", n);
     }},
    {3, "Kalmetra Figur (Deutsch)",
     [](const std::string& nom, int x) {
         return nom + " Punkt mit den Koordinaten (" + std::to_string(x) + ",2,3) im Koordinatensystem Rxyz";
     },
     [](std::size_t n) {
         return rapportPourLongueur(
             "C Bildpunkt von A bei der zentrischen Streckung (Streckzentrum B, Streckfaktor ", ")", n);
     }},
};

// A file of each language with a line of 249 or 250 characters opens whole,
// whatever the language applied when it is opened, and the figure written
// in each language reads back into the same text with no line over 250 (the
// German image line is longer than the French one: it is written coded). A
// line of 251 characters is refused at its line, the figure left empty.
TEST_F(LignesLimites, FilesWithLinesAtTheReadersLimitOpenInEachLanguageAndReadBack) {
    for (const LangueDeFichier& l : kLanguesDeFichier) {
        for (const std::size_t n : {249u, 250u, 251u}) {
            SCOPED_TRACE(std::to_string(l.langue) + " " + std::to_string(n));
            const std::string image = l.image(n);
            ASSERT_EQ(image.size(), n);
            const std::string texte = std::string(l.entete) + "\r\n" + l.point("A", 1) + "\r\n" +
                                      l.point("B", 0) + "\r\n" + image + "\r\n";
            for (const int16_t ouverture : {1, 2, 3}) {
                KMappliqueLangue(ouverture);
                platform::boitesDemandees().clear();
                const int16_t f = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
                ASSERT_GT(f, 0);
                if (n > 250) {
                    EXPECT_EQ(KMLigneEnErreur(f), 4);
                    KMDetruitFigure(f);
                    continue;
                }
                ASSERT_EQ(KMLigneEnErreur(f), 0)
                    << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().front().texte);
                for (const int16_t ecriture : {1, 2, 3}) {
                    KMappliqueLangue(ecriture);
                    const std::string ecrit = texteDeBloc(KMTexteFigure(f));
                    EXPECT_TRUE(lignesTropLongues(ecrit).empty()) << ecriture;
                    uint16_t echec = 0;
                    EXPECT_EQ(texteRelu(hote, ecrit, ouverture, ecriture, &echec), ecrit) << ecriture;
                    EXPECT_EQ(echec, 0) << ecriture;
                }
                KMDetruitFigure(f);
            }
        }
    }
    KMappliqueLangue(1);
}

// A prototype block of free points, read in French at a random length just
// under the reader's 5,000 characters: written in each language it reads
// back, and text, figure, text is a fixed point. In French the free-object
// lines lose their indentation, in English and German the lines of the
// inner figure are coded where the phrases would not fit.
TEST_F(LignesLimites, PrototypeBlocksNearTheBlockLimitAreWrittenSoThatTheyReadBack) {
    std::mt19937 hasard(4961);
    Generateur g(4961);
    for (int essai = 0; essai < 6; ++essai) {
        SCOPED_TRACE(essai);
        std::vector<std::string> bloc = {"D\xE9"
                                         "but de [Milieu]",
                                         "A point donn\xE9", "B point donn\xE9"};
        const int libres = 28 + essai;
        for (int k = 0; k < libres; ++k) {
            bloc.push_back(Generateur::nom('L', k) + " point libre dans l'espace");
            bloc.push_back("Objet libre " + Generateur::nom('L', k) + ", param\xE8tres: " + g.reel() + ", " +
                           g.reel() + ", " + g.reel());
        }
        bloc.push_back("M milieu du segment [AB]");
        bloc.push_back("Description de l'interface");
        bloc.push_back("M milieu de A et B");
        bloc.push_back("Premier point:");
        bloc.push_back("Second point:");
        bloc.push_back("Nom du milieu:");
        std::string corps;
        for (const std::string& l : bloc)
            corps += l + "\r\n";
        // A comment fills the block up to a length from 4,900 to 4,999,
        // from the "D" of its first line to the "]" of its end line.
        const std::string fin = "Fin de [Milieu]";
        const std::size_t voulu = std::uniform_int_distribution<std::size_t>(4900, 4999)(hasard);
        ASSERT_LT(corps.size() + fin.size() + 3, voulu);
        const std::string blocLu = essais::blocRempli(corps, fin, voulu);
        ASSERT_EQ(blocLu.size(), voulu);
        const std::string texte = "Figure Kalmetra\r\n" + blocLu + "\r\nP point de coordonn\xE9" +
                                  "es (1,2,3) dans le rep\xE8re Rxyz\r\nQ point de coordonn\xE9" +
                                  "es (0,0,0) dans le rep\xE8re Rxyz\r\nN milieu de P et Q\r\n";
        KMappliqueLangue(1);
        platform::boitesDemandees().clear();
        const int16_t f = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
        ASSERT_GT(f, 0);
        ASSERT_EQ(KMLigneEnErreur(f), 0)
            << (platform::boitesDemandees().empty() ? "" : platform::boitesDemandees().front().texte);
        for (const int16_t langue : {1, 2, 3}) {
            SCOPED_TRACE(langue);
            KMappliqueLangue(langue);
            const std::string ecrit = texteDeBloc(KMTexteFigure(f));
            EXPECT_TRUE(lignesTropLongues(ecrit).empty());
            uint16_t echec = 0;
            const std::string encore = texteRelu(hote, ecrit, langue, langue, &echec);
            ASSERT_EQ(echec, 0) << (platform::boitesDemandees().empty()
                                        ? ""
                                        : platform::boitesDemandees().back().texte);
            EXPECT_EQ(encore, ecrit);
            EXPECT_EQ(texteRelu(hote, encore, langue, langue), encore);
        }
        KMappliqueLangue(1);
        KMDetruitFigure(f);
    }
}

// Blocks read just under the limit whose lines are written longer than they
// were read (a length written with its unit, a short expression line whose
// coded form is longer, given objects whose German phrase is longer) and
// that leave little to code: written in each language they read back, the
// interface line coded when nothing else makes room, and text, figure, text
// is a fixed point.
TEST_F(LignesLimites, PrototypeBlocksWrittenLongerThanReadStillReadBackInEachLanguage) {
    struct Cas {
        const char* interieur; // the inner figure's lines
        const char* interface; // model phrase and prompts
    };
    const Cas cas[] = {
        {"A point donn\xE9\r\nB point donn\xE9\r\nC point donn\xE9\r\nD point donn\xE9\r\nd = AB+CD\r\n",
         "d somme de A et B et C et D\r\nA:\r\nB:\r\nC:\r\nD:\r\nd:\r\n"},
        {"x r\xE9"
         "el donn\xE9\r\ny = x+1\r\n",
         "y suivant de x\r\nNombre:\r\nNom:\r\n"},
    };
    const std::string fin = "Fin de [T]";
    for (const Cas& c : cas) {
        const std::string corps = std::string("D\xE9") + "but de [T]\r\n" + c.interieur +
                                  "Description de l'interface\r\n" + c.interface;
        for (const std::size_t voulu : {4992u, 4999u}) {
            SCOPED_TRACE(std::string(c.interieur) + std::to_string(voulu));
            const std::string bloc = essais::blocRempli(corps, fin, voulu);
            ASSERT_EQ(bloc.size(), voulu);
            const std::string texte = "Figure Kalmetra\r\n" + bloc + "\r\nu = 3\r\n";
            KMappliqueLangue(1);
            const int16_t f = KMCreeFigEtRenvoieNumero(hote, nullptr, texte.c_str(), nullptr);
            ASSERT_GT(f, 0);
            ASSERT_EQ(KMLigneEnErreur(f), 0);
            for (const int16_t langue : {1, 2, 3}) {
                SCOPED_TRACE(langue);
                KMappliqueLangue(langue);
                const std::string ecrit = texteDeBloc(KMTexteFigure(f));
                EXPECT_TRUE(lignesTropLongues(ecrit).empty());
                uint16_t echec = 0;
                const std::string encore = texteRelu(hote, ecrit, langue, langue, &echec);
                EXPECT_EQ(echec, 0);
                EXPECT_EQ(encore, ecrit);
            }
            KMappliqueLangue(1);
            KMDetruitFigure(f);
        }
    }
}

} // namespace
} // namespace km32::essais
