// The lock of a catalog's folder: writers one at a time, readers never during a save, every wait
// bounded, and nobody who may only read the folder able to take it.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/CatalogWriteLock.h"
#include "support/HoldingProcess.h"
#include "support/OtherUser.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using State = FolderLock::State;
using namespace testing;

std::string LockFile(const TempDir& dir) {
    return dir.File(kLockFileName);
}

// Another program's attempt at the lock, through an open file description of its own.
bool OthersMay(const TempDir& dir, int operation) {
    const int fd = open(LockFile(dir).c_str(), O_RDWR);
    if (fd < 0)
        return true;
    const bool free = flock(fd, operation | LOCK_NB) == 0;
    close(fd);
    return free;
}

TEST(FolderLock, WritersTakeTurnsReadersShareAndInnerGuardsFollowTheOuterOne) {
    TempDir dir;
    {
        // Readers make no lock file: a folder nobody wrote stays as it was.
        const CatalogReadLock reader(dir.File("a.cat"));
        EXPECT_EQ(reader.state(), State::kUnavailable);
        EXPECT_FALSE(reader.WriterAppeared());
        EXPECT_EQ(ListFolder(dir.path()), "");
        const CatalogWriteLock writer(dir.File("b.cat"));
        EXPECT_TRUE(reader.WriterAppeared());  // what the reader read may be half a first save
    }
    {
        const CatalogWriteLock outer(dir.File("a.cat"));
        EXPECT_TRUE(outer.held());
        {
            const CatalogWriteLock inner(dir.File("a.cat.atr"));
            const CatalogReadLock reading(dir.File("a.cat"));
            EXPECT_TRUE(inner.held() && reading.held());
        }
        EXPECT_FALSE(OthersMay(dir, LOCK_SH));  // the outer guard still holds it
    }
    EXPECT_TRUE(OthersMay(dir, LOCK_EX));
    {
        const CatalogReadLock reader(dir.File("a.cat"));
        EXPECT_TRUE(reader.held());
        EXPECT_TRUE(OthersMay(dir, LOCK_SH));
        EXPECT_FALSE(OthersMay(dir, LOCK_EX));
    }
    AtomicFile file(dir.File("a.cat"));
    ASSERT_TRUE(file.Open());
    EXPECT_FALSE(OthersMay(dir, LOCK_SH));
    file.Write("x");
    ASSERT_TRUE(file.Commit());
    EXPECT_TRUE(OthersMay(dir, LOCK_EX));
    EXPECT_EQ(ListFolder(dir.path()), std::string(kLockFileName) + " a.cat ");
}

// Whoever may write the folder may take the lock; nothing else is made or followed.
TEST(FolderLock, TheLockFileIsWritableByTheFoldersWritersAndNeverALinkOrFifo) {
    TempDir dir;
    const struct {
        const char* folder;
        mode_t mode;
        mode_t lockMode;
    } cases[] = {{"own", 0755, 0600}, {"group", 0775, 0660}, {"shared", 01777, 0666}};
    for (const auto& each : cases) {
        const std::string folder = dir.File(each.folder);
        mkdir(folder.c_str(), 0700);
        chmod(folder.c_str(), each.mode);
        { const CatalogWriteLock lock(folder + "/x.cat"); }
        EXPECT_EQ(ModeOf(folder + "/" + kLockFileName), each.lockMode) << each.folder;
    }
    // A folder that takes no new file gets no lock file; its writers go ahead unserialised.
    const std::string sealed = dir.File("sealed");
    mkdir(sealed.c_str(), 0555);
    EXPECT_EQ(CatalogWriteLock(sealed + "/x.cat").state(), State::kUnavailable);
    EXPECT_EQ(ListFolder(sealed), "");
    // A link planted at the lock file's name leads nowhere the lock would touch.
    const std::string planted = dir.File("planted");
    mkdir(planted.c_str(), 0700);
    testing::WriteBytes(dir.File("victim"), "keep");
    ASSERT_EQ(symlink(dir.File("victim").c_str(), (planted + "/" + kLockFileName).c_str()), 0);
    EXPECT_EQ(CatalogWriteLock(planted + "/x.cat").state(), State::kUnavailable);
    EXPECT_EQ(testing::ReadBytes(dir.File("victim")), "keep");
    const std::string fifo = dir.File("fifo");
    mkdir(fifo.c_str(), 0700);
    ASSERT_EQ(mkfifo((fifo + "/" + kLockFileName).c_str(), 0666), 0);
    EXPECT_EQ(CatalogWriteLock(fifo + "/x.cat").state(), State::kUnavailable);
}

