#include <gtest/gtest.h>

#include "app/StringProvider.h"
#include "app/StringResourcesReader.h"

namespace sheetwise {
namespace {

TEST(StringResourcesReaderTest, ReadsTableTextsAndNamedResourcesThatTheProviderFinds) {
    const auto resources = ReadStringResources(R"({
        "language": 1033,
        "strings": [[17228, "Save?\tnow\n"], [7009, "Add"]],
        "named": [{"type": "MSG#", "name": "+-7866", "text": "Help is not there."}]
    })");
    ASSERT_TRUE(resources);
    const StringProvider provider(std::make_shared<StringResources>(*resources));
    std::u16string text;
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 17228, text));
    EXPECT_EQ(text, u"Save?\tnow\n");
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 57670, text));
    EXPECT_EQ(text, u"Help is not there.");
    EXPECT_FALSE(provider.GetString(kLabelPrefix, 57670, text));
}

TEST(StringResourcesReaderTest, RejectsMalformedData) {
    const char* const broken[] = {
        R"({"strings": [[7009, "Add"], [7009, "Again"]]})",  // an id twice
        R"({"strings": [[70000, "Add"]]})",                  // beyond 16 bits
        R"({"strings": [[7009.5, "Add"]]})",
        R"({"strings": [[7009, 42]]})",
        R"({"strings": [[7009]]})",
        R"({"string": []})",  // misspelt member
        R"({"strings": [], "named": [{"type": "MSG#", "name": "+1"}]})",
        R"([1, 2])",
        R"({"strings": [)",
    };
    for (const char* data : broken) {
        QString error;
        EXPECT_FALSE(ReadStringResources(data, &error)) << data;
        EXPECT_FALSE(error.isEmpty()) << data;
    }
}

}  // namespace
}  // namespace sheetwise
