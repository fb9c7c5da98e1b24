// File > Import and File > Merge Paper Catalog as commands on a session. Import builds a new
// catalog and tells about the values it took otherwise than the file gives them; Merge adds the
// file's papers and values to the catalog held as one step of its history, which one Undo takes
// back whole.
#include <gtest/gtest.h>

#include "formats/AttributeFile.h"
#include "import/CatalogImport.h"
#include "import/CatalogMerge.h"
#include "import/ImportTestSupport.h"
#include "model/MessageIds.h"
#include "support/ScriptedPrompts.h"

namespace sheetwise {
namespace {

using testing::Describe;
using testing::ImportFileWithPapers;
using testing::IniFile;
using testing::IniSection;

// A session holding the base catalog, which is also the default catalog imports start from.
class CatalogCommandTest : public testing::ImportTest {
  protected:
    void SetUp() override {
        LoadBaseCatalog();
        session.SetDefaultCatalog(dir.Wide("base.cat"));
        ASSERT_EQ(session.Load(dir.Wide("base.cat")), kStatusOk);
        session.ShowPaper(1);
    }

    std::string SaveBytes() const {
        const PaperCatalog& catalog = session.catalog();
        return catalog.FileBytes() + AttributeFileBytes(catalog.GetAttributeList(kWeights),
                                                        catalog.GetAttributeList(kTypes),
                                                        catalog.GetAttributeList(kColours));
    }

    bool Merge(const std::string& bytes) {
        prompts.files = {WriteImport(bytes)};
        return MergeCatalogFile(session, prompts);
    }

    std::u16string Names() const {
        std::u16string names;
        for (const PaperDefinition& paper : session.catalog().papers())
            names += paper.name + u" ";
        return names;
    }

