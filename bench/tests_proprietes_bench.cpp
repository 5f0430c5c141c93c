// Property tests on a figure of 50 objects (13 built in): a triangle of free
// points in space with its midpoints, medians, centroid, circumcircle and
// plane, and a row of further points and lines. The counter tests/s is the
// rate of answered sentences; the setup checks each answer once.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "figure_dessinee.h"
#include "host/bibliotheque.h"
#include "model/messages.h"
#include "platform/hasard.h"
#include "properties/phrases_test.h"

namespace km32 {
namespace {

std::string texteFigure() {
    std::string t = "Figure Kalmetra\r\n"
                    "A point libre dans l'espace\r\n"
                    "B point libre dans l'espace\r\n"
                    "C point libre dans l'espace\r\n"
                    "Objet libre A, param\xE8tres: 0, 0, 0\r\n"
                    "Objet libre B, param\xE8tres: 4, 0, 1\r\n"
                    "Objet libre C, param\xE8tres: 1, 3, 2\r\n"
                    "P point libre dans l'espace\r\n"
                    "Objet libre P, param\xE8tres: 2, 0, 0.5\r\n"
                    "K milieu du segment [AB]\r\n"
                    "L milieu du segment [BC]\r\n"
                    "M milieu du segment [CA]\r\n"
                    "G point d'intersection des droites (AL) et (CK)\r\n"
                    "c cercle circonscrit au triangle ABC\r\n"
                    "q plan (ABC)\r\n";
    // 27 more objects: points of [KL] and the lines from C through them.
    for (int k = 1; k <= 9; ++k) {
        const std::string i = std::to_string(k);
        t += "R" + i + " milieu du segment [K" + (k == 1 ? std::string("L") : "R" + std::to_string(k - 1)) +
             "]\r\n";
        t += "d" + i + " droite (CR" + i + ")\r\n";
        t += "e" + i + " = CR" + i + "\r\n";
    }
    return t + "Fin de la figure\r\n";
}

struct Cas {
    const char* phrase;
    int16_t attendu;
};
// True in general, true only for the current values, false, and about values.
const Cas kCas[] = {
    {"Teste point K sur (AB)", 0},
    {"Teste point G sur (BM)", 0},
    {"Teste parall\xE9lisme des droites (KL) et (AC)", 0},
    {"Teste droite (KL) dans plan q", 0},
    {"Teste point R9 sur [KL]", 0},
    {"Teste droite d5 dans plan q", 0},
    {"Teste point A sur c", 0},
    {"Teste point P sur (AB)", 53},
    {"Teste \xE9galit\xE9 de P et K", 53},
    {"Teste point C sur (AB)", 52},
    {"Teste \xE9galit\xE9 des valeurs de P et K", 0},
};

void BM_TestsDeProprietesSur50Objets(benchmark::State& state) {
    initialiseBibliotheque();
    platform::initialiseHasard(1);
    etatMessages().messagesMuets = 1;
    uint16_t ligne = 0;
    auto figure = essais::figureDessinee(texteFigure(), ligne);
    TfigureKalmetra& f = *figure;
    if (ligne != 0)
        return state.SkipWithError(("figure text refused at line " + std::to_string(ligne)).c_str());
    if (f.nombreObjets != 50)
        return state.SkipWithError(("not 50 objects: " + std::to_string(f.nombreObjets)).c_str());
    for (const Cas& c : kCas)
        if (testeParTexte(f, c.phrase) != c.attendu)
            return state.SkipWithError((std::string("wrong answer to ") + c.phrase).c_str());
    for (auto _ : state) {
        platform::initialiseHasard(1);
        for (const Cas& c : kCas)
            benchmark::DoNotOptimize(testeParTexte(f, c.phrase));
    }
    state.counters["tests/s"] =
        benchmark::Counter(double(std::size(kCas)) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TestsDeProprietesSur50Objets)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace km32
