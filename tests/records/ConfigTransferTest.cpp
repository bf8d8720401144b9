// Configuration files against simulated recorders: the round trip byte for byte, cloning onto
// another recorder, refusals of damaged files before any device call, failing sends and reads.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "records/ConfigTransfer.h"
#include "records/RecordTable.h"
#include "tests/sim/TempDir.h"
#include "tests/support/SimRecorder.h"

namespace {

using records::ExportConfig;
using records::ImportConfig;
using records::RecordId;
using testsupport::SimRecorder;
using Json = nlohmann::ordered_json;

constexpr RecordId kSendable[] = {
    RecordId::Normal,      RecordId::Code,     RecordId::RecTimer,  RecordId::Serials,
    RecordId::Net,         RecordId::Ntp,      RecordId::Dial,      RecordId::Ddns,
    RecordId::Smtp,        RecordId::AlarmIn,  RecordId::VideoLost, RecordId::VideoCover,
    RecordId::VideoMotion, RecordId::Ptz,      RecordId::VideoOut,  RecordId::ChanName,
    RecordId::Event,       RecordId::RecAdmin, RecordId::AlarmOut,
};
constexpr int kPerChannelRecords = 2;

// What the recorder holds now, read through the device functions.
std::unique_ptr<device::RecordSet> Snapshot(const SimRecorder& recorder, int channels) {
    auto records = std::make_unique<device::RecordSet>();
    for (int i = 0; i < static_cast<int>(RecordId::PtzPoint); ++i)
        EXPECT_GE(records::GetRecord(recorder.handle(), *records, static_cast<RecordId>(i)), 0);
    for (int c = 0; c < channels; ++c) {
        EXPECT_GE(records::GetRecord(recorder.handle(), *records, RecordId::PtzPoint, c), 0);
        EXPECT_GE(records::GetRecord(recorder.handle(), *records, RecordId::PtzCruise, c), 0);
    }
    return records;
}

// The records of which that differ between a and b, by name.
std::vector<std::string> Differing(const device::RecordSet& a, const device::RecordSet& b,
                                   int channels) {
    std::vector<std::string> names;
    const auto compare = [&](RecordId id, int channel) {
        const auto x = records::RecordBytes(a, id, channel),
                   y = records::RecordBytes(b, id, channel);
        if (!std::equal(x.begin(), x.end(), y.begin()))
            names.push_back(std::string(records::Row(id).name) +
                            (records::Row(id).perChannel ? std::to_string(channel) : ""));
    };
    for (RecordId id : kSendable)
        compare(id, 0);
    for (int c = 0; c < channels; ++c) {
        compare(RecordId::PtzPoint, c);
        compare(RecordId::PtzCruise, c);
    }
    return names;
}

// Replaces a record of the recorder with random bytes; the per-channel ones in all 16 slots.
void Scramble(const SimRecorder& recorder, RecordId id, std::mt19937& random) {
    std::size_t size = records::RecordBytes(device::RecordSet{}, id, 0).size();
    if (records::Row(id).perChannel)
        size *= device::kMaxChannels;
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    ASSERT_EQ(
        zsimSetRecord(recorder.handle(), records::Row(id).name, bytes.data(), std::int32_t(size)),
        0)
        << records::Row(id).name;
}

void ScrambleSendable(const SimRecorder& recorder, std::mt19937& random) {
    for (RecordId id : kSendable)
        Scramble(recorder, id, random);
    Scramble(recorder, RecordId::PtzPoint, random);
    Scramble(recorder, RecordId::PtzCruise, random);
}

void SetSerial(const SimRecorder& recorder, const char* serial) {
    device::RecordSet records;
    records::GetRecord(recorder.handle(), records, RecordId::Version);
    std::memset(records.version.serialNumber, 0, sizeof records.version.serialNumber);
    std::strncpy(records.version.serialNumber, serial, sizeof records.version.serialNumber - 1);
    zsimSetRecord(recorder.handle(), "Version", &records.version, sizeof records.version);
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Sets(const SimRecorder& recorder) {
    std::vector<std::string> sets;
    for (const std::string& name : recorder.LoggedFunctions()) {
        if (name.ends_with("Set") || name == "zelDispSaveMenu")
            sets.push_back(name);
    }
    return sets;
}

class ConfigTransfer : public testing::Test {
  protected:
    void SetUp() override { zsimSetCounts(recorder.handle(), 16, 16, 4); }

    std::filesystem::path File(const char* name = "recorder.json") const {
        return dir.path() / name;
    }

    simtest::TempDir dir;
    SimRecorder recorder;
};

TEST_F(ConfigTransfer, test_import_restores_every_record_byte_for_byte) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, records::kExportSecrets).code,
              0);
    const auto exported = Snapshot(recorder, 16);

    std::mt19937 random(7);
    ScrambleSendable(recorder, random);
    ASSERT_EQ(Differing(*exported, *Snapshot(recorder, 16), 16).size(),
              std::size(kSendable) + 16 * kPerChannelRecords);

    recorder.ClearLog();
    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, std::int32_t(std::size(kSendable) + 16 * kPerChannelRecords))
        << result.message;
    const std::vector<std::string> sets = Sets(recorder);
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(sets.front(), "zelDispHisiNewMenuNormalSet");
    EXPECT_EQ(sets.back(), "zelDispSaveMenu");
    EXPECT_EQ(std::count(sets.begin(), sets.end(), "zelDispSaveMenu"), 1);
    EXPECT_EQ(Differing(*exported, *Snapshot(recorder, 16), 16), std::vector<std::string>{});

    recorder.ClearLog();
    EXPECT_EQ(ImportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    EXPECT_EQ(Sets(recorder), std::vector<std::string>{"zelDispSaveMenu"}) << "no record sent";
}

