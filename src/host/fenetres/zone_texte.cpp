#include "base/texte.h"
#include "host/fenetres/zone_texte.h"

#include <algorithm>

#include "platform/presse_papiers.h"

namespace km32 {

namespace p = platform;

namespace {

// One character as the user types or deletes it: one byte, or a line break.
bool unCaractere(std::string_view t) {
    return t.size() == 1 || t == "\r\n";
}

// The edit that replaced, at debut, the otee bytes of the text by the
// inseree bytes, giving nouveau. The state before it goes on the undo list
// unless the edit goes on the run of typing or deleting the last one began.
void change(TZoneTexte& z, std::string nouveau, std::size_t debut, std::size_t otee, std::size_t inseree,
            SaisieZone genre) {
    const bool suite =
        genre == z.saisie && ((genre == SaisieZone::Frappe && otee == 0 && debut == z.finSaisie) ||
                              (genre == SaisieZone::Effacement && inseree == 0 &&
                               (debut == z.finSaisie || debut + otee == z.finSaisie)));
    if (!suite || z.annulations.empty()) {
        if (z.annulations.size() >= kAnnulationsZone) z.annulations.erase(z.annulations.begin());
        z.annulations.push_back({std::move(z.texte), z.debutSelection, z.longueurSelection});
    }
    z.retablissements.clear();
    z.saisie = genre;
    z.finSaisie = genre == SaisieZone::Effacement ? debut : debut + inseree;
    z.texte = std::move(nouveau);
    if (z.modifie) *z.modifie = 1;
}

// The selection replaced by the text, as an edit of that kind.
bool remplace(TZoneTexte& z, std::string_view texte, SaisieZone genre) {
    const std::string insere = avecRetoursCRLF(texte);
    if (z.texte.size() - z.longueurSelection + insere.size() > z.longueurMax) return false;
    std::string nouveau = z.texte;
    nouveau.replace(z.debutSelection, z.longueurSelection, insere);
    const std::size_t debut = z.debutSelection;
    change(z, std::move(nouveau), debut, z.longueurSelection, insere.size(), genre);
    z.debutSelection = debut + insere.size();
    z.longueurSelection = 0;
    return true;
}

// Undo and redo: the state taken from one list, the current one put on the
// other.
void reprend(TZoneTexte& z, std::vector<EtatZone>& depuis, std::vector<EtatZone>& vers) {
    if (depuis.empty()) return;
    vers.push_back({std::move(z.texte), z.debutSelection, z.longueurSelection});
    EtatZone& e = depuis.back();
    z.texte = std::move(e.texte);
    const std::size_t debut = e.debutSelection, longueur = e.longueurSelection;
    depuis.pop_back();
    z.saisie = SaisieZone::Aucune;
    if (z.modifie) *z.modifie = 1;
    selectionneZone(z, debut, longueur);
}

} // namespace

void fixeTexteZone(TZoneTexte& z, std::string_view texte) {
    std::string nouveau = avecRetoursCRLF(texte);
    const std::size_t otee = z.texte.size(), inseree = nouveau.size();
    change(z, std::move(nouveau), 0, otee, inseree, SaisieZone::Aucune);
    z.debutSelection = z.longueurSelection = 0;
}

void oublieAnnulationsZone(TZoneTexte& z) {
    z.annulations.clear();
    z.retablissements.clear();
    z.saisie = SaisieZone::Aucune;
}

void selectionneZone(TZoneTexte& z, std::size_t debut, std::size_t longueur) {
    z.debutSelection = std::min(debut, z.texte.size());
    z.longueurSelection = std::min(longueur, z.texte.size() - z.debutSelection);
}

std::string texteSelectionne(const TZoneTexte& z) {
    return z.texte.substr(z.debutSelection, z.longueurSelection);
}

bool remplaceSelection(TZoneTexte& z, std::string_view texte) {
    return remplace(z, texte, SaisieZone::Aucune);
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
    const std::size_t otee = z.texte.size() - fin - debut, inseree = caret - debut;
    SaisieZone genre = SaisieZone::Aucune;
    if (unCaractere(std::string_view(nouveau).substr(debut, inseree)))
        genre = SaisieZone::Frappe;
    else if (inseree == 0 && unCaractere(std::string_view(z.texte).substr(debut, otee)))
        genre = SaisieZone::Effacement;
    change(z, std::move(nouveau), debut, otee, inseree, genre);
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
    reprend(z, z.annulations, z.retablissements);
}

void retablisZone(TZoneTexte& z) {
    reprend(z, z.retablissements, z.annulations);
}

bool peutAnnulerZone(const TZoneTexte& z) {
    return !z.annulations.empty();
}

bool peutRetablirZone(const TZoneTexte& z) {
    return !z.retablissements.empty();
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
            remplace(z, "", SaisieZone::Effacement);
        } else {
            effaceSelectionZone(z);
        }
    } else if (caractere == 13) {
        remplace(z, "\r\n", SaisieZone::Frappe);
    } else if (caractere >= 32 && caractere <= 255) {
        remplace(z, std::string(1, char(caractere)), SaisieZone::Frappe);
    }
}

} // namespace km32
