// A set of files written whole or not at all, whatever fails or ends the process at any step of
// its commit: the next reader or writer sees the whole old set or the whole new one.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "platform/FileNotices.h"
#include "support/OtherUser.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using file_faults::Step;
using namespace testing;

constexpr Step kEveryStep[] = {Step::kWrite,  Step::kFlush,  Step::kSync,   Step::kClose,
                               Step::kRename, Step::kIntent, Step::kBackup, Step::kPermissions};

class SetCommitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(dir.File("a.cat"), "old catalog");
        WriteBytes(dir.File("a.cat.atr"), "old lists");
    }
    void TearDown() override { file_faults::Clear(); }

    FileSetResult Save() {
        return WriteFileSet(
            {{dir.File("a.cat"), "new catalog"}, {dir.File("a.cat.atr"), "new lists"}});
    }

    // The old set again, and a save of the new one whose step fails the n-th time it comes.
    FileSetResult SaveFailing(Step step, int n) {
        SetUp();
        file_faults::FailAt(step, n);
        const FileSetResult result = Save();
        file_faults::Clear();
        return result;
    }

    // "old" or "new" for a whole set, anything else says what is mixed.
    std::string SetOnDisk() const {
        const std::string catalog = ReadBytes(dir.File("a.cat"));
        const std::string lists = ReadBytes(dir.File("a.cat.atr"));
        if (catalog == "old catalog" && lists == "old lists")
            return "old";
        if (catalog == "new catalog" && lists == "new lists")
            return "new";
        return "mixed: " + catalog + " / " + lists;
    }

    // What a reader does before it reads: take the shared side, which settles an interrupted set.
    void Reopen() const { const CatalogReadLock reader(dir.File("a.cat")); }

    std::string CleanFolder() const { return std::string(kLockFileName) + " a.cat a.cat.atr "; }

    TempDir dir;
};

TEST_F(SetCommitTest, AFailureAtAnyStepLeavesTheOldSetAndIsReportedAsWhatHappened) {
    for (const Step step : kEveryStep) {
        for (int n = 1; n <= 3; ++n) {
            SCOPED_TRACE(::testing::Message()
                         << "step " << static_cast<int>(step) << ", time " << n);
            const FileSetResult result = SaveFailing(step, n);
            Reopen();
            // Where the fault never came, the set was saved.
            const bool failed = result.error != FileError::kNone;
            EXPECT_EQ(SetOnDisk(), failed ? "old" : "new");
            EXPECT_TRUE(!failed || (result.failed < 2 && !result.unsettled));
            EXPECT_EQ(ListFolder(dir.path()), CleanFolder());
        }
    }
    // The second rename failing was what left a new catalog beside old lists.
    const FileSetResult result = SaveFailing(Step::kRename, 2);
    EXPECT_EQ(result.failed, 1u);
    EXPECT_EQ(result.error, FileError::kWriteFailed);
    EXPECT_EQ(SetOnDisk(), "old");
}

// A disk that keeps failing fails the rollback too: the intent record stays, the files may be
// mixed for now, and whoever opens the folder next completes the set.
TEST_F(SetCommitTest, ASetThatCannotBeRolledBackIsSettledByTheNextReaderOrWriter) {
    std::vector<FileNotice> notices;
    const FileNoticeHandler previous = SetFileNoticeHandler(
        [&](FileNotice notice, const std::string&) { notices.push_back(notice); });
    const auto last = [&] {
        return notices.empty() ? std::nullopt : std::optional<FileNotice>(notices.back());
    };
    for (const bool reader : {true, false}) {
        SetUp();
        file_faults::FailFrom(Step::kRename, 2);
        const FileSetResult result = Save();
        file_faults::Clear();
        EXPECT_EQ(result.failed, 1u);
        EXPECT_TRUE(result.unsettled);
        EXPECT_EQ(last(), FileNotice::kSetStuck);
        EXPECT_EQ(ReadBytes(dir.File("a.cat")), "new catalog");
        if (reader) {
            Reopen();
        } else {
            // A writer of another file of the folder settles the set before its own save.
            ASSERT_EQ(WriteFileSet({{dir.File("other.cat"), "x"}}).error, FileError::kNone);
            unlink(dir.File("other.cat").c_str());
        }
        EXPECT_EQ(SetOnDisk(), "new") << reader;
        EXPECT_EQ(last(), FileNotice::kSetCompleted);
        EXPECT_EQ(ListFolder(dir.path()), CleanFolder());
    }
    SetFileNoticeHandler(previous);
}

