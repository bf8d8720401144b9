// Ravelin.dll as a monitoring client meets it: loaded by name, both entries resolved through
// the published header, run against the simulator's zelDisp.dll, its version resource read.
// A closer thread shuts the window as an operator would.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "include/Ravelin.h"
#include "tests/support/SimRecorder.h"

namespace {

using InitConfig = RavelinInitConfig;
using InitConfigEx = RavelinInitConfigEx;

// Stops at the first visible dialog window of this process, which it stores in *data.
BOOL CALLBACK VisitOwnDialog(HWND window, LPARAM data) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        lstrcmpW(className, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible dialog window of this process, or null.
HWND FindOwnDialog() {
    HWND found = nullptr;
    EnumWindows(VisitOwnDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A visible progress window of this process, or null.
HWND FindProgressWindow() {
    HWND window = FindWindowW(L"RavelinProgress", nullptr);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId() && IsWindowVisible(window) ? window : nullptr;
}

// Closes the configuration window of this process once it is up, as its close box would, and
// notes whether a progress window came before it.
class WindowCloser {
  public:
    WindowCloser()
        : thread_([this] {
              while (!stop_) {
                  if (closed_ == 0 && FindProgressWindow())
                      progressSeen_ = true;
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
    bool progressSeen() const { return progressSeen_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> progressSeen_{false};
    std::atomic<int> closed_{0};
    std::thread thread_;
};

class EntryDll : public testing::Test {
  protected:
    void SetUp() override {
        library = LoadLibraryW(L"Ravelin.dll");
        ASSERT_NE(library, nullptr);
        init = reinterpret_cast<InitConfig>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, RAVELIN_INIT_CONFIG)));
        initEx = reinterpret_cast<InitConfigEx>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, RAVELIN_INIT_CONFIG_EX)));
        ASSERT_NE(init, nullptr);
        ASSERT_NE(initEx, nullptr);
    }
    void TearDown() override {
        if (library)
            FreeLibrary(library);
    }

    testsupport::SimRecorder recorder;
    ZelHandle handle = recorder.handle();
    HMODULE library = nullptr;
    InitConfig init = nullptr;
    InitConfigEx initEx = nullptr;
};

TEST_F(EntryDll, test_plain_entry_fetches_shows_window_and_saves_on_close) {
    recorder.ClearLog();
    {
        WindowCloser closer;
        EXPECT_EQ(init(handle, 2), 0);
        EXPECT_GE(closer.closed(), 1) << "the window was shown";
    }
    const auto log = recorder.LoggedFunctions();
    ASSERT_GT(log.size(), 21u);
    EXPECT_EQ(log.front(), "zelDispHisiNewMenuNormalGet");
    EXPECT_EQ(log[20], "zelDispHisiNewMenuAlarmOutGet");
    EXPECT_EQ(log[21], "zelDispHisiNewMenuPTZPointGet");
    EXPECT_EQ(log.back(), "zelDispSaveMenu");
}

// The library makes its windows' backend before it reads the recorder, so that a slow one
// shows the progress window; it is gone once the entry returns.
TEST_F(EntryDll, test_slow_recorder_shows_progress_before_the_window) {
    zsimSetLatency(handle, 15);
    {
        WindowCloser closer;
        EXPECT_EQ(init(handle, RAVELIN_LANGUAGE_PORTUGUESE), RAVELIN_DONE);
        EXPECT_TRUE(closer.progressSeen());
    }
    EXPECT_EQ(FindWindowW(L"RavelinProgress", nullptr), nullptr);
}

// The message of a refused file through the published entries: UTF-16, the whole length
// asked first, and a surrogate pair never cut by a buffer too short.
TEST_F(EntryDll, test_config_message_names_the_field_and_never_cuts_a_character) {
    const auto import = reinterpret_cast<RavelinImportConfig>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, RAVELIN_IMPORT_CONFIG)));
    const auto message = reinterpret_cast<RavelinConfigMessage>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, RAVELIN_CONFIG_MESSAGE)));
    ASSERT_NE(import, nullptr);
    ASSERT_NE(message, nullptr);
    wchar_t folder[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring path = std::wstring(folder) + L"ravelin-dll-message.json";
    const char text[] =
        "{\"format\": \"ravelin-recorder-configuration\", \"formatVersion\": 1, "
        "\"recorder\": {}, \"records\": {\"NTP\": {\"\xF0\x9F\x98\x80\": 1}}}";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text, DWORD(sizeof text - 1), &written, nullptr);
    CloseHandle(file);

    EXPECT_EQ(import(handle, path.c_str(), RAVELIN_ALL_RIGHTS, 0), RAVELIN_CONFIG_UNKNOWN_FIELD);
    DeleteFileW(path.c_str());
    const std::wstring expected =
        L"The file was refused: no record has a field records.NTP.\U0001F600; nothing was sent.";
    const std::int32_t length = message(RAVELIN_MESSAGE_ENGLISH, nullptr, 0);
    ASSERT_EQ(length, std::int32_t(expected.size()));
    std::wstring whole(std::size_t(length) + 1, L'#');
    EXPECT_EQ(message(RAVELIN_MESSAGE_ENGLISH, whole.data(), length + 1), length);
    EXPECT_EQ(whole.c_str(), expected);
    // Room for the text up to the high surrogate: the pair is left out whole.
    const std::size_t before = expected.find(L'\xD83D');
    std::wstring cut(before + 2, L'#');
    EXPECT_EQ(message(RAVELIN_MESSAGE_ENGLISH, cut.data(), std::int32_t(cut.size())), length);
    EXPECT_EQ(std::wstring(cut.c_str()), expected.substr(0, before));
}

// What Windows shows of the built file: its product name and versions.
TEST(EntryDllVersion, test_version_resource_names_the_product_and_its_versions) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(L"Ravelin.dll", &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(L"Ravelin.dll", 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(RAVELIN_VERSION_MAJOR << 16 | RAVELIN_VERSION_MINOR));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_DLL));

    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT units = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &units))
            return std::string("<missing>");
        return std::string(value, value + wcslen(value));
    };
    EXPECT_EQ(text(L"ProductName"), "Ravelin");
    EXPECT_EQ(text(L"FileVersion"), RAVELIN_VERSION_TEXT);
    EXPECT_EQ(text(L"ProductVersion"), RAVELIN_VERSION_TEXT);
    EXPECT_EQ(text(L"OriginalFilename"), "Ravelin.dll");
}

}  // namespace
