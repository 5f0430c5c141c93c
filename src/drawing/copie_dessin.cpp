#include "drawing/copie_dessin.h"

#include "base/garde.h"
#include "drawing/bloc_dessin.h"
#include "drawing/copie_echelle.h"
#include "drawing/impression_cadre.h"
#include "drawing/rendu_styles.h"
#include "model/operations.h"
#include "platform/ecran.h"
#include "platform/presse_papiers.h"

namespace km32 {

namespace {

// The clipboard stays open for the life of the guard.
class PressePapiersOuvert {
  public:
    explicit PressePapiersOuvert(uint32_t fenetre) : ouvert_(platform::ouvrePressePapiers(fenetre)) {}
    ~PressePapiersOuvert() {
        if (ouvert_) platform::fermePressePapiers();
    }
    PressePapiersOuvert(const PressePapiersOuvert&) = delete;
    PressePapiersOuvert& operator=(const PressePapiersOuvert&) = delete;
    bool ouvert() const { return ouvert_; }

  private:
    bool ouvert_;
};

char reglage(const std::string& texte, std::size_t k, char defaut) {
    return texte.size() > k ? texte[k] : defaut;
}

} // namespace

uint32_t copieDessinDansPressePapiers(TfigureKalmetra& f, bool ajuste) {
    // Hundredths of a millimetre per screen pixel.
    const double p = 2540.0 / platform::pointsParPouce();
    uint32_t handle = 0;
    {
        PressePapiersOuvert presse(f.fenetreDessin);
        if (!presse.ouvert()) return 0;
        platform::videPressePapiers();

        const GardeValeur<uint8_t> copie(etatRendu().copieEnCours, 1);
        const TzoneDessin zone = calculeZoneDessin(f);
        const double largeur = zone.largeur, hauteur = zone.hauteur;
        // An adjusted copy needs a size and, for the unit mode, a unit
        // length: without them it is copied at the screen's size.
        const int32_t taille = f.valeurCopie;
        const char mode = reglage(f.texteCopie, 1, 'F');
        const double unite = f.longueurUnitePixels;
        const bool ajustee = ajuste && taille > 0 && largeur > 0 && (mode != 'U' || unite > 0);
        double facteur = 1.0;
        if (ajustee) facteur = mode == 'U' ? taille * 100.0 / (unite * p) : taille * 100.0 / (largeur * p);

        // The picture: the zone, scaled, over its size in hundredths of a millimetre.
        platform::MiseEnPage page;
        page.origine = {arrondiBorne(zone.gauche * facteur), arrondiBorne(zone.haut * facteur)};
        page.etendue = {arrondiBorne(largeur * facteur), arrondiBorne(hauteur * facteur)};
        double l = largeur * p, h = hauteur * p;
        if (ajustee && mode == 'U') {
            l = taille * 100.0 / unite * largeur;
            h = taille * 100.0 / unite * hauteur;
        } else if (ajustee) {
            l = taille * 100.0;
            h = taille * 100.0 * hauteur / largeur;
        }
        page.largeurCentiemesMm = arrondiBorne(l);
        page.hauteurCentiemesMm = arrondiBorne(h);

        platform::DessinVectoriel dessin(page);
        peintFigureAEchelle(f, dessin.contexte(), facteur, reglage(f.texteCopie, 0, 'C') == 'N');
        handle = platform::metImageDansPressePapiers(platform::imageDeDessin(dessin, page));
    }
    placeZonesDessin(f);
    return handle;
}

std::string texteDeTableau(const std::vector<std::vector<std::string>>& lignes) {
    std::string texte;
    for (const auto& ligne : lignes) {
        for (std::size_t k = 0; k < ligne.size(); ++k) {
            if (k > 0) texte += '\t';
            texte += ligne[k];
        }
        texte += "\r\n";
    }
    return texte;
}

bool copieTableauDansPressePapiers(uint32_t fenetre, const std::vector<std::vector<std::string>>& lignes) {
    return platform::copieTexteDansPressePapiers(fenetre, texteDeTableau(lignes));
}

} // namespace km32
