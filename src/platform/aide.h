#pragma once
// Help requests: the library asks for a help file to be opened on a topic.
// A real host installs a function that shows the help; every request is
// recorded as the library gave it, so tests can read what was asked.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/fenetres.h"

namespace km32::platform {

// What a help request carries: the window asking, the help file, the command
// (1 a topic given by its context number, 3 the contents) and the data (the
// context number for a topic).
constexpr uint32_t kAideContexte = 1;
constexpr uint32_t kAideSommaire = 3;

struct DemandeAide {
    Fenetre fenetre = 0;
    std::string fichier;
    uint32_t commande = 0;
    uint32_t donnee = 0;
};

// The host's function: true when it showed the help.
using AfficheurAide = bool (*)(const DemandeAide&);
void installeAfficheurAide(AfficheurAide afficheur);

// Records the request and hands it to the host's function: false when no
// function is installed (the request is refused) or the host refused it.
bool demandeAide(const DemandeAide& demande);

std::vector<DemandeAide>& aidesDemandees();
void reinitialiseAide();

} // namespace km32::platform
