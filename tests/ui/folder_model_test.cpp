// The file dialogs' folder list: what it shows of a real folder, in which
// order, and that every entry's path names the file on the disk.
#include "tests/support/test_files.h"
#include "ui/platform/folder_model.h"
#include "ui/platform/native_paths.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace orv::testing {
namespace {

class FolderModelTest : public ::testing::Test {
protected:
    FolderModelTest()
    {
        for (const char* name : {"a.orv", "B.ORV", "c.Orv", "d.txt", "Photo.JPG", ".hidden.orv",
                                 "h\xE9"
                                 "ads.orv"})
            Touch(name, 0);
        Touch("big.orv", 5000);
        ::mkdir((folder.path() / "Zeta").c_str(), 0755);
        ::mkdir((folder.path() / "alpha").c_str(), 0755);
        ::mkfifo((folder.path() / "pipe.orv").c_str(), 0644);
        ::symlink("nowhere.orv", (folder.path() / "dangling.orv").c_str());
        model.SetFolder(Folder());
    }

    void Touch(const char* name, int size)
    {
        const int file = ::open((folder.path() / name).c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(file, 0) << name;
        ASSERT_EQ(::ftruncate(file, size), 0);
        ::close(file);
    }

    [[nodiscard]] QString Folder() const { return ui::PathFromNative(folder.path().string()); }

    [[nodiscard]] QStringList Names() const
    {
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.index(row, ui::FolderModel::Name).data().toString();
        return names;
    }

    TemporaryFolder folder;
    ui::FolderModel model;
};

const QString kLatin1Shown = QStringLiteral("h") + QChar(0xFFFD) + QStringLiteral("ads.orv");

TEST_F(FolderModelTest, ListsFoldersFirstThenTheMatchingFilesInAnyLetterCase)
{
    model.SetNameFilters({QStringLiteral("*.orv")});
    EXPECT_EQ(Names(), (QStringList{"alpha", "Zeta", "a.orv", "B.ORV", "big.orv", "c.Orv",
                                    "dangling.orv", kLatin1Shown, "pipe.orv"}))
        << Names().join(u',').toStdString();
    model.SetNameFilters({QStringLiteral("*.jpg"), QStringLiteral("*.txt")});
    EXPECT_EQ(Names(), (QStringList{"alpha", "Zeta", "d.txt", "Photo.JPG"}));
    model.SetNameFilters({});
    EXPECT_EQ(model.rowCount(), 11); // all but the hidden one
}

TEST_F(FolderModelTest, APathNamesTheFileEvenWhenItsNameIsNoUtf8)
{
    model.SetNameFilters({QStringLiteral("*.orv")});
    const int row = static_cast<int>(Names().indexOf(kLatin1Shown));
    ASSERT_GE(row, 0);
    const std::string bytes = ui::NativePath(model.PathAt(row));
    EXPECT_EQ(bytes, (folder.path()
                      / "h\xE9"
                        "ads.orv")
                         .string());
    struct stat status { };
    EXPECT_EQ(::stat(bytes.c_str(), &status), 0);
    EXPECT_FALSE(
        model.index(row, ui::FolderModel::Name).data(Qt::ToolTipRole).toString().isEmpty());
    EXPECT_EQ(model.RowOf(ui::FileNameOf(model.PathAt(row))), row);
}

TEST_F(FolderModelTest, ShowsSizeTypeAndWhetherAnEntryIsAFolder)
{
    const int big = static_cast<int>(Names().indexOf(QStringLiteral("big.orv")));
    ASSERT_GE(big, 0);
    EXPECT_FALSE(model.IsFolderAt(big));
    EXPECT_EQ(model.index(big, ui::FolderModel::Size).data().toString(),
              QLocale().formattedDataSize(5000));
    EXPECT_EQ(model.index(big, ui::FolderModel::Type).data().toString(), "ORV File");
    EXPECT_TRUE(model.IsFolderAt(0));
    EXPECT_EQ(model.index(0, ui::FolderModel::Type).data().toString(), "Folder");
    EXPECT_TRUE(model.index(0, ui::FolderModel::Size).data().toString().isEmpty());
}

TEST_F(FolderModelTest, SortsByAColumnWithFoldersStillFirst)
{
    model.SetNameFilters({QStringLiteral("*.orv")});
    QSignalSpy changed(&model, &QAbstractItemModel::layoutChanged);
    model.sort(ui::FolderModel::Size, Qt::DescendingOrder);
    EXPECT_EQ(changed.count(), 1);
    const QStringList names = Names();
    EXPECT_EQ(names.mid(0, 3), (QStringList{"Zeta", "alpha", "big.orv"}));
}

TEST_F(FolderModelTest, SaysWhyAFolderCannotBeRead)
{
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    for (const char* name : {"missing", "pipe.orv", "a.orv"}) {
        model.SetFolder(Folder() + u'/' + QString::fromLatin1(name));
        EXPECT_FALSE(model.Error().isEmpty()) << name;
        EXPECT_EQ(model.rowCount(), 0) << name;
    }
    EXPECT_EQ(reset.count(), 3);
}

TEST_F(FolderModelTest, RefreshShowsFilesMadeSinceAndResetsOnlyThen)
{
    model.SetNameFilters({QStringLiteral("*.orv")});
    const int before = model.rowCount();
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.Refresh();
    EXPECT_EQ(reset.count(), 0); // nothing changed: an edit in progress stays open
    Touch("new.orv", 0);
    model.Refresh();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), before + 1);
}

TEST_F(FolderModelTest, RenamesOnTheDiskAndNeverOverAnExistingName)
{
    QSignalSpy failed(&model, &ui::FolderModel::renameFailed);
    const int row = static_cast<int>(Names().indexOf(QStringLiteral("d.txt")));
    EXPECT_FALSE(model.setData(model.index(row, ui::FolderModel::Name), QStringLiteral("a.orv"),
                               Qt::EditRole));
    EXPECT_FALSE(model.setData(model.index(row, ui::FolderModel::Name), QStringLiteral("x/y"),
                               Qt::EditRole));
    EXPECT_EQ(failed.count(), 2);
    EXPECT_TRUE(model.setData(model.index(row, ui::FolderModel::Name), QStringLiteral("e.txt"),
                              Qt::EditRole));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "e.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "d.txt"));
    EXPECT_TRUE(Names().contains(QStringLiteral("e.txt")));
    QString error;
    const int made = model.CreateFolder(error);
    ASSERT_GE(made, 0) << error.toStdString();
    EXPECT_EQ(model.index(made, 0).data().toString(), "New Folder");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "New Folder"));
}

} // namespace
} // namespace orv::testing
