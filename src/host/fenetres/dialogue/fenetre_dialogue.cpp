#include "host/fenetres/dialogue/fenetre_dialogue.h"
#include "host/fenetres/dialogue/forme_dialogue.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "base/texte.h"
#include "drawing/commandes_touches.h"
#include "drawing/copie_dessin.h"
#include "drawing/selection.h"
#include "host/fenetres/dialogue/expression_champ.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "host/fenetre_mere.h"
#include "host/juge_modification.h"
#include "host/fenetres/dialogue/preparation_dialogue.h"
#include "host/menus_figure.h"
#include "host/prototypes_menu.h"
#include "host/repartiteur.h"
#include "host/services_attendus.h"
#include "model/expression_erreurs.h"
#include "model/avis_modification.h"
#include "model/fenetres_figure.h"
#include "model/texte_math.h"
#include "model/messages.h"
#include "model/objets_figure.h"
#include "model/prototypes/prototypes.h"
#include "model/registre_figures.h"
#include "model/services_dessin.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/boites.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/impression.h"
#include "platform/mesures_texte.h"
#include "sibling/fenetres_tq.h"
#include "sibling/table_partagee.h"
#include "sibling/texte_math.h"
#include "sibling/texte_math_dessin.h"
#include "platform/contexte_dessin.h"
#include "platform/surfaces_fenetres.h"
#include "text/execution_dialogue.h"
#include "text/langue_texte.h"
#include "text/noms_objets.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint16_t kPhraseSaisieIncomplete = 11306, kPhraseAttentionSaisie = 11307;
constexpr uint16_t kPhraseAnnuler = 11252, kPhraseAide = 11251;
constexpr uint16_t kPhraseSansPilote = 11268, kPhraseModificationImpossible = 11269;
constexpr uint16_t kPhraseAideNonEcrite = 9933, kPhraseFermer = 11296;
constexpr uint16_t kCommandeValeurs = 128;
constexpr uint16_t kPhraseRienDessine = 11271, kPhraseImpressionAbandonnee = 11270,
                   kPhraseImpressionImpossible = 648;
constexpr uint32_t VK_F4 = p::VK_F1 + 3;
constexpr int32_t kHauteurTitre = 20, kHauteurSousTitre = 31, kHauteurOptions = 30;
constexpr int32_t kLargeurPalette = 100, kHauteurCasePalette = 22;
constexpr int32_t kLargeurBouton = 75, kHauteurBouton = 25;

struct EtatDialogue {
    std::unique_ptr<TFenDialog> forme;
};
EtatDialogue& etat() {
    static EtatDialogue e;
    return e;
}

TfigureKalmetra* figureDuDialogue(const TFenDialog& d) {
    return figureOuRien(d.numeroFigure);
}

