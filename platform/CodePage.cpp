#include "platform/CodePage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

namespace sheetwise {
namespace {

struct LocaleCodePages {
    const char* language;  // language code, optionally with "_" territory
    int ansi;
    int oem;
};

// Longest match wins, so "zh_TW" beats "zh" and "en_US" beats "en".
constexpr LocaleCodePages kLocaleTable[] = {
    {"en_US", 1252, 437}, {"en", 1252, 850},   {"de", 1252, 850},   {"fr", 1252, 850},
    {"es", 1252, 850},    {"it", 1252, 850},   {"pt", 1252, 850},   {"nl", 1252, 850},
    {"da", 1252, 850},    {"sv", 1252, 850},   {"no", 1252, 850},   {"nb", 1252, 850},
    {"nn", 1252, 850},    {"fi", 1252, 850},   {"is", 1252, 850},   {"ca", 1252, 850},
    {"eu", 1252, 850},    {"gl", 1252, 850},   {"ga", 1252, 850},   {"af", 1252, 850},
    {"id", 1252, 850},    {"ms", 1252, 850},   {"sw", 1252, 437},   {"fo", 1252, 850},
    {"cs", 1250, 852},    {"pl", 1250, 852},   {"hu", 1250, 852},   {"sk", 1250, 852},
    {"sl", 1250, 852},    {"hr", 1250, 852},   {"ro", 1250, 852},   {"sq", 1250, 852},
    {"bs", 1250, 852},    {"ru", 1251, 866},   {"uk", 1251, 866},   {"be", 1251, 866},
    {"bg", 1251, 866},    {"mk", 1251, 866},   {"sr", 1251, 866},   {"kk", 1251, 866},
    {"ky", 1251, 866},    {"tt", 1251, 866},   {"mn", 1251, 866},   {"el", 1253, 737},
    {"tr", 1254, 857},    {"az", 1254, 857},   {"he", 1255, 862},   {"iw", 1255, 862},
    {"ar", 1256, 720},    {"fa", 1256, 720},   {"ur", 1256, 720},   {"et", 1257, 775},
    {"lv", 1257, 775},    {"lt", 1257, 775},   {"vi", 1258, 1258},  {"th", 874, 874},
    {"ja", 932, 932},     {"zh_CN", 936, 936}, {"zh_SG", 936, 936}, {"zh_TW", 950, 950},
    {"zh_HK", 950, 950},  {"zh_MO", 950, 950}, {"zh", 936, 936},    {"ko", 949, 949},
};

const LocaleCodePages* LookUpLocale(std::string_view locale) {
    // "de_DE.UTF-8@euro" -> "de_DE"
    const size_t end = locale.find_first_of(".@");
    const std::string_view name = locale.substr(0, end);
    const LocaleCodePages* best = nullptr;
    size_t bestLength = 0;
    for (const auto& entry : kLocaleTable) {
        const std::string_view language = entry.language;
        const bool matches = name.substr(0, language.size()) == language &&
                             (name.size() == language.size() || name[language.size()] == '_');
        if (matches && language.size() > bestLength) {
            best = &entry;
            bestLength = language.size();
        }
    }
    return best;
}

std::string_view CurrentLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "C";
}

int CodePageFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0')
        return 0;
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    return (*end == '\0' && number > 0 && number < 65536) ? static_cast<int>(number) : 0;
}

const char* IconvName(int number) {
    switch (number) {
        case 874:
            return "CP874";
        case 932:
            return "CP932";
        case 936:
            return "CP936";
        case 949:
            return "CP949";
        case 950:
            return "CP950";
        case 1250:
            return "CP1250";
        case 1251:
            return "CP1251";
        case 1252:
            return "CP1252";
        case 1253:
            return "CP1253";
        case 1254:
            return "CP1254";
        case 1255:
            return "CP1255";
        case 1256:
            return "CP1256";
        case 1257:
            return "CP1257";
        case 1258:
            return "CP1258";
        case 437:
            return "CP437";
        case 737:
            return "CP737";
        case 775:
            return "CP775";
        case 850:
            return "CP850";
        case 852:
            return "CP852";
        case 857:
            return "CP857";
        case 862:
            return "CP862";
        case 866:
            return "CP866";
        default:
            return nullptr;
    }
}

bool IsMultiByte(int number) {
    return number == 932 || number == 936 || number == 949 || number == 950;
}

