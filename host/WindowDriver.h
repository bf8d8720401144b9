// The host's operator: a thread that takes a picture of the progress window while the recorder
// is read, waits for the configuration window, selects a page, clicks buttons, takes a
// screenshot and closes the window, as the options ask.
#pragma once

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/HostOptions.h"

namespace host {

class WindowDriver {
  public:
    struct Plan {
        std::optional<std::wstring> page;
        // Buttons clicked in turn: the first on the shown page, each next one on the dialog
        // the click before opened.
        std::vector<int> press;
        // Then the drop-down list of the shown page with this control id is opened, showing
        // the entry dropDownTop first when given.
        std::optional<int> dropDown;
        std::optional<int> dropDownTop;
        // Then a file imported through the system menu's command, and which of its boxes
        // the screenshot shows.
        std::optional<std::filesystem::path> windowImport;
        HostOptions::ImportPicture importPicture = HostOptions::ImportPicture::Message;
        // Time from the window being up (and the page selected) to the screenshot and close.
        std::optional<int> closeAfterMs;
        std::optional<std::filesystem::path> screenshot;
        std::optional<std::filesystem::path> progressScreenshot;
        // The question closing raises about pages with unsaved changes.
        std::optional<std::filesystem::path> closingScreenshot;
        // The window's system menu is open when the screenshot is taken.
        bool systemMenu = false;
    };

    explicit WindowDriver(Plan plan);
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;
    ~WindowDriver();

    // Ends the thread; called once the entry has returned.
    void Stop();

    bool windowSeen() const { return windowSeen_; }
    bool screenshotSaved() const { return screenshotSaved_; }
    bool progressScreenshotSaved() const { return progressScreenshotSaved_; }
    bool closingScreenshotSaved() const { return closingScreenshotSaved_; }
    // The page was not found or the screenshot failed; the message went to stderr.
    bool failed() const { return failed_; }

  private:
    void Run();
    // Waits for the progress window and takes its picture once its bar is half way.
    void TakeProgressScreenshot();
    HWND WaitForWindow();
    void SelectPage(HWND main);
    // Clicks the buttons in turn, each waiting for the dialog it opens. Returns the last
    // dialog opened, or null.
    HWND Press(HWND main);
    // Opens the shown page's drop-down list; its list window, or null.
    HWND DropDown(HWND main, int id);
    // Chooses the import command and answers what follows as an operator who wants the file
    // imported: Yes to the question about unsaved changes, the Open dialog with the file, Yes
    // to the preview, No to a restart. Returns the box the plan's picture shows, left open,
    // or null.
    HWND ImportInWindow(HWND main, const std::filesystem::path& file);
    // The next dialog over the main window other than previous, once it shows; null after
    // milliseconds.
    HWND NextDialog(HWND main, HWND previous, int milliseconds);
    // Answers the Open dialog with the file; false when the dialog has no file name box.
    static bool ChooseFile(HWND open, const std::filesystem::path& file);
    bool Wait(int milliseconds);
    bool TakeScreenshot(HWND window, const std::filesystem::path& file, HWND also = nullptr);
    // Opens the window's system menu with Alt+Space, as an operator's keyboard does, and
    // closes it again.
    static void OpenSystemMenu(HWND main);
    static void CloseMenu(HWND main);
    void Close(HWND main);
    void Report(const std::string& message);

    Plan plan_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> windowSeen_{false};
    std::atomic<bool> screenshotSaved_{false};
    std::atomic<bool> progressScreenshotSaved_{false};
    std::atomic<bool> closingScreenshotSaved_{false};
    std::atomic<bool> failed_{false};
    std::thread thread_;
};

}  // namespace host
