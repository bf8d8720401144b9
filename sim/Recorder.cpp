// One simulated recorder and the device calls made on it.
#include "sim/Recorder.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "device/PtzRecords.h"
#include "device/ZelDispNames.h"
#include "records/RecordTable.h"
#include "sim/Defaults.h"
#include "sim/RecordImage.h"
#include "sim/RightsProfiles.h"
#include "sim/StateFile.h"

namespace sim {

Recorder::Recorder(std::unique_ptr<device::RecordSet> state, std::filesystem::path statePath)
    : state_(std::move(state)),
      statePath_(std::move(statePath)),
      protocolList_(Defaults::PtzProtocolList()) {}

std::shared_ptr<Recorder> Recorder::Open(const std::filesystem::path& statePath,
                                         std::string& error) {
    auto state = std::make_unique<device::RecordSet>();
    Defaults::Fill(*state);
    if (!statePath.empty() && !StateFile::LoadOrCreate(statePath, *state, error))
        return nullptr;
    return std::shared_ptr<Recorder>(new Recorder(std::move(state), statePath));
}

std::int32_t Recorder::Perform(const Call& call, const std::function<std::int32_t()>& action) {
    try {
        const std::int32_t latency = latencyMs_.load();
        if (latency > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(latency));
        std::lock_guard<std::mutex> lock(mutex_);
        log_.Add(call.function, call.argument, call.sent, call.sentSize);
        if (!call.valid)
            return -1;
        std::int32_t scribble = FailurePlan::kNoScribble;
        if (failures_.Take(call.function, scribble)) {
            if (scribble != FailurePlan::kNoScribble) {
                for (const Output& output : call.outputs) {
                    if (output.at != nullptr)
                        std::memset(output.at, scribble, output.size);
                }
            }
            return -1;
        }
        return action();
    } catch (...) {
        return -1;
    }
}

namespace {

bool ChannelOk(const Recorder::RecordAccess& record, std::int32_t channel) {
    return !record.perChannel || (channel >= 0 && channel < device::kMaxChannels);
}

}  // namespace

std::int32_t Recorder::Get(const RecordAccess& record, std::int32_t channel, void* out) {
    Call call{record.function};
    call.argument = record.perChannel ? channel : -1;
    call.outputs[0] = {out, record.size};
    // A bad channel fails before any planned failure, so the buffer is never touched.
    call.valid = out != nullptr && ChannelOk(record, channel);
    return Perform(call, [&] {
        std::memcpy(out, record.locate(*state_, channel), record.size);
        return 0;
    });
}

std::int32_t Recorder::Set(const RecordAccess& record, std::int32_t channel, const void* in) {
    Call call{record.function};
    call.argument = record.perChannel ? channel : -1;
    call.sent = in;
    call.sentSize = in ? record.size : 0;
    call.valid = in != nullptr && ChannelOk(record, channel);
    return Perform(call, [&] {
        std::memcpy(record.locate(*state_, channel), in, record.size);
        return 0;
    });
}

std::int32_t Recorder::GetProtocolList(const char* function, char* buffer) {
    Call call{function};
    call.outputs[0] = {buffer, device::kPtzProtocolBufferSize};
    call.valid = buffer != nullptr;
    return Perform(call, [&] {
        // protocolList_ is always shorter than the buffer, so the terminator fits.
        std::memcpy(buffer, protocolList_.data(), protocolList_.size());
        buffer[protocolList_.size()] = '\0';
        return std::int32_t(protocolList_.size());
    });
}

std::int32_t Recorder::GetRights(const char* function, std::int32_t user, std::uint8_t* rights) {
    Call call{function};
    call.argument = user;
    call.outputs[0] = {rights, RightsProfiles::kRightCount};
    call.valid = rights != nullptr;
    return Perform(call, [&] { return RightsProfiles::Fill(user, rights) ? 0 : -1; });
}

std::int32_t Recorder::GetClock(const char* function, std::uint32_t* date, std::uint32_t* time) {
    Call call{function};
    call.outputs[0] = {date, sizeof *date};
    call.outputs[1] = {time, sizeof *time};
    call.valid = date != nullptr && time != nullptr;
    return Perform(call, [&] {
        clock_.Read(*date, *time);
        return 0;
    });
}

std::int32_t Recorder::SetClock(const char* function, std::uint32_t date, std::uint32_t time) {
    const std::uint32_t words[2] = {date, time};  // logged as 8 bytes: date, then time
    Call call{function};
    call.sent = words;
    call.sentSize = sizeof words;
    // The clock keeps running or standing still, as it did before.
    return Perform(call, [&] { return clock_.Set(date, time, clock_.Running()) ? 0 : -1; });
}

std::int32_t Recorder::SaveMenu(const char* function) {
    return Perform(Call{function}, [&] {
        if (statePath_.empty())
            return 0;
        std::string error;
        return StateFile::Save(statePath_, *state_, error) ? 0 : -1;
    });
}

std::int32_t Recorder::Reboot(const char* function) {
    return Perform(Call{function}, [&] {
        ++reboots_;
        return 0;
    });
}

void Recorder::SetCounts(std::int32_t channels, std::int32_t alarmInputs,
                         std::int32_t alarmOutputs) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_->version.videoInputs = channels;
    state_->version.alarmInputs = alarmInputs;
    state_->version.alarmOutputs = alarmOutputs;
}

bool Recorder::ReplaceRecord(std::string_view name, const void* bytes, std::size_t size) {
    const auto rows = records::Rows();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const records::RecordRow& r) { return r.name == name; });
    if (row == rows.end() || bytes == nullptr)
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    const std::span<std::uint8_t> image = RecordImage(*row, *state_);
    if (size != image.size())
        return false;
    std::memcpy(image.data(), bytes, size);
    return true;
}

bool Recorder::ControlClock(std::uint32_t date, std::uint32_t time, bool running) {
    std::lock_guard<std::mutex> lock(mutex_);
    return clock_.Set(date, time, running);
}

bool Recorder::Fail(std::string_view function, std::int32_t after, std::int32_t times,
                    std::int32_t scribble) {
    const auto& names = device::kZelDispFunctionNames;
    if (std::find(names.begin(), names.end(), function) == names.end())
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    return failures_.SetAfter(function, after, times, scribble);
}

bool Recorder::SetLatency(std::int32_t milliseconds) {
    if (milliseconds < 0)
        return false;
    latencyMs_.store(milliseconds);
    return true;
}

bool Recorder::SetProtocolList(std::string_view text) {
    if (text.size() >= device::kPtzProtocolBufferSize)
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    protocolList_.assign(text);
    return true;
}

std::int32_t Recorder::LogSize() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::int32_t(std::min<std::size_t>(log_.Size(), INT32_MAX));
}

bool Recorder::LogEntry(std::int32_t index, const char** function, std::int32_t* argument,
                        const std::uint8_t** bytes, std::int32_t* size) {
    std::lock_guard<std::mutex> lock(mutex_);
    const CallLog::Entry* entry = log_.At(index);
    if (entry == nullptr)
        return false;
    if (function != nullptr)
        *function = entry->function;
    if (argument != nullptr)
        *argument = entry->argument;
    if (bytes != nullptr)
        *bytes = entry->bytes.empty() ? nullptr : entry->bytes.data();
    if (size != nullptr)
        *size = std::int32_t(entry->bytes.size());
    return true;
}

void Recorder::ClearLog() {
    std::lock_guard<std::mutex> lock(mutex_);
    log_.Clear();
}

std::int32_t Recorder::RebootCount() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reboots_;
}

}  // namespace sim
