// A lock another process holds makes a command give up after --wait and say who holds it.
#include "CliTestSupport.h"
#include "platform/CatalogWriteLock.h"
#include "support/HoldingProcess.h"

namespace sheetwise::testing {
namespace {

using CliLockTest = CliTest;

TEST_F(CliLockTest, AHeldLockEndsTheCommandAfterWaitWithTheHolderNamed) {
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
    ExpectFailure({"convert", catalog, "--out", dir.File("new.cat"), "--wait", "0.2"}, 2,
                  {"sheetwise-cli: .sheetwise.lock: gave up waiting for the lock after 0.2 "
                   "seconds: " +
                   process});
    EXPECT_EQ(ListFolder(dir.path()).find("new."), std::string::npos);
    // A longer wait says that it waits, and for whom, before it gives up.
    RunExpecting({"check", catalog, "--wait", "1.3"}, 2,
                 {"sheetwise-cli: warning: .sheetwise.lock: waiting up to 1.3 seconds for the "
                  "lock, which " +
                  process});
    holder.LetGo();
    EXPECT_EQ(Run({"convert", catalog, "--out", dir.File("new.cat"), "--wait", "0"}).exitCode, 0);
}

}  // namespace
}  // namespace sheetwise::testing
