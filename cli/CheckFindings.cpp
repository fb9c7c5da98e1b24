#include "cli/CheckFindings.h"

#include <algorithm>
#include <cstdio>

#include "cli/Console.h"
#include "model/CharacterCheck.h"

namespace sheetwise::cli {

void Findings::Declare(const std::string& file) {
    if (std::find(files_.begin(), files_.end(), file) == files_.end())
        files_.push_back(file);
}

void Findings::Add(const std::string& file, int32_t line, std::string message) {
    Declare(file);
    findings_.push_back({file, line, std::move(message)});
}

void Findings::AddUnreadable(const std::string& file, std::string message) {
    Add(file, 0, std::move(message));
    unreadable_ = true;
}

void Findings::Print(std::ostream& out) const {
    for (const std::string& file : files_) {
        std::vector<const Finding*> ofFile;
        for (const Finding& finding : findings_) {
            if (finding.file == file)
                ofFile.push_back(&finding);
        }
        std::stable_sort(ofFile.begin(), ofFile.end(),
                         [](const Finding* a, const Finding* b) { return a->line < b->line; });
        for (const Finding* finding : ofFile) {
            out << finding->file;
            if (finding->line > 0)
                out << ':' << finding->line;
            out << ": " << finding->message << '\n';
        }
    }
}

std::optional<size_t> FirstDisallowed(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsAllowedCharacter(text[i]))
            return i;
    }
    return std::nullopt;
}

std::string DescribeCharacter(char16_t unit) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit));
    const bool noGlyph =
        unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || (unit >= 0xD800 && unit <= 0xDFFF);
    if (noGlyph)
        return code;
    // Appended rather than "'" + glyph: g++ 12 at -O3 warns falsely (-Wrestrict) about the latter.
    std::string described(1, '\'');
    described += Utf8(std::u16string_view(&unit, 1));
    described += "' (";
    described += code;
    described += ')';
    return described;
}

std::string DisallowedMessage(std::string_view what, std::u16string_view text, size_t at) {
    return std::string(what) + " " + Quoted(text) + " holds " + DescribeCharacter(text[at]) +
           " at position " + std::to_string(at + 1) + ", which is not allowed";
}

bool IsDigits(std::u16string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace sheetwise::cli
