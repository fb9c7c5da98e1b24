// Encode and the code-page decoders: decoding never fails, and text that Encode leaves unmarked
// decodes back to itself.
#include <cstdlib>
#include <string>

#include "formats/TextConverter.h"
#include "platform/CodePage.h"

using namespace sheetwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int kPages[] = {1252, 1250, 1251, 1253, 1255, 1258, 874, 932, 936, 949, 950, 437};
    if (size < 1)
        return 0;
    const int page = kPages[data[0] % (sizeof kPages / sizeof kPages[0])];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const SystemTextConverter converter(page);
    const std::u16string decoded = converter.AnsiToWide(bytes);
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    for (const std::u16string* value : {&decoded, static_cast<const std::u16string*>(&text)}) {
        const std::string encoded = converter.Encode(*value);
        if (!TextConverter::IsMarked(encoded) && converter.AnsiToWide(encoded) != *value) {
            std::abort();
        }
        Utf8ToUtf16(Utf16ToUtf8(*value));
    }
    return 0;
}
