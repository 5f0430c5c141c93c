// PLACEHOLDERS until the module of the prototypes exists: its table is still
// an empty record, so creating one allocates it, releasing frees it and a
// copy copies the (empty) record. The mesh table lives in model/maillages.cpp,
// the function table in model/fonctions/table_fonctions.cpp.
#include "model/registre_tables_annexes.h"

namespace km32 {

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
