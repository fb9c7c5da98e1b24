// Reading and cleaning import files, and the whole import into a catalog.
#include <benchmark/benchmark.h>

#include <string>

#include "formats/TextLines.h"
#include "import/ImportCatalogTarget.h"
#include "import/ImportTransfer.h"
#include "import/ImportedCatalog.h"
#include "model/PaperCatalog.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::TempDir;
using testing::WriteBytes;

std::string ImportFile(int definitions) {
    std::string file =
        "[PaperSizes]\r\nPaperSize0=Letter 8.5 x 11 in\r\nPaperSize1=A4 210.0 x 297.0 mm\r\n"
        "[PaperColors]\r\nPaperColor0=white\r\nPaperColor1=blue\r\n[PaperWeights]\r\n"
        "PaperWeight0=75 gsm\r\n[PaperTypes]\r\nPaperType0=plain\r\n[PaperForced]\r\n"
        "PaperForce0=*\r\n[PaperDefs]\r\n";
    for (int n = 0; n < definitions; ++n) {
        // Every tenth name repeats the one before, and underscores send names through the
        // uniqueness walk.
        const int id = n % 10 == 9 ? n - 1 : n;
        file += "PaperDef" + std::to_string(n) + " = Paper_" + std::to_string(id) + ";" +
                std::to_string(n % 2) + ";col" + std::to_string(n % 50) + ";" +
                std::to_string(60 + n % 141) + ";plain;" + std::to_string(n % 3) + "\r\n";
    }
    return file;
}

struct ImportFolder {
    explicit ImportFolder(int definitions) {
        setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
        WriteBytes(dir.File("import.ini"), ImportFile(definitions));
        WriteBytes(dir.File("base.cat"), "Base:Letter\nLetter:1:75:white:plain:2:0\n");
        WriteBytes(dir.File("base.DEF"),
                   "8.5:11:0:0:0:Letter 8.5 x 11 in\n210:297:0:0:1:A4 210 x 297 mm\n");
        WriteBytes(dir.File("base.cat.atr"),
                   "[PaperWeights]\n*\n75\n[PaperTypes]\n*\nplain\n[PaperColors]\n*\nwhite\n\n");
    }
    TempDir dir;
};

void ReadImportFile(benchmark::State& state) {
    const ImportFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const ImportedCatalog imported(folder.dir.Wide("import.ini"));
        benchmark::DoNotOptimize(imported.papers().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadImportFile)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void ImportIntoCatalog(benchmark::State& state) {
    const ImportFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::u16string header;
        int error = 0;
        ReadLeadingField(folder.dir.Wide("base.cat"), header, error);
        PaperCatalog catalog(header, folder.dir.Wide("base.cat"), kBuiltInColours, kBuiltInTypes,
                             u':');
        ImportedCatalog imported(folder.dir.Wide("import.ini"));
        CatalogImportTarget target(catalog, u".");
        const ImportTransferResult result = TransferImportedCatalog(imported, target);
        benchmark::DoNotOptimize(result.papersAdded);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ImportIntoCatalog)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sheetwise
