#include "drawing/rendu_fichier.h"

#include <algorithm>

#include "base/garde.h"
#include "base/texte.h"
#include "drawing/rafraichissement.h"
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

bool ecritDessinFigure(TfigureKalmetra& f, const std::string& fichier, FormatDessin format) {
    const int32_t largeur = std::clamp(f.largeurImage, 1, platform::kCoteMaximalBitmap);
    const int32_t hauteur = std::clamp(f.hauteurImage, 1, platform::kCoteMaximalBitmap);
    switch (format) {
    case FormatDessin::Png: {
        platform::Bitmap bitmap(largeur, hauteur);
        auto dc = platform::creeContexteMemoire();
        platform::selectionneBitmap(*dc, &bitmap);
        peintDans(f, *dc);
        platform::selectionneBitmap(*dc, nullptr);
        return platform::ecritPng(bitmap, fichier);
    }
    case FormatDessin::Svg:
    case FormatDessin::Pdf: {
        platform::SortieVectorielle sortie(format == FormatDessin::Svg ? platform::FormatVectoriel::Svg
                                                                       : platform::FormatVectoriel::Pdf,
                                           fichier, largeur, hauteur);
        if (!sortie.ok()) return false;
        peintDans(f, sortie.contexte());
        return sortie.termine();
    }
    default:
        return false;
    }
}

} // namespace km32
