// km32: the command-line host. It uses only the public interface km32.h.
#include "km32.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        uint32_t b = KM32NumeroVersion();
        std::printf("km32 %s\n", KMContenuBloc(b));
        KMLibereBloc(b);
        return 0;
    }
    std::fprintf(stderr, "usage: km32 --version\n");
    return 2;
}
