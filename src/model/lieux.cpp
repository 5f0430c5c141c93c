// The objects a pilot moves, and the locus of a point (code 37): a curve
// sampled as the pilot runs through its range, cut into pieces where the
// point is undefined, leaves the figure's box or turns sharply.
#include "model/lieux.h"

#include <cmath>
#include <numbers>

#include "base/erreur.h"
#include "base/garde.h"
#include "model/calcul/calcul_objet.h"
#include "model/calcul/geometrie.h"
#include "model/calcul/parametres.h"
#include "model/catalogue.h"
#include "model/lieux_raisons.h"
#include "model/objets_figure.h"
#include "model/solides/constructions_polyedres.h"
#include "model/style.h"

namespace km32 {

using calcul::V3;
namespace c = construction;

void ensembleDesDependants(const TfigureKalmetra& f, int pilote, int trace, bool& independant, int& nombre,
                           TlisteLieu& liste) {
    nombre = 0;
    // What the traced object needs, back down to just after the pilot.
    TEnsembleObjets besoins;
    besoins.set(std::size_t(trace));
    for (int k = trace; k > pilote; --k)
        if (besoins.test(std::size_t(k))) besoins |= ensembleDesAntecedents(f, k);
    independant = !besoins.test(std::size_t(pilote));
    if (independant) return;
    // What depends on the pilot, up to the traced object.
    TEnsembleObjets dependants;
    dependants.set(std::size_t(pilote));
    for (int k = pilote + 1; k <= trace; ++k)
        if ((ensembleDesAntecedents(f, k) & dependants).any()) dependants.set(std::size_t(k));
    for (int k = pilote + 1; k <= trace; ++k)
        if (besoins.test(std::size_t(k)) && dependants.test(std::size_t(k))) {
            verifieCapacite(nombre + 1, int(liste.size()) - 1, "locus list");
            liste[std::size_t(++nombre)] = uint8_t(k);
        }
}

namespace {

constexpr double kCosinusLisse = 0.95;

// The state of one sampling of a code 37 locus.
struct Echantillonnage {
    explicit Echantillonnage(TfigureKalmetra& figure) : f(figure) {}
    TfigureKalmetra& f;
    int pilote = 0, trace = 0;
    int nombre = 0;
    TlisteLieu liste{};
    double pas = 0;
    bool nonLies = false, sansLissage = false;
    // 0: no valid previous point; 1: the last stored point begins a piece;
    // 2: the curve runs smoothly.
    int etat = 0;
    V3 precedent; // the last stored point
    V3 direction, directionPrecedente;
    int points = 0;        // points stored
    int indice = 0;        // next sample record
    int dernierIndice = 0; // last record of the locus's block

    // One evaluation at pilot value t: the pilot and the objects of the list
    // recomputed; false when the traced point is undefined or leaves the box.
    bool evalue(double t, V3& p) {
        valeurObjet(f, pilote, 4) = t;
        calculeObjetGeneral(f, pilote);
        for (int k = 1; k <= nombre; ++k)
            calculeObjetGeneral(f, liste[std::size_t(k)]);
        if (objet(f, trace).nonDefini) return false;
        p = calcul::pointObjet(f, trace);
        return !horsDesBornes(f, p.x) && !horsDesBornes(f, p.y) && !horsDesBornes(f, p.z);
    }

    void range(V3 b) {
        if (indice <= dernierIndice) {
            Techantillon& e = echantillon(f, indice);
            e.rupture = etat == 1 ? 1 : 0;
            e.x = coordonneeEntiere(f, b.x);
            e.y = coordonneeEntiere(f, b.y);
            e.z = coordonneeEntiere(f, b.z);
            ++points;
            ++indice;
        }
        precedent = b;
    }

    // Is the curve smooth between the last stored point and b? Decided on
    // the point halfway in t.
    void testeMilieu(double t, V3 b) {
        V3 m;
        if (!evalue(t - pas / 2, m)) {
            etat = 1;
            return;
        }
        V3 d1 = m - precedent, d2 = b - m;
        if (!calcul::unitaire(d1) || !calcul::unitaire(d2)) {
            etat = 1;
            return;
        }
        if (calcul::scalaire(d1, d2) > kCosinusLisse) {
            etat = 2;
            direction = d2;
        } else {
            etat = 1;
        }
    }

    void etape(double t) {
        V3 b;
        if (!evalue(t, b)) {
            etat = 0;
            return;
        }
        if (nonLies) return range(b);
        if (etat == 0) {
            etat = 1;
            return range(b);
        }
        if (sansLissage) {
            etat = 2;
            return range(b);
        }
        if (etat == 1) {
            testeMilieu(t, b);
            return range(b);
        }
        directionPrecedente = direction;
        V3 d = b - precedent;
        if (!calcul::unitaire(d)) {
            etat = 1;
            return;
        }
        direction = d;
        if (calcul::scalaire(direction, directionPrecedente) > kCosinusLisse)
            etat = 2;
        else
            testeMilieu(t, b);
        range(b);
    }
};

} // namespace

void calculeLieuDePoints(TfigureKalmetra& f, int n) {
    TObjetFigure& o = objet(f, n);
    if (!estDessine(o.style)) return;
    Echantillonnage e(f);
    e.trace = parentObjet(f, n, 1);
    e.pilote = parentObjet(f, n, 2);
    if (objet(f, e.pilote).nonDefini) return calcul::rendIndefini(f, n, raison::kPiloteNonValide);
    bool independant = true;
    if (e.pilote <= e.trace) ensembleDesDependants(f, e.pilote, e.trace, independant, e.nombre, e.liste);
    if (independant) return calcul::rendIndefini(f, n, raison::kTraceIndependant);
    if (!calcul::lisParametre(f, n, 1, 1)) return;
    const double demande = valeurObjet(f, n, 1);
    if (!(demande >= 2 && demande <= 1000 && demande == std::round(demande)))
        return calcul::rendIndefini(f, n, raison::kNombrePointsDemande);
    const int total = int(demande);

    e.nonLies = pointsNonLies(o.style);
    const uint8_t codePilote = objet(f, e.pilote).codeConstruction;
    e.sansLissage = codePilote == c::kEntierLibreIntervalle;
    e.pas = 1.0 / (total - 1);
    if (codePilote == c::kPointLibreSurCercle) e.pas *= 2 * std::numbers::pi;
    e.indice = o.premierEchantillon;
    e.dernierIndice = o.premierEchantillon + o.nombreEchantillons - 1;
    if (o.premierEchantillon == 0) e.dernierIndice = e.indice - 1;
    const double garde = valeurObjet(f, e.pilote, 4);
    {
        const GardeValeur<uint8_t> drapeauFigure(f.echantillonnageLieux[0], 1);
        const GardeValeur<bool> drapeauSolides(etatPolyedres().echantillonnageLieu, true);
        try {
            for (int i = 0; i < total; ++i)
                e.etape(i * e.pas);
        } catch (...) {
            // The pilot and its dependants go back to where they were.
            try {
                V3 p;
                e.evalue(garde, p);
            } catch (...) {
            }
            throw;
        }
        V3 p;
        e.evalue(garde, p);
    }
    // The count goes to value 2, where the drawing reads the number of
    // samples of every curve. Value 1 keeps the number asked for: a constant
    // count is read back from it at the next computation.
    valeurObjet(f, n, 2) = e.points;
    if (e.points == 0) calcul::rendIndefini(f, n, raison::kCourbeSansPoint);
}

} // namespace km32
