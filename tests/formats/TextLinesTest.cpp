#include "formats/TextLines.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::TempDir;
using testing::WideFile;
using testing::WriteBytes;

std::vector<std::u16string> ReadAll(const std::string& bytes,
                                    LineReader::Narrow narrow = LineReader::Narrow::kBytes) {
    const SystemTextConverter converter(1252);
    LineReader reader(bytes, narrow, &converter);
    std::vector<std::u16string> lines;
    std::u16string line;
    LineReader::Result result;
    while ((result = reader.Next(line)) == LineReader::Result::kLine)
        lines.push_back(line);
    if (result == LineReader::Result::kTooLong)
        lines.push_back(u"<too long>");
    return lines;
}

TEST(LineReader, NarrowLinesEndAtLineFeedsAndDecodeTheAnsiPage) {
    using Lines = std::vector<std::u16string>;
    EXPECT_EQ(ReadAll("a:b\r\n\nlast"), (Lines{u"a:b\r", u"", u"last"}));
    EXPECT_EQ(ReadAll("caf\xE9\n", LineReader::Narrow::kDecodeAnsi), Lines{u"café"});
    // One byte beyond ASCII anywhere in a long line takes the whole line through the code page,
    // and the shorter lines after it keep nothing of it.
    const std::string run(40, 'a');
    const std::u16string wideRun(40, u'a');
    EXPECT_EQ(
        ReadAll(run + "\x80" + run + "\xE9\nb\n" + run + "\n", LineReader::Narrow::kDecodeAnsi),
        (Lines{wideRun + u"€" + wideRun + u"é", u"b", wideRun}));
    EXPECT_EQ(ReadAll("\x80\n", LineReader::Narrow::kBytes), Lines{u"\u0080"});
    EXPECT_EQ(ReadAll("cut\0here\n", LineReader::Narrow::kBytes).size(), 1u);
    EXPECT_EQ(ReadAll(std::string("cut\0here\n", 9))[0], u"cut");
    EXPECT_TRUE(ReadAll("").empty());
    // A byte-order mark later in a narrow file is ordinary text.
    EXPECT_EQ(ReadAll("a\n\xFF\xFE\n")[1], u"\u00FF\u00FE");
}

TEST(LineReader, LinesOfMoreThan2047BytesAreAnError) {
    const std::string longest(2047, 'x');
    EXPECT_EQ(ReadAll(longest + "\nnext\n"),
              (std::vector<std::u16string>{std::u16string(2047, u'x'), u"next"}));
    EXPECT_EQ(ReadAll("first\n" + longest + "x\nnever read\n"),
              (std::vector<std::u16string>{u"first", u"<too long>"}));
    EXPECT_EQ(ReadAll(longest + "x").back(), u"<too long>");
}

TEST(LineReader, WideFilesKeepCrAndSplitOnlyAtTheUnitLineFeed) {
    // U+010A has the byte 0A in it and must not end the line.
    const std::string bytes = WideFile(u"AB\n\u010A\u0A0A:x\nlast");
    const std::vector<std::u16string> lines = ReadAll(bytes);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"AB\r");
    EXPECT_EQ(lines[1], u"\u010A\u0A0A:x\r");
    EXPECT_EQ(lines[2], u"last");
}

TEST(LineReader, ALoneFinalByteOfAWideFileIsNoCharacter) {
    using Lines = std::vector<std::u16string>;
    std::string cut = WideFile(u"a\nwhite\n");
    cut.pop_back();
    EXPECT_EQ(ReadAll(cut), (Lines{u"a\r", u"white\r"}));
    EXPECT_EQ(ReadAll(WideFile(u"a\n") + "x"), Lines{u"a\r"});
    EXPECT_EQ(ReadAll("\xFF\xFEx"), Lines{u""});
}

TEST(LineReader, BigEndianFilesAreDecodedAsBigEndian) {
    std::string bytes = "\xFE\xFF";
    for (char16_t unit : std::u16string(u"Ab\u0100\r\nz")) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    EXPECT_EQ(ReadAll(bytes), (std::vector<std::u16string>{u"Ab\u0100\r", u"z"}));
}

