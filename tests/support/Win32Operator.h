// The operator of real windows: a driver thread that acts on the dialogs of the UI thread the
// way a person's input arrives there. Actions that may open a message box are posted; each
// action is followed by a marker message to a window of the UI thread, and the action counts
// as done once the marker was handled, that is, once that thread waits for input again.
#pragma once

#include "ui/win32/WinApi.h"

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/Operator.h"

namespace testsupport {

// A tree's nodes as it shows them, each before its children, with their depths; and the text
// of one.
std::vector<std::pair<HTREEITEM, int>> NodesOf(HWND tree);
std::u16string ItemText(HWND tree, HTREEITEM node);

// A message-only window of the UI thread that counts the markers it handled.
class MarkerWindow {
  public:
    MarkerWindow();
    ~MarkerWindow();
    HWND hwnd() const { return hwnd_; }
    long Handled() const { return handled_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    std::atomic<long> handled_{0};
};

class Win32Operator : public Operator {
  public:
    Win32Operator(DWORD uiThread, MarkerWindow& marker) : uiThread_(uiThread), marker_(marker) {}

    // Waits until the configuration window is up; false after the timeout or once the entry
    // has returned without it.
    bool WaitForMainWindow(DWORD milliseconds, const std::atomic<bool>& entryReturned);
    // Ends whatever is left open: message boxes, sub-dialogs, the main window.
    void CloseEverything();
    // The open message box, or null.
    HWND MessageBoxWindow() const;
    // The open Save or Open dialog, waiting for it up to the given time; or null.
    HWND FileDialogWindow(DWORD waitMilliseconds) const;

    std::u16string WindowCaption() override;
    std::vector<TreeNodeSeen> TreeNodes() override;
    std::u16string SelectedTreeItem() override;
    void SelectTreeItem(std::u16string_view text) override;
    std::vector<std::u16string> VisiblePages() override;
    void Close() override;
    void Press(Key key) override;
    FocusSeen Focused() override;
    std::vector<SystemMenuItemSeen> SystemMenuItems() override;
    void ChooseSystemMenuItem(int id) override;

    void Click(int id) override;
    void Pick(int id, int index) override;
    void SelectRow(int id, int row) override;
    void Type(int id, std::u16string_view text) override;
    void Paste(int id, std::u16string_view text) override;
    void SelectText(int id, int start, int end) override;
    void TypeAtCaret(int id, std::u16string_view text) override;
    void PasteAtCaret(int id, std::u16string_view text) override;
    void EnterAddress(int id, std::uint32_t address) override;
    void EnterDateTime(int id, const ui::DateTimeValue& value) override;
    void Focus(int id) override;
    std::u16string Text(int id) override;
    ui::TextRange TextSelection(int id) override;
    std::uint32_t Address(int id) override;
    ui::DateTimeValue DateTime(int id) override;
    bool TickTimer(int timerId) override;
    bool IsVisible(int id) override;
    bool IsEnabled(int id) override;
    bool IsChecked(int id) override;
    std::vector<std::u16string> Entries(int id) override;
    int Selection(int id) override;
    std::vector<std::u16string> ColumnTitles(int id) override;
    std::vector<std::vector<std::u16string>> Rows(int id) override;
    std::vector<PaintedRect> Painted(int id) override;

    std::optional<MessageBoxSeen> OpenMessageBox() override;
    void AnswerMessageBox(int button) override;
    std::optional<FileDialogSeen> OpenFileDialog() override;
    void AnswerFileDialog(const std::optional<std::u16string>& path) override;
    void OnDialogThread(const std::function<void()>& action) override;

  private:
    HWND MainWindow() const;
    HWND Tree() const;  // the main window's navigation tree
    HWND ActiveDialog() const;
    // The control of the active dialog that an operator can reach, or null (a test failure).
    HWND Reachable(int id, const char* what) const;
    HWND Control(int id) const;
    // Posts the marker and waits until the UI thread has handled it and shown any dialog the
    // action opened, or until closing has destroyed the window: a dialog loop that ends
    // leaves the marker unhandled.
    void Sync(HWND closing = nullptr);
    // A dialog of ours is made but not shown yet.
    bool DialogComingUp() const;

    DWORD uiThread_;
    MarkerWindow& marker_;
    long posted_ = 0;
    bool closingMain_ = false;  // the main window was asked to close
};

}  // namespace testsupport
