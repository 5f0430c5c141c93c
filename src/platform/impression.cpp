#include "platform/impression.h"

#include <cmath>

namespace km32::platform {

namespace {

struct EtatImpression {
    ParametresImprimante parametres;
    bool disponible = true;
    std::vector<DocumentImprime> documents;
};

EtatImpression& etat() {
    static EtatImpression e;
    return e;
}

int32_t pixelsDeMm(double mm) {
    return int32_t(std::lround(mm * etat().parametres.pointsParPouce / 25.4));
}

} // namespace

void configureImprimante(const ParametresImprimante& p) {
    ParametresImprimante& q = etat().parametres;
    if (p.largeurPageMm >= 1) q.largeurPageMm = p.largeurPageMm;
    if (p.hauteurPageMm >= 1) q.hauteurPageMm = p.hauteurPageMm;
    if (p.pointsParPouce >= 1) q.pointsParPouce = p.pointsParPouce;
    if (p.margeMm >= 0 && 2 * p.margeMm < q.largeurPageMm && 2 * p.margeMm < q.hauteurPageMm)
        q.margeMm = p.margeMm;
}

ParametresImprimante parametresImprimante() {
    return etat().parametres;
}

double largeurImprimableMm() {
    const ParametresImprimante& p = etat().parametres;
    return p.largeurPageMm - 2.0 * p.margeMm;
}

double hauteurImprimableMm() {
    const ParametresImprimante& p = etat().parametres;
    return p.hauteurPageMm - 2.0 * p.margeMm;
}

Taille zoneImprimable() {
    return {pixelsDeMm(largeurImprimableMm()), pixelsDeMm(hauteurImprimableMm())};
}

TravailImpression::TravailImpression(std::string titre) : ok_(etat().disponible), titre_(std::move(titre)) {}

TravailImpression::~TravailImpression() = default;

ContexteDessin* TravailImpression::commencePage() {
    if (!ok_ || fini_ || pageOuverte_) return nullptr;
    if (!dessin_) {
        // One PDF page per printed page, the printable area in printer pixels
        // from its corner, the margin around it.
        const ParametresImprimante& p = etat().parametres;
        const int32_t marge = pixelsDeMm(p.margeMm);
        MiseEnPage page;
        page.origine = {-marge, -marge};
        page.etendue = {pixelsDeMm(p.largeurPageMm), pixelsDeMm(p.hauteurPageMm)};
        page.largeurCentiemesMm = p.largeurPageMm * 100;
        page.hauteurCentiemesMm = p.hauteurPageMm * 100;
        dessin_ = std::make_unique<DessinVectoriel>(page, false);
    } else {
        dessin_->nouvellePage();
    }
    pageOuverte_ = true;
    return &dessin_->contexte();
}

bool TravailImpression::terminePage() {
    if (!pageOuverte_) return false;
    pageOuverte_ = false;
    pages_.push_back(dessin_->primitives());
    return true;
}

bool TravailImpression::termine() {
    if (!ok_ || fini_) return false;
    terminePage();
    fini_ = true;
    if (pages_.empty()) return false;
    DocumentImprime document;
    document.titre = titre_;
    document.pages = std::move(pages_);
    dessin_->termine();
    document.pdf = dessin_->pdf();
    dessin_.reset();
    etat().documents.push_back(std::move(document));
    return true;
}

const std::vector<DocumentImprime>& documentsImprimes() {
    return etat().documents;
}

void fixeImprimanteDisponible(bool disponible) {
    etat().disponible = disponible;
}

bool imprimanteDisponible() {
    return etat().disponible;
}

void reinitialiseImpression() {
    etat() = EtatImpression{};
}

} // namespace km32::platform
