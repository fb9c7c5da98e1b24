// The edit commands: each writes what the editing session writes when an operator makes the same
// edit in the window and saves, and once in place writes nothing; each refusal is the window's,
// with its message, and writes nothing.
#include <functional>

#include "CliTestSupport.h"
#include "model/EditingSession.h"
#include "support/ScriptedPrompts.h"

namespace sheetwise::testing {
namespace {

using S = EditingSession;
using P = ScriptedPrompts;
using WindowSteps = std::function<void(S&, P&)>;

// A value typed into its field and Add pressed: the window adds it to its list.
WindowSteps TypeAndAdd(FieldEdit (S::*field)(std::u16string_view), const char16_t* value) {
    return [=](S& s, P& p) {
        (s.*field)(value);
        s.Add(p);
    };
}

class CliEditTest : public CliTest {
  protected:
    // The catalog and attribute file after the operator shows the paper (if any), takes the steps
    // in the window and saves.
    std::string SavedByTheWindow(const std::string& name, const char16_t* paper,
                                 const WindowSteps& steps) {
        EditingSession session;
        EXPECT_EQ(session.Load(Utf8ToUtf16(Sample(name))), 0);
        ScriptedPrompts prompts;
        prompts.answers = {Answer::kYes};  // a deletion's question
        if (paper != nullptr)
            session.ShowPaper(session.catalog().FindPaper(paper));
        steps(session, prompts);
        EXPECT_TRUE(prompts.notices.empty()) << prompts.notices.front().message;
        EXPECT_EQ(session.Save(prompts), SaveResult::kSaved);
        return Read(name + ".cat") + Read(name + ".cat.atr");
    }

