// The table of the texts too long for the short-text table.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/LangTable.h"

namespace text {

inline constexpr std::size_t kLongTextUnits = 128;  // 127 units and the terminator
inline constexpr std::size_t kLongRowCount = 2;     // without the terminator

struct LongTextRow {
    std::uint32_t id;
    char16_t text[kColumnCount][kLongTextUnits];
};

static_assert(sizeof(LongTextRow) == 1028);
static_assert(offsetof(LongTextRow, id) == 0);
static_assert(offsetof(LongTextRow, text[0]) == 4);
static_assert(offsetof(LongTextRow, text[1]) == 260);
static_assert(offsetof(LongTextRow, text[2]) == 516);
static_assert(offsetof(LongTextRow, text[3]) == 772);

// The rows followed by the terminator row.
extern const LongTextRow LongTextTable[kLongRowCount + 1];

}  // namespace text
