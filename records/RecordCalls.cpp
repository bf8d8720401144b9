// One record of a recorder read or sent by its id.
#include "records/RecordCalls.h"

#include "device/ZelDisp.h"

namespace records {

using config::RecordId;

std::int32_t GetRecord(ZelHandle h, device::RecordSet& r, RecordId id, int channel) {
    switch (id) {
        case RecordId::Normal:
            return zelDispHisiNewMenuNormalGet(h, &r.normal);
        case RecordId::Code:
            return zelDispHisiNewMenuCodeGet(h, &r.code);
        case RecordId::RecTimer:
            return zelDispHisiNewMenuRecTimerGet(h, &r.recTimer);
        case RecordId::Serials:
            return zelDispHisiNewMenuSerialsGet(h, &r.serials);
        case RecordId::Net:
            return zelDispHisiNewMenuNetGet(h, &r.net);
        case RecordId::Ntp:
            return zelDispHisiNewMenuNTPGet(h, &r.ntp);
        case RecordId::Dial:
            return zelDispHisiNewMenuDialGet(h, &r.dial);
        case RecordId::Ddns:
            return zelDispHisiNewMenuDDNSGet(h, &r.ddns);
        case RecordId::Smtp:
            return zelDispHisiNewMenuSMTPGet(h, &r.smtp);
        case RecordId::AlarmIn:
            return zelDispHisiNewMenuAlarmInGet(h, &r.alarmIn);
        case RecordId::VideoLost:
            return zelDispHisiNewMenuVideoLostGet(h, &r.videoLost);
        case RecordId::VideoCover:
            return zelDispHisiNewMenuVideoCoverGet(h, &r.videoCover);
        case RecordId::VideoMotion:
            return zelDispHisiNewMenuVideoMotionGet(h, &r.videoMotion);
        case RecordId::Ptz:
            return zelDispHisiNewMenuPTZGet(h, &r.ptz);
        case RecordId::VideoOut:
            return zelDispHisiNewMenuVideoOutGet(h, &r.videoOut);
        case RecordId::ChanName:
            return zelDispHisiNewMenuChanNameGet(h, &r.chanName);
        case RecordId::Version:
            return zelDispHisiNewMenuVersionGet(h, &r.version);
        case RecordId::HddInfo:
            return zelDispHisiNewMenuHddInfoGet(h, &r.hddInfo);
        case RecordId::Event:
            return zelDispHisiNewMenuEventGet(h, &r.event);
        case RecordId::RecAdmin:
            return zelDispHisiNewMenuRecAdminGet(h, &r.recAdmin);
        case RecordId::AlarmOut:
            return zelDispHisiNewMenuAlarmOutGet(h, &r.alarmOut);
        case RecordId::PtzPoint:
            if (channel < 0 || channel >= device::kMaxChannels)
                return -1;
            return zelDispHisiNewMenuPTZPointGet(h, channel, &r.ptzPoint[channel]);
        case RecordId::PtzCruise:
            if (channel < 0 || channel >= device::kMaxChannels)
                return -1;
            return zelDispHisiNewMenuPTZCruiseGet(h, channel, &r.ptzCruise[channel]);
        case RecordId::Count:
            break;
    }
    return -1;
}

std::int32_t SetRecord(ZelHandle h, const device::RecordSet& r, RecordId id, int channel) {
    switch (id) {
        case RecordId::Normal:
            return zelDispHisiNewMenuNormalSet(h, &r.normal);
        case RecordId::Code:
            return zelDispHisiNewMenuCodeSet(h, &r.code);
        case RecordId::RecTimer:
            return zelDispHisiNewMenuRecTimerSet(h, &r.recTimer);
        case RecordId::Serials:
            return zelDispHisiNewMenuSerialsSet(h, &r.serials);
        case RecordId::Net:
            return zelDispHisiNewMenuNetSet(h, &r.net);
        case RecordId::Ntp:
            return zelDispHisiNewMenuNTPSet(h, &r.ntp);
        case RecordId::Dial:
            return zelDispHisiNewMenuDialSet(h, &r.dial);
        case RecordId::Ddns:
            return zelDispHisiNewMenuDDNSSet(h, &r.ddns);
        case RecordId::Smtp:
            return zelDispHisiNewMenuSMTPSet(h, &r.smtp);
        case RecordId::AlarmIn:
            return zelDispHisiNewMenuAlarmInSet(h, &r.alarmIn);
        case RecordId::VideoLost:
            return zelDispHisiNewMenuVideoLostSet(h, &r.videoLost);
        case RecordId::VideoCover:
            return zelDispHisiNewMenuVideoCoverSet(h, &r.videoCover);
        case RecordId::VideoMotion:
            return zelDispHisiNewMenuVideoMotionSet(h, &r.videoMotion);
        case RecordId::Ptz:
            return zelDispHisiNewMenuPTZSet(h, &r.ptz);
        case RecordId::VideoOut:
            return zelDispHisiNewMenuVideoOutSet(h, &r.videoOut);
        case RecordId::ChanName:
            return zelDispHisiNewMenuChanNameSet(h, &r.chanName);
        case RecordId::Event:
            return zelDispHisiNewMenuEventSet(h, &r.event);
        case RecordId::RecAdmin:
            return zelDispHisiNewMenuRecAdminSet(h, &r.recAdmin);
        case RecordId::AlarmOut:
            return zelDispHisiNewMenuAlarmOutSet(h, &r.alarmOut);
        case RecordId::PtzPoint:
            if (channel < 0 || channel >= device::kMaxChannels)
                return -1;
            return zelDispHisiNewMenuPTZPointSet(h, channel, &r.ptzPoint[channel]);
        case RecordId::PtzCruise:
            if (channel < 0 || channel >= device::kMaxChannels)
                return -1;
            return zelDispHisiNewMenuPTZCruiseSet(h, channel, &r.ptzCruise[channel]);
        case RecordId::Version:
        case RecordId::HddInfo:
        case RecordId::Count:
            break;
    }
    return -1;
}

namespace {

template <typename Record>
std::span<const std::uint8_t> BytesOf(const Record& record) {
    return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

}  // namespace

std::span<const std::uint8_t> RecordBytes(const device::RecordSet& r, RecordId id, int channel) {
    const bool inSet = channel >= 0 && channel < device::kMaxChannels;
    switch (id) {
        case RecordId::Normal:
            return BytesOf(r.normal);
        case RecordId::Code:
            return BytesOf(r.code);
        case RecordId::RecTimer:
            return BytesOf(r.recTimer);
        case RecordId::Serials:
            return BytesOf(r.serials);
        case RecordId::Net:
            return BytesOf(r.net);
        case RecordId::Ntp:
            return BytesOf(r.ntp);
        case RecordId::Dial:
            return BytesOf(r.dial);
        case RecordId::Ddns:
            return BytesOf(r.ddns);
        case RecordId::Smtp:
            return BytesOf(r.smtp);
        case RecordId::AlarmIn:
            return BytesOf(r.alarmIn);
        case RecordId::VideoLost:
            return BytesOf(r.videoLost);
        case RecordId::VideoCover:
            return BytesOf(r.videoCover);
        case RecordId::VideoMotion:
            return BytesOf(r.videoMotion);
        case RecordId::Ptz:
            return BytesOf(r.ptz);
        case RecordId::VideoOut:
            return BytesOf(r.videoOut);
        case RecordId::ChanName:
            return BytesOf(r.chanName);
        case RecordId::Version:
            return BytesOf(r.version);
        case RecordId::HddInfo:
            return BytesOf(r.hddInfo);
        case RecordId::Event:
            return BytesOf(r.event);
        case RecordId::RecAdmin:
            return BytesOf(r.recAdmin);
        case RecordId::AlarmOut:
            return BytesOf(r.alarmOut);
        case RecordId::PtzPoint:
            return inSet ? BytesOf(r.ptzPoint[channel]) : std::span<const std::uint8_t>();
        case RecordId::PtzCruise:
            return inSet ? BytesOf(r.ptzCruise[channel]) : std::span<const std::uint8_t>();
        case RecordId::Count:
            break;
    }
    return {};
}

int RecordRight(RecordId id) {
    switch (id) {
        case RecordId::Normal:
            return kRightGeneral;
        case RecordId::Code:
            return kRightEncode;
        case RecordId::RecTimer:
            return kRightSchedule;
        case RecordId::Serials:
            return kRightSerial;
        // The network page and the pages under its node: alarm centers, NTP, dial-up, DDNS, e-mail.
        case RecordId::Net:
        case RecordId::Ntp:
        case RecordId::Dial:
        case RecordId::Ddns:
        case RecordId::Smtp:
            return kRightNetwork;
        case RecordId::AlarmIn:
            return kRightAlarm;
        case RecordId::VideoLost:
        case RecordId::VideoCover:
        case RecordId::VideoMotion:
            return kRightDetect;
        case RecordId::Ptz:
        case RecordId::PtzPoint:
        case RecordId::PtzCruise:
            return kRightPtz;
        case RecordId::VideoOut:
        case RecordId::ChanName:
            return kRightDisplay;
        case RecordId::Version:
        case RecordId::HddInfo:
            return kRightSystemInformation;
        case RecordId::Event:
        case RecordId::RecAdmin:
        case RecordId::AlarmOut:
        case RecordId::Count:
            break;
    }
    return -1;
}

config::RecordMask VisibleRecords(const std::uint8_t (&rights)[kUserRightCount]) {
    config::RecordMask mask;
    for (int i = 0; i < config::kRecordCount; ++i) {
        const auto id = static_cast<RecordId>(i);
        const int right = RecordRight(id);
        mask.Set(id, right < 0 || rights[right] != 0);
    }
    return mask;
}

}  // namespace records
