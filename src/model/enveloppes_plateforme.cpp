#include "model/enveloppes_plateforme.h"

#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/fenetres.h"

namespace km32 {

void deplaceVers(uint32_t dc, int32_t x, int32_t y) {
    if (platform::ContexteDessin* c = platform::contexteDeHandle(dc)) platform::deplaceVers(*c, x, y);
}

uint32_t etendueFenetre(uint32_t dc) {
    const platform::ContexteDessin* c = platform::contexteDeHandle(dc);
    if (!c) return 0;
    const platform::Taille t = platform::etendueFenetre(*c);
    return (uint32_t(uint16_t(t.cy)) << 16) + uint16_t(t.cx);
}

void fixeEtendueFenetre(uint32_t dc, int32_t cx, int32_t cy) {
    if (platform::ContexteDessin* c = platform::contexteDeHandle(dc))
        platform::fixeEtendueFenetre(*c, cx, cy);
}

void fixeOrigineFenetre(uint32_t dc, int32_t x, int32_t y) {
    if (platform::ContexteDessin* c = platform::contexteDeHandle(dc)) platform::fixeOrigineFenetre(*c, x, y);
}

void fixeEtendueEcran(uint32_t dc, int32_t cx, int32_t cy) {
    if (platform::ContexteDessin* c = platform::contexteDeHandle(dc)) platform::fixeEtendueVue(*c, cx, cy);
}

void decaleOrigineEcran(uint32_t dc, int32_t dx, int32_t dy) {
    if (platform::ContexteDessin* c = platform::contexteDeHandle(dc)) platform::decaleOrigineVue(*c, dx, dy);
}

uint32_t fenetreRacine(uint32_t fenetre) {
    if (platform::parentFenetre(fenetre) == 0) return 0;
    return platform::ancetreRacine(fenetre);
}

void detacheFenetre(uint32_t fenetre) {
    if (!platform::estFenetre(fenetre) || platform::parentFenetre(fenetre) == 0) return;
    platform::changeParent(fenetre, 0);
}

} // namespace km32
