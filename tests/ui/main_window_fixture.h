// A loaded main window over its own club list, with scripted dialogs.
#pragma once

#include "tests/ui/controls.h"
#include "tests/ui/scripted_platform.h"
#include "ui/main/frm_main.h"
#include "ui/platform/user_settings.h"

#include <QApplication>
#include <QPushButton>

#include <memory>

namespace orv::testing {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        // Every test starts without remembered folders or window places.
        ui::UserSettings().clear();
        window = std::make_unique<ui::frmMain>(data, dialogs, desktop);
        window->SetProgramEnd([this] { ++programEnds; });
        window->Load();
    }

    void Click(const char* buttonName)
    {
        auto* button = window->findChild<QPushButton*>(QLatin1String(buttonName));
        ASSERT_NE(button, nullptr) << buttonName;
        button->click();
    }

    void AddClubs(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            window->Command4_Click();
            ClubMeasurements club;
            club.ClubName = name;
            data.ClubList.Store(data.ClubList.HighestIndex(), club, {});
        }
        window->FlushData();
    }

    [[nodiscard]] QStringList NameColumn() const
    {
        QStringList names;
        for (int row = 1; row <= Control<ui::SpreadGrid>(*window, "fpSpread1")->RowCount(); ++row)
            names << Control<ui::SpreadGrid>(*window, "fpSpread1")->CellText(row, 2);
        return names;
    }

    ProgramData data;
    ScriptedDialogs dialogs;
    RecordingDesktop desktop;
    std::unique_ptr<ui::frmMain> window;
    int programEnds = 0;
};

} // namespace orv::testing
