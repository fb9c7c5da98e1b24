#include "ui/window/QtUserInterface.h"

#include "ui/window/HelpFile.h"
#include "ui/window/HelpWindow.h"
#include "ui/window/RenameDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace sheetwise {
namespace {

QMessageBox::StandardButtons ButtonsOf(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::kYesNoCancel:
        case BoxButtons::kOverwriteSaveAsCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case BoxButtons::kOk:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::kExclamation:
            return QMessageBox::Warning;
        case BoxIcon::kQuestion:
            return QMessageBox::Question;
        case BoxIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

BoxAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return BoxAnswer::kYes;
        case QMessageBox::No:
            return BoxAnswer::kNo;
        case QMessageBox::Cancel:
            return BoxAnswer::kCancel;
        default:
            return BoxAnswer::kOk;
    }
}

}  // namespace

BoxAnswer QtUserInterface::ShowBox(QWidget* owner, const QString& caption, const QString& text,
                                   BoxIcon icon, BoxButtons buttons, const QString& details) {
    QMessageBox box(IconOf(icon), caption, text, ButtonsOf(buttons), owner);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(details);
    if (buttons == BoxButtons::kOverwriteSaveAsCancel) {
        box.button(QMessageBox::Yes)->setText(QMessageBox::tr("&Overwrite"));
        box.button(QMessageBox::No)->setText(QMessageBox::tr("Save &As..."));
        box.setDefaultButton(QMessageBox::Cancel);
    }
    if (buttons == BoxButtons::kYesNoCancel || buttons == BoxButtons::kOverwriteSaveAsCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    if (buttons == BoxButtons::kYesNo)
        box.setEscapeButton(QMessageBox::No);
    return AnswerOf(box.exec());
}

QString QtUserInterface::ChooseFile(QWidget* owner, const FileDialogRequest& request) {
    QFileDialog dialog(owner);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

std::optional<QString> QtUserInterface::AskName(QWidget* owner, const NameRequest& request) {
    RenameDialog dialog(request, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

void QtUserInterface::Beep() {
    QApplication::beep();
}

QtUserInterface::QtUserInterface() = default;
QtUserInterface::~QtUserInterface() = default;

bool QtUserInterface::Help(QWidget*, const QString& helpFile, int command, int data) {
    if (!IsManual(helpFile))
        return false;
    // One help window for the program's life, like the help systems the commands come from.
    if (!help_)
        help_ = std::make_unique<HelpWindow>();
    return help_->Show(helpFile, command == kHelpContextPopup ? HelpTopicAnchor(data) : QString());
}

bool QtUserInterface::Waiting(QWidget* owner, const QString& text, const QString& details) {
    if (!wait_) {
        wait_ = std::make_unique<QProgressDialog>(owner);
        wait_->setWindowModality(Qt::WindowModal);
        wait_->setRange(0, 0);  // no end to show: it ends when the other program lets go
        wait_->setMinimumDuration(0);
        wait_->show();
    }
    wait_->setLabelText(details.isEmpty() ? text : text + QStringLiteral("\n\n") + details);
    QApplication::processEvents();
    return !wait_->wasCanceled();
}

void QtUserInterface::EndWait() {
    wait_.reset();
}

}  // namespace sheetwise
