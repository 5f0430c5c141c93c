#include "text/pas_a_pas.h"

#include "model/messages.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "sibling/phrases_tq.h"

namespace km32 {

void pasAPas(TfigureKalmetra& f) {
    if (f.modePasAPas) {
        f.modePasAPas = 0;
        repeintFigureEcran(f);
        miseAjourMenuFigure(f);
        return;
    }
    f.nombreEtapes = 0;
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets && f.nombreEtapes < 250; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (o.nature == kNatureCommande || accesInterdit(o)) continue;
        f.etapes[++f.nombreEtapes] = uint8_t(i);
    }
    if (f.nombreEtapes == 0) {
        afficheMessage(TQphraseDeNumero(kPhraseAucunObjetDisponible), TQphraseDeNumero(kPhraseErreurTQ));
        return;
    }
    f.etapeCourante = 1;
    f.modePasAPas = 1;
    repeintFigureEcran(f);
    miseAjourMenuFigure(f);
}

void etapeSuivante(TfigureKalmetra& f) {
    if (!f.modePasAPas || f.etapeCourante >= f.nombreEtapes) return;
    ++f.etapeCourante;
    repeintFigureEcran(f);
}

void etapePrecedente(TfigureKalmetra& f) {
    if (!f.modePasAPas || f.etapeCourante <= 1) return;
    --f.etapeCourante;
    repeintFigureEcran(f);
}

int dernierObjetDessine(const TfigureKalmetra& f) {
    if (!f.modePasAPas || f.etapeCourante < 1 || f.etapeCourante > f.nombreEtapes) return f.nombreObjets;
    const int n = f.etapes[f.etapeCourante];
    return n <= f.nombreObjets ? n : f.nombreObjets;
}

} // namespace km32
