#pragma once
// The comment window described to the platform layer (formes_liees.h): a
// comment in plain words is shown as a read-only multi-line entry over the
// whole window (the box that scrolls it), which a reader can select, copy
// and scroll; a comment with mathematical notation (a math zone or a colour
// code) gets no entry, so that its drawing by the window stays in view.
#include <string_view>

#include "host/fenetres/fenetre_commentaire.h"

namespace km32 {

constexpr int kChampTexteCommentaire = 1;

// True when the sibling library draws the text as its plain characters:
// it holds neither a math zone's "\" nor a colour code's "$".
bool commentaireSansNotation(std::string_view texte);

void lieFormeFenetreCommentaire(const TKMFenCommentaire& c);

} // namespace km32
