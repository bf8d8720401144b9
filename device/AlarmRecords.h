// Records of the alarm and detection pages and the linkage block they share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/Limits.h"

namespace device {

#pragma pack(push, 1)

struct PtzLinkEntry {
    std::uint8_t action;  // 0 none, 1 go to preset
    std::uint8_t reserved;
    std::int16_t number;  // position among the channel's defined presets
};
static_assert(sizeof(PtzLinkEntry) == 4);
static_assert(offsetof(PtzLinkEntry, number) == 2);

struct AlarmLinkage {
    std::uint8_t recordEnable;
    std::uint8_t alarmOutEnable;
    std::uint8_t tourEnable;
    std::uint8_t ptzEnable;
    std::uint8_t showMessageEnable;
    std::uint8_t buzzerEnable;
    std::uint8_t uploadEnable;
    std::uint8_t emailEnable;
    std::uint8_t recordChannels[kMaxChannels];
    std::uint32_t alarmOutMask;  // bit k: alarm output k+1
    std::int32_t recordDelaySeconds;
    std::int32_t latchSeconds;
    std::uint8_t tourChannels[kMaxChannels];
    PtzLinkEntry ptz[kMaxChannels];
};
static_assert(sizeof(AlarmLinkage) == 116);
static_assert(offsetof(AlarmLinkage, alarmOutEnable) == 1);
static_assert(offsetof(AlarmLinkage, tourEnable) == 2);
static_assert(offsetof(AlarmLinkage, ptzEnable) == 3);
static_assert(offsetof(AlarmLinkage, showMessageEnable) == 4);
static_assert(offsetof(AlarmLinkage, buzzerEnable) == 5);
static_assert(offsetof(AlarmLinkage, uploadEnable) == 6);
static_assert(offsetof(AlarmLinkage, emailEnable) == 7);
static_assert(offsetof(AlarmLinkage, recordChannels) == 8);
static_assert(offsetof(AlarmLinkage, alarmOutMask) == 24);
static_assert(offsetof(AlarmLinkage, recordDelaySeconds) == 28);
static_assert(offsetof(AlarmLinkage, latchSeconds) == 32);
static_assert(offsetof(AlarmLinkage, tourChannels) == 36);
static_assert(offsetof(AlarmLinkage, ptz) == 52);

struct AlarmInEntry {
    std::uint8_t contactType;  // 0 normal open, 1 normal close
    std::uint8_t reserved[3];
    AlarmLinkage linkage;
};
static_assert(sizeof(AlarmInEntry) == 120);
static_assert(offsetof(AlarmInEntry, linkage) == 4);

struct AlarmInRecord {
    std::uint8_t head[4];
    AlarmInEntry inputs[kMaxAlarmInputs];
};
static_assert(sizeof(AlarmInRecord) == 0x784);
static_assert(offsetof(AlarmInRecord, inputs) == 4);

struct AlarmOutRecord {
    // Mode of output k at byte 2 + 2k (0 stop, 1 manual, 2 auto); every other byte is
    // carried as fetched, so the record stays a plain byte image.
    std::uint8_t bytes[33];

    static constexpr std::size_t ModeOffset(int output) { return 2 + 2 * std::size_t(output); }
};
static_assert(sizeof(AlarmOutRecord) == 0x21);

struct VideoLostEntry {
    std::uint8_t enable;
    std::uint8_t reserved[3];
    AlarmLinkage linkage;
};
static_assert(sizeof(VideoLostEntry) == 120);
static_assert(offsetof(VideoLostEntry, linkage) == 4);

struct VideoCoverEntry {
    std::uint8_t enable;
    std::uint8_t sensitivity;  // 0 to 4
    std::uint8_t reserved[2];
    AlarmLinkage linkage;
};
static_assert(sizeof(VideoCoverEntry) == 120);
static_assert(offsetof(VideoCoverEntry, sensitivity) == 1);
static_assert(offsetof(VideoCoverEntry, linkage) == 4);

struct VideoMotionEntry {
    std::uint8_t enable;
    std::uint8_t sensitivity;  // 0 to 4
    std::uint8_t area[14];     // not edited; zeroed by Default
    AlarmLinkage linkage;
};
static_assert(sizeof(VideoMotionEntry) == 132);
static_assert(offsetof(VideoMotionEntry, sensitivity) == 1);
static_assert(offsetof(VideoMotionEntry, area) == 2);
static_assert(offsetof(VideoMotionEntry, linkage) == 16);

struct VideoLostRecord {
    std::uint8_t head[4];
    VideoLostEntry channels[kMaxChannels];
};
static_assert(sizeof(VideoLostRecord) == 0x784);

struct VideoCoverRecord {
    std::uint8_t head[4];
    VideoCoverEntry channels[kMaxChannels];
};
static_assert(sizeof(VideoCoverRecord) == 0x784);

struct VideoMotionRecord {
    std::uint8_t head[4];
    VideoMotionEntry channels[kMaxChannels];
};
static_assert(sizeof(VideoMotionRecord) == 0x844);
static_assert(offsetof(VideoMotionRecord, channels) == 4);

// Abnormalities in the order of the page's list.
enum class Abnormality : int {
    HddFull,
    HddError,
    IpConflicted,
    Disconnection,
    UnauthorizedAccess,
    VideoStandardMismatch,
    VideoAbnormity,
    NoHdd,
    Count
};

struct EventEntry {
    std::uint8_t enable;
    std::uint8_t reserved[3];
    AlarmLinkage linkage;
};
static_assert(sizeof(EventEntry) == 120);
static_assert(offsetof(EventEntry, linkage) == 4);

struct EventRecord {
    std::uint8_t head[4];
    EventEntry events[static_cast<int>(Abnormality::Count)];
};
static_assert(sizeof(EventRecord) == 0x3c4);
static_assert(offsetof(EventRecord, events) == 4);

#pragma pack(pop)

}  // namespace device
