#include <sys/stat.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/MemoryHints.h"
#include "platform/NativePath.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::ListFolder;
using testing::ModeOf;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(NativePath, FindsFilesWhateverTheirLetterCaseTheExactNameFirst) {
    TempDir dir;
    WriteBytes(dir.File("office.cat"), "x");
    WriteBytes(dir.File("Büro.DEF"), "x");
    EXPECT_EQ(ToNativePath(dir.Wide("OFFICE.CAT")), dir.File("office.cat"));
    EXPECT_EQ(ToNativePath(dir.Wide("büro.def")), dir.File("Büro.DEF"));
    // Only A to Z fold: "Ü" is not "ü".
    EXPECT_EQ(ToNativePath(dir.Wide("BÜRO.DEF")), dir.File("BÜRO.DEF"));
    // A backslash is a byte of a name like any other, no folder separator; a new file keeps its
    // name.
    std::u16string windowsStyle = dir.Wide("New.cat");
    windowsStyle[windowsStyle.rfind(u'/')] = u'\\';
    EXPECT_EQ(ToNativePath(windowsStyle), dir.path() + "\\New.cat");
    EXPECT_EQ(ToNativePath(dir.Wide("New.cat")), dir.File("New.cat"));
    // Of several cases, the exact name wins, then the first in byte order.
    WriteBytes(dir.File("a.def"), "lower");
    WriteBytes(dir.File("A.DEF"), "upper");
    EXPECT_EQ(ResolveNameCase(dir.File("A.DEF")), dir.File("A.DEF"));
    EXPECT_EQ(ResolveNameCase(dir.File("a.def")), dir.File("a.def"));
    EXPECT_EQ(ResolveNameCase(dir.File("A.def")), dir.File("A.DEF"));
}

// The hint only maps pages in: whatever the buffer holds, inside and around the range, stays.
TEST(MemoryHints, PrefaultingKeepsTheContents) {
    std::vector<unsigned char> buffer(1 << 20);
    for (size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<unsigned char>(i * 7 + 1);
    const std::vector<unsigned char> before = buffer;
    PrefaultForWriting(buffer.data() + 123, buffer.size() - 4567);
    EXPECT_EQ(buffer, before);
}

// Written through a symbolic link, which stays a link.
TEST(AtomicFile, ReplacesTheFileAndKeepsItsPermissions) {
    TempDir dir;
    const std::string target = dir.File("catalog.cat");
    WriteBytes(target, "old content");
    chmod(target.c_str(), 0640);
    ASSERT_EQ(symlink(target.c_str(), dir.File("link.cat").c_str()), 0);
    AtomicFile file(dir.File("link.cat"));
    ASSERT_TRUE(file.Open());
    EXPECT_EQ(ReadBytes(target), "old content");  // untouched until the commit
    ASSERT_TRUE(file.Write(std::string(200000, 'x')));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(target), std::string(200000, 'x'));
    EXPECT_EQ(ModeOf(target), 0640u);
    struct stat info;
    lstat(dir.File("link.cat").c_str(), &info);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock catalog.cat link.cat ");
}

TEST(AtomicFile, ReadOnlyTargetMissingFolderOrAbandonedFileWritesNothing) {
    TempDir dir;
    const std::string target = dir.File("locked.cat");
    WriteBytes(target, "keep");
    chmod(target.c_str(), 0444);
    AtomicFile locked(target);
    EXPECT_FALSE(locked.Open());
    EXPECT_EQ(locked.error(), AtomicFile::Error::kCannotCreate);
    AtomicFile nowhere(dir.File("missing/new.cat"));
    EXPECT_FALSE(nowhere.Open());
    {
        AtomicFile abandoned(dir.File("new.cat"));
        ASSERT_TRUE(abandoned.Open());
        abandoned.Write("half");
    }
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock locked.cat ");
}

TEST(AtomicFile, EveryFailingStepKeepsTheOldFileAndLeavesNoTemporary) {
    using file_faults::Step;
    for (Step step : {Step::kWrite, Step::kFlush, Step::kSync, Step::kClose, Step::kRename}) {
        TempDir dir;
        const std::string target = dir.File("catalog.cat");
        WriteBytes(target, "previous");
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        file_faults::FailAt(step, 1);
        const bool committed = file.Write("replacement") && file.Commit();
        file_faults::Clear();
        EXPECT_FALSE(committed) << static_cast<int>(step);
        EXPECT_EQ(file.error(), AtomicFile::Error::kWriteFailed);
        EXPECT_EQ(ReadBytes(target), "previous");
        EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock catalog.cat ");
    }
}

}  // namespace
}  // namespace sheetwise
