#include "host/fenetres/bande_commandes.h"

#include <algorithm>

#include "platform/mesures_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr int32_t kLargeurCaractere = 8, kMargeBouton = 32, kLargeurCase = 22;

std::string sansMarques(std::string t) {
    std::erase(t, '&');
    return t;
}

// The size the toolkit's button or check box asks for its caption; nothing
// headless.
p::TailleControle tailleMesuree(const CommandeBande& c) {
    const std::string libelle = sansMarques(c.libelle);
    return c.coche >= 0 ? p::tailleCase(libelle) : p::tailleBouton(libelle);
}

} // namespace

int32_t largeurBoutonBande(const CommandeBande& c) {
    const int32_t texte = int32_t(sansMarques(c.libelle).size()) * kLargeurCaractere;
    return p::auMoins(texte + kMargeBouton + (c.coche >= 0 ? kLargeurCase : 0), tailleMesuree(c).largeur);
}

int32_t hauteurBoutonBande(const CommandeBande& c) {
    return p::auMoins(kHauteurBoutonBande, tailleMesuree(c).hauteur);
}

int32_t disposeBande(const std::vector<CommandeBande>& commandes, const p::Rectangle& zone,
                     std::vector<p::BoutonLie>& boutons) {
    int32_t x = zone.gauche, y = zone.haut, bas = zone.haut;
    for (const CommandeBande& c : commandes) {
        const int32_t largeur = std::min(largeurBoutonBande(c), zone.largeur());
        if (x > zone.gauche && x + largeur > zone.droite) {
            x = zone.gauche;
            y = bas + kEcartBande;
        }
        const int32_t hauteur = hauteurBoutonBande(c);
        p::BoutonLie b;
        b.tag = c.tag;
        b.cadre = {x, y, x + largeur, y + hauteur};
        b.libelle = sansMarques(c.libelle);
        b.actif = c.actif;
        b.coche = c.coche;
        boutons.push_back(std::move(b));
        x += largeur + kEcartBande;
        bas = std::max(bas, y + hauteur);
    }
    return bas;
}

} // namespace km32
