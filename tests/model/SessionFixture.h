// An editing session on a catalog of three papers in a temporary folder, with a default catalog
// beside it, and the prompts that record what the session tells and asks.
#pragma once

#include "formats/AttributeFile.h"
#include "model/CatalogFixture.h"
#include "model/EditingSession.h"
#include "support/ScriptedPrompts.h"

namespace sheetwise::testing {

// Letter (75, white, plain), A4_Cover (160, blue, cover, 1-Sided, precollated), the default, and
// Tab_Stock (*, *, tab, Inserter). Nobody uses the weight 120, the type glossy, the colour ivory.
inline constexpr const char* kSessionPapers =
    "Test:A4_Cover\n"
    "Letter:1:75:white:plain:2:0\n"
    "A4_Cover:2:160:blue:cover:1:1\n"
    "Tab_Stock:3:*:*:tab:0:0\n";
inline constexpr const char* kSessionAttributes =
    "[PaperWeights]\n*\n75\n120\n160\n[PaperTypes]\n*\nplain\ncover\ntab\nglossy\n"
    "[PaperColors]\n*\nwhite\nblue\nivory\n\n";

class SessionTest : public CatalogTest {
  protected:
    void SetUp() override {
        CatalogTest::SetUp();
        Load(kSessionPapers, "default", kSizes, kSessionAttributes);
        Open(kSessionPapers);
    }

    // Writes name.cat with its companions and opens it in a new session, as File > Open does.
    void Open(const std::string& catalog, const std::string& name = "test",
              const char* attributes = kSessionAttributes) {
        Load(catalog, name, kSizes, attributes);
        session = std::make_unique<EditingSession>();
        session->SetDefaultCatalog(dir.Wide("default.cat"));
        ASSERT_EQ(session->Load(dir.Wide(name + ".cat")), 0);
        prompts = ScriptedPrompts();
    }

    const PaperCatalog& catalog() const { return session->catalog(); }

    // What a save would write now: the catalog file, then the attribute file.
    std::string SaveBytes() const {
        return catalog().FileBytes() + AttributeFileBytes(catalog().GetAttributeList(kWeights),
                                                          catalog().GetAttributeList(kTypes),
                                                          catalog().GetAttributeList(kColours));
    }

    // The position of a value in its list.
    int32_t Position(int32_t kind, const std::u16string& value) const {
        const AttributeList& list = catalog().GetAttributeList(kind);
        return static_cast<int32_t>(std::find(list.begin(), list.end(), value) - list.begin());
    }

    std::unique_ptr<EditingSession> session;
    ScriptedPrompts prompts;
};

}  // namespace sheetwise::testing