bool IsAscii(std::string_view bytes) {
    for (unsigned char byte : bytes) {
        if (byte >= 0x80)
            return false;
    }
    return true;
}

// Decodes one byte with iconv; false when the code page leaves it undefined.
bool DecodeSingleByte(iconv_t cd, unsigned char byte, char16_t& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char input = static_cast<char>(byte);
    char* in = &input;
    size_t inLeft = 1;
    char output[16];
    char* outPtr = output;
    size_t outLeft = sizeof output;
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return false;
    // Some converters (1255, 1258) hold a base letter back until they see what follows.
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    if (outPtr - output != 2)
        return false;
    out = static_cast<char16_t>(static_cast<unsigned char>(output[0]) |
                                (static_cast<unsigned char>(output[1]) << 8));
    return true;
}

// A code page of one byte per character, converted through two tables built once.
class SingleByteCodePage final : public CodePage {
  public:
    SingleByteCodePage(int number, const char* iconvName) : number_(number) {
        toByte_.fill(-1);
        iconv_t cd = iconvName ? iconv_open("UTF-16LE", iconvName) : reinterpret_cast<iconv_t>(-1);
        for (int byte = 0; byte < 256; ++byte) {
            char16_t unit = static_cast<char16_t>(byte);
            if (byte >= 0x80 && cd != reinterpret_cast<iconv_t>(-1)) {
                // Windows maps the bytes a code page leaves undefined to the C1 controls.
                if (!DecodeSingleByte(cd, static_cast<unsigned char>(byte), unit)) {
                    unit = static_cast<char16_t>(byte);
                }
            }
            toUnit_[byte] = unit;
            if (toByte_[unit] < 0)
                toByte_[unit] = static_cast<int16_t>(byte);
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }

    int Number() const override { return number_; }

    std::u16string Decode(std::string_view bytes) const override {
        std::u16string text(bytes.size(), u'\0');
        for (size_t i = 0; i < bytes.size(); ++i) {
            text[i] = toUnit_[static_cast<unsigned char>(bytes[i])];
        }
        return text;
    }

    std::string Encode(std::u16string_view text) const override {
        std::string bytes;
        bytes.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i];
            const int16_t byte = toByte_[unit];
            bytes.push_back(byte >= 0 ? static_cast<char>(byte) : '?');
            // A surrogate pair is one character and gets one replacement.
            if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] < 0xE000) {
                ++i;
            }
        }
        return bytes;
    }

  private:
    int number_;
    std::array<char16_t, 256> toUnit_{};
    std::array<int16_t, 65536> toByte_{};
};

// The East Asian code pages, converted by iconv one call at a time.
class MultiByteCodePage final : public CodePage {
  public:
    MultiByteCodePage(int number, const char* iconvName)
        : number_(number),
          decoder_(iconv_open("UTF-16LE", iconvName)),
          encoder_(iconv_open(iconvName, "UTF-16LE")) {}

    ~MultiByteCodePage() override {
        if (decoder_ != kInvalid)
            iconv_close(decoder_);
        if (encoder_ != kInvalid)
            iconv_close(encoder_);
    }

    bool Usable() const { return decoder_ != kInvalid && encoder_ != kInvalid; }
    int Number() const override { return number_; }

