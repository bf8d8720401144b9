// Replacing a file's contents so that readers see either the old file or the new one whole.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sim {

class AtomicFile {
  public:
    // Writes bytes to a temporary file beside path, flushes it, then renames it over path.
    // On failure path is untouched, the temporary file is removed and error says why.
    static bool Write(const std::filesystem::path& path, std::string_view bytes,
                      std::string& error);
};

}  // namespace sim
