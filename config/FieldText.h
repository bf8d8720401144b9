// The readable forms of record values in a configuration file, both ways: addresses, times,
// packed dates, hex and the text of UTF-8 fields. Parsers return nothing for text of another
// form; range checks are the caller's.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace config {

std::string FormatAddress(std::uint32_t address);
std::string FormatHourMinute(int hour, int minute);
std::string FormatPackedDateTime(std::uint32_t packed);
std::string FormatHex(std::span<const std::uint8_t> bytes);
std::string FormatMac(std::span<const std::uint8_t> bytes);

// Whole decimal numbers separated by the given separators, in this order: "10.0.0.1" with
// "...", "2011-03-07 12:00:00" with "-- ::". Each number at most 4 digits.
std::optional<std::vector<int>> ParseNumbers(std::string_view text, std::string_view separators);

// Hex digits, two per byte, either case; bytes separated by separator when not 0.
std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text, char separator = 0);

// The text of a field as UTF-8, as far as its first zero, each invalid sequence as U+FFFD.
std::string FieldText(std::span<const char> field);

// Whether the field holds exactly its text: valid UTF-8, a terminator, zeros after it.
bool IsCleanText(std::span<const char> field);

}  // namespace config
