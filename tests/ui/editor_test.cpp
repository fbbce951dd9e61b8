#include "tests/ui/editor_fixture.h"

#include "inertia/ellipsoid_of_inertia.h"
#include "ui/artwork/artwork.h"

#include <QCloseEvent>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace orv::testing {
namespace {

TEST_F(EditorTest, ShowsTheActiveClubInTheGeneralNumberFormat)
{
    AddClubs({"A"});
    ClubMeasurements club;
    club.ClubNo = "12";
    club.ClubName = "Fairway";
    club.Mass = 239.88f;
    club.Volume = 250;
    club.CMx = 35.15f;
    club.CMz = 66.33f;
    club.Azimuth = 42;
    data.ClubList.Store(1, club, {});
    ui::frmEdit& e = Open();
    EXPECT_EQ(e.windowTitle(), "VOVE-ROZO ORV");
    EXPECT_EQ(Control<QLineEdit>(e, "txtClubNo")->text(), "12");
    EXPECT_EQ(Control<QLineEdit>(e, "txtClubName")->text(), "Fairway");
    EXPECT_EQ(Control<QLineEdit>(e, "txtMass")->text(), "239.88");
    EXPECT_EQ(Control<QLineEdit>(e, "txtVolume")->text(), "250");
    EXPECT_EQ(Control<QLineEdit>(e, "txtCMx")->text(), "35.15");
    EXPECT_EQ(Control<QLineEdit>(e, "txtCMy")->text(), "0");
    EXPECT_EQ(Control<QLineEdit>(e, "txtCMz")->text(), "66.33");
    // The load reads the boxes straight back, with the azimuth always 180.
    EXPECT_EQ(data.CurrentClub.Mass, 239.88f);
    EXPECT_EQ(data.CurrentClub.Azimuth, 180.0f);
    EXPECT_TRUE(Control<QPlainTextEdit>(e, "Text1")->toPlainText().isEmpty());
    EXPECT_EQ(Control<QLabel>(e, "Label16")->text(), "X\nY\nZ");
    EXPECT_TRUE(
        Control<QLabel>(e, "Label12")->text().startsWith("Inertia Matrix\n\n| XX  XY  ZX |"));
}

// Opening a club and storing it unchanged must not change a single value,
// whatever the instrument or a CSV import wrote into it.
TEST_F(EditorTest, EveryMeasurementReadsBackUnchanged)
{
    std::vector<float> values = {2.8512345f,  16777215.0f,   1.234568e7f,     239.88f, -0.1f,
                                 1.0f / 3.0f, 3.4028235e38f, 1.17549435e-38f, 0.0f};
    std::mt19937 random(11);
    std::uniform_int_distribution<std::uint32_t> bits;
    while (values.size() < 300) {
        const float value = std::bit_cast<float>(bits(random));
        if (std::isfinite(value))
            values.push_back(value);
    }
    AddClubs({"A"});
    for (std::size_t first = 0; first < values.size(); first += kEnteredReals.size()) {
        ClubMeasurements club;
        for (std::size_t i = 0; i < kEnteredReals.size(); ++i)
            club.*kEnteredReals[i].member = values[(first + i) % values.size()];
        club.Azimuth = 180;
        data.ClubList.Store(1, club, {});
        Open();
        for (const MeasuredReal& field : kEnteredReals)
            ASSERT_EQ(std::bit_cast<std::uint32_t>(data.CurrentClub.*field.member),
                      std::bit_cast<std::uint32_t>(club.*field.member))
                << field.name << " " << club.*field.member;
    }
}

TEST_F(EditorTest, BoxesShowTheStartOfALongText)
{
    AddClubs({"A"});
    ClubMeasurements club;
    club.ClubName = std::string(200, 'N') + " the end";
    club.Mass = 1.234568e7f;
    club.PictureName = "/home/engineer/measurements/2026/drivers/head-0001/photo.jpg";
    data.ClubList.Store(1, club, {});
    ui::frmEdit& e = Open();
    for (const char* name : {"txtClubName", "txtMass", "txtPictureName"}) {
        // A line box scrolls to keep its cursor in view.
        EXPECT_EQ(Control<QLineEdit>(e, name)->cursorPosition(), 0) << name;
    }
    EXPECT_EQ(Control<QLineEdit>(e, "txtMass")->text(), "1.234568E+07");
}

TEST_F(EditorTest, CalculateShowsTheFindingsOnlyWhileThereAreSome)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    const QLabel* findings = Control<QLabel>(e, "lblFindings");
    TypeWorkedExample(e);
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_FALSE(findings->isVisible());
    Type(Control<QLineEdit>(e, "txtCMx"), "100"); // the centre of gravity far out
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_TRUE(findings->isVisible());
    EXPECT_TRUE(findings->text().contains("not-positive-definite"))
        << findings->text().toStdString();
    EXPECT_TRUE(findings->toolTip().contains("the centre of gravity or the readings are wrong"));
    // A missing decimal point: the line names the slip, the tip says it.
    Type(Control<QLineEdit>(e, "txtCMx"), "10");
    Type(Control<QLineEdit>(e, "txtIzz"), "45");
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_TRUE(findings->text().contains("Perhaps Izz/10")) << findings->text().toStdString();
    EXPECT_TRUE(findings->toolTip().contains(
        "I_zz is perhaps ten times too large: with 4.5 instead of 45 the readings would fit a "
        "rigid body."))
        << findings->toolTip().toStdString();
    Type(Control<QLineEdit>(e, "txtIzz"), "4.5");
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_FALSE(findings->isVisible());
}

