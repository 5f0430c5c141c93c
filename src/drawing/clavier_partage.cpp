#include "drawing/clavier_partage.h"

#include <array>

#include <string>

#include "base/texte.h"
#include "model/calcul/dependants.h"
#include "model/catalogue.h"
#include "model/fenetres_figure.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "text/garde_demarrage.h"
#include "sibling/table_partagee.h"
#include "sibling/variables_partagees.h"

namespace km32 {

namespace {

constexpr int kNomPartageMax = 4;

bool dansChangements(const TVariablesPartagees& v, int n) {
    return (v.ensembleChangements[n / 8] >> (n % 8)) & 1;
}
void ajouteChangement(TVariablesPartagees& v, int n) {
    v.ensembleChangements[n / 8] = uint8_t(v.ensembleChangements[n / 8] | (1u << (n % 8)));
}
bool changementsVides(const TVariablesPartagees& v) {
    for (uint8_t b : v.ensembleChangements)
        if (b) return false;
    return true;
}

// Copies the figure's value of each shared name into the table; true when
// an entry changed. The value is copied only when the object is defined.
bool copieValeursDansTable(const TfigureKalmetra& f) {
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    bool change = false;
    for (const std::string& nom : TQNomsCommuns()) {
        const int s = TQIndiceCommunDeNom(nom);
        const int i = numeroObjetDeNotation(f, nom);
        if (s < 1 || s > kNombreValeursCommunes || i == 0) continue;
        const TObjetFigure& o = objet(f, i);
        if (o.nombreValeurs == 0) continue;
        const double v = valeurDepuisZero(f, i, 0);
        double& commune = t->valeursCommunes[s - 1];
        uint8_t& indefini = t->indefinisCommuns[s - 1];
        if (indefini == o.nonDefini && (o.nonDefini || commune == v)) continue;
        indefini = o.nonDefini;
        if (!o.nonDefini) commune = v;
        change = true;
    }
    return change;
}

} // namespace

TetatPartage& etatPartage() {
    static TetatPartage e;
    return e;
}

void reinitialisePartage() {
    etatPartage() = TetatPartage{};
}

void inscritVariablesPartagees(TfigureKalmetra& f) {
    if (f.variablesPartagees) desinscritVariablesPartagees(f);
    auto v = std::make_unique<TVariablesPartagees>();
    v->fenetre = fenetreDeLaFigure(f);
    for (int k = kPremierUtilisateur; k <= f.nombreObjets && v->nombre < kEntreesVariablesPartagees; ++k) {
        const TObjetFigure& o = objet(f, k);
        if (o.codeConstruction != construction::kReelLibre) continue;
        const int i = v->nombre++;
        const std::string nom = coupe(nomObjet(f, k), kNomPartageMax);
        v->noms[i][0] = uint8_t(nom.size());
        for (std::size_t c = 0; c < nom.size(); ++c)
            v->noms[i][c + 1] = uint8_t(nom[c]);
        v->numerosObjets[i] = uint8_t(k);
        v->valeurs[i] = valeurDepuisZero(f, k, 0);
    }
    if (v->nombre == 0) return;
    if (!inscription(v.get())) return;
    f.variablesPartagees = std::move(v);
}

void desinscritVariablesPartagees(TfigureKalmetra& f) {
    if (!f.variablesPartagees) return;
    desinscription(f.variablesPartagees.get());
    f.variablesPartagees.reset();
}

bool variablesPartageesInscrites() {
    const TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    for (uint32_t c : t->clients)
        if (c != 0) return true;
    return false;
}

void publieVariablesPartagees(TfigureKalmetra& f) {
    if (!variablesPartageesInscrites()) return;
    if (copieValeursDansTable(f)) diffuseVariablesPartagees(fenetreDeLaFigure(f));
}

void diffuseVariablesPartagees(uint32_t fenetre) {
    const TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    for (uint32_t id : t->clients) {
        TVariablesPartagees* r = id != 0 ? TQVariablesDuClient(id) : nullptr;
        if (!r || r->fenetre == fenetre) continue;
        for (int i = 0; i < r->nombre && i < kEntreesVariablesPartagees; ++i) {
            const int s = r->indicesPartages[i];
            if (s < 1 || s > kNombreValeursCommunes) continue;
            const double commune = t->valeursCommunes[s - 1];
            const uint8_t indefini = t->indefinisCommuns[s - 1];
            if (r->valeurs[i] == commune && r->indefinis[i] == indefini) continue;
            r->indefinis[i] = indefini;
            if (indefini == 0) r->valeurs[i] = commune;
            ajouteChangement(*r, r->numerosObjets[i]);
        }
        if (!changementsVides(*r)) platform::posteMessage(r->fenetre, kMessageValeursAImporter, 0, 0);
    }
}

void fournitValeursPartagees() {
    if (!variablesPartageesInscrites() || TQNomsCommuns().empty()) return;
    TetatPartage& e = etatPartage();
    const TVariablesPartagees* servi = e.clientServi != 0 ? TQVariablesDuClient(e.clientServi) : nullptr;
    for (int n = 1; n <= kMaxFigures; ++n) {
        if (!figureExiste(int16_t(n))) continue;
        const TfigureKalmetra& f = *figureDeNumero(n);
        if (servi != nullptr && f.variablesPartagees.get() == servi) continue;
        if (copieValeursDansTable(f)) e.tableChangee = 1;
    }
}

void integreMouvementImporte(TfigureKalmetra& f) {
    if (!f.variablesPartagees) return;
    TVariablesPartagees& v = *f.variablesPartagees;
    if (changementsVides(v)) return;
    // The values to take are read first: a figure with stored start lines
    // takes a snapshot below, which unregisters its shared variables.
    struct Importee {
        int objet = 0;
        uint8_t nonDefini = 0;
        double valeur = 0;
    };
    std::array<Importee, kEntreesVariablesPartagees> importees{};
    std::size_t nombre = 0;
    for (int i = 0; i < v.nombre && i < kEntreesVariablesPartagees; ++i) {
        const int n = v.numerosObjets[i];
        if (n < kPremierUtilisateur || n > f.nombreObjets || !dansChangements(v, n)) continue;
        if (objet(f, n).nombreValeurs == 0) continue;
        importees[nombre++] = {n, v.indefinis[i], v.valeurs[i]};
    }
    for (uint8_t& b : v.ensembleChangements)
        b = 0;
    // Values after which a stored start line would no longer run are
    // refused: the figure keeps its own, and the changes are dropped.
    GardeDemarrage demarrage(f);
    TEnsembleObjets changes;
    for (std::size_t k = 0; k < nombre; ++k) {
        const Importee& m = importees[k];
        TObjetFigure& o = objet(f, m.objet);
        o.nonDefini = m.nonDefini;
        if (!o.nonDefini) valeurDepuisZero(f, m.objet, 0) = m.valeur;
        changes.set(std::size_t(m.objet));
    }
    recalculeDependants(f, changes);
    demarrage.accepte(0);
}

void importeMouvement(TfigureKalmetra& f) {
    integreMouvementImporte(f);
}

} // namespace km32
