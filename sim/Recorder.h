// One simulated recorder: its settings, clock, planned failures, latency and call log, and
// the device calls made on it. Every member is guarded by the recorder's mutex, so device
// calls from the client's thread and control calls from a test's thread may interleave.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "device/RecordSet.h"
#include "sim/CallLog.h"
#include "sim/FailurePlan.h"
#include "sim/SimClock.h"

namespace sim {

class Recorder {
  public:
    // Where a device record lives in the state; channel is 0..15 for per-channel records.
    using Locator = std::uint8_t* (*)(device::RecordSet& state, std::int32_t channel);

    struct RecordAccess {
        const char* function;  // the device function's name, with static storage
        Locator locate;
        std::size_t size;
        bool perChannel;
    };

    // The default recorder, in memory only when statePath is empty, otherwise the one kept
    // in that configuration file (created from the defaults when missing; what it leaves out
    // takes the defaults). Null with a message in error when the file cannot be used.
    static std::shared_ptr<Recorder> Open(const std::filesystem::path& statePath,
                                          std::string& error);

    // Device calls: each returns 0 or more on success and -1 on failure. channel is ignored
    // for records that are not per channel.
    std::int32_t Get(const RecordAccess& record, std::int32_t channel, void* out);
    std::int32_t Set(const RecordAccess& record, std::int32_t channel, const void* in);
    std::int32_t GetProtocolList(const char* function, char* buffer);
    std::int32_t GetRights(const char* function, std::int32_t user, std::uint8_t* rights);
    std::int32_t GetClock(const char* function, std::uint32_t* date, std::uint32_t* time);
    std::int32_t SetClock(const char* function, std::uint32_t date, std::uint32_t time);
    std::int32_t SaveMenu(const char* function);
    std::int32_t Reboot(const char* function);

    // Control by the simulator's own functions; none of these is logged.
    void SetCounts(std::int32_t channels, std::int32_t alarmInputs, std::int32_t alarmOutputs);
    // False, changing nothing, for an unknown record name or a size other than the record's.
    bool ReplaceRecord(std::string_view name, const void* bytes, std::size_t size);
    bool ControlClock(std::uint32_t date, std::uint32_t time, bool running);
    bool Fail(std::string_view function, std::int32_t after, std::int32_t times,
              std::int32_t scribble);
    bool SetLatency(std::int32_t milliseconds);
    bool SetProtocolList(std::string_view text);
    std::int32_t LogSize();
    // Copies what entry index holds into the outputs that are not null; false for an index
    // outside the log.
    bool LogEntry(std::int32_t index, const char** function, std::int32_t* argument,
                  const std::uint8_t** bytes, std::int32_t* size);
    void ClearLog();
    std::int32_t RebootCount();

  private:
    struct Output {
        void* at = nullptr;
        std::size_t size = 0;
    };
    struct Call {
        explicit Call(const char* name) : function(name) {}

        const char* function;
        std::int32_t argument = -1;  // channel or user, for the log
        const void* sent = nullptr;  // bytes the caller sent, for the log
        std::size_t sentSize = 0;
        Output outputs[2] = {};  // the caller's buffers, scribbled on by a planned failure
        bool valid = true;       // the arguments can be served
    };

    Recorder(std::unique_ptr<device::RecordSet> state, std::filesystem::path statePath);

    // Waits the latency, logs the call, then fails as planned or runs action under the lock.
    std::int32_t Perform(const Call& call, const std::function<std::int32_t()>& action);

    std::mutex mutex_;
    std::unique_ptr<device::RecordSet> state_;
    const std::filesystem::path statePath_;
    std::string protocolList_;
    SimClock clock_;
    FailurePlan failures_;
    CallLog log_;
    std::atomic<std::int32_t> latencyMs_{0};
    std::int32_t reboots_ = 0;
};

}  // namespace sim
