// The JSON and CSV writers on their own: escaping, numbers, layout, quoting. The command tests
// compare their JSON without blanks, so the layout is pinned here.
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

TEST(CliJsonStringTest, EscapesWhatJsonRequiresAndKeepsEveryUnit) {
    EXPECT_EQ(JsonString(u"a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::u16string(u"\t\r\n\b\f\x01\x1f\0", 8)),
              "\"\\t\\r\\n\\b\\f\\u0001\\u001f\\u0000\"");
    // Non-ASCII text is UTF-8; a surrogate pair is one character, a lone one its escape.
    EXPECT_EQ(JsonString(u"\u00e9\u20ac\U0001F600"), "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"");
    EXPECT_EQ(JsonString(std::u16string(u"a\xD800z\xDC00", 4)), "\"a\\ud800z\\udc00\"");
}

TEST(CliJsonFloatTest, ShortestTextThatReadsBackAsTheSameFloat) {
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
TEST(CliJsonWriterTest, KeysOfAnyLengthAtAnyDepth) {
    std::ostringstream out;
    std::string expected = "{";
    {
        JsonWriter json(out);
        json.BeginObject();
        for (size_t depth = 1; depth <= 20; ++depth) {
            const std::string key(depth, static_cast<char>('a' + depth));
            json.Key(key);
            json.BeginObject();
            expected += "\n" + std::string(2 * depth, ' ') + "\"" + key + "\": {";
        }
        json.Field("n", 1);
        expected += "\n" + std::string(42, ' ') + "\"n\": 1";
        for (size_t depth = 20; depth >= 1; --depth) {
            json.EndObject();
            expected += "\n" + std::string(2 * depth, ' ') + "}";
        }
        json.EndObject();
        expected += "\n}\n";
    }
    EXPECT_EQ(out.str(), expected);
}

TEST(CliJsonWriterTest, IndentsTwoBlanksALevel) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginArray();
    json.BeginObject();
    json.Field("empty", std::vector<std::u16string>{});
    json.Field("list", std::vector<std::u16string>{u"x", u"y"});
    json.Field("b", true);
    json.EndObject();
    json.EndArray();
    EXPECT_EQ(out.str(),
              "[\n  {\n    \"empty\": [],\n    \"list\": [\n      \"x\",\n      \"y\"\n    ],\n"
              "    \"b\": true\n  }\n]\n");
}

TEST(CliCsvTest, QuotesOnlyFieldsThatNeedItAsRfc4180Says) {
    EXPECT_EQ(CsvRecord({"semi;colon blank", "", "b,c", "say \"hi\"", "two\r\nlines", "lf\nonly"}),
              "semi;colon blank,,\"b,c\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"lf\nonly\"\r\n");
}

// A paper's texts beyond ASCII become UTF-8, and are quoted by the same rule as any other.
TEST(CliCsvTest, PaperTextsBeyondAsciiAreUtf8) {
    PaperDefinition paper;
    paper.name = u"Caf\u00E9";
    paper.colour = u"wei\u00DF,matt";
    paper.type = u"\u65E5\u672C";
    std::ostringstream out;
    WritePapersCsv(out, {paper});
    const std::string csv = out.str();
    EXPECT_EQ(
        csv.substr(csv.find("\r\n") + 2),
        "Caf\xC3\xA9,0,8.5,11.0,75,\"wei\xC3\x9F,matt\",1,\xE6\x97\xA5\xE6\x9C\xAC,0,2,0,0\r\n");
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
