#include "platform/memoire.h"

#include <unordered_map>

namespace km32::platform {

namespace {
struct EtatMemoire {
    std::unordered_map<uint32_t, std::string> blocs;
    uint32_t prochain = 1;
};
EtatMemoire& etat() {
    static EtatMemoire e;
    return e;
}
} // namespace

uint32_t alloueBloc(std::string_view texte) {
    EtatMemoire& e = etat();
    while (e.prochain == 0 || e.blocs.count(e.prochain))
        ++e.prochain;
    uint32_t id = e.prochain++;
    std::string& b = e.blocs[id];
    b.assign(texte);
    b.push_back('\0');
    return id;
}

uint32_t alloueBlocDeTaille(std::string_view texte, std::size_t taille) {
    const uint32_t id = alloueBloc(texte);
    std::string& b = etat().blocs[id];
    if (b.size() < taille) b.resize(taille, '\0');
    return id;
}

const std::string* contenuBloc(uint32_t bloc) {
    auto it = etat().blocs.find(bloc);
    return it == etat().blocs.end() ? nullptr : &it->second;
}

bool libereBloc(uint32_t bloc) {
    return etat().blocs.erase(bloc) > 0;
}

std::size_t nombreDeBlocs() {
    return etat().blocs.size();
}

} // namespace km32::platform
