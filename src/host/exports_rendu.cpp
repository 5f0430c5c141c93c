// Exported function: a figure text drawn into a picture file, in one call.
#include "km32.h"

#include <cmath>
#include <numbers>
#include <string>

#include "base/texte.h"
#include "drawing/rafraichissement.h"
#include "drawing/rendu_fichier.h"
#include "drawing/vue_operations.h"
#include "drawing/vue_projection.h"
#include "host/exports_commun.h"
#include "model/registre_figures.h"
#include "model/services_texte.h"
#include "model/table_figures.h"
#include "platform/image_bitmap.h"

namespace km32 {

namespace {

constexpr int32_t kRenduArgumentsRefuses = -1;
constexpr int32_t kRenduFichierNonEcrit = -2;
constexpr int32_t kRenduFormatInconnu = -3;
constexpr int32_t kRenduAucunNumeroLibre = -4;

// A figure that lives for the time of one call, destroyed on every path.
struct FigureTemporaire {
    int16_t numero = 0;
    ~FigureTemporaire() {
        if (numero != 0) KMdetruitFigureMeme(numero);
    }
};

double radians(double degres) {
    return degres * std::numbers::pi / 180.0;
}

int32_t rendFigure(const char* texte, const char* fichier, int32_t largeur, int32_t hauteur,
                   const double* angles, double largeurMm) {
    reinitialiseDessinFichier(); // the reason of an earlier failure is not this call's
    if (!texte || !fichier || largeur < 1 || hauteur < 1 || largeur > platform::kCoteMaximalBitmap ||
        hauteur > platform::kCoteMaximalBitmap)
        return kRenduArgumentsRefuses;
    if (!(largeurMm == 0 || (largeurMm >= 0.1 && largeurMm <= 10000))) return kRenduArgumentsRefuses;
    if (angles && !(std::isfinite(angles[0]) && std::isfinite(angles[1]) && std::isfinite(angles[2])))
        return kRenduArgumentsRefuses;
    const std::string nomFichier = fichier;
    const FormatDessin format = formatDeFichier(nomFichier);
    if (format == FormatDessin::Inconnu) return kRenduFormatInconnu;

    FigureTemporaire temporaire;
    for (int16_t n = 1; n <= kNumeroFigureMax && temporaire.numero == 0; ++n)
        if (!figureExiste(n)) temporaire.numero = n;
    if (temporaire.numero == 0) return kRenduAucunNumeroLibre;
    TfigureKalmetra* f = allogueFigure(0, "", temporaire.numero);
    if (!f) return kRenduAucunNumeroLibre;
    f->largeurImage = largeur;
    f->hauteurImage = hauteur;
    calculeProjection(*f);

    const uint16_t ligne = executeTexteDeFigure(*f, texte, 1);
    if (ligne != 0) return ligne;
    if (angles) fixeAnglesVue(*f, radians(angles[0]), radians(angles[1]), radians(angles[2]));
    redessineFigure(*f);
    return ecritDessinFigure(*f, utf8DeWindows1252(nomFichier), format, largeurMm) ? 0
                                                                                   : kRenduFichierNonEcrit;
}

} // namespace

} // namespace km32

extern "C" {

KM32_EXPORT int32_t KMRendFigureDansFichier(const char* texte, const char* fichier, int32_t largeur,
                                            int32_t hauteur, const double* angles) {
    return km32::appelProtege(int32_t(km32::kRenduArgumentsRefuses),
                              [&] { return km32::rendFigure(texte, fichier, largeur, hauteur, angles, 0); });
}

KM32_EXPORT int32_t KMErreurRendu(void) {
    return km32::appelProtege(int32_t(0), [] { return int32_t(km32::erreurDernierDessinFichier()); });
}

KM32_EXPORT int32_t KMRendFigureDansFichierMm(const char* texte, const char* fichier, int32_t largeur,
                                              int32_t hauteur, const double* angles, double largeurMm) {
    return km32::appelProtege(int32_t(km32::kRenduArgumentsRefuses), [&] {
        return km32::rendFigure(texte, fichier, largeur, hauteur, angles, largeurMm);
    });
}

} // extern "C"
