#include "model/avis_modification.h"

#include "model/table_figures.h"

namespace km32 {

namespace {

bool numeroValide(int16_t numero) {
    return numero >= 0 && numero <= 64;
}

} // namespace

EtatAvisModification& etatAvisModification() {
    static EtatAvisModification e;
    return e;
}

void reinitialiseAvisModification() {
    etatAvisModification() = EtatAvisModification{};
}

void installeAvisModification(AvisModification avis) {
    etatAvisModification().avis = avis;
}

void avisModificationHote(int16_t numero, bool modifiee) {
    if (numeroValide(numero)) etatAvisModification().connue[std::size_t(numero)] = modifiee;
    if (AvisModification avis = etatAvisModification().avis) avis(numero, modifiee ? 1 : 0);
}

SurveillanceModification::SurveillanceModification(int16_t numero) : numero_(numero) {
    if (!numeroValide(numero_)) return;
    EtatAvisModification& e = etatAvisModification();
    const std::size_t k = std::size_t(numero_);
    if (e.surveillances[k]++ == 0) {
        const TfigureKalmetra* f = figureOuRien(numero_);
        e.connue[k] = f && f->modifiee != 0;
    }
}

SurveillanceModification::~SurveillanceModification() {
    if (!numeroValide(numero_)) return;
    EtatAvisModification& e = etatAvisModification();
    const std::size_t k = std::size_t(numero_);
    if (e.surveillances[k] > 0) --e.surveillances[k];
    if (const TfigureKalmetra* f = figureOuRien(numero_); f && (f->modifiee != 0) != e.connue[k])
        avisModificationHote(numero_, f->modifiee != 0);
}

bool modificationSurveillee(int16_t numero) {
    return numeroValide(numero) && etatAvisModification().surveillances[std::size_t(numero)] > 0;
}

} // namespace km32
