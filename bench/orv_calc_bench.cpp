// orv-calc recompute of the largest document as a whole process, from its
// start to its exit, as a user running it from a script sees it.
#include "clubs/club_file.h"
#include "tests/inertia/worked_example.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace {

std::filesystem::path Document()
{
    return std::filesystem::temp_directory_path() / "orv-bench-recompute.orv";
}

void WriteLargestDocument()
{
    orv::ClubList list;
    for (int i = 0; i < orv::kMaxClubs; ++i) {
        list.AppendEmpty();
        orv::ClubMeasurements club = orv::testing::WorkedExample(460, static_cast<float>(i % 70));
        club.ClubNo = std::to_string(i + 1);
        club.ClubName = "Driver head 00000000";
        club.Mass = 195.25f + static_cast<float>(i % 17);
        list.Store(i + 1, club, {});
    }
    orv::SaveDataFile(Document(), list);
}

int RunRecompute()
{
    const std::string input = Document().string();
    const std::string output = (Document().parent_path() / "orv-bench-recomputed.orv").string();
    const char* argv[] = {ORV_CALC_PATH, "recompute", input.c_str(), output.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, ORV_CALC_PATH, nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        throw std::runtime_error("cannot start orv-calc");
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

void BM_RecomputeLargestDocumentProcess(benchmark::State& state)
{
    WriteLargestDocument();
    for (auto _ : state) {
        if (RunRecompute() != 0)
            state.SkipWithError("orv-calc failed");
    }
}
BENCHMARK(BM_RecomputeLargestDocumentProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
