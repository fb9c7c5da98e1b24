#include "ui/window/WindowPrompts.h"

#include <QStandardPaths>

#include "model/MessageIds.h"
#include "ui/window/FileDialogFilter.h"

namespace sheetwise {
namespace {

constexpr int kCatalogFilter = 7002;
constexpr int kImportFilter = 7016;

// Questions the string table has no text for.
const char* const kChangedOnDisk =
    "%1 has been changed on disk since this window read it, by another program or another "
    "Sheetwise window.";
const char* const kChangedOnDiskChoices =
    "Overwrite replaces those changes with the catalog shown here. Save As keeps them and saves "
    "this catalog under another name.";
const char* const kReplaceExisting = "%1 already exists.\nDo you want to replace it?";

BoxAnswer Show(UserInterface& ui, QWidget& owner, const QString& caption, const QString& text,
               BoxButtons buttons, const QString& details) {
    return ui.ShowBox(&owner, caption, text, BoxIcon::kQuestion, buttons, details);
}

Answer FromBox(BoxAnswer answer) {
    return answer == BoxAnswer::kYes  ? Answer::kYes
           : answer == BoxAnswer::kNo ? Answer::kNo
                                      : Answer::kCancel;
}

}  // namespace

void WindowPrompts::Tell(const Notice& notice) {
    const QString details = QString::fromStdString(notice.details);
    const QString text = text_(notice.message);
    if (!text.isEmpty()) {
        ui_.ShowBox(&owner_, text_(notice.caption), text, BoxIcon::kExclamation, BoxButtons::kOk,
                    details);
    } else if (!notice.fallback.empty()) {
        const QString caption = text_(message::kError);
        ui_.ShowBox(&owner_, caption.isEmpty() ? QStringLiteral("Error") : caption,
                    QString::fromStdString(notice.fallback), BoxIcon::kExclamation, BoxButtons::kOk,
                    details);
    }
}

Answer WindowPrompts::Ask(const Question& question) {
    const QString caption = text_(message::kWarning);
    const QString subject = QString::fromStdString(question.subject);
    switch (question.kind) {
        case Question::Kind::kSaveChanges:
            // Below the question: the catalog whose changes it is about.
            return FromBox(Show(ui_, owner_, caption, text_(question.message),
                                BoxButtons::kYesNoCancel, subject));
        case Question::Kind::kOverwriteChanged:
            return FromBox(
                Show(ui_, owner_, caption, QString::fromUtf8(kChangedOnDisk).arg(subject),
                     BoxButtons::kOverwriteSaveAsCancel, QString::fromUtf8(kChangedOnDiskChoices)));
        case Question::Kind::kReplaceExisting:
            return FromBox(Show(ui_, owner_, caption,
                                QString::fromUtf8(kReplaceExisting).arg(subject),
                                BoxButtons::kYesNo, {}));
        case Question::Kind::kDeletePaper:
        case Question::Kind::kDeleteValue:
            return FromBox(
                Show(ui_, owner_, caption, text_(question.message), BoxButtons::kYesNo, subject));
    }
    return Answer::kCancel;
}

std::optional<std::u16string> WindowPrompts::ChooseFile(FileChoice choice,
                                                        const std::string& folder) {
    const bool import = choice == FileChoice::kImportFile;
    // Saved catalogs go where the user keeps documents when the session names no folder.
    const QString start = !folder.empty() || choice != FileChoice::kSaveCatalogAs
                              ? QString::fromStdString(folder)
                              : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const FileDialogRequest request{QtFileFilter(text_(import ? kImportFilter : kCatalogFilter)),
                                    import ? QStringLiteral("ini") : QStringLiteral("cat"),
                                    choice == FileChoice::kSaveCatalogAs, start};
    const QString chosen = ui_.ChooseFile(&owner_, request);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdU16String();
}

}  // namespace sheetwise