TEST_F(EditorTest, AnAddedClubShowsZerosAndThePlaceholder)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    for (QLineEdit* box : NumberBoxes(e))
        EXPECT_EQ(box->text(), "0") << box->objectName().toStdString();
    EXPECT_TRUE(Control<QLineEdit>(e, "txtClubNo")->text().isEmpty());
    EXPECT_TRUE(Control<QLineEdit>(e, "txtClubName")->text().isEmpty());
    EXPECT_TRUE(Control<QLineEdit>(e, "txtPictureName")->text().isEmpty());
    EXPECT_EQ(Control<ui::StretchedImage>(e, "Image1")->Picture(), ui::EditorPlaceholder());
    EXPECT_EQ(Control<ui::StretchedImage>(e, "Image1")->Picture().size(), QSize(290, 218));
}

TEST_F(EditorTest, WithoutClubsEveryBoxIsEmpty)
{
    data.CurrentClub.Mass = 5;
    data.CurrentClub.ClubName = "stale";
    ui::frmEdit& e = Open();
    for (QLineEdit* box : NumberBoxes(e))
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(data.CurrentClub.Mass, 0.0f);
    EXPECT_TRUE(data.CurrentClub.ClubName.empty());
    EXPECT_EQ(data.CurrentClub.Azimuth, 180.0f);
}

struct BoxTextCase {
    const char* text;
    float value;
};

class RawDataTest : public EditorTest, public ::testing::WithParamInterface<BoxTextCase> { };

TEST_P(RawDataTest, ReadsTheNumberAtTheStartOfTheBox)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    Control<QLineEdit>(e, "txtMass")->setText(QString::fromUtf8(GetParam().text));
    ASSERT_TRUE(e.RawData());
    EXPECT_EQ(data.CurrentClub.Mass, GetParam().value);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, RawDataTest,
                         ::testing::Values(BoxTextCase{"1,5", 1}, BoxTextCase{"abc", 0},
                                           BoxTextCase{" 2 5", 25}, BoxTextCase{"12.5 g", 12.5f},
                                           BoxTextCase{"", 0}, BoxTextCase{"&H10", 16}));

TEST_F(EditorTest, ResetLeavesThePictureAlone)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    Control<QLineEdit>(e, "txtPictureName")->setText("/somewhere/head.jpg");
    Control<QPlainTextEdit>(e, "Text1")->setPlainText("x");
    e.Reset();
    EXPECT_TRUE(Control<QPlainTextEdit>(e, "Text1")->toPlainText().isEmpty());
    EXPECT_TRUE(Control<QLineEdit>(e, "txtMass")->text().isEmpty());
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), "/somewhere/head.jpg");
    EXPECT_FALSE(Control<ui::StretchedImage>(e, "Image1")->Picture().isNull());
}

TEST_F(EditorTest, CalculateFillsTheReportAndTheCurrentResults)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    TypeWorkedExample(e);
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_EQ(Control<QPlainTextEdit>(e, "Text1")->toPlainText(), "3.570\n2.943\n1.987");
    EXPECT_EQ(Control<QPlainTextEdit>(e, "Text4")->toPlainText(),
              " 2.000  -0.100   0.050\n-0.100   3.000   0.200\n 0.050   0.200   3.500\n"
              "Izc' = 3.5\nEquivalent Ellipsoid Volume = 200\na = 4.26cm; b = 3.48cm; c = 3.22cm");
    EXPECT_EQ(Control<QPlainTextEdit>(e, "Text2")->toPlainText().count('\n'), 2);
    EXPECT_EQ(data.CurrentResults.IxxC, 1.9999996f);
    EXPECT_EQ(data.CurrentResults.IzcPrime, 3.5f);
    EXPECT_EQ(data.CurrentResults.EllipsoidVolume, 200.0f);
    EXPECT_EQ(data.ClubList.At(1).Results, ClubResults{}); // nothing written yet
    EXPECT_TRUE(e.isVisible());
}

