#include "text/reconnaissance.h"

#include <memory>
#include <optional>
#include <vector>
#include <string_view>

#include "base/erreur.h"
#include "base/texte.h"
#include "platform/boites.h"
#include "sibling/table_partagee.h"
#include "text/source_phrases.h"

namespace km32 {

namespace {

struct EtatModeles {
    std::array<std::unique_ptr<TTableDesModeles>, 3> tables; // French, English, German
    TTableDesModeles* courante = nullptr;
    // Whether the order of each table was checked since it was built: its
    // patterns do not change until it is freed.
    std::array<bool, 3> ordreVerifie{};
    AfficheurMessage afficheur = nullptr;
};
EtatModeles& etat() {
    static EtatModeles e;
    return e;
}

void afficheParBoite(const std::string& texte, const std::string& titre) {
    platform::boiteMessage(texte, titre, platform::kModalTache);
}

// Piece k of an analysed pattern, read in a copy of its text cut short.
std::string_view morceauDans(std::string_view texte, const TModeleLigne& m, int k) {
    if (m.longueurMorceau[k] == 0 || m.debutMorceau[k] == 0 || m.debutMorceau[k] > texte.size()) return {};
    return texte.substr(m.debutMorceau[k] - 1, m.longueurMorceau[k]);
}

// Whether every line pattern "apres" stands for is also taken by "avant":
// the pieces of avant occur in order in the text of apres, the first at its
// start when avant begins with a piece, the last at its end when avant ends
// with one.
bool modeleCapture(const TModeleLigne& avant, const TModeleLigne& apres) {
    if (!avant.utilisable || !apres.utilisable || avant.nombreMorceaux == 0 || avant.modele == apres.modele)
        return false;
    const std::string_view a = avant.modele, b = apres.modele;
    std::size_t pos = 1;
    for (int k = 1; k <= avant.nombreMorceaux; ++k) {
        const std::string_view piece = morceauDans(a, avant, k);
        const std::size_t q = posDepuis(pos, piece, b);
        if (q == 0 || (k == 1 && avant.debutMorceau[1] == 1 && q > 1)) return false;
        pos = q + piece.size();
    }
    return a.back() == '\\' || pos > b.size();
}

void relieModelesPlusPrecis(TTableDesModeles& t) {
    for (std::size_t i = 0; i < kNombreModeles; ++i)
        for (std::size_t j = i + 1; j < kNombreModeles; ++j)
            if (modeleCapture(t[i], t[j])) t[i].plusPrecis.push_back(uint16_t(kPremierModele + j));
}

} // namespace

const TTableDesModeles& tableDesModelesDeLangue(uint16_t langue) {
    EtatModeles& e = etat();
    const int slot = langue == 2 ? 1 : langue == 3 ? 2 : 0;
    std::unique_ptr<TTableDesModeles>& t = e.tables[slot];
    if (!t) {
        auto nouvelle = std::make_unique<TTableDesModeles>();
        for (std::size_t i = 0; i < kNombreModeles; ++i) {
            TModeleLigne& m = (*nouvelle)[i];
            m.modele = coupe(phraseDeSource(static_cast<uint16_t>(kPremierModele + i)), kLongueurModele);
            analyseModeleLigne(m);
        }
        relieModelesPlusPrecis(*nouvelle);
        t = std::move(nouvelle);
        e.ordreVerifie[std::size_t(slot)] = false;
    }
    e.courante = t.get();
    return *t;
}

const TTableDesModeles* tableDesModeles() {
    return etat().courante;
}

void libereTablesDesModeles() {
    EtatModeles& e = etat();
    e.courante = nullptr;
    for (auto& t : e.tables)
        t.reset();
}

bool controleParenthesesDuModele(uint16_t numero) {
    // Text displays and the tests on expressions take any text. The value
    // lines of a function are checked too: an unclosed point is no sentence
    // (616), refused before any of its points is added.
    return !((numero >= 2000 && numero <= 2002) || (numero >= 2359 && numero <= 2362) ||
             (numero >= 2401 && numero <= 2402));
}

bool ligneCorrespondAuModele(TLigneFigure& ligne, uint16_t numero) {
    verifieIndice(numero, kPremierModele, kDernierModele, "sentence pattern");
    const TTableDesModeles* t = etat().courante;
    if (!t) t = &tableDesModelesDeLangue(TQTableDesVariablesPartagees()->langueAppliquee);
    ligne.controleParentheses = controleParenthesesDuModele(numero) ? 1 : 0;
    return apparieModeleLigne(ligne, (*t)[numero - kPremierModele]);
}

void reconnaitLigne(TLigneFigure& ligne) {
    if (estLigneCodee(ligne)) {
        lisLigneCodee(ligne);
        return;
    }
    const std::string& n = ligne.copieNormalisee;
    const bool test = n.find("TESTE") != std::string::npos || n.find("TEST:") != std::string::npos;
    const uint16_t premier = test ? kPremierTest : kPremierModele;
    const uint16_t dernier = test ? kDernierTest : kDernierModele;
    const TTableDesModeles* t = etat().courante;
    if (!t) t = &tableDesModelesDeLangue(TQTableDesVariablesPartagees()->langueAppliquee);
    for (uint16_t numero = premier; numero <= dernier; ++numero) {
        const std::vector<uint16_t>& plusPrecis = (*t)[numero - kPremierModele].plusPrecis;
        // The line as it stands, for the longer patterns tried after a match.
        std::optional<TLigneFigure> avant;
        if (!plusPrecis.empty()) avant = ligne;
        if (ligneCorrespondAuModele(ligne, numero)) {
            ligne.codeLigne = numero;
            for (uint16_t autre : plusPrecis) {
                if (autre < premier || autre > dernier) continue;
                TLigneFigure essai = *avant;
                if (ligneCorrespondAuModele(essai, autre)) {
                    ligne = std::move(essai);
                    ligne.codeLigne = autre;
                    return;
                }
            }
            return;
        }
    }
    ligne.erreur = kPhraseIncorrecte;
}

bool compareModelesLigne(const TModeleLigne& avant, const TModeleLigne& apres) {
    const std::string_view a = std::string_view(avant.modele).substr(0, 120);
    const std::string_view b = std::string_view(apres.modele).substr(0, 120);
    if (a == b) return false;
    if (posDepuis(1, morceauDans(a, avant, avant.morceauLePlusLong), b) == 0) return false;
    const bool commenceParMorceau = avant.nombreMorceaux > 0 && avant.debutMorceau[1] == 1;
    const bool finitParParametre = !a.empty() && a.back() == '\\';
    std::size_t pos = 1;
    for (int k = 1; k <= avant.nombreMorceaux; ++k) {
        const std::string_view piece = morceauDans(a, avant, k);
        const std::size_t q = posDepuis(pos, piece, b);
        if (q == 0) return false;
        if (k == 1 && commenceParMorceau && q > 1) return false;
        pos = q + piece.size() + 1;
        if (b.size() >= pos && !finitParParametre) return false;
    }
    return true;
}

std::vector<PaireModeles> verifieOrdreModeles() {
    std::vector<PaireModeles> paires;
    const TTableDesModeles* t = etat().courante;
    if (!t) return paires;
    for (uint16_t j = kPremierModele + 1; j <= kDernierModele; ++j) {
        for (uint16_t i = kPremierModele; i < j; ++i) {
            const TModeleLigne& mi = (*t)[i - kPremierModele];
            if (!mi.utilisable || !compareModelesLigne(mi, (*t)[j - kPremierModele])) continue;
            paires.push_back({i, j});
            AfficheurMessage afficheur = etat().afficheur ? etat().afficheur : afficheParBoite;
            afficheur(phraseDeSource(i) + "\r\n" + phraseDeSource(j),
                      "Ordre incorrect " + std::to_string(i) + " " + std::to_string(j));
        }
    }
    return paires;
}

void verifieOrdreModelesUneFois() {
    EtatModeles& e = etat();
    for (std::size_t slot = 0; slot < e.tables.size(); ++slot) {
        if (e.tables[slot].get() != e.courante || !e.courante) continue;
        if (e.ordreVerifie[slot]) return;
        e.ordreVerifie[slot] = true;
        verifieOrdreModeles();
        return;
    }
}

void fixeAfficheurOrdre(AfficheurMessage afficheur) {
    etat().afficheur = afficheur;
}

} // namespace km32
