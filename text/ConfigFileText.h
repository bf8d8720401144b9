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
    // The question before an import when pages hold edits not sent: its closing words, after
    // the pages' names.
    const char16_t* importWithoutSaving;
    // What an import would change, asked before it is sent: the lead, the pages' names, the
    // full stop; a note when the file comes from another recorder; the question.
    const char16_t* previewLead;
    const char16_t* otherRecorder;
    const char16_t* importNow;
    const char16_t* pagesChanged;  // after an import: the lead of the pages' names
    const char16_t* notAllowed;    // the lead of the records the user may not change
    // After an import that could not put back what it sent.
    const char16_t* notSavedOnClosing;
    const char16_t* stop;
};

// The texts for a language index: 0 Chinese, 3 Portuguese, any other English.
const ConfigFileTexts& ConfigFileText(std::uint32_t language);

}  // namespace text
