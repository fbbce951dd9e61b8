// The club the computation's figures are checked against: 200 g, centre of
// gravity at (10, -20, 5) mm, readings whose tensor about the centre of
// gravity is [[2, -0.1, 0.05], [-0.1, 3, 0.2], [0.05, 0.2, 3.5]] kg-cm^2.
#pragma once

#include "clubs/club_record.h"

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

// The worked example's mass and volume with the centre of gravity at the
// origin and readings whose tensor is diagonal with these moments.
inline ClubMeasurements DiagonalTensor(float xx, float yy, float zz)
{
    ClubMeasurements club = WorkedExample();
    club.CMx = club.CMy = club.CMz = 0;
    club.Ixx = xx;
    club.Iyy = yy;
    club.Izz = zz;
    club.Ixy = (xx + yy) / 2;
    club.Iyz = (yy + zz) / 2;
    club.Izx = (zz + xx) / 2;
    return club;
}

} // namespace orv::testing
