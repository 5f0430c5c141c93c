#include "drawing/historique_vues.h"

#include <algorithm>
#include <memory>

#include "drawing/vue_operations.h"
#include "model/services_dessin.h"

namespace km32 {

namespace {

constexpr int kVuesOubliees = 100; // dropped at once when the history is full

int montreVue(TfigureKalmetra& f, int position) {
    ThistoriqueVues& h = *f.historiqueVues;
    h.courante = position;
    const auto& a = h.entrees[std::size_t(position)];
    fixeAnglesVueEtVuesLiees(f, a[0], a[1], a[2]);
    return 1;
}

} // namespace

void memoriseVue(TfigureKalmetra& f) {
    if (!f.historiqueVues) f.historiqueVues = std::make_unique<ThistoriqueVues>();
    ThistoriqueVues& h = *f.historiqueVues;
    if (h.nombre >= kMaxVuesHistorique) {
        std::copy(h.entrees.begin() + 1 + kVuesOubliees, h.entrees.begin() + 1 + kMaxVuesHistorique,
                  h.entrees.begin() + 1);
        h.nombre = kMaxVuesHistorique - kVuesOubliees;
    }
    ++h.nombre;
    h.courante = h.nombre;
    h.entrees[std::size_t(h.nombre)] = {f.anglesVue[0], f.anglesVue[1], f.anglesVue[2]};
}

int vuePrecedente(TfigureKalmetra& f) {
    if (!f.historiqueVues || f.historiqueVues->courante <= 1) return 0;
    return montreVue(f, f.historiqueVues->courante - 1);
}

int vueSuivante(TfigureKalmetra& f) {
    if (!f.historiqueVues || f.historiqueVues->courante >= f.historiqueVues->nombre) return 0;
    return montreVue(f, f.historiqueVues->courante + 1);
}

} // namespace km32
