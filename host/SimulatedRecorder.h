// The simulated recorder the host hands to the library: opened through the simulator's own
// functions in zelDisp.dll, shaped by the options, closed when the host ends.
#pragma once

#include <string>

#include "sim/SimApi.h"

namespace host {

class SimulatedRecorder {
  public:
    SimulatedRecorder() = default;
    SimulatedRecorder(const SimulatedRecorder&) = delete;
    SimulatedRecorder& operator=(const SimulatedRecorder&) = delete;
    ~SimulatedRecorder();

    // statePath empty: the default recorder in memory; otherwise the recorder of that
    // configuration file, which keeps its changes. False with the simulator's message.
    bool Open(const std::string& statePath, std::string& error);
    // Sets the video channel count, keeping the recorder's alarm input and output counts.
    bool SetChannels(int channels, std::string& error);
    bool SetLatency(int milliseconds, std::string& error);
    // Makes the named device function fail on every call.
    bool FailAlways(const std::string& function, std::string& error);

    ZelHandle handle() const { return handle_; }

  private:
    ZelHandle handle_ = 0;
};

}  // namespace host
