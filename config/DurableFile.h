// Replacing a file so that a crash at any moment leaves the old file or the new one whole: the
// new contents go into a temporary file of a name of its own beside it, reach the disk, and
// only then take the old file's place.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace config {

class DurableFile {
  public:
    // False, with path untouched and no temporary file left, when any step fails; error says
    // which.
    static bool Replace(const std::filesystem::path& path, std::string_view contents,
                        std::string& error);

    // The temporary files Replace makes beside a file end with this.
    static constexpr std::string_view kTemporarySuffix = ".ravelin-partial";
};

}  // namespace config
