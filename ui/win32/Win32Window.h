// A real dialog window: the Window operations as messages to the dialog and its controls.
#pragma once

#include "ui/win32/WinApi.h"

#include <exception>
#include <unordered_map>
#include <utility>

#include "ui/Window.h"

namespace ui {
class Dialog;
}

namespace ui::win32 {

class Win32Window : public Window {
  public:
    Win32Window(Dialog& dialog, bool modal) : dialog_(&dialog), modal_(modal) {}

    Dialog& dialog() const { return *dialog_; }
    HWND hwnd() const { return hwnd_; }
    void Attach(HWND hwnd) {
        hwnd_ = hwnd;
        items_.clear();
    }
    bool IsModal() const { return modal_; }
    // A failure of the dialog's initialisation, kept for the function that makes the window.
    void KeepInitFailure(std::exception_ptr failure) { initFailure_ = std::move(failure); }
    std::exception_ptr TakeInitFailure() { return std::exchange(initFailure_, nullptr); }

    void SetCaption(std::u16string_view text) override;
    std::u16string Caption() const override;
    void Show(bool visible) override;
    bool IsShown() const override;
    void Move(const Rect& rect, bool repaint) override;
    Rect WindowRect() const override;
    Rect ClientRect() const override;
    void SetFont(const FontHandle& font, bool redraw) override;
    void EndModal(int result) override;
    void Destroy() override;
    void SetTimer(int timerId, unsigned milliseconds) override;
    void KillTimer(int timerId) override;
    int MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) override;
    void AppendSystemMenuItem(int id, std::u16string_view text) override;
    std::optional<std::u16string> FileDialog(const FileDialogRequest& request) override;

    bool HasControl(int id) const override { return Item(id) != nullptr; }
    Rect ControlClientRect(int id) const override;
    void SetControlText(int id, std::u16string_view text) override;
    std::u16string ControlText(int id) const override;
    void ShowControl(int id, bool visible) override;
    bool IsControlShown(int id) const override;
    void EnableControl(int id, bool enabled) override;
    bool IsControlEnabled(int id) const override;
    void SetFocus(int id) override;
    void Invalidate(int id) override;
    void SetControlRedraw(int id, bool redraw) override;

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

  private:
    // The control with this id; looked up once, since a control lives as long as its dialog
    // and each lookup is a costly call under Wine.
    HWND Item(int id) const;
    // Whether the control is an edit, asked of the window system once per control.
    bool IsEdit(int id, HWND item) const;
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    Dialog* dialog_;
    bool modal_;
    HWND hwnd_ = nullptr;
    mutable std::unordered_map<int, HWND> items_;
    mutable std::unordered_map<int, bool> edits_;
    std::exception_ptr initFailure_;
};

// UTF-16 of the portable code to the platform's wide strings and back.
std::wstring Wide(std::u16string_view text);
std::u16string FromWide(const wchar_t* text, std::size_t length);
std::u16string WindowText(HWND hwnd);

}  // namespace ui::win32
