#include "formats/TextConverter.h"

#include "platform/CodePage.h"

namespace sheetwise {

std::string TextConverter::Encode(std::u16string_view text) const {
    std::string ansi = WideToAnsi(text);
    if (AnsiToWide(ansi) == text)
        return ansi;
    std::string marked(kUtf8Marker);
    marked += WideToUtf8(text);
    return marked;
}

SystemTextConverter::SystemTextConverter() : SystemTextConverter(AnsiCodePage()) {}

SystemTextConverter::SystemTextConverter(int codePage)
    : codePage_(codePage), page_(CodePage::Get(codePage)) {}

std::u16string SystemTextConverter::AnsiToWide(std::string_view bytes) const {
    return page_->Decode(bytes);
}

std::string SystemTextConverter::WideToAnsi(std::u16string_view text) const {
    return page_->Encode(text);
}

std::string SystemTextConverter::WideToUtf8(std::u16string_view text) const {
    return Utf16ToUtf8(text);
}

}  // namespace sheetwise
