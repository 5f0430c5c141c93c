#include "host/fenetres/fonction_valeurs.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "base/texte.h"
#include "drawing/clavier_partage.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/annexe_modele.h"
#include "host/fenetres/forme_fonction_valeurs.h"
#include "host/fenetres/rappels/choix_rappels.h"
#include "model/calcul/dependants.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/fenetres_figure.h"
#include "model/fonctions/fonctions.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/contexte_dessin.h"
#include "platform/entrees.h"
#include "platform/fenetres.h"
#include "platform/messages.h"
#include "platform/raccourcis.h"
#include "platform/presse_papiers.h"
#include "platform/surfaces_fenetres.h"
#include "sibling/fenetres_tq.h"
#include "sibling/table_partagee.h"
#include "text/annulation.h"
#include "text/execution_creation.h"
#include "text/garde_demarrage.h"
#include "text/langue_texte.h"
#include "text/operandes_objets.h"
#include "text/source_phrases.h"

namespace km32 {

namespace p = platform;

namespace {

constexpr uint16_t kErreurSeparerParEspace = 675;
constexpr uint16_t kErreurValeurIncorrecte = 624;
constexpr uint16_t kErreurStructureSaturee = 535;
constexpr uint16_t kErreurArretSilencieux = 534;
constexpr uint16_t kPremiereErreurDeNom = 533;
constexpr uint8_t kModeDialogue = 4; // a redefinition is confirmed by the user
constexpr uint8_t kModeOrdinaire = 1;
constexpr int kDernierObjetCreable = 250;
constexpr uint16_t kPhraseAvecInterpolation = 2519, kPhraseSansInterpolation = 2520;
constexpr int kLignesMinimum = 9;
constexpr int kDecimalesGrille = 6;
constexpr uint8_t VK_F4 = p::VK_F1 + 3;
// The phrase of each caption, in the order of LegendeGrille.
constexpr std::array<uint16_t, kNombreLegendesGrille> kPhrasesLegendes = {
    11178, 11252, 11173, 11174, 11251, 11175, 231, 11002, 11011, 11012, 11014, 11015, 11003};

std::unique_ptr<TFenetreValFon>& instance() {
    static std::unique_ptr<TFenetreValFon> v;
    return v;
}

// The point of a line "antecedent<separator>image", both numbers as a whole.
bool litPoint(std::string_view ligne, char separateur, double& x, double& y, std::string& fautif) {
    const std::size_t k = ligne.find(separateur);
    const std::string a(ligne.substr(0, k));
    const std::string b = std::string(sansBlancsAuxBouts(ligne.substr(k + 1)));
    // A number too large for a double reads as infinite: no point of a table.
    bool ok = false;
    x = reelDeTexteVerifie(a, ok);
    if (!ok || !std::isfinite(x)) {
        fautif = a;
        return false;
    }
    y = reelDeTexteVerifie(b, ok);
    ok = ok && std::isfinite(y);
    if (!ok) fautif = b;
    return ok;
}

void rafraichitGrille(TFenetreValFon& v) {
    const int n = v.table.nombrePoints;
    v.nombreLignes = n >= kLignesMinimum ? n + 1 : kLignesMinimum;
    v.pointsDesLignes.assign(std::size_t(v.nombreLignes) + 1, 0);
    for (int r = 1; r <= n; ++r)
        v.pointsDesLignes[std::size_t(r)] = uint16_t(r);
    v.premiereLigne = std::clamp(v.premiereLigne, 1, std::max(1, v.nombreLignes - kLignesAffichees + 1));
}

// The point row r shows, 0 for none.
int pointDeLigne(const TFenetreValFon& v, int r) {
    if (r < 1 || std::size_t(r) >= v.pointsDesLignes.size()) return 0;
    const int point = v.pointsDesLignes[std::size_t(r)];
    return point <= v.table.nombrePoints ? point : 0;
}

// The selection from the row it started from to row r.
void etireSelection(TFenetreValFon& v, int r) {
    v.selectionHaut = std::min(v.ligneAncre, r);
    v.selectionBas = std::max(v.ligneAncre, r);
}

// Scrolls the grid so that row r is shown.
void montreLigne(TFenetreValFon& v, int r) {
    if (r < v.premiereLigne) v.premiereLigne = r;
    if (r >= v.premiereLigne + kLignesAffichees) v.premiereLigne = r - kLignesAffichees + 1;
    v.premiereLigne = std::clamp(v.premiereLigne, 1, std::max(1, v.nombreLignes - kLignesAffichees + 1));
}

// The table as it was before a change goes on top of the undo ring.
void empile(TFenetreValFon& v, const TFonctionTable& ancienne) {
    if (v.nombreAnnulations == kPasAnnulationGrille) {
        for (int k = 1; k < kPasAnnulationGrille; ++k)
            v.historique[std::size_t(k)] = v.historique[std::size_t(k + 1)];
        --v.nombreAnnulations;
    }
    v.historique[std::size_t(++v.nombreAnnulations)] = ancienne;
    v.defaireActif = true;
    v.nombreRetablissements = 0;
    v.refaireActif = false;
}

void montreGrille() {
    montreAnnexeModele(instance());
    if (instance()) p::donneFocus(instance()->fenetre);
}

void fermeGrille() {
    if (instance()) {
        fermeFenetreExpression();
        if (choixRappels()) fermeChoixRappels();
    }
    fermeAnnexeModele(instance());
}

int32_t procedureGrille(p::Fenetre fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TFenetreValFon* v = fenetreFonctionParValeurs();
    if (!v || v->fenetre != fenetre) return 0;
    switch (message) {
    case p::WM_KEYDOWN:
        return toucheGrille(*v, wParam) ? 1 : 0;
    case p::WM_RACCOURCI:
        return raccourciGrille(*v, wParam) ? 1 : 0;
    case p::WM_CHAR:
        return caractereGrille(*v, wParam) ? 1 : 0;
    case p::WM_LBUTTONDOWN:
        sourisEnfonceeGrille(*v, p::xDeLParam(lParam), p::yDeLParam(lParam), wParam);
        return 0;
    case p::WM_MOUSEMOVE:
        sourisDeplaceeGrille(*v, p::xDeLParam(lParam), p::yDeLParam(lParam), wParam);
        return 0;
    case p::WM_LBUTTONUP:
        sourisRelacheeGrille(*v, p::xDeLParam(lParam), p::yDeLParam(lParam));
        return 0;
    case p::WM_PAINT:
        // The form's face under its controls, where the figure would show.
        p::peintFondFenetre(fenetre, p::brossePleine(p::kFaceFormulaire));
        return 0;
    case p::WM_CLOSE:
        FormCloseQuery(*v);
        return 0;
    case p::WM_COMMAND:
        break;
    default:
        return 0;
    }
    switch (wParam) {
    case kGrilleDefaire:
        DefaireClick(*v);
        break;
    case kGrilleRefaire:
        RefaireClick(*v);
        break;
    case kGrilleSelectionnerTout:
        SelectionnerToutClick(*v);
        break;
    case kGrilleCopier:
        CopierClick(*v);
        break;
    case kGrilleColler:
        CollerClick(*v);
        break;
    case kGrilleSupprimer:
        SupprimerClick(*v);
        break;
    case kGrilleAjouter:
        boutonAjouterClick(*v);
        break;
    case kGrilleOk:
        BoutonOkClick(*v);
        break;
    case kGrilleAnnuler:
        demandeFermeture(*v);
        break;
    case kGrilleAide:
        BoutonAideClick(*v);
        break;
    case kGrilleInterpolation:
        v->avecInterpolation = !v->avecInterpolation;
        break;
    default:
        break;
    }
    return 0;
}

// The end of the window, confirmed or cancelled.
void termine(TFenetreValFon& v, bool annule) {
    v.annule = annule;
    if (TfigureKalmetra* f = figureDeNumero(v.numeroFigure)) f->modeCommande = f->commandeCourante;
    fenetreCommuneFermee(v.fenetre);
}

// Creates the function object named nom, or redefines object k built by
// another construction, through the figure's own creation of a line.
bool creeObjetFonction(TfigureKalmetra& f, const TFenetreValFon& v, const std::string& nom, int& k) {
    const bool nouveau = k > f.nombreObjets;
    if (nouveau && k > kDernierObjetCreable) {
        afficheErreurDeNumero(kErreurStructureSaturee);
        return false;
    }
    if (nouveau && f.tableDesFonctions && emplacementLibreFonction(*f.tableDesFonctions) == 0) {
        afficheErreurDeNumero(kErreurStructureSaturee);
        return false;
    }
    prendInstantanePourAnnuler(f, f);
    const std::string arguments =
        phraseDeSource(v.avecInterpolation ? kPhraseAvecInterpolation : kPhraseSansInterpolation) + ";" + nom;
    std::string nomCree;
    uint8_t invalide = 0, reserve = 0;
    if (!executeLigneDeCreation(f, arguments, kModeOrdinaire, construction::kFonctionParValeurs, nomCree,
                                invalide, reserve))
        return false;
    k = numeroObjetDeNomEtType(f, nom, kNatureFonction);
    return k != 0;
}

// What depends on function k follows its new table.
void recalculeFonction(TfigureKalmetra& f, int k) {
    if (k >= f.nombreObjets) return;
    TEnsembleObjets change;
    change.set(std::size_t(k));
    recalculeDependants(f, change);
}

// The edited table given to function k, defined by values already. A table
// after which a stored start line would no longer run is refused as the
// other roads refuse a change of values: the figure keeps its table, no
// undo step is taken and the window stays open with the edited table.
bool changeTableExistante(TfigureKalmetra& f, const TFenetreValFon& v, int k) {
    std::string texteAvant = texteDeFigurePourAnnuler(f);
    TCopieAnnulation copieAvant = copieDeFigurePourAnnuler(f);
    GardeDemarrage demarrage(f);
    TFonctionTable* table = tableDeValeursDeObjet(f, k);
    if (!table) return false;
    *table = v.table;
    recalculeFonction(f, k);
    if (!demarrage.accepte(k, true)) return false;
    prendInstantanePourAnnulerDuTexte(f, std::move(texteAvant), std::move(copieAvant));
    p::afficheFenetre(v.fenetre, false);
    return true;
}

} // namespace

TFenetreValFon* fenetreFonctionParValeurs() {
    return instance().get();
}

void ouvreFonctionParValeurs(TfigureKalmetra& f) {
    const int16_t numero = int16_t(f.numeroFigure);
    if (!figureExiste(numero)) return;
    if (!reserveDialogueCommun(fenetreDeLaFigure(f), numero)) return;
    fermeGrille();
    auto v = std::make_unique<TFenetreValFon>();
    f.commandeCourante = kCommandeFonctionValeurs;
    v->numeroFigure = numero;
    v->titre = phraseDeNumero(4628);
    v->enteteAntecedents = phraseDeNumero(11176);
    v->enteteImages = phraseDeNumero(11177);
    for (std::size_t k = 0; k < kPhrasesLegendes.size(); ++k)
        v->legendes[k] = phraseDeNumero(kPhrasesLegendes[k]);
    v->disposition = disposeGrille(v->legendes, v->enteteAntecedents, v->enteteImages);
    v->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 0, v->disposition.largeur, v->disposition.hauteur},
                                procedureGrille, false);
    p::changeTitreFenetre(v->fenetre, v->titre);
    TTableDesVariablesPartagees& t = *TQTableDesVariablesPartagees();
    t.codeAnnexe = kAnnexeFonctionValeurs;
    t.fenetreAnnexe = v->fenetre;
    const uint8_t k = f.objetARedefinir;
    f.objetARedefinir = 0;
    if (k > kObjetsPredefinis && k <= f.nombreObjets)
        if (const TFonctionTable* table = tableDeValeursDeObjet(f, k)) {
            v->objetRedefini = k;
            v->nom = coupe(nomObjet(f, k), kLongueurNomFonction);
            v->emplacementFonction = objet(f, k).emplacementFonction;
            v->table = *table;
        }
    v->avecInterpolation = v->table.interpolation != 0;
    rafraichitGrille(*v);
    v->focus = v->objetRedefini ? ChampGrille::Point : ChampGrille::Nom;
    attacheFenetreAFigure(numero, v->fenetre);
    lieFormeFonctionParValeurs(*v);
    instance() = std::move(v);
    inscritOperationsAnnexe(kAnnexeFonctionValeurs, {montreGrille, fermeGrille});
    montreGrille();
}

