// Rewriting both grids of the main window for the largest document: 32767
// clubs, every cell and every row's findings, including the display
// refresh that follows.
#include "tests/inertia/worked_example.h"
#include "ui/main/frm_main.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/qt_dialogs.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_FlushDataLargestDocument(benchmark::State& state)
{
    orv::ProgramData data;
    // Never asked: rewriting the grids shows no dialog.
    orv::ui::QtDialogs dialogs;
    orv::ui::QtDesktopServices desktop;
    orv::ui::frmMain window(data, dialogs, desktop);
    window.Load();
    window.show();
    for (int i = 0; i < orv::kMaxClubs; ++i) {
        data.ClubList.AppendEmpty();
        // Realistic readings; every tenth head with its centre of gravity
        // typed wrong, so that its row carries findings.
        orv::ClubMeasurements club = orv::testing::WorkedExample(460);
        club.ClubNo = std::to_string(i + 1);
        club.ClubName = "Driver head " + std::to_string(i % 100);
        club.Mass = 195.25f + static_cast<float>(i % 17);
        if (i % 10 == 0)
            club.CMx = 100;
        orv::ClubResults results;
        results.EigenX = 3.57028f + static_cast<float>(i % 7) * 0.01f;
        results.ThsX = 160.7531f;
        results.PhsZ = -173.8342f;
        data.ClubList.Store(i + 1, club, results);
    }
    for (auto _ : state) {
        window.FlushData();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FlushDataLargestDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