// Records full of noise, the Version record too, come back byte for byte.
TEST_F(ConfigTransfer, test_records_of_noise_round_trip) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        std::mt19937 random(seed);
        ScrambleSendable(recorder, random);
        Scramble(recorder, RecordId::Version, random);
        Scramble(recorder, RecordId::HddInfo, random);
        device::RecordSet version;
        records::GetRecord(recorder.handle(), version, RecordId::Version);
        const int channels = std::clamp(int(version.version.videoInputs), 0, 16);
        const auto noise = Snapshot(recorder, channels);
        const records::TransferResult exported =
            ExportConfig(recorder.handle(), File(), std::nullopt, records::kExportSecrets);
        ASSERT_EQ(exported.code, 0) << exported.message;

        ScrambleSendable(recorder, random);
        const records::TransferResult imported =
            ImportConfig(recorder.handle(), File(), std::nullopt, 0);
        EXPECT_GE(imported.code, 0) << "seed " << seed << ": " << imported.message;
        EXPECT_EQ(Differing(*noise, *Snapshot(recorder, channels), channels),
                  std::vector<std::string>{})
            << "seed " << seed;
    }
}

TEST_F(ConfigTransfer, test_another_recorder_keeps_its_identity_unless_cloned) {
    SetSerial(recorder, "FIRST-1");
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    const auto source = Snapshot(recorder, 16);

    for (const bool clone : {false, true}) {
        SimRecorder other;
        zsimSetCounts(other.handle(), 16, 16, 4);
        SetSerial(other, "SECOND-2");
        std::mt19937 random(11);
        ScrambleSendable(other, random);
        const auto own = Snapshot(other, 16);

        const records::TransferResult result =
            ImportConfig(other.handle(), File(), std::nullopt, clone ? records::kImportClone : 0u);
        ASSERT_GE(result.code, 0) << result.message;
        const auto after = Snapshot(other, 16);
        const device::RecordSet& identity = clone ? *source : *own;
        EXPECT_EQ(+after->net.ip, +identity.net.ip) << clone;
        EXPECT_EQ(+after->net.subnetMask, +identity.net.subnetMask) << clone;
        EXPECT_EQ(+after->net.gateway, +identity.net.gateway) << clone;
        EXPECT_EQ(+after->net.dhcp, +identity.net.dhcp) << clone;
        EXPECT_EQ(+after->net.cmdPort, +identity.net.cmdPort) << clone;
        EXPECT_EQ(+after->net.talkPort, +identity.net.talkPort) << clone;
        EXPECT_EQ(0, std::memcmp(after->normal.dvrNumber, identity.normal.dvrNumber,
                                 sizeof identity.normal.dvrNumber))
            << clone;
        EXPECT_EQ(0, std::memcmp(after->chanName.names, identity.chanName.names,
                                 sizeof identity.chanName.names))
            << clone;
        // Everything else comes from the file.
        EXPECT_EQ(+after->net.preferredDns, +source->net.preferredDns) << clone;
        EXPECT_EQ(+after->net.alarmCenter1, +source->net.alarmCenter1) << clone;
        EXPECT_EQ(0, std::memcmp(&after->code, &source->code, sizeof source->code)) << clone;
        EXPECT_EQ(0, std::memcmp(&after->ptzPoint, &source->ptzPoint, sizeof source->ptzPoint))
            << clone;
        // The passwords were not in the file: the recorder keeps its own.
        EXPECT_EQ(0,
                  std::memcmp(after->smtp.password, own->smtp.password, sizeof own->smtp.password))
            << clone;
    }
}

