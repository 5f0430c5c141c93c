#include "text/operandes_expressions.h"

#include <cmath>
#include <utility>

#include "base/garde.h"
#include "base/texte.h"
#include "model/analyse_expression.h"
#include "model/evaluation_expression.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"
#include "model/texte_math.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"
#include "text/operandes_objets.h"

namespace km32 {

namespace {

constexpr char kCodeTermePrecedent1 = char(251);
constexpr char kCodeTermePrecedent2 = char(252);

// Compiles with the line's error word: a reason already in the word is not
// lost when the compile succeeds.
void compileDansLigne(const TfigureKalmetra& f, TAnalyseExpression& a, uint16_t& erreur) {
    uint16_t e = 0;
    traduitExpression(f, a, false, e);
    if (e != 0 && (estRefus(e) || erreur == 0)) erreur = e;
}

// Position (from 0) of the first comma outside parentheses; npos when none.
std::size_t premiereVirguleHorsParentheses(std::string_view t) {
    int profondeur = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '(')
            ++profondeur;
        else if (t[i] == ')')
            --profondeur;
        else if (t[i] == ',' && profondeur == 0)
            return i;
    }
    return std::string_view::npos;
}

// Commas outside parentheses become blanks, runs of blanks one blank, no
// leading blank; a final blank is added unless the text is then empty.
std::string listeHorsParentheses(std::string_view texte) {
    std::string r;
    r.reserve(texte.size() + 1);
    int profondeur = 0;
    for (char c : texte) {
        if (c == '(')
            ++profondeur;
        else if (c == ')')
            --profondeur;
        else if (c == ',' && profondeur == 0)
            c = ' ';
        if (c == ' ' && (r.empty() || r.back() == ' ')) continue;
        r += c;
    }
    if (!r.empty() && r.back() != ' ') r += ' ';
    return r;
}

// A fresh compile record keeping what the caller placed: the text and the
// codes of the variables.
void videExpression(TAnalyseExpression& a) {
    TAnalyseExpression neuve;
    neuve.texte = std::move(a.texte);
    neuve.nomsVariables = a.nomsVariables;
    a = std::move(neuve);
}

// The next slot of the line; 635 beyond 10.
bool prendCase(TLigneAnalysee& ligne) {
    if (ligne.nombreExpressions >= kMaxExpressionsLigne) {
        ligne.erreur = kErreurTropDExpressions;
        return false;
    }
    ++ligne.nombreExpressions;
    return true;
}

// The items "(name,expression)" of the next argument: each name read by
// litNom into the parents, each expression compiled into the next slot and
// handed to constante when it is constant.
template <class LitNom, class Constante>
void litElementsNomExpression(const TfigureKalmetra& f, TLigneAnalysee& ligne, LitNom litNom,
                              Constante constante) {
    std::string liste;
    coupeAuSeparateur(ligne.arguments, 255, liste);
    while (ligne.erreur < kPasDeCetteForme) {
        std::size_t debut = 0;
        while (debut < liste.size() && (liste[debut] == ' ' || liste[debut] == ','))
            ++debut;
        liste.erase(0, debut);
        if (liste.empty()) break;
        const std::size_t p = finPremierGroupeParentheses(liste);
        if (p == 0) {
            ligne.erreur = kErreurSyntaxeExpression;
            break;
        }
        // The item ends with the ")" of the group, at position p - 1.
        std::string element = coupe(std::string_view(liste).substr(0, p - 1), 80);
        liste.erase(0, p - 1);
        if (element[0] != '(') {
            ligne.erreur = kErreurSyntaxeExpression;
            break;
        }
        element = element.size() >= 2 ? element.substr(1, element.size() - 2) : std::string();
        if (element.empty()) {
            ligne.erreur = kErreurDonneeManquante;
            break;
        }
        const std::size_t virgule = premiereVirguleHorsParentheses(element);
        if (virgule == std::string::npos) {
            ligne.erreur = kErreurSyntaxeExpression;
            break;
        }
        if (!litNom(std::string_view(element).substr(0, virgule))) break;
        if (!prendCase(ligne)) break;
        const int k = ligne.nombreExpressions;
        TAnalyseExpression& a = expressionLigne(ligne, k);
        a.texte = element.substr(virgule + 1);
        const std::string texteEcrit = a.texte;
        compileExpressionParametre(f, ligne, '?', k);
        if (!estRefus(ligne.erreur) && a.drapeauConstante)
            constante(k, valeurConstanteExpression(a), texteEcrit);
    }
}

} // namespace

