#include "host/fenetres/rappels/liste_defilante.h"

#include <algorithm>

#include "platform/entrees.h"
#include "platform/messages.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr p::Couleur kGrisPiste = p::rgb(224, 224, 224);
constexpr p::Couleur kGrisCurseur = p::rgb(160, 160, 160);

int32_t hauteurTotale(const TListeDefilante& l) {
    int32_t h = 0;
    for (const int32_t k : l.hauteurs)
        h += k;
    return h;
}

// The first line of the page that ends just above the first line shown.
int premiereDeLaPagePrecedente(const TListeDefilante& l, int32_t hauteurVue) {
    int k = l.premiere;
    int32_t h = 0;
    while (k > 0 && h + l.hauteurs[std::size_t(k - 1)] <= hauteurVue) {
        h += l.hauteurs[std::size_t(k - 1)];
        --k;
    }
    return std::min(k, l.premiere - 1);
}

} // namespace

int derniereLigneEnTete(const TListeDefilante& l) {
    return std::max(0, int(l.hauteurs.size()) - 1);
}

void fixePremiereLigne(TListeDefilante& l, int k) {
    l.premiere = std::clamp(k, 0, derniereLigneEnTete(l));
}

int lignesVisibles(const TListeDefilante& l, int32_t hauteurVue) {
    int n = 0;
    int32_t h = 0;
    for (std::size_t k = std::size_t(std::max(0, l.premiere)); k < l.hauteurs.size(); ++k) {
        h += l.hauteurs[k];
        if (h > hauteurVue) break;
        ++n;
    }
    return std::max(n, l.premiere < int(l.hauteurs.size()) ? 1 : 0);
}

bool defilementNecessaire(const TListeDefilante& l, int32_t hauteurVue) {
    return hauteurTotale(l) > hauteurVue || l.premiere > 0;
}

int ligneSousOrdonnee(const TListeDefilante& l, int32_t y) {
    if (y < 0) return -1;
    int32_t haut = 0;
    for (std::size_t k = std::size_t(std::max(0, l.premiere)); k < l.hauteurs.size(); ++k) {
        haut += l.hauteurs[k];
        if (y < haut) return int(k);
    }
    return -1;
}

void defileParBarre(TListeDefilante& l, int32_t hauteurVue, uint32_t wParam) {
    switch (wParam & 0xFFFF) {
    case p::SB_LINEUP:
        fixePremiereLigne(l, l.premiere - 1);
        break;
    case p::SB_LINEDOWN:
        fixePremiereLigne(l, l.premiere + 1);
        break;
    case p::SB_PAGEUP:
        fixePremiereLigne(l, premiereDeLaPagePrecedente(l, hauteurVue));
        break;
    case p::SB_PAGEDOWN:
        fixePremiereLigne(l, l.premiere + lignesVisibles(l, hauteurVue));
        break;
    case p::SB_THUMBPOSITION:
    case p::SB_THUMBTRACK:
        fixePremiereLigne(l, int(wParam >> 16));
        break;
    case p::SB_TOP:
        fixePremiereLigne(l, 0);
        break;
    case p::SB_BOTTOM:
        fixePremiereLigne(l, derniereLigneEnTete(l));
        break;
    default:
        break;
    }
}

void defileParMolette(TListeDefilante& l, uint32_t wParam) {
    const int32_t delta = int16_t(wParam >> 16);
    // Away from the user shows the lines above.
    fixePremiereLigne(l, l.premiere - delta * kLignesParCranMolette / p::WHEEL_DELTA);
}

bool defileParTouche(TListeDefilante& l, int32_t hauteurVue, uint32_t touche) {
    switch (touche) {
    case p::VK_UP:
        defileParBarre(l, hauteurVue, p::SB_LINEUP);
        return true;
    case p::VK_DOWN:
        defileParBarre(l, hauteurVue, p::SB_LINEDOWN);
        return true;
    case p::VK_PRIOR:
        defileParBarre(l, hauteurVue, p::SB_PAGEUP);
        return true;
    case p::VK_NEXT:
        defileParBarre(l, hauteurVue, p::SB_PAGEDOWN);
        return true;
    case p::VK_HOME:
        defileParBarre(l, hauteurVue, p::SB_TOP);
        return true;
    case p::VK_END:
        defileParBarre(l, hauteurVue, p::SB_BOTTOM);
        return true;
    default:
        return false;
    }
}

p::Rectangle cadreDesLignes(const TListeDefilante& l, const p::Rectangle& cadre) {
    p::Rectangle r = cadre;
    if (defilementNecessaire(l, cadre.hauteur()))
        r.droite = std::max(r.gauche, r.droite - kLargeurBarreDefilement);
    return r;
}

void dessineBarreDefilement(const TListeDefilante& l, p::ContexteDessin& dc, const p::Rectangle& cadre) {
    if (!defilementNecessaire(l, cadre.hauteur()) || cadre.hauteur() <= 0) return;
    const p::Rectangle piste{std::max(cadre.gauche, cadre.droite - kLargeurBarreDefilement), cadre.haut,
                             cadre.droite, cadre.bas};
    p::remplitRectangle(dc, piste, p::brossePleine(kGrisPiste));
    // The thumb stands where the first line stands among all the lines.
    const int n = std::max(1, int(l.hauteurs.size()));
    const int32_t hauteurCurseur = std::max(8, piste.hauteur() / n);
    const int32_t course = std::max(0, piste.hauteur() - hauteurCurseur);
    const int32_t haut = piste.haut + (n > 1 ? course * l.premiere / (n - 1) : 0);
    p::remplitRectangle(dc, {piste.gauche + 1, haut, piste.droite - 1, haut + hauteurCurseur},
                        p::brossePleine(kGrisCurseur));
}

} // namespace km32
