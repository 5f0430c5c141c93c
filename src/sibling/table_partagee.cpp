#include "sibling/table_partagee.h"

namespace km32 {

TTableDesVariablesPartagees* TQTableDesVariablesPartagees() {
    static TTableDesVariablesPartagees table{};
    return &table;
}

} // namespace km32