std::size_t finPremierGroupeParentheses(std::string_view texte) {
    int profondeur = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '(') {
            ++profondeur;
        } else if (texte[i] == ')') {
            --profondeur;
            if (profondeur == 0) return i + 2;
        }
    }
    return 0;
}

std::size_t premierBlancHorsParentheses(std::string_view texte, std::size_t longueurMax) {
    texte = texte.substr(0, longueurMax);
    int profondeur = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '(')
            ++profondeur;
        else if (texte[i] == ')')
            --profondeur;
        else if (texte[i] == ' ' && profondeur == 0)
            return i + 1;
    }
    return 0;
}

void compileExpressionParametre(const TfigureKalmetra& f, TLigneAnalysee& ligne, char type, int k) {
    TAnalyseExpression& a = expressionLigne(ligne, k);
    a.modeAcces = ligne.modeLecture;
    if (estRefus(ligne.erreur)) return;
    videExpression(a);
    a.modeAcces = ligne.modeLecture;
    a.nombreVariables = 0;
    a.genreResultat = kGenreNombre;
    a.genresVariables = {kGenreNombre, kGenreNombre, kGenreNombre};
    switch (type) {
    case 'L':
        a.genreResultat = kGenreVecteur;
        break;
    case 'T':
        a.genreResultat = kGenreRelation;
        break;
    case 'P':
        a.nombreVariables = 1;
        break;
    case 'm':
        a.nombreVariables = 2;
        break;
    case 'n':
        a.nombreVariables = 3;
        break;
    default:
        break;
    }
    if (ligne.codeConstruction == 131 && k == 4) a.nomsVariables[0] = 'X';
    compileDansLigne(f, a, ligne.erreur);
    if (a.drapeauUnite) ligne.besoinUnite = 1;
}

void litPointsPonderesSansCompte(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    if (estRefus(ligne.erreur)) return;
    ligne.nombreExpressions = 0;
    bool toutesConstantes = true;
    double somme = 0;
    litElementsNomExpression(
        f, ligne,
        [&](std::string_view nom) {
            uint8_t point = 0;
            numeroPointDeNom(f, nom, ligne.modeLecture, point, ligne.erreur);
            if (estRefus(ligne.erreur)) return false;
            ajouteParentLigne(ligne, point);
            return true;
        },
        [&](int k, double valeur, const std::string&) { valeurLigne(ligne, k + 3) = valeur; });
    for (int k = 1; k <= ligne.nombreExpressions; ++k) {
        const TAnalyseExpression& a = ligne.expressions[k];
        if (!a.drapeauConstante)
            toutesConstantes = false;
        else
            somme += valeurConstanteExpression(a);
    }
    // No point read, also when the first one was refused: the barycentre
    // lacks its points.
    if (ligne.nombreParents == 0) ligne.erreur = kErreurDonneeManquante;
    ligne.nouvelObjet.nombreValeurs = uint8_t(ligne.nombreExpressions + 3);
    ligne.nouvelObjet.nombreParents = ligne.nombreParents;
    ligne.nouvelObjet.nombreExpressions = ligne.nombreExpressions;
    if (!estRefus(ligne.erreur) && toutesConstantes && somme == 0)
        ligne.erreur = kErreurSommeCoefficientsNulle;
}

