// apply: an edit script applied to many catalogs, all or nothing, again and again without a change
// once in place; scripts with a fault named by file, edit and cause, before any catalog is touched.
#include "CliTestSupport.h"
#include "platform/FileFaults.h"

namespace sheetwise::testing {
namespace {

constexpr const char* kScript = R"([
  {"edit": "modify", "name": "Letter", "weight": 160, "sides": 1},
  {"edit": "add", "name": "Blue_A4", "size": "A4 210 x 297 mm", "weight": "*",
   "colour": "blue", "type": "plain", "precollated": true},
  {"edit": "rename", "name": "Tab_Stock", "newName": "Tabs"},
  {"edit": "move", "name": "Tabs", "to": 1},
  {"edit": "set-default", "name": "Blue_A4"},
  {"edit": "add-value", "kind": "colour", "value": "ivory"},
  {"edit": "add-value", "kind": "weight", "value": 90},
  {"edit": "delete", "name": "A4_Cover"},
  {"edit": "delete-value", "kind": "type", "value": "cover"}
])";

class CliApplyTest : public CliTest {
  protected:
    std::string Shop(const std::string& name, const std::string& papers = kPapers) {
        return WriteCatalog(name, "Shop:Letter\n" + papers);
    }
};

// Each edit as its edit command makes it (a new paper is printed on both sides whatever paper the
// edit before showed); applied again, the script writes nothing.
TEST_F(CliApplyTest, AppliesEveryEditAndTwiceIsOnce) {
    const std::string script = Write("edits.json", kScript);
    const std::string first = Shop("first");
    const std::string second = Shop("second");
    EXPECT_EQ(Run({"apply", script, first, second}),
              (CliRun{0, "first.cat: changed\nsecond.cat: changed\n", ""}));
    EXPECT_EQ(Read("first.cat") + Read("first.cat.atr"),
              "Shop:Blue_A4\nTabs:3:0:*:tab:0:0\nLetter:1:160:white:plain:1:0\n"
              "Blue_A4:2:0:blue:plain:2:1\n"
              "[PaperWeights]\n*\n75\n160\n90\n[PaperTypes]\n*\nplain\ntab\n"
              "[PaperColors]\n*\nwhite\nblue\nivory\n\n");
    EXPECT_EQ(Read("second.cat") + Read("second.cat.atr"),
              Read("first.cat") + Read("first.cat.atr"));

    const std::vector<std::string> once = Stamps({"first", "second"});
    EXPECT_EQ(Run({"apply", script, first, second}),
              (CliRun{0, "first.cat: unchanged\nsecond.cat: unchanged\n", ""}));
    EXPECT_EQ(Stamps({"first", "second"}), once);
    const CliRun run = Run({"apply", script, first, second, "--json", "--compact"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, ::testing::StartsWith(
                             "{\"applied\":true,\"changed\":false,\"dryRun\":false,\"catalogs\":["
                             "{\"file\":\"first.cat\",\"target\":\"first.cat\",\"status\":0,"
                             "\"result\":\"unchanged\",\"written\":false,"));
    EXPECT_EQ(Lines(run.out).size(), 1u);
    EXPECT_EQ(Stamps({"first", "second"}), once);
}

// A refusal in any catalog, at any edit, leaves every catalog as it was; the message names the
// catalog, the script, the edit and the cause.
TEST_F(CliApplyTest, ARefusalAnywhereLeavesEveryCatalogUntouched) {
    const std::string script = Write("edits.json", kScript);
    const std::string first = Shop("first");
    // Another paper uses "cover": the last edit is refused, after eight that went through.
    const std::string second =
        Shop("second", std::string(kPapers) + "Card:1:200:white:cover:2:0\n");
    const std::string third = Shop("third");
    const std::vector<std::string> before = Stamps({"first", "second", "third"});
    ExpectFailure({"apply", script, first, second, third}, 1,
                  {"sheetwise-cli: second.cat: edits.json, edit 9 (delete-value type \"cover\"): "
                   "Attribute used by other papers in the paper catalog. Attribute cannot be "
                   "deleted. (Used by Card.)\n",
                   "nothing written: 1 of 3 catalogs cannot take the edits"});
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);
    CliRun run = RunExpecting({"apply", script, first, second, "--json"}, 1, {});
    EXPECT_THAT(Compact(run.out), ::testing::StartsWith("{\"applied\":false,\"changed\":false,"));
    EXPECT_THAT(Compact(run.out),
                HasSubstr("{\"edit\":8,\"kind\":\"delete\",\"result\":\"changed\"},"
                          "{\"edit\":9,\"kind\":\"delete-value\",\"result\":\"refused\"}],"
                          "\"refusals\":[{\"edit\":9,\"messageId\":17006,"));
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);

    // The first edit refused: the edits after it are not made.
    const std::string other = WriteCatalog("other", "Other:Other\nOther:1:75:white:plain:2:0\n");
    run = RunExpecting({"apply", script, first, other, "--json"}, 1,
                       {"other.cat: edits.json, edit 1 (modify \"Letter\"): Unable to find paper "
                        "name in catalog. (no paper is named \"Letter\")"});
    EXPECT_THAT(Compact(run.out),
                HasSubstr("{\"edit\":2,\"kind\":\"add\",\"result\":\"not made\"}"));
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);

    // A catalog that cannot be read: exit 2, nothing written anywhere.
    ExpectFailure({"apply", script, first, dir.File("missing.cat")}, 2, {"missing.cat"});
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);
}

