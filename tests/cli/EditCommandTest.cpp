// The edit commands: each writes what the editing session writes when an operator makes the same
// edit in the window and saves; each refusal is the window's, with its message, and writes
// nothing; an edit in place already writes nothing either.
#include <sys/stat.h>

#include <functional>

#include "CliTestSupport.h"
#include "model/EditingSession.h"
#include "support/ScriptedPrompts.h"

namespace sheetwise::testing {
namespace {

// The sample catalog, with a colour and a type that no paper uses.
constexpr const char* kEditAttributes =
    "[PaperWeights]\n*\n75\n160\n[PaperTypes]\n*\nplain\ncover\ntab\nbond\n[PaperColors]\n*"
    "\nwhite\nblue\nred\n\n";

// A file's bytes and which file it is: a write, even of the same bytes, makes another.
struct FileStamp {
    std::string bytes;
    ino_t inode = 0;
    int64_t modified = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return {ReadBytes(path), info.st_ino,
            int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
}

using WindowSteps = std::function<void(EditingSession&, ScriptedPrompts&)>;

class CliEditTest : public CliTest {
  protected:
    std::string Sample(const std::string& name) {
        return WriteCatalog(name, std::string("Sample:Letter\n") + kPapers, kSizes,
                            kEditAttributes);
    }

    // The catalog and attribute file after the operator's steps in the window and Save.
    std::string SavedByTheWindow(const std::string& name, const WindowSteps& steps) {
        const std::string path = Sample(name);
        EditingSession session;
        EXPECT_EQ(session.Load(Utf8ToUtf16(path)), 0);
        ScriptedPrompts prompts;
        prompts.answers = {Answer::kYes};  // a deletion's question
        steps(session, prompts);
        EXPECT_TRUE(prompts.notices.empty()) << prompts.notices.front().message;
        EXPECT_EQ(session.Save(prompts), SaveResult::kSaved);
        return Read(name + ".cat") + Read(name + ".cat.atr");
    }

    std::string SavedByTheTool(const std::string& name, std::vector<std::string> arguments) {
        arguments.push_back(Sample(name));
        const CliRun run = Run(arguments);
        EXPECT_EQ(run, (CliRun{0, name + ".cat: changed\n", ""}));
        return Read(name + ".cat") + Read(name + ".cat.atr");
    }

    FileStamp Stamp(const std::string& name) { return StampOf(dir.File(name)); }
};

int32_t Find(const EditingSession& session, const char16_t* name) {
    return session.catalog().FindPaper(name);
}

// Every edit command against the window's steps for the same edit.
TEST_F(CliEditTest, EachEditWritesWhatTheWindowsSaveWrites) {
    const std::string original =
        std::string("Sample:Letter\n") + kPapers + std::string(kEditAttributes);
    const struct {
        std::vector<std::string> arguments;
        WindowSteps steps;
    } cases[] = {
        {{"add", "Heavy_A4", "--size", "2", "--weight", "160", "--colour", "ivory", "--type",
          "cover", "--sides", "1", "--precollated"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.EditName(u"Heavy_A4", true);
             s.ChooseSize(1);
             s.EditWeight(u"160");
             s.EditColour(u"ivory");
             s.EditType(u"cover");
             s.SetMode(1);
             s.SetPrecollated(true);
             s.Add(p);
         }},
        {{"add", "Plain_Tab", "--size", "9 x 11\"", "--weight", "*", "--colour", "white", "--type",
          "plain"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.EditName(u"Plain_Tab", true);
             s.ChooseSize(2);
             s.ChooseValue(kWeights, u"*");
             s.EditColour(u"white");
             s.EditType(u"plain");
             s.SetMode(2);
             s.Add(p);
         }},
        {{"modify", "A4_Cover", "--weight", "90", "--colour", "green", "--no-precollated"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"A4_Cover"));
             s.EditWeight(u"90");
             s.EditColour(u"green");
             s.SetPrecollated(false);
             s.Modify(p);
         }},
        {{"modify", "Tab_Stock", "--size", "A4 210 x 297 mm", "--sides", "2", "--type", "bond"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"Tab_Stock"));
             s.ChooseSize(1);
             s.SetMode(2);
             s.EditType(u"bond");
             s.Modify(p);
         }},
        {{"rename", "A4_Cover", "A4_Heavy"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"A4_Cover"));
             s.Rename(u"A4_Heavy", p);
         }},
        {{"delete", "A4_Cover"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"A4_Cover"));
             s.DeletePaper(p);
         }},
        {{"move", "Letter", "--down"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"Letter"));
             s.Move(1, p);
         }},
        {{"move", "A4_Cover", "--up"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"A4_Cover"));
             s.Move(-1, p);
         }},
        {{"move", "Tab_Stock", "--to", "1"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"Tab_Stock"));
             s.MoveTo(0, p);
         }},
        {{"set-default", "Tab_Stock"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.ShowPaper(Find(s, u"Tab_Stock"));
             s.SetDefault(true, p);
         }},
        {{"add-value", "colour", "ivory"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.EditColour(u"ivory");
             s.Add(p);
         }},
        {{"add-value", "weight", "090"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.EditWeight(u"090");
             s.Add(p);
         }},
        {{"add-value", "type", "glossy"},
         [](EditingSession& s, ScriptedPrompts& p) {
             s.EditType(u"glossy");
             s.Add(p);
         }},
        {{"delete-value", "colour", "red"},
         [](EditingSession& s, ScriptedPrompts& p) { s.DeleteValue(kColours, 3, p); }},
        {{"delete-value", "type", "bond"},
         [](EditingSession& s, ScriptedPrompts& p) { s.DeleteValue(kTypes, 4, p); }},
    };
    int number = 0;
    for (const auto& edit : cases) {
        const std::string name = "case" + std::to_string(++number);
        SCOPED_TRACE(edit.arguments.front() + " " + edit.arguments[1]);
        const std::string byTool = SavedByTheTool("tool" + name, edit.arguments);
        EXPECT_NE(byTool, original);
        EXPECT_EQ(byTool, SavedByTheWindow("window" + name, edit.steps));
    }
}

