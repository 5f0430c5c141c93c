#include "model/solides/parties_cachees_segment.h"

#include <cmath>

#include "base/erreur.h"

namespace km32 {

void initialiseSegmentCoupe(TsegmentCoupe& s, const Tvecteur3& P, const Tvecteur3& D) {
    s.P = P;
    s.D = D;
    s.t[0] = 0;
    s.t[1] = 1;
    s.dernier = 1;
    s.commenceCache = 0;
    s.hors = 0;
}

namespace {

// Removes the break points first..last (inclusive) and moves the later ones down.
void retirePoints(TsegmentCoupe& s, int premier, int dernier) {
    const int n = dernier - premier + 1;
    if (n <= 0) return;
    verifieIndice(premier, 1, s.dernier - 1, "break point removed");
    verifieIndice(dernier, 1, s.dernier - 1, "break point removed");
    for (int k = dernier + 1; k <= s.dernier; ++k)
        s.t[k - n] = s.t[k];
    s.dernier -= n;
}

void inserePoint(TsegmentCoupe& s, int k, double v) {
    verifieCapacite(s.dernier + 1, kMaxParametresCoupure, "break points of a segment");
    verifieIndice(k, 1, s.dernier, "break point inserted");
    for (int j = s.dernier; j >= k; --j)
        s.t[j + 1] = s.t[j];
    s.t[k] = v;
    ++s.dernier;
}

} // namespace

void fusionneMorceaux(TsegmentCoupe& s, int maxDernier) {
    if (maxDernier < 1) maxDernier = 1;
    while (s.dernier > maxDernier) {
        if (s.dernier - maxDernier >= 2 && s.dernier >= 3) {
            // The shortest inner piece takes the state of its two neighbours.
            int kMin = 2;
            for (int k = 3; k <= s.dernier - 1; ++k)
                if (s.t[k] - s.t[k - 1] < s.t[kMin] - s.t[kMin - 1]) kMin = k;
            retirePoints(s, kMin - 1, kMin);
        } else if (s.t[1] - s.t[0] <= s.t[s.dernier] - s.t[s.dernier - 1]) {
            // The first piece joins the second.
            retirePoints(s, 1, 1);
            s.commenceCache = s.commenceCache ? 0 : 1;
        } else {
            // The last piece joins the one before it.
            retirePoints(s, s.dernier - 1, s.dernier - 1);
        }
    }
}

void ajouteIntervalleCache(TsegmentCoupe& s, double a, double b) {
    if (!(a <= b)) return; // also refuses NaN
    if (a > 0.001) a -= 0.001;
    if (b < 0.999) b += 0.001;
    if (a >= s.t[s.dernier] || b <= s.t[0]) return;
    if (s.dernier + 2 > kMaxParametresCoupure) fusionneMorceaux(s, kMaxParametresCoupure - 2);

    int m;
    if (b >= s.t[s.dernier]) {
        m = s.dernier;
    } else {
        m = 1;
        while (s.t[m] < b)
            ++m;
        if (!morceauCache(s, m)) inserePoint(s, m, b);
    }
    int l;
    if (a <= s.t[0]) {
        l = 0;
    } else {
        l = s.dernier - 1;
        while (l > 0 && s.t[l] >= a)
            --l;
        if (!morceauCache(s, l + 1)) {
            inserePoint(s, l + 1, a);
            ++l;
            ++m;
        }
    }
    retirePoints(s, l + 1, m - 1);
    if (l == 0) s.commenceCache = 1;
}

bool coupeIntervallePlan(double e, double h, double seuil, double limite, double& a, double& b) {
    if (std::fabs(e) >= seuil) {
        const double t = -h / e;
        if (e > 0) {
            if (t < a) return false;
            if (t <= b) b = t;
        } else if (t >= a) {
            if (t > b) return false;
            a = t;
        }
        return true;
    }
    return h < limite;
}

} // namespace km32
