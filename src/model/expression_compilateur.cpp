// The recursive descent of the expression compiler and its optimisation:
// each sub-text is split at its rightmost operator of lowest precedence,
// every operation becomes one instruction over numbered slots, identical
// instructions are shared, constant ones are folded, and the byte list is
// written.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "base/erreur.h"
#include "model/analyse_expression.h"
#include "model/operations.h"

namespace km32 {

namespace {

constexpr int kMaxInstructions = 40;

bool estMajuscule(uint8_t c) {
    return c >= 'A' && c <= 'Z';
}
bool estChiffre(uint8_t c) {
    return c >= '0' && c <= '9';
}
bool estCodeFonction(uint8_t c) {
    return c >= 1 && c <= 31;
}
bool estRelation(uint8_t c) {
    return c == '<' || c == '=' || c == '>' || c == kJetonDifferent || c == kJetonSuperieurOuEgal ||
           c == kJetonInferieurOuEgal;
}
bool estFonctionDeuxArguments(uint8_t c) {
    return c == kJetonMin || c == kJetonMax || c == kJetonAnp || c == kJetonCnp || c == kJetonDist ||
           c == kJetonVecAB;
}

// A character after which a + or - is the sign of what follows, not a
// binary operator (x^-1, 2*-3, a>-1).
bool estOperateur(uint8_t c) {
    return c == '^' || c == '*' || c == '/' || c == '&' || c == kJetonProduitVectoriel || c == ',' ||
           c == kJetonEt || c == kJetonOu || c == kJetonNon || estRelation(c) || c == '+' || c == '-';
}

// The operator groups, lowest precedence first.
bool dansGroupe(int groupe, uint8_t c) {
    switch (groupe) {
    case 0:
        return c == ',';
    case 1:
        return c == kJetonEt || c == kJetonOu;
    case 2:
        return c == kJetonNon;
    case 3:
        return estRelation(c);
    case 4:
        return c == '+' || c == '-';
    case 5:
        return c == kJetonProduitVectoriel;
    case 6:
        return c == '*' || c == '/';
    case 7:
        return c == '&';
    case 8:
        return c == '^';
    default:
        return false;
    }
}
constexpr int kNombreGroupes = 9;

// True when the "(" at position debut is closed by the text's last character.
bool parentheseFermeeEnFin(std::string_view t, std::size_t debut) {
    int profondeur = 0;
    for (std::size_t i = debut; i < t.size(); ++i) {
        if (t[i] == '(') ++profondeur;
        if (t[i] == ')') {
            --profondeur;
            if (profondeur == 0) return i + 1 == t.size();
        }
    }
    return false;
}

// Top-level commas of a text.
std::vector<std::size_t> virgulesDeSurface(std::string_view t) {
    std::vector<std::size_t> v;
    int profondeur = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '(') ++profondeur;
        if (t[i] == ')') --profondeur;
        if (t[i] == ',' && profondeur == 0) v.push_back(i);
    }
    return v;
}

std::optional<double> lisNombre(std::string_view t) {
    if (t.empty() || t.front() == '.' || t.back() == '.') return std::nullopt;
    int points = 0;
    for (char c : t) {
        if (c == '.')
            ++points;
        else if (!estChiffre(uint8_t(c)))
            return std::nullopt;
    }
    if (points > 1) return std::nullopt;
    double v = 0;
    auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || fin != t.data() + t.size()) return std::nullopt;
    return v;
}

struct Instruction {
    uint8_t code = 0;
    uint8_t resultat = 0;
    uint8_t genre = 0;
    uint8_t nombreOperandes = 0;
    std::array<uint8_t, 10> operandes{};
    bool ote = false;
};

// What a compiled sub-text gives: its slot and kind, its top operator, and
// for a binary operation its right operand (the middle of a chain 0<a<1).
struct Resultat {
    uint8_t casee = 0;
    uint8_t genre = 0;
    uint8_t operateur = 0;
    uint8_t milieu = 0;
    uint8_t genreMilieu = 0;
};

bool estCaseConstante(int c) {
    return c >= kCasePremiereConstante && c <= kCaseDerniereConstante;
}

