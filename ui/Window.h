// One dialog window of a backend, with its controls addressed by id. Dialogs and control
// wrappers use only this; each backend implements it (real windows, or memory for tests).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/DateTimeValue.h"
#include "ui/FileDialog.h"
#include "ui/Geometry.h"

namespace ui {

class FontHandle;
class ImageListHandle;

using ItemData = std::intptr_t;
using TreeItem = std::uintptr_t;  // 0 = no item
inline constexpr TreeItem kTreeRoot = 0;

// A part of an edit's text in UTF-16 units, start <= end; empty when only the caret stands.
struct TextRange {
    int start = 0;
    int end = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

class Window {
  public:
    virtual ~Window() = default;

    // The dialog window itself.
    virtual void SetCaption(std::u16string_view text) = 0;
    virtual std::u16string Caption() const = 0;
    virtual void Show(bool visible) = 0;
    virtual bool IsShown() const = 0;
    // Pixels, relative to the parent's client area.
    virtual void Move(const Rect& rect, bool repaint) = 0;
    virtual Rect WindowRect() const = 0;
    virtual Rect ClientRect() const = 0;
    virtual void SetFont(const FontHandle& font, bool redraw) = 0;
    virtual void EndModal(int result) = 0;
    virtual void Destroy() = 0;
    virtual void SetTimer(int timerId, unsigned milliseconds) = 0;
    virtual void KillTimer(int timerId) = 0;
    // A message box owned by this window; returns the button pressed.
    virtual int MessageBox(std::u16string_view text, std::u16string_view caption,
                           unsigned type) = 0;
    // Appends an item to the window's system menu, after what it holds; id 0 appends a
    // separator. Choosing the item raises a system command with its id.
    virtual void AppendSystemMenuItem(int id, std::u16string_view text) = 0;
    // The standard Save or Open dialog, owned by this window: the chosen file's full path, or
    // nothing when the operator cancelled.
    virtual std::optional<std::u16string> FileDialog(const FileDialogRequest& request) = 0;

    // Any control.
    virtual bool HasControl(int id) const = 0;
    virtual Rect ControlClientRect(int id) const = 0;
    virtual void SetControlText(int id, std::u16string_view text) = 0;
    virtual std::u16string ControlText(int id) const = 0;
    virtual void ShowControl(int id, bool visible) = 0;
    virtual bool IsControlShown(int id) const = 0;
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual bool IsControlEnabled(int id) const = 0;
    virtual void SetFocus(int id) = 0;
    virtual void Invalidate(int id) = 0;
    // Stops a control redrawing itself after each change, or lets it again and redraws it.
    virtual void SetControlRedraw(int id, bool redraw) = 0;

    // Edits. Setting the text selects nothing and puts the caret at the start. Setting the
    // selection raises no notification: it runs from start to end, where the caret stands;
    // positions beyond the text stand at its end (end -1: the end), and start -1 keeps the
    // caret and selects nothing.
    virtual void SetEditSelection(int id, int start, int end) = 0;
    virtual TextRange EditSelection(int id) const = 0;

    // Check boxes and radio buttons. A radio group runs in template order from a button with
    // the group style to the next control with it.
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual std::vector<int> RadioGroup(int firstId) const = 0;

    // Drop-down lists. Setting the selection raises no notification.
    virtual int ComboAddString(int id, std::u16string_view text) = 0;
    virtual void ComboSetItemData(int id, int index, ItemData data) = 0;
    virtual ItemData ComboItemData(int id, int index) const = 0;
    virtual int ComboCount(int id) const = 0;
    virtual std::u16string ComboItemText(int id, int index) const = 0;
    virtual void ComboSetCurSel(int id, int index) = 0;
    virtual int ComboCurSel(int id) const = 0;
    // Selects the first entry after startAfter (wrapping; -1 = from the top) whose text
    // begins with prefix, ignoring case. Returns its index or -1, leaving the selection.
    virtual int ComboSelectString(int id, int startAfter, std::u16string_view prefix) = 0;
    virtual void ComboResetContent(int id) = 0;

    // IP-address controls: a.b.c.d as (a << 24) | (b << 16) | (c << 8) | d.
    virtual void SetAddress(int id, std::uint32_t address) = 0;
    virtual std::uint32_t Address(int id) const = 0;

    // Date and time pickers. Setting the value raises no notification.
    virtual void SetDateTime(int id, const DateTimeValue& value) = 0;
    virtual DateTimeValue GetDateTime(int id) const = 0;
    // How the picker shows its value, in the platform's format pictures (e.g. "HH:mm").
    virtual void SetDateTimeFormat(int id, std::u16string_view format) = 0;

    // List views in report style.
    virtual void ListInsertColumn(int id, int column, std::u16string_view title, int width) = 0;
    virtual int ListInsertItem(int id, int row, std::u16string_view text) = 0;
    virtual void ListSetItemText(int id, int row, int column, std::u16string_view text) = 0;
    virtual std::u16string ListItemText(int id, int row, int column) const = 0;
    virtual int ListItemCount(int id) const = 0;
    virtual void ListDeleteAllItems(int id) = 0;
    virtual int ListSelectedRow(int id) const = 0;
    // Extended list view styles (grid lines, full-row selection).
    virtual void ListSetExtendedStyle(int id, std::uint32_t style) = 0;

    // Tree views. Items are appended last under their parent.
    virtual void TreeSetImageList(int id, const ImageListHandle& images) = 0;
    virtual TreeItem TreeInsertItem(int id, TreeItem parent, std::u16string_view text, int image,
                                    int selectedImage) = 0;
    virtual void TreeExpand(int id, TreeItem item) = 0;
    virtual TreeItem TreeSelection(int id) const = 0;
    // Selects an item as the operator would, raising the selection-changed notification when
    // the selection changes.
    virtual void TreeSelect(int id, TreeItem item) = 0;
    virtual std::u16string TreeItemText(int id, TreeItem item) const = 0;
    // Shows an item's text in bold, or in the tree's own font again.
    virtual void TreeSetItemBold(int id, TreeItem item, bool bold) = 0;
    virtual bool TreeItemBold(int id, TreeItem item) const = 0;
};

}  // namespace ui
