#pragma once
// The side tables a figure owns through pointers. Each table is defined here
// so that the figure can own it; the records it holds are only declared here
// and are defined, with their deleters, by the module that keeps them (named
// at each table).

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/contexte_dessin_types.h"
#include "sibling/variables_partagees.h" // TVariablesPartagees, the shared-variable record

namespace km32 {

// The polyhedra table, filled here so that the figure can own it; its records
// (TDonneesPolyedre) are defined in model/solides/polyedres.h, which also
// defines the deleter.
struct TDonneesPolyedre;
struct SuppressionDonneesPolyedre {
    void operator()(TDonneesPolyedre* donnees) const noexcept;
};
using PDonneesPolyedre = std::unique_ptr<TDonneesPolyedre, SuppressionDonneesPolyedre>;
constexpr int kMaxEmplacementsPolyedres = 100;

// The polygon extension table: the records of the free points in a polygon
// (TAnnexePolygone), defined in model/annexes_polygones.h, which also defines
// the deleter. Slots 1 to 100 (0 unused); an empty slot holds null.
struct TAnnexePolygone;
struct SuppressionAnnexePolygone {
    void operator()(TAnnexePolygone* annexe) const noexcept;
};
using PAnnexePolygone = std::unique_ptr<TAnnexePolygone, SuppressionAnnexePolygone>;
constexpr int kMaxEmplacementsAnnexes = 100;
struct TtableAnnexes {
    std::array<PAnnexePolygone, kMaxEmplacementsAnnexes + 1> annexes;
};
// Solid records of polyhedra, polygons and round solids; entries 1 to 100 (0 unused).
struct TtableDesPolyedres {
    std::array<uint8_t, kMaxEmplacementsPolyedres + 1> listeVisibles{}; // slots of the visible solids
    std::array<PDonneesPolyedre, kMaxEmplacementsPolyedres + 1> donnees;
};
// The mesh table: slots 1 to 50 (0 unused) of mesh records (TMaillage),
// defined in model/maillages.h, which also defines the deleter; an empty
// slot holds null.
struct TMaillage;
struct SuppressionMaillage {
    void operator()(TMaillage* maillage) const noexcept;
};
using PMaillage = std::unique_ptr<TMaillage, SuppressionMaillage>;
constexpr int kMaxEmplacementsMaillages = 50;
struct TtableMaillages {
    std::array<PMaillage, kMaxEmplacementsMaillages + 1> maillages;
};
// Function objects: slots 1 to 100 (0 unused) of records owned by the table
// when their byte is 1. The records (TFonction) and the functions that
// manage the table are in model/fonctions/fonctions.h, which also defines
// the destructor (it frees the owned records).
struct TFonction;
struct TtableDesFonctions {
    std::array<TFonction*, 101> fonctions{};
    std::array<uint8_t, 101> possedees{};
    TtableDesFonctions() = default;
    ~TtableDesFonctions();
    TtableDesFonctions(const TtableDesFonctions&) = delete;
    TtableDesFonctions& operator=(const TtableDesFonctions&) = delete;
};
// User-defined constructions: slots 1 to 50 (0 unused); the records
// (TPrototype) are defined in model/prototypes/prototypes.h, which also
// defines the deleter.
struct TPrototype;
struct SuppressionPrototype {
    void operator()(TPrototype* prototype) const noexcept;
};
using PPrototype = std::unique_ptr<TPrototype, SuppressionPrototype>;
constexpr int kEmplacementsPrototypes = 50;
struct TtableDesPrototypes {
    std::array<PPrototype, kEmplacementsPrototypes + 1> prototypes;
};
// Per-object drawing data (objects 7 to 255) and the display list; their
// records are defined in drawing/element_solide.h and drawing/bloc_dessin.h,
// which also define the deleters.
struct TElementSolide;
struct SuppressionElementSolide {
    void operator()(TElementSolide* element) const noexcept;
};
using PElementSolide = std::unique_ptr<TElementSolide, SuppressionElementSolide>;
struct TtableElementsSolides {
    std::array<PElementSolide, 256> elements; // entries 7 to 255
};
struct TelementDessin;
struct SuppressionElementDessin {
    void operator()(TelementDessin* element) const noexcept;
};
using PElementDessin = std::unique_ptr<TelementDessin, SuppressionElementDessin>;
using TrectangleDessin = platform::Rectangle;
struct TblocDessin {
    uint8_t drapeau = 0;
    TrectangleDessin rectangleBandeau; // the top text band
    TrectangleDessin rectangleFigure;  // the figure area below it, clip of every other element
    std::string legende;               // step-by-step replay caption (mathematical text)
    TrectangleDessin encombrementLegende;
    int32_t hauteurLegende = 0, ligneLegende = 0, hautLegende = 0, basLegende = 0;
    std::array<PElementDessin, 256> elements; // entries 7 to 255; null: nothing to draw
};
// The traces of a figure (objects 7 to 255); the records (TTraceObjet) are
// defined in drawing/traces.h, which also defines the deleter.
struct TTraceObjet;
struct SuppressionTraceObjet {
    void operator()(TTraceObjet* trace) const noexcept;
};
using PTraceObjet = std::unique_ptr<TTraceObjet, SuppressionTraceObjet>;
struct TtableTraces {
    uint16_t entete = 0;                 // 0 at creation, not read
    std::array<PTraceObjet, 256> traces; // entries 7 to 255; null: no trace yet
};
// The state of a mouse gesture of a figure's drawing window (a drag of a
// free object, a text object, the band's edge or a side of the print frame,
// a turn or a pan of the view); it lives from the button press to its release.
// Several groups serve some constraints only.
struct TetatGlisser {
    int32_t ancreX = 0, ancreY = 0; // where the current turn or pan step began; the grabbed object's place
    uint8_t geste = 0;              // a right-button gesture is under way
    uint8_t saisi = 0;              // something is held
    int32_t sourisX = 0, sourisY = 0;
    uint8_t support = 0, secondSupport = 0; // parents 0 and 1 of the grabbed object
    double pointSouris[3] = {0, 0, 0};      // the point the mouse designates on the drag surface
    double nouvellesValeurs[3] = {0, 0, 0}; // values proposed by the current step
    double pasEcranX = 0, pasEcranY = 0;    // line: screen x and y per unit of its direction
    double origine[3] = {0, 0, 0};          // centre; line: screen coordinate of its origin
    double premierAxe[3] = {0, 0, 0};
    double secondAxe[3] = {0, 0, 0};
    double vecteurRadial[3] = {0, 0, 0};
    double rayon = 0;
    double angleArc = 0; // radians
    double abscisseBasse = 0, abscisseHaute = 0;
    double pixelsParUnite = 0;
    double abscisseMin = -1e10, abscisseMax = 1e10;
    uint8_t pasValide = 0;
    uint8_t horizontal = 0; // a line drag follows the mouse x (else y)
    double normalePlan[3] = {0, 0, 0};
    double constantePlan = 0; // a x + b y + c z + d = 0
    double valeursAvant[3] = {0, 0, 0};
    uint8_t bordBandeau = 0;
    uint8_t coteCadre = 0;
    uint8_t cote = 0; // 1 top, 2 left, 3 bottom, 4 right
    int32_t decalageX = 0, decalageY = 0;
    uint8_t rotation = 0;
    uint8_t deplacementVue = 0; // pan
    uint8_t objetTenu = 0;
    uint32_t curseurTournant = 0, curseurMain = 0, curseurPince = 0, curseurPlatTournant = 0;
    uint8_t affectationRefusee = 0;
    uint8_t planParLaTranche = 0; // the plane is seen edge-on: the point moves on a line
    double pointLigne[3] = {0, 0, 0};
    double directionLigne[3] = {0, 0, 0};
    uint8_t devant = 0; // sphere: the point was on the half towards the viewer
};
// One line of a construction dialog: its prompt (a phrase, or 1 for the
// prompt text), its answer (at most 80 characters), the width of its field
// (0: no field), where the field goes, and the designation rule of the field
// (0 the new object's name, 98 an expression, 97 a small number, 100 a key).
struct TLigneDialogue {
    uint16_t phraseInvite = 0;
    std::string reponse;
    std::string texteInvite;
    uint8_t longueurReponse = 0;
    uint8_t reponseACote = 1; // 1 beside the prompt, 0 under it
    uint16_t genreReponse = 0;
    uint8_t champExpression = 0; // the answer is an expression (genre 98)
};
// The figure's construction dialog (host): its title and hint, the prototype
// it uses, the option list of line 0, answer lines 1 to nombreLignes (at most
// 11), the command, the current line, the text of the expression editor.
constexpr int kMaxLignesDialogue = 11;
struct TDialogueObjet {
    uint16_t phraseTitre = 0;
    uint16_t phraseSousTitre = 0;
    uint8_t avecPrototype = 0;
    uint8_t numeroPrototype = 0;
    char genreOptions = '-';
    uint8_t ligneUniteAjoutee = 0;
    uint8_t listeUnitesVisible = 0;
    uint8_t listeUnitesADroite = 0;
    uint8_t nombreLignes = 0;
    std::array<TLigneDialogue, kMaxLignesDialogue + 1> lignes;
    uint16_t commande = 0;
    uint8_t ligneCourante = 0;
    std::string texteExpression;
    uint8_t disposee = 0;
    // The operand readers count the fields they accepted, and note the one
    // they refused.
    uint8_t champsAcceptes = 0;
    uint8_t champRefuse = 0;
    // After a failed run: the line the command rejected (0 none), and the
    // run asked for a length unit (error 612).
    uint8_t ligneErreur = 0;
    uint8_t demandeUnite = 0;
};
// The background picture of a figure: its file name (at most 255
// characters) and the picture read from it.
struct TimageFond {
    std::string nomFichier;
    platform::Image image;
};
struct TobjetFenetreFigure {}; // the other window object the host keeps for the figure: host

// View history (drawing): the three view angles of each remembered view,
// positions 1 to nombre (entry 0 unused); courante is the view shown last.
constexpr int kMaxVuesHistorique = 1000;
struct ThistoriqueVues {
    int32_t nombre = 0;
    int32_t courante = 0;
    std::array<std::array<double, 3>, kMaxVuesHistorique + 1> entrees{};
};

} // namespace km32
