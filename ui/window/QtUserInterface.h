// The real dialogs: QMessageBox, QFileDialog and the desktop's beep, and the help window for the
// operator's manual. A request for the old help file fails: no help system on Linux shows it.
#pragma once

#include <QProgressDialog>
#include <memory>

#include "ui/window/UserInterface.h"

namespace sheetwise {

class HelpWindow;

class QtUserInterface final : public UserInterface {
  public:
    BoxAnswer ShowBox(QWidget* owner, const QString& caption, const QString& text, BoxIcon icon,
                      BoxButtons buttons, const QString& details) override;
    QString ChooseFile(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<QString> AskName(QWidget* owner, const NameRequest& request) override;
    void Beep() override;
    bool Waiting(QWidget* owner, const QString& text, const QString& details) override;
    void EndWait() override;
    bool Help(QWidget* owner, const QString& helpFile, int command, int data) override;

    QtUserInterface();
    ~QtUserInterface() override;

  private:
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<QProgressDialog> wait_;
};

}  // namespace sheetwise