std::string celluleGrille(const TFenetreValFon& v, int ligne, int colonne) {
    if (ligne == 0) return colonne == 0 ? v.enteteAntecedents : v.enteteImages;
    const int point = pointDeLigne(v, ligne);
    if (point == 0) return {};
    std::string texte;
    const auto& valeurs = colonne == 0 ? v.table.x : v.table.y;
    texteDeReelChiffres(kDecimalesGrille, texte, valeurs[std::size_t(point)]);
    return texte;
}

int ligneSousSouris(const TFenetreValFon& v, int32_t x, int32_t y) {
    if (!p::pointDansRectangle(v.disposition.grille, {x, y})) return -1;
    const int rang = (y - v.disposition.grille.haut) / (kHauteurLigneGrille + kTraitGrille);
    if (rang == 0) return 0;
    const int ligne = v.premiereLigne + rang - 1;
    return ligne <= v.nombreLignes ? ligne : -1;
}

void sourisEnfonceeGrille(TFenetreValFon& v, int32_t x, int32_t y, uint32_t boutons) {
    const int ligne = ligneSousSouris(v, x, y);
    if (ligne < 1) return;
    v.focus = ChampGrille::Tableau;
    v.glisser = GlisserGrille::Selection;
    if ((boutons & p::MK_SHIFT) && v.ligneAncre >= 1) {
        etireSelection(v, ligne);
        return;
    }
    if (v.selectionHaut == ligne && v.selectionBas == ligne) {
        v.glisser = GlisserGrille::Deplacement;
        v.ligneSaisie = ligne;
        return;
    }
    choisitLignesGrille(v, ligne, ligne);
}

