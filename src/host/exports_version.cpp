// Exported functions: the version and the memory blocks handed to a host.
#include "km32.h"

#include <string>

#include "host/exports_commun.h"
#include "platform/memoire.h"

using km32::appelProtege;
using km32::appelProtegeSansResultat;

extern "C" {

KM32_EXPORT uint32_t KM32NumeroVersion(void) {
    return appelProtege(uint32_t(0),
                        [] { return km32::platform::alloueBlocDeTaille("1.3.3.0", km32::kTailleBlocNom); });
}

KM32_EXPORT const char* KMContenuBloc(uint32_t bloc) {
    return appelProtege(static_cast<const char*>(nullptr), [&]() -> const char* {
        const std::string* b = km32::platform::contenuBloc(bloc);
        return b ? b->c_str() : nullptr;
    });
}

KM32_EXPORT uint32_t KMTailleBloc(uint32_t bloc) {
    return appelProtege(uint32_t(0), [&]() -> uint32_t {
        const std::string* b = km32::platform::contenuBloc(bloc);
        return b ? uint32_t(b->size()) : 0; // the final NUL included
    });
}

KM32_EXPORT void KMLibereBloc(uint32_t bloc) {
    appelProtegeSansResultat([&] { km32::platform::libereBloc(bloc); });
}
}
