// The club-head picture: Browse through the preview dialog, Club Head, and
// the pictures the editor loads when it opens. The fixtures are small files
// the tests make themselves.
#include "tests/support/test_files.h"
#include "tests/ui/editor_fixture.h"

#include "ui/artwork/artwork.h"
#include "ui/editor/internal/picture_types.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/picture_loader.h"
#include "ui/platform/qt_dialogs.h"
#include "ui/platform/remembered_folders.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace orv::testing {
namespace {

// A 1 x 1 GIF; Qt reads GIF but does not write it.
const QByteArray kGif = QByteArray::fromHex("474946383961"
                                            "01000100"
                                            "800000"
                                            "000000"
                                            "ffffff"
                                            "21f90401000000"
                                            "002c00000000010001000002024401003b");

class PictureTest : public EditorTest {
protected:
    PictureTest()
    {
        Write("red.bmp", Image(Qt::red), "BMP");
        Write("Photo.JPG", Image(Qt::blue), "JPG");
        Write("green.png", Image(Qt::green), "PNG");
        Write("wide.jpeg", Image(Qt::yellow), "JPG");
        WriteBytes("dot.gif", kGif);
        WriteBytes("damaged.bmp", QByteArray("BM\x10\x00garbage that is no bitmap", 30));
        WriteBytes("scan.tif", QByteArray("II*\x00 not really a tiff", 22));
    }

    static QImage Image(Qt::GlobalColor colour)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QString Path(const char* name) const
    {
        return QString::fromStdString((folder.path() / name).string());
    }

    void Write(const char* name, const QImage& image, const char* format)
    {
        ASSERT_TRUE(image.save(Path(name), format)) << name;
    }

    void WriteBytes(const char* name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // An editor on one club whose stored picture is `stored`.
    ui::frmEdit& OpenClubWithPicture(const QString& stored)
    {
        AddClubs({"A"});
        ClubMeasurements club = data.ClubList.At(1).Measurements;
        club.PictureName = stored.toStdString();
        data.ClubList.Store(1, club, {});
        return Open();
    }

    static QRgb Colour(const QImage& image) { return image.pixel(0, 0); }

    TemporaryFolder folder;
};

TEST_F(PictureTest, OpeningTheEditorShowsTheStoredPicture)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path("red.bmp"));
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
}

// A club data file holds its texts in Windows-1252: Browse refuses a picture
// whose name it could not hold (one from an old disk that is no UTF-8, or
// one in another script) at once, rather than Save refusing the document.
TEST_F(PictureTest, BrowseRefusesAPictureWhoseNameTheFileCannotHold)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    for (const char* name : {"r\xF6"
                             "d.bmp",
                             "\xE5\x86\x99\xE7\x9C\x9F.bmp"}) {
        const std::string bytes = (folder.path() / name).string();
        std::filesystem::copy_file(folder.path() / "red.bmp", bytes);
        const QString path = ui::PathFromNative(bytes);
        dialogs.choices.push_back({path, ui::DisplayPath(ui::FileNameOf(path))});
        Control<QPushButton>(e, "Command5")->click();
    }
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.Texts()[0].startsWith("The name of this picture cannot be stored"));
    EXPECT_EQ(dialogs.Texts()[1], dialogs.Texts()[0]);
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path("red.bmp"));
    // A Western European name is stored.
    const std::string western = (folder.path()
                                 / "r\xC3\xB6"
                                   "d.bmp")
                                    .string();
    std::filesystem::copy_file(folder.path() / "red.bmp", western);
    dialogs.choices.push_back({ui::PathFromNative(western), QStringLiteral("r\u00F6d.bmp")});
    Control<QPushButton>(e, "Command5")->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text().toStdString(), western);
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
}

