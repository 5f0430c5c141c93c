#pragma once
// A point of the model as tests write it, and the check that a computed
// point is where it should be (within 1e-9 unless said otherwise).
#include <gtest/gtest.h>

namespace km32::essais {

struct P3 {
    double x = 0, y = 0, z = 0;
};

inline void attendPoint(P3 a, P3 b, double e = 1e-9) {
    EXPECT_NEAR(a.x, b.x, e);
    EXPECT_NEAR(a.y, b.y, e);
    EXPECT_NEAR(a.z, b.z, e);
}
inline void attendPoint(const P3& p, double x, double y, double z, double e = 1e-9) {
    attendPoint(p, P3{x, y, z}, e);
}

} // namespace km32::essais
