// The sentences that say what came of an export or import of a configuration file, for the
// entries' clients and the window: a table of their own, in the same three languages as the
// main tables. A sentence is its main part, any clauses added to it, then the full stop.
// Placeholders: {n} a number, {where} the record and field, {detail} the English reason,
// {record} a record or "the user's rights", {records} and {fields} lists of names.
#pragma once

#include <cstdint>

namespace text {

struct ConfigMessageTexts {
    const char16_t* exported;
    const char16_t* imported;     // {n} records sent and made permanent
    const char16_t* importedOne;  // one record
    const char16_t* alreadyHeld;
    const char16_t* checked;  // an import would send {n} records
    const char16_t* checkedOne;
    const char16_t* checkedNothing;
    const char16_t* notAllowed;  // clause: {records} this user may not change
    const char16_t* kept;        // clause: {fields} this recorder keeps as its own
    const char16_t* busy;
    const char16_t* badArgument;
    const char16_t* readFailedExport;  // {record}
    const char16_t* readFailedImport;
    const char16_t* userRights;  // the {record} of a failed read of the rights
    const char16_t* fileUnreadable;
    const char16_t* fileUnwritable;
    const char16_t* fileTooLarge;  // {n} MiB
    const char16_t* notJson;
    const char16_t* trailingBytes;
    const char16_t* notOurs;
    const char16_t* newerFormat;
    const char16_t* truncated;
    const char16_t* outOfRange;  // {where}, {detail}
    const char16_t* wrongType;
    const char16_t* unknownField;
    const char16_t* duplicateName;
    const char16_t* counts;
    const char16_t* putBack;     // {where}: the record whose send failed
    const char16_t* notPutBack;  // and {records} not put back
    const char16_t* saveFailed;  // {n} records sent
    const char16_t* saveFailedOne;
    const char16_t* failed;
    const char16_t* secretChanged;  // in place of a password's values
    const char16_t* listSeparator;
    const char16_t* stop;
};

// The texts for a language index: 0 Chinese, 3 Portuguese, any other English.
const ConfigMessageTexts& ConfigMessageText(std::uint32_t language);

}  // namespace text
