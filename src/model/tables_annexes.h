#pragma once
// The side tables a figure owns through pointers. Each record is an empty
// placeholder here; the module that keeps the table defines its contents
// (named in the comment) by filling the struct in place.

namespace km32 {

struct TtableAnnexes {};         // polygon extension records (TAnnexePolygone): polygon extensions module
struct TtableDesPolyedres {};    // solid records of polyhedra, polygons and round solids: polyhedra module
struct TtableMaillages {};       // meshes (TMaillage): mesh module
struct TtableDesFonctions {};    // function objects: function module
struct TtableDesPrototypes {};   // user-defined constructions: prototype module
struct TtableElementsSolides {}; // per-object drawing data (TElementSolide, objects 7 to 255): drawing
struct TblocDessin {};           // display list: drawing
struct TtableTraces {};          // traces of objects 7 to 255: drawing
struct TetatGlisser {};          // drag in progress: drawing
struct ThistoriqueVues {};       // view history (1000 entries): drawing
struct TDialogueObjet {};        // open construction dialog: host
struct TVariablesPartagees {};   // shared-variable record of the figure: host
struct TimageFond {};            // background picture object: host
struct TobjetFenetreFigure {};   // the other window object the host keeps for the figure: host

} // namespace km32
