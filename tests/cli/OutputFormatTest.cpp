// The JSON and CSV writers on their own: escaping, numbers, layout, quoting. The command tests
// compare their JSON without blanks, so the layout is pinned here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <sstream>
#include <string>

#include "cli/CatalogTable.h"
#include "cli/JsonWriter.h"
#include "cli/PaperCsv.h"

namespace sheetwise::cli {
namespace {

TEST(CliJsonValueTest, StringsEscapeWhatJsonRequiresFloatsAreTheShortestTextThatReadsBack) {
    EXPECT_EQ(JsonString(u"a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::u16string(u"\t\r\n\b\f\x01\x1f\0", 8)),
              "\"\\t\\r\\n\\b\\f\\u0001\\u001f\\u0000\"");
    // Non-ASCII text is UTF-8; a surrogate pair is one character, a lone one its escape.
    EXPECT_EQ(JsonString(u"\u00e9\u20ac\U0001F600"), "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"");
    EXPECT_EQ(JsonString(std::u16string(u"a\xD800z\xDC00", 4)), "\"a\\ud800z\\udc00\"");
    EXPECT_EQ(JsonFloat(1e30f), "1e+30");
    EXPECT_EQ(JsonFloat(std::numeric_limits<float>::infinity()), "null");
    EXPECT_EQ(JsonFloat(std::numeric_limits<float>::quiet_NaN()), "null");
    EXPECT_EQ(FloatText(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(FloatText(-0.0f), "-0.0");
    // Whole numbers and tenths take a shortcut; it must give the general form's text, the
    // shortest that reads back as the same float (8.3, not 8.300000190734863).
    for (int i = 0; i < 200000; i += 7) {
        for (const float value : {i / 10.0f, i / 100.0f, i * 0.37f, i / 3.0f}) {
            char buffer[64];
            std::string expected(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
            if (expected.find_first_of(".e") == std::string::npos)
                expected += ".0";
            ASSERT_EQ(FloatText(value), expected) << i;
        }
    }
}

// Keys of every length up to twenty, and levels deeper than the blanks the writer copies at once.
TEST(CliJsonWriterTest, IndentsTwoBlanksALevelWhateverTheKeysAndTheDepth) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginArray();
    json.BeginObject();
    json.Field("empty", std::vector<std::u16string>{});
    json.Field("list", std::vector<std::u16string>{u"x", u"y"});
    std::string expected =
        "[\n  {\n    \"empty\": [],\n    \"list\": [\n      \"x\",\n      \"y\"\n    ],";
    for (size_t depth = 2; depth <= 21; ++depth) {
        const std::string key(depth - 1, static_cast<char>('a' + depth));
        json.Key(key);
        json.BeginObject();
        expected += "\n" + std::string(2 * depth, ' ') + "\"" + key + "\": {";
    }
    json.Field("b", true);
    expected += "\n" + std::string(44, ' ') + "\"b\": true";
    for (size_t depth = 21; depth >= 1; --depth) {
        json.EndObject();
        expected += "\n" + std::string(2 * depth, ' ') + "}";
    }
    json.EndArray();
    EXPECT_EQ(out.str(), expected + "\n]\n");
}

// A paper's texts beyond ASCII become UTF-8, and are quoted by the same rule as any other.
TEST(CliCsvTest, QuotesOnlyFieldsThatNeedItAsRfc4180SaysAndWritesUtf8) {
    EXPECT_EQ(CsvRecord({"semi;colon blank", "", "b,c", "say \"hi\"", "two\r\nlines", "lf\nonly"}),
              "semi;colon blank,,\"b,c\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lf\nonly\"\r\n");
    PaperDefinition paper;
    paper.name = u"Caf\u00E9";
    paper.colour = u"wei\u00DF,matt";
    paper.type = u"\u65E5\u672C";
    std::ostringstream out;
    WritePapersCsv(out, {paper});
    EXPECT_THAT(out.str(), ::testing::EndsWith("\r\nCaf\xC3\xA9,0,8.5,11.0,75,\"wei\xC3\x9F,matt\","
                                               "1,\xE6\x97\xA5\xE6\x9C\xAC,0,2,0,0\r\n"));
}

TEST(CliTableTest, ColumnsLineUpByCharactersNotBytes) {
    EXPECT_EQ(LayOutTable({{"Name", "W"}, {"\xC3\xA9t\xC3\xA9", "1"}, {"ab", "22"}}),
              "Name  W\n"
              "\xC3\xA9t\xC3\xA9   1\n"
              "ab    22\n");
    EXPECT_EQ(ListLine({u"*", u"75", u"dark blue", u"", u"a,b"}),
              "*, 75, \"dark blue\", \"\", \"a,b\"");
}

}  // namespace
}  // namespace sheetwise::cli