// Catalogs of many folders are written side by side; what is printed keeps the order named. When
// the writes fail, each catalog keeps its whole old set and the failure is told.
TEST_F(CliApplyTest, CatalogsOfManyFoldersAreWrittenAndToldInTheOrderNamed) {
    const std::string script = Write("edits.json", kScript);
    std::vector<std::string> arguments = {"apply", script};
    std::string told;
    for (const std::string name :
         {"e/shop", "d/shop", "c/shop", "b/shop", "a/shop", "a2/shop", "a/other"}) {
        std::filesystem::create_directories(dir.File(name.substr(0, name.find('/'))));
        arguments.push_back(Shop(name));
        told += name + ".cat: changed\n";
    }
    EXPECT_EQ(Run({"apply", script, Shop("alone")}).exitCode, 0);
    EXPECT_EQ(Run(arguments), (CliRun{0, told, ""}));
    for (size_t i = 2; i < arguments.size(); ++i)
        EXPECT_EQ(ReadBytes(arguments[i]) + ReadBytes(arguments[i] + ".atr"),
                  Read("alone.cat") + Read("alone.cat.atr"));

    arguments = {"apply", script, Shop("e/shop"), Shop("d/shop"), Shop("c/shop")};
    const std::vector<std::string> before = Stamps({"e/shop", "d/shop", "c/shop"});
    file_faults::FailFrom(file_faults::Step::kIntent, 1);
    const CliRun run = Run(arguments);
    file_faults::Clear();
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("Save paper catalog operation cannot be completed."));
    EXPECT_EQ(Stamps({"e/shop", "d/shop", "c/shop"}), before);
    // Whichever of them were begun before the first failure are told in the order named.
    size_t last = 0;
    for (const char* catalog : {"e/shop.cat", "d/shop.cat", "c/shop.cat"}) {
        const size_t at = run.err.find(catalog);
        if (at == std::string::npos)
            continue;
        EXPECT_GE(at, last) << run.err;
        last = at;
    }
    // A configuration tool reading --json is told that nothing changed.
    const std::string shop = Shop("e/shop");
    const std::vector<std::string> unwritten = Stamps({"e/shop"});
    file_faults::FailFrom(file_faults::Step::kIntent, 1);
    const CliRun json = Run({"apply", script, shop, "--json", "--compact"});
    file_faults::Clear();
    EXPECT_EQ(json.exitCode, 2);
    EXPECT_THAT(json.out, ::testing::StartsWith("{\"applied\":false,\"changed\":false,"));
    EXPECT_THAT(json.out, HasSubstr("\"written\":false,"));
    EXPECT_EQ(Stamps({"e/shop"}), unwritten);
}

// An edit that finds itself in place leaves nothing typed for the next: the value the script adds
// next joins its list, with no paper made of what the first edit typed.
TEST_F(CliApplyTest, AnEditInPlaceLeavesNothingTypedForTheNext) {
    const std::string script = Write("edits.json", R"([
      {"edit": "add", "name": "A4_Cover", "size": 2, "weight": 160, "colour": "blue",
       "type": "cover", "sides": 1, "precollated": true},
      {"edit": "add-value", "kind": "colour", "value": "ivory"}])");
    const std::string catalog = Shop("shop");
    EXPECT_EQ(Run({"apply", script, catalog}), (CliRun{0, "shop.cat: changed\n", ""}));
    EXPECT_EQ(Read("shop.cat") + Read("shop.cat.atr"),
              "Shop:Letter\nLetter:1:75:white:plain:2:0\nA4_Cover:2:160:blue:cover:1:1\n"
              "Tab_Stock:3:0:*:tab:0:0\n"
              "[PaperWeights]\n*\n75\n160\n[PaperTypes]\n*\nplain\ncover\ntab\n"
              "[PaperColors]\n*\nwhite\nblue\nivory\n\n");
}

