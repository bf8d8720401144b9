// A real dialog window.
#include "ui/win32/Win32Window.h"

#include <algorithm>

#include <commdlg.h>

#include "ui/Styles.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Graphics.h"

namespace ui::win32 {

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string FromWide(const wchar_t* text, std::size_t length) {
    return std::u16string(text, text + length);
}

std::u16string WindowText(HWND hwnd) {
    if (!hwnd)
        return {};
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring buffer(std::size_t(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return FromWide(buffer.data(), std::size_t(std::max(copied, 0)));
}

HWND Win32Window::Item(int id) const {
    if (!hwnd_)
        return nullptr;
    const auto found = items_.find(id);
    if (found != items_.end())
        return found->second;
    HWND item = GetDlgItem(hwnd_, id);
    if (item)
        items_.emplace(id, item);
    return item;
}

LRESULT Win32Window::Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    HWND item = Item(id);
    return item ? SendMessageW(item, message, wParam, lParam) : 0;
}

void Win32Window::SetCaption(std::u16string_view text) {
    SetWindowTextW(hwnd_, Wide(text).c_str());
}

std::u16string Win32Window::Caption() const {
    return WindowText(hwnd_);
}

void Win32Window::Show(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Win32Window::IsShown() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

void Win32Window::Move(const Rect& rect, bool repaint) {
    MoveWindow(hwnd_, rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

Rect Win32Window::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    HWND parent = GetParent(hwnd_);
    if (parent && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return Rect{r.left, r.top, r.right, r.bottom};
}

Rect Win32Window::ClientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Window::SetFont(const FontHandle& font, bool redraw) {
    const auto& win32Font = static_cast<const Win32Font&>(font);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(win32Font.Get()), redraw);
}

void Win32Window::EndModal(int result) {
    EndDialog(hwnd_, result);
}

void Win32Window::Destroy() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void Win32Window::SetTimer(int timerId, unsigned milliseconds) {
    ::SetTimer(hwnd_, UINT_PTR(timerId), milliseconds, nullptr);
}

void Win32Window::KillTimer(int timerId) {
    ::KillTimer(hwnd_, UINT_PTR(timerId));
}

int Win32Window::MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) {
    return MessageBoxW(hwnd_, Wide(text).c_str(), Wide(caption).c_str(), type);
}

void Win32Window::AppendSystemMenuItem(int id, std::u16string_view text) {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (!menu)
        return;
    if (id == 0)
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else
        AppendMenuW(menu, MF_STRING, UINT_PTR(id), Wide(text).c_str());
}

std::optional<std::u16string> Win32Window::FileDialog(const FileDialogRequest& request) {
    // The filter is pairs of description and pattern, each ended by a null, and one more.
    std::wstring filter = Wide(request.filterName);
    filter.push_back(L'\0');
    filter += Wide(request.pattern);
    filter.push_back(L'\0');
    const std::wstring title = Wide(request.title);
    const std::wstring extension = Wide(request.defaultExtension);
    std::wstring path(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = DWORD(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    const bool save = request.kind == FileDialogKind::Save;
    dialog.Flags |= save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return std::nullopt;
    return FromWide(path.c_str(), wcslen(path.c_str()));
}

bool Win32Window::IsEdit(int id, HWND item) const {
    const auto found = edits_.find(id);
    if (found != edits_.end())
        return found->second;
    wchar_t className[8] = {};
    const bool edit = GetClassNameW(item, className, 8) && lstrcmpiW(className, L"Edit") == 0;
    edits_.emplace(id, edit);
    return edit;
}

Rect Win32Window::ControlClientRect(int id) const {
    RECT r{};
    if (HWND item = Item(id))
        GetClientRect(item, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Window::SetControlText(int id, std::u16string_view text) {
    // A caption that already reads so is left alone: setting a window's text costs a round
    // trip to the window system. An edit always takes it, as its change notification follows.
    HWND item = Item(id);
    if (item && !IsEdit(id, item) && WindowText(item) == text)
        return;
    SetDlgItemTextW(hwnd_, id, Wide(text).c_str());
}

std::u16string Win32Window::ControlText(int id) const {
    return WindowText(Item(id));
}

void Win32Window::ShowControl(int id, bool visible) {
    HWND item = Item(id);
    if (item && bool(GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE) != visible)
        ShowWindow(item, visible ? SW_SHOW : SW_HIDE);
}

bool Win32Window::IsControlShown(int id) const {
    HWND item = Item(id);
    return item && (GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE);
}

void Win32Window::EnableControl(int id, bool enabled) {
    if (HWND item = Item(id))
        EnableWindow(item, enabled);
}

bool Win32Window::IsControlEnabled(int id) const {
    HWND item = Item(id);
    return item && IsWindowEnabled(item);
}

void Win32Window::SetFocus(int id) {
    if (HWND item = Item(id))
        SendMessageW(hwnd_, WM_NEXTDLGCTL, WPARAM(item), TRUE);
}

void Win32Window::SetControlRedraw(int id, bool redraw) {
    Send(id, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw)
        Invalidate(id);
}

void Win32Window::Invalidate(int id) {
    if (HWND item = Item(id))
        InvalidateRect(item, nullptr, TRUE);
}

void Win32Window::SetEditSelection(int id, int start, int end) {
    Send(id, EM_SETSEL, WPARAM(start), LPARAM(end));
}

TextRange Win32Window::EditSelection(int id) const {
    DWORD start = 0;
    DWORD end = 0;
    Send(id, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return TextRange{int(start), int(end)};
}

void Win32Window::SetCheck(int id, bool checked) {
    // Setting the state it has already repaints the button for nothing.
    if (IsChecked(id) != checked)
        CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32Window::IsChecked(int id) const {
    return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED;
}

std::vector<int> Win32Window::RadioGroup(int firstId) const {
    std::vector<int> group;
    HWND item = Item(firstId);
    for (; item; item = GetWindow(item, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(item, GWL_STYLE);
        if (!group.empty() && (style & WS_GROUP))
            break;
        const LONG type = style & BS_TYPEMASK;
        wchar_t className[16] = {};
        GetClassNameW(item, className, 16);
        if (lstrcmpiW(className, L"Button") == 0 &&
            (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)) {
            group.push_back(GetDlgCtrlID(item));
        }
    }
    return group;
}

int Win32Window::ComboAddString(int id, std::u16string_view text) {
    const std::wstring wide = Wide(text);
    return int(Send(id, CB_ADDSTRING, 0, LPARAM(wide.c_str())));
}

void Win32Window::ComboSetItemData(int id, int index, ItemData data) {
    Send(id, CB_SETITEMDATA, WPARAM(index), LPARAM(data));
}

ItemData Win32Window::ComboItemData(int id, int index) const {
    return ItemData(Send(id, CB_GETITEMDATA, WPARAM(index)));
}

int Win32Window::ComboCount(int id) const {
    return int(Send(id, CB_GETCOUNT));
}

std::u16string Win32Window::ComboItemText(int id, int index) const {
    const LRESULT length = Send(id, CB_GETLBTEXTLEN, WPARAM(index));
    if (length < 0)
        return {};
    std::wstring buffer(std::size_t(length) + 1, L'\0');
    const LRESULT copied = Send(id, CB_GETLBTEXT, WPARAM(index), LPARAM(buffer.data()));
    return FromWide(buffer.data(), std::size_t(std::max<LRESULT>(copied, 0)));
}

void Win32Window::ComboSetCurSel(int id, int index) {
    Send(id, CB_SETCURSEL, WPARAM(index));
}

int Win32Window::ComboCurSel(int id) const {
    return int(Send(id, CB_GETCURSEL));
}

int Win32Window::ComboSelectString(int id, int startAfter, std::u16string_view prefix) {
    const std::wstring wide = Wide(prefix);
    return int(Send(id, CB_SELECTSTRING, WPARAM(startAfter), LPARAM(wide.c_str())));
}

void Win32Window::ComboResetContent(int id) {
    Send(id, CB_RESETCONTENT);
}

void Win32Window::SetAddress(int id, std::uint32_t address) {
    Send(id, IPM_SETADDRESS, 0, LPARAM(address));
}

std::uint32_t Win32Window::Address(int id) const {
    DWORD address = 0;
    Send(id, IPM_GETADDRESS, 0, LPARAM(&address));
    return address;
}

void Win32Window::SetDateTime(int id, const DateTimeValue& value) {
    SYSTEMTIME time{};
    time.wYear = WORD(value.year);
    time.wMonth = WORD(value.month);
    time.wDay = WORD(value.day);
    time.wHour = WORD(value.hour);
    time.wMinute = WORD(value.minute);
    time.wSecond = WORD(value.second);
    Send(id, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&time));
}

DateTimeValue Win32Window::GetDateTime(int id) const {
    SYSTEMTIME time{};
    Send(id, DTM_GETSYSTEMTIME, 0, LPARAM(&time));
    return DateTimeValue{time.wYear, time.wMonth,  time.wDay,
                         time.wHour, time.wMinute, time.wSecond};
}

void Win32Window::SetDateTimeFormat(int id, std::u16string_view format) {
    const std::wstring wide = Wide(format);
    Send(id, DTM_SETFORMATW, 0, LPARAM(wide.c_str()));
}

void Win32Window::ListInsertColumn(int id, int column, std::u16string_view title, int width) {
    std::wstring wide = Wide(title);
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.fmt = LVCFMT_LEFT;
    lvc.cx = width;
    lvc.pszText = wide.data();
    lvc.iSubItem = column;
    Send(id, LVM_INSERTCOLUMNW, WPARAM(column), LPARAM(&lvc));
}

int Win32Window::ListInsertItem(int id, int row, std::u16string_view text) {
    std::wstring wide = Wide(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = wide.data();
    return int(Send(id, LVM_INSERTITEMW, 0, LPARAM(&item)));
}

void Win32Window::ListSetItemText(int id, int row, int column, std::u16string_view text) {
    std::wstring wide = Wide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    Send(id, LVM_SETITEMTEXTW, WPARAM(row), LPARAM(&item));
}

std::u16string Win32Window::ListItemText(int id, int row, int column) const {
    wchar_t buffer[260] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 260;
    const LRESULT length = Send(id, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
    return FromWide(buffer, std::size_t(std::max<LRESULT>(length, 0)));
}

int Win32Window::ListItemCount(int id) const {
    return int(Send(id, LVM_GETITEMCOUNT));
}

void Win32Window::ListDeleteAllItems(int id) {
    Send(id, LVM_DELETEALLITEMS);
}

int Win32Window::ListSelectedRow(int id) const {
    return int(Send(id, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void Win32Window::ListSetExtendedStyle(int id, std::uint32_t style) {
    Send(id, LVM_SETEXTENDEDLISTVIEWSTYLE, WPARAM(style), LPARAM(style));
}

void Win32Window::TreeSetImageList(int id, const ImageListHandle& images) {
    const auto& list = static_cast<const Win32ImageList&>(images);
    Send(id, TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(list.Get()));
}

TreeItem Win32Window::TreeInsertItem(int id, TreeItem parent, std::u16string_view text, int image,
                                     int selectedImage) {
    std::wstring wide = Wide(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent == kTreeRoot ? TVI_ROOT : reinterpret_cast<HTREEITEM>(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = wide.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return TreeItem(Send(id, TVM_INSERTITEMW, 0, LPARAM(&insert)));
}

void Win32Window::TreeExpand(int id, TreeItem item) {
    Send(id, TVM_EXPAND, TVE_EXPAND, item);
}

TreeItem Win32Window::TreeSelection(int id) const {
    return TreeItem(Send(id, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

std::u16string Win32Window::TreeItemText(int id, TreeItem item) const {
    if (item == 0)
        return {};
    wchar_t buffer[260] = {};
    TVITEMW tvi{};
    tvi.mask = TVIF_TEXT;
    tvi.hItem = reinterpret_cast<HTREEITEM>(item);
    tvi.pszText = buffer;
    tvi.cchTextMax = 260;
    if (!Send(id, TVM_GETITEMW, 0, LPARAM(&tvi)))
        return {};
    return FromWide(buffer, wcsnlen(buffer, 260));
}

void Win32Window::TreeSelect(int id, TreeItem item) {
    Send(id, TVM_SELECTITEM, TVGN_CARET, LPARAM(item));
}

void Win32Window::TreeSetItemBold(int id, TreeItem item, bool bold) {
    if (item == 0)
        return;
    TVITEMW tvi{};
    tvi.mask = TVIF_HANDLE | TVIF_STATE;
    tvi.hItem = reinterpret_cast<HTREEITEM>(item);
    tvi.stateMask = TVIS_BOLD;
    tvi.state = bold ? TVIS_BOLD : 0;
    Send(id, TVM_SETITEMW, 0, LPARAM(&tvi));
}

bool Win32Window::TreeItemBold(int id, TreeItem item) const {
    if (item == 0)
        return false;
    return (Send(id, TVM_GETITEMSTATE, WPARAM(item), TVIS_BOLD) & TVIS_BOLD) != 0;
}

}  // namespace ui::win32
