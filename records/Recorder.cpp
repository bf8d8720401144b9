// The open session's recorder as the pages ask for it.
#include "records/Recorder.h"

#include <algorithm>
#include <vector>

#include "device/ZelDisp.h"
#include "records/DeviceHandle.h"
#include "records/RecordWatch.h"
#include "records/SessionState.h"

namespace records {
namespace {

// Only channels the recorder has are addressed; never a fallback to another slot.
bool Addressable(RecordId id, int channel) {
    return !Row(id).perChannel || (channel >= 0 && channel < ChannelCount);
}

}  // namespace

std::span<std::uint8_t> CachedBytes(RecordId id, int channel) {
    if (!Addressable(id, channel))
        return {};
    return Row(id).bytes(ConfigCache, channel);
}

std::int32_t ReadRecord(RecordId id, int channel, std::span<std::uint8_t> out) {
    const RecordRow& row = Row(id);
    if (!Addressable(id, channel) || out.size() != row.size)
        return -1;
    return row.get(DeviceHandle, out.data(), channel);
}

bool RereadRecord(RecordId id, int channel) {
    const std::span<std::uint8_t> cached = CachedBytes(id, channel);
    if (cached.empty())
        return false;
    std::vector<std::uint8_t> fetched(cached.size());
    if (ReadRecord(id, channel, fetched) < 0)
        return false;
    std::copy(fetched.begin(), fetched.end(), cached.begin());
    TellChanged(id, channel);
    return true;
}

std::int32_t SendRecord(RecordId id, int channel, std::span<const std::uint8_t> bytes) {
    const RecordRow& row = Row(id);
    const std::span<std::uint8_t> cached = CachedBytes(id, channel);
    if (row.ReadOnly() || cached.empty() || bytes.size() != row.size)
        return -1;
    const std::int32_t result = row.set(DeviceHandle, bytes.data(), channel);
    if (result < 0)
        return result;
    std::copy(bytes.begin(), bytes.end(), cached.begin());
    TellChanged(id, channel);
    return result;
}

void MakePermanent() {
    zelDispSaveMenu(DeviceHandle);
}

void Restart() {
    zelDispRebootDVR(DeviceHandle);
}

bool ReadClock(std::uint32_t& dateWord, std::uint32_t& timeWord) {
    return zelDispPaTimeGet(DeviceHandle, &dateWord, &timeWord) >= 0;
}

std::int32_t SetClock(std::uint32_t dateWord, std::uint32_t timeWord) {
    return zelDispPaTimeSet(DeviceHandle, dateWord, timeWord);
}

std::int32_t ReadProtocolList(std::span<char> buffer) {
    return zelDispHisiNewMenuPTZProtocolGet(DeviceHandle, buffer.data());
}

}  // namespace records
