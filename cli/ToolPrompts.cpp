#include "cli/ToolPrompts.h"

#include "model/MessageIds.h"
#include "model/MessageTexts.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

// One line a text: paragraphs joined by a blank, the lines within one by `joint`.
std::string OneLine(const std::string& text, const char* joint) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') {
            line += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\n') {
            line += ' ';
            ++i;
        } else {
            line += joint;
        }
    }
    return line;
}

}  // namespace

std::string MessageTextOf(int id) {
    return Utf8(MessageText(id));
}

void ToolPrompts::Report(ToldNotice notice) {
    // Appended piece by piece: GCC 12 misreports string + literal as an overlapping copy at -O3.
    std::string shown = context_;
    if (!shown.empty())
        shown += ": ";
    shown += notice.text;
    toldAnything_ = true;
    if (notice.error) {
        ReportError(console_, shown);
        toldError_ = true;
    } else {
        ReportWarning(console_, shown);
    }
    told_.push_back(std::move(notice));
}

void ToolPrompts::Refuse(const std::string& why) {
    Report({0, why, true});
}

void ToolPrompts::Tell(const Notice& notice) {
    std::string text = MessageTextOf(notice.message);
    if (text.empty())
        text = notice.fallback;
    text = OneLine(text, " ");
    if (!notice.details.empty())
        text += " (" + OneLine(notice.details, "; ") + ")";
    Report({notice.message, std::move(text), notice.caption != message::kWarning});
}

Answer ToolPrompts::Ask(const Question& question) {
    switch (question.kind) {
        case Question::Kind::kReplaceExisting:
            if (force_)
                return Answer::kYes;
            Refuse(question.subject +
                   ": a file of this name in another letter case is there; "
                   "--force replaces it");
            return Answer::kNo;
        case Question::Kind::kOverwriteChanged:
            if (force_)
                return Answer::kYes;
            Refuse(question.subject +
                   ": changed by another program since it was read; --force overwrites it");
            return Answer::kCancel;
        case Question::Kind::kSaveChanges:
            // Nothing the tool holds is unsaved work of anybody's.
            return Answer::kNo;
        case Question::Kind::kDeletePaper:
        case Question::Kind::kDeleteValue:
            // The command line asked for the deletion.
            return Answer::kYes;
    }
    return Answer::kCancel;
}

std::optional<std::u16string> ToolPrompts::ChooseFile(FileChoice choice, const std::string&) {
    const auto given = files_.find(choice);
    if (given == files_.end())
        return std::nullopt;
    std::u16string path = std::move(given->second);
    files_.erase(given);
    // The save dialog asks before it replaces a file of exactly that name.
    if (choice == FileChoice::kSaveCatalogAs && !force_ && FileExists(ToNativePath(path)) &&
        NameOf(ToNativePath(path)) == NameOf(Utf8(path))) {
        Refuse(Utf8(path) + ": exists; --force replaces it");
        return std::nullopt;
    }
    return path;
}

}  // namespace sheetwise::cli
