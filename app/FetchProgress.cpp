// How far the reading of a recorder has come.
#include "app/FetchProgress.h"

#include <algorithm>

#include "text/ProgressText.h"
#include "ui/Backend.h"
#include "ui/ProgressWindow.h"

namespace app {
namespace {

std::chrono::milliseconds SteadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

FetchProgress::Clock clock = SteadyNow;

}  // namespace

void SetFetchClockForTests(FetchProgress::Clock replacement) {
    clock = replacement ? replacement : SteadyNow;
}

FetchProgress::FetchProgress(std::uint32_t language, int calls)
    : language_(language), calls_(std::max(calls, 0)), start_(clock()) {}

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
    if (window_) {
        window_->SetProgress(done_, calls_);
    } else if (clock() - start_ > kDelay) {
        Show();
    }
}

void FetchProgress::Show() {
    // A host without a user interface gets no window either.
    if (!ui::HasBackend())
        return;
    const text::ProgressTexts& texts = text::ProgressText(language_);
    window_ = ui::CurrentBackend().ShowProgress(texts.caption, texts.reading, done_, calls_);
}

}  // namespace app
