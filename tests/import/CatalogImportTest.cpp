// File > Import as one command on a session: the catalog it leaves held, and what it tells about
// the values it took otherwise than the file gives them.
#include "import/CatalogImport.h"
#include "import/ImportTestSupport.h"
#include "model/MessageIds.h"
#include "support/ScriptedPrompts.h"

namespace sheetwise {
namespace {

using testing::ImportFileWithPapers;
using testing::ImportTest;

std::u16string Names(const PaperCatalog& catalog) {
    std::u16string names;
    for (const PaperDefinition& paper : catalog.papers())
        names += paper.name + u" ";
    return names;
}

TEST_F(ImportTest, AnImportNamesEachValueItChangedAndEachPaperItNumbered) {
    LoadBaseCatalog();
    EditingSession session;
    session.SetDefaultCatalog(dir.Wide("base.cat"));
    testing::ScriptedPrompts prompts;
    prompts.files = {WriteImport(ImportFileWithPapers({
        "Plain;0;white;75;plain;0",
        "A:B;0;white;75;plain;0",         // the colon becomes "_"
        "A_B;0;white;75;plain;0",         // ... and so this name is taken: A_B1
        "Glossy;0;dark:blue;75;plain;0",  // a colon in a value
    }))};
    ASSERT_TRUE(ImportCatalogFile(session, prompts));
    EXPECT_EQ(Names(session.catalog()), u"Plain A_B A_B1 Glossy ");
    EXPECT_TRUE(session.document().untitled());
    EXPECT_TRUE(session.document().Unsaved());
    ASSERT_EQ(prompts.TakeMessages(),
              (std::vector<int>{message::kColonsReplaced, message::kNamesNumbered}));
    // The import is unsaved work without a file: Yes to the question of the next import goes
    // to Save As, which cancelled stops that import.
    prompts.answers = {Answer::kYes};
    EXPECT_FALSE(ImportCatalogFile(session, prompts));
    EXPECT_EQ(prompts.choices.back(), FileChoice::kSaveCatalogAs);
    EXPECT_EQ(Names(session.catalog()), u"Plain A_B A_B1 Glossy ");
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
TEST_F(ImportTest, AFailedImportOpensTheDefaultCatalog) {
    LoadBaseCatalog();
    EditingSession session;
    session.SetDefaultCatalog(dir.Wide("base.cat"));
    ASSERT_EQ(session.Load(dir.Wide("base.cat")), kStatusOk);
    testing::ScriptedPrompts prompts;
    const std::pair<std::string, std::vector<int>> cases[] = {
        {testing::IniFile({"[PaperSizes]", "PaperSize0=A4"}), {message::kDefaultOpenedInstead}},
        {ImportFileWithPapers({"Caf#;0;white;75;plain;0"}),
         {message::kImportFailed, message::kDefaultOpenedInstead}}};
    for (const auto& [file, told] : cases) {
        prompts.files = {WriteImport(file)};
        EXPECT_FALSE(ImportCatalogFile(session, prompts));
        EXPECT_EQ(prompts.TakeMessages(), told);
        EXPECT_TRUE(session.document().untitled());
        EXPECT_EQ(session.document().shownPath(), dir.Wide("base.cat"));
        EXPECT_EQ(Names(session.catalog()), u"Letter A4_Cover Odd ");
        EXPECT_FALSE(session.document().Unsaved());
    }
}

}  // namespace
}  // namespace sheetwise