void litVariablesDuTableauSansCompte(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    if (estRefus(ligne.erreur)) return;
    ligne.nombreExpressions = 3;
    litElementsNomExpression(
        f, ligne,
        [&](std::string_view nom) {
            uint8_t n = 0;
            numeroObjetDeNom(f, kNatureNombreReel, nom, ligne.erreur, n, ligne.modeLecture);
            if (estRefus(ligne.erreur)) return false;
            if (ligne.nombreParents == 0 && !estObjetLibre(objet(f, n))) {
                nomErreur1() = coupe(nom, 10);
                ligne.erreur = kErreurPremiereVariableLibre;
                return false;
            }
            ajouteParentLigne(ligne, n);
            return true;
        },
        [&](int k, double valeur, const std::string& texte) {
            if (valeur < 0 || valeur > 6 || valeur != std::round(valeur)) {
                nomErreur1() = texte;
                ligne.erreur = kErreurValeurIncorrecte;
                return;
            }
            valeurLigne(ligne, k) = valeur;
        });
    if (estRefus(ligne.erreur)) return;
    if (ligne.nombreParents < 2) {
        ligne.erreur = kErreurDonneeManquante;
        return;
    }
    ligne.nouvelObjet.nombreParents = ligne.nombreParents;
    ligne.nouvelObjet.nombreExpressions = uint8_t(ligne.nombreParents + 3);
    ligne.nouvelObjet.nombreValeurs = uint8_t(ligne.nombreParents + 3);
}

void litValeursAffectationsSansCompte(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    if (estRefus(ligne.erreur)) return;
    const int assignes = ligne.nombreParents;
    ligne.nombreExpressions = 0;
    std::string valeurs;
    coupeAuSeparateur(ligne.arguments, 255, valeurs);
    if (valeurs.empty()) {
        ligne.erreur = kErreurDonneeManquante;
        return;
    }
    valeurs = listeHorsParentheses(valeurs);
    if (valeurs.empty()) {
        ligne.erreur = kErreurDonneeManquante;
        return;
    }
    std::string_view reste = valeurs;
    for (int i = 1; i <= assignes && ligne.erreur < kPasDeCetteForme; ++i) {
        if (reste.empty()) {
            ligne.erreur = kErreurDonneeManquante;
            break;
        }
        const std::size_t blanc = premierBlancHorsParentheses(reste, reste.size());
        const std::string_view element = blanc == 0 ? reste : reste.substr(0, blanc - 1);
        reste = blanc == 0 ? std::string_view() : reste.substr(blanc);
        if (objet(f, parentLigne(ligne, i)).nature == kNaturePoint) {
            uint8_t point = 0;
            numeroPointDeNom(f, element, ligne.modeLecture, point, ligne.erreur);
            if (!estRefus(ligne.erreur)) ajouteParentLigne(ligne, point);
            continue;
        }
        if (!prendCase(ligne)) break;
        const int k = ligne.nombreExpressions;
        TAnalyseExpression& a = expressionLigne(ligne, k);
        a.texte = std::string(element);
        compileExpressionParametre(f, ligne, '?', k);
        if (!estRefus(ligne.erreur) && a.drapeauConstante)
            valeurLigne(ligne, k) = valeurConstanteExpression(a);
    }
}

void litBornes(const TfigureKalmetra& f, TLigneAnalysee& ligne, std::string_view intervalle, int e, int v) {
    if (estRefus(ligne.erreur)) return;
    const std::string liste = listeHorsParentheses(intervalle);
    if (liste.empty()) {
        ligne.erreur = kErreurDonneeManquante;
        return;
    }
    std::string_view reste = liste;
    for (int i = 0; i < 2 && ligne.erreur < kPasDeCetteForme; ++i) {
        if (reste.empty()) {
            ligne.erreur = kErreurBorneManquante;
            return;
        }
        const std::size_t blanc = reste.find(' ');
        TAnalyseExpression& a = expressionLigne(ligne, e + i);
        a.texte = std::string(reste.substr(0, blanc));
        reste = blanc == std::string_view::npos ? std::string_view() : reste.substr(blanc + 1);
        compileExpressionParametre(f, ligne, '?', e + i);
        if (!estRefus(ligne.erreur) && a.drapeauConstante)
            valeurLigne(ligne, v + i) = valeurConstanteExpression(a);
    }
    if (ligne.erreur != 0) return;
    TAnalyseExpression &bas = expressionLigne(ligne, e), &haut = expressionLigne(ligne, e + 1);
    if (bas.drapeauConstante && haut.drapeauConstante && valeurLigne(ligne, v) > valeurLigne(ligne, v + 1)) {
        std::swap(bas, haut);
        std::swap(valeurLigne(ligne, v), valeurLigne(ligne, v + 1));
    }
}

