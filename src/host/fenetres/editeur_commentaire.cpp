#include "host/fenetres/editeur_commentaire.h"

#include <algorithm>
#include <memory>

#include "host/fenetres/annexe_modele.h"
#include "host/fenetres/forme_editeur_commentaire.h"
#include "host/fenetres/palette_insertion.h"
#include "base/texte.h"
#include "host/fenetre_mere.h"
#include "host/juge_modification.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/registre_figures.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/contexte_dessin.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"
#include "platform/raccourcis.h"
#include "platform/presse_papiers.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math_dessin.h"
#include "text/langue_texte.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr std::size_t kLongueurMaxMemo1 = 65536, kTamponAvantCurseur = 5000, kInsertionMax = 80;
constexpr Couleur kCouleurPalette = 0x800000, kCouleurFond = 0xE0FFFF;
constexpr uint8_t VK_F4 = p::VK_F1 + 3;
constexpr uint16_t kPhraseEditeurModifie = 11161;

std::unique_ptr<TFenEditCom>& editeur() {
    static std::unique_ptr<TFenEditCom> e;
    return e;
}

const std::array<std::string, kCellulesPalette>& textesPalette() {
    static const std::array<std::string, kCellulesPalette> t = {
        "PI",           "rac(a)",        "abs(a)",           "\xB5()",   "vec(u)",    "vec(A,B)",
        "norm(vec(u))", "vec(u)&vec(v)", "vec(u)\xA7vec(v)", "hat(ABC)", "\xAB \xBB",
    };
    return t;
}

// The palette as it is painted: the cells but the last hold expressions of
// the library's notation, at its size 0.
PaletteInsertion paletteEditeur(const TFenEditCom& e) {
    PaletteInsertion palette;
    for (std::size_t k = 0; k < kCellulesPalette; ++k) {
        palette.textes.push_back(k + 1 < kCellulesPalette ? "\\" + e.palette[k] + "\\" : e.palette[k]);
        palette.cellules.push_back(e.cellulesPalette[k]);
    }
    return palette;
}

// The row of cells under the text, 3 pixels apart from x = 5, each at least
// 30 x 22 and as wide as its text needs, going on under itself where it
// would pass the text's right edge.
void disposePaletteEditeur(TFenEditCom& e) {
    PaletteInsertion palette = paletteEditeur(e);
    disposePalette(palette, 5, e.hautPalette, 30, 22, 3, false, e.cadreMemo1.droite);
    std::copy(palette.cellules.begin(), palette.cellules.end(), e.cellulesPalette.begin());
    e.basPalette = cadrePalette(palette).bas;
}

void montreEditeur() {
    montreAnnexeAvecFocus(editeur());
}

void fermeEditeur() {
    fermeAnnexeModele(editeur());
}

// The drawing in its box, moved up by the box's scroll.
void placeDessin(TFenEditCom& e) {
    p::placeFenetre(e.boitePeinture, {e.cadreBoite.gauche, e.cadreBoite.haut - e.positionDefilement,
                                      e.cadreBoite.droite, e.cadreBoite.bas - e.positionDefilement});
}

// The box under the drawing is white.
int32_t procedureBoiteDefilement(p::Fenetre fenetre, uint32_t message, uint32_t, int32_t) {
    if (message != p::WM_PAINT) return 0;
    p::peintFondFenetre(fenetre, p::kBrosseBlanche);
    return 0;
}

// The raw text measured: the buffer, whether it can be drawn, the size of
// the paint box.
void mesure(TFenEditCom& e) {
    if (e.miseEnPlace) return;
    e.tampon = coupe(e.memo1.texte, kTailleTamponCommentaire - 1);
    e.dessinable = !e.tampon.empty();
    if (!e.dessinable) return;
    e.mesure = EncomBrementTexteG(e.tampon);
    e.cadreBoite = {0, 0, e.mesure.largeur + 2, e.mesure.hauteur() + 8};
    placeDessin(e);
}

