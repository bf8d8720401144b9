// Configuration files of a recorder: export and import.
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

#include "records/RecordCalls.h"
#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "config/Identity.h"
#include "device/ZelDisp.h"

#ifndef RAVELIN_LIBRARY_VERSION
#define RAVELIN_LIBRARY_VERSION "unknown"
#endif

namespace records {
namespace {

using config::RecordId;
using config::RecordMask;

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

std::string RecordLabel(RecordId id, int channel) {
    std::string label = config::RecordName(id);
    if (config::IsPerChannel(id))
        label.append("[").append(std::to_string(channel)).append("]");
    return label;
}

std::int32_t SendFailure(RecordId id, int channel) {
    if (id == RecordId::PtzPoint)
        return kConfigSendPresetsFailed - channel;
    if (id == RecordId::PtzCruise)
        return kConfigSendCruiseFailed - channel;
    return kConfigSendFailed - (static_cast<int>(id) + 1);
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
bool ReadRights(ZelHandle handle, std::optional<std::int32_t> user,
                std::uint8_t (&rights)[kUserRightCount]) {
    std::memset(rights, user ? 0 : 1, sizeof rights);
    if (user && zelDispHisiNewMenuUserListGet(handle, *user, rights) < 0)
        return false;
    return true;
}

// The records of the mask in the order of the reading, the Version record always (it tells
// the channels and the recorder); each channel's records when the mask has them.
TransferResult ReadRecorder(ZelHandle handle, const RecordMask& mask, device::RecordSet& records,
                            int& channels) {
    for (int i = 0; i < static_cast<int>(RecordId::PtzPoint); ++i) {
        const auto id = static_cast<RecordId>(i);
        if ((mask.Has(id) || id == RecordId::Version) && GetRecord(handle, records, id) < 0)
            return Result(kConfigReadFailed, "reading " + RecordLabel(id, 0) + " failed");
    }
    const std::int32_t reported = records.version.videoInputs;  // packed: copied, not bound
    channels = std::clamp<std::int32_t>(reported, 0, device::kMaxChannels);
    for (int c = 0; c < channels; ++c) {
        for (RecordId id : {RecordId::PtzPoint, RecordId::PtzCruise}) {
            if (mask.Has(id) && GetRecord(handle, records, id, c) < 0)
                return Result(kConfigReadFailed, "reading " + RecordLabel(id, c) + " failed");
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
using RightsSource = std::function<bool(std::uint8_t (&)[kUserRightCount])>;

RightsSource DeviceRights(ZelHandle handle, std::optional<std::int32_t> user) {
    return [handle, user](std::uint8_t(&rights)[kUserRightCount]) {
        return ReadRights(handle, user, rights);
    };
}

RightsSource HeldRights(const std::uint8_t (&held)[kUserRightCount]) {
    return [&held](std::uint8_t(&rights)[kUserRightCount]) {
        std::memcpy(rights, held, sizeof rights);
        return true;
    };
}

TransferResult Export(ZelHandle handle, const std::filesystem::path& path,
                      const RightsSource& readRights, std::uint32_t flags) {
    if (path.empty() || (flags & ~kExportSecrets) != 0)
        return Result(kConfigBadArgument, "no file, or unknown flags");
    std::uint8_t rights[kUserRightCount];
    if (!readRights(rights))
        return Result(kConfigReadFailed, "reading the user's rights failed");
    const RecordMask visible = VisibleRecords(rights);
    auto records = std::make_unique<device::RecordSet>();
    int channels = 0;
    if (TransferResult read = ReadRecorder(handle, visible, *records, channels); read.code < 0)
        return read;
    config::ExportInfo info{RAVELIN_LIBRARY_VERSION, NowIso8601(), (flags & kExportSecrets) != 0};
    const std::string text = config::WriteConfigDocument(*records, visible, channels, info);
    if (TransferResult written = ReplaceFile(path, text); written.code < 0)
        return written;
    return Result(kConfigDone, "the configuration was written");
}

TransferResult Import(ZelHandle handle, const std::filesystem::path& path,
                      const RightsSource& readRights, std::uint32_t flags) {
    if (path.empty() || (flags & ~kImportClone) != 0)
        return Result(kConfigBadArgument, "no file, or unknown flags");
    // The whole file is checked before the recorder hears of it.
    std::string text;
    if (TransferResult read = ReadFile(path, text); read.code < 0)
        return read;
    std::optional<config::ConfigDocument> document;
    try {
        document = config::ConfigDocument::Parse(text);
    } catch (const config::ConfigError& e) {
        return Result(CodeOf(e.fault()), e.what());
    }

    std::uint8_t rights[kUserRightCount];
    if (!readRights(rights))
        return Result(kConfigReadFailed, "reading the user's rights failed");
    RecordMask changeable = VisibleRecords(rights);
    changeable.Set(RecordId::Version, false);
    changeable.Set(RecordId::HddInfo, false);

    auto current = std::make_unique<device::RecordSet>();
    int channels = 0;
    if (TransferResult read = ReadRecorder(handle, changeable, *current, channels); read.code < 0)
        return read;
    for (RecordId id : {RecordId::PtzPoint, RecordId::PtzCruise}) {
        if (changeable.Has(id) && document->ChannelEntries(id) > std::size_t(channels)) {
            return Result(kConfigCounts, std::string(config::RecordName(id)) + ": the file has " +
                                             std::to_string(document->ChannelEntries(id)) +
                                             " channels, the recorder " + std::to_string(channels));
        }
    }

    auto wanted = std::make_unique<device::RecordSet>(*current);
    document->ApplyTo(*wanted);
    const auto& serial = document->serialNumber();
    const bool sameRecorder =
        serial && std::memcmp(serial->data(), current->version.serialNumber, serial->size()) == 0;
    if (!sameRecorder && (flags & kImportClone) == 0)
        config::KeepIdentity(*current, *wanted);

    std::int32_t sent = 0;
    // Sends the record when the user may change it and it differs; a failure ends the import.
    const auto send = [&](RecordId id, int channel) -> std::optional<TransferResult> {
        const auto now = RecordBytes(*current, id, channel);
        const auto then = RecordBytes(*wanted, id, channel);
        if (!changeable.Has(id) || std::equal(now.begin(), now.end(), then.begin()))
            return std::nullopt;
        if (SetRecord(handle, *wanted, id, channel) < 0) {
            return Result(SendFailure(id, channel), "sending " + RecordLabel(id, channel) +
                                                        " failed after " + std::to_string(sent) +
                                                        " records; nothing was made permanent");
        }
        ++sent;
        return std::nullopt;
    };
    for (int i = 0; i < static_cast<int>(RecordId::PtzPoint); ++i) {
        if (auto failed = send(static_cast<RecordId>(i), 0))
            return *failed;
    }
    for (int c = 0; c < channels; ++c) {
        for (RecordId id : {RecordId::PtzPoint, RecordId::PtzCruise}) {
            if (auto failed = send(id, c))
                return *failed;
        }
    }
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
                                      const std::uint8_t (&rights)[kUserRightCount],
                                      std::uint32_t flags) {
    return Guarded([&] { return Export(handle, path, HeldRights(rights), flags); });
}

TransferResult ImportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const std::uint8_t (&rights)[kUserRightCount],
                                      std::uint32_t flags) {
    return Guarded([&] { return Import(handle, path, HeldRights(rights), flags); });
}

}  // namespace records
