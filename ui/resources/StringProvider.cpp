#include "ui/resources/StringProvider.h"

#include <string>
#include <utility>

#include "platform/CodePage.h"
#include "ui/resources/CallerBuffer.h"

namespace sheetwise {

std::u16string SecondaryResourceName(std::uint16_t id) {
    // Appended rather than "+" + number: g++ 12 at -O3 warns falsely (-Wrestrict) about the latter.
    const std::string number = std::to_string(static_cast<std::int16_t>(id));
    std::u16string name(1, u'+');
    name.append(number.begin(), number.end());
    return name;
}

StringProvider::StringProvider(std::shared_ptr<const StringResources> module)
    : module_(std::move(module)) {}

StringProvider::~StringProvider() = default;

bool StringProvider::GetString(std::u16string_view prefix, std::uint16_t id,
                               std::u16string& text) const {
    if (!module_) {
        return false;
    }
    if (const auto* block = module_->FindBlock(StringBlockNumber(id))) {
        text = (*block)[id % StringResources::kBlockSize].value_or(std::u16string());
        return true;
    }
    const std::u16string* data = module_->FindNamed(prefix, SecondaryResourceName(id));
    if (!data) {
        return false;
    }
    // The data is a zero-terminated text; whatever follows the terminator is not part of it.
    const std::u16string_view stored = *data;
    text = std::u16string(stored.substr(0, stored.find(u'\0')));
    return true;
}

bool StringProvider::ToWide(std::string_view narrowText, std::span<char16_t> wideOut) const {
    const std::u16string wide = CodePage::Get(AnsiCodePage())->Decode(narrowText);
    return !wideOut.empty() &&
           CopyTerminated<char16_t>(wide, wideOut, wideOut.size()) == wide.size();
}

bool StringProvider::ToNarrow(std::u16string_view wideText, std::span<char> narrowOut) const {
    const std::string narrow = CodePage::Get(AnsiCodePage())->Encode(wideText);
    return !narrowOut.empty() &&
           CopyTerminated<char>(narrow, narrowOut, narrowOut.size()) == narrow.size();
}

}  // namespace sheetwise
