#pragma once
// A device context: the drawing state (pen, brush, font, colours, background
// mode, mapping, clip, current position), a stack of saved states, and the
// backend that draws (recording, cairo image, SVG or PDF). Drawing calls take
// logical coordinates; the mapping turns them into device pixels:
//   device = (logical - window origin) * viewport extent / window extent + viewport origin
// (extents apply in the anisotropic mode only; origins always apply).
#include "platform/contexte_dessin_rendu.h"
#include "platform/contexte_dessin_types.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace km32::platform {

class Bitmap;
class RenduEnregistre;

struct EtatContexte {
    Stylo stylo = kStyloNoir;
    Brosse brosse = kBrosseBlanche;
    Police police;
    Couleur couleurTexte = kNoir;
    Couleur couleurFond = kBlanc;
    ModeFond modeFond = ModeFond::Opaque;
    ModeProjection projection = ModeProjection::Texte;
    Point origineFenetre;
    Taille etendueFenetre{1, 1};
    Point origineVue;
    Taille etendueVue{1, 1};
    std::optional<Rect> decoupe; // device pixels; none: no clip
    Point position;              // current position, logical
    // Device units one pixel of a pen width or of a font height takes: 1,
    // except in a drawing made at a physical size in fine units, where a
    // 1-pixel pen and a text keep the size they have on the picture.
    double pixel = 1.0;
};

class ContexteDessin {
  public:
    // rendu may be null (a memory context with no bitmap: drawing does
    // nothing). journal, when given, is the recording that sees every primitive.
    explicit ContexteDessin(std::unique_ptr<Rendu> rendu = nullptr, RenduEnregistre* journal = nullptr);
    ~ContexteDessin();
    ContexteDessin(const ContexteDessin&) = delete;
    ContexteDessin& operator=(const ContexteDessin&) = delete;

    EtatContexte etat;
    std::vector<EtatContexte> pile; // saved states, the last saved at the end

    Rendu* rendu() const { return rendu_.get(); }
    RenduEnregistre* journal() const { return journal_; }
    Bitmap* bitmap() const { return bitmap_; }
    // Replaces the backend (used when a bitmap is selected or goes away).
    void changeRendu(std::unique_ptr<Rendu> rendu, RenduEnregistre* journal, Bitmap* bitmap);

  private:
    std::unique_ptr<Rendu> rendu_;
    std::unique_ptr<Rendu> aide_; // the recording half of a recording bitmap context
    RenduEnregistre* journal_ = nullptr;
    Bitmap* bitmap_ = nullptr;
    friend Bitmap* selectionneBitmap(ContexteDessin& dc, Bitmap* bitmap);
};

// A context that only records (see trace_enregistre.h); its journal holds the primitives.
std::unique_ptr<ContexteDessin> creeContexteEnregistreur();
// A memory context: draws nowhere until a bitmap is selected into it.
std::unique_ptr<ContexteDessin> creeContexteMemoire();
// Selects a bitmap (or none) into a context: the context then draws into its
// pixels (and its recording when it keeps one). Returns the bitmap selected before.
Bitmap* selectionneBitmap(ContexteDessin& dc, Bitmap* bitmap);

// State. Each setter returns the previous value.
Stylo choisitStylo(ContexteDessin& dc, const Stylo& stylo);
Brosse choisitBrosse(ContexteDessin& dc, const Brosse& brosse);
Police choisitPolice(ContexteDessin& dc, const Police& police);
Couleur fixeCouleurTexte(ContexteDessin& dc, Couleur c);
Couleur fixeCouleurFond(ContexteDessin& dc, Couleur c);
ModeFond fixeModeFond(ContexteDessin& dc, ModeFond mode);
// The device units of one pixel of pens and fonts (a value that is not
// finite or lies outside 1e-3..1e6 is taken as 1). Returns the previous one.
double fixePixelContexte(ContexteDessin& dc, double pixel);