void evalueListeExpressions(const TfigureKalmetra& f, std::string_view texte, uint8_t mode,
                            std::array<double, 41>& valeurs, uint8_t& nombre, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    nombre = 0;
    if (texte.empty()) return;
    const std::string liste = normaliseListe(texte);
    Elements elements{liste};
    std::string_view element;
    while (!estRefus(erreur) && elements.suivant(element)) {
        ++nombre;
        if (nombre > 40) {
            erreur = kErreurTropDExpressions;
            return;
        }
        uint16_t e = 0;
        evalueExpressionTexte(f, element, mode, e, valeurs[nombre]);
        if (e != 0 && (estRefus(e) || erreur == 0)) erreur = e;
    }
}

namespace {

// A point in math text: its name, which is also its one scalar.
std::string pointEnTexteMath(const TfigureKalmetra& f, uint8_t point) {
    const std::string nom = nomObjet(f, point);
    return "\\" + nom + ";s:" + nom + "\\";
}

// The items of a list in math text, each one a point (when points are
// allowed and the item names one) or an expression.
void listeEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax, uint16_t& erreur,
                      bool points) {
    erreur = 0;
    std::string reste = listeHorsParentheses(texte);
    if (reste.empty()) {
        texte = reste;
        erreur = kErreurDonneeManquante;
        return;
    }
    std::string resultat;
    while (!reste.empty()) {
        const std::size_t blanc = premierBlancHorsParentheses(reste, reste.size());
        const std::size_t longueur = blanc == 0 ? reste.size() : blanc - 1;
        std::string element = reste.substr(0, longueur);
        uint8_t point = 0;
        if (points) {
            erreur = 0;
            numeroPointDeNom(f, element, 4, point, erreur);
        }
        if (points && !estRefus(erreur) && point != 0) {
            resultat += " " + pointEnTexteMath(f, point);
        } else {
            ecritExpressionEnTexteMath(f, element, 255, erreur);
            if (estRefus(erreur)) {
                texte = coupe(reste, longueurMax);
                return;
            }
            resultat += " " + element;
        }
        reste.erase(0, blanc == 0 ? reste.size() : blanc);
        resultat = coupe(resultat, 255);
    }
    texte = coupe(resultat, longueurMax);
}

} // namespace

void listePointsPonderesEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax,
                                    uint16_t& erreur) {
    erreur = 0;
    if (texte.empty()) {
        erreur = kErreurDonneeManquante;
        return;
    }
    std::string resultat;
    for (;;) {
        std::size_t debut = 0;
        while (debut < texte.size() && (texte[debut] == ' ' || texte[debut] == ','))
            ++debut;
        texte.erase(0, debut);
        if (texte.empty()) break;
        const std::size_t p = finPremierGroupeParentheses(texte);
        if (p == 0) {
            erreur = kErreurSyntaxeExpression;
            return;
        }
        std::string element = coupe(std::string_view(texte).substr(0, p - 1), 80);
        texte.erase(0, p - 1);
        if (element[0] != '(') {
            erreur = kErreurSyntaxeExpression;
            return;
        }
        element = element.size() >= 2 ? element.substr(1, element.size() - 2) : std::string();
        if (element.empty()) {
            erreur = kErreurDonneeManquante;
            return;
        }
        const std::size_t virgule = premiereVirguleHorsParentheses(element);
        if (virgule == std::string::npos) {
            erreur = kErreurSyntaxeExpression;
            return;
        }
        uint8_t point = 0;
        numeroPointDeNom(f, std::string_view(element).substr(0, virgule), 4, point, erreur);
        if (estRefus(erreur)) return;
        std::string coefficient = element.substr(virgule + 1);
        ecritExpressionEnTexteMath(f, coefficient, 255, erreur);
        if (estRefus(erreur)) return;
        resultat = coupe(resultat + " (" + pointEnTexteMath(f, point) + "," + coefficient + ")", 255);
    }
    texte = coupe(resultat, longueurMax);
}

void listePointsEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax,
                            uint16_t& erreur) {
    listeEnTexteMath(f, texte, longueurMax, erreur, true);
}

