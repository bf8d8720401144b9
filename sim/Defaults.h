// The settings of a freshly opened simulated recorder: an 8-channel model with 4 alarm
// inputs and 2 alarm outputs, every record holding values the pages can show.
#pragma once

#include <string>

#include "device/RecordSet.h"

namespace sim {

class Defaults {
  public:
    static void Fill(device::RecordSet& state);

    // The PTZ protocol list the recorder reports: "name=code|" per protocol.
    static std::string PtzProtocolList();
};

}  // namespace sim
