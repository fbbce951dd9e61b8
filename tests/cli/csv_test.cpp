#include "cli/csv.h"

#include <gtest/gtest.h>

namespace orv::cli {
namespace {

TEST(Csv, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(CsvField("plain text"), "plain text");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField(""), "");
}

TEST(Csv, ReadsQuotedFieldsAndCountsLines)
{
    const std::vector<CsvRecord> records = ParseCsv(
        "\xEF\xBB\xBF"
        "a,b\r\n\"x, y\",\"two\nlines\"\r\n\"q\"\"q\",\nlast,row");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"x, y", "two\nlines"}));
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"q\"q", ""}));
    EXPECT_EQ(records[2].line, 4);
    EXPECT_EQ(records[3].line, 5);
}

TEST(Csv, RoundTripsAnyField)
{
    const std::vector<std::string> fields = {"", ",", "\"", "\r\n", "a\"b,c\nd", " spaced "};
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    const std::vector<CsvRecord> records = ParseCsv(line + "\r\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, fields);
}

TEST(Csv, ReportsBrokenQuotesWithTheirLine)
{
    for (const auto& [text, line] : {std::pair{"a\n\"open", 2}, std::pair{"a\n\"x\"y,z", 2}}) {
        try {
            (void)ParseCsv(text);
            ADD_FAILURE() << text;
        } catch (const CsvSyntaxError& error) {
            EXPECT_EQ(error.line(), line) << text;
        }
    }
}

} // namespace
} // namespace orv::cli
