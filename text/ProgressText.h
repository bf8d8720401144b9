// The texts of the progress window shown while a slow recorder is read, and of the question
// before the window closes with edits not sent: a table of their own, in the same three
// languages as the main tables.
#pragma once

#include <cstdint>

namespace text {

struct ProgressTexts {
    const char16_t* caption;
    const char16_t* reading;  // the line above the bar
    // The question before closing: the opening, then the pages' names with the separator
    // between them, then the closing words.
    const char16_t* unsavedOn;
    const char16_t* pageSeparator;
    const char16_t* closeWithoutSaving;
};

// The texts for a language index: 0 Chinese, 3 Portuguese, any other English.
const ProgressTexts& ProgressText(std::uint32_t language);

}  // namespace text
