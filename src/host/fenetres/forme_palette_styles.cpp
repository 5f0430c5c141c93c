#include "host/fenetres/forme_palette_styles.h"

#include "platform/formes_liees.h"

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
