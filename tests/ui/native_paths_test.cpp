// File names that are no UTF-8 survive the trip through a QString and back,
// and read as a file manager shows them.
#include "ui/platform/native_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orv::testing {
namespace {

struct NameCase {
    const char* what;
    std::string bytes;
    QString shown; // what DisplayPath gives
};

class NativePathTest : public ::testing::TestWithParam<NameCase> { };

TEST_P(NativePathTest, ComesBackToTheSameBytesAndShowsReplacementsForTheRest)
{
    const NameCase& c = GetParam();
    const QString path = ui::PathFromNative(c.bytes);
    EXPECT_EQ(ui::NativePath(path), c.bytes);
    EXPECT_EQ(ui::DisplayPath(path), c.shown) << ui::DisplayPath(path).toStdString();
}

const QString kR = QString(QChar(0xFFFD));

INSTANTIATE_TEST_SUITE_P(
    Names, NativePathTest,
    ::testing::Values(NameCase{"ascii", "/home/a/heads.orv", QStringLiteral("/home/a/heads.orv")},
                      NameCase{"utf8",
                               "h\xC3\xA9"
                               "ads.orv",
                               QStringLiteral("h\u00E9ads.orv")},
                      NameCase{"four bytes", "\xF0\x9F\x8F\x8C.orv",
                               QString::fromUcs4(U"\U0001F3CC.orv")},
                      NameCase{"latin1",
                               "h\xE9"
                               "ads.orv",
                               QStringLiteral("h") + kR + QStringLiteral("ads.orv")},
                      NameCase{"cut short", "a\xC3", QStringLiteral("a") + kR},
                      NameCase{"lone continuation", "\x80x", kR + QStringLiteral("x")},
                      NameCase{"overlong slash", "\xC0\xAF", kR + kR},
                      NameCase{"encoded surrogate", "\xED\xB3\xA9", kR + kR + kR},
                      NameCase{"beyond unicode", "\xF4\x90\x80\x80", kR + kR + kR + kR},
                      NameCase{"every high byte",
                               [] {
                                   std::string all;
                                   for (int byte = 0x80; byte <= 0xFF; ++byte)
                                       all.push_back(static_cast<char>(byte));
                                   return all;
                               }(),
                               QString(128, QChar(0xFFFD))}),
    [](const ::testing::TestParamInfo<NameCase>& param) {
        std::string name = param.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(NativePath, TypedTextConvertsToUtf8)
{
    EXPECT_EQ(ui::NativePath(QStringLiteral("Tête.orv")), "T\xC3\xAAte.orv");
    // A lone surrogate that is no escaped byte cannot be named: it becomes
    // the replacement character rather than a byte the user never typed.
    EXPECT_EQ(ui::NativePath(QString(QChar(0xD800))), "\xEF\xBF\xBD");
}

TEST(NativePath, SplitsAndCompletesPaths)
{
    EXPECT_EQ(ui::FileNameOf(QStringLiteral("/a/b.orv")), "b.orv");
    EXPECT_EQ(ui::FileNameOf(QStringLiteral("b.orv")), "b.orv");
    EXPECT_EQ(ui::FolderOf(QStringLiteral("/a/b.orv")), "/a");
    EXPECT_EQ(ui::FolderOf(QStringLiteral("/b.orv")), "/");
    EXPECT_EQ(ui::FolderOf(QStringLiteral("/")), "/");
    EXPECT_EQ(ui::AbsolutePath(QStringLiteral("/a/./c/../b.orv")), "/a/b.orv");
    EXPECT_EQ(ui::AbsolutePath(QStringLiteral("b.orv")),
              ui::CurrentFolder() + QStringLiteral("/b.orv"));
}

} // namespace
} // namespace orv::testing