void choisitLignesGrille(TFenetreValFon& v, int haut, int bas) {
    v.focus = ChampGrille::Tableau;
    if (haut < 1 || haut > v.nombreLignes) {
        v.ligneAncre = v.selectionHaut = v.selectionBas = 0;
        return;
    }
    v.ligneAncre = haut;
    etireSelection(v, std::clamp(bas, haut, v.nombreLignes));
}

void changeTexteGrille(TFenetreValFon& v, ChampGrille champ, const std::string& texte) {
    if (champ == ChampGrille::Nom) v.nom = coupe(texte, kLongueurNomFonction);
    if (champ == ChampGrille::Point) v.point = coupe(texte, kLongueurPoint);
}

void sourisDeplaceeGrille(TFenetreValFon& v, int32_t x, int32_t y, uint32_t boutons) {
    if (!(boutons & p::MK_LBUTTON)) {
        v.glisser = GlisserGrille::Aucun;
        return;
    }
    if (v.glisser != GlisserGrille::Selection) return;
    const int ligne = ligneSousSouris(v, x, y);
    if (ligne >= 1) etireSelection(v, ligne);
}

void sourisRelacheeGrille(TFenetreValFon& v, int32_t x, int32_t y) {
    const GlisserGrille glisser = std::exchange(v.glisser, GlisserGrille::Aucun);
    if (glisser != GlisserGrille::Deplacement) return;
    const int ligne = ligneSousSouris(v, x, y);
    if (ligne >= 1) deplaceLigneGrille(v, v.ligneSaisie, ligne);
}

