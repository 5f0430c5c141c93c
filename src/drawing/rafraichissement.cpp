#include "drawing/rafraichissement.h"

#include <algorithm>

#include "base/garde.h"
#include "drawing/bloc_dessin.h"
#include "drawing/donnees_dessin.h"
#include "drawing/element_solide.h"
#include "model/calcul/dependants.h"
#include "model/objets_figure.h"
#include "model/services_dessin.h"
#include "model/solides/parties_cachees.h"
#include "model/table_figures.h"
#include "platform/contexte_dessin.h"
#include "platform/contexte_dessin_table.h"
#include "platform/image_bitmap.h"
#include "platform/trace_enregistre.h"

namespace km32 {

namespace {

// Releases a handle given to a context for the time of a paint.
struct HandleTemporaire {
    explicit HandleTemporaire(platform::ContexteDessin* dc) : handle(platform::enregistreContexte(dc)) {}
    ~HandleTemporaire() { platform::oublieContexte(handle); }
    HandleTemporaire(const HandleTemporaire&) = delete;
    HandleTemporaire& operator=(const HandleTemporaire&) = delete;
    uint32_t handle;
};

bool etiquetteAvecValeurs(const TfigureKalmetra& f, int i, const TObjetFigure& o) {
    return estDessine(o.style) && texteEtiquetteObjet(f, i).find("val(") != std::string::npos;
}

} // namespace

void prepareTousLesElements(TfigureKalmetra& f) {
    if (f.tableTraces) projetteTraces(f);
    for (int i = kPremierElement; i <= f.nombreObjets; ++i)
        if (estObjetDessinable(objet(f, i))) prepareElementObjet(f, i);
}

TetatRafraichissement& etatRafraichissement() {
    static TetatRafraichissement etat;
    return etat;
}

void reinitialiseRafraichissement() {
    etatRafraichissement() = TetatRafraichissement{};
}

void reconstruitDessin(TfigureKalmetra& f) {
    // The isolated plane first: its defining objects may have moved since.
    actualisePlanIsole(f);
    construitElementsSolides(f);
    preparePolyedresVisibles(f);
    marqueElementsDansPlanIsole(f);
    prepareElementsDessin(f);
}

void redessineFigure(TfigureKalmetra& f) {
    if (f.tableElementsSolides)
        for (int i = kPremierElement; i <= f.nombreObjets; ++i)
            libereElementSolide(f.tableElementsSolides->elements[std::size_t(i)]);
    if (f.blocDessin)
        for (auto& e : f.blocDessin->elements)
            e.reset();
    reconstruitDessin(f);
    repeintFigureEcran(f);
}

namespace {

// Once the drawing data of the changed objects is rebuilt: every display
// element prepared again when the visible solids or the isolated plane
// changed; otherwise only those of the changed objects (the set, or without
// one the dependants of the active free object), of the objects they colour
// and of the labels that show values. Then the repaint.
void prepareElementsChanges(TfigureKalmetra& f, const TEnsembleObjets* ensemble) {
    const bool polyedresChanges = f.polyedresAPreparer != 0;
    // A moved isolated plane changes what lies in it: everything is rebuilt.
    if ((polyedresChanges || f.planIsoleChange) && modePlanIsole(f)) {
        prepareTousLesElements(f);
        repeintFigureEcran(f);
        return;
    }
    if (polyedresChanges) {
        preparePolyedresVisibles(f);
        prepareTousLesElements(f);
        repeintFigureEcran(f);
        f.modifiee = 1;
        return;
    }
    if (f.tableTraces) projetteDerniersPointsTraces(f);
    for (int i = kPremierElement; i <= f.nombreObjets; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (!estObjetDessinable(o)) continue;
        const bool change = ensemble ? ensemble->test(std::size_t(i)) || sourceCouleurDans(o, *ensemble)
                                     : dependDeObjetLibreActif(o) || sourceCouleurMarquee(f, o);
        if (change || etiquetteAvecValeurs(f, i, o)) prepareElementObjet(f, i);
    }
    repeintFigureEcran(f);
    f.modifiee = 1;
}

} // namespace

void rafraichitApresDeplacement(TfigureKalmetra& f) {
    reconstruitElementsMarques(f);
    prepareElementsChanges(f, nullptr);
}

void rafraichitEnsembleModifie(TfigureKalmetra& f, const TEnsembleObjets& ensemble) {
    reconstruitElementsEnsemble(f, ensemble);
    prepareElementsChanges(f, &ensemble);
}

void repeintFigureDansContexte(TfigureKalmetra& f, platform::ContexteDessin& dc) {
    const int32_t largeur = std::clamp(f.largeurImage, 1, platform::kCoteMaximalBitmap);
    const int32_t hauteur = std::clamp(f.hauteurImage, 1, platform::kCoteMaximalBitmap);
    // The whole figure is drawn off screen, then copied at once, so the
    // window never shows a partial drawing. The renderer paints every pixel
    // (background first), so a kept picture of the same size serves again.
    const bool enregistre = dc.journal() != nullptr;
    std::unique_ptr<platform::Bitmap> propre;
    std::unique_ptr<platform::ContexteDessin> contextePropre;
    platform::Bitmap* image = nullptr;
    platform::ContexteDessin* memoire = nullptr;
    TetatRafraichissement& e = etatRafraichissement();
    if (!enregistre) {
        if (!e.horsEcran || e.horsEcran->largeur() != largeur || e.horsEcran->hauteur() != hauteur) {
            e.contexteHorsEcran.reset();
            e.horsEcran = std::make_unique<platform::Bitmap>(largeur, hauteur);
            e.contexteHorsEcran = platform::creeContexteMemoire();
            platform::selectionneBitmap(*e.contexteHorsEcran, e.horsEcran.get());
        }
        image = e.horsEcran.get();
        memoire = e.contexteHorsEcran.get();
    } else {
        propre = std::make_unique<platform::Bitmap>(largeur, hauteur, true);
        contextePropre = platform::creeContexteMemoire();
        platform::selectionneBitmap(*contextePropre, propre.get());
        image = propre.get();
        memoire = contextePropre.get();
    }
    (void)image;
    {
        HandleTemporaire h(memoire);
        GardeValeur<uint32_t> courant(f.contexteDessin, h.handle);
        etatRafraichissement().dessine(f, *memoire);
    }
    {
        HandleTemporaire h(&dc);
        GardeValeur<uint32_t> courant(f.contexteDessin, h.handle);
        // The copy hides what the surface showed under it: a recording of
        // the surface drops that part (see RenduEnregistre::ajoute).
        platform::copieBits(dc, 0, 0, largeur, hauteur, *memoire, 0, 0);
    }
}

void repeintFigureEcran(TfigureKalmetra& f) {
    const ContexteDeFenetre contexte = etatRafraichissement().contexteDeFenetre;
    platform::ContexteDessin* dc = (contexte && f.fenetreDessin != 0) ? contexte(f.fenetreDessin) : nullptr;
    if (!dc) return;
    repeintFigureDansContexte(f, *dc);
}

void repeintFigureKMparNumero(int16_t numero, uint32_t contexte) {
    if (!figureExiste(numero)) return;
    platform::ContexteDessin* dc = platform::contexteDeHandle(contexte);
    if (!dc) return;
    repeintFigureDansContexte(*figureDeNumero(numero), *dc);
}

void fixeHauteurBandeau(TfigureKalmetra& f, int32_t hauteur) {
    if (hauteur > f.hauteurImage - 5) hauteur = f.hauteurImage - 5;
    hauteur = std::max(hauteur, 3);
    if (hauteur == f.hauteurZoneAffichages) return;
    f.modifiee = 1;
    f.hauteurZoneAffichages = hauteur;
    redessineFigure(f);
}

void deplaceBoiteTexte(TfigureKalmetra& f, int n, int32_t x, int32_t y) {
    TelementDessin* e = elementDessin(f, n);
    if (!e || e->type != kDessinTexte) return;
    if (x + e->largeur > f.largeurImage) x = f.largeurImage - e->largeur;
    if (y + e->hauteur > f.hauteurZoneAffichages) y = f.hauteurZoneAffichages - e->hauteur;
    x = std::max(x, 2);
    y = std::max(y, 1);
    if (x == e->x && y == e->y) return;
    f.modifiee = 1;
    e->x = x;
    e->y = y;
    valeurObjet(f, n, 1) = x;
    valeurObjet(f, n, 2) = y;
    repeintFigureEcran(f);
}

} // namespace km32
