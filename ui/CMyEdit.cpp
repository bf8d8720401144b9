// An edit control that keeps its content acceptable as the operator types.
#include "ui/CMyEdit.h"

#include <limits>
#include <string>

#include "device/Utf8Field.h"
#include "ui/Dialog.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace ui {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A position beyond any text: the edit limits it to the end of its text.
constexpr int kTextEnd = std::numeric_limits<int>::max();

// Replaces the edit's text. Setting a text puts the caret at its start, so it goes back to
// where the operator was typing (or to the end), within the new text.
void Replace(Window& window, int id, std::u16string_view text, bool caretAtEnd = false) {
    const int caret = caretAtEnd ? kTextEnd : window.EditSelection(id).end;
    window.SetControlText(id, text);
    window.SetEditSelection(id, caret, caret);
}

}  // namespace

void CMyEdit::Attach(Dialog& dialog, int id) {
    dialog.SubclassControl(id, *this);
}

void CMyEdit::SetNumeric(std::int32_t minimum, std::int32_t maximum) {
    numericMode = 1;
    minimumValue = minimum;
    maximumValue = maximum;
}

void CMyEdit::SetTextLimit(std::int32_t maximumBytes) {
    numericMode = 0;
    maximumSize = maximumBytes;
}

bool CMyEdit::OnReflectedCommand(Dialog& parent, int id, int code) {
    if (code != kEnChange)
        return false;
    if (numericMode) {
        if (!CheckNumber(parent, id))
            return true;
    } else {
        CheckText(parent, id);
    }
    parent.ForwardCommand(id, code);
    return true;
}

bool CMyEdit::CheckNumber(Dialog& parent, int id) {
    Window& window = parent.GetWindow();
    const std::u16string text = window.ControlText(id);
    if (text.empty()) {
        // The replacement raises a change of its own, which reaches the dialog.
        // The caret goes after the "0", where the next typed digit continues the number.
        Replace(window, id, u"0", true);
        return false;
    }
    if (!IsDigit(text[0])) {
        // Only pasting puts such a text into a number edit.
        Replace(window, id, Format("%d", minimumValue));
        return false;
    }
    // The text starts with a digit: its number, saturated at the i32 range.
    const std::int32_t value = IntegerFromText(text);
    if (value > maximumValue) {
        Replace(window, id, Format("%d", maximumValue));
    } else if (value < minimumValue) {
        Replace(window, id, Format("%d", minimumValue));
    }
    return true;
}

void CMyEdit::CheckText(Dialog& parent, int id) {
    Window& window = parent.GetWindow();
    std::u16string text = window.ControlText(id);
    const std::size_t original = text.size();
    while (!text.empty() && std::int64_t(device::Utf8Size(text)) + 1 > maximumSize) {
        // Drop one whole character: both halves of a surrogate pair go together.
        const bool pair = text.size() >= 2 && text.back() >= 0xDC00 && text.back() <= 0xDFFF &&
                          text[text.size() - 2] >= 0xD800 && text[text.size() - 2] <= 0xDBFF;
        text.resize(text.size() - (pair ? 2 : 1));
    }
    if (text.size() != original)
        Replace(window, id, text);
}

}  // namespace ui
