// A record of the configuration cache as a page edits it: where the cache holds it, the device
// functions that fetch and send it, how Save builds it, and the page's functions that show it
// on the controls and build it from them. Pages see only their typed records; the bytes move
// here, in one place.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <span>

#include "records/SessionState.h"
#include "device/CallConv.h"
#include "device/Limits.h"

namespace pages {

// How Save starts the record it sends: as the cached record, so that bytes the page does not
// edit keep their values, or as zeros, so that they are sent as zero.
enum class Build { FromCache, FromZeros };

// What the settings protocol needs of a record, whatever its type.
class PageRecord {
  public:
    virtual ~PageRecord() = default;

    // The record's bytes in the cache; empty when there is no record to edit.
    virtual std::span<std::uint8_t> Cached() = 0;
    // Fetch into out and send from in (both the record's size); negative results are failures.
    virtual std::int32_t Get(std::span<std::uint8_t> out) = 0;
    virtual std::int32_t Set(std::span<const std::uint8_t> in) = 0;

    // The page's side: show a record on the controls, write the controls into one, and tell
    // whether a change needs a restart of the recorder.
    virtual void Load(std::span<const std::uint8_t> bytes) = 0;
    virtual void Store(std::span<std::uint8_t> bytes) = 0;
    virtual bool KeySettingsChanged(std::span<const std::uint8_t> sent,
                                    std::span<const std::uint8_t> cached) = 0;

    virtual Build BuildMode() const = 0;
};

// A record of type Record: held once in the cache, or once per channel and addressed by the
// channel the page works on.
template <typename Record>
class TypedRecord : public PageRecord {
  public:
    using Getter = std::int32_t(ZEL_CALL*)(ZelHandle, Record*);
    using Setter = std::int32_t(ZEL_CALL*)(ZelHandle, const Record*);
    using ChannelGetter = std::int32_t(ZEL_CALL*)(ZelHandle, std::int32_t, Record*);
    using ChannelSetter = std::int32_t(ZEL_CALL*)(ZelHandle, std::int32_t, const Record*);

    // The page's functions over the typed record; an empty key-settings check means none.
    struct Editor {
        std::function<void(const Record&)> load;
        std::function<void(Record&)> store;
        std::function<bool(const Record& sent, const Record& cached)> keySettingsChanged;
    };

    TypedRecord(Record& cached, Getter get, Setter set, Build build = Build::FromCache)
        : cached_(&cached), get_(get), set_(set), build_(build) {}

    // A per-channel record; channel names the slot and is read at every access.
    TypedRecord(Record (&slots)[device::kMaxChannels], const int& channel, ChannelGetter get,
                ChannelSetter set)
        : slots_(slots),
          channel_(&channel),
          channelGet_(get),
          channelSet_(set),
          build_(Build::FromCache) {}

    void SetEditor(Editor editor) { editor_ = std::move(editor); }

    // The cached record, or null (a channel the recorder does not have).
    Record* CachedRecord() {
        if (!slots_)
            return cached_;
        return HasChannel() ? &slots_[*channel_] : nullptr;
    }

    std::span<std::uint8_t> Cached() override {
        Record* record = CachedRecord();
        if (!record)
            return {};
        return {reinterpret_cast<std::uint8_t*>(record), sizeof(Record)};
    }

    std::int32_t Get(std::span<std::uint8_t> out) override {
        if (out.size() != sizeof(Record))
            return -1;
        auto* record = reinterpret_cast<Record*>(out.data());
        if (!slots_)
            return get_(records::DeviceHandle, record);
        return HasChannel() ? channelGet_(records::DeviceHandle, *channel_, record) : -1;
    }

    std::int32_t Set(std::span<const std::uint8_t> in) override {
        if (in.size() != sizeof(Record))
            return -1;
        const auto* record = reinterpret_cast<const Record*>(in.data());
        if (!slots_)
            return set_(records::DeviceHandle, record);
        return HasChannel() ? channelSet_(records::DeviceHandle, *channel_, record) : -1;
    }

    void Load(std::span<const std::uint8_t> bytes) override {
        if (editor_.load)
            editor_.load(FromBytes(bytes));
    }

    void Store(std::span<std::uint8_t> bytes) override {
        Record record = FromBytes(bytes);
        if (editor_.store)
            editor_.store(record);
        std::memcpy(bytes.data(), &record, sizeof record);
    }

    bool KeySettingsChanged(std::span<const std::uint8_t> sent,
                            std::span<const std::uint8_t> cached) override {
        return editor_.keySettingsChanged &&
               editor_.keySettingsChanged(FromBytes(sent), FromBytes(cached));
    }

    Build BuildMode() const override { return build_; }

  private:
    // Only channels the recorder has are addressed; never a fallback to another slot.
    bool HasChannel() const { return *channel_ >= 0 && *channel_ < records::ChannelCount; }

    static Record FromBytes(std::span<const std::uint8_t> bytes) {
        Record record;
        std::memcpy(&record, bytes.data(), sizeof record);
        return record;
    }

    Record* cached_ = nullptr;
    Getter get_ = nullptr;
    Setter set_ = nullptr;
    Record* slots_ = nullptr;
    const int* channel_ = nullptr;
    ChannelGetter channelGet_ = nullptr;
    ChannelSetter channelSet_ = nullptr;
    Build build_;
    Editor editor_;
};

// Reads a record again into the cache, through a temporary: a failing read leaves the cache as
// it was, whatever the device wrote into its buffer. Returns whether it was read.
template <typename Record>
bool RereadRecord(Record& cached, std::int32_t(ZEL_CALL* get)(ZelHandle, Record*)) {
    Record fetched{};
    if (get(records::DeviceHandle, &fetched) < 0)
        return false;
    cached = fetched;
    return true;
}

// The same for one channel's slot of a per-channel record.
template <typename Record>
bool RereadChannelRecord(Record (&slots)[device::kMaxChannels], int channel,
                         std::int32_t(ZEL_CALL* get)(ZelHandle, std::int32_t, Record*)) {
    if (channel < 0 || channel >= records::ChannelCount)
        return false;
    Record fetched{};
    if (get(records::DeviceHandle, channel, &fetched) < 0)
        return false;
    slots[channel] = fetched;
    return true;
}

}  // namespace pages
