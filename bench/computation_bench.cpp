// One club's ellipsoid-of-inertia computation, with and without the four
// report texts that only the editor shows.
#include "inertia/driver_rules.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/repair_hints.h"
#include "inertia/uncertainty.h"
#include "tests/inertia/worked_example.h"

#include <benchmark/benchmark.h>

namespace {

orv::ClubMeasurements Club() { return orv::testing::WorkedExample(200, 60); }

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

// A body at the origin with a diagonal tensor: `zz` 3.5 gives sound
// readings, 3.02 two moments too close to tell their axes apart.
orv::ClubMeasurements Diagonal(float zz)
{
    orv::ClubMeasurements club = Club();
    club.CMx = club.CMy = club.CMz = 0;
    club.Ixx = 2;
    club.Iyy = 3;
    club.Izz = zz;
    club.Ixy = 2.5f;
    club.Iyz = (3 + zz) / 2;
    club.Izx = (2 + zz) / 2;
    return club;
}

// The findings ride along with every computation: the cost of finding and
// wording one is the difference between these two, which take the same
// steps otherwise.
void BM_ResultsOfSoundReadings(benchmark::State& state)
{
    const orv::ClubMeasurements club = Diagonal(3.5f);
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::ComputeEllipsoidOfInertia(club, orv::ReportTexts::Skip));
}
BENCHMARK(BM_ResultsOfSoundReadings);

void BM_ResultsWithAFinding(benchmark::State& state)
{
    const orv::ClubMeasurements club = Diagonal(3.02f);
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::ComputeEllipsoidOfInertia(club, orv::ReportTexts::Skip));
}
BENCHMARK(BM_ResultsWithAFinding);

// An instrument's uncertainties of every input, as orv-calc check takes them.
orv::InputUncertainties EveryUncertainty()
{
    orv::InputUncertainties u;
    u.mass = 0.1;
    u.centre = 0.05;
    u.reading = 0.5;
    u.readingInPercent = true;
    u.volume = 1;
    u.lieAngle = 0.2;
    return u;
}

void BM_FindingsAndUncertainties(benchmark::State& state)
{
    const orv::ClubMeasurements club = Club();
    const orv::InputUncertainties u = EveryUncertainty();
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::ComputeEllipsoidOfInertia(club, orv::ReportTexts::Skip));
        benchmark::DoNotOptimize(orv::UncertaintiesOf(club, u));
    }
}
BENCHMARK(BM_FindingsAndUncertainties);

// What probably went wrong in one club whose Izz lacks its decimal point:
// every slip tried.
void BM_RepairHintsOfABrokenClub(benchmark::State& state)
{
    orv::ClubMeasurements club = Club();
    club.Izz *= 10;
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::RepairHintsOf(club));
}
BENCHMARK(BM_RepairHintsOfABrokenClub);

void BM_DriverRulesWithUncertainties(benchmark::State& state)
{
    const orv::InputUncertainties u = EveryUncertainty();
    const orv::ClubMeasurements club = Club();
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::CheckDriverRules(club, u));
}
BENCHMARK(BM_DriverRulesWithUncertainties);

} // namespace
