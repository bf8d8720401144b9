// The Version and Hdd Info pages: what the operator reads for what the recorder reports; and the
// Log page, a frame whose query reaches no recorder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/DeviceHandle.h"
#include "records/SessionState.h"
#include "device/Ipv4.h"
#include "device/PackedDateTime.h"
#include "device/ZelDisp.h"
#include "device/Records.h"
#include "pages/information/CLogDlg.h"
#include "res/resource.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Dialog.h"

namespace {

using namespace testsupport;

class InformationPages : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuVersionGet(recorder.handle(), &version), 0);
        ASSERT_GE(zelDispHisiNewMenuHddInfoGet(recorder.handle(), &hdd), 0);
    }

    // Lets the recorder report the records as they are now, then opens the window.
    void Report(const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Version", &version, sizeof version), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "HddInfo", &hdd, sizeof hdd), 0);
        RunSession(scenario);
    }

    device::VersionRecord version{};
    device::HddInfoRecord hdd{};
};

TEST_F(InformationPages, test_version_page_values) {
    std::memcpy(version.model, "DVR-8108", 9);
    std::memcpy(version.mainBoard, "MB-77", 6);
    std::memcpy(version.serialNumber, "SN0123456789", 13);
    std::memcpy(version.modelSuffix, "HX", 3);
    version.systemVersion = 1005;
    version.buildDate = device::PackDateTime({2011, 12, 31, 0, 0, 0});
    version.modelNumber = 8108;
    version.guiVersion = (1 << 16) | 2;
    version.videoInputs = 8;
    version.audioInputs = 4;
    version.alarmInputs = 16;
    version.alarmOutputs = 2;
    version.ip = device::Ipv4FromOctets(192, 168, 0, 1);
    const std::uint8_t mac[6] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0xff};
    std::memcpy(version.mac, mac, 6);

    Report([](Operator& op) {
        const std::pair<int, const char16_t*> expected[] = {
            {IDC_VERSION_MODEL, u"DVR-8108"},
            {IDC_VERSION_SYSTEM, u"1.5"},
            {IDC_VERSION_MODEL_NO, u"8108  HX"},
            {IDC_VERSION_VIDEO_IN, u"8"},
            {IDC_VERSION_ALARM_IN, u"16"},
            {IDC_VERSION_IP, u"192.168.0.1"},
            {IDC_VERSION_SERIAL, u"SN0123456789"},
            {IDC_VERSION_BOARD, u"MB-77"},
            {IDC_VERSION_BUILD_DATE, u"2011-12-31"},
            {IDC_VERSION_GUI, u"1.0002"},
            {IDC_VERSION_AUDIO_IN, u"4"},
            {IDC_VERSION_ALARM_OUT, u"2"},
            {IDC_VERSION_MAC, u"00:1a:2b:3c:4d:ff"}};
        for (const auto& [id, text] : expected) {
            EXPECT_EQ(Narrow(op.Text(id)), Narrow(text)) << "control " << id;
        }
    });
}

struct VersionCase {
    std::int32_t systemVersion;
    std::int32_t guiVersion;
    const char* system;
    const char* gui;
};

class VersionNumbers : public InformationPages, public testing::WithParamInterface<VersionCase> {};

TEST_P(VersionNumbers, test_versions_use_signed_division) {
    version.systemVersion = GetParam().systemVersion;
    version.guiVersion = GetParam().guiVersion;
    Report([](Operator& op) {
        EXPECT_EQ(Narrow(op.Text(IDC_VERSION_SYSTEM)), GetParam().system);
        EXPECT_EQ(Narrow(op.Text(IDC_VERSION_GUI)), GetParam().gui);
    });
}

INSTANTIATE_TEST_SUITE_P(Edges, VersionNumbers,
                         testing::Values(VersionCase{2003, 0, "2.3", "0.0000"},
                                         VersionCase{2030, (1 << 16) | 0xabcd, "2.30", "1.abcd"},
                                         VersionCase{-1005, -1, "-1.-5", "0.ffffffff"}));

TEST_F(InformationPages, test_version_text_fields_end_at_their_width) {
    std::memcpy(version.model, "ABCDEFGHIJKLMNOP", 16);  // no terminator in the field
    std::memcpy(version.mainBoard, "QRSTUVWXYZ012345", 16);
    std::memset(version.serialNumber, 'S', sizeof version.serialNumber);
    std::memcpy(version.modelSuffix, "\xe9\x80\x9a\xff", 4);  // a character, then a bad byte
    version.videoInputs = 40;
    Report([](Operator& op) {
        EXPECT_EQ(Narrow(op.Text(IDC_VERSION_MODEL)), "ABCDEFGHIJKLMNOP");
        EXPECT_EQ(Narrow(op.Text(IDC_VERSION_BOARD)), "QRSTUVWXYZ012345");
        EXPECT_EQ(Narrow(op.Text(IDC_VERSION_SERIAL)), std::string(32, 'S'));
        EXPECT_TRUE(op.Text(IDC_VERSION_MODEL_NO).ends_with(u"  \u901a\uFFFD"));
        EXPECT_EQ(Narrow(op.Text(IDC_VERSION_VIDEO_IN)), "40") << "the raw count is shown";
    });
}

