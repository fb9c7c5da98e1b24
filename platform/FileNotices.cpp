#include "platform/FileNotices.h"

#include <mutex>
#include <utility>

namespace sheetwise {
namespace {

std::mutex handlerMutex;

FileNoticeHandler& Handler() {
    static FileNoticeHandler handler;
    return handler;
}

}  // namespace

FileNoticeHandler SetFileNoticeHandler(FileNoticeHandler handler) {
    const std::lock_guard<std::mutex> lock(handlerMutex);
    return std::exchange(Handler(), std::move(handler));
}

void NotifyFile(FileNotice notice, const std::string& path) {
    FileNoticeHandler handler;
    {
        const std::lock_guard<std::mutex> lock(handlerMutex);
        handler = Handler();
    }
    if (handler)
        handler(notice, path);
}

}  // namespace sheetwise
