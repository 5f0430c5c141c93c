#include "drawing/impression_figure.h"

#include <cmath>
#include <cstdlib>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/bloc_dessin.h"
#include "drawing/copie_echelle.h"
#include "drawing/impression_cadre.h"
#include "drawing/rendu_styles.h"
#include "model/messages.h"
#include "model/nombres_texte.h"
#include "model/operations.h"
#include "phrases/phrase.h"
#include "platform/ecran.h"
#include "platform/impression.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

char reglage(const std::string& texte, std::size_t k, char defaut) {
    return texte.size() > k ? texte[k] : defaut;
}

// The picture does not fit: phrase 649 (width) or 650 (height) with the
// available size, under the title 648.
void signaleTropGrand(uint16_t phrase, double disponibleMm) {
    afficheMessage(phraseAvecParametres(phrase, texteDeReel(disponibleMm)), phraseDeNumero(648));
}

} // namespace

int imprimeFigure(TfigureKalmetra& f) {
    const std::string titre = coupe(f.titreFenetre.empty() ? f.nomFigure : f.titreFenetre, 80);
    if (!platform::imprimanteDisponible()) {
        afficheMessage(phraseDeNumero(648), titre);
        return 648;
    }
    const double pixelsParMm = platform::parametresImprimante().pointsParPouce / 25.4;
    int resultat = 0;
    {
        const GardeValeur<uint8_t> copie(etatRendu().copieEnCours, 1);
        const GardeValeur<uint8_t> impression(etatZoneDessin().impressionEnCours, 1);
        const TzoneDessin zone = calculeZoneDessin(f);
        const double largeur = zone.largeur, hauteur = zone.hauteur;
        const int32_t taille = f.valeurImpression;
        const char mode = reglage(f.texteImpression, 1, 'F');
        const double unite = f.longueurUnitePixels;
        // Without a size (or a unit length) the figure keeps the screen's size.
        double facteur = pixelsParMm * 25.4 / platform::pointsParPouce();
        if (taille > 0 && largeur > 0 && (mode != 'U' || unite > 0))
            facteur = mode == 'U' ? taille * pixelsParMm / unite : taille * pixelsParMm / largeur;
        const platform::Taille disponible = platform::zoneImprimable();
        if (largeur * facteur > disponible.cx) {
            signaleTropGrand(649, platform::largeurImprimableMm());
            resultat = 649;
        } else if (hauteur * facteur > disponible.cy) {
            signaleTropGrand(650, platform::hauteurImprimableMm());
            resultat = 650;
        } else {
            platform::TravailImpression travail(titre);
            platform::ContexteDessin* dc = travail.commencePage();
            if (dc) {
                // The zone's corner at the corner of the printable area.
                platform::fixeOrigineFenetre(*dc, arrondiBorne(zone.gauche * facteur),
                                             arrondiBorne(zone.haut * facteur));
                peintFigureAEchelle(f, *dc, facteur, reglage(f.texteImpression, 0, 'C') == 'N');
            }
            if (!dc || !travail.termine()) {
                afficheMessage(phraseDeNumero(648), titre);
                resultat = 648;
            }
        }
    }
    placeZonesDessin(f);
    return resultat;
}

bool copieImageAjustee(TfigureKalmetra& f, const std::string& texte) {
    if (texte.size() < 4) return false;
    const std::string reste = texte.substr(2);
    const std::string nombre = reste.substr(0, reste.find(';'));
    char* fin = nullptr;
    const double taille = std::strtod(nombre.c_str(), &fin);
    if (nombre.empty() || fin != nombre.c_str() + nombre.size() || !(taille > 0)) return false;
    const bool parUnite = texte.back() == '1';

    TzoneDessin zone;
    {
        const GardeValeur<uint8_t> copie(etatRendu().copieEnCours, 1);
        zone = calculeZoneDessin(f);
    }
    const double largeur = zone.largeur, hauteur = zone.hauteur;
    const double unite = f.longueurUnitePixels;
    if (largeur <= 0 || hauteur <= 0 || (parUnite && !(unite > 0))) return false;
    // The picture's width and height in millimetres.
    const double largeurMm = parUnite ? taille * largeur / unite : taille;
    const double hauteurMm = largeurMm * hauteur / largeur;
    TTableDesVariablesPartagees* t = TQTableDesVariablesPartagees();
    if (largeurMm > t->largeurDisponibleMm) {
        signaleTropGrand(649, t->largeurDisponibleMm);
        return false;
    }
    if (hauteurMm > t->hauteurDisponibleMm) {
        signaleTropGrand(650, t->hauteurDisponibleMm);
        return false;
    }
    const int32_t ppp = platform::pointsParPouce();
    t->metriquesEcran[0] = ppp;
    t->metriquesEcran[1] = ppp;
    t->metriquesEcran[2] = zone.largeur;
    t->metriquesEcran[3] = zone.hauteur;
    t->decalageX = zone.gauche;
    t->decalageY = zone.haut;
    t->unitesParUnite = arrondiBorne(parUnite ? unite : largeur / taille);
    return true;
}

} // namespace km32
