#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "TestStrings.h"
#include "app/ProgramStrings.h"
#include "app/StringProvider.h"

namespace sheetwise {
namespace {

using testing_support::CopyOfProgramStrings;

std::shared_ptr<const StringResources> ModuleWith(std::uint16_t id, std::u16string text) {
    auto module = std::make_shared<StringResources>();
    module->SetString(id, std::move(text));
    return module;
}

TEST(StringProviderTest, StateWordIsMinusOneUntilInit) {
    StringProvider provider(ProgramStrings());
    EXPECT_EQ(provider.State(), -1);
    EXPECT_TRUE(provider.Init(u"English"));
    EXPECT_EQ(provider.State(), 0);
}

TEST(StringProviderTest, FindsStringTableTextsUnderBothPrefixesWithoutInit) {
    const StringProvider provider(ProgramStrings());
    std::u16string text = u"old";
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 17228, text));
    EXPECT_EQ(text, u"Do you want to save your changes?");
    text = u"old";
    EXPECT_TRUE(provider.GetString(kLabelPrefix, 17228, text));
    EXPECT_EQ(text, u"Do you want to save your changes?");
}

TEST(StringProviderTest, IdMissingFromAnExistingBlockIsAnEmptyText) {
    const StringProvider provider(ProgramStrings());
    for (std::uint16_t id : {7003, 30012, 17027}) {
        std::u16string text = u"old";
        EXPECT_TRUE(provider.GetString(kLabelPrefix, id, text)) << id;
        EXPECT_EQ(text, u"") << id;
    }
}

TEST(StringProviderTest, IdWithoutBlockOrNamedResourceFailsAndKeepsTheText) {
    const StringProvider provider(ProgramStrings());
    for (std::uint16_t id : {0, 100, 6991, 65535}) {
        std::u16string text = u"old";
        EXPECT_FALSE(provider.GetString(kMessagePrefix, id, text)) << id;
        EXPECT_EQ(text, u"old") << id;
    }
}

TEST(StringProviderTest, BlocksHoldSixteenConsecutiveIds) {
    EXPECT_EQ(StringBlockNumber(0), 1);
    EXPECT_EQ(StringBlockNumber(15), 1);
    EXPECT_EQ(StringBlockNumber(16), 2);
    EXPECT_EQ(StringBlockNumber(17228), 1077);
    EXPECT_EQ(StringBlockNumber(65535), 4096);

    const StringProvider provider(ModuleWith(31, u"x"));
    std::u16string text = u"old";
    EXPECT_TRUE(provider.GetString(kLabelPrefix, 16, text));
    EXPECT_EQ(text, u"");
    EXPECT_TRUE(provider.GetString(kLabelPrefix, 31, text));
    EXPECT_EQ(text, u"x");
    EXPECT_FALSE(provider.GetString(kLabelPrefix, 15, text));
    EXPECT_FALSE(provider.GetString(kLabelPrefix, 32, text));

    const StringProvider top(ModuleWith(65535, u"last"));
    EXPECT_TRUE(top.GetString(kLabelPrefix, 65520, text));
    EXPECT_EQ(text, u"");
    EXPECT_FALSE(top.GetString(kLabelPrefix, 65519, text));
}

TEST(StringProviderTest, SecondaryResourceIsNamedByTheIdAsSigned16BitNumber) {
    EXPECT_EQ(SecondaryResourceName(17256), u"+17256");
    EXPECT_EQ(SecondaryResourceName(57670), u"+-7866");
    EXPECT_EQ(SecondaryResourceName(32768), u"+-32768");
    EXPECT_EQ(SecondaryResourceName(0), u"+0");
}

