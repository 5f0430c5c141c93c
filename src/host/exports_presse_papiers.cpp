// Exported functions: what the clipboard holds, handed to a host in memory
// blocks (its text, its picture as an SVG or PDF document, the picture's size).
#include "km32.h"

#include <string>

#include "host/exports_commun.h"
#include "platform/memoire.h"
#include "platform/presse_papiers.h"

using km32::appelProtege;

extern "C" {

KM32_EXPORT uint32_t KMPressePapiersTexte(void) {
    return appelProtege(uint32_t(0), []() -> uint32_t {
        const std::string* texte = km32::platform::textePressePapiers();
        return texte ? km32::platform::alloueBloc(*texte) : 0;
    });
}

KM32_EXPORT uint32_t KMPressePapiersDessin(int32_t format) {
    return appelProtege(uint32_t(0), [&]() -> uint32_t {
        const km32::platform::ImagePressePapiers* image = km32::platform::imagePressePapiers();
        if (!image || (format != 0 && format != 1)) return 0;
        const std::string& document = format == 0 ? image->svg : image->pdf;
        return document.empty() ? 0 : km32::platform::alloueBloc(document);
    });
}

KM32_EXPORT int32_t KMPressePapiersTailleDessin(int32_t* largeur, int32_t* hauteur) {
    return appelProtege(int32_t(0), [&]() -> int32_t {
        const km32::platform::ImagePressePapiers* image = km32::platform::imagePressePapiers();
        if (!image) return 0;
        if (largeur) *largeur = image->largeurCentiemesMm;
        if (hauteur) *hauteur = image->hauteurCentiemesMm;
        return 1;
    });
}
}
