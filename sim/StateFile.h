// The simulated recorder's state file on disk, a configuration file: read when a recorder
// opens, replaced whole by every save.
#pragma once

#include <filesystem>
#include <string>

#include "device/RecordSet.h"

namespace sim {

class StateFile {
  public:
    // Reads the file at path onto state, which holds the defaults for what the file leaves
    // out. When no file exists there, writes state to it instead. A file that is not a
    // configuration file, or a damaged one, is refused with one line that names it and says
    // what to do, and is left as it is.
    static bool LoadOrCreate(const std::filesystem::path& path, device::RecordSet& state,
                             std::string& error);

    static bool Save(const std::filesystem::path& path, const device::RecordSet& state,
                     std::string& error);

    // A path from UTF-8 text, on every platform.
    static std::filesystem::path PathFromUtf8(const char* text);
};

}  // namespace sim