// The window's refusals, in its words: exit 1, and neither file touched.
TEST_F(CliEditTest, RefusalsAreTheWindowsAndWriteNothing) {
    const std::string catalog = Sample("shop");
    const FileStamp papers = Stamp("shop.cat");
    const FileStamp values = Stamp("shop.cat.atr");
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } refusals[] = {
        {{"modify", "Letter", "--weight", "250"},
         "modify \"Letter\": Unable to update weight. The valid weight range is 60 - 200 gsm."},
        {{"add", "New", "--size", "1", "--weight", "59", "--colour", "white", "--type", "plain"},
         "Unable to update weight. The valid weight range is 60 - 200 gsm."},
        {{"delete", "Letter"},
         "Before the default paper is deleted, another paper must be chosen as the default."},
        {{"delete-value", "colour", "blue"},
         "Attribute used by other papers in the paper catalog. Attribute cannot be deleted. "
         "(Used by A4_Cover.)"},
        {{"delete-value", "weight", "*"}, "The * (the wild card character) cannot be deleted."},
        {{"add", "Letter", "--size", "1", "--weight", "90", "--colour", "white", "--type", "plain"},
         "Paper name is already in use. New paper cannot be added until paper name has been "
         "changed."},
        {{"add", "Two words", "--size", "1", "--weight", "90", "--colour", "white", "--type",
          "plain"},
         "Add operation cannot be completed because invalid paper attributes entered. (the name "
         "\"Two words\" holds ' ' (U+0020) at position 4, which is not allowed)"},
        {{"add", "A:B", "--size", "1", "--weight", "90", "--colour", "white", "--type", "plain"},
         "holds ':' (U+003A) at position 2"},
        {{"add", "Bad\xff", "--size", "1", "--weight", "90", "--colour", "white", "--type",
          "plain"},
         "is not valid UTF-8 (at position 4)"},
        {{"add", "New", "--size", "7", "--weight", "90", "--colour", "white", "--type", "plain"},
         "the catalog has no size \"7\" (sizes 1 to 3"},
        {{"modify", "Letter", "--colour", "light blue"},
         "Modify operation cannot be completed because invalid paper attributes have been "
         "entered. (the colour \"light blue\" holds ' '"},
        {{"rename", "A4_Cover", "Letter"},
         "Paper name is already in use. The paper cannot be renamed to it."},
        {{"rename", "A4_Cover", "A4 Cover"}, "Rename operation cannot be completed"},
        {{"modify", "Nothing", "--weight", "90"},
         "Unable to find paper name in catalog. (no paper is named \"Nothing\")"},
        {{"move", "A4_Cover", "--to", "4"},
         "Move down operation cannot be completed. (there is no position 4: the catalog has "
         "papers at 1 to 3)"},
        {{"add-value", "weight", "250"},
         "Unable to update weight. The valid weight range is 60 - 200 gsm."},
        {{"add-value", "colour", "dark:red"}, "Unable to add new color value to attribute list."},
    };
    for (const auto& refusal : refusals) {
        std::vector<std::string> arguments = refusal.arguments;
        arguments.push_back(catalog);
        const CliRun run = Run(arguments);
        SCOPED_TRACE(run.err);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_THAT(run.err, HasSubstr("sheetwise-cli: shop.cat: "));
        EXPECT_THAT(run.err, HasSubstr(refusal.message));
        EXPECT_THAT(run.err, HasSubstr("nothing written"));
        EXPECT_EQ(Stamp("shop.cat"), papers);
        EXPECT_EQ(Stamp("shop.cat.atr"), values);
    }
}

