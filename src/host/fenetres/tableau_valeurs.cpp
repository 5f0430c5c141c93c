#include "host/fenetres/tableau_valeurs.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/garde.h"
#include "base/texte.h"
#include "host/fenetre_mere.h"
#include "host/fenetres/annexe_modele.h"
#include "host/fenetres/forme_tableau_valeurs.h"
#include "model/calcul/calcul_objet.h"
#include "model/fenetres_figure.h"
#include "model/messages.h"
#include "model/nombres_texte.h"
#include "model/objets_figure.h"
#include "model/table_figures.h"
#include "phrases/phrase.h"
#include "platform/contexte_dessin.h"
#include "platform/surfaces_fenetres.h"
#include "platform/entrees.h"
#include "platform/formes_liees.h"
#include "platform/fenetres.h"
#include "platform/mesures_texte.h"
#include "platform/messages.h"
#include "platform/presse_papiers.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace p = platform;

namespace {

// The command object's values, counted from 0: start, step, rows, then the
// decimals of column k (from 1) at kValeurLignes + k.
constexpr int kValeurDebut = 0, kValeurPas = 1, kValeurLignes = 2;
constexpr int kLignesMaxTableau = 10000;       // data rows the table holds
constexpr uint16_t kPhraseTableauCoupe = 9970; // "The table asks for #1 rows: ..."
constexpr int32_t kHauteurNormale = 300, kHauteurTraitsEpais = 500;
constexpr int32_t kLigneGrille = 1;  // the width of the lines between cells
constexpr int32_t kMargeCellule = 2; // between a cell's edge and its text
// The fixed row's colour, the selected row's colour and the grid lines.
constexpr p::Couleur kCouleurFixe = 0xE3E3E3, kCouleurSelection = 0xD77800, kCouleurTraits = 0xC0C0C0;
// Around the items of the menu's strip; an item is about 8 pixels a
// character of its caption wide, and the edges of its button or the box of
// its check take 24 more.
constexpr int32_t kMargeMenu = 4, kPixelsParCaractereMenu = 8, kBordItemMenu = 24;

// What the toolkit's button (or check box) measures for an item's caption;
// nothing headless.
p::TailleControle tailleItemMenu(const std::string& legende, bool coche) {
    const std::string texte = sansEtCommercial(legende);
    return coche ? p::tailleCase(texte) : p::tailleBouton(texte);
}

int32_t largeurItemMenu(const std::string& legende, bool coche) {
    return p::auMoins(kPixelsParCaractereMenu * int32_t(sansEtCommercial(legende).size()) + kBordItemMenu,
                      tailleItemMenu(legende, coche).largeur);
}

// A row of the menu's strip holds its items with 2 pixels above and below.
int32_t hauteurRangMenu(const TFenetreDuTableauDeValeurs& t) {
    return std::max({kHauteurMenuTableau, tailleItemMenu(t.legendeCopier, false).hauteur + 4,
                     tailleItemMenu(t.legendeVirgule, true).hauteur + 4});
}

std::unique_ptr<TFenetreDuTableauDeValeurs>& instance() {
    static std::unique_ptr<TFenetreDuTableauDeValeurs> t;
    return t;
}

// The objects above the variable that both lead to a tabulated object and
// depend on the variable, in increasing order.
std::vector<uint8_t> objetsARecalculer(const TfigureKalmetra& f, int variable,
                                       const std::vector<uint8_t>& tabules) {
    int m = variable + 1;
    TEnsembleObjets necessaires, dependants;
    for (const uint8_t o : tabules) {
        necessaires.set(o);
        m = std::max(m, int(o));
    }
    m = std::min(m, int(f.nombreObjets));
    for (int k = m; k > variable; --k)
        if (necessaires.test(std::size_t(k))) necessaires |= ensembleDesAntecedents(f, k);
    dependants.set(std::size_t(variable));
    for (int k = variable + 1; k <= m; ++k)
        if ((ensembleDesAntecedents(f, k) & dependants).any()) dependants.set(std::size_t(k));
    std::vector<uint8_t> liste;
    for (int k = variable + 1; k <= m; ++k)
        if (necessaires.test(std::size_t(k)) && dependants.test(std::size_t(k))) liste.push_back(uint8_t(k));
    return liste;
}

void recalcule(TfigureKalmetra& f, const std::vector<uint8_t>& liste) {
    for (const uint8_t o : liste)
        calculeObjet(f, o);
}

// Widths of column c over the data rows, then the blanks that align its
// cells on the decimal point and centre its name.
void aligneColonne(TFenetreDuTableauDeValeurs& t, std::size_t c) {
    int entiere = 1, fraction = 0;
    for (std::size_t r = 1; r < t.cellules.size(); ++r) {
        std::string s = t.cellules[r][c];
        if (s.empty() || s[0] != '-') s = " " + s;
        const std::size_t point = s.find('.');
        const int e = int(point == std::string::npos ? s.size() : point);
        entiere = std::max(entiere, e);
        fraction = std::max(fraction, int(s.size()) - e);
    }
    std::string& nom = t.cellules[0][c];
    const int largeur = std::max(entiere + fraction, int(nom.size()));
    t.largeursEntieres[c] = entiere;
    t.largeursFractions[c] = fraction;
    t.largeursCaracteres[c] = largeur;
    t.largeursColonnes[c] = t.largeurCaractere * largeur + 10;
    for (std::size_t r = 1; r < t.cellules.size(); ++r) {
        std::string& s = t.cellules[r][c];
        const std::size_t point = s.find('.');
        const std::size_t avant = point == std::string::npos ? s.size() : point;
        if (avant < std::size_t(entiere)) s.insert(0, std::size_t(entiere) - avant, ' ');
        if (t.virguleDecimale)
            if (const std::size_t q = s.find('.'); q != std::string::npos) s[q] = ',';
    }
    const int blancs = (largeur + 1 - int(nom.size())) / 2;
    if (blancs > 0) nom.insert(0, std::size_t(blancs), ' ');
}

// How many columns, from column debut on, the grid's width holds whole
// (each column is followed by its grid line).
int colonnesTenant(const TFenetreDuTableauDeValeurs& t, int debut) {
    int32_t reste = t.cadreGrille.largeur();
    int n = 0;
    for (std::size_t c = std::size_t(std::max(0, debut)); c < t.largeursColonnes.size(); ++c) {
        reste -= t.largeursColonnes[c] + kLigneGrille;
        if (reste < 0) break;
        ++n;
    }
    return n;
}

// Keeps the first row and column shown within what can be scrolled: the
// grid never scrolls past its last row or column.
void bornesDefilement(TFenetreDuTableauDeValeurs& t) {
    const int derniereLigne = std::max(1, t.nombreLignes - std::max(1, t.lignesVisibles) + 1);
    t.premiereLigne = std::clamp(t.premiereLigne, 1, derniereLigne);
    const int colonnes = int(t.largeursColonnes.size());
    // The last first column: the smallest from which every column to the
    // last one is shown whole (the last column alone when it is too wide).
    int derniereColonne = std::max(0, colonnes - 1);
    while (derniereColonne > 0 && colonnesTenant(t, derniereColonne - 1) >= colonnes - derniereColonne + 1)
        --derniereColonne;
    t.premiereColonne = std::clamp(t.premiereColonne, 0, derniereColonne);
    t.colonnesVisibles = colonnesTenant(t, t.premiereColonne);
}

// Scrolls so that the selected row is shown.
void montreLigneCourante(TFenetreDuTableauDeValeurs& t) {
    if (t.ligneCourante < 1) return;
    const int visibles = std::max(1, t.lignesVisibles);
    if (t.ligneCourante < t.premiereLigne) t.premiereLigne = t.ligneCourante;
    if (t.ligneCourante >= t.premiereLigne + visibles) t.premiereLigne = t.ligneCourante - visibles + 1;
    bornesDefilement(t);
}

// The menu's strip: its items are the backend's own widgets laid over it
// (a drawn caption would show through a label or a check box), so the model
// paints the strip's background alone.
void peintMenu(TFenetreDuTableauDeValeurs& t, p::ContexteDessin& dc) {
    p::remplitRectangle(dc, t.cadreMenu, p::brossePleine(kCouleurFixe));
}

void montreTableau() {
    montreAnnexeModele(instance());
}

void fermeTableau() {
    fermeAnnexeModele(instance());
}

int32_t procedureTableau(p::Fenetre, uint32_t message, uint32_t wParam, int32_t lParam) {
    TFenetreDuTableauDeValeurs* t = fenetreTableauDeValeurs();
    if (!t) return 0;
    switch (message) {
    case p::WM_COMMAND:
        if (wParam == kMenuCopierLeTableau) CopierLeTableauClick(*t);
        if (wParam == kMenuUtiliserLaVirgule) UtiliserlavirguleClick(*t);
        return 0;
    case p::WM_CLOSE:
        FormCloseQuery(*t);
        return 0;
    case p::WM_SIZE:
        FormResize(*t);
        return 0;
    case p::WM_PAINT:
        peintTableau(*t);
        p::valideFenetre(t->fenetre);
        return 0;
    case p::WM_KEYDOWN:
        return toucheTableau(*t, wParam) ? 1 : 0;
    case p::WM_LBUTTONDOWN:
        cliqueTableau(*t, p::xDeLParam(lParam), p::yDeLParam(lParam));
        return 0;
    default:
        return 0;
    }
}

} // namespace

