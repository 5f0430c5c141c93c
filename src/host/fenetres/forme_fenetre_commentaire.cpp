#include "base/texte.h"
#include "host/fenetres/forme_fenetre_commentaire.h"

#include "host/fenetres/zone_texte.h"
#include "platform/fenetres.h"
#include "platform/formes_liees.h"

namespace km32 {

namespace p = platform;

namespace {

p::FormeLiee etatForme() {
    p::FormeLiee forme;
    const TKMFenCommentaire* c = fenetreCommentaire();
    if (!c) return forme;
    // The window closes by its caption's system menu alone.
    forme.caseFermeture = true;
    if (!commentaireSansNotation(c->texte)) return forme;
    p::ChampLie champ;
    champ.numero = kChampTexteCommentaire;
    // The text leaves the close box a strip of its own on the right.
    champ.cadre = p::rectangleClient(c->fenetre);
    champ.cadre.droite -= p::kLargeurCaseFermeture + 4;
    champ.texte = avecRetoursCRLF(c->texte);
    champ.multiligne = true;
    champ.lectureSeule = true;
    forme.champs.push_back(std::move(champ));
    return forme;
}

} // namespace

bool commentaireSansNotation(std::string_view texte) {
    return texte.find_first_of("\\$") == std::string_view::npos;
}

void lieFormeFenetreCommentaire(const TKMFenCommentaire& c) {
    p::OperationsForme o;
    o.etat = etatForme;
    p::inscritFormeLiee(c.fenetre, std::move(o));
}

} // namespace km32
