// The UI texts of the session's language, as pages and dialogs use them. A text missing from
// the tables reads as empty.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class Dialog;
}

namespace pages {

std::u16string_view Text(std::uint32_t id);
std::u16string_view LongText(std::uint32_t id);

// The text of id followed directly by the decimal number, e.g. "CAM 3".
std::u16string NumberedText(std::uint32_t id, int number);

// The question before edits of the named pages or dialogs are dropped: "Unsaved changes on:
// General, Network. Close without saving them?" in the session's language; ending replaces
// the words after the names when given.
std::u16string UnsavedChangesQuestion(const std::vector<std::u16string>& names,
                                      std::u16string_view ending = {});

// A control and the text its caption shows.
struct Caption {
    int control;
    std::uint32_t text;
};

// Sets the caption of every listed control of the dialog.
void SetCaptions(ui::Dialog& dialog, std::initializer_list<Caption> captions);

}  // namespace pages