TFenetreDuTableauDeValeurs* fenetreTableauDeValeurs() {
    return instance().get();
}

void remplitTableauDeValeurs(TFenetreDuTableauDeValeurs& t, TfigureKalmetra& f) {
    const int n = t.objetCommande;
    const TObjetFigure& commande = objet(f, n);
    t.titre = coupe(f.titreFenetre + phraseDeNumero(11166), 255);
    t.legendeCopier = phraseDeNumero(11167);
    t.legendeOption = phraseDeNumero(11168);
    t.legendeVirgule = phraseDeNumero(11169);
    t.virguleDecimale = true;
    const bool epais = f.traitsEpais != 0;
    t.hauteurClient = epais ? kHauteurTraitsEpais : kHauteurNormale;
    const p::Rectangle client = rectangleClientFigure(int16_t(f.numeroFigure));
    if (client.bas <= t.hauteurClient) t.hauteurClient = client.bas - 1;

    const double lignes = std::round(valeurDepuisZero(f, n, kValeurLignes));
    t.nombreLignes = int(std::clamp(lignes, 0.0, double(kLignesMaxTableau)));
    // More rows than the table holds: the first ones are shown, and it is said.
    if (lignes > kLignesMaxTableau)
        afficheMessage(phraseAvecParametres(kPhraseTableauCoupe, texteDeReel(lignes)), t.titre);
    t.debut = valeurDepuisZero(f, n, kValeurDebut);
    t.pas = valeurDepuisZero(f, n, kValeurPas);
    const int colonnes = std::min(int(commande.nombreParents), kMaxColonnesTableau);
    t.colonnes.clear();
    t.decimales.clear();
    for (int k = 1; k <= colonnes; ++k) {
        t.colonnes.push_back(parentObjet(f, n, k));
        const double d = kValeurLignes + k < commande.nombreValeurs
                             ? std::round(valeurDepuisZero(f, n, kValeurLignes + k))
                             : 0.0;
        t.decimales.push_back(int(std::clamp(d, 0.0, 255.0)));
    }
    if (t.colonnes.empty()) return;
    t.variable = t.colonnes[0];
    TObjetFigure& variable = objet(f, t.variable);
    double& valeurVariable = valeurDepuisZero(f, t.variable, 0);
    t.valeurSauvee = valeurVariable;
    t.nonDefiniSauve = variable.nonDefini;
    t.aRecalculer = objetsARecalculer(f, t.variable, {t.colonnes.begin() + 1, t.colonnes.end()});

    t.largeurCaractere = epais ? 40 : 10;
    t.hauteurLigne = epais ? 80 : 24;
    t.hauteurPolice = epais ? -64 : -16;
    t.policeGrasse = epais;
    t.cellules.assign(std::size_t(t.nombreLignes) + 1, std::vector<std::string>(t.colonnes.size()));
    for (std::size_t c = 0; c < t.colonnes.size(); ++c)
        t.cellules[0][c] = nomObjet(f, t.colonnes[c]);
    {
        // The variable gets its value and its flag back however the rows end.
        const GardeValeur<double> valeur(valeurVariable, valeurVariable);
        const GardeValeur<uint8_t> defini(variable.nonDefini, uint8_t(0));
        for (int i = 1; i <= t.nombreLignes; ++i) {
            valeurVariable = (i - 1) * t.pas + t.debut;
            recalcule(f, t.aRecalculer);
            for (std::size_t c = 0; c < t.colonnes.size(); ++c) {
                std::string& cellule = t.cellules[std::size_t(i)][c];
                if (objet(f, t.colonnes[c]).nonDefini)
                    cellule = "*";
                else
                    texteDeReelChiffres(std::min(t.decimales[c], 11), cellule,
                                        valeurDepuisZero(f, t.colonnes[c], 0));
            }
        }
    }
    recalcule(f, t.aRecalculer);

    const std::size_t p = t.colonnes.size();
    t.largeursEntieres.assign(p, 0);
    t.largeursFractions.assign(p, 0);
    t.largeursCaracteres.assign(p, 0);
    t.largeursColonnes.assign(p, 0);
    t.largeurClient = 16;
    for (std::size_t c = 0; c < p; ++c) {
        aligneColonne(t, c);
        t.largeurClient += t.largeursColonnes[c] + 2;
    }
    if (t.largeurClient >= client.droite) t.largeurClient = client.droite - 1;
    t.premiereLigne = 1;
    t.premiereColonne = 0;
    t.ligneCourante = t.nombreLignes > 0 ? 1 : 0;
}

