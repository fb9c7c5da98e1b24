#include "ui/window/EditMenu.h"

#include <QAction>
#include <QLineEdit>

#include "model/StepNames.h"
#include "ui/resources/QtText.h"
#include "ui/window/ControlIds.h"

namespace sheetwise {
namespace {

constexpr int kRenameCaption = 10120;  // "Rename Paper"
constexpr int kRenamePrompt = 10121;   // "New name for %s:"

}  // namespace

EditMenu::EditMenu(UserInterface& ui, QWidget& owner, EditingSession& session,
                   SessionPrompts& prompts, std::function<QString(int id)> label,
                   std::function<QAction*(int id)> item, std::function<QWidget*(int id)> control)
    : ui_(ui),
      owner_(owner),
      session_(session),
      prompts_(prompts),
      label_(std::move(label)),
      item_(std::move(item)),
      control_(std::move(control)) {}

bool EditMenu::Dispatch(int id) {
    switch (id) {
        case command::kUndo:
            session_.Undo();
            return true;
        case command::kRedo:
            session_.Redo();
            return true;
        case command::kRename:
            Rename();
            return true;
        case command::kDuplicate:
            nameReady_ = session_.Duplicate(prompts_) == EditOutcome::kDone;
            return true;
        default:
            return false;
    }
}

// The dialog starts with the name the name field holds: the paper's own, or a new one the
// operator typed there (over a copy's name, say).
void EditMenu::Rename() {
    PaperDefinition paper;
    if (!session_.catalog().GetPaper(session_.selected(), paper)) {
        session_.Rename({}, prompts_);  // which tells that no paper is selected
        return;
    }
    const QString name = ToQString(paper.name);
    const NameRequest request{
        label_(kRenameCaption), label_(kRenamePrompt).replace(QStringLiteral("%s"), name),
        ToQString(session_.changed().name ? session_.fields().name : paper.name), kNameFieldLimit};
    if (const std::optional<QString> chosen = ui_.AskName(&owner_, request))
        session_.Rename(chosen->toStdU16String(), prompts_);
}

void EditMenu::Render() {
    const EditHistory& history = session_.document().history();
    ShowHistoryItem(command::kUndo, history.UndoStep(), menu_text::kUndo, menu_text::kUndoStep);
    ShowHistoryItem(command::kRedo, history.RedoStep(), menu_text::kRedo, menu_text::kRedoStep);
    const bool paperShown = session_.selected() >= 0;
    for (const int id : {command::kRename, command::kDuplicate}) {
        if (QAction* item = item_(id))
            item->setEnabled(paperShown);
    }
    auto* name = qobject_cast<QLineEdit*>(control_(control::kNameField));
    if (nameReady_ && name != nullptr) {
        name->setFocus(Qt::OtherFocusReason);
        name->selectAll();
    }
    nameReady_ = false;
}

// "Undo Delete Letter_Cover" for a step, "Undo" without one; a text the string table lacks
// leaves the item as it is.
void EditMenu::ShowHistoryItem(int commandId, const EditStep* step, int plainText, int namedText) {
    QAction* item = item_(commandId);
    if (item == nullptr)
        return;
    item->setEnabled(step != nullptr);
    QString text = label_(plainText);
    const QString named = label_(namedText);
    const QString stepText = step != nullptr ? label_(StepTextId(step->action)) : QString();
    if (!named.isEmpty() && !stepText.isEmpty()) {
        // A paper's "&" is shown, not taken for the item's mnemonic.
        const QString name = ToQString(StepName(stepText.toStdU16String(), *step))
                                 .replace(u'&', QStringLiteral("&&"));
        text = QString(named).replace(QStringLiteral("%s"), name);
    }
    if (!text.isEmpty())
        item->setText(u'&' + text);
}

}  // namespace sheetwise
