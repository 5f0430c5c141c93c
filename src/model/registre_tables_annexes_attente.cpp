// PLACEHOLDERS until the modules of the meshes and the prototypes exist: their
// tables are still empty records, so creating one allocates it, releasing
// frees it and a copy copies the (empty) record. Each module replaces its part
// of this file. The function table lives in model/fonctions/table_fonctions.cpp.
#include "model/registre_tables_annexes.h"

namespace km32 {

void creeTableMaillages(std::unique_ptr<TtableMaillages>& table) {
    table = std::make_unique<TtableMaillages>();
}
void libereTableMaillages(std::unique_ptr<TtableMaillages>& table) {
    table.reset();
}
void copieTableMaillages(const TtableMaillages& source, TtableMaillages& destination) {
    destination = source;
}

void creeTableDesPrototypes(TfigureKalmetra& f) {
    f.tableDesPrototypes = std::make_unique<TtableDesPrototypes>();
}
void libereTableDesPrototypes(TfigureKalmetra& f) {
    f.tableDesPrototypes.reset();
}
void copieTableDesPrototypes(const TfigureKalmetra& source, TfigureKalmetra& copie) {
    copie.tableDesPrototypes = source.tableDesPrototypes
                                   ? std::make_unique<TtableDesPrototypes>(*source.tableDesPrototypes)
                                   : nullptr;
}

} // namespace km32