bool afficheTableauDeValeurs(int16_t numero, int n) {
    TfigureKalmetra* f = figureDeNumero(numero);
    if (!f || n < kObjetsPredefinis + 1 || n > f->nombreObjets) return false;
    if (objet(*f, n).nombreParents == 0) return false;
    if (!reserveDialogueCommun(fenetreDeLaFigure(*f), numero)) return false;
    fermeTableau();
    auto t = std::make_unique<TFenetreDuTableauDeValeurs>();
    t->numeroFigure = numero;
    t->objetCommande = uint8_t(n);
    t->fenetre = p::creeFenetre(p::kAucuneFenetre, {0, 0, 1, 1}, procedureTableau, false);
    TTableDesVariablesPartagees& partage = *TQTableDesVariablesPartagees();
    partage.codeAnnexe = kAnnexeTableauValeurs;
    partage.fenetreAnnexe = t->fenetre;
    TFenetreDuTableauDeValeurs& tableau = *t;
    instance() = std::move(t);
    remplitTableauDeValeurs(tableau, *f);
    p::changeTitreFenetre(tableau.fenetre, tableau.titre);
    // The window is wide enough for each item of its menu beside the close
    // box, and its grid gets the computed client height under the menu's
    // strip, the window staying inside the figure's client area.
    const p::Rectangle figure = rectangleClientFigure(numero);
    const int32_t caseFermeture = p::kLargeurCaseFermeture + 4;
    const int32_t largeur =
        std::min(std::max({tableau.largeurClient,
                           largeurItemMenu(tableau.legendeCopier, false) + 2 * kMargeMenu + caseFermeture,
                           largeurItemMenu(tableau.legendeVirgule, true) + 2 * kMargeMenu + caseFermeture}),
                 std::max(tableau.largeurClient, figure.droite - 1));
    const int32_t menu = disposeMenuTableau(tableau, largeur);
    const int32_t hauteur =
        std::min(tableau.hauteurClient + menu, std::max(tableau.hauteurClient, figure.bas - 1));
    p::placeFenetre(tableau.fenetre, {0, 0, largeur, hauteur});
    FormResize(tableau);
    attacheFenetreAFigure(numero, tableau.fenetre);
    lieFormeTableauDeValeurs(tableau);
    inscritOperationsAnnexe(kAnnexeTableauValeurs, {montreTableau, fermeTableau});
    montreTableau();
    return true;
}

