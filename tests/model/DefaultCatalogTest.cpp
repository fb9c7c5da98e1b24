// The catalog installed with the program is the one operators start from.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/CatalogFixture.h"

namespace sheetwise {
namespace {

using testing::CatalogTest;
using testing::ReadBytes;

TEST_F(CatalogTest, DefaultCatalogReadsCleanlyAndWritesBackByteForByte) {
    const std::filesystem::path source = SHEETWISE_DEFAULT_CATALOG;
    for (const char* suffix : {".CAT", ".CAT.atr", ".DEF"}) {
        const std::string name = std::string("KBRVCAT_EN") + suffix;
        std::filesystem::copy_file(source.parent_path() / name, dir.File(name));
    }
    PaperCatalog catalog = LoadExisting("KBRVCAT_EN.CAT");
    ASSERT_EQ(catalog.status(), kStatusOk);
    EXPECT_GE(catalog.sizes().size(), 10u);
    EXPECT_GE(catalog.PaperCount(), 12);
    EXPECT_GE(catalog.GetDefaultIndex(), 0);
    for (int kind : {kWeights, kTypes, kColours}) {
        const AttributeList& list = catalog.GetAttributeList(kind);
        EXPECT_NE(std::find(list.begin(), list.end(), u"*"), list.end()) << kind;
    }
    for (const PaperDefinition& paper : catalog.papers())
        EXPECT_GE(paper.sizeIndex, 0);
    ASSERT_TRUE(catalog.Save(dir.Wide("saved.CAT")));
    ASSERT_TRUE(catalog.WriteAttributeFile(dir.Wide("saved.CAT")));
    EXPECT_EQ(ReadBytes(dir.File("saved.CAT")), ReadBytes(dir.File("KBRVCAT_EN.CAT")));
    EXPECT_EQ(ReadBytes(dir.File("saved.CAT.atr")), ReadBytes(dir.File("KBRVCAT_EN.CAT.atr")));
}

}  // namespace
}  // namespace sheetwise
