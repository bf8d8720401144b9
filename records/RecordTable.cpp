// The table of a recorder's records.
#include "records/RecordTable.h"

#include <iterator>
#include <type_traits>
#include <utility>

#include "config/RecordFields.h"
#include "device/ZelDisp.h"

namespace records {
namespace {

using device::RecordSet;

// The user rights that guard the records, by their place in the device's list of rights.
constexpr int kRightSystemInformation = 7;
constexpr int kRightGeneral = 15;
constexpr int kRightEncode = 16;
constexpr int kRightSchedule = 17;
constexpr int kRightSerial = 18;
constexpr int kRightNetwork = 19;
constexpr int kRightAlarm = 20;
constexpr int kRightDetect = 21;
constexpr int kRightPtz = 22;
constexpr int kRightDisplay = 23;

// The type of the set's member Member: a record, or an array of them, one per channel.
template <auto Member>
using MemberType = std::remove_reference_t<decltype(std::declval<RecordSet&>().*Member)>;

// What a row does with a record held once, the set's member Member.
template <auto Member>
std::span<std::uint8_t> BytesOf(RecordSet& s, int) {
    auto& record = s.*Member;
    return {reinterpret_cast<std::uint8_t*>(&record), sizeof record};
}

// Records are packed: any byte is a record's start.
template <auto Member, auto Get>
std::int32_t GetOf(ZelHandle handle, std::uint8_t* record, int) {
    return Get(handle, reinterpret_cast<MemberType<Member>*>(record));
}

template <auto Member, auto Set>
std::int32_t SetOf(ZelHandle handle, const std::uint8_t* record, int) {
    return Set(handle, reinterpret_cast<const MemberType<Member>*>(record));
}

template <auto Member>
void VisitOf(config::FieldVisitor& v, RecordSet& s, std::size_t) {
    config::VisitFields(v, s.*Member);
}

// The same for a record per channel, the set's array Member; only its slots are addressed.
template <auto Member>
bool InSet(int channel) {
    return channel >= 0 && channel < int(std::extent_v<MemberType<Member>>);
}

template <auto Member>
std::span<std::uint8_t> ChannelBytesOf(RecordSet& s, int channel) {
    if (!InSet<Member>(channel))
        return {};
    auto& record = (s.*Member)[channel];
    return {reinterpret_cast<std::uint8_t*>(&record), sizeof record};
}

template <auto Member>
using ChannelRecord = std::remove_extent_t<MemberType<Member>>;

template <auto Member, auto Get>
std::int32_t ChannelGetOf(ZelHandle handle, std::uint8_t* record, int channel) {
    if (!InSet<Member>(channel))
        return -1;
    return Get(handle, channel, reinterpret_cast<ChannelRecord<Member>*>(record));
}

template <auto Member, auto Set>
std::int32_t ChannelSetOf(ZelHandle handle, const std::uint8_t* record, int channel) {
    if (!InSet<Member>(channel))
        return -1;
    return Set(handle, channel, reinterpret_cast<const ChannelRecord<Member>*>(record));
}

template <auto Member>
void ChannelVisitOf(config::FieldVisitor& v, RecordSet& s, std::size_t channel) {
    if (InSet<Member>(int(channel)))
        config::VisitFields(v, (s.*Member)[channel]);
}

// A row for a record held once; one without Set describes the recorder and is never sent.
template <auto Member, auto Get, auto Set = nullptr>
constexpr RecordRow Once(RecordId id, const char* name, int right) {
    RecordRow row{id,
                  name,
                  right,
                  false,
                  sizeof(MemberType<Member>),
                  BytesOf<Member>,
                  GetOf<Member, Get>,
                  nullptr,
                  VisitOf<Member>};
    if constexpr (Set != nullptr)
        row.set = SetOf<Member, Set>;
    return row;
}

// A row for a record the recorder keeps per channel.
template <auto Member, auto Get, auto Set>
constexpr RecordRow PerChannel(RecordId id, const char* name, int right) {
    return {id,
            name,
            right,
            true,
            sizeof(ChannelRecord<Member>),
            ChannelBytesOf<Member>,
            ChannelGetOf<Member, Get>,
            ChannelSetOf<Member, Set>,
            ChannelVisitOf<Member>};
}

using Id = RecordId;

// clang-format off
constexpr RecordRow kRows[] = {
    Once<&RecordSet::normal, zelDispHisiNewMenuNormalGet, zelDispHisiNewMenuNormalSet>(Id::Normal, "Normal", kRightGeneral),
    Once<&RecordSet::code, zelDispHisiNewMenuCodeGet, zelDispHisiNewMenuCodeSet>(Id::Code, "Code", kRightEncode),
    Once<&RecordSet::recTimer, zelDispHisiNewMenuRecTimerGet, zelDispHisiNewMenuRecTimerSet>(Id::RecTimer, "RecTimer", kRightSchedule),
    Once<&RecordSet::serials, zelDispHisiNewMenuSerialsGet, zelDispHisiNewMenuSerialsSet>(Id::Serials, "Serials", kRightSerial),
    // The network page and the pages under its node: alarm centers, NTP, dial-up, DDNS, e-mail.
    Once<&RecordSet::net, zelDispHisiNewMenuNetGet, zelDispHisiNewMenuNetSet>(Id::Net, "Net", kRightNetwork),
    Once<&RecordSet::ntp, zelDispHisiNewMenuNTPGet, zelDispHisiNewMenuNTPSet>(Id::Ntp, "NTP", kRightNetwork),
    Once<&RecordSet::dial, zelDispHisiNewMenuDialGet, zelDispHisiNewMenuDialSet>(Id::Dial, "Dial", kRightNetwork),
    Once<&RecordSet::ddns, zelDispHisiNewMenuDDNSGet, zelDispHisiNewMenuDDNSSet>(Id::Ddns, "DDNS", kRightNetwork),
    Once<&RecordSet::smtp, zelDispHisiNewMenuSMTPGet, zelDispHisiNewMenuSMTPSet>(Id::Smtp, "SMTP", kRightNetwork),
    Once<&RecordSet::alarmIn, zelDispHisiNewMenuAlarmInGet, zelDispHisiNewMenuAlarmInSet>(Id::AlarmIn, "AlarmIn", kRightAlarm),
    Once<&RecordSet::videoLost, zelDispHisiNewMenuVideoLostGet, zelDispHisiNewMenuVideoLostSet>(Id::VideoLost, "VideoLost", kRightDetect),
    Once<&RecordSet::videoCover, zelDispHisiNewMenuVideoCoverGet, zelDispHisiNewMenuVideoCoverSet>(Id::VideoCover, "VideoCover", kRightDetect),
    Once<&RecordSet::videoMotion, zelDispHisiNewMenuVideoMotionGet, zelDispHisiNewMenuVideoMotionSet>(Id::VideoMotion, "VideoMotion", kRightDetect),
    Once<&RecordSet::ptz, zelDispHisiNewMenuPTZGet, zelDispHisiNewMenuPTZSet>(Id::Ptz, "PTZ", kRightPtz),
    Once<&RecordSet::videoOut, zelDispHisiNewMenuVideoOutGet, zelDispHisiNewMenuVideoOutSet>(Id::VideoOut, "VideoOut", kRightDisplay),
    Once<&RecordSet::chanName, zelDispHisiNewMenuChanNameGet, zelDispHisiNewMenuChanNameSet>(Id::ChanName, "ChanName", kRightDisplay),
    Once<&RecordSet::version, zelDispHisiNewMenuVersionGet>(Id::Version, "Version", kRightSystemInformation),
    Once<&RecordSet::hddInfo, zelDispHisiNewMenuHddInfoGet>(Id::HddInfo, "HddInfo", kRightSystemInformation),
    Once<&RecordSet::event, zelDispHisiNewMenuEventGet, zelDispHisiNewMenuEventSet>(Id::Event, "Event", kNoRight),
    Once<&RecordSet::recAdmin, zelDispHisiNewMenuRecAdminGet, zelDispHisiNewMenuRecAdminSet>(Id::RecAdmin, "RecAdmin", kNoRight),
    Once<&RecordSet::alarmOut, zelDispHisiNewMenuAlarmOutGet, zelDispHisiNewMenuAlarmOutSet>(Id::AlarmOut, "AlarmOut", kNoRight),
    PerChannel<&RecordSet::ptzPoint, zelDispHisiNewMenuPTZPointGet, zelDispHisiNewMenuPTZPointSet>(Id::PtzPoint, "PTZPoint", kRightPtz),
    PerChannel<&RecordSet::ptzCruise, zelDispHisiNewMenuPTZCruiseGet, zelDispHisiNewMenuPTZCruiseSet>(Id::PtzCruise, "PTZCruise", kRightPtz),
};
// clang-format on

// Each row stands at the place of its id; the per-channel records are read last.
constexpr bool RowsInOrder() {
    for (int i = 0; i < kRecordCount; ++i) {
        if (kRows[i].id != static_cast<RecordId>(i))
            return false;
        if (i > 0 && kRows[i - 1].perChannel && !kRows[i].perChannel)
            return false;
    }
    return true;
}
static_assert(std::size(kRows) == kRecordCount, "one row per record");
static_assert(RowsInOrder(), "rows in the order of their ids, per-channel records last");

}  // namespace

std::span<const RecordRow> Rows() {
    return kRows;
}

const RecordRow& Row(RecordId id) {
    return kRows[static_cast<int>(id)];
}

std::span<const std::uint8_t> RecordBytes(const device::RecordSet& records, RecordId id,
                                          int channel) {
    // The rows' byte functions only look; they take a set that may be written for the others.
    return Row(id).bytes(const_cast<device::RecordSet&>(records), channel);
}

std::int32_t GetRecord(ZelHandle handle, device::RecordSet& records, RecordId id, int channel) {
    const std::span<std::uint8_t> record = Row(id).bytes(records, channel);
    return record.empty() ? -1 : Row(id).get(handle, record.data(), channel);
}

std::int32_t SetRecord(ZelHandle handle, const device::RecordSet& records, RecordId id,
                       int channel) {
    const RecordRow& row = Row(id);
    const std::span<const std::uint8_t> record = RecordBytes(records, id, channel);
    return record.empty() || row.ReadOnly() ? -1 : row.set(handle, record.data(), channel);
}

std::vector<config::RecordFormat> FormatsOf(const RecordMask& mask) {
    std::vector<config::RecordFormat> formats;
    for (const RecordRow& row : kRows) {
        if (mask.Has(row.id))
            formats.push_back(row.Format());
    }
    return formats;
}

RecordMask VisibleRecords(const UserRightFlags& rights) {
    RecordMask mask;
    for (const RecordRow& row : kRows)
        mask.Set(row.id, row.right == kNoRight || rights[row.right] != 0);
    return mask;
}

}  // namespace records