TEST_F(InformationPages, test_hdd_info_times_columns_and_disks) {
    hdd.startTime = device::PackDateTime({2011, 5, 9, 7, 3, 0});
    hdd.endTime = device::PackDateTime({2011, 12, 31, 23, 59, 59});
    hdd.overwritten = 3;
    hdd.diskCount = 3;
    const std::int32_t totals[] = {5, 100000, -5, 777, 777, 777, 777, 777};
    const std::int32_t frees[] = {0, 123456, -12345, 1, 1, 1, 1, 1};
    const std::int32_t bads[] = {100, 0, 1, 1, 1, 1, 1, 1};
    std::memcpy(hdd.total, totals, sizeof totals);
    std::memcpy(hdd.free, frees, sizeof frees);
    std::memcpy(hdd.bad, bads, sizeof bads);

    Report([](Operator& op) {
        op.SelectTreeItem(u"Hdd Info");
        EXPECT_EQ(Narrow(op.Text(IDC_HDD_START)), "2011/5/9  07:03:00");
        EXPECT_EQ(Narrow(op.Text(IDC_HDD_END)), "2011/12/31  23:59:59");
        EXPECT_EQ(Narrow(op.Text(IDC_HDD_OVERWRITTEN)), "3");
        EXPECT_EQ(op.ColumnTitles(IDC_HDD_LIST),
                  (std::vector<std::u16string>{u"No", u"Total", u"Free", u"Bad"}));
        using Row = std::vector<std::u16string>;
        EXPECT_EQ(op.Rows(IDC_HDD_LIST),
                  (std::vector<Row>{{u"1", u"0.05G", u"0.00G", u"0.84G"},
                                    {u"2", u"1000.00G", u"1234.56G", u"0.00G"},
                                    {u"3", u"-0.05G", u"-123.45G", u"0.01G"}}))
            << "disks beyond the count are not shown; a sign stays in front";
    });
}

struct DiskCountCase {
    std::int32_t count;
    std::size_t rows;
};

class DiskCounts : public InformationPages, public testing::WithParamInterface<DiskCountCase> {};

TEST_P(DiskCounts, test_disk_list_never_reads_beyond_the_record) {
    hdd.diskCount = GetParam().count;
    for (int i = 0; i < 8; ++i)
        hdd.bad[i] = 1;
    Report([](Operator& op) {
        op.SelectTreeItem(u"Hdd Info");
        const auto rows = op.Rows(IDC_HDD_LIST);
        ASSERT_EQ(rows.size(), GetParam().rows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(Narrow(rows[i][0]), std::to_string(i + 1));
            EXPECT_EQ(Narrow(rows[i][3]), "0.01G");
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Counts, DiskCounts,
                         testing::Values(DiskCountCase{0, 0}, DiskCountCase{-1, 0},
                                         DiskCountCase{1, 1}, DiskCountCase{8, 8},
                                         DiskCountCase{9, 8}, DiskCountCase{1 << 30, 8}));

// No tree node shows the Log page: it is shown here in the main window's template on its own.
class LogHost : public ui::Dialog {
  public:
    LogHost() : Dialog(IDD_MAIN) {}

  protected:
    bool OnInitDialog() override {
        log_.Create(*this);
        log_.ShowWindow(true);
        return true;
    }

  private:
    CLogDlg log_;
};

TEST_F(InformationPages, test_log_page_shows_its_captions_and_its_query_does_nothing) {
    records::LanguageIndex = 2;
    records::DeviceHandle = recorder.handle();
    recorder.ClearLog();
    RunSession(
        [] {
            LogHost host;
            host.DoModal();
        },
        [](Operator& op) {
            EXPECT_EQ(op.ColumnTitles(IDC_LOG_LIST),
                      (std::vector<std::u16string>{u"No", u"Log Time", u"Event"}));
            EXPECT_EQ(op.Text(IDC_LOG_QUERY), u"Query");
            op.Click(IDC_LOG_QUERY);
            EXPECT_FALSE(op.OpenMessageBox().has_value());
            EXPECT_TRUE(op.Entries(IDC_LOG_TYPE).empty());
            EXPECT_TRUE(op.Rows(IDC_LOG_LIST).empty());
        });
    EXPECT_TRUE(recorder.Log().empty()) << "a device call";
}

}  // namespace