TEST_F(ConfigTransfer, test_passwords_only_when_asked) {
    for (const std::uint32_t flags : {0u, records::kExportSecrets}) {
        ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, flags).code, 0);
        const Json file = Json::parse(ReadText(File()));
        for (const char* record : {"Dial", "DDNS", "SMTP"}) {
            EXPECT_EQ(file["records"][record].contains("password"), flags != 0)
                << record << " flags " << flags;
        }
        EXPECT_EQ(file["secrets"], flags != 0);
    }
}

// One change to a real export each, and what the refusal says.
struct DamageCase {
    const char* what;
    std::function<void(Json&)> damage;  // null: text below instead
    const char* text;
    std::int32_t code;
    const char* named;  // where the message points
};

class ConfigRefusal : public ConfigTransfer, public testing::WithParamInterface<DamageCase> {};

TEST_P(ConfigRefusal, test_damaged_file_is_refused_with_no_device_call) {
    const DamageCase& c = GetParam();
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::string text = ReadText(File());
    if (c.damage) {
        Json file = Json::parse(text);
        c.damage(file);
        text = file.dump(1);
    } else if (std::string_view(c.text) == "half") {
        text.resize(text.size() / 2);
    } else {
        text = c.text;
    }
    WriteText(File("damaged.json"), text);

    recorder.ClearLog();
    const records::TransferResult result =
        ImportConfig(recorder.handle(), File("damaged.json"), std::nullopt, 0);
    EXPECT_EQ(result.code, c.code) << c.what << ": " << result.message;
    EXPECT_NE(result.message.find(c.named), std::string::npos) << c.what << ": " << result.message;
    EXPECT_EQ(recorder.LoggedFunctions(), std::vector<std::string>{}) << c.what;
}