void disposition(TFenEditCom& e) {
    // Each caption as the toolkit's label needs it, the text and the
    // drawing's box under it.
    e.cadreEnLigne = p::agrandi({72, 8, 72 + 300, 8 + 16}, p::tailleEtiquette(e.legendeEnLigne));
    const int32_t hautMemo1 = std::max(32, e.cadreEnLigne.bas + 8);
    e.cadreMemo1 = {4, hautMemo1, 4 + 550, hautMemo1 + 120};
    e.largeurClient = 2 * e.cadreMemo1.gauche + e.cadreMemo1.largeur();
    e.hautPalette = e.cadreMemo1.bas + 5;
    disposePaletteEditeur(e);
    e.cadreDessinee = p::agrandi({72, e.basPalette + 7, 72 + 300, e.basPalette + 7 + 16},
                                 p::tailleEtiquette(e.legendeDessinee));
    const int32_t haut = e.cadreDessinee.bas + 5;
    e.cadreBoiteDefilement = {e.cadreMemo1.gauche, haut, e.cadreMemo1.droite, e.hauteurClient - 2};
}

int32_t hauteurVisibleDessin(const TFenEditCom& e) {
    return e.cadreBoiteDefilement.bas - e.cadreBoiteDefilement.haut;
}

int32_t procedureEditeur(p::Fenetre fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TFenEditCom* e = editeurCommentaire();
    if (!e) return 0;
    switch (message) {
    case p::WM_COMMAND:
        commandeEditeurCommentaire(*e, CommandeEditeurCommentaire(wParam));
        return 0;
    case p::WM_RACCOURCI:
        // Of the shortcuts, the text's undo and redo are the editor's.
        if (wParam != 'Z' && wParam != 'Y') return 0;
        [[fallthrough]];
    case p::WM_KEYDOWN:
        if (wParam == p::VK_RETURN) {
            e->annule = false;
            prepareFermeture(*e);
        } else if (wParam == p::VK_ESCAPE || wParam == VK_F4) {
            // Cancelling asks first when the text was changed, as the close
            // box and quitting do: typed text is not lost without a word.
            FormCloseQuery(*e);
        } else if (wParam == p::VK_F1) {
            appelleAideKM32(fenetre, 1, kAideEditeurCommentaire);
        } else if (p::ctrlEnfoncee() && !p::altEnfoncee() && (wParam == 'Z' || wParam == 'Y')) {
            // Undo, and redo with Shift or on Y, as in any text field.
            (wParam == 'Y' || p::majEnfoncee()) ? retablisZone(e->memo1) : annuleZone(e->memo1);
            Memo1Change(*e);
            return 1;
        }
        return 0;
    case p::WM_CHAR:
        if (wParam == 13) return 0; // Enter applies (key down)
        caractereZone(e->memo1, wParam);
        Memo1Change(*e);
        return 0;
    case p::WM_CLOSE:
        FormCloseQuery(*e);
        return 0;
    case p::WM_LBUTTONDOWN:
        FormMouseDown(*e, p::xDeLParam(lParam), p::yDeLParam(lParam));
        return 0;
    case p::WM_SIZE:
        FormResize(*e);
        return 0;
    case p::WM_PAINT:
        PeintBoiteDeDialogue(*e);
        p::valideFenetre(fenetre);
        return 0;
    default:
        return 0;
    }
}

} // namespace

