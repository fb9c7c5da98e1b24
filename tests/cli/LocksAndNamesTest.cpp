// The tool against the file layer: a lock another process holds makes a command give up after
// --wait and say who holds it; file names given in any bytes are written under those bytes.
#include <sys/wait.h>

#include <cstdlib>

#include "CliTestSupport.h"
#include "platform/CatalogWriteLock.h"
#include "support/HoldingProcess.h"

namespace sheetwise::testing {
namespace {

class CliLocksAndNamesTest : public CliTest {};

TEST_F(CliLocksAndNamesTest, AHeldLockEndsTheCommandAfterWaitWithTheHolderNamed) {
    for (const char* wrong : {"x", "-1", "1e3", "90000", ""}) {
        const CliRun run = Run({"show", "a.cat", "--wait", wrong});
        EXPECT_EQ(run.exitCode, 2) << wrong;
        EXPECT_THAT(run.err, ::testing::StartsWith("sheetwise-cli: --wait needs")) << wrong;
    }
    const std::string catalog = WriteCatalog("a", "H:Letter\n" + std::string(kPapers));
    { const CatalogWriteLock makesTheLockFile(catalog); }
    HoldingProcess holder(dir.File(kLockFileName));
    ASSERT_TRUE(holder.locked());
    const std::string process = "process " + std::to_string(holder.pid());
    const CliRun convert = Run({"convert", catalog, "--out", dir.File("new.cat"), "--wait", "0.2"});
    EXPECT_EQ(convert.exitCode, 2);
    EXPECT_THAT(convert.err, HasSubstr("sheetwise-cli: .sheetwise.lock: gave up waiting for the "
                                       "lock after 0.2 seconds: " +
                                       process));
    EXPECT_EQ(ListFolder(dir.path()).find("new."), std::string::npos);
    // A longer wait says that it waits, and for whom, before it gives up.
    const CliRun check = Run({"check", catalog, "--wait", "1.3"});
    EXPECT_EQ(check.exitCode, 2);
    EXPECT_THAT(check.err, HasSubstr("sheetwise-cli: warning: .sheetwise.lock: waiting up to 1.3 "
                                     "seconds for the lock, which " +
                                     process));
    holder.LetGo();
    EXPECT_EQ(Run({"convert", catalog, "--out", dir.File("new.cat"), "--wait", "0"}).exitCode, 0);
}

// Qt decodes the arguments of main() through the locale, which made a byte that is no UTF-8 a
// U+FFFD; a backslash made a folder. The executable takes its arguments as bytes.
TEST_F(CliLocksAndNamesTest, TheExecutableWritesUnderTheVeryBytesItIsGiven) {
    const std::string catalog = WriteCatalog("a", "H:Letter\n" + std::string(kPapers));
    for (const std::string name : {"plain.cat", "new\xFF.cat", "sub\\x.cat"}) {
        const std::string command = "'" SHEETWISE_CLI_EXECUTABLE "' convert '" + catalog +
                                    "' --out '" + dir.File(name) + "' 2>'" + dir.File("err") + "'";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadBytes(dir.File("err"));
        EXPECT_EQ(Read(name), Read("plain.cat")) << name;
        EXPECT_EQ(Read(name + ".atr"), Read("plain.cat.atr")) << name;
    }
    EXPECT_EQ(ListFolder(dir.path()),
              ".sheetwise.lock a.DEF a.cat a.cat.atr err new\xFF.cat new\xFF.cat.atr new\xFF.def "
              "plain.cat plain.cat.atr plain.def sub\\x.cat sub\\x.cat.atr sub\\x.def ");
}

}  // namespace
}  // namespace sheetwise::testing