class Compilation {
  public:
    Compilation(TAnalyseExpression& a, uint16_t& erreur) : a_(a), erreur_(erreur) {
        if (etatCompilateur().modeEquationPlan)
            for (int c = kCasePremiereVariable; c < kCasePremiereVariable + 3; ++c)
                marquees_[std::size_t(c)] = true;
    }

    bool compile(std::string_view texte, Resultat& r);
    void optimiseEtEcrit(const Resultat& r);

  private:
    bool echec(uint16_t n) {
        erreur_ = n;
        return false;
    }
    bool ajouteConstante(uint8_t& casee, double valeur);
    bool ajouteInstruction(uint8_t code, uint8_t genre, std::initializer_list<uint8_t> operandes,
                           uint8_t& casee);
    bool ajouteChargement(uint8_t code, const uint8_t* arguments, int k, uint8_t& casee);
    bool verifieModePlan(const Instruction& ins);
    bool compileBinaire(std::string_view texte, const SousExpression& s, Resultat& r);
    bool compileAppel1(std::string_view texte, Resultat& r);
    bool compileAppelN(std::string_view texte, int n, Resultat& r);
    bool compileUnaire(std::string_view texte, const SousExpression& s, Resultat& r);

    TAnalyseExpression& a_;
    uint16_t& erreur_;
    std::vector<Instruction> instructions_;
    int prochaineCase_ = kCasePremierIntermediaire;
    std::array<bool, 256> marquees_{};
};

bool Compilation::ajouteConstante(uint8_t& casee, double valeur) {
    for (int c = kCasePremiereConstante; c <= a_.derniereCaseConstante; ++c)
        if (constanteAnalyse(a_, c) == valeur) {
            casee = uint8_t(c);
            return true;
        }
    if (a_.derniereCaseConstante >= kCaseDerniereConstante) return echec(565);
    ++a_.derniereCaseConstante;
    a_.constantes[std::size_t(a_.derniereCaseConstante - kCasePremiereConstante)] = valeur;
    casee = a_.derniereCaseConstante;
    return true;
}

// In the plane-equation mode a value that depends on X, Y, Z may only be
// added, subtracted, negated, multiplied by an independent value or divided
// by one.
bool Compilation::verifieModePlan(const Instruction& ins) {
    if (!etatCompilateur().modeEquationPlan) return true;
    int nombreMarques = 0;
    for (int k = 0; k < ins.nombreOperandes; ++k)
        if (marquees_[ins.operandes[std::size_t(k)]]) ++nombreMarques;
    if (nombreMarques == 0) return true;
    const bool permis = ins.code == 1 || ins.code == 31 || ins.code == 32 ||
                        (ins.code == 33 && nombreMarques == 1) ||
                        (ins.code == 34 && !marquees_[ins.operandes[1]]);
    if (!permis) return echec(658);
    marquees_[ins.resultat] = true;
    return true;
}

bool Compilation::ajouteInstruction(uint8_t code, uint8_t genre, std::initializer_list<uint8_t> operandes,
                                    uint8_t& casee) {
    const int taille = genre == kGenreVecteur ? 3 : 1;
    if (int(instructions_.size()) >= kMaxInstructions || prochaineCase_ + taille - 1 > kNombreCases)
        return echec(kStructureSaturee);
    Instruction ins;
    ins.code = code;
    ins.genre = genre;
    ins.resultat = uint8_t(prochaineCase_);
    for (uint8_t o : operandes)
        ins.operandes[ins.nombreOperandes++] = o;
    if (!verifieModePlan(ins)) return false;
    prochaineCase_ += taille;
    instructions_.push_back(ins);
    casee = ins.resultat;
    return true;
}

bool Compilation::ajouteChargement(uint8_t code, const uint8_t* arguments, int k, uint8_t& casee) {
    if (int(instructions_.size()) >= kMaxInstructions || prochaineCase_ > kNombreCases)
        return echec(kStructureSaturee);
    Instruction ins;
    ins.code = code;
    ins.genre = kGenreNombre;
    ins.resultat = uint8_t(prochaineCase_);
    for (int i = 0; i < k; ++i)
        ins.operandes[ins.nombreOperandes++] = arguments[i];
    if (!verifieModePlan(ins)) return false;
    ++prochaineCase_;
    instructions_.push_back(ins);
    casee = ins.resultat;
    return true;
}

