// Configuration files of a recorder: export and work.
#include "records/ConfigTransfer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <sstream>
#include <vector>

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "config/Identity.h"
#include "device/ZelDisp.h"
#include "records/RecordTable.h"

#ifndef RAVELIN_LIBRARY_VERSION
#define RAVELIN_LIBRARY_VERSION "unknown"
#endif

namespace records {
namespace {

// Far beyond any export; a larger file is not one of ours.
constexpr std::uintmax_t kLargestFile = 64u << 20;

TransferResult Result(std::int32_t code, std::string message) {
    return {code, std::move(message)};
}

std::int32_t CodeOf(config::ConfigFault fault) {
    switch (fault) {
        case config::ConfigFault::NotOurs:
            return kConfigNotOurs;
        case config::ConfigFault::NewerFormat:
            return kConfigNewerFormat;
        case config::ConfigFault::Truncated:
            return kConfigTruncated;
        case config::ConfigFault::OutOfRange:
            return kConfigOutOfRange;
        case config::ConfigFault::WrongType:
            return kConfigWrongType;
        case config::ConfigFault::UnknownField:
            return kConfigUnknownField;
        case config::ConfigFault::Counts:
            return kConfigCounts;
    }
    return kConfigFailed;
}

std::string RecordLabel(const RecordRow& row, int channel) {
    std::string label = row.name;
    if (row.perChannel)
        label.append("[").append(std::to_string(channel)).append("]");
    return label;
}

// A failed send's code: -(100 + n) for the n-th record of the reading held once, and for the
// k-th per-channel record -(100 * (k + 1) + 100 + channel): -200 and on for the presets, -300
// and on for the cruises.
std::int32_t SendFailure(const RecordRow& failed, int channel) {
    int once = 0;
    int perChannel = 0;
    for (const RecordRow& row : Rows()) {
        if (&row == &failed)
            break;
        ++(row.perChannel ? perChannel : once);
    }
    if (failed.perChannel)
        return kConfigSendFailed - 100 * (perChannel + 1) - channel;
    return kConfigSendFailed - (once + 1);
}

std::string NowIso8601() {
    using namespace std::chrono;
    const auto now = floor<seconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{now - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return text;
}

// The user's rights: every right for no user, else the device's answer.
bool ReadRights(ZelHandle handle, std::optional<std::int32_t> user, UserRightFlags& rights) {
    std::memset(rights, user ? 0 : 1, sizeof rights);
    if (user && zelDispHisiNewMenuUserListGet(handle, *user, rights) < 0)
        return false;
    return true;
}

// The records of the mask in the order of the reading, the Version record always (it tells
// the channels and the recorder); each channel's records when the mask has them.
TransferResult ReadRecorder(ZelHandle handle, RecordMask mask, device::RecordSet& records,
                            int& channels) {
    mask.Set(RecordId::Version);
    const auto read = [&](const RecordRow& row, int channel) -> bool {
        return !mask.Has(row.id) || GetRecord(handle, records, row.id, channel) >= 0;
    };
    for (const RecordRow& row : Rows()) {
        if (!row.perChannel && !read(row, 0))
            return Result(kConfigReadFailed, "reading " + RecordLabel(row, 0) + " failed");
    }
    const std::int32_t reported = records.version.videoInputs;  // packed: copied, not bound
    channels = std::clamp<std::int32_t>(reported, 0, device::kMaxChannels);
    for (int c = 0; c < channels; ++c) {
        for (const RecordRow& row : Rows()) {
            if (row.perChannel && !read(row, c))
                return Result(kConfigReadFailed, "reading " + RecordLabel(row, c) + " failed");
        }
    }
    return Result(kConfigDone, {});
}

TransferResult ReadFile(const std::filesystem::path& path, std::string& text) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return Result(kConfigFileUnreadable, "cannot read the file");
    if (size > kLargestFile)
        return Result(kConfigNotOurs, "not a recorder configuration file (far too large)");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in.good() && !in.eof())
        return Result(kConfigFileUnreadable, "cannot read the file");
    text = std::move(content).str();
    return Result(kConfigDone, {});
}

// Writes a temporary file beside the target, then puts it in the target's place.
TransferResult ReplaceFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), std::streamsize(text.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ignored);
            return Result(kConfigFileUnwritable, "cannot write the file");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        return Result(kConfigFileUnwritable, "cannot put the file in place");
    }
    return Result(kConfigDone, {});
}

// Where the rights come from: the device for a user, or a session that holds them.
using RightsSource = std::function<bool(UserRightFlags&)>;

RightsSource DeviceRights(ZelHandle handle, std::optional<std::int32_t> user) {
    return [handle, user](UserRightFlags& rights) { return ReadRights(handle, user, rights); };
}

RightsSource HeldRights(const UserRightFlags& held) {
    return [&held](UserRightFlags& rights) {
        std::memcpy(rights, held, sizeof rights);
        return true;
    };
}

TransferResult Export(ZelHandle handle, const std::filesystem::path& path,
                      const RightsSource& readRights, std::uint32_t flags) {
    if (path.empty() || (flags & ~kExportSecrets) != 0)
        return Result(kConfigBadArgument, "no file, or unknown flags");
    UserRightFlags rights;
    if (!readRights(rights))
        return Result(kConfigReadFailed, "reading the user's rights failed");
    const RecordMask visible = VisibleRecords(rights);
    auto records = std::make_unique<device::RecordSet>();
    int channels = 0;
    if (TransferResult read = ReadRecorder(handle, visible, *records, channels); read.code < 0)
        return read;
    config::ExportInfo info{RAVELIN_LIBRARY_VERSION, NowIso8601(), (flags & kExportSecrets) != 0};
    const std::string text =
        config::WriteConfigDocument(*records, FormatsOf(visible), channels, info);
    if (TransferResult written = ReplaceFile(path, text); written.code < 0)
        return written;
    return Result(kConfigDone, "the configuration was written");
}

