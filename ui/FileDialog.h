// The platform's standard Save and Open dialogs, as a dialog asks for one: its title and the
// one file type it offers.
#pragma once

#include <string>

namespace ui {

enum class FileDialogKind { Save, Open };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::u16string title;
    std::u16string filterName;        // what the type list shows, e.g. "Text files (*.txt)"
    std::u16string pattern;           // e.g. "*.txt"
    std::u16string defaultExtension;  // added to a name typed without one, e.g. "txt"
};

// A system menu item's id: below 0xF000 (the standard items) and a multiple of 16, since the
// platform uses the low four bits of a system command.
constexpr bool IsValidSystemMenuId(int id) {
    return id > 0 && id < 0xF000 && (id & 0xF) == 0;
}

}  // namespace ui
