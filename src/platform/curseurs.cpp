#include "platform/curseurs.h"

#include "base/texte.h"

namespace km32::platform {

namespace {

struct CurseurConnu {
    Curseur id;
    const char* nom;
};

constexpr CurseurConnu kCurseurs[] = {
    {kCurseurFleche, "FLECHE"},
    {kCurseurSablier, "SABLIER"},
    {kCurseurRedimensionneNS, "REDIMENSIONNENS"},
    {kCurseurRedimensionneEO, "REDIMENSIONNEEO"},
    {kCurseurCroix, "CROIX"},
    {kCurseurKM, "KM"},
    {kCurseurMain, "MAIN"},
    {kCurseurMainPincee, "MAINPINCEE"},
    {kCurseurMainTournante, "MAINTOURNANTE"},
    {kCurseurMainPlateTournante, "MAINPLATETOURNANTE"},
};

struct EtatCurseurs {
    Curseur courant = kCurseurFleche;
};

EtatCurseurs& etat() {
    static EtatCurseurs e;
    return e;
}

} // namespace

Curseur chargeCurseur(std::string_view nom) {
    std::string cle = enMajuscules(nom);
    for (const CurseurConnu& c : kCurseurs)
        if (cle == c.nom) return c.id;
    return kAucunCurseur;
}

bool estCurseur(Curseur c) {
    for (const CurseurConnu& k : kCurseurs)
        if (k.id == c) return true;
    return false;
}

Curseur changeCurseur(Curseur c) {
    Curseur ancien = etat().courant;
    if (c == kAucunCurseur || estCurseur(c)) etat().courant = c;
    return ancien;
}

Curseur curseurCourant() {
    return etat().courant;
}

std::string nomCurseur(Curseur c) {
    for (const CurseurConnu& k : kCurseurs)
        if (k.id == c) return k.nom;
    return {};
}

void reinitialiseCurseurs() {
    etat() = EtatCurseurs{};
}

} // namespace km32::platform
