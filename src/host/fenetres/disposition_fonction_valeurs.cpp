// The function grid's controls laid out for the toolkit's font: each one at
// least as large as its place in fonction_valeurs.h, larger when the toolkit
// needs more for its caption, and what follows moved by the growth.
#include <algorithm>

#include "host/fenetres/fonction_valeurs.h"
#include "platform/mesures_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr int32_t kMarge = 8, kEcartInvite = 6, kEcartColonne = 16;

p::Rectangle cadre(int32_t gauche, int32_t haut, int32_t largeur, int32_t hauteur) {
    return {gauche, haut, gauche + largeur, haut + hauteur};
}

} // namespace

DispositionGrille disposeGrille(const std::array<std::string, kNombreLegendesGrille>& legendes,
                                const std::string& enteteAntecedents, const std::string& enteteImages) {
    DispositionGrille d;
    const auto legende = [&](LegendeGrille l) { return legendes[l]; };
    // The captions' column, the fields right of it, then the check box and
    // Add in a column of their own.
    const p::TailleControle inviteNom = p::tailleEtiquette(legende(kLegendeInviteNom)),
                            invitePoint = p::tailleEtiquette(legende(kLegendeInvitePoint)),
                            champ = p::tailleChamp(12),
                            interpolation = p::tailleCase(legende(kLegendeInterpolation)),
                            ajouter = p::tailleBouton(legende(kLegendeAjouter));
    const int32_t largeurInvites =
        std::max({kCadreInviteNom.largeur(), inviteNom.largeur, invitePoint.largeur});
    const int32_t gaucheChamps = kMarge + largeurInvites + kEcartInvite;
    const int32_t largeurChamps = p::auMoins(kCadreNom.largeur(), champ.largeur);
    const int32_t gaucheColonne = gaucheChamps + largeurChamps + kEcartColonne;
    const int32_t largeurColonne = std::max({kCadreInterpolation.droite - (kCadreNom.droite + kEcartColonne),
                                             interpolation.largeur, ajouter.largeur});
    const int32_t hautNom = kCadreNom.haut;
    const int32_t hauteurNom =
        std::max({kCadreNom.hauteur(), inviteNom.hauteur, champ.hauteur, interpolation.hauteur});
    d.inviteNom = cadre(kMarge, hautNom, largeurInvites, hauteurNom);
    d.nom = cadre(gaucheChamps, hautNom, largeurChamps, hauteurNom);
    d.interpolation = cadre(gaucheColonne, hautNom, largeurColonne, hauteurNom);
    const int32_t hautPoint = d.nom.bas + (kCadrePoint.haut - kCadreNom.bas);
    const int32_t hauteurPoint =
        std::max({kCadrePoint.hauteur(), invitePoint.hauteur, champ.hauteur, ajouter.hauteur});
    d.invitePoint = cadre(kMarge, hautPoint, largeurInvites, hauteurPoint);
    d.point = cadre(gaucheChamps, hautPoint, largeurChamps, hauteurPoint);
    d.ajouter = cadre(gaucheColonne, hautPoint, largeurColonne, hauteurPoint);

    // The grid under them, its two columns as wide as their headings and a
    // value of six decimals need.
    const int32_t hautGrille = d.point.bas + (kGrilleHaut - kCadrePoint.bas);
    const int32_t colonne = std::max({kLargeurColonneGrille + kTraitGrille,
                                      p::tailleEtiquette(enteteAntecedents).largeur + kEcartColonne,
                                      p::tailleEtiquette(enteteImages).largeur + kEcartColonne,
                                      p::tailleEtiquette("-00000.000000").largeur + kEcartColonne});
    d.grille = cadre(kGrilleGauche, hautGrille, 2 * colonne, kCadreGrille.hauteur());

    // The Edit menu's items right of the grid, one under the other.
    const LegendeGrille menu[kItemsMenuGrille] = {kLegendeDefaire, kLegendeRefaire, kLegendeSelectionnerTout,
                                                  kLegendeCopier,  kLegendeColler,  kLegendeSupprimer};
    const p::Rectangle item0 = cadreItemMenuGrille(0);
    int32_t largeurMenu = kDroiteControlesGrille - item0.gauche, hauteurMenu = item0.hauteur();
    for (const LegendeGrille l : menu) {
        const p::TailleControle t = p::tailleBouton(legende(l));
        largeurMenu = std::max(largeurMenu, t.largeur);
        hauteurMenu = std::max(hauteurMenu, t.hauteur);
    }
    const int32_t gaucheMenu = d.grille.droite + (item0.gauche - kCadreGrille.droite);
    const int32_t pasMenu = cadreItemMenuGrille(1).haut - item0.haut - item0.hauteur() + hauteurMenu;
    for (int rang = 0; rang < kItemsMenuGrille; ++rang)
        d.menu[std::size_t(rang)] = cadre(gaucheMenu, hautGrille + rang * pasMenu, largeurMenu, hauteurMenu);

    // OK, Cancel and Help from the left under the grid and the menu.
    const int32_t hautBoutons =
        std::max(d.grille.bas, d.menu.back().bas) + (kHautBoutonsGrille - kCadreGrille.bas);
    int32_t x = kCadreOk.gauche;
    const auto bouton = [&](const p::Rectangle& modele, const std::string& libelle) {
        const p::TailleControle t = p::tailleBouton(libelle);
        const p::Rectangle r = cadre(x, hautBoutons, p::auMoins(modele.largeur(), t.largeur),
                                     p::auMoins(modele.hauteur(), t.hauteur));
        x = r.droite + (kCadreAnnuler.gauche - kCadreOk.droite);
        return r;
    };
    d.ok = bouton(kCadreOk, "OK");
    d.annuler = bouton(kCadreAnnuler, legende(kLegendeAnnuler));
    d.aide = bouton(kCadreAide, legende(kLegendeAide));

    const int32_t droite = std::max({d.interpolation.droite, d.menu[0].droite, d.aide.droite});
    d.largeur = std::max(kLargeurFenetreGrille, droite + (kLargeurFenetreGrille - kDroiteControlesGrille));
    d.hauteur =
        std::max(d.ok.bas, std::max(d.annuler.bas, d.aide.bas)) + (kHauteurFenetreGrille - kCadreOk.bas);
    return d;
}

} // namespace km32
