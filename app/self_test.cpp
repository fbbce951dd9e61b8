#include "app/self_test.h"

#include "inertia/ellipsoid_of_inertia.h"

#include <cstdio>

namespace orv::ui {
namespace {

bool Check(bool condition, const char* what)
{
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
    return condition;
}

} // namespace

int RunSelfTest(frmSplash& splash, frmMain& mainWindow, ProgramData& data)
{
    bool passed = true;
    splash.show();
    passed &= Check(splash.isVisible() && !mainWindow.blFormLoaded(), "the splash comes first");
    for (int tick = 0; tick < 51; ++tick)
        splash.Timer1_Timer();
    passed &= Check(!splash.isVisible(), "the splash closes at the 51st tick");
    passed &= Check(mainWindow.isVisible() && mainWindow.blFormLoaded(), "the main window is shown");

    mainWindow.Command4_Click();
    ClubMeasurements club;
    club.Mass = 200;
    club.Volume = 200;
    club.Ixx = club.Iyy = club.Izz = club.Ixy = club.Iyz = club.Izx = 3;
    club.Azimuth = 180;
    data.ClubList.Store(1, club, ComputeEllipsoidOfInertia(club).Results);
    mainWindow.FlushData();
    passed &= Check(mainWindow.fpSpread2->CellText(1, 14) == QStringLiteral("200"),
                    "a computed club reaches the results grid");
    std::printf("%s\n", passed ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return passed ? 0 : 1;
}

} // namespace orv::ui