void listeExpressionsEnTexteMath(const TfigureKalmetra& f, std::string& texte, std::size_t longueurMax,
                                 uint16_t& erreur) {
    listeEnTexteMath(f, texte, longueurMax, erreur, false);
}

void analyseDefinitionDeSuiteSansCompte(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    if (estRefus(ligne.erreur)) return;
    const std::string& arguments = ligne.arguments;
    const char c = arguments.empty() ? '\0' : arguments.back();
    const bool lettre = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z' && c != 'n');
    if (!lettre || arguments.size() < 2 || arguments[arguments.size() - 2] != ';')
        ligne.erreur = kErreurNomDeSuite;
    std::string definition;
    coupeAuSeparateur(ligne.arguments, 255, definition);
    if (ligne.erreur < kPasDeCetteForme && ligne.depuisTexte) {
        if (definition.size() < 5 || definition[0] != c || definition.compare(1, 4, "(n)=") != 0) {
            nomErreur1() = std::string(1, c);
            ligne.erreur = kErreurDefinitionSuite;
        } else {
            definition.erase(0, 5);
        }
    }
    if (ligne.erreur >= kPasDeCetteForme) return;
    TAnalyseExpression& a = expressionLigne(ligne, 2);
    a = TAnalyseExpression{};
    a.modeAcces = ligne.modeLecture;
    a.genreResultat = kGenreNombre;
    a.nombreVariables = 1;
    a.nomsVariables[0] = 'n';
    a.genresVariables = {kGenreNombre, kGenreNombre, kGenreNombre};
    const std::string nom(1, c);
    if (ligne.codeConstruction != 101) {
        a.nombreVariables = 2;
        a.nomsVariables[1] = kCodeTermePrecedent1;
        remplaceChaineLongue(definition, nom + "(n-1)", std::string(1, kCodeTermePrecedent1));
    }
    if (ligne.codeConstruction == 103) {
        a.nombreVariables = 3;
        a.nomsVariables[2] = kCodeTermePrecedent2;
        remplaceChaineLongue(definition, nom + "(n-2)", std::string(1, kCodeTermePrecedent2));
    }
    a.texte = definition;
    {
        EtatCompilateur& etat = etatCompilateur();
        const bool recurrente = ligne.codeConstruction == 102 || ligne.codeConstruction == 103;
        GardeValeur<char> mode(etat.modeSuite,
                               recurrente ? (ligne.codeConstruction == 102 ? 'f' : 'g') : '\0');
        GardeValeur<char> suite(etat.nomSuite, recurrente ? c : '\0');
        compileDansLigne(f, a, ligne.erreur);
    }
    // A misused previous term is reported under the sequence's own name, not
    // its internal code.
    if (ligne.erreur == 582 || ligne.erreur == 583) nomErreur1() = std::string(1, c);
    if (estRefus(ligne.erreur)) return;
    a.texte.erase(0, std::min<std::size_t>(a.nombreVariables, a.texte.size()));
    if (a.drapeauConstante) valeurLigne(ligne, 2) = valeurConstanteExpression(a);
}

// The field counter of an open construction dialog: a refused field is
// noted at the count of those accepted before it, an accepted one counted.
void compteChampDialogue(const TfigureKalmetra& f, uint16_t erreur) {
    TDialogueObjet* d = f.dialogue.get();
    if (!d) return;
    if (estRefus(erreur))
        d->champRefuse = d->champsAcceptes;
    else
        ++d->champsAcceptes;
}

void litPointsPonderes(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    litPointsPonderesSansCompte(f, ligne);
    compteChampDialogue(f, ligne.erreur);
}

void litVariablesDuTableau(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    litVariablesDuTableauSansCompte(f, ligne);
    compteChampDialogue(f, ligne.erreur);
}

void litValeursAffectations(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    litValeursAffectationsSansCompte(f, ligne);
    compteChampDialogue(f, ligne.erreur);
}

void analyseDefinitionDeSuite(const TfigureKalmetra& f, TLigneAnalysee& ligne) {
    analyseDefinitionDeSuiteSansCompte(f, ligne);
    compteChampDialogue(f, ligne.erreur);
}

} // namespace km32
