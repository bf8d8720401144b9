// libFuzzer target for configuration files. Reading: a refused file must say why; an accepted
// one, read onto records and written again whole, must read back onto any records as the same
// bytes. Importing, onto simulated recorders with and without the clone flag and for a user
// lacking rights: a check sends nothing; a refusal leaves the recorder untouched; an import
// sends what its check counted, after which nothing is left to send; and a send made to fail
// puts back everything sent before it, leaving the recorder byte for byte as it was. The
// simulated recorder reads the same files as its state: it must take exactly the files the
// reader takes, leave its defaults alone when it refuses one, and start the same recorder
// again from the state file it writes.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "records/ConfigTransfer.h"
#include "records/RecordTable.h"
#include "sim/Defaults.h"
#include "sim/SimApi.h"
#include "sim/StateText.h"

namespace {

void Fill(device::RecordSet& records, unsigned char byte) {
    std::memset(&records, byte, sizeof records);
}

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool Same(const device::RecordSet& a, const device::RecordSet& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every record of the recorder the state describes, the channels it counts, in both sets.
bool SameRecorder(const device::RecordSet& a, const device::RecordSet& b) {
    const std::int32_t counted = a.version.videoInputs;
    bool same = true;
    records::ForEachRecord(std::clamp<std::int32_t>(counted, 0, device::kMaxChannels),
                           [&](const records::RecordRow& row, int channel) {
                               const auto x = records::RecordBytes(a, row.id, channel);
                               const auto y = records::RecordBytes(b, row.id, channel);
                               same = same && std::equal(x.begin(), x.end(), y.begin(), y.end());
                           });
    return same;
}

// The simulated recorder started from the text, then from the state file it writes.
void CheckSimulatorReading(std::string_view text, bool accepted) {
    static const auto defaults = [] {
        auto records = std::make_unique<device::RecordSet>();
        sim::Defaults::Fill(*records);
        return records;
    }();
    static const auto started = std::make_unique<device::RecordSet>();
    static const auto restarted = std::make_unique<device::RecordSet>();
    *started = *defaults;
    try {
        sim::StateText::Read(text, *started);
    } catch (const config::ConfigError&) {
        if (accepted || !Same(*started, *defaults))
            std::abort();
        return;
    }
    if (!accepted)
        std::abort();
    *restarted = *defaults;
    try {
        sim::StateText::Read(sim::StateText::Write(*started), *restarted);
    } catch (const config::ConfigError&) {
        std::abort();  // a state file the simulator wrote is refused
    }
    if (!SameRecorder(*started, *restarted))
        std::abort();
}

void CheckReading(std::string_view text) {
    static const auto first = std::make_unique<device::RecordSet>();
    static const auto second = std::make_unique<device::RecordSet>();
    std::optional<config::ConfigDocument> document;
    try {
        document = config::ConfigDocument::Parse(text, records::FormatsOf());
    } catch (const config::ConfigError& e) {
        Require(std::strlen(e.what()) > 0);
        CheckSimulatorReading(text, false);
        return;
    }
    CheckSimulatorReading(text, true);
    Fill(*first, 0xA5);
    document->ApplyTo(*first);

    const std::string again = config::WriteConfigDocument(
        *first, records::FormatsOf(), device::kMaxChannels, {"fuzz", "now", true});
    Fill(*second, 0x3C);
    try {
        config::ConfigDocument::Parse(again, records::FormatsOf()).ApplyTo(*second);
    } catch (const config::ConfigError&) {
        std::abort();  // a file we wrote is refused
    }
    Require(std::memcmp(first.get(), second.get(), sizeof *first) == 0);
}

// Every record the recorder holds, the per-channel ones of all 16 slots.
std::vector<std::uint8_t> Held(ZelHandle handle) {
    auto set = std::make_unique<device::RecordSet>();
    std::vector<std::uint8_t> held;
    records::ForEachRecord(device::kMaxChannels, [&](const records::RecordRow& row, int channel) {
        records::GetRecord(handle, *set, row.id, channel);
        const auto bytes = records::RecordBytes(*set, row.id, channel);
        held.insert(held.end(), bytes.begin(), bytes.end());
    });
    return held;
}

int Sends(ZelHandle handle) {
    int sends = 0;
    for (std::int32_t i = 0; i < zsimLogSize(handle); ++i) {
        const char* function = nullptr;
        zsimLogEntry(handle, i, &function, nullptr, nullptr, nullptr);
        const std::string_view name = function ? function : "";
        sends += name.ends_with("Set") || name == "zelDispSaveMenu" ? 1 : 0;
    }
    return sends;
}

// One import of the file onto a fresh recorder; pick chooses the record whose send fails, or
// none, among the records the import sends.
void CheckImport(const std::filesystem::path& file, std::optional<std::int32_t> user,
                 std::uint32_t flags, std::uint32_t pick, int channels) {
    char error[128];
    const ZelHandle handle = zsimOpen(nullptr, error, sizeof error);
    Require(handle != 0);
    zsimSetCounts(handle, channels, 16, 4);
    const std::vector<std::uint8_t> before = Held(handle);
    zsimClearLog(handle);

    const records::TransferResult check =
        records::ImportConfig(handle, file, user, flags | records::kImportCheckOnly);
    Require(Sends(handle) == 0);
    if (check.code < 0) {
        Require(check.outcome != records::Outcome::Failed && !check.message.empty());
        zsimClose(handle);
        return;
    }
    Require(check.code == std::int32_t(check.changed.size()));

    // The failing send: its function, after the sends of the same record that come before it.
    const std::uint32_t failAt = pick % std::uint32_t(check.changed.size() + 1);
    const bool failing = failAt < check.changed.size();
    if (failing) {
        const records::RecordRef& record = check.changed[failAt];
        int after = 0;
        for (std::uint32_t i = 0; i < failAt; ++i)
            after += check.changed[i].id == record.id ? 1 : 0;
        const std::string function =
            std::string("zelDispHisiNewMenu") + records::Row(record.id).name + "Set";
        Require(zsimFailAfter(handle, function.c_str(), after, 1, -1) == 0);
    }
    const records::TransferResult import = records::ImportConfig(handle, file, user, flags);
    if (failing) {
        Require(import.code == records::kConfigPutBack);
        Require(Held(handle) == before);
    } else {
        Require(import.code == check.code && import.changed == check.changed);
        Require(records::ImportConfig(handle, file, user, flags | records::kImportCheckOnly).code ==
                0);
    }
    zsimClose(handle);
}

std::uint32_t Hash(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text)
        hash = (hash ^ std::uint8_t(c)) * 16777619u;
    return hash;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReading(text);

    static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                              ("config-fuzz-" + std::to_string(getpid()) + ".json");
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(text.data(), std::streamsize(size));
    // The input's hash picks the recorder's channels, the user and the flags, and the send that
    // fails (none when beyond the sends), so that the same input always runs the same way.
    const std::uint32_t hash = Hash(text);
    const int channels = int(hash % 17);
    const std::uint32_t pick = hash >> 8 & 255;
    switch (hash >> 16 & 3) {
        case 0:
            CheckImport(file, std::nullopt, records::kImportClone, pick, channels);
            break;
        case 1:
            CheckImport(file, zsimUserId("no-network"), 0, pick, channels);
            break;
        default:
            CheckImport(file, std::nullopt, 0, pick, channels);
            break;
    }
    return 0;
}