void ouvreEditeurCommentaire(int16_t numero) {
    TfigureKalmetra* const figure = figurePourEditeur(numero, editeur());
    if (!figure) return;
    TfigureKalmetra& f = *figure;
    auto e = std::make_unique<TFenEditCom>();
    e->numeroFigure = uint8_t(numero);
    e->palette = textesPalette();
    e->titre = f.titreFenetre + phraseDeNumero(11186);
    e->legendeEnLigne = phraseDeNumero(11183);
    e->legendeDessinee = phraseDeNumero(11184);
    const struct {
        CommandeEditeurCommentaire commande;
        uint16_t phrase;
    } legendes[] = {{kEcCopier, 11011},          {kEcColler, 11012},    {kEcCopierDessin, 11180},
                    {kEcDefaire, 11015},         {kEcAppliquer, 11062}, {kEcAide, 11050},
                    {kEcSelectionnerTout, 11002}};
    for (const auto& l : legendes)
        e->legendesMenu[l.commande] = phraseDeNumero(l.phrase);
    disposition(*e);
    e->hauteurBande = hauteurBandeEditeurCommentaire(*e);
    e->fenetre =
        p::creeFenetre(p::kAucuneFenetre, {0, 0, e->largeurClient, e->hauteurClient + e->hauteurBande},
                       procedureEditeur, false);
    p::changeTitreFenetre(e->fenetre, e->titre);
    e->boiteDefilement = p::creeFenetre(e->fenetre, e->cadreBoiteDefilement, procedureBoiteDefilement, true);
    e->boitePeinture =
        p::creeFenetre(e->boiteDefilement, {0, 0, 2, 8},
                       procedureBoitePeinture<TFenEditCom, editeurCommentaire, PaintBox1Paint>, false);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeEditeurCommentaire;
    t.fenetreAnnexe = e->fenetre;
    e->memo1.longueurMax = kLongueurMaxMemo1;
    e->memo1.modifie = &e->modifie;
    TFenEditCom& r = *e;
    lieFormeEditeurCommentaire(r);
    editeur() = std::move(e);
    inscritOperationsAnnexe(kAnnexeEditeurCommentaire, {montreEditeur, fermeEditeur});
    fixeTexteZone(r.memo1, f.texteCommentaire ? std::string(f.texteCommentaire->c_str()) : std::string());
    oublieAnnulationsZone(r.memo1);
    mesure(r);
    p::afficheFenetre(r.boitePeinture, r.dessinable);
    attacheFenetreAFigure(numero, r.fenetre);
    montreEditeur();
    r.modifie = 0;
    r.pret = true;
}

TFenEditCom* editeurCommentaire() {
    return editeur().get();
}

void Memo1Change(TFenEditCom& e) {
    if (!e.pret) return;
    mesure(e);
    p::afficheFenetre(e.boitePeinture, e.dessinable);
    p::invalideFenetre(e.boitePeinture);
    e.modifie = 1;
    if (e.memo1.debutSelection == 0) return;
    const EncombrementTQ avant =
        EncomBrementTexteG(coupe(e.memo1.texte.substr(0, e.memo1.debutSelection), kTamponAvantCurseur - 1));
    const int32_t yCurseur = avant.hauteur();
    const int32_t visible = hauteurVisibleDessin(e);
    const int32_t etendue = e.cadreBoite.hauteur() - visible;
    const int32_t position = std::min(yCurseur - visible / 2, etendue);
    if (position > 0) {
        e.positionDefilement = position;
        placeDessin(e);
    }
}

void FormMouseDown(TFenEditCom& e, int32_t x, int32_t y) {
    for (std::size_t k = 0; k < kCellulesPalette; ++k) {
        // Inside the cell's frame lines.
        const p::Rectangle& c = e.cellulesPalette[k];
        if (!p::pointDansRectangle({c.gauche + 1, c.haut + 1, c.droite - 1, c.bas - 1}, {x, y})) continue;
        const std::string texte = coupe(e.palette[k], kInsertionMax);
        if (e.memo1.texte.size() - e.memo1.longueurSelection + texte.size() > e.memo1.longueurMax) return;
        if (p::copieTexteDansPressePapiers(e.fenetre, texte))
            colleZone(e.memo1);
        else
            remplaceSelection(e.memo1, texte);
        Memo1Change(e);
        return;
    }
}

