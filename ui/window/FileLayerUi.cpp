#include "ui/window/FileLayerUi.h"

#include "model/MessageIds.h"

namespace sheetwise {
namespace {

// A wait shorter than this goes unseen: a save takes milliseconds.
constexpr std::chrono::milliseconds kQuietWait{700};

int NoticeMessage(FileNotice notice) {
    switch (notice) {
        case FileNotice::kForeignLink:
            return message::kForeignLink;
        case FileNotice::kLinkLoop:
            return message::kLinkLoop;
        case FileNotice::kSetCompleted:
            return message::kSetCompleted;
        case FileNotice::kSetRolledBack:
            return message::kSetRolledBack;
        case FileNotice::kSetStuck:
            return message::kSetStuck;
    }
    return message::kSetStuck;
}

}  // namespace

FileLayerUi::FileLayerUi(UserInterface& ui, QWidget& owner, std::function<QString(int id)> text)
    : ui_(ui),
      owner_(owner),
      text_(std::move(text)),
      policy_(LockWaitPolicy{kWaitLimit,
                             [this](const LockWaitStatus& status) { return StillWaiting(status); },
                             [this](const LockWaitStatus&, bool) { ui_.EndWait(); }}),
      previousHandler_(SetFileNoticeHandler(
          [this](FileNotice notice, const std::string& path) { Notify(notice, path); })) {}

FileLayerUi::~FileLayerUi() {
    SetFileNoticeHandler(std::move(previousHandler_));
}

bool FileLayerUi::StillWaiting(const LockWaitStatus& status) {
    if (status.waited < kQuietWait)
        return true;
    const QString who = QString::fromStdString(status.holder.Describe());
    return ui_.Waiting(&owner_, text_(message::kWaitingForLock),
                       QStringLiteral("%1: %2").arg(QString::fromStdString(status.lockFile), who));
}

void FileLayerUi::Notify(FileNotice notice, const std::string& path) {
    const bool refused = notice == FileNotice::kForeignLink || notice == FileNotice::kLinkLoop;
    ui_.ShowBox(&owner_, text_(refused ? message::kError : message::kWarning),
                text_(NoticeMessage(notice)), BoxIcon::kExclamation, BoxButtons::kOk,
                QString::fromStdString(path));
}

}  // namespace sheetwise
