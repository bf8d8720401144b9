// Lookup of a UI text by language and text id.
#pragma once

#include <cstdint>

namespace text {

// Text of id in the column of language, or nullptr when the id is not in the table.
// A language above 3 reads the English column. The text lives as long as the library.
const char16_t* LangText(std::uint32_t language, std::uint32_t id);

// The same over the long-text table.
const char16_t* LongText(std::uint32_t language, std::uint32_t id);

}  // namespace text