bool Compilation::compile(std::string_view texte, Resultat& r) {
    const SousExpression s = analyseSousExpression(texte, a_);
    r = Resultat{};
    if (s.erreurSyntaxe) {
        const bool appel = s.classe == ClasseSousExpression::Appel1 ||
                           s.classe == ClasseSousExpression::Appel2 ||
                           s.classe == ClasseSousExpression::Appel3;
        return echec(appel ? 580 : 563);
    }
    switch (s.classe) {
    case ClasseSousExpression::Liste:
        return echec(594);
    case ClasseSousExpression::Binaire:
        return compileBinaire(texte, s, r);
    case ClasseSousExpression::PrefixeUnaire:
    case ClasseSousExpression::PostfixeUnaire:
        return compileUnaire(texte, s, r);
    case ClasseSousExpression::Appel1:
        return compileAppel1(texte, r);
    case ClasseSousExpression::Appel2:
        return compileAppelN(texte, 2, r);
    case ClasseSousExpression::Appel3:
        return compileAppelN(texte, 3, r);
    case ClasseSousExpression::Parentheses:
        if (!compile(texte.substr(1, texte.size() - 2), r)) return false;
        r.operateur = '(';
        return true;
    case ClasseSousExpression::Operande: {
        const std::size_t l = std::size_t(uint8_t(texte[0]) - 'A');
        if (a_.casesLettres[l] == 0) return echec(563);
        r.casee = a_.casesLettres[l];
        r.genre = a_.genresLettres[l];
        return true;
    }
    case ClasseSousExpression::Constante:
        r.genre = kGenreNombre;
        return ajouteConstante(r.casee, s.valeur);
    default:
        return echec(563);
    }
}

bool Compilation::compileBinaire(std::string_view texte, const SousExpression& s, Resultat& r) {
    Resultat g, d;
    if (!compile(texte.substr(0, s.position), g)) return false;
    if (!compile(texte.substr(s.position + 1), d)) return false;
    uint8_t op = s.operateur;
    const bool inferieur = op == '<' || op == kJetonInferieurOuEgal;
    const bool superieur = op == '>' || op == kJetonSuperieurOuEgal;
    const bool gaucheInferieur = g.operateur == '<' || g.operateur == kJetonInferieurOuEgal;
    const bool gaucheSuperieur = g.operateur == '>' || g.operateur == kJetonSuperieurOuEgal;
    if ((inferieur && gaucheInferieur) || (superieur && gaucheSuperieur)) {
        // 0<a<=1 is 0<a et a<=1.
        if (g.genreMilieu != kGenreNombre) return echec(586);
        uint8_t casee = 0;
        if (!ajouteInstruction(codeOperationDuSymbole(op, kGenreNombre, kGenreNombre), kGenreRelation,
                               {g.milieu, d.casee}, casee))
            return false;
        d.milieu = d.casee;
        d.genreMilieu = d.genre;
        d.casee = casee;
        d.genre = kGenreRelation;
        op = kJetonEt;
    }
    uint8_t genre = 0, code = 0;
    typesCompatibles(g.genre, d.genre, op, erreur_, genre, code);
    if (erreur_ == 586) return false;
    if (op == '&' || op == kJetonProduitVectoriel) a_.drapeauUnite = 1;
    if (op == '*' && g.operateur == '/') return echec(587);
    if (op == '/' && g.operateur == '/') return echec(588);
    if (op == '/' && estCaseConstante(d.casee) && constanteAnalyse(a_, d.casee) == 0) return echec(566);
    if (op == '^' && g.operateur == '^') return echec(589);
    r.operateur = op;
    r.milieu = d.casee;
    r.genreMilieu = d.genre;
    r.genre = genre;
    if (op == '^') {
        std::optional<long> n;
        if (estCaseConstante(d.casee)) {
            const double c = constanteAnalyse(a_, d.casee);
            if (std::fabs(c) < 10 && std::fabs(c - std::round(c)) <= 1e-10) n = std::lround(c);
        }
        if (g.genre == kGenreVecteur) {
            if (n != 2) return echec(563);
            a_.drapeauUnite = 1;
            return ajouteInstruction(52, kGenreNombre, {g.casee}, r.casee);
        }
        if (n == -1) return ajouteInstruction(2, kGenreNombre, {g.casee}, r.casee);
        if (n == 2) return ajouteInstruction(3, kGenreNombre, {g.casee}, r.casee);
        if (n == 3) return ajouteInstruction(4, kGenreNombre, {g.casee}, r.casee);
        return ajouteInstruction(n ? 41 : 42, kGenreNombre, {g.casee, d.casee}, r.casee);
    }
    return ajouteInstruction(code, genre, {g.casee, d.casee}, r.casee);
}

