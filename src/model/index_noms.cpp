#include "model/index_noms.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <type_traits>

#include "base/erreur.h"
#include "model/objets_figure.h"

namespace km32 {

namespace {

// Figures whose index is kept: a text runs into one figure, a host shows a
// few; any other figure takes the place of the one used least recently.
constexpr std::size_t kIndexGardes = 4;

uint64_t compteurVersions = 0;
uint64_t compteurUsages = 0;

std::array<std::unique_ptr<IndexNoms>, kIndexGardes>& indexGardes() {
    static std::array<std::unique_ptr<IndexNoms>, kIndexGardes> gardes;
    return gardes;
}

bool estLigneADeuxPoints(uint8_t code) {
    return code == 30 || code == 33 || code == 34;
}

// Everything of object i its name is made of, apart from the object-name
// text: kind (a vector is written vec(u)), code (a line by two points is
// named by them), the slice of the text, and the two parents of a line by
// two points.
uint64_t cleNom(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    uint64_t cle = uint64_t(o.nature) | uint64_t(o.codeConstruction) << 8 | uint64_t(o.longueurNom) << 16 |
                   uint64_t(o.debutNom) << 24;
    if (estLigneADeuxPoints(o.codeConstruction))
        cle |= uint64_t(parentDepuisZero(f, i, 0)) << 40 | uint64_t(parentDepuisZero(f, i, 1)) << 48;
    return cle;
}
uint8_t premierParentDeCle(uint64_t cle) {
    return uint8_t(cle >> 40);
}
uint8_t secondParentDeCle(uint64_t cle) {
    return uint8_t(cle >> 48);
}

// 1 when the objects named nom hold two or more that are not lines by two
// points, one of them a user object.
int enDouble(const IndexNoms& x, const std::string& nom) {
    const auto it = x.parNom.find(nom);
    if (it == x.parNom.end()) return 0;
    int simples = 0;
    bool utilisateur = false;
    for (uint8_t j : it->second) {
        if (x.entrees[j].parPaire) continue;
        ++simples;
        utilisateur = utilisateur || j > kObjetsPredefinis;
    }
    return simples >= 2 && utilisateur ? 1 : 0;
}

void ajouteA(TableIndexNoms& table, const std::string& nom, uint8_t i) {
    std::vector<uint8_t>& objets = table[nom];
    objets.insert(std::lower_bound(objets.begin(), objets.end(), i), i);
}

void retireDe(TableIndexNoms& table, const std::string& nom, uint8_t i) {
    const auto it = table.find(nom);
    if (it == table.end()) return;
    std::vector<uint8_t>& objets = it->second;
    objets.erase(std::remove(objets.begin(), objets.end(), i), objets.end());
    if (objets.empty()) table.erase(it);
}

// The count of names of two characters or more with the entry's initial,
// moved by sens when the entry is one of them.
void compteNomLong(IndexNoms& x, const EntreeIndexNoms& e, int sens) {
    if (!e.parPaire && e.nom.size() >= 2)
        x.nomsLongsParInitiale[static_cast<unsigned char>(e.nom[0])] += sens;
}

std::size_t premiereDifference(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t k = 0;
    while (k < n && a[k] == b[k])
        ++k;
    return k;
}

// Puts entry i into the tables (sens +1) or takes it out (sens -1), with
// the counts of names borne twice and of long names.
void rangeEntree(IndexNoms& x, int i, int sens) {
    const EntreeIndexNoms& e = x.entrees[std::size_t(i)];
    const auto range = [&](TableIndexNoms& table, const std::string& nom) {
        if (sens > 0)
            ajouteA(table, nom, uint8_t(i));
        else
            retireDe(table, nom, uint8_t(i));
    };
    x.nomsEnDouble -= enDouble(x, e.nom);
    range(x.parNom, e.nom);
    x.nomsEnDouble += enDouble(x, e.nom);
    range(x.parNotation, e.notation);
    compteNomLong(x, e, sens);
}

static_assert(std::is_trivially_copyable_v<TObjetFigure>, "object records are compared byte for byte");

// Whether the figure holds the objects, name text and parents of lines by
// two points the index was last brought up to date with.
bool rienNAChange(const IndexNoms& x, const TfigureKalmetra& f) {
    const int n = f.nombreObjets;
    if (n != x.nombreObjets || std::size_t(n) != x.objetsLus.size() || f.texteDesNoms != x.texteDesNoms)
        return false;
    if (n > 0 && std::memcmp(&objet(f, 1), x.objetsLus.data(), std::size_t(n) * sizeof(TObjetFigure)) != 0)
        return false;
    for (const IndexNoms::LigneParPaire& l : x.lignesParPaire)
        if (parentDepuisZero(f, l.objet, 0) != l.premier || parentDepuisZero(f, l.objet, 1) != l.second)
            return false;
    return true;
}

// Keeps what rienNAChange compares.
void noteCeQuiALu(IndexNoms& x, const TfigureKalmetra& f) {
    const int n = f.nombreObjets;
    x.objetsLus.resize(std::size_t(n));
    if (n > 0) std::memcpy(x.objetsLus.data(), &objet(f, 1), std::size_t(n) * sizeof(TObjetFigure));
    x.lignesParPaire.clear();
    for (int i = 1; i <= n; ++i)
        if (estLigneADeuxPoints(objet(f, i).codeConstruction))
            x.lignesParPaire.push_back({uint8_t(i), parentDepuisZero(f, i, 0), parentDepuisZero(f, i, 1)});
}

void metAJour(IndexNoms& x, const TfigureKalmetra& f) {
    if (x.entrees.empty()) x.entrees.resize(std::size_t(kMaxObjets) + 1);
    if (rienNAChange(x, f)) return;
    // Slices that end before the first character that differs from the
    // text of the last update read the same names.
    const std::string& texte = f.texteDesNoms;
    std::size_t differe = std::string::npos;
    if (texte != x.texteDesNoms) differe = premiereDifference(texte, x.texteDesNoms);
    const int n = f.nombreObjets;
    std::array<bool, std::size_t(kMaxObjets) + 1> nomChange{};
    for (int i = 1; i <= n; ++i) {
        const uint64_t cle = cleNom(f, i);
        EntreeIndexNoms& e = x.entrees[std::size_t(i)];
        const bool nouveau = i > x.nombreObjets;
        bool refaire = nouveau || e.cle != cle;
        if (!refaire && differe != std::string::npos) {
            const TObjetFigure& o = objet(f, i);
            refaire = o.longueurNom > 0 && std::size_t(o.debutNom) + o.longueurNom > differe + 1;
        }
        // A line by two points is named by them: it follows their names.
        if (!refaire && e.parPaire)
            refaire = nomChange[premierParentDeCle(cle)] || nomChange[secondParentDeCle(cle)];
        if (!refaire) continue;
        std::string nom = nomObjet(f, i);
        std::string notation = nomObjetOuVecteur(f, i);
        const uint8_t nature = objet(f, i).nature;
        const bool parPaire = estLigneADeuxPoints(objet(f, i).codeConstruction);
        e.cle = cle;
        if (!nouveau && nom == e.nom && notation == e.notation && nature == e.nature &&
            parPaire == e.parPaire)
            continue;
        if (!nouveau) rangeEntree(x, i, -1);
        e.nom = std::move(nom);
        e.notation = std::move(notation);
        e.nature = nature;
        e.parPaire = parPaire;
        e.version = ++compteurVersions;
        rangeEntree(x, i, +1);
        nomChange[std::size_t(i)] = true;
    }
    for (int i = n + 1; i <= x.nombreObjets; ++i) {
        rangeEntree(x, i, -1);
        x.entrees[std::size_t(i)] = EntreeIndexNoms{};
    }
    x.nombreObjets = n;
    if (differe != std::string::npos) x.texteDesNoms = texte;
    noteCeQuiALu(x, f);
}

std::span<const uint8_t> objetsDe(const TableIndexNoms& table, std::string_view nom) {
    const auto it = table.find(nom);
    if (it == table.end()) return {};
    return it->second;
}

} // namespace

const IndexNoms* indexNomsAJour(const TfigureKalmetra& f) {
    auto& gardes = indexGardes();
    std::unique_ptr<IndexNoms>* place = nullptr;
    for (auto& g : gardes)
        if (g && g->figure == &f) place = &g;
    if (place == nullptr) {
        // A free place, or the index used least recently. Its entries stay:
        // the compare below brings them to this figure like any change.
        place = &gardes[0];
        for (auto& g : gardes)
            if (!g || (*place && g->dernierUsage < (*place)->dernierUsage)) place = &g;
        if (!*place) *place = std::make_unique<IndexNoms>();
        (*place)->figure = &f;
    }
    IndexNoms& x = **place;
    x.dernierUsage = ++compteurUsages;
    try {
        metAJour(x, f);
    } catch (const ErreurInterne&) {
        // A record out of range half-way: start again from nothing next time.
        place->reset();
        return nullptr;
    }
    return &x;
}

std::span<const uint8_t> objetsDeNom(const IndexNoms& index, std::string_view nom) {
    return objetsDe(index.parNom, nom);
}

std::span<const uint8_t> objetsDeNotation(const IndexNoms& index, std::string_view nom) {
    return objetsDe(index.parNotation, nom);
}

void libereIndexNoms() {
    for (auto& g : indexGardes())
        g.reset();
}

} // namespace km32
