// The headless backend: dialogs live in memory, built from the dialog templates. An operator
// on another thread drives them through Execute, which runs its action on the dialogs'
// thread inside whatever modal loop or message box is open, and returns once that thread
// waits for input again, just as a real window waits for the next message.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/headless/HeadlessWindow.h"
#include "ui/headless/RecordingPainter.h"

namespace ui::headless {

// A progress window as it went: its texts, each position of its bar, and how many dialog
// windows there were when it closed.
struct ProgressRecord {
    std::u16string caption;
    std::u16string text;
    std::vector<std::pair<int, int>> steps;  // done, total
    bool open = true;
    int dialogsWhenClosed = -1;
};

struct MessageBoxRecord {
    const HeadlessWindow* owner = nullptr;  // null: owned by the desktop
    std::u16string ownerCaption;
    std::u16string text;
    std::u16string caption;
    unsigned type = 0;
    int answer = 0;  // 0 while the box is open
};

// A Save or Open dialog as it went: what it asked, and the operator's answer.
struct FileDialogRecord {
    const HeadlessWindow* owner = nullptr;
    FileDialogRequest request;
    bool answered = false;
    std::optional<std::u16string> path;  // nothing: cancelled
};

class HeadlessBackend : public Backend {
  public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // Backend.
    Window* CreateChild(Dialog& dialog, int templateId, Window& parent) override;
    int RunModal(Dialog& dialog, int templateId, Window* owner) override;
    int DesktopMessageBox(std::u16string_view text, std::u16string_view caption,
                          unsigned type) override;
    std::unique_ptr<ProgressWindow> ShowProgress(std::u16string_view caption,
                                                 std::u16string_view text, int done,
                                                 int total) override;
    std::unique_ptr<FontHandle> CreateFont(std::u16string_view face, int height) override;
    std::unique_ptr<ImageListHandle> CreateImageList(int width, int height, int initial,
                                                     int grow) override;
    // The machine's local time, unless a test pinned it.
    DateTimeValue LocalNow() override;
    void PinLocalNow(std::optional<DateTimeValue> now) { pinnedNow_ = now; }
    // The steady clock, unless a test gave its own.
    std::chrono::milliseconds SteadyNow() override {
        return steadyClock_ ? steadyClock_() : Backend::SteadyNow();
    }
    void SetSteadyClock(std::function<std::chrono::milliseconds()> clock) {
        steadyClock_ = std::move(clock);
    }

    // Called by the windows.
    int ShowMessageBox(HeadlessWindow* owner, std::u16string_view text, std::u16string_view caption,
                       unsigned type);
    std::optional<std::u16string> ShowFileDialog(HeadlessWindow* owner,
                                                 const FileDialogRequest& request);
    void DestroyWindow(HeadlessWindow& window);
    // The window whose control took the focus last (null: none, or it is gone).
    void NoteFocus(HeadlessWindow* window) { focusWindow_ = window; }
    HeadlessWindow* FocusWindow() const { return focusWindow_; }
    std::vector<int> BitmapsOf(const ImageListHandle& images) const;

    // A script instead of an operator, for a whole session on one thread: each time a modal
    // loop or a message box waits for input, the script takes one step on the dialogs' thread
    // and returns whether it did anything; once it returns false the session ends as it does
    // without an operator. Null removes it.
    void SetScript(std::function<bool()> step) { script_ = std::move(step); }

    // The operator's side. Without an attached operator a modal dialog ends at once with
    // Cancel and a message box is answered OK (or No).
    void AttachOperator();
    void DetachOperator();
    // Runs action on the dialogs' thread; returns when that thread waits for input again or
    // has left every modal loop. Returns false when no loop was there to run it.
    bool Execute(std::function<void()> action);

    // State for the operator's actions (to be read on the dialogs' thread, inside Execute).
    std::vector<HeadlessWindow*> Windows() const;
    HeadlessWindow* TopModal() const;
    // The window made from a template, or null.
    HeadlessWindow* WindowOfTemplate(int templateId) const;
    // What an operator faces: the modal dialog on top unless that is main, else main's shown
    // child.
    HeadlessWindow* Facing(const HeadlessWindow* main) const;
    MessageBoxRecord* OpenMessageBox() const;
    const std::vector<MessageBoxRecord>& MessageBoxLog() const { return messageBoxLog_; }
    const std::vector<ProgressRecord>& ProgressLog() const { return progressLog_; }
    int OpenProgressWindows() const;
    void AnswerMessageBox(int answer);
    FileDialogRecord* OpenFileDialog() const;
    const std::vector<FileDialogRecord>& FileDialogLog() const { return fileDialogLog_; }
    // Chooses a path in the open file dialog, or cancels it with nothing.
    void AnswerFileDialog(std::optional<std::u16string> path);
    // Delivers a running timer's tick; false when the timer does not run.
    bool FireTimer(HeadlessWindow& window, int timerId);
    // Every running timer of every window ticks as often as its period fits.
    void LetTimePass(unsigned milliseconds);
    // Paints a control of the window as the platform does when it is due: its dialog draws
    // on it. Returns what was drawn, in order.
    std::vector<PaintOp> PaintControl(HeadlessWindow& window, int id);

    // Controls a dialog addressed that its template lacks, or of the wrong kind.
    struct Misuse {
        int templateId;
        int controlId;
        std::string operation;
    };
    void RecordMisuse(int templateId, int controlId, const char* operation);
    const std::vector<Misuse>& Misuses() const { return misuses_; }

  private:
    HeadlessWindow* MakeWindow(Dialog& dialog, int templateId, HeadlessWindow* parent, bool modal);
    // Runs the dialog's initialisation; when it throws, the window is destroyed first.
    void InitDialog(HeadlessWindow& window);
    // Runs the operator's actions until done() holds or no operator is attached.
    void RunLoop(const std::function<bool()>& done);
    std::function<void()> NextAction();

    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
    std::vector<std::unique_ptr<HeadlessWindow>> destroyed_;
    std::vector<MessageBoxRecord*> openBoxes_;
    std::vector<MessageBoxRecord> messageBoxLog_;
    std::vector<FileDialogRecord*> openFileDialogs_;
    std::vector<FileDialogRecord> fileDialogLog_;
    std::vector<ProgressRecord> progressLog_;
    std::vector<Misuse> misuses_;
    int loopDepth_ = 0;
    HeadlessWindow* focusWindow_ = nullptr;
    std::optional<DateTimeValue> pinnedNow_;
    std::function<bool()> script_;
    std::function<std::chrono::milliseconds()> steadyClock_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> actions_;
    bool attached_ = false;
    bool waiting_ = false;  // the dialogs' thread waits for an action
    int sharedDepth_ = 0;   // loopDepth_, as the operator's thread may read it
};

}  // namespace ui::headless
