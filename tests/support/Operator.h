// What an operator does with the configuration window and sees on it. Scenarios are written
// once against this; one implementation drives the headless backend, another real windows.
// Actions on controls address the open sub-dialog when there is one, else the visible page.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/DateTimeValue.h"
#include "ui/Geometry.h"
#include "ui/Window.h"

namespace ui {
// How GoogleTest shows a selection.
inline void PrintTo(const TextRange& range, std::ostream* out) {
    *out << "[" << range.start << ", " << range.end << ")";
}
}  // namespace ui

namespace testsupport {

struct MessageBoxSeen {
    bool ownedByDesktop = false;
    std::u16string ownerCaption;
    std::u16string text;
    std::u16string caption;
    unsigned type = 0;
};

// A rectangle drawn in red on a control, with the control's client area.
struct PaintedRect {
    ui::Rect rect;
    ui::Rect client;
};

// A progress window of a session: its texts, each position of its bar as the screen showed
// it, and how many dialog windows there were when it closed.
struct ProgressSeen {
    std::u16string caption;
    std::u16string text;
    std::vector<std::pair<int, int>> steps;  // done, total
    bool alwaysVisible = true;
    int dialogsWhenClosed = -1;
};

// A standard Save or Open dialog as the operator sees it.
struct FileDialogSeen {
    std::u16string title;
    std::u16string filter;  // the file type it offers
};

// An item of the main window's system menu: its command id and text (0 and empty: a
// separator).
struct SystemMenuItemSeen {
    int id = 0;
    std::u16string text;
    friend bool operator==(const SystemMenuItemSeen&, const SystemMenuItemSeen&) = default;
};

struct TreeNodeSeen {
    std::u16string text;
    int depth = 0;  // 0 for the root
    int image = -1;
    int selectedImage = -1;
    bool expanded = false;
    bool bold = false;
};

// Keys an operator presses, which reach the window the way a keyboard's do.
enum class Key { Tab, ShiftTab, Escape, AltF4, Enter };

// Where the input focus is: the control's id and the caption of the dialog holding it.
struct FocusSeen {
    std::u16string dialog;
    int id = 0;
    friend bool operator==(const FocusSeen&, const FocusSeen&) = default;
};

class Operator {
  public:
    virtual ~Operator() = default;

    // The main window.
    virtual std::u16string WindowCaption() = 0;
    virtual std::vector<TreeNodeSeen> TreeNodes() = 0;
    // The captions of the nodes shown in bold: the pages with edits not sent.
    std::vector<std::u16string> BoldNodes() {
        std::vector<std::u16string> bold;
        for (const TreeNodeSeen& seen : TreeNodes()) {
            if (seen.bold)
                bold.push_back(seen.text);
        }
        return bold;
    }
    virtual std::u16string SelectedTreeItem() = 0;  // empty: nothing selected
    virtual void SelectTreeItem(std::u16string_view text) = 0;
    virtual std::vector<std::u16string> VisiblePages() = 0;  // captions of the shown pages
    virtual void Close() = 0;                                // the window's close box
    // Presses a key in whatever has the focus; returns once the window waits again.
    virtual void Press(Key key) = 0;
    virtual FocusSeen Focused() = 0;
    // The system menu: its items, ending with those the window added, and choosing one.
    virtual std::vector<SystemMenuItemSeen> SystemMenuItems() = 0;
    virtual void ChooseSystemMenuItem(int id) = 0;

    // Controls.
    virtual void Click(int id) = 0;
    virtual void Pick(int id, int index) = 0;
    // Clicks a row of a list view, which selects it alone.
    virtual void SelectRow(int id, int row) = 0;
    // Typing and pasting into an edit first select its whole text. Typing is one character
    // at a time: "\b" is the backspace key.
    virtual void Type(int id, std::u16string_view text) = 0;
    virtual void Paste(int id, std::u16string_view text) = 0;
    // Focuses an edit and selects in it as EM_SETSEL does (0, -1: all; start -1: nothing).
    virtual void SelectText(int id, int start, int end) = 0;
    // Types or pastes over the edit's selection, at its caret.
    virtual void TypeAtCaret(int id, std::u16string_view text) = 0;
    virtual void PasteAtCaret(int id, std::u16string_view text) = 0;
    virtual void EnterAddress(int id, std::uint32_t address) = 0;  // an IP-address control
    virtual void EnterDateTime(int id, const ui::DateTimeValue& value) = 0;  // a picker
    virtual void Focus(int id) = 0;  // moves the input focus to the control
    virtual std::u16string Text(int id) = 0;
    virtual ui::TextRange TextSelection(int id) = 0;  // of an edit: where its caret stands
    virtual std::uint32_t Address(int id) = 0;
    virtual ui::DateTimeValue DateTime(int id) = 0;
    // Delivers one tick of a timer of the dialog; false when that timer is not running.
    virtual bool TickTimer(int timerId) = 0;
    virtual bool IsVisible(int id) = 0;
    virtual bool IsEnabled(int id) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual std::vector<std::u16string> Entries(int id) = 0;       // of a drop-down list
    virtual int Selection(int id) = 0;                             // of a drop-down list
    virtual std::vector<std::u16string> ColumnTitles(int id) = 0;  // of a list view
    virtual std::vector<std::vector<std::u16string>> Rows(int id) = 0;
    // Has the control painted afresh and returns what it drew in red, in drawing order.
    virtual std::vector<PaintedRect> Painted(int id) = 0;

    // Message boxes.
    virtual std::optional<MessageBoxSeen> OpenMessageBox() = 0;
    virtual void AnswerMessageBox(int button) = 0;

    // The standard file dialogs: the open one, and choosing a file in it (nothing: Cancel).
    virtual std::optional<FileDialogSeen> OpenFileDialog() = 0;
    virtual void AnswerFileDialog(const std::optional<std::u16string>& path) = 0;

    // Runs code on the dialogs' thread while it waits for input, and returns when it is done:
    // for tests of the framework itself, which call what the dialogs call.
    virtual void OnDialogThread(const std::function<void()>& action) = 0;
};

}  // namespace testsupport
