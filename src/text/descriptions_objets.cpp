#include "text/descriptions_objets.h"

#include <array>
#include <vector>

#include "base/texte.h"
#include "model/catalogue.h"
#include "model/fonctions/fonctions.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "text/prototypes_texte.h"
#include "model/services_texte.h"
#include "model/texte_math.h"
#include "phrases/phrase.h"
#include "text/ligne_relisible.h"
#include "text/textes_definition.h"

namespace km32 {

namespace {

// Operand fields of a recipe.
enum class Champ : uint8_t {
    Parent,     // parent a
    Droite,     // line a (parents a, a+1)
    DemiDroite, // half-line a
    Segment,    // segment a
    Plan,       // plane a (parents a to a+2)
    Noms,       // names of parents a to b glued
    Expression, // expression a
    Intervalle, // expressions a and a+1
    Unite,
    UniteAngle,
    Solution,
    Lettre,  // character a of expression b
    Formule, // formula of a variables in expression b
    Touche,
};

struct ChampRecette {
    Champ champ;
    uint8_t a = 0, b = 0;
};

struct LigneRecette {
    std::vector<uint8_t> codes;
    std::vector<ChampRecette> champs;
};

using C = Champ;

const std::array<std::vector<ChampRecette>, 256>& recettes() {
    static const std::array<std::vector<ChampRecette>, 256> table = [] {
        const std::vector<LigneRecette> lignes = {
            {{1, 5, 39}, {{C::Droite, 1}}},
            {{2, 6, 7, 20, 40, 129, 189, 206}, {{C::Parent, 1}}},
            {{3, 15, 143}, {{C::Segment, 1}}},
            {{4}, {{C::DemiDroite, 1}}},
            {{8}, {{C::Droite, 1}, {C::Expression, 1}}},
            {{9}, {{C::Unite}, {C::DemiDroite, 1}, {C::Expression, 1}}},
            {{10, 205}, {{C::Droite, 1}, {C::Droite, 3}}},
            {{11, 202}, {{C::Solution}, {C::Droite, 1}, {C::Parent, 3}}},
            {{12, 153, 160, 203}, {{C::Droite, 1}, {C::Parent, 3}, {C::Parent, 4}}},
            {{13}, {{C::Solution}, {C::Parent, 1}, {C::Parent, 2}}},
            {{14, 42}, {{C::Parent, 1}, {C::Parent, 2}, {C::Parent, 3}}},
            {{16, 17, 18, 19, 31, 35, 36, 191}, {{C::Noms, 1, 3}}},
            {{23},
             {{C::Parent, 1},
              {C::Lettre, 1, 4},
              {C::Formule, 1, 4},
              {C::Formule, 1, 5},
              {C::Formule, 1, 6},
              {C::Intervalle, 1},
              {C::Expression, 3}}},
            {{24}, {{C::Expression, 1}, {C::Parent, 1}}},
            {{25, 136}, {{C::Droite, 2}, {C::Parent, 1}}},
            {{26, 29}, {{C::Parent, 2}, {C::Parent, 1}}},
            {{27}, {{C::Parent, 2}, {C::Expression, 1}, {C::Parent, 1}}},
            {{28}, {{C::Parent, 2}, {C::Parent, 3}, {C::Parent, 4}, {C::Parent, 1}}},
            {{32, 151}, {{C::Droite, 1}, {C::Parent, 3}}},
            {{37}, {{C::Parent, 2}, {C::Parent, 1}, {C::Expression, 1}}},
            {{38, 53, 56, 57}, {{C::Expression, 1}}},
            {{41, 51, 52, 59, 144, 175, 186}, {{C::Parent, 1}, {C::Expression, 1}}},
            {{43, 104, 130, 150, 167, 168, 176, 185, 209, 210}, {{C::Parent, 1}, {C::Parent, 2}}},
            {{44, 45}, {{C::Intervalle, 1}}},
            {{46, 163, 165, 208}, {{C::Unite}, {C::Parent, 1}}},
            {{47}, {{C::Unite}, {C::Noms, 1, 3}}},
            {{48}, {{C::Unite}, {C::Parent, 1}, {C::Droite, 2}}},
            {{49, 158, 204}, {{C::Parent, 1}, {C::Droite, 2}}},
            {{50}, {{C::UniteAngle}, {C::Noms, 1, 3}}},
            {{54}, {{C::Lettre, 1, 1}, {C::Formule, 1, 1}}},
            {{55, 58, 133}, {{C::Parent, 1}, {C::Expression, 1}, {C::Expression, 2}, {C::Expression, 3}}},
            {{60}, {{C::Parent, 1}, {C::Parent, 2}, {C::Expression, 1}}},
            {{71}, {{C::Parent, 1}, {C::Expression, 1}, {C::Expression, 2}, {C::Intervalle, 3}}},
            {{73}, {{C::Parent, 1}, {C::Touche}}},
            {{76, 149}, {{C::Touche}}},
            {{105}, {{C::Parent, 2}, {C::Parent, 3}, {C::Parent, 1}}},
            {{113, 188}, {{C::Unite}, {C::Segment, 1}, {C::Expression, 1}}},
            {{125, 182}, {{C::Noms, 1, 2}}},
            {{131}, {{C::Plan, 1}, {C::Formule, 1, 4}, {C::Intervalle, 1}, {C::Expression, 3}}},
            {{134}, {{C::Plan, 1}, {C::Expression, 1}, {C::Expression, 2}}},
            {{137}, {{C::UniteAngle}, {C::Droite, 2}, {C::Expression, 1}, {C::Parent, 1}}},
            {{138, 157, 173}, {{C::Parent, 1}, {C::Plan, 2}}},
            {{139, 140}, {{C::Plan, 2}, {C::Parent, 1}}},
            {{141, 142}, {{C::Parent, 3}, {C::Droite, 1}}},
            {{145},
             {{C::UniteAngle},
              {C::Expression, 1},
              {C::Expression, 2},
              {C::Expression, 3},
              {C::Expression, 4},
              {C::Touche}}},
            {{146}, {{C::Unite}, {C::Plan, 1}, {C::Parent, 4}, {C::Expression, 1}}},
            {{147, 174, 207}, {{C::Plan, 1}, {C::Parent, 4}, {C::Parent, 5}}},
            {{148, 187}, {{C::Plan, 1}}},
            {{154}, {{C::Plan, 1}, {C::Expression, 1}, {C::Touche}}},
            {{156}, {{C::Droite, 1}, {C::Parent, 3}, {C::Expression, 1}}},
            {{159}, {{C::UniteAngle}, {C::Droite, 1}, {C::Expression, 1}}},
            {{161}, {{C::Droite, 1}, {C::Plan, 3}}},
            {{162}, {{C::Parent, 4}, {C::Plan, 1}}},
            {{164}, {{C::Unite}, {C::Parent, 1}, {C::Plan, 2}}},
            {{166}, {{C::Parent, 1}, {C::Expression, 1}, {C::Expression, 2}}},
            {{169}, {{C::UniteAngle}, {C::Expression, 1}, {C::Expression, 2}, {C::Touche}}},
            {{170}, {{C::Parent, 1}, {C::Plan, 2}, {C::Expression, 1}}},
            {{172}, {{C::Unite}, {C::Parent, 1}, {C::Expression, 1}}},
            {{184}, {{C::Plan, 1}, {C::Plan, 4}}},
            {{190}, {{C::Parent, 1}, {C::Droite, 2}, {C::Droite, 4}}},
            {{192}, {{C::Plan, 2}, {C::Droite, 5}, {C::Parent, 1}}},
            {{196}, {{C::Expression, 1}, {C::Expression, 2}, {C::Touche}}},
            {{197}, {{C::Unite}, {C::Parent, 1}, {C::Parent, 2}, {C::Expression, 1}}},
            {{201}, {{C::Unite}, {C::Parent, 1}, {C::Expression, 1}, {C::Parent, 2}, {C::Expression, 2}}},
            {{211, 212},
             {{C::Unite}, {C::Droite, 1}, {C::Expression, 1}, {C::Parent, 3}, {C::Expression, 2}}},
            {{216}, {{C::Lettre, 1, 1}, {C::Lettre, 2, 1}, {C::Formule, 2, 1}}},
            {{217}, {{C::Lettre, 1, 1}, {C::Lettre, 2, 1}, {C::Lettre, 3, 1}, {C::Formule, 3, 1}}},
            {{218},
             {{C::Parent, 1},
              {C::Parent, 2},
              {C::Intervalle, 3},
              {C::Expression, 1},
              {C::Intervalle, 5},
              {C::Expression, 2}}},
            {{219}, {{C::Parent, 1}, {C::Expression, 1}, {C::Parent, 2}, {C::Expression, 2}, {C::Parent, 3}}},
        };
        std::array<std::vector<ChampRecette>, 256> t;
        for (const LigneRecette& l : lignes)
            for (uint8_t code : l.codes)
                t[code] = l.champs;
        return t;
    }();
    return table;
}

std::string texteChamp(const ContexteDefinition& c, const ChampRecette& ch) {
    const bool math = c.math && !c.dialogue;
    switch (ch.champ) {
    case C::Parent:
        return texteParent(c, ch.a) + ";";
    case C::Droite:
        return texteDroiteParent(c, ch.a, ch.a + 1);
    case C::DemiDroite:
        return texteDemiDroiteParent(c, ch.a, ch.a + 1);
    case C::Segment:
        return texteSegmentParent(c, ch.a, ch.a + 1);
    case C::Plan:
        return textePlanParent(c, ch.a);
    case C::Noms:
        return texteParentsColles(c, ch.a, ch.b);
    case C::Expression:
        return texteExpression(c, ch.a) + ";";
    case C::Intervalle:
        return texteIntervalle(c, ch.a);
    case C::Unite:
        return texteUnite(c);
    case C::UniteAngle:
        return texteUniteAngle(c);
    case C::Solution:
        return texteNumeroSolution(c);
    case C::Lettre:
        return texteCaractereExpression(c, ch.a, ch.b);
    case C::Formule: {
        const TObjetFigure& o = objet(c.f, c.i);
        if (ch.b > o.nombreExpressions) return ";";
        return formuleDeFonctionEnTexte(c.f, numeroExpressionObjet(c.f, c.i, ch.b), math, ch.a);
    }
    case C::Touche:
        return texteToucheObjet(c);
    }
    return {};
}

// Items "(name,expression)" of parents 1..n with the expressions from
// premiereExpression on, separated by one blank.
std::string texteCouples(const ContexteDefinition& c, int premiereExpression) {
    const int n = objet(c.f, c.i).nombreParents;
    std::string r;
    for (int k = 1; k <= n; ++k)
        r += (k == 1 ? "" : " ") +
             ("(" + texteParent(c, k) + "," + texteExpression(c, k + premiereExpression - 1) + ")");
    return coupe(r, 255) + ";";
}

// Fields of the codes whose operands are built by a loop or a test.
bool champsParticuliers(const ContexteDefinition& c, std::string& r) {
    const TfigureKalmetra& f = c.f;
    const TObjetFigure& o = objet(f, c.i);
    const int n = o.nombreParents;
    const bool math = c.math && !c.dialogue;
    switch (o.codeConstruction) {
    case 21:
        r += texteCouples(c, 1);
        return true;
    case 22:
        r += texteListeLignes(c, 1, n) + texteExpression(c, 1) + ";" + texteExpression(c, 2) + ";" +
             texteToucheObjet(c);
        return true;
    case 61: {
        const int m = std::min<int>(o.premierEchantillon, n);
        const int h = (n - m) / 2;
        r += texteListeLignes(c, 1, m) + texteListeLignes(c, m + 1, m + h) +
             texteListeLignes(c, m + h + 1, n) + texteToucheObjet(c);
        return true;
    }
    case 62:
    case 63:
    case 64:
    case 66:
    case 67:
    case 72:
        r += texteListeLignes(c, 1, n) + texteToucheObjet(c);
        return true;
    case 65: {
        const int h = (n + o.nombreExpressions) / 2;
        r += texteListeLignes(c, 1, h);
        std::string valeurs;
        int parentSuivant = h + 1, expressionSuivante = 1;
        for (int k = 1; k <= h; ++k) {
            const int cible = parentDeRang(c, k);
            if (cible != 0 && objet(f, cible).nature == kNaturePoint)
                valeurs += texteParent(c, parentSuivant++);
            else
                valeurs += texteExpression(c, expressionSuivante++);
            valeurs += ", ";
        }
        if (valeurs.size() >= 2) valeurs.resize(valeurs.size() - 2);
        r += coupe(valeurs, 255) + ";" + texteToucheObjet(c);
        return true;
    }
    case 101:
        r += texteExpression(c, 1) + ";" + formuleDeSuiteEnTexte(f, c.i, math, c.dialogue);
        return true;
    case 102:
        r += texteExpression(c, 1) + ";" + texteExpression(c, 3) + ";" +
             formuleDeSuiteEnTexte(f, c.i, math, c.dialogue);
        return true;
    case 103:
        r += texteExpression(c, 1) + ";" + texteExpression(c, 3) + ";" + texteExpression(c, 4) + ";" +
             formuleDeSuiteEnTexte(f, c.i, math, c.dialogue);
        return true;
    case 126: {
        std::string etiquette = texteEtiquetteObjet(f, c.i);
        if (math) texteAvecValeursEnTexteMath(f, etiquette, 255);
        // A "ÿ" of the text stays itself: definitionObjetEnTexte unmasks the
        // line of a figure text, the construction dialog its text field.
        if (!c.math) etiquette = masqueOctets255(etiquette);
        protegePointsVirgules(etiquette, std::string::npos);
        r += etiquette + ";";
        return true;
    }
    case 127:
        r += texteCouples(c, 4) + texteExpression(c, 1) + ";" + texteExpression(c, 2) + ";" +
             texteExpression(c, 3) + ";" + texteToucheObjet(c);
        return true;
    case 128: {
        const TFonction* fonction = fonctionDeEmplacement(f, o.emplacementFonction);
        const bool interpole = fonction && fonction->table && fonction->table->interpolation != 0;
        r += phraseDeNumero(interpole ? 2519 : 2520) + ";";
        return true;
    }
    case 135:
    case 213: {
        std::string liste = texteListeParents(c);
        if (math && liste.size() > 200) liste = texteListeParents({f, c.i, false, c.dialogue});
        r += liste;
        return true;
    }
    case 155:
    case 181:
        r += textePointsParents(c, 1, n) + ";";
        return true;
    case 214:
        r += texteParent(c, 1) + ";";
        if (o.nombreExpressions >= 1) r += equationDePlanEnTexte(f, numeroExpressionObjet(f, c.i, 1), math);
        return true;
    case 30:
        r += "(" + texteParent(c, 1) + texteParent(c, 2) + ")";
        return true;
    case 33:
        r += "[" + texteParent(c, 1) + texteParent(c, 2) + ")";
        return true;
    case 34:
        r += "[" + texteParent(c, 1) + texteParent(c, 2) + "]";
        return true;
    default:
        return false;
    }
}

// Names shown for the built-in objects 1 to 13, plain and in math form.
struct Predefini {
    uint16_t phrase;
    std::array<uint8_t, 4> objets; // what "#1".."#4" stand for (0: nothing)
};
constexpr Predefini kPredefinis[14] = {
    {0, {0, 0, 0, 0}},     {2538, {1, 0, 0, 0}},  {2544, {2, 1, 0, 0}},  {2541, {3, 0, 0, 0}},
    {2539, {4, 1, 0, 0}},  {2540, {5, 1, 0, 0}},  {2543, {6, 1, 0, 0}},  {2535, {7, 1, 0, 0}},
    {2536, {8, 1, 0, 0}},  {2537, {9, 1, 0, 0}},  {2542, {10, 1, 0, 0}}, {2093, {7, 4, 5, 11}},
    {2093, {7, 5, 6, 12}}, {2093, {7, 6, 4, 13}},
};
// A built-in object's present name: a renamed one is described by its new name.
std::string nomPredefini(const TfigureKalmetra& f, int o, bool math) {
    const std::string nom = nomObjetOuVecteur(f, o);
    if (!math) return nom;
    if (o <= 3) return "\\" + nom + ";s:" + nom + "\\";
    return "\\" + nom + "\\";
}

std::string phrasePredefinie(const TfigureKalmetra& f, int i, bool math) {
    const Predefini& p = kPredefinis[i];
    std::string t = phraseDeNumero(p.phrase);
    for (int k = 0; k < 4; ++k)
        if (p.objets[std::size_t(k)] != 0)
            remplaceChaineLongue(t, "#" + std::to_string(k + 1),
                                 nomPredefini(f, p.objets[std::size_t(k)], math));
    return t;
}

// The object's own name, or for a two-solution intersection in dialog form
// the names of both solutions.
std::string nomPropre(const ContexteDefinition& c) {
    const TfigureKalmetra& f = c.f;
    const TObjetFigure& o = objet(f, c.i);
    if (c.dialogue && (o.codeConstruction == 11 || o.codeConstruction == 13)) {
        for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j) {
            const TObjetFigure& a = objet(f, j);
            if (j == c.i || a.codeConstruction != o.codeConstruction || accesInterdit(a)) continue;
            if (a.nombreParents < 2 || o.nombreParents < 2) continue;
            if (parentObjet(f, j, 1) != parentObjet(f, c.i, 1) ||
                parentObjet(f, j, 2) != parentObjet(f, c.i, 2))
                continue;
            if (estPremiereSolution(a) == estPremiereSolution(o)) continue;
            const int premier = estPremiereSolution(o) ? c.i : j;
            const int second = premier == c.i ? j : c.i;
            return coupe(nomObjetOuVecteur(f, premier) + nomObjetOuVecteur(f, second), 10);
        }
    }
    return texteNomObjet(f, c.i, c.math && !c.dialogue);
}

} // namespace

