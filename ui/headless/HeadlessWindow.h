// A dialog window of the headless backend: its controls live in memory, built from the
// dialog template, and behave like the platform's controls in what the dialogs rely on
// (which changes raise notifications, select-string, radio groups, visibility).
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/Window.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {
class Dialog;
}

namespace ui::headless {

class HeadlessBackend;

class HeadlessWindow : public Window {
  public:
    HeadlessWindow(HeadlessBackend& backend, Dialog& dialog, const DialogTemplate& tmpl,
                   HeadlessWindow* parent, bool modal);

    Dialog& dialog() const { return *dialog_; }
    HeadlessWindow* parent() const { return parent_; }
    bool IsModal() const { return modal_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    bool Destroyed() const { return destroyed_; }
    int TemplateId() const { return templateId_; }
    const FontHandle* Font() const { return font_; }
    // Running timers and their periods in milliseconds.
    const std::map<int, unsigned>& Timers() const { return timers_; }
    const std::vector<HeadlessControl>& Controls() const { return controls_; }

    HeadlessControl* FindControl(int id);
    const HeadlessControl* FindControl(int id) const;
    // Marks the window destroyed without notifying anyone (the backend does that).
    void MarkDestroyed() { destroyed_ = true; }

    // Window.
    void SetCaption(std::u16string_view text) override { caption_ = text; }
    std::u16string Caption() const override { return caption_; }
    void Show(bool visible) override { visible_ = visible; }
    bool IsShown() const override { return visible_; }
    void Move(const Rect& rect, bool repaint) override;
    Rect WindowRect() const override { return rect_; }
    Rect ClientRect() const override { return Rect{0, 0, rect_.Width(), rect_.Height()}; }
    void SetFont(const FontHandle& font, bool redraw) override;
    void EndModal(int result) override;
    void Destroy() override;
    void SetTimer(int timerId, unsigned milliseconds) override;
    void KillTimer(int timerId) override { timers_.erase(timerId); }
    int MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) override;
    void AppendSystemMenuItem(int id, std::u16string_view text) override;
    std::optional<std::u16string> FileDialog(const FileDialogRequest& request) override;

    bool HasControl(int id) const override { return FindControl(id) != nullptr; }
    Rect ControlClientRect(int id) const override;
    void SetControlText(int id, std::u16string_view text) override;
    std::u16string ControlText(int id) const override;
    void ShowControl(int id, bool visible) override;
    bool IsControlShown(int id) const override;
    void EnableControl(int id, bool enabled) override;
    bool IsControlEnabled(int id) const override;
    void SetFocus(int id) override { DialogFocus(id); }
    void Invalidate(int id) override { invalidated_.insert(id); }
    // Nothing is drawn here; only a control the template lacks is noted.
    void SetControlRedraw(int id, bool) override { Used(id, "SetControlRedraw"); }
    // Whether the control waits for a paint since it was last painted.
    bool IsInvalidated(int id) const { return invalidated_.count(id) != 0; }
    void Validate(int id) { invalidated_.erase(id); }

    void SetEditSelection(int id, int start, int end) override;
    TextRange EditSelection(int id) const override;

    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    std::vector<int> RadioGroup(int firstId) const override;

    int ComboAddString(int id, std::u16string_view text) override;
    void ComboSetItemData(int id, int index, ItemData data) override;
    ItemData ComboItemData(int id, int index) const override;
    int ComboCount(int id) const override;
    std::u16string ComboItemText(int id, int index) const override;
    void ComboSetCurSel(int id, int index) override;
    int ComboCurSel(int id) const override;
    int ComboSelectString(int id, int startAfter, std::u16string_view prefix) override;
    void ComboResetContent(int id) override;

    void SetAddress(int id, std::uint32_t address) override;
    std::uint32_t Address(int id) const override;

    void SetDateTime(int id, const DateTimeValue& value) override;
    DateTimeValue GetDateTime(int id) const override;
    void SetDateTimeFormat(int id, std::u16string_view format) override;

    void ListInsertColumn(int id, int column, std::u16string_view title, int width) override;
    int ListInsertItem(int id, int row, std::u16string_view text) override;
    void ListSetItemText(int id, int row, int column, std::u16string_view text) override;
    std::u16string ListItemText(int id, int row, int column) const override;
    int ListItemCount(int id) const override;
    void ListDeleteAllItems(int id) override;
    int ListSelectedRow(int id) const override;
    void ListSetExtendedStyle(int id, std::uint32_t style) override;

