// Opening and shaping the simulated recorder.
#include "host/SimulatedRecorder.h"

#include "device/ZelDisp.h"

namespace host {

SimulatedRecorder::~SimulatedRecorder() {
    if (handle_)
        zsimClose(handle_);
}

bool SimulatedRecorder::Open(const std::string& statePath, std::string& error) {
    char message[1024] = {};
    handle_ = zsimOpen(statePath.empty() ? nullptr : statePath.c_str(), message, sizeof message);
    if (!handle_) {
        error = message[0] ? message : "the simulated recorder did not open";
        return false;
    }
    return true;
}

bool SimulatedRecorder::SetChannels(int channels, std::string& error) {
    device::VersionRecord version{};
    if (zelDispHisiNewMenuVersionGet(handle_, &version) < 0) {
        error = "the recorder did not report its version record";
        return false;
    }
    if (zsimSetCounts(handle_, channels, version.alarmInputs, version.alarmOutputs) != 0) {
        error = "the recorder refused the channel count";
        return false;
    }
    return true;
}

bool SimulatedRecorder::SetLatency(int milliseconds, std::string& error) {
    if (zsimSetLatency(handle_, milliseconds) != 0) {
        error = "the recorder refused the latency";
        return false;
    }
    return true;
}

bool SimulatedRecorder::FailAlways(const std::string& function, std::string& error) {
    if (zsimFail(handle_, function.c_str(), -1, -1) != 0) {
        error = "--fail: the recorder has no device function \"" + function + "\"";
        return false;
    }
    return true;
}

}  // namespace host
