#include "platform/cairo_rendu.h"

#include "base/texte.h"
#include "platform/cairo_segments_pixels.h"
#include "platform/contexte_dessin.h"
#include "platform/trace_enregistre.h"

#include <cairo.h>
#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace km32::platform {

namespace {

constexpr const char* kFamillePolice = "DejaVu Sans";
// The serif of mathematical text (Debian's fonts-stix), and the serif every
// system with DejaVu has when it is missing.
constexpr const char* kFamilleMath = "STIXGeneral";
constexpr const char* kFamilleMathSecours = "DejaVu Serif";

// The family of mathematical text: STIX when fontconfig finds it, else the
// fallback (fontconfig would otherwise put a sans face in its place).
const char* familleMath() {
    static const bool stix = [] {
        FcPattern* motif = FcNameParse(reinterpret_cast<const FcChar8*>(kFamilleMath));
        if (!motif) return false;
        FcConfigSubstitute(nullptr, motif, FcMatchPattern);
        FcDefaultSubstitute(motif);
        FcResult resultat = FcResultNoMatch;
        FcPattern* trouve = FcFontMatch(nullptr, motif, &resultat);
        FcChar8* nom = nullptr;
        const bool ok = trouve && FcPatternGetString(trouve, FC_FAMILY, 0, &nom) == FcResultMatch &&
                        std::strcmp(reinterpret_cast<const char*>(nom), kFamilleMath) == 0;
        if (trouve) FcPatternDestroy(trouve);
        FcPatternDestroy(motif);
        return ok;
    }();
    return stix ? kFamilleMath : kFamilleMathSecours;
}

// The faces of mathematical text (upright and italic, normal and bold),
// made once and kept until libereCachesCairo: cairo keys its cache of sized
// fonts by face, so a face made anew at each text would build every sized
// font again.
struct FacesMath {
    cairo_font_face_t* faces[2][2] = {{nullptr, nullptr}, {nullptr, nullptr}}; // [italique][gras]
};

FacesMath& facesMath() {
    static FacesMath f;
    return f;
}

cairo_font_face_t* faceMath(bool italique, bool gras) {
    cairo_font_face_t*& face = facesMath().faces[italique][gras];
    if (!face)
        face = cairo_toy_font_face_create(familleMath(),
                                          italique ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                          gras ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    return face;
}

void libereFacesMath() {
    for (auto& rang : facesMath().faces)
        for (cairo_font_face_t*& face : rang) {
            if (face) cairo_font_face_destroy(face);
            face = nullptr;
        }
}

// The body of the serif of mathematical text against the sans of the same cell.
constexpr double kCorpsMath = 1.1;

// A subscript of a name against the letter.
constexpr double kIndice = 0.75;

// The letter of a name and its prime: the rest is a subscript.
std::size_t longueurTeteNom(const std::string& nom) {
    return nom.size() >= 2 && (nom[1] == '\'' || nom[1] == '"') ? 2 : 1;
}

// The box of mathematical text: a character cell per character; a name
// of more than two characters whose prime stands over its subscript takes
// one cell less, as its label is measured.
double largeurBoiteMath(const Police& police, const std::string& texte) {
    std::size_t cellules = texte.size();
    if (police.famille == FamillePolice::NomMath && cellules > 2 && longueurTeteNom(texte) == 2) --cellules;
    return double(cellules) * largeurCelluleEnregistree(std::max(1, police.hauteur));
}

// A letter of mathematical text is set in italic; digits, signs and
// parentheses stay upright.
bool lettreItalique(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// One character of mathematical text in UTF-8: the apostrophe and the
// double quote are the prime and the double prime of the notation.
std::string caractereMath(char c) {
    if (c == '\'') return "\u2032";
    if (c == '"') return "\u2033";
    return utf8DeWindows1252(std::string(1, c));
}

void fixeSource(cairo_t* cr, Couleur c) {
    cairo_set_source_rgb(cr, rouge(c) / 255.0, vert(c) / 255.0, bleu(c) / 255.0);
}

bool surHachure(uint8_t hachure, int x, int y) {
    switch (hachure) {
    case kHachureHorizontale:
        return y == 0;
    case kHachureVerticale:
        return x == 0;
    case kHachureDiagonale:
        return x == y;
    default:
        return (x + y) % 8 == 0;
    }
}

// The 8 x 8 tile of a hatched brush, laid from the device origin: hatch pixels
// in the brush colour, the others in the background colour (opaque mode) or left alone.
cairo_pattern_t* motifHachure(const EtatTrace& etat) {
    cairo_surface_t* tuile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_surface_flush(tuile);
    unsigned char* octets = cairo_image_surface_get_data(tuile);
    int pas = cairo_image_surface_get_stride(tuile);
    uint32_t trait = argbDeCouleur(etat.brosse.couleur);
    uint32_t fond = etat.modeFond == ModeFond::Opaque ? argbDeCouleur(etat.couleurFond) : 0u;
    for (int y = 0; y < 8; ++y) {
        auto* ligne = reinterpret_cast<uint32_t*>(octets + y * pas);
        for (int x = 0; x < 8; ++x)
            ligne[x] = surHachure(etat.brosse.hachure, x, y) ? trait : fond;
    }
    cairo_surface_mark_dirty(tuile);
    cairo_pattern_t* motif = cairo_pattern_create_for_surface(tuile);
    cairo_surface_destroy(tuile);
    cairo_pattern_set_extend(motif, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(motif, CAIRO_FILTER_NEAREST);
    return motif;
}

struct PointReel {
    double x, y;
};

// Unit step along a segment, normalised so that its larger component is 1.
PointReel pasMajeur(Point a, Point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double m = std::max(std::abs(dx), std::abs(dy));
    return m == 0 ? PointReel{0, 0} : PointReel{dx / m, dy / m};
}

// The last stretch of a 1-pixel line: to the pixel centre of b moved back
// half a pixel along the unit step u, so that a butt end stops before b.
void ligneFinVers(cairo_t* cr, Point b, PointReel u) {
    cairo_line_to(cr, b.x + 0.5 - u.x / 2, b.y + 0.5 - u.y / 2);
}

// The part source lies inside the image and all its pixels are opaque.
bool copieOpaque(const Image& image, Rect source) {
    if (source.gauche < 0 || source.haut < 0 || source.droite > image.largeur || source.bas > image.hauteur)
        return false;
    // The pixels ANDed together, four at a time (the whole window at every paint).
    using Quatre = uint32_t __attribute__((vector_size(16)));
    Quatre quatre = {~0u, ~0u, ~0u, ~0u};
    uint32_t alpha = ~0u;
    for (int32_t y = source.haut; y < source.bas; ++y) {
        const uint32_t* ligne = image.pixels.data() + std::size_t(y) * std::size_t(image.largeur);
        int32_t x = source.gauche;
        for (; x + 4 <= source.droite; x += 4) {
            Quatre q;
            std::memcpy(&q, ligne + x, sizeof q);
            quatre &= q;
        }
        for (; x < source.droite; ++x)
            alpha &= ligne[x];
    }
    alpha &= quatre[0] & quatre[1] & quatre[2] & quatre[3];
    return (alpha & 0xFF000000u) == 0xFF000000u;
}

} // namespace

RenduCairo::RenduCairo(cairo_surface_t* surface) : cr_(cairo_create(surface)) {
    // On a picture of pixels the lines and fills land on whole pixels, as a
    // screen draws them, without the cost of smoothing their edges; texts
    // keep their own smoothing. Vector outputs (SVG, PDF) are left smooth.
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE)
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

RenduCairo::~RenduCairo() {
    cairo_destroy(cr_);
}

void RenduCairo::commence(const EtatTrace& etat) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    if (etat.decoupe) {
        const Rect& d = *etat.decoupe;
        cairo_rectangle(cr_, d.gauche, d.haut, std::max(0, d.largeur()), std::max(0, d.hauteur()));
        cairo_clip(cr_);
    }
}

// Fills the current path with the brush (the path is kept).
void RenduCairo::remplit(const EtatTrace& etat) {
    if (etat.brosse.style == StyleBrosse::Nulle) return;
    if (etat.brosse.style == StyleBrosse::Hachuree) {
        cairo_pattern_t* motif = motifHachure(etat);
        cairo_set_source(cr_, motif);
        cairo_pattern_destroy(motif);
    } else {
        fixeSource(cr_, etat.brosse.couleur);
    }
    cairo_fill_preserve(cr_);
}

// Strokes the current path with the pen (the path is kept). In opaque mode the
// gaps of a dashed or dotted pen show the background colour.
void RenduCairo::trace(const EtatTrace& etat, bool ferme) {
    const Stylo& s = etat.stylo;
    if (s.style == StyleStylo::Nul) return;
    double w = std::max(1, s.largeur);
    cairo_set_line_width(cr_, w);
    bool fin = s.largeur <= 1;
    bool style = s.style == StyleStylo::Tirets || s.style == StyleStylo::Points;
    cairo_set_line_cap(cr_, fin || style ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, fin || ferme ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
    if (style) {
        if (etat.modeFond == ModeFond::Opaque) {
            cairo_set_dash(cr_, nullptr, 0, 0);
            fixeSource(cr_, etat.couleurFond);
            cairo_stroke_preserve(cr_);
        }
        double tirets[2] = {18 * w, 6 * w};
        double points[2] = {3 * w, 3 * w};
        cairo_set_dash(cr_, s.style == StyleStylo::Tirets ? tirets : points, 2, 0);
    }
    fixeSource(cr_, s.couleur);
    cairo_stroke_preserve(cr_);
    cairo_set_dash(cr_, nullptr, 0, 0);
}

void RenduCairo::polyligne(const EtatTrace& etat, const std::vector<Point>& points) {
    if (points.size() < 2 || etat.stylo.style == StyleStylo::Nul) return;
    commence(etat);
    if (etat.stylo.largeur <= 1) {
        // Through pixel centres, the ends moved back half a pixel along their
        // segments: butt ends then cover the first pixel and stop before the last.
        std::size_t premier = 0;
        while (premier + 1 < points.size() && points[premier + 1] == points[premier])
            ++premier;
        if (premier + 1 == points.size()) {
            cairo_restore(cr_);
            return; // every point the same: a 1-pixel pen draws nothing
        }
        std::size_t dernier = points.size() - 1;
        while (points[dernier - 1] == points[dernier])
            --dernier;
        PointReel u0 = pasMajeur(points[premier], points[premier + 1]);
        PointReel u1 = pasMajeur(points[dernier - 1], points[dernier]);
        cairo_move_to(cr_, points[premier].x + 0.5 - u0.x / 2, points[premier].y + 0.5 - u0.y / 2);
        for (std::size_t i = premier + 1; i < dernier; ++i)
            cairo_line_to(cr_, points[i].x + 0.5, points[i].y + 0.5);
        ligneFinVers(cr_, points[dernier], u1);
    } else {
        cairo_move_to(cr_, points[0].x + 0.5, points[0].y + 0.5);
        for (std::size_t i = 1; i < points.size(); ++i)
            cairo_line_to(cr_, points[i].x + 0.5, points[i].y + 0.5);
    }
    trace(etat, false);
    cairo_restore(cr_);
}

// Separate segments: on a picture of pixels, written straight into its
// pixels from those cairo marks for a segment of the same offset and pen
// (cairo_segments_pixels.h); the others, and every segment elsewhere, one
// stroke each as a two-point polyline.
void RenduCairo::segments(const EtatTrace& etat, const std::vector<Point>& extremites) {
    PixelsSegments pixels(cr_, etat);
    if (!pixels.pret()) return Rendu::segments(etat, extremites);
    for (std::size_t k = 0; k + 1 < extremites.size(); k += 2) {
        const Point a = extremites[k], b = extremites[k + 1];
        if (pixels.trace(a, b)) continue;
        pixels.rendALaMain();
        polyligne(etat, {a, b});
        pixels.reprendLaMain();
    }
}

void RenduCairo::rectangle(const EtatTrace& etat, Rect r) {
    bool sansStylo = etat.stylo.style == StyleStylo::Nul;
    commence(etat);
    double l = r.gauche, t = r.haut, w = r.largeur(), h = r.hauteur();
    if (sansStylo) {
        // The null pen leaves the last row and column out.
        if (w > 1 && h > 1) {
            cairo_rectangle(cr_, l, t, w - 1, h - 1);
            remplit(etat);
        }
    } else if (w > 0 && h > 0) {
        cairo_rectangle(cr_, l, t, w, h);
        remplit(etat);
        cairo_new_path(cr_);
        cairo_rectangle(cr_, l + 0.5, t + 0.5, std::max(0.0, w - 1), std::max(0.0, h - 1));
        trace(etat, true);
    }
    cairo_restore(cr_);
}

void RenduCairo::ellipse(const EtatTrace& etat, Rect r) {
    bool sansStylo = etat.stylo.style == StyleStylo::Nul;
    double w = r.largeur() - (sansStylo ? 1 : 0), h = r.hauteur() - (sansStylo ? 1 : 0);
    if (w <= 0 || h <= 0) return;
    commence(etat);
    auto chemin = [&](double retrait) {
        double rx = w / 2 - retrait, ry = h / 2 - retrait;
        cairo_new_path(cr_);
        if (rx <= 0 || ry <= 0) return false;
        cairo_save(cr_);
        cairo_translate(cr_, r.gauche + w / 2, r.haut + h / 2);
        cairo_scale(cr_, rx, ry);
        cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
        cairo_close_path(cr_);
        cairo_restore(cr_);
        return true;
    };
    if (chemin(0)) remplit(etat);
    if (!sansStylo && chemin(0.5)) trace(etat, true);
    cairo_restore(cr_);
}

void RenduCairo::polygone(const EtatTrace& etat, const std::vector<Point>& points) {
    if (points.size() < 2) return;
    commence(etat);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_move_to(cr_, points[0].x + 0.5, points[0].y + 0.5);
    for (std::size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr_, points[i].x + 0.5, points[i].y + 0.5);
    cairo_close_path(cr_);
    remplit(etat);
    trace(etat, true);
    cairo_restore(cr_);
}

void RenduCairo::pixel(const EtatTrace& etat, Point p, Couleur c) {
    commence(etat);
    cairo_rectangle(cr_, p.x, p.y, 1, 1);
    fixeSource(cr_, c);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void RenduCairo::choisitFonte(const Police& police) {
    cairo_select_font_face(cr_, kFamillePolice, CAIRO_FONT_SLANT_NORMAL,
                           police.gras ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    double h = std::max(1, police.hauteur);
    cairo_set_font_size(cr_, h);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    double cellule = fe.ascent + fe.descent;
    if (cellule > 0) cairo_set_font_size(cr_, h * h / cellule);
}

Taille RenduCairo::mesureTexte(const Police& police, const std::string& texte) {
    // Mathematical text is set into its character cells.
    if (police.famille != FamillePolice::Texte)
        return Taille{int32_t(std::lround(largeurBoiteMath(police, texte))), std::max(1, police.hauteur)};
    cairo_save(cr_);
    choisitFonte(police);
    std::string utf8 = utf8DeWindows1252(texte);
    cairo_text_extents_t te;
    cairo_text_extents(cr_, utf8.c_str(), &te);
    cairo_restore(cr_);
    return Taille{int32_t(std::ceil(te.x_advance - 1e-9)), std::max(1, police.hauteur)};
}

// The glyphs of a run of mathematical text in one sized font, placed from
// the top-left corner of the box (the font's reference is held).
struct SerieGlyphes {
    cairo_scaled_font_t* police = nullptr;
    std::vector<cairo_glyph_t> glyphes;
};

namespace {

// The layouts of mathematical text already set, by text, font and kind of
// surface: the layout is the same wherever the text is drawn, and labels are
// drawn again at every paint. Bounded: emptied when it grows past its size.
struct CacheMiseEnPage {
    std::unordered_map<std::string, std::vector<SerieGlyphes>> table;
    static constexpr std::size_t kTailleMaximale = 4096;
};

CacheMiseEnPage& cacheMiseEnPage() {
    static CacheMiseEnPage c;
    return c;
}

void videCacheMiseEnPage() {
    for (auto& [cle, series] : cacheMiseEnPage().table)
        for (SerieGlyphes& s : series)
            cairo_scaled_font_destroy(s.police);
    cacheMiseEnPage().table.clear();
}

std::string cleMiseEnPage(const Police& police, const std::string& texte, cairo_surface_type_t surface) {
    std::string cle = texte;
    cle += '\0';
    cle += std::to_string(police.hauteur);
    cle += police.gras ? 'g' : 'n';
    cle += char('0' + int(police.famille));
    cle += std::to_string(int(surface));
    return cle;
}

} // namespace

// Sets a run of mathematical text once: where each character goes, the
// ratio that fits its ink into the box, and the glyphs of each character in
// its sized font, as cairo_show_text would place them.
std::vector<SerieGlyphes> RenduCairo::metEnPageMath(const Police& police, const std::string& texte) {
    const double h = std::max(1, police.hauteur);
    const bool nom = police.famille == FamillePolice::NomMath;
    const double boite = largeurBoiteMath(police, texte);
    cairo_font_face_t* droit = faceMath(false, police.gras);
    cairo_font_face_t* italique = faceMath(true, police.gras);
    cairo_save(cr_);
    choisitFonte(police);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    cairo_matrix_t matrice;
    cairo_get_font_matrix(cr_, &matrice);
    const double corps = matrice.yy * kCorpsMath;

    // Where each character goes, at scale 1 from the left of the box.
    struct Glyphe {
        std::string texte;
        cairo_font_face_t* face;
        double corps, x, ligneDeBase;
    };
    std::vector<Glyphe> glyphes;
    const std::size_t tete = nom ? longueurTeteNom(texte) : texte.size();
    double x = 0, apresLettre = 0, debut = 0, fin = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const bool indice = i >= tete;
        if (indice && i == tete) x = apresLettre;
        Glyphe g{caractereMath(texte[i]),
                 lettreItalique(static_cast<unsigned char>(texte[i])) ? italique : droit,
                 indice ? corps * kIndice : corps, x,
                 indice ? h / 2 + h * (1 - kIndice) + fe.ascent * kIndice : fe.ascent};
        cairo_set_font_face(cr_, g.face);
        cairo_set_font_size(cr_, g.corps);
        cairo_text_extents_t te;
        cairo_text_extents(cr_, g.texte.c_str(), &te);
        if (te.width > 0) {
            debut = std::min(debut, x + te.x_bearing);
            fin = std::max(fin, x + te.x_bearing + te.width);
        }
        x += te.x_advance;
        if (i == 0) apresLettre = x;
        glyphes.push_back(std::move(g));
    }
    fin = std::max(fin, x);
    // Every width grows with the size: one ratio narrows the ink into the
    // box. Only the widths: the letters keep their height, so that a wide
    // letter (M, W) stands as tall as its neighbours instead of smaller.
    const double rapport = fin - debut > boite && fin - debut > 0 ? boite / (fin - debut) : 1.0;
    // Letters stay smooth on a picture of pixels too.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    std::vector<SerieGlyphes> series;
    for (const Glyphe& g : glyphes) {
        cairo_set_font_face(cr_, g.face);
        cairo_matrix_t corps;
        cairo_matrix_init_scale(&corps, g.corps * rapport, g.corps);
        cairo_set_font_matrix(cr_, &corps);
        cairo_scaled_font_t* police = cairo_get_scaled_font(cr_);
        cairo_glyph_t* places = nullptr;
        int nombre = 0;
        if (cairo_scaled_font_text_to_glyphs(police, (g.x - debut) * rapport, g.ligneDeBase, g.texte.c_str(),
                                             -1, &places, &nombre, nullptr, nullptr,
                                             nullptr) != CAIRO_STATUS_SUCCESS)
            continue;
        if (series.empty() || series.back().police != police) {
            series.push_back(SerieGlyphes{cairo_scaled_font_reference(police), {}});
        }
        series.back().glyphes.insert(series.back().glyphes.end(), places, places + nombre);
        cairo_glyph_free(places);
    }
    cairo_restore(cr_);
    return series;
}

// A run of mathematical text: the serif sized on the sans text of the same
// cell (same baseline, a tenth larger for its smaller capitals), each letter
// in italic, set from the left edge of its box and made narrower when its
// ink would pass the box, so that it never leaves the box it is measured by. A
// name (FamillePolice::NomMath) sets its letter and prime at that size and
// the rest as a subscript three quarters as large, half a cell lower, right
// after the letter. The layout is made once per text and font (metEnPageMath).
void RenduCairo::texteMath(const EtatTrace& etat, Point p, const std::string& texte) {
    CacheMiseEnPage& cache = cacheMiseEnPage();
    const std::string cle = cleMiseEnPage(etat.police, texte, cairo_surface_get_type(cairo_get_target(cr_)));
    auto it = cache.table.find(cle);
    if (it == cache.table.end()) {
        if (cache.table.size() >= CacheMiseEnPage::kTailleMaximale) videCacheMiseEnPage();
        it = cache.table.emplace(cle, metEnPageMath(etat.police, texte)).first;
    }
    fixeSource(cr_, etat.couleurTexte);
    std::vector<cairo_glyph_t> places;
    for (const SerieGlyphes& serie : it->second) {
        places = serie.glyphes;
        for (cairo_glyph_t& g : places) {
            g.x += p.x;
            g.y += p.y;
        }
        cairo_set_scaled_font(cr_, serie.police);
        cairo_show_glyphs(cr_, places.data(), int(places.size()));
    }
}

void RenduCairo::texte(const EtatTrace& etat, Point p, const std::string& texte) {
    Taille taille = mesureTexte(etat.police, texte);
    commence(etat);
    if (etat.modeFond == ModeFond::Opaque && taille.cx > 0) {
        cairo_rectangle(cr_, p.x, p.y, taille.cx, taille.cy);
        fixeSource(cr_, etat.couleurFond);
        cairo_fill(cr_);
    }
    if (etat.police.famille != FamillePolice::Texte) {
        texteMath(etat, p, texte);
        cairo_restore(cr_);
        return;
    }
    choisitFonte(etat.police);
    cairo_font_extents_t fe;
    cairo_font_extents(cr_, &fe);
    std::string utf8 = utf8DeWindows1252(texte);
    fixeSource(cr_, etat.couleurTexte);
    cairo_move_to(cr_, p.x, p.y + fe.ascent);
    cairo_show_text(cr_, utf8.c_str());
    cairo_restore(cr_);
}

void RenduCairo::image(const EtatTrace& etat, const Image& image, Rect source, Rect dest) {
    if (source.estVide() || dest.estVide() || image.largeur <= 0 || image.hauteur <= 0) return;
    if (image.pixels.size() < std::size_t(image.largeur) * std::size_t(image.hauteur)) return;
    cairo_surface_t* s = nullptr;
    cairo_surface_t* cible = cairo_get_target(cr_);
    const auto* pixels = reinterpret_cast<const unsigned char*>(image.pixels.data());
    if (cairo_surface_get_type(cible) == CAIRO_SURFACE_TYPE_IMAGE &&
        cairo_image_surface_get_data(cible) != pixels) {
        // A picture of pixels is painted at once: it reads the image's own
        // pixels (ARGB32 rows of exactly 4 * width bytes) without a copy
        // (cairo_paint only reads its source), unless it paints into them.
        s = cairo_image_surface_create_for_data(const_cast<unsigned char*>(pixels), CAIRO_FORMAT_ARGB32,
                                                image.largeur, image.hauteur, image.largeur * 4);
    } else {
        // A surface of cairo's own holding a copy: vector surfaces may keep their
        // sources until the file is finished, long after the image has changed.
        s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.largeur, image.hauteur);
        if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
            cairo_surface_flush(s);
            unsigned char* octets = cairo_image_surface_get_data(s);
            int pas = cairo_image_surface_get_stride(s);
            for (int32_t y = 0; y < image.hauteur; ++y)
                std::memcpy(octets + std::size_t(y) * std::size_t(pas),
                            image.pixels.data() + std::size_t(y) * std::size_t(image.largeur),
                            std::size_t(image.largeur) * 4);
            cairo_surface_mark_dirty(s);
        }
    }
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return;
    }
    commence(etat);
    cairo_pattern_t* motif = cairo_pattern_create_for_surface(s);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, source.gauche, source.haut);
    cairo_matrix_scale(&m, double(source.largeur()) / dest.largeur(),
                       double(source.hauteur()) / dest.hauteur());
    cairo_matrix_translate(&m, -dest.gauche, -dest.haut);
    cairo_pattern_set_matrix(motif, &m);
    bool memeTaille = source.largeur() == dest.largeur() && source.hauteur() == dest.hauteur();
    cairo_pattern_set_filter(motif, memeTaille ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    // A stretched picture's edge pixels reach its border instead of fading out.
    if (!memeTaille) cairo_pattern_set_extend(motif, CAIRO_EXTEND_PAD);
    cairo_rectangle(cr_, dest.gauche, dest.haut, dest.largeur(), dest.hauteur());
    cairo_clip(cr_);
    cairo_set_source(cr_, motif);
    // Opaque pixels copied one for one replace those under them, as blending
    // them would: the copy then needs no blending (the window's copy of the
    // off-screen drawing at every paint).
    if (memeTaille && copieOpaque(image, source)) cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr_);
    cairo_pattern_destroy(motif);
    cairo_restore(cr_);
    cairo_surface_destroy(s);
}

void libereCachesCairo() {
    videCacheMiseEnPage();
    libereMotifsSegments();
    libereFacesMath();
    cairo_debug_reset_static_data();
    // fontconfig is loaded with cairo but not linked by name: look it up.
    using FinFontconfig = void (*)();
    if (auto fin = reinterpret_cast<FinFontconfig>(dlsym(RTLD_DEFAULT, "FcFini"))) fin();
}

std::unique_ptr<ContexteDessin> creeContexteCairo(cairo_surface_t* surface) {
    return std::make_unique<ContexteDessin>(std::make_unique<RenduCairo>(surface));
}

} // namespace km32::platform
