// Ravelin.dll as a monitoring client meets it: loaded by name, both entries resolved, run
// against the simulator's zelDisp.dll. A closer thread shuts the window as an operator would.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "sim/SimApi.h"

namespace {

using InitConfig = std::int32_t(ZEL_CALL*)(std::uint32_t, std::uint32_t);
using InitConfigEx = std::int32_t(ZEL_CALL*)(std::uint32_t, std::uint32_t, std::uint32_t,
                                             std::int32_t);

std::vector<std::string> LoggedFunctions(ZelHandle handle) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < zsimLogSize(handle); ++i) {
        const char* function = nullptr;
        const std::uint8_t* bytes = nullptr;
        std::int32_t argument = 0, size = 0;
        zsimLogEntry(handle, i, &function, &argument, &bytes, &size);
        names.push_back(function ? function : "");
    }
    return names;
}

// The first visible dialog window of this process, or null.
HWND FindOwnDialog() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                lstrcmpW(className, L"#32770") == 0) {
                reinterpret_cast<Search*>(data)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Closes the configuration window of this process once it is up, as its close box would.
class WindowCloser {
  public:
    WindowCloser()
        : thread_([this] {
              while (!stop_) {
                  HWND window = FindOwnDialog();
                  if (window) {
                      PostMessageW(window, WM_CLOSE, 0, 0);
                      ++closed_;
                      Sleep(200);
                  }
                  Sleep(20);
              }
          }) {}
    ~WindowCloser() {
        stop_ = true;
        thread_.join();
    }
    int closed() const { return closed_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> closed_{0};
    std::thread thread_;
};

class EntryDll : public testing::Test {
  protected:
    void SetUp() override {
        library = LoadLibraryW(L"Ravelin.dll");
        ASSERT_NE(library, nullptr);
        init = reinterpret_cast<InitConfig>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "zelInitConfig")));
        initEx = reinterpret_cast<InitConfigEx>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "zelInitConfigEx")));
        ASSERT_NE(init, nullptr);
        ASSERT_NE(initEx, nullptr);
        char error[256] = {};
        handle = zsimOpen(nullptr, error, sizeof error);
        ASSERT_NE(handle, 0u) << error;
    }
    void TearDown() override {
        zsimClose(handle);
        if (library)
            FreeLibrary(library);
    }

    HMODULE library = nullptr;
    InitConfig init = nullptr;
    InitConfigEx initEx = nullptr;
    ZelHandle handle = 0;
};

TEST_F(EntryDll, test_plain_entry_fetches_shows_window_and_saves_on_close) {
    zsimClearLog(handle);
    {
        WindowCloser closer;
        EXPECT_EQ(init(handle, 2), 0);
        EXPECT_GE(closer.closed(), 1) << "the window was shown";
    }
    const auto log = LoggedFunctions(handle);
    ASSERT_GT(log.size(), 21u);
    EXPECT_EQ(log.front(), "zelDispHisiNewMenuNormalGet");
    EXPECT_EQ(log[20], "zelDispHisiNewMenuAlarmOutGet");
    EXPECT_EQ(log[21], "zelDispHisiNewMenuPTZPointGet");
    EXPECT_EQ(log.back(), "zelDispSaveMenu");
}

TEST_F(EntryDll, test_rights_entry_asks_the_device_for_the_user_first) {
    zsimClearLog(handle);
    {
        WindowCloser closer;
        EXPECT_EQ(initEx(handle, 3, 0, zsimUserId("guest")), 0);
    }
    const auto log = LoggedFunctions(handle);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "zelDispHisiNewMenuUserListGet");
    EXPECT_EQ(log.back(), "zelDispSaveMenu");
}

}  // namespace
