#pragma once
// The codes of this library's annex windows, as the shared table's open-annex
// byte holds them (0: none; below 128: the sibling library's windows). The
// mother window (host/fenetre_mere.h) calls each module's show and close
// operations by these codes.
#include <cstdint>

namespace km32 {

constexpr uint8_t kAnnexeDialogue = 129;           // the construction dialog
constexpr uint8_t kAnnexeChoixRappels = 130;       // the reminder picker
constexpr uint8_t kAnnexeRappels = 131;            // the reminders window
constexpr uint8_t kAnnexeStyles = 132;             // the style palette
constexpr uint8_t kAnnexeFiltreMenus = 133;        // the menu filter
constexpr uint8_t kAnnexeEditeurFigure = 134;      // the figure text editor
                                                   // (135 is not used)
constexpr uint8_t kAnnexeCommentaire = 136;        // the comment window, read-only
constexpr uint8_t kAnnexeTableauValeurs = 137;     // the table of values
constexpr uint8_t kAnnexeFonctionValeurs = 138;    // a function given by values
constexpr uint8_t kAnnexeEditeurCommentaire = 139; // the comment editor

} // namespace km32
