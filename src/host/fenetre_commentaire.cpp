#include "host/fenetre_commentaire.h"

namespace km32 {

// Comment windows are not available yet: the figure's comment stays in its
// text and in what the host reads of it, and no window is shown.
bool afficheFenetreCommentaire(TfigureKalmetra&) {
    return false;
}

} // namespace km32
