// What an import would change, field by field: the fields in which two sets of records differ,
// named and written as a configuration file names and writes them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/RecordFormat.h"
#include "device/RecordSet.h"

namespace config {

struct FieldChange {
    std::string field;   // "Net.preferredDns", "PTZPoint[3].presets[7].name"
    std::string before;  // as a file writes it: "8.8.8.8", "true", "0 (PAL)"; empty for a secret
    std::string after;
    bool secret = false;  // a password: that it changes is said, never its value
};

// The fields of the record (a channel's, for a per-channel record) that differ between the two
// sets, in the order of the record's fields.
std::vector<FieldChange> FieldChanges(const RecordFormat& record, std::size_t channel,
                                      const device::RecordSet& before,
                                      const device::RecordSet& after);

}  // namespace config
