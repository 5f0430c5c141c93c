#include "text/textes_definition.h"

#include <vector>

#include "base/texte.h"
#include "model/analyse_expression.h"
#include "model/objets_figure.h"
#include "model/texte_math.h"
#include "phrases/phrase.h"

namespace km32 {

namespace {

constexpr std::size_t kSansLimite = std::string::npos;

std::string avecPointVirgule(const std::string& t) {
    return t + ";";
}

const TObjetFigure& objetDecrit(const ContexteDefinition& c) {
    return objet(c.f, c.i);
}

// Names in a fragment are plain in dialog form.
bool enMath(const ContexteDefinition& c) {
    return c.math && !c.dialogue;
}

std::string nomDe(const ContexteDefinition& c, int objetNumero) {
    return texteNomObjet(c.f, objetNumero, enMath(c));
}

// The stored text of a parameter-expression record.
std::string texteEnregistrement(const TfigureKalmetra& f, int r) {
    const TExpressionParametre& e = expressionParametre(f, r);
    if (e.longueurTexte == 0) return {};
    verifieIndice(e.debutTexte + e.longueurTexte - 1, 1, int(f.texteDesFormules.size()), "formula text");
    return f.texteDesFormules.substr(std::size_t(e.debutTexte - 1), e.longueurTexte);
}

// The objects a record reads, in the order of their letters.
std::vector<int> operandesEnregistrement(const TfigureKalmetra& f, int r) {
    const TExpressionParametre& e = expressionParametre(f, r);
    std::vector<int> objets;
    if (e.constante || e.nombreOctets < 3) return objets;
    const int n = octetOperande(f, e.debutOctets + 1);
    for (int j = 0; j < n && j < kMaxObjetsExpression; ++j)
        objets.push_back(octetOperande(f, e.debutOctets + 3 + j));
    return objets;
}

bool estMajuscule(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string joint(const std::vector<std::string>& noms) {
    std::string r;
    for (const std::string& n : noms)
        r += (r.empty() ? "" : ",") + n;
    return r;
}

// Rebuilds a stored formula with names; in math form the item with its lists.
std::string formuleAvecNoms(const TfigureKalmetra& f, int r, bool math, std::string texte,
                            const std::vector<std::string>& lettres, std::vector<std::string> scalaires) {
    if (math) remplaceCarreParPuissance(texte, kSansLimite);
    const std::vector<int> operandes = operandesEnregistrement(f, r);
    const int premier = int(lettres.size());
    const auto operande = [&](char c) {
        const int j = c - 'A' - premier;
        return estMajuscule(c) && j >= 0 && j < int(operandes.size()) ? operandes[std::size_t(j)] : 0;
    };
    std::vector<std::string> fonctions;
    if (!operandes.empty() && math) {
        const auto estPoint = [&](char c) {
            const int o = operande(c);
            return o != 0 && objet(f, o).nature == kNaturePoint;
        };
        for (std::size_t p = 0; p + 1 < texte.size(); ++p)
            if (estPoint(texte[p]) && estPoint(texte[p + 1]))
                texte.replace(p, 2, std::string("dist(") + texte[p] + "," + texte[p + 1] + ")");
        for (int o : operandes) {
            const uint8_t nature = objet(f, o).nature;
            if (nature == kNatureNombreReel || nature == kNatureSuite) scalaires.push_back(nomObjet(f, o));
            if (nature == kNatureFonction || nature == kNatureFonction2Variables ||
                nature == kNatureFonction3Variables)
                fonctions.push_back(nomObjet(f, o));
        }
    }
    // The variables are written by name whether or not the formula reads
    // objects: a letter left in place would name another object.
    std::string formule;
    for (char c : texte) {
        if (const int o = operande(c)) {
            formule += nomObjet(f, o);
            if (math && objet(f, o).nature == kNatureSuite) formule += '_';
        } else if (estMajuscule(c) && c - 'A' < premier) {
            formule += lettres[std::size_t(c - 'A')];
        } else {
            formule += c;
        }
    }
    if (!math) return coupe(formule, 255) + ";";
    parentheseTermesIndices(formule, kSansLimite);
    if (!scalaires.empty()) formule += std::string(1, kMarqueAttribut) + "s:" + joint(scalaires);
    if (!fonctions.empty()) formule += std::string(1, kMarqueAttribut) + "f:" + joint(fonctions);
    return coupe("\\" + formule + "\\", 255) + ";";
}

} // namespace

std::string texteNomObjet(const TfigureKalmetra& f, int o, bool math) {
    const std::string nom = coupe(nomObjetOuVecteur(f, o), 10);
    if (!math) return nom;
    if (objet(f, o).nature == kNatureVecteur || (o >= 8 && o <= 13)) return coupe("\\" + nom + "\\", 80);
    return coupe("\\" + nom + kMarqueAttribut + "s:" + nom + "\\", 80);
}

int parentDeRang(const ContexteDefinition& c, int k) {
    const TObjetFigure& o = objetDecrit(c);
    if (k < 1 || k > o.nombreParents) return 0;
    return parentObjet(c.f, c.i, k);
}

std::string texteParent(const ContexteDefinition& c, int k) {
    const int p = parentDeRang(c, k);
    return p ? nomDe(c, p) : std::string();
}

std::string texteUnite(const ContexteDefinition& c) {
    const int u = objetDecrit(c).uniteLongueur;
    return avecPointVirgule(u ? nomDe(c, u) : std::string());
}

std::string texteParentsColles(const ContexteDefinition& c, int k1, int k2) {
    std::string r;
    for (int k = k1; k <= k2; ++k)
        r += texteParent(c, k);
    return avecPointVirgule(coupe(r, 80));
}

namespace {

std::string texteDeuxPoints(const ContexteDefinition& c, int k1, int k2, const char* ouvre,
                            const char* ferme) {
    if (parentDeRang(c, k2) == 0) return avecPointVirgule(texteParent(c, k1));
    const std::string noms = texteParent(c, k1) + texteParent(c, k2);
    if (c.dialogue) return avecPointVirgule(coupe(noms, 80));
    return avecPointVirgule(coupe(ouvre + noms + ferme, 80));
}

} // namespace

std::string texteSegmentParent(const ContexteDefinition& c, int k1, int k2) {
    return texteDeuxPoints(c, k1, k2, "[", "]");
}
std::string texteDroiteParent(const ContexteDefinition& c, int k1, int k2) {
    return texteDeuxPoints(c, k1, k2, "(", ")");
}
std::string texteDemiDroiteParent(const ContexteDefinition& c, int k1, int k2) {
    return texteDeuxPoints(c, k1, k2, "[", ")");
}

std::string textePlanParent(const ContexteDefinition& c, int k) {
    if (parentDeRang(c, k + 1) == 0) return avecPointVirgule(texteParent(c, k));
    return texteParentsColles(c, k, k + 2);
}

std::string texteCaractereExpression(const ContexteDefinition& c, int n, int k) {
    const TObjetFigure& o = objetDecrit(c);
    std::string lettre;
    if (k >= 1 && k <= o.nombreExpressions) {
        const std::string t = texteEnregistrement(c.f, numeroExpressionObjet(c.f, c.i, k));
        if (n >= 1 && std::size_t(n) <= t.size()) lettre = t.substr(std::size_t(n - 1), 1);
    }
    if (enMath(c)) return "\\" + lettre + "\\;";
    return avecPointVirgule(lettre);
}

std::string texteUniteAngle(const ContexteDefinition& c) {
    return avecPointVirgule(coupe(phraseDeNumero(angleEnDegres(objetDecrit(c)) ? 2478 : 2479), 10));
}

std::string texteNumeroSolution(const ContexteDefinition& c) {
    if (c.dialogue) return {};
    const std::string chiffre = estPremiereSolution(objetDecrit(c)) ? "1" : "2";
    if (c.math) return "\\" + chiffre + "\\;";
    return avecPointVirgule(chiffre);
}

std::string texteExpression(const ContexteDefinition& c, int k) {
    const TObjetFigure& o = objetDecrit(c);
    if (k < 1 || k > o.nombreExpressions) return {};
    std::string r;
    ligneEnTexteMath(c.f, numeroExpressionObjet(c.f, c.i, k), enMath(c), r);
    return r;
}

std::string texteIntervalle(const ContexteDefinition& c, int k) {
    const char* separateur = c.dialogue ? "  " : ",";
    return avecPointVirgule(texteExpression(c, k) + separateur + texteExpression(c, k + 1));
}

std::string texteToucheObjet(const ContexteDefinition& c) {
    const std::string nom = nomToucheObjet(objetDecrit(c));
    if (enMath(c)) return "\\" + nom + "\\;";
    return avecPointVirgule(nom);
}

std::string texteLigneParent(const ContexteDefinition& c, int k) {
    const int p = parentDeRang(c, k);
    if (p == 0) return {};
    const TObjetFigure& o = objet(c.f, p);
    const char* ouvre = nullptr;
    const char* ferme = nullptr;
    switch (o.codeConstruction) {
    case 30:
        ouvre = "(", ferme = ")";
        break;
    case 33:
        ouvre = "[", ferme = ")";
        break;
    case 34:
        ouvre = "[", ferme = "]";
        break;
    default:
        return nomDe(c, p);
    }
    if (o.nombreParents < 2) return nomDe(c, p);
    const int a = parentObjet(c.f, p, 1), b = parentObjet(c.f, p, 2);
    return coupe(ouvre + nomDe(c, a) + nomDe(c, b) + ferme, 80);
}

std::string texteListeLignes(const ContexteDefinition& c, int k1, int k2) {
    std::string r;
    for (int k = k1; k <= k2; ++k)
        r += (k == k1 ? "" : ", ") + texteLigneParent(c, k);
    r = coupe(r, 255);
    if (enMath(c) && r.size() >= 151) {
        const ContexteDefinition simple{c.f, c.i, false, c.dialogue};
        return texteListeLignes(simple, k1, k2);
    }
    return avecPointVirgule(r);
}

std::string textePointsParents(const ContexteDefinition& c, int k1, int k2) {
    std::string colles, liste;
    for (int k = k1; k <= k2; ++k) {
        const int p = parentDeRang(c, k);
        if (p == 0) continue;
        colles += nomObjet(c.f, p);
        liste += nomObjet(c.f, p) + ",";
    }
    if (!enMath(c)) return coupe(colles, 80);
    if (!liste.empty()) liste.pop_back();
    return coupe("\\" + colles + kMarqueAttribut + "s:" + liste + "\\", 255);
}

std::string texteListeParents(const ContexteDefinition& c) {
    const int n = objetDecrit(c).nombreParents;
    const auto estPoint = [&](int k) {
        const int p = parentDeRang(c, k);
        return p != 0 && objet(c.f, p).nature == kNaturePoint;
    };
    std::string r;
    for (int k = 1; k <= n;) {
        int fin = k;
        while (estPoint(k) && fin < n && estPoint(fin + 1))
            ++fin;
        const std::string groupe = fin > k ? textePointsParents(c, k, fin) : texteParent(c, k);
        r += (k == 1 ? "" : ", ") + groupe;
        k = fin + 1;
    }
    return avecPointVirgule(coupe(r, 255));
}

std::string formuleDeFonctionEnTexte(const TfigureKalmetra& f, int r, bool math, int n) {
    std::string texte = texteEnregistrement(f, r);
    std::vector<std::string> lettres, scalaires;
    for (int v = 0; v < n && !texte.empty(); ++v) {
        lettres.emplace_back(1, texte[0]);
        scalaires.push_back(lettres.back());
        texte.erase(0, 1);
    }
    return formuleAvecNoms(f, r, math, texte, lettres, scalaires);
}

std::string formuleDeSuiteEnTexte(const TfigureKalmetra& f, int i, bool math, bool dialogue) {
    const TObjetFigure& o = objet(f, i);
    if (o.nombreExpressions < 2) return ";";
    const int r = numeroExpressionObjet(f, i, 2);
    const std::string u = coupe(nomObjet(f, i), 10);
    const std::string um = math ? u + "_" : u;
    const int references = o.codeConstruction == 103 ? 3 : o.codeConstruction == 102 ? 2 : 1;
    const std::vector<std::string> toutes = {"n", um + "(n-1)", um + "(n-2)"};
    const std::vector<std::string> lettres(toutes.begin(), toutes.begin() + references);
    std::string formule = formuleAvecNoms(f, r, math, texteEnregistrement(f, r), lettres, {"n", u});
    if (dialogue) return formule;
    const std::string prefixe = coupe(um + "(n)=", 14);
    if (math) return formule.insert(1, prefixe);
    return prefixe + formule;
}

std::string equationDePlanEnTexte(const TfigureKalmetra& f, int r, bool math) {
    return formuleAvecNoms(f, r, math, texteEnregistrement(f, r), {"X", "Y", "Z"}, {"X", "Y", "Z"});
}

} // namespace km32