bool Compilation::compileUnaire(std::string_view texte, const SousExpression& s, Resultat& r) {
    const bool postfixe = s.classe == ClasseSousExpression::PostfixeUnaire;
    if (!postfixe && s.position != 0) return echec(563); // text before a "non"
    Resultat x;
    if (!compile(postfixe ? texte.substr(0, texte.size() - 1) : texte.substr(1), x)) return false;
    const uint8_t op = s.operateur;
    r.operateur = op;
    r.genre = x.genre;
    const bool nombreOuVecteur = x.genre == kGenreNombre || x.genre == kGenreVecteur;
    switch (op) {
    case '+':
        if (!nombreOuVecteur) return echec(563);
        r.casee = x.casee;
        return true;
    case '-':
        if (!nombreOuVecteur) return echec(563);
        if (x.genre == kGenreVecteur) return ajouteInstruction(101, kGenreVecteur, {x.casee}, r.casee);
        // The opposite of a constant is a constant: x^-1 is an inverse.
        if (estCaseConstante(x.casee)) return ajouteConstante(r.casee, -constanteAnalyse(a_, x.casee));
        return ajouteInstruction(1, kGenreNombre, {x.casee}, r.casee);
    case '!':
        if (x.genre != kGenreNombre) return echec(563);
        return ajouteInstruction(5, kGenreNombre, {x.casee}, r.casee);
    case kJetonCarre:
        r.genre = kGenreNombre;
        if (x.genre == kGenreVecteur) {
            a_.drapeauUnite = 1;
            return ajouteInstruction(182, kGenreNombre, {x.casee}, r.casee);
        }
        if (x.genre != kGenreNombre) return echec(563);
        return ajouteInstruction(3, kGenreNombre, {x.casee}, r.casee);
    case kJetonNon:
        if (x.genre != kGenreNombre && x.genre != kGenreRelation) return echec(563);
        return ajouteInstruction(6, x.genre, {x.casee}, r.casee);
    default:
        return echec(563);
    }
}

bool Compilation::compileAppel1(std::string_view texte, Resultat& r) {
    const uint8_t f = uint8_t(texte[0]);
    const std::string_view dedans = texte.substr(2, texte.size() - 3);
    r.operateur = f;
    if (f == kJetonVec) {
        if (dedans.size() == 1 && estMajuscule(uint8_t(dedans[0]))) {
            const std::size_t l = std::size_t(uint8_t(dedans[0]) - 'A');
            if (a_.genresLettres[l] == kGenreVecteur && a_.casesLettres[l] != 0) {
                r.casee = a_.casesLettres[l];
                r.genre = kGenreVecteur;
                return true;
            }
        }
        return echec(592);
    }
    Resultat x;
    if (!compile(dedans, x)) return false;
    if (x.genre == kGenreRelation && f != kJetonMu) return echec(590);
    if (f == kJetonMu) {
        if (x.genre != kGenreRelation) return echec(591);
        r.casee = x.casee;
        r.genre = kGenreNombre;
        return true;
    }
    r.genre = kGenreNombre;
    if (f == kJetonNorm) {
        if (x.genre != kGenreVecteur) return echec(563);
        a_.drapeauUnite = 1;
        return ajouteInstruction(181, kGenreNombre, {x.casee}, r.casee);
    }
    if (x.genre != kGenreNombre) return echec(563);
    if (estMajuscule(f)) {
        const int rang = int(f - 'A') + 1 - a_.nombreVariables; // place of the object in the header
        if (rang < 1) return echec(563);
        return ajouteChargement(uint8_t(200 + rang), &x.casee, 1, r.casee);
    }
    const uint8_t code = codeOperationDuSymbole(f, kGenreNombre, kGenreNombre);
    if (code == 0) return echec(563);
    return ajouteInstruction(code, kGenreNombre, {x.casee}, r.casee);
}

