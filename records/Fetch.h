// The reading of a recorder at the start of a session: the rights of the session's user and
// every record, into the configuration cache, in the device's fixed order.
#pragma once

#include <cstdint>
#include <optional>

#include "records/SessionState.h"

namespace records {

class FetchProgress;

// The calls of the reading for this many channels: one per record held once, one per
// per-channel record and channel.
int ReadingCalls(int channels);

// The text column for the entry's language selector: 0 Chinese, 3 Portuguese, else English.
std::uint32_t LanguageFromSelector(std::uint32_t language);

// Every right for no user; else the user's rights from the device (none when that fails).
void FetchRights(ZelHandle handle, std::optional<std::int32_t> user,
                 FetchProgress* progress = nullptr);

// Reads every record into the cache in the device's fixed order, then the counts from the
// Version record (clamped to what the cache holds) and each channel's presets and cruise.
// Results are not examined: a record whose Get failed keeps what its buffer holds. Each call
// counts towards progress, when given.
void FetchConfigCache(FetchProgress* progress = nullptr);

}  // namespace records
