// The figures the worked example must come out to, for the tests that run
// the computation on it.
#pragma once

#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

namespace orv::testing {

// The worked example's figures at volume 200, with the moment about the lie
// axis that its lie angle gives.
inline void ExpectWorkedExampleResults(const ClubResults& r, float izcPrime)
{
    EXPECT_NEAR(r.EigenX, 3.57028, 5e-6);
    EXPECT_NEAR(r.EigenY, 2.94289, 5e-6);
    EXPECT_NEAR(r.EigenZ, 1.98683, 5e-6);
    EXPECT_EQ(r.IxxC, 1.9999996f);
    EXPECT_EQ(r.IyyC, 2.9999995f);
    EXPECT_EQ(r.IzzC, 3.5f);
    EXPECT_NEAR(r.IzcPrime, izcPrime, 5e-7);
    EXPECT_EQ(r.EllipsoidVolume, 200.0f);
}

} // namespace orv::testing
