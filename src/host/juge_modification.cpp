#include "host/juge_modification.h"

#include "model/avis_modification.h"
#include "model/table_figures.h"
#include "text/ecriture_figure.h"

namespace km32 {

JugeModification::JugeModification(const TfigureKalmetra& f)
    : numero_(int16_t(f.numeroFigure)), actif_(f.modifiee == 0) {
    // A figure already marked keeps its mark whatever the input does: the
    // text is written only when the judgement can change the flag.
    if (actif_) avant_ = ecritTexteFigure(f);
}

JugeModification::~JugeModification() {
    if (!actif_) return;
    TfigureKalmetra* f = figureOuRien(numero_);
    if (!f) return; // the input closed the figure
    const uint8_t juge = ecritTexteFigure(*f) != avant_ ? 1 : 0;
    if (f->modifiee == juge) return;
    f->modifiee = juge;
    // Inside a watched input the watch tells the host when it ends;
    // otherwise the host hears of the corrected flag now.
    if (!modificationSurveillee(numero_)) avisModificationHote(numero_, juge != 0);
}

} // namespace km32
