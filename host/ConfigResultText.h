// What the demo host prints for the result of a configuration-file entry. Portable.
#pragma once

#include <cstdint>
#include <string>

namespace host {

// One line: what was done, or why nothing (or not everything) was.
std::string ConfigResultText(std::int32_t result, bool import);

}  // namespace host