// Once in place, an edit is no change: the second run writes nothing, not even the same bytes.
TEST_F(CliEditTest, AnEditInPlaceAlreadyWritesNothing) {
    const std::string catalog = Sample("shop");
    const std::vector<std::vector<std::string>> edits = {
        {"add", "New", "--size", "2", "--weight", "90", "--colour", "white", "--type", "plain"},
        {"modify", "Letter", "--weight", "160", "--sides", "1"},
        {"rename", "A4_Cover", "A4_Heavy"},
        {"delete", "Tab_Stock"},
        {"move", "New", "--to", "1"},
        {"set-default", "A4_Heavy"},
        {"add-value", "colour", "ivory"},
        {"delete-value", "colour", "red"},
    };
    for (std::vector<std::string> edit : edits) {
        edit.push_back(catalog);
        SCOPED_TRACE(edit.front());
        EXPECT_EQ(Run(edit), (CliRun{0, "shop.cat: changed\n", ""}));
        const FileStamp papers = Stamp("shop.cat");
        const FileStamp values = Stamp("shop.cat.atr");
        EXPECT_EQ(Run(edit), (CliRun{0, "shop.cat: unchanged\n", ""}));
        EXPECT_EQ(Stamp("shop.cat"), papers);
        EXPECT_EQ(Stamp("shop.cat.atr"), values);
    }
    // A paper of that name with other values is no paper in place: the window's refusal.
    EXPECT_EQ(Run({"add", "New", "--size", "2", "--weight", "75", "--colour", "white", "--type",
                   "plain", catalog})
                  .exitCode,
              1);
}

// --dry-run writes nothing and shows the diff; --out writes the edited catalog elsewhere as Save
// As does, the catalog itself untouched; several catalogs each take the edit.
TEST_F(CliEditTest, DryRunOutAndSeveralCatalogs) {
    const std::string shop = Sample("shop");
    const FileStamp before = Stamp("shop.cat");
    EXPECT_EQ(
        Run({"modify", "Letter", "--weight", "160", shop, "--dry-run"}),
        (CliRun{0, "--- shop.cat\n+++ shop.cat (edited)\npaper \"Letter\": weight 75 -> 160\n",
                ""}));
    EXPECT_EQ(Stamp("shop.cat"), before);
    EXPECT_EQ(ListFolder(dir.path()), "shop.DEF shop.cat shop.cat.atr ");
    EXPECT_EQ(Run({"modify", "Letter", "--weight", "160", shop, "--out", dir.File("new.cat")}),
              (CliRun{0, "new.cat: written from shop.cat (changed)\n", ""}));
    EXPECT_EQ(Stamp("shop.cat"), before);
    EXPECT_THAT(Read("new.cat"), HasSubstr("Letter:1:160:white:plain:2:0\n"));
    EXPECT_EQ(Read("new.def"), kSizes);
    // --out exists: replaced only with --force, as Save As asks.
    EXPECT_EQ(Run({"set-default", "Tab_Stock", shop, "--out", dir.File("new.cat")}).exitCode, 2);
    EXPECT_THAT(Read("new.cat"), ::testing::StartsWith("Sample:Letter\n"));

    const std::string other = Sample("other");
    EXPECT_EQ(Run({"add-value", "type", "glossy", shop, other}),
              (CliRun{0, "shop.cat: changed\nother.cat: changed\n", ""}));
    EXPECT_EQ(Read("shop.cat.atr"), Read("other.cat.atr"));
    EXPECT_EQ(Run({"add-value", "type", "x", shop, other, "--out", dir.File("x.cat")}).exitCode, 2);
}

// A catalog that does not read cleanly is refused as convert refuses it; with --drop-bad-lines
// it is edited, and written over itself only with --force, as the editor's Save asks for another
// name for a catalog it could not read whole.
TEST_F(CliEditTest, CatalogsThatDoNotReadCleanlyAreRefusedUnlessAsked) {
    const std::string damaged = "D:A\nA:1:75:white:plain:2:0\nB:1:75\nC:2:160:blue:cover:1:0\n";
    const std::string catalog = WriteCatalog("damaged", damaged);
    CliRun run = Run({"modify", "A", "--weight", "160", catalog});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("damaged.cat:3: dropped"));
    EXPECT_THAT(run.err, HasSubstr("--drop-bad-lines"));
    EXPECT_EQ(Read("damaged.cat"), damaged);
    run = Run({"modify", "A", "--weight", "160", catalog, "--drop-bad-lines"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("damaged.cat: exists; --force replaces it"));
    EXPECT_EQ(Read("damaged.cat"), damaged);
    // An edit that changes nothing leaves even a damaged file as it is.
    EXPECT_EQ(Run({"delete", "B", catalog, "--drop-bad-lines"}).exitCode, 0);
    EXPECT_EQ(Read("damaged.cat"), damaged);
    EXPECT_EQ(
        Run({"modify", "A", "--weight", "160", catalog, "--drop-bad-lines", "--force"}).exitCode,
        0);
    EXPECT_EQ(Read("damaged.cat"), "D:A\nA:1:160:white:plain:2:0\nC:2:160:blue:cover:1:0\n");
    // Papers that were never read are not written away, whatever is asked.
    const std::string bare = WriteCatalog("bare", "B:A\nA:1:75:white:plain:2:0\n", kSizes, "");
    run = Run({"delete", "A", bare, "--drop-bad-lines", "--force"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(ListFolder(dir.path()).find("bare.cat.atr"), std::string::npos);
}

}  // namespace
}  // namespace sheetwise::testing