// The picture loader opens a file by its real name, whatever it is made of.
TEST(PictureLoader, LoadsAPictureWhoseNameIsNoUtf8)
{
    TemporaryFolder folder;
    const std::string bytes = (folder.path()
                               / "r\xF6"
                                 "d.bmp")
                                  .string();
    const QString path = ui::PathFromNative(bytes);
    {
        QFile file;
        std::FILE* out = std::fopen(bytes.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        ASSERT_TRUE(file.open(out, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(&file, "BMP"));
    }
    EXPECT_TRUE(ui::FileExists(path));
    EXPECT_EQ(ui::LoadPicture(path).pixel(0, 0), QColor(Qt::red).rgb());
}

TEST_F(PictureTest, AMissingFileKeepsThePlaceholder)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("deleted.jpg"));
    EXPECT_EQ(Control<ui::StretchedImage>(e, "Image1")->Picture(), ui::EditorPlaceholder());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureTest, BrowseAcceptsBitmapsGifsAndJpegsInAnyCase)
{
    ui::frmEdit& e = OpenClubWithPicture(QString());
    const std::pair<const char*, QRgb> accepted[] = {
        {"red.bmp", QColor(Qt::red).rgb()}, {"dot.gif", 0}, {"Photo.JPG", QColor(Qt::blue).rgb()}};
    for (const auto& [name, colour] : accepted) {
        dialogs.choices.push_back({Path(name), QLatin1String(name)});
        Control<QPushButton>(e, "Command5")->click();
        EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path(name));
        EXPECT_FALSE(Control<ui::StretchedImage>(e, "Image1")->Picture().isNull());
        if (colour != 0) {
            EXPECT_NEAR(qBlue(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture())),
                        qBlue(colour), 8)
                << name;
        }
    }
    EXPECT_EQ(dialogs.Texts(), QStringList{});
    const ui::FileDialogRequest& request = dialogs.requests.front();
    EXPECT_EQ(request.filter, "*.jpg|*.jpg|*.gif|*.gif|*.bmp|*.bmp");
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(request.initialFolder, QDir::current().filePath("RaviDazov"));
    // The next Browse starts where the last choice was made.
    EXPECT_EQ(dialogs.requests.back().initialFolder,
              QString::fromStdString(folder.path().string()));
}

// Browse starts beside the club's current picture; without one, where the
// last picture was chosen, in this run or an earlier one.
TEST_F(PictureTest, BrowseStartsBesideTheCurrentPictureElseWhereTheLastOneWasChosen)
{
    ::mkdir((folder.path() / "heads").c_str(), 0755);
    const QString inHeads = QString::fromStdString((folder.path() / "heads" / "a.bmp").string());
    ASSERT_TRUE(Image(Qt::red).save(inHeads, "BMP"));

    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    dialogs.choices.push_back({inHeads, "a.bmp"});
    Control<QPushButton>(e, "Command5")->click();
    EXPECT_EQ(dialogs.requests.back().initialFolder,
              QString::fromStdString(folder.path().string()));
    EXPECT_EQ(ui::RememberedFolder(ui::FolderPurpose::Pictures),
              QString::fromStdString((folder.path() / "heads").string()));

    // A new editor on a club whose picture is gone starts in "heads".
    ClubMeasurements club = data.ClubList.At(1).Measurements;
    club.PictureName = Path("gone.bmp").toStdString();
    data.ClubList.Store(1, club, {});
    ui::frmEdit& next = Open();
    dialogs.choices.push_back({});
    Control<QPushButton>(next, "Command5")->click();
    EXPECT_EQ(dialogs.requests.back().initialFolder,
              QString::fromStdString((folder.path() / "heads").string()));
}

TEST_F(PictureTest, BrowseRefusesOtherTypesAndChangesNothing)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    for (const char* name : {"wide.jpeg", "green.png"}) {
        dialogs.choices.push_back({Path(name), QLatin1String(name)});
        Control<QPushButton>(e, "Command5")->click();
    }
    EXPECT_EQ(dialogs.Texts(), (QStringList{"The picture's format is not support.",
                                            "The picture's format is not support."}));
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path("red.bmp"));
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
}

TEST_F(PictureTest, DamagedBitmapShowsTheLoadersDescriptionAndKeepsThePicture)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    dialogs.choices.push_back({Path("damaged.bmp"), "damaged.bmp"});
    Control<QPushButton>(e, "Command5")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("damaged.bmp"));
    EXPECT_EQ(dialogs.messages[0].buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path("damaged.bmp"));
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
}

TEST_F(PictureTest, CancelChangesNothing)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    dialogs.choices.push_back({});
    Control<QPushButton>(e, "Command5")->click();
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path("red.bmp"));
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(e.Preview(), nullptr); // released with the dialog
}

TEST_F(PictureTest, ClubHeadShowsTheStoredPictureNotTheBrowsedOne)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    dialogs.choices.push_back({Path("Photo.JPG"), "Photo.JPG"});
    Control<QPushButton>(e, "Command5")->click();
    ASSERT_GT(qBlue(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture())), 200);
    Control<QPushButton>(e, "Command6")->click();
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
    EXPECT_EQ(Control<QLineEdit>(e, "txtPictureName")->text(), Path("Photo.JPG"));
    Control<QPushButton>(e, "Command4")->click();
    EXPECT_EQ(data.ClubList.At(1).Measurements.PictureName, Path("Photo.JPG").toStdString());
}

TEST_F(PictureTest, ClubHeadWithoutAStoredFileDoesNothing)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("deleted.bmp"));
    Control<QPushButton>(e, "Command6")->click();
    EXPECT_EQ(Control<ui::StretchedImage>(e, "Image1")->Picture(), ui::EditorPlaceholder());
}

