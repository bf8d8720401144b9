// Whole-number fields of packed records, read and written through their bytes.
#include "config/FieldVisitor.h"

#include <cstring>

namespace config {

std::int64_t IntField::Get() const {
    std::uint32_t raw = 0;
    std::memcpy(&raw, at_, size_);  // records are little-endian images
    if (!signed_)
        return raw;
    const unsigned bits = unsigned(size_) * 8;
    const std::uint32_t sign = 1u << (bits - 1);
    return bits == 32 ? std::int64_t(std::int32_t(raw))
                      : std::int64_t(raw & (sign - 1)) - std::int64_t(raw & sign);
}

void IntField::Set(std::int64_t value) const {
    const auto raw = static_cast<std::uint32_t>(value);
    std::memcpy(at_, &raw, size_);
}

std::int64_t IntField::Min() const {
    return signed_ ? -(std::int64_t(1) << (size_ * 8 - 1)) : 0;
}

std::int64_t IntField::Max() const {
    return signed_ ? (std::int64_t(1) << (size_ * 8 - 1)) - 1
                   : (std::int64_t(1) << (size_ * 8)) - 1;
}

}  // namespace config
