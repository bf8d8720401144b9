// One row per settings page for the suites that drive every page alike: where it sits in the
// tree, the device functions of its record, one edit of a setting that needs no restart and
// what its control then shows, and how its entries are copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/support/Operator.h"
#include "tests/support/RecordBytes.h"

namespace testsupport {

struct PageRow {
    const char* name;
    const char16_t* node;  // the page's tree node
    const char* setFunction;
    const char* getFunction;
    Bytes (*cached)();  // the page's record in the cache
    // One edit of a setting that needs no restart, and what its control then shows.
    void (*edit)(Operator&);
    std::u16string (*shown)(Operator&);
    bool hasDefault;
    // Pages that edit one entry at a time: the list that picks it, and where entries lie in
    // the record. No list: the page has no Copy and Paste.
    int entryList = 0;
    std::size_t firstEntry = 0;
    std::size_t entrySize = 0;
    int pasteEntry = 4;               // the entry Copy/Paste pastes into
    bool savesWithoutChange = false;  // the recorder keeps its settings on every Save
};

// Every settings page, in the order of the tree.
std::span<const PageRow> PageRows();

// The dialogs with a Save of their own: the page and button that open them, the device
// function their Save calls and one edit.
struct DialogRow {
    const char* name;
    const char16_t* page;
    int button;
    const char* setFunction;
    void (*edit)(Operator&);
};

std::span<const DialogRow> DialogRows();

}  // namespace testsupport
