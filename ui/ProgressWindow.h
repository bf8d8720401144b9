// A small window that shows how far a long piece of work on the dialogs' thread has come
// before any dialog is up: a line of text and a bar of steps done out of steps to take. It
// belongs to no dialog and goes when its object is destroyed.
#pragma once

namespace ui {

class ProgressWindow {
  public:
    virtual ~ProgressWindow() = default;
    ProgressWindow() = default;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Moves the bar to done of total steps and lets the window paint.
    virtual void SetProgress(int done, int total) = 0;
};

}  // namespace ui
