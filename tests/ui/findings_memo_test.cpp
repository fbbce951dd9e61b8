// The results grid's memo of findings: it gives what the computation gives,
// and a change in any reading the computation uses is never answered from
// the memo.
#include "inertia/ellipsoid_of_inertia.h"
#include "tests/inertia/worked_example.h"
#include "ui/main/findings_memo.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <limits>

namespace orv::testing {
namespace {

TEST(FindingsMemo, ChangingAnyReadingGivesThatReadingsFindings)
{
    ui::FindingsMemo memo;
    const ClubMeasurements sound = WorkedExample();
    for (const MeasuredReal& field : kEnteredReals) {
        memo.BeginPass();
        EXPECT_TRUE(memo.NoteFor(sound).text.isEmpty());
        ClubMeasurements damaged = sound;
        damaged.*field.member = std::numeric_limits<float>::quiet_NaN();
        const QString text = memo.NoteFor(damaged).text;
        EXPECT_TRUE(text.contains(QLatin1String(field.name))) << field.name;
        // The same bits again, NaN included, are the same readings.
        EXPECT_EQ(memo.NoteFor(damaged).text, text) << field.name;
    }
}

TEST(FindingsMemo, GivesTheComputationsSentencesAcrossPasses)
{
    ui::FindingsMemo memo;
    ClubMeasurements weightless = WorkedExample();
    weightless.Mass = 0;
    weightless.Azimuth = 90; // the grid shows what Calculate would find
    QStringList expected;
    for (const Finding& finding : ComputeEllipsoidOfInertia(AsCalculated(weightless)).Findings)
        expected << QString::fromStdString(finding.text);
    ASSERT_FALSE(expected.isEmpty());
    for (int pass = 0; pass < 3; ++pass) {
        memo.BeginPass();
        EXPECT_EQ(memo.NoteFor(weightless).text, expected.join(u'\n')) << pass;
        EXPECT_TRUE(memo.NoteFor(weightless).warning);
    }
}

// Hints join the findings in a warning; a driver rule's verdict other than
// conforming is told without tinting the row, and follows the instrument's
// uncertainties.
TEST(FindingsMemo, TellsHintsAndVerdicts)
{
    ui::FindingsMemo memo;
    memo.BeginPass();
    ClubMeasurements slipped = WorkedExample();
    slipped.Izz = 45;
    const ui::RowNote& broken = memo.NoteFor(slipped);
    EXPECT_TRUE(broken.warning);
    EXPECT_TRUE(broken.text.contains("I_zz is perhaps ten times too large"))
        << broken.text.toStdString();

    // Twice the worked example's readings, the centre of gravity at the
    // origin: Izc' at 60 degrees is 6.61 kg-cm^2.
    ClubMeasurements heavy = WorkedExample();
    for (float ClubMeasurements::*reading :
         {&ClubMeasurements::Ixx, &ClubMeasurements::Iyy, &ClubMeasurements::Izz,
          &ClubMeasurements::Ixy, &ClubMeasurements::Iyz, &ClubMeasurements::Izx})
        heavy.*reading *= 2;
    heavy.CMx = heavy.CMy = heavy.CMz = 0;
    const ui::RowNote beyond = memo.NoteFor(heavy);
    EXPECT_FALSE(beyond.warning);
    EXPECT_TRUE(beyond.text.endsWith(": nonconforming.")) << beyond.text.toStdString();
    EXPECT_TRUE(memo.NoteFor(WorkedExample()).text.isEmpty());

    InputUncertainties u;
    u.reading = 10;
    u.readingInPercent = true;
    memo.SetUncertainties(u);
    memo.BeginPass();
    EXPECT_TRUE(memo.NoteFor(heavy).text.endsWith(": undecided."))
        << memo.NoteFor(heavy).text.toStdString();
}

} // namespace
} // namespace orv::testing
