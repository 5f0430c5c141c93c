// The front of the expression compiler: names of objects and variables
// become single letters, point pairs become distances, the text is checked
// and completed (implicit products, vec(V)), then compiled.
#include "base/texte.h"
#include "model/analyse_expression.h"
#include "model/expression_erreurs.h"
#include "model/figure.h"
#include "model/objets_figure.h"
#include "model/procedures_texte.h"

namespace km32 {

namespace {

constexpr std::size_t kCapaciteTexte = 255;
// The working text is never cut: only the stored text is.
constexpr std::size_t kSansLimite = std::string::npos;
// Kinds an operand may have, in the order names are looked up.
constexpr uint8_t kGenresOperandes[] = {kGenreNombre, kGenreVecteur,   kGenreFonction, kGenrePoint,
                                        kGenreSuite,  kGenreFonction2, kGenreFonction3};

bool estLettre(uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
// A name begins with a letter or with the code of a previous term, which a
// sequence definition declares as a variable of its own.
bool commenceUnNom(uint8_t c) {
    return estLettre(c) || c == kJetonTermePrecedent1 || c == kJetonTermePrecedent2;
}
bool estMajuscule(uint8_t c) {
    return c >= 'A' && c <= 'Z';
}
bool estChiffre(uint8_t c) {
    return c >= '0' && c <= '9';
}

// The object of that name among the operand kinds, 0 when none.
int objetOperande(const TfigureKalmetra& f, std::string_view nom) {
    const std::vector<uint8_t> nommes = objetsNommes(f, nom);
    for (uint8_t genre : kGenresOperandes)
        for (uint8_t n : nommes)
            if (objet(f, n).nature == genre) return n;
    return 0;
}

// The name of the object or variable a letter stands for.
std::string nomDeLettre(const TfigureKalmetra& f, const TAnalyseExpression& a, int l) {
    if (l < a.nombreVariables) return std::string(1, a.nomsVariables[std::size_t(l)]);
    return nomObjet(f, a.objets[std::size_t(l - a.nombreVariables)]);
}

// The sequence's own name in its definition: nomErreur1 receives the call up
// to its matching ")", u(n-1) and u(n-2) coded, for the caller to read.
uint16_t remplaceTermesPrecedents(const std::string& t, std::size_t i) {
    const char u = t[i];
    if (i + 1 >= t.size() || t[i + 1] != '(') return 580;
    int profondeur = 0;
    std::size_t fin = std::string::npos;
    for (std::size_t j = i + 1; j < t.size(); ++j) {
        if (t[j] == '(') ++profondeur;
        if (t[j] == ')' && --profondeur == 0) {
            fin = j;
            break;
        }
    }
    if (fin == std::string::npos) return 563;
    std::string appel = t.substr(i, fin - i + 1);
    const std::string moins1 = std::string(1, u) + "(n-1)";
    const std::string moins2 = std::string(1, u) + "(n-2)";
    for (std::size_t p; (p = appel.find(moins1)) != std::string::npos;)
        appel.replace(p, moins1.size(), 1, char(kJetonTermePrecedent1));
    for (std::size_t p; (p = appel.find(moins2)) != std::string::npos;)
        appel.replace(p, moins2.size(), 1, char(kJetonTermePrecedent2));
    nomErreur1() = appel;
    return etatCompilateur().modeSuite == 'g' ? 583 : 582;
}

} // namespace

void analyseOperandesExpression(const TfigureKalmetra& f, TAnalyseExpression& a, uint16_t& erreur) {
    const EtatCompilateur& etat = etatCompilateur();
    a.casesLettres.fill(0);
    a.genresLettres.fill(0);
    int casee = kCasePremiereVariable;
    for (int v = 0; v < a.nombreVariables && v < 3; ++v) {
        a.casesLettres[std::size_t(v)] = uint8_t(casee);
        a.genresLettres[std::size_t(v)] = a.genresVariables[std::size_t(v)];
        casee += nombreDeComposantesDuGenre(a.genresVariables[std::size_t(v)]);
    }
    a.nombreObjets = 0;
    a.derniereCaseObjet = kCasePremierObjet - 1;

    std::string& t = a.texte;
    std::size_t i = 0;
    while (i < t.size()) {
        if (!commenceUnNom(uint8_t(t[i]))) {
            ++i;
            continue;
        }
        int n = 0;
        std::size_t longueur = 0;
        for (std::size_t l = 4; l >= 2 && n == 0; --l)
            if (i + l <= t.size() && (n = objetOperande(f, std::string_view(t).substr(i, l)))) longueur = l;
        if (n == 0) {
            int variable = -1;
            for (int v = 0; v < a.nombreVariables; ++v)
                if (t[i] == a.nomsVariables[std::size_t(v)]) variable = v;
            if (variable >= 0) {
                t[i] = char('A' + variable);
                ++i;
                continue;
            }
            if ((n = objetOperande(f, std::string_view(t).substr(i, 1)))) longueur = 1;
        }
        if (n == 0) {
            if (etat.modeSuite && t[i] == etat.nomSuite) {
                erreur = remplaceTermesPrecedents(t, i);
                return;
            }
            std::size_t j = i + 1;
            while (j < t.size() &&
                   (estLettre(uint8_t(t[j])) || estChiffre(uint8_t(t[j])) || t[j] == '\'' || t[j] == '"'))
                ++j;
            const std::string nom = t.substr(i, j - i);
            nomErreur1() = nom;
            erreur = 537;
            if (nom == "x" && a.nombreVariables >= 1 && a.nomsVariables[0] == 'X') erreur = 631;
            if (nom == "y" && a.nombreVariables >= 2 && a.nomsVariables[1] == 'Y') erreur = 568;
            if (nom == "z" && a.nombreVariables >= 3 && a.nomsVariables[2] == 'Z') erreur = 668;
            return;
        }
        const TObjetFigure& o = objet(f, n);
        if (a.modeAcces > 1 && accesInterdit(o)) {
            nomErreur1() = nomObjet(f, n);
            erreur = 600;
            return;
        }
        if (etat.modeSuite && o.nature == kGenreSuite && nomObjet(f, n) == std::string(1, etat.nomSuite)) {
            nomErreur1() = nomObjet(f, n);
            erreur = etat.modeSuite == 'g' ? 583 : 582;
            return;
        }
        if (a.modeAcces > 1 && o.nonDefini) erreur = 437;
        int rang = -1;
        for (int k = 0; k < a.nombreObjets; ++k)
            if (a.objets[std::size_t(k)] == n) rang = k;
        if (rang < 0) {
            const int composantes = nombreDeComposantesDuGenre(o.nature);
            if (a.nombreVariables + a.nombreObjets >= 26 || a.nombreObjets >= kMaxObjetsExpression ||
                a.derniereCaseObjet + composantes > kCaseDernierObjet) {
                erreur = 561;
                return;
            }
            rang = a.nombreObjets++;
            a.objets[std::size_t(rang)] = uint8_t(n);
            const std::size_t l = std::size_t(a.nombreVariables + rang);
            a.casesLettres[l] = composantes ? uint8_t(a.derniereCaseObjet + 1) : 0;
            a.genresLettres[l] = o.nature;
            a.derniereCaseObjet = uint8_t(a.derniereCaseObjet + composantes);
        }
        t.replace(i, longueur, 1, char('A' + a.nombreVariables + rang));
        ++i;
    }
}

void remplaceLongueursDeSegments(std::string& t, std::size_t capacite, const TAnalyseExpression& a) {
    const auto estPoint = [&](char c) {
        return estMajuscule(uint8_t(c)) && a.genresLettres[std::size_t(c - 'A')] == kGenrePoint;
    };
    std::size_t i = 0;
    while (i + 1 < t.size()) {
        if (estPoint(t[i]) && estPoint(t[i + 1])) {
            const std::string distance = std::string(1, char(kJetonDist)) + "(" + t[i] + "," + t[i + 1] + ")";
            t.replace(i, 2, distance);
            i += distance.size();
        } else {
            ++i;
        }
    }
    t = coupe(t, capacite);
}

void controleLexicalExpression(const TfigureKalmetra& f, TAnalyseExpression& a, uint16_t& erreur) {
    std::string& t = a.texte;
    int profondeur = 0;
    for (char c : t) {
        if (c == '(') ++profondeur;
        if (c == ')' && --profondeur < 0) break;
    }
    if (profondeur != 0) {
        erreur = 665;
        return;
    }

    // Implicit products: 2A, 2(x+1), 3sin(x), (a)(b), 2pi, A(B) with A a number.
    const auto genreLettre = [&](uint8_t c) { return a.genresLettres[std::size_t(c - 'A')]; };
    std::string complete;
    complete.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        complete += t[i];
        if (i + 1 == t.size()) break;
        const uint8_t c = uint8_t(t[i]), d = uint8_t(t[i + 1]);
        const bool gauche =
            c == '!' || c == ')' || estChiffre(c) || estMajuscule(c) || c == kJetonCarre || c == kJetonPi;
        const bool droite =
            (d >= 1 && d <= 31) || d == '(' || estMajuscule(d) || d == kJetonMu || d == kJetonPi;
        const bool appel = estMajuscule(c) && genreLettre(c) != kGenreNombre;
        if ((gauche && droite && !appel) || ((c == '!' || c == ')' || c == kJetonCarre) && estChiffre(d)))
            complete += '*';
    }
    t = complete;

