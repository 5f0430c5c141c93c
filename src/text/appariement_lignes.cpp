#include "text/appariement_lignes.h"

#include "base/texte.h"
#include "text/ligne_figure.h"

namespace km32 {

namespace {

// Deletes the blanks that follow, then those that precede, each occurrence
// of the separator; in place, in two passes over the text.
void oteBlancsAutour(std::string& t, char separateur) {
    std::size_t w = 0;
    bool apresSeparateur = false;
    for (char c : t) {
        if (apresSeparateur && c == ' ') continue;
        apresSeparateur = c == separateur;
        t[w++] = c;
    }
    t.resize(w);
    w = 0;
    for (char c : t) {
        if (c == separateur)
            while (w > 0 && t[w - 1] == ' ')
                --w;
        t[w++] = c;
    }
    t.resize(w);
}

// The recursive piece matcher of one line against one pattern. Pieces are
// tried at their leftmost occurrences first; when the rest of the pattern
// fails, the piece moves to its next occurrence.
struct Apparieur {
    TLigneFigure& ligne;
    const TModeleLigne& m;
    std::string_view w; // working copy
    std::string_view n; // normalised copy, same positions
    bool commenceParParametre;
    bool finitParParametre;
    bool controle;

    void range(int placeholder, std::string_view texte) {
        if (placeholder < 1 || placeholder > m.nombreParametres) return;
        uint8_t slot = m.ordreParametres[placeholder];
        if (slot >= 1 && slot <= kArgumentsMax) ligne.arguments[slot].assign(texte);
    }

