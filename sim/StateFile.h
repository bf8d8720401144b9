// The simulated recorder's state file on disk: read when a recorder opens, replaced whole by
// every save.
#pragma once

#include <filesystem>
#include <string>

#include "sim/RecorderState.h"

namespace sim {

class StateFile {
  public:
    // Reads the state at path into state. When no file exists there, writes state (the
    // defaults the caller put in) to it instead. A file that cannot be parsed is an error and
    // is left as it is.
    static bool LoadOrCreate(const std::filesystem::path& path, RecorderState& state,
                             std::string& error);

    static bool Save(const std::filesystem::path& path, const RecorderState& state,
                     std::string& error);

    // A path from UTF-8 text, on every platform.
    static std::filesystem::path PathFromUtf8(const char* text);
};

}  // namespace sim