std::string phraseDefinitionObjet(const TfigureKalmetra& f, int i, std::size_t longueurMax, bool math,
                                  bool dialogue, bool& boucle) {
    boucle = false;
    if (i <= 0) return {};
    if (!math && i <= kObjetsPredefinis) return coupe(phrasePredefinie(f, i, false), longueurMax);
    const ContexteDefinition c{f, i, math, dialogue};
    const TObjetFigure& o = objet(f, i);
    if (o.numeroPrototype != 0) return coupe(argumentsDePrototype(c), longueurMax);
    std::string r;
    if (!champsParticuliers(c, r))
        for (const ChampRecette& ch : recettes()[o.codeConstruction])
            r += texteChamp(c, ch);
    const uint8_t code = o.codeConstruction;
    if (code != 30 && code != 33 && code != 34) r += nomPropre(c);
    if (aVarianteDeConstruction(code) && o.uniteLongueur != 0 &&
        !(unitesParDefautTues() && uniteSousEntendue(f, i)))
        r += ";" + texteNomObjet(f, o.uniteLongueur, math && !dialogue);
    boucle = math && (code == 44 || code == 45) && pilotageEnBoucle(o);
    return coupe(r, longueurMax);
}

std::string phraseDefinitionParConstruction(const TfigureKalmetra& f, int i) {
    bool boucle = false;
    return phraseDefinitionObjet(f, i, 255, false, true, boucle);
}

