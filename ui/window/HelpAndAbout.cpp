// Help Topics, F1, the "What's this" menu of the controls, and the About box.
//
// Help is the operator's manual, opened in the program's own help window: the whole manual for
// Help Topics and F1, a control's topic for "What's this". Without an installed manual the old
// help file is asked for, which no help system on Linux can show: Help Topics and F1 then say so
// (57670), and a pop-up topic that cannot be shown says nothing.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

#include "model/MessageIds.h"
#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/QtText.h"
#include "ui/resources/ResourceIds.h"
#include "ui/window/AboutDialog.h"
#include "ui/window/HelpFile.h"
#include "ui/window/MainDialog.h"

namespace sheetwise {
namespace {

constexpr int kWhatsThisText = 12064;

}  // namespace

void MainDialog::ComputeHelpPath() {
    helpPath_ = ToQString(HelpFilePath(environment_.executablePath));
}

void MainDialog::CreateWhatsThisMenu() {
    std::u16string text;
    if (!strings_ || !strings_->GetString(kLabelPrefix, kWhatsThisText, text))
        text = u"What's This";
    if (whatsThisMenu_ != nullptr)
        return;
    whatsThisMenu_ = new QMenu(this);
    QAction* item = whatsThisMenu_->addAction(ToQString(text));
    item->setData(command::kWhatsThis);
}

void MainDialog::ShowHelpTopics() {
    if (!ui_.Help(this, helpPath_, kHelpOpenFile, 0))
        ShowMessage(message::kError, message::kHelpFailed);
}

void MainDialog::OnHelpRequest() {
    ShowHelpTopics();
}

void MainDialog::OnContextMenu(const QPoint& screenPoint) {
    if (body_ == nullptr)
        return;
    // Every control is a child of the window itself: a group frame does not hold the list boxes
    // drawn on it, they only lie on top of it. The widgets Qt builds one control from (a list's
    // viewport, header and scroll bars) are parts of that control, not windows to search.
    QWidget* found =
        NarrowestAt(body_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly), screenPoint);
    if (found == nullptr)
        return;
    const int id = controls_.key(found, 0);
    if (!HasTopic(id) || whatsThisMenu_ == nullptr)
        return;
    const QAction* chosen = whatsThisMenu_->exec(screenPoint);
    if (chosen != nullptr && chosen->data().toInt() == command::kWhatsThis) {
        // A pop-up topic that cannot be shown is not worth a message.
        ui_.Help(this, helpPath_, kHelpContextPopup, id);
    }
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
    OnContextMenu(event->globalPos());
    event->accept();
}

void MainDialog::ShowAbout() {
    activeList_ = 0;
    const auto about = LoadDialogTemplate(resource_id::kAboutDialog);
    if (!about)
        return;
    QWidget* owner = QApplication::activeWindow();
    AboutDialog box(*about, stringModule_, owner != nullptr ? owner : this);
    box.exec();
}

}  // namespace sheetwise
