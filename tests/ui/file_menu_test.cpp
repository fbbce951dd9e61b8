// Open, Save, Save As and the closing sequence, with scripted dialogs and
// real files in a temporary folder.
#include "clubs/club_file.h"
#include "tests/support/processes.h"
#include "tests/support/test_files.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/remembered_folders.h"

#include <QCloseEvent>
#include <QFile>

#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace orv::testing {
namespace {

using ui::MessageAnswer;

class FileMenuTest : public MainWindowTest {
protected:
    QString Path(const char* name) const
    {
        return QString::fromStdString((folder.path() / name).string());
    }

    ui::FileChoice Choice(const char* name) const { return {Path(name), QLatin1String(name)}; }

    std::string Bytes(const char* name) const { return ReadWholeFile(folder.path() / name); }

    void WriteDocument(const char* name, std::initializer_list<const char*> clubNames)
    {
        ClubList list;
        for (const char* clubName : clubNames) {
            list.AppendEmpty();
            ClubMeasurements club;
            club.ClubName = clubName;
            club.Mass = 200;
            list.Store(list.HighestIndex(), club, {});
        }
        SaveDataFile(folder.path() / name, list);
    }

    // Closing the window as the close box does; true when it closed.
    bool Close()
    {
        QCloseEvent event;
        QApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    }

    TemporaryFolder folder;
};

TEST_F(FileMenuTest, SaveRightAfterStartGoesToTheSaveDialog)
{
    dialogs.choices.push_back(Choice("new.orv"));
    window->mnuSave_Click();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, ui::FileDialogKind::Save);
    EXPECT_EQ(dialogs.requests[0].filter, "ORV Calculation(*.orv)|*.orv");
    EXPECT_EQ(dialogs.requests[0].defaultExtension, "orv");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Bytes("new.orv"), std::string(118, '\0'));
    EXPECT_EQ(Caption(*window), "ORV Calculation - new.orv");
}

TEST_F(FileMenuTest, OpenFillsTheGridsAndTheCaption)
{
    WriteDocument("heads.ORV", {"A", "B"});
    dialogs.choices.push_back(Choice("heads.ORV"));
    window->mnuOpen_Click();
    EXPECT_EQ(dialogs.requests[0].kind, ui::FileDialogKind::Open);
    EXPECT_EQ(dialogs.requests[0].filter, "ORV Calculation(*.orv)|*.orv");
    EXPECT_FALSE(dialogs.requests[0].fileMustExist); // a missing file is "File not found!"

    EXPECT_EQ(NameColumn(), (QStringList{"A", "B"}));
    EXPECT_EQ(Control<ui::SpreadGrid>(*window, "fpSpread1")->CellText(2, 3), "200");
    EXPECT_EQ(Caption(*window), "ORV Calculation - heads.ORV");
    EXPECT_EQ(window->CurrentFilePath(), Path("heads.ORV"));
    EXPECT_TRUE(dialogs.messages.empty());
}

// Where the dialogs start: the folder of the last document chosen, kept in
// the settings across runs; Save As proposes the document's own name.
TEST_F(FileMenuTest, DialogsStartWhereTheLastDocumentWasAndSaveAsProposesItsName)
{
    ::mkdir((folder.path() / "2026").c_str(), 0755);
    WriteDocument("2026/heads.orv", {"A"});
    dialogs.choices.push_back(Choice("2026/heads.orv"));
    window->mnuOpen_Click();
    EXPECT_EQ(ui::RememberedFolder(ui::FolderPurpose::Documents), Path("2026"));

    dialogs.choices.push_back({});
    window->mnuSaveAs_Click();
    EXPECT_EQ(dialogs.requests.back().initialFolder, Path("2026"));
    EXPECT_EQ(dialogs.requests.back().proposedName, "heads.orv");

    // A window of a later run, nothing opened yet: its Open and its first
    // Save As start in the same folder and propose no name.
    ProgramData laterData;
    ui::frmMain later(laterData, dialogs, desktop);
    later.Load();
    dialogs.choices.push_back({});
    later.mnuOpen_Click();
    EXPECT_EQ(dialogs.requests.back().initialFolder, Path("2026"));
    dialogs.choices.push_back(Choice("copy.orv"));
    later.mnuSaveAs_Click();
    EXPECT_EQ(dialogs.requests.back().initialFolder, Path("2026"));
    EXPECT_TRUE(dialogs.requests.back().proposedName.isEmpty());
    // A cancelled dialog forgets nothing; a chosen file moves the memory.
    EXPECT_EQ(ui::RememberedFolder(ui::FolderPurpose::Documents),
              QString::fromStdString(folder.path().string()));
    dialogs.choices.push_back({});
    later.mnuSaveAs_Click();
    EXPECT_EQ(dialogs.requests.back().proposedName, "copy.orv");
}

