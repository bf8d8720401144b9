// The UI texts of the session's language, as pages and dialogs use them.
#include "pages/common/PageText.h"

#include "records/SessionState.h"
#include "text/LangText.h"
#include "text/ProgressText.h"
#include "ui/Dialog.h"
#include "ui/Format.h"

namespace pages {

std::u16string_view Text(std::uint32_t id) {
    const char16_t* text = text::LangText(records::LanguageIndex, id);
    return text ? std::u16string_view(text) : std::u16string_view();
}

std::u16string_view LongText(std::uint32_t id) {
    const char16_t* text = text::LongText(records::LanguageIndex, id);
    return text ? std::u16string_view(text) : std::u16string_view();
}

std::u16string NumberedText(std::uint32_t id, int number) {
    return std::u16string(Text(id)) + ui::Format("%d", number);
}

std::u16string UnsavedChangesQuestion(const std::vector<std::u16string>& names,
                                      std::u16string_view ending) {
    const text::ProgressTexts& texts = text::ProgressText(records::LanguageIndex);
    std::u16string question = texts.unsavedOn;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            question += texts.pageSeparator;
        question += names[i];
    }
    question += ending.empty() ? std::u16string_view(texts.closeWithoutSaving) : ending;
    return question;
}

void SetCaptions(ui::Dialog& dialog, std::initializer_list<Caption> captions) {
    for (const Caption& caption : captions)
        dialog.SetDlgItemText(caption.control, Text(caption.text));
}

}  // namespace pages
