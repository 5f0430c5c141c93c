#pragma once
// The side tables a figure owns through pointers. Each record is an empty
// placeholder here; the module that keeps the table defines its contents
// (named in the comment) by filling the struct in place.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/contexte_dessin_types.h"

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
struct TtableMaillages {}; // meshes (TMaillage): mesh module
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
struct TtableTraces {};        // traces of objects 7 to 255: drawing
struct TetatGlisser {};        // drag in progress: drawing
struct TDialogueObjet {};      // open construction dialog: host
struct TVariablesPartagees {}; // shared-variable record of the figure: host
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
