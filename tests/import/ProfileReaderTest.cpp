#include "import/ProfileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "platform/CodePage.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

// One profile, lines ending in CR LF, LF or CR, and the lookups that show its rules.
TEST(ProfileReaderTest, DecodesAnsiUtf16AndUtf8BytesAndFollowsTheLookupRules) {
    const ProfileReader profile = ProfileReader::FromBytes(
        "k=before any section\n"
        "  [ Sizes ]  \r\n"
        "\t Size0 \t=\t  A4 210 x 297 mm  \n"
        "SIZE0=second\n"
        ";Size1=commented out\n"
        "Size1\n"
        "Size1=Office;0;white;75;plain;0 ; note\r"
        "double = \"  two blanks  \"\n"
        "single='it''s'\n"
        "mixed=\"open'\n"
        "lone=\"\n"
        "inner=a \"b\" c\n"
        "[sizes]\nSize2=in the repeated section\n"
        "[Open\nk=in open\n"
        "[S] trailing\nk=s\n"
        "long=" +
        std::string(600, 'x') + "\nquoted=\"" + std::string(600, 'y') + "\"\nnul=ab" +
        std::string(1, '\0') + "cd");
    const std::tuple<const char16_t*, const char16_t*, std::u16string> lookups[] = {
        {u"SIZES", u"size0", u"A4 210 x 297 mm"},  // names ignore case; the first key wins
        {u"Sizes", u"Size1", u"Office;0;white;75;plain;0 ; note"},
        {u"Sizes", u";Size1", u""},
        {u"Sizes", u"Size2", u""},  // only the first section of a name is read
        {u"Sizes", u"double", u"  two blanks  "},
        {u"Sizes", u"single", u"it''s"},
        {u"Sizes", u"mixed", u"\"open'"},
        {u"Sizes", u"lone", u"\""},
        {u"Sizes", u"inner", u"a \"b\" c"},
        {u"", u"k", u""},
        {u"Open", u"k", u"in open"},  // a header without "]" still starts a section
        {u"S", u"k", u"s"},
        {u"S", u"long", std::u16string(511, u'x')},
        {u"S", u"quoted", std::u16string(511, u'y')},
        {u"S", u"nul", u"ab"},
    };
    for (const auto& [section, key, expected] : lookups) {
        EXPECT_EQ(profile.GetString(section, key), expected) << Utf16ToUtf8(key);
    }
    EXPECT_EQ(profile.SectionCount(), 3u);
    testing::CodePageScope western("1252");
    const std::string little = testing::WideFile(u"[S]\nk=Caf\u00e9 \u20ac\n");
    std::string big = little;  // every unit's bytes swapped, the mark's too
    for (size_t i = 0; i < big.size(); i += 2)
        std::swap(big[i], big[i + 1]);
    const std::string utf8 = "\xEF\xBB\xBF[S]\nk=Caf\xC3\xA9 \xE2\x82\xAC\n";
    for (const std::string& bytes : {std::string("[S]\r\nk=Caf\xE9 \x80\r\n"), little, big, utf8}) {
        EXPECT_EQ(ProfileReader::FromBytes(bytes).GetString(u"S", u"k"), u"Caf\u00e9 \u20ac");
    }
    // Without a mark the bytes are the ANSI code page's, whichever it is.
    testing::CodePageScope cyrillic("1251");
    EXPECT_EQ(ProfileReader::FromBytes("[S]\nk=\xC0\xE1\n").GetString(u"S", u"k"), u"\u0410\u0431");
}

}  // namespace
}  // namespace sheetwise