bool Compilation::compileAppelN(std::string_view texte, int n, Resultat& r) {
    const uint8_t f = uint8_t(texte[0]);
    const std::string_view dedans = texte.substr(2, texte.size() - 3);
    r.operateur = f;
    const std::vector<std::size_t> virgules = virgulesDeSurface(dedans);
    if (int(virgules.size()) < n - 1) return echec(n == 2 ? 593 : 672);
    std::array<Resultat, 3> x;
    std::size_t debut = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t fin = i < n - 1 ? virgules[std::size_t(i)] : dedans.size();
        if (!compile(dedans.substr(debut, fin - debut), x[std::size_t(i)])) return false;
        debut = fin + 1;
    }
    r.genre = kGenreNombre;
    if (estMajuscule(f)) {
        const int rang = int(f - 'A') + 1 - a_.nombreVariables;
        if (rang < 1) return echec(563);
        const uint8_t arguments[3] = {x[0].casee, x[1].casee, x[2].casee};
        return ajouteChargement(uint8_t(200 + rang), arguments, n, r.casee);
    }
    if (f == kJetonDist || f == kJetonVecAB) {
        if (x[0].genre != kGenrePoint || x[1].genre != kGenrePoint) return echec(563);
        if (f == kJetonDist) {
            a_.drapeauUnite = 1;
            return ajouteInstruction(164, kGenreNombre, {x[0].casee, x[1].casee}, r.casee);
        }
        r.genre = kGenreVecteur;
        return ajouteInstruction(133, kGenreVecteur, {x[0].casee, x[1].casee}, r.casee);
    }
    if (x[0].genre != kGenreNombre || x[1].genre != kGenreNombre) return echec(563);
    return ajouteInstruction(codeOperationDuSymbole(f, kGenreNombre, kGenreNombre), kGenreNombre,
                             {x[0].casee, x[1].casee}, r.casee);
}

