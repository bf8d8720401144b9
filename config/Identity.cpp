// What makes a recorder reachable and recognisable on its network.
#include "config/Identity.h"

#include <cstring>

namespace config {

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

}  // namespace config