const DamageCase kDamage[] = {
    {"not JSON", nullptr, "hello", records::kConfigNotOurs, "not a configuration file"},
    {"another format", [](Json& f) { f["format"] = "spreadsheet"; }, "", records::kConfigNotOurs,
     "not a recorder configuration file"},
    {"no format", [](Json& f) { f.erase("format"); }, "", records::kConfigNotOurs,
     "not a recorder"},
    {"newer format", [](Json& f) { f["formatVersion"] = 2; }, "", records::kConfigNewerFormat,
     "formatVersion"},
    {"truncated", nullptr, "half", records::kConfigTruncated, "ends too early"},
    {"300 in a byte", [](Json& f) { f["records"]["Normal"]["dateFormat"] = 300; }, "",
     records::kConfigOutOfRange, "Normal.dateFormat"},
    {"negative port", [](Json& f) { f["records"]["Net"]["httpPort"] = -1; }, "",
     records::kConfigOutOfRange, "Net.httpPort"},
    {"address part 256", [](Json& f) { f["records"]["Net"]["gateway"] = "10.0.0.256"; }, "",
     records::kConfigOutOfRange, "Net.gateway"},
    {"text longer than its field",
     [](Json& f) { f["records"]["NTP"]["server"] = std::string(33, 'n'); }, "",
     records::kConfigOutOfRange, "NTP.server"},
    {"name longer than its field",
     [](Json& f) { f["records"]["ChanName"]["channels"][3]["name"] = std::string(32, 'c'); }, "",
     records::kConfigOutOfRange, "ChanName.channels[3].name"},
    {"hex of the wrong length", [](Json& f) { f["records"]["Net"]["reserved"] = "00"; }, "",
     records::kConfigOutOfRange, "Net.reserved"},
    {"address as a number", [](Json& f) { f["records"]["Net"]["ip"] = 5; }, "",
     records::kConfigWrongType, "Net.ip"},
    {"number as text", [](Json& f) { f["records"]["Code"]["channelCount"] = "8"; }, "",
     records::kConfigWrongType, "Code.channelCount"},
    {"fraction", [](Json& f) { f["records"]["NTP"]["periodMinutes"] = 1.5; }, "",
     records::kConfigWrongType, "NTP.periodMinutes"},
    {"record as a list", [](Json& f) { f["records"]["Serials"] = Json::array(); }, "",
     records::kConfigWrongType, "records.Serials"},
    {"unknown field", [](Json& f) { f["records"]["Net"]["colour"] = "blue"; }, "",
     records::kConfigUnknownField, "Net.colour"},
    {"unknown record", [](Json& f) { f["records"]["Weather"] = Json::object(); }, "",
     records::kConfigUnknownField, "records.Weather"},
    {"17 channels of presets",
     [](Json& f) {
         auto& list = f["records"]["PTZPoint"];
         list.push_back(list[0]);
     },
     "", records::kConfigCounts, "PTZPoint"},
    {"17 alarm inputs",
     [](Json& f) {
         auto& list = f["records"]["AlarmIn"]["inputs"];
         list.push_back(list[0]);
     },
     "", records::kConfigCounts, "AlarmIn.inputs"},
};

INSTANTIATE_TEST_SUITE_P(Damage, ConfigRefusal, testing::ValuesIn(kDamage));

// More channels in the file than the recorder has: refused after reading it, before any send.
TEST_F(ConfigTransfer, test_more_channels_than_the_recorder_has_are_refused) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    zsimSetCounts(recorder.handle(), 8, 16, 4);
    recorder.ClearLog();
    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigCounts) << result.message;
    EXPECT_NE(result.message.find("PTZPoint"), std::string::npos) << result.message;
    EXPECT_EQ(Sets(recorder), std::vector<std::string>{});
}

TEST_F(ConfigTransfer, test_failing_send_stops_there_and_saves_nothing) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(3);
    ScrambleSendable(recorder, random);
    zsimFail(recorder.handle(), "zelDispHisiNewMenuNetSet", 1, -1);
    recorder.ClearLog();

    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigSendFailed - 5) << result.message;
    EXPECT_NE(result.message.find("Net"), std::string::npos) << result.message;
    EXPECT_EQ(Sets(recorder), (std::vector<std::string>{
                                  "zelDispHisiNewMenuNormalSet", "zelDispHisiNewMenuCodeSet",
                                  "zelDispHisiNewMenuRecTimerSet", "zelDispHisiNewMenuSerialsSet",
                                  "zelDispHisiNewMenuNetSet"}));
}