TEST(StringProviderTest, SecondaryLookupUsesThePrefixAsTypeAndStopsAtTheTerminator) {
    auto module = std::make_shared<StringResources>();
    module->SetNamed(u"MSG#", u"+-7866", std::u16string(u"Help failed.\0junk", 17));
    module->SetNamed(u"LAB#", u"+17256", u"Label");
    const StringProvider provider(module);
    std::u16string text = u"old";
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 57670, text));
    EXPECT_EQ(text, u"Help failed.");
    text = u"old";
    EXPECT_FALSE(provider.GetString(kLabelPrefix, 57670, text));
    EXPECT_EQ(text, u"old");
    EXPECT_TRUE(provider.GetString(kLabelPrefix, 17256, text));
    EXPECT_EQ(text, u"Label");
    EXPECT_FALSE(provider.GetString(kMessagePrefix, 17256, text));
}

TEST(StringProviderTest, AnExistingBlockHidesTheNamedResource) {
    auto module = std::make_shared<StringResources>();
    module->SetString(17257, u"table");
    module->SetNamed(u"MSG#", u"+17256", u"named");
    const StringProvider provider(module);
    std::u16string text = u"old";
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 17256, text));
    EXPECT_EQ(text, u"");
}

TEST(StringProviderTest, TextsRemovedFromACopyFailOnlyOnceTheirBlockIsGone) {
    auto module = CopyOfProgramStrings();
    const StringProvider provider(module);
    std::u16string text = u"old";
    module->RemoveString(13173);
    EXPECT_TRUE(provider.GetString(kLabelPrefix, 13173, text));  // 13174 keeps the block
    EXPECT_EQ(text, u"");
    module->RemoveString(13174);
    text = u"old";
    EXPECT_FALSE(provider.GetString(kLabelPrefix, 13173, text));
    EXPECT_EQ(text, u"old");
    module->RemoveBlockOf(17228);
    EXPECT_FALSE(provider.GetString(kMessagePrefix, 17228, text));

    const StringProvider program(ProgramStrings());
    EXPECT_TRUE(program.GetString(kLabelPrefix, 13173, text));
    EXPECT_EQ(text, u"Weight");
}

// The buffer copies. The buffer starts filled with 'z' so that stray writes show.
class BufferCopyTest : public ::testing::Test {
  protected:
    BufferCopyTest() {
        auto module = std::make_shared<StringResources>();
        module->SetString(1, u"&Open: a.b.");
        module->SetString(2, u"Modify");
        module->SetString(4, u"");
        provider_ = std::make_unique<StringProvider>(module);
        buffer_.fill(u'z');
    }

    std::u16string Buffer() const { return std::u16string(buffer_.data()); }

    std::unique_ptr<StringProvider> provider_;
    std::array<char16_t, 32> buffer_{};
};