    void TreeSetImageList(int id, const ImageListHandle& images) override;
    TreeItem TreeInsertItem(int id, TreeItem parent, std::u16string_view text, int image,
                            int selectedImage) override;
    void TreeExpand(int id, TreeItem item) override;
    TreeItem TreeSelection(int id) const override;
    void TreeSelect(int id, TreeItem item) override;
    std::u16string TreeItemText(int id, TreeItem item) const override;
    void TreeSetItemBold(int id, TreeItem item, bool bold) override;
    bool TreeItemBold(int id, TreeItem item) const override;

    // What an operator does, raising the notifications the platform's controls raise.
    // Each returns false when the control cannot take the input (missing, hidden, disabled).
    bool UserClick(int id);
    bool UserPick(int id, int index);
    // Typing and pasting into an edit select its whole text first.
    bool UserType(int id, std::u16string_view text);
    bool UserPaste(int id, std::u16string_view text);
    // Focuses an edit as the dialog does, then selects in it as EM_SETSEL does.
    bool UserSelectText(int id, int start, int end);
    // Typing a character, one notification each: it replaces the selection and the caret
    // follows it; a backspace deletes the selection, else the unit before the caret; other
    // control characters do nothing, and a number-only edit refuses all but digits.
    bool UserTypeAtCaret(int id, std::u16string_view text);
    // Pasting replaces the selection as one change.
    bool UserPasteAtCaret(int id, std::u16string_view text);
    bool UserSetDateTime(int id, const DateTimeValue& value);
    bool UserSetAddress(int id, std::uint32_t address);
    bool UserSelectTreeItem(int id, TreeItem item);
    // Tab or Shift+Tab, as the dialog manager of this top-level dialog moves the focus: over
    // the controls with a tab stop that are shown and enabled, in template order, and those
    // of shown child dialogs that are control parents, after this dialog's own controls.
    void UserTab(bool backwards);
    // Enter, as the dialog manager of this window takes it: a focused push button of the window
    // or of a page hosted in it is pressed, and its command goes to the dialog that owns it;
    // elsewhere Enter is the window's default button, or OK when it has none.
    void UserEnter();
    // Selects one row of a list view (clicking it), clearing any other selection.
    bool UserSelectRow(int id, int row);
    // Chooses an item the dialog added to the system menu; false when there is none by that
    // id (a separator is none).
    bool UserSystemCommand(int id);
    // The system menu's added items in order, id 0 for a separator.
    const std::vector<std::pair<int, std::u16string>>& SystemMenu() const { return systemMenu_; }
    int Focus() const { return focus_; }
    // No control of this window has the focus any more: another window's control took it.
    void LoseFocus() { MoveFocus(-1); }
    // What the platform does when a dialog's initialisation asks for the default focus.
    void FocusFirstTabStop();
    // Whether the control exists and the operator can reach it (shown and enabled).
    bool CanTakeInput(int id) { return Usable(id) != nullptr; }

  private:
    HeadlessControl* Usable(int id);
    // The control a dialog addresses: a missing control, or one of another kind than the
    // operation needs, is reported to the backend as a misuse and yields null.
    HeadlessControl* Used(int id, const char* operation,
                          std::initializer_list<ControlKind> kinds = {}) const;
    void NotifyCommand(int id, int code);
    // Moves the focus, telling the common controls that lose and take it, as they do.
    void MoveFocus(int id);
    // The dialog's own way to focus a control, which selects the whole text of an edit.
    void DialogFocus(int id);
    HeadlessControl* UsableEdit(int id);
    // Puts text in place of the edit's selection and the caret after it; false when that
    // changes nothing.
    static bool ReplaceSelection(HeadlessControl& edit, std::u16string_view text);
    void NotifyOther(int id, int code);
    const TreeNode* FindNode(const HeadlessControl& tree, TreeItem item) const;

    HeadlessBackend* backend_;
    Dialog* dialog_;
    HeadlessWindow* parent_;
    int templateId_;
    bool modal_;
    bool controlParent_;  // a child dialog whose controls join its parent's tab order
    std::u16string caption_;
    bool visible_ = false;
    Rect rect_;
    const FontHandle* font_ = nullptr;
    std::vector<HeadlessControl> controls_;
    std::map<int, unsigned> timers_;
    std::set<int> invalidated_;
    int focus_ = -1;
    bool ended_ = false;
    int result_ = 0;
    bool destroyed_ = false;
    TreeItem nextTreeItem_ = 1;
    std::vector<std::pair<int, std::u16string>> systemMenu_;
};

}  // namespace ui::headless
