#include "sibling/texte_math_dessin.h"

#include <algorithm>
#include <cmath>

#include "platform/ecran.h"
#include "platform/presse_papiers.h"

namespace km32 {

namespace {
struct EtatDessinTexte {
    bool saveDCautorise = true;
    DessinCopieTQ copie;
};

EtatDessinTexte& etat() {
    static EtatDessinTexte e;
    return e;
}

// Device coordinates stay within what the drawing layer takes.
constexpr double kBorneCoordonnee = 1048320.0;

int32_t pixelDeCellule(double v, int32_t cellule) {
    double p = v * cellule;
    if (!std::isfinite(p)) return 0;
    return int32_t(std::lround(std::clamp(p, -kBorneCoordonnee, kBorneCoordonnee)));
}

// The text state of a context, given back as it was at the end of a drawing.
class GardeTexte {
  public:
    explicit GardeTexte(ContexteDessin& dc)
        : dc_(dc), police_(dc.etat.police), couleur_(dc.etat.couleurTexte), mode_(dc.etat.modeFond) {}
    ~GardeTexte() {
        platform::choisitPolice(dc_, police_);
        platform::fixeCouleurTexte(dc_, couleur_);
        platform::fixeModeFond(dc_, mode_);
    }
    GardeTexte(const GardeTexte&) = delete;
    GardeTexte& operator=(const GardeTexte&) = delete;

