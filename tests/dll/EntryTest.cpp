// The entries as the recorder sees them: which calls arrive in which order, and what the
// session state holds afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <cstring>
#include <new>
#include <stdexcept>

#include "session/ConfigSession.h"
#include "dll/Entries.h"
#include "records/DeviceHandle.h"
#include "records/SessionState.h"
#include "device/ZelDisp.h"
#include "tests/support/SimRecorder.h"
#include "ui/Backend.h"
#include "ui/GraphicsObject.h"
#include "ui/ProgressWindow.h"

namespace {

using testsupport::SimRecorder;

// The records the entries read, in order, before the per-channel ones.
const std::vector<std::string> kFetchOrder = [] {
    std::vector<std::string> names;
    for (const char* record :
         {"Normal",   "Code",     "RecTimer", "Serials",   "Net",        "NTP",         "Dial",
          "DDNS",     "SMTP",     "AlarmIn",  "VideoLost", "VideoCover", "VideoMotion", "PTZ",
          "VideoOut", "ChanName", "Version",  "HddInfo",   "Event",      "RecAdmin",    "AlarmOut"})
        names.push_back(std::string("zelDispHisiNewMenu") + record + "Get");
    return names;
}();

class Entry : public testing::Test {
  protected:
    void SetUp() override {
        records::ResetSessionForTests();
        session::SetMainDialogRunner(NoWindow);
    }
    void TearDown() override { session::SetMainDialogRunner(nullptr); }

    // These tests look at the fetch alone.
    static void NoWindow() {}

    bool AllRights(std::uint8_t value) const {
        return std::all_of(std::begin(records::UserRights), std::end(records::UserRights),
                           [value](std::uint8_t r) { return r == value; });
    }

    SimRecorder recorder;
};

// The recorder reports the same count of channels, alarm inputs and alarm outputs.
struct ChannelCase {
    std::int32_t reported;
    std::int32_t channels, alarmInputs, alarmOutputs;  // clamped to the cache
};

class EntryFetch : public Entry, public testing::WithParamInterface<ChannelCase> {};

TEST_P(EntryFetch, test_fetch_order_and_per_channel_records) {
    const ChannelCase c = GetParam();
    zsimSetCounts(recorder.handle(), c.reported, c.reported, c.reported);
    recorder.ClearLog();

    EXPECT_EQ(zelInitConfig(recorder.handle(), 2), 0);

    const auto log = recorder.Log();
    ASSERT_GE(log.size(), kFetchOrder.size());
    for (std::size_t i = 0; i < kFetchOrder.size(); ++i) {
        EXPECT_EQ(log[i].function, kFetchOrder[i]) << "call " << i;
    }
    std::size_t next = kFetchOrder.size();
    for (std::int32_t channel = 0; channel < c.channels; ++channel) {
        ASSERT_GT(log.size(), next + 1);
        EXPECT_EQ(log[next].function, "zelDispHisiNewMenuPTZPointGet");
        EXPECT_EQ(log[next].argument, channel);
        EXPECT_EQ(log[next + 1].function, "zelDispHisiNewMenuPTZCruiseGet");
        EXPECT_EQ(log[next + 1].argument, channel);
        next += 2;
    }
    EXPECT_EQ(log.size(), next) << "nothing after the per-channel records";
    EXPECT_EQ(records::ChannelCount, c.channels);
    EXPECT_EQ(records::AlarmInCount, c.alarmInputs);
    EXPECT_EQ(records::AlarmOutCount, c.alarmOutputs);
    EXPECT_EQ(std::int32_t{records::ConfigCache.version.videoInputs}, c.reported)
        << "the raw field is kept";
}

INSTANTIATE_TEST_SUITE_P(Counts, EntryFetch,
                         testing::Values(ChannelCase{0, 0, 0, 0}, ChannelCase{3, 3, 3, 3},
                                         ChannelCase{16, 16, 16, 4}, ChannelCase{40, 16, 16, 4},
                                         ChannelCase{-3, 0, 0, 0}));

TEST_F(Entry, test_rights_entry_fetches_rights_first_with_the_user) {
    const std::int32_t user = zsimUserId("no-network");
    recorder.ClearLog();

    EXPECT_EQ(zelInitConfigEx(recorder.handle(), 2, 12345, user), 0);

    const auto log = recorder.Log();
    ASSERT_GT(log.size(), 1u);
    EXPECT_EQ(log[0].function, "zelDispHisiNewMenuUserListGet");
    EXPECT_EQ(log[0].argument, user);
    EXPECT_EQ(log[1].function, kFetchOrder[0]);
    EXPECT_FALSE(records::Granted(records::Row(records::RecordId::Net).right));
    EXPECT_TRUE(records::Granted(records::Row(records::RecordId::Version).right));
}

TEST_F(Entry, test_language_selector_maps_to_text_column) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0, 0}, {1, 2}, {2, 2}, {3, 3}, {7, 2}};
    for (auto [selector, column] : cases) {
        zelInitConfig(recorder.handle(), selector);
        EXPECT_EQ(records::LanguageIndex, column) << "selector " << selector;
        zelInitConfigEx(recorder.handle(), selector, 0, zsimUserId("admin"));
        EXPECT_EQ(records::LanguageIndex, column) << "selector " << selector << " (rights entry)";
    }
}

