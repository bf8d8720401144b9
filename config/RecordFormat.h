// What a configuration file needs to know of one kind of record: the name it stands under,
// whether the file holds a list of it (one per channel), and how its fields are walked.
#pragma once

#include <cstddef>

#include "config/FieldVisitor.h"
#include "device/RecordSet.h"

namespace config {

struct RecordFormat {
    const char* name;
    bool perChannel;
    // Walks the fields of the record of the set (a channel's, for a per-channel record); a
    // channel outside the set is not walked.
    void (*visit)(FieldVisitor& v, device::RecordSet& records, std::size_t channel);
};

}  // namespace config