// Started from a terminal whose output goes to a file: Save As onto
// /dev/stdout is refused by the name rule, while a .orv link to it writes the
// document into that output where it stands.
TEST_F(FileMenuTest, SaveAsOntoStandardOutputWritesIntoItWhereItStands)
{
    WriteDocument("heads.orv", {"A"});
    const std::string document = Bytes("heads.orv");
    const std::filesystem::path output = folder.path() / "terminal.log";
    std::ofstream(output) << "earlier\n";
    std::filesystem::create_symlink("/dev/stdout", folder.path() / "out.orv");
    dialogs.choices.push_back(Choice("heads.orv"));
    window->mnuOpen_Click();

    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const int log = ::open(output.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(log, 0);
    ::dup2(log, STDOUT_FILENO);
    ::close(log);
    dialogs.choices.push_back({QStringLiteral("/dev/stdout"), QStringLiteral("stdout")});
    window->mnuSaveAs_Click();
    dialogs.choices.push_back(Choice("out.orv"));
    window->mnuSaveAs_Click();
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);

    EXPECT_EQ(dialogs.Texts(), QStringList{"The file type is not supported!"});
    EXPECT_EQ(ReadWholeFile(output), "earlier\n" + document);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "out.orv"));
}

// The caption marks unsaved changes from the first change of the list until
// the document is saved or another opened.
TEST_F(FileMenuTest, TheCaptionMarksUnsavedChanges)
{
    EXPECT_FALSE(window->isWindowModified());
    Click("Command4");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(window->windowTitle(), "VOVE-ROZO ORV[*]");
    dialogs.choices.push_back(Choice("saved.orv"));
    window->mnuSave_Click();
    EXPECT_FALSE(window->isWindowModified());
    Click("Command3");
    EXPECT_TRUE(window->isWindowModified());
    window->mnuUndo_Click(); // back to the saved state
    EXPECT_FALSE(window->isWindowModified());
    Click("Command4");
    WriteDocument("other.orv", {"A"});
    dialogs.answers.push_back(MessageAnswer::No);
    dialogs.choices.push_back(Choice("other.orv"));
    window->mnuOpen_Click();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->Edits().canUndo());
}

// Open with unsaved changes asks first: Yes saves (with Save's own
// questions), No opens without saving, Cancel keeps everything.
TEST_F(FileMenuTest, OpenAsksBeforeDroppingUnsavedChanges)
{
    WriteDocument("other.orv", {"Other"});
    const struct {
        MessageAnswer answer;
        bool opened;
        bool saved;
    } cases[] = {{MessageAnswer::Cancel, false, false},
                 {MessageAnswer::No, true, false},
                 {MessageAnswer::Yes, true, true}};
    for (const auto& c : cases) {
        std::filesystem::remove(folder.path() / "mine.orv");
        window = std::make_unique<ui::frmMain>(data, dialogs, desktop);
        window->Load();
        AddClubs({"mine"});
        dialogs.messages.clear();
        dialogs.answers.push_back(c.answer);
        if (c.answer == MessageAnswer::Yes)
            dialogs.choices.push_back(Choice("mine.orv")); // Save goes to Save As
        if (c.opened)
            dialogs.choices.push_back(Choice("other.orv"));
        window->mnuOpen_Click();
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.front().text,
                  "Save the changes to the current datas before opening another file?");
        EXPECT_EQ(dialogs.messages.front().buttons, ui::MessageButtons::YesNoCancel);
        EXPECT_EQ(NameColumn(), QStringList{c.opened ? "Other" : "mine"});
        EXPECT_EQ(std::filesystem::exists(folder.path() / "mine.orv"), c.saved);
        EXPECT_TRUE(dialogs.choices.empty());
    }
}

