// The texts of the progress window shown while a slow recorder is read: a table of their own,
// in the same three languages as the main tables.
#pragma once

#include <cstdint>

namespace text {

struct ProgressTexts {
    const char16_t* caption;
    const char16_t* reading;  // the line above the bar
};

// The texts for a language index: 0 Chinese, 3 Portuguese, any other English.
const ProgressTexts& ProgressText(std::uint32_t language);

}  // namespace text
