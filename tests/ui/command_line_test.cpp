// The program's command line, read before any window system is reached.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace orv::ui {
namespace {

TEST(CommandLine, ReadsADocumentAndTheOptions)
{
    EXPECT_EQ(ReadCommandLine({}).document, "");
    EXPECT_EQ(ReadCommandLine({"heads.orv"}).document, "heads.orv");
    EXPECT_TRUE(ReadCommandLine({"--help"}).help);
    EXPECT_TRUE(ReadCommandLine({"-h"}).help);
    EXPECT_TRUE(ReadCommandLine({"--version"}).version);
    EXPECT_TRUE(ReadCommandLine({"--self-test"}).selfTest);
    EXPECT_TRUE(ReadCommandLine({"--help"}).error.empty());
}

TEST(CommandLine, RefusesUnknownOptionsAndASecondDocument)
{
    EXPECT_EQ(ReadCommandLine({"--fast"}).error, "unknown option --fast");
    EXPECT_EQ(ReadCommandLine({"a.orv", "b.orv"}).error,
              "only one document can be opened at a time");
    EXPECT_NE(CommandLineUsage().find("DOCUMENT.orv"), std::string::npos);
}

} // namespace
} // namespace orv::ui
