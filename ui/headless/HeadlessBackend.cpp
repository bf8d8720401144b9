// The headless backend.
#include "ui/headless/HeadlessBackend.h"

#include <algorithm>
#include <ctime>

#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/GraphicsObject.h"
#include "ui/ProgressWindow.h"
#include "ui/Styles.h"

namespace ui::headless {
namespace {

class HeadlessFont : public FontHandle {};

class HeadlessImageList : public ImageListHandle {
  public:
    explicit HeadlessImageList(int capacity) { bitmaps_.reserve(std::max(capacity, 0)); }
    int AddBitmap(int bitmapId) override {
        bitmaps_.push_back(bitmapId);
        return int(bitmaps_.size()) - 1;
    }
    int Count() const override { return int(bitmaps_.size()); }
    const std::vector<int>& Bitmaps() const { return bitmaps_; }

  private:
    std::vector<int> bitmaps_;
};

// Writes what happens to it into its record of the backend's log. The record is the last
// thing it makes: a failure before leaves no window open in the log.
class HeadlessProgress : public ProgressWindow {
  public:
    HeadlessProgress(std::vector<ProgressRecord>& log, std::u16string_view caption,
                     std::u16string_view text, int done, int total, std::function<int()> dialogs)
        : log_(log), dialogs_(std::move(dialogs)) {
        ProgressRecord record{std::u16string(caption), std::u16string(text), {{done, total}}};
        log_.push_back(std::move(record));
        index_ = log_.size() - 1;
    }
    ~HeadlessProgress() override {
        log_[index_].open = false;
        log_[index_].dialogsWhenClosed = dialogs_();
    }
    void SetProgress(int done, int total) override { log_[index_].steps.emplace_back(done, total); }

  private:
    std::vector<ProgressRecord>& log_;
    std::function<int()> dialogs_;
    std::size_t index_ = 0;
};

}  // namespace

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
    // Windows still open belong to dialogs that outlive the backend only in a broken test.
    while (!windows_.empty())
        DestroyWindow(*windows_.front());
}

HeadlessWindow* HeadlessBackend::MakeWindow(Dialog& dialog, int templateId, HeadlessWindow* parent,
                                            bool modal) {
    const DialogTemplate* tmpl = FindDialogTemplate(templateId);
    if (!tmpl)
        return nullptr;
    windows_.push_back(std::make_unique<HeadlessWindow>(*this, dialog, *tmpl, parent, modal));
    return windows_.back().get();
}

Window* HeadlessBackend::CreateChild(Dialog& dialog, int templateId, Window& parent) {
    HeadlessWindow* window =
        MakeWindow(dialog, templateId, static_cast<HeadlessWindow*>(&parent), false);
    if (window)
        InitDialog(*window);
    return window;
}

int HeadlessBackend::RunModal(Dialog& dialog, int templateId, Window* owner) {
    HeadlessWindow* window =
        MakeWindow(dialog, templateId, static_cast<HeadlessWindow*>(owner), true);
    if (!window)
        return -1;
    InitDialog(*window);
    RunLoop([window] { return window->Ended(); });
    if (!window->Ended())
        window->EndModal(kIdCancel);
    const int result = window->Result();
    DestroyWindow(*window);
    return result;
}

void HeadlessBackend::InitDialog(HeadlessWindow& window) {
    bool setFocus = false;
    try {
        setFocus = window.dialog().HandleInitDialog(window);
    } catch (...) {
        // As on the platform, a half-made dialog is never shown: it goes, and its maker fails.
        DestroyWindow(window);
        throw;
    }
    if (!setFocus)
        return;
    // What the focus change notifies arrives as messages do: a failure ends with its handler.
    try {
        window.FocusFirstTabStop();
    } catch (...) {
    }
}

int HeadlessBackend::DesktopMessageBox(std::u16string_view text, std::u16string_view caption,
                                       unsigned type) {
    return ShowMessageBox(nullptr, text, caption, type);
}

std::unique_ptr<ProgressWindow> HeadlessBackend::ShowProgress(std::u16string_view caption,
                                                              std::u16string_view text, int done,
                                                              int total) {
    return std::make_unique<HeadlessProgress>(progressLog_, caption, text, done, total,
                                              [this] { return int(windows_.size()); });
}

int HeadlessBackend::OpenProgressWindows() const {
    return int(std::count_if(progressLog_.begin(), progressLog_.end(),
                             [](const ProgressRecord& record) { return record.open; }));
}

std::unique_ptr<FontHandle> HeadlessBackend::CreateFont(std::u16string_view, int) {
    return std::make_unique<HeadlessFont>();
}

DateTimeValue HeadlessBackend::LocalNow() {
    if (pinnedNow_)
        return *pinnedNow_;
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return DateTimeValue{2000, 1, 1, 0, 0, 0};
    return DateTimeValue{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                         local->tm_hour,        local->tm_min,     local->tm_sec};
}

std::unique_ptr<ImageListHandle> HeadlessBackend::CreateImageList(int, int, int initial, int) {
    return std::make_unique<HeadlessImageList>(initial);
}

int HeadlessBackend::ShowMessageBox(HeadlessWindow* owner, std::u16string_view text,
                                    std::u16string_view caption, unsigned type) {
    MessageBoxRecord box;
    box.owner = owner;
    box.ownerCaption = owner ? owner->Caption() : std::u16string();
    box.text = text;
    box.caption = caption;
    box.type = type;
    openBoxes_.push_back(&box);
    RunLoop([&box] { return box.answer != 0; });
    openBoxes_.pop_back();
    if (box.answer == 0)
        box.answer = (type & 0xF) == kMbYesNo ? kIdNo : kIdOk;
    messageBoxLog_.push_back(box);
    return box.answer;
}

