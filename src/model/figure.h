#pragma once
// The figure record: its objects, values, parent lists, parameter-expression
// records, texts, view and settings, and the side tables it owns.
//
// Numbering: values, parents, samples, parameter-expression records,
// expression constants and operand bytes are counted from 1, as object
// numbers are; index 0 of each array is never used. Read them through the
// checked accessors below (an index out of range throws ErreurInterne).
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>

#include "base/erreur.h"
#include "base/table_croissante.h"
#include "model/style.h"
#include "model/tables_annexes.h"

namespace km32 {

// Fixed capacities: behaviour depends on them ("Structure saturée").
constexpr int kMaxObjets = 255;
constexpr int kObjetsPredefinis = 13;                      // objects 1 to 13 are built in
constexpr int kPremierElement = 7;                         // the origin o: objects from 7 on may be drawn
constexpr int kPremierUtilisateur = kObjetsPredefinis + 1; // the first object a text creates
constexpr int kMaxValeurs = 2000;
constexpr int kMaxParents = 2000;
constexpr int kMaxEchantillons = 9000;
constexpr int kMaxExpressions = 500;
constexpr int kMaxConstantes = 1000;
constexpr int kMaxOctetsOperandes = 4000;
// Bounds of the zoom (the length unit Uxyz as a fraction of the window's
// smaller side): beyond them the model box would be too large or too small
// for the integer drawing units. Every road that sets the zoom keeps it
// within them.
constexpr double kZoomMinimal = 1e-4;
constexpr double kZoomMaximal = 1e4;
// A zoom brought into the bounds: a smaller one (0, a negative one, one that
// is not a number) becomes kZoomMinimal, a larger one kZoomMaximal.
constexpr double zoomDansLesBornes(double zoom) {
    if (!(zoom >= kZoomMinimal)) return kZoomMinimal;
    return zoom > kZoomMaximal ? kZoomMaximal : zoom;
}
constexpr int kMaxFigures = 64;

// A set of object numbers 0 to 255 (bit n = object n).
using TEnsembleObjets = std::bitset<256>;
// A set of menu commands: bit k is command k (1 to 255).
using TEnsembleCommandes = std::bitset<256>;

// Kinds of objects, with the numbers the construction catalogue uses.
enum NatureObjet : uint8_t {
    kNaturePoint = 1,
    kNatureSegment = 2,
    kNatureDroite = 3,
    kNatureDemiDroite = 4,
    kNatureCercle = 5,
    kNatureArcDeCercle = 6,
    kNatureRepere = 7,
    kNatureNombreReel = 8,
    kNatureFonction = 9,
    kNatureUniteDeLongueur = 10,
    kNatureVecteur = 14,
    kNatureTransformation = 15,
    kNatureCourbe = 16,
    kNatureAffichage = 17,
    kNatureCommande = 20,
    kNatureSuite = 22,
    kNatureFonction2Variables = 23,
    kNatureFonction3Variables = 24,
    kNaturePolyedreConvexe = 25,
    kNaturePolygoneConvexe = 26,
    kNatureSphere = 27,
    kNaturePlan = 28,
    kNatureCylindre = 29,
    kNatureCone = 30,
    kNaturePatronPolyedre = 31,
    kNatureTroncDeCone = 32,
    kNatureCalotteSpherique = 33,
    kNatureMaillage = 34,
};

// Bits of the object flag word.
enum DrapeauObjet : uint16_t {
    kDrapeauAngleEnDegres = 1u << 0,
    kDrapeauProtege = 1u << 1,
    kDrapeauAccesInterdit = 1u << 2,
    kDrapeauBloque = 1u << 3,
    kDrapeauOption = 1u << 4, // first solution / driving loops / step in the other unit
    kDrapeauPasNonModifiable = 1u << 5,
    kDrapeauProtegeSaufRedefinition = 1u << 6,
    kDrapeauProtegeARappelLimite = 1u << 7,
    kDrapeauDependDeObjetLibreActif = 1u << 9,
};

// One object of a figure.
struct TObjetFigure {
    uint8_t nature = 0;      // NatureObjet
    uint8_t longueurNom = 0; // name (and label) slice of the object-name text
    uint16_t debutNom = 0;   // 1-based
    uint8_t nombreValeurs = 0;
    uint16_t premiereValeur = 0;
    uint8_t nombreParents = 0;
    uint16_t premierParent = 0;
    uint8_t nombreExpressions = 0;
    uint16_t premiereExpression = 0;
    uint16_t nombreEchantillons = 0;
    uint16_t premierEchantillon = 0; // for a repeating key command (code 22): its timer id
    uint8_t codeConstruction = 0;
    uint8_t uniteLongueur = 0;             // object number of its unit of length, 0 = none (1.0)
    uint16_t drapeaux = 0;                 // DrapeauObjet bits
    TstyleObjet style;                     // for a command (kind 20) the first byte is its key code
    uint8_t sourcesCouleur[3] = {0, 0, 0}; // objects giving red, green, blue (0 = none)
    uint8_t octetObjet = 0;                // a place of the record that nothing reads
    uint8_t nonDefini = 0;
    uint16_t raison = 0; // phrase number of why it is undefined
    uint8_t objetLimite = 0;
    uint8_t numeroPrototype = 0;     // 1 to 50 for a result of a prototype
    uint8_t emplacementFonction = 0; // 1 to 100 in the function table
    uint8_t emplacementSolide = 0;   // 1 to 100 in the polyhedra table, or 1 to 50 in the mesh table
    uint8_t pointColle = 0;          // the point this point must stay on (code 132)
};

// Readers of the flag word.
inline bool angleEnDegres(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauAngleEnDegres;
}
inline bool estProtege(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauProtege;
}
inline bool accesInterdit(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauAccesInterdit;
}
inline bool estBloque(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauBloque;
}
inline bool estPremiereSolution(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauOption;
}
inline bool pilotageEnBoucle(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauOption;
}
inline bool pasEnUniteAlternative(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauOption;
}
inline bool pasNonModifiable(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauPasNonModifiable;
}
inline bool protegeSaufRedefinition(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauProtegeSaufRedefinition;
}
inline bool protegeARappelLimite(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauProtegeARappelLimite;
}
inline bool dependDeObjetLibreActif(const TObjetFigure& o) {
    return o.drapeaux & kDrapeauDependDeObjetLibreActif;
}

// Construction predicates.
bool estObjetLibre(const TObjetFigure& o);
bool estObjetLibreBloque(const TObjetFigure& o);
bool estVariableLibre(const TObjetFigure& o);
bool estObjetDessinable(const TObjetFigure& o);
// Sets (on) or clears the mask bits; protecting or unprotecting (mask exactly
// the protected bit) also clears the protected-except-redefinition bit.
void changeDrapeauObjet(TObjetFigure& o, uint16_t masque, bool active);

// The keyboard key of a command object (first byte of its style; 255 = none).
uint8_t toucheObjet(const TObjetFigure& o);
void fixeToucheObjet(TObjetFigure& o, uint8_t touche);
// The key "main" (the hand of the mouse), read from its word in each language.
constexpr uint8_t kToucheMain = 227;
// The key's name (at most 10 characters), as the key reader takes it back in
// the applied language: the words of the space, the hand and no key, the
// CTRL- names, the character of a digit or letter.
std::string nomToucheObjet(const TObjetFigure& o);

// One sample of a locus or curve, in integer model units.
struct Techantillon {
    uint8_t rupture = 0; // a break in the sampled line before this sample
    int32_t x = 0, y = 0, z = 0;
};
using TblocEchantillons = std::array<Techantillon, kMaxEchantillons + 1>;

// A compiled parameter expression stored in the figure.
struct TExpressionParametre {
    uint8_t nombreConstantes = 0;
    uint16_t premiereConstante = 0; // into the expression constants, 1 to 1000
    uint8_t longueurTexte = 0;
    uint16_t debutTexte = 0; // 1-based position in the formula text
    uint8_t nombreOctets = 0;
    uint16_t debutOctets = 0; // into the operand bytes, 1 to 4000
    uint8_t constante = 0;    // 1: the value is the one stored in the object's values
};

// A plane the view settings remember by the objects that define it: a plane
// object and two zeros, or three points (object numbers, 0 for none).
struct TplanEnregistre {
    uint8_t objets[3] = {0, 0, 0};
};
// The two planes the view settings remember (plansEnregistres).
constexpr int kPlanDeFace = 0; // the plane the view turns to face ("Plan de face")
constexpr int kPlanIsole = 1;  // the isolated plane ("Plan #1 isolé")

// The record of one figure, its fields in the system's order. Fields that
// only the drawing, text or host subsystems interpret are named by their
// role; those subsystems give them their meaning. The bytes and integers
// named after their neighbours (octetVersion, octetTrace, octetsFenetre,
// octetAffichage4, octetsHote, blocHote, octetFin...) hold places of the
// record that no routine gives a meaning: nothing reads them, the reset
// sets them and copieFigure copies them.
struct TfigureKalmetra {
    TfigureKalmetra();
    ~TfigureKalmetra();
    TfigureKalmetra(const TfigureKalmetra&) = delete;
    TfigureKalmetra& operator=(const TfigureKalmetra&) = delete;

