#include "model/maillages.h"

#include "base/erreur.h"

namespace km32 {

void SuppressionMaillage::operator()(TMaillage* maillage) const noexcept {
    delete maillage;
}

namespace {

bool genreValide(uint8_t genre) {
    return genre == kMaillageGraphe || genre == kMaillageLieu;
}

} // namespace

void creeTableMaillages(std::unique_ptr<TtableMaillages>& table) {
    libereTableMaillages(table);
    table = std::make_unique<TtableMaillages>();
}

void libereTableMaillages(std::unique_ptr<TtableMaillages>& table) {
    if (!table) return;
    for (PMaillage& m : table->maillages)
        libereMaillage(m);
    table.reset();
}

void copieTableMaillages(const TtableMaillages& source, TtableMaillages& destination) {
    copieTableMaillages(&source, destination);
}

void copieTableMaillages(const TtableMaillages* source, TtableMaillages& destination) {
    if (!source) return;
    for (int k = 1; k <= kMaxEmplacementsMaillages; ++k) {
        PMaillage& d = destination.maillages[std::size_t(k)];
        libereMaillage(d);
        const PMaillage& s = source->maillages[std::size_t(k)];
        if (!s) continue;
        alloueMaillage(s->genre, d);
        if (d) copieMaillage(*s, *d);
    }
}

int placeLibreMaillage(const TtableMaillages& table) {
    for (int k = 1; k <= kMaxEmplacementsMaillages; ++k)
        if (!table.maillages[std::size_t(k)]) return k;
    return 0;
}

int ajouteMaillage(TfigureKalmetra& f, uint8_t genre) {
    if (!genreValide(genre)) return 0;
    if (!f.tableMaillages) creeTableMaillages(f.tableMaillages);
    const int k = placeLibreMaillage(*f.tableMaillages);
    if (k != 0) alloueMaillage(genre, f.tableMaillages->maillages[std::size_t(k)]);
    return k;
}

void oteMaillage(TfigureKalmetra& f, int emplacement) {
    if (emplacement == 0 || !f.tableMaillages) return;
    verifieIndice(emplacement, 1, kMaxEmplacementsMaillages, "mesh slot");
    libereMaillage(f.tableMaillages->maillages[std::size_t(emplacement)]);
}

void alloueMaillage(uint8_t genre, PMaillage& place) {
    libereMaillage(place);
    if (!genreValide(genre)) return;
    place.reset(new TMaillage);
    place->genre = genre;
    if (genre == kMaillageLieu) place->lieu = std::make_unique<TpartieLieuSurface>();
}

void libereMaillage(PMaillage& place) {
    place.reset();
}

void copieMaillage(const TMaillage& s, TMaillage& d) {
    d.genre = s.genre;
    d.nx = s.nx;
    d.ny = s.ny;
    d.ligneUnique = s.ligneUnique;
    d.nombrePoints = s.nombrePoints;
    d.x = s.x;
    d.y = s.y;
    d.z = s.z;
    d.nonDefini = s.nonDefini;
    d.essai = s.essai;
    d.repere = s.repere;
    d.bornes = s.bornes;
    if (s.genre == kMaillageLieu && s.lieu)
        d.lieu = std::make_unique<TpartieLieuSurface>(*s.lieu);
    else
        d.lieu.reset();
}

TMaillage* maillageDeEmplacement(TfigureKalmetra& f, int emplacement) {
    verifieIndice(emplacement, 1, kMaxEmplacementsMaillages, "mesh slot");
    return f.tableMaillages ? f.tableMaillages->maillages[std::size_t(emplacement)].get() : nullptr;
}

const TMaillage* maillageDeEmplacement(const TfigureKalmetra& f, int emplacement) {
    verifieIndice(emplacement, 1, kMaxEmplacementsMaillages, "mesh slot");
    return f.tableMaillages ? f.tableMaillages->maillages[std::size_t(emplacement)].get() : nullptr;
}

TMaillage* maillageDeObjet(TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    if (o.nature != kNatureMaillage || o.emplacementSolide == 0) return nullptr;
    return maillageDeEmplacement(f, o.emplacementSolide);
}

const TMaillage* maillageDeObjet(const TfigureKalmetra& f, int n) {
    const TObjetFigure& o = objet(f, n);
    if (o.nature != kNatureMaillage || o.emplacementSolide == 0) return nullptr;
    return maillageDeEmplacement(f, o.emplacementSolide);
}

} // namespace km32