// Saves the whole state; returns the new depth of the stack (1 for the first save).
int sauveContexte(ContexteDessin& dc);
// Restores a saved state: niveau > 0 the state saved at that depth, niveau < 0
// that many saves back (-1 the last). The states above it are dropped.
// False, and nothing changes, for a level that was never saved.
bool restaureContexte(ContexteDessin& dc, int niveau);

// Mapping. An extent with a zero component is refused (false, nothing changes).
ModeProjection fixeModeProjection(ContexteDessin& dc, ModeProjection mode);
bool fixeEtendueFenetre(ContexteDessin& dc, int32_t cx, int32_t cy);
bool fixeEtendueVue(ContexteDessin& dc, int32_t cx, int32_t cy);
void fixeOrigineFenetre(ContexteDessin& dc, int32_t x, int32_t y);
void fixeOrigineVue(ContexteDessin& dc, int32_t x, int32_t y);
void decaleOrigineVue(ContexteDessin& dc, int32_t dx, int32_t dy);
Taille etendueFenetre(const ContexteDessin& dc);
Point versEcran(const ContexteDessin& dc, Point logique);
Point versLogique(const ContexteDessin& dc, Point ecran);
// a * b / c rounded half away from zero, clamped to 32 bits (c not 0).
int32_t mulDiv(int32_t a, int32_t b, int32_t c);

// Clip rectangle, given in logical coordinates and kept in device pixels.
void fixeDecoupe(ContexteDessin& dc, Rect logique);
// Narrows the current clip (or sets it when there is none).
void intersecteDecoupe(ContexteDessin& dc, Rect logique);
void retireDecoupe(ContexteDessin& dc);

// Drawing, in logical coordinates.
Point deplaceVers(ContexteDessin& dc, int32_t x, int32_t y); // returns the previous position
void traceVers(ContexteDessin& dc, int32_t x,
               int32_t y); // line from the current position, last point left out
void polyligne(ContexteDessin& dc, const std::vector<Point>& points);
// Separate segments: points 2k and 2k + 1 are the ends of segment k. The same
// as deplaceVers then traceVers for each in turn (the current position ends
// at the last end), given to the backend at once.
void traceSegments(ContexteDessin& dc, const std::vector<Point>& extremites);
void rectangle(ContexteDessin& dc, int32_t gauche, int32_t haut, int32_t droite, int32_t bas);
void ellipse(ContexteDessin& dc, int32_t gauche, int32_t haut, int32_t droite, int32_t bas);
void polygone(ContexteDessin& dc, const std::vector<Point>& points);
// Fills a rectangle (right and bottom exclusive) with a brush, no outline.
void remplitRectangle(ContexteDessin& dc, Rect r, const Brosse& brosse);
void fixePixel(ContexteDessin& dc, int32_t x, int32_t y, Couleur c);
// Colour of a pixel of the selected bitmap; nothing without one or outside it.
std::optional<Couleur> litPixel(const ContexteDessin& dc, int32_t x, int32_t y);
// Text (Windows-1252) with the top-left corner of its cell at (x, y); in
// opaque mode its box is first filled with the background colour.
void ecritTexte(ContexteDessin& dc, int32_t x, int32_t y, const std::string& texte);
// Size of a text in the current font, in logical units.
Taille mesureTexte(ContexteDessin& dc, const std::string& texte);
// A picture stretched into a rectangle.
void dessineImage(ContexteDessin& dc, const Image& image, Rect dest);
// Copies w x h from (xs, ys) of the source's bitmap to (xd, yd) of dest. When
// both keep a recording, the primitives that made the copied part are added
// to dest's recording, moved to their new place. False when the source has no bitmap.
bool copieBits(ContexteDessin& dest, int32_t xd, int32_t yd, int32_t w, int32_t h,
               const ContexteDessin& source, int32_t xs, int32_t ys);

// The state a primitive is drawn with now, in device units.
EtatTrace etatTrace(const ContexteDessin& dc);

} // namespace km32::platform
