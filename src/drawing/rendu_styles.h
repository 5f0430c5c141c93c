#pragma once
// The drawing rules every drawer of the renderer shares: the state of the
// drawing unit (clip rectangle, scaled drawing, dot size, larger text), the
// dark-background colour rule, the pens chosen from an object's style,
// segments clipped to the clip rectangle, the visible and hidden pieces of a
// drawn line, and the dots of curves.
#include <cstdint>
#include <vector>

#include "model/figure.h"
#include "model/point_ecran.h"
#include "model/solides/parties_visibles.h"
#include "platform/contexte_dessin.h"
#include "platform/curseurs.h"

namespace km32 {

struct TetatRendu {
    // Clip rectangle of what is being drawn, in device pixels (right and
    // bottom included, as the segment clipping takes them).
    platform::Rect rectangleDecoupe;
    // Drawing coordinates are multiplied by facteurEchelle (scaled copies).
    uint8_t modeEchelle = 0;
    double facteurEchelle = 1.0;
    // Device units of one screen pixel for what keeps its screen size in
    // scaled drawing: pen widths, dash steps, dots, texts, the band. 1 for
    // the clipboard and the printer; the scale factor itself for a picture
    // file drawn in fine units, which then looks like the screen at any size.
    double pixelEchelle = 1.0;
    // In scaled drawing, the smallest width in device units of a point
    // mark for each step of its size (fine 1, normal 2, thick 3), so that a
    // mark stays visible on paper; 0 for none.
    double marqueMinimale = 0.0;
    // Width of the dots of curves: the curve's pen width + 1.
    int32_t taillePoints = 1;
    // The element being drawn uses the larger text font.
    uint8_t grosTexte = 0;
    // The painter owns the pen selected now (restaureStylo puts the stock pen back).
    bool styloPossede = false;
    // Set by the clipboard copy: the drawing goes to a copy, and in one colour.
    uint8_t copieEnCours = 0;
    uint8_t sortieMonochrome = 0;
    // The hourglass (sablier.h): the cursor it replaced, and whether it is on.
    platform::Curseur curseurAvantSablier = platform::kAucunCurseur;
    uint8_t sablierAffiche = 0;
    // The context whose segments are gathered (LotSegments), and their ends.
    platform::ContexteDessin* lot = nullptr;
    std::vector<platform::Point> extremitesLot;
};

TetatRendu& etatRendu();
// The state the drawing unit has when the library loads.
void initialiseDessin();

// The dark-background rule: while the shared table's dark-background flag is
// on, colour 1 is shown as white and white as colour 1.
platform::Couleur couleurAffichee(platform::Couleur couleur);

// Pens. The object's pen: dashed or solid, width 1 or 2, doubled on a
// thick-lines figure. The dotted pen is width 1 (not used in scaled drawing).
void choisitStyloObjet(const TfigureKalmetra& f, platform::ContexteDessin& dc, const TstyleObjet& style,
                       platform::Couleur couleur);
void choisitStyloObjetSansImpression(const TfigureKalmetra& f, platform::ContexteDessin& dc,
                                     const TstyleObjet& style, platform::Couleur couleur);
void choisitStyloPointille(platform::ContexteDessin& dc, platform::Couleur couleur);
void choisitStyloPlein(const TfigureKalmetra& f, platform::ContexteDessin& dc, int32_t largeur,
                       platform::Couleur couleur);
// The pen of a point mark: solid, as wide as the mark size (doubled on a
// thick-lines figure), and at least the mark size times marqueMinimale
// device units in scaled drawing.
void choisitStyloMarque(const TfigureKalmetra& f, platform::ContexteDessin& dc, int32_t taille,
                        platform::Couleur couleur);
// The stock black pen back when the painter owns a pen.
void restaureStylo(platform::ContexteDessin& dc);

// Device position of a pixel coordinate and of a 1/32-pixel screen point
// (scaled and clamped in scaled drawing).
platform::Point echellePoint(int32_t x, int32_t y);
platform::Point positionPointEcran(const TpointEcran& p);
// A length of n screen pixels that keeps its screen size (a dot, the offset
// of a subscript): n times pixelEchelle in scaled drawing, rounded and clamped.
int32_t longueurPixel(int32_t n);

// A segment in pixels, clipped to the clip rectangle, with the current pen.
void traceSegment(platform::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Gathers the segments traceSegment draws into dc while it lives and gives
// them to the context at once (the backend sets its state once for all of
// them), in the order they came: the picture and the recorded primitives are those of
// the segments drawn one by one. Any other drawing, or a change of pen,
// inside its life first draws what was gathered (termineLot), as the
// drawers of this file do.
class LotSegments {
  public:
    explicit LotSegments(platform::ContexteDessin& dc);
    ~LotSegments();
    LotSegments(const LotSegments&) = delete;
    LotSegments& operator=(const LotSegments&) = delete;

  private:
    platform::ContexteDessin* precedent_;
};
// Draws the segments gathered so far.
void termineLot();

// A dot of the current pen at a pixel: a one-point line, clipped. A pen of
// width 1 draws no zero-length line, so it marks the one pixel.
void tracePointSeul(platform::ContexteDessin& dc, int32_t x, int32_t y);

// The visible pieces, and the hidden pieces (with the current pen on the
// screen; as short dashes in scaled drawing, where dotted pens do not exist:
// an odd number n of steps of about 4 screen pixels, n at least 3, a dash
// from 0.1 to 0.8 of every second step).
void tracePartiesVisibles(platform::ContexteDessin& dc, const TpartiesVisibles& p);
void tracePartiesCachees(platform::ContexteDessin& dc, const TpartiesVisibles& p);
// One hidden piece from (x1, y1) to (x2, y2), screen pixels, drawn as the
// hidden pieces above are.
void traceMorceauCache(platform::ContexteDessin& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// A dot of a curve at a screen point, in a colour.
void dessineMarquePoint(platform::ContexteDessin& dc, const TpointEcran& p, platform::Couleur couleur);

} // namespace km32
