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
        EXPECT_TRUE(memo.TextFor(sound).isEmpty());
        ClubMeasurements damaged = sound;
        damaged.*field.member = std::numeric_limits<float>::quiet_NaN();
        const QString text = memo.TextFor(damaged);
        EXPECT_TRUE(text.contains(QLatin1String(field.name))) << field.name;
        // The same bits again, NaN included, are the same readings.
        EXPECT_EQ(memo.TextFor(damaged), text) << field.name;
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
        EXPECT_EQ(memo.TextFor(weightless), expected.join(u'\n')) << pass;
    }
}

} // namespace
} // namespace orv::testing
