// The configuration-file commands of the main window's system menu: export and import through
// the standard file dialogs; before an import the question about unsaved edits and the preview
// of what the file changes; afterwards the pages, the restart question, the message, and what
// closing the window saves.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "device/NetworkRecords.h"
#include "device/RecordingRecords.h"
#include "device/ZelDisp.h"
#include "records/ConfigTransfer.h"
#include "records/SessionState.h"
#include "res/resource.h"
#include "tests/sim/TempDir.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;
using Json = nlohmann::ordered_json;

constexpr int kExportItem = 0x0100;
constexpr int kImportItem = 0x0110;
constexpr unsigned kInformation = 0x40;
constexpr unsigned kWarning = 0x30;

void PutNtpServer(const SimRecorder& recorder, const char* server) {
    device::NtpRecord ntp{};
    ASSERT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
    std::memset(ntp.server, 0, sizeof ntp.server);
    std::memcpy(ntp.server, server, std::strlen(server));
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "NTP", &ntp, sizeof ntp), 0);
}

std::string NtpServer(const SimRecorder& recorder) {
    device::NtpRecord ntp{};
    EXPECT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
    return std::string(ntp.server, strnlen(ntp.server, sizeof ntp.server));
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ConfigFileMenu : public ScenarioTest {
  protected:
    // Chooses the item, checks the dialog it opens and answers it.
    static void ChooseFile(Operator& op, int item, std::u16string_view title,
                           const std::optional<std::u16string>& path) {
        op.ChooseSystemMenuItem(item);
        const std::optional<FileDialogSeen> dialog = op.OpenFileDialog();
        ASSERT_TRUE(dialog.has_value()) << "no file dialog";
        EXPECT_EQ(dialog->title, std::u16string(title));
        EXPECT_EQ(dialog->filter, u"Configuration files (*.json)");
        op.AnswerFileDialog(path);
    }

    // Checks the open message box: its text, the caption "Info" and the icon; answers it.
    static void ExpectBox(Operator& op, std::u16string_view text, unsigned type, int answer = 1) {
        const std::optional<MessageBoxSeen> box = op.OpenMessageBox();
        ASSERT_TRUE(box.has_value()) << "no message box";
        EXPECT_EQ(box->text, std::u16string(text)) << Narrow(box->text);
        EXPECT_EQ(box->caption, u"Info");
        EXPECT_EQ(box->type, type);
        op.AnswerMessageBox(answer);
    }

    // The Open dialog answered with the file, then the preview checked and answered.
    void OpenAndPreview(Operator& op, std::u16string_view preview, int answer) {
        const std::optional<FileDialogSeen> dialog = op.OpenFileDialog();
        ASSERT_TRUE(dialog.has_value()) << "no file dialog";
        EXPECT_EQ(dialog->title, u"Import configuration");
        op.AnswerFileDialog(file.u16string());
        ExpectBox(op, preview, kWarning | 4u, answer);
    }

    // The import command with no page holding edits, up to the preview.
    void ImportWithPreview(Operator& op, std::u16string_view preview, int answer) {
        op.ChooseSystemMenuItem(kImportItem);
        OpenAndPreview(op, preview, answer);
    }

    // The recorder's configuration as a file, with what edit changes in it.
    void WriteFile(const std::function<void(Json&)>& edit) {
        ASSERT_EQ(records::ExportConfig(recorder.handle(), file, {}, 0).code, 0);
        Json json = Json::parse(ReadText(file));
        edit(json);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << json.dump(1);
    }

    // The device functions called, Gets left out.
    std::vector<std::string> Sends() const {
        std::vector<std::string> sends;
        for (const std::string& name : recorder.LoggedFunctions()) {
            if (name.find("Get") == std::string::npos)
                sends.push_back(name);
        }
        return sends;
    }

    // What the recorder holds of every record, by the device functions.
    std::vector<Bytes> Held() const {
        std::vector<Bytes> held;
        for (const records::RecordRow& row : records::Rows()) {
            device::RecordSet set;
            records::GetRecord(recorder.handle(), set, row.id);
            const auto bytes = records::RecordBytes(set, row.id);
            held.emplace_back(bytes.begin(), bytes.end());
        }
        return held;
    }

    static std::vector<std::u16string> Bold(Operator& op) {
        std::vector<std::u16string> marked;
        for (const TreeNodeSeen& node : op.TreeNodes()) {
            if (node.bold)
                marked.push_back(node.text);
        }
        return marked;
    }

    simtest::TempDir dir;
    std::filesystem::path file = dir.path() / "recorder.json";
};

TEST_F(ConfigFileMenu, test_system_menu_ends_with_the_two_commands) {
    RunSession([](Operator& op) {
        const std::vector<SystemMenuItemSeen> items = op.SystemMenuItems();
        ASSERT_GE(items.size(), 3u);
        const std::vector<SystemMenuItemSeen> added(items.end() - 3, items.end());
        const std::vector<SystemMenuItemSeen> expected = {
            {0, u""},
            {kExportItem, u"Export configuration\u2026"},
            {kImportItem, u"Import configuration\u2026"},
        };
        EXPECT_EQ(added, expected);
    });
}

TEST_F(ConfigFileMenu, test_export_writes_a_file_the_recorder_already_holds) {
    RunSession([&](Operator& op) {
        ChooseFile(op, kExportItem, u"Export configuration", file.u16string());
        ExpectBox(op, u"The configuration was exported.", kInformation);
        ASSERT_TRUE(std::filesystem::exists(file));
        EXPECT_NE(ReadText(file).find("\"NTP\""), std::string::npos);
        // Imported again, the file changes nothing: no question, nothing sent.
        recorder.ClearLog();
        ChooseFile(op, kImportItem, u"Import configuration", file.u16string());
        ExpectBox(op, u"The recorder already holds this configuration; nothing was sent.",
                  kInformation);
        EXPECT_EQ(Sends(), std::vector<std::string>{});
    });
}

// Pending edits: the question first, naming the pages; then the preview; Yes sends, and the
// page shows what the recorder now holds.
TEST_F(ConfigFileMenu, test_import_asks_previews_and_sends_on_yes) {
    PutNtpServer(recorder, "time.example.org");
    WriteFile([](Json&) {});
    PutNtpServer(recorder, "ntp1.example.net");
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"ntp1.example.net");
        op.Type(IDC_NTP_SERVER, u"typed.example.net");
        op.SelectTreeItem(u"General");
        EXPECT_EQ(Bold(op), std::vector<std::u16string>{u"NTP Server"});
        recorder.ClearLog();
        op.ChooseSystemMenuItem(kImportItem);
        ExpectBox(op, u"Unsaved changes on: NTP Server. Import a file without saving them?",
                  kWarning | 4u, ui::kIdYes);
        OpenAndPreview(op, u"Importing this file changes: NTP Server.\n\nImport it now?",
                       ui::kIdYes);
        ExpectBox(op, u"Records sent to the recorder: 1\n\nPages changed: NTP Server.",
                  kInformation);
        EXPECT_EQ(Sends(),
                  (std::vector<std::string>{"zelDispHisiNewMenuNTPSet", "zelDispSaveMenu"}));
        EXPECT_EQ(Bold(op), std::vector<std::u16string>{}) << "the page shows the recorder's";
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"time.example.org");
    });
    EXPECT_EQ(NtpServer(recorder), "time.example.org");
}

