#include "host/fenetres/zone_texte.h"

#include <algorithm>

#include "platform/presse_papiers.h"

namespace km32 {

namespace p = platform;

namespace {

void change(TZoneTexte& z, std::string nouveau) {
    z.texteAvant = std::move(z.texte);
    z.annulable = true;
    z.texte = std::move(nouveau);
    if (z.modifie) *z.modifie = 1;
}

} // namespace

std::string avecRetoursCRLF(std::string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\r') {
            r += "\r\n";
            if (i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            r += "\r\n";
        } else {
            r += c;
        }
    }
    return r;
}

void fixeTexteZone(TZoneTexte& z, std::string_view texte) {
    change(z, avecRetoursCRLF(texte));
    z.debutSelection = z.longueurSelection = 0;
}

void selectionneZone(TZoneTexte& z, std::size_t debut, std::size_t longueur) {
    z.debutSelection = std::min(debut, z.texte.size());
    z.longueurSelection = std::min(longueur, z.texte.size() - z.debutSelection);
}

std::string texteSelectionne(const TZoneTexte& z) {
    return z.texte.substr(z.debutSelection, z.longueurSelection);
}

bool remplaceSelection(TZoneTexte& z, std::string_view texte) {
    const std::string insere = avecRetoursCRLF(texte);
    if (z.texte.size() - z.longueurSelection + insere.size() > z.longueurMax) return false;
    std::string nouveau = z.texte;
    nouveau.replace(z.debutSelection, z.longueurSelection, insere);
    const std::size_t caret = z.debutSelection + insere.size();
    change(z, std::move(nouveau));
    z.debutSelection = caret;
    z.longueurSelection = 0;
    return true;
}

bool changeTexteZone(TZoneTexte& z, std::string_view texte) {
    std::string nouveau = avecRetoursCRLF(texte);
    if (nouveau.size() > z.longueurMax || nouveau == z.texte) return false;
    // The part that changed lies between the common start and the common end
    // of the two texts; a typed or pasted text ends where that part ends.
    const std::size_t plusCourt = std::min(nouveau.size(), z.texte.size());
    std::size_t debut = 0;
    while (debut < plusCourt && nouveau[debut] == z.texte[debut])
        ++debut;
    std::size_t fin = 0;
    while (fin < plusCourt - debut && nouveau[nouveau.size() - 1 - fin] == z.texte[z.texte.size() - 1 - fin])
        ++fin;
    const std::size_t caret = nouveau.size() - fin;
    change(z, std::move(nouveau));
    z.debutSelection = caret;
    z.longueurSelection = 0;
    return true;
}

std::size_t nombreLignesZone(const TZoneTexte& z) {
    std::size_t n = 1;
    for (std::size_t i = z.texte.find("\r\n"); i != std::string::npos; i = z.texte.find("\r\n", i + 2))
        ++n;
    return n;
}

std::string ligneZone(const TZoneTexte& z, std::size_t ligne) {
    const std::size_t debut = debutLigneZone(z, ligne);
    if (debut > z.texte.size()) return {};
    const std::size_t fin = z.texte.find("\r\n", debut);
    return z.texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
}

std::size_t debutLigneZone(const TZoneTexte& z, std::size_t ligne) {
    std::size_t debut = 0;
    for (std::size_t k = 0; k < ligne; ++k) {
        const std::size_t fin = z.texte.find("\r\n", debut);
        if (fin == std::string::npos) return z.texte.size() + 1;
        debut = fin + 2;
    }
    return debut;
}

std::size_t ligneDePosition(const TZoneTexte& z, std::size_t position) {
    std::size_t ligne = 0;
    for (std::size_t i = z.texte.find("\r\n"); i != std::string::npos && i < position;
         i = z.texte.find("\r\n", i + 2))
        ++ligne;
    return ligne;
}

void annuleZone(TZoneTexte& z) {
    if (!z.annulable) return;
    std::swap(z.texte, z.texteAvant);
    if (z.modifie) *z.modifie = 1;
    selectionneZone(z, z.debutSelection, z.longueurSelection);
}

void copieZone(const TZoneTexte& z, uint32_t fenetre) {
    if (z.longueurSelection > 0) p::copieTexteDansPressePapiers(fenetre, texteSelectionne(z));
}

void coupeZone(TZoneTexte& z, uint32_t fenetre) {
    if (z.longueurSelection == 0) return;
    if (p::copieTexteDansPressePapiers(fenetre, texteSelectionne(z))) remplaceSelection(z, "");
}

void colleZone(TZoneTexte& z) {
    if (const std::string* t = p::textePressePapiers()) remplaceSelection(z, *t);
}

void effaceSelectionZone(TZoneTexte& z) {
    if (z.longueurSelection > 0) remplaceSelection(z, "");
}

void toutSelectionnerZone(TZoneTexte& z) {
    selectionneZone(z, 0, z.texte.size());
}

void caractereZone(TZoneTexte& z, uint32_t caractere) {
    if (caractere == 1) {
        toutSelectionnerZone(z);
    } else if (caractere == 8) {
        if (z.longueurSelection == 0 && z.debutSelection > 0) {
            const bool retour =
                z.debutSelection >= 2 && z.texte.compare(z.debutSelection - 2, 2, "\r\n") == 0;
            const std::size_t n = retour ? 2 : 1;
            selectionneZone(z, z.debutSelection - n, n);
        }
        effaceSelectionZone(z);
    } else if (caractere == 13) {
        remplaceSelection(z, "\r\n");
    } else if (caractere >= 32 && caractere <= 255) {
        remplaceSelection(z, std::string(1, char(caractere)));
    }
}

} // namespace km32
