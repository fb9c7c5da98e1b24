#include "cli/Cli.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>

#include "cli/CommandLine.h"
#include "cli/HelpText.h"
#include "cli/JsonWriter.h"
#include "platform/FileNotices.h"
#include "platform/LockWait.h"

namespace sheetwise::cli {

namespace {

using std::chrono::milliseconds;

// Tells once, after a second, that a command waits for a lock, and says who holds it when it
// gives up; `gaveUp` remembers that, so that the command exits with 2 whatever it made of it.
// Catalogs may be written side by side (EditWriting.h), so the waits tell under `mutex`.
LockWaitPolicy LockWaitFor(const Invocation& invocation, Console& console,
                           std::atomic<bool>& gaveUp, std::mutex& mutex) {
    LockWaitPolicy policy = CurrentLockWaitPolicy();
    if (invocation.wait)
        policy.timeout = *invocation.wait;
    const auto seconds = [](milliseconds time) {
        const long long tenths = (time.count() + 50) / 100;
        // Appended piece by piece: GCC 12 misreports literal + string as an overlapping copy at
        // -O3.
        std::string text = std::to_string(tenths / 10);
        if (tenths % 10 != 0) {
            text += '.';
            text += std::to_string(tenths % 10);
        }
        return text;
    };
    auto told = std::make_shared<std::atomic<bool>>(false);
    policy.stillWaiting = [&console, &mutex, told, seconds](const LockWaitStatus& status) {
        if (status.waited >= std::chrono::seconds(1) && !told->exchange(true)) {
            const std::lock_guard<std::mutex> lock(mutex);
            ReportWarning(console, status.lockFile + ": waiting up to " + seconds(status.timeout) +
                                       " seconds for the lock, which " + status.holder.Describe() +
                                       " holds (--wait SECONDS)");
        }
        return true;
    };
    policy.gaveUp = [&console, &gaveUp, &mutex, seconds](const LockWaitStatus& status, bool) {
        gaveUp = true;
        const std::lock_guard<std::mutex> lock(mutex);
        ReportError(console, status.lockFile + ": gave up waiting for the lock after " +
                                 seconds(status.waited) + " seconds: " + status.holder.Describe() +
                                 " holds it");
    };
    return policy;
}

void ReportFileNotice(Console& console, FileNotice notice, const std::string& path) {
    switch (notice) {
        case FileNotice::kForeignLink:
            ReportError(console, path +
                                     ": a symbolic link of another user's, or to another "
                                     "user's file: not written through");
            return;
        case FileNotice::kLinkLoop:
            ReportError(console, path + ": too many symbolic links: not written");
            return;
        case FileNotice::kSetCompleted:
            ReportWarning(console, path +
                                       ": a save of a catalog there had been interrupted; "
                                       "it was completed first");
            return;
        case FileNotice::kSetRolledBack:
            ReportWarning(console, path +
                                       ": a save of a catalog there had been interrupted; "
                                       "it was rolled back first");
            return;
        case FileNotice::kSetStuck:
            ReportError(console, path +
                                     ": a save of a catalog there could be neither completed "
                                     "nor rolled back; its files stay as they are until the "
                                     "next save or reading of the catalog tries again");
            return;
    }
}

// The file layer's waits and notices, for the time of one command.
class FileLayerScope {
  public:
    FileLayerScope(const Invocation& invocation, Console& console)
        : policy_(LockWaitFor(invocation, console, gaveUp_, mutex_)),
          previousHandler_(
              SetFileNoticeHandler([&console, this](FileNotice notice, const std::string& path) {
                  const std::lock_guard<std::mutex> lock(mutex_);
                  ReportFileNotice(console, notice, path);
              })) {}
    ~FileLayerScope() { SetFileNoticeHandler(std::move(previousHandler_)); }
    FileLayerScope(const FileLayerScope&) = delete;
    FileLayerScope& operator=(const FileLayerScope&) = delete;

    bool gaveUp() const { return gaveUp_; }

  private:
    std::atomic<bool> gaveUp_ = false;
    std::mutex mutex_;
    ScopedLockWaitPolicy policy_;
    FileNoticeHandler previousHandler_;
};

int RunCommand(const Invocation& invocation, Console& console, const Environment& environment) {
    switch (invocation.command) {
        case Command::kHelp:
            console.out << HelpText(invocation.helpTopic);
            return kExitSuccess;
        case Command::kVersion:
            console.out << VersionText();
            return kExitSuccess;
        case Command::kShow:
            return RunShow(invocation, console, environment);
        case Command::kCheck:
            return RunCheck(invocation, console);
        case Command::kImport:
            return RunImport(invocation, console, environment);
        case Command::kConvert:
            return RunConvert(invocation, console, environment);
        case Command::kExport:
            return RunExport(invocation, console);
        case Command::kDiff:
            return RunDiff(invocation, console, environment);
        case Command::kApply:
            return RunApply(invocation, console, environment);
        default:
            return RunEdit(invocation, console, environment);
    }
}

int RunParsed(const ParsedArguments& parsed, Console& console, const Environment& environment) {
    const Invocation& invocation = parsed.invocation;
    if (!parsed.ok) {
        ReportError(console, parsed.error);
        console.err << UsageHint(invocation.command);
        return kExitUnusable;
    }
    const FileLayerScope fileLayer(invocation, console);
    const int exitCode = RunCommand(invocation, console, environment);
    return fileLayer.gaveUp() ? std::max<int>(exitCode, kExitUnusable) : exitCode;
}

}  // namespace

int RunCommandLine(const QStringList& arguments, Console& console, const Environment& environment) {
    const ParsedArguments parsed = ParseArguments(arguments);
    SetCompactJson(console.out, parsed.invocation.compact);
    const int exitCode = RunParsed(parsed, console, environment);
    // A full disk or a closed file behind standard output must not pass for a result.
    console.out.flush();
    if (console.out.good())
        return exitCode;
    ReportError(console, "cannot write the results to standard output");
    return kExitUnusable;
}

}  // namespace sheetwise::cli