// No to the question about unsaved edits: no file dialog, no device call, the edits stay.
TEST_F(ConfigFileMenu, test_no_to_the_question_about_edits_does_nothing) {
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        op.Type(IDC_NTP_SERVER, u"typed.example.net");
        recorder.ClearLog();
        op.ChooseSystemMenuItem(kImportItem);
        ExpectBox(op, u"Unsaved changes on: NTP Server. Import a file without saving them?",
                  kWarning | 4u, ui::kIdNo);
        EXPECT_FALSE(op.OpenFileDialog().has_value());
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(recorder.LoggedFunctions(), std::vector<std::string>{});
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"typed.example.net");
    });
}

// The preview names every page the file changes and says that a file from another recorder
// leaves this one's identity; No sends nothing.
TEST_F(ConfigFileMenu, test_preview_of_another_recorders_file_and_no) {
    WriteFile([](Json& f) {
        f["recorder"]["serialNumber"] = "ANOTHER-1";
        f["records"]["NTP"]["server"] = "time.example.org";
        f["records"]["Net"]["preferredDns"] = "1.1.1.1";
        f["records"]["Net"]["ip"] = "10.0.0.9";
        f["records"]["ChanName"]["channels"][0]["name"] = "Gate";
        f["records"]["PTZCruise"][1]["patrols"][3]["intervalSeconds"] = 9;
    });
    const std::vector<Bytes> before = Held();
    RunSession([&](Operator& op) {
        recorder.ClearLog();
        ImportWithPreview(op,
                          u"Importing this file changes: Network, Alarm Center, NTP Server, "
                          u"Pan/Tilt/Zoom.\n\nThe file comes from another recorder: this "
                          u"recorder keeps its own address, ports, DVR number and channel "
                          u"names.\n\nImport it now?",
                          ui::kIdNo);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(Sends(), std::vector<std::string>{});
    });
    EXPECT_EQ(Held(), before);
}

