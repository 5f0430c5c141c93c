#include "text/instantanes_figure.h"

#include "drawing/clavier_partage.h"
#include "model/services_texte.h"

namespace km32 {

namespace {

std::unique_ptr<std::string> duplique(const std::unique_ptr<std::string>& texte) {
    return texte ? std::make_unique<std::string>(*texte) : nullptr;
}

} // namespace

EtatInstantanes& etatInstantanes() {
    static EtatInstantanes e;
    return e;
}

void reinitialiseInstantanes() {
    etatInstantanes() = EtatInstantanes{};
}

void reinscritVariablesPartagees(TfigureKalmetra& f) {
    if (f.importationActive) inscritVariablesPartagees(f);
}

bool empileInstantane(TfigureKalmetra& f) {
    EtatInstantanes& e = etatInstantanes();
    if (f.variablesPartagees) desinscritVariablesPartagees(f);
    TInstantane nouveau;
    if (e.reserve) {
        // Copied into the kept record: it holds no live part (it was made
        // by copieFigure), and restaureFigure copies everything else.
        nouveau.copie = std::move(e.reserve);
        restaureFigure(f, *nouveau.copie);
    } else {
        copieFigure(f, nouveau.copie);
    }
    nouveau.commentaire = duplique(f.texteCommentaire);
    nouveau.lignesDifferees = duplique(f.lignesDifferees);
    nouveau.origine = &f;
    // Counted only once the copy is whole: a copy that throws pushes nothing.
    e.pile.push_back(std::move(nouveau));
    return true;
}

void depileInstantane() {
    EtatInstantanes& e = etatInstantanes();
    if (e.nombreInstantanes() == 0) return;
    TInstantane& haut = e.pile.back();
    if (haut.copie) e.reserve = std::move(haut.copie);
    e.pile.pop_back();
}

void restaureInstantane(TfigureKalmetra& f) {
    EtatInstantanes& e = etatInstantanes();
    if (e.nombreInstantanes() == 0) return;
    TInstantane& haut = e.pile.back();
    if (f.variablesPartagees) desinscritVariablesPartagees(f);
    restaureFigure(*haut.copie, f);
    f.texteCommentaire = std::move(haut.commentaire);
    f.lignesDifferees = std::move(haut.lignesDifferees);
    depileInstantane();
    reinscritVariablesPartagees(f);
}

} // namespace km32
