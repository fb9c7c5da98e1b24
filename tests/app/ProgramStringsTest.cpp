#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/ProgramStrings.h"
#include "app/StringProvider.h"

namespace sheetwise {
namespace {

std::u16string Text(std::uint16_t id) {
    const StringProvider provider(ProgramStrings());
    std::u16string text = u"<missing>";
    provider.GetString(kMessagePrefix, id, text);
    return text;
}

// The texts whose exact form is easiest to lose: tabs, line breaks, trailing blanks, quotes,
// placeholders and the file-dialog filters.
TEST(ProgramStringsTest, KeepsTabsLineBreaksBlanksAndQuotesExactly) {
    const std::pair<std::uint16_t, std::u16string> texts[] = {
        {7002, u"Paper Catalog Files (*.cat)|*.cat|All Files (*.*)|*.*|"},
        {7016, u"Paper Catalog Import Files (*.ini)|*.ini|All Files (*.*)|*.*|"},
        {7006, u"Save Paper Catalog As\tCtrl+A"},
        {7017, u"Help Topics...\tF1"},
        {10109, u"Sheetwise "},
        {13138, u"Catalog Language: "},
        {17001, u"The following error occurred: %d"},
        {17005, u"Unable to find user interface control item. "},
        {17232,
         u"Unable to restore the initial values.\n\nSome previous values have not been updated."},
        {17257,
         u"%d1 papers were merged. %d2 papers could not be merged and those papers have "
         u"been added to the Sheetwise Log File."},
        {17270,
         u"Only 1 file can be saved at the Print Server.\n\nClick the File Handling tab "
         u"and remove all but one file from the \"Files to Print\" list."},
        {17023, u"Unable get selected item."},
        {57673, u"Settings are Read-Only. Any changes will not be saved."},
    };
    for (const auto& [id, expected] : texts) {
        EXPECT_EQ(Text(id), expected) << id;
    }
}

TEST(ProgramStringsTest, HoldsEveryIdOfTheTableAndAnOwnersNotice) {
    const std::vector<std::uint16_t> ids = ProgramStrings()->StringIds();
    ASSERT_EQ(ids.size(), 113u);
    EXPECT_EQ(ids.front(), 7002);
    EXPECT_EQ(ids.back(), 57673);
    for (std::uint16_t id : ids) {
        EXPECT_NE(Text(id), u"") << id;
    }
    EXPECT_NE(Text(30013).find(u"Korvane"), std::u16string::npos);
}

}  // namespace
}  // namespace sheetwise