std::vector<std::string> entreesDe(const std::string& liste) {
    std::vector<std::string> e;
    std::size_t debut = 0;
    while (debut <= liste.size() && !liste.empty()) {
        const std::size_t fin = std::min(liste.find(';', debut), liste.size());
        e.push_back(liste.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return e;
}

// The list with its chosen entry first, as the record keeps it.
std::string listeChoixEnTete(const TListeDialogue& l) {
    if (l.entrees.empty()) return {};
    std::string t = l.entrees[std::size_t(l.choix)];
    for (std::size_t k = 0; k < l.entrees.size(); ++k)
        if (int(k) != l.choix) t += ";" + l.entrees[k];
    return t;
}

void remplitListe(TListeDialogue& l, const std::string& entrees, bool visible) {
    l.entrees = entreesDe(entrees);
    l.choix = 0;
    l.visible = visible && !l.entrees.empty();
}

std::string texteInvite(const TLigneDialogue& l) {
    if (l.phraseInvite == 1) return l.texteInvite;
    return l.phraseInvite == 0 ? std::string() : phraseDeNumero(l.phraseInvite);
}

// Width in characters of a field from its answer length.
int32_t largeurACote(int longueur, int plusLongueMoyenne) {
    if (longueur < 5) return 4;
    if (longueur <= 15) return plusLongueMoyenne;
    return 15;
}

// The pixels a field of that many characters takes: cells of the library's
// font and a margin, or what the toolkit's entry needs when it needs more.
int32_t largeurChamp(int caracteres, int32_t cellule) {
    return p::auMoins(caracteres * cellule + 8, p::tailleChamp(caracteres).largeur);
}

// A prompt as it is painted: mathematical text at the library's current
// size (nothing for an empty prompt).
EncombrementTQ mesureInvite(const std::string& invite) {
    return invite.empty() ? EncombrementTQ{} : EncombrementExpG(invite, tailleFonteTQ());
}

// The box of the prompt painted with its top left corner at (x, y).
p::Rectangle cadreDInvite(const std::string& invite, int32_t x, int32_t y) {
    const EncombrementTQ m = mesureInvite(invite);
    return {x, y, x + m.largeur, y + m.hauteur()};
}

// Help, Cancel and OK side by side under the rows, each as wide and high as
// the largest caption needs.
void placeBoutons(TFenDialog& d, int32_t y) {
    int32_t largeur = kLargeurBouton, hauteur = kHauteurBouton;
    for (const std::string& libelle : {d.legendeAide, d.legendeAnnuler, std::string("OK")}) {
        const p::TailleControle t = p::tailleBouton(libelle);
        largeur = p::auMoins(largeur, t.largeur);
        hauteur = p::auMoins(hauteur, t.hauteur);
    }
    const int32_t pas = largeur + 13;
    d.boutonAide = {8, y, 8 + largeur, y + hauteur};
    d.boutonAnnuler = {8 + pas, y, 8 + pas + largeur, y + hauteur};
    d.boutonOk = {8 + 2 * pas, y, 8 + 2 * pas + largeur, y + hauteur};
}

std::string sousTitre(const TFenDialog& d) {
    const TfigureKalmetra* f = figureDuDialogue(d);
    return f ? texteSousTitre(*f, d.dialogue) : phraseDeNumero(d.dialogue.phraseSousTitre);
}

// The prompt of the unit list (the line after the answers).
std::string inviteUnites(const TDialogueObjet& r) {
    const int apres = r.nombreLignes + 1;
    return apres <= kMaxLignesDialogue ? texteInvite(r.lignes[std::size_t(apres)]) : std::string();
}

// The option band's lists, each after its prompt: the lists as high as the
// toolkit's combo boxes need, the band 3 pixels round them.
struct BandeOptions {
    int32_t haut = 0;           // the lists' top
    int32_t hauteurListes = 24; // pixels
    int32_t largeurOptions = 145, largeurUnites = 145;
};

// Places a list at gauche, after its prompt centred on the list's height;
// the right edge of the list.
int32_t placeListe(TListeDialogue& l, const std::string& invite, int32_t gauche, int32_t largeur,
                   const BandeOptions& b) {
    const EncombrementTQ m = mesureInvite(invite);
    l.cadreInvite = cadreDInvite(invite, gauche, b.haut + (b.hauteurListes - m.hauteur()) / 2);
    const int32_t x = m.largeur > 0 ? l.cadreInvite.droite + 6 : gauche;
    l.cadre = {x, b.haut, x + largeur, b.haut + b.hauteurListes};
    return l.cadre.droite;
}

// The width a list takes with its prompt.
int32_t largeurAvecInvite(const std::string& invite, int32_t largeurListe) {
    const int32_t l = mesureInvite(invite).largeur;
    return (l > 0 ? l + 6 : 0) + largeurListe;
}

void dispose(TFenDialog& d) {
    const TDialogueObjet& r = d.dialogue;
    const int32_t cellule = std::max<int32_t>(1, larg());
    d.hauteurSousTitre = r.phraseSousTitre != 0 ? kHauteurSousTitre : 0;
    int32_t largeur = int32_t((d.titre.size() + 12) * 8 * 0.8);
    if (r.phraseSousTitre != 0) largeur = std::max(largeur, int32_t(sousTitre(d).size()) * cellule + 10);
    const bool options =
        r.genreOptions != '-' && r.lignes[0].phraseInvite != 0 && r.lignes[0].longueurReponse > 0;
    remplitListe(d.listeOptions, options ? r.lignes[0].reponse : std::string(), options);
    const int apres = r.nombreLignes + 1;
    const bool unite = r.ligneUniteAjoutee && apres <= kMaxLignesDialogue;
    remplitListe(d.listeUnites, unite ? r.lignes[std::size_t(apres)].reponse : std::string(),
                 unite && r.listeUnitesVisible);

    // The option band under the caption and subtitle.
    const int32_t yOptions = kHauteurTitre + d.hauteurSousTitre;
    const p::TailleControle tOptions = p::tailleCombo(d.listeOptions.entrees),
                            tUnites = p::tailleCombo(d.listeUnites.entrees);
    BandeOptions bande;
    bande.haut = yOptions + 3;
    bande.hauteurListes = p::auMoins(24, std::max(tOptions.hauteur, tUnites.hauteur));
    bande.largeurOptions = p::auMoins(145, tOptions.largeur);
    bande.largeurUnites = p::auMoins(145, tUnites.largeur);
    d.hauteurOptions = d.listeOptions.visible || d.listeUnites.visible
                           ? p::auMoins(kHauteurOptions, bande.hauteurListes + 6)
                           : 0;
    const std::string invite0 = texteInvite(r.lignes[0]), inviteU = inviteUnites(r);
    int32_t droiteBande = 0;
    if (d.listeOptions.visible)
        droiteBande = placeListe(d.listeOptions, invite0, 8, bande.largeurOptions, bande);
    if (d.listeUnites.visible) {
        const int32_t gauche = d.listeOptions.visible ? droiteBande + 12 : 5;
        const int32_t droite = gauche + largeurAvecInvite(inviteU, bande.largeurUnites);
        if (!r.listeUnitesADroite)
            droiteBande = placeListe(d.listeUnites, inviteU, gauche, bande.largeurUnites, bande);
        else
            droiteBande = droite;
    }
    largeur = std::max(largeur, droiteBande + 5);

    // Widths: the longest prompt, the longest answer lengths beside and under.
    int plusLongueMoyenne = 4, plusLongueSous = 1;
    int32_t largeurInvites = 0;
    for (int k = 1; k <= r.nombreLignes && k <= kChampsDialogue; ++k) {
        const TLigneDialogue& l = r.lignes[std::size_t(k)];
        if (l.longueurReponse == 0) continue;
        largeurInvites = std::max(largeurInvites, mesureInvite(texteInvite(l)).largeur);
        if (l.reponseACote && l.longueurReponse >= 5 && l.longueurReponse <= 15)
            plusLongueMoyenne = std::max<int>(plusLongueMoyenne, l.longueurReponse);
        if (!l.reponseACote)
            plusLongueSous = std::max<int>(plusLongueSous, std::min<int>(l.longueurReponse, 30));
    }
    d.largeurInvites = largeurInvites + 8;
    // The rows: a field beside its prompt is 3 pixels under the row's top, the
    // prompt centred on it; a field under its prompt follows it. The rows
    // grow with the toolkit's entries.
    const int32_t hauteurChamp = p::auMoins(24, p::tailleChamp(1).hauteur);
    int32_t y = yOptions + d.hauteurOptions;
    d.paletteActive = false;
    for (int k = 1; k <= kChampsDialogue; ++k) {
        TChampDialogue& c = d.champs[std::size_t(k)];
        const TLigneDialogue& l = r.lignes[std::size_t(k)];
        c.visible = k <= r.nombreLignes && l.longueurReponse > 0;
        if (!c.visible) continue;
        c.texte = coupe(l.reponse, l.longueurReponse);
        c.longueurMax = l.longueurReponse;
        c.curseur = uint32_t(c.texte.size());
        c.debutSelection = 0;
        c.longueurSelection = uint32_t(c.texte.size());
        c.sousInvite = l.reponseACote == 0;
        const std::string invite = texteInvite(l);
        const int32_t hauteurInvite = mesureInvite(invite).hauteur();
        if (c.sousInvite) {
            c.cadreInvite = cadreDInvite(invite, 8, y);
            const int32_t haut = y + std::max(16, hauteurInvite);
            c.cadre = {8, haut, 8 + largeurChamp(plusLongueSous, cellule), haut + hauteurChamp};
            y = c.cadre.bas + 4;
        } else {
            const int32_t hauteurRang = std::max({28, hauteurChamp + 4, hauteurInvite + 4});
            const int32_t x = 8 + d.largeurInvites, haut = y + 3 + (hauteurRang - 28) / 2;
            c.cadre = {x, haut, x + largeurChamp(largeurACote(l.longueurReponse, plusLongueMoyenne), cellule),
                       haut + hauteurChamp};
            c.cadreInvite = cadreDInvite(invite, 8, haut + (hauteurChamp - hauteurInvite) / 2);
            y += hauteurRang;
        }
        largeur = std::max(largeur, c.cadre.droite + 8);
        if (l.champExpression) d.paletteActive = true;
    }
    // The palette column at the right of the rows, under the option band, its
    // entries one under the other, and the expression button at its right.
    d.palette.textes.assign(entreesPalette().begin(), entreesPalette().end());
    d.palette.taille = tailleFonteTQ();
    d.palette.type = typeFonteTQ();
    disposePalette(d.palette, largeur, yOptions + d.hauteurOptions, kLargeurPalette, kHauteurCasePalette, 0,
                   true);
    const p::TailleControle tExpression = p::tailleBouton("...");
    const int32_t xBoutons = cadrePalette(d.palette).droite + 4, hautBoutons = yOptions + d.hauteurOptions;
    const int32_t largeurBouton = p::auMoins(25, tExpression.largeur);
    d.boutonExpression = {xBoutons, hautBoutons, xBoutons + largeurBouton,
                          hautBoutons + p::auMoins(81, tExpression.hauteur)};
    if (d.paletteActive) y = std::max({y, cadrePalette(d.palette).bas, d.boutonExpression.bas});
    // The reminders button, in every dialog: at the right of the expression
    // button, or of the rows when there is no palette.
    const p::TailleControle tRappels = p::tailleBouton(kLegendeRappels);
    const int32_t xRappels = d.paletteActive ? d.boutonExpression.droite + 5 : largeur;
    d.boutonRappels = {xRappels, hautBoutons, xRappels + p::auMoins(25, tRappels.largeur),
                       hautBoutons + p::auMoins(81, tRappels.hauteur)};
    largeur = d.boutonRappels.droite + 8;
    y = std::max(y, d.boutonRappels.bas);
    placeBoutons(d, y + 8);
    d.largeur = std::max(largeur, d.boutonOk.droite + 8);
    d.hauteur = d.boutonOk.bas + 10;
    // The unit list at the right edge of the band.
    if (d.listeUnites.visible && r.listeUnitesADroite)
        placeListe(d.listeUnites, inviteU, d.largeur - 5 - largeurAvecInvite(inviteU, bande.largeurUnites),
                   bande.largeurUnites, bande);
}

// A prompt as mathematical text in its box; the current line's prompt in red.
void peintInvite(p::ContexteDessin& dc, const std::string& invite, const p::Rectangle& cadre, bool courante) {
    if (invite.empty()) return;
    const EncombrementTQ m = mesureInvite(invite);
    ExpFormTailleTypCol(dc, invite, double(cadre.gauche) / std::max(1, larg()),
                        double(cadre.haut - m.dessus) / std::max(1, haut()), tailleFonteTQ(), typeFonteTQ(),
                        courante ? kRougeTQ : p::kNoir);
}

TChampDialogue* champCourant(TFenDialog& d) {
    if (d.ligneCourante < 1 || d.ligneCourante > kChampsDialogue) return nullptr;
    TChampDialogue& c = d.champs[d.ligneCourante];
    return c.visible ? &c : nullptr;
}

// The last line that has a field.
int derniereLigne(const TFenDialog& d) {
    int n = 0;
    for (int k = 1; k <= kChampsDialogue; ++k)
        if (d.champs[std::size_t(k)].visible) n = k;
    return n;
}

void changeLigne(TFenDialog& d, int pas) {
    const int n = derniereLigne(d);
    if (n == 0) return;
    int k = d.ligneCourante;
    for (int essai = 0; essai < n; ++essai) {
        k += pas;
        if (k > n) k = 1;
        if (k < 1) k = n;
        if (d.champs[std::size_t(k)].visible) break;
    }
    d.lignePrecedente = d.ligneCourante;
    d.ligneCourante = uint8_t(k);
}

// Picking in the figure looks for what the current field takes: its rule is
// registered whenever the current line is settled, and cleared when the
// dialog closes.
void inscritRegleDuChamp(const TFenDialog& d) {
    std::optional<uint16_t>& regle = etatSelection().regleDuDialogue;
    regle.reset();
    if (fenetreDialogue() != &d || d.ligneCourante < 1 || d.ligneCourante > kChampsDialogue ||
        !d.champs[d.ligneCourante].visible)
        return;
    regle = d.dialogue.lignes[d.ligneCourante].genreReponse;
}

void montreDialogue() {
    if (TFenDialog* d = fenetreDialogue()) {
        p::afficheFenetre(d->fenetre, true);
        p::donneFocus(d->fenetre);
    }
}

int32_t procedureDialogue(p::Fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TFenDialog* d = fenetreDialogue();
    if (!d) return 0;
    switch (message) {
    case p::WM_PAINT:
        PeintBoiteDeDialogue(*d);
        return 0;
    case p::WM_CHAR:
        caractereTape(*d, wParam);
        return 0;
    case p::WM_KEYDOWN:
        return EditKeyDown(*d, wParam) ? 0 : 1;
    case p::WM_COMMAND:
        if (wParam >= 1 && wParam <= kChampsDialogue && d->champs[wParam].visible) {
            d->lignePrecedente = d->ligneCourante;
            d->ligneCourante = uint8_t(wParam);
            if (TfigureKalmetra* f = figureDuDialogue(*d); f && f->dialogue)
                f->dialogue->ligneCourante = d->ligneCourante;
            activeChampCourant(*d);
        } else if (wParam == kTagOk) {
            valideDialogue(*d);
        } else if (wParam == kTagAnnuler) {
            d->annule = true;
            fermeDialogue(*d);
        } else if (wParam == kTagAide) {
            BoutonAideClick(*d);
        } else if (wParam == kTagExpression) {
            BoutonExpressionClick(*d);
        } else if (wParam == kTagRappels) {
            BoutonRappelsClick(*d);
        } else if (wParam == kTagListeOptions || wParam == kTagListeUnites) {
            TListeDialogue& l = wParam == kTagListeOptions ? d->listeOptions : d->listeUnites;
            if (lParam >= 0 && lParam < int32_t(l.entrees.size())) l.choix = lParam;
        }
        return 0;
    case p::WM_LBUTTONDOWN:
        FormMouseDown(*d, p::xDeLParam(lParam), p::yDeLParam(lParam));
        return 0;
    case p::WM_CLOSE:
        return FormCloseQuery(*d) ? 1 : 0;
    case kMessageDesignationDialogue:
        designationRecue(*d, lParam);
        return 0;
    default:
        return 0;
    }
}

// Printing a linked figure needs an object drawn and a printer.
bool impressionPossible(const TfigureKalmetra& f) {
    bool dessine = false;
    if (f.blocDessin)
        for (int i = 7; i <= f.nombreObjets && !dessine; ++i)
            dessine = f.blocDessin->elements[std::size_t(i)] != nullptr;
    uint16_t texte = 0;
    if (!dessine)
        texte = kPhraseRienDessine;
    else if (!p::imprimanteDisponible())
        texte = kPhraseImpressionImpossible;
    if (texte == 0) return true;
    std::string message = phraseDeNumero(texte);
    if (const std::size_t p = message.find("#1"); p != std::string::npos)
        message.replace(p, 2, f.titreFenetre.empty() ? f.nomFigure : f.titreFenetre);
    afficheMessageType(message, phraseDeNumero(kPhraseImpressionAbandonnee), p::kIconeExclamation);
    return false;
}

// After a successful run: what each command does next, and the notice that
// the figure changed (the settings of a copy or a print are the figure's
// too); choosing the object to modify changes nothing yet. False when the
// dialog stays open (a modification goes on with the chosen object).
bool apresSucces(TFenDialog& d, TfigureKalmetra& f) {
    const uint16_t commande = f.commandeDialogue;
    f.commandeDialoguePrecedente = commande;
    if (commande == 95) detruitMenuFigure(int16_t(f.numeroFigure));
    if (changeEtatMenu(commande)) miseAjourMenuFigure(f);
    switch (commande) {
    case kCommandeModifier: {
        d.reutilisable = true;
        if (f.objetDialogue >= 1 && f.objetDialogue <= f.nombreObjets &&
            objet(f, f.objetDialogue).codeConstruction == kCommandeValeurs) {
            libereDialogue(f);
            return true;
        }
        prepareDialogueObjet(f);
        ouvreDialogueCommande(d.numeroFigure, f.commandeDialogue);
        return false;
    }
    case kCommandeCopieAjustee:
        if (f.fenetreDessin) p::metAJourFenetre(f.fenetreDessin);
        copieDessinDansPressePapiers(f, true);
        break;
    case 198:
        p::afficheFenetre(d.fenetre, false);
        if (f.fenetreDessin) p::metAJourFenetre(f.fenetreDessin);
        revoitPlanDeFace(f);
        break;
    case kCommandeImpression:
        p::afficheFenetre(d.fenetre, false);
        if (f.fenetreDessin) {
            p::metAJourFenetre(f.fenetreDessin);
            p::posteMessage(f.fenetreDessin, kMessageImpressionPrete, 0, 0);
        }
        signaleFigureModifiee(f);
        return true;
    default:
        redessineFigure(f);
        break;
    }
    signaleFigureModifiee(f);
    return true;
}

} // namespace

const std::array<std::string, kEntreesPalette>& entreesPalette() {
    static const std::array<std::string, kEntreesPalette> e = {
        "PI",       "rac(a)",       "abs(a)",        std::string("\xB5()"),          "vec(u)",
        "vec(A,B)", "norm(vec(u))", "vec(u)&vec(v)", std::string("vec(u)\xA7vec(v)")};
    return e;
}

TFenDialog* fenetreDialogue() {
    return etat().forme.get();
}

void ouvreDialogueCommande(int16_t numero, uint16_t commande) {
    if (!figureExiste(numero)) return;
    TfigureKalmetra& f = *figureDeNumero(numero);
    if (TFenDialog* d = fenetreDialogue(); d && d->reutilisable && d->numeroFigure == numero) {
        f.commandeDialogue = commande;
        disposeDialogue(*d);
        return;
    }
    if (commande >= kPremiereCommandePrototype && commande <= kDerniereCommandePrototype &&
        !prototypeDe(f, commande - 1000))
        return;
    if (commande == kCommandePilotage) {
        const int k = f.objetLibreActif;
        if (k <= kObjetsPredefinis || k > f.nombreObjets) {
            afficheMessageType(phraseDeNumero(kPhraseSansPilote),
                               phraseDeNumero(kPhraseModificationImpossible), p::kIconeExclamation);
            return;
        }
        if (accesInterdit(objet(f, k))) {
            afficheMessageType("Vous n'avez pas acc\xE8s au param\xE9trage de " + nomObjet(f, k),
                               phraseDeNumero(kPhraseModificationImpossible), p::kIconeExclamation);
            return;
        }
    }
    if (commande == kCommandeImpression && !impressionPossible(f)) return;
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    detruitDialogue();
    auto d = std::make_unique<TFenDialog>();
    d->numeroFigure = numero;
    d->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 1, 502, 194}, procedureDialogue, false);
    p::changeTitreFenetre(d->fenetre, "Dialogue");
    lieFormeDialogue(*d);
    f.commandeDialogue = commande;
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeDialogue;
    t.fenetreAnnexe = d->fenetre;
    etat().forme = std::move(d);
    inscritOperationsAnnexe(kAnnexeDialogue, {montreDialogue, detruitDialogue});
    disposeDialogue(*etat().forme);
}

