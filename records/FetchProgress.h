// How far the reading of a recorder has come. Over a slow link the reading takes seconds
// before the configuration window can open; once it has taken longer than a moment, a
// progress window shows the device calls done out of the calls to make, until the reading
// ends. It changes nothing in the calls themselves.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

namespace ui {
class ProgressWindow;
}

namespace records {

class FetchProgress {
  public:
    // How long a reading runs before the progress window shows.
    static constexpr std::chrono::milliseconds kDelay{300};
    // How often the window shows the count while it is open: every call would cost more time
    // in painting than the calls take.
    static constexpr std::chrono::milliseconds kRepaintEvery{50};

    // language: the session's text column; calls: the calls the reading makes, as far as
    // known when it starts.
    FetchProgress(std::uint32_t language, int calls);
    ~FetchProgress();
    FetchProgress(const FetchProgress&) = delete;
    FetchProgress& operator=(const FetchProgress&) = delete;

    // The number of calls became known (never fewer than those done).
    void SetCalls(int calls);
    // Called after each device call of the reading.
    void CallDone();
    int Done() const { return done_; }

  private:
    void Show();

    std::uint32_t language_;
    int calls_;
    int done_ = 0;
    std::chrono::milliseconds start_;
    std::chrono::milliseconds shown_{0};  // when the window last showed the count
    std::unique_ptr<ui::ProgressWindow> window_;
};

}  // namespace records