    EditingSession session;
    testing::ScriptedPrompts prompts;
};

TEST_F(CatalogCommandTest, AnImportNamesEachValueItChangedAndEachPaperItNumbered) {
    prompts.files = {WriteImport(ImportFileWithPapers({
        "Plain;0;white;75;plain;0",
        "A:B;0;white;75;plain;0",         // the colon becomes "_"
        "A_B;0;white;75;plain;0",         // ... and so this name is taken: A_B1
        "Glossy;0;dark:blue;75;plain;0",  // a colon in a value
    }))};
    ASSERT_TRUE(ImportCatalogFile(session, prompts));
    EXPECT_EQ(Names(), u"Plain A_B A_B1 Glossy ");
    EXPECT_TRUE(session.document().untitled());
    EXPECT_TRUE(session.document().Unsaved());
    ASSERT_EQ(prompts.TakeMessages(),
              (std::vector<int>{message::kColonsReplaced, message::kNamesNumbered}));
    // The import is unsaved work without a file: Yes to the question of the next import goes
    // to Save As, which cancelled stops that import.
    prompts.answers = {Answer::kYes};
    EXPECT_FALSE(ImportCatalogFile(session, prompts));
    EXPECT_EQ(prompts.choices.back(), FileChoice::kSaveCatalogAs);
    EXPECT_EQ(Names(), u"Plain A_B A_B1 Glossy ");
    // A second import of the same file, to look at what the notices say.
    prompts.files = {dir.Wide("import.ini")};
    prompts.answers = {Answer::kNo};
    ASSERT_TRUE(ImportCatalogFile(session, prompts));
    EXPECT_EQ(prompts.questions.size(), 2u);
    ASSERT_EQ(prompts.notices.size(), 2u);
    EXPECT_EQ(prompts.notices[0].details,
              "PaperDef1: A:B became A_B\nPaperDef3: Glossy (a colon in one of its values)");
    EXPECT_EQ(prompts.notices[1].details, "PaperDef2: A_B became A_B1");
    // Saved under a name, it lets the session end.
    prompts.answers = {Answer::kYes};
    prompts.files = {dir.Wide("imported.cat")};
    EXPECT_TRUE(session.Exit(prompts));
    EXPECT_EQ(testing::ReadBytes(dir.File("imported.cat")), session.catalog().FileBytes());
}

// An import file that fails, or whose papers the catalog refuses, opens the default catalog.
TEST_F(CatalogCommandTest, AFailedImportOpensTheDefaultCatalog) {
    const std::pair<std::string, std::vector<int>> cases[] = {
        {IniFile({"[PaperSizes]", "PaperSize0=A4"}), {message::kDefaultOpenedInstead}},
        {ImportFileWithPapers({"Caf#;0;white;75;plain;0"}),
         {message::kImportFailed, message::kDefaultOpenedInstead}}};
    for (const auto& [file, told] : cases) {
        prompts.files = {WriteImport(file)};
        EXPECT_FALSE(ImportCatalogFile(session, prompts));
        EXPECT_EQ(prompts.TakeMessages(), told);
        EXPECT_TRUE(session.document().untitled());
        EXPECT_EQ(session.document().shownPath(), dir.Wide("base.cat"));
        EXPECT_EQ(Names(), u"Letter A4_Cover Odd ");
        EXPECT_FALSE(session.document().Unsaved());
    }
}

// Letter is in the catalog already; "Bad" has a space-free name but a colour with a blank,
// which the catalog refuses; the weight 300 is out of range.
std::string MergedFile() {
    return IniSection("PaperSizes", "PaperSize", {"Letter 8.5 x 11 in", "A4 210.0 x 297.0 mm"}) +
           IniSection("PaperColors", "PaperColor", {"white", "mauve"}) +
           IniSection("PaperWeights", "PaperWeight", {"75 gsm", "300"}) +
           IniSection("PaperTypes", "PaperType", {"plain"}) +
           IniFile({"[PaperForced]", "PaperForce0=*"}) +
           IniSection("PaperDefs", "PaperDef",
                      {"Office;0;white;75;plain;0", "Letter;1;blue;160;cover;0",
                       "Draft A4;1;<<;*;plain;1", "Bad;0;dark blue;75;plain;0"});
}

TEST_F(CatalogCommandTest, TheFilesPapersAndValuesJoinAsOneStepThatUndoTakesBackWhole) {
    const std::string before = SaveBytes();
    ASSERT_TRUE(Merge(MergedFile()));
    // Appended in file order with sizes matched by their list text; the default stays Letter.
    EXPECT_EQ(Describe(session.catalog().papers()),
              "Letter;0;white;75;plain;2;0 A4_Cover;2;blue;160;cover;1;1 Odd;0;pink;90;glossy;2;0 "
              "Office;0;white;75;plain;2;0 DraftA4;2;*;0;plain;1;0 ");
    EXPECT_EQ(session.catalog().GetDefaultPaper(), u"Letter");
    EXPECT_EQ(session.catalog().GetAttributeList(kColours).back(), u"mauve");
    EXPECT_EQ(session.selected(), 3);  // the first paper merged
    ASSERT_EQ(prompts.notices.size(), 2u);
    EXPECT_EQ(prompts.notices[0].message, message::kNamesNotMerged);
    EXPECT_EQ(prompts.notices[0].details, "Letter.");
    EXPECT_EQ(prompts.notices[1].message, message::kInvalidPaper);
    EXPECT_EQ(prompts.notices[1].details,
              "PaperDef3: Bad (a character a name, colour or type may not hold)\n"
              "Weight (gsm): 300");
    EXPECT_TRUE(session.document().CatalogFileUnsaved() &&
                session.document().AttributeFileUnsaved());

    const std::string after = SaveBytes();
    EXPECT_EQ(session.document().history().size(), 1u);
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(SaveBytes(), before);
    EXPECT_EQ(session.selected(), 1);
    EXPECT_FALSE(session.document().Unsaved());
    ASSERT_TRUE(session.Redo());
    EXPECT_EQ(SaveBytes(), after);
    EXPECT_EQ(session.document().history().UndoStep()->subject, u"import.ini");

    // Once more: nothing is new, so nothing is added and no step made.
    prompts.notices.clear();
    EXPECT_FALSE(Merge(MergedFile()));
    EXPECT_EQ(SaveBytes(), after);
    EXPECT_EQ(session.document().history().size(), 1u);
    EXPECT_EQ(prompts.notices[0].details, "Office, Letter, DraftA4.");
}

TEST_F(CatalogCommandTest, AFileThatGivesNothingOrNoFileChangesNothing) {
    const std::string before = SaveBytes();
    EXPECT_FALSE(MergeCatalogFile(session, prompts));  // the file choice cancelled
    EXPECT_TRUE(prompts.notices.empty());
    // No paper definition: the merge is refused as a whole.
    EXPECT_FALSE(Merge(IniSection("PaperColors", "PaperColor", {"teal"})));
    EXPECT_EQ(prompts.TakeMessages(), std::vector<int>{message::kMergeFailed});
    EXPECT_EQ(SaveBytes(), before);
    EXPECT_EQ(session.document().history().size(), 0u);
    EXPECT_EQ(session.selected(), 1);
    // No unsaved-changes question: nothing is replaced.
    EXPECT_TRUE(prompts.questions.empty());
}

// Import builds a new catalog: whatever came before, there is nothing to undo after it.
TEST_F(CatalogCommandTest, ImportAsANewCatalogStartsAfreshWhereAMergeIsOneStepMore) {
    ASSERT_TRUE(Merge(MergedFile()));
    prompts.answers = {Answer::kNo};
    prompts.files = {WriteImport(MergedFile())};
    ASSERT_TRUE(ImportCatalogFile(session, prompts));
    EXPECT_EQ(session.document().history().size(), 0u);
    EXPECT_FALSE(session.Undo());
    EXPECT_TRUE(session.document().Unsaved());
    EXPECT_EQ(session.catalog().GetName(0), u"Office");
}

}  // namespace
}  // namespace sheetwise