std::string texteDuTableau(const TFenetreDuTableauDeValeurs& t) {
    std::string texte;
    for (const std::vector<std::string>& ligne : t.cellules) {
        for (std::size_t c = 0; c < ligne.size(); ++c) {
            if (c > 0) texte += '\t';
            texte += ligne[c];
        }
        texte += "\r\n";
    }
    return texte;
}

void CopierLeTableauClick(TFenetreDuTableauDeValeurs& t) {
    p::copieTexteDansPressePapiers(t.fenetre, texteDuTableau(t));
}

void UtiliserlavirguleClick(TFenetreDuTableauDeValeurs& t) {
    t.virguleDecimale = !t.virguleDecimale;
    const char ancien = t.virguleDecimale ? '.' : ',';
    const char nouveau = t.virguleDecimale ? ',' : '.';
    for (std::size_t r = 1; r < t.cellules.size(); ++r)
        for (std::string& s : t.cellules[r])
            if (const std::size_t q = s.find(ancien); q != std::string::npos) s[q] = nouveau;
    p::invalideFenetre(t.fenetre);
}

bool FormCloseQuery(TFenetreDuTableauDeValeurs& t) {
    if (TQTableDesVariablesPartagees()->annexeEnFermeture) return true;
    fenetreCommuneFermee(t.fenetre);
    return false;
}

