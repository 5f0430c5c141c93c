#include "sibling/texte_math.h"

#include <algorithm>
#include <array>

#include "platform/trace_enregistre.h"

namespace km32 {

namespace {
struct EtatTexteMath {
    int16_t taille = 0;
    int16_t type = 0;
    Couleur couleur = platform::kNoir;
};

EtatTexteMath& etat() {
    static EtatTexteMath e;
    return e;
}

// Cell heights of the sizes 0..kTailleMaxTQ; the width follows the height the
// way the recording backend measures text, so what is measured here is what a
// recorded text primitive covers.
constexpr std::array<int32_t, kTailleMaxTQ + 1> kHauteurs{15, 18, 21, 25, 30, 36};

int16_t tailleBornee(int16_t taille) {
    if (taille == kTailleCouranteTQ) taille = etat().taille;
    return std::clamp<int16_t>(taille, 0, kTailleMaxTQ);
}

unsigned char octet(std::string_view t, std::size_t i) {
    return static_cast<unsigned char>(t[i]);
}

bool estFinDeLigne(unsigned char c) {
    return c == '\r' || c == '\n';
}

bool estLettreOuChiffre(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// A section mark (";" or byte 255) followed by "s:" or "f:" at i.
bool debutDeListe(std::string_view t, std::size_t i) {
    unsigned char c = octet(t, i);
    if ((c != ';' && c != 0xFF) || i + 2 >= t.size()) return false;
    return (t[i + 1] == 's' || t[i + 1] == 'f') && t[i + 2] == ':';
}

bool estMarqueValeur(unsigned char c) {
    return c == 0xAB || c == 0xBB; // « and »
}

struct Operande {
    std::string texte;
    std::size_t fin = 0; // index after the operand
};

// The operand of "^" or "_" that starts at j, inside a math zone.
std::optional<Operande> lisOperande(std::string_view t, std::size_t j) {
    if (j >= t.size()) return std::nullopt;
    unsigned char d = octet(t, j);
    Operande op;
    if (d == '(') {
        int profondeur = 0;
        for (std::size_t k = j; k < t.size(); ++k) {
            unsigned char c = octet(t, k);
            if (c == '\\' || estFinDeLigne(c)) return std::nullopt;
            if (c == '(') ++profondeur;
            if (c == ')' && --profondeur == 0) {
                for (std::size_t m = j + 1; m < k; ++m)
                    if (!estMarqueValeur(octet(t, m))) op.texte += t[m];
                if (op.texte.empty()) return std::nullopt;
                op.fin = k + 1;
                return op;
            }
        }
        return std::nullopt;
    }
    if (estLettreOuChiffre(d)) {
        std::size_t k = j;
        while (k < t.size() && estLettreOuChiffre(octet(t, k)))
            ++k;
        op.texte = std::string(t.substr(j, k - j));
        op.fin = k;
        return op;
    }
    if (d == '\\' || estFinDeLigne(d) || d == '^' || d == '_' || d == ' ' || debutDeListe(t, j) ||
        estMarqueValeur(d))
        return std::nullopt;
    op.texte = std::string(1, char(d));
    op.fin = j + 1;
    return op;
}

class Constructeur {
  public:
    MiseEnPageTQ resultat;
    bool math = false;
    std::optional<Couleur> couleur;

    void ecrit(char c, int8_t decalage) {
        std::vector<MorceauTQ>& m = resultat.morceaux;
        bool suite = !m.empty() && m.back().ligne == ligne_ && m.back().decalage == decalage &&
                     m.back().math == math && m.back().couleur == couleur &&
                     m.back().colonne + int32_t(m.back().texte.size()) == colonne_;
        if (suite)
            m.back().texte += c;
        else
            m.push_back(MorceauTQ{std::string(1, c), colonne_, ligne_, decalage, math, couleur});
        ++colonne_;
        resultat.colonnes = std::max(resultat.colonnes, colonne_);
    }
    void ecrit(const std::string& texte, int8_t decalage) {
        for (char c : texte)
            ecrit(c, decalage);
    }
    void nouvelleLigne() {
        ++ligne_;
        colonne_ = 0;
        resultat.lignes = ligne_ + 1;
    }

  private:
    int32_t ligne_ = 0;
    int32_t colonne_ = 0;
};

// A "$" code at i (t[i] == '$'); returns the index after it.
std::size_t appliqueCode(std::string_view t, std::size_t i, Constructeur& c) {
    if (i + 1 >= t.size()) {
        c.ecrit('$', 0);
        return i + 1;
    }
    unsigned char d = octet(t, i + 1);
    switch (d) {
    case '$':
        c.ecrit('$', 0);
        return i + 2;
    case 'r':
        c.couleur = kRougeTQ;
        return i + 2;
    case 'v':
        c.couleur = kVertTQ;
        return i + 2;
    case 'b':
        c.couleur = kBleuTQ;
        return i + 2;
    case 'N':
    case 'n':
        c.couleur.reset();
        return i + 2;
    default:
        if ((d >= 'a' && d <= 'z') || (d >= 'A' && d <= 'Z')) return i + 2; // unknown code
        c.ecrit('$', 0);
        return i + 1;
    }
}
} // namespace

void SetFontTaille(int16_t taille) {
    etat().taille = tailleBornee(taille);
}

void SetFontTailleEtType(int16_t taille, int16_t type) {
    etat().taille = tailleBornee(taille);
    etat().type = type;
}

int16_t tailleFonteTQ() {
    return etat().taille;
}

int16_t typeFonteTQ() {
    return etat().type;
}

Couleur CouleurTexte() {
    return etat().couleur;
}

void fixeCouleurTexteTQ(Couleur couleur) {
    etat().couleur = couleur;
}

int32_t haut(int16_t taille, int16_t) {
    return kHauteurs[std::size_t(tailleBornee(taille))];
}

int32_t larg(int16_t taille) {
    return platform::largeurCelluleEnregistree(haut(taille));
}

MiseEnPageTQ miseEnPageTexteMath(std::string_view t) {
    Constructeur c;
    std::size_t i = 0;
    while (i < t.size()) {
        unsigned char x = octet(t, i);
        if (x == '\r') {
            c.nouvelleLigne();
            i += (i + 1 < t.size() && t[i + 1] == '\n') ? 2 : 1;
        } else if (x == '\n') {
            c.nouvelleLigne();
            ++i;
        } else if (x == '$') {
            i = appliqueCode(t, i, c);
        } else if (x == '\\') {
            c.math = !c.math;
            ++i;
        } else if (c.math && debutDeListe(t, i)) {
            while (i < t.size() && t[i] != '\\')
                ++i;
        } else if (c.math && estMarqueValeur(x)) {
            ++i;
        } else if (c.math && (x == '^' || x == '_')) {
            std::optional<Operande> op = lisOperande(t, i + 1);
            if (op) {
                c.ecrit(op->texte, x == '^' ? -1 : 1);
                i = op->fin;
            } else {
                c.ecrit(char(x), 0);
                ++i;
            }
        } else {
            c.ecrit(char(x), 0);
            ++i;
        }
    }
    return std::move(c.resultat);
}

std::string lectureTexteMath(std::string_view texte, bool uneLigne) {
    MiseEnPageTQ m = miseEnPageTexteMath(texte);
    std::string r;
    int32_t ligne = 0;
    for (const MorceauTQ& p : m.morceaux) {
        std::string_view texte = p.texte;
        if (ligne < p.ligne && !uneLigne) {
            for (; ligne < p.ligne; ++ligne)
                r += " / ";
        } else if (ligne < p.ligne) {
            // The line goes on after one blank, as if it were not broken;
            // the blanks that start the next line are the cut's indentation.
            ligne = p.ligne;
            if (!r.empty() && r.back() != ' ') r += ' ';
            while (!texte.empty() && texte.front() == ' ')
                texte.remove_prefix(1);
        }
        if (texte.empty()) continue;
        if (p.decalage == 0) {
            r += texte;
            continue;
        }
        r += p.decalage < 0 ? '^' : '_';
        r += texte.size() > 1 ? "(" + std::string(texte) + ")" : std::string(texte);
    }
    return r;
}

EncombrementTQ encombrementMiseEnPage(const MiseEnPageTQ& m, int16_t taille) {
    const int32_t h = haut(taille), demi = h / 2;
    EncombrementTQ e;
    e.largeur = m.colonnes * larg(taille);
    e.dessous = m.lignes * h;
    for (const MorceauTQ& p : m.morceaux) {
        int32_t y = p.ligne * h + p.decalage * demi;
        e.dessus = std::min(e.dessus, y);
        e.dessous = std::max(e.dessous, y + h);
    }
    return e;
}

EncombrementTQ EncombrementExpG(std::string_view texte, int16_t taille) {
    return encombrementMiseEnPage(miseEnPageTexteMath(texte), taille);
}

EncombrementTQ EncomBrementTexteG(std::string_view texte, int16_t taille) {
    return encombrementMiseEnPage(miseEnPageTexteMath(texte), taille);
}

int32_t syntaxeTexteMath(std::string_view t) {
    const int32_t fin = int32_t(t.size()) + 1;
    bool math = false;
    std::vector<std::size_t> ouvertes; // open parentheses of the zone
    std::size_t i = 0;
    while (i < t.size()) {
        unsigned char x = octet(t, i);
        if (x == '\\') {
            if (math && !ouvertes.empty()) return int32_t(i) + 1;
            math = !math;
            ++i;
            continue;
        }
        if (!math) {
            ++i;
            continue;
        }
        if (debutDeListe(t, i)) {
            if (!ouvertes.empty()) return int32_t(i) + 1;
            while (i < t.size() && t[i] != '\\')
                ++i;
            continue;
        }
        if (x == '(') ouvertes.push_back(i);
        if (x == ')') {
            if (ouvertes.empty()) return int32_t(i) + 1;
            ouvertes.pop_back();
        }
        if ((x == '^' || x == '_') && !lisOperande(t, i + 1)) return int32_t(i) + 1;
        ++i;
    }
    return math ? fin : 0;
}

void reinitialiseTexteMathTQ() {
    etat() = EtatTexteMath{};
}

} // namespace km32