uint16_t phraseDeDefinition(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    const bool tue = unitesParDefautTues() && uniteSousEntendue(f, i);
    return phraseDeConstruction(o.codeConstruction, o.uniteLongueur != 0 && !tue);
}

bool& unitesParDefautTues() {
    static bool tues = false;
    return tues;
}

bool uniteSousEntendue(const TfigureKalmetra& f, int i) {
    constexpr uint8_t kUxyz = 2;
    if (i <= kObjetsPredefinis || i > f.nombreObjets) return false;
    const TObjetFigure& o = objet(f, i);
    if (o.uniteLongueur != kUxyz || o.numeroPrototype != 0 || !aVarianteDeConstruction(o.codeConstruction))
        return false;
    // The reader gives Uxyz only while the figure read so far has no unit
    // of length of its own that a line may name.
    for (int j = kObjetsPredefinis + 1; j < i; ++j) {
        const TObjetFigure& a = objet(f, j);
        if (a.nature == kNatureUniteDeLongueur && !accesInterdit(a)) return false;
    }
    return true;
}

std::string phraseAvecParametresEtBoucle(uint16_t numero, std::string_view parametres, bool boucle) {
    std::string r = phraseAvecParametres(numero, parametres);
    if (boucle) r += " (" + phraseDeNumero(2488) + ")";
    return r;
}