TEST_F(Entry, test_failed_rights_fetch_leaves_nothing_allowed_until_a_plain_entry) {
    const std::int32_t admin = zsimUserId("admin");
    for (std::int32_t scribble : {-1, 0x01, 0xFF}) {
        zelInitConfig(recorder.handle(), 2);
        ASSERT_TRUE(AllRights(1)) << "the plain entry grants every right";
        zsimFail(recorder.handle(), "zelDispHisiNewMenuUserListGet", 1, scribble);
        zelInitConfigEx(recorder.handle(), 2, 0, admin);
        EXPECT_TRUE(AllRights(0)) << "scribble " << scribble;
    }
    zelInitConfigEx(recorder.handle(), 2, 0, -77);  // a user the device does not know
    EXPECT_TRUE(AllRights(0));
}

TEST_F(Entry, test_every_get_failing_leaves_zeroed_records_then_the_previous_ones) {
    recorder.FailEveryGet();
    recorder.ClearLog();
    EXPECT_EQ(zelInitConfig(recorder.handle(), 2), 0);
    EXPECT_EQ(recorder.LoggedFunctions(), kFetchOrder) << "no channel, so no per-channel fetch";
    EXPECT_EQ(records::ChannelCount, 0);
    const device::NetRecord zero{};
    EXPECT_EQ(std::memcmp(&records::ConfigCache.net, &zero, sizeof zero), 0);

    testsupport::SimRecorder working;
    zelInitConfig(working.handle(), 2);
    const device::NetRecord before = records::ConfigCache.net;
    working.FailEveryGet();
    zelInitConfig(working.handle(), 3);
    EXPECT_EQ(std::memcmp(&records::ConfigCache.net, &before, sizeof before), 0);
    EXPECT_EQ(records::ChannelCount, 8);
    EXPECT_EQ(records::LanguageIndex, 3u);
}

// A re-entrant call from inside the window returns at once and changes nothing.
SimRecorder* secondRecorder = nullptr;
std::int32_t reentrantResult = 0;

void CallEntryAgain() {
    reentrantResult = zelInitConfigEx(secondRecorder->handle(), 3, 0, zsimUserId("guest"));
}

TEST_F(Entry, test_reentrant_call_returns_without_touching_the_session) {
    SimRecorder second;
    second.ClearLog();
    secondRecorder = &second;
    session::SetMainDialogRunner(CallEntryAgain);

    EXPECT_EQ(zelInitConfig(recorder.handle(), 2), 0);

    EXPECT_EQ(reentrantResult, -1);
    EXPECT_TRUE(second.Log().empty());
    EXPECT_EQ(records::DeviceHandle, recorder.handle());
    EXPECT_EQ(records::LanguageIndex, 2u);
    EXPECT_TRUE(AllRights(1));

    session::SetMainDialogRunner(NoWindow);
    EXPECT_EQ(zelInitConfigEx(second.handle(), 3, 0, zsimUserId("guest")), 0)
        << "a new session may start once the first has ended";
    EXPECT_EQ(records::DeviceHandle, second.handle());
}

