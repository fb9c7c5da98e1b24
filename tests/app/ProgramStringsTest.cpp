#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/ProgramStrings.h"
#include "app/StringProvider.h"

namespace sheetwise {
namespace {

// The texts whose exact form is easiest to lose: tabs, line breaks, trailing blanks, quotes,
// placeholders and the file-dialog filters.
TEST(ProgramStringsTest, KeepsTabsLineBreaksBlanksAndQuotesExactly) {
    const std::pair<std::uint16_t, std::u16string> texts[] = {
        {7002, u"Paper Catalog Files (*.cat)|*.cat|All Files (*.*)|*.*|"},
        {7016, u"Paper Catalog Import Files (*.ini)|*.ini|All Files (*.*)|*.*|"},
        {7006, u"Save Paper Catalog As\tCtrl+A"},
        {10109, u"Sheetwise "},
        {17001, u"The following error occurred: %d"},
        {17270,
         u"Only 1 file can be saved at the Print Server.\n\nClick the File Handling tab "
         u"and remove all but one file from the \"Files to Print\" list."},
    };
    const StringProvider provider(ProgramStrings());
    for (const auto& [id, expected] : texts) {
        std::u16string text = u"<missing>";
        provider.GetString(kMessagePrefix, id, text);
        EXPECT_EQ(text, expected) << id;
    }
}

}  // namespace
}  // namespace sheetwise
