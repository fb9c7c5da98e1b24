// check against the readers it listens to: the input is a size-definition file, an attribute file
// and a catalog file, split at the first two form feeds. Leaving out the inconsistencies that
// check adds (names taken twice, values missing from the lists...), check finds nothing exactly
// when the three readers keep every line unchanged: status 0 and not one note.
// An input without a form feed is a size-definition file alone, so this target fuzzes that
// reader too.
#include <cstdlib>
#include <string_view>

#include "FuzzFiles.h"
#include "cli/CatalogCheck.h"
#include "formats/AttributeFile.h"
#include "formats/CatalogFile.h"
#include "formats/ReadListener.h"
#include "formats/SizeFile.h"

using namespace sheetwise;

namespace {

class CountingListener final : public ReadListener {
  public:
    void LineDropped(const LineNote&) override { ++notes; }
    void LineChanged(const LineNote&) override { ++notes; }
    size_t notes = 0;
};

// The readers as the editor runs them, each on its own file whatever the others gave.
bool ReadersKeepEveryLine() {
    CountingListener listener;
    std::vector<PaperSize> sizes;
    AttributeList weights, types, colours;
    CatalogFileContents contents;
    const int32_t sizeStatus = ReadSizeFile(fuzzing::WidePath("c.DEF"), sizes, &listener);
    const int32_t listStatus =
        ReadAttributeLists(fuzzing::WidePath("c.cat"), {weights, types, colours}, &listener);
    const CatalogReadResult read = ReadCatalogFile(
        fuzzing::WidePath("c.cat"), LineReader::Narrow::kDecodeAnsi, sizes, contents, &listener);
    return sizeStatus == kStatusOk && listStatus == kStatusOk && read.status == kStatusOk &&
           read.readToEnd && listener.notes == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"c.DEF", "c.cat.atr"}) {
        const size_t feed = input.find('\f');
        fuzzing::Write(name, std::string(input.substr(0, feed)));
        input = feed == std::string_view::npos ? std::string_view() : input.substr(feed + 1);
    }
    fuzzing::Write("c.cat", std::string(input));
    cli::Findings findings;
    cli::CheckOneCatalog(fuzzing::WidePath("c.cat"), findings);
    const bool checkFindsNothing = findings.count() == findings.inconsistencies();
    if (checkFindsNothing != ReadersKeepEveryLine())
        std::abort();
    return 0;
}
