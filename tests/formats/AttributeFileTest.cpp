#include "formats/AttributeFile.h"

#include <gtest/gtest.h>

#include "platform/AtomicFile.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using testing::ListFolder;
using testing::ReadBytes;
using testing::TempDir;
using testing::WideFile;
using testing::WriteBytes;

struct Lists {
    AttributeList weights, types, colours;
    AttributeLists refs() { return {weights, types, colours}; }
};

class AttributeFileTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }
    TempDir dir;
};

TEST_F(AttributeFileTest, WritesNarrowUnlessOneValueIsOutsideThePage) {
    ASSERT_EQ(WriteAttributeLists(dir.Wide("Office.cat"), {u"75", u"90"}, {u"plain"},
                                  {u"white", u"blue"}),
              kStatusOk);
    EXPECT_EQ(ReadBytes(dir.File("Office.cat.atr")),
              "[PaperWeights]\n75\n90\n[PaperTypes]\nplain\n[PaperColors]\nwhite\nblue\n\n");
    ASSERT_EQ(WriteAttributeLists(dir.Wide("x.cat"), {u"75"}, {}, {u"Ōshima"}), kStatusOk);
    EXPECT_EQ(ReadBytes(dir.File("x.cat.atr")),
              WideFile(u"[PaperWeights]\n75\n[PaperTypes]\n[PaperColors]\nŌshima\n\n"));
    ASSERT_EQ(WriteAttributeLists(dir.Wide("t.cat"), {u"75"}, {u"Ōtype"}, {u"white"}), kStatusOk);
    EXPECT_TRUE(ReadBytes(dir.File("t.cat.atr")).starts_with("\xFF\xFE"));
    // A weight that needs the marker would come back cut at its colon, so it goes wide too.
    ASSERT_EQ(WriteAttributeLists(dir.Wide("w.cat"), {u"Ā"}, {u"plain"}, {}), kStatusOk);
    EXPECT_TRUE(ReadBytes(dir.File("w.cat.atr")).starts_with("\xFF\xFE"));
}

TEST_F(AttributeFileTest, RoundTripsAppendsSkipsUnknownSectionsAndFailsWithItsStatus) {
    const AttributeList weights{u"*", u"75", u" 90 "}, types{u"plain", u"plain"},
        colours{u"white", u"Grün"};
    // A later write in another letter case replaces the file that is there.
    ASSERT_EQ(WriteAttributeLists(dir.Wide("r.cat"), {}, {}, {}), kStatusOk);
    ASSERT_EQ(WriteAttributeLists(dir.Wide("R.CAT"), weights, types, colours), kStatusOk);
    EXPECT_EQ(ListFolder(dir.path()), ".sheetwise.lock r.cat.atr ");
    Lists back;
    back.weights = {u"kept"};
    ASSERT_EQ(ReadAttributeLists(dir.Wide("r.cat"), back.refs()), kStatusOk);
    EXPECT_EQ(back.weights, (AttributeList{u"kept", u"*", u"75", u" 90 "}));
    EXPECT_EQ(back.types, types);
    EXPECT_EQ(back.colours, colours);
    // Hand-written: sections by their exact header, values cut at a colon.
    WriteBytes(dir.File("h.cat.atr"),
               "stray\r\n[PaperColors]\r\ndark:blue\r\n:gone\r\n\r\n[paperweights]\r\n80\r\n"
               "[PaperWeights] \r\n85\r\n[PaperWeights]\r\n90 : comment\r\n[PaperTypes]\r\n"
               "plain\r\n[PaperColors]\r\nred\r\n[Unknown]\r\nskipped\r\nlast");
    Lists lists;
    ASSERT_EQ(ReadAttributeLists(dir.Wide("h.cat"), lists.refs()), kStatusOk);
    EXPECT_EQ(lists.colours, (AttributeList{u"dark", u"red"}));
    EXPECT_EQ(lists.weights, AttributeList{u"90 "});
    EXPECT_EQ(lists.types, AttributeList{u"plain"});
    lists = {};
    EXPECT_EQ(ReadAttributeLists(u"", lists.refs()), kStatusPathEmpty);
    EXPECT_EQ(ReadAttributeLists(dir.Wide("none.cat"), lists.refs()), kStatusCannotOpen);
    WriteBytes(dir.File("long.cat.atr"),
               "[PaperTypes]\nplain\n" + std::string(2048, 'x') + "\ncover\n");
    EXPECT_EQ(ReadAttributeLists(dir.Wide("long.cat"), lists.refs()), kStatusReadError);
    EXPECT_EQ(lists.types, AttributeList{u"plain"});
    EXPECT_EQ(WriteAttributeLists(u"", {}, {}, {}), kStatusPathEmpty);
    EXPECT_EQ(WriteAttributeLists(dir.Wide("nofolder/x.cat"), {}, {}, {}), kStatusCannotOpen);
    file_faults::FailAt(file_faults::Step::kSync, 1);
    EXPECT_EQ(WriteAttributeLists(dir.Wide("k.cat"), {}, {u"new"}, {}), kStatusWriteError);
    file_faults::Clear();
}

}  // namespace
}  // namespace sheetwise
