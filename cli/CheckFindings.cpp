#include "cli/CheckFindings.h"

#include <algorithm>
#include <cstdio>

#include "cli/Console.h"
#include "cli/JsonWriter.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {

Findings::Findings(std::ostream& out, Form form, size_t max) : out_(&out), max_(max) {
    if (form != Form::kJson)
        return;
    json_ = std::make_unique<JsonWriter>(out);
    json_->BeginObject();
    json_->Key("findings");
    json_->BeginArray();
}

Findings::Findings() = default;
Findings::~Findings() = default;

void Findings::Add(const std::string& file, int32_t line, FindingCode code, std::string message) {
    if (file != file_) {
        EndFile();
        file_ = file;
    }
    ++count_;
    worst_ = std::max(worst_.value_or(Severity::kNote), SeverityOf(code));
    if (out_ == nullptr || (max_ > 0 && ofFile_++ >= max_))
        return;
    if (json_) {
        json_->BeginObject();
        json_->Field("file", std::u16string_view(WideFromNative(file)));
        json_->Field("line", line);
        json_->Field("code", std::u16string_view(WideFromNative(CodeName(code))));
        json_->Field("severity",
                     std::u16string_view(WideFromNative(SeverityName(SeverityOf(code)))));
        json_->Field("message", std::u16string_view(WideFromNative(message)));
        json_->EndObject();
        return;
    }
    *out_ << ShownUtf8(file);
    if (line > 0)
        *out_ << ':' << line;
    *out_ << ": " << ShownUtf8(message) << '\n';
}

void Findings::AddUnreadable(const std::string& file, FindingCode code, std::string message) {
    Add(file, 0, code, std::move(message));
    unreadable_ = true;
}

void Findings::EndFile() {
    const size_t notShown = max_ > 0 && ofFile_ > max_ ? ofFile_ - max_ : 0;
    ofFile_ = 0;
    if (notShown == 0 || out_ == nullptr)
        return;
    if (json_) {
        notShown_.emplace_back(file_, notShown);
        return;
    }
    *out_ << ShownUtf8(file_) << ": " << notShown << " more findings not printed (--max " << max_
          << ")\n";
}

void Findings::Finish() {
    if (finished_)
        return;
    finished_ = true;
    EndFile();
    if (!json_)
        return;
    json_->EndArray();
    json_->Key("notShown");
    json_->BeginArray();
    for (const auto& [file, notShown] : notShown_) {
        json_->BeginObject();
        json_->Field("file", std::u16string_view(WideFromNative(file)));
        json_->Key("count");
        json_->Integer(static_cast<int64_t>(notShown));
        json_->EndObject();
    }
    json_->EndArray();
    json_->EndObject();
}

std::string DescribeCharacter(char16_t unit) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit));
    const bool noGlyph = IsDisplayHazard(unit) || (unit >= 0xD800 && unit <= 0xDFFF);
    if (noGlyph)
        return code;
    // Appended piece by piece: GCC 12 misreports "'" + string as an overlapping copy at -O3.
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

std::optional<size_t> FirstDisplayHazard(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsDisplayHazard(text[i]))
            return i;
    }
    return std::nullopt;
}

std::string DisplayHazardMessage(std::string_view what, std::u16string_view text, size_t at) {
    const bool control = text[at] < 0x20 || (text[at] >= 0x7F && text[at] <= 0x9F);
    return "warning: " + std::string(what) + " " + Quoted(text) + " holds " +
           DescribeCharacter(text[at]) + " at position " + std::to_string(at + 1) +
           (control ? ", a control character: a terminal may act on it"
                    : ", which changes how the text around it displays: it may display as other "
                      "text");
}

}  // namespace sheetwise::cli
