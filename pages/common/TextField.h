// A record's text field as a page edits it: the edit that keeps the text within a size while
// the operator types, and the text exchanged with it. The field is decoded only within its
// width and written back with its terminator inside it, cut at a whole character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "device/Utf8Field.h"
#include "ui/CMyEdit.h"
#include "ui/DataExchange.h"

namespace pages {

class TextField {
  public:
    // maximumSize: UTF-8 bytes the edit keeps, counting the terminator.
    TextField(int id, std::int32_t maximumSize) : id_(id) { edit_.SetTextLimit(maximumSize); }
    TextField(const TextField&) = delete;
    TextField& operator=(const TextField&) = delete;

    // Makes the dialog's edit keep the size; once, before the edit is used.
    void Attach(ui::Dialog& dialog) { edit_.Attach(dialog, id_); }

    template <std::size_t N>
    void Load(const char (&field)[N]) {
        text_ = device::DecodeUtf8Field(field);
    }
    template <std::size_t N>
    void Store(char (&field)[N]) const {
        device::EncodeUtf8Field(text_, field);
    }

    void Exchange(ui::DataExchange& dx) { dx.Text(id_, text_); }

  private:
    int id_;
    ui::CMyEdit edit_;
    std::u16string text_;
};

// The edits' sizes: the 33-byte fields keep 30 bytes of text, the 17-byte passwords 14.
inline constexpr std::int32_t kNameEditSize = 31;
inline constexpr std::int32_t kPasswordEditSize = 15;

}  // namespace pages