    // A vector is written vec(V).
    for (std::size_t i = 0; i < t.size(); ++i) {
        const uint8_t c = uint8_t(t[i]);
        if (!estMajuscule(c) || genreLettre(c) != kGenreVecteur) continue;
        if (i >= 2 && uint8_t(t[i - 2]) == kJetonVec && t[i - 1] == '(' && i + 1 < t.size() &&
            t[i + 1] == ')')
            continue;
        nomErreur1() = nomDeLettre(f, a, c - 'A');
        erreur = 584;
        return;
    }
    for (std::size_t i = 0; i + 3 < t.size(); ++i)
        if (uint8_t(t[i]) == kJetonVec && t[i + 3] == ',') t[i] = char(kJetonVecAB);
}

void traduitExpression(const TfigureKalmetra& f, TAnalyseExpression& a, bool garderTexteReecrit,
                       uint16_t& erreur) {
    erreur = 0;
    nomErreur1() = a.texte;
    codeMotsCles(a.texte, kCapaciteTexte);
    analyseOperandesExpression(f, a, erreur);
    if (erreur >= 533) return;
    std::string copie;
    if (!garderTexteReecrit) copie = a.texte;
    remplaceCarreParPuissance(a.texte, kSansLimite);
    remplaceLongueursDeSegments(a.texte, kSansLimite, a);
    if (garderTexteReecrit) copie = a.texte;
    a.texte = sansEspaces(a.texte);
    controleLexicalExpression(f, a, erreur);
    if (erreur >= 533) return;
    compileEtOptimiseExpression(a, erreur);
    if (erreur >= 533) return;
    decodeMotsCles(copie, kCapaciteTexte);
    std::string noms;
    for (int v = 0; v < a.nombreVariables && v < 3; ++v)
        noms += a.nomsVariables[std::size_t(v)];
    a.texte = coupe(noms + copie, kCapaciteTexte);
}

} // namespace km32