uint8_t ouvreConstructionPrototype(TfigureKalmetra& f, uint8_t emplacement) {
    const auto numero = int16_t(f.numeroFigure);
    ouvreDialogueCommande(numero, uint16_t(kPremiereCommandePrototype - 1 + emplacement));
    const TFenDialog* d = fenetreDialogue();
    return d && d->numeroFigure == numero &&
           f.commandeDialogue == kPremiereCommandePrototype - 1 + emplacement;
}

void disposeDialogue(TFenDialog& d) {
    TfigureKalmetra* f = figureDuDialogue(d);
    if (!f) return;
    d.legendeAnnuler = phraseDeNumero(kPhraseAnnuler);
    d.legendeAide = phraseDeNumero(kPhraseAide);
    arreteToutesLesMinuteries(*f);
    d.annule = false;
    d.reutilisable = false;
    prepareDialogueCommande(*f);
    if (!f->dialogue) return;
    f->dialogue->disposee = 1;
    d.dialogue = *f->dialogue;
    d.ligneCourante = std::clamp<uint8_t>(d.dialogue.ligneCourante, 1, kChampsDialogue);
    d.lignePrecedente = d.ligneCourante;
    if (d.dialogue.avecPrototype) {
        const TPrototype* proto = prototypeDe(*f, d.dialogue.numeroPrototype);
        d.titre = proto ? proto->titre : std::string();
    } else {
        d.titre = d.dialogue.phraseTitre != 0 ? phraseDeNumero(d.dialogue.phraseTitre) : std::string();
    }
    p::changeTitreFenetre(d.fenetre, d.titre);
    dispose(d);
    p::placeFenetre(d.fenetre, {0, 1, d.largeur, 1 + d.hauteur});
    attacheFenetreAFigure(d.numeroFigure, d.fenetre);
    p::afficheFenetre(d.fenetre, true);
    activeChampCourant(d);
}

