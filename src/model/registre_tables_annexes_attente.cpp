// PLACEHOLDERS until the modules of the meshes, the function objects and the
// prototypes exist: their tables are still empty records, so creating one
// allocates it, releasing frees it and a copy copies the (empty) record. Each
// module replaces its part of this file.
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

void creeTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table) {
    table = std::make_unique<TtableDesFonctions>();
}
void libereTableDesFonctions(std::unique_ptr<TtableDesFonctions>& table) {
    table.reset();
}
void copieTableDesFonctions(const TtableDesFonctions& source, std::unique_ptr<TtableDesFonctions>& copie) {
    copie = std::make_unique<TtableDesFonctions>(source);
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
