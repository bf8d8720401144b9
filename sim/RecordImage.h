// A record as the simulated recorder keeps it and zsimSetRecord takes it: a record held once,
// or every channel slot of a per-channel record, one after the other.
#pragma once

#include <cstdint>
#include <span>

#include "device/Limits.h"
#include "records/RecordTable.h"

namespace sim {

inline std::span<std::uint8_t> RecordImage(const records::RecordRow& row,
                                           device::RecordSet& state) {
    const std::size_t slots = row.perChannel ? device::kMaxChannels : 1;
    // The slots of a per-channel record are an array in the set.
    return {row.bytes(state, 0).data(), row.size * slots};
}

}  // namespace sim