    // Fill counters.
    uint8_t nombreObjets = kObjetsPredefinis; // 13 to 255
    uint16_t valeursUtilisees = 0;            // at most 2000
    uint16_t echantillonsUtilises = 0;        // at most 9000
    uint16_t parentsUtilises = 0;             // at most 2000
    uint16_t expressionsUtilisees = 0;        // at most 500
    uint16_t constantesUtilisees = 0;         // at most 1000 (the line store's constants)
    uint16_t octetsOperandesUtilises = 0;     // at most 4000

    // View (the drawing subsystem keeps it).
    double etendueVue = 10.0;
    double uniteSurPetiteDimension = 0.1;            // the zoom, in [kZoomMinimal, kZoomMaximal]
    double borneInferieure = 0, borneSuperieure = 0; // read by horsDesBornes
    double echelle = 1;              // integer model units per unit, read by coordonneeEntiere
    double pasHachures = 0;          // 0.035 / zoom: the spacing of hatchings, kept by the view computation
    double anglesVue[3] = {0, 0, 0}; // radians
    double centreEcranX = 0, centreEcranY = 0;
    double fractionsCentre[2] = {0.5, 0.5};
    double coefficientsProjection[6] = {0, 0, 0, 0, 0, 0}; // read by projetteX, projetteY
    int32_t largeurZoneDessin = 0, hauteurZoneDessin = 0;  // in the units of projetteX and projetteY
    // Derived by the projection: the normal to the screen (oblique correction
    // included), the direction towards the viewer (without it), and the
    // length of one model unit on the screen in pixels.
    double directionProjection[3] = {1, 0, 0};
    double directionVue[3] = {1, 0, 0};
    double longueurUnitePixels = 0;
    double anglesVueInitiale[3] = {0, 0, 0};
    double pasClavier = 5.0;
    uint8_t projectionOblique = 0;
    double parametresOblique[2] = {-0.3, -0.3};

