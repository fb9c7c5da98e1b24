#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "platform/CodePage.h"
#include "ui/resources/ProgramStrings.h"
#include "ui/resources/StringProvider.h"

namespace sheetwise {
namespace {

std::shared_ptr<StringResources> ModuleWith(
    std::initializer_list<std::pair<std::uint16_t, std::u16string>> texts) {
    auto module = std::make_shared<StringResources>();
    for (const auto& [id, text] : texts)
        module->SetString(id, text);
    return module;
}

// The text a lookup gives; a failed lookup must leave the caller's text "old" as it was.
std::u16string Lookup(const StringProvider& provider, std::uint16_t id,
                      std::u16string_view prefix = kLabelPrefix) {
    std::u16string text = u"old";
    return provider.GetString(prefix, id, text) ? text : u"failed, " + text;
}

// Ids 16..31 form block 2: a missing id inside an existing block is an empty text, an id whose
// block does not exist fails.
TEST(StringProviderTest, BlocksOfSixteenIdsDecideBetweenEmptyTextAndFailure) {
    auto module = ModuleWith({{17, u"x"}, {31, u"y"}, {40, u"z"}});
    const StringProvider provider(module);
    EXPECT_EQ(Lookup(provider, 16), u"");
    EXPECT_EQ(Lookup(provider, 31), u"y");
    EXPECT_EQ(Lookup(provider, 32), u"");
    EXPECT_EQ(Lookup(provider, 15), u"failed, old");
    EXPECT_EQ(Lookup(provider, 48), u"failed, old");
    module->RemoveString(17);  // 31 keeps the block
    EXPECT_EQ(Lookup(provider, 17), u"");
    module->RemoveString(31);
    module->RemoveBlockOf(47);
    EXPECT_EQ(Lookup(provider, 17), u"failed, old");
    EXPECT_EQ(Lookup(provider, 40), u"failed, old");
}

// A table text answers under both prefixes, also before Init; without a block, the named resource
// "+id" answers under its own prefix only.
TEST(StringProviderTest, TableTextsAnswerBothPrefixesAndNamedOnesTheirOwn) {
    auto module = ModuleWith({{17281, u"table"}});
    module->SetNamed(u"MSG#", u"+-7866", std::u16string(u"Help failed.\0junk", 17));
    module->SetNamed(u"LAB#", u"+17256", u"Label");
    module->SetNamed(u"MSG#", u"+17280", u"hidden by the block of 17281");
    StringProvider provider(module);
    EXPECT_EQ(provider.State(), -1);
    EXPECT_EQ(Lookup(provider, 17281), u"table");
    EXPECT_EQ(Lookup(provider, 17281, kMessagePrefix), u"table");
    EXPECT_TRUE(provider.Init(u"English"));
    EXPECT_EQ(provider.State(), 0);
    EXPECT_EQ(Lookup(provider, 57670, kMessagePrefix), u"Help failed.");
    EXPECT_EQ(Lookup(provider, 17256), u"Label");
    EXPECT_EQ(Lookup(provider, 17280, kMessagePrefix), u"");
    EXPECT_EQ(Lookup(provider, 57670), u"failed, old");
    EXPECT_EQ(Lookup(provider, 17256, kMessagePrefix), u"failed, old");
}

// The buffer copies, as "result|text|size reported"; the buffer is filled with 'z' before each
// copy, and a text of "-" means that nothing was written.
class BufferCopyTest : public ::testing::Test {
  protected:
    std::string Copy(std::uint16_t id, std::size_t size, unsigned flags = 0,
                     std::size_t room = 32) {
        buffer_.fill(u'z');
        const auto span = std::span(buffer_).first(room);
        const bool found = provider_.GetText(kLabelPrefix, id, 0, span, size, flags);
        return Outcome(found, size);
    }

    std::string Fallback(std::uint16_t id, std::size_t size, unsigned flags = 0) {
        buffer_.fill(u'z');
        const bool found = provider_.GetTextWithFallback(kLabelPrefix, id, buffer_, size, flags);
        return Outcome(found, size);
    }

    std::string Outcome(bool found, std::size_t size) const {
        const bool untouched =
            std::all_of(buffer_.begin(), buffer_.end(), [](char16_t unit) { return unit == u'z'; });
        return std::to_string(found) + "|" + (untouched ? "-" : Utf16ToUtf8(buffer_.data())) + "|" +
               std::to_string(size);
    }

    StringProvider provider_{ModuleWith({{1, u"&Open: a.b."}, {2, u"Modify"}, {4, u""}})};
    std::array<char16_t, 32> buffer_{};
};

TEST_F(BufferCopyTest, CopiesCutsAndRemovesTheFlaggedCharactersOrFallsBackToTheId) {
    EXPECT_EQ(Copy(2, 32), "1|Modify|7");
    EXPECT_EQ(Copy(4, 32), "1||1");
    EXPECT_EQ(Copy(3, 32), "1||1");  // no text in an existing block
    EXPECT_EQ(Copy(2, 4), "1|Mod|4");
    EXPECT_EQ(Copy(2, 100, 0, 3), "1|Mo|3");  // the span, not the size, is the room
    EXPECT_EQ(buffer_[3], u'z');
    EXPECT_EQ(Copy(2, 0), "1|-|0");
    EXPECT_EQ(Copy(100, 32), "0|-|32");
    EXPECT_EQ(Copy(1, 32, 1), "1|&Open: a.b.|12");
    EXPECT_EQ(Copy(1, 32, kRemoveAmpersands), "1|Open: a.b.|11");
    EXPECT_EQ(Copy(1, 32, kRemoveColons), "1|&Open a.b.|11");
    EXPECT_EQ(Copy(1, 32, kRemovePeriods), "1|&Open: ab|10");
    EXPECT_EQ(Copy(1, 32, kRemoveAmpersands | kRemoveColons | kRemovePeriods), "1|Open ab|8");

    // Before Init the text is not even looked up. A negative id as a 16-bit number has no digits.
    EXPECT_EQ(Fallback(2, 32), "0|2|32");
    provider_.Init(u"English");
    EXPECT_EQ(Fallback(1, 32, kRemoveColons), "1|&Open a.b.|11");
    EXPECT_EQ(Fallback(17228, 32), "0|17228|32");
    EXPECT_EQ(Fallback(17228, 3), "0|17|3");
    EXPECT_EQ(Fallback(57670, 32), "0||32");
}

// The conversions use the ANSI code page that the environment chooses, and report a cut text.
TEST(StringProviderTest, ConversionsUseTheAnsiCodePageAndReportCutTexts) {
    const StringProvider provider(ProgramStrings());
    std::array<char16_t, 16> wide{};
    std::array<char, 16> narrow{};
    setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
    EXPECT_TRUE(provider.ToWide("caf\xE9 \x80", wide));
    EXPECT_EQ(std::u16string(wide.data()), u"caf\u00E9 \u20AC");
    EXPECT_FALSE(provider.ToWide("caf\xE9", std::span(wide).first(4)));
    EXPECT_EQ(std::u16string(wide.data()), u"caf");
    EXPECT_TRUE(provider.ToNarrow(u"\u20AC \u2603", narrow));
    EXPECT_EQ(std::string(narrow.data()), "\x80 ?");
    setenv("SHEETWISE_ANSI_CODEPAGE", "1251", 1);
    EXPECT_TRUE(provider.ToWide("\xC0", wide));
    EXPECT_EQ(std::u16string(wide.data()), u"\u0410");
    unsetenv("SHEETWISE_ANSI_CODEPAGE");
}

}  // namespace
}  // namespace sheetwise