TEST_F(ConfigTransfer, test_failing_channel_send_is_named) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(5);
    Scramble(recorder, RecordId::PtzCruise, random);
    zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZCruiseSet", 1, -1);
    recorder.ClearLog();
    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigSendCruiseFailed - 0) << result.message;
    EXPECT_EQ(Sets(recorder), std::vector<std::string>{"zelDispHisiNewMenuPTZCruiseSet"});
}

TEST_F(ConfigTransfer, test_failing_read_refuses_before_any_send) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(9);
    ScrambleSendable(recorder, random);
    for (const char* function :
         {"zelDispHisiNewMenuNormalGet", "zelDispHisiNewMenuVersionGet",
          "zelDispHisiNewMenuPTZCruiseGet", "zelDispHisiNewMenuUserListGet"}) {
        zsimFail(recorder.handle(), function, 1, 0x5A);
        recorder.ClearLog();
        const std::optional<std::int32_t> user =
            std::string_view(function).find("UserList") != std::string_view::npos
                ? std::optional<std::int32_t>(zsimUserId("admin"))
                : std::nullopt;
        const records::TransferResult result = ImportConfig(recorder.handle(), File(), user, 0);
        EXPECT_EQ(result.code, records::kConfigReadFailed) << function << ": " << result.message;
        EXPECT_EQ(Sets(recorder), std::vector<std::string>{}) << function;
        zsimFail(recorder.handle(), function, 0, -1);
    }
}

TEST_F(ConfigTransfer, test_failing_read_writes_no_file_and_keeps_the_old_one) {
    WriteText(File(), "the previous file");
    zsimFail(recorder.handle(), "zelDispHisiNewMenuAlarmOutGet", 1, -1);
    const records::TransferResult result = ExportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigReadFailed);
    EXPECT_NE(result.message.find("AlarmOut"), std::string::npos) << result.message;
    EXPECT_EQ(ReadText(File()), "the previous file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    // The next export replaces it.
    EXPECT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    EXPECT_NE(ReadText(File()).find("ravelin-recorder-configuration"), std::string::npos);
}

// A user without the network right neither sees nor changes the network records.
TEST_F(ConfigTransfer, test_user_rights_limit_what_is_read_and_sent) {
    const std::int32_t user = zsimUserId("no-network");
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(13);
    ScrambleSendable(recorder, random);
    recorder.ClearLog();
    const records::TransferResult result = ImportConfig(recorder.handle(), File(), user, 0);
    EXPECT_EQ(result.code, std::int32_t(std::size(kSendable) - 5 + 16 * kPerChannelRecords))
        << result.message;
    for (const std::string& name : recorder.LoggedFunctions()) {
        for (const char* hidden : {"Net", "NTP", "Dial", "DDNS", "SMTP"})
            EXPECT_NE(name, std::string("zelDispHisiNewMenu") + hidden + "Set");
    }

    ASSERT_EQ(ExportConfig(recorder.handle(), File(), user, 0).code, 0);
    const Json file = Json::parse(ReadText(File()));
    EXPECT_FALSE(file["records"].contains("Net"));
    EXPECT_TRUE(file["records"].contains("Normal"));
}

TEST_F(ConfigTransfer, test_bad_arguments_touch_nothing) {
    recorder.ClearLog();
    EXPECT_EQ(ExportConfig(recorder.handle(), {}, std::nullopt, 0).code,
              records::kConfigBadArgument);
    EXPECT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 2).code,
              records::kConfigBadArgument);
    EXPECT_EQ(ImportConfig(recorder.handle(), File(), std::nullopt, 4).code,
              records::kConfigBadArgument);
    EXPECT_EQ(ImportConfig(recorder.handle(), File("missing.json"), std::nullopt, 0).code,
              records::kConfigFileUnreadable);
    EXPECT_EQ(
        ExportConfig(recorder.handle(), dir.path() / "no" / "such" / "dir.json", std::nullopt, 0)
            .code,
        records::kConfigFileUnwritable);
    EXPECT_EQ(Sets(recorder), std::vector<std::string>{});
}

}  // namespace
