#include "text/installation_objet.h"

#include <array>
#include <cassert>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/texte.h"
#include "model/annexes_polygones.h"
#include "model/calcul/calcul_objet.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/fonctions/fonctions.h"
#include "model/index_noms.h"
#include "model/maillages.h"
#include "model/registre_figures.h"
#include "model/objets_figure.h"
#include "text/prototypes_texte.h"
#include "model/solides/polyedres.h"
#include "model/style.h"
#include "text/executeur_construction.h"
#include "text/ligne_creation.h"
#include "text/listes_points.h"
#include "text/noms_objets.h"
#include "text/rangement_lignes.h"

namespace km32 {

namespace {

using namespace construction;

bool estLigneParPaire(int code) {
    return code == kDroite || code == kDemiDroite || code == kSegment;
}

bool prendMaillage(uint8_t code) {
    return code == kGraphe || code == kLieuDeuxPilotes;
}

bool prendEmplacementFonction(uint8_t nature) {
    return nature == kNatureFonction || nature == kNatureSuite || nature == kNatureFonction2Variables ||
           nature == kNatureFonction3Variables;
}

// Everything the line's object needs in the shared tables fits, counting as
// free what the object libere (0 = none) owns and is about to give back.
bool placeSuffisante(const TfigureKalmetra& f, TLigneAnalysee& ligne, int libere) {
    const TObjetFigure& o = ligne.nouvelObjet;
    TObjetFigure rendu;
    if (libere > 0) rendu = objet(f, libere);
    int octets = 0, constantes = 0, octetsRendus = 0, constantesRendues = 0;
    for (int k = 1; k <= o.nombreExpressions; ++k) {
        const TAnalyseExpression& a = expressionLigne(ligne, k);
        octets += a.longueurListe;
        if (!a.drapeauConstante) constantes += a.derniereCaseConstante - (kCasePremiereConstante - 1);
    }
    for (int k = 0; k < rendu.nombreExpressions; ++k) {
        const TExpressionParametre& e = expressionParametre(f, rendu.premiereExpression + k);
        octetsRendus += e.nombreOctets;
        constantesRendues += e.nombreConstantes;
    }
    if (f.valeursUtilisees - rendu.nombreValeurs + o.nombreValeurs > kMaxValeurs) return false;
    if (f.parentsUtilises - rendu.nombreParents + o.nombreParents > kMaxParents) return false;
    if (f.echantillonsUtilises - rendu.nombreEchantillons + o.nombreEchantillons > kMaxEchantillons)
        return false;
    if (f.expressionsUtilisees - rendu.nombreExpressions + o.nombreExpressions > kMaxExpressions)
        return false;
    if (f.octetsOperandesUtilises - octetsRendus + octets > kMaxOctetsOperandes) return false;
    if (f.constantesUtilisees - constantesRendues + constantes > kMaxConstantes) return false;
    if (estConstructionConvexe(o.codeConstruction) && genreDonneesDeNature(o.nature) != 0 &&
        f.tableDesPolyedres) {
        const bool rendSolide =
            rendu.emplacementSolide != 0 && estConstructionConvexe(rendu.codeConstruction);
        const int libres = placesLibresPolyedres(*f.tableDesPolyedres) + (rendSolide ? 1 : 0);
        if (libres == 0) return false;
    }
    // A point free in a polygon takes an extension slot (or the one of the
    // point of the same construction it redefines).
    if (o.codeConstruction == kPointLibreDansPolygone && f.tableAnnexes) {
        const bool rendAnnexe =
            rendu.emplacementSolide != 0 && rendu.codeConstruction == kPointLibreDansPolygone;
        if (!rendAnnexe && placeLibreAnnexe(*f.tableAnnexes) == 0) return false;
    }
    // A surface takes a mesh slot (or the one of the surface it redefines).
    if (prendMaillage(o.codeConstruction) && f.tableMaillages) {
        const bool rendMaillage = rendu.emplacementSolide != 0 && prendMaillage(rendu.codeConstruction);
        if (!rendMaillage && placeLibreMaillage(*f.tableMaillages) == 0) return false;
    }
    if (prendEmplacementFonction(o.nature)) {
        const bool libre = !f.tableDesFonctions || emplacementLibreFonction(*f.tableDesFonctions) != 0;
        if (!libre && !(prendEmplacementFonction(rendu.nature) && rendu.emplacementFonction != 0))
            return false;
    }
    return true;
}

// The placing itself, once placeSuffisante said it fits.
void place(TfigureKalmetra& f, TLigneAnalysee& ligne, std::span<const uint8_t> parentsPlaces) {
    TObjetFigure& o = ligne.nouvelObjet;
    o.emplacementSolide = 0;
    if (estConstructionConvexe(o.codeConstruction) && genreDonneesDeNature(o.nature) != 0)
        o.emplacementSolide = ajouteDonneesPolyedre(f, o.nature);
    else if (o.codeConstruction == kPointLibreDansPolygone)
        o.emplacementSolide = ajouteAnnexe(f, kGenreAnnexePolygone);
    else if (prendMaillage(o.codeConstruction))
        o.emplacementSolide = uint8_t(ajouteMaillage(f, o.codeConstruction));
    o.emplacementFonction = 0;
    if (prendEmplacementFonction(o.nature)) {
        o.emplacementFonction = alloueFonctionPourObjet(f, o.codeConstruction);
        // A function given by values interpolates unless the line said "sans".
        if (TFonction* fonction = fonctionDeEmplacement(f, o.emplacementFonction);
            fonction && fonction->table)
            fonction->table->interpolation = estBloque(o) ? 0 : 1;
    }

    o.premiereValeur = uint16_t(f.valeursUtilisees + 1);
    for (int k = 1; k <= o.nombreValeurs; ++k)
        valeur(f, ++f.valeursUtilisees) = k <= kMaxValeursLigne ? valeurLigne(ligne, k) : 0.0;

    o.premierParent = uint16_t(f.parentsUtilises + 1);
    for (int k = 0; k < o.nombreParents; ++k)
        parent(f, ++f.parentsUtilises) =
            std::size_t(k) < parentsPlaces.size() ? parentsPlaces[std::size_t(k)] : 0;

    if (ligne.codeConstruction == kAffichageTexte) ligne.texteNom = coupe(ligne.texteAffiche, 80);
    std::string nom;
    if (!estLigneParPaire(ligne.codeConstruction))
        nom = ligne.texteNom.empty() ? ligne.nomNouvelObjet
                                     : coupe(ligne.nomNouvelObjet + " " + ligne.texteNom, 80);
    o.longueurNom = uint8_t(nom.size());
    o.debutNom = 0;
    if (!nom.empty()) {
        o.debutNom = uint16_t(f.texteDesNoms.size() + 1);
        f.texteDesNoms += nom;
    }

    if (o.nombreEchantillons > 0) {
        o.premierEchantillon = uint16_t(f.echantillonsUtilises + 1);
        f.echantillonsUtilises = uint16_t(f.echantillonsUtilises + o.nombreEchantillons);
    }

    o.premiereExpression = uint16_t(f.expressionsUtilisees + 1);
    for (int k = 1; k <= o.nombreExpressions; ++k) {
        const int r = ++f.expressionsUtilisees;
        expressionParametre(f, r) = TExpressionParametre{};
        rangeLigneCompilee(f, r, ligne, k);
    }
}

std::span<const uint8_t> parentsDeLigne(const TLigneAnalysee& ligne) {
    return std::span<const uint8_t>(ligne.parents).subspan(1);
}

} // namespace

void initialiseObjetFigure(const TfigureKalmetra&, uint8_t couleur, TObjetFigure& o) {
    o.uniteLongueur = 0;
    o.style = TstyleObjet{};
    o.drapeaux = 0;
    uint16_t phrase = 0;
    caracteristiquesConstruction(o.codeConstruction, o.nombreParents, o.nombreValeurs, phrase, o.nature,
                                 o.nombreExpressions);
    o.nombreEchantillons = 0;
    o.premierEchantillon = 0;
    o.objetLimite = 0;
    o.pointColle = 0;
    o.raison = 0;
    o.emplacementSolide = 0;
    o.emplacementFonction = 0;
    if (estObjetDessinable(o)) {
        const uint8_t n = o.nature;
        const bool courbe = n == kNatureCercle || n == kNatureArcDeCercle || n == kNatureCourbe ||
                            n == kNatureSphere || n == kNatureMaillage;
        o.style.courbe = courbe ? 1 : 0;
        o.style.drapeaux = couleur;
        if (n == kNaturePoint) o.style.drapeaux = uint16_t(o.style.drapeaux + 1024);
        if (n == kNatureCercle || n == kNatureArcDeCercle || n == kNatureSphere || n == kNatureMaillage ||
            (n == kNatureCourbe && o.codeConstruction != kLieuPoint))
            o.style.drapeaux = uint16_t(o.style.drapeaux + 2048);
    }
    if (couleur < 15) {
        TsourcesCouleur sources{o.sourcesCouleur[0], o.sourcesCouleur[1], o.sourcesCouleur[2]};
        couleurDeNumero(o.style, sources, couleur);
        for (int k = 0; k < 3; ++k)
            o.sourcesCouleur[k] = sources[std::size_t(k)];
    }
}

void placeDonneesObjet(TfigureKalmetra& f, TLigneAnalysee& ligne) {
    if (!placeSuffisante(f, ligne, 0)) {
        ligne.erreur = kErreurStructureSaturee;
        return;
    }
    place(f, ligne, parentsDeLigne(ligne));
}

void installeObjetDeLigne(TfigureKalmetra& f, TLigneAnalysee& ligne) {
    ligne.texteNom.clear();
    TObjetFigure& nouveau = ligne.nouvelObjet;

    if (estLigneParPaire(ligne.codeConstruction)) {
        ligne.nomNouvelObjet.clear();
        for (int p = 1; p <= ligne.nombreParents; ++p) {
            if (f.nombreObjets >= kMaxListeObjets || !placeSuffisante(f, ligne, 0)) {
                ligne.erreur = kErreurStructureSaturee;
                return;
            }
            const uint8_t paire[2] = {parentLigne(ligne, 2 * p - 1), parentLigne(ligne, 2 * p)};
            place(f, ligne, paire);
            const int n = ++f.nombreObjets;
            objet(f, n) = nouveau;
            calculeObjet(f, n);
            const std::string notation = nomObjetNotation(f, n);
            if (numeroObjetDeNotation(f, notation) != n) {
                // The same line, half-line or segment exists already: the
                // copy just added goes again.
                oteDonneesObjet(f, n);
                objet(f, n) = TObjetFigure{};
                --f.nombreObjets;
                nomErreur1() = notation;
                ligne.erreur = kErreurCreeDeuxFois;
                return;
            }
        }
        return;
    }

    const int cible = ligne.objetCible;
    // An object number above 250 has no place: refused before anything is placed.
    if (cible < kObjetsPredefinis + 1 || cible > kMaxListeObjets) {
        ligne.erreur = kErreurStructureSaturee;
        return;
    }
    const bool redefinition = cible <= f.nombreObjets;
    if (ligne.nouvelObjet.numeroPrototype == 0) {
        switch (ligne.codeConstruction) {
        case 22:
        case 61:
        case 62:
        case 63:
        case 64:
        case 65:
        case 66:
        case 67:
        case 72:
        case 135:
        case 155:
        case 181:
        case 213:
            nouveau.nombreParents = ligne.nombreParents;
            break;
        default:
            break;
        }
    }
    if (!placeSuffisante(f, ligne, redefinition ? cible : 0)) {
        ligne.erreur = kErreurStructureSaturee;
        return;
    }
    if (redefinition) {
        const TObjetFigure ancien = objet(f, cible);
        if (ancien.codeConstruction == nouveau.codeConstruction && estObjetLibre(ancien)) {
            if (pilotageEnBoucle(ancien)) changeDrapeauObjet(nouveau, kDrapeauOption, true);
            if (estObjetLibreBloque(ancien)) changeDrapeauObjet(nouveau, kDrapeauBloque, true);
        }
        if (ancien.nature == kNaturePoint) ligne.texteNom = coupe(texteEtiquetteObjet(f, cible), 80);
        oteDonneesObjet(f, cible);
        if (protegeSaufRedefinition(ancien))
            nouveau.drapeaux = uint16_t(nouveau.drapeaux | kDrapeauProtege | kDrapeauProtegeSaufRedefinition);
        if (estObjetDessinable(ancien)) {
            nouveau.style = ancien.style;
            for (int k = 0; k < 3; ++k)
                nouveau.sourcesCouleur[k] = ancien.sourcesCouleur[k];
            nouveau.objetLimite = ancien.objetLimite;
        }
    }
    place(f, ligne, parentsDeLigne(ligne));
    if (!redefinition) f.nombreObjets = uint8_t(f.nombreObjets + 1);
    objet(f, cible) = nouveau;
}

namespace {

// Whether command j, which lists object k, still reads back now that k has
// its new definition (the figure writer writes the command as it stands).
// A memorised position keeps one value per free parameter of each object it
// lists, and its reader takes neither an object without free parameters nor
// a point with an integer abscissa; its values follow a new count of free
// parameters (suitRedefinitionDansCommandes), within the 40 values its
// values line holds. A random assignment lists only objects that can be
// drawn at random.
bool commandeRelisibleApresRedefinition(const TfigureKalmetra& f, int j, int k) {
    const TObjetFigure& o = objet(f, j);
    bool liste = false;
    for (int p = 1; p <= o.nombreParents; ++p)
        if (parentObjet(f, j, p) == k) liste = true;
    if (!liste) return true;
    if (o.codeConstruction == kToucheAffectationAleatoire) {
        const TObjetFigure& r = objet(f, k);
        return estObjetLibre(r) && estLibreTirableAuHasard(r.codeConstruction);
    }
    if (o.codeConstruction != kTouchePositionMemorisee) return true;
    int valeurs = 0;
    for (int p = 1; p <= o.nombreParents; ++p) {
        const uint8_t code = objet(f, parentObjet(f, j, p)).codeConstruction;
        const TplaceValeursLibres place = placeValeursLibres(code);
        if (place.nombre == 0 || code == kPointLibreAbscisseEntiere) return false;
        valeurs += place.nombre;
    }
    return valeurs <= kMaxValeursLigne;
}

} // namespace

void verifieRedefinitionCommandes(const TfigureKalmetra& f, int k, uint8_t c, uint16_t& erreur) {
    if (estRefus(erreur)) return;
    // The object as it is now: a prototype result is never free, whatever
    // the code of its construction.
    const bool libreMaintenant = estObjetLibre(objet(f, k));
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets && !estRefus(erreur); ++j) {
        const TObjetFigure& o = objet(f, j);
        const bool pilote =
            o.numeroPrototype == 0 &&
            ((o.codeConstruction == kLieuPoint && o.nombreParents >= 2 && parentObjet(f, j, 2) == k) ||
             (o.codeConstruction == kLieuDeuxPilotes && o.nombreParents >= 2 &&
              (parentObjet(f, j, 1) == k || parentObjet(f, j, 2) == k)));
        if (pilote && !(libreMaintenant && (c == 3 || c == 6 || c == 7 || c == 44 || c == 45))) {
            nomErreur1() = nomObjet(f, k);
            erreur = kErreurPiloteVariable;
            return;
        }
        if (libreMaintenant) {
            if (!commandeRelisibleApresRedefinition(f, j, k)) {
                nomErreur1() = nomObjet(f, k);
                // A random assignment says what its own line says of an
                // object it cannot draw.
                erreur = o.codeConstruction == kToucheAffectationAleatoire ? kErreurAffectationAleatoire
                                                                           : kErreurDoitResterLibre;
                return;
            }
        } else {
            bool utilise = false;
            if (o.codeConstruction == kToucheAffectation) {
                const int n = (o.nombreParents + o.nombreExpressions) / 2;
                for (int p = 1; p <= n && p <= o.nombreParents; ++p)
                    if (parentObjet(f, j, p) == k) utilise = true;
            } else if (o.codeConstruction == kTouchePositionMemorisee ||
                       o.codeConstruction == kToucheAffectationAleatoire) {
                utilise = ensembleDesAntecedents(f, j).test(std::size_t(k));
            } else if (o.codeConstruction == kToucheSelectionPilotage) {
                utilise = o.nombreParents >= 1 && parentObjet(f, j, 1) == k;
            }
            if (utilise) {
                nomErreur1() = nomObjet(f, k);
                erreur = kErreurDoitResterLibre;
                return;
            }
        }
        if (o.codeConstruction == kToucheIteration) {
            const int n = o.premierEchantillon;
            const int m = (o.nombreParents - n) / 2;
            TEnsembleObjets reproduitsOuRemplaces, antecedentsReproduits;
            for (int p = 1; p <= n + m && p <= o.nombreParents; ++p)
                reproduitsOuRemplaces.set(parentObjet(f, j, p));
            bool incompatible = false;
            for (int p = 1; p <= n && p <= o.nombreParents; ++p) {
                const TEnsembleObjets a = ensembleDesAntecedents(f, parentObjet(f, j, p));
                antecedentsReproduits |= a;
                if ((a & reproduitsOuRemplaces).none()) incompatible = true;
            }
            for (int p = n + 1; p <= n + m && p <= o.nombreParents; ++p)
                if (!antecedentsReproduits.test(parentObjet(f, j, p))) incompatible = true;
            if (incompatible) {
                nomErreur1() = nomObjet(f, k);
                nomErreur2() = nomObjet(f, j);
                erreur = kErreurIterationIncompatible;
                return;
            }
        }
    }
}

