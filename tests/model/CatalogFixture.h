// Catalogs written into a temporary folder, in the three files a catalog is made of.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "formats/TextLines.h"
#include "model/PaperCatalog.h"
#include "support/SampleCatalog.h"
#include "support/TempDir.h"

namespace sheetwise::testing {

class CatalogTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }

    // Writes name.cat with the sizes and attributes above (unless given) and loads it the way the
    // editor does: header text first, then the catalog.
    PaperCatalog Load(const std::string& catalogBytes, const std::string& name = "test",
                      const char* sizes = kSizes, const char* attributes = kAttributes) {
        WriteBytes(dir.File(name + ".cat"), catalogBytes);
        if (sizes)
            WriteBytes(dir.File(name + ".DEF"), sizes);
        if (attributes)
            WriteBytes(dir.File(name + ".cat.atr"), attributes);
        return LoadExisting(name + ".cat");
    }

    PaperCatalog LoadExisting(const std::string& file) {
        std::u16string header;
        int error = 0;
        ReadLeadingField(dir.Wide(file), header, error);
        return PaperCatalog(header, dir.Wide(file), kBuiltInColours, kBuiltInTypes, u':');
    }

    // The papers' names, each followed by a blank.
    static std::u16string Names(const PaperCatalog& catalog) {
        std::u16string names;
        for (const PaperDefinition& paper : catalog.papers())
            names += paper.name + u" ";
        return names;
    }

    TempDir dir;
};

}  // namespace sheetwise::testing
