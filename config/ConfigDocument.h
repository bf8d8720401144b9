// A configuration file: a header naming the format and the recorder it came from, then one
// object per record (a list per channel for the per-channel records), every field by name.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/JsonWriter.h"
#include "config/RecordFormat.h"
#include "device/RecordSet.h"

namespace config {

inline constexpr const char* kFormatName = "ravelin-recorder-configuration";
inline constexpr int kFormatVersion = 1;

struct ExportInfo {
    std::string library;   // the library's version
    std::string time;      // when the file was written, ISO 8601
    bool secrets = false;  // whether passwords are written
};

// The header from the Version record, then the given records in their order (of a per-channel
// record, those of channels 0..channels-1).
std::string WriteConfigDocument(const device::RecordSet& records,
                                std::span<const RecordFormat> which, int channels,
                                const ExportInfo& info);

class ConfigDocument {
  public:
    using SerialNumber = std::array<char, sizeof(device::VersionRecord::serialNumber)>;

    // Checks the whole file against the records a file may hold; throws ConfigError naming the
    // record and field of the first fault.
    static ConfigDocument Parse(std::string_view text, std::span<const RecordFormat> known);

    bool Holds(const RecordFormat& record) const;
    // The channels a per-channel record has entries for.
    std::size_t ChannelEntries(const RecordFormat& record) const;
    // The serial number of the recorder the file was written from, when the header names it.
    const std::optional<SerialNumber>& serialNumber() const { return serialNumber_; }

    // Writes every field the file holds onto the records; the others keep their values.
    void ApplyTo(device::RecordSet& records) const;

  private:
    ConfigDocument(Json json, std::span<const RecordFormat> known)
        : json_(std::move(json)), known_(known.begin(), known.end()) {}
    // Reads the file onto records and the header's identity onto version.
    void Read(device::RecordSet& records, device::VersionRecord& version) const;

    Json json_;
    std::vector<RecordFormat> known_;
    std::optional<SerialNumber> serialNumber_;
};

}  // namespace config
