#include "host/repartiteur.h"

#include "host/fenetre_mere.h"
#include "host/services_attendus.h"
#include "model/fenetres_figure.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/table_figures.h"
#include "platform/messages.h"

namespace km32 {

uint8_t traiteMessageKMParNumero(int16_t numero, TMessageFigure& message) {
    if (!figureExiste(numero)) return 0;
    return traiteMessageFigure(*figureDeNumero(numero), message);
}

uint8_t traiteMessageFigure(TfigureKalmetra& f, TMessageFigure& m) {
    namespace p = platform;
    switch (m.message) {
    case p::WM_SIZE:
        ajusteTailleEtRepeint(f);
        return 1;
    case p::WM_KEYDOWN:
        return traiteToucheEnfoncee(f, m.wParam);
    case p::WM_CHAR:
        return traiteCaractere(f, m.wParam);
    case p::WM_COMMAND:
        return executeCommandeFigure(f, m.wParam, m.lParam);
    case p::WM_TIMER:
        // Timers of a figure whose annex window is open wait; 272 and above
        // belong to the figure window itself.
        if (annexeModaleDe(fenetreDeLaFigure(f))) return 0;
        if (m.wParam > kMinuterieHorloge) return 0;
        return topHorlogeOuCommande(f, m.wParam);
    case p::WM_MOUSEMOVE:
        sourisDeplacee(f, m.lParam);
        return 1;
    case p::WM_LBUTTONDOWN:
        sourisBoutonEnfonce(f, m.lParam);
        return 1;
    case p::WM_LBUTTONUP:
        sourisBoutonRelache(f, m.lParam);
        return 1;
    case p::WM_RBUTTONDOWN:
        debutRotationVue(f, m.lParam);
        return 1;
    case p::WM_RBUTTONUP:
        termineEtatGlisser(f);
        return 1;
    default:
        return 1;
    }
}

} // namespace km32
