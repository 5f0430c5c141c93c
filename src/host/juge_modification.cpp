#include "host/juge_modification.h"

#include <array>
#include <optional>

#include "model/avis_modification.h"
#include "model/table_figures.h"
#include "text/annulation.h"

namespace km32 {

namespace {

constexpr std::size_t kNumeros = 65; // figure numbers 0 to 64

struct EtatJuges {
    std::array<int, kNumeros> profondeur{};                        // judges open on each figure
    std::array<std::optional<std::string>, kNumeros> reference{};  // the text last seen unmodified
    std::array<std::optional<std::string>, kNumeros> gesteDebut{}; // a drag's text at its press
    std::array<TCopieAnnulation, kNumeros> gesteCopie{};           // and its figure then
    std::array<uint64_t, kNumeros> gestePlacements{};              // and the store's count then
    std::array<bool, kNumeros> sansPas{};                          // the input takes no undo step
};

EtatJuges& etatJuges() {
    static EtatJuges e;
    return e;
}

bool numeroJuge(int16_t numero) {
    return numero >= 0 && std::size_t(numero) < kNumeros;
}

} // namespace

JugeModification::JugeModification(const TfigureKalmetra& f) : numero_(int16_t(f.numeroFigure)) {
    if (!numeroJuge(numero_) || figureOuRien(numero_) != &f) return;
    EtatJuges& e = etatJuges();
    const std::size_t k = std::size_t(numero_);
    if (e.profondeur[k]++ > 0) return;
    actif_ = true;
    e.sansPas[k] = false;
    if (e.gesteDebut[k]) {
        avant_ = std::move(*e.gesteDebut[k]);
        copie_ = std::move(e.gesteCopie[k]);
        placements_ = e.gestePlacements[k];
        e.gesteDebut[k].reset();
    } else {
        avant_ = texteDeFigurePourAnnuler(f);
        copie_ = copieDeFigurePourAnnuler(f);
        placements_ = etatAnnulation().placements;
    }
    // A figure not marked is as its file is: its text is the reference.
    if (f.modifiee == 0) e.reference[k] = avant_;
}

JugeModification::~JugeModification() {
    if (!numeroJuge(numero_)) return;
    EtatJuges& e = etatJuges();
    const std::size_t k = std::size_t(numero_);
    if (e.profondeur[k] > 0) --e.profondeur[k];
    if (!actif_) return;
    TfigureKalmetra* f = figureOuRien(numero_);
    if (!f) return; // the input closed the figure
    if (f->etatGlisser) {
        // A drag goes on: the text at its press waits for its release, and
        // the text is not written at each move of the pointer (a drag step
        // must stay cheap); the release judges the whole drag.
        e.gesteDebut[k] = std::move(avant_);
        e.gesteCopie[k] = std::move(copie_);
        e.gestePlacements[k] = placements_;
        return;
    }
    const std::string apres = texteDeFigurePourAnnuler(*f);
    const bool sansPas = e.sansPas[k];
    e.sansPas[k] = false;
    if (!sansPas && apres != avant_ && etatAnnulation().placements == placements_)
        prendInstantanePourAnnulerDuTexte(*f, avant_, std::move(copie_));
    const uint8_t juge =
        e.reference[k] ? (apres != *e.reference[k] ? 1 : 0) : (apres != avant_ ? 1 : f->modifiee);
    if (f->modifiee == juge) return;
    f->modifiee = juge;
    // Inside a watched input the watch tells the host when it ends;
    // otherwise the host hears of the corrected flag now.
    if (!modificationSurveillee(numero_)) avisModificationHote(numero_, juge != 0);
}

void entreeSansPasAnnulation(const TfigureKalmetra& f) {
    const int16_t numero = int16_t(f.numeroFigure);
    if (!numeroJuge(numero) || figureOuRien(numero) != &f) return;
    EtatJuges& e = etatJuges();
    if (e.profondeur[std::size_t(numero)] > 0) e.sansPas[std::size_t(numero)] = true;
}

void noteFigureEnregistree(int16_t numero) {
    const TfigureKalmetra* f = figureOuRien(numero);
    if (!numeroJuge(numero) || !f) return;
    etatJuges().reference[std::size_t(numero)] = texteDeFigurePourAnnuler(*f);
}

void oublieJugementsFigure(int16_t numero) {
    if (!numeroJuge(numero)) return;
    EtatJuges& e = etatJuges();
    const std::size_t k = std::size_t(numero);
    e.reference[k].reset();
    e.gesteDebut[k].reset();
    e.gesteCopie[k] = TCopieAnnulation{};
}

void reinitialiseJugesModification() {
    etatJuges() = EtatJuges{};
}

} // namespace km32
