// Test sentences: recognition, the test function of each pattern and the
// result code made of the engine's answers.
#include "properties/phrases_test.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/rafraichissement.h"
#include "model/analyse_expression.h"
#include "model/catalogue.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/messages.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "properties/moteur_test.h"
#include "text/execution_creation.h"
#include "text/instantanes_figure.h"
#include "text/ligne_figure.h"
#include "text/mots_cles.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"
#include "text/reconnaissance.h"

namespace km32 {

namespace {

constexpr uint16_t kMotNonReconnu = 620;
constexpr uint8_t kModeValeurs = 1;
constexpr uint8_t kModeGeneral = 0;
constexpr int kMaxObjetsAvecTemporaires = 250;
constexpr int kMaxCandidats = 40;
constexpr uint16_t kPhraseEgaliteCreation = 2201; // "#2 = #1"

// Which question a sentence of a group of four asks.
struct TVariante {
    bool valeurs;   // on the current values only
    bool tolerance; // with a tolerance argument
};
// Groups of four: values with tolerance, values, general with tolerance, general.
TVariante varianteDeRang(int rang) {
    return {rang < 2, rang % 2 == 0};
}

struct Contexte {
    TfigureKalmetra& f;
    TLigneFigure& ligne;

    const std::string& arg(int k) const { return ligne.arguments[std::size_t(k)]; }

    int16_t erreurArgument(const std::string& texte) {
        nomErreur1() = texte;
        ligne.erreur = kMotNonReconnu;
        afficheErreurDeNumero(kMotNonReconnu);
        return kTestPhraseIncorrecte;
    }

    uint8_t nature(const std::string& texte) const { return litObjetPourTest(f, coupe(texte, 80)); }

    // A tolerance argument: an expression whose value lies in [1, 100].
    bool tolerance(const std::string& texte, uint8_t& t) {
        uint16_t erreur = 0;
        double v = 0;
        evalueExpressionTexte(f, texte, 1, erreur, v);
        if (erreur != 0 || !(v >= 1 && v <= 100)) return false;
        t = uint8_t(std::lround(v));
        return true;
    }

    int numero(const std::string& nom) const {
        uint8_t n = 0;
        uint16_t erreur = 0;
        numeroObjetDeNomEtGenre(f, nom, 1, erreur, n);
        return (erreur == 0 || erreur == kErreurAntecedentNonValide) ? n : 0;
    }
};

// ---- Relations between lines, planes, circles, spheres and polygons ----

int16_t testeRelationPhrase(Contexte& c, int rang, uint8_t code, uint8_t nature1, uint8_t nature2) {
    const TVariante v = varianteDeRang(rang);
    const uint8_t n1 = c.nature(c.arg(1));
    if (n1 == 0) return kTestObjetInexistant;
    if (n1 != nature1) return c.erreurArgument(c.arg(1));
    const uint8_t n2 = c.nature(c.arg(2));
    if (n2 == 0) return kTestObjetInexistant;
    if (n2 != nature2) return c.erreurArgument(c.arg(2));
    uint8_t t = 0;
    std::string arguments = c.ligne.texteArguments;
    if (v.tolerance) {
        if (!c.tolerance(c.arg(3), t)) return c.erreurArgument(c.arg(3));
        arguments = coupe(c.arg(1), 80) + ";" + coupe(c.arg(2), 80);
    }
    auto question = [&](uint8_t mode) {
        return code == 0 ? testePointSurObjet(c.f, arguments, nature2, mode, t)
                         : testeRelation(c.f, arguments, code, mode, t);
    };
    const int valeurs = question(kModeValeurs);
    if (v.valeurs)
        return valeurs == 0 ? kTestVrai : valeurs == 2 ? kTestIndecidable : kTestFauxValeursActuelles;
    if (valeurs == 1) return kTestFauxValeursActuelles;
    const int16_t r = valeurs == 2 ? kTestIndecidable : kTestVraiSeulementActuel;
    return question(kModeGeneral) == 0 ? kTestVrai : r;
}

int16_t testePointSurPhrase(Contexte& c, int rang) {
    const TVariante v = varianteDeRang(rang);
    const uint8_t n1 = c.nature(c.arg(1));
    if (n1 == 0) return kTestObjetInexistant;
    if (n1 != kNaturePoint) return c.erreurArgument(c.arg(1));
    const uint8_t n2 = c.nature(c.arg(2));
    if (n2 == 0) return kTestObjetInexistant;
    switch (n2) {
    case kNatureSegment:
    case kNatureDroite:
    case kNatureDemiDroite:
    case kNatureCercle:
    case kNatureArcDeCercle:
    case kNatureSphere:
    case kNaturePlan:
        break;
    default:
        return c.erreurArgument(c.arg(2));
    }
    uint8_t t = 0;
    std::string arguments = c.ligne.texteArguments;
    if (v.tolerance) {
        if (!c.tolerance(c.arg(3), t)) return c.erreurArgument(c.arg(3));
        arguments = coupe(c.arg(1), 80) + ";" + coupe(c.arg(2), 80);
    }
    const int valeurs = testePointSurObjet(c.f, arguments, n2, kModeValeurs, t);
    if (v.valeurs)
        return valeurs == 0 ? kTestVrai : valeurs == 2 ? kTestIndecidable : kTestFauxValeursActuelles;
    if (valeurs == 1) return kTestFauxValeursActuelles;
    const int16_t r = valeurs == 2 ? kTestIndecidable : kTestVraiSeulementActuel;
    return testePointSurObjet(c.f, arguments, n2, kModeGeneral, t) == 0 ? kTestVrai : r;
}

// ---- Equality and order through temporary objects ----

// The temporary objects made for one test, gone again when it ends: the
// figure is put back as it was before the first one was made.
class Temporaires {
  public:
    explicit Temporaires(TfigureKalmetra& f) : f_(f) {}
    ~Temporaires() { retire(); }
    Temporaires(const Temporaires&) = delete;
    Temporaires& operator=(const Temporaires&) = delete;