    uint8_t versionTexte = 1;
    uint8_t octetVersion = 1;
    uint8_t nomsPointsAffiches = 1;
    std::string nomFigure;     // at most 80
    std::string cheminFichier; // at most 255
    uint8_t texteInitialEchoue = 0;
    std::unique_ptr<std::string> texteEnAttente;
    std::string texteDesNoms; // all object names back to back

    // The tables below grow in pages as they are written (a figure of 250
    // objects uses a fraction of them); their capacities stay as above.
    TtableCroissante<double, kMaxValeurs, 64> valeurs;
    std::unique_ptr<TblocEchantillons> echantillons; // null until a sample is written (echantillon)
    std::array<uint8_t, kMaxParents + 1> parents{};
    TtableCroissante<uint8_t, kMaxOctetsOperandes, 256> octetsOperandes;
    std::string texteDesFormules;
    TtableCroissante<TExpressionParametre, kMaxExpressions, 32> expressions;
    TtableCroissante<double, kMaxConstantes, 64> constantesExpressions;
    std::array<TObjetFigure, kMaxObjets + 1> objets{};

    // Drawing settings block.
    int32_t entierDessin = -1;
    uint32_t masquesDessin[7] = {~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u};

    TEnsembleObjets ensembleTrace; // objects whose parents are traced
    uint8_t modeTrace = 0;
    uint8_t modeTraceALaDemande = 0;
    uint8_t minuteriesCommandesActives = 0;
    uint8_t octetTrace = 0;
    uint8_t modifiee = 0;

