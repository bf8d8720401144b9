// The records a configuration file holds, in the order the recorder is read, with the names
// the file gives them.
#pragma once

#include <array>
#include <cstdint>

namespace config {

enum class RecordId : int {
    Normal,
    Code,
    RecTimer,
    Serials,
    Net,
    Ntp,
    Dial,
    Ddns,
    Smtp,
    AlarmIn,
    VideoLost,
    VideoCover,
    VideoMotion,
    Ptz,
    VideoOut,
    ChanName,
    Version,
    HddInfo,
    Event,
    RecAdmin,
    AlarmOut,
    PtzPoint,   // one per channel
    PtzCruise,  // one per channel
    Count
};

inline constexpr int kRecordCount = static_cast<int>(RecordId::Count);

// The name of a record in a file, also the device's name for it: "Normal", "PTZPoint", ...
const char* RecordName(RecordId id);

// Version and HddInfo describe the recorder; they are never sent back.
constexpr bool IsReadOnly(RecordId id) {
    return id == RecordId::Version || id == RecordId::HddInfo;
}

constexpr bool IsPerChannel(RecordId id) {
    return id == RecordId::PtzPoint || id == RecordId::PtzCruise;
}

// Which records a file holds or an operation takes.
class RecordMask {
  public:
    static RecordMask All() {
        RecordMask mask;
        mask.bits_.fill(true);
        return mask;
    }
    bool Has(RecordId id) const { return bits_[static_cast<int>(id)]; }
    void Set(RecordId id, bool on = true) { bits_[static_cast<int>(id)] = on; }

  private:
    std::array<bool, kRecordCount> bits_{};
};

}  // namespace config
