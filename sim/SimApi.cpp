// The simulated recorder's own functions. No exception leaves them.
#include "sim/SimApi.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "sim/RecorderRegistry.h"
#include "sim/RightsProfiles.h"
#include "sim/StateFile.h"

namespace {

std::shared_ptr<sim::Recorder> Find(ZelHandle handle) {
    try {
        return sim::RecorderRegistry::Instance().Find(handle);
    } catch (...) {
        return nullptr;
    }
}

void CopyMessage(const std::string& message, char* out, std::int32_t size) {
    if (out == nullptr || size <= 0)
        return;
    const std::size_t length = std::min(message.size(), std::size_t(size) - 1);
    std::memcpy(out, message.data(), length);
    out[length] = '\0';
}

}  // namespace

extern "C" {

ZelHandle ZEL_CALL zsimOpen(const char* statePath, char* error, std::int32_t errorSize) {
    std::string message;
    try {
        const std::filesystem::path path =
            statePath ? sim::StateFile::PathFromUtf8(statePath) : std::filesystem::path();
        auto recorder = sim::Recorder::Open(path, message);
        if (recorder) {
            CopyMessage("", error, errorSize);
            return sim::RecorderRegistry::Instance().Add(std::move(recorder));
        }
    } catch (const std::exception& e) {
        message = std::string("cannot open the recorder: ") + e.what();
    } catch (...) {
        message = "cannot open the recorder";
    }
    CopyMessage(message, error, errorSize);
    return 0;
}

void ZEL_CALL zsimClose(ZelHandle handle) {
    try {
        sim::RecorderRegistry::Instance().Remove(handle);
    } catch (...) {
    }
}

std::int32_t ZEL_CALL zsimSetCounts(ZelHandle handle, std::int32_t channels,
                                    std::int32_t alarmInputs, std::int32_t alarmOutputs) {
    const auto recorder = Find(handle);
    if (!recorder)
        return -1;
    recorder->SetCounts(channels, alarmInputs, alarmOutputs);
    return 0;
}

std::int32_t ZEL_CALL zsimSetRecord(ZelHandle handle, const char* record, const void* bytes,
                                    std::int32_t size) {
    const auto recorder = Find(handle);
    return recorder && record && size >= 0 &&
                   recorder->ReplaceRecord(record, bytes, std::size_t(size))
               ? 0
               : -1;
}

std::int32_t ZEL_CALL zsimUserId(const char* name) {
    return name ? sim::RightsProfiles::UserId(name) : -1;
}

std::int32_t ZEL_CALL zsimSetClock(ZelHandle handle, std::uint32_t date, std::uint32_t time,
                                   std::int32_t running) {
    const auto recorder = Find(handle);
    return recorder && recorder->ControlClock(date, time, running != 0) ? 0 : -1;
}

std::int32_t ZEL_CALL zsimFail(ZelHandle handle, const char* function, std::int32_t times,
                               std::int32_t scribble) {
    const auto recorder = Find(handle);
    try {
        return recorder && function && recorder->Fail(function, 0, times, scribble) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

std::int32_t ZEL_CALL zsimFailAfter(ZelHandle handle, const char* function, std::int32_t after,
                                    std::int32_t times, std::int32_t scribble) {
    const auto recorder = Find(handle);
    try {
        return recorder && function && recorder->Fail(function, after, times, scribble) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

std::int32_t ZEL_CALL zsimSetLatency(ZelHandle handle, std::int32_t milliseconds) {
    const auto recorder = Find(handle);
    return recorder && recorder->SetLatency(milliseconds) ? 0 : -1;
}

std::int32_t ZEL_CALL zsimSetProtocolList(ZelHandle handle, const char* text) {
    const auto recorder = Find(handle);
    try {
        return recorder && text && recorder->SetProtocolList(text) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

std::int32_t ZEL_CALL zsimLogSize(ZelHandle handle) {
    const auto recorder = Find(handle);
    return recorder ? recorder->LogSize() : -1;
}

std::int32_t ZEL_CALL zsimLogEntry(ZelHandle handle, std::int32_t index, const char** function,
                                   std::int32_t* argument, const std::uint8_t** bytes,
                                   std::int32_t* size) {
    const auto recorder = Find(handle);
    return recorder && recorder->LogEntry(index, function, argument, bytes, size) ? 0 : -1;
}

void ZEL_CALL zsimClearLog(ZelHandle handle) {
    if (const auto recorder = Find(handle))
        recorder->ClearLog();
}

std::int32_t ZEL_CALL zsimRebootCount(ZelHandle handle) {
    const auto recorder = Find(handle);
    return recorder ? recorder->RebootCount() : -1;
}

}  // extern "C"
