// Every record of a recorder, one row each: the name the device library gives it, where the
// cache holds it, the device functions that read and send it, the user right that guards it,
// whether the recorder keeps one per channel, and its fields in a configuration file. The rows
// stand in the order a recorder is read: the records held once, then, channel by channel, the
// per-channel ones. Whatever the code needs to know about a record comes from this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "config/RecordFormat.h"
#include "device/RecordSet.h"

using ZelHandle = std::uint32_t;

namespace records {

// The records by the place of their row.
enum class RecordId : int {
    Normal,
    Code,
    RecTimer,
    Serials,
    Net,
    Ntp,
    Dial,
    Ddns,
    Smtp,
    AlarmIn,
    VideoLost,
    VideoCover,
    VideoMotion,
    Ptz,
    VideoOut,
    ChanName,
    Version,
    HddInfo,
    Event,
    RecAdmin,
    AlarmOut,
    PtzPoint,
    PtzCruise,
    Count
};

inline constexpr int kRecordCount = static_cast<int>(RecordId::Count);

// A record guarded by no right of its own.
inline constexpr int kNoRight = -1;

struct RecordRow {
    RecordId id;
    const char* name;  // "Normal", "PTZPoint", ...: the device library's, and a file's
    int right;         // index into the user's rights; kNoRight for none
    bool perChannel;
    std::size_t size;  // bytes of one record
    // The record's bytes in a set (a channel's, for a per-channel record); empty for a channel
    // outside the set.
    std::span<std::uint8_t> (*bytes)(device::RecordSet& records, int channel);
    // Reads the record from the recorder into record (size bytes), and sends it from there: the
    // device's status, -1 for a channel outside the set. set is null for a record never sent.
    std::int32_t (*get)(ZelHandle handle, std::uint8_t* record, int channel);
    std::int32_t (*set)(ZelHandle handle, const std::uint8_t* record, int channel);
    // Its fields in a configuration file.
    void (*visit)(config::FieldVisitor& v, device::RecordSet& records, std::size_t channel);

    bool ReadOnly() const { return set == nullptr; }
    config::RecordFormat Format() const { return {name, perChannel, visit}; }
};

// Which records a file holds or an operation takes.
class RecordMask {
  public:
    static RecordMask All() {
        RecordMask mask;
        mask.bits_.fill(true);
        return mask;
    }
    bool Has(RecordId id) const { return bits_[static_cast<int>(id)]; }
    void Set(RecordId id, bool on = true) { bits_[static_cast<int>(id)] = on; }

  private:
    std::array<bool, kRecordCount> bits_{};
};

// Every row, in the order of the reading.
std::span<const RecordRow> Rows();
const RecordRow& Row(RecordId id);

// How a configuration file holds the records of the mask, in the order of the reading.
std::vector<config::RecordFormat> FormatsOf(const RecordMask& mask = RecordMask::All());

// Calls visit(row, channel) for every record of a recorder with this many channels, in the
// order of the reading: each record held once, then channel by channel the per-channel ones.
template <typename Visit>
void ForEachRecord(int channels, Visit visit) {
    for (const RecordRow& row : Rows()) {
        if (!row.perChannel)
            visit(row, 0);
    }
    for (int channel = 0; channel < channels; ++channel) {
        for (const RecordRow& row : Rows()) {
            if (row.perChannel)
                visit(row, channel);
        }
    }
}

// The bytes of one record of a set, read-only.
std::span<const std::uint8_t> RecordBytes(const device::RecordSet& records, RecordId id,
                                          int channel = 0);

// Reads one record of a set from the recorder, or sends it: the device's status; -1 for a
// channel outside the set or a record never sent.
std::int32_t GetRecord(ZelHandle handle, device::RecordSet& records, RecordId id, int channel = 0);
std::int32_t SetRecord(ZelHandle handle, const device::RecordSet& records, RecordId id,
                       int channel = 0);

// The user's rights: one flag per right, 0 = forbidden.
inline constexpr int kUserRightCount = 64;
using UserRightFlags = std::uint8_t[kUserRightCount];

// The records a user with these rights may see.
RecordMask VisibleRecords(const UserRightFlags& rights);

}  // namespace records
