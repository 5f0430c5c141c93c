/* A host in C without a display, that knows the library only through km32.h.
 * It keeps the library's deferred work going as such a host must: by calling
 * KMBoucleFenetres from a loop of its own. Its clock is the library's virtual
 * one, moved by the host in steps of 10 ms (essaiAvanceHorloge), so nothing
 * it checks depends on the speed of the machine. It checks that the loop
 * runs, each at its time: a figure's deferred start line (the figure clock
 * starts about a second after creation), the values shared between two
 * figures, and the ticks of a repetition command. It prints each fault and
 * exits with 1 when there was one. */
#include <stdio.h>
#include <string.h>

#include <km32.h>

/* The test's clock (tests/support/horloge_hote_c.cpp). */
void essaiHorlogeVirtuelle(void);
void essaiAvanceHorloge(int64_t ms);

#define WM_KEYUP 0x0101
#define NOTICE_RANDOM 1036 /* 1032 + cause 4, random assignments */
#define NOTICE_CLOCK 1037  /* 1032 + cause 5, the figure clock */

static int faults = 0;
static int randomNotices = 0;
static int clockNotices = 0;

static void check(int condition, int line, const char* what) {
    if (!condition) {
        printf("fault at line %d: %s\n", line, what);
        ++faults;
    }
}
#define CHECK(condition) check((condition), __LINE__, #condition)

static int32_t hostProcedure(uint32_t window, uint32_t message, uint32_t wParam, int32_t lParam) {
    (void)window;
    (void)lParam;
    if (message == WM_KEYUP && wParam == NOTICE_RANDOM) ++randomNotices;
    if (message == WM_KEYUP && wParam == NOTICE_CLOCK) ++clockNotices;
    return 0;
}

static int32_t silentBox(const char* text, const char* caption, uint32_t style) {
    (void)style;
    printf("unexpected box: %s | %s\n", caption, text);
    ++faults;
    return 1;
}

/* The host's own loop for ms milliseconds: the library's loop at each step. */
static void run(int ms) {
    for (int t = 0; t < ms; t += 10) {
        essaiAvanceHorloge(10);
        KMBoucleFenetres();
    }
}

static void deferredStartLine(void) {
    randomNotices = clockNotices = 0;
    const uint32_t window = KMCreeFenetreHote("deferred", 300, 200, hostProcedure);
    CHECK(window != 0);
    const int16_t n = KMCreeFigEtRenvoieNumero(window, NULL,
                                               "Figure Kalmetra\r\n"
                                               "D\xE9marrer avec le temps actif\r\n",
                                               NULL);
    CHECK(n > 0);
    /* Nothing runs before the host's loop does, nor before its time. */
    KMBoucleFenetres();
    run(800);
    CHECK(clockNotices == 0);
    /* About a second after creation the clock starts; it then ticks every
     * 100 ms, each tick a notice to the host window. */
    run(1200);
    CHECK(clockNotices >= 5);
    KMDetruitFigure(n);
    KMDetruitFenetreHote(window);
}

static void sharedValues(void) {
    const char* text = "Figure Kalmetra\r\n"
                       "a r\xE9"
                       "el libre\r\n"
                       "Importation active\r\n";
    const uint32_t first = KMCreeFenetreHote("sender", 300, 200, hostProcedure);
    const uint32_t second = KMCreeFenetreHote("receiver", 300, 200, hostProcedure);
    const int16_t sender = KMCreeFigEtRenvoieNumero(first, NULL, text, NULL);
    const int16_t receiver = KMCreeFigEtRenvoieNumero(second, NULL, text, NULL);
    CHECK(sender > 0 && receiver > 0);
    KMExecuteLigneFig(sender, "Affecter la variable num\xE9rique a, valeur: 7.25");
    CHECK(KMValeurScalaireDouble(sender, "a") == 7.25);
    /* The receiver imports the value when its notice is delivered. */
    CHECK(KMValeurScalaireDouble(receiver, "a") != 7.25);
    KMBoucleFenetres();
    CHECK(KMValeurScalaireDouble(receiver, "a") == 7.25);
    KMDetruitFigure(sender);
    KMDetruitFigure(receiver);
    KMDetruitFenetreHote(first);
    KMDetruitFenetreHote(second);
}

static void repetition(void) {
    randomNotices = clockNotices = 0;
    const uint32_t window = KMCreeFenetreHote("repetition", 300, 200, hostProcedure);
    const int16_t n = KMCreeFigEtRenvoieNumero(window, NULL,
                                               "Figure Kalmetra\r\n"
                                               "x r\xE9"
                                               "el libre de [0,1]\r\n"
                                               "h (touche H) affectation al\xE9"
                                               "atoire de x\r\n"
                                               "r (touche R) r\xE9p\xE9ter 3 fois: h (d\xE9lai 500 ms)\r\n",
                                               NULL);
    CHECK(n > 0);
    run(2000); /* whatever the figure deferred is done */
    CHECK(KMKeyPress(n, 'r') == 1);
    run(490);
    CHECK(randomNotices == 0);
    run(20);
    CHECK(randomNotices == 1);
    run(1000);
    CHECK(randomNotices == 3);
    /* Three times, then the repetition stops by itself. */
    run(3000);
    CHECK(randomNotices == 3);
    KMDetruitFigure(n);
    KMDetruitFenetreHote(window);
}

int main(void) {
    KMInitialise();
    essaiHorlogeVirtuelle();
    KMImposeGraineHasard(20261211);
    KMInstalleAfficheurMessages(silentBox);
    deferredStartLine();
    sharedValues();
    repetition();
    KMTermine();
    if (faults == 0) printf("all checks passed\n");
    return faults == 0 ? 0 : 1;
}