void deplaceLigneGrille(TFenetreValFon& v, int de, int vers) {
    if (de < 1 || vers < 1 || de > v.nombreLignes || vers > v.nombreLignes) return;
    if (v.pointsDesLignes.size() != std::size_t(v.nombreLignes) + 1) rafraichitGrille(v);
    auto debut = v.pointsDesLignes.begin();
    if (de < vers)
        std::rotate(debut + de, debut + de + 1, debut + vers + 1);
    else if (vers < de)
        std::rotate(debut + vers, debut + de, debut + de + 1);
    v.ligneAncre = v.selectionHaut = v.selectionBas = vers;
}

void boutonAjouterClick(TFenetreValFon& v) {
    const std::string texte = std::string(sansBlancsAuxBouts(coupe(v.point, kLongueurLigneCollee)));
    if (texte.empty()) return;
    if (texte.find(' ') == std::string::npos) {
        afficheErreurDeNumero(kErreurSeparerParEspace);
        return;
    }
    double x = 0, y = 0;
    std::string fautif;
    if (!litPoint(texte, ' ', x, y, fautif)) {
        nomErreur1() = fautif;
        afficheErreurDeNumero(kErreurValeurIncorrecte);
        return;
    }
    const TFonctionTable ancienne = v.table;
    if (!ajoutePointFonctionTable(v.table, x, y)) {
        v.table = ancienne;
        afficheErreurDeNumero(kErreurStructureSaturee);
        return;
    }
    empile(v, ancienne);
    v.suppressionsGroupees = false;
    rafraichitGrille(v);
    v.point = v.antecedentTape ? texteDeReel(2 * x - v.dernierAntecedent) + " " : std::string();
    v.dernierAntecedent = x;
    v.antecedentTape = true;
}

