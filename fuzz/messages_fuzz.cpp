// A hosted figure under random sequences of mouse, key, command, menu and
// timer messages (the virtual clock moved on between them), from the same
// figure at every input. Any crash, hang or sanitizer report is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "hote_fuzz.h"
#include "platform/messages.h"

namespace {

using namespace km32;

// Free points in space, on a circle and on a segment, a free number, a
// sphere and a polyhedron: something to drag, turn and pick.
const char* const kFigure = "Figure Kalmetra\r\n"
                            "A point de coordonn\xE9"
                            "es (0,0,0) dans le rep\xE8re Rxyz\r\n"
                            "B point de coordonn\xE9"
                            "es (3,0,0) dans le rep\xE8re Rxyz\r\n"
                            "C point de coordonn\xE9"
                            "es (0,3,0) dans le rep\xE8re Rxyz\r\n"
                            "P point libre dans l'espace\r\n"
                            "c cercle de centre A et de rayon 2 dans le plan oxy (unit\xE9 Uxyz)\r\n"
                            "Q point libre sur le cercle c\r\n"
                            "R point libre sur le segment [BC]\r\n"
                            "a r\xE9"
                            "el libre de [0,10]\r\n"
                            "s sph\xE8re de centre B et de rayon 1 (unit\xE9 de longueur Uxyz)\r\n"
                            "T poly\xE8"
                            "dre convexe de sommets A,B,C,P\r\n"
                            "Fin de la figure\r\n";

// Window messages the figure's dispatcher may get from the host.
constexpr uint32_t kMessages[] = {
    platform::WM_TIMER,     platform::WM_COMMAND,     platform::WM_MOUSEMOVE, platform::WM_LBUTTONDOWN,
    platform::WM_LBUTTONUP, platform::WM_RBUTTONDOWN, platform::WM_RBUTTONUP, platform::WM_LBUTTONDBLCLK,
    platform::WM_KEYDOWN,   platform::WM_KEYUP,       platform::WM_CHAR,      platform::WM_SIZE,
    platform::WM_PAINT,     platform::WM_SETFOCUS,    platform::WM_KILLFOCUS};
// Timers a figure runs (the clock and others near it), for WM_TIMER.
constexpr uint32_t kMinuteries[] = {271, 270, 272, 1, 100, 1000};

float coordonnee(FuzzedDataProvider& d) {
    return float(d.ConsumeIntegralInRange<int>(-50, 750));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    fuzz::recreeFigure(1, kFigure);
    FuzzedDataProvider d(donnees, taille);
    for (int pas = 0; pas < 200 && d.remaining_bytes() > 0; ++pas) {
        const int16_t bouton = int16_t(d.ConsumeIntegralInRange<int>(1, 2));
        switch (d.ConsumeIntegralInRange<int>(0, 9)) {
        case 0: {
            const int16_t code = int16_t(d.ConsumeIntegralInRange<int>(0, 5));
            const float x = coordonnee(d), y = coordonnee(d);
            KMMouseDown(1, bouton, code, x, y);
            break;
        }
        case 1: {
            const float x = coordonnee(d), y = coordonnee(d);
            KMMouseMove(1, bouton, 0, x, y);
            break;
        }
        case 2: {
            const float x = coordonnee(d), y = coordonnee(d);
            KMMouseUp(1, bouton, 0, x, y);
            break;
        }
        case 3:
            KMKeyDown(1, d.ConsumeIntegral<uint8_t>());
            break;
        case 4:
            KMKeyPress(1, d.ConsumeIntegral<uint8_t>());
            break;
        case 5:
            KMExecuteCommande(1, d.ConsumeRandomLengthString(12).c_str());
            break;
        case 6:
            platform::avance(d.ConsumeIntegralInRange<int>(0, 3000));
            break;
        case 7: {
            KMMessage m{};
            m.message = d.PickValueInArray(kMessages);
            m.wParam = m.message == platform::WM_TIMER ? d.PickValueInArray(kMinuteries)
                                                       : d.ConsumeIntegral<uint16_t>();
            m.lParam = d.ConsumeIntegral<int32_t>();
            traiteMessageKMParNumero(1, &m);
            break;
        }
        case 8:
            KMAfficheMenu(1);
            break;
        default:
            KMAffecteScalaire(1, "a", d.ConsumeFloatingPoint<double>());
            break;
        }
        platform::distribueJusquAuRepos(1000);
        platform::boitesDemandees().clear();
    }
    return 0;
}
