#pragma once
// Task-modal message boxes with a global mute switch, through the
// platform's message-box service.
#include <cstdint>
#include <string>

namespace km32 {

struct EtatMessages {
    uint8_t messagesMuets = 0;       // when set, the boxes below are not shown (questions excepted)
    uint8_t boiteMessageOuverte = 0; // 1 while one of the boxes is on screen
};
EtatMessages& etatMessages();
void reinitialiseMessages();

// An OK box, unless messages are muted.
void afficheMessage(const std::string& texte, const std::string& titre);
// The same with the caller's flags (platform::StyleBoite) added.
void afficheMessageType(const std::string& texte, const std::string& titre, uint32_t drapeaux);
// Yes, No and Cancel with the exclamation icon; the second button is the
// default when bouton is 2. Shown even when messages are muted.
int questionOuiNonAnnuler(const std::string& texte, const std::string& titre, int bouton);
// Yes and No; shown even when messages are muted.
int questionOuiNon(const std::string& texte, const std::string& titre);
// The variant for NUL-terminated texts: an OK box unless muted.
void afficheMessageZ(const char* texte, const char* titre);
// Shows texteDeReel(x).
void afficheMessageReel(const std::string& titre, double x);

} // namespace km32