std::string definitionObjetEnTexteMath(const TfigureKalmetra& f, int i) {
    if (i >= 1 && i <= kObjetsPredefinis) return phrasePredefinie(f, i, true);
    if (i <= 0) return {};
    const TObjetFigure& o = objet(f, i);
    const uint8_t code = o.codeConstruction;
    if (protegeARappelLimite(o) && code != 30 && code != 33 && code != 34) {
        const std::string nom = nomObjetOuVecteur(f, i);
        std::string r = coupe("\\" + nom, 81);
        if (o.nature != kNatureVecteur) r += ";s:" + nom;
        return r + "\\ " + phraseDeNumero(phraseDeNature(o.nature));
    }
    bool boucle = false;
    const std::string parametres = phraseDefinitionObjet(f, i, 255, true, false, boucle);
    std::string r = o.numeroPrototype != 0
                        ? remplaceArgumentsDeMacro(macroDePrototype(f, i), parametres)
                        : phraseAvecParametresEtBoucle(phraseDeDefinition(f, i), parametres, boucle);
    retablitPointsVirgules(r, std::string::npos);
    if (r.size() > 100) coupeLigneTexteMath(r);
    return r;
}

std::string definitionObjetPourRappel(const TfigureKalmetra& f, int i) {
    std::string r = definitionObjetEnTexteMath(f, i);
    if (i > kObjetsPredefinis && estObjetLibreBloque(objet(f, i))) r += " (*)";
    if (i >= 1 && objet(f, i).nonDefini) r = "xx " + r;
    return r;
}