TEST_F(BufferCopyTest, CopiesTheTextAndReportsItsLengthWithTerminator) {
    std::size_t size = buffer_.size();
    EXPECT_TRUE(provider_->GetText(kLabelPrefix, 2, 0, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"Modify");
    EXPECT_EQ(size, 7u);
    size = buffer_.size();
    EXPECT_TRUE(provider_->GetText(kLabelPrefix, 4, 0, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"");
    EXPECT_EQ(size, 1u);
    size = buffer_.size();
    EXPECT_TRUE(provider_->GetText(kLabelPrefix, 3, 0, buffer_, size, 0));  // empty slot
    EXPECT_EQ(size, 1u);
}

TEST_F(BufferCopyTest, FlagBitsRemoveAmpersandsColonsAndPeriods) {
    const std::pair<unsigned, std::u16string> cases[] = {
        {0, u"&Open: a.b."},
        {1, u"&Open: a.b."},
        {kRemoveAmpersands, u"Open: a.b."},
        {kRemoveColons, u"&Open a.b."},
        {kRemovePeriods, u"&Open: ab"},
        {kRemoveAmpersands | kRemoveColons | kRemovePeriods, u"Open ab"},
    };
    for (const auto& [flags, expected] : cases) {
        std::size_t size = buffer_.size();
        EXPECT_TRUE(provider_->GetText(kLabelPrefix, 1, 0, buffer_, size, flags));
        EXPECT_EQ(Buffer(), expected) << flags;
        EXPECT_EQ(size, expected.size() + 1) << flags;
    }
}

TEST_F(BufferCopyTest, CutsTheTextToTheSizeAndNeverWritesPastTheBuffer) {
    std::size_t size = 4;
    EXPECT_TRUE(provider_->GetText(kLabelPrefix, 2, 0, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"Mod");
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer_[4], u'z');

    size = 100;  // claims more room than the span has
    EXPECT_TRUE(provider_->GetText(kLabelPrefix, 2, 0, std::span(buffer_).first(3), size, 0));
    EXPECT_EQ(Buffer(), u"Mo");
    EXPECT_EQ(size, 3u);

    buffer_.fill(u'z');
    size = 0;
    EXPECT_TRUE(provider_->GetText(kLabelPrefix, 2, 0, buffer_, size, 0));
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(buffer_[0], u'z');
}

TEST_F(BufferCopyTest, FailedLookupWritesNothingWithoutFallback) {
    std::size_t size = buffer_.size();
    EXPECT_FALSE(provider_->GetText(kLabelPrefix, 100, 0, buffer_, size, 0));
    EXPECT_EQ(buffer_[0], u'z');
    EXPECT_EQ(size, buffer_.size());
}

TEST_F(BufferCopyTest, FallbackWritesTheIdInDecimalUntilInitAndForMissingIds) {
    std::size_t size = buffer_.size();
    EXPECT_FALSE(provider_->GetTextWithFallback(kLabelPrefix, 2, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"2");  // not initialised: the text is not even looked up
    EXPECT_EQ(size, buffer_.size());

    provider_->Init(u"English");
    EXPECT_TRUE(provider_->GetTextWithFallback(kLabelPrefix, 1, buffer_, size, kRemoveColons));
    EXPECT_EQ(Buffer(), u"&Open a.b.");
    EXPECT_EQ(size, 11u);

    size = buffer_.size();
    EXPECT_FALSE(provider_->GetTextWithFallback(kLabelPrefix, 17228, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"17228");
    EXPECT_FALSE(provider_->GetTextWithFallback(kLabelPrefix, 57670, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"");  // negative as a 16-bit number: no digits
    size = 3;
    EXPECT_FALSE(provider_->GetTextWithFallback(kLabelPrefix, 17228, buffer_, size, 0));
    EXPECT_EQ(Buffer(), u"17");
}

// The conversions use the ANSI code page, which the tests choose through the environment.
class CodePageConversionTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }
    void TearDown() override { unsetenv("SHEETWISE_ANSI_CODEPAGE"); }

    StringProvider provider_{ProgramStrings()};
};

TEST_F(CodePageConversionTest, ToWideDecodesTheAnsiCodePage) {
    std::array<char16_t, 16> wide{};
    EXPECT_TRUE(provider_.ToWide("caf\xE9 \x80", wide));
    EXPECT_EQ(std::u16string(wide.data()), u"caf\u00E9 \u20AC");
    EXPECT_FALSE(provider_.ToWide("caf\xE9 \x80", std::span(wide).first(4)));
    EXPECT_EQ(std::u16string(wide.data()), u"caf");

    setenv("SHEETWISE_ANSI_CODEPAGE", "1251", 1);
    EXPECT_TRUE(provider_.ToWide("\xC0", wide));
    EXPECT_EQ(std::u16string(wide.data()), u"\u0410");
}

TEST_F(CodePageConversionTest, ToNarrowEncodesAndReplacesWhatTheCodePageLacks) {
    std::array<char, 16> narrow{};
    EXPECT_TRUE(provider_.ToNarrow(u"\u20AC \u2603 \u00E9", narrow));
    EXPECT_EQ(std::string(narrow.data()), "\x80 ? \xE9");
    EXPECT_FALSE(provider_.ToNarrow(u"abcdef", std::span(narrow).first(3)));
    EXPECT_EQ(std::string(narrow.data()), "ab");
}

}  // namespace
}  // namespace sheetwise
