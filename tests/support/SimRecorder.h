// A simulated recorder opened for one test, with readers of its call log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimApi.h"

namespace testsupport {

struct LoggedCall {
    std::string function;
    std::int32_t argument = -1;
    std::vector<std::uint8_t> bytes;
};

class SimRecorder {
  public:
    // The default recorder in memory, or the one of a state file.
    explicit SimRecorder(const std::string& statePath = {});
    ~SimRecorder();
    SimRecorder(const SimRecorder&) = delete;
    SimRecorder& operator=(const SimRecorder&) = delete;

    ZelHandle handle() const { return handle_; }

    std::vector<LoggedCall> Log() const;
    std::vector<std::string> LoggedFunctions() const;
    void ClearLog() { zsimClearLog(handle_); }

    // Makes every Get function of the device library fail, scribbling when 0..255.
    void FailEveryGet(std::int32_t scribble = -1);

  private:
    ZelHandle handle_ = 0;
};

}  // namespace testsupport
