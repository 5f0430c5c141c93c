#pragma once
// A figure read from a text and drawn in a headless 800 x 600 window, as a
// host shows it: the record, its objects computed, the drawing data and the
// display list built.
#include <memory>
#include <string>

#include "drawing/rafraichissement.h"
#include "drawing/vue_operations.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "platform/fenetres.h"

namespace km32::essais {

// The figure, and in ligneRefusee the number of the line the text stopped at
// (0 when it ran whole).
inline std::unique_ptr<TfigureKalmetra> figureDessinee(const std::string& texte, uint16_t& ligneRefusee,
                                                       int32_t largeur = 800, int32_t hauteur = 600) {
    auto f = std::make_unique<TfigureKalmetra>();
    initialiseFigureNeuve(*f);
    ligneRefusee = executeTexteDeFigure(*f, texte, 1);
    f->fenetreDessin = platform::creeFenetre(0, {0, 0, largeur, hauteur}, {}, true);
    ajusteTailleFenetre(*f);
    reconstruitDessin(*f);
    return f;
}

} // namespace km32::essais
