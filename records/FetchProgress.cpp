// How far the reading of a recorder has come.
#include "records/FetchProgress.h"

#include <algorithm>

#include "text/ProgressText.h"
#include "ui/Backend.h"
#include "ui/ProgressWindow.h"

namespace records {
namespace {

// The backend's steady clock; a host without a user interface has none.
std::chrono::milliseconds Now() {
    if (ui::HasBackend())
        return ui::CurrentBackend().SteadyNow();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

FetchProgress::FetchProgress(std::uint32_t language, int calls)
    : language_(language), calls_(std::max(calls, 0)), start_(Now()) {}

FetchProgress::~FetchProgress() = default;

void FetchProgress::SetCalls(int calls) {
    calls = std::max(calls, done_);
    if (calls == calls_)
        return;
    calls_ = calls;
    if (window_)
        window_->SetProgress(done_, calls_);
}

void FetchProgress::CallDone() {
    ++done_;
    calls_ = std::max(calls_, done_);
    const std::chrono::milliseconds now = Now();
    if (!window_) {
        if (now - start_ > kDelay)
            Show();
        shown_ = now;
        return;
    }
    if (now - shown_ >= kRepaintEvery || done_ == calls_) {
        window_->SetProgress(done_, calls_);
        shown_ = now;
    }
}

void FetchProgress::Show() {
    // A host without a user interface gets no window either.
    if (!ui::HasBackend())
        return;
    const text::ProgressTexts& texts = text::ProgressText(language_);
    window_ = ui::CurrentBackend().ShowProgress(texts.caption, texts.reading, done_, calls_);
}

}  // namespace records
