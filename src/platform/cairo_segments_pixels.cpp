#include "platform/cairo_segments_pixels.h"

#include "platform/cairo_rendu.h"

#include <cairo.h>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace km32::platform {

namespace {

// A pixel a segment marks: its place from the segment's start, and its ink
// (1 the background colour, 2 the pen colour).
struct PixelMotif {
    int16_t dx, dy;
    uint8_t encre;
};

// The pixels of one offset and pen. Not exact when cairo marked a pixel in
// neither colour (a blend): such a segment is stroked by cairo each time.
struct Motif {
    bool exact = true;
    std::vector<PixelMotif> pixels;
};

// Room around a kept segment in the scratch image, for the width of the pen.
constexpr int32_t kMarge = PixelsSegments::kLargeurMaximale + 2;
constexpr int32_t kOrigine = PixelsSegments::kPortee + kMarge;
constexpr int32_t kCoteBrouillon = 2 * kOrigine + 1;
// The kept pixels are dropped all at once past this many offsets and pens.
constexpr std::size_t kMotifsMaximum = 8192;

constexpr Couleur kEncrePlume = rgb(255, 0, 0);
constexpr Couleur kEncreFond = rgb(0, 255, 0);

struct Motifs {
    std::unordered_map<uint64_t, Motif> table;
    cairo_surface_t* brouillon = nullptr;
    std::unique_ptr<RenduCairo> rendu;
};

Motifs& motifs() {
    static Motifs m;
    return m;
}

int32_t largeurPlume(const Stylo& s) {
    return std::max(1, s.largeur);
}

uint64_t cleMotif(const EtatTrace& etat, int32_t dx, int32_t dy) {
    const bool opaque = etat.stylo.style != StyleStylo::Plein && etat.modeFond == ModeFond::Opaque;
    return uint64_t(uint16_t(int16_t(dx))) | uint64_t(uint16_t(int16_t(dy))) << 16 |
           uint64_t(largeurPlume(etat.stylo)) << 32 | uint64_t(etat.stylo.style) << 40 |
           uint64_t(opaque) << 48;
}

// Strokes the segment from the scratch image's centre by (dx, dy) alone, as
// polyligne does for any segment, and reads the pixels it marked (clearing
// them for the next one).
Motif faitMotif(const EtatTrace& etat, int32_t dx, int32_t dy) {
    Motifs& m = motifs();
    if (!m.brouillon) {
        m.brouillon = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCoteBrouillon, kCoteBrouillon);
        m.rendu = std::make_unique<RenduCairo>(m.brouillon);
    }
    EtatTrace seul = etat;
    seul.decoupe.reset();
    seul.stylo.couleur = kEncrePlume;
    seul.couleurFond = kEncreFond;
    m.rendu->polyligne(seul, {{kOrigine, kOrigine}, {kOrigine + dx, kOrigine + dy}});
    cairo_surface_flush(m.brouillon);
    auto* octets = cairo_image_surface_get_data(m.brouillon);
    const int pas = cairo_image_surface_get_stride(m.brouillon);
    Motif motif;
    for (int32_t y = kOrigine + std::min(0, dy) - kMarge; y <= kOrigine + std::max(0, dy) + kMarge; ++y) {
        auto* ligne = reinterpret_cast<uint32_t*>(octets + y * pas);
        for (int32_t x = kOrigine + std::min(0, dx) - kMarge; x <= kOrigine + std::max(0, dx) + kMarge; ++x) {
            const uint32_t p = std::exchange(ligne[x], 0u);
            if (p == 0) continue;
            const uint8_t encre = p == argbDeCouleur(kEncrePlume)  ? 2
                                  : p == argbDeCouleur(kEncreFond) ? 1
                                                                   : 0;
            if (encre == 0) motif.exact = false;
            motif.pixels.push_back({int16_t(x - kOrigine), int16_t(y - kOrigine), encre});
        }
    }
    cairo_surface_mark_dirty(m.brouillon);
    if (!motif.exact) motif.pixels.clear();
    return motif;
}

const Motif& motif(const EtatTrace& etat, int32_t dx, int32_t dy) {
    auto& table = motifs().table;
    const uint64_t cle = cleMotif(etat, dx, dy);
    if (auto trouve = table.find(cle); trouve != table.end()) return trouve->second;
    if (table.size() >= kMotifsMaximum) table.clear();
    return table.emplace(cle, faitMotif(etat, dx, dy)).first->second;
}

bool sansTransformation(cairo_t* cr, cairo_surface_t* cible) {
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    double ox = 0, oy = 0, ex = 1, ey = 1;
    cairo_surface_get_device_offset(cible, &ox, &oy);
    cairo_surface_get_device_scale(cible, &ex, &ey);
    return m.xx == 1 && m.yy == 1 && m.xy == 0 && m.yx == 0 && m.x0 == 0 && m.y0 == 0 && ox == 0 && oy == 0 &&
           ex == 1 && ey == 1;
}

} // namespace

PixelsSegments::PixelsSegments(cairo_t* cr, const EtatTrace& etat) : cr_(cr), etat_(etat) {
    if (etat.stylo.style == StyleStylo::Nul || largeurPlume(etat.stylo) > kLargeurMaximale) return;
    cairo_surface_t* cible = cairo_get_target(cr);
    if (cairo_surface_get_type(cible) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(cible) != CAIRO_FORMAT_ARGB32 ||
        cairo_get_antialias(cr) != CAIRO_ANTIALIAS_NONE || cairo_get_operator(cr) != CAIRO_OPERATOR_OVER ||
        !sansTransformation(cr, cible))
        return;
    cairo_surface_flush(cible);
    unsigned char* octets = cairo_image_surface_get_data(cible);
    if (!octets) return;
    zone_ = Rect{0, 0, cairo_image_surface_get_width(cible), cairo_image_surface_get_height(cible)};
    if (etat.decoupe) zone_ = intersectionRectangles(zone_, *etat.decoupe);
    pixels_ = reinterpret_cast<uint32_t*>(octets);
    pas_ = cairo_image_surface_get_stride(cible) / 4;
    encres_[1] = argbDeCouleur(etat.couleurFond);
    encres_[2] = argbDeCouleur(etat.stylo.couleur);
}

PixelsSegments::~PixelsSegments() {
    if (pixels_) cairo_surface_mark_dirty(cairo_get_target(cr_));
}

void PixelsSegments::rendALaMain() {
    cairo_surface_mark_dirty(cairo_get_target(cr_));
}

void PixelsSegments::reprendLaMain() {
    cairo_surface_flush(cairo_get_target(cr_));
}

bool PixelsSegments::trace(Point a, Point b) {
    const int32_t dx = b.x - a.x, dy = b.y - a.y;
    if (dx < -kPortee || dx > kPortee || dy < -kPortee || dy > kPortee) return false;
    const Motif& m = motif(etat_, dx, dy);
    if (!m.exact) return false;
    for (const PixelMotif& p : m.pixels) {
        const Point q{a.x + p.dx, a.y + p.dy};
        if (pointDansRectangle(zone_, q))
            pixels_[std::size_t(q.y) * std::size_t(pas_) + std::size_t(q.x)] = encres_[p.encre];
    }
    return true;
}

void libereMotifsSegments() {
    Motifs& m = motifs();
    m.table.clear();
    m.rendu.reset();
    if (m.brouillon) cairo_surface_destroy(m.brouillon);
    m.brouillon = nullptr;
}

} // namespace km32::platform
