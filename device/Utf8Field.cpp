// Conversion between the records' fixed-width UTF-8 text fields and the UI's UTF-16.
#include "device/Utf8Field.h"

#include <cstdint>
#include <cstring>

namespace device {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void AppendCodePoint(std::u16string& out, std::uint32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// Reads one code point at text[i], one replacement character for the longest invalid
// prefix of a sequence. Returns the number of bytes consumed.
std::size_t DecodeOne(const unsigned char* text, std::size_t size, std::size_t i,
                      std::uint32_t& cp) {
    const unsigned char lead = text[i];
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    int length = 0;
    std::uint32_t value = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    } else {
        cp = kReplacement;
        return 1;
    }
    std::size_t used = 1;
    for (int k = 1; k < length; ++k) {
        if (i + used >= size)
            break;
        const unsigned char next = text[i + used];
        const bool inRange = k == 1 ? (next >= low && next <= high) : IsContinuation(next);
        if (!inRange)
            break;
        value = (value << 6) | (next & 0x3F);
        ++used;
    }
    cp = used == std::size_t(length) ? value : kReplacement;
    return used;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Reads one character of UTF-16 at text[i]; returns the number of units consumed.
std::size_t ReadUtf16(std::u16string_view text, std::size_t i, std::uint32_t& cp) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
        cp = 0x10000 + ((std::uint32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        return 2;
    }
    cp = (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit;
    return 1;
}

std::size_t Utf8Length(std::uint32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

}  // namespace

std::u16string DecodeUtf8Field(const char* field, std::size_t width) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(field);
    const void* zero = std::memchr(bytes, 0, width);
    const std::size_t size = zero ? static_cast<const unsigned char*>(zero) - bytes : width;
    std::u16string out;
    out.reserve(size);
    for (std::size_t i = 0; i < size;) {
        std::uint32_t cp = 0;
        i += DecodeOne(bytes, size, i, cp);
        AppendCodePoint(out, cp);
    }
    return out;
}

std::string EncodeUtf8(std::u16string_view text, std::size_t maxBytes) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t cp = 0;
        const std::size_t units = ReadUtf16(text, i, cp);
        if (out.size() + Utf8Length(cp) > maxBytes)
            break;
        AppendUtf8(out, cp);
        i += units;
    }
    return out;
}

void EncodeUtf8Field(std::u16string_view text, char* field, std::size_t width) {
    if (width == 0)
        return;
    const std::string bytes = EncodeUtf8(text, width - 1);
    std::memset(field, 0, width);
    std::memcpy(field, bytes.data(), bytes.size());
}

std::size_t Utf8Size(std::u16string_view text) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t cp = 0;
        i += ReadUtf16(text, i, cp);
        size += Utf8Length(cp);
    }
    return size;
}

}  // namespace device
