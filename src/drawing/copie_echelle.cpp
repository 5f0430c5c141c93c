#include "drawing/copie_echelle.h"

#include "base/garde.h"
#include "drawing/bloc_dessin.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_styles.h"
#include "model/operations.h"
#include "platform/contexte_dessin_table.h"

namespace km32 {

namespace {

// The context is the figure's current one through a handle for the life of the guard.
class ContexteCourant {
  public:
    ContexteCourant(TfigureKalmetra& f, platform::ContexteDessin& dc)
        : handle_(platform::enregistreContexte(&dc)), garde_(f.contexteDessin, handle_) {}
    ~ContexteCourant() { platform::oublieContexte(handle_); }
    ContexteCourant(const ContexteCourant&) = delete;
    ContexteCourant& operator=(const ContexteCourant&) = delete;

  private:
    uint32_t handle_;
    GardeValeur<uint32_t> garde_;
};

} // namespace

int32_t echelleEntier(int32_t n) {
    return arrondiBorne(n * etatRendu().facteurEchelle);
}

void echelleRectangle(platform::Rect& r) {
    if (!etatRendu().modeEchelle) return;
    r = {echelleEntier(r.gauche), echelleEntier(r.haut), echelleEntier(r.droite), echelleEntier(r.bas)};
}

void peintFigureAEchelle(TfigureKalmetra& f, platform::ContexteDessin& dc, double facteur, bool monochrome,
                         double pixel) {
    TetatRendu& e = etatRendu();
    {
        const ContexteCourant courant(f, dc);
        platform::choisitPolice(dc, platform::Police{});
        const GardeValeur<uint8_t> echelle(e.modeEchelle, 1);
        const GardeValeur<double> facteurEchelle(e.facteurEchelle, facteur);
        const GardeValeur<double> pixelContexte(dc.etat.pixel, dc.etat.pixel);
        platform::fixePixelContexte(dc, pixel);
        const GardeValeur<double> pixelEchelle(e.pixelEchelle, dc.etat.pixel);
        const GardeValeur<uint8_t> monochromie(e.sortieMonochrome, monochrome ? 1 : 0);
        placeZonesDessin(f);
        dessineFigure(f, dc);
    }
    placeZonesDessin(f);
}

} // namespace km32