TEST_F(EditorTest, UpdateWritesTheRowAndTheGridsShowItsResults)
{
    AddClubs({"first", "second"});
    Control<ui::SpreadGrid>(*window, "fpSpread1")
        ->setCurrentIndex(Control<ui::SpreadGrid>(*window, "fpSpread1")->model()->index(1, 0));
    ui::frmEdit& e = Open();
    TypeWorkedExample(e);
    Control<QLineEdit>(e, "txtClubName")->setText("Driver");
    Control<QPushButton>(e, "Command1")->click();
    Control<QPushButton>(e, "Command4")->click();

    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(e.result(), QDialog::Accepted);
    const ClubRecord& stored = data.ClubList.At(2);
    EXPECT_EQ(stored.Measurements.ClubName, "Driver");
    EXPECT_EQ(stored.Measurements.Azimuth, 180.0f);
    EXPECT_EQ(data.ClubList.At(1).Measurements.ClubName, "first");
    const ui::SpreadGrid& results = *Control<ui::SpreadGrid>(*window, "fpSpread2");
    EXPECT_EQ(results.CellText(2, 1), "3.57");
    EXPECT_EQ(results.CellText(2, 10), "2");
    EXPECT_EQ(results.CellText(2, 11), "3");
    EXPECT_EQ(results.CellText(2, 12), "3.5");
    EXPECT_EQ(results.CellText(2, 13), "3.5");
    EXPECT_EQ(results.CellText(2, 14), "200");
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread1")->CellText(2, 2), "Driver");
}

TEST_F(EditorTest, UpdateStoresTheResultsOfTheValuesItStores)
{
    AddClubs({"A", "B"});
    // Club A is calculated, then discarded.
    ui::frmEdit& a = Open();
    TypeWorkedExample(a);
    Control<QPushButton>(a, "Command1")->click();
    dialogs.answers.push_back(ui::MessageAnswer::Yes);
    Control<QPushButton>(a, "Command2")->click();
    const ClubResults resultsOfA = data.CurrentResults;

    // Club B is updated at once, without Calculate.
    Control<ui::SpreadGrid>(*window, "fpSpread1")
        ->setCurrentIndex(Control<ui::SpreadGrid>(*window, "fpSpread1")->model()->index(1, 0));
    ui::frmEdit& b = Open();
    TypeWorkedExample(b, "350");
    Control<QLineEdit>(b, "txtMass")->setText("180");
    Control<QPushButton>(b, "Command4")->click();

    ClubMeasurements expected = data.ClubList.At(2).Measurements;
    EXPECT_EQ(expected.Mass, 180.0f);
    EXPECT_EQ(data.ClubList.At(2).Results, ComputeEllipsoidOfInertia(expected).Results);
    EXPECT_NE(data.ClubList.At(2).Results, resultsOfA);
}

TEST_F(EditorTest, UpdateWithoutAClubSaysSoAndWritesNothing)
{
    ui::frmEdit& e = Open();
    TypeWorkedExample(e);
    Control<QPushButton>(e, "Command4")->click();
    EXPECT_TRUE(e.isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("no club"));
    EXPECT_EQ(data.ClubList.HighestIndex(), 0);
    EXPECT_EQ(data.ClubList.At(0), ClubRecord{});
}