std::string ligneDefinitionObjet(const TfigureKalmetra& f, int i) {
    if (i >= 1 && i <= kObjetsPredefinis) return coupe(phrasePredefinie(f, i, false), 255);
    const std::string ligne = definitionObjetEnTexte(f, i);
    return ligne.size() >= 2 ? ligne.substr(2) : ligne;
}

std::string definitionObjetEnTexte(const TfigureKalmetra& f, int i) {
    // A built-in object has its own fixed sentence, not a pattern to fill.
    if (i >= 1 && i <= kObjetsPredefinis) return coupe("\r\n" + phrasePredefinie(f, i, false), 255);
    bool boucle = false;
    const std::string parametres = phraseDefinitionObjet(f, i, 255, false, false, boucle);
    if (i > kObjetsPredefinis && objet(f, i).numeroPrototype != 0)
        return coupe("\r\n" + remplaceArgumentsDeMacro(macroDePrototype(f, i), parametres), 255);
    const std::string ligne = ligneRelisible(phraseDeDefinition(f, i), parametres, 0);
    return objet(f, i).codeConstruction == construction::kAffichageTexte ? demasqueOctets255(ligne) : ligne;
}

std::string reponsePhraseDeCreation(const TfigureKalmetra& f, int i) {
    if (i >= 1 && i <= kObjetsPredefinis) return definitionObjetEnTexte(f, i);
    if (objet(f, i).numeroPrototype != 0) return definitionObjetEnTexte(f, i);
    // A query is read by a person or a host, not by the figure reader: the
    // sentence stands whenever it fits a line record, and only a longer one
    // falls back to the form the writer would write.
    bool boucle = false;
    const std::string parametres = phraseDefinitionObjet(f, i, std::string::npos, false, false, boucle);
    const std::string phrase = phraseAvecParametres(phraseDeDefinition(f, i), parametres);
    if (phrase.size() > kLongueurLigneReponse) return definitionObjetEnTexte(f, i);
    const std::string ligne = "\r\n" + phrase;
    return objet(f, i).codeConstruction == construction::kAffichageTexte ? demasqueOctets255(ligne) : ligne;
}

