// Rewriting both grids of the main window for the largest document: 32767
// clubs, every cell and every row's findings, including the display
// refresh that follows; once with the readings the grids already show (the
// findings come from the grid's memo), once with every club's readings new.
#include "tests/inertia/worked_example.h"
#include "ui/head/frm_head.h"
#include "ui/main/frm_main.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/qt_dialogs.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// The main window with the largest document: realistic readings, every
// tenth head with its centre of gravity typed wrong, so that its row carries
// findings.
class LargestDocument {
public:
    LargestDocument()
        : m_window(m_data, m_dialogs, m_desktop)
    {
        m_window.Load();
        m_window.show();
        for (int i = 0; i < orv::kMaxClubs; ++i) {
            m_data.ClubList.AppendEmpty();
            orv::ClubMeasurements club = orv::testing::WorkedExample(460);
            club.ClubNo = std::to_string(i + 1);
            club.ClubName = "Driver head " + std::to_string(i % 100);
            // Every head weighed differently, as real heads are.
            club.Mass = 190 + static_cast<float>(i) * 0.001f;
            if (i % 10 == 0)
                club.CMx = 100;
            orv::ClubResults results;
            results.EigenX = 3.57028f + static_cast<float>(i % 7) * 0.01f;
            results.ThsX = 160.7531f;
            results.PhsZ = -173.8342f;
            m_data.ClubList.Store(i + 1, club, results);
        }
    }

    void Flush()
    {
        m_window.FlushData();
        QCoreApplication::processEvents();
    }

    orv::ui::frmMain& Window() { return m_window; }

    // Opens the head window, as Head, Head Window does.
    orv::ui::frmHead& OpenHeadWindow()
    {
        m_window.mnuHeadWindow_Click();
        QCoreApplication::processEvents();
        return *m_window.HeadWindow();
    }

    // Gives every club other readings, as opening another document does.
    void ChangeEveryClub(float massStep)
    {
        for (int i = 1; i <= orv::kMaxClubs; ++i) {
            orv::ClubRecord club = m_data.ClubList.At(i);
            club.Measurements.Mass += massStep;
            m_data.ClubList.Store(i, club.Measurements, club.Results);
        }
    }

private:
    orv::ProgramData m_data;
    // Never asked: rewriting the grids shows no dialog.
    orv::ui::QtDialogs m_dialogs;
    orv::ui::QtDesktopServices m_desktop;
    orv::ui::frmMain m_window;
};

// After an Update, Add or Delete: the readings of nearly every club are
// those the grids already show.
void BM_FlushDataLargestDocument(benchmark::State& state)
{
    LargestDocument document;
    document.Flush();
    for (auto _ : state)
        document.Flush();
}
BENCHMARK(BM_FlushDataLargestDocument)->Unit(benchmark::kMillisecond);

// After an Open: every club's readings are new to the grids, so each one's
// findings are computed.
void BM_FlushDataEveryClubNew(benchmark::State& state)
{
    LargestDocument document;
    float step = 1;
    for (auto _ : state) {
        state.PauseTiming();
        document.ChangeEveryClub(step);
        step = -step;
        state.ResumeTiming();
        document.Flush();
    }
}
BENCHMARK(BM_FlushDataEveryClubNew)->Unit(benchmark::kMillisecond);

// Arrowing through the heads with the head window open: each step computes
// the head's numbers, writes them and draws its ellipsoid.
void BM_HeadWindowFollowsTheNextRow(benchmark::State& state)
{
    LargestDocument document;
    orv::ui::frmHead& head = document.OpenHeadWindow();
    int row = 1;
    for (auto _ : state) {
        row = row % orv::kMaxClubs + 1;
        head.ShowRow(row);
        head.repaint();
    }
}
BENCHMARK(BM_HeadWindowFollowsTheNextRow)->Unit(benchmark::kMillisecond);

// An Update, Add or Delete with the head window open: the grids and the
// window's list of heads to compare with.
void BM_FlushDataWithTheHeadWindowOpen(benchmark::State& state)
{
    LargestDocument document;
    document.OpenHeadWindow();
    for (auto _ : state)
        document.Flush();
}
BENCHMARK(BM_FlushDataWithTheHeadWindowOpen)->Unit(benchmark::kMillisecond);

// Delete at row 1 of 32767 heads and its undo, with the grids shown again
// after each; the time is the undo's.
void BM_UndoDeleteAtTheFirstRow(benchmark::State& state)
{
    LargestDocument document;
    orv::ui::frmMain& window = document.Window();
    document.Flush();
    for (auto _ : state) {
        state.PauseTiming();
        window.Command3_Click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.mnuUndo_Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_UndoDeleteAtTheFirstRow)->Unit(benchmark::kMillisecond);

} // namespace
