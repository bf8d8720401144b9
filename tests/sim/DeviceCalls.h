// Every function of the device library as a uniform call on a byte buffer, in the order of
// the library's name list, so that tests can run the same check on all 50.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "device/ZelDisp.h"

namespace simtest {

// Large enough for the largest record and for the protocol list buffer.
inline constexpr std::size_t kCallBufferSize = 9000;

enum class CallKind {
    Fills,  // writes into the buffer's first `size` bytes (a record, the rights, the clock
            // words or the protocol list buffer)
    Sends,  // sends the buffer's first `size` bytes
    Other,
};

struct DeviceCall {
    std::string_view name;
    CallKind kind;
    std::size_t size;
    std::function<std::int32_t(ZelHandle, std::uint8_t*)> call;  // channel or user 0
};

std::vector<DeviceCall> AllDeviceCalls();

}  // namespace simtest
