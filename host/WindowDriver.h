// The host's operator: a thread that waits for the configuration window, selects a page,
// takes a screenshot and closes the window, as the options ask.
#pragma once

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace host {

class WindowDriver {
  public:
    struct Plan {
        std::optional<std::wstring> page;
        // Buttons clicked once the page is shown: the first on the page, each further one on
        // the dialog the click before opened.
        std::vector<int> press;
        // Time from the window being up (and the page selected) to the screenshot and close.
        std::optional<int> closeAfterMs;
        std::optional<std::filesystem::path> screenshot;
    };

    explicit WindowDriver(Plan plan);
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;
    ~WindowDriver();

    // Ends the thread; called once the entry has returned.
    void Stop();

    bool windowSeen() const { return windowSeen_; }
    bool screenshotSaved() const { return screenshotSaved_; }
    // The page was not found or the screenshot failed; the message went to stderr.
    bool failed() const { return failed_; }

  private:
    void Run();
    HWND WaitForWindow();
    void SelectPage(HWND main);
    // Clicks the button of the shown page, then each further one on the dialog the click before
    // opened, waiting for the dialog each click opens. Returns the last dialog opened, or null.
    HWND Press(HWND main);
    bool Wait(int milliseconds);
    void TakeScreenshot(HWND window);
    void Close(HWND main);
    void Report(const std::string& message);

    Plan plan_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> windowSeen_{false};
    std::atomic<bool> screenshotSaved_{false};
    std::atomic<bool> failed_{false};
    std::thread thread_;
};

}  // namespace host
