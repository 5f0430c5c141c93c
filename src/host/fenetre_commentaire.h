#pragma once
// The comment window of a figure: a window beside the figure's window that
// shows the figure's comment text (the lines after "Commentaire").
#include "model/figure.h"

namespace km32 {

// Opens the comment window of the figure, or brings it to the front when it
// is open. False when no window could be shown: the figure has no comment
// or no window, or comment windows are not available.
bool afficheFenetreCommentaire(TfigureKalmetra& f);

} // namespace km32
