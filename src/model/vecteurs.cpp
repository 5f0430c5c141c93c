#include "model/vecteurs.h"

#include <cmath>

#include "model/operations.h"

namespace km32 {

double determinant3(double ux, double uy, double uz, double vx, double vy, double vz, double wx, double wy,
                    double wz) {
    return ux * (vy * wz - vz * wy) - uy * (vx * wz - vz * wx) + uz * (vx * wy - vy * wx);
}

void produitVectoriel(double& x, double& y, double& z, double ux, double uy, double uz, double vx, double vy,
                      double vz) {
    x = uy * vz - uz * vy;
    y = uz * vx - ux * vz;
    z = ux * vy - uy * vx;
}

double produitScalaire(double ux, double uy, double uz, double vx, double vy, double vz) {
    return ux * vx + uy * vy + uz * vz;
}

// The columns u, v, w are the coefficients of the three unknowns, so the
// determinant of the system is that of the matrix whose columns they are
// (equal to the one with them as rows).
void resoutSysteme3SansControle(double& x, double& y, double& z, double rx, double ry, double rz, double ux,
                                double uy, double uz, double vx, double vy, double vz, double wx, double wy,
                                double wz) {
    const double d = determinant3(ux, uy, uz, vx, vy, vz, wx, wy, wz);
    x = determinant3(rx, ry, rz, vx, vy, vz, wx, wy, wz) / d;
    y = determinant3(ux, uy, uz, rx, ry, rz, wx, wy, wz) / d;
    z = determinant3(ux, uy, uz, vx, vy, vz, rx, ry, rz) / d;
}

void resoutSysteme3(double& x, double& y, double& z, bool& ok, double rx, double ry, double rz, double ux,
                    double uy, double uz, double vx, double vy, double vz, double wx, double wy, double wz) {
    const double d = determinant3(ux, uy, uz, vx, vy, vz, wx, wy, wz);
    ok = std::fabs(d) > 1e-10;
    if (ok) resoutSysteme3SansControle(x, y, z, rx, ry, rz, ux, uy, uz, vx, vy, vz, wx, wy, wz);
}

double norme3(double x, double y, double z) {
    return std::sqrt(x * x + y * y + z * z);
}

void normalise3(double& x, double& y, double& z) {
    const double n = norme3(x, y, z);
    x /= n;
    y /= n;
    z /= n;
}

bool normaliseSiNonNul(double& x, double& y, double& z) {
    const double n = norme3(x, y, z);
    if (n < 1e-10) return false;
    x /= n;
    y /= n;
    z /= n;
    return true;
}

bool vecteursColineaires(double ux, double uy, double uz, double vx, double vy, double vz) {
    double x, y, z;
    produitVectoriel(x, y, z, ux, uy, uz, vx, vy, vz);
    return std::fabs(x) < 1e-8 && std::fabs(y) < 1e-8 && std::fabs(z) < 1e-8;
}

bool estVecteurNul(double x, double y, double z) {
    return norme3(x, y, z) < 1e-6;
}

double distanceALaDroite(double wx, double wy, double wz, double dx, double dy, double dz) {
    const double p = produitScalaire(wx, wy, wz, dx, dy, dz);
    return std::sqrt(std::fabs(produitScalaire(wx, wy, wz, wx, wy, wz) - p * p));
}

void tourneVecteurAutourAxe(double& x, double& y, double& z, double ax, double ay, double az, double cosT,
                            double sinT) {
    double cx, cy, cz;
    produitVectoriel(cx, cy, cz, ax, ay, az, x, y, z);
    const double k = produitScalaire(ax, ay, az, x, y, z) * (1 - cosT);
    const double nx = x * cosT + cx * sinT + ax * k;
    const double ny = y * cosT + cy * sinT + ay * k;
    const double nz = z * cosT + cz * sinT + az * k;
    x = nx;
    y = ny;
    z = nz;
}

void tourneRepereAutourAxe(Tvecteur3& u, Tvecteur3& v, Tvecteur3& w, double t, double ax, double ay,
                           double az) {
    const double c = std::cos(t), s = std::sin(t);
    tourneVecteurAutourAxe(u.x, u.y, u.z, ax, ay, az, c, s);
    tourneVecteurAutourAxe(v.x, v.y, v.z, ax, ay, az, c, s);
    tourneVecteurAutourAxe(w.x, w.y, w.z, ax, ay, az, c, s);
}

void repereDAngles(Tvecteur3& u, Tvecteur3& v, Tvecteur3& w, double t1, double t2, double t3) {
    u = {1, 0, 0};
    v = {0, 1, 0};
    w = {0, 0, 1};
    tourneRepereAutourAxe(u, v, w, t1, 0, 0, 1);
    tourneRepereAutourAxe(u, v, w, t2, 0, 1, 0);
    tourneRepereAutourAxe(u, v, w, t3, 1, 0, 0);
}

void anglesDeRepere(double& t1, double& t2, double& t3, const Tvecteur3& u0, const Tvecteur3& v0,
                    const Tvecteur3& w0) {
    Tvecteur3 u = u0, v = v0, w = w0;
    if (w.y == 0 && w.z == 0) {
        t3 = 0;
    } else {
        t3 = arcCosinus(w.z / hypotenuse(w.z, w.y));
        if (w.y > 0) t3 = -t3;
    }
    tourneRepereAutourAxe(u, v, w, -t3, 1, 0, 0);
    t2 = arcCosinus(w.z);
    if (w.x < 0) t2 = -t2;
    tourneRepereAutourAxe(u, v, w, -t2, 0, 1, 0);
    t1 = arcCosinus(u.x);
    if (u.y < 0) t1 = -t1;
}

void tourneAnglesAutourAxe(double& t1, double& t2, double& t3, double ax, double ay, double az, double t) {
    Tvecteur3 u, v, w;
    repereDAngles(u, v, w, t1, t2, t3);
    tourneRepereAutourAxe(u, v, w, t, ax, ay, az);
    anglesDeRepere(t1, t2, t3, u, v, w);
}

void vecteurOrthogonal(double& x, double& y, double& z, double vx, double vy, double vz) {
    const double ax = std::fabs(vx), ay = std::fabs(vy), az = std::fabs(vz);
    double ex = 0, ey = 0, ez = 0;
    if (ax >= ay) {
        if (ay >= az)
            ez = 1;
        else
            ey = 1;
    } else {
        if (ax >= az)
            ez = 1;
        else
            ex = 1;
    }
    produitVectoriel(x, y, z, ex, ey, ez, vx, vy, vz);
    normalise3(x, y, z);
}

void baseOrthonormee(Tvecteur3& u, Tvecteur3& w, double vx, double vy, double vz) {
    vecteurOrthogonal(u.x, u.y, u.z, vx, vy, vz);
    produitVectoriel(w.x, w.y, w.z, vx, vy, vz, u.x, u.y, u.z);
}

void pointDuPlan(double& x, double& y, double& z, double a, double b, double c, double d) {
    const double aa = std::fabs(a), ab = std::fabs(b), ac = std::fabs(c);
    x = y = z = 0;
    if (aa > ab && aa > ac)
        x = -d / a;
    else if (aa <= ab && ab > ac)
        y = -d / b;
    else
        z = -d / c;
}

void repereDuPlan(Tvecteur3& origine, Tvecteur3& axe1, Tvecteur3& axe2, double a, double b, double c,
                  double d) {
    pointDuPlan(origine.x, origine.y, origine.z, a, b, c, d);
    baseOrthonormee(axe1, axe2, a, b, c);
}

bool pointSurPlan(double a, double b, double c, double d, double x, double y, double z) {
    return std::fabs(a * x + b * y + c * z + d) < 1e-6;
}

bool plansConfondus(double a1, double b1, double c1, double d1, double a2, double b2, double c2, double d2) {
    const bool egaux = std::fabs(a1 - a2) < 1e-6 && std::fabs(b1 - b2) < 1e-6 && std::fabs(c1 - c2) < 1e-6 &&
                       std::fabs(d1 - d2) < 1e-6;
    const bool opposes = std::fabs(a1 + a2) < 1e-6 && std::fabs(b1 + b2) < 1e-6 &&
                         std::fabs(c1 + c2) < 1e-6 && std::fabs(d1 + d2) < 1e-6;
    return egaux || opposes;
}

} // namespace km32