bool suitRedefinitionDansCommandes(TfigureKalmetra& f, int k) {
    for (int j = kObjetsPredefinis + 1; j <= f.nombreObjets; ++j) {
        const TObjetFigure& o = objet(f, j);
        if (o.codeConstruction != kTouchePositionMemorisee) continue;
        // The values the command holds for the other objects it lists keep
        // their places; those of k are k's free parameters as they are now.
        int autres = 0, fois = 0;
        for (int p = 1; p <= o.nombreParents; ++p) {
            const int q = parentObjet(f, j, p);
            if (q == k)
                ++fois;
            else
                autres += placeValeursLibres(objet(f, q).codeConstruction).nombre;
        }
        if (fois == 0) continue;
        const TplaceValeursLibres nouvelle = placeValeursLibres(objet(f, k).codeConstruction);
        const int ancienne = (o.nombreValeurs - autres) / fois;
        std::vector<double> valeurs;
        int lue = 1;
        for (int p = 1; p <= o.nombreParents; ++p) {
            const int q = parentObjet(f, j, p);
            if (q == k) {
                for (int r = 0; r < nouvelle.nombre; ++r)
                    valeurs.push_back(valeurDepuisZero(f, k, nouvelle.decalages[r]));
                lue += ancienne;
            } else {
                for (int r = 0; r < placeValeursLibres(objet(f, q).codeConstruction).nombre; ++r)
                    valeurs.push_back(lue <= o.nombreValeurs ? valeurObjet(f, j, lue) : 0.0), ++lue;
            }
        }
        if (!remplaceValeursObjet(f, j, valeurs)) return false;
    }
    return true;
}