void PeintBoiteDeDialogue(TFenDialog& d) {
    p::ContexteDessin* dc = p::contexteDeFenetre(d.fenetre);
    if (!dc) return;
    const TDialogueObjet& r = d.dialogue;
    p::remplitRectangle(*dc, p::rectangleClient(d.fenetre), p::kBrosseBlanche);
    SetTexteCoul(*dc, 1, p::kNoir);
    // The subtitle in its framed band.
    if (r.phraseSousTitre != 0) {
        DessineRectangle(*dc, 1, p::kNoir, 2, kHauteurTitre + 2, d.largeur - 3,
                         kHauteurTitre + d.hauteurSousTitre - 3);
        EmessG(*dc, sousTitre(d), 8, kHauteurTitre + 8);
    }
    // The option band: its frame and the prompts of its lists.
    if (d.hauteurOptions > 0) {
        const int32_t haut = kHauteurTitre + d.hauteurSousTitre;
        DessineRectangle(*dc, 1, p::kNoir, 2, haut, d.largeur - 3, haut + d.hauteurOptions - 1);
        if (d.listeOptions.visible)
            peintInvite(*dc, texteInvite(r.lignes[0]), d.listeOptions.cadreInvite, false);
        if (d.listeUnites.visible) peintInvite(*dc, inviteUnites(r), d.listeUnites.cadreInvite, false);
    }
    for (int k = 1; k <= kChampsDialogue; ++k) {
        const TChampDialogue& c = d.champs[std::size_t(k)];
        if (!c.visible) continue;
        peintInvite(*dc, texteInvite(r.lignes[std::size_t(k)]), c.cadreInvite, k == d.ligneCourante);
        DessineRectangle(*dc, 1, p::kNoir, c.cadre.gauche, c.cadre.haut, c.cadre.droite - 1, c.cadre.bas - 1);
        EmessG(*dc, c.texte, c.cadre.gauche + 3, c.cadre.haut + 4);
    }
    if (d.paletteActive) peintPalette(*dc, d.palette, p::kNoir);
}