    std::unique_ptr<TtableAnnexes> tableAnnexes;
    std::unique_ptr<TtableDesPolyedres> tableDesPolyedres;
    std::unique_ptr<TtableMaillages> tableMaillages;
    std::unique_ptr<TtableElementsSolides> tableElementsSolides;
    std::unique_ptr<TblocDessin> blocDessin;
    std::unique_ptr<TtableTraces> tableTraces;

    // Pixels; a new figure, and so every figure while its file is read,
    // has the size of a drawing without window.
    static constexpr int32_t kLargeurImageNeuve = 491, kHauteurImageNeuve = 263;
    int32_t largeurImage = kLargeurImageNeuve, hauteurImage = kHauteurImageNeuve;

    // Window and drawing state (drawing subsystem).
    int32_t entierFenetre = 0;
    uint32_t contexteDessin = 0; // device context being drawn on
    uint8_t octetsFenetre[2] = {0, 0};
    uint32_t fenetreDessin = 0; // drawing window handle
    uint8_t octetFenetre = 0;
    uint8_t filDeFer = 0;
    uint8_t defautObjetsNonValides = 0;
    uint8_t octetAffichage = 0;
    uint8_t partiesCacheesPointillees = 0;
    uint8_t polyedresAPreparer = 0;
    uint8_t nombrePolyedresVisibles = 0; // entries of the visible list of the polyhedra table
    uint8_t octetAffichage4 = 0;
    std::unique_ptr<TetatGlisser> etatGlisser;

    uint8_t objetLibreActif = 0;
    uint8_t dernierLibreBouge = 0; // the free object moved last (0 for none)
    uint8_t causeDernierMouvement = 0;

    // Construction dialog (host subsystem): the command of the dialog being
    // built or shown (a menu command, 301, or 1001..1050 for a prototype),
    // the command of the last dialog that ran (91: the dialog now modifies
    // an object), the object chosen for modification.
    uint16_t commandeDialogue = 0;
    uint16_t commandeDialoguePrecedente = 0;
    uint8_t objetDialogue = 0;
    uint8_t octetDialogue = 0;
    std::unique_ptr<TDialogueObjet> dialogue;
    // What the construction dialogs gave last: the unit of length and the
    // frame (object numbers, 0 for none: the built-in one), the angle unit
    // (1 degrees, 0 radians). The option lists offer them first.
    uint8_t derniereUniteDialogue = 0;
    uint8_t dernierRepereDialogue = 0;
    uint8_t uniteAngleDialogue = 0;

    // Defaults for new objects.
    uint8_t octetDefauts = 0;
    uint8_t uniteLongueurParDefaut = 2; // Uxyz
    uint8_t repereParDefaut = 1;        // Rxyz
    uint8_t anglesEnDegresParDefaut = 0;

    // Print and copy settings (host subsystem).
    uint8_t octetImpression = 0;
    std::string texteImpression = "CF"; // at most 2
    int32_t valeurImpression = 0;
    uint8_t octetCopie = 0;
    std::string texteCopie = "CF"; // at most 2
    int32_t valeurCopie = 0;
    double cadreImage[4] = {0.1, 0.1, 0.9, 0.9}; // print frame: left, top, right, bottom fractions

