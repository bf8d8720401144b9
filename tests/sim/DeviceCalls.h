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

struct DeviceCall {
    std::string_view name;
    CallKind kind;
    std::size_t size;
    std::function<std::int32_t(ZelHandle, std::uint8_t*)> call;  // channel or user 0
};

std::vector<DeviceCall> AllDeviceCalls();

// The functions that read or send a whole record of the recorder.
bool IsRecordGet(const DeviceCall& c);
bool IsRecordSet(const DeviceCall& c);
// The name of the Get function of a Set function's record.
std::string GetterOf(const DeviceCall& set);
// Every record as its Get function returns it, by that function's name.
std::map<std::string, std::vector<std::uint8_t>> Snapshot(ZelHandle handle);

// A record read with its Get function, which must succeed.
template <typename Record>
Record Fetch(ZelHandle handle, std::int32_t(ZEL_CALL* get)(ZelHandle, Record*)) {
    Record record;
    std::memset(&record, 0, sizeof record);
    EXPECT_EQ(get(handle, &record), 0);
    return record;
}

}  // namespace simtest
