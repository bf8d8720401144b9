// One record of a recorder read or sent by its id: the device calls behind a configuration
// file, and the right that lets a user see and change each record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "records/SessionState.h"
#include "config/RecordKinds.h"

namespace records {

// Reads the record (a per-channel record: the channel's) into records; the device's status.
std::int32_t GetRecord(ZelHandle handle, device::RecordSet& records, config::RecordId id,
                       int channel = 0);

// Sends the record; the device's status. The read-only records are never sent (-1).
std::int32_t SetRecord(ZelHandle handle, const device::RecordSet& records, config::RecordId id,
                       int channel = 0);

// The bytes of one record of the set; empty for a channel outside the set.
std::span<const std::uint8_t> RecordBytes(const device::RecordSet& records, config::RecordId id,
                                          int channel = 0);

// The right that guards the page showing the record; -1 when no right does.
int RecordRight(config::RecordId id);

// The records a user with these rights may see.
config::RecordMask VisibleRecords(const std::uint8_t (&rights)[kUserRightCount]);

}  // namespace records