TEST(LineReader, WideLineLimitCountsBytesMarkIncluded) {
    // 1022 units plus CR and the mark: 2048 bytes before the line feed on the first line.
    const std::u16string units(1022, u'w');
    EXPECT_EQ(ReadAll(WideFile(units + u"\n")).back(), u"<too long>");
    EXPECT_EQ(ReadAll(WideFile(u"x\n" + units + u"\n")).back(), units + u"\r");
    EXPECT_EQ(ReadAll(WideFile(u"x\n" + units + u"w\n")).back(), u"<too long>");
}

TEST(TextFields, TakeFieldAndCutterFollowTheColonRules) {
    EXPECT_EQ(TakeField(u"no colon", u':'), u"no colon");
    EXPECT_EQ(TakeField(u"a:b:c", u':'), u"a");
    EXPECT_EQ(TakeField(u":a", u':'), u"");
    EXPECT_EQ(TakeField(u"", u':'), u"");
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

TEST(TextConverter, EncodeMarksWhatDoesNotSurviveTheRoundTrip) {
    const SystemTextConverter converter(1252);
    EXPECT_EQ(converter.Encode(u"plain"), "plain");
    EXPECT_EQ(converter.Encode(u"café€"), "caf\xE9\x80");
    EXPECT_EQ(converter.Encode(u"\u0081"), "\x81");
    EXPECT_EQ(converter.Encode(u"Ā"), "utf8:\xC4\x80");
    EXPECT_EQ(converter.Encode(u"?"), "?");
    EXPECT_TRUE(TextConverter::IsMarked(converter.Encode(u"日本")));
    EXPECT_FALSE(TextConverter::IsMarked(SystemTextConverter(932).Encode(u"日本")));
}

TEST(TextFileBuilder, WritesBothModes) {
    const SystemTextConverter converter(1252);
    TextFileBuilder narrow(false, converter);
    narrow.Text(u"é:");
    narrow.LineEnd();
    EXPECT_EQ(narrow.bytes(), "\xE9:\n");
    TextFileBuilder wide(true, converter);
    wide.Text(u"Ā");
    wide.LineEnd();
    EXPECT_EQ(wide.bytes(), std::string("\xFF\xFE\x00\x01\r\0\n\0", 8));
    // Narrow bytes that would begin like a UTF-16 mark are not written narrow.
    const auto line = [](std::u16string text) {
        return [text](TextFileBuilder& file) {
            file.Text(text);
            file.LineEnd();
        };
    };
    EXPECT_EQ(BuildTextFile(false, converter, line(u"\u00FFx")), "\xFFx\n");
    EXPECT_EQ(BuildTextFile(false, converter, line(u"\u00FF\u00FEx")),
              WideFile(u"\u00FF\u00FEx\n"));
    EXPECT_EQ(BuildTextFile(false, converter, line(u"\u00FE\u00FF")), WideFile(u"\u00FE\u00FF\n"));
    EXPECT_EQ(BuildTextFile(true, converter, line(u"x")), WideFile(u"x\n"));
}

TEST(ReadLeadingField, ReadsTheHeaderOfTheFirstLine) {
    TempDir dir;
    std::u16string field;
    int error = -1;
    EXPECT_FALSE(ReadLeadingField(u"", field, error));
    EXPECT_EQ(error, 5);
    EXPECT_FALSE(ReadLeadingField(dir.Wide("missing.cat"), field, error));
    EXPECT_EQ(error, 6);
    WriteBytes(dir.File("empty.cat"), "");
    EXPECT_FALSE(ReadLeadingField(dir.Wide("empty.cat"), field, error));
    EXPECT_EQ(error, 7);

    WriteBytes(dir.File("narrow.cat"), "Head\xE9r:Letter\r\nLetter:1:75:white:plain\n");
    EXPECT_TRUE(ReadLeadingField(dir.Wide("NARROW.CAT"), field, error));
    EXPECT_EQ(error, 0);
    EXPECT_EQ(field, u"Headér");
    WriteBytes(dir.File("one.cat"), "OnlyHeader\r");  // hand-edited, no line feed
    EXPECT_TRUE(ReadLeadingField(dir.Wide("one.cat"), field, error));
    EXPECT_EQ(field, u"OnlyHeader");
    WriteBytes(dir.File("wide.cat"), WideFile(u"Ζ header:Letter\n"));
    EXPECT_TRUE(ReadLeadingField(dir.Wide("wide.cat"), field, error));
    EXPECT_EQ(field, u"Ζ header");
}

}  // namespace
}  // namespace sheetwise
