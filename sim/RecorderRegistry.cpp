// The open recorders of the process by handle.
#include "sim/RecorderRegistry.h"

namespace sim {

RecorderRegistry& RecorderRegistry::Instance() {
    static RecorderRegistry registry;
    return registry;
}

std::uint32_t RecorderRegistry::Add(std::shared_ptr<Recorder> recorder) {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::uint32_t handle = next_++;
    recorders_.emplace(handle, std::move(recorder));
    return handle;
}

std::shared_ptr<Recorder> RecorderRegistry::Find(std::uint32_t handle) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = recorders_.find(handle);
    return found == recorders_.end() ? nullptr : found->second;
}

void RecorderRegistry::Remove(std::uint32_t handle) {
    std::shared_ptr<Recorder> closing;  // released after the lock, outside the registry
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = recorders_.find(handle);
    if (found != recorders_.end()) {
        closing = std::move(found->second);
        recorders_.erase(found);
    }
}

}  // namespace sim