    uint8_t octetZoneAffichages = 0;
    int32_t hauteurZoneAffichages = 0;

    std::unique_ptr<std::string> tampon; // released by libereTamponFigure
    TEnsembleObjets ensembleDesigne;
    uint8_t traitsEpais = 0;
    std::unique_ptr<std::string> texteCommentaire;
    std::unique_ptr<std::string> lignesDifferees;
    uint8_t importationActive = 0;
    std::unique_ptr<TVariablesPartagees> variablesPartagees;
    uint8_t differeesEnAttente = 0;  // the stored extra lines wait for their run
    uint8_t octetsTexte[2] = {0, 0}; // two more bytes of the text language, unused

    // Clock (timer 271).
    uint16_t intervalleHorloge = 100; // ms
    uint8_t rearmementsHorloge = 0;
    uint8_t horlogeEnMarche = 0;

    TEnsembleObjets ensembleDessin;
    uint8_t cadrageInterdit = 0;
    std::unique_ptr<ThistoriqueVues> historiqueVues;
    uint8_t drapeauxVue = 0;             // view flags: 8 locks the view against turns and pans by the mouse
    TplanEnregistre plansEnregistres[2]; // kPlanDeFace, kPlanIsole
    // [0]: the steps of the turn to the front plane (1 to 50); [1] unused.
    int32_t entiersVue[2] = {1, 1};

    // Isolated plane: its unit normal (a, b, c) and constant d in integer
    // units (the constant in model units times the scale, converted again
    // whenever the scale changes), read by pointSurPlanIsole.
    double planIsole[4] = {0, 0, 0, 0};
    double distancePlanIsole = 0; // the constant d in model units
    uint8_t reglagePlanIsole = 0; // "Plan #1 isolé": the display mode is on
    uint8_t aucunPlanIsole = 1;   // no valid plane: none yet, a zero normal or an undefined defining object
    uint8_t planDeFaceMaintenu = 0;
    // Isolating a plane through its dialog also turns the view to face it.
    uint8_t tourneVersPlanIsole = 1;
    // The two display flags of the isolated plane: the plane became undefined
    // (nothing but texts is drawn), and the plane moved with the last change
    // (every display element must be rebuilt).
    uint8_t planIsoleNonDefini = 0;
    uint8_t planIsoleChange = 0;
    TEnsembleObjets ensemblePlan;

    uint8_t echantillonnageLieux[3] = {0, 0, 0};
    uint8_t octetChangementVue = 1;
    uint8_t changementVuePermis = 1;

    uint32_t couleurFond = 0xFFFFFF;
    uint32_t reglageCouleurFond = 0;
    uint8_t drapeauCouleurFond = 0;
    uint8_t exportationRotations = 0;
    // The figure's values may be exported ("Exportation interdite" clears it).
    uint8_t exportationPermise = 1;
    uint8_t importationRotations = 0;
    // A prototype figure whose prototype the pop-up menu does not offer.
    uint8_t prototypeHorsMenu = 0;
    int32_t numeroFigure = 0;
    uint8_t menuContextuelConstruit = 0;
    // Menus and commands (host subsystem): the commands the user may run
    // (every command after a reset) and those greyed now; the last command
    // run (what Ctrl+B repeats) and the command waiting for designated
    // objects; the key codes that do nothing; the picture limit switch; the
    // value box of the + and - keys.
    TEnsembleCommandes commandesAutorisees;
    TEnsembleCommandes commandesGrisees;
    uint16_t derniereCommande = 0;
    uint16_t commandeDesignation = 0;
    uint8_t styleChoisi = 0; // the style code the style brush applies
    TEnsembleObjets touchesInterdites;
    // "Limiter l'image" (command 121): the print frame is shown, its sides
    // can be dragged, and it limits copies and prints.
    uint8_t imageLimitee = 0;
    // The value box: asked for by a key (drawn by the next paint), shown
    // (drawn by the last paint, erased by the next one), its kind (1 the
    // keyboard step, 0 the active object's value), text and place.
    uint8_t boiteValeurDemandee = 0;
    uint8_t boiteValeurAffichee = 0;
    uint8_t boiteValeurPas = 0;
    std::string texteBoiteValeur; // at most 80
    TrectangleDessin rectangleBoiteValeur;
    std::string titreFenetre; // at most 80
    // The annex windows of the host: the command whose window serves the
    // figure now, the command-mode word the mouse follows, the colour code
    // the style palette's strip gives new objects, and a function given by
    // values the text language left to be redefined in its window (0 for
    // none). The style code of the brush is styleChoisi above.
    uint16_t commandeCourante = 0;
    uint16_t modeCommande = 0;
    uint8_t couleurCourante = 0;
    uint8_t objetARedefinir = 0;

