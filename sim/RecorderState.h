// Everything the simulated recorder keeps as settings: one image of every device record,
// with one preset record and one cruise record per channel slot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "device/Limits.h"
#include "device/Records.h"

namespace sim {

struct RecorderState {
    device::NormalRecord normal;
    device::CodeRecord code;
    device::RecTimerRecord recTimer;
    device::SerialsRecord serials;
    device::NetRecord net;
    device::NtpRecord ntp;
    device::DialRecord dial;
    device::DdnsRecord ddns;
    device::SmtpRecord smtp;
    device::AlarmInRecord alarmIn;
    device::VideoLostRecord videoLost;
    device::VideoCoverRecord videoCover;
    device::VideoMotionRecord videoMotion;
    device::PtzRecord ptz;
    device::VideoOutRecord videoOut;
    device::ChanNameRecord chanName;
    device::VersionRecord version;
    device::HddInfoRecord hddInfo;
    device::EventRecord event;
    device::RecAdminRecord recAdmin;
    device::AlarmOutRecord alarmOut;
    std::array<device::PtzPointRecord, device::kMaxChannels> ptzPoints;
    std::array<device::PtzCruiseRecord, device::kMaxChannels> ptzCruises;
};

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
