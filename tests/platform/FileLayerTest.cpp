// The file layer: names found whatever their letter case and whatever bytes they hold, files
// replaced whole or not at all, copies that appear whole or not at all, files that are not files,
// folders that take no new file, long names and leftovers of killed saves.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <random>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/MemoryHints.h"
#include "platform/NativePath.h"
#include "platform/TemporaryNames.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using file_faults::Step;
using namespace testing;

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

TEST(AtomicFile, EveryFailingStepOrReadOnlyTargetKeepsTheOldFileAndLeavesNoTemporary) {
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

    // A read-only target, a missing folder or an abandoned file writes nothing.
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

TEST(NativeNames, EveryByteSequenceSurvivesTheTripAndNamesAFileFoundAndWrittenUnderIt) {
    std::mt19937 random(25);
    for (int i = 0; i < 20000; ++i) {
        std::string bytes(random() % 12, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 4 == 0 ? random() % 0x80 : 0x80 + random() % 0x80);
        ASSERT_EQ(NativeFromWide(WideFromNative(bytes)), bytes);
    }
    // UTF-8 becomes its characters; a byte that is no UTF-8 one of U+DC80..U+DCFF, and so is each
    // byte of an encoded surrogate or an overlong form, which UTF-8 does not allow.
    EXPECT_EQ(WideFromNative("a\xC3\xA9\xF0\x9F\x98\x80"), u"a\u00E9\U0001F600");
    EXPECT_EQ(WideFromNative("caf\xE9.cat"), (std::u16string{u'c', u'a', u'f', 0xDCE9} + u".cat"));
    EXPECT_EQ(WideFromNative("\xED\xB2\x80\xC0\xAF"),
              (std::u16string{0xDCED, 0xDCB2, 0xDC80, 0xDCC0, 0xDCAF}));
    // A lone surrogate no name gives is no byte either.
    EXPECT_EQ(NativeFromWide(std::u16string{0xD800, u'x', 0xDC7F}), "\xEF\xBF\xBDx\xEF\xBF\xBD");

    // A file whose name is no UTF-8 is found and written under that name.
    TempDir dir;
    const std::string existing = dir.File("caf\xE9.CAT");
    WriteBytes(existing, "x");
    EXPECT_EQ(ToNativePath(WideFromNative(dir.File("caf\xE9.cat"))), existing);
    AtomicFile file(ToNativePath(WideFromNative(dir.File("new\xFF\x1B.cat"))));
    ASSERT_TRUE(file.Open());
    file.Write("y");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock caf\xE9.CAT new\xFF\x1B.cat ");
}

// Runs read() on a FIFO that no program writes to. An open that waited for a writer would never
// return; after a generous bound the test lets it through (and fails) instead of hanging.
template <class Read>
auto WithoutWriter(const std::string& fifo, Read&& read) {
    auto pending = std::async(std::launch::async, read);
    const bool returned = pending.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    if (!returned)
        close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(returned) << "the open waited for a writer";
    return pending.get();
}

TEST(FileOps, OnlyRegularFilesAreOpenedAndCopiesAppearWholeOrNotAtAll) {
    TempDir dir;
    const std::string fifo = dir.File("pipe.cat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::string bytes;
    EXPECT_EQ(WithoutWriter(fifo, [&] { return ReadFileBytes(fifo, bytes); }),
              ReadResult::kOpenFailed);
    EXPECT_FALSE(
        WithoutWriter(fifo, [&] { return CopyFileNoOverwrite(fifo, dir.File("copy.def")); }));
    EXPECT_EQ(ReadFileBytes("/dev/null", bytes), ReadResult::kOpenFailed);
    const std::string source = dir.File("T.DEF");
    WriteBytes(source, "8.5:11:0:0:0:Letter\n");
    file_faults::FailAt(Step::kRename, 1);
    EXPECT_FALSE(CopyFileNoOverwrite(source, dir.File("copy.def")));
    file_faults::Clear();
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock T.DEF pipe.cat ");
    // A copy keeps the source's permissions unless the owner is to write it.
    chmod(source.c_str(), 0444);
    EXPECT_TRUE(CopyFileNoOverwrite(dir.File("t.def"), dir.File("copy.def")));
    EXPECT_TRUE(IsReadOnly(dir.File("COPY.def")));
    EXPECT_TRUE(MakeOwnerWritable(dir.File("Copy.def")));
    EXPECT_FALSE(IsReadOnly(dir.File("copy.def")));
    EXPECT_EQ(CopyFileIfMissing(source, dir.File("own.def"), true), CopyResult::kCopied);
    EXPECT_EQ(ReadBytes(dir.File("own.def")), "8.5:11:0:0:0:Letter\n");
    EXPECT_EQ(ModeOf(dir.File("own.def")) & 0600, 0600u);
    // Another writer made the file meanwhile: its file stays, and the copy counts as there.
    AtomicFile late(dir.File("late.def"), AtomicFile::Mode::kCreateOnly);
    ASSERT_TRUE(late.Open());
    late.Write("ours");
    WriteBytes(dir.File("late.def"), "theirs");
    EXPECT_FALSE(late.Commit());
    EXPECT_EQ(late.error(), AtomicFile::Error::kTargetExists);
    EXPECT_EQ(ReadBytes(dir.File("late.def")), "theirs");
    EXPECT_EQ(CopyFileIfMissing(source, dir.File("LATE.def"), false), CopyResult::kAlreadyThere);
    EXPECT_EQ(CopyFileIfMissing(dir.File("missing"), dir.File("new.def"), false),
              CopyResult::kFailed);
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock T.DEF copy.def late.def own.def pipe.cat ");
    EXPECT_EQ(ToTextMode("a\r\nb\rc\r\n\r"), "a\nb\rc\n\r");
}

TEST(AtomicFile, AFolderThatTakesNoFileStillLetsItsWritableFilesBeWritten) {
    TempDir dir;
    const std::string folder = dir.File("sealed");
    const std::string target = folder + "/x.cat";
    mkdir(folder.c_str(), 0755);
    WriteBytes(target, "old content");
    chmod(target.c_str(), 0640);
    chmod(folder.c_str(), 0555);
    AtomicFile file(target);
    ASSERT_TRUE(file.Open());
    EXPECT_TRUE(file.inPlace());
    file.Write("new");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(target), "new");
    // A sync that fails after the new bytes were written puts the old ones back.
    AtomicFile failing(target);
    ASSERT_TRUE(failing.Open());
    file_faults::FailAt(Step::kSync, 1);
    failing.Write(std::string(100000, 'y'));
    EXPECT_FALSE(failing.Commit());
    file_faults::Clear();
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(ModeOf(target), 0640u);
    EXPECT_EQ(ListFolder(folder), "x.cat ");
}

// The longest name the folder holds is written through a shorter temporary name, which a
// later save recognises as a leftover like any other.
TEST(AtomicFile, LeftoversOfKilledSavesOfTheSameFileAreRemovedWhateverTheNameLength) {
    TempDir dir;
    const std::string longName(255, 'L');
    const char* kept[] = {".t.cat.tmp1-2x", ".t.cat.tmp-1", ".t.cat.atr.tmp1-2",
                          ".u.cat.tmp1-2",  "t.cat.tmp1-2", ".t.cat.bak"};
    for (const char* name : kept)
        WriteBytes(dir.File(name), "keep");
    for (const std::string& stale : {std::string(".t.cat.tmp123-456"), std::string(".t.cat.tmp9-0"),
                                     TemporaryName(longName, "77-88", 255)}) {
        WriteBytes(dir.File(stale), "half a catalog");
    }
    for (const std::string& target : {std::string("t.cat"), longName}) {
        AtomicFile file(dir.File(target));
        ASSERT_TRUE(file.Open());
        file.Write("new");
        ASSERT_TRUE(file.Commit());
    }
    AtomicFile tooLong(dir.File(longName + "L"));
    EXPECT_FALSE(tooLong.Open());
    EXPECT_EQ(ListFolder(dir.path()),
              ".sheetwise.lock .t.cat.atr.tmp1-2 .t.cat.bak .t.cat.tmp-1 .t.cat.tmp1-2x "
              ".u.cat.tmp1-2 " +
                  longName + " t.cat t.cat.tmp1-2 ");
}

}  // namespace
}  // namespace sheetwise