    // Bytes of the drawing and host subsystems, and the host's window objects.
    uint8_t octetDessinHote = 0;
    uint8_t octetsDessinHote[3] = {0, 0, 0};
    uint8_t octetsHote[5] = {0, 0, 0, 0, 0};
    int32_t entierHote = 0;
    std::unique_ptr<TimageFond> imageFond;
    std::unique_ptr<TobjetFenetreFigure> objetFenetre;

    uint8_t grosCaracteres = 0;
    uint8_t reglageNonValidesEcrit = 0;
    TfigureKalmetra* proprietairePrototypes = this; // non-owning
    uint32_t fenetreHote = 0, fenetreForme = 0, fenetreProprietaire = 0;
    uint8_t texteModifie = 0;
    std::unique_ptr<TtableDesPrototypes> tableDesPrototypes;
    std::unique_ptr<TtableDesFonctions> tableDesFonctions;

    // Host bytes, the text language's query lines.
    uint8_t octetsHoteFin[2] = {0, 0};
    uint8_t blocHote[32] = {};
    std::string listeReponses;
    uint8_t modeRequete = 0;
    uint8_t octetFin = 0;
    // Host lines: set while lines sent by the host run; the objects they
    // changed are recomputed together at the end.
    uint8_t lignesHoteEnCours = 0;
    TEnsembleObjets objetsChangesParHote;
    int16_t parametreCopieAjustee = 0; // of the host's adjusted copy of the drawing

    TEnsembleObjets ensembleSecondeDirection; // lines of code 247 using their second direction
    TEnsembleObjets ensembleParametresLibres; // objects that received a free-object parameter line
    TEnsembleObjets ensembleTablesValeurs; // functions whose table a value line changed (not the last object)

    // Undo store (text subsystem): whether an undo or a redo can be done.
    uint8_t annulationPossible = 0;
    uint8_t retablissementPossible = 0;
    // Step-by-step replay (text subsystem): on or off, the objects in
    // construction order (steps 1 to nombreEtapes) and the current step.
    uint8_t modePasAPas = 0;
    uint8_t nombreEtapes = 0;
    std::array<uint8_t, 251> etapes{};
    uint8_t etapeCourante = 0;
};

// Checked element access, counted from 1 (throws ErreurInterne out of range).
double& valeur(TfigureKalmetra& f, int k);
double valeur(const TfigureKalmetra& f, int k);
uint8_t& parent(TfigureKalmetra& f, int k);
uint8_t parent(const TfigureKalmetra& f, int k);
// The sample block is made at the first write: most figures have no locus
// or curve, and the block is 144 kB.
Techantillon& echantillon(TfigureKalmetra& f, int k);
TExpressionParametre& expressionParametre(TfigureKalmetra& f, int k);
const TExpressionParametre& expressionParametre(const TfigureKalmetra& f, int k);
double& constanteExpression(TfigureKalmetra& f, int k);
uint8_t& octetOperande(TfigureKalmetra& f, int k);
uint8_t octetOperande(const TfigureKalmetra& f, int k);
// Objects 0 to 255 (0 is never used).
TObjetFigure& objet(TfigureKalmetra& f, int i);
const TObjetFigure& objet(const TfigureKalmetra& f, int i);

} // namespace km32
