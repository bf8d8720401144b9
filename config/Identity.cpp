// What belongs to one recorder and stays its own.
#include "config/Identity.h"

#include <cstring>

namespace config {
namespace {

template <typename Field>
void Keep(const Field& own, Field& field) {
    std::memcpy(&field, &own, sizeof field);
}

}  // namespace

void KeepIdentity(const device::RecordSet& own, device::RecordSet& records) {
    device::NetRecord& net = records.net;
    net.dhcp = own.net.dhcp;
    net.ip = own.net.ip;
    net.subnetMask = own.net.subnetMask;
    net.gateway = own.net.gateway;
    net.cmdPort = own.net.cmdPort;
    net.dataPort = own.net.dataPort;
    net.httpPort = own.net.httpPort;
    net.talkPort = own.net.talkPort;

    std::memcpy(records.normal.dvrNumber, own.normal.dvrNumber, sizeof own.normal.dvrNumber);
    records.normal.terminator = own.normal.terminator;
    std::memcpy(records.chanName.names, own.chanName.names, sizeof own.chanName.names);
}

void KeepDescription(const device::RecordSet& own, device::RecordSet& records) {
    records.code.channelCount = own.code.channelCount;
    // The headers the recorder sends with its records, which it wants back as it sent them.
    Keep(own.serials.head, records.serials.head);
    Keep(own.alarmIn.head, records.alarmIn.head);
    Keep(own.videoLost.head, records.videoLost.head);
    Keep(own.videoCover.head, records.videoCover.head);
    Keep(own.videoMotion.head, records.videoMotion.head);
    Keep(own.ptz.head, records.ptz.head);
    Keep(own.chanName.head, records.chanName.head);
    Keep(own.event.head, records.event.head);
    Keep(own.recAdmin.unused, records.recAdmin.unused);
    constexpr std::size_t kAlarmOutHead = device::AlarmOutRecord::ModeOffset(0);
    std::memcpy(records.alarmOut.bytes, own.alarmOut.bytes, kAlarmOutHead);
}

}  // namespace config
