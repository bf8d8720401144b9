// The log of a recorder's device calls.
#include "sim/CallLog.h"

namespace sim {

void CallLog::Add(const char* function, std::int32_t argument, const void* sent, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(sent);
    entries_.push_back(
        {function, argument,
         bytes ? std::vector<std::uint8_t>(bytes, bytes + size) : std::vector<std::uint8_t>()});
}

const CallLog::Entry* CallLog::At(std::int64_t index) const {
    if (index < 0 || std::uint64_t(index) >= entries_.size())
        return nullptr;
    return &entries_[std::size_t(index)];
}

}  // namespace sim