void activeChampCourant(TFenDialog& d) {
    if (!champCourant(d)) {
        for (int k = 1; k <= kChampsDialogue; ++k)
            if (d.champs[std::size_t(k)].visible) {
                d.ligneCourante = uint8_t(k);
                break;
            }
    }
    p::donneFocus(d.fenetre);
    inscritRegleDuChamp(d);
    d.boutonExpressionVisible =
        d.ligneCourante <= kMaxLignesDialogue && d.dialogue.lignes[d.ligneCourante].champExpression != 0;
    // An open picker follows the field.
    if (choixRappelsPourDialogue() && d.ligneCourante <= kMaxLignesDialogue)
        changeRegleChoixRappels(d.dialogue.lignes[d.ligneCourante].genreReponse);
    p::invalideFenetre(d.fenetre);
}

void litChampsDialogue(TFenDialog& d) {
    TDialogueObjet& r = d.dialogue;
    if (d.listeOptions.visible) r.lignes[0].reponse = coupe(listeChoixEnTete(d.listeOptions), 80);
    for (int k = 1; k <= r.nombreLignes && k <= kChampsDialogue; ++k)
        if (d.champs[std::size_t(k)].visible)
            r.lignes[std::size_t(k)].reponse = coupe(d.champs[std::size_t(k)].texte, 80);
    const int apres = r.nombreLignes + 1;
    if (d.listeUnites.visible && apres <= kMaxLignesDialogue)
        r.lignes[std::size_t(apres)].reponse = coupe(listeChoixEnTete(d.listeUnites), 80);
    r.ligneCourante = d.ligneCourante;
    if (TfigureKalmetra* f = figureDuDialogue(d)) {
        if (!f->dialogue) f->dialogue = std::make_unique<TDialogueObjet>();
        *f->dialogue = r;
    }
}

