#include "formats/TextLines.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::TempDir;
using testing::WideFile;
using testing::WriteBytes;
using Lines = std::vector<std::u16string>;

Lines ReadAll(const std::string& bytes, LineReader::Narrow narrow = LineReader::Narrow::kBytes) {
    const SystemTextConverter converter(1252);
    LineReader reader(bytes, narrow, &converter);
    Lines lines;
    std::u16string line;
    LineReader::Result result;
    while ((result = reader.Next(line)) == LineReader::Result::kLine)
        lines.push_back(line);
    if (result == LineReader::Result::kTooLong)
        lines.push_back(u"<too long>");
    return lines;
}

TEST(LineReader, NarrowLinesEndAtLineFeedsDecodeTheAnsiPageAndHoldAtMost2047Bytes) {
    EXPECT_EQ(ReadAll("a:b\r\n\nlast"), (Lines{u"a:b\r", u"", u"last"}));
    // One byte beyond ASCII anywhere in a long line takes the whole line through the code page,
    // and the shorter lines after it keep nothing of it.
    const std::string run(40, 'a');
    const std::u16string wideRun(40, u'a');
    EXPECT_EQ(
        ReadAll(run + "\x80" + run + "\xE9\nb\n" + run + "\n", LineReader::Narrow::kDecodeAnsi),
        (Lines{wideRun + u"€" + wideRun + u"é", u"b", wideRun}));
    EXPECT_EQ(ReadAll("\x80\n", LineReader::Narrow::kBytes), Lines{u"\u0080"});
    EXPECT_EQ(ReadAll(std::string("cut\0here\n", 9)), Lines{u"cut"});
    EXPECT_TRUE(ReadAll("").empty());
    // A byte-order mark later in a narrow file is ordinary text.
    EXPECT_EQ(ReadAll("a\n\xFF\xFE\n"), (Lines{u"a", u"\u00FF\u00FE"}));
    const std::string longest(2047, 'x');
    EXPECT_EQ(ReadAll(longest + "\nnext\n"), (Lines{std::u16string(2047, u'x'), u"next"}));
    EXPECT_EQ(ReadAll("first\n" + longest + "x\nnever read\n"), (Lines{u"first", u"<too long>"}));
    EXPECT_EQ(ReadAll(longest + "x"), Lines{u"<too long>"});
    // Wide: 1022 units plus CR and the mark: 2048 bytes before the line feed on the first line.
    const std::u16string units(1022, u'w');
    EXPECT_EQ(ReadAll(WideFile(units + u"\n")), Lines{u"<too long>"});
    EXPECT_EQ(ReadAll(WideFile(u"x\n" + units + u"\n")), (Lines{u"x\r", units + u"\r"}));
    EXPECT_EQ(ReadAll(WideFile(u"x\n" + units + u"w\n")), (Lines{u"x\r", u"<too long>"}));
}

// A lone final byte is no character; a file marked FE FF is big-endian.
TEST(LineReader, WideFilesKeepCrAndSplitOnlyAtTheUnitLineFeed) {
    // U+010A has the byte 0A in it and must not end the line.
    EXPECT_EQ(ReadAll(WideFile(u"AB\n\u010A\u0A0A:x\nlast")),
              (Lines{u"AB\r", u"\u010A\u0A0A:x\r", u"last"}));
    EXPECT_EQ(ReadAll(WideFile(u"a\n") + "x"), Lines{u"a\r"});
    EXPECT_EQ(ReadAll("\xFF\xFEx"), Lines{u""});
    std::string bytes = WideFile(u"Ab\u0100\nz");
    for (size_t i = 0; i < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);  // the mark too, to FE FF
    EXPECT_EQ(ReadAll(bytes), (Lines{u"Ab\u0100\r", u"z"}));
}

TEST(TextFields, TakeFieldAndCutterFollowTheColonRules) {
    EXPECT_EQ(TakeField(u"no colon", u':'), u"no colon");
    EXPECT_EQ(TakeField(u"a:b:c", u':'), u"a");
    EXPECT_EQ(TakeField(u":a", u':'), u"");
    FieldCutter cutter(u"a::c:", u':');
    std::u16string_view field;
    std::vector<std::u16string_view> fields;
    while (cutter.Next(field))
        fields.push_back(field);
    EXPECT_EQ(fields, (std::vector<std::u16string_view>{u"a", u"", u"c", u""}));
    FieldCutter rest(u"1:2:rest:with:colons", u':');
    rest.Next(field);
    rest.Next(field);
    EXPECT_EQ(rest.Rest(), u"rest:with:colons");
}

TEST(TextConverter, EncodeMarksWhatDoesNotSurviveTheRoundTripAndFilesAreBuiltInBothModes) {
    const SystemTextConverter converter(1252);
    EXPECT_EQ(converter.Encode(u"café€"), "caf\xE9\x80");
    EXPECT_EQ(converter.Encode(u"Ā"), "utf8:\xC4\x80");
    EXPECT_EQ(converter.Encode(u"?"), "?");
    EXPECT_FALSE(TextConverter::IsMarked(SystemTextConverter(932).Encode(u"日本")));
    const auto line = [](std::u16string text) {
        return [text](TextFileBuilder& file) {
            file.Text(text);
            file.LineEnd();
        };
    };
    EXPECT_EQ(BuildTextFile(false, converter, line(u"é:")), "\xE9:\n");
    EXPECT_EQ(BuildTextFile(true, converter, line(u"Ā")),
              std::string("\xFF\xFE\x00\x01\r\0\n\0", 8));
    // Narrow bytes that would begin like a UTF-16 mark are not written narrow.
    EXPECT_EQ(BuildTextFile(false, converter, line(u"\u00FFx")), "\xFFx\n");
    EXPECT_EQ(BuildTextFile(false, converter, line(u"\u00FF\u00FEx")),
              WideFile(u"\u00FF\u00FEx\n"));
    EXPECT_EQ(BuildTextFile(false, converter, line(u"\u00FE\u00FF")), WideFile(u"\u00FE\u00FF\n"));
}

TEST(ReadLeadingField, ReadsTheHeaderOfTheFirstLine) {
    TempDir dir;
    WriteBytes(dir.File("empty.cat"), "");
    WriteBytes(dir.File("narrow.cat"), "Head\xE9r:Letter\r\nLetter:1:75:white:plain\n");
    WriteBytes(dir.File("one.cat"), "OnlyHeader\r");  // hand-edited, no line feed
    WriteBytes(dir.File("wide.cat"), WideFile(u"Ζ header:Letter\n"));
    // The field read, or "failed", and the error.
    const auto read = [&](const std::string& name) {
        std::u16string field;
        int error = -1;
        const bool found = ReadLeadingField(name.empty() ? u"" : dir.Wide(name), field, error);
        return (found ? Utf16ToUtf8(field) : "failed") + " " + std::to_string(error);
    };
    EXPECT_EQ(read(""), "failed 5");
    EXPECT_EQ(read("missing.cat"), "failed 6");
    EXPECT_EQ(read("empty.cat"), "failed 7");
    EXPECT_EQ(read("NARROW.CAT"), "Headér 0");
    EXPECT_EQ(read("one.cat"), "OnlyHeader 0");
    EXPECT_EQ(read("wide.cat"), "Ζ header 0");
}

}  // namespace
}  // namespace sheetwise
