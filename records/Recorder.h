// The open session's recorder as the pages ask for it: its records read, sent and read again by
// id, its settings made permanent, its restart, its clock and its camera protocols. Every call
// the pages make to the device library goes through here; a record sent or read again into the
// cache is told to every page that watches it.
#pragma once

#include <cstdint>
#include <span>

#include "records/RecordTable.h"

namespace records {

// The cached bytes of a record; for a per-channel record those of a channel the recorder has,
// else empty.
std::span<std::uint8_t> CachedBytes(RecordId id, int channel = 0);

// Reads the record from the recorder into out, which has the record's size; the cache stays.
// The device's status; -1 for a channel the recorder does not have or a buffer of another size.
std::int32_t ReadRecord(RecordId id, int channel, std::span<std::uint8_t> out);

// Reads the record again into the cache, through a temporary: a failing read leaves the cache
// as it was, whatever the device wrote into its buffer. Returns whether it was read.
bool RereadRecord(RecordId id, int channel = 0);

// Sends the record; once the recorder took it, the cache holds what was sent. The device's
// status; -1 for a read-only record, a channel the recorder does not have or a buffer of
// another size.
std::int32_t SendRecord(RecordId id, int channel, std::span<const std::uint8_t> bytes);

// Makes the recorder keep what it was sent.
void MakePermanent();
// Restarts the recorder.
void Restart();

// The recorder's clock as the device's date and time words; false when it cannot be read.
bool ReadClock(std::uint32_t& dateWord, std::uint32_t& timeWord);
// Sets the clock; the device's status.
std::int32_t SetClock(std::uint32_t dateWord, std::uint32_t timeWord);

// The camera protocols the recorder supports, as it describes them, into buffer: the length
// the recorder reports.
std::int32_t ReadProtocolList(std::span<char> buffer);

}  // namespace records
