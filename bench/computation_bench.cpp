// One club's ellipsoid-of-inertia computation, with and without the four
// report texts that only the editor shows.
#include "inertia/ellipsoid_of_inertia.h"

#include <benchmark/benchmark.h>

namespace {

orv::ClubMeasurements Club()
{
    orv::ClubMeasurements club;
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
    club.Volume = 200;
    club.LieAngle = 60;
    club.Azimuth = 180;
    return club;
}

void BM_ResultsOnly(benchmark::State& state)
{
    const orv::ClubMeasurements club = Club();
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::ComputeEllipsoidOfInertia(club, orv::ReportTexts::Skip));
}
BENCHMARK(BM_ResultsOnly);

void BM_ResultsAndReport(benchmark::State& state)
{
    const orv::ClubMeasurements club = Club();
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::ComputeEllipsoidOfInertia(club, orv::ReportTexts::Include));
}
BENCHMARK(BM_ResultsAndReport);

} // namespace