  private:
    ContexteDessin& dc_;
    platform::Police police_;
    Couleur couleur_;
    platform::ModeFond mode_;
};

struct Rendu {
    Couleur couleurExp;
    Couleur couleurTexte;
    int16_t typeExp;
    int16_t typeTexte;
    int16_t taille;
};

// A length of the character cell on the context: the context's pixel may
// be several device units (a picture drawn at a physical size).
int32_t surContexte(const ContexteDessin& dc, double n) {
    return int32_t(std::lround(std::clamp(n * dc.etat.pixel, -kBorneCoordonnee, kBorneCoordonnee)));
}

void dessineMiseEnPage(ContexteDessin& dc, const MiseEnPageTQ& m, int32_t x0, int32_t y0, const Rendu& r) {
    GardeTexte garde(dc);
    const int32_t h = haut(r.taille), w = larg(r.taille), demi = h / 2;
    platform::fixeModeFond(dc, platform::ModeFond::Transparent);
    for (const MorceauTQ& p : m.morceaux) {
        int16_t type = p.math ? r.typeExp : r.typeTexte;
        // Math zones are set as a textbook sets them: italic letters, upright digits.
        const auto famille = p.math ? platform::FamillePolice::Math : platform::FamillePolice::Texte;
        platform::choisitPolice(dc, platform::Police{h, (type & kTypeGrasTQ) != 0, famille});
        platform::fixeCouleurTexte(dc, p.couleur.value_or(p.math ? r.couleurExp : r.couleurTexte));
        platform::ecritTexte(dc, x0 + surContexte(dc, double(p.colonne) * w),
                             y0 + surContexte(dc, double(p.ligne) * h + p.decalage * demi), p.texte);
    }
}

void dessineTexte(ContexteDessin& dc, std::string_view texte, double x, double y, const Rendu& r) {
    dessineMiseEnPage(dc, miseEnPageTexteMath(texte), pixelDeCellule(x, larg(r.taille)),
                      pixelDeCellule(y, haut(r.taille)), r);
}

Rendu renduCourant() {
    return Rendu{CouleurTexte(), CouleurTexte(), typeFonteTQ(), typeFonteTQ(), tailleFonteTQ()};
}

void ecritBrut(ContexteDessin& dc, std::string_view texte, int32_t x, int32_t y, Couleur couleur) {
    GardeTexte garde(dc);
    platform::fixeModeFond(dc, platform::ModeFond::Transparent);
    platform::choisitPolice(dc, platform::Police{haut(), (typeFonteTQ() & kTypeGrasTQ) != 0});
    platform::fixeCouleurTexte(dc, couleur);
    platform::ecritTexte(dc, x, y, std::string(texte));
}
} // namespace

void SetTexteCoul(ContexteDessin& dc, int16_t mode, Couleur couleur) {
    fixeCouleurTexteTQ(couleur);
    platform::fixeCouleurTexte(dc, couleur);
    platform::fixeModeFond(dc, mode == 1 ? platform::ModeFond::Transparent : platform::ModeFond::Opaque);
}

void ExpForm(ContexteDessin& dc, std::string_view texte, double x, double y) {
    dessineTexte(dc, texte, x, y, renduCourant());
}

void ExpFormTailleTypCol(ContexteDessin& dc, std::string_view texte, double x, double y, int16_t taille,
                         int16_t type, Couleur couleur) {
    dessineTexte(dc, texte, x, y, Rendu{couleur, couleur, type, type, taille});
}

void ExpFormColExpColTxtTypExpTypTxtTaille(ContexteDessin& dc, std::string_view texte, double x, double y,
                                           Couleur couleurExp, Couleur couleurTexte, int16_t typeExp,
                                           int16_t typeTexte, int16_t taille) {
    dessineTexte(dc, texte, x, y, Rendu{couleurExp, couleurTexte, typeExp, typeTexte, taille});
}

void expformTexteColExpColTxtTypExpTypTxtTaille(ContexteDessin& dc, std::string_view texte, double x,
                                                double y, Couleur couleurExp, Couleur couleurTexte,
                                                int16_t typeExp, int16_t typeTexte, int16_t taille) {
    dessineTexte(dc, texte, x, y, Rendu{couleurExp, couleurTexte, typeExp, typeTexte, taille});
}

void expformTexte(ContexteDessin& dc, std::string_view texte, double y) {
    dessineTexte(dc, texte, 0.0, y, renduCourant());
}

void EmessG(ContexteDessin& dc, std::string_view texte, int32_t x, int32_t y) {
    ecritBrut(dc, texte, x, y, CouleurTexte());
}

void EmessNomG(ContexteDessin& dc, std::string_view nom, int32_t x, int32_t y) {
    GardeTexte garde(dc);
    platform::fixeModeFond(dc, platform::ModeFond::Transparent);
    platform::choisitPolice(
        dc, platform::Police{haut(), (typeFonteTQ() & kTypeGrasTQ) != 0, platform::FamillePolice::NomMath});
    platform::fixeCouleurTexte(dc, CouleurTexte());
    platform::ecritTexte(dc, x, y, std::string(nom));
}

void EmessStylePave(ContexteDessin& dc, std::string_view texte, Couleur couleurTexte, int32_t largeur,
                    int32_t hauteur, Couleur couleurFond, int16_t epaisseur) {
    platform::remplitRectangle(dc, platform::Rect{0, 0, largeur, hauteur},
                               platform::brossePleine(couleurFond));
    if (epaisseur > 0) DessineRectangle(dc, epaisseur, couleurTexte, 0, 0, largeur - 1, hauteur - 1);
    ecritBrut(dc, texte, 5, 5, couleurTexte);
}

void DessineRectangle(ContexteDessin& dc, int32_t epaisseur, Couleur couleur, int32_t gauche, int32_t haut,
                      int32_t droite, int32_t bas) {
    platform::Stylo stylo = platform::choisitStylo(dc, platform::styloPlein(std::max(epaisseur, 1), couleur));
    platform::Brosse brosse = platform::choisitBrosse(dc, platform::kBrosseNulle);
    platform::rectangle(dc, gauche, haut, droite + 1, bas + 1);
    platform::choisitBrosse(dc, brosse);
    platform::choisitStylo(dc, stylo);
}

void setSaveDCautorise(bool autorise) {
    etat().saveDCautorise = autorise;
}

bool saveDCautorise() {
    return etat().saveDCautorise;
}

void copieDessinTexte(std::string_view texte) {
    DessinCopieTQ copie;
    copie.present = true;
    copie.texte = std::string(texte);
    copie.encombrement = EncomBrementTexteG(texte);
    const double ligne = -double(copie.encombrement.dessus) / haut();
    std::unique_ptr<ContexteDessin> dc = platform::creeContexteEnregistreur();
    expformTexte(*dc, texte, ligne);
    if (dc->journal()) copie.primitives = dc->journal()->primitives;
    etat().copie = std::move(copie);

    // The clipboard gets the same drawing as a picture of the text's size,
    // one logical unit to a pixel of the screen; it stays as it was when it
    // cannot be opened.
    const EncombrementTQ& e = etat().copie.encombrement;
    const double centiemesParPixel = 2540.0 / platform::pointsParPouce();
    platform::MiseEnPage page;
    page.etendue = {std::max(1, e.largeur), std::max(1, e.hauteur())};
    page.largeurCentiemesMm = int32_t(std::lround(page.etendue.cx * centiemesParPixel));
    page.hauteurCentiemesMm = int32_t(std::lround(page.etendue.cy * centiemesParPixel));
    platform::DessinVectoriel dessin(page);
    expformTexte(dessin.contexte(), texte, ligne);
    if (!platform::ouvrePressePapiers(0)) return;
    platform::videPressePapiers();
    platform::metImageDansPressePapiers(platform::imageDeDessin(dessin, page));
    platform::fermePressePapiers();
}

const DessinCopieTQ& dessinCopieTQ() {
    return etat().copie;
}

void reinitialiseDessinTexteTQ() {
    etat() = EtatDessinTexte{};
}

} // namespace km32
