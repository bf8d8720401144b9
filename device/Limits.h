// What the data model holds: every per-channel structure has 16 slots, and so on.
#pragma once

namespace device {

inline constexpr int kMaxChannels = 16;
inline constexpr int kMaxAlarmInputs = 16;
inline constexpr int kMaxAlarmOutputs = 4;
inline constexpr int kMaxDisks = 8;

}  // namespace device
