#include "cli/FindingCodes.h"

namespace sheetwise::cli {
namespace {

struct FindingKind {
    const char* name;
    Severity severity;
};

FindingKind KindOf(FindingCode code) {
    switch (code) {
        case FindingCode::kCatalogUnreadable:
            return {"catalog-unreadable", Severity::kError};
        case FindingCode::kSizesUnreadable:
            return {"sizes-unreadable", Severity::kError};
        case FindingCode::kAttributesUnreadable:
            return {"attributes-unreadable", Severity::kError};
        case FindingCode::kFileTooLarge:
            return {"file-too-large", Severity::kError};
        case FindingCode::kFolderLocked:
            return {"folder-locked", Severity::kError};
        case FindingCode::kEmptyFile:
            return {"empty-file", Severity::kError};
        case FindingCode::kEditorStatus:
            return {"editor-status", Severity::kError};
        case FindingCode::kLineTooLong:
            return {"line-too-long", Severity::kError};
        case FindingCode::kLineWithoutKey:
            return {"line-without-key", Severity::kError};
        case FindingCode::kFieldMissing:
            return {"field-missing", Severity::kError};
        case FindingCode::kFieldEmpty:
            return {"field-empty", Severity::kError};
        case FindingCode::kCharacterNotAllowed:
            return {"character-not-allowed", Severity::kError};
        case FindingCode::kUnknownSection:
            return {"unknown-section", Severity::kError};
        case FindingCode::kValueBeforeSection:
            return {"value-before-section", Severity::kError};
        case FindingCode::kOddFinalByte:
            return {"odd-final-byte", Severity::kError};
        case FindingCode::kEscapes:
            return {"escapes", Severity::kWarning};
        case FindingCode::kTextCut:
            return {"text-cut", Severity::kWarning};
        case FindingCode::kNumberFromText:
            return {"number-from-text", Severity::kWarning};
        case FindingCode::kSizeOutOfRange:
            return {"size-out-of-range", Severity::kWarning};
        case FindingCode::kExtraFields:
            return {"extra-fields", Severity::kWarning};
        case FindingCode::kValueCutAtColon:
            return {"value-cut-at-colon", Severity::kWarning};
        case FindingCode::kNoDefaultPaper:
            return {"no-default-paper", Severity::kWarning};
        case FindingCode::kDefaultPaperMissing:
            return {"default-paper-missing", Severity::kWarning};
        case FindingCode::kValueNotListed:
            return {"value-not-listed", Severity::kWarning};
        case FindingCode::kDisplayHazard:
            return {"display-hazard", Severity::kWarning};
        case FindingCode::kDefaultPaperRepeated:
            return {"default-paper-repeated", Severity::kNote};
        case FindingCode::kDuplicateName:
            return {"duplicate-name", Severity::kNote};
        case FindingCode::kWeightOutOfRange:
            return {"weight-out-of-range", Severity::kNote};
        case FindingCode::kPrecollatedNotFlag:
            return {"precollated-not-flag", Severity::kNote};
        case FindingCode::kSizeUnitUnknown:
            return {"size-unit-unknown", Severity::kNote};
        case FindingCode::kListedWeightNotNumber:
            return {"listed-weight-not-number", Severity::kNote};
        case FindingCode::kListedWeightOutOfRange:
            return {"listed-weight-out-of-range", Severity::kNote};
        case FindingCode::kListedValueNotAllowed:
            return {"listed-value-not-allowed", Severity::kNote};
        case FindingCode::kListedValueTooLong:
            return {"listed-value-too-long", Severity::kNote};
        case FindingCode::kValueListedTwice:
            return {"value-listed-twice", Severity::kNote};
    }
    return {"finding", Severity::kError};
}

}  // namespace

const char* CodeName(FindingCode code) {
    return KindOf(code).name;
}

Severity SeverityOf(FindingCode code) {
    return KindOf(code).severity;
}

const char* SeverityName(Severity severity) {
    switch (severity) {
        case Severity::kNote:
            return "note";
        case Severity::kWarning:
            return "warning";
        case Severity::kError:
            return "error";
    }
    return "error";
}

FindingCode CodeOfFault(LineFault fault) {
    switch (fault) {
        case LineFault::kTooLong:
            return FindingCode::kLineTooLong;
        case LineFault::kTooLarge:
            return FindingCode::kFileTooLarge;
        case LineFault::kNoKey:
            return FindingCode::kLineWithoutKey;
        case LineFault::kFieldMissing:
            return FindingCode::kFieldMissing;
        case LineFault::kFieldEmpty:
            return FindingCode::kFieldEmpty;
        case LineFault::kBadCharacter:
            return FindingCode::kCharacterNotAllowed;
        case LineFault::kUnknownSection:
            return FindingCode::kUnknownSection;
        case LineFault::kBeforeSection:
            return FindingCode::kValueBeforeSection;
        case LineFault::kEscapes:
            return FindingCode::kEscapes;
        case LineFault::kCut:
            return FindingCode::kTextCut;
        case LineFault::kNumberFromText:
            return FindingCode::kNumberFromText;
        case LineFault::kSizeOutOfRange:
            return FindingCode::kSizeOutOfRange;
        case LineFault::kRestIgnored:
            return FindingCode::kExtraFields;
        case LineFault::kCutAtColon:
            return FindingCode::kValueCutAtColon;
        case LineFault::kOddFinalByte:
            return FindingCode::kOddFinalByte;
    }
    return FindingCode::kEditorStatus;
}

}  // namespace sheetwise::cli
