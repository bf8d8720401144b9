// The text of the simulated recorder's state file: a configuration file with every record of
// the recorder, the passwords included, as an export with every right writes it.
#pragma once

#include <string>
#include <string_view>

#include "device/RecordSet.h"

namespace sim {

class StateText {
  public:
    // Reads a configuration file onto state, which holds what a file leaves out: every field the
    // file holds replaces the state's. A file without the Version record (exported by a user
    // who may not see it) takes the serial number its header names, and as many channels as
    // its per-channel records have entries. Throws config::ConfigError naming the record and
    // field of the first fault, state then untouched.
    static void Read(std::string_view text, device::RecordSet& state);

    // Every record, the per-channel ones of the channels the Version record counts.
    static std::string Write(const device::RecordSet& state);
};

}  // namespace sim