// A script with a fault is refused whole, before any catalog is read: exit 2, the file, the edit's
// position and the cause.
TEST_F(CliApplyTest, ScriptsWithAFaultAreRefusedBeforeAnyCatalogIsRead) {
    const std::string catalog = Shop("shop");
    const std::vector<std::string> before = Stamps({"shop"});
    const std::pair<std::string, std::string> faults[] = {
        {R"([{"edit": "delete", "name": "Old"})", "not JSON: "},
        {R"({"edit": "delete", "name": "Old"})", "an edit script is a JSON array of edits"},
        {R"([{"edit": "delete", "name": "Old"}, {"edit": "frobnicate"}])",
         "edit 2: unknown edit \"frobnicate\" (add, modify, rename, delete, move, set-default, "
         "add-value, delete-value); nothing written"},
        {R"([{"edit": "modify", "name": "Letter"}])",
         "edit 1: modify needs at least one value to change"},
        {R"([{"edit": "modify", "name": "Letter", "weight": "heavy"}])",
         "edit 1: \"weight\" must be a whole number of gsm, or \"*\""},
        {R"([{"edit": "modify", "name": "Letter", "weight": 90.5}])", "edit 1: \"weight\" must be"},
        {R"([{"edit": "rename", "name": "Letter"}])", "edit 1: rename needs \"newName\""},
        {R"([{"edit": "delete", "name": "Letter", "weight": 90}])",
         "edit 1: delete takes no \"weight\""},
        {R"([{"edit": "move", "name": "Letter", "up": true, "to": 2}])",
         "edit 1: move takes one of \"up\", \"down\" or \"to\""},
        {R"([{"edit": "move", "name": "Letter", "to": 0}])",
         "edit 1: \"to\" must be a position from 1"},
        {R"([{"edit": "add-value", "kind": "size", "value": "A3"}])",
         "edit 1: \"kind\" must be \"colour\", \"type\" or \"weight\""},
        {R"([{"edit": "add", "name": "N", "size": 1, "weight": 90, "colour": "white", )"
         R"("type": "plain", "sides": 3}])",
         "edit 1: \"sides\" must be 0 (Inserter), 1 (1-Sided) or 2 (1, 2-Sided)"},
        {"[{\"edit\": \"delete\", \"name\": \"Bad\xff\"}]", "not JSON: "},
        {R"(["delete Letter"])", "edit 1: an edit is an object"},
    };
    for (const auto& [script, message] : faults) {
        ExpectFailure({"apply", Write("edits.json", script), catalog, "--json"}, 2,
                      {"sheetwise-cli: edits.json: " + message});
        EXPECT_EQ(Stamps({"shop"}), before);
    }
    EXPECT_EQ(Run({"apply", dir.File("none.json"), catalog}).exitCode, 2);
    // An empty script is nothing to do.
    EXPECT_EQ(Run({"apply", Write("empty.json", "[]"), catalog}),
              (CliRun{0, "shop.cat: unchanged\n", ""}));
}

// --dry-run shows each catalog's diff and writes nothing; --json says what would change.
TEST_F(CliApplyTest, DryRunWritesNothing) {
    const std::string script =
        Write("edits.json", R"([{"edit": "modify", "name": "Letter", "weight": 160},
                                {"edit": "move", "name": "Tab_Stock", "up": true}])");
    const std::string first = Shop("first");
    const std::string second = Shop("second", "Letter:1:160:white:plain:2:0\n");
    const std::vector<std::string> before = Stamps({"first", "second"});
    // The second has no Tab_Stock to move.
    EXPECT_EQ(Run({"apply", script, first, second, "--dry-run"}).exitCode, 1);
    EXPECT_EQ(Run({"apply", script, first, "--dry-run"}),
              (CliRun{0,
                      "--- first.cat\n+++ first.cat (edited)\n"
                      "paper \"Tab_Stock\": moved from 3 to 2\n"
                      "paper \"Letter\": weight 75 -> 160\n",
                      ""}));
    const std::string json = Compact(Run({"apply", script, first, "--dry-run", "--json"}).out);
    EXPECT_THAT(json, ::testing::StartsWith("{\"applied\":true,\"changed\":true,\"dryRun\":true,"));
    EXPECT_THAT(json, HasSubstr("\"written\":false,"));
    EXPECT_EQ(Stamps({"first", "second"}), before);
}

}  // namespace
}  // namespace sheetwise::testing