void commandeEditeurCommentaire(TFenEditCom& e, CommandeEditeurCommentaire c) {
    switch (c) {
    case kEcCopier:
        return copieZone(e.memo1, e.fenetre);
    case kEcColler:
        colleZone(e.memo1);
        return Memo1Change(e);
    case kEcCopierDessin:
        return copieDessinTexte(e.memo1.texte);
    case kEcDefaire:
        annuleZone(e.memo1);
        return Memo1Change(e);
    case kEcSelectionnerTout:
        return toutSelectionnerZone(e.memo1);
    case kEcAppliquer:
        e.annule = false;
        return prepareFermeture(e);
    case kEcAide:
        appelleAideKM32(e.fenetre, 1, kAideEditeurCommentaire);
        return;
    default:
        return;
    }
}

void prepareFermeture(TFenEditCom& e) {
    if (!e.annule) {
        // A text that cannot be drawn (a math zone or a group left open) is
        // kept only on the user's Yes.
        bool accepte = e.tampon.empty() && e.memo1.texte.empty();
        if (!accepte) {
            mesure(e);
            accepte = e.dessinable && syntaxeTexteMath(e.tampon) == 0;
        }
        if (!accepte &&
            questionOuiNonAnnuler(phraseDeNumero(kPhraseTexteNonDessinable), e.titre, 1) != p::kReponseOui)
            return;
        if (figureExiste(e.numeroFigure)) {
            TfigureKalmetra& f = *figureDeNumero(e.numeroFigure);
            // A new comment is one undo step of its own.
            const JugeModification juge(f);
            const bool change =
                f.texteCommentaire ? *f.texteCommentaire != e.memo1.texte : !e.memo1.texte.empty();
            if (e.memo1.texte.empty())
                f.texteCommentaire.reset();
            else
                f.texteCommentaire = std::make_unique<std::string>(e.memo1.texte);
            // The comment is part of the figure's text: a new one marks the
            // figure modified, and the host hears of it as of any change.
            if (change) signaleFigureModifiee(f);
        }
    }
    e.tampon.clear();
    fenetreCommuneFermee(e.fenetre); // the mother window closes it
}

bool FormCloseQuery(TFenEditCom& e) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    if (e.modifie &&
        questionOuiNonAnnuler(phraseDeNumero(kPhraseEditeurModifie), e.titre, 1) != p::kReponseOui)
        return false;
    e.annule = true;
    prepareFermeture(e);
    return true;
}

void FormResize(TFenEditCom& e) {
    e.hauteurClient = p::rectangleClient(e.fenetre).hauteur() - e.hauteurBande;
    const int32_t hauteur = e.hauteurClient - e.cadreBoiteDefilement.haut - 2;
    if (hauteur > 30) {
        e.cadreBoiteDefilement.bas = e.cadreBoiteDefilement.haut + hauteur;
        p::placeFenetre(e.boiteDefilement, e.cadreBoiteDefilement);
    }
}

void PeintBoiteDeDialogue(TFenEditCom& e) {
    p::ContexteDessin* dc = p::contexteDeFenetre(e.fenetre);
    if (!dc) return;
    p::remplitRectangle(*dc, p::rectangleClient(e.fenetre), {p::StyleBrosse::Pleine, kCouleurFond, 0});
    peintPalette(*dc, paletteEditeur(e), kCouleurPalette);
}

void PaintBox1Paint(TFenEditCom& e) {
    p::ContexteDessin* dc = p::contexteDeFenetre(e.boitePeinture);
    if (!dc) return;
    // The drawing lies on the white box under it.
    p::remplitRectangle(*dc, p::rectangleClient(e.boitePeinture), p::kBrosseBlanche);
    SetTexteCoul(*dc, 1);
    SetFontTailleEtType(0, 0);
    const int32_t h = haut(0, 0) % 256;
    if (e.dessinable && h > 0)
        expformTexteColExpColTxtTypExpTypTxtTaille(*dc, e.tampon, 0, double(5 - e.mesure.dessus) / h, 1, 0, 0,
                                                   0, 0);
}

void reinitialiseEditeurCommentaire() {
    fermeEditeur();
}

} // namespace km32