// A kill at any step: a child process ends right there, and the parent opens the folder.
TEST_F(SetCommitTest, AKillAtAnyStepIsCompletedOrRolledBackByTheNextOpener) {
    const FileNoticeHandler previous = SetFileNoticeHandler(nullptr);
    for (const Step step :
         {Step::kWrite, Step::kSync, Step::kBackup, Step::kIntent, Step::kRename}) {
        for (int n = 1; n <= 2; ++n) {
            SCOPED_TRACE(::testing::Message()
                         << "step " << static_cast<int>(step) << ", time " << n);
            SetUp();
            const int exit = InChild([&] {
                file_faults::CrashAt(step, n);
                return Save().error == FileError::kNone ? 0 : 1;
            });
            ASSERT_TRUE(exit == 0 || exit == file_faults::kCrashExitCode);
            Reopen();
            // Killed between the renames: staged and recorded, the set is completed.
            const bool staged = step == Step::kRename && n == 2;
            EXPECT_TRUE(SetOnDisk() == "new" || (SetOnDisk() == "old" && !staged)) << SetOnDisk();
            // Leftovers of the killed save (staged files before the record) go with the next
            // save of the same file, not with a reader.
            ASSERT_EQ(Save().error, FileError::kNone);
            EXPECT_EQ(ListFolder(dir.path()), CleanFolder());
        }
    }
    SetFileNoticeHandler(previous);
}

// The next save once destroyed the staged attribute file that would have completed a set: it
// removed every temporary file of its targets. Now it settles the set first.
TEST_F(SetCommitTest, TheNextSaveCompletesAnInterruptedSetBeforeItsOwn) {
    ASSERT_EQ(InChild([&] {
                  file_faults::CrashAt(Step::kRename, 2);
                  Save();
                  return 0;
              }),
              file_faults::kCrashExitCode);
    EXPECT_NE(ListFolder(dir.path()).find(IntentRecordName()), std::string::npos);
    ASSERT_EQ(WriteFileSet({{dir.File("a.cat"), "third catalog"}}).error, FileError::kNone);
    EXPECT_EQ(ReadBytes(dir.File("a.cat")), "third catalog");
    EXPECT_EQ(ReadBytes(dir.File("a.cat.atr")), "new lists");
    EXPECT_EQ(ListFolder(dir.path()), CleanFolder());
}

// A record cut short was being written: no rename had begun, and the set is left as it is. A
// record of another user's is never acted on, since it could name any file of the folder.
TEST_F(SetCommitTest, OnlyAWholeRecordOfTheUsersOwnIsActedOn) {
    WriteBytes(dir.File(".a.cat.tmp1-2"), "staged catalog");
    WriteBytes(dir.File(IntentRecordName()), "sheetwise intent 1\n2e612e636174");
    Reopen();
    EXPECT_EQ(SetOnDisk(), "old");
    EXPECT_EQ(ListFolder(dir.path()).find(IntentRecordName()), std::string::npos);
    if (geteuid() != 0)
        GTEST_SKIP() << "a record of another user's needs root to be made";
    // A complete record, but another user's: it would rename its staged file over a.cat.
    ASSERT_EQ(InChild([&] {
                  file_faults::CrashAt(Step::kRename, 1);
                  Save();
                  return 0;
              }),
              file_faults::kCrashExitCode);
    const std::string record = dir.File(IntentRecordName());
    ASSERT_EQ(chown(record.c_str(), testing::kNobody, testing::kNobody), 0);
    Reopen();
    ASSERT_EQ(WriteFileSet({{dir.File("other.cat"), "x"}}).error, FileError::kNone);
    EXPECT_EQ(SetOnDisk(), "old");
    EXPECT_NE(ListFolder(dir.path()).find(IntentRecordName()), std::string::npos);
}

// Files written in place (a folder that takes no new file) keep their old bytes until the whole
// set is written: the second failing puts the first back.
TEST_F(SetCommitTest, FilesWrittenInPlaceAreAllPutBackWhenOneFails) {
    chmod(dir.path().c_str(), 0555);
    for (int n = 1; n <= 4; ++n) {
        const FileSetResult result = SaveFailing(Step::kSync, n);
        EXPECT_EQ(SetOnDisk(), result.error == FileError::kNone ? "new" : "old") << n;
    }
    EXPECT_EQ(SaveFailing(Step::kSync, 2).failed, 1u);
    EXPECT_EQ(SetOnDisk(), "old");
    EXPECT_EQ(ListFolder(dir.path()), "a.cat a.cat.atr ");
}

}  // namespace
}  // namespace sheetwise
