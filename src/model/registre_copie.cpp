// Deep copy of a figure record (copieFigure). The copy is a figure of its
// own: it never shares an owned pointer with its source. Field by field:
// - cloned: every counter, value, parent, operand, expression record and
//   object, the view and every setting, the texts of names and formulas and
//   the other plain texts, the samples in use, and the side tables (extension,
//   polyhedra and mesh tables always exist in the copy; the function and
//   prototype tables when the source has them), each by its module's copy,
//   and the state of the host's lines (their flag and the objects they
//   changed, still to be computed);
// - cleared (null in the copy): what belongs to the live window and session
//   of the source: drawing data, display list, traces, drag state, view
//   history, dialog record, shared-variable registration, background picture
//   and window object, the host's buffer, the pending text, and the comment
//   and deferred-lines texts of the text runner;
// - kept as non-owning links: the window handles, the device context and the
//   owner of the prototype table (an owner that is the source itself becomes
//   the copy itself).
#include <algorithm>
#include <iterator>

#include "model/registre_figures.h"
#include "model/registre_tables_annexes.h"
#include "model/services_texte.h"

namespace km32 {

namespace {

template <class T, std::size_t N> void copieTableau(const T (&source)[N], T (&copie)[N]) {
    std::copy(std::begin(source), std::end(source), std::begin(copie));
}

void copieCompteursEtVue(const TfigureKalmetra& s, TfigureKalmetra& c) {
    c.nombreObjets = s.nombreObjets;
    c.valeursUtilisees = s.valeursUtilisees;
    c.echantillonsUtilises = s.echantillonsUtilises;
    c.parentsUtilises = s.parentsUtilises;
    c.expressionsUtilisees = s.expressionsUtilisees;
    c.constantesUtilisees = s.constantesUtilisees;
    c.octetsOperandesUtilises = s.octetsOperandesUtilises;

    c.etendueVue = s.etendueVue;
    c.uniteSurPetiteDimension = s.uniteSurPetiteDimension;
    c.borneInferieure = s.borneInferieure;
    c.borneSuperieure = s.borneSuperieure;
    c.echelle = s.echelle;
    c.pasHachures = s.pasHachures;
    copieTableau(s.anglesVue, c.anglesVue);
    c.centreEcranX = s.centreEcranX;
    c.centreEcranY = s.centreEcranY;
    copieTableau(s.fractionsCentre, c.fractionsCentre);
    copieTableau(s.coefficientsProjection, c.coefficientsProjection);
    copieTableau(s.directionProjection, c.directionProjection);
    copieTableau(s.directionVue, c.directionVue);
    c.longueurUnitePixels = s.longueurUnitePixels;
    c.largeurZoneDessin = s.largeurZoneDessin;
    c.hauteurZoneDessin = s.hauteurZoneDessin;
    copieTableau(s.anglesVueInitiale, c.anglesVueInitiale);
    c.pasClavier = s.pasClavier;
    c.projectionOblique = s.projectionOblique;
    copieTableau(s.parametresOblique, c.parametresOblique);
}

// Samples 0 to utilises of a block (the count is checked against the block).
void copieEchantillonsUtilises(const TblocEchantillons& source, TblocEchantillons& copie, int utilises) {
    const std::size_t n = std::size_t(std::clamp(utilises, 0, kMaxEchantillons)) + 1;
    std::copy_n(source.begin(), n, copie.begin());
}

void copieContenu(const TfigureKalmetra& s, TfigureKalmetra& c) {
    c.versionTexte = s.versionTexte;
    c.octetVersion = s.octetVersion;
    c.nomsPointsAffiches = s.nomsPointsAffiches;
    c.nomFigure = s.nomFigure;
    c.cheminFichier = s.cheminFichier;
    c.texteInitialEchoue = s.texteInitialEchoue;
    c.texteDesNoms = s.texteDesNoms;
    c.valeurs = s.valeurs;
    if (s.echantillons) {
        // Only the samples in use are copied: the rest of the block is never
        // read before a computation writes it, and copying a whole block at
        // every line (the rollback snapshot) would cost more than the line.
        c.echantillons = std::make_unique_for_overwrite<TblocEchantillons>();
        copieEchantillonsUtilises(*s.echantillons, *c.echantillons, s.echantillonsUtilises);
    }
    c.parents = s.parents;
    c.octetsOperandes = s.octetsOperandes;
    c.texteDesFormules = s.texteDesFormules;
    c.expressions = s.expressions;
    c.constantesExpressions = s.constantesExpressions;
    c.objets = s.objets;
}

void copieReglages(const TfigureKalmetra& s, TfigureKalmetra& c) {
    c.entierDessin = s.entierDessin;
    copieTableau(s.masquesDessin, c.masquesDessin);
    c.ensembleTrace = s.ensembleTrace;
    c.modeTrace = s.modeTrace;
    c.modeTraceALaDemande = s.modeTraceALaDemande;
    c.minuteriesCommandesActives = s.minuteriesCommandesActives;
    c.octetTrace = s.octetTrace;
    c.modifiee = s.modifiee;
    c.largeurImage = s.largeurImage;
    c.hauteurImage = s.hauteurImage;

    c.entierFenetre = s.entierFenetre;
    c.contexteDessin = s.contexteDessin; // link
    copieTableau(s.octetsFenetre, c.octetsFenetre);
    c.fenetreDessin = s.fenetreDessin; // link
    c.octetFenetre = s.octetFenetre;
    c.filDeFer = s.filDeFer;
    c.defautObjetsNonValides = s.defautObjetsNonValides;
    c.octetAffichage = s.octetAffichage;
    c.partiesCacheesPointillees = s.partiesCacheesPointillees;
    c.polyedresAPreparer = s.polyedresAPreparer;
    c.octetAffichage4 = s.octetAffichage4;
    c.objetLibreActif = s.objetLibreActif;
    c.dernierLibreBouge = s.dernierLibreBouge;
    c.causeDernierMouvement = s.causeDernierMouvement;

    c.commandeDialogue = s.commandeDialogue;
    c.commandeDialoguePrecedente = s.commandeDialoguePrecedente;
    c.objetDialogue = s.objetDialogue;
    c.derniereUniteDialogue = s.derniereUniteDialogue;
    c.dernierRepereDialogue = s.dernierRepereDialogue;
    c.uniteAngleDialogue = s.uniteAngleDialogue;
    c.octetDialogue = s.octetDialogue;
    c.octetDefauts = s.octetDefauts;
    c.uniteLongueurParDefaut = s.uniteLongueurParDefaut;
    c.repereParDefaut = s.repereParDefaut;
    c.anglesEnDegresParDefaut = s.anglesEnDegresParDefaut;

    c.octetImpression = s.octetImpression;
    c.texteImpression = s.texteImpression;
    c.valeurImpression = s.valeurImpression;
    c.octetCopie = s.octetCopie;
    c.texteCopie = s.texteCopie;
    c.valeurCopie = s.valeurCopie;
    copieTableau(s.cadreImage, c.cadreImage);
    c.octetZoneAffichages = s.octetZoneAffichages;
    c.hauteurZoneAffichages = s.hauteurZoneAffichages;

    c.ensembleDesigne = s.ensembleDesigne;
    c.traitsEpais = s.traitsEpais;
    c.importationActive = s.importationActive;
    c.differeesEnAttente = s.differeesEnAttente;
    copieTableau(s.octetsTexte, c.octetsTexte);
    c.intervalleHorloge = s.intervalleHorloge;
    c.rearmementsHorloge = s.rearmementsHorloge;
    c.horlogeEnMarche = s.horlogeEnMarche;
    c.ensembleDessin = s.ensembleDessin;
    c.cadrageInterdit = s.cadrageInterdit;
    c.drapeauxVue = s.drapeauxVue;
    copieTableau(s.plansEnregistres, c.plansEnregistres);
    copieTableau(s.entiersVue, c.entiersVue);

    copieTableau(s.planIsole, c.planIsole);
    c.distancePlanIsole = s.distancePlanIsole;
    c.planIsoleChange = s.planIsoleChange;
    c.reglagePlanIsole = s.reglagePlanIsole;
    c.aucunPlanIsole = s.aucunPlanIsole;
    c.planDeFaceMaintenu = s.planDeFaceMaintenu;
    c.tourneVersPlanIsole = s.tourneVersPlanIsole;
    c.planIsoleNonDefini = s.planIsoleNonDefini;
    c.ensemblePlan = s.ensemblePlan;
    copieTableau(s.echantillonnageLieux, c.echantillonnageLieux);
    c.octetChangementVue = s.octetChangementVue;
    c.changementVuePermis = s.changementVuePermis;

    c.couleurFond = s.couleurFond;
    c.reglageCouleurFond = s.reglageCouleurFond;
    c.drapeauCouleurFond = s.drapeauCouleurFond;
    c.exportationRotations = s.exportationRotations;
    c.exportationPermise = s.exportationPermise;
    c.importationRotations = s.importationRotations;
    c.prototypeHorsMenu = s.prototypeHorsMenu;
    c.numeroFigure = s.numeroFigure;
    c.menuContextuelConstruit = s.menuContextuelConstruit;
    c.commandesAutorisees = s.commandesAutorisees;
    c.commandesGrisees = s.commandesGrisees;
    c.derniereCommande = s.derniereCommande;
    c.commandeDesignation = s.commandeDesignation;
    c.touchesInterdites = s.touchesInterdites;
    c.modePasAPas = s.modePasAPas;
    c.imageLimitee = s.imageLimitee;
    c.boiteValeurDemandee = s.boiteValeurDemandee;
    c.boiteValeurAffichee = s.boiteValeurAffichee;
    c.boiteValeurPas = s.boiteValeurPas;
    c.texteBoiteValeur = s.texteBoiteValeur;
    c.rectangleBoiteValeur = s.rectangleBoiteValeur;
    c.titreFenetre = s.titreFenetre;
    c.commandeCourante = s.commandeCourante;
    c.modeCommande = s.modeCommande;
    c.couleurCourante = s.couleurCourante;
    c.styleChoisi = s.styleChoisi;
    c.objetARedefinir = s.objetARedefinir;
    c.octetDessinHote = s.octetDessinHote;
    copieTableau(s.octetsDessinHote, c.octetsDessinHote);
    copieTableau(s.octetsHote, c.octetsHote);
    c.entierHote = s.entierHote;
    c.grosCaracteres = s.grosCaracteres;
    c.reglageNonValidesEcrit = s.reglageNonValidesEcrit;

    c.proprietairePrototypes = s.proprietairePrototypes == &s ? &c : s.proprietairePrototypes; // link
    c.fenetreHote = s.fenetreHote;                                                             // links
    c.fenetreForme = s.fenetreForme;
    c.fenetreProprietaire = s.fenetreProprietaire;
    c.texteModifie = s.texteModifie;

    copieTableau(s.octetsHoteFin, c.octetsHoteFin);
    copieTableau(s.blocHote, c.blocHote);
    c.listeReponses = s.listeReponses;
    c.modeRequete = s.modeRequete;
    c.octetFin = s.octetFin;
    // A snapshot taken while the host's lines run is put back while they
    // still run: the flag and the objects they changed, whose computation
    // waits for the last line, come back with it.
    c.lignesHoteEnCours = s.lignesHoteEnCours;
    c.objetsChangesParHote = s.objetsChangesParHote;
    c.parametreCopieAjustee = s.parametreCopieAjustee;
    c.ensembleSecondeDirection = s.ensembleSecondeDirection;
    c.ensembleParametresLibres = s.ensembleParametresLibres;
    c.ensembleTablesValeurs = s.ensembleTablesValeurs;
    c.annulationPossible = s.annulationPossible;
    c.retablissementPossible = s.retablissementPossible;
    c.modePasAPas = s.modePasAPas;
    c.nombreEtapes = s.nombreEtapes;
    c.etapes = s.etapes;
    c.etapeCourante = s.etapeCourante;
}

void copieTablesAnnexes(const TfigureKalmetra& s, TfigureKalmetra& c) {
    creeTableAnnexes(c.tableAnnexes);
    if (s.tableAnnexes) copieTableAnnexes(*s.tableAnnexes, *c.tableAnnexes);
    creeTableMaillages(c.tableMaillages);
    if (s.tableMaillages) copieTableMaillages(*s.tableMaillages, *c.tableMaillages);
    // A table the copy has already is copied into, record by record.
    if (!s.tableDesPolyedres || !c.tableDesPolyedres) creeTableDesPolyedres(c.tableDesPolyedres);
    copieTableDesPolyedres(s.tableDesPolyedres.get(), *c.tableDesPolyedres);
    c.nombrePolyedresVisibles = s.nombrePolyedresVisibles; // goes with the visible list of the table
    if (s.tableDesFonctions) copieTableDesFonctions(*s.tableDesFonctions, c.tableDesFonctions);
    if (s.tableDesPrototypes) copieTableDesPrototypes(s, c);
}

} // namespace

void copieFigure(const TfigureKalmetra& source, std::unique_ptr<TfigureKalmetra>& copie) {
    // Built before the old copy is freed: source may be that very figure.
    auto nouvelle = std::make_unique<TfigureKalmetra>();
    copieCompteursEtVue(source, *nouvelle);
    copieContenu(source, *nouvelle);
    copieReglages(source, *nouvelle);
    copieTablesAnnexes(source, *nouvelle);
    libereFigure(copie);
    copie = std::move(nouvelle);
}

} // namespace km32

namespace km32 {

void restaureFigure(const TfigureKalmetra& copie, TfigureKalmetra& f) {
    // The sample block keeps its place in f; only its contents come back.
    std::unique_ptr<TblocEchantillons> bloc = std::move(f.echantillons);
    copieCompteursEtVue(copie, f);
    copieContenu(copie, f);
    if (bloc && f.echantillons) {
        copieEchantillonsUtilises(*f.echantillons, *bloc, f.echantillonsUtilises);
        f.echantillons = std::move(bloc);
    }
    copieReglages(copie, f);
    // Tables the copy lacks must not survive in f.
    libereTableDesFonctions(f.tableDesFonctions);
    libereTableDesPrototypes(f);
    copieTablesAnnexes(copie, f);
}

} // namespace km32