TEST_F(PictureTest, PreviewFollowsTheHighlightedFile)
{
    ui::frmEdit& e = OpenClubWithPicture(QString());
    QList<bool> shown;
    dialogs.whileOpen = [&](ui::PreviewClient& preview) {
        const auto previewImage = [&] { return e.Preview()->Image1->Picture(); };
        ASSERT_NE(e.Preview(), nullptr);
        EXPECT_TRUE(previewImage().isNull());
        preview.FileHighlighted(Path("red.bmp"));
        shown << !previewImage().isNull();
        preview.FileHighlighted(Path("scan.tif")); // tried, cannot be decoded: message, kept
        shown << !previewImage().isNull();
        preview.FileHighlighted(Path("green.png")); // not a previewed type: emptied
        shown << !previewImage().isNull();
        preview.FileHighlighted(QString::fromStdString(folder.path().string()));
        shown << !previewImage().isNull();
    };
    dialogs.choices.push_back({});
    Control<QPushButton>(e, "Command5")->click();
    EXPECT_EQ(shown, (QList<bool>{true, true, false, false}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("scan.tif"));
}

TEST_F(PictureTest, RawDataRefreshesThePreviewWhenAPathIsSet)
{
    ui::frmEdit& e = OpenClubWithPicture(Path("red.bmp"));
    ASSERT_NE(e.Preview(), nullptr); // the load's RawData made it
    EXPECT_FALSE(e.Preview()->Image1->Picture().isNull());
    Control<QLineEdit>(e, "txtPictureName")->setText(Path("deleted.bmp"));
    Control<QPushButton>(e, "Command1")->click();
    EXPECT_TRUE(e.Preview()->Image1->Picture().isNull());
}

TEST_F(PictureTest, RestorePutsTheBoxPictureBackAndIgnoresFailures)
{
    ui::frmEdit& e = OpenClubWithPicture(QString());
    dialogs.whileOpen = [&](ui::PreviewClient&) {
        Control<QLineEdit>(e, "txtPictureName")->setText(Path("red.bmp"));
    };
    dialogs.choices.push_back({}); // cancelling raises the restore
    Control<QPushButton>(e, "Command5")->click();
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());

    dialogs.whileOpen = [&](ui::PreviewClient&) {
        Control<QLineEdit>(e, "txtPictureName")->setText(Path("damaged.bmp"));
    };
    dialogs.choices.push_back({});
    Control<QPushButton>(e, "Command5")->click();
    EXPECT_EQ(Colour(Control<ui::StretchedImage>(e, "Image1")->Picture()), QColor(Qt::red).rgb());
    EXPECT_TRUE(dialogs.messages.empty());
}

struct TypeCase {
    const char* path;
    bool accepted;
    bool previewed;
};

class PictureTypeTest : public ::testing::TestWithParam<TypeCase> { };

TEST_P(PictureTypeTest, GoesByTheLastThreeCharacters)
{
    EXPECT_EQ(ui::IsAcceptedPicture(GetParam().path), GetParam().accepted);
    EXPECT_EQ(ui::IsPreviewedPicture(GetParam().path), GetParam().previewed);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PictureTypeTest,
    ::testing::Values(TypeCase{"/h/Driver1.JPG", true, true}, TypeCase{"a.gif", true, true},
                      TypeCase{"a.Bmp", true, true}, TypeCase{"a.tif", false, true},
                      TypeCase{"a.jpeg", false, false}, TypeCase{"a.png", false, false},
                      TypeCase{"xjpg", true, true}, TypeCase{"", false, false}));

TEST(PictureLoader, RefusesAFifoInsteadOfWaitingOnIt)
{
    TemporaryFolder folder;
    const auto fifo = folder.path() / "head.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const QString path = QString::fromStdString(fifo.string());
    EXPECT_THROW((void)ui::LoadPicture(path), ui::PictureError);
    EXPECT_FALSE(ui::FileExists(path));
}

TEST(PictureLoader, DescribesWhatItCannotLoad)
{
    TemporaryFolder folder;
    const QString missing = QString::fromStdString((folder.path() / "none.bmp").string());
    try {
        (void)ui::LoadPicture(missing);
        FAIL();
    } catch (const ui::PictureError& error) {
        EXPECT_NE(std::string(error.what()).find("none.bmp"), std::string::npos);
    }
    EXPECT_FALSE(ui::FileExists(QString()));
    EXPECT_FALSE(ui::FileExists(QString::fromStdString(folder.path().string())));
}

} // namespace
} // namespace orv::testing
