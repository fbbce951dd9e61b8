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

} // namespace orv::testing
