// The club the computation's figures are checked against: 200 g, centre of
// gravity at (10, -20, 5) mm, readings whose tensor about the centre of
// gravity is [[2, -0.1, 0.05], [-0.1, 3, 0.2], [0.05, 0.2, 3.5]] kg-cm^2.
#pragma once

#include "clubs/club_record.h"

#include <gtest/gtest.h>

namespace orv::testing {

inline ClubMeasurements WorkedExample(float volume = 200, float lieAngle = 0)
{
    ClubMeasurements club;
    club.Mass = 200;
    club.CMx = 10;
    club.CMy = -20;
    club.CMz = 5;
    club.Ixx = 2.85f;
    club.Iyy = 3.25f;
    club.Izz = 4.5f;
    club.Ixy = 3.35f;
    club.Iyz = 4.275f;
    club.Izx = 3.625f;
    club.Volume = volume;
    club.LieAngle = lieAngle;
    club.Azimuth = 180;
    return club;
}

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
