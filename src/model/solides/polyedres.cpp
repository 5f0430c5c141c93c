#include "model/solides/polyedres.h"

#include <type_traits>

#include "base/erreur.h"

namespace km32 {

void SuppressionDonneesPolyedre::operator()(TDonneesPolyedre* donnees) const noexcept {
    delete donnees;
}

namespace {
// The polyhedron, the net and the round solid are boxed in the variant (TEnBoite).
template <typename T>
constexpr bool kEnBoite =
    std::is_same_v<T, TPolyedre> || std::is_same_v<T, TDonneesPatron> || std::is_same_v<T, TDonneesSolideRond>;
template <typename T, typename D> auto adresseContenu(D& d) {
    if constexpr (kEnBoite<T>) {
        auto* b = std::get_if<TEnBoite<T>>(&d.contenu);
        return b ? b->valeur.get() : nullptr;
    } else {
        return std::get_if<T>(&d.contenu);
    }
}
template <typename T> T& contenuDe(TDonneesPolyedre& d, const char* quoi) {
    T* p = adresseContenu<T>(d);
    if (!p) throw ErreurInterne(std::string("solid record of another kind: ") + quoi);
    return *p;
}
template <typename T> const T& contenuDe(const TDonneesPolyedre& d, const char* quoi) {
    const T* p = adresseContenu<T>(d);
    if (!p) throw ErreurInterne(std::string("solid record of another kind: ") + quoi);
    return *p;
}
bool genreValide(uint8_t genre) {
    switch (genre) {
    case kGenrePolyedre:
    case kGenreSphere:
    case kGenreCalotte:
    case kGenreCercle:
    case kGenrePatron:
    case kGenreSolideRond:
        return true;
    default:
        return false;
    }
}
} // namespace

TPolyedre& polyedreDe(TDonneesPolyedre& d) {
    return contenuDe<TPolyedre>(d, "polyhedron");
}
const TPolyedre& polyedreDe(const TDonneesPolyedre& d) {
    return contenuDe<TPolyedre>(d, "polyhedron");
}
TDonneesSphere& sphereDe(TDonneesPolyedre& d) {
    return contenuDe<TDonneesSphere>(d, "sphere");
}
const TDonneesSphere& sphereDe(const TDonneesPolyedre& d) {
    return contenuDe<TDonneesSphere>(d, "sphere");
}
TDonneesCercle& cercleDe(TDonneesPolyedre& d) {
    return contenuDe<TDonneesCercle>(d, "circle");
}
const TDonneesCercle& cercleDe(const TDonneesPolyedre& d) {
    return contenuDe<TDonneesCercle>(d, "circle");
}
TDonneesPatron& patronDe(TDonneesPolyedre& d) {
    return contenuDe<TDonneesPatron>(d, "net");
}
const TDonneesPatron& patronDe(const TDonneesPolyedre& d) {
    return contenuDe<TDonneesPatron>(d, "net");
}
TDonneesSolideRond& solideRondDe(TDonneesPolyedre& d) {
    return contenuDe<TDonneesSolideRond>(d, "round solid");
}
const TDonneesSolideRond& solideRondDe(const TDonneesPolyedre& d) {
    return contenuDe<TDonneesSolideRond>(d, "round solid");
}

Tvecteur3& sommet(TPolyedre& p, int k) {
    return elementVerifie(p.sommets, k, 1, kMaxSommetsPolyedre, "polyhedron vertex");
}
const Tvecteur3& sommet(const TPolyedre& p, int k) {
    return elementVerifie(p.sommets, k, 1, kMaxSommetsPolyedre, "polyhedron vertex");
}
TArete& arete(TPolyedre& p, int k) {
    return elementVerifie(p.aretes, k, 1, kMaxAretesPolyedre, "polyhedron edge");
}
const TArete& arete(const TPolyedre& p, int k) {
    return elementVerifie(p.aretes, k, 1, kMaxAretesPolyedre, "polyhedron edge");
}
TFace& face(TPolyedre& p, int k) {
    return elementVerifie(p.faces, k, 1, kMaxFacesPolyedre, "polyhedron face");
}
const TFace& face(const TPolyedre& p, int k) {
    return elementVerifie(p.faces, k, 1, kMaxFacesPolyedre, "polyhedron face");
}
uint8_t& sommetCycle(TFace& f, int k) {
    return elementVerifie(f.cycle, k, 1, kMaxCotesFace + 1, "face cycle");
}
uint8_t sommetCycle(const TFace& f, int k) {
    return elementVerifie(f.cycle, k, 1, kMaxCotesFace + 1, "face cycle");
}

uint8_t genreDonneesDeNature(uint8_t nature) {
    switch (nature) {
    case kNatureCercle:
        return kGenreCercle;
    case kNaturePolyedreConvexe:
    case kNaturePolygoneConvexe:
        return kGenrePolyedre;
    case kNatureSphere:
        return kGenreSphere;
    case kNatureCalotteSpherique:
        return kGenreCalotte;
    case kNaturePatronPolyedre:
        return kGenrePatron;
    case kNatureCylindre:
    case kNatureCone:
    case kNatureTroncDeCone:
        return kGenreSolideRond;
    default:
        return 0;
    }
}

void creeTableDesPolyedres(std::unique_ptr<TtableDesPolyedres>& table) {
    libereTableDesPolyedres(table);
    table = std::make_unique<TtableDesPolyedres>();
}

void libereTableDesPolyedres(std::unique_ptr<TtableDesPolyedres>& table) {
    if (!table) return;
    for (auto& d : table->donnees)
        libereDonneesPolyedre(d);
    table.reset();
}

void libereDonneesPolyedre(PDonneesPolyedre& donnees) {
    donnees.reset();
}

void creeDonneesPolyedre(uint8_t genre, PDonneesPolyedre& donnees) {
    if (!genreValide(genre)) throw ErreurInterne("solid record of an unknown kind");
    donnees.reset();
    donnees.reset(new TDonneesPolyedre);
    donnees->genre = genre;
    switch (genre) {
    case kGenrePolyedre:
        donnees->contenu.emplace<TEnBoite<TPolyedre>>();
        break;
    case kGenreSphere:
        donnees->contenu.emplace<TDonneesSphere>();
        break;
    case kGenreCalotte:
        donnees->contenu.emplace<TDonneesCalotte>();
        break;
    case kGenreCercle:
        donnees->contenu.emplace<TDonneesCercle>();
        break;
    case kGenrePatron:
        donnees->contenu.emplace<TEnBoite<TDonneesPatron>>();
        break;
    default:
        donnees->contenu.emplace<TEnBoite<TDonneesSolideRond>>();
        break;
    }
}

void copieDonneesPolyedre(const TDonneesPolyedre& source, TDonneesPolyedre& destination) {
    if (!genreValide(source.genre)) return;
    if (&source == &destination) return;
    destination.genre = source.genre;
    destination.contenu = source.contenu;
}

void copieTableDesPolyedres(const TtableDesPolyedres* source, TtableDesPolyedres& destination) {
    if (!source || source == &destination) return;
    destination.listeVisibles = source->listeVisibles;
    for (int k = 0; k <= kMaxEmplacementsPolyedres; ++k) {
        const PDonneesPolyedre& s = source->donnees[std::size_t(k)];
        PDonneesPolyedre& d = destination.donnees[std::size_t(k)];
        if (k == 0 || !s || !genreValide(s->genre)) {
            libereDonneesPolyedre(d);
            continue;
        }
        // A record of the same kind is copied into (the rollback copy of a
        // text line refreshes the same records line after line).
        if (!d || d->genre != s->genre) creeDonneesPolyedre(s->genre, d);
        copieDonneesPolyedre(*s, *d);
    }
}

uint8_t premierePlaceLibrePolyedre(const TtableDesPolyedres& table) {
    for (int k = 1; k <= kMaxEmplacementsPolyedres; ++k)
        if (!table.donnees[k]) return uint8_t(k);
    return 0;
}

uint8_t placesLibresPolyedres(const TtableDesPolyedres& table) {
    int n = 0;
    for (int k = 1; k <= kMaxEmplacementsPolyedres; ++k)
        if (!table.donnees[k]) ++n;
    return uint8_t(n);
}

uint8_t ajouteDonneesPolyedre(TfigureKalmetra& f, uint8_t nature) {
    const uint8_t genre = genreDonneesDeNature(nature);
    if (genre == 0) return 0;
    if (!f.tableDesPolyedres) creeTableDesPolyedres(f.tableDesPolyedres);
    const uint8_t k = premierePlaceLibrePolyedre(*f.tableDesPolyedres);
    if (k == 0) return 0;
    creeDonneesPolyedre(genre, f.tableDesPolyedres->donnees[k]);
    if (nature == kNaturePolygoneConvexe) polyedreDe(*f.tableDesPolyedres->donnees[k]).polygone = 1;
    return k;
}

void oteDonneesPolyedre(TfigureKalmetra& f, uint8_t emplacement) {
    if (emplacement == 0 || !f.tableDesPolyedres) return;
    verifieIndice(emplacement, 1, kMaxEmplacementsPolyedres, "solid slot");
    libereDonneesPolyedre(f.tableDesPolyedres->donnees[emplacement]);
}

namespace {
const PDonneesPolyedre& pointeurObjet(const TfigureKalmetra& f, int i) {
    const int k = objet(f, i).emplacementSolide;
    verifieIndice(k, 1, kMaxEmplacementsPolyedres, "solid slot");
    if (!f.tableDesPolyedres || !f.tableDesPolyedres->donnees[k])
        throw ErreurInterne("object without its solid record");
    return f.tableDesPolyedres->donnees[k];
}
} // namespace

TDonneesPolyedre& donneesPolyedreObjet(TfigureKalmetra& f, int i) {
    return *pointeurObjet(f, i);
}
const TDonneesPolyedre& donneesPolyedreObjet(const TfigureKalmetra& f, int i) {
    return *pointeurObjet(f, i);
}

} // namespace km32
