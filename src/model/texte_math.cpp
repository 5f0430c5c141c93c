#include "model/texte_math.h"

#include <algorithm>
#include <string_view>

#include "base/erreur.h"
#include "base/garde.h"
#include "base/texte.h"
#include "model/analyse_expression.h"
#include "model/constructions_codes.h"
#include "model/evaluation_expression.h"
#include "model/figure.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/operations.h"
#include "model/procedures_texte.h"

namespace km32 {

namespace {

constexpr uint16_t kPremierRefus = 533;
constexpr uint16_t kTropDeVariables = 561;
constexpr uint16_t kValeurInexistante = 566;
constexpr std::size_t kSansLimite = std::string::npos;
constexpr char kMarqueChamps = char(255);
constexpr char kTermePrecedent1 = char(kJetonTermePrecedent1);
constexpr char kTermePrecedent2 = char(kJetonTermePrecedent2);
// The marks the formatter hides around a value item inside a math zone.
constexpr char kGuillemetOuvrant = char(0xAB);
constexpr char kGuillemetFermant = char(0xBB);

bool estLettre(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool estMajuscule(char c) {
    return c >= 'A' && c <= 'Z';
}
bool estScalaire(uint8_t nature) {
    return nature == kGenreNombre || nature == kGenreSuite;
}
bool estFonction(uint8_t nature) {
    return nature == kGenreFonction || nature == kGenreFonction2 || nature == kGenreFonction3;
}

// The name an object letter stands for, with "_" after a sequence so that
// its argument becomes a subscript.
std::string nomOperandeEnTexteMath(const TfigureKalmetra& f, int o, bool modeMath) {
    std::string nom = nomObjet(f, o);
    if (modeMath && objet(f, o).nature == kGenreSuite) nom += '_';
    return nom;
}

// "s:" and "f:" lists of the objects read, led by the mark; scalars may
// start with the names of the variables.
std::string listesDesNoms(const TfigureKalmetra& f, const uint8_t* objets, int nombre, std::string scalaires,
                          char marque) {
    std::string fonctions;
    // A name already listed (a sequence that is also the one defined) is not repeated.
    const auto ajoute = [](std::string& liste, const std::string& nom) {
        if (("," + liste + ",").find("," + nom + ",") != std::string::npos) return;
        if (!liste.empty()) liste += ',';
        liste += nom;
    };
    for (int j = 0; j < nombre; ++j) {
        const uint8_t nature = objet(f, objets[j]).nature;
        if (estScalaire(nature)) ajoute(scalaires, nomObjet(f, objets[j]));
        if (estFonction(nature)) ajoute(fonctions, nomObjet(f, objets[j]));
    }
    std::string r;
    if (!scalaires.empty()) r += std::string(1, marque) + "s:" + scalaires;
    if (!fonctions.empty()) r += std::string(1, marque) + "f:" + fonctions;
    return r;
}

// The letter text of a compile with the names of its variables and objects.
// In a sequence definition the variables are n and the previous terms.
std::string nomsEnTexteMath(const TfigureKalmetra& f, const TAnalyseExpression& a, std::string_view lettres,
                            char suite) {
    std::string r;
    r.reserve(lettres.size() + 16);
    for (char c : lettres) {
        if (!estMajuscule(c)) {
            r += c;
            continue;
        }
        const int l = c - 'A';
        if (l < a.nombreVariables) {
            const char nom = a.nomsVariables[std::size_t(l)];
            if (suite && nom == kTermePrecedent1)
                r += std::string(1, suite) + "_(n-1)";
            else if (suite && nom == kTermePrecedent2)
                r += std::string(1, suite) + "_(n-2)";
            else
                r += nom;
        } else if (l - a.nombreVariables < a.nombreObjets) {
            r += nomOperandeEnTexteMath(f, a.objets[std::size_t(l - a.nombreVariables)], true);
        } else {
            r += c;
        }
    }
    return r;
}

// Where a val(...) item of a label text ends.
struct ElementValeur {
    std::size_t debut = 0;   // the "v" of "val("
    std::size_t dedans = 0;  // just after "val("
    std::size_t fin = 0;     // its ")"
    std::size_t virgule = 0; // the last "," outside inner parentheses, npos when none
};

enum class Recherche { Aucun, Malforme, Trouve };

Recherche trouveElementValeur(const std::string& t, std::size_t depuis, ElementValeur& e) {
    e.debut = t.find("val(", depuis);
    if (e.debut == std::string::npos) return Recherche::Aucun;
    e.dedans = e.debut + 4;
    e.virgule = std::string::npos;
    int profondeur = 0;
    for (std::size_t i = e.dedans; i < t.size(); ++i) {
        if (t[i] == '(') {
            ++profondeur;
        } else if (t[i] == ')') {
            if (profondeur == 0) {
                e.fin = i;
                return i == e.dedans ? Recherche::Malforme : Recherche::Trouve;
            }
            --profondeur;
        } else if (t[i] == ',' && profondeur == 0) {
            e.virgule = i;
        }
    }
    return Recherche::Malforme;
}

bool virguleAuBord(const ElementValeur& e) {
    return e.virgule != std::string::npos && (e.virgule == e.dedans || e.virgule + 1 == e.fin);
}

// A part of a value item in math form, its marks as byte 255; left as
// written when it does not compile.
std::string partieEnTexteMath(const TfigureKalmetra& f, const std::string& partie) {
    std::string math = partie;
    uint16_t erreur = 0;
    ecritExpressionEnTexteMath(f, math, 255, erreur);
    if (erreur >= 532) return partie;
    protegePointsVirgules(math, kSansLimite);
    return math;
}

} // namespace

void parentheseTermesIndices(std::string& t, std::size_t capacite) {
    for (std::size_t i = 1; i < t.size(); ++i) {
        if ((t[i] != '^' && t[i] != '!') || t[i - 1] != ')') continue;
        int profondeur = 0;
        std::size_t k = i - 1;
        bool trouve = false;
        for (;;) {
            if (t[k] == ')') ++profondeur;
            if (t[k] == '(' && --profondeur == 0) {
                trouve = true;
                break;
            }
            if (k == 0) break;
            --k;
        }
        if (!trouve || k < 2 || t[k - 1] != '_') continue;
        t.insert(i, 1, ')');
        t.insert(k - 2, 1, '(');
        i += 2;
    }
    t = coupe(t, capacite);
}

void ecritExpressionEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t capacite,
                                uint16_t& erreur) {
    erreur = 0;
    TAnalyseExpression a;
    a.modeAcces = 4;
    a.genresVariables = {kGenreNombre, kGenreNombre, kGenreNombre};
    std::string t = texte;
    char suite = 0;
    if (t.size() >= 2 && t[0] == ';' && estLettre(t[1])) {
        suite = t[1];
        t.erase(0, 2);
    }
    std::string scalaires;
    const std::size_t separateur = t.find(';');
    if (separateur != std::string::npos) {
        // "xy;..." names up to three number variables.
        if (separateur > 3) {
            erreur = kTropDeVariables;
            return;
        }
        suite = 0;
        a.nombreVariables = uint8_t(separateur);
        for (std::size_t v = 0; v < separateur; ++v) {
            a.nomsVariables[v] = t[v];
            if (!scalaires.empty()) scalaires += ',';
            scalaires += t[v];
        }
        t.erase(0, separateur + 1);
    } else if (suite) {
        // The term of index n from n and the previous terms.
        a.nombreVariables = 3;
        a.nomsVariables = {'n', kTermePrecedent1, kTermePrecedent2};
        remplaceChaineLongue(t, std::string(1, suite) + "(n-1)", std::string(1, kTermePrecedent1));
        remplaceChaineLongue(t, std::string(1, suite) + "(n-2)", std::string(1, kTermePrecedent2));
        scalaires = std::string(1, suite) + ",n";
    }
    if (f.dialogue && f.dialogue->commande == construction::kPlanEquation) {
        // The construction dialog edits a plane given by its equation: the
        // text is that equation, a relation in X, Y and Z.
        suite = 0;
        a.nombreVariables = 3;
        a.nomsVariables = {'X', 'Y', 'Z'};
        a.genreResultat = kGenreRelation;
        scalaires = "X,Y,Z";
    }
    a.texte = t;
    uint16_t e = 0;
    {
        GardeValeur<uint8_t> genre(etatCompilateur().controleDuGenre, 0);
        traduitExpression(f, a, true, e);
    }
    erreur = e;
    if (e >= kPremierRefus) return;

    const std::size_t noms = std::min<std::size_t>(a.nombreVariables, a.texte.size());
    std::string r = nomsEnTexteMath(f, a, std::string_view(a.texte).substr(noms), suite);
    parentheseTermesIndices(r, kSansLimite);
    r += listesDesNoms(f, a.objets.data(), a.nombreObjets, scalaires, ';');
    texte = coupe("\\" + r + "\\", capacite);
}

void ligneEnTexteMath(const TfigureKalmetra& f, int enregistrement, bool modeMath, std::string& resultat) {
    verifieIndice(enregistrement, 1, kMaxExpressions, "parameter expression");
    const TExpressionParametre& e = expressionParametre(f, enregistrement);
    std::string t;
    if (e.longueurTexte > 0) {
        verifieIndice(e.debutTexte + e.longueurTexte - 1, 1, int(f.texteDesFormules.size()), "formula text");
        t = f.texteDesFormules.substr(std::size_t(e.debutTexte - 1), e.longueurTexte);
    }
    if (modeMath) remplaceCarreParPuissance(t, kSansLimite);

    // The objects read, from the head of the byte list.
    uint8_t objets[kMaxObjetsExpression] = {};
    int nombreObjets = 0, nombreVariables = 0;
    if (!e.constante && e.nombreOctets >= 3) {
        nombreObjets = std::min<int>(octetOperande(f, e.debutOctets + 1), kMaxObjetsExpression);
        nombreVariables = octetOperande(f, e.debutOctets + 2);
        for (int j = 0; j < nombreObjets; ++j)
            objets[j] = octetOperande(f, e.debutOctets + 3 + j);
    }
    const auto objetDeLettre = [&](char c) {
        const int j = c - 'A' - nombreVariables;
        return estMajuscule(c) && j >= 0 && j < nombreObjets ? int(objets[j]) : 0;
    };
    const auto estPoint = [&](char c) {
        const int o = objetDeLettre(c);
        return o != 0 && objet(f, o).nature == kGenrePoint;
    };
    if (modeMath) {
        for (std::size_t p = 0; p + 1 < t.size(); ++p)
            if (estPoint(t[p]) && estPoint(t[p + 1]))
                t.replace(p, 2, std::string("dist(") + t[p] + "," + t[p + 1] + ")");
    }
    std::string r;
    r.reserve(t.size() + 16);
    for (char c : t) {
        const int o = objetDeLettre(c);
        r += o ? nomOperandeEnTexteMath(f, o, modeMath) : std::string(1, c);
    }
    if (!modeMath) {
        resultat = coupe(r, 255);
        return;
    }
    parentheseTermesIndices(r, kSansLimite);
    r += listesDesNoms(f, objets, nombreObjets, std::string(), kMarqueChamps);
    resultat = coupe("\\" + r + "\\", 255);
}

void texteAvecValeursEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t capacite) {
    std::size_t depuis = 0;
    ElementValeur e;
    while (trouveElementValeur(texte, depuis, e) == Recherche::Trouve) {
        const auto barres = std::count(texte.begin(), texte.begin() + std::ptrdiff_t(e.debut), '\\');
        if (barres % 2 == 1) {
            // Inside a math zone the formatter shows the item as it stands.
            texte.insert(e.fin + 1, 1, kGuillemetFermant);
            texte.insert(e.debut, 1, kGuillemetOuvrant);
            depuis = e.fin + 3;
            continue;
        }
        if (virguleAuBord(e)) break;
        const std::size_t finExpression = e.virgule == std::string::npos ? e.fin : e.virgule;
        std::string item = partieEnTexteMath(f, texte.substr(e.dedans, finExpression - e.dedans));
        if (e.virgule != std::string::npos)
            item += "," + partieEnTexteMath(f, texte.substr(e.virgule + 1, e.fin - e.virgule - 1));
        texte.replace(e.dedans, e.fin - e.dedans, item);
        depuis = e.dedans + item.size() + 1;
    }
    texte = coupe(texte, capacite);
}

void texteAfficheEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t capacite) {
    texteAvecValeursEnTexteMath(f, texte, capacite);
    retablitPointsVirgules(texte, capacite);
}

void remplaceValeursDansTexte(const TfigureKalmetra& f, std::string& texte, std::size_t capacite,
                              bool& echoue) {
    echoue = false;
    ElementValeur e;
    // Found again from the start after each replacement: a number holds no "val(".
    while (trouveElementValeur(texte, 0, e) == Recherche::Trouve && !virguleAuBord(e)) {
        int decimales = 0;
        uint16_t erreur = 0;
        double valeur = 0;
        if (e.virgule != std::string::npos) {
            evalueExpressionTexte(f, texte.substr(e.virgule + 1, e.fin - e.virgule - 1), 1, erreur, valeur);
            if (erreur != 0 || valeur < 0 || valeur > 10) {
                echoue = true;
                break;
            }
            decimales = int(arrondiPair(valeur));
        }
        const std::size_t finExpression = e.virgule == std::string::npos ? e.fin : e.virgule;
        evalueExpressionTexte(f, texte.substr(e.dedans, finExpression - e.dedans), 1, erreur, valeur);
        std::string nombre;
        if (erreur == kValeurInexistante) {
            nombre = " *";
            echoue = true;
        } else if (erreur != 0) {
            echoue = true;
            break;
        } else {
            texteDeReelPuissance(decimales, nombre, valeur);
            nombre = coupe(nombre, 80);
        }
        texte.replace(e.debut, e.fin + 1 - e.debut, nombre);
    }
    texte = coupe(texte, capacite);
}

} // namespace km32
