// apply: an edit script applied to many catalogs, all or nothing, again and again without a
// change once in place; scripts with a fault named by file, edit and cause, before any catalog
// is touched.
#include <sys/stat.h>

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

struct Stamp {
    std::string bytes;
    ino_t inode = 0;
    int64_t modified = 0;
    bool operator==(const Stamp&) const = default;
};

class CliApplyTest : public CliTest {
  protected:
    std::string Shop(const std::string& name, const std::string& papers = kPapers) {
        return WriteCatalog(name, "Shop:Letter\n" + papers);
    }

    Stamp StampOf(const std::string& name) {
        struct stat info {};
        stat(dir.File(name).c_str(), &info);
        return {Read(name), info.st_ino,
                int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
    }

    std::vector<Stamp> Stamps(const std::vector<std::string>& names) {
        std::vector<Stamp> stamps;
        for (const std::string& name : names) {
            stamps.push_back(StampOf(name + ".cat"));
            stamps.push_back(StampOf(name + ".cat.atr"));
        }
        return stamps;
    }
};

// The script does to each catalog what its edits one by one do; applied again, it writes nothing.
TEST_F(CliApplyTest, AppliesLikeTheEditCommandsAndTwiceIsOnce) {
    const std::string script = Write("edits.json", kScript);
    const std::string first = Shop("first");
    const std::string second = Shop("second");
    EXPECT_EQ(Run({"apply", script, first, second}),
              (CliRun{0, "first.cat: changed\nsecond.cat: changed\n", ""}));
    const std::string byCommands = Shop("commands");
    for (const std::vector<std::string>& edit : std::vector<std::vector<std::string>>{
             {"modify", "Letter", "--weight", "160", "--sides", "1"},
             {"add", "Blue_A4", "--size", "A4 210 x 297 mm", "--weight", "*", "--colour", "blue",
              "--type", "plain", "--precollated"},
             {"rename", "Tab_Stock", "Tabs"},
             {"move", "Tabs", "--to", "1"},
             {"set-default", "Blue_A4"},
             {"add-value", "colour", "ivory"},
             {"add-value", "weight", "90"},
             {"delete", "A4_Cover"},
             {"delete-value", "type", "cover"}}) {
        std::vector<std::string> arguments = edit;
        arguments.push_back(byCommands);
        EXPECT_EQ(Run(arguments).exitCode, 0) << edit.front();
    }
    EXPECT_EQ(Read("first.cat"),
              "Shop:Blue_A4\nTabs:3:0:*:tab:0:0\nLetter:1:160:white:plain:1:0\n"
              "Blue_A4:2:0:blue:plain:2:1\n");
    EXPECT_EQ(Read("first.cat") + Read("first.cat.atr"),
              Read("commands.cat") + Read("commands.cat.atr"));
    EXPECT_EQ(Read("second.cat") + Read("second.cat.atr"),
              Read("commands.cat") + Read("commands.cat.atr"));

    const std::vector<Stamp> once = Stamps({"first", "second"});
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
    const std::vector<Stamp> before = Stamps({"first", "second", "third"});
    CliRun run = Run({"apply", script, first, second, third});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err,
                HasSubstr("sheetwise-cli: second.cat: edits.json, edit 9 (delete-value type "
                          "\"cover\"): Attribute used by other papers in the paper catalog. "
                          "Attribute cannot be deleted. (Used by Card.)\n"));
    EXPECT_THAT(run.err, HasSubstr("nothing written: 1 of 3 catalogs cannot take the edits"));
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);
    run = Run({"apply", script, first, second, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(Compact(run.out), ::testing::StartsWith("{\"applied\":false,\"changed\":false,"));
    EXPECT_THAT(Compact(run.out),
                HasSubstr("{\"edit\":8,\"kind\":\"delete\",\"result\":\"changed\"},"
                          "{\"edit\":9,\"kind\":\"delete-value\",\"result\":\"refused\"}],"
                          "\"refusals\":[{\"edit\":9,\"messageId\":17006,"));
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);

    // The first edit refused: the edits after it are not made.
    const std::string other = WriteCatalog("other", "Other:Other\nOther:1:75:white:plain:2:0\n");
    run = Run({"apply", script, first, other, "--json"});
    EXPECT_THAT(run.err, HasSubstr("other.cat: edits.json, edit 1 (modify \"Letter\"): Unable to "
                                   "find paper name in catalog. (no paper is named \"Letter\")"));
    EXPECT_THAT(Compact(run.out),
                HasSubstr("{\"edit\":2,\"kind\":\"add\",\"result\":\"not made\"}"));
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);

    // A catalog that cannot be read: exit 2, nothing written anywhere.
    run = Run({"apply", script, first, dir.File("missing.cat")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("missing.cat"));
    EXPECT_EQ(Stamps({"first", "second", "third"}), before);
}