bool valideDialogue(TFenDialog& d) {
    TfigureKalmetra* f = figureDuDialogue(d);
    if (!f) return false;
    const SurveillanceModification surveillance(d.numeroFigure);
    // Redefining an object with the values it has changes nothing a save writes.
    const JugeModification juge(*f);
    litChampsDialogue(d);
    for (int k = 1; k <= d.dialogue.nombreLignes && k <= kChampsDialogue; ++k) {
        std::string reponse = d.dialogue.lignes[std::size_t(k)].reponse;
        if (d.champs[std::size_t(k)].visible && reponse.find_first_not_of(' ') == std::string::npos) {
            afficheMessageType(phraseDeNumero(kPhraseSaisieIncomplete),
                               phraseDeNumero(kPhraseAttentionSaisie), p::kIconeExclamation);
            d.ligneCourante = uint8_t(k);
            activeChampCourant(d);
            return false;
        }
    }
    if (!executeCommandeDuDialogue(*f)) {
        if (f->dialogue) {
            d.dialogue = *f->dialogue;
            d.ligneCourante = std::clamp<uint8_t>(d.dialogue.ligneCourante, 1, kChampsDialogue);
            if (d.dialogue.demandeUnite && !d.listeUnites.visible && !d.listeUnites.entrees.empty()) {
                d.dialogue.listeUnitesVisible = 1;
                f->dialogue->listeUnitesVisible = 1;
                // The band makes room for the list: the rows go down.
                dispose(d);
                p::placeFenetre(d.fenetre, {0, 1, d.largeur, 1 + d.hauteur});
            }
        }
        activeChampCourant(d);
        return false;
    }
    if (!apresSucces(d, *f)) return false;
    d.annule = false;
    fermeDialogue(d);
    return true;
}

