#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace sheetwise {
namespace {

TEST(CodePage, LocaleChoosesWindowsCodePagesUnlessTheEnvironmentOverridesIt) {
    EXPECT_EQ(AnsiCodePageForLocale("C"), 1252);
    EXPECT_EQ(OemCodePageForLocale("C"), 437);
    EXPECT_EQ(AnsiCodePageForLocale("en_US.UTF-8"), 1252);
    EXPECT_EQ(OemCodePageForLocale("en_US.UTF-8"), 437);
    EXPECT_EQ(OemCodePageForLocale("de_DE.UTF-8@euro"), 850);
    EXPECT_EQ(AnsiCodePageForLocale("pl_PL.UTF-8"), 1250);
    EXPECT_EQ(AnsiCodePageForLocale("ru_RU"), 1251);
    EXPECT_EQ(OemCodePageForLocale("ru_RU"), 866);
    EXPECT_EQ(AnsiCodePageForLocale("zh_TW.UTF-8"), 950);
    setenv("SHEETWISE_ANSI_CODEPAGE", "1251", 1);
    setenv("SHEETWISE_OEM_CODEPAGE", "866", 1);
    EXPECT_EQ(AnsiCodePage(), 1251);
    EXPECT_EQ(OemCodePage(), 866);
    setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
    unsetenv("SHEETWISE_OEM_CODEPAGE");
    EXPECT_EQ(AnsiCodePage(), 1252);
}

TEST(CodePage, PagesMapBothWaysAndReplaceWhatTheyCannotHoldAsUtf8DoesBrokenInput) {
    const auto page = CodePage::Get(1252);
    EXPECT_EQ(page->Decode("caf\xE9 \x80"), u"café €");
    // The bytes 1252 leaves undefined still round-trip, as they do on Windows.
    EXPECT_EQ(page->Decode("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(page->Encode(page->Decode(one)), one) << byte;
    }
    EXPECT_EQ(page->Encode(u"a\u0100b\U0001F600c"), "a?b?c");
    EXPECT_EQ(CodePage::Get(1251)->Decode("\xCF\xF0\xE8"), u"При");
    EXPECT_EQ(CodePage::Get(1251)->Encode(u"Приé"), "\xCF\xF0\xE8?");
    const auto japanese = CodePage::Get(932);
    EXPECT_EQ(japanese->Decode("\x93\xfa\x96\x7b"), u"日本");
    EXPECT_EQ(japanese->Decode("a\x93"), u"a\uFFFD");  // truncated double-byte character
    EXPECT_EQ(japanese->Encode(u"日\u0100"), "\x93\xfa?");

    // UTF-8 conversions replace broken input.
    EXPECT_EQ(Utf16ToUtf8(u"é€\U0001F600"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"é€\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b\xC3"),
              u"a\uFFFDb\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form
}

}  // namespace
}  // namespace sheetwise
