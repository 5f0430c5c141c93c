#include "drawing/element_solide.h"

#include "base/erreur.h"

namespace km32 {

void SuppressionElementSolide::operator()(TElementSolide* element) const noexcept {
    delete element;
}

namespace {

std::unique_ptr<TblocSegments> copieBloc(const std::unique_ptr<TblocSegments>& b) {
    return b ? std::make_unique<TblocSegments>(*b) : nullptr;
}
std::unique_ptr<TpartiesBloc> copieParties(const std::unique_ptr<TpartiesBloc>& p) {
    return p ? std::make_unique<TpartiesBloc>(*p) : nullptr;
}

std::unique_ptr<TElementSolideVue> copieVue(const TElementSolideVue& s) {
    auto c = std::make_unique<TElementSolideVue>();
    c->nombreAretes = s.nombreAretes;
    c->areteOmise = s.areteOmise;
    c->debutsAretes = s.debutsAretes;
    c->finsAretes = s.finsAretes;
    c->partiesAretes = s.partiesAretes;
    c->nombreFaces = s.nombreFaces;
    for (std::size_t k = 0; k < s.hachuresFaces.size(); ++k) {
        if (s.hachuresFaces[k]) c->hachuresFaces[k] = copieBloc(s.hachuresFaces[k]);
        if (s.partiesHachuresFaces[k]) c->partiesHachuresFaces[k] = copieParties(s.partiesHachuresFaces[k]);
    }
    c->lignesSupplementaires = copieBloc(s.lignesSupplementaires);
    c->partiesLignesSupplementaires = copieParties(s.partiesLignesSupplementaires);
    c->lignes = s.lignes;
    c->nombreGeneratrices = s.nombreGeneratrices;
    c->generatriceOmise = s.generatriceOmise;
    c->debutsGeneratrices = s.debutsGeneratrices;
    c->finsGeneratrices = s.finsGeneratrices;
    c->partiesGeneratrices = s.partiesGeneratrices;
    for (std::size_t k = 0; k < 3; ++k) {
        c->hachuresSolide[k] = copieBloc(s.hachuresSolide[k]);
        c->partiesHachuresSolide[k] = copieParties(s.partiesHachuresSolide[k]);
    }
    return c;
}

std::unique_ptr<TcomplementSolide> copieComplement(const TcomplementSolide& s) {
    auto c = std::make_unique<TcomplementSolide>();
    c->nombreMarques = s.nombreMarques;
    c->marques = s.marques;
    c->ligne2 = s.ligne2;
    c->nombreEchantillons = s.nombreEchantillons;
    c->rayon = s.rayon;
    c->cercle = s.cercle;
    c->centre = s.centre;
    if (s.paralleles) c->paralleles = std::make_unique<TparallelesSphere>(*s.paralleles);
    c->planCalotte = s.planCalotte;
    c->grille = s.grille;
    return c;
}

} // namespace

void creeTableElementsSolides(std::unique_ptr<TtableElementsSolides>& table) {
    libereTableElementsSolides(table);
    table = std::make_unique<TtableElementsSolides>();
}

void libereTableElementsSolides(std::unique_ptr<TtableElementsSolides>& table) {
    if (!table) return;
    for (PElementSolide& e : table->elements)
        libereElementSolide(e);
    table.reset();
}

void copieTableElementsSolides(const TtableElementsSolides& table,
                               std::unique_ptr<TtableElementsSolides>& copie) {
    copie = std::make_unique<TtableElementsSolides>();
    for (std::size_t k = 0; k < table.elements.size(); ++k)
        if (table.elements[k]) copieElementSolide(*table.elements[k], copie->elements[k]);
}

uint8_t genreElementDeNature(uint8_t nature) {
    switch (nature) {
    case kNaturePoint:
        return kElementPoint;
    case kNatureSegment:
    case kNatureDroite:
    case kNatureDemiDroite:
        return kElementSegment;
    case kNatureCercle:
    case kNatureArcDeCercle:
    case kNatureCourbe:
        return kElementLigne;
    case kNaturePolyedreConvexe:
    case kNaturePolygoneConvexe:
    case kNaturePatronPolyedre:
        return kElementPolyedre;
    case kNatureSphere:
        return kElementSphere;
    case kNatureCylindre:
    case kNatureCone:
    case kNatureTroncDeCone:
        return kElementSolideRond;
    case kNatureCalotteSpherique:
        return kElementCalotte;
    case kNatureDroiteGraduee:
        return kElementAxe;
    case kNatureMaillage:
        return kElementMaillage;
    default:
        return 0;
    }
}

bool genreAComplement(uint8_t genre) {
    switch (genre) {
    case kElementAxe:
    case kElementSphere:
    case kElementSolideRond:
    case kElementCalotte:
    case kElementMaillage:
        return true;
    default:
        return false;
    }
}

TcomplementSolide& complementDe(TElementSolide& e) {
    if (!e.complement) throw ErreurInterne("drawing data without its complement");
    return *e.complement;
}

const TcomplementSolide& complementDe(const TElementSolide& e) {
    if (!e.complement) throw ErreurInterne("drawing data without its complement");
    return *e.complement;
}

void creeElementSolide(uint8_t nature, PElementSolide& element) {
    if (element) return;
    const uint8_t genre = genreElementDeNature(nature);
    if (genre == 0) return;
    element.reset(new TElementSolide);
    element->genre = genre;
    if (genreAComplement(genre)) element->complement = std::make_unique<TcomplementSolide>();
}

void libereElementSolide(PElementSolide& element) {
    element.reset();
}

void copieElementSolide(const TElementSolide& s, PElementSolide& copie) {
    copie.reset(new TElementSolide);
    TElementSolide& c = *copie;
    c.genre = s.genre;
    c.dansPlan = s.dansPlan;
    c.couleur = s.couleur;
    c.octetPolyedre = s.octetPolyedre;
    c.a = s.a;
    c.b = s.b;
    c.ligne = s.ligne;
    if (s.complement) c.complement = copieComplement(*s.complement);
    if (s.vue) c.vue = copieVue(*s.vue);
}

TElementSolide* elementSolide(TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremierElement, kMaxObjets, "drawing data");
    return f.tableElementsSolides ? f.tableElementsSolides->elements[std::size_t(n)].get() : nullptr;
}

const TElementSolide* elementSolide(const TfigureKalmetra& f, int n) {
    verifieIndice(n, kPremierElement, kMaxObjets, "drawing data");
    return f.tableElementsSolides ? f.tableElementsSolides->elements[std::size_t(n)].get() : nullptr;
}

} // namespace km32
