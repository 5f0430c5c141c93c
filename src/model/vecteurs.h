#pragma once
// Three-dimensional vector algebra on doubles passed by value, results
// through output parameters. Each tolerance here decides when objects are
// undefined, collinear or equal: keep them as they are.
namespace km32 {

double determinant3(double ux, double uy, double uz, double vx, double vy, double vz, double wx, double wy,
                    double wz);
void produitVectoriel(double& x, double& y, double& z, double ux, double uy, double uz, double vx, double vy,
                      double vz);
double produitScalaire(double ux, double uy, double uz, double vx, double vy, double vz);

// Solves x u + y v + z w = r by Cramer's rule; ok when |det| > 1e-10, the
// outputs untouched otherwise.
void resoutSysteme3(double& x, double& y, double& z, bool& ok, double rx, double ry, double rz, double ux,
                    double uy, double uz, double vx, double vy, double vz, double wx, double wy, double wz);
void resoutSysteme3SansControle(double& x, double& y, double& z, double rx, double ry, double rz, double ux,
                                double uy, double uz, double vx, double vy, double vz, double wx, double wy,
                                double wz);

double norme3(double x, double y, double z);
void normalise3(double& x, double& y, double& z);
// False, vector unchanged, when the length is below 1e-10.
bool normaliseSiNonNul(double& x, double& y, double& z);
// Every component of u x v below 1e-8 in absolute value.
bool vecteursColineaires(double ux, double uy, double uz, double vx, double vy, double vz);
// Length below 1e-6.
bool estVecteurNul(double x, double y, double z);
// Distance to a line: w from a point of the line to the point, d the unit direction.
double distanceALaDroite(double wx, double wy, double wz, double dx, double dy, double dz);

// Rodrigues' rotation about the unit axis a (right-handed), given cos t and sin t.
void tourneVecteurAutourAxe(double& x, double& y, double& z, double ax, double ay, double az, double cosT,
                            double sinT);
struct Tvecteur3 {
    double x = 0, y = 0, z = 0;
};
inline Tvecteur3 plus(const Tvecteur3& a, const Tvecteur3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Tvecteur3 moins(const Tvecteur3& a, const Tvecteur3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Tvecteur3 fois(double k, const Tvecteur3& v) {
    return {k * v.x, k * v.y, k * v.z};
}
// p + t v.
inline Tvecteur3 combine(const Tvecteur3& p, double t, const Tvecteur3& v) {
    return {p.x + t * v.x, p.y + t * v.y, p.z + t * v.z};
}
inline double scalaire(const Tvecteur3& a, const Tvecteur3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Tvecteur3 vectoriel(const Tvecteur3& a, const Tvecteur3& b) {
    Tvecteur3 r;
    produitVectoriel(r.x, r.y, r.z, a.x, a.y, a.z, b.x, b.y, b.z);
    return r;
}
void tourneRepereAutourAxe(Tvecteur3& u, Tvecteur3& v, Tvecteur3& w, double t, double ax, double ay,
                           double az);
// The frame turned by t1 about z, then t2 about y, then t3 about x.
void repereDAngles(Tvecteur3& u, Tvecteur3& v, Tvecteur3& w, double t1, double t2, double t3);
// The angles of an orthonormal right-handed frame (inverse of repereDAngles).
void anglesDeRepere(double& t1, double& t2, double& t3, const Tvecteur3& u, const Tvecteur3& v,
                    const Tvecteur3& w);
void tourneAnglesAutourAxe(double& t1, double& t2, double& t3, double ax, double ay, double az, double t);

// A unit vector orthogonal to v.
void vecteurOrthogonal(double& x, double& y, double& z, double vx, double vy, double vz);
void baseOrthonormee(Tvecteur3& u, Tvecteur3& w, double vx, double vy, double vz);

// Planes a x + b y + c z + d = 0.
void pointDuPlan(double& x, double& y, double& z, double a, double b, double c, double d);
void repereDuPlan(Tvecteur3& origine, Tvecteur3& axe1, Tvecteur3& axe2, double a, double b, double c,
                  double d);
bool pointSurPlan(double a, double b, double c, double d, double x, double y, double z);
bool plansConfondus(double a1, double b1, double c1, double d1, double a2, double b2, double c2, double d2);

} // namespace km32