// Prototype results count too when their prototype needs the line or the
// plane given to it with its coordinate system.
void verifieRedefinitionDroiteReperee(const TfigureKalmetra& f, int k, uint8_t c, uint16_t& erreur) {
    if (estRefus(erreur) || objet(f, k).nature != kNatureDroite || c == kDroiteMunieDuRepere) return;
    for (int j = k + 1; j <= f.nombreObjets; ++j) {
        const TObjetFigure& o = objet(f, j);
        const bool utilise =
            ((o.codeConstruction == 1 || o.codeConstruction == 8) && o.nombreParents >= 1 &&
             parentObjet(f, j, 1) == k) ||
            (o.codeConstruction == 49 && o.nombreParents >= 2 && parentObjet(f, j, 2) == k) ||
            prototypeExigeRepere(f, j, k, kNatureDroite);
        if (utilise) {
            nomErreur1() = nomObjet(f, k);
            nomErreur2() = nomObjet(f, j);
            erreur = kErreurDroiteAvecRepere;
            return;
        }
    }
}

void verifieRedefinitionPlanRepere(const TfigureKalmetra& f, int k, uint8_t c, uint16_t& erreur) {
    if (estRefus(erreur) || objet(f, k).nature != kNaturePlan || c == kPlanMuniDuRepere) return;
    for (int j = k + 1; j <= f.nombreObjets; ++j) {
        const TObjetFigure& o = objet(f, j);
        if ((o.codeConstruction == kPointCoordonneesPlan && o.nombreParents >= 1 &&
             parentObjet(f, j, 1) == k) ||
            prototypeExigeRepere(f, j, k, kNaturePlan)) {
            nomErreur1() = nomObjet(f, k);
            nomErreur2() = nomObjet(f, j);
            erreur = kErreurPlanAvecRepere;
            return;
        }
    }
}

