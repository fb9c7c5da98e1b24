#include "model/StepNames.h"

namespace sheetwise {

int StepTextId(EditAction action) {
    switch (action) {
        case EditAction::kAdd:
            return 7030;
        case EditAction::kModify:
            return 7031;
        case EditAction::kDelete:
            return 7032;
        case EditAction::kMoveUp:
            return 7033;
        case EditAction::kMoveDown:
            return 7034;
        case EditAction::kDefaultPaper:
            return 7035;
        case EditAction::kAddValues:
            return 7036;
        case EditAction::kDeleteValue:
            return 7037;
        case EditAction::kImport:
            return 7038;
        case EditAction::kRename:
            return 7039;
        case EditAction::kDuplicate:
            return 7040;
    }
    return 7031;
}

std::u16string StepName(std::u16string_view text, const EditStep& step) {
    std::u16string subject = step.subject;
    if (subject.size() > kStepSubjectLength) {
        size_t cut = kStepSubjectLength - 3;
        // Never half of a character that takes two units.
        if (subject[cut - 1] >= 0xD800 && subject[cut - 1] <= 0xDBFF)
            --cut;
        subject = subject.substr(0, cut) + u"...";
    }
    std::u16string name(text);
    const size_t marker = name.find(u"%s");
    if (marker != std::u16string::npos)
        name.replace(marker, 2, subject);
    return name;
}

}  // namespace sheetwise
