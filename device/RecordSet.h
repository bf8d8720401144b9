// One image of every device record, with one preset record and one cruise record per channel
// slot: what a client caches and what a recorder keeps.
#pragma once

#include "device/Limits.h"
#include "device/Records.h"

namespace device {

struct RecordSet {
    NormalRecord normal;
    CodeRecord code;
    RecTimerRecord recTimer;
    SerialsRecord serials;
    NetRecord net;
    NtpRecord ntp;
    DialRecord dial;
    DdnsRecord ddns;
    SmtpRecord smtp;
    AlarmInRecord alarmIn;
    VideoLostRecord videoLost;
    VideoCoverRecord videoCover;
    VideoMotionRecord videoMotion;
    PtzRecord ptz;
    VideoOutRecord videoOut;
    ChanNameRecord chanName;
    VersionRecord version;
    HddInfoRecord hddInfo;
    EventRecord event;
    RecAdminRecord recAdmin;
    AlarmOutRecord alarmOut;
    PtzPointRecord ptzPoint[kMaxChannels];
    PtzCruiseRecord ptzCruise[kMaxChannels];
};

}  // namespace device
