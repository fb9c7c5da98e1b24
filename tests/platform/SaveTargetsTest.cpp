// Where a save writes and with which owner and mode, in folders other users share: links are
// followed only when they and their file are the writer's own, and a new file is never more open
// than the one it replaces.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/FileNotices.h"
#include "platform/SymbolicLinks.h"
#include "support/OtherUser.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using file_faults::Step;
using namespace testing;

bool Save(const std::string& path, std::string_view bytes, FileError* error = nullptr) {
    AtomicFile file(path);
    const bool saved = file.Open() && file.Write(bytes) && file.Commit();
    if (error != nullptr)
        *error = file.error();
    return saved;
}

bool IsLink(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

TEST(SaveTargets, AnOwnLinkIsWrittenThroughAndItsCompanionLiesBesideTheRealFile) {
    TempDir dir;
    mkdir(dir.File("real").c_str(), 0700);
    WriteBytes(dir.File("real/office.cat"), "old");
    ASSERT_EQ(symlink("real/office.cat", dir.File("current.cat").c_str()), 0);
    const std::string large(200000, 'x');  // more than the file layer holds before it writes
    ASSERT_TRUE(Save(dir.File("current.cat"), large));
    EXPECT_TRUE(IsLink(dir.File("current.cat")));
    EXPECT_EQ(ReadBytes(dir.File("real/office.cat")), large);
    EXPECT_EQ(CompanionBesideRealFile(dir.File("current.cat"), ".atr"),
              dir.File("real/office.cat.atr"));
    EXPECT_EQ(CompanionBesideRealFile(dir.File("real/office.cat"), ".atr"),
              dir.File("real/office.cat.atr"));
    // An own link that leads nowhere is replaced by the file, as before.
    ASSERT_EQ(symlink("nowhere", dir.File("dangling.cat").c_str()), 0);
    ASSERT_TRUE(Save(dir.File("dangling.cat"), "file"));
    EXPECT_FALSE(IsLink(dir.File("dangling.cat")));
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock current.cat dangling.cat real ");
}

// In a shared folder another user links a companion's name to a file of the writer's: a save as
// root would overwrite that file. A link, or the file at its end, of another user's is refused.
TEST(SaveTargets, AnotherUsersLinksAndFilesAreRefusedOrWrittenInPlace) {
    SKIP_UNLESS_ROOT();
    TempDir dir;
    chmod(dir.path().c_str(), 01777);
    WriteBytes(dir.File("victim"), "root's own");
    ASSERT_EQ(symlink(dir.File("victim").c_str(), dir.File("new.cat.atr").c_str()), 0);
    ASSERT_EQ(lchown(dir.File("new.cat.atr").c_str(), kNobody, kNobody), 0);
    std::vector<std::string> refused;
    const FileNoticeHandler previous =
        SetFileNoticeHandler([&](FileNotice notice, const std::string& path) {
            if (notice == FileNotice::kForeignLink)
                refused.push_back(path);
        });
    const FileSetResult result =
        WriteFileSet({{dir.File("new.cat"), "papers"}, {dir.File("new.cat.atr"), "lists"}});
    EXPECT_EQ(result.failed, 1u);
    EXPECT_EQ(result.error, FileError::kUnsafeLink);
    EXPECT_EQ(ReadBytes(dir.File("victim")), "root's own");
    EXPECT_EQ(refused, std::vector<std::string>{dir.File("new.cat.atr")});
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock new.cat.atr victim ");
    // The writer's own link to another user's file is refused too.
    WriteBytes(dir.File("theirs"), "nobody's");
    ASSERT_EQ(chown(dir.File("theirs").c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(symlink(dir.File("theirs").c_str(), dir.File("mine.cat").c_str()), 0);
    FileError error;
    EXPECT_FALSE(Save(dir.File("mine.cat"), "root's", &error));
    EXPECT_EQ(error, FileError::kUnsafeLink);
    EXPECT_EQ(ReadBytes(dir.File("theirs")), "nobody's");
    SetFileNoticeHandler(previous);

    // A user who cannot give a new file the old file's group writes it in place, so that the group
    // that may read it stays the same; a file a sticky folder keeps is refused before anything of a
    // set is written, rather than failing at its rename.
    WriteBytes(dir.File("rootgroup.cat"), "old");
    chmod(dir.File("rootgroup.cat").c_str(), 0660);
    ASSERT_EQ(chown(dir.File("rootgroup.cat").c_str(), kNobody, 0), 0);
    WriteBytes(dir.File("set.cat"), "old papers");
    ASSERT_EQ(chown(dir.File("set.cat").c_str(), kNobody, kNobody), 0);
    // Root's, 0644, in a group the other user has: only the sticky bit keeps it from a rename.
    WriteBytes(dir.File("set.cat.atr"), "old lists");
    ASSERT_EQ(chown(dir.File("set.cat.atr").c_str(), 0, kNobody), 0);
    const std::optional<int> asNobody = AsOtherUser([&] {
        const bool inPlace = Save(dir.File("rootgroup.cat"), "new");
        const FileSetResult set = WriteFileSet(
            {{dir.File("set.cat"), "new papers"}, {dir.File("set.cat.atr"), "new lists"}});
        return inPlace && set.failed == 1 && set.error == FileError::kCannotCreate ? 0 : 1;
    });
    EXPECT_EQ(asNobody, 0);
    struct stat info;
    ASSERT_EQ(stat(dir.File("rootgroup.cat").c_str(), &info), 0);
    EXPECT_EQ(ReadBytes(dir.File("rootgroup.cat")), "new");
    EXPECT_EQ(info.st_gid, 0u);
    EXPECT_EQ(info.st_mode & 07777, 0660u);
    EXPECT_EQ(ReadBytes(dir.File("set.cat")), "old papers");
    EXPECT_EQ(ReadBytes(dir.File("set.cat.atr")), "old lists");
}

// The temporary file is made for its owner alone and only then given the target's group and mode
// (or, when new, the mode asked for less the umask); if that fails, so does the save.
TEST(SaveTargets, TemporariesGetTheTargetsModeAndGroupOrTheSaveFails) {
    TempDir dir;
    WriteBytes(dir.File("group.cat"), "old");
    chmod(dir.File("group.cat").c_str(), 0640);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(dir.File("group.cat").c_str(), 0, kNobody), 0);
    }
    ASSERT_TRUE(Save(dir.File("group.cat"), "new"));
    EXPECT_EQ(ModeOf(dir.File("group.cat")), 0640u);
    struct stat info;
    ASSERT_EQ(stat(dir.File("group.cat").c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, geteuid() == 0 ? kNobody : getegid());
    const mode_t previous = umask(027);
    ASSERT_TRUE(Save(dir.File("new.cat"), "new"));
    umask(previous);
    EXPECT_EQ(ModeOf(dir.File("new.cat")), 0640u);
    file_faults::FailAt(Step::kPermissions, 1);
    FileError error;
    EXPECT_FALSE(Save(dir.File("group.cat"), "newer", &error));
    file_faults::Clear();
    EXPECT_EQ(error, FileError::kWriteFailed);
    EXPECT_EQ(ReadBytes(dir.File("group.cat")), "new");
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock group.cat new.cat ");
}

}  // namespace
}  // namespace sheetwise
