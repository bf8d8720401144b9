// Replacing a file's contents so that readers see either the old file or the new one whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sim {

class AtomicFile {
  public:
    // Writes bytes to a temporary file beside path, flushes it, then renames it over path.
    // On failure path is untouched, the temporary file is removed and error says why.
    static bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
                      std::string& error);
};

}  // namespace sim
