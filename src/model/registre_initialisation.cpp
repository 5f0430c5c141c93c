// The defaults of a new figure record and the reset that brings a figure back
// to an empty construction with its built-in objects.
#include <numbers>

#include "model/objets_figure.h"
#include "model/registre_figures.h"
#include "model/registre_tables_annexes.h"
#include "model/services_dessin.h"
#include "model/services_hote.h"
#include "sibling/table_partagee.h"

namespace km32 {

namespace {

constexpr double degres(double d) {
    return d * std::numbers::pi / 180.0;
}

// The settings of a reset (everything but the owned tables, the view and the objects).
void reinitialiseReglages(TfigureKalmetra& f) {
    f.modifiee = 0;
    f.cadrageInterdit = 0;
    f.traitsEpais = 0;
    f.defautObjetsNonValides = TQTableDesVariablesPartagees()->objetsInvalidesDefaut;
    f.projectionOblique = 0;
    f.parametresOblique[0] = -0.3;
    f.parametresOblique[1] = -0.3;
    f.minuteriesCommandesActives = 0;
    f.modeTrace = 0;
    f.modeTraceALaDemande = 0;
    f.ensembleTrace.reset();
    f.ensembleDessin.reset();
    f.intervalleHorloge = 100;
    f.filDeFer = 0;
    f.partiesCacheesPointillees = 0;
    f.reglagePlanIsole = 0; // no isolated plane
    f.aucunPlanIsole = 1;
    f.uniteLongueurParDefaut = 2; // Uxyz
    f.repereParDefaut = 1;        // Rxyz
    f.anglesEnDegresParDefaut = 0;
    // The dialog state.
    f.commandeDialogue = 0;
    f.commandeDialoguePrecedente = 0;
    f.objetDialogue = 0;
    f.derniereUniteDialogue = f.dernierRepereDialogue = f.uniteAngleDialogue = 0;
    f.octetDialogue = 0;
    // The remaining bytes the drawing and host subsystems keep; the byte
    // after the text version is 1.
    f.octetVersion = 1;
    f.octetsFenetre[0] = f.octetsFenetre[1] = 0;
    f.octetFenetre = 0;
    f.octetAffichage = 0;
    f.polyedresAPreparer = 0;
    f.octetAffichage4 = 0;
    f.octetTrace = 0;
    f.octetZoneAffichages = 0;
    f.drapeauxVue = 0;
    for (auto& e : f.plansEnregistres)
        e = TplanEnregistre{};
    f.planIsoleNonDefini = 0;
    f.planIsoleChange = 0;
    f.octetDessinHote = 0;
    for (auto& o : f.octetsDessinHote)
        o = 0;
    for (auto& o : f.octetsHote)
        o = 0;
    for (auto& o : f.octetsHoteFin)
        o = 0;
    for (auto& o : f.blocHote)
        o = 0;
    f.octetFin = 0;
    // Menus and commands: every command allowed, nothing greyed or pending.
    f.commandesAutorisees.set();
    f.commandesAutorisees.reset(0);
    f.commandesGrisees.reset();
    f.derniereCommande = 0;
    f.commandeDesignation = 0;
    f.commandeCourante = 0;
    f.modeCommande = 0;
    f.couleurCourante = 0;
    f.styleChoisi = 0;
    f.objetARedefinir = 0;
    f.touchesInterdites.reset();
    f.modePasAPas = 0;
    f.imageLimitee = 0;
    f.boiteValeurDemandee = 0;
    f.boiteValeurAffichee = 0;
    f.boiteValeurPas = 0;
    f.texteBoiteValeur.clear();
    f.rectangleBoiteValeur = {};
}

void reinitialiseVue(TfigureKalmetra& f) {
    f.etendueVue = 10.0;
    f.uniteSurPetiteDimension = 0.1;
    f.anglesVue[0] = degres(-20);
    f.anglesVue[1] = degres(25);
    f.anglesVue[2] = 0;
    f.pasClavier = 5.0;
    f.fractionsCentre[0] = 0.5;
    f.fractionsCentre[1] = 0.5;
    calculeProjection(f);
    for (int k = 0; k < 3; ++k)
        f.anglesVueInitiale[k] = f.anglesVue[k];
}

} // namespace

void reinitialiseFigure(TfigureKalmetra& f) {
    f.versionTexte = 1;
    f.echantillons.reset(); // made again by the first sample written
    creeTableAnnexes(f.tableAnnexes);
    creeTableDesPolyedres(f.tableDesPolyedres);
    f.etatGlisser.reset();
    f.texteCommentaire.reset();
    f.dialogue.reset();
    libereTamponFigure(f);
    if (f.variablesPartagees) desinscritVariablesPartagees(f);
    creeTableMaillages(f.tableMaillages);
    creeTableDesFonctions(f.tableDesFonctions);
    libereTableDesPrototypes(f); // created on first use

    reinitialiseReglages(f);
    reinitialiseVue(f);
    installeObjetsIntegres(f);

    f.nomsPointsAffiches = 1;
    f.nomFigure.clear();
    // The counters of what user objects fill. The expression constants and
    // the formula text are emptied with them: their old contents belong to no
    // object any more, and kept they would grow with every reset.
    f.expressionsUtilisees = 0;
    f.echantillonsUtilises = 0;
    f.octetsOperandesUtilises = 0;
    f.parentsUtilises = 0;
    f.constantesUtilisees = 0;
    f.texteDesFormules.clear();
    f.entierDessin = -1;
    for (auto& m : f.masquesDessin)
        m = ~0u;
    f.objetLibreActif = 0;
    f.dernierLibreBouge = 0;
    f.causeDernierMouvement = 0;
    f.hauteurZoneAffichages = 0;
    f.cadreImage[0] = 0.1;
    f.cadreImage[1] = 0.1;
    f.cadreImage[2] = 0.9;
    f.cadreImage[3] = 0.9;
    f.importationActive = 0;
    f.entiersVue[0] = 1;
    f.entiersVue[1] = 1;
    f.changementVuePermis = 1;
    f.ensembleDesigne.reset();
    f.ensembleSecondeDirection.reset();
    f.ensembleParametresLibres.reset();
    f.ensembleTablesValeurs.reset();
    f.grosCaracteres = 0;
    f.lignesDifferees.reset();
    f.exportationRotations = 0;
    f.exportationPermise = 1;
    f.importationRotations = 0;
    f.prototypeHorsMenu = 0;
    f.reglageCouleurFond = 0;
    f.drapeauCouleurFond = 0;
    // The settings a text gives by lines of their own: a text read into the
    // figure again (an undo, a replacing text) that has no such line leaves
    // them at their defaults, as a new figure has them.
    f.octetImpression = 0;
    f.texteImpression = "CF";
    f.valeurImpression = 0;
    f.octetCopie = 0;
    f.texteCopie = "CF";
    f.valeurCopie = 0;
    f.planDeFaceMaintenu = 0;
    f.reglageNonValidesEcrit = 0;
    for (TplanEnregistre& p : f.plansEnregistres)
        p = TplanEnregistre{};
}

void initialiseFigure(TfigureKalmetra& f) {
    f.largeurImage = TfigureKalmetra::kLargeurImageNeuve;
    f.hauteurImage = TfigureKalmetra::kHauteurImageNeuve;

    // No owned table or text yet.
    if (f.variablesPartagees) desinscritVariablesPartagees(f);
    f.echantillons.reset();
    f.tableAnnexes.reset();
    f.tableDesPrototypes.reset();
    f.tableDesPolyedres.reset();
    f.tableElementsSolides.reset();
    f.blocDessin.reset();
    f.tableDesFonctions.reset();
    f.tableTraces.reset();
    f.etatGlisser.reset();
    f.dialogue.reset();
    f.tampon.reset();
    f.texteCommentaire.reset();
    f.historiqueVues.reset();
    f.variablesPartagees.reset();
    f.tableMaillages.reset();

    f.couleurFond = 0xFFFFFF;
    f.horlogeEnMarche = 0;
    f.texteInitialEchoue = 0;
    f.titreFenetre.clear();
    f.proprietairePrototypes = &f;
    f.modeRequete = 0;
    f.texteEnAttente.reset();
    f.texteDesNoms.clear();
    f.texteDesFormules.clear();
    f.imageFond.reset();
    f.objetFenetre.reset();
    f.entierHote = 0;

    // The print and copy settings take their defaults in the reset below.
    f.tourneVersPlanIsole = 1;
    f.menuContextuelConstruit = 0;

    reinitialiseFigure(f);
}

void initialiseFigureNeuve(TfigureKalmetra& f) {
    initialiseFigure(f);
    creeTableElementsSolides(f.tableElementsSolides);
    creeBlocDessin(f.blocDessin);
}

} // namespace km32
