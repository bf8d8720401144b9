// The camera protocols a recorder supports, as it describes them: UTF-8 text of entries
// "name=code|", e.g. "A=1|B=2|".
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct PtzProtocol {
    std::u16string name;
    std::int16_t code;

    friend bool operator==(const PtzProtocol&, const PtzProtocol&) = default;
};

// A protocol list shows names of at most this many UTF-16 units.
inline constexpr std::size_t kPtzProtocolNameUnits = 31;

// The protocols of the list text in buffer, of which the recorder reported `length` bytes.
// Reads nothing beyond the buffer, the reported length or the text's terminating zero. The
// list ends at the last complete entry: an entry without "=" or "|", or whose code is not a
// decimal number in the range of the record's 16-bit field, ends it. Names longer than the
// list shows are cut at a whole character.
std::vector<PtzProtocol> ParsePtzProtocolList(std::span<const char> buffer, std::int32_t length);
