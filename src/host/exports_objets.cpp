// Exported functions: the objects of a figure one by one, for hosts that
// list them (their names, kinds and whether they are defined).
#include "km32.h"

#include "base/texte.h"
#include "host/exports_commun.h"
#include "model/expression_erreurs.h"
#include "model/objets_figure.h"
#include "model/solides/constructions_polyedres.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/memoire.h"

namespace km32 {
namespace {

// The figure and the object, or nullptr when either does not exist.
const TfigureKalmetra* figureAvecObjet(int16_t n, int32_t i) {
    if (!figureExiste(n)) return nullptr;
    const TfigureKalmetra* f = figureDeNumero(n);
    return (i >= 1 && i <= f->nombreObjets) ? f : nullptr;
}

} // namespace
} // namespace km32

extern "C" {

KM32_EXPORT int32_t KMNombreObjets(int16_t numero) {
    return km32::appelFigure(numero, int32_t(0), [&] {
        return km32::figureExiste(numero) ? int32_t(km32::figureDeNumero(numero)->nombreObjets) : 0;
    });
}

KM32_EXPORT uint32_t KMNomObjetDeNumero(int16_t numero, int32_t objet) {
    return km32::appelFigure(numero, uint32_t(0), [&] {
        const km32::TfigureKalmetra* f = km32::figureAvecObjet(numero, objet);
        return f ? km32::platform::alloueBloc(km32::nomObjet(*f, objet)) : 0u;
    });
}

KM32_EXPORT int32_t KMNatureObjet(int16_t numero, int32_t objet) {
    return km32::appelFigure(numero, int32_t(0), [&] {
        const km32::TfigureKalmetra* f = km32::figureAvecObjet(numero, objet);
        return f ? int32_t(km32::objet(*f, objet).nature) : 0;
    });
}

KM32_EXPORT int32_t KMRaisonObjetNonDefini(int16_t numero, int32_t objet) {
    return km32::appelFigure(numero, int32_t(-1), [&] {
        const km32::TfigureKalmetra* f = km32::figureAvecObjet(numero, objet);
        if (!f) return int32_t(-1);
        const km32::TObjetFigure& o = km32::objet(*f, objet);
        // An undefined object whose construction gives no reason has the
        // phrase of an unspecified reason.
        if (!o.nonDefini) return int32_t(0);
        return o.raison != 0 ? int32_t(o.raison) : int32_t(432);
    });
}

KM32_EXPORT uint32_t KMTexteRaisonObjetNonDefini(int16_t numero, int32_t objet) {
    return km32::appelFigure(numero, uint32_t(0), [&] {
        const int32_t raison = KMRaisonObjetNonDefini(numero, objet);
        if (raison <= 0) return uint32_t(0);
        std::string nom1, nom2;
        km32::nomsSommetsErreur(*km32::figureDeNumero(numero), objet, uint16_t(raison), nom1, nom2);
        const std::string texte =
            km32::remplaceMarquesErreur(km32::phraseDeNumero(uint16_t(raison)), nom1, nom2);
        return km32::platform::alloueBloc(texte);
    });
}
}