std::optional<std::u16string> HeadlessBackend::ShowFileDialog(HeadlessWindow* owner,
                                                              const FileDialogRequest& request) {
    FileDialogRecord dialog;
    dialog.owner = owner;
    dialog.request = request;
    openFileDialogs_.push_back(&dialog);
    RunLoop([&dialog] { return dialog.answered; });
    openFileDialogs_.pop_back();
    // Without an operator the dialog is cancelled.
    if (!dialog.answered)
        dialog.path.reset();
    fileDialogLog_.push_back(dialog);
    return dialog.path;
}

void HeadlessBackend::DestroyWindow(HeadlessWindow& window) {
    if (window.Destroyed())
        return;
    window.MarkDestroyed();
    if (focusWindow_ == &window)
        focusWindow_ = nullptr;
    // The window hears of its destruction before its children, as on the platform.
    window.dialog().HandleDestroy();
    for (HeadlessWindow* child : Windows()) {
        if (child->parent() == &window)
            DestroyWindow(*child);
    }
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [&window](const auto& w) { return w.get() == &window; });
    if (it != windows_.end()) {
        destroyed_.push_back(std::move(*it));
        windows_.erase(it);
    }
    if (loopDepth_ == 0)
        destroyed_.clear();
}

std::vector<int> HeadlessBackend::BitmapsOf(const ImageListHandle& images) const {
    const auto* list = dynamic_cast<const HeadlessImageList*>(&images);
    return list ? list->Bitmaps() : std::vector<int>();
}

std::vector<HeadlessWindow*> HeadlessBackend::Windows() const {
    std::vector<HeadlessWindow*> out;
    for (const auto& window : windows_)
        out.push_back(window.get());
    return out;
}

HeadlessWindow* HeadlessBackend::WindowOfTemplate(int templateId) const {
    for (const auto& window : windows_) {
        if (window->TemplateId() == templateId)
            return window.get();
    }
    return nullptr;
}

HeadlessWindow* HeadlessBackend::Facing(const HeadlessWindow* main) const {
    HeadlessWindow* top = TopModal();
    if (top && top != main)
        return top;
    for (const auto& window : windows_) {
        if (window->parent() == main && window->IsShown())
            return window.get();
    }
    return nullptr;
}

HeadlessWindow* HeadlessBackend::TopModal() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->IsModal() && !(*it)->Ended())
            return it->get();
    }
    return nullptr;
}

MessageBoxRecord* HeadlessBackend::OpenMessageBox() const {
    return openBoxes_.empty() ? nullptr : openBoxes_.back();
}

void HeadlessBackend::AnswerMessageBox(int answer) {
    if (MessageBoxRecord* box = OpenMessageBox())
        box->answer = answer;
}

FileDialogRecord* HeadlessBackend::OpenFileDialog() const {
    return openFileDialogs_.empty() ? nullptr : openFileDialogs_.back();
}

void HeadlessBackend::AnswerFileDialog(std::optional<std::u16string> path) {
    if (FileDialogRecord* dialog = OpenFileDialog()) {
        dialog->path = std::move(path);
        dialog->answered = true;
    }
}

bool HeadlessBackend::FireTimer(HeadlessWindow& window, int timerId) {
    if (!window.Timers().count(timerId))
        return false;
    window.dialog().HandleTimer(timerId);
    return true;
}

void HeadlessBackend::RecordMisuse(int templateId, int controlId, const char* operation) {
    misuses_.push_back({templateId, controlId, operation});
}

void HeadlessBackend::AttachOperator() {
    std::lock_guard lock(mutex_);
    attached_ = true;
}

void HeadlessBackend::DetachOperator() {
    std::lock_guard lock(mutex_);
    attached_ = false;
    changed_.notify_all();
}

bool HeadlessBackend::Execute(std::function<void()> action) {
    std::unique_lock lock(mutex_);
    // Wait for a loop to take the action, then for the dialogs' thread to wait again.
    changed_.wait(lock, [this] { return waiting_ || !attached_; });
    if (!attached_)
        return false;
    actions_.push_back(std::move(action));
    changed_.notify_all();
    changed_.wait(lock, [this] {
        return (actions_.empty() && (waiting_ || sharedDepth_ == 0)) || !attached_;
    });
    return true;
}

std::function<void()> HeadlessBackend::NextAction() {
    std::unique_lock lock(mutex_);
    waiting_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !actions_.empty() || !attached_; });
    waiting_ = false;
    if (actions_.empty())
        return {};
    std::function<void()> action = std::move(actions_.front());
    actions_.pop_front();
    return action;
}

void HeadlessBackend::RunLoop(const std::function<bool()>& done) {
    ++loopDepth_;
    {
        std::lock_guard lock(mutex_);
        sharedDepth_ = loopDepth_;
    }
    while (!done()) {
        if (script_) {
            if (!script_())
                break;
            continue;
        }
        std::function<void()> action = NextAction();
        if (!action)
            break;
        action();
    }
    --loopDepth_;
    // Leaving the outermost loop: the operator's Execute must not wait for more input.
    std::lock_guard lock(mutex_);
    sharedDepth_ = loopDepth_;
    changed_.notify_all();
}

std::vector<PaintOp> HeadlessBackend::PaintControl(HeadlessWindow& window, int id) {
    if (!window.HasControl(id))
        return {};
    RecordingPainter painter(window.ControlClientRect(id));
    window.Validate(id);
    window.dialog().HandlePaint(id, painter);
    return painter.Log();
}

}  // namespace ui::headless