void SupprimerClick(TFenetreValFon& v) {
    TFonctionTable& t = v.table;
    const int n = t.nombrePoints;
    if (n == 0) return;
    const int haut = v.selectionHaut;
    if (haut < 1 || haut > n) return;
    const int bas = std::clamp(v.selectionBas, haut, n);
    // The points the selected rows show: rows 1 to n show every point once,
    // in the table's order unless a row was dragged elsewhere.
    std::array<bool, kMaxPointsFonctionTable + 1> retire{};
    int retires = 0;
    for (int r = haut; r <= bas; ++r)
        if (const int point = pointDeLigne(v, r); point != 0 && !retire[std::size_t(point)]) {
            retire[std::size_t(point)] = true;
            ++retires;
        }
    if (retires == 0) return;
    if (!v.suppressionsGroupees) {
        empile(v, t);
        v.suppressionsGroupees = true;
    }
    if (retires == n) {
        t.nombrePoints = 0;
    } else {
        // The points left close up in their order; the bounds follow the
        // first and the last point when those go.
        int reste = 0;
        for (int k = 1; k <= n; ++k) {
            if (retire[std::size_t(k)]) continue;
            ++reste;
            t.x[std::size_t(reste)] = t.x[std::size_t(k)];
            t.y[std::size_t(reste)] = t.y[std::size_t(k)];
        }
        if (retire[1]) t.xmin = t.x[1];
        if (retire[std::size_t(n)]) t.xmax = t.x[std::size_t(reste)];
        t.nombrePoints = uint16_t(reste);
    }
    rafraichitGrille(v);
}

void SelectionnerToutClick(TFenetreValFon& v) {
    if (v.table.nombrePoints == 0) return;
    v.selectionHaut = 1;
    v.selectionBas = v.table.nombrePoints;
}

void CopierClick(TFenetreValFon& v) {
    // Every point, in the order the grid shows them (a row dragged among
    // the empty rows is not left behind).
    std::string texte;
    for (int r = 1; r <= v.nombreLignes; ++r)
        if (pointDeLigne(v, r) != 0) texte += celluleGrille(v, r, 0) + '\t' + celluleGrille(v, r, 1) + "\r\n";
    p::copieTexteDansPressePapiers(v.fenetre, texte);
}

void CollerClick(TFenetreValFon& v) {
    const std::string* colle = p::textePressePapiers();
    const std::string texte = colle ? *colle : std::string();
    empile(v, v.table);
    std::string ligne;
    for (const char c : texte) {
        if (c != '\r' && c != '\n') {
            if (ligne.size() < kLongueurLigneCollee) ligne += c;
            continue;
        }
        std::string l = std::string(sansBlancsAuxBouts(ligne));
        ligne.clear();
        std::replace(l.begin(), l.end(), ',', '.');
        if (l.find('\t') == std::string::npos) continue;
        double x = 0, y = 0;
        std::string fautif;
        if (litPoint(l, '\t', x, y, fautif)) ajoutePointFonctionTable(v.table, x, y);
    }
    rafraichitGrille(v);
    v.suppressionsGroupees = false;
}

void DefaireClick(TFenetreValFon& v) {
    if (v.nombreAnnulations <= 0) return;
    std::swap(v.table, v.historique[std::size_t(v.nombreAnnulations)]);
    --v.nombreAnnulations;
    ++v.nombreRetablissements;
    v.refaireActif = true;
    v.defaireActif = v.nombreAnnulations > 0;
    v.suppressionsGroupees = false;
    rafraichitGrille(v);
}

void RefaireClick(TFenetreValFon& v) {
    if (v.nombreRetablissements <= 0) return;
    ++v.nombreAnnulations;
    std::swap(v.table, v.historique[std::size_t(v.nombreAnnulations)]);
    v.defaireActif = true;
    --v.nombreRetablissements;
    v.refaireActif = v.nombreRetablissements > 0;
    v.suppressionsGroupees = false;
    rafraichitGrille(v);
}

