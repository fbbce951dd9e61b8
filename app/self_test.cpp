#include "app/self_test.h"

#include "inertia/ellipsoid_of_inertia.h"

#include <cstdio>

namespace orv::ui {
namespace {

class Checks {
public:
    void operator()(bool condition, const char* what)
    {
        std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
        ++(condition ? m_passed : m_failed);
    }

    // The closing line in the form test runners read.
    [[nodiscard]] int Finish() const
    {
        std::printf("%d passed, %d failed\n", m_passed, m_failed);
        return m_failed == 0 ? 0 : 1;
    }

private:
    int m_passed = 0;
    int m_failed = 0;
};

} // namespace

int RunSelfTest(frmSplash& splash, frmMain& mainWindow, ProgramData& data)
{
    Checks check;
    splash.show();
    check(splash.isVisible() && !mainWindow.blFormLoaded(), "the splash comes first");
    for (int tick = 0; tick < 51; ++tick)
        splash.Timer1_Timer();
    check(!splash.isVisible(), "the splash closes at the 51st tick");
    check(mainWindow.isVisible() && mainWindow.blFormLoaded(), "the main window is shown");

    mainWindow.Command4_Click();
    ClubMeasurements club;
    club.Mass = 200;
    club.Volume = 200;
    club.Ixx = club.Iyy = club.Izz = club.Ixy = club.Iyz = club.Izx = 3;
    club.Azimuth = 180;
    data.ClubList.Store(1, club, ComputeEllipsoidOfInertia(club).Results);
    mainWindow.FlushData();
    const auto* results = mainWindow.findChild<SpreadGrid*>(QStringLiteral("fpSpread2"));
    check(results != nullptr && results->CellText(1, 14) == QStringLiteral("200"),
          "a computed club reaches the results grid");
    return check.Finish();
}

} // namespace orv::ui