namespace {

// The first n characters of the stored text of parameter expression k of
// object i.
std::string debutExpression(const TfigureKalmetra& f, int i, int k, std::size_t n) {
    if (k > objet(f, i).nombreExpressions) return {};
    const TExpressionParametre& e = expressionParametre(f, numeroExpressionObjet(f, i, k));
    if (e.longueurTexte == 0 || e.debutTexte < 1 || e.debutTexte > f.texteDesFormules.size()) return {};
    return f.texteDesFormules.substr(std::size_t(e.debutTexte - 1),
                                     std::min<std::size_t>(n, e.longueurTexte));
}

// The dummy-variable letters of a definition: x, y and z for a plane by
// equation; the letters its line gave for a parametric curve (kept at the
// head of its fourth expression) and for the functions of 1, 2 and 3
// variables (at the head of the first); none for any other object.
std::string variablesMuettes(const TfigureKalmetra& f, int i) {
    switch (objet(f, i).codeConstruction) {
    case kPlanEquation:
        return "xyz";
    case kCourbeParametree:
        return debutExpression(f, i, 4, 1);
    case 54:
        return debutExpression(f, i, 1, 1);
    case 216:
        return debutExpression(f, i, 1, 2);
    case 217:
        return debutExpression(f, i, 1, 3);
    default:
        return {};
    }
}

// The dummy variable of object i that is also the name of one of its
// antecedents (a definition would then read one name in two senses; a
// rename must not make it so either), or X, Y or Z among the letters of a
// parametric curve; empty when there is none.
std::string variableMuetteFautive(const TfigureKalmetra& f, int i) {
    const std::string lettres = variablesMuettes(f, i);
    if (lettres.empty()) return {};
    if (objet(f, i).codeConstruction == kCourbeParametree) {
        std::string fautive;
        for (char c : lettres)
            if (c == 'X' || c == 'Y' || c == 'Z') fautive = std::string(1, c);
        if (!fautive.empty()) return fautive;
    }
    for (uint8_t a : listeDesAntecedents(f, i)) {
        std::string n = nomObjet(f, a);
        if (n.size() == 1 && lettres.find(n[0]) != std::string::npos) return n;
    }
    return {};
}

// The syntax of the name of an object as the check of the names reads it:
// a vector's without its vec( ), cut to 10 characters.
uint16_t erreurDeSyntaxe(uint8_t nature, const std::string& nom, const std::string& notation,
                         std::string& lu) {
    uint16_t erreur = 0;
    lu = nature == kNatureVecteur ? coupe(notation, 10) : coupe(nom, 10);
    if (nature == kNatureVecteur) oteVecDuNom(lu, erreur);
    controleNomObjet(nature, lu, erreur);
    return erreur;
}

// The check of the names object by object, which finds the first error
// and says it.
uint16_t verifieNomsUnParUn(const TfigureKalmetra& f) {
    uint16_t erreur = 0;
    // The names of the objects before the one being checked: a name met
    // again is a second object of that name. (One pass with a set, not a
    // comparison of every pair: this runs after every line.)
    std::vector<std::string> noms(std::size_t(f.nombreObjets) + 1);
    for (int j = 1; j <= f.nombreObjets; ++j)
        if (!estLigneParPaire(objet(f, j).codeConstruction)) noms[std::size_t(j)] = nomObjet(f, j);
    std::unordered_set<std::string_view> vus;
    vus.reserve(std::size_t(f.nombreObjets) * 2);
    for (int j = 1; j <= kObjetsPredefinis && j <= f.nombreObjets; ++j)
        if (!estLigneParPaire(objet(f, j).codeConstruction)) vus.insert(noms[std::size_t(j)]);
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets && erreur == 0; ++i) {
        const TObjetFigure& o = objet(f, i);
        if (estLigneParPaire(o.codeConstruction)) continue;
        std::string nom;
        erreur = erreurDeSyntaxe(o.nature, noms[std::size_t(i)], nomObjetOuVecteur(f, i), nom);
        if (erreur != 0) {
            nomErreur1() = nom;
            break;
        }
        if (o.nature == kNatureSuite) {
            for (int j = 1; j <= f.nombreObjets && erreur == 0; ++j) {
                if (j == i || estLigneParPaire(objet(f, j).codeConstruction)) continue;
                const std::string& autre = noms[std::size_t(j)];
                if (autre.size() > 1 && autre[0] == nom[0]) {
                    nomErreur1() = nom;
                    nomErreur2() = autre;
                    erreur = kErreurPrefixeDeSuite;
                }
            }
        }
        if (erreur == 0) {
            const std::string fautive = variableMuetteFautive(f, i);
            if (!fautive.empty()) {
                nomErreur1() = fautive;
                nomErreur2() = nom;
                erreur = kErreurVariableMuetteNommee;
            }
        }
        if (erreur == 0 && !estLigneParPaire(o.codeConstruction)) {
            if (!vus.insert(noms[std::size_t(i)]).second) {
                nomErreur1() = noms[std::size_t(i)];
                erreur = kErreurObjetExisteDeja;
            }
        }
    }
    if (erreur != 0) afficheErreurDeNumero(erreur);
    return erreur;
}

