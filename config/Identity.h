// What belongs to one recorder and stays its own when a file written from another recorder is
// read onto it: its identity (what makes it reachable and recognisable on its network: address
// settings, ports, DVR number, channel names), which a clone takes too, and the fields that
// describe the recorder rather than a setting (how many encoder channels it describes, the
// headers of its records that count its ports, inputs and channels), which nothing takes.
#pragma once

#include "device/RecordSet.h"

namespace config {

// Copies the identity fields of own into records; every other field stays as records has it.
void KeepIdentity(const device::RecordSet& own, device::RecordSet& records);

// Copies the fields of own that describe the recorder into records.
void KeepDescription(const device::RecordSet& own, device::RecordSet& records);

}  // namespace config
