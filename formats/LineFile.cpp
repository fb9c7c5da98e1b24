#include "formats/LineFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "formats/TextLines.h"
#include "platform/FileOps.h"
#include "platform/MemoryHints.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

// Bytes of one line after which it is certainly longer than a reader accepts, in either mode,
// CR and byte-order mark included; the line reader then finds it too long on its own.
constexpr size_t kStopAfter = kMaxLineBytes + 4;
constexpr size_t kChunk = size_t{1} << 20;

// Follows the lines of the bytes read so far, chunk by chunk.
class LineScanner {
  public:
    explicit LineScanner(size_t minimum) : minimum_(minimum) {}

    // Looks at what was appended since the last call; false once the line being read is longer
    // than kStopAfter. atEnd: bytes is the whole file.
    bool Scan(std::string_view bytes, bool atEnd) {
        if (!decided_) {
            if (bytes.size() < 2 && !atEnd)
                return true;
            decided_ = true;
            wide_ = StartsWithByteOrderMark(bytes);
            lineFeedAt_ = wide_ && static_cast<unsigned char>(bytes[0]) == 0xFE ? 1 : 0;
        }
        wide_ ? ScanWide(bytes) : ScanNarrow(bytes);
        if (atEnd && bytes.size() > lineStart_)
            Line(bytes.size() - lineStart_);
        return bytes.size() - lineStart_ <= kStopAfter;
    }

    size_t longLines() const { return longLines_; }

  private:
    void ScanNarrow(std::string_view bytes) {
        while (next_ < bytes.size()) {
            const void* found = std::memchr(bytes.data() + next_, '\n', bytes.size() - next_);
            if (found == nullptr) {
                next_ = bytes.size();
                return;
            }
            const size_t at = static_cast<size_t>(static_cast<const char*>(found) - bytes.data());
            Line(at - lineStart_);
            lineStart_ = next_ = at + 1;
        }
    }

    // A wide line ends at the unit 000A, as the line reader sees it.
    void ScanWide(std::string_view bytes) {
        for (; next_ + 1 < bytes.size(); next_ += 2) {
            if (bytes[next_ + lineFeedAt_] == '\n' && bytes[next_ + 1 - lineFeedAt_] == '\0') {
                Line(next_ - lineStart_);
                lineStart_ = next_ + 2;
            }
        }
    }

    void Line(size_t bytes) {
        if ((wide_ ? bytes / 2 : bytes) >= minimum_)
            ++longLines_;
    }

    size_t minimum_;
    bool decided_ = false;
    bool wide_ = false;
    size_t lineFeedAt_ = 0;  // the byte of a unit that holds 0A
    size_t next_ = 0;
    size_t lineStart_ = 0;
    size_t longLines_ = 0;
};

// Reads a chunk onto the end of bytes, its pages mapped in with one call (MemoryHints.h). One byte
// more than the file is expected to hold is asked for, which finds its end in the same read.
ssize_t ReadChunk(int fd, size_t expected, std::string& bytes) {
    constexpr size_t kSmallest = 4096;
    const size_t at = bytes.size();
    // The last read asks for the one byte that is not there, into room set aside for it.
    const size_t left = expected >= at ? expected - at + 1 : kSmallest;
    const size_t wanted = std::min({left, kChunk, kMaxCatalogFileBytes + 1 - at});
    if (bytes.capacity() < at + wanted)
        bytes.reserve(std::max(at + wanted, 2 * bytes.capacity()));
    bytes.resize(at + wanted);
    PrefaultForWriting(bytes.data() + at, wanted);
    ssize_t got;
    do {
        got = read(fd, bytes.data() + at, wanted);
    } while (got < 0 && errno == EINTR);
    bytes.resize(at + static_cast<size_t>(std::max<ssize_t>(got, 0)));
    return got;
}

}  // namespace

LineFileResult ReadLineFile(const std::string& path, std::string& bytes, LineFileFacts& facts,
                            size_t minimum) {
    bytes.clear();
    facts = {};
    const Descriptor fd(OpenRegularFile(ResolveNameCase(path), O_RDONLY));
    struct stat info;
    if (fd.get() < 0 || fstat(fd.get(), &info) != 0)
        return LineFileResult::kOpenFailed;
    facts.fileBytes = static_cast<size_t>(info.st_size);
    if (facts.fileBytes > kMaxCatalogFileBytes)
        return LineFileResult::kTooLarge;
    bytes.reserve(facts.fileBytes + 1);
    LineScanner scanner(minimum);
    for (;;) {
        const ssize_t got = ReadChunk(fd.get(), facts.fileBytes, bytes);
        if (got < 0)
            return LineFileResult::kReadFailed;
        if (got == 0)
            break;
        if (bytes.size() > kMaxCatalogFileBytes) {  // it grew while being read
            facts.fileBytes = bytes.size();
            bytes.clear();
            return LineFileResult::kTooLarge;
        }
        if (!scanner.Scan(bytes, false)) {
            facts.stoppedEarly = true;
            break;
        }
    }
    if (!facts.stoppedEarly)
        scanner.Scan(bytes, true);
    facts.longLines = scanner.longLines();
    return LineFileResult::kOk;
}

}  // namespace sheetwise