void fermeDialogue(TFenDialog& d) {
    etatSelection().regleDuDialogue.reset();
    TfigureKalmetra* f = figureDuDialogue(d);
    if (f) {
        if (d.annule || f->commandeDialoguePrecedente != kCommandeModifier) libereDialogue(*f);
        if (!(f->commandeDialogue == kCommandeModifier && d.annule))
            f->commandeDialoguePrecedente = f->commandeDialogue;
        // A run that changed the figure marked it; closing only tells the
        // host window that the dialog ended.
        avertitHoteFigure(*f);
    }
    fenetreCommuneFermee(d.fenetre);
}

void detruitDialogue() {
    std::unique_ptr<TFenDialog> d = std::move(etat().forme);
    etatSelection().regleDuDialogue.reset();
    if (!d) return;
    if (choixRappelsPourDialogue()) fermeChoixRappels();
    if (fenetreExpressionTQ().ouverte && fenetreExpressionTQ().fenetre == d->fenetre)
        fermeFenetreExpression();
    p::changeParent(d->fenetre, p::kAucuneFenetre);
    p::detruitFenetre(d->fenetre);
    if (TfigureKalmetra* f = figureDuDialogue(*d);
        f && f->commandeDialogue == kCommandeModifier && f->objetDialogue >= 1 &&
        f->objetDialogue <= f->nombreObjets &&
        objet(*f, f->objetDialogue).codeConstruction == kCommandeValeurs)
        p::posteMessage(fenetreDeLaFigure(*f), p::WM_COMMAND, kCommandeValeurs, 0);
}

void insereTexteDansChamp(TFenDialog& d, const std::string& texte) {
    TChampDialogue* c = champCourant(d);
    if (!c) return;
    const std::string t = coupe(texte, 80);
    const uint32_t debut = std::min<uint32_t>(c->debutSelection, uint32_t(c->texte.size()));
    const uint32_t longueur =
        c->longueurSelection == 0
            ? 0
            : std::min<uint32_t>(c->longueurSelection, uint32_t(c->texte.size()) - debut);
    const uint32_t place = longueur > 0 ? debut : std::min<uint32_t>(c->curseur, uint32_t(c->texte.size()));
    std::string nouveau = c->texte;
    nouveau.replace(place, longueur, t);
    if (nouveau.size() > c->longueurMax) return;
    c->texte = nouveau;
    c->curseur = place + uint32_t(t.size());
    c->debutSelection = c->curseur;
    c->longueurSelection = 0;
    p::invalideFenetre(d.fenetre);
}

void caractereTape(TFenDialog& d, uint32_t caractere) {
    TChampDialogue* c = champCourant(d);
    if (!c) return;
    if (caractere == 8) {
        if (c->longueurSelection > 0) {
            insereTexteDansChamp(d, "");
        } else if (c->curseur > 0 && c->curseur <= c->texte.size()) {
            c->texte.erase(c->curseur - 1, 1);
            --c->curseur;
            c->debutSelection = c->curseur;
        }
        return;
    }
    if (caractere < 32 || caractere > 255) return;
    insereTexteDansChamp(d, std::string(1, char(caractere)));
}

