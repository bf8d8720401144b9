// A record of the configuration cache as a page edits it: which record of the recorder it is
// (and, for a per-channel record, which channel the page works on), how Save builds it, and the
// page's functions that show it on the controls and build it from them. Pages see only their
// typed records; the bytes move here and in the record layer, which reads and sends them.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <stdexcept>

#include "records/RecordTable.h"
#include "records/Recorder.h"

namespace pages {

// How Save starts the record it sends: as the cached record, so that bytes the page does not
// edit keep their values, or as zeros, so that they are sent as zero.
enum class Build { FromCache, FromZeros };

// What the settings protocol needs of a record, whatever its type.
class PageRecord {
  public:
    PageRecord(records::RecordId id, const int* channel) : id_(id), channel_(channel) {}
    virtual ~PageRecord() = default;

    records::RecordId Id() const { return id_; }
    // The channel the page works on; 0 for a record held once.
    int Channel() const { return channel_ ? *channel_ : 0; }

    // The record's bytes in the cache; empty when there is no record to edit.
    std::span<std::uint8_t> Cached() { return records::CachedBytes(id_, Channel()); }
    // Reads it again into the cache; false, with the cache as it was, when that fails.
    bool Reread() { return records::RereadRecord(id_, Channel()); }
    // Sends it (the record's size); the cache takes it once the recorder did. Negative results
    // are failures.
    std::int32_t Send(std::span<const std::uint8_t> bytes) {
        return records::SendRecord(id_, Channel(), bytes);
    }

    // The page's side: show a record on the controls, write the controls into one, and tell
    // whether a change needs a restart of the recorder.
    virtual void Load(std::span<const std::uint8_t> bytes) = 0;
    virtual void Store(std::span<std::uint8_t> bytes) = 0;
    virtual bool KeySettingsChanged(std::span<const std::uint8_t> sent,
                                    std::span<const std::uint8_t> cached) = 0;

    virtual Build BuildMode() const = 0;

  private:
    records::RecordId id_;
    const int* channel_;
};

// A record of type Record: held once in the cache, or once per channel and addressed by the
// channel the page works on.
template <typename Record>
class TypedRecord : public PageRecord {
  public:
    // The page's functions over the typed record; an empty key-settings check means none.
    struct Editor {
        std::function<void(const Record&)> load;
        std::function<void(Record&)> store;
        std::function<bool(const Record& sent, const Record& cached)> keySettingsChanged;
    };

    explicit TypedRecord(records::RecordId id, Build build = Build::FromCache)
        : PageRecord(id, nullptr), build_(build) {
        CheckLayout(id);
    }

    // A per-channel record; channel names the slot and is read at every access.
    TypedRecord(records::RecordId id, const int& channel)
        : PageRecord(id, &channel), build_(Build::FromCache) {
        CheckLayout(id);
    }

    void SetEditor(Editor editor) { editor_ = std::move(editor); }

    // The cached record, or null (a channel the recorder does not have). Records are packed:
    // the cache's bytes are the record.
    Record* CachedRecord() {
        const std::span<std::uint8_t> cached = Cached();
        return cached.empty() ? nullptr : reinterpret_cast<Record*>(cached.data());
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
    // A page bound to a record of another layout is a fault of the page, found when it is made.
    static void CheckLayout(records::RecordId id) {
        if (records::Row(id).size != sizeof(Record))
            throw std::logic_error("a page record bound to a record of another layout");
    }

    static Record FromBytes(std::span<const std::uint8_t> bytes) {
        Record record;
        std::memcpy(&record, bytes.data(), sizeof record);
        return record;
    }

    Build build_;
    Editor editor_;
};

}  // namespace pages
