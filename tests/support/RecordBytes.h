// Records as bytes for the tests: the records a logged Set carried, byte comparisons that name
// the differing offsets, and UTF-16 texts narrowed for failure messages.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/SimRecorder.h"

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

template <typename Record>
Bytes BytesOf(const Record& record) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return Bytes(bytes, bytes + sizeof record);
}

// The records the calls carried; a call of another size fails the test.
template <typename Record>
std::vector<Record> Decoded(const std::vector<LoggedCall>& calls) {
    std::vector<Record> records;
    for (const LoggedCall& call : calls) {
        EXPECT_EQ(call.bytes.size(), sizeof(Record)) << call.function;
        Record record{};
        std::memcpy(&record, call.bytes.data(), std::min(call.bytes.size(), sizeof record));
        records.push_back(record);
    }
    return records;
}

// Writes text into a record's text field, cut at the field's end, zeros after it.
template <std::size_t N>
void PutText(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

// The offsets at which two records or entries differ, with both bytes; empty when equal.
template <typename T>
std::string Differences(const T& a, const T& b) {
    const auto* x = reinterpret_cast<const std::uint8_t*>(&a);
    const auto* y = reinterpret_cast<const std::uint8_t*>(&b);
    std::string out;
    for (std::size_t i = 0; i < sizeof a; ++i) {
        if (x[i] == y[i])
            continue;
        out += ' ';
        out += std::to_string(i);
        out += ':';
        out += std::to_string(x[i]);
        out += '/';
        out += std::to_string(y[i]);
    }
    return out;
}

// ASCII as it is, anything else as '?'.
inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        out.push_back(c < 0x80 ? char(c) : '?');
    return out;
}

inline std::vector<std::string> Narrow(const std::vector<std::u16string>& texts) {
    std::vector<std::string> out;
    for (const auto& text : texts)
        out.push_back(Narrow(text));
    return out;
}

}  // namespace testsupport