// A window that fails in any way ends the call with -1, never with an exception, and closes
// the session: the next call of either entry runs a whole session.
TEST_F(Entry, test_failing_window_returns_minus_one_and_closes_the_session) {
    for (session::MainDialogRunner failing :
         {+[] { throw std::bad_alloc(); }, +[] { throw std::runtime_error("no window"); },
          +[] { throw 7; }}) {
        session::SetMainDialogRunner(failing);
        EXPECT_EQ(zelInitConfig(recorder.handle(), 2), -1);
        EXPECT_EQ(zelInitConfigEx(recorder.handle(), 2, 0, zsimUserId("admin")), -1);

        session::SetMainDialogRunner(NoWindow);
        recorder.ClearLog();
        EXPECT_EQ(zelInitConfigEx(recorder.handle(), 3, 0, zsimUserId("guest")), 0);
        const auto calls = recorder.LoggedFunctions();
        ASSERT_FALSE(calls.empty()) << "the session was left open";
        EXPECT_EQ(calls.front(), "zelDispHisiNewMenuUserListGet");
    }
}

// A backend that can make no window, as when the library's resources are missing.
class BackendWithoutWindows : public ui::Backend {
  public:
    ui::Window* CreateChild(ui::Dialog&, int, ui::Window&) override { return nullptr; }
    int RunModal(ui::Dialog&, int, ui::Window*) override { return -1; }
    int DesktopMessageBox(std::u16string_view, std::u16string_view, unsigned) override { return 0; }
    std::unique_ptr<ui::ProgressWindow> ShowProgress(std::u16string_view, std::u16string_view, int,
                                                     int) override {
        return nullptr;
    }
    std::unique_ptr<ui::FontHandle> CreateFont(std::u16string_view, int) override {
        return nullptr;
    }
    std::unique_ptr<ui::ImageListHandle> CreateImageList(int, int, int, int) override {
        return nullptr;
    }
    ui::DateTimeValue LocalNow() override { return {2000, 1, 1, 0, 0, 0}; }
};

TEST_F(Entry, test_window_that_cannot_be_made_fails_the_session_without_saving) {
    BackendWithoutWindows backend;
    ui::SetBackend(&backend);
    session::SetMainDialogRunner(nullptr);
    recorder.ClearLog();

    EXPECT_EQ(zelInitConfig(recorder.handle(), 2), -1);

    ui::SetBackend(nullptr);
    const auto calls = recorder.LoggedFunctions();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "zelDispHisiNewMenuPTZCruiseGet") << "fetched, then nothing";
}

}  // namespace

namespace {

// What the configuration-file entries answered from inside an open window.
std::int32_t exportInWindow = 0, importInWindow = 0;
std::int32_t callsInWindow = -1;
ZelHandle windowHandle = 0;

void TransfersFromTheWindow() {
    const std::int32_t before = zsimLogSize(windowHandle);
    exportInWindow = zelExportConfig(windowHandle, L"never-written.json", -1, 0);
    importInWindow = zelImportConfig(windowHandle, L"never-read.json", -1, 0);
    callsInWindow = zsimLogSize(windowHandle) - before;
}

TEST_F(Entry, test_config_files_refused_while_a_window_is_open) {
    windowHandle = recorder.handle();
    session::SetMainDialogRunner(TransfersFromTheWindow);
    zelInitConfig(recorder.handle(), 2);
    EXPECT_EQ(exportInWindow, RAVELIN_CONFIG_BUSY);
    EXPECT_EQ(importInWindow, RAVELIN_CONFIG_BUSY);
    EXPECT_EQ(callsInWindow, 0);
    EXPECT_FALSE(std::filesystem::exists("never-written.json"));
}

TEST_F(Entry, test_config_file_entries_refuse_a_missing_path) {
    recorder.ClearLog();
    EXPECT_EQ(zelExportConfig(recorder.handle(), nullptr, -1, 0), RAVELIN_CONFIG_BAD_ARGUMENT);
    EXPECT_EQ(zelImportConfig(recorder.handle(), L"", -1, 0), RAVELIN_CONFIG_BAD_ARGUMENT);
    EXPECT_EQ(recorder.LoggedFunctions(), std::vector<std::string>{});
}

}  // namespace

