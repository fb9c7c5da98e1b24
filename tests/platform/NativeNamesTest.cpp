// File names are bytes: whatever bytes a name holds, it reaches the core and comes back as the
// same bytes, so that no name silently becomes another.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/NativePath.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::ListFolder;
using testing::TempDir;
using testing::WriteBytes;

TEST(NativeNames, EveryByteSequenceSurvivesTheTripThroughUtf16) {
    std::mt19937 random(25);
    for (int i = 0; i < 20000; ++i) {
        std::string bytes(random() % 12, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 4 == 0 ? random() % 0x80 : 0x80 + random() % 0x80);
        ASSERT_EQ(NativeFromWide(WideFromNative(bytes)), bytes);
    }
    // UTF-8 becomes its characters; a byte that is no UTF-8 one of U+DC80..U+DCFF, and so is each
    // byte of an encoded surrogate or an overlong form, which UTF-8 does not allow.
    EXPECT_EQ(WideFromNative("a\xC3\xA9\xF0\x9F\x98\x80"), u"a\u00E9\U0001F600");
    EXPECT_EQ(WideFromNative("caf\xE9.cat"), (std::u16string{u'c', u'a', u'f', 0xDCE9} + u".cat"));
    EXPECT_EQ(WideFromNative("\xED\xB2\x80\xC0\xAF"),
              (std::u16string{0xDCED, 0xDCB2, 0xDC80, 0xDCC0, 0xDCAF}));
    // A lone surrogate no name gives is no byte either.
    EXPECT_EQ(NativeFromWide(std::u16string{0xD800, u'x', 0xDC7F}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(NativeNames, AFileWhoseNameIsNoUtf8IsFoundAndWrittenUnderThatName) {
    TempDir dir;
    const std::string existing = dir.File("caf\xE9.CAT");
    WriteBytes(existing, "x");
    EXPECT_EQ(ToNativePath(WideFromNative(dir.File("caf\xE9.cat"))), existing);
    AtomicFile file(ToNativePath(WideFromNative(dir.File("new\xFF\x1B.cat"))));
    ASSERT_TRUE(file.Open());
    file.Write("y");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock caf\xE9.CAT new\xFF\x1B.cat ");
}

}  // namespace
}  // namespace sheetwise
