// The configuration-file commands of the main window's system menu: export and import through
// the standard file dialogs, the message after each, and the pages after an import.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "records/ConfigTransfer.h"
#include "device/NetworkRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/sim/TempDir.h"
#include "tests/support/ScenarioTest.h"

namespace {

using namespace testsupport;

constexpr int kExportItem = 0x0100;
constexpr int kImportItem = 0x0110;

void PutNtpServer(const SimRecorder& recorder, const char* server) {
    device::NtpRecord ntp{};
    ASSERT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
    std::memset(ntp.server, 0, sizeof ntp.server);
    std::memcpy(ntp.server, server, std::strlen(server));
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "NTP", &ntp, sizeof ntp), 0);
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

    // The device functions called while the window was open, Gets left out.
    std::vector<std::string> Sends() const {
        std::vector<std::string> sends;
        for (const std::string& name : recorder.LoggedFunctions()) {
            if (name.find("Get") == std::string::npos)
                sends.push_back(name);
        }
        return sends;
    }

    simtest::TempDir dir;
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

TEST_F(ConfigFileMenu, test_export_writes_a_file_the_import_accepts) {
    const std::filesystem::path file = dir.path() / "backup.json";
    RunSession([&](Operator& op) {
        ChooseFile(op, kExportItem, u"Export configuration", file.u16string());
        ExpectMessage(op, u"The configuration was exported.");
    });
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(ReadText(file).find("\"NTP\""), std::string::npos);
    recorder.ClearLog();
    const records::TransferResult result = records::ImportConfig(recorder.handle(), file, {}, 0);
    EXPECT_EQ(result.code, 0) << result.message;  // the recorder already holds it
    EXPECT_EQ(CallCount("zelDispHisiNewMenuNTPSet"), 0);
}

TEST_F(ConfigFileMenu, test_import_sends_the_changed_record_and_the_page_shows_it) {
    const std::filesystem::path file = dir.path() / "changed.json";
    PutNtpServer(recorder, "time.example.org");
    ASSERT_EQ(records::ExportConfig(recorder.handle(), file, {}, 0).code, 0);
    PutNtpServer(recorder, "ntp1.example.net");
    RunSession([&](Operator& op) {
        const auto bold = [&op] {
            std::vector<std::u16string> marked;
            for (const TreeNodeSeen& node : op.TreeNodes()) {
                if (node.bold)
                    marked.push_back(node.text);
            }
            return marked;
        };
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"ntp1.example.net");
        // An edit not sent, which the recorder's records replace.
        op.Type(IDC_NTP_SERVER, u"typed.example.net");
        op.SelectTreeItem(u"General");
        EXPECT_EQ(bold(), std::vector<std::u16string>{u"NTP Server"});
        recorder.ClearLog();
        ChooseFile(op, kImportItem, u"Import configuration", file.u16string());
        ExpectMessage(op, u"Records sent to the recorder: 1");
        EXPECT_EQ(Sends(),
                  (std::vector<std::string>{"zelDispHisiNewMenuNTPSet", "zelDispSaveMenu"}));
        EXPECT_EQ(bold(), std::vector<std::u16string>{}) << "the pages show the recorder's records";
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"time.example.org");
    });
    device::NtpRecord ntp{};
    ASSERT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
    EXPECT_STREQ(ntp.server, "time.example.org");
}

TEST_F(ConfigFileMenu, test_damaged_file_is_refused_naming_record_and_field) {
    const std::filesystem::path file = dir.path() / "damaged.json";
    PutNtpServer(recorder, "time.example.org");
    ASSERT_EQ(records::ExportConfig(recorder.handle(), file, {}, 0).code, 0);
    std::string text = ReadText(file);
    const std::string server = "\"time.example.org\"";
    ASSERT_NE(text.find(server), std::string::npos);
    text.replace(text.find(server), server.size(),
                 "\"" + std::string(40, 'x') + "\"");  // longer than the field
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    PutNtpServer(recorder, "ntp1.example.net");
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        op.Type(IDC_NTP_SERVER, u"edited.example.net");  // an unsaved edit stays
        recorder.ClearLog();
        ChooseFile(op, kImportItem, u"Import configuration", file.u16string());
        const std::optional<MessageBoxSeen> box = op.OpenMessageBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text.rfind(u"The file was not imported; nothing was sent.\n\n", 0), 0u)
            << std::string(box->text.begin(), box->text.end());
        EXPECT_NE(box->text.find(u"records.NTP.server"), std::u16string::npos)
            << std::string(box->text.begin(), box->text.end());
        EXPECT_EQ(box->caption, u"Info");
        op.AnswerMessageBox(1);
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
