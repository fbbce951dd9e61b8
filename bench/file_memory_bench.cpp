// Peak memory and time of opening and recomputing two shapes of document:
// (a) the largest count, 32767 clubs with 20-character texts, and (b) few
// clubs with the largest texts, 300 clubs with five 65535-byte texts (about
// 94 MiB). The goal for both: peak memory at most 1.5 times the file plus
// 30 MiB. Each run happens in a child process, whose peak resident memory
// the kernel reports (an upper bound: it includes this small process);
// counters give it in MiB beside the file's size.
#include "clubs/club_file.h"
#include "tests/inertia/worked_example.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

enum class Shape { ManyClubs, LongTexts };

std::filesystem::path Document(Shape shape)
{
    return std::filesystem::temp_directory_path()
           / (shape == Shape::ManyClubs ? "orv-bench-many.orv" : "orv-bench-long.orv");
}

void WriteDocument(Shape shape)
{
    orv::ClubList list;
    const int clubs = shape == Shape::ManyClubs ? orv::kMaxClubs : 300;
    const std::size_t textLength = shape == Shape::ManyClubs ? 20 : 65535;
    for (int i = 0; i < clubs; ++i) {
        list.AppendEmpty();
        orv::ClubMeasurements club = orv::testing::WorkedExample(460, static_cast<float>(i % 70));
        const char letter = static_cast<char>('a' + i % 26);
        club.ClubNo = std::string(textLength, letter);
        club.ClubName = std::string(textLength, letter);
        if (shape == Shape::LongTexts) {
            club.PictureName = club.Reserved1 = club.Reserved2 = std::string(textLength, letter);
        }
        list.Store(i + 1, club, {});
    }
    orv::SaveDataFile(Document(shape), list);
}

struct ChildRun {
    double peakMiB = 0;
    double seconds = 0;
};

ChildRun Measure(pid_t pid, std::chrono::steady_clock::time_point start)
{
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the measured run failed");
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {static_cast<double>(usage.ru_maxrss) / 1024, elapsed.count()};
}

// Open as the program opens a document: every record read into the list.
ChildRun Open(Shape shape)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        orv::ClubList list;
        list.ReplaceAll(orv::ReadDataFile(Document(shape)));
        ::_exit(list.HighestIndex() > 0 ? 0 : 1);
    }
    return Measure(pid, start);
}

ChildRun Recompute(Shape shape)
{
    const std::string input = Document(shape).string();
    const std::string output = input + ".out.orv";
    const char* argv[] = {ORV_CALC_PATH, "recompute", input.c_str(), output.c_str(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, ORV_CALC_PATH, nullptr, nullptr, const_cast<char**>(argv), environ)
        != 0)
        throw std::runtime_error("cannot start orv-calc");
    return Measure(pid, start);
}

// The kernel counts a child's peak from the memory of the process it was
// started from, so this process never holds a document itself: a child
// writes it.
double WriteDocumentInAChild(Shape shape)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        WriteDocument(shape);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return static_cast<double>(std::filesystem::file_size(Document(shape))) / (1 << 20);
}

template <ChildRun (*Run)(Shape)> void BM_PeakMemory(benchmark::State& state)
{
    const auto shape = static_cast<Shape>(state.range(0));
    const double fileMiB = WriteDocumentInAChild(shape);
    ChildRun worst;
    for (auto _ : state) {
        const ChildRun run = Run(shape);
        state.SetIterationTime(run.seconds);
        worst.peakMiB = std::max(worst.peakMiB, run.peakMiB);
    }
    state.counters["file_MiB"] = fileMiB;
    state.counters["peak_MiB"] = worst.peakMiB;
    state.counters["goal_MiB"] = 1.5 * fileMiB + 30;
    std::filesystem::remove(Document(shape));
}

BENCHMARK(BM_PeakMemory<Open>)
    ->Arg(static_cast<int>(Shape::ManyClubs))
    ->Arg(static_cast<int>(Shape::LongTexts))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory<Recompute>)
    ->Arg(static_cast<int>(Shape::ManyClubs))
    ->Arg(static_cast<int>(Shape::LongTexts))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