namespace {

// The entries as a client calls them: a wide path, every right, a back-up restored.
TEST_F(Entry, test_config_file_entries_back_up_and_restore) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "ravelin-entry-backup.json";
    ASSERT_EQ(zelExportConfig(recorder.handle(), file.wstring().c_str(), RAVELIN_ALL_RIGHTS, 0), 0);
    device::NtpRecord ntp{};
    zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp);
    const device::NtpRecord exported = ntp;
    ntp.periodMinutes = 777;
    zsimSetRecord(recorder.handle(), "NTP", &ntp, sizeof ntp);

    recorder.ClearLog();
    EXPECT_EQ(zelImportConfig(recorder.handle(), file.wstring().c_str(), RAVELIN_ALL_RIGHTS, 0), 1);
    const auto calls = recorder.LoggedFunctions();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "zelDispHisiNewMenuNTPSet"), 1);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "zelDispSaveMenu");
    zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp);
    EXPECT_EQ(0, std::memcmp(&ntp, &exported, sizeof ntp));
    std::filesystem::remove(file);
}

}  // namespace

namespace {

// The last result of the calling thread, through the entry as a client reads it; wchar_t holds
// whole characters natively, and these texts are of the basic plane.
std::u16string ConfigMessage(std::int32_t language) {
    const std::int32_t length = zelConfigMessage(language, nullptr, 0);
    std::wstring text(std::size_t(length) + 1, L'?');
    EXPECT_EQ(zelConfigMessage(language, text.data(), length + 1), length);
    EXPECT_EQ(text[std::size_t(length)], L'\0');
    return std::u16string(text.begin(), text.begin() + length);
}

std::string Narrowed(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

const std::string kServer = "\"server\":\"pool.ntp.org\"";
const std::string kOtherServer = "\"server\":\"time.example.org\"";
const std::string kPack = "\"packMinutes\":60";
const std::string kOtherPack = "\"packMinutes\":45";

class EntryMessage : public Entry {
  protected:
    void TearDown() override {
        std::filesystem::remove(file);
        Entry::TearDown();
    }
    // The recorder's configuration as a file, with texts changed in it.
    void WriteFile(const std::vector<std::pair<std::string, std::string>>& changes) {
        ASSERT_EQ(zelExportConfig(recorder.handle(), file.wstring().c_str(), -1, 0), 0);
        std::string text;
        {
            std::ifstream in(file, std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        for (const auto& [from, to] : changes) {
            const std::size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    }
    std::int32_t Import(std::uint32_t flags = 0) {
        return zelImportConfig(recorder.handle(), file.wstring().c_str(), -1, flags);
    }

    std::filesystem::path file =
        std::filesystem::temp_directory_path() / "ravelin-entry-message.json";
};

// A refused file, a failed send and a success, each said in the three languages.
TEST_F(EntryMessage, test_message_in_the_three_languages) {
    const struct {
        const char* what;
        std::int32_t code;
        std::u16string chinese, english, portuguese;
    } rows[] = {
        {"refused", RAVELIN_CONFIG_OUT_OF_RANGE,
         u"文件被拒绝：records.NTP.server 的值超出该字段的范围，未发送任何记录。",
         u"The file was refused: records.NTP.server holds a value its field cannot hold "
         u"(longer than the field's 32 bytes); nothing was sent.",
         u"O arquivo foi recusado: records.NTP.server tem um valor que não cabe no campo; nada "
         u"foi enviado."},
        {"failed send", RAVELIN_CONFIG_PUT_BACK,
         u"发送 NTP 失败；之前发送的记录已恢复原样，录像机与导入前相同，未永久保存任何内容。",
         u"Sending NTP failed; the records sent before it were put back, so the recorder is "
         u"as it was, and nothing was made permanent.",
         u"O envio de NTP falhou; os registros enviados antes foram restaurados, o gravador "
         u"está como antes e nada foi salvo permanentemente."},
        {"success", 2, u"已向录像机发送 2 条记录并永久保存。",
         u"2 records were sent to the recorder and made permanent.",
         u"2 registros foram enviados ao gravador e salvos permanentemente."},
    };
    for (const auto& row : rows) {
        const std::string what = row.what;
        if (what == "refused") {
            WriteFile({{kServer, "\"server\":\"" + std::string(40, 'x') + "\""}});
        } else {
            WriteFile({{kServer, kOtherServer}, {kPack, kOtherPack}});
            if (what == "failed send")
                zsimFail(recorder.handle(), "zelDispHisiNewMenuNTPSet", 1, -1);
        }
        EXPECT_EQ(Import(), row.code) << row.what;
        EXPECT_EQ(ConfigMessage(RAVELIN_MESSAGE_CHINESE), row.chinese) << row.what;
        EXPECT_EQ(ConfigMessage(RAVELIN_MESSAGE_ENGLISH), row.english) << row.what;
        EXPECT_EQ(ConfigMessage(RAVELIN_MESSAGE_PORTUGUESE), row.portuguese) << row.what;
        EXPECT_EQ(ConfigMessage(3), row.portuguese) << "the window entries' Portuguese";
        EXPECT_EQ(ConfigMessage(99), row.english) << "any other language is English";
        // A success changed the recorder: put it back for the next row.
        if (row.code >= 0) {
            WriteFile({{kOtherServer, kServer}, {kOtherPack, kPack}});
            ASSERT_GE(Import(), 0);
        }
    }
}

// A check names each field that would change, one line each, after its sentence.
TEST_F(EntryMessage, test_check_lists_each_field_and_sends_nothing) {
    WriteFile({{kServer, kOtherServer}});
    recorder.ClearLog();
    EXPECT_EQ(Import(RAVELIN_IMPORT_CHECK_ONLY), 1);
    EXPECT_EQ(Narrowed(ConfigMessage(RAVELIN_MESSAGE_ENGLISH)),
              "An import would send 1 record (nothing was sent).\n"
              "NTP.server: pool.ntp.org -> time.example.org");
    for (const std::string& call : recorder.LoggedFunctions())
        EXPECT_TRUE(call.ends_with("Get")) << call;
}

// The length of the whole text, and as much of it as fits, always ended by a zero.
TEST_F(EntryMessage, test_message_length_and_what_fits) {
    EXPECT_EQ(zelImportConfig(recorder.handle(), L"", -1, 0), RAVELIN_CONFIG_BAD_ARGUMENT);
    const std::u16string whole = ConfigMessage(RAVELIN_MESSAGE_ENGLISH);
    EXPECT_EQ(Narrowed(whole),
              "No file was given, or flags this version does not know; nothing was done.");
    wchar_t small[6];
    std::fill(std::begin(small), std::end(small), L'#');
    EXPECT_EQ(zelConfigMessage(RAVELIN_MESSAGE_ENGLISH, small, 5), std::int32_t(whole.size()));
    EXPECT_EQ(std::wstring(small), L"No f");
    EXPECT_EQ(small[5], L'#') << "nothing beyond chars";
    small[0] = L'#';
    EXPECT_EQ(zelConfigMessage(RAVELIN_MESSAGE_ENGLISH, small, 0), std::int32_t(whole.size()));
    EXPECT_EQ(small[0], L'#') << "chars 0 writes nothing";
    EXPECT_EQ(zelConfigMessage(RAVELIN_MESSAGE_ENGLISH, small, 1), std::int32_t(whole.size()));
    EXPECT_EQ(small[0], L'\0');

    // Each thread has its own last result; a thread that called neither entry has none.
    std::int32_t elsewhere = -1;
    std::thread([&elsewhere] { elsewhere = zelConfigMessage(2, nullptr, 0); }).join();
    EXPECT_EQ(elsewhere, 0);
}

}  // namespace