    bool morceau(int i, std::size_t d, std::size_t s) {
        const std::string_view piece = m.morceau(i);
        const std::size_t lw = w.size();
        for (;;) {
            if (s > lw) return false;
            const std::size_t p = posDepuis(s, piece, n);
            if (p == 0) return false;
            if (i == 1 && !commenceParParametre && p > 1) return false;
            // The leading argument is at most 10 characters.
            if (i == 1 && commenceParParametre && p > 11) return false;
            if (i > 1 || commenceParParametre) {
                std::string_view arg = w.substr(d - 1, p - d);
                if (controle && !parenthesesEquilibrees(arg)) {
                    s = p + 1;
                    continue;
                }
                arg = sansBlancsAuxBouts(arg);
                // A name before "=" has at most 9 characters; no later "=" is tried.
                if (piece == "=" && arg.size() > 9) return false;
                range(commenceParParametre ? i : i - 1, arg);
            }
            const std::size_t e = p + piece.size();
            if (e > lw) { // the piece ends the line
                if (i < m.nombreMorceaux) return false;
                return !finitParParametre;
            }
            if (i == m.nombreMorceaux) {
                if (finitParParametre) {
                    std::string_view fin = w.substr(e - 1);
                    if (!controle || parenthesesEquilibrees(fin)) {
                        fin = sansBlancsAuxBouts(fin);
                        if (!fin.empty()) {
                            range(m.nombreParametres, fin);
                            return true;
                        }
                    }
                }
                s = p + 1;
                continue;
            }
            if (morceau(i + 1, e, e + 1)) return true;
            s = p + 1;
        }
    }
};

} // namespace

void oteBlancsAutourSeparateurs(std::string& texte) {
    std::string_view t = sansBlancsAuxBouts(texte);
    if (t.size() != texte.size()) texte = std::string(t);
    for (char separateur : {' ', ':', ',', '#', '='})
        oteBlancsAutour(texte, separateur);
}

std::string normaliseLigne(std::string_view texte) {
    std::string r(texte);
    oteBlancsAutourSeparateurs(r);
    for (char& c : r)
        c = majuscule(c);
    return r;
}

std::size_t posDepuis(std::size_t debut, std::string_view morceau, std::string_view texte) {
    if (morceau.empty()) return 0;
    if (debut < 1) debut = 1;
    if (debut > texte.size()) return 0;
    std::size_t f = texte.find(morceau, debut - 1);
    return f == std::string_view::npos ? 0 : f + 1;
}

bool parenthesesEquilibrees(std::string_view texte) {
    int niveau = 0;
    for (char c : texte) {
        if (c == '(' || c == '[') {
            ++niveau;
        } else if (c == ')' || c == ']') {
            if (niveau == 0) return false;
            --niveau;
        }
    }
    return niveau == 0;
}

void analyseModeleLigne(TModeleLigne& m) {
    m.nombreParametres = 0;
    m.nombreMorceaux = 0;
    m.morceauLePlusLong = 1;
    m.utilisable = true;
    m.ordreParametres.fill(0);
    m.debutMorceau.fill(0);
    m.longueurMorceau.fill(0);
    std::string& t = m.modele;
    if (t.size() > kLongueurModele) t.resize(kLongueurModele);
    oteBlancsAutourSeparateurs(t);
    for (char& c : t)
        c = majuscule(c);

    // Positions from 1 below; t[p - 1] is the character at p.
    std::size_t p = t.find('#') + 1; // 0 when there is none
    if (p == 0) {
        m.nombreMorceaux = 1;
        m.debutMorceau[1] = 1;
        m.longueurMorceau[1] = static_cast<uint8_t>(t.size());
        return;
    }
    if (p > 1) {
        m.nombreMorceaux = 1;
        m.debutMorceau[1] = 1;
        if (t[p - 2] == ' ') t.erase(--p - 1, 1);
        m.longueurMorceau[1] = static_cast<uint8_t>(p - 1);
    }
    while (p > 0) {
        // The digit after "#" is the placeholder's number.
        if (m.nombreParametres == kParametresMax || p == t.size() || t[p] < '1' || t[p] > '9') {
            m.utilisable = false;
            return;
        }
        m.ordreParametres[++m.nombreParametres] = static_cast<uint8_t>(t[p] - '0');
        t.erase(p, 1);
        if (p > 1 && t[p - 2] == ' ') t.erase(--p - 1, 1);
        t[p - 1] = '\\';
        if (p == t.size()) break; // the pattern ends with a placeholder
        if (m.nombreMorceaux == kMorceauxMax) {
            m.utilisable = false;
            return;
        }
        const int k = ++m.nombreMorceaux;
        if (t[p] == ' ') t.erase(p, 1);
        m.debutMorceau[k] = static_cast<uint8_t>(p + 1);
        const std::size_t suivant = t.find('#') + 1;
        if (suivant == 0) {
            m.longueurMorceau[k] = static_cast<uint8_t>(t.size() - p);
            break;
        }
        m.longueurMorceau[k] = static_cast<uint8_t>(suivant - p - 1);
        p = suivant;
    }
    for (int k = 2; k <= m.nombreMorceaux; ++k)
        if (m.longueurMorceau[k] >= m.longueurMorceau[m.morceauLePlusLong]) m.morceauLePlusLong = uint8_t(k);
}

bool apparieModeleLigne(TLigneFigure& ligne, const TModeleLigne& m) {
    if (!m.utilisable) return false;
    const std::string_view n = ligne.copieNormalisee;
    if (posDepuis(1, m.morceau(m.morceauLePlusLong), n) == 0) return false;
    if (m.nombreParametres == 0) {
        ligne.nombreArguments = 0;
        return n == m.modele;
    }
    for (int k = 1; k <= m.nombreMorceaux; ++k)
        ligne.morceaux[k].assign(m.morceau(k));
    // Where the pattern begins and ends with a placeholder, its first piece
    // starts after position 1 and its last piece stops short of the end.
    const bool b = m.nombreMorceaux == 0 || m.debutMorceau[1] > 1;
    const bool e =
        m.nombreMorceaux == 0 ||
        m.debutMorceau[m.nombreMorceaux] + m.longueurMorceau[m.nombreMorceaux] - 1u < m.modele.size();
    bool trouve = false;
    if (m.nombreMorceaux > 0 && ligne.copieTravail.size() == n.size()) {
        Apparieur a{ligne, m, ligne.copieTravail, n, b, e, ligne.controleParentheses != 0};
        trouve = a.morceau(1, 1, b ? 2 : 1);
    }
    ligne.nombreArguments = m.nombreParametres;
    return trouve;
}

} // namespace km32
