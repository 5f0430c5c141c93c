#pragma once
// What every annex window model does the same way: the one instance of the
// process (a unique_ptr held by its module), brought forward by the annex
// protocol's show operation and freed with its window by the close one; and
// the window procedure of a paint box that a model draws.
// The model is freed before its window is destroyed, so that the window
// procedure finds no model while the window goes.
#include <cstdint>
#include <memory>

#include "host/fenetre_mere.h"
#include "model/fenetres_figure.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/messages.h"

namespace km32 {

template <class Modele> void montreAnnexeModele(const std::unique_ptr<Modele>& modele) {
    if (!modele) return;
    platform::afficheFenetre(modele->fenetre, true);
    platform::activeFenetre(modele->fenetre);
}

// The same for an editor: shown, and the keyboard focus given to it.
template <class Modele> void montreAnnexeAvecFocus(const std::unique_ptr<Modele>& modele) {
    if (!modele) return;
    platform::afficheFenetre(modele->fenetre, true);
    platform::donneFocus(modele->fenetre);
}

// The window procedure of a model's paint box (its boitePeinture): a paint
// of the box is drawn by peins, then the box is valid again.
template <class Modele, Modele* (*modele)(), void (*peins)(Modele&)>
int32_t procedureBoitePeinture(platform::Fenetre fenetre, uint32_t message, uint32_t, int32_t) {
    Modele* m = modele();
    if (m && message == platform::WM_PAINT && fenetre == m->boitePeinture) {
        peins(*m);
        platform::valideFenetre(fenetre);
    }
    return 0;
}

template <class Modele> void fermeAnnexeModele(std::unique_ptr<Modele>& modele) {
    if (!modele) return;
    const uint32_t fenetre = modele->fenetre;
    modele.reset();
    platform::changeParent(fenetre, platform::kAucuneFenetre);
    platform::detruitFenetre(fenetre);
}

// The start of opening an editor on figure numero: the figure must exist and
// the common dialog be free for its window; the editor of this kind already
// open is closed first. Gives the figure, or nullptr when nothing opens.
template <class Modele> TfigureKalmetra* figurePourEditeur(int16_t numero, std::unique_ptr<Modele>& modele) {
    if (!figureExiste(numero)) return nullptr;
    TfigureKalmetra& f = *figureDeNumero(numero);
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return nullptr;
    fermeAnnexeModele(modele);
    return &f;
}

} // namespace km32
