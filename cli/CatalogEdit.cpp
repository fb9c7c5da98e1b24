#include "cli/CatalogEdit.h"

#include <algorithm>
#include <array>
#include <utility>

#include "cli/Console.h"
#include "formats/PaperDefinition.h"

namespace sheetwise::cli {
namespace {

constexpr std::array<std::pair<EditKind, const char*>, 8> kEditNames = {{
    {EditKind::kAdd, "add"},
    {EditKind::kModify, "modify"},
    {EditKind::kRename, "rename"},
    {EditKind::kDelete, "delete"},
    {EditKind::kMove, "move"},
    {EditKind::kSetDefault, "set-default"},
    {EditKind::kAddValue, "add-value"},
    {EditKind::kDeleteValue, "delete-value"},
}};

constexpr std::array<std::pair<int32_t, const char*>, 3> kValueKindNames = {{
    {kColours, "colour"},
    {kTypes, "type"},
    {kWeights, "weight"},
}};

bool SameAscii(std::u16string_view text, std::string_view ascii) {
    return std::equal(text.begin(), text.end(), ascii.begin(), ascii.end(),
                      [](char16_t unit, char letter) { return unit == char16_t(letter); });
}

}  // namespace

const char* EditKindName(EditKind kind) {
    for (const auto& [entry, name] : kEditNames) {
        if (entry == kind)
            return name;
    }
    return "";
}

std::optional<EditKind> FindEditKind(std::u16string_view name) {
    for (const auto& [kind, entry] : kEditNames) {
        if (SameAscii(name, entry))
            return kind;
    }
    return std::nullopt;
}

std::vector<std::string> EditKindNames() {
    std::vector<std::string> names;
    for (const auto& entry : kEditNames)
        names.emplace_back(entry.second);
    return names;
}

std::optional<int32_t> FindValueKind(std::u16string_view name) {
    for (const auto& [kind, entry] : kValueKindNames) {
        if (SameAscii(name, entry))
            return kind;
    }
    return std::nullopt;
}

const char* ValueKindName(int32_t kind) {
    for (const auto& [entry, name] : kValueKindNames) {
        if (entry == kind)
            return name;
    }
    return "";
}

bool IsWeightText(std::u16string_view text) {
    if (text == u"*")
        return true;
    return !text.empty() && text.find_first_not_of(u"0123456789") == std::u16string_view::npos;
}

std::string DescribeEdit(const CatalogEdit& edit) {
    std::string text = EditKindName(edit.kind);
    switch (edit.kind) {
        case EditKind::kAddValue:
        case EditKind::kDeleteValue:
            return text + " " + ValueKindName(edit.valueKind) + " " + Quoted(edit.value);
        case EditKind::kRename:
            return text + " " + Quoted(edit.name) + " to " + Quoted(edit.newName);
        default:
            return text + " " + Quoted(edit.name);
    }
}

}  // namespace sheetwise::cli
