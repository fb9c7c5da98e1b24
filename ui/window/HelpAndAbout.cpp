// Help Topics, F1, the "What's this" menu of the controls, and the About box.
//
// Help is the operator's manual, opened in the program's own help window: the whole manual for
// Help Topics and F1, a control's topic for "What's this". Without an installed manual the old
// help file is asked for, which no help system on Linux can show: Help Topics and F1 then say so
// (57670), and a pop-up topic that cannot be shown says nothing.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <climits>
#include <filesystem>

#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/QtText.h"
#include "ui/resources/ResourceIds.h"
#include "ui/window/AboutDialog.h"
#include "ui/window/CatalogLocation.h"
#include "ui/window/HelpFile.h"
#include "ui/window/MainDialog.h"
#include "ui/window/MessageIds.h"

namespace sheetwise {
namespace {

constexpr int kWhatsThisText = 12064;

// Every control but the labels and frames: the manual explains the edit fields and the
// Precollated box too, and their right click would otherwise offer a text menu whose shortcuts
// the window's own accelerators override.
constexpr int kControlsWithTopics[] = {control::kAdd,
                                       control::kDelete,
                                       control::kModify,
                                       control::kPaperList,
                                       control::kMoveUp,
                                       control::kMoveDown,
                                       control::kDefaultPaperBox,
                                       control::kInserter,
                                       control::kOneSided,
                                       control::kTwoSided,
                                       control::kColourList,
                                       control::kSizeList,
                                       control::kTypeList,
                                       control::kWeightList,
                                       control::kNameList,
                                       control::kCatalogDisplay,
                                       control::kNameField,
                                       control::kSizeField,
                                       control::kColourField,
                                       control::kWeightField,
                                       control::kTypeField,
                                       control::kPrecollatedBox};

bool HasTopic(int id) {
    for (const int candidate : kControlsWithTopics) {
        if (candidate == id)
            return true;
    }
    return false;
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
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
        return std::u16string(kHelpFileName);
    const std::filesystem::path bin = QString::fromStdU16String(folder).toStdString();
    const std::string manual =
        QString::fromStdU16String(std::u16string(kManualFileName)).toStdString();
    for (const std::filesystem::path& candidate :
         {bin / "help" / manual, bin / ".." / "share" / "sheetwise" / "help" / manual}) {
        if (IsFile(candidate))
            return QString::fromStdString(candidate.lexically_normal().string()).toStdU16String();
    }
    return folder + std::u16string(kHelpFileName);
}

bool IsManual(const QString& helpFile) {
    return helpFile.endsWith(QString::fromStdU16String(std::u16string(kManualFileName)));
}

QString HelpTopicAnchor(int controlId) {
    return QStringLiteral("topic-%1").arg(controlId);
}

std::span<const int> ControlsWithTopics() {
    return kControlsWithTopics;
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
