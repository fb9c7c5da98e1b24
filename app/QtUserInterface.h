// The real dialogs: QMessageBox, QFileDialog and the desktop's beep. There is no help system on
// Linux, so every help request fails and the window says so.
#pragma once

#include "app/UserInterface.h"

namespace sheetwise {

class QtUserInterface final : public UserInterface {
  public:
    BoxAnswer ShowBox(QWidget* owner, const QString& caption, const QString& text, BoxIcon icon,
                      BoxButtons buttons, const QString& details) override;
    QString ChooseFile(QWidget* owner, const FileDialogRequest& request) override;
    void Beep() override;
    bool Help(QWidget* owner, const QString& helpFile, int command, int data) override;
};

}  // namespace sheetwise
