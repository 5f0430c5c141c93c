#pragma once
// The error report by phrase number, with the two names its "#1" and "#2"
// stand for, and the one yes/no question every subsystem uses.
#include <cstdint>
#include <string>

namespace km32 {

struct EtatErreurs {
    std::string nomErreur1; // what "#1" of the next report shows
    std::string nomErreur2; // what "#2" shows
    // Off swallows exactly the next report, which switches it on again.
    bool affichageErreurs = true;
};
EtatErreurs& etatErreurs();
void reinitialiseErreurs();
inline std::string& nomErreur1() {
    return etatErreurs().nomErreur1;
}
inline std::string& nomErreur2() {
    return etatErreurs().nomErreur2;
}

// A phrase with "#2" replaced by nomErreur2 and "#" followed by any other
// character (or ending the text) by nomErreur1.
std::string remplaceMarquesErreur(const std::string& phrase);
// The same with the two names given.
std::string remplaceMarquesErreur(const std::string& phrase, const std::string& nom1,
                                  const std::string& nom2);
// The text of phrase n with "#2" replaced by nomErreur2 and "#" followed by
// any other character by nomErreur1.
std::string texteErreurDeNumero(uint16_t n);
// Shows that text in a task-modal box titled by phrase 617, unless the
// error display is off (then nothing is shown and it is switched on again)
// or messages are muted.
void afficheErreurDeNumero(uint16_t n);
// Asks phrase 4415 with a Yes/No box titled by phrase 11307; true for Yes.
bool demandeConfirmation();

} // namespace km32