    // Turns a side that names no object into a temporary object holding its
    // value; false when that cannot be done.
    bool remplaceSiExpression(std::string& cote, bool vecteur) {
        if (litObjetPourTest(f_, cote) != 0) return true;
        if (f_.nombreObjets >= kMaxObjetsAvecTemporaires) return false;
        std::string nom;
        for (int n = 0; n <= 255 && nom.empty(); ++n) {
            const std::string simple = coupe("Z" + texteDeReel(n), 10);
            const std::string enclos = coupe("vec(" + simple + ")", 10);
            if (numeroObjetDeNotation(f_, simple) == 0 && numeroObjetDeNotation(f_, enclos) == 0)
                nom = vecteur ? enclos : simple;
        }
        if (nom.empty()) return false;
        if (!garde_) {
            garde_.emplace(f_);
            if (!garde_->pris()) {
                garde_.reset();
                return false;
            }
        }
        std::string nomCree;
        uint8_t invalide = 0, reserve = 0;
        bool ok = false;
        {
            GardeValeur<bool> silence(etatCreation().signalementErreurs, false);
            ok = executeLigneDeCreation(f_, cote + ";" + nom, 1, constructionDePhrase(kPhraseEgaliteCreation),
                                        nomCree, invalide, reserve);
        }
        if (!ok) return false;
        cote = nom;
        return true;
    }