int ligneSousSourisTableau(const TFenetreDuTableauDeValeurs& t, int32_t x, int32_t y) {
    const p::Rectangle& grille = t.cadreGrille;
    if (x < grille.gauche || x >= grille.droite || y < grille.haut || y >= grille.bas) return -1;
    const int rang = (y - grille.haut) / (t.hauteurLigne + kLigneGrille);
    if (rang == 0) return 0;
    const int ligne = t.premiereLigne + rang - 1;
    return ligne <= t.nombreLignes ? ligne : -1;
}

void cliqueTableau(TFenetreDuTableauDeValeurs& t, int32_t x, int32_t y) {
    const p::Point point{x, y};
    if (p::pointDansRectangle(t.cadreCopier, point)) {
        CopierLeTableauClick(t);
        return;
    }
    if (p::pointDansRectangle(t.cadreVirgule, point)) {
        UtiliserlavirguleClick(t);
        return;
    }
    choisitLigneTableau(t, ligneSousSourisTableau(t, x, y));
}

void choisitLigneTableau(TFenetreDuTableauDeValeurs& t, int ligne) {
    if (ligne < 1 || ligne > t.nombreLignes) return;
    t.ligneCourante = ligne;
    montreLigneCourante(t);
    p::invalideFenetre(t.fenetre);
}

void peintTableau(TFenetreDuTableauDeValeurs& t) {
    p::ContexteDessin* dc = p::contexteDeFenetre(t.fenetre);
    if (!dc) return;
    peintMenu(t, *dc);
    const p::Rectangle& grille = t.cadreGrille;
    p::remplitRectangle(*dc, grille, p::kBrosseBlanche);
    p::fixeDecoupe(*dc, grille);
    p::choisitPolice(*dc, p::Police{std::abs(t.hauteurPolice), t.policeGrasse});
    p::choisitStylo(*dc, p::Stylo{p::StyleStylo::Plein, 1, kCouleurTraits});
    p::fixeModeFond(*dc, p::ModeFond::Transparent);
    // The row of names, then the data rows from the first one shown, as far
    // as the grid reaches; the columns likewise from the first one shown.
    const int32_t pasLigne = t.hauteurLigne + kLigneGrille;
    int32_t y = grille.haut;
    for (int rang = 0; y < grille.bas; ++rang, y += pasLigne) {
        const int ligne = rang == 0 ? 0 : t.premiereLigne + rang - 1;
        if (ligne >= int(t.cellules.size())) break;
        const bool choisie = ligne != 0 && ligne == t.ligneCourante;
        const p::Couleur fond = ligne == 0 ? kCouleurFixe : (choisie ? kCouleurSelection : p::kBlanc);
        p::fixeCouleurTexte(*dc, choisie ? p::kBlanc : p::kNoir);
        int32_t x = grille.gauche;
        for (std::size_t c = std::size_t(std::max(0, t.premiereColonne));
             c < t.largeursColonnes.size() && x < grille.droite; ++c) {
            const int32_t largeur = t.largeursColonnes[c];
            p::remplitRectangle(*dc, {x, y, x + largeur, y + t.hauteurLigne}, p::brossePleine(fond));
            p::ecritTexte(*dc, x + kMargeCellule, y + kMargeCellule, t.cellules[std::size_t(ligne)][c]);
            // The lines right of and below the cell.
            p::deplaceVers(*dc, x + largeur, y);
            p::traceVers(*dc, x + largeur, y + t.hauteurLigne);
            p::traceVers(*dc, x - 1, y + t.hauteurLigne);
            x += largeur + kLigneGrille;
        }
    }
    p::retireDecoupe(*dc);
}