// A document copied from an old disk, its name in Latin-1: it opens, its name
// shows as file managers show it, and Save writes it back under its own name.
TEST_F(FileMenuTest, ADocumentNamedInLatin1OpensAndSavesUnderItsOwnName)
{
    const char* name = "h\xE9"
                       "ads.orv";
    WriteDocument(name, {"A"});
    const QString path = ui::PathFromNative((folder.path() / name).string());
    dialogs.choices.push_back({path, ui::DisplayPath(ui::FileNameOf(path))});
    window->mnuOpen_Click();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().join(u'|').toStdString();
    EXPECT_EQ(NameColumn(), QStringList{"A"});
    EXPECT_EQ(Caption(*window), QStringLiteral("ORV Calculation - h\uFFFDads.orv"));
    Click("Command4");
    dialogs.answers.push_back(MessageAnswer::Yes);
    window->mnuSave_Click();
    EXPECT_EQ(ReadDataFile(folder.path() / name).size(), 3u); // the empty record and two clubs
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{name});
}

TEST_F(FileMenuTest, FailedOpenChangesNothing)
{
    AddClubs({"kept"});
    window->Edits().setClean(); // as if just saved: Open asks nothing first
    WriteDocument("full.orv", {"A", "B"});
    const std::string full = Bytes("full.orv");
    std::ofstream(folder.path() / "cut.orv", std::ios::binary).write(full.data(), 200);
    std::ofstream(folder.path() / "notes.txt") << "hello";
    const struct {
        const char* name;
        const char* message;
    } cases[] = {{"cut.orv", "File Type not Supported"},
                 {"missing.orv", "File not found!"},
                 {"notes.txt", "The file type is not correct!"},
                 {"full.orv.bak", "The file type is not correct!"}};
    for (const auto& c : cases) {
        dialogs.messages.clear();
        dialogs.choices.push_back(Choice(c.name));
        window->mnuOpen_Click();
        // The fixed text first; what went wrong, in the system's words, below.
        ASSERT_EQ(dialogs.Texts().size(), 1) << c.name;
        EXPECT_EQ(dialogs.Texts().front().section(QLatin1Char('\n'), 0, 0),
                  QLatin1String(c.message))
            << c.name;
        EXPECT_EQ(NameColumn(), QStringList{"kept"}) << c.name;
        EXPECT_EQ(Caption(*window), "VOVE-ROZO ORV") << c.name;
        EXPECT_TRUE(window->CurrentFilePath().isEmpty()) << c.name;
    }
}

TEST_F(FileMenuTest, CancelledOpenChangesNothing)
{
    AddClubs({"kept"});
    window->Edits().setClean();
    dialogs.choices.push_back({});
    window->mnuOpen_Click();
    EXPECT_EQ(NameColumn(), QStringList{"kept"});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileMenuTest, SaveAfterOpenAsksAndReplacesTheOpenedFile)
{
    WriteDocument("a.orv", {"A"});
    dialogs.choices.push_back(Choice("a.orv"));
    window->mnuOpen_Click();
    Click("Command4");
    dialogs.answers.push_back(MessageAnswer::Yes);
    window->mnuSave_Click();
    EXPECT_EQ(dialogs.Texts(), QStringList{"Replace file with current datas?"});
    EXPECT_EQ(dialogs.messages[0].buttons, ui::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.requests.size(), 1u); // no save dialog
    EXPECT_EQ(ReadDataFile(folder.path() / "a.orv").size(), 3u);
}

