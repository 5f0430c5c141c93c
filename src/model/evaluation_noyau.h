#pragma once
// The run of a compiled byte list over its slots: one straight pass, no
// allocation. The caller fills the slots (variables, constants, objects)
// and says how a load (a call of a function object, opcodes 201 to 226)
// is evaluated.
#include <array>
#include <cmath>
#include <cstdint>

#include "base/erreur.h"
#include "model/analyse_expression.h"
#include "model/operations.h"

namespace km32 {

using TcasesExpression = std::array<double, kNombreCases + 1>;   // slots 1 to 180
using TcodeExpression = std::array<uint8_t, kMaxOctetsCode + 1>; // bytes 1 to 200

// Runs the instructions from position debut while position < fin; returns
// true when a computation was impossible (the run stops there). The load
// is called as charge(rang, nombreArguments, arguments[3], resultat) -> bool
// defined, rang being the place of the function object in the header.
// A unit of length below 1e-10 makes the operations that divide by it
// impossible.
template <class Charge>
bool executeInstructions(TcasesExpression& cases, const TcodeExpression& code, int debut, int fin,
                         double unite, Charge&& charge) {
    const auto octet = [&](int p) -> int {
        verifieIndice(p, 1, kMaxOctetsCode, "byte of a compiled expression");
        return code[std::size_t(p)];
    };
    const auto casee = [&](int k, int taille) -> double* {
        verifieIndice(k, 1, kNombreCases - taille + 1, "slot of a compiled expression");
        return &cases[std::size_t(k)];
    };
    const bool uniteValide = std::fabs(unite) >= 1e-10;
    int p = debut;
    bool arret = false;
    while (!arret && p < fin) {
        const int op = octet(p);
        ++p;
        const int r = octet(p);
        if (op > 200) {
            const int k = octet(p + 1);
            double arguments[3] = {0, 0, 0};
            for (int i = 0; i < k && i < 3; ++i)
                arguments[i] = *casee(octet(p + 2 + i), 1);
            double resultat = 0;
            if (charge(op - 200, k, arguments, resultat))
                *casee(r, 1) = resultat;
            else
                arret = true;
            p += 2 + k;
            continue;
        }
        const int arite = ariteOperation(uint8_t(op));
        const int ia = arite >= 1 ? octet(p + 1) : 0;
        const int ib = arite >= 2 ? octet(p + 2) : 0;
        if (op >= 1 && op <= 30) {
            double resultat = 0;
            calculeFonctionUnaire(uint8_t(op), resultat, arret, *casee(ia, 1));
            if (!arret) *casee(r, 1) = resultat;
        } else if (op >= 31 && op <= 50) {
            double resultat = 0;
            calculeOperationBinaire(uint8_t(op), resultat, arret, *casee(ia, 1), *casee(ib, 1));
            if (!arret) *casee(r, 1) = resultat;
        } else {
            const auto vecteur = [&](int k) {
                const double* v = casee(k, 3);
                return std::array<double, 3>{v[0], v[1], v[2]};
            };
            const auto ecrisVecteur = [&](const std::array<double, 3>& v) {
                double* d = casee(r, 3);
                d[0] = v[0];
                d[1] = v[1];
                d[2] = v[2];
            };
            switch (op) {
            case 101: {
                const auto a = vecteur(ia);
                ecrisVecteur({-a[0], -a[1], -a[2]});
                break;
            }
            case 131:
            case 132:
            case 133: {
                const auto a = vecteur(ia), b = vecteur(ib);
                if (op == 131) ecrisVecteur({a[0] + b[0], a[1] + b[1], a[2] + b[2]});
                if (op == 132) ecrisVecteur({a[0] - b[0], a[1] - b[1], a[2] - b[2]});
                if (op == 133) ecrisVecteur({b[0] - a[0], b[1] - a[1], b[2] - a[2]});
                break;
            }
            case 134: { // vector product, in the unit of length
                if (!uniteValide) {
                    arret = true;
                    break;
                }
                const auto a = vecteur(ia), b = vecteur(ib);
                ecrisVecteur({(a[1] * b[2] - a[2] * b[1]) / unite, (a[2] * b[0] - a[0] * b[2]) / unite,
                              (a[0] * b[1] - a[1] * b[0]) / unite});
                break;
            }
            case 141: {
                const double a = *casee(ia, 1);
                const auto b = vecteur(ib);
                ecrisVecteur({a * b[0], a * b[1], a * b[2]});
                break;
            }
            case 142: {
                const auto a = vecteur(ia);
                const double b = *casee(ib, 1);
                if (std::fabs(b) < 1e-10)
                    arret = true;
                else
                    ecrisVecteur({a[0] / b, a[1] / b, a[2] / b});
                break;
            }
            case 73:
            case 162: {
                const auto a = vecteur(ia), b = vecteur(ib);
                const bool egaux = a == b;
                *casee(r, 1) = (op == 162) == egaux ? 1.0 : 0.0;
                break;
            }
            case 161:
            case 164:
            case 181:
            case 52:
            case 182: {
                if (!uniteValide) {
                    arret = true;
                    break;
                }
                const auto a = vecteur(ia);
                double v = 0;
                if (op == 161) {
                    const auto b = vecteur(ib);
                    v = (a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) / (unite * unite);
                } else if (op == 164) {
                    const auto b = vecteur(ib);
                    v = std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]) +
                                  (b[2] - a[2]) * (b[2] - a[2])) /
                        unite;
                } else if (op == 181) {
                    v = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]) / unite;
                } else {
                    v = (a[0] * a[0] + a[1] * a[1] + a[2] * a[2]) / (unite * unite);
                }
                *casee(r, 1) = v;
                break;
            }
            default:
                break; // any other opcode computes nothing
            }
        }
        p += 1 + arite;
    }
    return arret;
}

} // namespace km32