// What an import works with, step by step: the file, the recorder's records as read, and the
// records the recorder shall hold.
struct ImportWork {
    std::optional<config::ConfigDocument> document;
    RecordMask changeable;
    std::unique_ptr<device::RecordSet> current = std::make_unique<device::RecordSet>();
    std::unique_ptr<device::RecordSet> wanted;
    int channels = 0;
};

// The whole file is checked before the recorder hears of it.
TransferResult CheckFile(const std::filesystem::path& path, ImportWork& work) {
    std::string text;
    if (TransferResult read = ReadFile(path, text); read.code < 0)
        return read;
    try {
        work.document = config::ConfigDocument::Parse(text, FormatsOf());
    } catch (const config::ConfigError& e) {
        return Result(CodeOf(e.fault()), e.what());
    }
    return Result(kConfigDone, {});
}

// The user's rights and the records they let the import change, read from the recorder; a file
// with more channels than the recorder has is refused.
TransferResult ReadRecorderFor(ZelHandle handle, const RightsSource& readRights, ImportWork& work) {
    UserRightFlags rights;
    if (!readRights(rights))
        return Result(kConfigReadFailed, "reading the user's rights failed");
    work.changeable = VisibleRecords(rights);
    for (const RecordRow& row : Rows()) {
        if (row.ReadOnly())
            work.changeable.Set(row.id, false);
    }
    if (TransferResult read = ReadRecorder(handle, work.changeable, *work.current, work.channels);
        read.code < 0)
        return read;
    for (const RecordRow& row : Rows()) {
        const std::size_t entries = work.document->ChannelEntries(row.Format());
        if (row.perChannel && work.changeable.Has(row.id) && entries > std::size_t(work.channels)) {
            return Result(kConfigCounts, std::string(row.name) + ": the file has " +
                                             std::to_string(entries) + " channels, the recorder " +
                                             std::to_string(work.channels));
        }
    }
    return Result(kConfigDone, {});
}

// The records as the file would leave them; on another recorder its identity stays its own
// unless the file is to be cloned onto it.
void DecideWhatToSend(std::uint32_t flags, ImportWork& work) {
    work.wanted = std::make_unique<device::RecordSet>(*work.current);
    work.document->ApplyTo(*work.wanted);
    const auto& serial = work.document->serialNumber();
    const bool sameRecorder =
        serial &&
        std::memcmp(serial->data(), work.current->version.serialNumber, serial->size()) == 0;
    if (!sameRecorder && (flags & kImportClone) == 0)
        config::KeepIdentity(*work.current, *work.wanted);
}

// Sends, in the order of the reading, each record the user may change that differs; a failure
// ends the work. Counts the records sent.
TransferResult Send(ZelHandle handle, const ImportWork& work, std::int32_t& sent) {
    std::optional<TransferResult> failure;
    ForEachRecord(work.channels, [&](const RecordRow& row, int channel) {
        const auto now = RecordBytes(*work.current, row.id, channel);
        const auto then = RecordBytes(*work.wanted, row.id, channel);
        if (failure || !work.changeable.Has(row.id) ||
            std::equal(now.begin(), now.end(), then.begin()))
            return;
        if (SetRecord(handle, *work.wanted, row.id, channel) < 0) {
            failure = Result(SendFailure(row, channel),
                             "sending " + RecordLabel(row, channel) + " failed after " +
                                 std::to_string(sent) + " records; nothing was made permanent");
            return;
        }
        ++sent;
    });
    return failure.value_or(Result(kConfigDone, {}));
}

TransferResult Import(ZelHandle handle, const std::filesystem::path& path,
                      const RightsSource& readRights, std::uint32_t flags) {
    if (path.empty() || (flags & ~kImportClone) != 0)
        return Result(kConfigBadArgument, "no file, or unknown flags");
    ImportWork work;
    if (TransferResult checked = CheckFile(path, work); checked.code < 0)
        return checked;
    if (TransferResult read = ReadRecorderFor(handle, readRights, work); read.code < 0)
        return read;
    DecideWhatToSend(flags, work);
    std::int32_t sent = 0;
    if (TransferResult sending = Send(handle, work, sent); sending.code < 0)
        return sending;
    // Made permanent once every send succeeded, as the window does on closing, also when the
    // recorder already held everything.
    zelDispSaveMenu(handle);
    return Result(sent, sent == 0 ? "the recorder already holds this configuration"
                                  : std::to_string(sent) + " records were sent");
}

template <typename Work>
TransferResult Guarded(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return Result(kConfigFailed, "out of memory");
    } catch (...) {
        return Result(kConfigFailed, "the operation failed");
    }
}

}  // namespace

TransferResult ExportConfig(ZelHandle handle, const std::filesystem::path& path,
                            std::optional<std::int32_t> user, std::uint32_t flags) {
    return Guarded([&] { return Export(handle, path, DeviceRights(handle, user), flags); });
}

TransferResult ImportConfig(ZelHandle handle, const std::filesystem::path& path,
                            std::optional<std::int32_t> user, std::uint32_t flags) {
    return Guarded([&] { return Import(handle, path, DeviceRights(handle, user), flags); });
}

TransferResult ExportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags) {
    return Guarded([&] { return Export(handle, path, HeldRights(rights), flags); });
}

TransferResult ImportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags) {
    return Guarded([&] { return Import(handle, path, HeldRights(rights), flags); });
}

}  // namespace records
