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
uint8_t natureDeEtape(Etape etape) {
    switch (etape) {
    case Etape::Point:
        return kNaturePoint;
    case Etape::Cercle:
        return kNatureCercle;
    case Etape::ArcDeCercle:
        return kNatureArcDeCercle;
    case Etape::Repere:
        return kNatureRepere;
    case Etape::Fonction:
        return kNatureFonction;
    case Etape::UniteDeLongueur:
        return kNatureUniteDeLongueur;
    case Etape::Transformation:
        return kNatureTransformation;
    case Etape::PolyedreConvexe:
        return kNaturePolyedreConvexe;
    case Etape::NombreReel:
        return kNatureNombreReel;
    case Etape::Suite:
        return kNatureSuite;
    case Etape::Sphere:
        return kNatureSphere;
    case Etape::PolygoneConvexe:
        return kNaturePolygoneConvexe;
    case Etape::Fonction2Variables:
        return kNatureFonction2Variables;
    case Etape::Fonction3Variables:
        return kNatureFonction3Variables;
    case Etape::Cone:
        return kNatureCone;
    case Etape::Cylindre:
        return kNatureCylindre;
    case Etape::TroncDeCone:
        return kNatureTroncDeCone;
    default:
        return 0;
    }
}

bool estEtapeExpression(Etape etape) {
    switch (etape) {
    case Etape::Expression:
    case Etape::ExpressionConstante:
    case Etape::ExpressionVecteur:
    case Etape::ExpressionDistance:
    case Etape::ExpressionFonction:
    case Etape::ExpressionRelation:
    case Etape::ExpressionNombre:
    case Etape::ExpressionFonction2Variables:
    case Etape::ExpressionFonction3Variables:
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

uint8_t& operande(TLigneAnalysee& ligne, int k) {
    return parentLigne(ligne, k);
}

void etapeExpression(TfigureKalmetra& f, TLigneAnalysee& ligne, Etape etape, const std::string& argument,
                     uint8_t a, uint8_t b) {
    expressionLigne(ligne, a).texte = argument;
    // "x = vec(...)" read from a text is a vector. A line that uses a
    // prototype whose result is a number so defined is not: its expressions
    // are its given objects, each read as its own kind.
    if (ligne.depuisTexte && ligne.codeConstruction == kReelEgal && ligne.nouvelObjet.numeroPrototype == 0 &&
        enMajuscules(ligne.arguments.substr(0, 3)) == "VEC") {
        ligne.codeConstruction = kVecteurEgal;
        ligne.nouvelObjet.nombreValeurs = 3;
        ligne.nouvelObjet.codeConstruction = kVecteurEgal;
        ligne.nouvelObjet.nature = natureDeConstruction(kVecteurEgal);
        etape = Etape::ExpressionVecteur;
    }
    if (a > ligne.nombreExpressions) ligne.nombreExpressions = a;
    compileExpressionParametre(f, ligne, typeExpressionDeEtape(etape), a);
    const TAnalyseExpression& x = expressionLigne(ligne, a);
    if (!estRefus(ligne.erreur) && x.drapeauConstante && b > 0)
        valeurLigne(ligne, b) = valeurConstanteExpression(x);
    if (estRefus(ligne.erreur)) return;
    if (etape == Etape::ExpressionConstante && !x.drapeauConstante) {
        nomErreur1() = argument;
        ligne.erreur = kErreurVariableInterdite;
    } else if (etape == Etape::ExpressionDistance && x.drapeauConstante && valeurConstanteExpression(x) < 0) {
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

void creeObjetDeConstruction(TfigureKalmetra& f, TLigneAnalysee& ligne, uint8_t numero, std::string argument,
                             uint8_t a, uint8_t b, uint8_t c) {
    if (estRefus(ligne.erreur)) return;
    oteEspacesBouts(argument);
    if (numero > uint8_t(Etape::ExpressionFonction3Variables)) return;
    const uint8_t mode = ligne.modeLecture;
    uint16_t& erreur = ligne.erreur;

    if (numero >= 1 && numero < uint8_t(Etape::Point)) { // the step is the kind of the new object
        nommeObjetConstruit(f, ligne, argument, numero);
        return;
    }
    const Etape etape = Etape(numero);
    if (estEtapeExpression(etape)) {
        etapeExpression(f, ligne, etape, argument, a, b);
        return;
    }
    if (const uint8_t nature = natureDeEtape(etape); nature != 0) {
        if (etape == Etape::UniteDeLongueur) {
            numeroObjetDeNom(f, nature, argument, erreur, ligne.nouvelObjet.uniteLongueur, mode);
            if (erreur < kPasDeCetteForme && f.dialogue)
                f.derniereUniteDialogue = ligne.nouvelObjet.uniteLongueur;
            return;
        }
        litOperandeDeNature(f, ligne, argument, nature, a);
        if (etape == Etape::Repere && erreur < kPasDeCetteForme && f.dialogue)
            f.dernierRepereDialogue = operande(ligne, a);
        return;
    }

    switch (etape) {
    case Etape::DeuxPoints:
        litDeuxPoints(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case Etape::DeuxPointsDistincts:
        litDeuxPointsDistincts(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case Etape::DeuxPointsNonConfondus:
        litDeuxPointsNonConfondus(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case Etape::Segment:
    case Etape::SegmentNonDegenere:
        litSegment(f, argument, mode, etape == Etape::SegmentNonDegenere, operande(ligne, a),
                   operande(ligne, b), erreur);
        break;
    case Etape::Droite:
    case Etape::DroiteMunieDUnRepere:
        litDroite(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        if (etape == Etape::DroiteMunieDUnRepere)
            controleRepere(f, ligne, argument, operande(ligne, a), operande(ligne, b) == 0,
                           kDroiteMunieDuRepere, kDroiteDonnee, kErreurDroiteSansRepere);
        break;
    case Etape::Axe:
        litAxe(f, argument, mode, operande(ligne, a), operande(ligne, b), erreur);
        break;
    case Etape::TroisPoints:
        litTroisPoints(f, argument, mode, operande(ligne, a), operande(ligne, b), operande(ligne, c), erreur);
        break;
    case Etape::TroisPointsDistincts:
        litTroisPointsDistincts(f, argument, mode, operande(ligne, a), operande(ligne, b), operande(ligne, c),
                                erreur);
        break;
    case Etape::Angle:
        litAngle(f, argument, mode, operande(ligne, a), operande(ligne, b), operande(ligne, c), erreur);
        break;
    case Etape::TroisPointsNonAlignes:
        litTroisPointsNonAlignes(f, argument, mode, operande(ligne, a), operande(ligne, b),
                                 operande(ligne, c), erreur);
        break;
    case Etape::Plan:
    case Etape::PlanMuniDUnRepere:
        litPlanDeRepere(f, argument, mode, operande(ligne, a), operande(ligne, a + 1), operande(ligne, a + 2),
                        erreur);
        if (etape == Etape::PlanMuniDUnRepere)
            controleRepere(f, ligne, argument, operande(ligne, a), operande(ligne, a + 1) == 0,
                           kPlanMuniDuRepere, kPlanDonne, kErreurPlanSansRepere);
        break;
    case Etape::VariableMuette:
        etapeVariableMuette(ligne, argument, 0, a, b);
        break;
    case Etape::DeuxiemeVariableMuette:
        etapeVariableMuette(ligne, argument, 1, a, 0);
        break;
    case Etape::TroisiemeVariableMuette:
        etapeVariableMuette(ligne, argument, 2, a, 0);
        break;
    case Etape::Pilote:
    case Etape::ObjetPiloteAuClavier:
    case Etape::Solide:
    case Etape::ObjetConvexe: {
        numeroObjetDeNomEtGenre(f, argument, mode, erreur, operande(ligne, a));
        if (erreur >= kPasDeCetteForme) break;
        const TObjetFigure& o = objet(f, operande(ligne, a));
        uint16_t refus = 0;
        if (etape == Etape::Pilote &&
            !(estObjetLibre(o) &&
              codeDans(o.codeConstruction, {kPointLibreSurSegment, kPointLibreSurCercle, kPointLibreSurArc,
                                            kEntierLibreIntervalle, kReelLibreIntervalle})))
            refus = kErreurPasPilote;
        else if (etape == Etape::ObjetPiloteAuClavier && !estObjetLibre(o))
            refus = kErreurPasLibre;
        else if (etape == Etape::Solide && !estConstructionSolide(o.codeConstruction))
            refus = kErreurPasSolide;
        else if (etape == Etape::ObjetConvexe && !estConvexeLimitant(o.codeConstruction))
            refus = kErreurPasConvexe;
        if (refus != 0) {
            nomErreur1() = argument;
            erreur = refus;
        }
        break;
    }
    case Etape::UniteAngle:
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
    case Etape::AvecOuSans:
        if (argument == phraseDeSource(2519))
            changeDrapeauObjet(ligne.nouvelObjet, kDrapeauBloque, false);
        else if (argument == phraseDeSource(2520))
            changeDrapeauObjet(ligne.nouvelObjet, kDrapeauBloque, true);
        else
            erreur = kErreurAvecSans;
        break;
    case Etape::ListeObjets:
        litListeObjets(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case Etape::ListeObjetsOrdonnee:
        litListeObjetsOrdonnee(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case Etape::ListeObjetsLibres:
        litListeObjetsLibres(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case Etape::ListeObjetsTracables:
        litListeObjetsTracables(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case Etape::ListeObjetsDessinables:
        litListeObjetsDessinables(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case Etape::ListeCommandes:
        litListeCommandes(f, argument, mode, ligne.parents, ligne.nombreParents, erreur);
        break;
    case Etape::ListeObjetsAjoutee: {
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
    case Etape::Touche: {
        uint8_t touche = 0;
        litTouche(argument, touche, erreur);
        if (erreur < kPasDeCetteForme) fixeToucheObjet(ligne.nouvelObjet, touche);
        break;
    }
    case Etape::Intervalle:
        if (a + 1 > ligne.nombreExpressions) ligne.nombreExpressions = uint8_t(a + 1);
        litBornes(f, ligne, argument, a, b);
        break;
    case Etape::TexteAffichage:
        ligne.texteAffiche = coupe(demasqueOctets255(argument), 80);
        break;
    default: // Etape::Aucune, Etape::SansEffet: the argument is only consumed
        break;
    }
}

} // namespace km32
