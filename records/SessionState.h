// Session state and the configuration cache: what one entry call fills and every page reads.
// Everything here is static storage that lives as long as the loaded library.
#pragma once

#include <cstdint>

#include "device/Limits.h"
#include "device/RecordSet.h"

using ZelHandle = std::uint32_t;

namespace records {

inline constexpr int kUserRightCount = 64;

// Rights that guard pages of the configuration window.
inline constexpr int kRightSystemInformation = 7;
inline constexpr int kRightGeneral = 15;
inline constexpr int kRightEncode = 16;
inline constexpr int kRightSchedule = 17;
inline constexpr int kRightSerial = 18;
inline constexpr int kRightNetwork = 19;
inline constexpr int kRightAlarm = 20;
inline constexpr int kRightDetect = 21;
inline constexpr int kRightPtz = 22;
inline constexpr int kRightDisplay = 23;

// One buffer per device record, filled at entry and updated after each successful Set or Get.
using ConfigCacheRecords = device::RecordSet;

extern std::uint32_t LanguageIndex;  // 0 Simplified Chinese, 2 English, 3 Portuguese
extern ZelHandle DeviceHandle;
extern std::uint8_t UserRights[kUserRightCount];  // 0 = forbidden
extern std::int32_t ChannelCount;                 // clamped to 0..16
extern std::int32_t AlarmInCount;                 // clamped to 0..16
extern std::int32_t AlarmOutCount;                // clamped to 0..4
extern std::uint32_t RebootIssued;                // a reboot was accepted; never cleared
extern ConfigCacheRecords ConfigCache;

// Back to the state of a freshly loaded library. For test builds only.
void ResetSessionForTests();

}  // namespace records