TEST_F(EditorTest, ValueBeyondTheSingleRangeStopsCalculateAndUpdate)
{
    AddClubs({"A"});
    ui::frmEdit& e = Open();
    TypeWorkedExample(e);
    Control<QLineEdit>(e, "txtIyz")->setText("1e39");
    const ClubMeasurements before = data.CurrentClub;
    Control<QPushButton>(e, "Command1")->click();
    Control<QPushButton>(e, "Command4")->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto& message : dialogs.messages)
        EXPECT_EQ(message.text, "The value of \"I_yz\" is out of range.");
    EXPECT_TRUE(Control<QPlainTextEdit>(e, "Text1")->toPlainText().isEmpty());
    EXPECT_EQ(data.CurrentClub, before);
    EXPECT_EQ(data.ClubList.At(1).Measurements.ClubName, "A");
    EXPECT_TRUE(e.isVisible());

    Control<QLineEdit>(e, "txtIyz")->setText("3.4e38"); // still a single
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(EditorTest, DiscardAsksAndOnlyYesCloses)
{
    AddClubs({"A"});
    ui::frmEdit& e = Open();
    Control<QLineEdit>(e, "txtClubName")->setText("changed");
    dialogs.answers = {ui::MessageAnswer::No, ui::MessageAnswer::Yes};
    Control<QPushButton>(e, "Command2")->click();
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(Control<QLineEdit>(e, "txtClubName")->text(), "changed");
    Control<QPushButton>(e, "Command2")->click();
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(dialogs.messages[0].text, "Discard all the changes?");
    EXPECT_EQ(dialogs.messages[0].buttons, ui::MessageButtons::YesNo);
    EXPECT_EQ(data.ClubList.At(1).Measurements.ClubName, "A");
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread1")->CellText(1, 2), "A");
}

// The close box (or Alt+F4) asks before dropping typed values, as Discard
// does; with nothing typed it closes without a question. It never stores.
TEST_F(EditorTest, CloseBoxAsksBeforeDroppingTypedValues)
{
    AddClubs({"A"});
    ui::frmEdit& untouched = Open();
    untouched.close();
    EXPECT_FALSE(untouched.isVisible());
    EXPECT_TRUE(dialogs.messages.empty());

    for (const ui::MessageAnswer answer : {ui::MessageAnswer::No, ui::MessageAnswer::Yes}) {
        dialogs.messages.clear();
        ui::frmEdit& e = Open();
        Control<QLineEdit>(e, "txtClubName")->setText("changed");
        dialogs.answers.push_back(answer);
        e.close();
        EXPECT_EQ(dialogs.Texts(), QStringList{"Discard all the changes?"});
        EXPECT_EQ(e.isVisible(), answer == ui::MessageAnswer::No);
        EXPECT_EQ(data.ClubList.At(1).Measurements.ClubName, "A");
    }
}

TEST_F(EditorTest, EscapeDoesNotDropTheTypedValues)
{
    AddClubs({"A"});
    ui::frmEdit& e = Open();
    Control<QLineEdit>(e, "txtClubName")->setText("typed");
    QTest::keyClick(Control<QLineEdit>(e, "txtClubName"), Qt::Key_Escape);
    QTest::keyClick(&e, Qt::Key_Return);
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(Control<QLineEdit>(e, "txtClubName")->text(), "typed");
}

TEST_F(EditorTest, UpdateEmptiesTheReservedTextsOfAClubFromAFile)
{
    AddClubs({"A"});
    ClubMeasurements fromFile = data.ClubList.At(1).Measurements;
    fromFile.Reserved1 = "kept by the file";
    fromFile.Reserved2 = "also kept";
    fromFile.Azimuth = 90;
    data.ClubList.Store(1, fromFile, {});
    ui::frmEdit& e = Open();
    Control<QPushButton>(e, "Command4")->click();
    EXPECT_TRUE(data.ClubList.At(1).Measurements.Reserved1.empty());
    EXPECT_TRUE(data.ClubList.At(1).Measurements.Reserved2.empty());
    EXPECT_EQ(data.ClubList.At(1).Measurements.Azimuth, 180.0f);
}

TEST_F(EditorTest, TabOrderFollowsTheBoxes)
{
    Click("Command4");
    ui::frmEdit& e = Open();
    QWidget* expected[] = {Control<QLineEdit>(e, "txtClubNo"), Control<QLineEdit>(e, "txtClubName"),
                           Control<QLineEdit>(e, "txtMass"),   Control<QLineEdit>(e, "txtVolume"),
                           Control<QLineEdit>(e, "txtCMx"),    Control<QLineEdit>(e, "txtCMy"),
                           Control<QLineEdit>(e, "txtCMz"),    Control<QLineEdit>(e, "txtTheta"),
                           Control<QLineEdit>(e, "txtIxx"),    Control<QLineEdit>(e, "txtIyy"),
                           Control<QLineEdit>(e, "txtIzz"),    Control<QLineEdit>(e, "txtIxy"),
                           Control<QLineEdit>(e, "txtIyz"),    Control<QLineEdit>(e, "txtIzx"),
                           Control<QPlainTextEdit>(e, "Text4")};
    const auto nextTabStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    for (std::size_t i = 1; i < std::size(expected); ++i)
        EXPECT_EQ(nextTabStop(expected[i - 1]), expected[i]) << i;
}

} // namespace
} // namespace orv::testing
