// What makes a recorder reachable and recognisable on its network: its address settings, its
// ports, its DVR number and its channel names. A file written from one recorder and read onto
// another keeps the other's identity unless asked to clone it.
#pragma once

#include "device/RecordSet.h"

namespace config {

// Copies the identity fields of own into records; every other field stays as records has it.
void KeepIdentity(const device::RecordSet& own, device::RecordSet& records);

}  // namespace config
