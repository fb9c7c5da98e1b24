// The header reader and the catalog reader on any bytes, followed by a save and a second read of
// what was saved: the second read must give the same papers.
#include <cstdlib>

#include "FuzzFiles.h"
#include "formats/TextLines.h"
#include "model/PaperCatalog.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        fuzzing::Write("f.DEF", "8.5:11:0:0:0:Letter\n210:297:0:0:1:A4\n");
        fuzzing::Write("f.cat.atr",
                       "[PaperWeights]\n75\n[PaperTypes]\nplain\n[PaperColors]\nwhite\n\n");
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
    if (!catalog.Save(fuzzing::WidePath("g.cat")))
        return 0;
    std::u16string savedHeader;
    ReadLeadingField(fuzzing::WidePath("g.cat"), savedHeader, error);
    PaperCatalog again(savedHeader, fuzzing::WidePath("g.cat"), kBuiltInColours, kBuiltInTypes,
                       u':');
    if (again.status() != kStatusOk || again.headerText() != catalog.headerText() ||
        again.papers() != catalog.papers()) {
        std::abort();
    }
    // The file names the default paper, and the last paper of that name is the default when
    // read; so a duplicate name can move the default to the later paper, never elsewhere.
    int32_t expectedDefault = catalog.GetDefaultIndex();
    for (int32_t i = 0; i < catalog.PaperCount(); ++i) {
        if (catalog.GetName(i) == catalog.GetDefaultPaper())
            expectedDefault = i;
    }
    if (again.GetDefaultIndex() != expectedDefault)
        std::abort();
    return 0;
}
