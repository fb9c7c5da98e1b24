#include "import/ImportPaperDefinition.h"

#include <array>
#include <string>

#include "formats/CharacterCheck.h"
#include "import/ImportCleaning.h"

namespace sheetwise {
namespace {

constexpr size_t kFieldCount = 6;
constexpr size_t kNone = std::u16string_view::npos;

using Fields = std::array<std::u16string_view, kFieldCount>;

// TakeField with ';' six times, moving past the delimiter when one follows the field.
Fields CutFields(std::u16string_view value) {
    Fields fields{};
    std::u16string_view rest = value;
    bool more = true;
    for (size_t i = 0; i < kFieldCount && more; ++i) {
        const size_t delimiter = rest.find(u';');
        fields[i] = rest.substr(0, delimiter);
        more = delimiter != kNone;
        rest = more ? rest.substr(delimiter + 1) : std::u16string_view();
    }
    return fields;
}

// A text field (colour, type): "<<" to "*", colons replaced, cut to its length.
std::u16string CleanTextField(std::u16string_view field, size_t maxLength, bool& colon) {
    std::u16string text = StartsWithDefaultMarker(field) ? u"*" : std::u16string(field);
    colon = ReplaceColons(text) || colon;
    text.resize(std::min(text.size(), maxLength));
    return text;
}

class DefinitionCleaner {
  public:
    explicit DefinitionCleaner(std::u16string_view value) : fields_(CutFields(value)) {}

    CleanedPaperDefinition Clean() {
        for (size_t i = 0; i < kFieldCount; ++i) {
            if (fields_[i].empty())
                return Finish(PaperDefinitionResult::kMissingField);
            if (!CleanField(i))
                return cleaned_;
        }
        return Finish(PaperDefinitionResult::kAccepted);
    }

  private:
    // False when the field decided the paper's fate (the result is then set).
    bool CleanField(size_t index) {
        PaperDefinition& paper = cleaned_.paper;
        const std::u16string_view field = fields_[index];
        switch (index) {
            case 0:
                return CleanName(field);
            case 1:
                return ReadSizeNumberField(field, paper.sizeIndex) ||
                       Fail(PaperDefinitionResult::kInvalidValue);
            case 2:
                paper.colour = CleanTextField(field, kMaxColourLength, cleaned_.colonReplaced);
                return true;
            case 3:
                return CleanWeight(field);
            case 4:
                paper.type = CleanTextField(field, kMaxTypeLength, cleaned_.colonReplaced);
                return true;
            default:
                return CleanImagedSides(field);
        }
    }

    bool CleanName(std::u16string_view field) {
        std::u16string name(field);
        cleaned_.nameColonReplaced = ReplaceColons(name);
        cleaned_.colonReplaced = cleaned_.nameColonReplaced;
        if (StartsWithDefaultMarker(name))
            name.assign(1, u'*');
        if (name == u"*")
            return Fail(PaperDefinitionResult::kSkipped);
        name = RemoveWhiteSpace(name);
        name.resize(std::min(name.size(), kMaxNameLength));
        cleaned_.paper.name = std::move(name);
        return true;
    }

    bool CleanWeight(std::u16string_view field) {
        const std::u16string text = CleanTextField(field, field.size(), cleaned_.colonReplaced);
        cleaned_.paper.weight = ReadWeightField(text);
        return IsAllowedImportWeight(cleaned_.paper.weight) ||
               Fail(PaperDefinitionResult::kInvalidValue);
    }

    bool CleanImagedSides(std::u16string_view field) {
        std::u16string text(field);
        cleaned_.colonReplaced = ReplaceColons(text) || cleaned_.colonReplaced;
        cleaned_.paper.imagedSides = ImagedSidesFromField(text);
        return true;
    }

    bool Fail(PaperDefinitionResult result) {
        cleaned_.result = result;
        return false;
    }

    CleanedPaperDefinition Finish(PaperDefinitionResult result) {
        cleaned_.result = result;
        return cleaned_;
    }

    Fields fields_;
    CleanedPaperDefinition cleaned_;
};

}  // namespace

CleanedPaperDefinition CleanPaperDefinition(std::u16string_view value) {
    CleanedPaperDefinition cleaned = DefinitionCleaner(value).Clean();
    cleaned.paper.precollated = 0;
    return cleaned;
}

}  // namespace sheetwise
