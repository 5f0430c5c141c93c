#pragma once
// The predicates of the property tests: for one test code and a list of
// object numbers, whether the property holds on the figure's current values,
// and whether that can be decided (some objects may be undefined). Also the
// geometric primitives they share and the tolerance they compare with.
//
// Tolerance: a byte t of the test request. Angles, dot and cross products of
// unit vectors, plane coefficients and numbers are compared with 0.01 t;
// distances in the figure with t / P, P the length of one model unit on the
// screen in pixels (t is then a distance in pixels). With t = 0 each
// primitive uses its own fixed bound. Every comparison is strict.
#include <array>
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// The answer of a predicate. Two-answer form: undecidable and holds.
// Four-answer form (codes that compare objects of one kind): also the
// qualifier (index of the first undefined argument; 255 for an argument that
// cannot be compared at all) and whether one was reported.
struct TReponseTest {
    uint8_t qualificatif = 0;
    uint8_t qualificatifSignale = 0;
    uint8_t indecidable = 0;
    uint8_t vrai = 0;
};

// Argument list: object numbers at places 1 to 20 (place 0 unused; 255 none,
// 0 an absent second point), and reals at places 1 to 3 (255.0 none) for the
// numeric operands of codes 61 to 66.
constexpr int kMaxArgumentsTest = 20;
constexpr uint8_t kAucunObjet = 255;
constexpr double kAucunReel = 255.0;
struct TArgumentsTest {
    std::array<uint8_t, kMaxArgumentsTest + 1> objets{};
    uint8_t nombre = 0;
    std::array<double, 4> reels{};
};

// The tolerance of the test being evaluated.
void fixeToleranceTest(uint8_t t);
double toleranceTest();

struct V3Test {
    double x = 0, y = 0, z = 0;
};

// Primitives, on the current values of the figure.
bool colineairesAvecTolerance(const V3Test& u, const V3Test& v);
bool memeSensColineaires(const V3Test& u, const V3Test& v);
bool memeSensAvecTolerance(const V3Test& u, const V3Test& v);
bool orthogonauxAvecTolerance(const V3Test& u, const V3Test& v);
bool pointsConfondusAvecTolerance(const TfigureKalmetra& f, int a, int b);
// Line through the first point of a with the direction of (a, b), or of the
// line object a when b is 0.
bool pointSurDroite(const TfigureKalmetra& f, int p, int a, int b);
bool pointSurDemiDroite(const TfigureKalmetra& f, int p, int a, int b);
bool pointSurSegment(const TfigureKalmetra& f, int p, int a, int b);
// The plane is a plane object (b = c = 0) or three points.
bool pointSurPlan(const TfigureKalmetra& f, int p, int a, int b, int c);
V3Test imageParTransformation(const TfigureKalmetra& f, const V3Test& p, int transformation);
bool valeursObjetsEgales(const TfigureKalmetra& f, int i, int j, double borne, int n);
// Functions (or sequences) compared at N abscissae of [a, b] (every integer
// of [a, b] for sequences); both undefined counts as equal.
bool fonctionsEgalesSurIntervalle(const TfigureKalmetra& f, int u, int v, double a, double b, double N,
                                  double borne);
bool suitesEgalesSurIntervalle(const TfigureKalmetra& f, int u, int v, double a, double b, double borne);

// The predicate of one test code on the current values. variante: the second
// code of a pair, which tests the negation. Codes without predicate leave
// the answer as the caller set it.
void evaluePredicat(const TfigureKalmetra& f, uint8_t code, const TArgumentsTest& arguments, bool variante,
                    TReponseTest& reponse);

} // namespace km32
