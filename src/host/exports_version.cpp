// Exported functions: version and memory blocks handed to the host.
#include "km32.h"

#include <cstring>
#include <map>
#include <string>

namespace {
// Temporary store of blocks until the platform layer's global memory exists.
std::map<uint32_t, std::string>& blocs() {
    static std::map<uint32_t, std::string> b;
    return b;
}
uint32_t prochain = 1;
} // namespace

extern "C" {

uint32_t KM32NumeroVersion(void) {
    try {
        uint32_t h = prochain++;
        blocs()[h] = "1.3.3.0";
        return h;
    } catch (...) {
        return 0;
    }
}

const char* KMContenuBloc(uint32_t bloc) {
    auto it = blocs().find(bloc);
    return it == blocs().end() ? nullptr : it->second.c_str();
}

uint32_t KMTailleBloc(uint32_t bloc) {
    auto it = blocs().find(bloc);
    return it == blocs().end() ? 0 : uint32_t(it->second.size() + 1);
}

void KMLibereBloc(uint32_t bloc) {
    try {
        blocs().erase(bloc);
    } catch (...) {
    }
}
}
