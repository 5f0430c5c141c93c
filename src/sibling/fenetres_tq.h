#pragma once
// What the sibling library shows to a user: the object information box, the
// expression window, the math-text editor, alerts, and the Save As of a text.
// Nothing is drawn on a screen here: each keeps the state a host or a test
// reads (open or closed, the text shown, where), and questions go through the
// platform's scripted message-box service.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sibling/texte_math.h"

namespace km32 {

// The information box of a Ctrl+click: a math text shown at a screen point.
struct InfoObjetTQ {
    bool ouverte = false;
    std::string texte;
    int32_t x = 0;
    int32_t y = 0;
    EncombrementTQ encombrement; // its measure at the normal size
    int32_t affichages = 0;      // times it was shown since the reset
};
// Shows the box with the text at (x, y), replacing what it showed.
void afficheInfoObj(std::string_view texte, int32_t x, int32_t y);
// Closes it (nothing when closed); the last text stays readable.
void fermeInfoObj();
const InfoObjetTQ& infoObjetTQ();

// A window showing one math text for a window that asked for it: the
// expression window of the construction dialog, and the math-text editor.
struct FenetreTexteTQ {
    bool ouverte = false;
    uint32_t fenetre = 0; // the window it was opened for
    std::string texte;
};
void montreExpression(uint32_t fenetre, std::string_view texte);
void fermeFenetreExpression();
const FenetreTexteTQ& fenetreExpressionTQ();
void afficheEditeurTexteMathematique(uint32_t fenetre, std::string_view texte);
void termineEditeurTexteMathematique();
const FenetreTexteTQ& editeurTexteMathematiqueTQ();

// An alert with up to three buttons (empty texts are not shown; with none,
// one button "OK"). The answer is the number of the button chosen, 1 to the
// number of buttons: the platform's answer OK or Yes is 1, No 2, Cancel the
// last button. The alert is recorded with its buttons.
struct AlerteTQ {
    std::string texte;
    std::string titre;
    std::vector<std::string> boutons;
    int16_t reponse = 0;
};
int16_t TQalerte(std::string_view texte, std::string_view titre, std::string_view bouton1,
                 std::string_view bouton2, std::string_view bouton3);
const std::vector<AlerteTQ>& alertesTQ();

// Save As: asks for a file name in an input box (title the sibling's phrase
// "Enregistrer sous", prompt "*." + extension, initial text the last save
// directory of the shared table followed by "/"), adds "." + extension to a
// name without one, and writes the text with TQEnregistreTexte. After a save
// the directory of the file becomes the shared table's last save directory.
// A null extension is none. False when the text is null or longer than 65536 bytes (nothing is asked),
// when the user cancels or gives an empty name, or when writing fails.
bool EnregistreTexteSous(const char* texte, const char* extension);

// Closes everything and forgets the alerts.
void reinitialiseFenetresTQ();

} // namespace km32
