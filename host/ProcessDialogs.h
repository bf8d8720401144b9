// The dialog windows of this process as the driver thread sees them: the configuration window
// (the top-level dialog that holds the navigation tree) and any box or dialog over it.
#pragma once

#include <windows.h>

namespace host {

class ProcessDialogs {
  public:
    // The control id of the navigation tree in the configuration window.
    static constexpr int kTreeId = 1000;

    // The visible configuration window of this process, or null.
    static HWND MainWindow();
    // Another visible top-level dialog of this process (a message box, a sub-dialog), the
    // topmost, or null.
    static HWND OtherDialog(HWND main);
    // The visible progress window of this process (a top-level window with a progress bar,
    // shown while a slow recorder is read), or null.
    static HWND ProgressWindow();
    static HWND ProgressBar(HWND window);
    // Answers a message box or dismisses a dialog with the most cautious of its buttons:
    // No, else Cancel, else OK. Posted, since the answer may open another box.
    static void Dismiss(HWND dialog);
    // While the main window is being closed: whether the box is its question whether to close
    // without the pages' unsaved changes, which closing answers Yes.
    static bool IsClosingQuestion(HWND main, HWND box);
};

}  // namespace host
