// A customer's export started as a simulated recorder: the file of a 4-channel recorder,
// written without passwords, and the window on the recorder it starts shows the customer's
// pages.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "device/Ipv4.h"
#include "dll/Entries.h"
#include "device/ZelDisp.h"
#include "records/ConfigTransfer.h"
#include "res/resource.h"
#include "tests/sim/TempDir.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;
using Rows = std::vector<std::vector<std::u16string>>;

// Reads a record, lets change edit it, and has the recorder hold it.
template <typename Record>
void Change(ZelHandle h, const char* name, std::int32_t(ZEL_CALL* get)(ZelHandle, Record*),
            const std::function<void(Record&)>& change) {
    Record record{};
    ASSERT_EQ(get(h, &record), 0) << name;
    change(record);
    ASSERT_EQ(zsimSetRecord(h, name, &record, sizeof record), 0) << name;
}

class RecorderFromExport : public ScenarioTest {
  protected:
    // The customer's recorder, exported as a customer's software exports it: every record the
    // administrator sees, no passwords.
    void SetUp() override {
        ScenarioTest::SetUp();
        const ZelHandle h = recorder.handle();
        ASSERT_EQ(zsimSetCounts(h, 4, 2, 1), 0);
        Change<device::VersionRecord>(h, "Version", zelDispHisiNewMenuVersionGet,
                                      [](auto& r) { PutText(r.serialNumber, "CUST-4CH-0042"); });
        Change<device::CodeRecord>(h, "Code", zelDispHisiNewMenuCodeGet,
                                   [](auto& r) { r.channelCount = 4; });
        Change<device::NormalRecord>(h, "Normal", zelDispHisiNewMenuNormalGet,
                                     [](auto& r) { PutText(r.dvrNumber, "Shop 12"); });
        Change<device::NetRecord>(h, "Net", zelDispHisiNewMenuNetGet,
                                  [](auto& r) { r.ip = device::Ipv4FromOctets(10, 20, 30, 40); });
        Change<device::NtpRecord>(h, "NTP", zelDispHisiNewMenuNTPGet,
                                  [](auto& r) { PutText(r.server, "time.shop.example"); });
        Change<device::DialRecord>(h, "Dial", zelDispHisiNewMenuDialGet,
                                   [](auto& r) { PutText(r.password, "customer-secret"); });
        Change<device::PtzRecord>(h, "PTZ", zelDispHisiNewMenuPTZGet, [](auto& r) {
            r.channels[3].protocol = r.channels[0].protocol;
            r.channels[3].address = 44;
        });
        device::PtzPointRecord points{};
        points.slots[7].used = 1;
        PutText(points.slots[7].name, "Back gate");
        ASSERT_EQ(zelDispHisiNewMenuPTZPointSet(h, 3, &points), 0);
        ASSERT_EQ(records::ExportConfig(h, dir.path() / "customer.json", std::nullopt, 0).code, 0);
    }

    simtest::TempDir dir;
};

TEST_F(RecorderFromExport, test_pages_show_the_customers_recorder) {
    SimRecorder customer(dir.File("customer.json"));
    RunSession([&] { zelInitConfig(customer.handle(), 2); },
               [](Operator& op) {
                   op.SelectTreeItem(u"Version");
                   EXPECT_EQ(op.Text(IDC_VERSION_SERIAL), u"CUST-4CH-0042");
                   EXPECT_EQ(op.Text(IDC_VERSION_VIDEO_IN), u"4");
                   EXPECT_EQ(op.Text(IDC_VERSION_ALARM_IN), u"2");
                   op.SelectTreeItem(u"General");
                   EXPECT_EQ(op.Text(IDC_NORMAL_DVR_NO), u"Shop 12");
                   op.SelectTreeItem(u"Network");
                   EXPECT_EQ(op.Address(IDC_NET_IP), device::Ipv4FromOctets(10, 20, 30, 40));
                   op.SelectTreeItem(u"NTP Server");
                   EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"time.shop.example");
                   op.SelectTreeItem(u"Encode");
                   EXPECT_EQ(op.Entries(IDC_CODE_CHANNEL).size(), 4u);
                   op.SelectTreeItem(u"Pan/Tilt/Zoom");
                   EXPECT_EQ(op.Entries(IDC_PTZ_CHANNEL).size(), 4u);
                   op.Pick(IDC_PTZ_CHANNEL, 3);
                   EXPECT_EQ(op.Text(IDC_PTZ_ADDRESS), u"44");
                   op.Click(IDC_PTZ_PRESET);
                   EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), (Rows{{u"7", u"Back gate"}}));
                   op.Click(ui::kIdCancel);
                   // The file has no passwords: the recorder keeps its own.
                   op.SelectTreeItem(u"PPPOE");
                   EXPECT_EQ(op.Text(IDC_PPPOE_PASSWORD), u"pppoe-8108");
               });
}

}  // namespace