int32_t disposeMenuTableau(TFenetreDuTableauDeValeurs& t, int32_t largeurFenetre) {
    // The items leave the top-right corner to the window's close box.
    const int32_t largeur = largeurFenetre - p::kLargeurCaseFermeture - 4;
    const int32_t rang = hauteurRangMenu(t);
    int32_t x = 0, y = 0;
    const auto place = [&](p::Rectangle& cadre, const std::string& legende, bool coche) {
        const int32_t l = largeurItemMenu(legende, coche);
        if (x > 0 && x + kMargeMenu + l > largeur) {
            x = 0;
            y += rang;
        }
        // An item wider than the window is cut at its edge.
        const int32_t droite = std::max(x + kMargeMenu, std::min(x + kMargeMenu + l, largeur - kMargeMenu));
        cadre = {x + kMargeMenu, y + 2, droite, y + rang - 2};
        x += kMargeMenu + l;
    };
    place(t.cadreCopier, t.legendeCopier, false);
    place(t.cadreVirgule, t.legendeVirgule, true);
    t.cadreMenu = {0, 0, largeurFenetre, y + rang};
    return t.cadreMenu.bas;
}

void FormResize(TFenetreDuTableauDeValeurs& t) {
    t.cadreGrille = p::rectangleClient(t.fenetre);
    t.cadreGrille.haut = std::min(disposeMenuTableau(t, t.cadreGrille.largeur()), t.cadreGrille.bas);
    // The row of names stays; the data rows share what is left.
    const int32_t pasLigne = t.hauteurLigne + kLigneGrille;
    t.lignesVisibles = std::max(0, (t.cadreGrille.hauteur() - pasLigne) / pasLigne);
    bornesDefilement(t);
    montreLigneCourante(t);
    p::invalideFenetre(t.fenetre);
}

bool toucheTableau(TFenetreDuTableauDeValeurs& t, uint32_t touche) {
    const int page = std::max(1, t.lignesVisibles);
    int ligne = t.ligneCourante;
    switch (touche) {
    case p::VK_ESCAPE:
        // Escape closes the table as its close box does.
        FormCloseQuery(t);
        return true;
    case p::VK_UP:
        --ligne;
        break;
    case p::VK_DOWN:
        ++ligne;
        break;
    case p::VK_PRIOR:
        ligne -= page;
        break;
    case p::VK_NEXT:
        ligne += page;
        break;
    case p::VK_HOME:
        ligne = 1;
        break;
    case p::VK_END:
        ligne = t.nombreLignes;
        break;
    case p::VK_LEFT:
    case p::VK_RIGHT:
        t.premiereColonne += touche == p::VK_LEFT ? -1 : 1;
        bornesDefilement(t);
        p::invalideFenetre(t.fenetre);
        return true;
    default:
        return false;
    }
    if (t.nombreLignes == 0) return true;
    t.ligneCourante = std::clamp(ligne, 1, t.nombreLignes);
    montreLigneCourante(t);
    p::invalideFenetre(t.fenetre);
    return true;
}

void reinitialiseTableauDeValeurs() {
    fermeTableau();
}

} // namespace km32
