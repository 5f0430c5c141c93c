// The equation of a plane in a frame, with small integer coefficients where
// the plane allows them, and its text " aX +bY +cZ = d".
#include <cmath>

#include "base/texte.h"
#include "model/calcul/aides_construction.h"
#include "model/calcul/geometrie.h"
#include "model/calcul/raisons.h"
#include "model/nombres_texte.h"
#include "model/operations.h"
#include "model/vecteurs.h"

namespace km32 {

using namespace calcul;

namespace {

// Divisor m from 1 to 20 that makes m r1 and m r2 both integers (within
// 1e-5): the divisor becomes m and the two others those integers.
void chercheMultiplicateur(double& diviseur, double& p, double& q, double r1, double r2) {
    if (!(std::fabs(r1) <= 20)) return;
    for (int m = 1; m <= 20; ++m) {
        const double a = m * r1, b = m * r2;
        if (std::fabs(a - arrondiPair(a)) < 1e-5 && std::fabs(b - arrondiPair(b)) < 1e-5) {
            diviseur = m;
            p = arrondiPair(a);
            q = arrondiPair(b);
            return;
        }
    }
}

void simplifieParDiviseur(double& diviseur, double& p, double& q) {
    chercheMultiplicateur(diviseur, p, q, p / diviseur, q / diviseur);
}

// Two nonzero coefficients as the smallest fraction of their ratio.
void simplifieCouple(double& p, double& q) {
    bool trouve = false;
    int num = 0, den = 0;
    if (std::fabs(p) <= std::fabs(q)) {
        fractionProche(trouve, num, den, q / p);
        if (trouve) {
            p = den;
            q = num;
        }
    } else {
        fractionProche(trouve, num, den, p / q);
        if (trouve) {
            p = num;
            q = den;
        }
    }
}

void simplifieCoefficients(double& a, double& b, double& c) {
    if (a == 0) {
        simplifieCouple(b, c);
    } else if (b == 0) {
        simplifieCouple(a, c);
    } else if (c == 0) {
        simplifieCouple(a, b);
    } else {
        // The coefficient of smallest magnitude divides the others; ties go
        // to the later one.
        const double fa = std::fabs(a), fb = std::fabs(b), fc = std::fabs(c);
        if (fc <= fa && fc <= fb)
            simplifieParDiviseur(c, a, b);
        else if (fb <= fa && fb < fc)
            simplifieParDiviseur(b, a, c);
        else
            simplifieParDiviseur(a, b, c);
    }
}

} // namespace

void calculeEquationPlan(TfigureKalmetra& f, int n) {
    const int repere = parentObjet(f, n, 1);
    V3 normale;
    double d = 0;
    if (!planOperande(f, parentObjet(f, n, 2), parentObjet(f, n, 3), parentObjet(f, n, 4), normale, d)) {
        rendIndefini(f, n, raison::kPlanNonValide);
        return;
    }
    V3 q;
    pointDuPlan(q.x, q.y, q.z, normale.x, normale.y, normale.z, d);
    if (repere != 1) {
        coordonneesDansRepere(f, repere, q.x, q.y, q.z, q.x, q.y, q.z);
        // Two independent vectors of the plane, in frame components.
        Tvecteur3 e1, e2;
        baseOrthonormee(e1, e2, normale.x, normale.y, normale.z);
        V3 c1, c2;
        composantesDansRepere(f, repere, e1.x, e1.y, e1.z, c1.x, c1.y, c1.z);
        composantesDansRepere(f, repere, e2.x, e2.y, e2.z, c2.x, c2.y, c2.z);
        normale = vectoriel(c1, c2);
        unitaire(normale);
    }
    double a = normale.x, b = normale.y, c = normale.z;
    if (std::fabs(a) < 0.0005) {
        a = 0;
        normalise2(b, c);
    }
    if (std::fabs(b) < 0.0005) {
        b = 0;
        normalise2(a, c);
    }
    if (std::fabs(c) < 0.0005) {
        c = 0;
        normalise2(a, b);
    }
    if (std::fabs(a + b + c) != 1) simplifieCoefficients(a, b, c);
    if (a < 0 || (a == 0 && b < 0) || (a == 0 && b == 0 && c < 0)) {
        a = -a;
        b = -b;
        c = -c;
    }
    valeurObjet(f, n, 4) = a;
    valeurObjet(f, n, 5) = b;
    valeurObjet(f, n, 6) = c;
    valeurObjet(f, n, 7) = a * q.x + b * q.y + c * q.z;
}

void texteEquationPlan(const TfigureKalmetra& f, int n, std::string& texte) {
    const int decimales = int(arrondiPair(valeurObjet(f, n, 3)));
    std::string nombre;
    texteDeReelPuissance(decimales, nombre, valeurObjet(f, n, 7));
    texte = "= " + nombre;
    struct Terme {
        int valeur;
        const char* lettre;
    };
    static constexpr Terme termes[3] = {{6, "Z "}, {5, "Y "}, {4, "X "}};
    for (const Terme& t : termes) {
        texteDeReelPuissance(decimales, nombre, valeurObjet(f, n, t.valeur));
        nombre = coupe(nombre, 10);
        if (nombre == "0") continue;
        if (nombre == "1")
            nombre.clear();
        else if (nombre == "-1")
            nombre = "-";
        if (t.valeur != 4 && (nombre.empty() || nombre[0] != '-')) nombre.insert(0, "+");
        texte = nombre + t.lettre + texte;
    }
    if (!texte.empty() && texte[0] == '+') texte.erase(0, 1);
    texte = coupe(" " + texte, 80);
}

} // namespace km32
