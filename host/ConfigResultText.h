// What the demo host prints for the result of a configuration-file entry. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// One line: what was done, or why nothing (or not everything) was.
std::string ConfigResultText(std::int32_t result, bool import);

// Where a refused file goes wrong ("records.NTP.server: longer than ..."), found by checking
// the file again as the library does; empty when the check finds no place to name.
std::string ConfigRefusalDetail(std::string_view fileText);

}  // namespace host