std::size_t longueurDefinitionObjet(const TfigureKalmetra& f, int i) {
    if (i >= 1 && i <= kObjetsPredefinis) return phrasePredefinie(f, i, false).size();
    // The writer cuts the parameters at 255 characters: a line so cut would
    // not give the object back, whatever its length.
    bool boucle = false;
    const std::string parametres = phraseDefinitionObjet(f, i, std::string::npos, false, false, boucle);
    if (parametres.size() > 255) return parametres.size();
    // The line as written (a filled macro cut at 255 characters is too long).
    const std::string ligne = definitionObjetEnTexte(f, i);
    return ligne.size() >= 2 ? ligne.size() - 2 : 0;
}

std::string remplaceArgumentsDeMacro(std::string_view macro, std::string_view arguments) {
    std::string r(macro);
    std::string liste(arguments);
    for (int k = 1; !liste.empty(); ++k) {
        const std::string cle = coupe("#" + std::to_string(k), 10);
        std::string argument;
        if (nombreOccurrences("#", r) == 1) {
            argument = liste;
            liste.clear();
        } else {
            coupeAuSeparateur(liste, std::string::npos, argument);
        }
        remplaceChaineLongue(r, cle, argument);
    }
    return coupe(r, 255);
}

void coupeLigneTexteMath(std::string& t) {
    int visibles = 0, profondeur = 0, visiblesAvant = 0;
    std::size_t candidat = std::string::npos;
    bool cache = false;
    for (std::size_t p = 0; p + 1 < t.size(); ++p) {
        const char ch = t[p];
        if (cache) {
            if (ch == '\\') cache = false;
            continue;
        }
        if (ch == ';') {
            cache = true;
            continue;
        }
        if (ch == '\\') continue;
        if (ch == ' ' && profondeur == 0) {
            candidat = p;
            visiblesAvant = visibles;
        }
        ++visibles;
        if (ch == '(') ++profondeur;
        if (ch == ')') --profondeur;
        if (visibles >= 78 && candidat != std::string::npos) {
            t.insert(candidat, "\r ");
            p += 2;
            visibles = visibles - visiblesAvant + 2;
            candidat = std::string::npos;
        }
    }
}

} // namespace km32
