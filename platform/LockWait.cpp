#include "platform/LockWait.h"

#include <mutex>
#include <utility>

namespace sheetwise {
namespace {

std::mutex policyMutex;

LockWaitPolicy& Policy() {
    static LockWaitPolicy policy;
    return policy;
}

}  // namespace

void SetLockWaitPolicy(LockWaitPolicy policy) {
    const std::lock_guard<std::mutex> lock(policyMutex);
    Policy() = std::move(policy);
}

LockWaitPolicy CurrentLockWaitPolicy() {
    const std::lock_guard<std::mutex> lock(policyMutex);
    return Policy();
}

ScopedLockWaitPolicy::ScopedLockWaitPolicy(LockWaitPolicy policy)
    : previous_(CurrentLockWaitPolicy()) {
    SetLockWaitPolicy(std::move(policy));
}

ScopedLockWaitPolicy::~ScopedLockWaitPolicy() {
    SetLockWaitPolicy(std::move(previous_));
}

}  // namespace sheetwise