TEST_F(FileMenuTest, SaveAnsweredNoGoesToSaveAs)
{
    WriteDocument("a.orv", {"A"});
    dialogs.choices = {Choice("a.orv"), Choice("b.orv")};
    window->mnuOpen_Click();
    dialogs.answers.push_back(MessageAnswer::No);
    window->mnuSave_Click();
    EXPECT_EQ(ReadDataFile(folder.path() / "b.orv").size(), 2u);
}

TEST_F(FileMenuTest, SaveAsMakesTheSavedFileTheDocument)
{
    WriteDocument("a.orv", {"A"});
    const std::string before = Bytes("a.orv");
    dialogs.choices = {Choice("a.orv"), Choice("b.orv")};
    window->mnuOpen_Click();
    window->mnuSaveAs_Click();
    EXPECT_EQ(Caption(*window), "ORV Calculation - b.orv");
    EXPECT_EQ(window->CurrentFilePath(), Path("b.orv"));

    Click("Command4");
    dialogs.answers.push_back(MessageAnswer::Yes);
    window->mnuSave_Click();
    EXPECT_EQ(ReadDataFile(folder.path() / "b.orv").size(), 3u);
    EXPECT_EQ(Bytes("a.orv"), before);
}

TEST_F(FileMenuTest, SaveAsWithARefusedNameWritesNothingAndKeepsTheCaption)
{
    dialogs.choices.push_back(Choice("heads.txt"));
    window->mnuSaveAs_Click();
    EXPECT_EQ(dialogs.Texts(), QStringList{"The file type is not supported!"});
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "heads.txt"));
    EXPECT_EQ(Caption(*window), "VOVE-ROZO ORV");
}

TEST_F(FileMenuTest, SaveAsThatCannotWriteShowsWhyAndKeepsTheCaption)
{
    dialogs.choices.push_back({Path("missing-folder/x.orv"), "x.orv"});
    window->mnuSaveAs_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("x.orv"));
    EXPECT_EQ(Caption(*window), "VOVE-ROZO ORV");
    EXPECT_TRUE(window->CurrentFilePath().isEmpty());
}

TEST_F(FileMenuTest, SaveOfATextTheFileCannotHoldNamesTheRow)
{
    AddClubs({"A", "\u65e5\u672c"});
    dialogs.choices.push_back(Choice("x.orv"));
    window->mnuSaveAs_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("row 2"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "x.orv"));
}

TEST_F(FileMenuTest, ClosingCancelledKeepsTheWindowOpen)
{
    AddClubs({"A"});
    dialogs.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(Close());
    EXPECT_EQ(dialogs.Texts(), QStringList{"Save datas and exit program?"});
    EXPECT_EQ(dialogs.messages[0].buttons, ui::MessageButtons::YesNoCancel);
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(NameColumn(), QStringList{"A"});
}

