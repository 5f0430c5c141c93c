#include "sibling/table_partagee.h"

#include <cstring>

namespace km32 {

namespace {
void etatInitial(TTableDesVariablesPartagees& table) {
    std::memset(&table, 0, sizeof table);
    table.langueAppliquee = 1;
    table.langueDemandee = 1;
}

TTableDesVariablesPartagees& table() {
    static TTableDesVariablesPartagees t = [] {
        TTableDesVariablesPartagees nouvelle;
        etatInitial(nouvelle);
        return nouvelle;
    }();
    return t;
}
} // namespace

TTableDesVariablesPartagees* TQTableDesVariablesPartagees() {
    return &table();
}

void reinitialiseTableDesVariablesPartagees() {
    etatInitial(table());
}

} // namespace km32
