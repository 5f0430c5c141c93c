#include "drawing/rendu_fichier.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/copie_echelle.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_styles.h"
#include "platform/cairo_sortie.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/image_bitmap.h"

namespace km32 {

namespace {

// The figure paints into dc for the time of one call: dc is its current
// device context, through a handle that is forgotten afterwards.
void peintDans(TfigureKalmetra& f, platform::ContexteDessin& dc) {
    const uint32_t handle = platform::enregistreContexte(&dc);
    {
        GardeValeur<uint32_t> courant(f.contexteDessin, handle);
        dessineFigure(f, dc);
    }
    platform::oublieContexte(handle);
}

// The largest coordinate of a scaled drawing.
constexpr int32_t kBorneEchelle = 1048320;
// A point mark is at least half a millimetre wide per step of its size
// (a normal mark 1 mm), in hundredths of a millimetre.
constexpr double kMarqueMinimale = 50.0;
// Hundredths of a millimetre in a point (1/72 inch).
constexpr double kCentiemesMmParPoint = 2540.0 / 72.0;

bool finitPar(const std::string& texte, const char* fin) {
    const std::string f = fin;
    return texte.size() >= f.size() && enMajuscules(texte.substr(texte.size() - f.size())) == f;
}

} // namespace

FormatDessin formatDeFichier(const std::string& fichier) {
    if (finitPar(fichier, ".PNG")) return FormatDessin::Png;
    if (finitPar(fichier, ".SVG")) return FormatDessin::Svg;
    if (finitPar(fichier, ".PDF")) return FormatDessin::Pdf;
    return FormatDessin::Inconnu;
}

double centiemesMmParPixel(int32_t largeurPixels, double largeurMm) {
    if (!(std::isfinite(largeurMm) && largeurMm > 0) || largeurPixels < 1) return kCentiemesMmParPoint;
    return largeurMm * 100.0 / largeurPixels;
}

namespace {

struct EtatDessinFichier {
    int erreur = 0; // errno of the last picture file that could not be written, 0 after one written
};

EtatDessinFichier& etatDessinFichier() {
    static EtatDessinFichier e;
    return e;
}

} // namespace

int erreurDernierDessinFichier() {
    return etatDessinFichier().erreur;
}

void reinitialiseDessinFichier() {
    etatDessinFichier() = EtatDessinFichier{};
}

bool ecritDessinFigure(TfigureKalmetra& f, const std::string& fichier, FormatDessin format,
                       double largeurMm) {
    int& raison = etatDessinFichier().erreur;
    raison = 0;
    const int32_t largeur = std::clamp(f.largeurImage, 1, platform::kCoteMaximalBitmap);
    const int32_t hauteur = std::clamp(f.hauteurImage, 1, platform::kCoteMaximalBitmap);
    switch (format) {
    case FormatDessin::Png: {
        platform::Bitmap bitmap(largeur, hauteur);
        auto dc = platform::creeContexteMemoire();
        platform::selectionneBitmap(*dc, &bitmap);
        peintDans(f, *dc);
        platform::selectionneBitmap(*dc, nullptr);
        return platform::ecritPng(bitmap, fichier, &raison);
    }
    case FormatDessin::Svg:
    case FormatDessin::Pdf: {
        // Drawn in scaled mode in hundredths of a millimetre: the page has
        // its physical size and the lines keep their precision; pens, dots,
        // dashes and texts keep the size they have on the picture.
        // Coordinates stay within what the drawing layer takes.
        const double facteur = std::min(centiemesMmParPixel(largeur, largeurMm),
                                        double(kBorneEchelle) / std::max(largeur, hauteur));
        platform::SortieVectorielle sortie(
            format == FormatDessin::Svg ? platform::FormatVectoriel::Svg : platform::FormatVectoriel::Pdf,
            fichier, largeur * facteur / kCentiemesMmParPoint, hauteur * facteur / kCentiemesMmParPoint,
            1.0 / kCentiemesMmParPoint);
        if (!sortie.ok()) {
            raison = sortie.erreur();
            return false;
        }
        const GardeValeur<double> marques(etatRendu().marqueMinimale, kMarqueMinimale);
        peintFigureAEchelle(f, sortie.contexte(), facteur, false, facteur);
        const bool ecrit = sortie.termine();
        raison = sortie.erreur();
        return ecrit;
    }
    default:
        raison = EINVAL;
        return false;
    }
}

} // namespace km32