TEST(FolderLock, AWaitEndsAtItsTimeOutOrWhenCancelledAndTellsWhoHoldsTheLock) {
    TempDir dir;
    { const CatalogWriteLock makesTheFile(dir.File("a.cat")); }
    testing::WriteBytes(dir.File("a.cat"), "old");
    std::vector<LockWaitStatus> gaveUp;
    std::vector<bool> cancelled;
    int reports = 0;
    LockWaitPolicy policy;
    policy.timeout = std::chrono::milliseconds(300);
    policy.gaveUp = [&](const LockWaitStatus& status, bool wasCancelled) {
        gaveUp.push_back(status);
        cancelled.push_back(wasCancelled);
    };
    {
        const testing::HoldingProcess holder(LockFile(dir));
        ASSERT_TRUE(holder.locked());
        {
            const ScopedLockWaitPolicy scope(policy);
            const CatalogWriteLock lock(dir.File("a.cat"));
            EXPECT_EQ(lock.state(), State::kTimedOut);
            EXPECT_TRUE(lock.gaveUp());
            // Guards inside a wait that gave up give up at once, without a wait of their own.
            const CatalogWriteLock inner(dir.File("a.cat.atr"));
            EXPECT_EQ(inner.state(), State::kTimedOut);
        }
        ASSERT_EQ(gaveUp.size(), 1u);
        const LockHolder& who = gaveUp[0].holder;
        EXPECT_EQ(std::tuple(cancelled[0], gaveUp[0].lockFile, who.known, who.pid, who.uid),
                  std::tuple(false, LockFile(dir), true, holder.pid(), geteuid()));
        EXPECT_NE(who.Describe().find("process " + std::to_string(holder.pid())),
                  std::string::npos);
        // A save that cannot have the lock writes nothing and says why.
        {
            const ScopedLockWaitPolicy scope(policy);
            AtomicFile file(dir.File("a.cat"));
            EXPECT_FALSE(file.Open());
            EXPECT_EQ(file.error(), AtomicFile::Error::kLocked);
        }
        EXPECT_EQ(testing::ReadBytes(dir.File("a.cat")), "old");
        // The window's progress dialog: asked while waiting, its cancel ends the wait.
        policy.timeout = std::chrono::minutes(10);
        policy.stillWaiting = [&](const LockWaitStatus& status) {
            EXPECT_EQ(status.holder.pid, holder.pid());
            return ++reports < 2;
        };
        const ScopedLockWaitPolicy scope(policy);
        const CatalogReadLock reader(dir.File("a.cat"));
        EXPECT_EQ(reader.state(), State::kCancelled);
        EXPECT_EQ(reports, 2);
        EXPECT_TRUE(cancelled.back());
    }
    // Once the holder is gone the default policy has the lock at once.
    EXPECT_TRUE(CatalogWriteLock(dir.File("a.cat")).held());
}

// flock takes any descriptor, so a lock on a file everybody may read would let anybody stop
// every save. The lock file is opened for writing: a user who may only read cannot hold it.
TEST(FolderLock, AUserWhoMayOnlyReadTheFolderCannotHoldTheLock) {
    SKIP_UNLESS_ROOT();
    TempDir dir;
    chmod(dir.path().c_str(), 0755);
    { const CatalogWriteLock makesTheFile(dir.File("a.cat")); }
    // Even a lock file that others may read (made by an older program, or by hand).
    chmod(LockFile(dir).c_str(), 0644);
    const std::optional<int> result = AsOtherUser([&] {
        const int fd = open(LockFile(dir).c_str(), O_RDONLY);
        const CatalogReadLock reader(dir.File("a.cat"));
        const CatalogWriteLock writer(dir.File("a.cat"));
        return fd >= 0 && reader.state() == State::kUnavailable &&
                       writer.state() == State::kUnavailable
                   ? 0
                   : 1;
    });
    EXPECT_EQ(result, 0);
}

// In a shared folder with the sticky bit another user may make the lock file before anybody
// else and hold it; nobody can remove it there. Their lock stops no save and no read.
TEST(FolderLock, ALockFileAnotherUserPlantedInAStickyFolderStopsNothing) {
    SKIP_UNLESS_ROOT();
    TempDir dir;
    chmod(dir.path().c_str(), 01777);
    const std::optional<int> planted = AsOtherUser([&] {
        const int fd = open(LockFile(dir).c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
        return fd >= 0 && fchmod(fd, 0666) == 0 ? 0 : 1;
    });
    ASSERT_EQ(planted, 0);
    const testing::HoldingProcess holder(LockFile(dir));
    ASSERT_TRUE(holder.locked());
    LockWaitPolicy policy;
    policy.timeout = std::chrono::milliseconds(200);
    const ScopedLockWaitPolicy scope(policy);
    EXPECT_EQ(CatalogWriteLock(dir.File("a.cat")).state(), State::kUnavailable);
    EXPECT_EQ(CatalogReadLock(dir.File("a.cat")).state(), State::kUnavailable);
    AtomicFile file(dir.File("a.cat"));
    ASSERT_TRUE(file.Open());
    EXPECT_TRUE(file.Write("new") && file.Commit());
    EXPECT_EQ(testing::ReadBytes(dir.File("a.cat")), "new");
    // Without the sticky bit whoever may write the folder is a writer, and is waited for.
    chmod(dir.path().c_str(), 0777);
    EXPECT_EQ(CatalogWriteLock(dir.File("a.cat")).state(), State::kTimedOut);
}

}  // namespace
}  // namespace sheetwise
