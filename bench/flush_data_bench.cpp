// Rewriting both grids of the main window for the largest document: 32767
// clubs, every cell, including the display refresh that follows.
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
        orv::ClubMeasurements club;
        club.ClubNo = std::to_string(i + 1);
        club.ClubName = "Driver head " + std::to_string(i % 100);
        club.Mass = 195.25f + static_cast<float>(i % 17);
        club.Volume = 460;
        club.Ixx = 2.85f;
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
