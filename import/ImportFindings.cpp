#include "import/ImportFindings.h"

#include "import/ImportedCatalog.h"
#include "model/EditingSession.h"
#include "model/MessageIds.h"
#include "model/MessageTexts.h"
#include "model/WeightRange.h"
#include "platform/CodePage.h"

namespace sheetwise {
namespace {

// The column labels that name a left-out value's kind.
constexpr int kColourLabel = 10097;
constexpr int kWeightLabel = 10098;
constexpr int kTypeLabel = 10099;

std::string Line(std::u16string_view key, std::u16string_view name, const std::string& why) {
    return Utf16ToUtf8(key) + ": " + Utf16ToUtf8(name) + " (" + why + ")";
}

}  // namespace

// One message for all definitions and values left out, naming each and why, rather than the
// same message once for each of them.
void ReportImportFindings(
    const ImportedCatalog& imported, const std::vector<size_t>& rejectedPapers,
    const std::vector<std::pair<AttributeKind, std::u16string>>& rejectedValues,
    SessionPrompts& prompts) {
    std::string colons;
    std::string numbered;
    for (const ImportedCatalog::ChangedValue& change : imported.changedValues()) {
        std::string line = Utf16ToUtf8(change.key) + ": " + Utf16ToUtf8(change.before);
        line += change.before != change.after ? " became " + Utf16ToUtf8(change.after)
                                              : " (a colon in one of its values)";
        std::string& lines = change.colon ? colons : numbered;
        lines += (lines.empty() ? "" : "\n") + line;
    }
    if (imported.colonsReplaced())
        prompts.Tell({message::kWarning, message::kColonsReplaced, colons, {}});
    if (!numbered.empty())
        prompts.Tell({message::kWarning, message::kNamesNumbered, numbered, {}});
    if (imported.defaultPaperFailed())
        prompts.Tell({message::kWarning,
                      message::kDefaultPaperFailed,
                      "\"" + Utf16ToUtf8(imported.defaultPaperName()) +
                          "\" cannot be made the default paper.",
                      {}});
    std::string lines;
    const auto add = [&lines](const std::string& line) {
        lines += (lines.empty() ? "" : "\n") + line;
    };
    for (const ImportedCatalog::DroppedDefinition& dropped : imported.droppedDefinitions())
        add(Line(dropped.key, dropped.name,
                 dropped.missingField
                     ? "a field is empty"
                     : "the size is not a number, or the weight is outside " + WeightRangeText()));
    for (const size_t paper : rejectedPapers)
        add(Line(imported.paperKeys()[paper], imported.papers()[paper].name,
                 "a character a name, colour or type may not hold"));
    for (const auto& [kind, value] : rejectedValues) {
        const int label = kind == kWeights ? kWeightLabel
                          : kind == kTypes ? kTypeLabel
                                           : kColourLabel;
        add(Utf16ToUtf8(MessageText(label)) + " " + Utf16ToUtf8(value));
    }
    if (!lines.empty())
        prompts.Tell({message::kError, message::kInvalidPaper, lines, {}});
}

}  // namespace sheetwise
