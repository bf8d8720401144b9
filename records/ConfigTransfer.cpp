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
#include <vector>

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "config/DurableFile.h"
#include "config/Identity.h"
#include "device/ZelDisp.h"
#include "records/RecordTable.h"

#ifndef RAVELIN_LIBRARY_VERSION
#define RAVELIN_LIBRARY_VERSION "unknown"
#endif

namespace records {
namespace {

std::int32_t CodeOf(Outcome outcome) {
    switch (outcome) {
        case Outcome::Exported:
        case Outcome::Imported:
        case Outcome::Checked:
            return kConfigDone;
        case Outcome::Busy:
            return kConfigBusy;
        case Outcome::BadArgument:
            return kConfigBadArgument;
        case Outcome::ReadFailed:
            return kConfigReadFailed;
        case Outcome::FileUnreadable:
            return kConfigFileUnreadable;
        case Outcome::FileUnwritable:
            return kConfigFileUnwritable;
        case Outcome::FileTooLarge:
        case Outcome::NotJson:
        case Outcome::TrailingBytes:
        case Outcome::NotOurs:
            return kConfigNotOurs;
        case Outcome::NewerFormat:
            return kConfigNewerFormat;
        case Outcome::Truncated:
            return kConfigTruncated;
        case Outcome::OutOfRange:
            return kConfigOutOfRange;
        case Outcome::WrongType:
            return kConfigWrongType;
        case Outcome::UnknownField:
            return kConfigUnknownField;
        case Outcome::DuplicateName:
            return kConfigDuplicateName;
        case Outcome::Counts:
            return kConfigCounts;
        case Outcome::PutBack:
            return kConfigPutBack;
        case Outcome::NotPutBack:
            return kConfigNotPutBack;
        case Outcome::SaveFailed:
            return kConfigSaveFailed;
        case Outcome::Failed:
            break;
    }
    return kConfigFailed;
}

Outcome OutcomeOf(config::ConfigFault fault) {
    switch (fault) {
        case config::ConfigFault::NotJson:
            return Outcome::NotJson;
        case config::ConfigFault::TrailingBytes:
            return Outcome::TrailingBytes;
        case config::ConfigFault::NotOurs:
            return Outcome::NotOurs;
        case config::ConfigFault::NewerFormat:
            return Outcome::NewerFormat;
        case config::ConfigFault::Truncated:
            return Outcome::Truncated;
        case config::ConfigFault::OutOfRange:
            return Outcome::OutOfRange;
        case config::ConfigFault::WrongType:
            return Outcome::WrongType;
        case config::ConfigFault::UnknownField:
            return Outcome::UnknownField;
        case config::ConfigFault::DuplicateName:
            return Outcome::DuplicateName;
        case config::ConfigFault::Counts:
            return Outcome::Counts;
    }
    return Outcome::Failed;
}

// A result that ends the work: its code follows from the outcome.
TransferResult& Ended(TransferResult& result, Outcome outcome, std::string message,
                      std::string where = {}) {
    result.outcome = outcome;
    result.code = CodeOf(outcome);
    result.message = std::move(message);
    result.where = std::move(where);
    return result;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string Labels(const std::vector<RecordRef>& records) {
    std::vector<std::string> names;
    for (const RecordRef& record : records)
        names.push_back(RecordLabel(record));
    return Joined(names);
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
// the channels and the recorder); each channel's records when the mask has them. On failure,
// the record that could not be read.
std::optional<RecordRef> ReadRecorder(ZelHandle handle, RecordMask mask, device::RecordSet& records,
                                      int& channels) {
    mask.Set(RecordId::Version);
    for (const RecordRow& row : Rows()) {
        if (!row.perChannel && mask.Has(row.id) && GetRecord(handle, records, row.id) < 0)
            return RecordRef{row.id};
    }
    const std::int32_t reported = records.version.videoInputs;  // packed: copied, not bound
    channels = std::clamp<std::int32_t>(reported, 0, device::kMaxChannels);
    for (int c = 0; c < channels; ++c) {
        for (const RecordRow& row : Rows()) {
            if (row.perChannel && mask.Has(row.id) && GetRecord(handle, records, row.id, c) < 0)
                return RecordRef{row.id, c};
        }
    }
    return std::nullopt;
}

// The file whole, refused before it is read when it is larger than any configuration file.
std::optional<Outcome> ReadFile(const std::filesystem::path& path, std::string& text) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return Outcome::FileUnreadable;
    if (size > kLargestConfigFile)
        return Outcome::FileTooLarge;
    std::ifstream in(path, std::ios::binary);
    text.resize(std::size_t(size));
    in.read(text.data(), std::streamsize(size));
    if (!in || in.gcount() != std::streamsize(size))
        return Outcome::FileUnreadable;
    // A file that grew since its size was taken is not read beyond the limit either.
    while (in.peek() != std::ifstream::traits_type::eof()) {
        if (text.size() >= kLargestConfigFile)
            return Outcome::FileTooLarge;
        text.push_back(char(in.get()));
    }
    return std::nullopt;
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
    TransferResult result;
    if (path.empty() || (flags & ~kExportSecrets) != 0)
        return Ended(result, Outcome::BadArgument, "no file, or unknown flags");
    UserRightFlags rights;
    if (!readRights(rights))
        return Ended(result, Outcome::ReadFailed, "reading the user's rights failed");
    const RecordMask visible = VisibleRecords(rights);
    auto records = std::make_unique<device::RecordSet>();
    int channels = 0;
    if (const auto failed = ReadRecorder(handle, visible, *records, channels)) {
        const std::string label = RecordLabel(*failed);
        return Ended(result, Outcome::ReadFailed, "reading " + label + " failed", label);
    }
    config::ExportInfo info{RAVELIN_LIBRARY_VERSION, NowIso8601(), (flags & kExportSecrets) != 0};
    const std::string text =
        config::WriteConfigDocument(*records, FormatsOf(visible), channels, info);
    if (std::string error; !config::DurableFile::Replace(path, text, error))
        return Ended(result, Outcome::FileUnwritable, error);
    return Ended(result, Outcome::Exported, "the configuration was written");
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
bool CheckFile(const std::filesystem::path& path, ImportWork& work, TransferResult& result) {
    std::string text;
    if (const auto refused = ReadFile(path, text)) {
        std::string reason = "cannot read the file";
        if (*refused == Outcome::FileTooLarge)
            reason = std::string("larger than ")
                         .append(std::to_string(kLargestConfigFile >> 20))
                         .append(" MiB, far more than any configuration file");
        Ended(result, *refused, reason);
        return false;
    }
    try {
        work.document = config::ConfigDocument::Parse(text, FormatsOf());
    } catch (const config::ConfigError& e) {
        Ended(result, OutcomeOf(e.fault()), e.what(), e.where());
        return false;
    }
    return true;
}

// The user's rights and the records they let the import change, read from the recorder; a file
// with more channels than the recorder has is refused.
bool ReadRecorderFor(ZelHandle handle, const RightsSource& readRights, ImportWork& work,
                     TransferResult& result) {
    UserRightFlags rights;
    if (!readRights(rights)) {
        Ended(result, Outcome::ReadFailed, "reading the user's rights failed");
        return false;
    }
    work.changeable = VisibleRecords(rights);
    for (const RecordRow& row : Rows()) {
        if (row.ReadOnly())
            work.changeable.Set(row.id, false);
    }
    if (const auto failed = ReadRecorder(handle, work.changeable, *work.current, work.channels)) {
        const std::string label = RecordLabel(*failed);
        Ended(result, Outcome::ReadFailed, "reading " + label + " failed", label);
        return false;
    }
    for (const RecordRow& row : Rows()) {
        const std::size_t entries = work.document->ChannelEntries(row.Format());
        if (row.perChannel && work.changeable.Has(row.id) && entries > std::size_t(work.channels)) {
            Ended(result, Outcome::Counts,
                  std::string(row.name) + ": the file has " + std::to_string(entries) +
                      " channels, the recorder " + std::to_string(work.channels),
                  row.name);
            return false;
        }
    }
    return true;
}

// Whether the file was written from this recorder: both name the same serial number, and
// neither names none.
bool SameRecorder(const config::ConfigDocument& document, const device::VersionRecord& own) {
    const auto& serial = document.serialNumber();
    return serial && (*serial)[0] != '\0' && own.serialNumber[0] != '\0' &&
           std::memcmp(serial->data(), own.serialNumber, serial->size()) == 0;
}

// The records as the file would leave them. On another recorder what describes the recorder
// stays its own, and so does its identity unless the file is to be cloned onto it. Records of
// the file the user may not change are named.
void DecideWhatToSend(std::uint32_t flags, ImportWork& work, TransferResult& result) {
    work.wanted = std::make_unique<device::RecordSet>(*work.current);
    work.document->ApplyTo(*work.wanted);
    for (const RecordRow& row : Rows()) {
        if (!row.ReadOnly() && !work.changeable.Has(row.id) && work.document->Holds(row.Format()))
            result.notAllowed.push_back(row.name);
    }
    result.otherRecorder = !SameRecorder(*work.document, work.current->version);
    result.cloned = result.otherRecorder && (flags & kImportClone) != 0;
    if (!result.otherRecorder)
        return;
    const auto fromFile = std::make_unique<device::RecordSet>(*work.wanted);
    config::KeepDescription(*work.current, *work.wanted);
    if (!result.cloned)
        config::KeepIdentity(*work.current, *work.wanted);
    for (const RecordRow& row : Rows()) {
        const auto kept = RecordBytes(*work.wanted, row.id), file = RecordBytes(*fromFile, row.id);
        if (row.perChannel || !work.changeable.Has(row.id) ||
            std::equal(kept.begin(), kept.end(), file.begin()))
            continue;
        for (config::FieldChange& change :
             config::FieldChanges(row.Format(), 0, *work.wanted, *fromFile))
            result.kept.push_back(std::move(change));
    }
}

// Each record the user may change that the import would change, in the order of the reading.
std::vector<RecordRef> RecordsToSend(const ImportWork& work) {
    std::vector<RecordRef> records;
    ForEachRecord(work.channels, [&](const RecordRow& row, int channel) {
        const auto now = RecordBytes(*work.current, row.id, channel);
        const auto then = RecordBytes(*work.wanted, row.id, channel);
        if (work.changeable.Has(row.id) && !std::equal(now.begin(), now.end(), then.begin()))
            records.push_back({row.id, channel});
    });
    return records;
}

// Sends the records in turn. When one fails, sends back, in the reverse order, what the
// recorder held of each record sent before it; result.changed keeps those that could not be
// put back.
bool Send(ZelHandle handle, const ImportWork& work, TransferResult& result) {
    std::vector<RecordRef> sent;
    for (const RecordRef& record : result.changed) {
        if (SetRecord(handle, *work.wanted, record.id, record.channel) >= 0) {
            sent.push_back(record);
            continue;
        }
        std::vector<RecordRef> stayed;
        for (auto it = sent.rbegin(); it != sent.rend(); ++it) {
            if (SetRecord(handle, *work.current, it->id, it->channel) < 0)
                stayed.insert(stayed.begin(), *it);
        }
        const std::string label = RecordLabel(record);
        const std::string before = std::to_string(sent.size()) + " records sent before it";
        result.changed = stayed;
        if (stayed.empty())
            Ended(result, Outcome::PutBack,
                  "sending " + label + " failed; the " + before +
                      " were put back, nothing was made permanent",
                  label);
        else
            Ended(result, Outcome::NotPutBack,
                  "sending " + label + " failed; of the " + before + ", " + Labels(stayed) +
                      " could not be put back; nothing was made permanent",
                  label);
        return false;
    }
    return true;
}

TransferResult Import(ZelHandle handle, const std::filesystem::path& path,
                      const RightsSource& readRights, std::uint32_t flags,
                      SentRecords* sentRecords) {
    TransferResult result;
    result.import = true;
    if (path.empty() || (flags & ~(kImportClone | kImportCheckOnly)) != 0)
        return Ended(result, Outcome::BadArgument, "no file, or unknown flags");
    ImportWork work;
    if (!CheckFile(path, work, result) || !ReadRecorderFor(handle, readRights, work, result))
        return result;
    DecideWhatToSend(flags, work, result);
    result.changed = RecordsToSend(work);
    const std::int32_t count = std::int32_t(result.changed.size());
    if ((flags & kImportCheckOnly) != 0) {
        for (const RecordRef& record : result.changed) {
            for (config::FieldChange& change :
                 config::FieldChanges(Row(record.id).Format(), std::size_t(record.channel),
                                      *work.current, *work.wanted))
                result.fields.push_back(std::move(change));
        }
        Ended(result, Outcome::Checked, std::to_string(count) + " records would be sent");
        result.code = count;
        return result;
    }
    const bool sent = Send(handle, work, result);
    if (sentRecords && !result.changed.empty())
        sentRecords->records = std::move(work.wanted);
    if (!sent)
        return result;
    // Made permanent once every send succeeded, as the window does on closing, also when the
    // recorder already held everything.
    if (zelDispSaveMenu(handle) < 0)
        return Ended(result, Outcome::SaveFailed,
                     std::to_string(count) + " records were sent; making them permanent failed");
    Ended(result, Outcome::Imported,
          count == 0 ? "the recorder already holds this configuration"
                     : std::to_string(count) + " records were sent");
    if (!result.notAllowed.empty())
        result.message += "; this user may not change " + Joined(result.notAllowed);
    result.code = count;
    return result;
}

template <typename Work>
TransferResult Guarded(bool import, Work work) {
    TransferResult result;
    result.import = import;
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return Ended(result, Outcome::Failed, "out of memory");
    } catch (...) {
        return Ended(result, Outcome::Failed, "the operation failed");
    }
}

}  // namespace

std::string RecordLabel(const RecordRef& record) {
    const RecordRow& row = Row(record.id);
    std::string label = row.name;
    if (row.perChannel)
        label.append("[").append(std::to_string(record.channel)).append("]");
    return label;
}

TransferResult ExportConfig(ZelHandle handle, const std::filesystem::path& path,
                            std::optional<std::int32_t> user, std::uint32_t flags) {
    return Guarded(false, [&] { return Export(handle, path, DeviceRights(handle, user), flags); });
}

TransferResult ImportConfig(ZelHandle handle, const std::filesystem::path& path,
                            std::optional<std::int32_t> user, std::uint32_t flags) {
    return Guarded(
        true, [&] { return Import(handle, path, DeviceRights(handle, user), flags, nullptr); });
}

TransferResult ExportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags) {
    return Guarded(false, [&] { return Export(handle, path, HeldRights(rights), flags); });
}

TransferResult ImportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags) {
    return Guarded(true, [&] { return Import(handle, path, HeldRights(rights), flags, nullptr); });
}

TransferResult ImportConfigWithRights(ZelHandle handle, const std::filesystem::path& path,
                                      const UserRightFlags& rights, std::uint32_t flags,
                                      SentRecords& sent) {
    return Guarded(true, [&] { return Import(handle, path, HeldRights(rights), flags, &sent); });
}

}  // namespace records