    // What the tool writes for the edit; made again (unless it is a step up or down), it writes
    // nothing, not even the same bytes.
    std::string SavedByTheTool(const std::string& name, std::vector<std::string> arguments) {
        const bool again = arguments.back() != "--up" && arguments.back() != "--down";
        arguments.push_back(Sample(name));
        EXPECT_EQ(Run(arguments), (CliRun{0, name + ".cat: changed\n", ""}));
        const std::vector<std::string> once = Stamps({name});
        if (again) {
            EXPECT_EQ(Run(arguments), (CliRun{0, name + ".cat: unchanged\n", ""}));
            EXPECT_EQ(Stamps({name}), once);
        }
        return Read(name + ".cat") + Read(name + ".cat.atr");
    }
};

// Every edit command against the window's steps for the same edit.
TEST_F(CliEditTest, EachEditWritesWhatTheWindowsSaveWritesAndOnlyOnce) {
    const std::string original =
        std::string("Sample:Letter\n") + kPapers + std::string(kEditAttributes);
    const struct {
        std::vector<std::string> arguments;
        const char16_t* paper;  // shown first
        WindowSteps steps;
    } cases[] = {
        {{"add", "Heavy_A4", "--size", "2", "--weight", "160", "--colour", "ivory", "--type",
          "cover", "--sides", "1", "--precollated"},
         nullptr,
         [](S& s, P& p) {
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
         nullptr,
         [](S& s, P& p) {
             s.EditName(u"Plain_Tab", true);
             s.ChooseSize(2);
             s.ChooseValue(kWeights, u"*");
             s.EditColour(u"white");
             s.EditType(u"plain");
             s.SetMode(2);
             s.Add(p);
         }},
        {{"modify", "A4_Cover", "--weight", "90", "--colour", "green", "--no-precollated"},
         u"A4_Cover",
         [](S& s, P& p) {
             s.EditWeight(u"90");
             s.EditColour(u"green");
             s.SetPrecollated(false);
             s.Modify(p);
         }},
        {{"modify", "Tab_Stock", "--size", "A4 210 x 297 mm", "--sides", "2", "--type", "bond"},
         u"Tab_Stock",
         [](S& s, P& p) {
             s.ChooseSize(1);
             s.SetMode(2);
             s.EditType(u"bond");
             s.Modify(p);
         }},
        {{"rename", "A4_Cover", "A4_Heavy"},
         u"A4_Cover",
         [](S& s, P& p) { s.Rename(u"A4_Heavy", p); }},
        {{"delete", "A4_Cover"}, u"A4_Cover", [](S& s, P& p) { s.DeletePaper(p); }},
        {{"move", "Letter", "--down"}, u"Letter", [](S& s, P& p) { s.Move(1, p); }},
        {{"move", "A4_Cover", "--up"}, u"A4_Cover", [](S& s, P& p) { s.Move(-1, p); }},
        {{"move", "Tab_Stock", "--to", "1"}, u"Tab_Stock", [](S& s, P& p) { s.MoveTo(0, p); }},
        {{"set-default", "Tab_Stock"}, u"Tab_Stock", [](S& s, P& p) { s.SetDefault(true, p); }},
        {{"add-value", "colour", "ivory"}, nullptr, TypeAndAdd(&S::EditColour, u"ivory")},
        {{"add-value", "weight", "090"}, nullptr, TypeAndAdd(&S::EditWeight, u"090")},
        {{"add-value", "type", "glossy"}, nullptr, TypeAndAdd(&S::EditType, u"glossy")},
        {{"delete-value", "colour", "red"},
         nullptr,
         [](S& s, P& p) { s.DeleteValue(kColours, 3, p); }},
        {{"delete-value", "type", "bond"},
         nullptr,
         [](S& s, P& p) { s.DeleteValue(kTypes, 4, p); }},
    };
    int number = 0;
    for (const auto& edit : cases) {
        const std::string name = "case" + std::to_string(++number);
        SCOPED_TRACE(edit.arguments.front() + " " + edit.arguments[1]);
        const std::string byTool = SavedByTheTool("tool" + name, edit.arguments);
        EXPECT_NE(byTool, original);
        EXPECT_EQ(byTool, SavedByTheWindow("window" + name, edit.paper, edit.steps));
    }
}

// The window's refusals, in its words: exit 1, and neither file touched. A paper added under a name
// in use with other values is no paper in place: refused too.
TEST_F(CliEditTest, RefusalsAreTheWindowsAndWriteNothing) {
    const std::string catalog = Sample("shop");
    const std::vector<std::string> before = Stamps({"shop"});
    const std::vector<std::string> add = {"--colour", "white", "--type", "plain"};
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } refusals[] = {
        {{"modify", "Letter", "--weight", "250"},
         "modify \"Letter\": Unable to update weight. The valid weight range is 60 - 200 gsm."},
        {{"add", "New", "--size", "1", "--weight", "59"},
         "Unable to update weight. The valid weight range is 60 - 200 gsm."},
        {{"delete", "Letter"},
         "Before the default paper is deleted, another paper must be chosen as the default."},
        {{"delete-value", "colour", "blue"},
         "Attribute used by other papers in the paper catalog. Attribute cannot be deleted. "
         "(Used by A4_Cover.)"},
        {{"delete-value", "weight", "*"}, "The * (the wild card character) cannot be deleted."},
        {{"add", "Letter", "--size", "1", "--weight", "90"},
         "Paper name is already in use. New paper cannot be added until paper name has been "
         "changed."},
        {{"add", "Two words", "--size", "1", "--weight", "90"},
         "Add operation cannot be completed because invalid paper attributes entered. (the name "
         "\"Two words\" holds ' ' (U+0020) at position 4, which is not allowed)"},
        {{"add", "A:B", "--size", "1", "--weight", "90"}, "holds ':' (U+003A) at position 2"},
        {{"add", "Bad\xff", "--size", "1", "--weight", "90"}, "is not valid UTF-8 (at position 4)"},
        {{"add", "New", "--size", "4", "--weight", "90"},
         "the catalog has no size \"4\" (sizes 1 to 3"},
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
        if (arguments.front() == "add")
            arguments.insert(arguments.end(), add.begin(), add.end());
        arguments.push_back(catalog);
        ExpectFailure(arguments, 1,
                      {"sheetwise-cli: shop.cat: ", refusal.message, "nothing written"});
        EXPECT_EQ(Stamps({"shop"}), before);
    }
}

// --dry-run writes nothing and shows the diff; --out writes the edited catalog elsewhere as Save As
// does, the catalog itself untouched; several catalogs each take the edit.
TEST_F(CliEditTest, DryRunOutAndSeveralCatalogs) {
    const std::string shop = Sample("shop");
    const std::vector<std::string> before = Stamps({"shop"});
    EXPECT_EQ(
        Run({"modify", "Letter", "--weight", "160", shop, "--dry-run"}),
        (CliRun{0, "--- shop.cat\n+++ shop.cat (edited)\npaper \"Letter\": weight 75 -> 160\n",
                ""}));
    EXPECT_EQ(Stamps({"shop"}), before);
    EXPECT_EQ(ListFolder(dir.path()), "shop.DEF shop.cat shop.cat.atr ");
    EXPECT_EQ(Run({"modify", "Letter", "--weight", "160", shop, "--out", dir.File("new.cat")}),
              (CliRun{0, "new.cat: written from shop.cat (changed)\n", ""}));
    EXPECT_EQ(Stamps({"shop"}), before);
    EXPECT_THAT(Read("new.cat"), HasSubstr("Letter:1:160:white:plain:2:0\n"));
    EXPECT_EQ(Read("new.def"), kSizes);
    // --out exists: replaced only with --force, as Save As asks.
    EXPECT_EQ(Run({"set-default", "Tab_Stock", shop, "--out", dir.File("new.cat")}).exitCode, 2);
    EXPECT_THAT(Read("new.cat"), ::testing::StartsWith("Sample:Letter\n"));
    // An edit already in place still writes the catalog where --out says.
    EXPECT_EQ(Run({"set-default", "Letter", shop, "--out", dir.File("same.cat")}),
              (CliRun{0, "same.cat: written from shop.cat (unchanged)\n", ""}));
    EXPECT_EQ(Read("same.cat"),
              "Sample:Letter\nLetter:1:75:white:plain:2:0\nA4_Cover:2:160:blue:cover:1:1\n"
              "Tab_Stock:3:0:*:tab:0:0\n");

    const std::string other = Sample("other");
    EXPECT_EQ(Run({"add-value", "type", "glossy", shop, other}),
              (CliRun{0, "shop.cat: changed\nother.cat: changed\n", ""}));
    EXPECT_EQ(Read("shop.cat.atr"), Read("other.cat.atr"));
    EXPECT_EQ(Run({"add-value", "type", "x", shop, other, "--out", dir.File("x.cat")}).exitCode, 2);
}

// A weight is a number: "090" is the listed 90, added once and deleted by either spelling.
TEST_F(CliEditTest, WeightValuesAreNumbersWhateverTheirLeadingZeros) {
    const std::string shop = Sample("shop");
    EXPECT_EQ(Run({"add-value", "weight", "090", shop}), (CliRun{0, "shop.cat: changed\n", ""}));
    EXPECT_THAT(Read("shop.cat.atr"), HasSubstr("[PaperWeights]\n*\n75\n160\n90\n[PaperTypes]"));
    EXPECT_EQ(Run({"add-value", "weight", "0090", shop}), (CliRun{0, "shop.cat: unchanged\n", ""}));
    EXPECT_EQ(Run({"delete-value", "weight", "090", shop}), (CliRun{0, "shop.cat: changed\n", ""}));
    EXPECT_THAT(Read("shop.cat.atr"), HasSubstr("[PaperWeights]\n*\n75\n160\n[PaperTypes]"));
}

// A catalog that does not read cleanly is refused as convert refuses it; with --drop-bad-lines it
// is edited, and written over itself only with --force, as the editor's Save asks for another name
// for a catalog it could not read whole.
TEST_F(CliEditTest, CatalogsThatDoNotReadCleanlyAreRefusedUnlessAsked) {
    const std::string damaged = "D:A\nA:1:75:white:plain:2:0\nB:1:75\nC:2:160:blue:cover:1:0\n";
    const std::string catalog = WriteCatalog("damaged", damaged);
    ExpectFailure({"modify", "A", "--weight", "160", catalog}, 1,
                  {"damaged.cat:3: dropped", "--drop-bad-lines"});
    EXPECT_EQ(Read("damaged.cat"), damaged);
    ExpectFailure({"modify", "A", "--weight", "160", catalog, "--drop-bad-lines"}, 2,
                  {"damaged.cat: exists; --force replaces it"});
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
    EXPECT_EQ(Run({"delete", "A", bare, "--drop-bad-lines", "--force"}).exitCode, 2);
    EXPECT_EQ(ListFolder(dir.path()).find("bare.cat.atr"), std::string::npos);
}

}  // namespace
}  // namespace sheetwise::testing
