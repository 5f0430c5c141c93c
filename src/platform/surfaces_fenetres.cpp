#include "platform/surfaces_fenetres.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "platform/contexte_dessin.h"
#include "platform/image_bitmap.h"

namespace km32::platform {

namespace {

struct Surface {
    // The context is declared last so that it lets go of the bitmap first.
    std::unique_ptr<Bitmap> bitmap;
    std::unique_ptr<ContexteDessin> contexte;
};

struct EtatSurfaces {
    std::map<Fenetre, Surface> table;
    bool enregistre = false; // new surfaces keep a recording
};

EtatSurfaces& etat() {
    static EtatSurfaces e;
    return e;
}

int32_t cote(int32_t n) {
    return std::clamp(n, 1, kCoteMaximalBitmap);
}

// The surface of a live window at its current client size.
Surface* surface(Fenetre f) {
    if (!estFenetre(f)) {
        oublieSurfaceFenetre(f);
        return nullptr;
    }
    const Rectangle client = rectangleClient(f);
    const int32_t largeur = cote(client.largeur()), hauteur = cote(client.hauteur());
    Surface& s = etat().table[f];
    if (!s.bitmap || s.bitmap->largeur() != largeur || s.bitmap->hauteur() != hauteur) {
        s.contexte.reset();
        s.bitmap = std::make_unique<Bitmap>(largeur, hauteur, etat().enregistre);
        // Painted again and again for as long as the window lives: the
        // recording keeps what the window shows, not every paint.
        if (RenduEnregistre* journal = s.bitmap->journal()) journal->visibleSeulement = true;
        s.contexte = creeContexteMemoire();
        selectionneBitmap(*s.contexte, s.bitmap.get());
    }
    return &s;
}

} // namespace

ContexteDessin* contexteDeFenetre(Fenetre f) {
    Surface* s = surface(f);
    return s ? s->contexte.get() : nullptr;
}

void peintFondFenetre(Fenetre f, const Brosse& brosse) {
    if (ContexteDessin* dc = contexteDeFenetre(f)) remplitRectangle(*dc, rectangleClient(f), brosse);
    valideFenetre(f);
}

const Bitmap* surfaceDeFenetre(Fenetre f) {
    Surface* s = surface(f);
    return s ? s->bitmap.get() : nullptr;
}

const Bitmap* surfaceExistante(Fenetre f) {
    auto it = etat().table.find(f);
    if (it == etat().table.end() || !it->second.bitmap || !estFenetre(f)) return nullptr;
    const Rectangle client = rectangleClient(f);
    const Bitmap* b = it->second.bitmap.get();
    if (b->largeur() != cote(client.largeur()) || b->hauteur() != cote(client.hauteur())) return nullptr;
    return b;
}

bool fixeEnregistrementSurfaces(bool enregistre) {
    return std::exchange(etat().enregistre, enregistre);
}

void oublieSurfaceFenetre(Fenetre f) {
    etat().table.erase(f);
}

std::size_t nombreDeSurfaces() {
    return etat().table.size();
}

void reinitialiseSurfacesFenetres() {
    etat().table.clear();
}

} // namespace km32::platform
