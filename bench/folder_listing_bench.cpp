// Listing a large folder in the file dialogs: 10,000 club data files (every
// tenth named in Latin-1) and 200 photographs, read from the disk, filtered
// to "*.orv" and sorted by name as the dialog shows them.
#include "tests/support/test_files.h"
#include "ui/platform/folder_model.h"
#include "ui/platform/native_paths.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

void BM_ListLargeFolder(benchmark::State& state)
{
    const orv::testing::TemporaryFolder folder;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = (i % 10 == 0 ? "T\xEAte " : "Driver ") + std::to_string(i)
                                 + ".orv";
        std::ofstream(folder.path() / name).put('\0');
    }
    for (int i = 0; i < 200; ++i)
        std::ofstream(folder.path() / ("head " + std::to_string(i) + ".jpg")).put('\0');
    orv::ui::FolderModel model;
    model.SetNameFilters({QStringLiteral("*.orv")});
    const QString path = orv::ui::PathFromNative(folder.path().string());
    for (auto _ : state) {
        model.SetFolder(path);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_ListLargeFolder)->Unit(benchmark::kMillisecond);

} // namespace
