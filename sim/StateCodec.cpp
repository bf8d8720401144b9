// The byte format of the simulated recorder's state file. The parser checks every length
// against the bytes left before reading, and copies into the state only once all is valid.
#include "sim/StateCodec.h"

#include <cstring>
#include <memory>

#include "sim/Crc32.h"

namespace sim {
namespace {

constexpr char kMagic[8] = {'Z', 'S', 'I', 'M', 'S', 'T', 'A', 'T'};
constexpr std::size_t kHeaderSize = sizeof kMagic + 4 + 4;
constexpr std::size_t kSectionHeaderSize = 8;
constexpr std::size_t kChecksumSize = 4;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

std::uint32_t GetU32(const std::uint8_t* at) {
    return std::uint32_t(at[0]) | (std::uint32_t(at[1]) << 8) | (std::uint32_t(at[2]) << 16) |
           (std::uint32_t(at[3]) << 24);
}

// The sections of a state that is only read; the table is the same for every state.
std::array<RecordSection, kRecordSectionCount> Sections(const RecorderState& state) {
    return RecordSections(const_cast<RecorderState&>(state));
}

}  // namespace

// The records are packed, so the state is exactly the sum of its record images.
static_assert(alignof(RecorderState) == 1);

std::size_t StateCodec::EncodedSize() {
    return kHeaderSize + kRecordSectionCount * kSectionHeaderSize + sizeof(RecorderState) +
           kChecksumSize;
}

std::vector<std::uint8_t> StateCodec::Encode(const RecorderState& state) {
    std::vector<std::uint8_t> out;
    out.reserve(EncodedSize());
    out.insert(out.end(), kMagic, kMagic + sizeof kMagic);
    PutU32(out, kFormatVersion);
    PutU32(out, std::uint32_t(kRecordSectionCount));
    for (const RecordSection& section : Sections(state)) {
        PutU32(out, section.id);
        PutU32(out, std::uint32_t(section.size));
        out.insert(out.end(), section.bytes, section.bytes + section.size);
    }
    PutU32(out, Crc32::Of(out.data(), out.size()));
    return out;
}

bool StateCodec::Decode(const std::uint8_t* bytes, std::size_t size, RecorderState& state,
                        std::string& error) {
    if (bytes == nullptr || size < kHeaderSize + kChecksumSize) {
        error = "too short for a state file (" + std::to_string(size) + " bytes)";
        return false;
    }
    if (std::memcmp(bytes, kMagic, sizeof kMagic) != 0) {
        error = "not a state file of the simulated recorder (unknown magic)";
        return false;
    }
    const std::uint32_t version = GetU32(bytes + 8);
    if (version != kFormatVersion) {
        error = "unsupported state file version " + std::to_string(version);
        return false;
    }
    const std::uint32_t count = GetU32(bytes + 12);
    if (count != kRecordSectionCount) {
        error = "holds " + std::to_string(count) + " records, expected " +
                std::to_string(kRecordSectionCount);
        return false;
    }

    auto parsed = std::make_unique<RecorderState>();
    const std::size_t body = size - kChecksumSize;  // bytes the records may occupy
    std::size_t at = kHeaderSize;
    for (const RecordSection& section : RecordSections(*parsed)) {
        if (body - at < kSectionHeaderSize) {
            error = std::string("truncated before record ") + section.name;
            return false;
        }
        const std::uint32_t id = GetU32(bytes + at);
        const std::uint32_t length = GetU32(bytes + at + 4);
        at += kSectionHeaderSize;
        if (id != section.id) {
            error = "record " + std::to_string(id) + " found where " + section.name + " (record " +
                    std::to_string(section.id) + ") belongs";
            return false;
        }
        if (length != section.size) {
            error = std::string("record ") + section.name + " has " + std::to_string(length) +
                    " bytes, expected " + std::to_string(section.size);
            return false;
        }
        if (body - at < length) {
            error = std::string("truncated inside record ") + section.name;
            return false;
        }
        std::memcpy(section.bytes, bytes + at, length);
        at += length;
    }
    if (at != body) {
        error = std::to_string(body - at) + " unexpected bytes after the last record";
        return false;
    }
    if (GetU32(bytes + body) != Crc32::Of(bytes, body)) {
        error = "checksum mismatch (the file is corrupt)";
        return false;
    }
    state = *parsed;
    return true;
}

}  // namespace sim
