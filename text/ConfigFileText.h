// The texts of the configuration-file commands of the window's system menu: a table of their
// own, in the same three languages as the main tables.
#pragma once

#include <cstdint>

namespace text {

struct ConfigFileTexts {
    const char16_t* exportItem;  // the system menu's items
    const char16_t* importItem;
    const char16_t* exportTitle;      // the Save dialog's title
    const char16_t* importTitle;      // the Open dialog's title
    const char16_t* filter;           // the file-type filter's description
    const char16_t* exported;         // export succeeded
    const char16_t* exportFailed;     // lead of a failed export; the reason follows
    const char16_t* imported;         // before the count of records sent
    const char16_t* importedNothing;  // the recorder already held the file's settings
    const char16_t* importRefused;    // lead of a refusal: nothing was sent; the reason follows
    const char16_t* importFailed;     // lead of a send that failed part-way; the reason follows
};

// The texts for a language index: 0 Chinese, 3 Portuguese, any other English.
const ConfigFileTexts& ConfigFileText(std::uint32_t language);

}  // namespace text
