// The bytes of one fuzz input, read front to back as the numbers and texts a session needs.
// Reading past the end yields zeros, so every input describes some session.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return used_ >= size_; }

    std::uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
    std::uint16_t Word() { return std::uint16_t(Byte() | Byte() << 8); }
    std::uint32_t Long() { return std::uint32_t(Word()) | std::uint32_t(Word()) << 16; }

    // A number in 0..count-1 (0 when count is 0).
    int Below(int count) { return count > 0 ? int(Word() % unsigned(count)) : 0; }

    // A text of up to maxLength characters drawn from a mix the pages meet: digits, letters,
    // blanks, signs, Chinese characters, a character outside the basic plane and controls.
    std::u16string Text(int maxLength) {
        static const char16_t kUnits[] = u"0123456789aZ -+.@\u00e7\u4e2d\u6587\t\b";
        std::u16string text;
        const int length = Below(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            const std::uint8_t pick = Byte();
            if (pick == 0xFF) {
                text += u"\U0001F600";  // a surrogate pair
            } else {
                text += kUnits[pick % (sizeof kUnits / sizeof kUnits[0] - 1)];
            }
        }
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

}  // namespace fuzz
