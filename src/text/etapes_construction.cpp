#include "text/etapes_construction.h"

#include "base/texte.h"
#include "model/catalogue.h"
#include "model/expression_erreurs.h"
#include "model/procedures_texte.h"
#include "text/ligne_creation.h"
#include "text/noms_objets.h"
#include "text/operandes_expressions.h"
#include "text/operandes_objets.h"
#include "text/source_phrases.h"

namespace km32 {

namespace {

using namespace construction;

// Kind of object the steps 51..106 that read one object by name want.
uint8_t natureDeEtape(uint8_t etape) {
    switch (etape) {
    case 51:
        return kNaturePoint;
    case 60:
        return kNatureCercle;
    case 61:
        return kNatureArcDeCercle;
    case 62:
        return kNatureRepere;
    case 64:
        return kNatureFonction;
    case 65:
        return kNatureUniteDeLongueur;
    case 68:
        return kNatureTransformation;
    case 70:
        return kNaturePolyedreConvexe;
    case 71:
        return kNatureNombreReel;
    case 96:
        return kNatureSuite;
    case 97:
        return kNatureSphere;
    case 98:
        return kNaturePolygoneConvexe;
    case 102:
        return kNatureFonction2Variables;
    case 103:
        return kNatureFonction3Variables;
    case 104:
        return kNatureCone;
    case 105:
        return kNatureCylindre;
    case 106:
        return kNatureTroncDeCone;
    default:
        return 0;
    }
}

bool estEtapeExpression(uint8_t etape) {
    switch (etape) {
    case 63:
    case 74:
    case 76:
    case 78:
    case 80:
    case 84:
    case 94:
    case 109:
    case 110:
        return true;
    default:
        return false;
    }
}

bool codeDans(uint8_t code, std::initializer_list<int> codes) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

bool estSolide(uint8_t code) {
    return codeDans(code, {150, 172, 174, 175, 176, 181, 188, 197, 201, 211, 212, 213}) ||
           (code >= 249 && code <= 253);
}

uint8_t& operande(TLigneAnalysee& ligne, int k) {
    return parentLigne(ligne, k);
}

void etapeExpression(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t etape, const std::string& argument,
                     uint8_t a, uint8_t b) {
    expressionLigne(ligne, a).texte = argument;
    if (ligne.depuisTexte && ligne.codeConstruction == kReelEgal &&
        enMajuscules(ligne.arguments.substr(0, 3)) == "VEC") {
        ligne.codeConstruction = kVecteurEgal;
        ligne.nouvelObjet.nombreValeurs = 3;
        ligne.nouvelObjet.codeConstruction = kVecteurEgal;
        ligne.nouvelObjet.nature = natureDeConstruction(kVecteurEgal);
        etape = 76;
    }
    if (a > ligne.nombreExpressions) ligne.nombreExpressions = a;
    compileExpressionParametre(f, ligne, typeExpressionDeEtape(etape), a);
    const TAnalyseExpression& x = expressionLigne(ligne, a);
    if (!estRefus(ligne.erreur) && x.drapeauConstante && b > 0)
        valeurLigne(ligne, b) = valeurConstanteExpression(x);
    if (estRefus(ligne.erreur)) return;
    if (etape == 74 && !x.drapeauConstante) {
        nomErreur1() = argument;
        ligne.erreur = kErreurVariableInterdite;
    } else if (etape == 78 && x.drapeauConstante && valeurConstanteExpression(x) < 0) {
        nomErreur1() = argument;
        ligne.erreur = kErreurDistanceNegative;
    }
}

// One letter A-Z or a-z as dummy variable number rang (0 to 2) of slot a.
void etapeVariableMuette(TLigneAnalysee& ligne, const std::string& argument, uint8_t rang, uint8_t a,
                         uint8_t b) {
    if (argument.size() != 1 || !estLettre(argument[0])) {
        nomErreur1() = argument;
        ligne.erreur = kErreurDonneeIncorrecte;
        return;
    }
    const char lettre = argument[0];
    TAnalyseExpression& x = expressionLigne(ligne, a);
    for (int r = 0; r < rang; ++r)
        if (x.nomsVariables[std::size_t(r)] == lettre) {
            nomErreur1() = argument;
            ligne.erreur = kErreurVariablesMemeNom;
            return;
        }
    x.nomsVariables[rang] = lettre;
    if (rang == 0 && b > 0) {
        expressionLigne(ligne, b).nomsVariables[0] = lettre;
        expressionLigne(ligne, b + 1).nomsVariables[0] = lettre;
    }
}

// The frame checks of steps 75 and 67: a line or plane given by its name
// must carry a coordinate system (or stand for one, codes 247 and 255).
void controleRepere(TfigureKalmetra& f, TLigneAnalysee& ligne, const std::string& argument,
                    uint8_t objetNomme, bool parSonNom, uint8_t codeRepere, uint8_t codeDonne,
                    uint16_t refus) {
    if (ligne.erreur >= kPasDeCetteForme || !parSonNom || objetNomme <= kObjetsPredefinis) return;
    const uint8_t code = objet(f, objetNomme).codeConstruction;
    if (code == codeRepere) return;
    nomErreur1() = argument;
    if (code == codeDonne)
        f.ensembleSecondeDirection.set(objetNomme);
    else
        ligne.erreur = refus;
}

} // namespace

void creeObjetDeConstruction(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t etape, std::string argument,
                             uint8_t a, uint8_t b, uint8_t c) {
    if (estRefus(ligne.erreur)) return;
    oteEspacesBouts(argument);
    if (etape > 110) return;
    const uint8_t mode = ligne.modeLecture;
    uint16_t& erreur = ligne.erreur;

    if (etape >= 1 && etape <= 50) {
        nommeObjetConstruit(f, ligne, argument, etape);
        return;
    }
    if (estEtapeExpression(etape)) {
        etapeExpression(f, ligne, etape, argument, a, b);
        return;
    }
    if (const uint8_t nature = natureDeEtape(etape); nature != 0) {
        if (etape == 65) {
            numeroObjetDeNom(f, nature, argument, erreur, ligne.nouvelObjet.uniteLongueur, mode);
            if (erreur < kPasDeCetteForme && f.dialogue)
                f.derniereUniteDialogue = ligne.nouvelObjet.uniteLongueur;
            return;
        }
        litOperandeDeNature(f, ligne, argument, nature, a);
        if (etape == 62 && erreur < kPasDeCetteForme && f.dialogue)
            f.dernierRepereDialogue = operande(ligne, a);
        return;
    }

    switch (etape) {
    case 52:
        litDeuxPoints(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case 53:
        litDeuxPointsDistincts(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case 54:
        litDeuxPointsNonConfondus(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case 89:
    case 90:
        litSegment(f, argument, mode, etape == 90, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case 55:
    case 75:
        litDroite(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        if (etape == 75)
            controleRepere(f, ligne, argument, operande(ligne, a), operande(ligne, b) == 0,
                           kDroiteMunieDuRepere, kDroiteDonnee, kErreurDroiteSansRepere);
        break;
    case 72:
        litAxe(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case 56:
        litTroisPoints(f, argument, mode, operande(ligne, a), operande(ligne, b), operande(ligne, c), erreur);
        break;
    case 57:
        litTroisPointsDistincts(f, argument, mode, operande(ligne, a), operande(ligne, b), operande(ligne, c),
                                erreur);
        break;
    case 58:
        litAngle(f, argument, mode, operande(ligne, a), operande(ligne, b), operande(ligne, c), erreur);
        break;
    case 59:
        litTroisPointsNonAlignes(f, argument, mode, operande(ligne, a), operande(ligne, b),
                                 operande(ligne, c), erreur);
        break;
    case 66:
    case 67:
        litPlanDeRepere(f, argument, mode, operande(ligne, a), operande(ligne, a + 1), operande(ligne, a + 2),
                        erreur);
        if (etape == 67)
            controleRepere(f, ligne, argument, operande(ligne, a), operande(ligne, a + 1) == 0,
                           kPlanMuniDuRepere, kPlanDonne, kErreurPlanSansRepere);
        break;
    case 77:
        etapeVariableMuette(ligne, argument, 0, a, b);
        break;
    case 107:
        etapeVariableMuette(ligne, argument, 1, a, 0);
        break;
    case 108:
        etapeVariableMuette(ligne, argument, 2, a, 0);
        break;
    case 73:
    case 86:
    case 99:
    case 100: {
        numeroObjetDeNomEtGenre(f, argument, mode, erreur, operande(ligne, a));
        if (erreur >= kPasDeCetteForme) break;
        const TObjetFigure& o = objet(f, operande(ligne, a));
        uint16_t refus = 0;
        if (etape == 73 && !(estObjetLibre(o) && codeDans(o.codeConstruction, {3, 6, 7, 44, 45})))
            refus = kErreurPasPilote;
        else if (etape == 86 && !estObjetLibre(o))
            refus = kErreurPasLibre;
        else if (etape == 99 && !estSolide(o.codeConstruction))
            refus = kErreurPasSolide;
        else if (etape == 100 && !estConvexeLimitant(o.codeConstruction))
            refus = kErreurPasConvexe;
        if (refus != 0) {
            nomErreur1() = argument;
            erreur = refus;
        }
        break;
    }
    case 79:
        if (argument == phraseDeSource(2478)) {
            f.uniteAngleDialogue = 1;
            changeDrapeauObjet(ligne.nouvelObjet, kDrapeauAngleEnDegres, true);
        } else if (argument == phraseDeSource(2479)) {
            f.uniteAngleDialogue = 0;
            changeDrapeauObjet(ligne.nouvelObjet, kDrapeauAngleEnDegres, false);
        } else {
            erreur = kErreurUniteAngle;
        }
        break;
    case 88:
        if (argument == phraseDeSource(2519))
            changeDrapeauObjet(ligne.nouvelObjet, kDrapeauBloque, false);
        else if (argument == phraseDeSource(2520))
            changeDrapeauObjet(ligne.nouvelObjet, kDrapeauBloque, true);
        else
            erreur = kErreurAvecSans;
        break;
    case 81:
        litListeObjets(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case 82:
        litListeObjetsOrdonnee(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case 87:
        litListeObjetsLibres(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case 91:
        litListeObjetsTracables(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case 92:
        litListeObjetsDessinables(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case 93:
        litListeCommandes(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case 83: {
        TListeObjets liste{};
        uint8_t nombre = 0;
        litListeObjets(f, argument, mode, liste, nombre, erreur);
        if (estRefus(erreur)) break;
        if (ligne.nombreParents + nombre > kMaxListeObjets) {
            erreur = kStructureSaturee; // the operand list holds 250 objects
            break;
        }
        for (int k = 1; k <= nombre; ++k)
            ajouteParentLigne(ligne, liste[std::size_t(k)]);
        break;
    }
    case 85: {
        uint8_t touche = 0;
        litTouche(argument, touche, erreur);
        if (erreur < kPasDeCetteForme) fixeToucheObjet(ligne.nouvelObjet, touche);
        break;
    }
    case 95:
        if (a + 1 > ligne.nombreExpressions) ligne.nombreExpressions = uint8_t(a + 1);
        litBornes(f, ligne, argument, a, b);
        break;
    case 101:
        ligne.texteAffiche = coupe(argument, 80);
        break;
    default: // 0, 69: the argument is only consumed
        break;
    }
}

} // namespace km32
