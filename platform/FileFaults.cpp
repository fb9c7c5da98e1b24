#include "platform/FileFaults.h"

#include <unistd.h>

#include <array>
#include <atomic>

namespace sheetwise::file_faults {
namespace {

enum class Kind { kNone, kOnce, kFrom, kCrash };

struct Fault {
    std::atomic<Kind> kind{Kind::kNone};
    std::atomic<int> at{0};
    std::atomic<int> calls{0};
};

constexpr size_t kSteps = static_cast<size_t>(Step::kPermissions) + 1;
std::array<Fault, kSteps> faults;

void Plan(Step step, Kind kind, int n) {
    Fault& fault = faults[static_cast<size_t>(step)];
    fault.kind = Kind::kNone;
    fault.calls = 0;
    fault.at = n;
    fault.kind = kind;
}

}  // namespace

void FailAt(Step step, int n) {
    Plan(step, Kind::kOnce, n);
}

void FailFrom(Step step, int n) {
    Plan(step, Kind::kFrom, n);
}

void CrashAt(Step step, int n) {
    Plan(step, Kind::kCrash, n);
}

void Clear() {
    for (Fault& fault : faults) {
        fault.kind = Kind::kNone;
        fault.calls = 0;
    }
}

bool ShouldFail(Step step) {
    Fault& fault = faults[static_cast<size_t>(step)];
    const Kind kind = fault.kind.load();
    if (kind == Kind::kNone)
        return false;
    const int call = ++fault.calls;
    const int at = fault.at.load();
    if (kind == Kind::kCrash && call == at)
        _exit(kCrashExitCode);
    return (kind == Kind::kOnce && call == at) || (kind == Kind::kFrom && call >= at);
}

}  // namespace sheetwise::file_faults
