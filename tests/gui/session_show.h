#pragma once
// km32 show for one GUI test: an X display of its own, the figure text
// written into a folder named after the test, the program started on it
// and waited for until its window shows the figure; at the end the program
// is asked to quit (Ctrl+Q, answering No when it asks to save) and the
// folder goes.
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ecran_x.h"

namespace km32::tests {

class SessionShow {
  public:
    // Starts km32 show with the seed on the figure text (the screen 800 x
    // 600 pixels at the top left); false, with the reason in erreur(), when
    // the display or the program did not come.
    bool demarre(const std::string& prefixe, const std::string& texte, uint64_t graine);
    ~SessionShow();

    EcranX& ecran() { return *ecran_; }
    const std::filesystem::path& figure() const { return figure_; }
    bool enCours() { return ecran_ && programme_ > 0 && ecran_->enCours(programme_); }
    const std::string& erreur() const { return erreur_; }
    // The program's windows besides the figure's: pop-up menus, boxes.
    std::vector<EcranX::FenetreX> boites();
    // Ctrl+Q, No to the save question; false when the program did not end.
    bool quitte();

  private:
    std::unique_ptr<EcranX> ecran_;
    std::filesystem::path dossier_, figure_;
    pid_t programme_ = 0;
    std::string erreur_;
};

// A file's whole content.
std::string contenuFichier(const std::filesystem::path& chemin);

} // namespace km32::tests