// Sharing, folding, removal of unused constants, and the byte list.
void Compilation::optimiseEtEcrit(const Resultat& r) {
    std::array<uint8_t, 256> remplace{};
    for (int c = 0; c < 256; ++c)
        remplace[std::size_t(c)] = uint8_t(c);
    auto substitue = [&](Instruction& ins) {
        for (int k = 0; k < ins.nombreOperandes; ++k)
            ins.operandes[std::size_t(k)] = remplace[ins.operandes[std::size_t(k)]];
    };

    // Sharing of identical instructions.
    for (std::size_t j = 0; j < instructions_.size(); ++j) {
        Instruction& ins = instructions_[j];
        substitue(ins);
        for (std::size_t i = 0; i < j; ++i) {
            const Instruction& avant = instructions_[i];
            if (avant.ote || avant.code != ins.code || avant.genre != ins.genre ||
                avant.nombreOperandes != ins.nombreOperandes || avant.operandes != ins.operandes)
                continue;
            ins.ote = true;
            remplace[ins.resultat] = avant.resultat;
            break;
        }
    }

    // Folding of instructions whose operands are all constants.
    for (Instruction& ins : instructions_) {
        if (ins.ote) continue;
        substitue(ins);
        if (ins.code > 48) continue;
        const int arite = ariteOperation(ins.code);
        if (arite != ins.nombreOperandes) continue;
        bool constantes = true;
        for (int k = 0; k < arite; ++k)
            constantes = constantes && estCaseConstante(ins.operandes[std::size_t(k)]);
        if (!constantes) continue;
        double valeur = 0;
        bool erreur = false;
        const double x = constanteAnalyse(a_, ins.operandes[0]);
        if (arite == 1)
            calculeFonctionUnaire(ins.code, valeur, erreur, x);
        else
            calculeOperationBinaire(ins.code, valeur, erreur, x, constanteAnalyse(a_, ins.operandes[1]));
        if (erreur) {
            erreur_ = 566;
            return;
        }
        uint8_t casee = 0;
        if (!ajouteConstante(casee, valeur)) return;
        ins.ote = true;
        remplace[ins.resultat] = casee;
    }

    const uint8_t resultat = remplace[r.casee];
    std::vector<Instruction> restantes;
    for (const Instruction& ins : instructions_)
        if (!ins.ote) restantes.push_back(ins);

    if (estCaseConstante(resultat)) {
        // The whole expression is one constant: its value goes to slot 13.
        a_.constantes[0] = constanteAnalyse(a_, resultat);
        a_.derniereCaseConstante = kCasePremiereConstante;
        a_.drapeauConstante = 1;
        a_.longueurListe = 0;
        return;
    }

    // Constants no instruction uses are removed; the others keep their order.
    std::array<bool, 256> utilisee{};
    for (const Instruction& ins : restantes)
        for (int k = 0; k < ins.nombreOperandes; ++k)
            utilisee[ins.operandes[std::size_t(k)]] = true;
    std::array<double, kMaxConstantesExpression> gardees{};
    std::array<uint8_t, 256> nouvelle{};
    for (int c = 0; c < 256; ++c)
        nouvelle[std::size_t(c)] = uint8_t(c);
    int derniere = kCasePremiereConstante - 1;
    for (int c = kCasePremiereConstante; c <= a_.derniereCaseConstante; ++c)
        if (utilisee[std::size_t(c)]) {
            ++derniere;
            gardees[std::size_t(derniere - kCasePremiereConstante)] = constanteAnalyse(a_, c);
            nouvelle[std::size_t(c)] = uint8_t(derniere);
        }
    a_.constantes = gardees;
    a_.derniereCaseConstante = uint8_t(derniere);
    a_.drapeauConstante = 0;

    // Intermediate results take consecutive slots again; the last one is slot 1.
    int prochaine = kCasePremierIntermediaire;
    for (std::size_t j = 0; j < restantes.size(); ++j) {
        Instruction& ins = restantes[j];
        const int taille = ins.genre == kGenreVecteur ? 3 : 1;
        nouvelle[ins.resultat] = j + 1 == restantes.size() ? uint8_t(1) : uint8_t(prochaine);
        prochaine += taille;
    }

    auto& liste = a_.listeOctets;
    int p = 0;
    auto ecris = [&](int octet) {
        ++p;
        if (p > kMaxOctetsCode) throw ErreurInterne("byte list too long", kStructureSaturee);
        liste[std::size_t(p)] = uint8_t(octet);
    };
    try {
        ecris(r.genre);
        ecris(a_.nombreObjets);
        ecris(a_.nombreVariables);
        if (restantes.empty()) {
            // A single object, or a single variable (its first slot minus 3).
            const int l = [&] {
                for (int k = 0; k < 26; ++k)
                    if (a_.casesLettres[std::size_t(k)] == resultat && a_.genresLettres[std::size_t(k)] != 0)
                        return k;
                return -1;
            }();
            if (l < 0) throw ErreurInterne("result without letter", 563);
            if (l < a_.nombreVariables)
                ecris(resultat - 3);
            else
                ecris(a_.objets[std::size_t(l - a_.nombreVariables)]);
        } else {
            for (int i = 0; i < a_.nombreObjets; ++i)
                ecris(a_.objets[std::size_t(i)]);
            for (int i = 0; i < a_.nombreVariables; ++i)
                ecris(a_.genresVariables[std::size_t(i)]);
            for (const Instruction& ins : restantes) {
                ecris(ins.code);
                ecris(nouvelle[ins.resultat]);
                if (ins.code > 200) ecris(ins.nombreOperandes);
                for (int k = 0; k < ins.nombreOperandes; ++k)
                    ecris(nouvelle[ins.operandes[std::size_t(k)]]);
            }
        }
    } catch (const ErreurInterne& e) {
        erreur_ = e.phrase();
        return;
    }
    a_.longueurListe = uint8_t(p);
}

} // namespace

