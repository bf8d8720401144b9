// A record of the configuration cache together with the device functions that fetch and send
// it: what a settings page saves and refreshes.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

#include "app/Session.h"
#include "device/CallConv.h"

namespace ui {

class DeviceRecord {
  public:
    virtual ~DeviceRecord() = default;

    // The record's buffer in the configuration cache.
    virtual std::span<std::uint8_t> Cached() = 0;
    // Fetch into out (the record's size) and send from in; negative results are failures.
    virtual std::int32_t Get(std::span<std::uint8_t> out) = 0;
    virtual std::int32_t Set(std::span<const std::uint8_t> in) = 0;

    // Save builds the outgoing record from zeros instead of from the cached one, so that bytes
    // the page does not edit are sent as zeros.
    bool StartsFromZeros() const { return startsFromZeros_; }
    void SetStartsFromZeros(bool zeros) { startsFromZeros_ = zeros; }

  private:
    bool startsFromZeros_ = false;
};

// A record held once in the cache, with its Get and Set.
template <typename Record>
class CachedRecord : public DeviceRecord {
  public:
    using Getter = std::int32_t(ZEL_CALL*)(ZelHandle, Record*);
    using Setter = std::int32_t(ZEL_CALL*)(ZelHandle, const Record*);

    CachedRecord(Record& cached, Getter get, Setter set) : cached_(cached), get_(get), set_(set) {}

    std::span<std::uint8_t> Cached() override {
        return {reinterpret_cast<std::uint8_t*>(&cached_), sizeof(Record)};
    }
    std::int32_t Get(std::span<std::uint8_t> out) override {
        return get_(app::DeviceHandle, reinterpret_cast<Record*>(out.data()));
    }
    std::int32_t Set(std::span<const std::uint8_t> in) override {
        return set_(app::DeviceHandle, reinterpret_cast<const Record*>(in.data()));
    }

  private:
    Record& cached_;
    Getter get_;
    Setter set_;
};

// A record held per channel in the cache; the channel is the one the page works on.
template <typename Record>
class ChannelRecord : public DeviceRecord {
  public:
    using Getter = std::int32_t(ZEL_CALL*)(ZelHandle, std::int32_t, Record*);
    using Setter = std::int32_t(ZEL_CALL*)(ZelHandle, std::int32_t, const Record*);

    ChannelRecord(Record (&slots)[device::kMaxChannels], const int& channel, Getter get, Setter set)
        : slots_(slots), channel_(channel), get_(get), set_(set) {}

    std::span<std::uint8_t> Cached() override {
        return {reinterpret_cast<std::uint8_t*>(&slots_[Slot()]), sizeof(Record)};
    }
    std::int32_t Get(std::span<std::uint8_t> out) override {
        return get_(app::DeviceHandle, Slot(), reinterpret_cast<Record*>(out.data()));
    }
    std::int32_t Set(std::span<const std::uint8_t> in) override {
        return set_(app::DeviceHandle, Slot(), reinterpret_cast<const Record*>(in.data()));
    }

  private:
    // The channel always names a slot of the cache.
    int Slot() const { return channel_ < 0 ? 0 : channel_ >= device::kMaxChannels ? 0 : channel_; }

    Record (&slots_)[device::kMaxChannels];
    const int& channel_;
    Getter get_;
    Setter set_;
};

}  // namespace ui
