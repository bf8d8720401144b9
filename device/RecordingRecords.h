// Records of the general, encoding, schedule and record-management pages.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/Limits.h"

namespace device {

#pragma pack(push, 1)

struct NormalRecord {
    std::uint8_t dateFormat;     // 0 Y-M-D, 1 M-D-Y, 2 D-M-Y
    std::uint8_t dateSeparator;  // 0 ".", 1 "-", 2 "/"
    std::uint8_t timeFormat;     // 0 24-hour, 1 12-hour
    std::uint8_t language;       // menu language code
    std::uint8_t hddFull;        // 0 overwrite, 1 stop recording
    std::uint8_t videoStandard;  // 0 PAL, 1 NTSC
    std::int16_t packMinutes;
    std::int16_t autoLogoutMinutes;
    char dvrNumber[17];  // zero-terminated unless all 17 bytes are used
    std::uint8_t terminator;
};
static_assert(sizeof(NormalRecord) == 28);
static_assert(offsetof(NormalRecord, language) == 3);
static_assert(offsetof(NormalRecord, hddFull) == 4);
static_assert(offsetof(NormalRecord, videoStandard) == 5);
static_assert(offsetof(NormalRecord, packMinutes) == 6);
static_assert(offsetof(NormalRecord, autoLogoutMinutes) == 8);
static_assert(offsetof(NormalRecord, dvrNumber) == 10);
static_assert(offsetof(NormalRecord, terminator) == 27);

struct StreamSettings {
    std::uint8_t resolution;      // 0 CIF, 1 HD1, 2 D1, 3 QCIF
    std::uint8_t bitrateControl;  // 0 CBR, 1 VBR
    std::uint8_t unused;
    std::int16_t frameRateTimes10;
    std::int16_t bitrate;  // Kb/s from the list; 0 = customized
    std::int16_t customBitrate;
    std::uint8_t quality;  // 0 to 5
    std::uint8_t audio;
    std::uint8_t video;
};
static_assert(sizeof(StreamSettings) == 12);

struct CodeChannel {
    std::uint8_t encoding;  // 0 H.264
    StreamSettings main;
    StreamSettings extra;
    std::uint8_t unused[53];
};
static_assert(sizeof(CodeChannel) == 78);
static_assert(offsetof(CodeChannel, main) + offsetof(StreamSettings, resolution) == 1);
static_assert(offsetof(CodeChannel, main) + offsetof(StreamSettings, frameRateTimes10) == 4);
static_assert(offsetof(CodeChannel, main) + offsetof(StreamSettings, bitrate) == 6);
static_assert(offsetof(CodeChannel, main) + offsetof(StreamSettings, customBitrate) == 8);
static_assert(offsetof(CodeChannel, main) + offsetof(StreamSettings, quality) == 10);
static_assert(offsetof(CodeChannel, main) + offsetof(StreamSettings, video) == 12);
static_assert(offsetof(CodeChannel, extra) + offsetof(StreamSettings, resolution) == 13);
static_assert(offsetof(CodeChannel, extra) + offsetof(StreamSettings, frameRateTimes10) == 16);
static_assert(offsetof(CodeChannel, extra) + offsetof(StreamSettings, customBitrate) == 20);
static_assert(offsetof(CodeChannel, extra) + offsetof(StreamSettings, video) == 24);
static_assert(offsetof(CodeChannel, unused) == 25);

struct CodeRecord {
    std::int32_t channelCount;  // channels described; at most 16
    CodeChannel channels[kMaxChannels];
};
static_assert(sizeof(CodeRecord) == 1252);
static_assert(offsetof(CodeRecord, channels) == 4);

inline constexpr std::uint8_t kSchedulePeriodInUse = 5;

struct ScheduleEntry {
    std::uint8_t kind;    // kSchedulePeriodInUse, any other value = free
    std::int8_t weekday;  // 0 Monday .. 6 Sunday
    std::uint8_t unused[2];
    std::uint16_t startMinuteBE;  // network byte order
    std::int16_t startHour;
    std::uint16_t endMinuteBE;  // network byte order
    std::int16_t endHour;
};
static_assert(sizeof(ScheduleEntry) == 12);
static_assert(offsetof(ScheduleEntry, weekday) == 1);
static_assert(offsetof(ScheduleEntry, startMinuteBE) == 4);
static_assert(offsetof(ScheduleEntry, startHour) == 6);
static_assert(offsetof(ScheduleEntry, endMinuteBE) == 8);
static_assert(offsetof(ScheduleEntry, endHour) == 10);

inline constexpr int kScheduleEntriesPerChannel = 42;

struct ChannelSchedule {
    ScheduleEntry entries[kScheduleEntriesPerChannel];
};
static_assert(sizeof(ChannelSchedule) == 504);

struct RecTimerRecord {
    std::uint8_t unused1[8];
    std::int16_t preRecordSeconds;
    std::uint8_t unused2[2];
    ChannelSchedule channels[kMaxChannels];
};
static_assert(sizeof(RecTimerRecord) == 8076);
static_assert(offsetof(RecTimerRecord, preRecordSeconds) == 8);
static_assert(offsetof(RecTimerRecord, channels) == 12);

struct RecAdminRecord {
    std::uint8_t unused;
    std::uint8_t mode[kMaxChannels];  // 0 Stop, 1 Manual, 2 Auto
};
static_assert(sizeof(RecAdminRecord) == 17);
static_assert(offsetof(RecAdminRecord, mode) == 1);

#pragma pack(pop)

}  // namespace device
