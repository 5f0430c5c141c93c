#include "host/fenetres/forme_palette_styles.h"

#include "platform/formes_liees.h"
#include "platform/mesures_texte.h"

namespace km32 {

namespace p = platform;

namespace {

// The palette as the backend shows it: the headings that have a text (on
// the palette's face, over the text it paints) and the three buttons, where
// the palette paints them.
p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TFenetreStyle* s = paletteStyles();
    if (!s) return forme;
    for (const TEnteteStyle& e : s->entetes)
        if (!e.texte.empty())
            forme.etiquettes.push_back({.cadre = cadreEnteteStyle(*s, e),
                                        .texte = e.texte,
                                        .fond = p::kFaceFormulaire,
                                        .encre = kEncreEntetesPalette});
    // The words of the drawn and not drawn cells as the toolkit's labels
    // over the cells, in the toolkit's font (the cells were made large
    // enough for them), and over the sample when it shows one of them (it
    // is as large); headless the palette paints them in its own.
    if (p::mesuresReelles()) {
        const auto mots = [&](const p::Rectangle& r, int c) {
            forme.etiquettes.push_back({.cadre = cadreTexteDessine(r),
                                        .texte = texteCelluleDessine(c),
                                        .fond = p::kFaceFormulaire,
                                        .encre = c == 57 ? kEncreDessine : kEncreNonDessine});
        };
        for (const int c : {57, 58})
            mots(s->cellules[std::size_t(c)], c);
        if (s->celluleChoisie >= 57) mots(s->echantillon, s->celluleChoisie);
    }
    for (const uint32_t tag : {kTagPaletteRappel, kTagPaletteAide, kTagPaletteFermer}) {
        p::BoutonLie bouton;
        bouton.tag = tag;
        bouton.cadre = cadreBoutonPalette(*s, tag);
        bouton.libelle = libelleBoutonPalette(tag);
        forme.boutons.push_back(std::move(bouton));
    }
    return forme;
}

} // namespace

void lieFormePalette(const TFenetreStyle& s) {
    p::OperationsForme o;
    o.etat = etatForme;
    p::inscritFormeLiee(s.fenetre, std::move(o));
}

} // namespace km32