// Whether verifieNomsUnParUn finds nothing, read from the index of names:
// the duplicates and the initials of long names are counted there, and the
// syntax of a name is checked again only when its entry changed. This runs
// after every line, so it must not cost a pass over every name. It says
// nothing and leaves the error names as they were.
bool nomsSansFaute(const TfigureKalmetra& f) {
    const IndexNoms* index = indexNomsAJour(f);
    if (index == nullptr || index->nomsEnDouble != 0) return false;
    // Per object, the version of its index entry whose syntax was found good.
    static std::array<uint64_t, std::size_t(kMaxObjets) + 1> syntaxeBonne{};
    const std::string erreur1 = nomErreur1(), erreur2 = nomErreur2();
    bool bon = true;
    std::string lu;
    for (int i = kObjetsPredefinis + 1; i <= f.nombreObjets && bon; ++i) {
        const EntreeIndexNoms& e = index->entrees[std::size_t(i)];
        if (e.parPaire) continue;
        if (syntaxeBonne[std::size_t(i)] != e.version) {
            bon = erreurDeSyntaxe(e.nature, e.nom, e.notation, lu) == 0;
            if (bon) syntaxeBonne[std::size_t(i)] = e.version;
        }
        // A sequence is named by one letter, which no other name may begin.
        bon = bon && !(e.nature == kNatureSuite &&
                       index->nomsLongsParInitiale[static_cast<unsigned char>(e.nom[0])] > 0);
        bon = bon && variableMuetteFautive(f, i).empty();
    }
    nomErreur1() = erreur1;
    nomErreur2() = erreur2;
    return bon;
}

