#include "host/avis_modification.h"

namespace km32 {

namespace {

AvisModification& avisInstalle() {
    static AvisModification avis = nullptr;
    return avis;
}

} // namespace

void installeAvisModification(AvisModification avis) {
    avisInstalle() = avis;
}

void avisModificationHote(int16_t numero, bool modifiee) {
    if (AvisModification avis = avisInstalle()) avis(numero, modifiee ? 1 : 0);
}

} // namespace km32