uint8_t codeOperationDuSymbole(uint8_t jeton, uint8_t genreGauche, uint8_t genreDroit) {
    const bool vecteur = genreGauche == kGenreVecteur;
    switch (jeton) {
    case '+':
        return vecteur ? 131 : 31;
    case '-':
        return vecteur ? 132 : 32;
    case '*':
        return genreDroit == kGenreVecteur ? 141 : 33;
    case '/':
        return vecteur ? 142 : 34;
    case '=':
        return vecteur ? 162 : 35;
    case kJetonDifferent:
        return vecteur ? 73 : 36;
    case '>':
        return 37;
    case '<':
        return 38;
    case kJetonSuperieurOuEgal:
        return 39;
    case kJetonInferieurOuEgal:
        return 40;
    case '^':
        return 42;
    case '&':
        return 161;
    case kJetonProduitVectoriel:
        return 134;
    case kJetonEt:
        return 47;
    case kJetonOu:
        return 48;
    case kJetonRac:
    case kJetonSqrt:
        return 11;
    case kJetonCos:
        return 12;
    case kJetonSin:
        return 13;
    case kJetonTan:
        return 14;
    case kJetonArccos:
        return 15;
    case kJetonArcsin:
        return 16;
    case kJetonArctan:
        return 17;
    case kJetonExp:
        return 18;
    case kJetonLn:
        return 19;
    case kJetonInt:
        return 20;
    case kJetonAbs:
        return 21;
    case kJetonMin:
        return 43;
    case kJetonMax:
        return 44;
    case kJetonAnp:
        return 45;
    case kJetonCnp:
        return 46;
    case kJetonDist:
        return 164;
    case kJetonVecAB:
        return 133;
    case kJetonNorm:
        return 181;
    default:
        return 0;
    }
}

void typesCompatibles(uint8_t g, uint8_t d, uint8_t jeton, uint16_t& erreur, uint8_t& genreResultat,
                      uint8_t& code) {
    const auto nombreOuVecteur = [](uint8_t k) { return k == kGenreNombre || k == kGenreVecteur; };
    bool ok = true;
    genreResultat = g;
    switch (jeton) {
    case '+':
    case '-':
        ok = g == d && nombreOuVecteur(g);
        break;
    case '*':
        ok = g == kGenreNombre && nombreOuVecteur(d);
        genreResultat = d;
        break;
    case '/':
        ok = d == kGenreNombre && nombreOuVecteur(g);
        break;
    case '^':
        ok = d == kGenreNombre && nombreOuVecteur(g);
        genreResultat = kGenreNombre;
        break;
    case '&':
        ok = g == kGenreVecteur && d == kGenreVecteur;
        genreResultat = kGenreNombre;
        break;
    case kJetonProduitVectoriel:
        ok = g == kGenreVecteur && d == kGenreVecteur;
        genreResultat = kGenreVecteur;
        break;
    case '=':
    case kJetonDifferent:
        ok = g == d && nombreOuVecteur(g);
        genreResultat = kGenreRelation;
        break;
    case '<':
    case '>':
    case kJetonInferieurOuEgal:
    case kJetonSuperieurOuEgal:
        ok = g == kGenreNombre && d == kGenreNombre;
        genreResultat = kGenreRelation;
        break;
    case kJetonEt:
    case kJetonOu:
        ok = g == kGenreRelation && d == kGenreRelation;
        genreResultat = kGenreRelation;
        break;
    default:
        break;
    }
    if (!ok) {
        erreur = 586;
        return;
    }
    code = codeOperationDuSymbole(jeton, g, d);
}

