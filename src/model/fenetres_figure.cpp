#include "model/fenetres_figure.h"

#include "model/avis_modification.h"
#include "model/table_figures.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "sibling/table_partagee.h"

namespace km32 {

bool figureSansHote(const TfigureKalmetra& f) {
    return f.fenetreHote == 0;
}

uint32_t fenetreDeLaFigure(const TfigureKalmetra& f) {
    return figureSansHote(f) ? f.fenetreDessin : f.fenetreForme;
}

namespace {

// The top-level window of a host's figure: known once the figure was first
// activated, and before that the one its activation will take.
uint32_t proprietaire(const TfigureKalmetra& f) {
    return f.fenetreProprietaire != 0 ? f.fenetreProprietaire : platform::ancetreRacine(f.fenetreHote);
}

} // namespace

void attacheFenetreAFigure(int16_t numero, uint32_t fenetre) {
    TfigureKalmetra* f = figureOuRien(numero);
    if (!f) return;
    if (figureSansHote(*f))
        platform::changeParent(fenetre, TQTableDesVariablesPartagees()->parentAnnexes);
    else if (const uint32_t p = proprietaire(*f))
        platform::changeParent(fenetre, p);
}

void activeFenetreFigure(int16_t numero) {
    TfigureKalmetra* f = figureOuRien(numero);
    if (f && !figureSansHote(*f)) platform::activeFenetre(proprietaire(*f));
}

platform::Rectangle rectangleClientFigure(int16_t numero) {
    TfigureKalmetra* f = figureOuRien(numero);
    if (f && !figureSansHote(*f)) return platform::rectangleClient(proprietaire(*f));
    return platform::rectangleClient(TQTableDesVariablesPartagees()->parentAnnexes);
}

int32_t signaleFigureModifiee(TfigureKalmetra& f) {
    // The host told of a change finds the figure marked modified, and its
    // function hears of the flag that rose (at the end of the dispatcher's
    // message when the change came inside one).
    const bool avant = f.modifiee != 0;
    f.modifiee = 1;
    if (!avant && !modificationSurveillee(int16_t(f.numeroFigure)))
        avisModificationHote(int16_t(f.numeroFigure), true);
    return avertitHoteFigure(f);
}

int32_t avertitHoteFigure(TfigureKalmetra& f) {
    if (figureSansHote(f)) return 1;
    return platform::envoieMessage(f.fenetreHote, platform::WM_KEYUP, 1025, 0);
}

} // namespace km32
