// The UI texts of the session's language.
#include "ui/Texts.h"

#include "app/Session.h"
#include "text/LangText.h"

namespace ui {

std::u16string_view Text(std::uint32_t id) {
    const char16_t* text = text::LangText(app::LanguageIndex, id);
    return text ? std::u16string_view(text) : std::u16string_view();
}

std::u16string_view LongTextOf(std::uint32_t id) {
    const char16_t* text = text::LongText(app::LanguageIndex, id);
    return text ? std::u16string_view(text) : std::u16string_view();
}

}  // namespace ui
