// Conversion between the records' fixed-width UTF-8 text fields and the UI's UTF-16.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace device {

// Decodes the text of a field: up to its first zero byte or its end, whichever comes first.
// Each invalid UTF-8 sequence becomes U+FFFD.
std::u16string DecodeUtf8Field(const char* field, std::size_t width);

// Encodes text into UTF-8, cut at a whole character so that at most maxBytes bytes remain.
// Unpaired surrogates are encoded as U+FFFD.
std::string EncodeUtf8(std::u16string_view text, std::size_t maxBytes = std::string::npos);

// Writes text into a field: at most width - 1 bytes of whole characters, then zeros up to
// the end of the field, so the terminator is always inside the field.
void EncodeUtf8Field(std::u16string_view text, char* field, std::size_t width);

// Size of the UTF-8 form of text, without a terminator.
std::size_t Utf8Size(std::u16string_view text);

template <std::size_t N>
std::u16string DecodeUtf8Field(const char (&field)[N]) {
    return DecodeUtf8Field(field, N);
}

template <std::size_t N>
void EncodeUtf8Field(std::u16string_view text, char (&field)[N]) {
    EncodeUtf8Field(text, field, N);
}

}  // namespace device
