#pragma once
// The renderer's hand-filled figure, copied to the clipboard or printed: the
// screen at 254 dots per inch, so that one pixel is exactly 10 hundredths of
// a millimetre.
#include <optional>

#include "drawing/copie_dessin.h"
#include "platform/cairo_rendu.h"
#include "platform/ecran.h"
#include "platform/presse_papiers.h"
#include "rendu_banc.h"

namespace km32::essai {

using platform::Point;

class BancCopie : public BancRendu {
  protected:
    BancCopie() { platform::configureEcran({0, 0, 254}); }
    // Texts drawn into the documents fill cairo's font caches.
    ~BancCopie() override { platform::libereCachesCairo(); }

    // A copy that must succeed; the picture it left on the clipboard.
    const platform::ImagePressePapiers& copie(bool ajuste) {
        const uint32_t handle = copieDessinDansPressePapiers(f, ajuste);
        const platform::ImagePressePapiers* image = platform::imagePressePapiers();
        if (handle == 0 || image == nullptr || image->handle != handle) {
            ADD_FAILURE() << "no picture on the clipboard";
            static const platform::ImagePressePapiers vide;
            return vide;
        }
        return *image;
    }

    static bool ligneEntre(const Primitive& p, Point a, Point b) {
        return p.type == TypePrimitive::Polyligne && p.points.size() == 2 && p.points[0] == a &&
               p.points[1] == b;
    }
    static std::optional<Primitive> texte(const std::vector<Primitive>& ps, const std::string& t) {
        for (const Primitive& p : ps)
            if (p.type == TypePrimitive::Texte && p.texte == t) return p;
        return std::nullopt;
    }
    // A horizontal segment element across the drawing at height y.
    TelementDessin& traverse(int n, int32_t y, int32_t x1, int32_t x2) {
        TelementDessin& e = element(n, kDessinSegment, kNatureSegment, 0x00FF00);
        e.parties = pieces({x1, x2}, y);
        return e;
    }
};

} // namespace km32::essai