bool EditKeyDown(TFenDialog& d, uint32_t touche) {
    const uint8_t avant = d.ligneCourante;
    TChampDialogue* c = champCourant(d);
    switch (touche) {
    case p::VK_DOWN:
        changeLigne(d, 1);
        break;
    case p::VK_UP:
        changeLigne(d, -1);
        break;
    case p::VK_RETURN:
        return valideDialogue(d) || true;
    case p::VK_ESCAPE:
    case VK_F4:
        d.annule = true;
        fermeDialogue(d);
        return true;
    case p::VK_F1:
        BoutonAideClick(d);
        return true;
    case p::VK_LEFT:
    case p::VK_RIGHT:
        if (c) {
            if (touche == p::VK_LEFT && c->curseur > 0) --c->curseur;
            if (touche == p::VK_RIGHT && c->curseur < c->texte.size()) ++c->curseur;
            c->debutSelection = c->curseur;
            c->longueurSelection = 0;
        }
        return true;
    case p::VK_DELETE:
        if (c && c->longueurSelection > 0)
            insereTexteDansChamp(d, "");
        else if (c && c->curseur < c->texte.size())
            c->texte.erase(c->curseur, 1);
        return true;
    default:
        return false;
    }
    if (d.ligneCourante != avant && fenetreDialogue() == &d) {
        if (TfigureKalmetra* f = figureDuDialogue(d); f && f->dialogue)
            f->dialogue->ligneCourante = d.ligneCourante;
        activeChampCourant(d);
    }
    return true;
}

void designationRecue(TFenDialog& d, int32_t lParam) {
    // A designation that ends the pick closes the reminder picker; a
    // double-click in the picker keeps it. Either way the keyboard comes
    // back to the dialog, whose field received the names: what is typed
    // next goes on in that field.
    if (lParam != kDesignationContinue && choixRappelsPourDialogue()) fermeChoixRappels();
    p::donneFocus(d.fenetre);
    if (lParam == kDesignationAnnulee) return;
    TfigureKalmetra* f = figureDuDialogue(d);
    if (!f) return;
    std::string noms;
    for (int i = 1; i <= f->nombreObjets; ++i)
        if (f->ensembleDesigne.test(std::size_t(i))) noms += nomObjetOuVecteur(*f, i);
    insereTexteDansChamp(d, coupe(noms, 80));
}

void FormMouseDown(TFenDialog& d, int32_t x, int32_t y) {
    if (!d.paletteActive || d.ligneCourante > kMaxLignesDialogue ||
        !d.dialogue.lignes[d.ligneCourante].champExpression)
        return;
    const int k = cellulePalette(d.palette, {x, y});
    if (k >= 0) insereTexteDansChamp(d, entreesPalette()[std::size_t(k)]);
}

void BoutonAideClick(TFenDialog& d) {
    TfigureKalmetra* f = figureDuDialogue(d);
    if (!f) return;
    if (!d.dialogue.avecPrototype) {
        appelleAideKM32(d.fenetre, 1, d.dialogue.commande);
        return;
    }
    const TPrototype* proto = prototypeDe(*f, d.dialogue.numeroPrototype);
    const std::string texte =
        proto && proto->aCommentaire ? proto->commentaire : phraseDeNumero(kPhraseAideNonEcrite);
    if (TQalerte(texte, d.titre, phraseDeNumero(kPhraseFermer), phraseDeNumero(11415),
                 phraseDeNumero(11414)) == 2)
        appelleAideKM32(d.fenetre, 1, kCommandeUsagePrototype);
}

void BoutonExpressionClick(TFenDialog& d) {
    litChampsDialogue(d);
    TfigureKalmetra* f = figureDuDialogue(d);
    if (!f || d.ligneCourante > kMaxLignesDialogue || !d.dialogue.lignes[d.ligneCourante].champExpression)
        return;
    // The field in mathematical form, read as its command reads it; a text
    // that does not compile is reported and nothing opens.
    uint16_t erreur = 0;
    const std::string texte = expressionDuChampCourant(*f, d.dialogue, d.ligneCourante, erreur);
    if (estRefus(erreur)) {
        nomErreur1() = d.dialogue.lignes[d.ligneCourante].reponse;
        afficheErreurDeNumero(erreur);
        return;
    }
    d.dialogue.texteExpression = texte;
    if (f->dialogue) f->dialogue->texteExpression = texte;
    montreExpression(d.fenetre, texte);
}

void BoutonRappelsClick(TFenDialog& d) {
    if (choixRappelsPourDialogue() || d.ligneCourante > kMaxLignesDialogue) return;
    choisitRappelPourCommande(d.numeroFigure, d.fenetre, d.dialogue.commande, 1,
                              d.dialogue.lignes[d.ligneCourante].genreReponse);
}

bool FormCloseQuery(TFenDialog& d) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    d.annule = true;
    fermeDialogue(d);
    return false;
}

void reinitialiseDialogue() {
    detruitDialogue();
}

} // namespace km32
