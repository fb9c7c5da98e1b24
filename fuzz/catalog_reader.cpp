// The catalog reader on any bytes, followed by a save and a second read of what was saved: the
// second read must give the same papers.
#include <cstdlib>

#include "FuzzFiles.h"
#include "files/TextLines.h"
#include "model/PaperCatalog.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        fuzzing::Write("f.DEF", "8.5:11:0:0:0:Letter\n210:297:0:0:1:A4\n");
        fuzzing::Write("f.cat.atr", "[PaperWeights]\n75\n[PaperTypes]\nplain\n[PaperColors]\nwhite\n\n");
        fuzzing::Write("g.DEF", "8.5:11:0:0:0:Letter\n210:297:0:0:1:A4\n");
        fuzzing::Write("g.cat.atr", "\n");
        return true;
    }();
    (void)ready;
    fuzzing::Write("f.cat", data, size);
    std::u16string header;
    int error = 0;
    ReadLeadingField(fuzzing::WidePath("f.cat"), header, error);
    PaperCatalog catalog(header, fuzzing::WidePath("f.cat"), kBuiltInColours, kBuiltInTypes, u':');
    if (!catalog.Save(fuzzing::WidePath("g.cat"))) return 0;
    PaperCatalog again(catalog.headerText(), fuzzing::WidePath("g.cat"), kBuiltInColours,
                       kBuiltInTypes, u':');
    if (again.PaperCount() != catalog.PaperCount()) std::abort();
    for (int32_t i = 0; i < catalog.PaperCount(); ++i) {
        const PaperDefinition& a = catalog.papers()[static_cast<size_t>(i)];
        const PaperDefinition& b = again.papers()[static_cast<size_t>(i)];
        if (a.name != b.name || a.colour != b.colour || a.type != b.type ||
            a.weight != b.weight || a.imagedSides != b.imagedSides) {
            std::abort();
        }
    }
    return 0;
}
