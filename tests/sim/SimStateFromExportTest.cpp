// A simulated recorder started from someone's export: it holds the file's records, the defaults
// for what the file leaves out, and an export of it gives the file's records again.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>

#include "records/ConfigTransfer.h"
#include "tests/sim/DeviceCalls.h"
#include "tests/sim/TempDir.h"
#include "tests/support/RecordBytes.h"

namespace {

using namespace simtest;
using testsupport::PutText;
using Json = nlohmann::ordered_json;

Json ReadJson(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Json::parse(std::string{std::istreambuf_iterator<char>(in), {}});
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A customer's recorder: 4 channels, settings of its own, an NTP server name whose bytes are
// not UTF-8 and a preset on its last channel.
void ShapeCustomer(const SimRecorder& recorder) {
    const ZelHandle h = recorder.handle();
    ASSERT_EQ(zsimSetCounts(h, 4, 2, 1), 0);
    device::VersionRecord version = Fetch(h, zelDispHisiNewMenuVersionGet);
    PutText(version.serialNumber, "CUST-4CH-0042");
    ASSERT_EQ(zsimSetRecord(h, "Version", &version, sizeof version), 0);
    device::NtpRecord ntp = Fetch(h, zelDispHisiNewMenuNTPGet);
    PutText(ntp.server, "time.shop\xff\xfe");
    ASSERT_EQ(zelDispHisiNewMenuNTPSet(h, &ntp), 0);
    device::DialRecord dial = Fetch(h, zelDispHisiNewMenuDialGet);
    PutText(dial.password, "customer-secret");
    ASSERT_EQ(zelDispHisiNewMenuDialSet(h, &dial), 0);
    device::PtzPointRecord points{};
    ASSERT_EQ(zelDispHisiNewMenuPTZPointGet(h, 3, &points), 0);
    points.slots[9].used = 1;
    PutText(points.slots[9].name, "Gate");
    ASSERT_EQ(zelDispHisiNewMenuPTZPointSet(h, 3, &points), 0);
}

struct ExportCase {
    const char* what;
    std::optional<const char*> user;  // none: every right
    std::uint32_t flags;
};

class StartFromExport : public testing::TestWithParam<ExportCase> {
  protected:
    std::optional<std::int32_t> User() const {
        return GetParam().user ? std::optional(zsimUserId(*GetParam().user)) : std::nullopt;
    }
    TempDir dir;
};

TEST_P(StartFromExport, test_export_of_the_started_recorder_holds_the_files_records) {
    const std::filesystem::path customer = dir.path() / "customer.json";
    {
        SimRecorder original;
        ShapeCustomer(original);
        ASSERT_EQ(records::ExportConfig(original.handle(), customer, User(), GetParam().flags).code,
                  0);
    }
    const std::filesystem::path state = dir.path() / "state.json";
    std::filesystem::copy_file(customer, state);
    const Json file = ReadJson(customer);

    SimRecorder started(dir.File("state.json"));
    const std::filesystem::path again = dir.path() / "again.json";
    ASSERT_EQ(records::ExportConfig(started.handle(), again, User(), GetParam().flags).code, 0);
    const Json exported = ReadJson(again);
    EXPECT_EQ(exported["records"], file["records"]);
    EXPECT_EQ(exported["recorder"]["serialNumber"], "CUST-4CH-0042");
    EXPECT_EQ(exported["recorder"]["videoInputs"], 4);
    EXPECT_EQ(Fetch(started.handle(), zelDispHisiNewMenuCodeGet).channelCount, 8)
        << "records the file lacks or leaves alone keep the defaults";

    // Saved, the state file holds the same records, and the passwords: the file's, or the
    // defaults' where it has none.
    ASSERT_EQ(zelDispSaveMenu(started.handle()), 0);
    const Json saved = ReadJson(state);
    EXPECT_TRUE(saved["secrets"].get<bool>());
    const bool secrets = GetParam().flags & records::kExportSecrets;
    for (const auto& [name, record] : file["records"].items()) {
        Json kept = saved["records"][name];
        if (!secrets && record.is_object() && kept.contains("password"))
            kept.erase("password");
        EXPECT_EQ(kept, record) << name;
    }
    if (file["records"].contains("Dial")) {
        EXPECT_EQ(saved["records"]["Dial"]["password"], secrets ? "customer-secret" : "pppoe-8108");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exports, StartFromExport,
    testing::Values(ExportCase{"every_right", std::nullopt, 0},
                    ExportCase{"with_passwords", std::nullopt, records::kExportSecrets},
                    ExportCase{"no_system_information", "no-info", 0},
                    ExportCase{"no_network", "no-network", 0}),
    [](const testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.what); });

TEST(StartFromFile, test_fields_and_records_the_file_leaves_out_take_the_defaults) {
    TempDir dir;
    WriteText(dir.path() / "edited.json", R"({
  "format": "ravelin-recorder-configuration", "formatVersion": 1, "recorder": {},
  "records": {
    "NTP": {"server": "ntp.shop.example"},
    "Version": {"videoInputs": 4, "serialNumber": "EDITED-1"},
    "PTZPoint": [{"presets": [{"used": true, "name": "Door"}]}]
  }
})");
    SimRecorder recorder(dir.File("edited.json"));
    const ZelHandle h = recorder.handle();
    const device::NtpRecord ntp = Fetch(h, zelDispHisiNewMenuNTPGet);
    EXPECT_STREQ(ntp.server, "ntp.shop.example");
    EXPECT_EQ(ntp.timeZoneMinutes, 480) << "default";
    const device::VersionRecord version = Fetch(h, zelDispHisiNewMenuVersionGet);
    EXPECT_EQ(version.videoInputs, 4);
    EXPECT_EQ(version.alarmInputs, 4) << "default";
    EXPECT_STREQ(version.serialNumber, "EDITED-1");
    EXPECT_STREQ(version.model, "DVR-8108") << "default";
    EXPECT_EQ(+Fetch(h, zelDispHisiNewMenuNormalGet).packMinutes, 60) << "default";
    device::PtzPointRecord points{};
    ASSERT_EQ(zelDispHisiNewMenuPTZPointGet(h, 0, &points), 0);
    EXPECT_STREQ(points.slots[0].name, "Door");
}

TEST(StartFromFile, test_file_without_version_record_takes_its_header_and_channel_lists) {
    TempDir dir;
    WriteText(dir.path() / "limited.json", R"({
  "format": "ravelin-recorder-configuration", "formatVersion": 1,
  "recorder": {"model": "DVR-X", "serialNumber": "HEADER-7"},
  "records": {"PTZPoint": [{}, {}, {}], "PTZCruise": [{}, {}]}
})");
    SimRecorder recorder(dir.File("limited.json"));
    const device::VersionRecord version = Fetch(recorder.handle(), zelDispHisiNewMenuVersionGet);
    EXPECT_STREQ(version.serialNumber, "HEADER-7");
    EXPECT_EQ(version.videoInputs, 3) << "the longest channel list";
    EXPECT_STREQ(version.model, "DVR-8108") << "only the Version record sets the model";
}

}  // namespace
