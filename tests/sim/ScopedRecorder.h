// A simulated recorder opened for one test and closed at its end, with its call log.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "device/ZelDisp.h"
#include "sim/SimApi.h"

namespace simtest {

struct Logged {
    std::string function;
    std::int32_t argument;
    std::vector<std::uint8_t> bytes;
};

class ScopedRecorder {
  public:
    // The default recorder in memory, or the one of a state file.
    explicit ScopedRecorder(const std::string& statePath = "") {
        char error[512];
        handle_ = zsimOpen(statePath.c_str(), error, sizeof error);
        EXPECT_NE(handle_, 0u) << error;
    }
    ~ScopedRecorder() { zsimClose(handle_); }
    ScopedRecorder(const ScopedRecorder&) = delete;
    ScopedRecorder& operator=(const ScopedRecorder&) = delete;

    ZelHandle handle() const { return handle_; }

    std::vector<Logged> Log() const {
        std::vector<Logged> log;
        for (std::int32_t i = 0; i < zsimLogSize(handle_); ++i) {
            const char* function = nullptr;
            std::int32_t argument = 0, size = 0;
            const std::uint8_t* bytes = nullptr;
            EXPECT_EQ(zsimLogEntry(handle_, i, &function, &argument, &bytes, &size), 0);
            log.push_back({function, argument, std::vector<std::uint8_t>(bytes, bytes + size)});
        }
        return log;
    }

  private:
    ZelHandle handle_ = 0;
};

// A record read with its Get function, which must succeed.
template <typename Record>
Record Fetch(ZelHandle handle, std::int32_t(ZEL_CALL* get)(ZelHandle, Record*)) {
    Record record;
    std::memset(&record, 0, sizeof record);
    EXPECT_EQ(get(handle, &record), 0);
    return record;
}

}  // namespace simtest