    std::u16string Decode(std::string_view bytes) const override {
        if (IsAscii(bytes))
            return WidenBytes(bytes);
        std::lock_guard<std::mutex> lock(mutex_);
        iconv(decoder_, nullptr, nullptr, nullptr, nullptr);
        std::u16string text;
        std::vector<char> output(bytes.size() * 2 + 16);
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* out = output.data();
            size_t outLeft = output.size();
            const size_t result = iconv(decoder_, &in, &inLeft, &out, &outLeft);
            AppendUtf16Le(text, output.data(), out);
            if (result != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG)
                continue;
            text.push_back(u'\uFFFD');  // invalid or truncated sequence
            ++in;
            --inLeft;
            iconv(decoder_, nullptr, nullptr, nullptr, nullptr);
        }
        return text;
    }

    std::string Encode(std::u16string_view text) const override {
        std::lock_guard<std::mutex> lock(mutex_);
        iconv(encoder_, nullptr, nullptr, nullptr, nullptr);
        std::string bytes;
        std::vector<char> input(text.size() * 2);
        for (size_t i = 0; i < text.size(); ++i) {
            input[2 * i] = static_cast<char>(text[i] & 0xFF);
            input[2 * i + 1] = static_cast<char>(text[i] >> 8);
        }
        std::vector<char> output(text.size() * 4 + 16);
        char* in = input.data();
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = output.data();
            size_t outLeft = output.size();
            const size_t result = iconv(encoder_, &in, &inLeft, &out, &outLeft);
            bytes.append(output.data(), out);
            if (result != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG)
                continue;
            bytes.push_back('?');
            const size_t skip = IsSurrogatePairAt(in, inLeft) ? 4 : 2;
            in += std::min(skip, inLeft);
            inLeft -= std::min(skip, inLeft);
            iconv(encoder_, nullptr, nullptr, nullptr, nullptr);
        }
        return bytes;
    }

  private:
    static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);

    static void AppendUtf16Le(std::u16string& text, const char* begin, const char* end) {
        for (const char* p = begin; p + 1 < end; p += 2) {
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                                 (static_cast<unsigned char>(p[1]) << 8)));
        }
    }

    static bool IsSurrogatePairAt(const char* in, size_t left) {
        if (left < 4)
            return false;
        const unsigned high = static_cast<unsigned char>(in[1]);
        const unsigned nextHigh = static_cast<unsigned char>(in[3]);
        return high >= 0xD8 && high < 0xDC && nextHigh >= 0xDC && nextHigh < 0xE0;
    }

    int number_;
    iconv_t decoder_;
    iconv_t encoder_;
    mutable std::mutex mutex_;
};

}  // namespace

int AnsiCodePageForLocale(std::string_view locale) {
    const LocaleCodePages* entry = LookUpLocale(locale);
    return entry ? entry->ansi : 1252;
}

int OemCodePageForLocale(std::string_view locale) {
    const LocaleCodePages* entry = LookUpLocale(locale);
    return entry ? entry->oem : 437;
}

int AnsiCodePage() {
    const int overridden = CodePageFromEnvironment("SHEETWISE_ANSI_CODEPAGE");
    return overridden ? overridden : AnsiCodePageForLocale(CurrentLocaleName());
}

int OemCodePage() {
    const int overridden = CodePageFromEnvironment("SHEETWISE_OEM_CODEPAGE");
    return overridden ? overridden : OemCodePageForLocale(CurrentLocaleName());
}

std::shared_ptr<const CodePage> CodePage::Get(int number) {
    static std::mutex mutex;
    static std::map<int, std::shared_ptr<const CodePage>> cache;
    std::lock_guard<std::mutex> lock(mutex);
    auto& slot = cache[number];
    if (!slot) {
        const char* name = IconvName(number);
        if (name != nullptr && IsMultiByte(number)) {
            auto page = std::make_shared<MultiByteCodePage>(number, name);
            if (page->Usable())
                slot = page;
        }
        if (!slot)
            slot = std::make_shared<SingleByteCodePage>(number, name);
    }
    return slot;
}

void AppendUtf16(std::u16string& text, char32_t code) {
    if (code >= 0x10000) {
        text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
        text.push_back(static_cast<char16_t>(code));
    }
}

void AppendUtf8(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        bytes.push_back(static_cast<char>(0xC0 | (code >> 6)));
        bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        bytes.push_back(static_cast<char>(0xE0 | (code >> 12)));
        bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        bytes.push_back(static_cast<char>(0xF0 | (code >> 18)));
        bytes.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xE000) {
            const bool pair = code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                              text[i + 1] < 0xE000;
            if (pair) {
                code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
            } else {
                code = 0xFFFD;
            }
        }
        AppendUtf8(bytes, code);
    }
    return bytes;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        int length = lead < 0x80   ? 1
                     : lead < 0xC2 ? 0
                     : lead < 0xE0 ? 2
                     : lead < 0xF0 ? 3
                     : lead < 0xF5 ? 4
                                   : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        bool valid = length > 0 && i + length <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t minimum = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        valid = valid && code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code < 0xE000);
        if (!valid) {
            text.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        AppendUtf16(text, code);
        i += length;
    }
    return text;
}

std::u16string WidenBytes(std::string_view bytes) {
    std::u16string text;
    WidenBytesInto(bytes, text);
    return text;
}

bool WidenBytesInto(std::string_view bytes, std::u16string& text) {
    text.resize(bytes.size());
    char16_t* out = text.data();
    unsigned char seen = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte;
        seen |= byte;
    }
    return seen < 0x80;
}

}  // namespace sheetwise
