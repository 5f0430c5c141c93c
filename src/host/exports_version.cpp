// Exported functions: version and memory blocks handed to the host.
#include "km32.h"

#include <cstring>
#include "platform/memoire.h"

#include <string>


extern "C" {

uint32_t KM32NumeroVersion(void) {
    try {
        return km32::platform::alloueBloc("1.3.3.0");
    } catch (...) {
        return 0;
    }
}

const char* KMContenuBloc(uint32_t bloc) {
    try {
        const std::string* b = km32::platform::contenuBloc(bloc);
        return b ? b->c_str() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

uint32_t KMTailleBloc(uint32_t bloc) {
    try {
        const std::string* b = km32::platform::contenuBloc(bloc);
        return b ? uint32_t(b->size()) : 0;
    } catch (...) {
        return 0;
    }
}

void KMLibereBloc(uint32_t bloc) {
    try {
        km32::platform::libereBloc(bloc);
    } catch (...) {
    }
}
}
