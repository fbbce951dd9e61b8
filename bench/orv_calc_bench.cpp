// orv-calc recompute of the largest document as a whole process, from its
// start to its exit, as a user running it from a script sees it.
#include "clubs/club_file.h"
#include "tests/inertia/worked_example.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path Document()
{
    return std::filesystem::temp_directory_path() / "orv-bench-recompute.orv";
}

// Every `brokenEvery`-th club (none for 0) with a missing decimal point in
// its Izz, so that its readings fit no rigid body.
void WriteLargestDocument(int brokenEvery = 0)
{
    orv::ClubList list;
    for (int i = 0; i < orv::kMaxClubs; ++i) {
        list.AppendEmpty();
        orv::ClubMeasurements club = orv::testing::WorkedExample(460, static_cast<float>(i % 70));
        club.ClubNo = std::to_string(i + 1);
        club.ClubName = "Driver head 00000000";
        club.Mass = 195.25f + static_cast<float>(i % 17);
        if (brokenEvery > 0 && i % brokenEvery == 0)
            club.Izz *= 10;
        list.Store(i + 1, club, {});
    }
    orv::SaveDataFile(Document(), list);
}

int RunOrvCalc(std::vector<const char*> argv)
{
    argv.insert(argv.begin(), ORV_CALC_PATH);
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, ORV_CALC_PATH, nullptr, nullptr, const_cast<char**>(argv.data()), environ)
        != 0)
        throw std::runtime_error("cannot start orv-calc");
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

void BM_RecomputeLargestDocumentProcess(benchmark::State& state)
{
    WriteLargestDocument();
    const std::string input = Document().string();
    const std::string output = (Document().parent_path() / "orv-bench-recomputed.orv").string();
    for (auto _ : state) {
        if (RunOrvCalc({"recompute", input.c_str(), output.c_str()}) != 0)
            state.SkipWithError("orv-calc failed");
    }
}
BENCHMARK(BM_RecomputeLargestDocumentProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// check with every uncertainty option on the largest document, the report
// written to a file.
void BM_CheckLargestDocumentProcess(benchmark::State& state)
{
    WriteLargestDocument();
    const std::string input = Document().string();
    const std::string output = (Document().parent_path() / "orv-bench-check.csv").string();
    for (auto _ : state) {
        const int status = RunOrvCalc({"check", input.c_str(), output.c_str(), "--u-mass", "0.1",
                                       "--u-cm", "0.05", "--u-moment", "0.5%", "--u-volume", "1",
                                       "--u-lie", "0.2"});
        if (status != 0)
            state.SkipWithError("orv-calc check failed or found faults");
    }
}
BENCHMARK(BM_CheckLargestDocumentProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with what probably went wrong and the driver rules, one club in
// ten with broken readings.
void BM_CheckHintsRulesLargestDocumentProcess(benchmark::State& state)
{
    WriteLargestDocument(10);
    const std::string input = Document().string();
    const std::string output = (Document().parent_path() / "orv-bench-check.csv").string();
    for (auto _ : state) {
        const int status = RunOrvCalc({"check", input.c_str(), output.c_str(), "--u-mass", "0.1",
                                       "--u-cm", "0.05", "--u-moment", "0.5%", "--u-volume", "1",
                                       "--u-lie", "0.2", "--hints", "--rules"});
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 3)
            state.SkipWithError("orv-calc check failed or found no faults");
    }
}
BENCHMARK(BM_CheckHintsRulesLargestDocumentProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The measurement report of 300 heads as a PDF, the whole process: Qt
// started offscreen, a summary and 300 pages painted, the file written.
void BM_Report300HeadsProcess(benchmark::State& state)
{
    orv::ClubList list;
    for (int i = 0; i < 300; ++i) {
        list.AppendEmpty();
        orv::ClubMeasurements club = orv::testing::WorkedExample(450,
                                                                 static_cast<float>(50 + i % 15));
        club.ClubName = "Driver head " + std::to_string(i + 1);
        list.Store(i + 1, club, {});
    }
    const auto folder = std::filesystem::temp_directory_path();
    const std::string input = (folder / "orv-bench-report.orv").string();
    const std::string output = (folder / "orv-bench-report.pdf").string();
    orv::SaveDataFile(input, list);
    for (auto _ : state) {
        if (RunOrvCalc({"report", input.c_str(), output.c_str(), "--u-moment", "0.5%"}) != 0)
            state.SkipWithError("orv-calc report failed (is orv-calc-report built?)");
    }
}
BENCHMARK(BM_Report300HeadsProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
