// Configuration files of a recorder: export writes the records a user may see into one file;
// import checks a file whole, reads the recorder, then sends each record the user may change
// that differs and makes them permanent, or, when a send fails, sends back what it had sent.
// An import may also only check: say what it would send and change, and send nothing.
// Neither needs a window; neither throws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/FieldChanges.h"
#include "records/SessionState.h"

namespace records {

// Results; the published header gives the same numbers. Import returns the count of records
// sent (0 or more) on success, a check the count it would send.
enum ConfigResult : std::int32_t {
    kConfigDone = 0,
    kConfigBusy = -2,            // a configuration window is open (the entries' refusal)
    kConfigBadArgument = -3,     // no path, or flags this version does not know
    kConfigReadFailed = -4,      // reading the user's rights or a record failed
    kConfigFileUnreadable = -5,  // the file cannot be opened or read
    kConfigFileUnwritable = -6,  // the file cannot be written or put in place
    kConfigNotOurs = -7,         // not JSON, not one document, too large, or not of this library
    kConfigNewerFormat = -8,
    kConfigTruncated = -9,
    kConfigOutOfRange = -10,
    kConfigWrongType = -11,
    kConfigUnknownField = -12,
    kConfigCounts = -13,
    kConfigFailed = -14,         // anything else (out of memory)
    kConfigPutBack = -15,        // a send failed; each record sent before it was sent back
    kConfigNotPutBack = -16,     // a send failed, and records sent before it stay sent
    kConfigSaveFailed = -17,     // every record was sent; making them permanent failed
    kConfigDuplicateName = -18,  // a name twice in one object
};

inline constexpr std::uint32_t kExportSecrets = 1;    // export: passwords too
inline constexpr std::uint32_t kImportClone = 1;      // import: identity too, onto any recorder
inline constexpr std::uint32_t kImportCheckOnly = 2;  // import: read and compare, send nothing

// The largest file an import reads: far beyond any export (a 16-channel recorder whose every
// text needs its exact bytes written beside it gives about 1.3 MB).
inline constexpr std::uintmax_t kLargestConfigFile = 8u << 20;

// What came of an export or import, finer than its code: what its message says.
enum class Outcome {
    Exported,
    Imported,  // also when nothing differed
    Checked,
    Busy,
    BadArgument,
    ReadFailed,
    FileUnreadable,
    FileUnwritable,
    FileTooLarge,
    NotJson,
    TrailingBytes,
    NotOurs,
    NewerFormat,
    Truncated,
    OutOfRange,
    WrongType,
    UnknownField,
    DuplicateName,
    Counts,
    PutBack,
    NotPutBack,
    SaveFailed,
    Failed,
};

// One record of a recorder: a row of the table and, for a per-channel record, the channel.
struct RecordRef {
    RecordId id;
    int channel = 0;
    friend bool operator==(const RecordRef&, const RecordRef&) = default;
};

// "Net", "PTZPoint[3]".
std::string RecordLabel(const RecordRef& record);

struct TransferResult {
    std::int32_t code = kConfigDone;
    Outcome outcome = Outcome::Failed;
    bool import = false;
    std::string message;  // English, one line: what happened, naming the record and field
    std::string where;    // the record and field of a refusal, the record a read or send failed on
    // Import: the records that now hold what the file gave them, in the order of the reading
    // (checking: those an import would send; after a failed send: those not put back).
    std::vector<RecordRef> changed;
    std::vector<std::string> notAllowed;  // records of the file this user may not change
    bool otherRecorder = false;           // the file was written from another recorder
    bool cloned = false;                  // and its identity was taken all the same
    // Fields the recorder keeps as its own that the file would have changed: before is the
    // recorder's value, after the file's.
    std::vector<config::FieldChange> kept;
    std::vector<config::FieldChange> fields;  // checking: every field an import would change
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

// What an import sent, for whoever keeps copies of the recorder's records: the bytes each
// record of result.changed carried. Empty unless records were sent.
struct SentRecords {
    std::unique_ptr<device::RecordSet> records;
};
TransferResult ImportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags,
                                      SentRecords& sent);

}  // namespace records