// A send that fails in the middle puts back what went before it; the message says so with
// the warning icon, and closing saves as it always does, the recorder being as it was.
TEST_F(ConfigFileMenu, test_failed_import_is_put_back_and_the_recorder_is_as_before) {
    WriteFile([](Json& f) {
        f["records"]["Normal"]["packMinutes"] = 45;
        f["records"]["NTP"]["server"] = "time.example.org";
    });
    const std::vector<Bytes> before = Held();
    zsimFail(recorder.handle(), "zelDispHisiNewMenuNTPSet", 1, -1);
    RunSession([&](Operator& op) {
        recorder.ClearLog();
        ImportWithPreview(
            op, u"Importing this file changes: General, NTP Server.\n\nImport it now?", ui::kIdYes);
        ExpectBox(op,
                  u"The import failed part-way.\n\nSending NTP failed; the records sent before "
                  u"it were put back, so the recorder is as it was, and nothing was made "
                  u"permanent.",
                  kWarning);
        EXPECT_EQ(Sends(), (std::vector<std::string>{"zelDispHisiNewMenuNormalSet",
                                                     "zelDispHisiNewMenuNTPSet",
                                                     "zelDispHisiNewMenuNormalSet"}));
        op.SelectTreeItem(u"General");
        EXPECT_EQ(op.Text(IDC_NORMAL_PACK), u"60");
        recorder.ClearLog();
        op.Close();
    });
    EXPECT_EQ(Sends(), std::vector<std::string>{"zelDispSaveMenu"});
    EXPECT_EQ(Held(), before);
}

// Records that could not be put back: the message names them and says that closing will not
// make them permanent, and closing does not.
TEST_F(ConfigFileMenu, test_import_not_put_back_skips_the_save_on_closing) {
    WriteFile([](Json& f) {
        f["records"]["Normal"]["packMinutes"] = 45;
        f["records"]["NTP"]["server"] = "time.example.org";
    });
    zsimFail(recorder.handle(), "zelDispHisiNewMenuNTPSet", 1, -1);
    zsimFailAfter(recorder.handle(), "zelDispHisiNewMenuNormalSet", 1, 1, -1);
    RunSession([&](Operator& op) {
        ImportWithPreview(
            op, u"Importing this file changes: General, NTP Server.\n\nImport it now?", ui::kIdYes);
        ExpectBox(op,
                  u"The import failed part-way.\n\nSending NTP failed, and Normal could not be "
                  u"put back; nothing was made permanent.\n\nPages changed: General.\n\n"
                  u"Closing this window will not make them permanent; restarting the recorder "
                  u"returns it to its saved settings.",
                  kWarning);
        op.SelectTreeItem(u"General");
        EXPECT_EQ(op.Text(IDC_NORMAL_PACK), u"45") << "the page shows what it holds";
        recorder.ClearLog();
        op.Close();
    });
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 0);
}

// A port that changes asks the restart question the Network page asks.
TEST_F(ConfigFileMenu, test_port_change_asks_the_restart_question) {
    for (const int answer : {ui::kIdNo, ui::kIdYes}) {
        records::ResetSessionForTests();
        WriteFile([](Json& f) { f["records"]["Net"]["httpPort"] = 8080; });
        RunSession([&](Operator& op) {
            recorder.ClearLog();
            ImportWithPreview(
                op, u"Importing this file changes: Network, Alarm Center.\n\nImport it now?",
                ui::kIdYes);
            const std::optional<MessageBoxSeen> question = op.OpenMessageBox();
            ASSERT_TRUE(question.has_value());
            EXPECT_TRUE(question->ownedByDesktop);
            ExpectMessage(op, kRebootQuestion, answer);
            ExpectBox(op,
                      u"Records sent to the recorder: 1\n\nPages changed: Network, Alarm Center.",
                      kInformation);
        });
        EXPECT_EQ(CallCount("zelDispRebootDVR"), answer == ui::kIdYes ? 1 : 0);
        // Put the port back for the next round.
        device::NetRecord net{};
        zelDispHisiNewMenuNetGet(recorder.handle(), &net);
        net.httpPort = 80;
        zsimSetRecord(recorder.handle(), "Net", &net, sizeof net);
    }
}

