// The log of a recorder's device calls, in order. Entries never move once added, so pointers
// into them stay valid until the log is cleared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace sim {

class CallLog {
  public:
    struct Entry {
        const char* function;             // a name with static storage
        std::int32_t argument;            // channel or user; -1 when the function has none
        std::vector<std::uint8_t> bytes;  // what the caller sent
    };

    void Add(const char* function, std::int32_t argument, const void* sent, std::size_t size);
    std::size_t Size() const { return entries_.size(); }
    // Null for an index outside the log.
    const Entry* At(std::int64_t index) const;
    void Clear() { entries_.clear(); }

  private:
    std::deque<Entry> entries_;
};

}  // namespace sim
