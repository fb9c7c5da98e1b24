#include "platform/ProfileReader.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::CodePageScope;
using testing::TempDir;
using testing::WriteBytes;

// UTF-16 bytes of an ASCII/Latin text with or without the byte-order mark's big-endian order.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
    return bytes;
}

class ProfileReaderTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }

    ProfileReader Read(const std::string& name, const std::string& bytes) {
        WriteBytes(dir.File(name), bytes);
        return ProfileReader::FromFile(dir.Wide(name));
    }

    TempDir dir;
};

TEST_F(ProfileReaderTest, DecodesAnsiUtf16AndUtf8Files) {
    const std::u16string expected = u"Caf\u00e9 \u20ac";
    EXPECT_EQ(Read("ansi.ini", "[S]\r\nk=Caf\xE9 \x80\r\n").GetString(u"S", u"k"), expected);
    EXPECT_EQ(
        Read("le.ini", Utf16Bytes(u"[S]\r\nk=Caf\u00e9 \u20ac\r\n", false)).GetString(u"S", u"k"),
        expected);
    EXPECT_EQ(
        Read("be.ini", Utf16Bytes(u"[S]\r\nk=Caf\u00e9 \u20ac\r\n", true)).GetString(u"S", u"k"),
        expected);
    EXPECT_EQ(
        Read("utf8.ini", "\xEF\xBB\xBF[S]\nk=Caf\xC3\xA9 \xE2\x82\xAC\n").GetString(u"S", u"k"),
        expected);
    // Without a mark the bytes are the ANSI code page's, whichever it is.
    CodePageScope cyrillic("1251");
    EXPECT_EQ(Read("1251.ini", "[S]\nk=\xC0\xE1\n").GetString(u"S", u"k"), u"\u0410\u0431");
}

TEST_F(ProfileReaderTest, MatchesNamesIgnoringCaseAndBlanks) {
    const ProfileReader profile =
        ProfileReader::FromBytes("  [ PaperSizes ]  \n\t PaperSize0 \t=\t  A4 210 x 297 mm  \n");
    EXPECT_EQ(profile.GetString(u"PAPERSIZES", u"papersize0"), u"A4 210 x 297 mm");
    EXPECT_EQ(profile.GetString(u"papersizes", u"PaperSize0"), u"A4 210 x 297 mm");
    EXPECT_EQ(profile.GetString(u"PaperSizes", u"PaperSize1"), u"");
    EXPECT_EQ(profile.GetString(u"PaperSize", u"PaperSize0"), u"");
}

TEST_F(ProfileReaderTest, FirstSectionAndFirstKeyWin) {
    const ProfileReader profile = ProfileReader::FromBytes(
        "[A]\nk=first\nK=second\n[B]\nk=other\n[a]\nk=third\nonly=later\n");
    EXPECT_EQ(profile.GetString(u"A", u"k"), u"first");
    EXPECT_EQ(profile.GetString(u"B", u"k"), u"other");
    // The repeated section is not looked at, not even for keys the first one lacks.
    EXPECT_EQ(profile.GetString(u"A", u"only"), u"");
    EXPECT_EQ(profile.SectionCount(), 2u);
}

TEST_F(ProfileReaderTest, RemovesOneMatchingPairOfQuotes) {
    const ProfileReader profile = ProfileReader::FromBytes(
        "[Q]\n"
        "double = \"  two blanks  \"\n"
        "single='it''s'\n"
        "mixed=\"open'\n"
        "lone=\"\n"
        "empty=\"\"\n"
        "inner=a \"b\" c\n"
        "left=\"abc\n");
    EXPECT_EQ(profile.GetString(u"Q", u"double"), u"  two blanks  ");
    EXPECT_EQ(profile.GetString(u"Q", u"single"), u"it''s");
    EXPECT_EQ(profile.GetString(u"Q", u"mixed"), u"\"open'");
    EXPECT_EQ(profile.GetString(u"Q", u"lone"), u"\"");
    EXPECT_EQ(profile.GetString(u"Q", u"empty"), u"");
    EXPECT_EQ(profile.GetString(u"Q", u"inner"), u"a \"b\" c");
    EXPECT_EQ(profile.GetString(u"Q", u"left"), u"\"abc");
}

