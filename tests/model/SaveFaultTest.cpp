// Saving while the disk fails: the previous files stay whole, the failure is reported, and nothing
// is left behind.
#include <gtest/gtest.h>

#include "model/CatalogFixture.h"
#include "model/CatalogSet.h"
#include "platform/AtomicFile.h"

namespace sheetwise {
namespace {

using file_faults::Step;
using testing::CatalogTest;
using testing::ListFolder;
using testing::ReadBytes;

// Each step of the replacement fails in the file layer's own tests; here, that a catalog save
// says so with its status and leaves the previous file whole.
TEST_F(CatalogTest, CatalogSaveFailingKeepsThePreviousFile) {
    PaperCatalog catalog = Load(std::string("H:Letter\n") + testing::kPapers);
    const std::string before = ReadBytes(dir.File("test.cat"));
    ASSERT_TRUE(catalog.ModifyPaper(u"Letter", 1, u"blue", 90, u"cover", 1, 1));
    for (Step step : {Step::kWrite, Step::kRename}) {
        file_faults::FailAt(step, 1);
        EXPECT_FALSE(catalog.Save(dir.Wide("test.cat")));
        file_faults::Clear();
        EXPECT_EQ(catalog.status(), kStatusWriteError);
        EXPECT_EQ(ReadBytes(dir.File("test.cat")), before);
        EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock test.DEF test.cat test.cat.atr ");
    }
    // A file that cannot be replaced, and no file at all, are "cannot open".
    chmod(dir.File("test.cat").c_str(), 0444);
    EXPECT_FALSE(catalog.Save(dir.Wide("test.cat")));
    EXPECT_EQ(catalog.status(), kStatusCatalogCannotOpen);
    EXPECT_FALSE(catalog.Save(u""));
    EXPECT_EQ(catalog.status(), kStatusCatalogCannotOpen);
    EXPECT_EQ(ReadBytes(dir.File("test.cat")), before);
}

// A read-only attribute file, or a failure at any step before the files take their names, leaves
// both files as they were: never a new catalog beside an old attribute file.
TEST_F(CatalogTest, ACatalogSetIsSavedWholeOrNotAtAll) {
    PaperCatalog catalog = Load("H:A\nA:1:75:white:plain\n");
    ASSERT_TRUE(catalog.AddPaper(u"B", 1, u"mauve", 90, u"plain", 1, 0));
    catalog.AddAttributeValue(kColours, u"mauve");
    const std::string papers = ReadBytes(dir.File("test.cat"));
    const std::string attributes = ReadBytes(dir.File("test.cat.atr"));
    const auto expectUntouched = [&](const char* what) {
        EXPECT_EQ(ReadBytes(dir.File("test.cat")), papers) << what;
        EXPECT_EQ(ReadBytes(dir.File("test.cat.atr")), attributes) << what;
        EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock test.DEF test.cat test.cat.atr ")
            << what;
    };
    chmod(dir.File("test.cat.atr").c_str(), 0444);
    EXPECT_EQ(SaveCatalogSet(catalog, dir.Wide("test.cat")), CatalogSetResult::kAttributesNotSaved);
    EXPECT_EQ(catalog.status(), kStatusCannotOpen);
    expectUntouched("read-only attribute file");
    chmod(dir.File("test.cat.atr").c_str(), 0644);
    for (Step step : {Step::kWrite, Step::kSync, Step::kClose}) {
        for (int n : {1, 2}) {
            file_faults::FailAt(step, n);
            const CatalogSetResult result = SaveCatalogSet(catalog, dir.Wide("test.cat"));
            file_faults::Clear();
            EXPECT_EQ(result, n == 1 ? CatalogSetResult::kCatalogNotSaved
                                     : CatalogSetResult::kAttributesNotSaved);
            EXPECT_EQ(catalog.status(), kStatusWriteError);
            expectUntouched("failing step");
        }
    }
    // A catalog name the folder holds, but not with ".atr" after it.
    EXPECT_EQ(SaveCatalogSet(catalog, dir.Wide(std::string(248, 'K') + ".cat")),
              CatalogSetResult::kAttributesNotSaved);
    expectUntouched("attribute file name too long");
    EXPECT_EQ(SaveCatalogSet(catalog, u""), CatalogSetResult::kCatalogNotSaved);
    EXPECT_EQ(catalog.status(), kStatusCatalogCannotOpen);
    ASSERT_EQ(SaveCatalogSet(catalog, dir.Wide("test.cat")), CatalogSetResult::kSaved);
    const PaperCatalog saved = LoadExisting("test.cat");
    EXPECT_EQ(saved.status(), kStatusOk);
    EXPECT_EQ(saved.GetColour(1), u"mauve");
    EXPECT_EQ(saved.GetAttributeList(kColours).back(), u"mauve");
}

}  // namespace
}  // namespace sheetwise
