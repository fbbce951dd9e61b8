// Saving and opening the largest document: 32767 clubs with 20-character
// texts.
#include "clubs/club_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

orv::ClubList LargestDocument()
{
    orv::ClubList list;
    for (int i = 0; i < orv::kMaxClubs; ++i) {
        list.AppendEmpty();
        orv::ClubMeasurements club;
        club.ClubNo = "No. 000000000000" + std::to_string(1000 + i % 9000);
        club.ClubName = "Driver head 00000000";
        club.PictureName = "/heads/photo_000.jpg";
        club.Mass = 199.5f + static_cast<float>(i % 10);
        club.Azimuth = 180;
        orv::ClubResults results;
        results.EigenX = 3.57f;
        list.Store(i + 1, club, results);
    }
    return list;
}

std::filesystem::path BenchFile()
{
    return std::filesystem::temp_directory_path() / "orv-bench-largest.orv";
}

void BM_SaveLargestDocument(benchmark::State& state)
{
    const orv::ClubList list = LargestDocument();
    for (auto _ : state)
        orv::SaveDataFile(BenchFile(), list);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations())
                            * static_cast<int64_t>(std::filesystem::file_size(BenchFile())));
}
BENCHMARK(BM_SaveLargestDocument)->Unit(benchmark::kMillisecond);

void BM_OpenLargestDocument(benchmark::State& state)
{
    orv::SaveDataFile(BenchFile(), LargestDocument());
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::ReadDataFile(BenchFile()));
}
BENCHMARK(BM_OpenLargestDocument)->Unit(benchmark::kMillisecond);

} // namespace
