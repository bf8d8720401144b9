// Configuration files of a recorder: export writes the records a user may see into one file;
// import checks a file whole, then sends each record the user may change that differs and
// makes them permanent. Neither needs a window; neither throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "records/SessionState.h"

namespace records {

// Results; the published header gives the same numbers. Import returns the count of records
// sent (0 or more) on success.
enum ConfigResult : std::int32_t {
    kConfigDone = 0,
    kConfigBusy = -2,            // a configuration window is open (the entries' refusal)
    kConfigBadArgument = -3,     // no path, or flags this version does not know
    kConfigReadFailed = -4,      // reading the user's rights or a record failed
    kConfigFileUnreadable = -5,  // the file cannot be opened or read
    kConfigFileUnwritable = -6,  // the file cannot be written or put in place
    kConfigNotOurs = -7,
    kConfigNewerFormat = -8,
    kConfigTruncated = -9,
    kConfigOutOfRange = -10,
    kConfigWrongType = -11,
    kConfigUnknownField = -12,
    kConfigCounts = -13,
    kConfigFailed = -14,  // anything else (out of memory)
    // A send failed: -(100 + step) for the record of that step of the reading (1 Normal ..
    // 21 AlarmOut), -(200 + channel) for a channel's presets, -(300 + channel) its cruise.
    kConfigSendFailed = -100,
    kConfigSendPresetsFailed = -200,
    kConfigSendCruiseFailed = -300,
};

inline constexpr std::uint32_t kExportSecrets = 1;  // export: passwords too
inline constexpr std::uint32_t kImportClone = 1;    // import: identity too, onto any recorder

struct TransferResult {
    std::int32_t code = kConfigDone;
    std::string message;  // what happened, naming the record and field of a refusal
};

// user: the recorder's user whose rights apply, or none for every right.
TransferResult ExportConfig(ZelHandle handle, const std::filesystem::path& path,
                            std::optional<std::int32_t> user, std::uint32_t flags);
TransferResult ImportConfig(ZelHandle handle, const std::filesystem::path& path,
                            std::optional<std::int32_t> user, std::uint32_t flags);
// The same with rights a session already holds (the window's), asking the device for none.
TransferResult ExportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags);
TransferResult ImportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags);

}  // namespace records
