// Every function of the device library as a uniform call on a byte buffer, in the order of
// the library's name list, so that tests can run the same check on all 50; and the recorder
// the simulator's tests open.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "device/ZelDisp.h"
#include "tests/support/SimRecorder.h"

namespace simtest {

using testsupport::LoggedCall;
using testsupport::SimRecorder;

// Large enough for the largest record and for the protocol list buffer.
inline constexpr std::size_t kCallBufferSize = 9000;

enum class CallKind {
    Fills,  // writes into the buffer's first `size` bytes (a record, the rights, the clock
            // words or the protocol list buffer)
    Sends,  // sends the buffer's first `size` bytes
    Other,
};

using Bytes = std::vector<std::uint8_t>;

struct DeviceCall {
    std::string_view name;
    CallKind kind;
    std::size_t size;
    // The argument is the channel of the per-channel functions and the user of the rights list;
    // the other functions have none.
    std::function<std::int32_t(ZelHandle, std::int32_t, std::uint8_t*)> function;
    bool perChannel = false;

    std::int32_t call(ZelHandle handle, std::uint8_t* buffer, std::int32_t argument = 0) const {
        return function(handle, argument, buffer);
    }
};

std::vector<DeviceCall> AllDeviceCalls();
// The preset and the tour functions: Get and Set of the presets, then of the tours.
std::vector<DeviceCall> ChannelCalls();

// The functions that read or send a whole record of the recorder.
bool IsRecordGet(const DeviceCall& c);
bool IsRecordSet(const DeviceCall& c);
// The name of the Get function of a Set function's record.
std::string GetterOf(const DeviceCall& set);
// A buffer of bytes that differ between functions, for a Set function to send.
Bytes Pattern(const DeviceCall& c);
// What a Get function fills, read with the argument; the call must succeed.
Bytes Read(const DeviceCall& get, ZelHandle handle, std::int32_t argument = 0);
// Every record as its Get function returns it, by that function's name.
std::map<std::string, Bytes> Snapshot(ZelHandle handle);

// A record read with its Get function, which must succeed.
template <typename Record>
Record Fetch(ZelHandle handle, std::int32_t(ZEL_CALL* get)(ZelHandle, Record*)) {
    Record record;
    std::memset(&record, 0, sizeof record);
    EXPECT_EQ(get(handle, &record), 0);
    return record;
}

}  // namespace simtest
