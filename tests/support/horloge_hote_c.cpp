// The clock of the C host of tests/hote_c: virtual, moved by the host itself,
// so that what that host checks never depends on the speed of the machine.
// The host is linked with the library's static build, where these functions
// reach the clock of the platform layer; nothing else of the library is
// used but its public interface.
#include <cstdint>

#include "platform/horloge.h"

extern "C" {

void essaiHorlogeVirtuelle(void) {
    km32::platform::utiliseHorlogeVirtuelle(true);
}

void essaiAvanceHorloge(int64_t ms) {
    km32::platform::avanceHorloge(ms);
}
}