void BoutonOkClick(TFenetreValFon& v) {
    TfigureKalmetra* figure = figureDeNumero(v.numeroFigure);
    if (!figure) return;
    TfigureKalmetra& f = *figure;
    const std::string nom = std::string(sansBlancsAuxBouts(v.nom));
    uint8_t numero = 0;
    uint16_t erreur = 0;
    nommeNouvelObjet(f, kNatureFonction, nom, kModeDialogue, numero, erreur);
    if (erreur == kErreurArretSilencieux) return;
    if (erreur >= kPremiereErreurDeNom) {
        afficheErreurDeNumero(erreur);
        return;
    }
    v.table.interpolation = v.avecInterpolation ? 1 : 0;
    int k = numero;
    const bool parValeurs =
        k <= f.nombreObjets && objet(f, k).codeConstruction == construction::kFonctionParValeurs;
    if (parValeurs) {
        if (!changeTableExistante(f, v, k)) return;
    } else {
        if (!creeObjetFonction(f, v, nom, k)) return;
        TFonctionTable* table = tableDeValeursDeObjet(f, k);
        if (!table) return;
        *table = v.table;
        recalculeFonction(f, k);
    }
    // The figure has a new object or a new table: a save must not miss it.
    signaleFigureModifiee(f);
    if (f.importationActive && !f.variablesPartagees) inscritVariablesPartagees(f);
    termine(v, false);
    publieVariablesPartagees(f);
}

void BoutonAideClick(TFenetreValFon& v) {
    appelleAideKM32(v.fenetre, 1, kCommandeFonctionValeurs);
}

void demandeFermeture(TFenetreValFon& v) {
    termine(v, true);
}

bool FormCloseQuery(TFenetreValFon& v) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    demandeFermeture(v);
    return false;
}

bool caractereGrille(TFenetreValFon& v, uint32_t caractere) {
    if (v.focus == ChampGrille::Tableau) return false;
    std::string& champ = v.focus == ChampGrille::Nom ? v.nom : v.point;
    const std::size_t longueur = v.focus == ChampGrille::Nom ? kLongueurNomFonction : kLongueurPoint;
    if (caractere == p::VK_BACK) {
        if (!champ.empty()) champ.pop_back();
        return true;
    }
    // Enter, Esc and the other control characters are keys, not text.
    if (caractere < 32 || caractere > 255) return false;
    if (champ.size() < longueur) champ += char(caractere);
    return true;
}

bool raccourciGrille(TFenetreValFon& v, uint32_t touche) {
    if (!p::ctrlEnfoncee()) return false;
    switch (touche) {
    case 'Z':
        p::altEnfoncee() || p::majEnfoncee() ? RefaireClick(v) : DefaireClick(v);
        return true;
    case 'Y':
        RefaireClick(v);
        return true;
    case 'A':
        SelectionnerToutClick(v);
        return true;
    case 'C':
        CopierClick(v);
        return true;
    case 'V':
        CollerClick(v);
        return true;
    case p::VK_DELETE:
        SupprimerClick(v);
        return true;
    default:
        return false;
    }
}

bool toucheGrille(TFenetreValFon& v, uint32_t touche) {
    if (raccourciGrille(v, touche)) return true;
    if (touche == p::VK_ESCAPE || touche == VK_F4) {
        demandeFermeture(v);
        return true;
    }
    if (touche == p::VK_F1) {
        BoutonAideClick(v);
        return true;
    }
    switch (v.focus) {
    case ChampGrille::Point:
        if (touche == p::VK_UP) v.focus = ChampGrille::Nom;
        if (touche == p::VK_RETURN) boutonAjouterClick(v);
        return touche == p::VK_UP || touche == p::VK_RETURN;
    case ChampGrille::Nom:
        if (touche != p::VK_DOWN && touche != p::VK_RETURN) return false;
        v.focus = ChampGrille::Point;
        return true;
    case ChampGrille::Tableau:
        if (touche == p::VK_UP || touche == p::VK_DOWN) {
            const int depart = v.selectionHaut >= 1 ? v.selectionHaut : v.premiereLigne - 1;
            const int ligne = std::clamp(depart + (touche == p::VK_UP ? -1 : 1), 1, v.nombreLignes);
            v.ligneAncre = v.selectionHaut = v.selectionBas = ligne;
            montreLigne(v, ligne);
            return true;
        }
        if (touche != p::VK_DELETE) return false;
        SupprimerClick(v);
        return true;
    }
    return false;
}

void reinitialiseFonctionParValeurs() {
    fermeGrille();
}

} // namespace km32
