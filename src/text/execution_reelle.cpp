// The switch of real execution: off while a text is only read into a figure
// (validated, applied, replayed for undo), so that its start commands wait.
#include "model/services_texte.h"
#include "text/execution_ligne.h"

namespace km32 {

// The flag lives with the line executor.
uint8_t& executionReelle() {
    return etatExecutionLigne().executionReelle;
}

} // namespace km32
