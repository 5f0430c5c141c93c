// PLACEHOLDERS until the module of the meshes exists: its
// table is still an empty record, so creating one allocates it, releasing
// frees it and a copy copies the (empty) record. The mesh module replaces
// this file. The function table lives in model/fonctions/table_fonctions.cpp.
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

} // namespace km32