TEST_F(ProfileReaderTest, SemicolonsAreDataInValuesAndCommentsAtLineStart) {
    const ProfileReader profile = ProfileReader::FromBytes(
        "; [Hidden]\n"
        "[S]\n"
        ";PaperDef0=commented out\n"
        "   ; key = also a comment\n"
        "PaperDef0=Office;0;white;75;plain;0 ; note\n"
        "no equals sign here\n"
        "PaperDef1\n"
        "PaperDef1=Second\n"
        "=no name\n");
    EXPECT_EQ(profile.GetString(u"S", u"PaperDef0"), u"Office;0;white;75;plain;0 ; note");
    EXPECT_EQ(profile.GetString(u"S", u";PaperDef0"), u"");
    EXPECT_EQ(profile.GetString(u"S", u"; key"), u"");
    // A line without "=" is no key, so it does not hide the real one after it.
    EXPECT_EQ(profile.GetString(u"S", u"PaperDef1"), u"Second");
    EXPECT_EQ(profile.GetString(u"Hidden", u"PaperDef0"), u"");
    EXPECT_EQ(profile.SectionCount(), 1u);
}

TEST_F(ProfileReaderTest, KeysOutsideSectionsAndBrokenHeaders) {
    const ProfileReader profile =
        ProfileReader::FromBytes("k=before any section\n[Open\nk=in open\n[S] trailing\nk=s\n");
    EXPECT_EQ(profile.GetString(u"", u"k"), u"");
    // A header without "]" still starts a section, so its keys do not join the one before.
    EXPECT_EQ(profile.GetString(u"Open", u"k"), u"in open");
    EXPECT_EQ(profile.GetString(u"S", u"k"), u"s");
}

TEST_F(ProfileReaderTest, AcceptsEveryLineEnd) {
    const ProfileReader profile = ProfileReader::FromBytes("[S]\r\na=1\nb=2\rc=3\r\n\r\nd=4");
    EXPECT_EQ(profile.GetString(u"S", u"a"), u"1");
    EXPECT_EQ(profile.GetString(u"S", u"b"), u"2");
    EXPECT_EQ(profile.GetString(u"S", u"c"), u"3");
    EXPECT_EQ(profile.GetString(u"S", u"d"), u"4");
}

TEST_F(ProfileReaderTest, GivesAtMost511Units) {
    const std::string longValue(600, 'x');
    const ProfileReader profile = ProfileReader::FromBytes(
        "[S]\nplain=" + longValue + "\nquoted=\"" + longValue +
        "\"\nexact=" + std::string(511, 'y') + "\nnul=ab" + std::string(1, '\0') + "cd\n");
    EXPECT_EQ(profile.GetString(u"S", u"plain"), std::u16string(511, u'x'));
    EXPECT_EQ(profile.GetString(u"S", u"quoted"), std::u16string(511, u'x'));
    EXPECT_EQ(profile.GetString(u"S", u"exact"), std::u16string(511, u'y'));
    EXPECT_EQ(profile.GetString(u"S", u"nul"), u"ab");
}

TEST_F(ProfileReaderTest, MissingOrUnreadableFilesReadAsEmpty) {
    EXPECT_EQ(ProfileReader::FromFile(dir.Wide("missing.ini")).GetString(u"S", u"k"), u"");
    EXPECT_EQ(ProfileReader::FromFile(Utf8ToUtf16(dir.path())).SectionCount(), 0u);
    EXPECT_EQ(ProfileReader::FromFile(u"").SectionCount(), 0u);
    EXPECT_EQ(ProfileReader().GetString(u"S", u"k"), u"");
}

TEST_F(ProfileReaderTest, FindsFilesByAnyLetterCaseAndNonAnsiFolders) {
    const std::string folder = dir.File("\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0 \xE6\x97\xA5");
    std::filesystem::create_directory(folder);
    WriteBytes(folder + "/Import.INI", "[S]\nk=found\n");
    const std::u16string wide = Utf8ToUtf16(folder) + u"\\import.ini";
    EXPECT_EQ(ProfileReader::FromFile(wide).GetString(u"S", u"k"), u"found");
}

}  // namespace
}  // namespace sheetwise
