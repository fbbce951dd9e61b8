// One club's ellipsoid-of-inertia computation, with and without the four
// report texts that only the editor shows.
#include "inertia/ellipsoid_of_inertia.h"
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

} // namespace
