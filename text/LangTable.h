// The built-in UI text tables: one row per text id, one fixed-width UTF-16 column per language.
#pragma once

#include <cstddef>
#include <cstdint>

namespace text {

// Columns of both tables, chosen by the session's language index.
inline constexpr std::uint32_t kColumnChinese = 0;
inline constexpr std::uint32_t kColumnUnused = 1;  // empty in every row
inline constexpr std::uint32_t kColumnEnglish = 2;
inline constexpr std::uint32_t kColumnPortuguese = 3;
inline constexpr std::size_t kColumnCount = 4;

// Of a small table's three language versions, the one for a language index: 0 Chinese,
// 3 Portuguese, any other English.
template <class Texts>
const Texts& ForLanguage(std::uint32_t language, const Texts& chinese, const Texts& english,
                         const Texts& portuguese) {
    if (language == kColumnChinese)
        return chinese;
    if (language == kColumnPortuguese)
        return portuguese;
    return english;
}

// Id of the row that ends each table.
inline constexpr std::uint32_t kTerminatorId = 0xFFFFFFFF;

// Short texts: captions, labels, list entries and messages.
inline constexpr std::size_t kLangTextUnits = 32;  // 31 units and the terminator
inline constexpr std::size_t kLangRowCount = 238;  // without the terminator

struct LangRow {
    std::uint32_t id;
    char16_t text[kColumnCount][kLangTextUnits];
};

static_assert(sizeof(LangRow) == 260);
static_assert(offsetof(LangRow, id) == 0);
static_assert(offsetof(LangRow, text[0]) == 4);
static_assert(offsetof(LangRow, text[1]) == 68);
static_assert(offsetof(LangRow, text[2]) == 132);
static_assert(offsetof(LangRow, text[3]) == 196);

// The rows followed by the terminator row.
extern const LangRow LangTable[kLangRowCount + 1];

}  // namespace text