TEST_F(FileMenuTest, ClosingWithNoEndsTheProgram)
{
    dialogs.answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(Close());
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(FileMenuTest, ClosingWithYesSavesThenSaysSoAndEnds)
{
    AddClubs({"A"});
    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.choices.push_back(Choice("saved.orv"));
    EXPECT_TRUE(Close());
    EXPECT_EQ(dialogs.Texts(), (QStringList{"Save datas and exit program?", "Datas saved!"}));
    EXPECT_EQ(ReadDataFile(folder.path() / "saved.orv").size(), 2u);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(FileMenuTest, ClosingWithYesButNoFileWrittenStaysOpen)
{
    AddClubs({"A"});
    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.choices.push_back({}); // the save dialog is cancelled
    EXPECT_FALSE(Close());
    EXPECT_EQ(dialogs.Texts(), QStringList{"Save datas and exit program?"});
    EXPECT_EQ(programEnds, 0);

    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.choices.push_back(Choice("heads.txt")); // a refused name
    EXPECT_FALSE(Close());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(NameColumn(), QStringList{"A"});
}

TEST_F(FileMenuTest, ClosingWithYesAndAFailedWriteShowsWhyAndStaysOpen)
{
    AddClubs({"A"});
    dialogs.answers.push_back(MessageAnswer::Yes);
    dialogs.choices.push_back({Path("missing-folder/x.orv"), "x.orv"});
    EXPECT_FALSE(Close());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("missing-folder"));
    EXPECT_NE(dialogs.messages.back().text, "Datas saved!");
    EXPECT_EQ(programEnds, 0);
}

TEST_F(FileMenuTest, ExitButtonAndMenuGoThroughTheClosingSequence)
{
    window->show();
    dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
    Click("Command2");
    window->mnuExit_Click();
    EXPECT_EQ(dialogs.Texts(),
              (QStringList{"Save datas and exit program?", "Save datas and exit program?"}));
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace orv::testing

namespace orv::testing {
namespace {

// Open under faults: what cannot be read is said in the system's words,
// nothing waits on a FIFO, and running out of memory costs nothing of the
// open document.
class OpenFaultTest : public FileMenuTest {
protected:
    OpenFaultTest()
    {
        AddClubs({"kept"});
        dialogs.messages.clear();
    }

    void ExpectDocumentKept()
    {
        EXPECT_EQ(NameColumn(), QStringList{"kept"});
        EXPECT_EQ(Caption(*window), "VOVE-ROZO ORV");
        EXPECT_TRUE(window->CurrentFilePath().isEmpty());
    }
};

TEST_F(OpenFaultTest, AFifoIsRefusedAtOnce)
{
    ASSERT_EQ(::mkfifo((folder.path() / "x.orv").c_str(), 0644), 0);
    window->LoadDataFile(Path("x.orv"), QStringLiteral("x.orv"));
    ASSERT_EQ(dialogs.Texts().size(), 1);
    EXPECT_TRUE(dialogs.Texts().front().startsWith("File not found!\n\n"));
    EXPECT_TRUE(dialogs.Texts().front().contains("is a FIFO"))
        << dialogs.Texts().front().toStdString();
    ExpectDocumentKept();
}

TEST_F(OpenFaultTest, AReadErrorIsNoFileTypeButAFailedRead)
{
    std::filesystem::create_symlink("/proc/self/mem", folder.path() / "broken.orv");
    window->LoadDataFile(Path("broken.orv"), QStringLiteral("broken.orv"));
    ASSERT_EQ(dialogs.Texts().size(), 1);
    EXPECT_TRUE(dialogs.Texts().front().startsWith("The file cannot be read.\n\n"));
    EXPECT_TRUE(dialogs.Texts().front().contains("Input/output error"));
    ExpectDocumentKept();
}

TEST_F(OpenFaultTest, ADocumentTooLargeForMemoryKeepsTheOpenOne)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "a sanitizer's shadow memory cannot live under a memory limit";
    WriteLargestSparseDocument(folder.path() / "huge.orv");
    const int status = InChildProcess([&] {
        rlimit limit{};
        ::getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = 1536u << 20;
        if (::setrlimit(RLIMIT_AS, &limit) != 0)
            return 2;
        window->LoadDataFile(Path("huge.orv"), QStringLiteral("huge.orv"));
        const bool said = dialogs.Texts().size() == 1
                          && dialogs.Texts().front().startsWith("There is not enough memory");
        const bool kept = NameColumn() == QStringList{"kept"} && data.ClubList.HighestIndex() == 1;
        return said && kept ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

} // namespace
} // namespace orv::testing