  private:
    void retire() {
        if (!garde_) return;
        garde_->annule();
        garde_.reset();
        reconstruitDessin(f_);
    }
    TfigureKalmetra& f_;
    std::optional<GardeInstantane> garde_;
};

int16_t testeParObjetsTemporaires(Contexte& c, uint8_t mode, bool avecTolerance, bool inferieur) {
    uint8_t t = 0;
    if (avecTolerance && !c.tolerance(c.arg(3), t)) return c.erreurArgument(c.arg(3));
    std::string cote1 = coupe(c.arg(1), 80), cote2 = coupe(c.arg(2), 80);
    const bool vecteur =
        !inferieur && (cote1.find("vec") != std::string::npos || cote2.find("vec") != std::string::npos);
    Temporaires temporaires(c.f);
    if (!temporaires.remplaceSiExpression(cote1, vecteur)) return kTestObjetInexistant;
    if (!temporaires.remplaceSiExpression(cote2, vecteur)) return kTestObjetInexistant;
    const uint8_t n1 = litObjetPourTest(c.f, cote1), n2 = litObjetPourTest(c.f, cote2);
    if (inferieur) {
        if (n1 != kNatureNombreReel || n2 != kNatureNombreReel) return kTestNatureDifferente;
    } else if (n1 != n2) {
        return kTestFauxValeursActuelles;
    }
    const std::string arguments = cote1 + ";" + cote2;
    auto question = [&](uint8_t m) {
        return inferieur ? testeParCode(c.f, arguments, 62, m)
                         : testeExistenceObjetDeGenre(c.f, arguments, n1, m, t);
    };
    switch (question(kModeValeurs)) {
    case 0:
        if (mode == kModeValeurs) return kTestVrai;
        break;
    case 1:
        return kTestFauxValeursActuelles;
    case 2:
        return kTestPremierIndefini;
    case 3:
        return kTestSecondIndefini;
    default:
        break;
    }
    switch (question(kModeGeneral)) {
    case 0:
        return kTestVrai;
    case 1:
        return kTestVraiSeulementActuel;
    case 2:
        return kTestPremierIndefini;
    case 3:
        return kTestSecondIndefini;
    default:
        return kTestIntervalleIncorrect;
    }
}

// ---- Functions and sequences on an interval ----

// The result of the engine's answer for functions or sequences compared on
// an interval; autre for an answer that is none of these.
int16_t reponseSurIntervalle(int reponse, int16_t autre) {
    switch (reponse) {
    case 0:
        return kTestVrai;
    case 2:
        return kTestPremierIndefini;
    case 3:
        return kTestSecondIndefini;
    case 4:
        return kTestIntervalleIncorrect;
    default:
        return autre;
    }
}

int16_t testeSurIntervalle(Contexte& c, int rang) {
    const TVariante v = varianteDeRang(rang);
    const uint8_t n1 = c.nature(c.arg(1));
    if (n1 == 0) return kTestObjetInexistant;
    if (n1 != kNatureFonction && n1 != kNatureSuite) return c.erreurArgument(c.arg(1));
    const uint8_t n2 = c.nature(c.arg(2));
    if (n2 == 0) return kTestObjetInexistant;
    if (n2 != n1) return c.erreurArgument(c.arg(2));
    for (int k = 3; k <= 4; ++k) {
        uint16_t erreur = 0;
        double valeur = 0;
        evalueExpressionTexte(c.f, c.arg(k), 1, erreur, valeur);
        if (erreur != 0) return c.erreurArgument(c.arg(k));
    }
    uint8_t t = 0;
    std::string arguments = c.ligne.texteArguments;
    if (v.tolerance) {
        if (!c.tolerance(c.arg(5), t)) return c.erreurArgument(c.arg(5));
        arguments = coupe(c.arg(1), 80) + ";" + coupe(c.arg(2), 80) + ";" + coupe(c.arg(3), 80) + ";" +
                    coupe(c.arg(4), 80);
    }
    const int valeurs = testeExistenceObjetDeGenre(c.f, arguments, n1, kModeValeurs, t);
    if (v.valeurs) return reponseSurIntervalle(valeurs, kTestFauxValeursActuelles);
    if (valeurs == 1) return kTestFauxValeursActuelles;
    if (valeurs == 2) return kTestPremierIndefini;
    if (valeurs == 3) return kTestSecondIndefini;
    return reponseSurIntervalle(testeExistenceObjetDeGenre(c.f, arguments, n1, kModeGeneral, t),
                                kTestVraiSeulementActuel);
}

// ---- Another object equal to #1 ----

int16_t testeExistenceObjetEgal(Contexte& c, bool valeurs, bool avecTolerance) {
    const int i = c.numero(c.arg(1));
    if (i == 0) return kTestObjetInexistant;
    const uint8_t nature = objet(c.f, i).nature;
    std::vector<int> candidats;
    for (int j = kObjetsPredefinis + 1; j <= c.f.nombreObjets && int(candidats.size()) < kMaxCandidats; ++j)
        if (j != i && objet(c.f, j).nature == nature) candidats.push_back(j);
    if (candidats.empty()) return kTestObjetInexistant;
    uint8_t t = 0;
    if (avecTolerance && !c.tolerance(c.arg(2), t)) return c.erreurArgument(c.arg(2));
    bool vraiActuellement = false;
    for (int j : candidats) {
        const std::string arguments = coupe(c.arg(1), 80) + ";" + coupe(nomObjetOuVecteur(c.f, j), 10);
        if (valeurs) {
            if (testeExistenceObjetDeGenre(c.f, arguments, nature, kModeValeurs, t) == 0) return kTestVrai;
        } else {
            if (testeExistenceObjetDeGenre(c.f, arguments, nature, kModeGeneral, t) == 0) return kTestVrai;
            if (testeExistenceObjetDeGenre(c.f, arguments, nature, kModeValeurs, t) == 0)
                vraiActuellement = true;
        }
    }
    return vraiActuellement ? kTestVraiSeulementActuel : kTestFauxValeursActuelles;
}

// ---- Existence, kind, construction, antecedents ----

uint8_t natureDeMotCle(uint16_t mot) {
    switch (mot) {
    case 2501:
        return kNaturePoint;
    case 2502:
        return kNatureDemiDroite;
    case 2503:
        return kNatureDroite;
    case 2504:
        return kNatureSegment;
    case 2505:
        return kNatureCourbe;
    case 2506:
        return kNatureCercle;
    case 2507:
        return kNatureArcDeCercle;
    case 2508:
        return kNatureRepere;
    case 2509:
        return kNatureNombreReel;
    case 2510:
        return kNatureVecteur;
    case 2511:
        return kNatureFonction;
    case 2512:
        return kNatureTransformation;
    case 2513:
        return kNaturePlan;
    case 2514:
        return kNaturePolygoneConvexe;
    case 2516:
        return kNatureAffichage;
    case 2517:
        return kNatureSphere;
    case 2518:
        return kNatureCone;
    case 2521:
        return kNatureTroncDeCone;
    case 2522:
        return kNatureCylindre;
    case 2523:
        return kNaturePolyedreConvexe;
    case 2524:
        return kNatureSuite;
    case 2526:
        return kNatureUniteDeLongueur;
    case 2527:
        return kNatureCommande;
    case 2528:
        return kNatureFonction2Variables;
    case 2529:
        return kNatureFonction3Variables;
    case 2530:
        return kNaturePatronPolyedre;
    default:
        return 0;
    }
}

int16_t testeExistenceObjetDeNature(Contexte& c) {
    std::string liste = c.arg(2), mot;
    uint16_t numero = 0;
    litMotCle(liste, 255, mot, numero);
    const uint8_t nature = natureDeMotCle(numero);
    if (nature == 0) return c.erreurArgument(c.arg(2));
    const int i = c.numero(c.arg(1));
    if (i == 0) return kTestObjetInexistant;
    return objet(c.f, i).nature == nature ? kTestVrai : kTestNatureDifferente;
}

bool estConstructionNommee(int code) {
    struct Plage {
        int debut, fin;
    };
    static constexpr Plage kPlages[] = {{1, 67},    {71, 76},   {101, 105}, {113, 113}, {125, 151},
                                        {153, 170}, {172, 176}, {181, 182}, {184, 192}, {196, 197},
                                        {201, 206}, {208, 214}, {216, 219}, {232, 232}, {249, 254}};
    for (const Plage& p : kPlages)
        if (code >= p.debut && code <= p.fin) return true;
    return false;
}

int16_t testeExistenceObjetDeConstruction(Contexte& c) {
    const int i = c.numero(c.arg(1));
    if (i == 0) return kTestObjetInexistant;
    for (int code = 1; code <= 255; ++code) {
        if (!estConstructionNommee(code)) continue;
        if (phraseDeNumero(uint16_t(5000 + code)) == c.arg(2))
            return objet(c.f, i).codeConstruction == code ? kTestVrai : kTestNatureDifferente;
    }
    return c.erreurArgument(c.arg(2));
}

int16_t testeAntecedentsParmi(Contexte& c) {
    const int i = c.numero(c.arg(1));
    if (i == 0) return kTestObjetInexistant;
    TEnsembleObjets ensemble;
    uint16_t erreur = 0;
    litEnsembleObjets(c.f, c.arg(2), 1, ensemble, erreur);
    if (erreur != 0 && erreur != kErreurAntecedentNonValide) return c.erreurArgument(c.arg(2));
    const TEnsembleObjets antecedents = ensembleDesAntecedents(c.f, i);
    return (ensemble & ~antecedents).none() ? kTestVrai : kTestPasAntecedent;
}

int16_t testeMemesAntecedents(Contexte& c) {
    const int i = c.numero(c.arg(1)), j = c.numero(c.arg(2));
    if (i == 0 || j == 0) return kTestObjetInexistant;
    return ensembleDesAntecedents(c.f, i) == ensembleDesAntecedents(c.f, j) ? kTestVrai
                                                                            : kTestFauxValeursActuelles;
}

int16_t testeVariable(Contexte& c, uint8_t mode) {
    if (c.numero(c.arg(1)) == 0) return kTestObjetInexistant;
    return testeObjetVariable(c.f, c.arg(1), mode) == 0 ? kTestVrai : kTestNonVariable;
}

int16_t testeExpression(Contexte& c, uint8_t genre) {
    TAnalyseExpression a;
    uint16_t erreur = 0;
    prepareAnalyseExpression(c.f, c.arg(1), 1, erreur, a, genre);
    return erreur >= kPasDeCetteForme ? kTestNatureDifferente : kTestVrai;
}

// ---- The table of sentences ----

struct TGroupeRelation {
    uint16_t premier; // the first of four sentences
    uint8_t code;     // 0: a point on an object
    uint8_t nature1, nature2;
};
constexpr TGroupeRelation kGroupesRelation[] = {
    {2330, 22, kNatureDroite, kNatureDroite}, {2334, 23, kNatureDroite, kNatureDroite},
    {2338, 31, kNatureDroite, kNatureDroite}, {2369, 22, kNatureDroite, kNatureDroite},
    {2373, 23, kNatureDroite, kNatureDroite}, {2377, 31, kNatureDroite, kNatureDroite},
    {2381, 30, kNatureDroite, kNatureDroite}, {2385, 27, kNatureDroite, kNaturePlan},
    {2389, 28, kNatureDroite, kNaturePlan},   {2393, 29, kNatureDroite, kNaturePlan},
    {2397, 42, kNaturePlan, kNaturePlan},     {2405, 47, kNatureCercle, kNaturePlan},
    {2409, 48, kNatureCercle, kNatureSphere}, {2413, 56, kNaturePolygoneConvexe, kNaturePolygoneConvexe},
};

// Equality of two sides through temporary objects, in the variant of the rank.
int16_t testeEgaliteVariante(Contexte& c, int rang) {
    const TVariante v = varianteDeRang(rang);
    return testeParObjetsTemporaires(c, v.valeurs ? kModeValeurs : kModeGeneral, v.tolerance, false);
}

// The other groups of four sentences, one sentence per variant
// (varianteDeRang): each test is given the rank in its group. Equality and a
// point on an object are asked as a statement and as "Teste ..."; the
// interval test has a group for functions and one for sequences.
struct TGroupeVariantes {
    uint16_t premier; // the first of four sentences
    int16_t (*teste)(Contexte&, int rang);
};
constexpr TGroupeVariantes kGroupesVariantes[] = {
    {2322, testeEgaliteVariante}, {2359, testeEgaliteVariante}, {2326, testePointSurPhrase},
    {2365, testePointSurPhrase},  {2351, testeSurIntervalle},   {2355, testeSurIntervalle},
};

int16_t testeDeCode(Contexte& c) {
    const uint16_t code = c.ligne.codeLigne;
    for (const TGroupeRelation& g : kGroupesRelation)
        if (code >= g.premier && code < g.premier + 4)
            return testeRelationPhrase(c, code - g.premier, g.code, g.nature1, g.nature2);
    for (const TGroupeVariantes& g : kGroupesVariantes)
        if (code >= g.premier && code < g.premier + 4) return g.teste(c, code - g.premier);
    switch (code) {
    case 2318:
    case 2346:
        return testeExistenceObjetDeNature(c);
    case 2319:
    case 2347:
        return testeAntecedentsParmi(c);
    case 2320:
    case 2348:
        return testeExistenceObjetDeConstruction(c);
    case 2321:
    case 2349:
        return c.numero(c.arg(1)) != 0 ? kTestVrai : kTestObjetInexistant;
    case 2342:
    case 2343:
    case 2344:
    case 2345:
        return testeExistenceObjetEgal(c, code <= 2343, code % 2 == 0);
    case 2350:
        return testeMemesAntecedents(c);
    case 2363:
        return testeParObjetsTemporaires(c, kModeValeurs, false, true);
    case 2364:
        return testeParObjetsTemporaires(c, kModeGeneral, false, true);
    case 2401:
        return testeExpression(c, kNatureNombreReel);
    case 2402:
        return testeExpression(c, kNatureVecteur);
    case 2403:
        return testeVariable(c, 2);
    case 2404:
        return testeVariable(c, 1);
    default:
        return kTestPhraseIncorrecte;
    }
}

} // namespace

int16_t testeParTexte(TfigureKalmetra& f, std::string_view texte) {
    TLigneFigure ligne;
    ligne.ligne = coupe(texte, 255);
    prepareLigneFigure(ligne);
    reconnaitLigne(ligne);
    if (ligne.erreur == 0 && ligne.codeLigne >= kPremierTest && ligne.codeLigne <= kDernierTest) {
        assembleArgumentsLigne(ligne);
        Contexte c{f, ligne};
        return testeDeCode(c);
    }
    afficheMessage(std::string(texte), "Phrase de test non reconnue");
    return kTestPhraseIncorrecte;
}

int16_t testeParTexteDeFigure(int16_t numero, std::string_view texte) {
    if (!figureExiste(numero)) return kTestPhraseIncorrecte;
    return testeParTexte(*figureDeNumero(numero), texte);
}

} // namespace km32
