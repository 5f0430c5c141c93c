// The locus of a point under two pilots (code 219): a grid of N by M samples
// of the traced point in the object's mesh record. The objects that depend
// on the first pilot only are recomputed once per row, those that depend on
// the second (or on both) once per sample.
#include <cmath>
#include <numbers>

#include "base/erreur.h"
#include "base/garde.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/geometrie.h"
#include "model/calcul/parametres.h"
#include "model/calcul/raisons.h"
#include "model/catalogue.h"
#include "model/lieux.h"
#include "model/lieux_raisons.h"
#include "model/maillages.h"
#include "model/objets_figure.h"
#include "model/solides/constructions_polyedres.h"

namespace km32 {

namespace {

namespace c = construction;

// A sample count: 1 to 10000 and within 1e-6 of an integer.
bool nombreEchantillons(double v, int32_t& n) {
    const double r = std::round(v);
    if (!(std::fabs(v - r) <= 1e-6) || r < 1 || r > kMaxPointsMaillage) return false;
    n = int32_t(r);
    return true;
}

// Adds the antecedents of every member of s from haut down to bas + 1.
void fermeEnDescendant(const TfigureKalmetra& f, TEnsembleObjets& s, int haut, int bas) {
    for (int k = haut; k > bas; --k)
        if (s.test(std::size_t(k))) s |= ensembleDesAntecedents(f, k);
}

// The objects from pilote up to trace that depend on pilote, pilote included.
TEnsembleObjets dependantsDe(const TfigureKalmetra& f, int pilote, int trace) {
    TEnsembleObjets d;
    d.set(std::size_t(pilote));
    for (int k = pilote + 1; k <= trace; ++k)
        if ((ensembleDesAntecedents(f, k) & d).any()) d.set(std::size_t(k));
    return d;
}

void remplitListe(const TEnsembleObjets& s, std::array<uint8_t, kMaxListeLieu + 1>& liste, uint8_t& nombre) {
    nombre = 0;
    for (int k = 1; k <= kMaxObjets; ++k)
        if (s.test(std::size_t(k))) {
            verifieCapacite(nombre + 1, kMaxListeLieu, "locus list");
            liste[std::size_t(++nombre)] = uint8_t(k);
        }
}

void recalculeListe(TfigureKalmetra& f, const std::array<uint8_t, kMaxListeLieu + 1>& liste, int nombre) {
    for (int k = 1; k <= nombre; ++k)
        calculeObjet(f, liste[std::size_t(k)]);
}

// Both pilots back at their kept values, and what they move recomputed.
void restaure(TfigureKalmetra& f, const TpartieLieuSurface& l) {
    valeur(f, l.indicePilote1) = l.sauvegarde1;
    recalculeListe(f, l.liste1, l.nombre1);
    valeur(f, l.indicePilote2) = l.sauvegarde2;
    recalculeListe(f, l.liste2, l.nombre2);
}

} // namespace

void calculeLieuADeuxParametres(TfigureKalmetra& f, int n) {
    TMaillage* m = maillageDeObjet(f, n);
    if (!m || !m->lieu) return calcul::rendIndefini(f, n, raison::kCalculImpossible);
    TpartieLieuSurface& l = *m->lieu;
    int d1 = parentObjet(f, n, 1), d2 = parentObjet(f, n, 2);
    const int t = parentObjet(f, n, 3);
    l.pilote1 = uint8_t(d1);
    l.pilote2 = uint8_t(d2);
    l.trace = uint8_t(t);
    if (objet(f, d1).nonDefini || objet(f, d2).nonDefini)
        return calcul::rendIndefini(f, n, raison::kPiloteNonValide);
    if (!calcul::lisParametre(f, n, 1, 1) || !calcul::lisParametre(f, n, 2, 2)) return;
    int32_t nx = 0, ny = 0;
    m->essai = valeurObjet(f, n, 1);
    if (!nombreEchantillons(m->essai, nx)) return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    m->essai = valeurObjet(f, n, 2);
    if (!nombreEchantillons(m->essai, ny)) return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    if (d1 > d2) {
        std::swap(d1, d2);
        std::swap(nx, ny);
        l.pilote1 = uint8_t(d1);
        l.pilote2 = uint8_t(d2);
    }
    m->nx = nx;
    m->ny = ny;
    if (nx * ny > kMaxPointsMaillage || nx * ny == 1)
        return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    m->ligneUnique = (nx == 1 || ny == 1) ? 1 : 0;
    m->nombrePoints = nx * ny;

    // What the traced point needs, closed back to the second pilot, then to
    // the first one.
    TEnsembleObjets& besoins = l.ensembles[0];
    besoins.reset();
    besoins.set(std::size_t(t));
    fermeEnDescendant(f, besoins, t, d2);
    if (!besoins.test(std::size_t(d2))) return calcul::rendIndefini(f, n, raison::kTraceIndependant);
    l.ensembles[1] = dependantsDe(f, d2, t);
    l.ensembles[2] = l.ensembles[1] & besoins;
    fermeEnDescendant(f, besoins, d2, d1);
    if (!besoins.test(std::size_t(d1))) return calcul::rendIndefini(f, n, raison::kTraceIndependant);
    l.ensembles[3] = dependantsDe(f, d1, t);
    l.ensembles[4] = l.ensembles[3] & besoins & ~l.ensembles[2];
    remplitListe(l.ensembles[4], l.liste1, l.nombre1);
    remplitListe(l.ensembles[2], l.liste2, l.nombre2);

    l.pas1 = nx > 1 ? 1.0 / (nx - 1) : 1.0;
    l.pas2 = ny > 1 ? 1.0 / (ny - 1) : 1.0;
    if (objet(f, d1).codeConstruction == c::kPointLibreSurCercle) l.pas1 *= 2 * std::numbers::pi;
    if (objet(f, d2).codeConstruction == c::kPointLibreSurCercle) l.pas2 *= 2 * std::numbers::pi;
    l.indicePilote1 = uint16_t(objet(f, d1).premiereValeur + 3);
    l.indicePilote2 = uint16_t(objet(f, d2).premiereValeur + 3);
    l.indiceX = objet(f, t).premiereValeur;
    l.indiceY = uint16_t(l.indiceX + 1);
    l.indiceZ = uint16_t(l.indiceX + 2);
    l.sauvegarde1 = valeur(f, l.indicePilote1);
    l.sauvegarde2 = valeur(f, l.indicePilote2);

    const GardeValeur<uint8_t> drapeauFigure(f.echantillonnageLieux[0], 1);
    const GardeValeur<bool> drapeauSolides(etatPolyedres().echantillonnageLieu, true);
    try {
        l.indiceEchantillon = 1;
        for (int i = 0; i < nx; ++i) {
            valeur(f, l.indicePilote1) = i * l.pas1;
            recalculeListe(f, l.liste1, l.nombre1);
            for (int j = 0; j < ny; ++j) {
                valeur(f, l.indicePilote2) = j * l.pas2;
                recalculeListe(f, l.liste2, l.nombre2);
                const std::size_t k = std::size_t(l.indiceEchantillon);
                verifieIndice(l.indiceEchantillon, 1, kMaxPointsMaillage, "locus sample");
                m->nonDefini[k] = objet(f, t).nonDefini;
                if (!m->nonDefini[k]) {
                    m->x[k] = float(valeur(f, l.indiceX));
                    m->y[k] = float(valeur(f, l.indiceY));
                    m->z[k] = float(valeur(f, l.indiceZ));
                }
                ++l.indiceEchantillon;
            }
        }
    } catch (...) {
        try {
            restaure(f, l);
        } catch (...) {
        }
        throw;
    }
    restaure(f, l);
}

} // namespace km32