// Catalogs of many folders are written side by side; what is printed keeps the order named. When
// the writes fail, each catalog keeps its whole old set and the failure is told.
TEST_F(CliApplyTest, CatalogsOfManyFoldersAreWrittenAndToldInTheOrderNamed) {
    const std::string script = Write("edits.json", kScript);
    std::vector<std::string> catalogs;
    std::string told;
    for (const char* folder : {"e", "d", "c", "b", "a", "a2"}) {
        std::filesystem::create_directory(dir.File(folder));
        catalogs.push_back(Shop(std::string(folder) + "/shop"));
        told += std::string(folder) + "/shop.cat: changed\n";
    }
    catalogs.push_back(Shop("a/other"));
    told += "a/other.cat: changed\n";
    const std::string alone = Shop("alone");
    EXPECT_EQ(Run({"apply", script, alone}).exitCode, 0);
    std::vector<std::string> arguments = {"apply", script};
    arguments.insert(arguments.end(), catalogs.begin(), catalogs.end());
    EXPECT_EQ(Run(arguments), (CliRun{0, told, ""}));
    for (const std::string& catalog : catalogs)
        EXPECT_EQ(ReadBytes(catalog) + ReadBytes(catalog + ".atr"),
                  Read("alone.cat") + Read("alone.cat.atr"));

    std::vector<std::string> renewed;
    for (const char* folder : {"e", "d", "c"})
        renewed.push_back(Shop(std::string(folder) + "/shop"));
    const std::vector<Stamp> before = Stamps({"e/shop", "d/shop", "c/shop"});
    file_faults::FailFrom(file_faults::Step::kIntent, 1);
    const CliRun run = Run({"apply", script, renewed[0], renewed[1], renewed[2]});
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
}

// A script with a fault is refused whole, before any catalog is read: exit 2, the file, the
// edit's position and the cause.
TEST_F(CliApplyTest, ScriptsWithAFaultAreRefusedBeforeAnyCatalogIsRead) {
    const std::string catalog = Shop("shop");
    const std::vector<Stamp> before = Stamps({"shop"});
    const struct {
        std::string script;
        std::string message;
    } faults[] = {
        {"[{\"edit\": \"delete\", \"name\": \"Old\"}", "edits.json: not JSON: "},
        {"{\"edit\": \"delete\", \"name\": \"Old\"}",
         "edits.json: an edit script is a JSON array of edits"},
        {"[{\"edit\": \"delete\", \"name\": \"Old\"}, {\"edit\": \"frobnicate\"}]",
         "edits.json: edit 2: unknown edit \"frobnicate\" (add, modify, rename, delete, move, "
         "set-default, add-value, delete-value); nothing written"},
        {"[{\"edit\": \"modify\", \"name\": \"Letter\"}]",
         "edits.json: edit 1: modify needs at least one value to change"},
        {"[{\"edit\": \"modify\", \"name\": \"Letter\", \"weight\": \"heavy\"}]",
         "edits.json: edit 1: \"weight\" must be a whole number of gsm, or \"*\""},
        {"[{\"edit\": \"modify\", \"name\": \"Letter\", \"weight\": 90.5}]",
         "edits.json: edit 1: \"weight\" must be"},
        {"[{\"edit\": \"rename\", \"name\": \"Letter\"}]",
         "edits.json: edit 1: rename needs \"newName\""},
        {"[{\"edit\": \"delete\", \"name\": \"Letter\", \"weight\": 90}]",
         "edits.json: edit 1: delete takes no \"weight\""},
        {"[{\"edit\": \"move\", \"name\": \"Letter\", \"up\": true, \"to\": 2}]",
         "edits.json: edit 1: move takes one of \"up\", \"down\" or \"to\""},
        {"[{\"edit\": \"move\", \"name\": \"Letter\", \"to\": 0}]",
         "edits.json: edit 1: \"to\" must be a position from 1"},
        {"[{\"edit\": \"add-value\", \"kind\": \"size\", \"value\": \"A3\"}]",
         "edits.json: edit 1: \"kind\" must be \"colour\", \"type\" or \"weight\""},
        {"[{\"edit\": \"add\", \"name\": \"N\", \"size\": 1, \"weight\": 90, \"colour\": "
         "\"white\", \"type\": \"plain\", \"sides\": 3}]",
         "edits.json: edit 1: \"sides\" must be 0 (Inserter), 1 (1-Sided) or 2 (1, 2-Sided)"},
        {"[{\"edit\": \"delete\", \"name\": \"Bad\xff\"}]", "edits.json: not JSON: "},
        {"[\"delete Letter\"]", "edits.json: edit 1: an edit is an object"},
    };
    for (const auto& fault : faults) {
        const std::string script = Write("edits.json", fault.script);
        const CliRun run = Run({"apply", script, catalog, "--json"});
        EXPECT_EQ(run.exitCode, 2) << fault.script;
        EXPECT_EQ(run.out, "") << fault.script;
        EXPECT_THAT(run.err, HasSubstr("sheetwise-cli: " + fault.message)) << fault.script;
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
    const std::vector<Stamp> before = Stamps({"first", "second"});
    CliRun run = Run({"apply", script, first, dir.File("second.cat"), "--dry-run"});
    EXPECT_EQ(run.exitCode, 1);  // second has no Tab_Stock to move
    run = Run({"apply", script, first, "--dry-run"});
    EXPECT_EQ(run, (CliRun{0,
                           "--- first.cat\n+++ first.cat (edited)\n"
                           "paper \"Tab_Stock\": moved from 3 to 2\n"
                           "paper \"Letter\": weight 75 -> 160\n",
                           ""}));
    run = Run({"apply", script, first, "--dry-run", "--json"});
    EXPECT_THAT(Compact(run.out),
                ::testing::StartsWith("{\"applied\":true,\"changed\":true,\"dryRun\":true,"));
    EXPECT_THAT(Compact(run.out), HasSubstr("\"written\":false,"));
    EXPECT_EQ(Stamps({"first", "second"}), before);
    (void)second;
}

}  // namespace
}  // namespace sheetwise::testing
