// The program's string source: texts from a resource module, conversions with the ANSI code page.
//
// A text is found in two places, in this order: the module's string table, in the block that
// holds the id (an id missing from an existing block is an empty text, not a failure); then a
// named resource under the prefix as type, whose name is "+" followed by the id as a signed 16-bit
// decimal number (id 17256 is "+17256", id 57670 is "+-7866"). The window owns one provider for
// its lifetime; the About box makes its own.
#pragma once

#include <memory>

#include "ui/resources/StringResources.h"
#include "ui/resources/StringSource.h"

namespace sheetwise {

class StringProvider final : public StringSource {
  public:
    // The module is usually ProgramStrings(); tests pass a copy from which texts were removed.
    explicit StringProvider(std::shared_ptr<const StringResources> module);
    ~StringProvider() override;

    bool GetString(std::u16string_view prefix, std::uint16_t id,
                   std::u16string& text) const override;
    bool ToWide(std::string_view narrowText, std::span<char16_t> wideOut) const override;
    bool ToNarrow(std::u16string_view wideText, std::span<char> narrowOut) const override;

  private:
    std::shared_ptr<const StringResources> module_;
};

// The name of the named resource that stands in for a string id: "+" and the id as a signed
// 16-bit decimal number.
std::u16string SecondaryResourceName(std::uint16_t id);

}  // namespace sheetwise
