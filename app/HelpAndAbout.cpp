// Help Topics, F1, the "What's this" menu of the controls, and the About box.
//
// The help file is a WinHelp file next to the executable. Linux has no help system, so the
// requests fail: Help Topics and F1 say so (57670), a pop-up topic that cannot be shown says
// nothing, exactly as on a Windows machine whose help system is missing.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <climits>

#include "app/AboutDialog.h"
#include "app/CatalogLocation.h"
#include "app/DialogTemplateReader.h"
#include "app/HelpFile.h"
#include "app/MainDialog.h"
#include "app/ResourceIds.h"

namespace sheetwise {
namespace {

constexpr int kErrorCaption = 12059;
constexpr int kHelpFailed = 57670;
constexpr int kWhatsThisText = 12064;

// The controls that have a pop-up topic; the edit fields, the Precollated box and the labels
// have none.
constexpr int kControlsWithTopics[] = {
    control::kAdd,      control::kDelete,     control::kModify,          control::kPaperList,
    control::kMoveUp,   control::kMoveDown,   control::kDefaultPaperBox, control::kInserter,
    control::kOneSided, control::kTwoSided,   control::kColourList,      control::kSizeList,
    control::kTypeList, control::kWeightList, control::kNameList,        control::kCatalogDisplay};

bool HasTopic(int id) {
    for (const int candidate : kControlsWithTopics) {
        if (candidate == id)
            return true;
    }
    return false;
}

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Walks the visible windows whose rectangle holds the point in template order (the first control
// of a dialog lies on top) and takes each one that is narrower, or less tall, than the one taken
// so far. A list box lying on a group frame wins over the frame.
QWidget* NarrowestAt(const QList<QWidget*>& windows, const QPoint& screenPoint) {
    QWidget* best = nullptr;
    int bestWidth = INT_MAX;
    int bestHeight = INT_MAX;
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        const QRect rect(window->mapToGlobal(QPoint(0, 0)), window->size());
        if (!rect.contains(screenPoint))
            continue;
        if (window->width() < bestWidth || window->height() < bestHeight) {
            best = window;
            bestWidth = window->width();
            bestHeight = window->height();
        }
    }
    return best;
}

}  // namespace

std::u16string HelpFilePath(const std::u16string& executablePath) {
    std::u16string folder;
    if (!ExecutableFolder(executablePath, folder))
        folder.clear();
    return folder + std::u16string(kHelpFileName);
}

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
        ShowMessage(kErrorCaption, kHelpFailed);
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
