// A catalog and its attribute file as a set, as the editor saves and opens them: never one new
// beside the other old, whatever fails or ends the save, and never read while a save replaces
// them. Each step of the replacement fails in the file layer's own tests; here, that a save says
// so with its status and leaves the previous files whole.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "model/CatalogFixture.h"
#include "model/CatalogSet.h"
#include "model/CompanionFiles.h"
#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "support/HoldingProcess.h"
#include "support/OtherUser.h"

namespace sheetwise {
namespace {

using file_faults::Step;
using namespace testing;

class CatalogSetSafetyTest : public CatalogTest {
  protected:
    // The catalog with a paper and a colour the file does not have yet.
    PaperCatalog Edited() {
        PaperCatalog catalog = Load("H:A\nA:1:75:white:plain\n");
        EXPECT_TRUE(catalog.AddPaper(u"B", 1, u"mauve", 90, u"plain", 1, 0));
        catalog.AddAttributeValue(kColours, u"mauve");
        return catalog;
    }

    // "old", "new" or what is mixed, as a fresh open reads the set.
    std::string Reopened() {
        const PaperCatalog catalog = LoadExisting("test.cat");
        const bool newPapers = catalog.PaperCount() == 2;
        const bool newLists = catalog.GetAttributeList(kColours).back() == u"mauve";
        if (newPapers == newLists)
            return newPapers ? "new" : "old";
        return newPapers ? "new papers, old lists" : "old papers, new lists";
    }
};

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

// A read-only attribute file, or a failure at any step of the save, leaves both files as they
// were: never a new catalog beside an old attribute file. A kill between the renames is
// completed by the open that follows.
TEST_F(CatalogSetSafetyTest, ACatalogSetIsSavedWholeOrNotAtAll) {
    PaperCatalog catalog = Edited();
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
    // The second rename failing: the first is rolled back.
    file_faults::FailAt(Step::kRename, 2);
    EXPECT_EQ(SaveCatalogSet(catalog, dir.Wide("test.cat")), CatalogSetResult::kAttributesNotSaved);
    file_faults::Clear();
    EXPECT_EQ(catalog.status(), kStatusWriteError);
    expectUntouched("second rename");
    ASSERT_EQ(InChild([&] {
                  file_faults::CrashAt(Step::kRename, 2);
                  SaveCatalogSet(catalog, dir.Wide("test.cat"));
                  return 0;
              }),
              file_faults::kCrashExitCode);
    EXPECT_EQ(Reopened(), "new");
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock test.DEF test.cat test.cat.atr ");
    ASSERT_EQ(SaveCatalogSet(catalog, dir.Wide("test.cat")), CatalogSetResult::kSaved);
    const PaperCatalog saved = LoadExisting("test.cat");
    EXPECT_EQ(saved.status(), kStatusOk);
    EXPECT_EQ(saved.GetColour(1), u"mauve");
    EXPECT_EQ(saved.GetAttributeList(kColours).back(), u"mauve");
}

// Readers take the shared side of the folder's lock: a save in progress (here another process
// that holds the lock) keeps them out, and one that never ends makes the open fail, not hang.
TEST_F(CatalogSetSafetyTest, AnOpenWaitsForASaveInProgressAndGivesUpAfterTheTimeOut) {
    PaperCatalog catalog = Edited();
    ASSERT_EQ(SaveCatalogSet(catalog, dir.Wide("test.cat")), CatalogSetResult::kSaved);
    testing::HoldingProcess saver(dir.File(kLockFileName));
    ASSERT_TRUE(saver.locked());
    LockWaitPolicy policy;
    policy.timeout = std::chrono::milliseconds(200);
    {
        const ScopedLockWaitPolicy scope(policy);
        const PaperCatalog waiting = LoadExisting("test.cat");
        EXPECT_EQ(waiting.status(), kStatusCatalogCannotOpen);
        EXPECT_EQ(Names(waiting), u"Letter ");
        EXPECT_EQ(SaveCatalogSet(catalog, dir.Wide("test.cat")),
                  CatalogSetResult::kCatalogNotSaved);
        EXPECT_EQ(catalog.status(), kStatusCatalogCannotOpen);
    }
    saver.LetGo();
    EXPECT_EQ(Reopened(), "new");
}

// The attribute file is the one beside the catalog's file, where the save writes it too; a copy
// beside the link would pair the new catalog with an old attribute file in the link's target.
TEST_F(CatalogSetSafetyTest, ACatalogReachedThroughALinkKeepsItsAttributeFileBesideItsFile) {
    Edited();
    mkdir(dir.File("elsewhere").c_str(), 0700);
    ASSERT_EQ(symlink(dir.File("test.cat").c_str(), dir.File("elsewhere/link.cat").c_str()), 0);
    EXPECT_EQ(CompanionAttributePath(dir.Wide("elsewhere/link.cat")), dir.Wide("test.cat.atr"));
    testing::WriteBytes(dir.File("elsewhere/link.DEF"), testing::kSizes);
    PaperCatalog linked = LoadExisting("elsewhere/link.cat");
    ASSERT_EQ(linked.status(), kStatusOk);
    linked.AddAttributeValue(kColours, u"mauve");
    ASSERT_EQ(SaveCatalogSet(linked, dir.Wide("elsewhere/link.cat")), CatalogSetResult::kSaved);
    EXPECT_EQ(ListFolder(dir.File("elsewhere")), "link.DEF link.cat ");
    EXPECT_NE(ReadBytes(dir.File("test.cat.atr")).find("mauve"), std::string::npos);
    EXPECT_EQ(LoadExisting("elsewhere/link.cat").GetAttributeList(kColours).back(), u"mauve");
}

// Papers cost memory beyond their file's bytes; where a process may use less than a catalog needs,
// the open fails with a status instead of ending the program.
TEST_F(CatalogSetSafetyTest, ACatalogTooLargeForTheMemoryAtHandLoadsWithStatus7) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    std::string papers = "H:P0\n";
    for (int i = 0; i < 200000; ++i)
        papers += "P" + std::to_string(i) + ":1:75:white:plain:2:0\n";
    Load(papers);
    const int result = InChild([&] {
        std::ifstream status("/proc/self/status");
        long long virtualKb = 0;
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmSize:", 0) == 0)
                virtualKb = std::stoll(line.substr(7));
        }
        // Room for the file's bytes (6 MB), not for 200,000 papers (27 MB).
        const rlim_t limit = static_cast<rlim_t>(virtualKb + 12 * 1024) * 1024;
        const struct rlimit bound = {limit, limit};
        if (setrlimit(RLIMIT_AS, &bound) != 0)
            return 2;
        const PaperCatalog catalog = LoadExisting("test.cat");
        return catalog.status() == kStatusCatalogReadError && catalog.PaperCount() == 1 ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace sheetwise
