#include "platform/formes_liees.h"

#include <map>

namespace km32::platform {

namespace {
std::map<Fenetre, OperationsForme>& table() {
    static std::map<Fenetre, OperationsForme> t;
    return t;
}
} // namespace

void inscritFormeLiee(Fenetre f, OperationsForme operations) {
    if (estFenetre(f)) table()[f] = std::move(operations);
}

void oublieFormeLiee(Fenetre f) {
    table().erase(f);
}

const OperationsForme* formeLiee(Fenetre f) {
    auto it = table().find(f);
    if (it == table().end()) return nullptr;
    if (!estFenetre(f)) {
        table().erase(it);
        return nullptr;
    }
    return &it->second;
}

std::vector<Fenetre> fenetresAvecForme() {
    std::vector<Fenetre> liste;
    for (auto it = table().begin(); it != table().end();) {
        if (!estFenetre(it->first)) {
            it = table().erase(it);
            continue;
        }
        liste.push_back(it->first);
        ++it;
    }
    return liste;
}

void reinitialiseFormesLiees() {
    table().clear();
}

} // namespace km32::platform
