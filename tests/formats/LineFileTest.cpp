// Reading a catalog's files within bounds: a file too large is refused unread, a line too long
// stops the reading where it stands, blank lines set no room aside, and what a reader drops
// without a line of its own (an odd final byte) is still told.
#include "formats/LineFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <vector>

#include "formats/AttributeFile.h"
#include "formats/CatalogFile.h"
#include "formats/ReadListener.h"
#include "formats/SizeFile.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::TempDir;
using testing::WideFile;
using testing::WriteBytes;

struct Note {
    int32_t line;
    LineFault fault;
    int64_t number;
    int64_t limit;
    bool operator==(const Note&) const = default;
};

class Notes final : public ReadListener {
  public:
    void LineDropped(const LineNote& note) override { Keep(note); }
    void LineChanged(const LineNote& note) override { Keep(note); }
    std::vector<Note> all;

  private:
    void Keep(const LineNote& note) {
        all.push_back({note.line, note.fault, note.number, note.limit});
    }
};

// A file of `size` bytes that starts with `start`; the rest, NUL bytes, takes no disk space.
void WriteSparse(const std::string& path, const std::string& start, size_t size) {
    WriteBytes(path, start);
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(size)), 0);
}

class LineFileTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }

    CatalogReadResult ReadCatalog(const std::string& name, Notes& notes) {
        CatalogFileContents contents;
        const std::vector<PaperSize> oneSize(1);
        return ReadCatalogFile(dir.Wide(name), LineReader::Narrow::kDecodeAnsi, oneSize, contents,
                               &notes);
    }

    TempDir dir;
};

