// The editing document's file rules, without a window: what it may write, where, and when it
// must notice another writer.
#include <sys/stat.h>

#include <filesystem>

#include "model/CatalogDocument.h"
#include "model/CatalogFixture.h"
#include "platform/AtomicFile.h"

namespace sheetwise {
namespace {

using namespace testing;

constexpr const char* kCatalog = "Office:A\nA:1:75:white:plain:2:0\nB:2:160:blue:cover:1:1\n";

class CatalogDocumentTest : public testing::CatalogTest {
  protected:
    void SetUp() override {
        CatalogTest::SetUp();
        Load(kCatalog, "default");
        document.SetDefaultPath(dir.Wide("default.cat"));
    }
    std::u16string Write(const std::string& name, const std::string& bytes,
                         const char* sizes = testing::kSizes) {
        Load(bytes, name, sizes);
        return dir.Wide(name + ".cat");
    }

    // A change of the catalog file (two papers exchanged) or of the attribute file (a colour).
    void ChangePapers() {
        CatalogDocument::Edit edit(document, EditAction::kMoveDown, u"A", 0);
        edit.Make(PapersSwapped{0, 1});
        edit.Commit(1);
    }
    void ChangeColours() {
        CatalogDocument::Edit edit(document, EditAction::kAddValues, u"mauve", 0);
        edit.Make(ValueInserted{kColours, 0, u"mauve"});
        edit.Commit(0);
    }

    CatalogDocument document;
};

TEST_F(CatalogDocumentTest, OnlyACatalogReadWholeHasAFileOfItsOwnAndItsSavesNoticeOtherWriters) {
    const std::u16string office = Write("office", kCatalog);
    EXPECT_EQ(document.Load(office), 0);
    EXPECT_FALSE(document.untitled());
    EXPECT_EQ(document.shownPath(), office);
    // "No" to the unsaved-changes question lets the command drop the changes, but only a
    // replaced catalog drops them; the next command asks again.
    ChangePapers();
    document.BeginCommand();
    EXPECT_TRUE(document.MustAskBeforeReplacing());
    document.AcceptDiscard();
    EXPECT_FALSE(document.MustAskBeforeReplacing());
    EXPECT_TRUE(document.CatalogFileUnsaved());
    document.BeginCommand();
    EXPECT_TRUE(document.MustAskBeforeReplacing());

    // A paper line that is dropped: the document holds the rest, untitled and unchanged, so no
    // command asks about it.
    const std::u16string torn = Write("torn", "Torn:A\nA:1:75:white:plain:2:0\nB:1\n");
    EXPECT_GT(document.Load(torn), 0);
    EXPECT_TRUE(document.untitled());
    EXPECT_FALSE(document.MustAskBeforeReplacing());
    EXPECT_EQ(document.shownPath(), torn);

    // Saving notices another writer's changes, but not its own.
    ASSERT_EQ(document.Load(office), 0);
    ChangePapers();
    EXPECT_FALSE(document.ChangedOnDisk(true, true));
    EXPECT_EQ(document.SaveOwnFiles(true, true), CatalogSetResult::kSaved);
    EXPECT_FALSE(document.Unsaved());
    EXPECT_FALSE(document.ChangedOnDisk(true, true));  // its own save

    // Another editor renames its own file into place; another rewrites the attribute file.
    WriteBytes(dir.File("other"), "Office:B\nB:2:160:blue:cover:1:1\n");
    std::filesystem::rename(dir.File("other"), dir.File("office.cat"));
    EXPECT_EQ(document.ChangedOnDisk(true, false), dir.File("office.cat"));
    EXPECT_FALSE(document.ChangedOnDisk(false, true));
    WriteBytes(dir.File("office.cat.atr"), "[PaperColors]\nwhite\n");
    EXPECT_EQ(document.ChangedOnDisk(false, true), dir.File("office.cat.atr"));
    // A catalog not read whole has nothing to compare with (and is never saved in place).
    ASSERT_GT(document.Load(Write("torn", "Torn:A\nB:1\n")), 0);
    std::filesystem::remove(dir.File("torn.cat"));
    EXPECT_FALSE(document.ChangedOnDisk(true, true));
}

TEST_F(CatalogDocumentTest, SaveAsTakesTheCatalogsOwnSizesAndWritesAllOrNothing) {
    const std::string sizes = std::string(testing::kSizes) + "Extra:1:2:3:4:0\n";
    ASSERT_EQ(document.Load(Write("office", kCatalog, sizes.c_str())), 0);
    ChangeColours();
    std::filesystem::create_directories(dir.File("elsewhere"));
    EXPECT_EQ(document.SaveAs(dir.Wide("elsewhere/copy.cat")), SaveAsResult::kSaved);
    EXPECT_EQ(ReadBytes(dir.File("elsewhere/copy.cat")), kCatalog);
    EXPECT_EQ(ReadBytes(dir.File("elsewhere/copy.def")), sizes);
    EXPECT_NE(ReadBytes(dir.File("elsewhere/copy.cat.atr")).find("[PaperColors]\nmauve\n*\n"),
              std::string::npos);
    EXPECT_EQ(document.path(), dir.Wide("elsewhere/copy.cat"));
    EXPECT_FALSE(document.Unsaved());

    // An attribute file that may not be replaced: neither file is written, the changes stay.
    ChangeColours();
    WriteBytes(dir.File("locked.cat.atr"), "[PaperColors]\nonly\n");
    chmod(dir.File("locked.cat.atr").c_str(), 0444);
    EXPECT_EQ(document.SaveAs(dir.Wide("locked.cat")), SaveAsResult::kAttributesNotSaved);
    EXPECT_FALSE(std::filesystem::exists(dir.File("locked.cat")));
    EXPECT_TRUE(document.AttributeFileUnsaved());
    WriteBytes(dir.File("taken.cat"), "keep");
    chmod(dir.File("taken.cat").c_str(), 0444);
    EXPECT_EQ(document.SaveAs(dir.Wide("taken.cat")), SaveAsResult::kCatalogNotSaved);
    EXPECT_EQ(ReadBytes(dir.File("taken.cat")), "keep");
    EXPECT_FALSE(std::filesystem::exists(dir.File("taken.cat.atr")));
    // A rename that fails, of the attribute file's copy or of the set, leaves no file behind.
    for (const int nth : {1, 2}) {
        file_faults::FailAt(file_faults::Step::kRename, nth);
        EXPECT_NE(document.SaveAs(dir.Wide("fresh.cat")), SaveAsResult::kSaved);
        file_faults::Clear();
    }
    EXPECT_EQ(testing::ListFolder(dir.path()).find("fresh"), std::string::npos);
    EXPECT_EQ(document.path(), dir.Wide("elsewhere/copy.cat"));
}

}  // namespace
}  // namespace sheetwise
