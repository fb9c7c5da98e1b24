// Reading and writing catalogs of 1,000 to 100,000 papers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "BenchCatalogs.h"
#include "formats/AttributeFile.h"
#include "formats/TextLines.h"
#include "model/PaperCatalog.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using bench::CatalogFile;
using testing::TempDir;
using testing::WriteBytes;

std::string SizeFile() {
    return "8.5:11:0:0:0:Letter 8.5 x 11 in\n210:297:0:0:1:A4 210 x 297 mm\n"
           "297:420:0:0:1:A3 297 x 420 mm\n11:17:0:0:0:Tabloid 11 x 17 in\n";
}

struct CatalogFolder {
    explicit CatalogFolder(int papers) {
        setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
        WriteBytes(dir.File("bench.cat"), CatalogFile(papers));
        WriteBytes(dir.File("bench.DEF"), SizeFile());
        WriteBytes(dir.File("bench.cat.atr"),
                   "[PaperWeights]\n*\n75\n90\n[PaperTypes]\n*\nplain\ncover\n[PaperColors]\n*\n"
                   "white\nblue\n\n");
    }
    PaperCatalog Load() const {
        std::u16string header;
        int error = 0;
        ReadLeadingField(dir.Wide("bench.cat"), header, error);
        return PaperCatalog(header, dir.Wide("bench.cat"), kBuiltInColours, kBuiltInTypes, u':');
    }
    TempDir dir;
};

void ReadCatalog(benchmark::State& state) {
    const CatalogFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const PaperCatalog catalog = folder.Load();
        benchmark::DoNotOptimize(catalog.PaperCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadCatalog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void SaveCatalog(benchmark::State& state) {
    const CatalogFolder folder(static_cast<int>(state.range(0)));
    PaperCatalog catalog = folder.Load();
    if (state.range(1) == 1)
        catalog.AddPaper(u"Λευκό", 0, u"white", 75, u"plain", 2, 0);
    for (auto _ : state) {
        if (!catalog.Save(folder.dir.Wide("out.cat")))
            state.SkipWithError("save failed");
    }
    state.SetLabel(state.range(1) == 1 ? "wide" : "narrow");
}
BENCHMARK(SaveCatalog)
    ->Args({1000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

void AttributeFileRoundTrip(benchmark::State& state) {
    const CatalogFolder folder(1);
    AttributeList weights, types, colours;
    for (int i = 0; i < state.range(0); ++i) {
        weights.push_back(u"w" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
        types.push_back(u"type_" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)));
        colours.push_back(u"colour_" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)));
    }
    for (auto _ : state) {
        WriteAttributeLists(folder.dir.Wide("rt.cat"), weights, types, colours);
        AttributeList w, t, c;
        ReadAttributeLists(folder.dir.Wide("rt.cat"), {w, t, c});
        benchmark::DoNotOptimize(c.size());
    }
}
BENCHMARK(AttributeFileRoundTrip)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sheetwise