// Why the new name of a built-in object of the nature could not be read
// back, 0 when it can. Its default names (ox, oxy, Rxyz) already break the
// syntax of user names, so a built-in takes any name the lines can read:
// the lookups compare a name whole, but an expression takes at most four
// characters as a name and stops at any character other than a letter, a
// digit or a prime, and the lists and the line patterns cut at blanks,
// commas, colons, semicolons and brackets. The time, the origin and the
// unit vectors are read inside expressions, where a function word such as
// pi or sin would win over them.
uint16_t erreurNomIntegreIllisible(uint8_t nature, std::string_view nom) {
    const bool dansLesExpressions =
        nature == kNaturePoint || nature == kNatureNombreReel || nature == kNatureVecteur;
    // The frame, the unit, the axes and the planes are looked up by their
    // whole name, up to the 10 characters a rename keeps.
    if (nom.empty() || nom.size() > (dansLesExpressions ? 4u : 10u)) return kErreurNomTropLong;
    if (!estLettre(nom[0])) return kErreurPremiereLettre;
    constexpr uint16_t kErreurParPlace[] = {kErreurDeuxiemeCaractere, kErreurTroisiemeCaractere,
                                            kErreurQuatriemeCaractere};
    for (std::size_t p = 1; p < nom.size(); ++p)
        if (!estLettre(nom[p]) && !estSuiteDeNom(nom[p]))
            return p <= 3 ? kErreurParPlace[p - 1] : kErreurCaractereApresQuatrieme;
    if (dansLesExpressions && contientMotReserve(nom)) return kErreurMotReserve;
    return 0;
}

} // namespace

uint16_t verifieNomObjetIntegre(const TfigureKalmetra& f, int i) {
    const TObjetFigure& o = objet(f, i);
    const std::string nom = nomObjet(f, i);
    uint16_t erreur = 0;
    for (int j = 1; erreur == 0 && j <= f.nombreObjets; ++j)
        if (j != i && !estLigneParPaire(objet(f, j).codeConstruction) && nomObjet(f, j) == nom)
            erreur = kErreurObjetExisteDeja;
    if (erreur == 0 && nom != nomObjetIntegreParDefaut(i)) erreur = erreurNomIntegreIllisible(o.nature, nom);
    if (erreur != 0) nomErreur1() = nom;
    return erreur;
}

uint16_t verifieNomsFigure(const TfigureKalmetra& f) {
    if (nomsSansFaute(f)) {
        assert(verifieNomsUnParUn(f) == 0);
        return 0;
    }
    return verifieNomsUnParUn(f);
}

} // namespace km32
