// Everything the simulated recorder keeps as settings: one image of every device record,
// with one preset record and one cruise record per channel slot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "device/Limits.h"
#include "device/RecordSet.h"

namespace sim {

using RecorderState = device::RecordSet;

// One record image of the state, as the state file stores it.
struct RecordSection {
    std::uint32_t id;  // 1, 2, ... in the order of the table
    const char* name;
    std::uint8_t* bytes;
    std::size_t size;
};

inline constexpr std::size_t kRecordSectionCount = 23;

// The record images of state, in the order the client fetches them.
std::array<RecordSection, kRecordSectionCount> RecordSections(RecorderState& state);

}  // namespace sim
