#include <gtest/gtest.h>

#include <filesystem>

#include "model/CatalogFixture.h"
#include "platform/AtomicFile.h"

namespace sheetwise {
namespace {

using namespace testing;

const std::string kExample = std::string("Catalog:Letter\n") + testing::kPapers;

TEST_F(CatalogTest, ReadsAndSavesTheExampleByteForByte) {
    PaperCatalog catalog = Load(kExample);
    ASSERT_EQ(catalog.status(), kStatusOk);
    ASSERT_EQ(catalog.PaperCount(), 3);
    EXPECT_EQ(catalog.headerText(), u"Catalog");
    EXPECT_EQ(catalog.GetDefaultIndex(), 0);
    EXPECT_EQ(catalog.papers()[1],
              (PaperDefinition{u"A4_Cover", 1, 210, 297, 160, u"blue", 5, u"cover", 1, 1, 1, 1}));
    EXPECT_EQ(catalog.papers()[2],
              (PaperDefinition{u"Tab_Stock", 2, 9, 11, 0, u"*", 0, u"tab", 4, 0, 0, 2}));
    EXPECT_EQ(catalog.GetAttributeList(kTypes).size(), 4u);
    EXPECT_EQ(catalog.sizes()[1].text, u"A4 210 x 297 mm");
    ASSERT_TRUE(catalog.Save(dir.Wide("copy.cat")));
    EXPECT_EQ(ReadBytes(dir.File("copy.cat")),
              "Catalog:Letter\nLetter:1:75:white:plain:2:0\nA4_Cover:2:160:blue:cover:1:1\n"
              "Tab_Stock:3:0:*:tab:0:0\n");
    // The default paper is saved by its name; a default index outside the paper list writes no
    // name after the colon.
    ASSERT_TRUE(catalog.SetDefaultPaper(u"A4_Cover"));
    EXPECT_TRUE(catalog.FileBytes().starts_with("Catalog:A4_Cover\nLetter:"))
        << catalog.FileBytes();
    ASSERT_TRUE(catalog.DeletePaper(2));
    ASSERT_TRUE(catalog.DeletePaper(1));
    ASSERT_TRUE(catalog.Save(dir.Wide("out.cat")));
    EXPECT_EQ(ReadBytes(dir.File("out.cat")), "Catalog:\nLetter:1:75:white:plain:2:0\n");
}

// The catalog installed with the program is the one operators start from.
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

TEST_F(CatalogTest, AnyValueOutsideThePageMakesTheFileWideAndReadPapersTakesBytes) {
    PaperCatalog catalog = Load(WideFile(u"Kat:Λευκό\nΛευκό:1:75:white:plain:2:0\n"), "wide");
    ASSERT_EQ(catalog.status(), kStatusOk);
    ASSERT_EQ(catalog.GetDefaultPaper(), u"Λευκό");
    ASSERT_TRUE(catalog.Save(dir.Wide("out.cat")));
    EXPECT_EQ(ReadBytes(dir.File("out.cat")), WideFile(u"Kat:Λευκό\nΛευκό:1:75:white:plain:2:0\n"));
    // é fits the page: narrow, as ANSI bytes.
    catalog = Load("Kat:Caf\xE9\nCaf\xE9:1:75:white:plain:2:0\n", "narrow");
    ASSERT_TRUE(catalog.Save(dir.Wide("narrow-out.cat")));
    EXPECT_EQ(ReadBytes(dir.File("narrow-out.cat")), "Kat:Caf\xE9\nCaf\xE9:1:75:white:plain:2:0\n");

    // Every place the writer scans chooses wide mode on its own; a header whose narrow bytes
    // would begin like a UTF-16 mark does too.
    WriteBytes(dir.File("out.DEF"), kSizes);
    WriteBytes(dir.File("out.cat.atr"), kAttributes);
    const auto savedWide = [&](PaperCatalog& catalog, const char* place) {
        EXPECT_TRUE(catalog.FileBytes().starts_with("\xFF\xFE")) << place;
        EXPECT_TRUE(catalog.Save(dir.Wide("out.cat"))) << place;
        return LoadExisting("out.cat");
    };
    PaperCatalog colour = Load(kExample);
    ASSERT_TRUE(colour.AddPaper(u"C", 0, u"Ωmega", 75, u"plain", 2, 0));
    EXPECT_EQ(savedWide(colour, "colour").GetColour(3), u"Ωmega");
    PaperCatalog type = Load(kExample);
    ASSERT_TRUE(type.AddPaper(u"T", 0, u"white", 75, u"Χarti", 2, 0));
    EXPECT_EQ(savedWide(type, "type").GetType(3), u"Χarti");
    for (const std::u16string header : {u"Κατάλογος", u"\u00FF\u00FEKat", u"\u00FE\u00FFKat"}) {
        PaperCatalog catalog = Load(WideFile(header + u":Letter\nLetter:1:75:white:plain:2:0\n"));
        const PaperCatalog again = savedWide(catalog, "header");
        EXPECT_EQ(again.headerText(), header);
        EXPECT_EQ(again.PaperCount(), 1);
        EXPECT_EQ(again.status(), kStatusOk);
    }

    // ReadPapers takes narrow bytes as characters, not through the code page.
    setenv("SHEETWISE_ANSI_CODEPAGE", "1251", 1);
    catalog = Load("H:\xC0\n\xC0:1:75:white:plain\n");
    EXPECT_EQ(catalog.GetName(0), u"А");  // Cyrillic A through the page
    ASSERT_TRUE(catalog.ReadPapers(dir.Wide("test.cat")));
    EXPECT_EQ(catalog.GetName(0), u"À");  // byte C0 as U+00C0
    setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
}

// CR LF or LF, and no line end after the last line; a line too long ends the reading there.
TEST_F(CatalogTest, LineEndsOverlongLinesAndDamagedLines) {
    const PaperCatalog lf = Load("Head\nA:1:75:white:plain\nB:2:90:blue:cover:1:1\n", "lf");
    const PaperCatalog crlf =
        Load("Head\r\nA:1:75:white:plain\r\n\r\nB:2:90:blue:cover:1:1", "crlf");
    EXPECT_EQ(crlf.status(), kStatusOk);
    EXPECT_EQ(crlf.headerText(), u"Head");
    EXPECT_EQ(crlf.papers(), lf.papers());
    EXPECT_EQ(crlf.papers()[0].type + crlf.papers()[1].type, u"plaincover");
    EXPECT_EQ(crlf.GetDefaultIndex(), 0);  // no default named: kept from construction

    const PaperCatalog cut =
        Load("H:A\nA:1:75:white:plain\n" + std::string(2100, 'x') + "\nB:1:75:white:plain\n");
    EXPECT_EQ(cut.status(), kStatusCatalogReadError);
    ASSERT_EQ(cut.PaperCount(), 1);
    EXPECT_EQ(cut.papers()[0].name, u"A");

    // Damaged lines are dropped, with their status.
    PaperCatalog missing = Load(
        "H:\nA:1:75:white:plain\nB::75:white:plain\nC:1:75:white\n"
        ":1:75:white:plain\nD:1:75:white:plain\n");
    EXPECT_EQ(missing.status(), kStatusFieldMissing);
    ASSERT_EQ(missing.PaperCount(), 2);
    EXPECT_EQ(missing.papers()[1].name + u"@" + char16_t(u'0' + missing.papers()[1].loadPosition),
              u"D@1");

    PaperCatalog bad = Load(
        "H:Good\nBad Name:1:75:white:plain\nGood:1:75:white:plain\n"
        "X:1:75:wh:ite:plain\nY:1:75:white:pl\\x20ain\n");
    EXPECT_EQ(bad.status(), kStatusBadCharacter);
    ASSERT_EQ(bad.PaperCount(), 2);
    EXPECT_EQ(bad.papers()[1].name + u"|" + bad.papers()[1].colour + u"|" + bad.papers()[1].type,
              u"X|wh|ite");

    // Escapes that decode to nothing leave a field as good as empty.
    PaperCatalog vanishing = Load("H:\n\\:1:75:white:plain\nB:1:75:\\:plain\nC:1:75:white:plain\n");
    EXPECT_EQ(vanishing.status(), kStatusFieldMissing);
    ASSERT_EQ(vanishing.PaperCount(), 1);
    EXPECT_EQ(vanishing.papers()[0].name, u"C");

    PaperCatalog badDefault = Load("H:Bad Default\nA:1:75:white:plain\n");
    EXPECT_EQ(badDefault.status(), kStatusBadCharacter);
    EXPECT_EQ(badDefault.defaultNameAsRead(), u"Bad Default");
    EXPECT_EQ(badDefault.PaperCount(), 1);
}

TEST_F(CatalogTest, FieldsAreReadLenientlyAndAnEmptySixthFieldIsInserter) {
    const PaperCatalog catalog = Load(
        "H:Dup\n"
        "Dup:0:75:white:plain:7:-1\n"
        "Dup:9:abc90x:*x:*y:1\n"
        "\\x41\\102\\q\\xZ:2:75:\\x2A:tab\n" +
        std::string(40, 'n') + ":1:75:" + std::string(25, 'c') + ":plain:0:+3\n");
    ASSERT_EQ(catalog.status(), kStatusOk);
    ASSERT_EQ(catalog.PaperCount(), 4);
    const auto& p = catalog.papers();
    EXPECT_EQ(p[0], (PaperDefinition{u"Dup", -1, 8.5, 11, 75, u"white", 1, u"plain", 0, 2, -1, 0}));
    // Size 9 is beyond the three sizes.
    EXPECT_EQ(p[1], (PaperDefinition{u"Dup", -1, 8.5, 11, 90, u"*x", 0, u"*y", -1, 1, 0, 1}));
    EXPECT_EQ(p[2].name + p[2].colour, u"ABqxZ*");
    EXPECT_EQ(p[3].name + p[3].colour, std::u16string(32, u'n') + std::u16string(20, u'c'));
    EXPECT_EQ(p[3].precollated, 3);
    // The last paper named like the default is the default; FindPaper finds the first.
    EXPECT_EQ(catalog.GetDefaultIndex(), 1);
    EXPECT_EQ(catalog.FindPaper(u"Dup"), 0);

    // Print servers read an empty imaged-sides field as 0; a file read as Inserter there must not
    // be shown and saved as 2-Sided.
    const PaperCatalog sides = Load(
        "H:A\nA:1:75:white:plain::1\nB:1:75:white:plain\nC:1:75:white:plain:\n"
        "D:1:75:white:plain:1:\n",
        "sides");
    ASSERT_EQ(sides.PaperCount(), 4);
    std::vector<int32_t> sidesAndPrecollated;
    for (const PaperDefinition& paper : sides.papers())
        sidesAndPrecollated.insert(sidesAndPrecollated.end(),
                                   {paper.imagedSides, paper.precollated});
    EXPECT_EQ(sidesAndPrecollated,
              (std::vector<int32_t>{kInserter, 1, kTwoSided, 0, kInserter, 0, kOneSided, 0}));
}

TEST_F(CatalogTest, UnreadableCatalogsFallBackToOneLetterPaperAndSizeFieldsAreRead) {
    auto expectFallback = [](const PaperCatalog& catalog, int32_t status) {
        EXPECT_EQ(catalog.status(), status);
        ASSERT_EQ(catalog.PaperCount(), 1);
        EXPECT_EQ(catalog.papers()[0], PaperDefinition());
    };
    expectFallback(LoadExisting("absent.cat"), kStatusCannotOpen);  // no size file
    WriteBytes(dir.File("nocat.DEF"), kSizes);
    WriteBytes(dir.File("nocat.cat.atr"), kAttributes);
    expectFallback(LoadExisting("nocat.cat"), kStatusCatalogCannotOpen);
    expectFallback(Load("", "empty"), kStatusCatalogReadError);
    expectFallback(Load("H:A\nA:1:75:white:plain\n", "noatr", kSizes, nullptr), kStatusCannotOpen);
    expectFallback(Load("H:A\nA:1:75:white:plain\n", "badsize", "8.5:11:0\n"),
                   kStatusSizeFieldMissing);
    const PaperCatalog noSizes = LoadExisting("absent.cat");
    EXPECT_TRUE(noSizes.sizes().empty());
    EXPECT_TRUE(noSizes.GetAttributeList(kColours).empty());

    // The fields of a size file.
    const PaperCatalog catalog =
        Load("H:A\nA:1:75:white:plain\n", "sizes",
             "8,5:11.0:1:2:0:Letter: 8.5 x "
             "11\r\n:ignored\r\nx.5in:w297:0.25:,75:1\r\n210:297:0:0:1:\r\n");
    ASSERT_EQ(catalog.status(), kStatusOk);
    ASSERT_EQ(catalog.sizes().size(), 3u);
    EXPECT_EQ(catalog.sizes()[0],
              (PaperSize{8.5, 11, 1, 2, 0, 0, u"Letter: 8.5 x 11", u"8,5", u"11.0"}));
    // The skipped line still counts.
    EXPECT_EQ(catalog.sizes()[1], (PaperSize{0.5, 297, 0.25, 0.75, 2, 1, u"", u"x.5in", u"w297"}));
    EXPECT_EQ(catalog.GetSizeUnit(2), 1);
    EXPECT_EQ(catalog.GetSizeUnit(3), -1);
}

TEST(SizePaths, DerivationsFollowTheirRules) {
    EXPECT_EQ(SizePathForCatalog(u"/x/Office.cat"), u"/x/Office.DEF");
    EXPECT_EQ(SizePathForCatalog(u"/x/Office"), u"/x/Office.DEF");
    EXPECT_EQ(SizePathForCatalog(u"/x/Office.catalog"), u"/x/Office.catalog.DEF");
    EXPECT_EQ(SizePathForCatalog(u"/x.y/Office"), u"/x.y/Office.DEF");
    EXPECT_EQ(SizePathForCatalog(u"/a/b.c/d"), u"/a/b.DEF");
    EXPECT_EQ(SizePathReplacingLastThree(u"/x/Office.cat"), u"/x/Office.def");
    EXPECT_EQ(SizePathReplacingLastThree(u"ab"), u"def");
}

}  // namespace
}  // namespace sheetwise
