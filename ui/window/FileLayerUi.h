// What the file layer does that the operator must see: a wait for another program that saves in
// the same folder, which the operator may cancel, and what a save refused or an interrupted save
// settled. The window holds one for its whole life; the file layer tells it through its
// process-wide wait policy and notice handler, which it restores when it goes.
#pragma once

#include <QString>
#include <functional>

#include "platform/FileNotices.h"
#include "platform/LockWait.h"
#include "ui/window/UserInterface.h"

class QWidget;

namespace sheetwise {

class FileLayerUi {
  public:
    // text(id): a string-table text.
    FileLayerUi(UserInterface& ui, QWidget& owner, std::function<QString(int id)> text);
    ~FileLayerUi();
    FileLayerUi(const FileLayerUi&) = delete;
    FileLayerUi& operator=(const FileLayerUi&) = delete;

    // How long a save waits for another program before it gives up, the operator not asked.
    static constexpr std::chrono::seconds kWaitLimit{60};

  private:
    bool StillWaiting(const LockWaitStatus& status);
    void Notify(FileNotice notice, const std::string& path);

    UserInterface& ui_;
    QWidget& owner_;
    std::function<QString(int id)> text_;
    ScopedLockWaitPolicy policy_;
    FileNoticeHandler previousHandler_;
};

}  // namespace sheetwise
