#include "cli/EditArguments.h"

#include "formats/PaperDefinition.h"

namespace sheetwise::cli {
namespace {

bool Fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
}

bool Digits(std::u16string_view text) {
    return !text.empty() && text.size() <= 9 &&
           text.find_first_not_of(u"0123456789") == std::u16string_view::npos;
}

// The field options of add and modify.
bool ReadFields(EditKind kind, const EditOptions& options, FieldValues& fields,
                std::string& error) {
    const char* command = EditKindName(kind);
    if (options.precollated && options.notPrecollated)
        return Fail(error, "--precollated and --no-precollated exclude each other");
    const struct {
        const std::u16string& given;
        std::optional<std::u16string>& field;
    } texts[] = {{options.size, fields.size},
                 {options.weight, fields.weight},
                 {options.colour, fields.colour},
                 {options.type, fields.type}};
    for (const auto& text : texts) {
        if (!text.given.empty())
            text.field = text.given;
    }
    if (fields.weight && !IsWeightText(*fields.weight))
        return Fail(error, "--weight needs a whole number of gsm, or *");
    if (!options.sides.empty()) {
        if (options.sides != u"0" && options.sides != u"1" && options.sides != u"2")
            return Fail(error, "--sides is 0 (Inserter), 1 (1-Sided) or 2 (1, 2-Sided)");
        fields.sides = options.sides[0] - u'0';
    }
    if (options.precollated || options.notPrecollated)
        fields.precollated = options.precollated;
    if (kind == EditKind::kModify && !fields.any())
        return Fail(error,
                    "modify needs a value to change: --size, --weight, --colour, --type, "
                    "--sides or --(no-)precollated");
    if (kind == EditKind::kAdd && !(fields.size && fields.weight && fields.colour && fields.type))
        return Fail(error, std::string(command) + " needs --size, --weight, --colour and --type");
    return true;
}

bool ReadMove(const EditOptions& options, CatalogEdit& edit, std::string& error) {
    if (int(options.up) + int(options.down) + int(!options.to.empty()) != 1)
        return Fail(error, "move needs one of --up, --down and --to POSITION");
    if (!options.to.empty()) {
        if (!Digits(options.to) || options.to.find_first_not_of(u'0') == std::u16string::npos)
            return Fail(error, "--to needs a position from 1 (the first paper)");
        edit.position = std::stoi(std::string(options.to.begin(), options.to.end()));
    }
    edit.step = options.up ? -1 : options.down ? 1 : 0;
    return true;
}

bool ReadValue(const std::vector<std::u16string>& operands, CatalogEdit& edit, std::string& error) {
    const std::optional<int32_t> kind = FindValueKind(operands[0]);
    if (!kind)
        return Fail(error, std::string(EditKindName(edit.kind)) +
                               " works on the colour, type or weight list");
    edit.valueKind = *kind;
    edit.value = operands[1];
    if (edit.valueKind == kWeights && !IsWeightText(edit.value))
        return Fail(error, "a weight is a whole number of gsm, or *");
    return true;
}

}  // namespace

bool ReadEditArguments(EditKind kind, const std::vector<std::u16string>& operands,
                       const EditOptions& options, CatalogEdit& edit, std::string& error) {
    edit.kind = kind;
    switch (kind) {
        case EditKind::kAdd:
        case EditKind::kModify:
            edit.name = operands[0];
            return ReadFields(kind, options, edit.fields, error);
        case EditKind::kRename:
            edit.name = operands[0];
            edit.newName = operands[1];
            return true;
        case EditKind::kMove:
            edit.name = operands[0];
            return ReadMove(options, edit, error);
        case EditKind::kDelete:
        case EditKind::kSetDefault:
            edit.name = operands[0];
            return true;
        case EditKind::kAddValue:
        case EditKind::kDeleteValue:
            return ReadValue(operands, edit, error);
    }
    return false;
}

}  // namespace sheetwise::cli
