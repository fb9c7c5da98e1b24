// Peak memory of opening a catalog, against its file's size, for the shapes of file that once
// made the reader take many times the file: blank lines, long lines, a first line too long to
// read. The shortest possible paper lines are measured too: there the papers themselves, about
// 150 bytes each, are what the memory holds.
//
// Each open runs in a child process, which reports how far its resident memory grew (VmHWM
// against VmRSS before the open); the counters give that in MB and as a multiple of the file.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "formats/TextLines.h"
#include "model/PaperCatalog.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::TempDir;
using testing::WriteBytes;

constexpr size_t kFileBytes = size_t{32} << 20;

std::string BlankLines() {
    return "Blank:A\nA:1:75:white:plain\n" + std::string(kFileBytes - 27, '\n');
}

// Lines just short enough to read; each name is cut to 32 characters.
std::string LongLines() {
    std::string bytes = "Long:A\n";
    const std::string tail = ":1:75:white:plain\n";
    for (size_t i = 0; bytes.size() < kFileBytes; ++i) {
        std::string name = "N" + std::to_string(i);
        bytes += name + std::string(kMaxLineBytes - name.size() - tail.size(), 'x') + tail;
    }
    return bytes;
}

std::string TooLongFirstLine() {
    return std::string(kFileBytes, 'x');
}

std::string ShortestPapers() {
    std::string bytes = "Short:a\n";
    while (bytes.size() < kFileBytes)
        bytes += "a:1:1:a:a\n";
    return bytes;
}

long long StatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0)
            return std::atoll(line.c_str() + std::char_traits<char>::length(key));
    }
    return 0;
}

// The growth of resident memory, in bytes, of a child process that opens the catalog.
double PeakGrowth(const std::u16string& path) {
    int result[2];
    if (pipe(result) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) {
        const long long before = StatusKb("VmRSS:");
        std::u16string header;
        int error = 0;
        ReadLeadingField(path, header, error);
        const PaperCatalog catalog(header, path, kBuiltInColours, kBuiltInTypes, u':');
        benchmark::DoNotOptimize(catalog.PaperCount());
        const long long growth = (StatusKb("VmHWM:") - before) * 1024;
        (void)!write(result[1], &growth, sizeof growth);
        _exit(0);
    }
    long long growth = 0;
    (void)!read(result[0], &growth, sizeof growth);
    close(result[0]);
    close(result[1]);
    waitpid(child, nullptr, 0);
    return static_cast<double>(growth);
}

void ReaderPeakMemory(benchmark::State& state, std::string (*shape)()) {
    setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
    TempDir dir;
    const std::string bytes = shape();
    WriteBytes(dir.File("m.cat"), bytes);
    WriteBytes(dir.File("m.DEF"), "8.5:11:0:0:0:Letter\n");
    WriteBytes(dir.File("m.cat.atr"),
               "[PaperWeights]\n75\n[PaperTypes]\nplain\n[PaperColors]\n"
               "white\n\n");
    double growth = 0;
    for (auto _ : state)
        growth = PeakGrowth(dir.Wide("m.cat"));
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
    state.counters["peak_MB"] = growth / 1e6;
    state.counters["x_file"] = growth / static_cast<double>(bytes.size());
}
BENCHMARK_CAPTURE(ReaderPeakMemory, blank_lines, BlankLines)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(ReaderPeakMemory, long_lines, LongLines)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(ReaderPeakMemory, too_long_first_line, TooLongFirstLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(ReaderPeakMemory, shortest_papers, ShortestPapers)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace sheetwise