SousExpression analyseSousExpression(std::string_view t, const TAnalyseExpression& a) {
    SousExpression s;
    auto erreur = [&](ClasseSousExpression c) {
        s.classe = c;
        s.erreurSyntaxe = true;
        return s;
    };
    if (t.empty()) return erreur(ClasseSousExpression::Erreur);

    // The lowest-precedence operator at depth 0, at its rightmost place.
    for (int groupe = 0; groupe < kNombreGroupes; ++groupe) {
        int profondeur = 0;
        for (std::size_t i = t.size(); i-- > 0;) {
            const uint8_t c = uint8_t(t[i]);
            if (c == ')') ++profondeur;
            if (c == '(') --profondeur;
            if (profondeur != 0 || !dansGroupe(groupe, c)) continue;
            if (groupe == 4 && i > 0 && estOperateur(uint8_t(t[i - 1]))) continue; // a sign
            s.operateur = c;
            s.position = i;
            if (i + 1 == t.size()) return erreur(ClasseSousExpression::Binaire);
            if (c == ',')
                s.classe = ClasseSousExpression::Liste;
            else if ((groupe == 4 && i == 0) || c == kJetonNon)
                s.classe = ClasseSousExpression::PrefixeUnaire;
            else
                s.classe = ClasseSousExpression::Binaire;
            return s;
        }
    }

    const uint8_t premier = uint8_t(t.front());
    const uint8_t dernier = uint8_t(t.back());
    if (dernier == '!' || dernier == kJetonCarre) {
        s.classe = ClasseSousExpression::PostfixeUnaire;
        s.operateur = dernier;
        s.position = t.size() - 1;
        return s;
    }
    auto appel = [&](ClasseSousExpression c) {
        s.classe = c;
        s.operateur = premier;
        if (t.size() < 4 || t[1] != '(' || !parentheseFermeeEnFin(t, 1)) s.erreurSyntaxe = true;
        return s;
    };
    if (estCodeFonction(premier) || premier == kJetonMu)
        return appel(estFonctionDeuxArguments(premier) ? ClasseSousExpression::Appel2
                                                       : ClasseSousExpression::Appel1);
    if (premier == '(') {
        s.classe = ClasseSousExpression::Parentheses;
        s.operateur = premier;
        if (t.size() < 3 || !parentheseFermeeEnFin(t, 0)) s.erreurSyntaxe = true;
        return s;
    }
    if (estMajuscule(premier)) {
        switch (a.genresLettres[std::size_t(premier - 'A')]) {
        case kGenreFonction:
        case kGenreSuite:
            return appel(ClasseSousExpression::Appel1);
        case kGenreFonction2:
            return appel(ClasseSousExpression::Appel2);
        case kGenreFonction3:
            return appel(ClasseSousExpression::Appel3);
        default:
            s.classe = ClasseSousExpression::Operande;
            s.operateur = premier;
            if (t.size() != 1) s.erreurSyntaxe = true;
            return s;
        }
    }
    if (premier == kJetonPi) {
        s.classe = ClasseSousExpression::Constante;
        s.valeur = kPi;
        if (t.size() != 1) s.erreurSyntaxe = true;
        return s;
    }
    const std::optional<double> v = lisNombre(t);
    if (!v) return erreur(ClasseSousExpression::Constante);
    s.classe = ClasseSousExpression::Constante;
    s.valeur = *v;
    return s;
}

void compileEtOptimiseExpression(TAnalyseExpression& a, uint16_t& erreur) {
    a.derniereCaseConstante = kCasePremiereConstante - 1;
    a.drapeauConstante = 0;
    a.longueurListe = 0;
    uint16_t e = 0;
    Compilation c(a, e);
    Resultat r;
    if (!c.compile(a.texte, r)) {
        erreur = e;
        return;
    }
    a.operateurSommet = r.operateur;
    const EtatCompilateur& etat = etatCompilateur();
    if (etat.controleDuGenre && a.genreResultat != 0 && a.genreResultat != r.genre) {
        if (a.genreResultat == kGenreNombre)
            erreur = 571;
        else if (a.genreResultat == kGenreVecteur)
            erreur = 570;
        else if (a.genreResultat == kGenreRelation)
            erreur = 622;
        else
            erreur = 563;
        return;
    }
    a.genreResultat = r.genre;
    c.optimiseEtEcrit(r);
    if (e != 0) erreur = e;
}

} // namespace km32
