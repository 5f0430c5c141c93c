#pragma once
// The switch of the error report: while it is on, a reported error is shown;
// switching it off swallows exactly the next report, which switches it on
// again. It is on when the library loads; reading a figure's initial file
// switches it off.
#include <cstdint>

namespace km32 {

struct EtatAffichageErreurs {
    uint8_t affichageErreurs = 1;
};
EtatAffichageErreurs& etatAffichageErreurs();
void reinitialiseAffichageErreurs();

} // namespace km32
