// The operator of real windows.
#include "tests/support/Win32Operator.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/support/TestWin32Backend.h"
#include "ui/Dialog.h"

namespace testsupport {
namespace {

using ui::win32::Win32Backend;

constexpr UINT kMarkerMessage = WM_APP + 1;
constexpr UINT kRunMessage = WM_APP + 2;  // lParam: the function to run
constexpr int kMessageBoxTextId = 0xFFFF;

std::u16string TextOf(HWND hwnd) {
    wchar_t buffer[1024] = {};
    const int length = hwnd ? GetWindowTextW(hwnd, buffer, 1024) : 0;
    return std::u16string(buffer, buffer + length);
}

// The standard file dialogs' file-name box (cmb13; edt1 in older templates) and type list.
constexpr int kFileNameComboId = 0x47C;
constexpr int kFileNameEditId = 0x480;
constexpr int kFileTypeComboId = 0x470;

bool IsFileDialog(HWND hwnd) {
    return GetDlgItem(hwnd, kFileNameComboId) || GetDlgItem(hwnd, kFileNameEditId);
}

bool IsDialogClass(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ThreadWindows(DWORD thread) {
    std::vector<HWND> windows;
    EnumThreadWindows(thread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

int TemplateOf(HWND hwnd) {
    const ui::win32::Win32Window* window = Win32Backend::FromHandle(hwnd);
    return window ? window->dialog().TemplateId() : 0;
}

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string Narrow16(const wchar_t* text) {
    return std::u16string(text, text + wcslen(text));
}

}  // namespace

std::u16string ItemText(HWND tree, HTREEITEM node) {
    wchar_t text[260] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = 260;
    TreeView_GetItem(tree, &item);
    return Narrow16(text);
}

std::vector<std::pair<HTREEITEM, int>> NodesOf(HWND tree) {
    std::vector<std::pair<HTREEITEM, int>> nodes;
    const std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM first, int depth) {
        for (HTREEITEM node = first; node; node = TreeView_GetNextSibling(tree, node)) {
            nodes.emplace_back(node, depth);
            walk(TreeView_GetChild(tree, node), depth + 1);
        }
    };
    if (tree)
        walk(TreeView_GetRoot(tree), 0);
    return nodes;
}

MarkerWindow::MarkerWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"RavelinTestMarker";
    RegisterClassW(&windowClass);
    hwnd_ = CreateWindowExW(0, L"RavelinTestMarker", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            windowClass.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MarkerWindow::~MarkerWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

LRESULT CALLBACK MarkerWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunMessage) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == kMarkerMessage) {
        auto* self = reinterpret_cast<MarkerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self)
            self->handled_ = long(wParam);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Operator::Sync(HWND closing) {
    const long marker = ++posted_;
    PostMessageW(marker_.hwnd(), kMarkerMessage, WPARAM(marker), 0);
    for (int waited = 0; marker_.Handled() < marker && !(closing && !IsWindow(closing));
         waited += 5) {
        if (waited > 20000) {
            ADD_FAILURE() << "the window did not come back to waiting for input";
            return;
        }
        Sleep(5);
    }
    // A modal dialog shows itself only once its loop finds no message waiting, which may be
    // after the marker was handled: an action that opened one is done when it is shown.
    for (int waited = 0; DialogComingUp(); waited += 5) {
        if (waited > 20000) {
            ADD_FAILURE() << "a dialog was made but never shown";
            return;
        }
        Sleep(5);
    }
}

bool Win32Operator::DialogComingUp() const {
    HWND main = MainWindow();
    for (HWND hwnd : ThreadWindows(uiThread_)) {
        if (hwnd != main && Win32Backend::IsOurs(hwnd) && !IsWindowVisible(hwnd) &&
            !(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) {
            return true;
        }
    }
    return false;
}

bool Win32Operator::WaitForMainWindow(DWORD milliseconds, const std::atomic<bool>& entryReturned) {
    for (DWORD waited = 0; waited < milliseconds && !entryReturned; waited += 10) {
        // The dialog shows itself once its initialisation has made every page.
        HWND main = MainWindow();
        if (main && IsWindowVisible(main)) {
            Sync();
            return true;
        }
        Sleep(10);
    }
    return false;
}

HWND Win32Operator::MainWindow() const {
    for (HWND hwnd : ThreadWindows(uiThread_)) {
        if (Win32Backend::IsOurs(hwnd) && TemplateOf(hwnd) == IDD_MAIN)
            return hwnd;
    }
    return nullptr;
}

HWND Win32Operator::MessageBoxWindow() const {
    for (HWND hwnd : ThreadWindows(uiThread_)) {
        if (IsDialogClass(hwnd) && !Win32Backend::IsOurs(hwnd) && IsWindowVisible(hwnd) &&
            GetDlgItem(hwnd, kMessageBoxTextId) && !IsFileDialog(hwnd)) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND Win32Operator::ActiveDialog() const {
    HWND main = MainWindow();
    // A dialog opened from another one disables it: the enabled one is the innermost.
    HWND open = nullptr;
    for (HWND hwnd : ThreadWindows(uiThread_)) {
        if (hwnd == main || !Win32Backend::IsOurs(hwnd) || !IsWindowVisible(hwnd))
            continue;
        if (IsWindowEnabled(hwnd))
            return hwnd;
        if (!open)
            open = hwnd;
    }
    if (open)
        return open;
    for (HWND child = main ? GetWindow(main, GW_CHILD) : nullptr; child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (Win32Backend::IsOurs(child) && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

HWND Win32Operator::Control(int id) const {
    HWND dialog = ActiveDialog();
    HWND item = dialog ? GetDlgItem(dialog, id) : nullptr;
    EXPECT_NE(item, nullptr) << "no control " << id << " to read";
    return item;
}

HWND Win32Operator::Reachable(int id, const char* what) const {
    HWND dialog = ActiveDialog();
    HWND item = dialog ? GetDlgItem(dialog, id) : nullptr;
    const bool usable = item && IsWindowVisible(item) && IsWindowEnabled(item);
    EXPECT_TRUE(usable) << what << " control " << id << ": no such usable control";
    return usable ? item : nullptr;
}

std::u16string Win32Operator::WindowCaption() {
    return TextOf(MainWindow());
}

HWND Win32Operator::Tree() const {
    HWND main = MainWindow();
    return main ? GetDlgItem(main, IDC_TREE) : nullptr;
}

std::vector<TreeNodeSeen> Win32Operator::TreeNodes() {
    std::vector<TreeNodeSeen> nodes;
    HWND tree = Tree();
    for (const auto& [node, depth] : NodesOf(tree)) {
        TVITEMW item{};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        item.hItem = node;
        item.stateMask = TVIS_EXPANDED | TVIS_BOLD;
        TreeView_GetItem(tree, &item);
        nodes.push_back({ItemText(tree, node), depth, item.iImage, item.iSelectedImage,
                         (item.state & TVIS_EXPANDED) != 0, (item.state & TVIS_BOLD) != 0});
    }
    return nodes;
}

std::u16string Win32Operator::SelectedTreeItem() {
    HWND tree = Tree();
    HTREEITEM selected = tree ? TreeView_GetSelection(tree) : nullptr;
    return selected ? ItemText(tree, selected) : std::u16string();
}

void Win32Operator::SelectTreeItem(std::u16string_view wanted) {
    HWND tree = Tree();
    for (const auto& [node, depth] : NodesOf(tree)) {
        if (ItemText(tree, node) == wanted) {
            PostMessageW(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(node));
            Sync();
            return;
        }
    }
    ADD_FAILURE() << "no tree node with the wanted text";
}

std::vector<std::u16string> Win32Operator::VisiblePages() {
    std::vector<std::u16string> pages;
    HWND main = MainWindow();
    for (HWND child = main ? GetWindow(main, GW_CHILD) : nullptr; child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (Win32Backend::IsOurs(child) && IsWindowVisible(child))
            pages.push_back(TextOf(child));
    }
    return pages;
}

void Win32Operator::Close() {
    if (HWND main = MainWindow()) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        // The cancel the close posts may end the window's loop before the marker comes round;
        // it is handled after the first marker, and may open a box.
        Sync(main);
        if (IsWindow(main))
            Sync(main);
    }
}

void Win32Operator::CloseEverything() {
    if (HWND box = MessageBoxWindow()) {
        // Once the main window was asked to close, its question whether to lose pending edits
        // is answered Yes, so that it closes as it would without them.
        const bool yesNo = GetDlgItem(box, IDNO) != nullptr;
        const int answer = !yesNo ? IDOK : closingMain_ ? IDYES : IDNO;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    } else if (HWND dialog = ActiveDialog(); dialog && dialog != MainWindow() &&
                                             !(GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD)) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    } else if (HWND main = MainWindow()) {
        closingMain_ = true;
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
}

void Win32Operator::Press(Key key) {
    // Keyboard input goes to the window in front: a dialog opened from the main window, if any.
    HWND main = ActiveDialog();
    if (!main)
        main = MainWindow();
    if (!main) {
        ADD_FAILURE() << "no window to press a key in";
        return;
    }
    SetForegroundWindow(main);
    std::vector<INPUT> inputs;
    const auto stroke = [&inputs](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    const WORD modifier = key == Key::ShiftTab ? VK_SHIFT : key == Key::AltF4 ? VK_MENU : 0;
    const WORD pressed = key == Key::Escape  ? VK_ESCAPE
                         : key == Key::AltF4 ? VK_F4
                         : key == Key::Enter ? VK_RETURN
                                             : VK_TAB;
    if (modifier)
        stroke(modifier, false);
    stroke(pressed, false);
    stroke(pressed, true);
    if (modifier)
        stroke(modifier, true);
    const FocusSeen before = Focused();
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    // Input reaches the window's queue after messages posted before it: wait until the key
    // moved the focus, opened a box or closed the window, or a while, then for the window.
    for (int waited = 0; waited < 2000; waited += 10) {
        if (!IsWindow(main) || MessageBoxWindow() || !(Focused() == before))
            break;
        Sleep(10);
    }
    // A box the key opened waits for its answer.
    if (IsWindow(main) && !MessageBoxWindow())
        Sync(main);
}

FocusSeen Win32Operator::Focused() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(uiThread_, &info) || !info.hwndFocus)
        return {};
    // The focus may sit in a part of a control (the fields of an IP-address control): the
    // control is the window whose parent is one of our dialogs.
    HWND control = info.hwndFocus;
    while (GetParent(control) && !Win32Backend::IsOurs(GetParent(control)))
        control = GetParent(control);
    HWND dialog = GetParent(control);
    if (!dialog)
        return {};
    return {TextOf(dialog), GetDlgCtrlID(control)};
}

void Win32Operator::Click(int id) {
    if (HWND item = Reachable(id, "click")) {
        PostMessageW(item, BM_CLICK, 0, 0);
        Sync();
    }
}

void Win32Operator::Pick(int id, int index) {
    if (HWND item = Reachable(id, "pick")) {
        const bool exists = index >= 0 && index < int(SendMessageW(item, CB_GETCOUNT, 0, 0));
        EXPECT_TRUE(exists) << "no entry " << index << " in list " << id;
        if (!exists)
            return;
        // Setting the selection raises nothing: send what the list sends on a choice.
        SendMessageW(item, CB_SETCURSEL, WPARAM(index), 0);
        PostMessageW(GetParent(item), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(item));
        Sync();
    }
}

void Win32Operator::SelectRow(int id, int row) {
    if (HWND item = Reachable(id, "select a row of")) {
        const bool exists = row >= 0 && row < int(SendMessageW(item, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_TRUE(exists) << "no row " << row << " in list " << id;
        if (!exists)
            return;
        // As a click does: the other rows lose the selection, the clicked one takes it and
        // the focus. A selection opens no message box, so it can be sent.
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(item, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&state));
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(item, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&state));
        PostMessageW(GetParent(item), WM_NEXTDLGCTL, WPARAM(item), TRUE);
        Sync();
    }
}

void Win32Operator::Type(int id, std::u16string_view text) {
    SelectText(id, 0, -1);
    TypeAtCaret(id, text);
}

void Win32Operator::Paste(int id, std::u16string_view text) {
    SelectText(id, 0, -1);
    PasteAtCaret(id, text);
}

void Win32Operator::SelectText(int id, int start, int end) {
    if (HWND item = Reachable(id, "select in")) {
        // The dialog focuses an edit with its whole text selected; the selection follows.
        PostMessageW(GetParent(item), WM_NEXTDLGCTL, WPARAM(item), TRUE);
        PostMessageW(item, EM_SETSEL, WPARAM(start), LPARAM(end));
        Sync();
    }
}

void Win32Operator::TypeAtCaret(int id, std::u16string_view text) {
    if (HWND item = Reachable(id, "type into")) {
        for (char16_t c : text)
            PostMessageW(item, WM_CHAR, WPARAM(c), 1);
        Sync();
    }
}

void Win32Operator::PasteAtCaret(int id, std::u16string_view text) {
    if (HWND item = Reachable(id, "paste into")) {
        // A message carrying a pointer cannot be posted; a paste opens no message box, so it
        // can be sent.
        const std::wstring pasted = Wide(text);
        SendMessageW(item, EM_REPLACESEL, TRUE, LPARAM(pasted.c_str()));
        Sync();
    }
}

void Win32Operator::EnterAddress(int id, std::uint32_t address) {
    if (HWND item = Reachable(id, "enter an address into")) {
        PostMessageW(item, IPM_SETADDRESS, 0, LPARAM(address));
        Sync();
    }
}

void Win32Operator::EnterDateTime(int id, const ui::DateTimeValue& value) {
    if (HWND item = Reachable(id, "enter a date or time into")) {
        PostMessageW(GetParent(item), WM_NEXTDLGCTL, WPARAM(item), TRUE);
        Sync();
        // As the picker does on the operator's change: take the value, tell the dialog.
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = item;
        change.nmhdr.idFrom = UINT_PTR(id);
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st.wYear = WORD(value.year);
        change.st.wMonth = WORD(value.month);
        change.st.wDay = WORD(value.day);
        change.st.wHour = WORD(value.hour);
        change.st.wMinute = WORD(value.minute);
        change.st.wSecond = WORD(value.second);
        SendMessageW(item, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&change.st));
        SendMessageW(GetParent(item), WM_NOTIFY, WPARAM(id), LPARAM(&change));
        Sync();
    }
}

void Win32Operator::Focus(int id) {
    if (HWND item = Reachable(id, "focus")) {
        PostMessageW(GetParent(item), WM_NEXTDLGCTL, WPARAM(item), TRUE);
        Sync();
    }
}

ui::DateTimeValue Win32Operator::DateTime(int id) {
    SYSTEMTIME time{};
    if (HWND item = Control(id))
        SendMessageW(item, DTM_GETSYSTEMTIME, 0, LPARAM(&time));
    return ui::DateTimeValue{time.wYear, time.wMonth,  time.wDay,
                             time.wHour, time.wMinute, time.wSecond};
}

bool Win32Operator::TickTimer(int timerId) {
    HWND dialog = ActiveDialog();
    if (!dialog || !TestWin32Backend::IsTimerRunning(dialog, timerId))
        return false;
    PostMessageW(dialog, WM_TIMER, WPARAM(timerId), 0);
    Sync();
    return true;
}

std::u16string Win32Operator::Text(int id) {
    return TextOf(Control(id));
}

ui::TextRange Win32Operator::TextSelection(int id) {
    DWORD start = 0;
    DWORD end = 0;
    if (HWND item = Control(id))
        SendMessageW(item, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return ui::TextRange{int(start), int(end)};
}

std::uint32_t Win32Operator::Address(int id) {
    DWORD address = 0;
    if (HWND item = Control(id))
        SendMessageW(item, IPM_GETADDRESS, 0, LPARAM(&address));
    return address;
}

bool Win32Operator::IsVisible(int id) {
    HWND item = Control(id);
    return item && (GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE);
}

bool Win32Operator::IsEnabled(int id) {
    HWND item = Control(id);
    return item && IsWindowEnabled(item);
}

std::vector<PaintedRect> Win32Operator::Painted(int id) {
    std::vector<PaintedRect> painted;
    HWND item = Control(id);
    if (!item) {
        ADD_FAILURE() << "no control " << id << " to paint";
        return painted;
    }
    // The redraw is sent to the UI thread and done when RedrawWindow returns; then the pixels
    // of the control's middle row tell where it is red.
    RedrawWindow(item, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(item, &client);
    const ui::Rect area{client.left, client.top, client.right, client.bottom};
    HDC dc = GetDC(item);
    const int row = area.Height() / 2;
    int runStart = -1;
    for (int x = 0; x <= area.Width(); ++x) {
        const bool red = x < area.Width() && GetPixel(dc, x, row) == RGB(255, 0, 0);
        if (red && runStart < 0)
            runStart = x;
        if (!red && runStart >= 0) {
            painted.push_back({ui::Rect{runStart, 0, x, area.Height()}, area});
            runStart = -1;
        }
    }
    ReleaseDC(item, dc);
    return painted;
}

bool Win32Operator::IsChecked(int id) {
    HWND item = Control(id);
    return item && SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::u16string> Win32Operator::Entries(int id) {
    std::vector<std::u16string> entries;
    HWND item = Control(id);
    const int count = item ? int(SendMessageW(item, CB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        if (SendMessageW(item, CB_GETLBTEXTLEN, WPARAM(i), 0) >= 512)
            continue;
        SendMessageW(item, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
        entries.push_back(Narrow16(text));
    }
    return entries;
}

int Win32Operator::Selection(int id) {
    HWND item = Control(id);
    return item ? int(SendMessageW(item, CB_GETCURSEL, 0, 0)) : -1;
}

std::vector<std::u16string> Win32Operator::ColumnTitles(int id) {
    std::vector<std::u16string> titles;
    HWND list = Control(id);
    HWND header = list ? ListView_GetHeader(list) : nullptr;
    const int count = header ? Header_GetItemCount(header) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[260] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = 260;
        SendMessageW(list, LVM_GETCOLUMNW, WPARAM(i), LPARAM(&column));
        titles.push_back(Narrow16(text));
    }
    return titles;
}

std::vector<std::vector<std::u16string>> Win32Operator::Rows(int id) {
    std::vector<std::vector<std::u16string>> rows;
    HWND list = Control(id);
    if (!list)
        return rows;
    HWND header = ListView_GetHeader(list);
    const int columns = header ? Header_GetItemCount(header) : 1;
    const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::u16string> cells;
        for (int column = 0; column < columns; ++column) {
            wchar_t text[260] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 260;
            SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
            cells.push_back(Narrow16(text));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::optional<MessageBoxSeen> Win32Operator::OpenMessageBox() {
    HWND box = MessageBoxWindow();
    if (!box)
        return std::nullopt;
    MessageBoxSeen seen;
    HWND owner = GetWindow(box, GW_OWNER);
    seen.ownedByDesktop = owner == nullptr || owner == GetDesktopWindow();
    seen.ownerCaption = seen.ownedByDesktop ? std::u16string() : TextOf(owner);
    seen.text = TextOf(GetDlgItem(box, kMessageBoxTextId));
    seen.caption = TextOf(box);
    seen.type = GetDlgItem(box, IDYES) ? MB_YESNO : MB_OK;
    // The icon: the exclamation mark and the information sign are the system's shared icons.
    const HICON exclamation = LoadIconW(nullptr, IDI_EXCLAMATION);
    const HICON information = LoadIconW(nullptr, IDI_INFORMATION);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const HICON icon = HICON(SendMessageW(child, STM_GETICON, 0, 0));
        if (icon == exclamation)
            seen.type |= MB_ICONEXCLAMATION;
        else if (icon == information)
            seen.type |= MB_ICONINFORMATION;
    }
    return seen;
}

void Win32Operator::AnswerMessageBox(int button) {
    HWND box = MessageBoxWindow();
    EXPECT_NE(box, nullptr) << "no message box to answer";
    if (!box)
        return;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(box, button)));
    // The answer to the question before closing may end the window.
    Sync(MainWindow());
}

std::vector<SystemMenuItemSeen> Win32Operator::SystemMenuItems() {
    std::vector<SystemMenuItemSeen> items;
    HMENU menu = MainWindow() ? GetSystemMenu(MainWindow(), FALSE) : nullptr;
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        SystemMenuItemSeen item;
        if (!(info.fType & MFT_SEPARATOR)) {
            item.id = int(info.wID);
            wchar_t text[256] = {};
            GetMenuStringW(menu, UINT(i), text, 256, MF_BYPOSITION);
            for (const wchar_t* c = text; *c; ++c)
                item.text.push_back(char16_t(*c));
        }
        items.push_back(item);
    }
    return items;
}

void Win32Operator::ChooseSystemMenuItem(int id) {
    // What the menu sends when the operator picks the item; the command may open a dialog.
    if (HWND main = MainWindow()) {
        PostMessageW(main, WM_SYSCOMMAND, WPARAM(id), 0);
        Sync();
    }
}

HWND Win32Operator::FileDialogWindow(DWORD waitMilliseconds) const {
    for (DWORD waited = 0;; waited += 10) {
        for (HWND hwnd : ThreadWindows(uiThread_)) {
            if (IsDialogClass(hwnd) && IsWindowVisible(hwnd) && IsFileDialog(hwnd))
                return hwnd;
        }
        if (waited >= waitMilliseconds)
            return nullptr;
        Sleep(10);
    }
}

std::optional<FileDialogSeen> Win32Operator::OpenFileDialog() {
    HWND dialog = FileDialogWindow(5000);
    if (!dialog)
        return std::nullopt;
    FileDialogSeen seen;
    wchar_t text[512] = {};
    GetWindowTextW(dialog, text, 512);
    for (const wchar_t* c = text; *c; ++c)
        seen.title.push_back(char16_t(*c));
    HWND types = GetDlgItem(dialog, kFileTypeComboId);
    const LRESULT index = types ? SendMessageW(types, CB_GETCURSEL, 0, 0) : CB_ERR;
    if (index != CB_ERR && SendMessageW(types, CB_GETLBTEXTLEN, WPARAM(index), 0) < 511) {
        wchar_t type[512] = {};
        SendMessageW(types, CB_GETLBTEXT, WPARAM(index), LPARAM(type));
        for (const wchar_t* c = type; *c; ++c)
            seen.filter.push_back(char16_t(*c));
    }
    return seen;
}

void Win32Operator::AnswerFileDialog(const std::optional<std::u16string>& path) {
    HWND dialog = FileDialogWindow(5000);
    EXPECT_NE(dialog, nullptr) << "no file dialog to answer";
    if (!dialog)
        return;
    if (path) {
        // Types the path into the file-name box, as the operator would.
        HWND name = GetDlgItem(dialog, kFileNameComboId);
        if (!name)
            name = GetDlgItem(dialog, kFileNameEditId);
        if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr))
            name = edit;
        const std::wstring wide(path->begin(), path->end());
        SendMessageW(name, WM_SETTEXT, 0, LPARAM(wide.c_str()));
    }
    const int button = path ? IDOK : IDCANCEL;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 LPARAM(GetDlgItem(dialog, button)));
    for (int waited = 0; IsWindow(dialog) && IsWindowVisible(dialog) && waited < 10000;
         waited += 10)
        Sleep(10);
    EXPECT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the file dialog stayed open";
    Sync();
}

void Win32Operator::OnDialogThread(const std::function<void()>& action) {
    SendMessageW(marker_.hwnd(), kRunMessage, 0, reinterpret_cast<LPARAM>(&action));
    Sync();
}

}  // namespace testsupport