// The cache takes what the recorder holds again through a temporary: a read that fails and
// scribbles leaves no bytes of its own, and the page has nothing pending.
TEST_F(ConfigFileMenu, test_failing_read_again_after_an_import_leaves_no_garbage) {
    PutNtpServer(recorder, "time.example.org");
    WriteFile([](Json&) {});
    PutNtpServer(recorder, "ntp1.example.net");
    // The session's reading, the check's and the import's go through; the read after the
    // import fails.
    zsimFailAfter(recorder.handle(), "zelDispHisiNewMenuNTPGet", 3, 1, 0x5A);
    RunSession([&](Operator& op) {
        ImportWithPreview(op, u"Importing this file changes: NTP Server.\n\nImport it now?",
                          ui::kIdYes);
        ExpectBox(op, u"Records sent to the recorder: 1\n\nPages changed: NTP Server.",
                  kInformation);
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"time.example.org");
        EXPECT_EQ(Bold(op), std::vector<std::u16string>{});
        recorder.ClearLog();
        SaveAndSucceed(op);
        EXPECT_EQ(CallCount("zelDispHisiNewMenuNTPSet"), 0) << "the cache holds what was sent";
    });
}

// A 4-channel recorder's file leaves a 16-channel recorder's encoder describing 16 channels:
// the Code record sent keeps the recorder's count, and the Encode page lists 16.
TEST_F(ConfigFileMenu, test_four_channel_file_leaves_sixteen_channels_on_the_encode_page) {
    device::CodeRecord code{};
    ASSERT_GE(zelDispHisiNewMenuCodeGet(recorder.handle(), &code), 0);
    code.channelCount = 16;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "Code", &code, sizeof code), 0);
    WriteFile([](Json& f) {
        f["recorder"]["serialNumber"] = "FOUR-4";
        f["records"]["Code"]["channelCount"] = 4;
        f["records"]["Code"]["channels"][0]["main"]["bitrateKbps"] = 384;
    });
    RunSession([&](Operator& op) {
        recorder.ClearLog();
        ImportWithPreview(op,
                          u"Importing this file changes: Encode.\n\nThe file comes from another "
                          u"recorder: this recorder keeps its own address, ports, DVR number and "
                          u"channel names.\n\nImport it now?",
                          ui::kIdYes);
        ExpectBox(op, u"Records sent to the recorder: 1\n\nPages changed: Encode.", kInformation);
        const std::vector<device::CodeRecord> sent =
            Decoded<device::CodeRecord>(Calls("zelDispHisiNewMenuCodeSet"));
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(+sent[0].channelCount, 16);
        EXPECT_EQ(+sent[0].channels[0].main.bitrate, 384);
        op.SelectTreeItem(u"Encode");
        EXPECT_EQ(op.Entries(IDC_CODE_CHANNEL).size(), 16u);
    });
}

TEST_F(ConfigFileMenu, test_damaged_file_is_refused_naming_record_and_field) {
    WriteFile([](Json& f) { f["records"]["NTP"]["server"] = std::string(40, 'x'); });
    PutNtpServer(recorder, "ntp1.example.net");
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        op.Type(IDC_NTP_SERVER, u"edited.example.net");  // an unsaved edit stays
        recorder.ClearLog();
        op.ChooseSystemMenuItem(kImportItem);
        ExpectBox(op, u"Unsaved changes on: NTP Server. Import a file without saving them?",
                  kWarning | 4u, ui::kIdYes);
        const std::optional<FileDialogSeen> dialog = op.OpenFileDialog();
        ASSERT_TRUE(dialog.has_value()) << "no file dialog";
        op.AnswerFileDialog(file.u16string());
        ExpectBox(op,
                  u"The file was not imported; nothing was sent.\n\nThe file was refused: "
                  u"records.NTP.server holds a value its field cannot hold (longer than the "
                  u"field's 32 bytes); nothing was sent.",
                  kWarning);
        EXPECT_TRUE(recorder.LoggedFunctions().empty()) << "no device call";
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"edited.example.net");
    });
}

TEST_F(ConfigFileMenu, test_cancel_in_the_file_dialog_does_nothing) {
    RunSession([&](Operator& op) {
        recorder.ClearLog();
        ChooseFile(op, kExportItem, u"Export configuration", std::nullopt);
        ChooseFile(op, kImportItem, u"Import configuration", std::nullopt);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_TRUE(recorder.LoggedFunctions().empty()) << "no device call";
    });
}

}  // namespace