TEST_F(LineFileTest, AFileTooLargeIsRefusedUnreadByEveryReader) {
    WriteSparse(dir.File("huge.cat"), "H:A\n", kMaxCatalogFileBytes + 1);
    std::string bytes = "left over";
    LineFileFacts facts;
    EXPECT_EQ(ReadLineFile(dir.File("huge.cat"), bytes, facts), LineFileResult::kTooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(facts.fileBytes, kMaxCatalogFileBytes + 1);
    Notes notes;
    EXPECT_EQ(ReadCatalog("huge.cat", notes).status, kStatusCatalogReadError);
    const int64_t limit = kMaxCatalogFileBytes;
    EXPECT_EQ(notes.all, (std::vector<Note>{{0, LineFault::kTooLarge, limit + 1, limit}}));
    // The companions: status 3, as for a line too long to read.
    WriteSparse(dir.File("huge.cat.atr"), "[PaperColors]\n", kMaxCatalogFileBytes + 1);
    WriteSparse(dir.File("huge.def"), "8.5:11:0:0:0:Letter\n", kMaxCatalogFileBytes + 1);
    AttributeList weights, types, colours;
    std::vector<PaperSize> sizes;
    EXPECT_EQ(ReadAttributeLists(dir.Wide("huge.cat"), {weights, types, colours}, &notes),
              kStatusReadError);
    EXPECT_EQ(ReadSizeFile(dir.Wide("huge.def"), sizes, &notes), kStatusReadError);
    EXPECT_EQ(notes.all.size(), 3u);
    EXPECT_TRUE(colours.empty() && sizes.empty());
    // Exactly at the limit is still read.
    WriteSparse(dir.File("full.cat"), "H:A\n", kMaxCatalogFileBytes);
    EXPECT_EQ(ReadLineFile(dir.File("full.cat"), bytes, facts), LineFileResult::kOk);
}

// What follows a line too long is never read, so it is not read from the disk either.
TEST_F(LineFileTest, ALineTooLongEndsTheReadingOfTheFileWhereItStands) {
    for (const std::string& start : {std::string(kMaxLineBytes + 100, 'x'),
                                     "H:A\nA:1:75:white:plain\n" + std::string(5000, 'y'),
                                     WideFile(u"H:A\n" + std::u16string(3000, u'z'))}) {
        WriteSparse(dir.File("long.cat"), start, kMaxCatalogFileBytes - 1);
        std::string bytes;
        LineFileFacts facts;
        ASSERT_EQ(ReadLineFile(dir.File("long.cat"), bytes, facts), LineFileResult::kOk);
        EXPECT_TRUE(facts.stoppedEarly);
        EXPECT_LE(bytes.size(), size_t{1} << 20);
        Notes notes;
        const CatalogReadResult read = ReadCatalog("long.cat", notes);
        EXPECT_FALSE(read.readToEnd);
        EXPECT_EQ(read.status, kStatusCatalogReadError);
        ASSERT_FALSE(notes.all.empty());
        EXPECT_EQ(notes.all.back().fault, LineFault::kTooLong);
    }
    // The longest line a reader takes is read whole, in either mode, CR LF or not.
    for (const std::string& file :
         {"H:A\n" + std::string(kMaxLineBytes - 1, 'a') + "\r\nB:1:1:a:a\n",
          WideFile(u"H:A\n" + std::u16string(kMaxLineBytes / 2 - 1, u'a') + u"\nB:1:1:a:a\n")}) {
        WriteBytes(dir.File("edge.cat"), file);
        std::string bytes;
        LineFileFacts facts;
        ASSERT_EQ(ReadLineFile(dir.File("edge.cat"), bytes, facts), LineFileResult::kOk);
        EXPECT_FALSE(facts.stoppedEarly);
        EXPECT_EQ(bytes, file);
    }
}

// The catalog reader sets room aside for one paper per line that can hold one; blank lines
// and short ones count for nothing, so a file of blank lines reserves nothing.
TEST_F(LineFileTest, OnlyLinesLongEnoughForAPaperAreCounted) {
    const struct {
        std::string bytes;
        size_t longLines;
    } cases[] = {
        {std::string(100000, '\n'), 0},
        {"Head:Abc\n\n\nA:1:75:white:plain\r\nshort\na:1:1:a:a", 2},
        {WideFile(u"Head:Abc\n\n\nA:1:75:white:plain\nshort\n"), 2},
        {"\xFE\xFF" + std::string("\0a\0:\0"
                                  "1\0:\0"
                                  "1\0:\0a\0:\0a\0\n",
                                  20),
         1},
    };
    for (const auto& each : cases) {
        WriteBytes(dir.File("count.cat"), each.bytes);
        std::string bytes;
        LineFileFacts facts;
        ASSERT_EQ(ReadLineFile(dir.File("count.cat"), bytes, facts, 9), LineFileResult::kOk);
        EXPECT_EQ(facts.longLines, each.longLines) << each.bytes.substr(0, 20);
        EXPECT_EQ(bytes, each.bytes);
    }
}

// A UTF-16 file of an odd length was cut short, or had a byte added: the reader cannot take the
// last byte as a character, and says so rather than dropping it unseen.
TEST_F(LineFileTest, TheOddFinalByteOfAUtf16FileIsTold) {
    WriteBytes(dir.File("odd.cat"), WideFile(u"H:A\nA:1:75:white:plain\n") + "\x41");
    Notes notes;
    EXPECT_EQ(ReadCatalog("odd.cat", notes).status, kStatusOk);
    WriteBytes(dir.File("odd.cat.atr"), WideFile(u"[PaperColors]\nwhite\n") + "\x0d");
    AttributeList weights, types, colours;
    EXPECT_EQ(ReadAttributeLists(dir.Wide("odd.cat"), {weights, types, colours}, &notes),
              kStatusOk);
    EXPECT_EQ(notes.all, (std::vector<Note>{{0, LineFault::kOddFinalByte, 0x41, 0},
                                            {0, LineFault::kOddFinalByte, 0x0d, 0}}));
    // An even UTF-16 file and a narrow file of odd length have nothing to tell.
    WriteBytes(dir.File("even.cat"), WideFile(u"H:A\nA:1:75:white:plain\n"));
    WriteBytes(dir.File("narrow.cat"), "H:A\nA:1:75:white:plainX");
    Notes none;
    ReadCatalog("even.cat", none);
    ReadCatalog("narrow.cat", none);
    EXPECT_TRUE(none.all.empty());
}

}  // namespace
}  // namespace sheetwise
