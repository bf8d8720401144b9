// Session state and the configuration cache: what one entry call fills and every page reads.
// Everything here is static storage that lives as long as the loaded library.
#pragma once

#include <cstdint>

#include "device/Limits.h"
#include "device/RecordSet.h"
#include "records/RecordTable.h"

namespace records {

// One buffer per device record, filled at entry and updated after each successful Set or Get.
using ConfigCacheRecords = device::RecordSet;

extern std::uint32_t LanguageIndex;  // 0 Simplified Chinese, 2 English, 3 Portuguese
extern UserRightFlags UserRights;    // 0 = forbidden
extern std::int32_t ChannelCount;    // clamped to 0..16
extern std::int32_t AlarmInCount;    // clamped to 0..16
extern std::int32_t AlarmOutCount;   // clamped to 0..4
extern std::uint32_t RebootIssued;   // a reboot was accepted; never cleared
// A failed import left records on the recorder that it could not put back: closing the window
// must not make them permanent. Cleared when a session starts.
extern bool ImportNotPutBack;
extern ConfigCacheRecords ConfigCache;

// Whether the user may open what the right guards; kNoRight guards nothing.
bool Granted(int right);

// Back to the state of a freshly loaded library. For test builds only.
void ResetSessionForTests();

}  // namespace records
