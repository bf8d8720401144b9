// Configuration files against simulated recorders: the round trip byte for byte, cloning onto
// another recorder, refusals of damaged files before any device call, failing sends and reads.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "config/FieldText.h"
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
        // What describes the recorder stays its own, its settings come from the file.
        EXPECT_EQ(+after->code.channelCount, +own->code.channelCount) << clone;
        EXPECT_EQ(0, std::memcmp(&after->code.channels, &source->code.channels,
                                 sizeof source->code.channels))
            << clone;
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
    // Instead of both: the export's text rewritten.
    std::function<std::string(std::string)> rewrite = nullptr;
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.what;
}

// The export's text with one occurrence of from replaced.
std::function<std::string(std::string)> Rewrite(std::string from, std::string to) {
    return [from, to](std::string text) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
}

class ConfigRefusal : public ConfigTransfer, public testing::WithParamInterface<DamageCase> {};

TEST_P(ConfigRefusal, test_damaged_file_is_refused_with_no_device_call) {
    const DamageCase& c = GetParam();
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::string text = ReadText(File());
    if (c.rewrite) {
        text = c.rewrite(text);
    } else if (c.damage) {
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
    {"17 switches", [](Json& f) { f["records"]["VideoOut"]["view1"].push_back(true); }, "",
     records::kConfigCounts, "VideoOut.view1"},
    // A number too large for any whole number is still out of range, however it is written.
    {"a number beyond 64 bits", nullptr, "", records::kConfigOutOfRange,
     "records.Net.httpPort: outside 0 to 65535",
     Rewrite("\"httpPort\":80", "\"httpPort\":99999999999999999999999")},
    {"a number with an exponent", nullptr, "", records::kConfigOutOfRange, "records.Net.httpPort",
     Rewrite("\"httpPort\":80", "\"httpPort\":1e30")},
    {"a number beyond a double", nullptr, "", records::kConfigOutOfRange, "records.Net.httpPort",
     Rewrite("\"httpPort\":80", "\"httpPort\":1e400")},
    {"a negative fraction below the range", nullptr, "", records::kConfigOutOfRange,
     "records.Net.httpPort", Rewrite("\"httpPort\":80", "\"httpPort\":-0.5")},
    {"a name twice", nullptr, "", records::kConfigDuplicateName, "records.Net.httpPort",
     Rewrite("\"httpPort\":80", "\"httpPort\":80,\"httpPort\":81")},
    {"a record twice", nullptr, "", records::kConfigDuplicateName, "records.NTP",
     Rewrite("\"NTP\": {", "\"NTP\": {}, \"NTP\": {")},
    {"a name twice in a list's entry", nullptr, "", records::kConfigDuplicateName,
     "records.PTZPoint[1].presets[2].used",
     [](std::string text) {
         // The third preset of the second channel's list.
         std::size_t at = text.find("\"PTZPoint\"");
         for (int i = 0; i < 255 + 3; ++i)
             at = text.find("\"used\":", at + 1);
         return text.insert(at, "\"used\":true,");
     }},
    {"a letter after the document", nullptr, "", records::kConfigNotOurs,
     "follow the end of the document", [](std::string text) { return text + "x"; }},
    {"a brace after the document", nullptr, "", records::kConfigNotOurs,
     "follow the end of the document", [](std::string text) { return text + "}\n"; }},
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

// A send that fails in the middle: every record sent before it goes back, in the reverse
// order, with the bytes read before; nothing is made permanent and the recorder is as it was.
TEST_F(ConfigTransfer, test_failing_send_puts_back_in_reverse_order) {
    const struct {
        const char* failing;
        std::vector<std::string> sets;  // Sets of the import, the failing one and the put-backs
        const char* where;
    } rows[] = {
        {"zelDispHisiNewMenuNetSet",
         {"NormalSet", "CodeSet", "RecTimerSet", "SerialsSet", "NetSet", "SerialsSet",
          "RecTimerSet", "CodeSet", "NormalSet"},
         "Net"},
        {"zelDispHisiNewMenuNormalSet", {"NormalSet"}, "Normal"},
    };
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    for (const auto& row : rows) {
        std::mt19937 random(3);
        for (RecordId id : {RecordId::Normal, RecordId::Code, RecordId::RecTimer, RecordId::Serials,
                            RecordId::Net, RecordId::Ntp})
            Scramble(recorder, id, random);
        const auto before = Snapshot(recorder, 16);
        zsimFail(recorder.handle(), row.failing, 1, -1);
        recorder.ClearLog();

        const records::TransferResult result =
            ImportConfig(recorder.handle(), File(), std::nullopt, 0);
        EXPECT_EQ(result.code, records::kConfigPutBack) << result.message;
        EXPECT_EQ(result.where, row.where);
        EXPECT_EQ(result.changed, std::vector<records::RecordRef>{});
        std::vector<std::string> expected;
        for (const std::string& set : row.sets)
            expected.push_back("zelDispHisiNewMenu" + set);
        EXPECT_EQ(Sets(recorder), expected) << row.failing;
        // What went back is what was read before: the recorder is as it was.
        EXPECT_EQ(Differing(*before, *Snapshot(recorder, 16), 16), std::vector<std::string>{})
            << row.failing;
    }
}

// Records that could not be put back are named, stay as the file gave them, and still nothing
// is made permanent.
TEST_F(ConfigTransfer, test_records_not_put_back_are_named) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    const auto exported = Snapshot(recorder, 16);
    std::mt19937 random(4);
    for (RecordId id : {RecordId::Normal, RecordId::Code, RecordId::Net})
        Scramble(recorder, id, random);
    const auto before = Snapshot(recorder, 16);
    zsimFail(recorder.handle(), "zelDispHisiNewMenuNetSet", 1, -1);
    // Code's first Set goes through; the one that puts it back fails.
    zsimFailAfter(recorder.handle(), "zelDispHisiNewMenuCodeSet", 1, 1, -1);
    recorder.ClearLog();

    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigNotPutBack) << result.message;
    EXPECT_EQ(result.changed, (std::vector<records::RecordRef>{{RecordId::Code}}));
    EXPECT_NE(result.message.find("Code could not be put back"), std::string::npos)
        << result.message;
    EXPECT_EQ(Sets(recorder),
              (std::vector<std::string>{"zelDispHisiNewMenuNormalSet", "zelDispHisiNewMenuCodeSet",
                                        "zelDispHisiNewMenuNetSet", "zelDispHisiNewMenuCodeSet",
                                        "zelDispHisiNewMenuNormalSet"}));
    const auto after = Snapshot(recorder, 16);
    EXPECT_EQ(Differing(*before, *after, 16), std::vector<std::string>{"Code"});
    EXPECT_EQ(0, std::memcmp(&after->code, &exported->code, sizeof exported->code));
}

TEST_F(ConfigTransfer, test_failing_channel_send_is_named) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(5);
    Scramble(recorder, RecordId::PtzCruise, random);
    // The cruises of channels 0 to 2 go through, channel 3's fails.
    zsimFailAfter(recorder.handle(), "zelDispHisiNewMenuPTZCruiseSet", 3, 1, -1);
    recorder.ClearLog();
    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigPutBack) << result.message;
    EXPECT_EQ(result.where, "PTZCruise[3]");
    std::vector<std::int32_t> channels;
    for (const testsupport::LoggedCall& call : recorder.Log()) {
        if (call.function == "zelDispHisiNewMenuPTZCruiseSet")
            channels.push_back(call.argument);
    }
    EXPECT_EQ(channels, (std::vector<std::int32_t>{0, 1, 2, 3, 2, 1, 0}));
}

// Every record went over, but the recorder could not keep them: the import failed.
TEST_F(ConfigTransfer, test_failing_save_fails_the_import) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(6);
    Scramble(recorder, RecordId::Ntp, random);
    zsimFail(recorder.handle(), "zelDispSaveMenu", 1, -1);
    recorder.ClearLog();
    const records::TransferResult result = ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigSaveFailed) << result.message;
    EXPECT_EQ(result.changed, (std::vector<records::RecordRef>{{RecordId::Ntp}}));
    EXPECT_EQ(Sets(recorder),
              (std::vector<std::string>{"zelDispHisiNewMenuNTPSet", "zelDispSaveMenu"}));
}

// A check reads and compares: it counts what an import would send, names each field that
// would change, and sends nothing.
TEST_F(ConfigTransfer, test_check_only_sends_nothing_and_counts) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    std::mt19937 random(8);
    Scramble(recorder, RecordId::PtzPoint, random);
    device::RecordSet changed;
    records::GetRecord(recorder.handle(), changed, RecordId::Net);
    const std::uint32_t dns = changed.net.preferredDns;
    changed.net.preferredDns = 0x01010101;
    zsimSetRecord(recorder.handle(), "Net", &changed.net, sizeof changed.net);
    const auto before = Snapshot(recorder, 16);
    recorder.ClearLog();

    const records::TransferResult check =
        ImportConfig(recorder.handle(), File(), std::nullopt, records::kImportCheckOnly);
    EXPECT_EQ(check.code, 1 + 16) << check.message;
    EXPECT_EQ(check.outcome, records::Outcome::Checked);
    EXPECT_EQ(Sets(recorder), std::vector<std::string>{});
    EXPECT_EQ(Differing(*before, *Snapshot(recorder, 16), 16), std::vector<std::string>{});
    ASSERT_FALSE(check.fields.empty());
    EXPECT_EQ(check.fields.front().field, "Net.preferredDns");
    EXPECT_EQ(check.fields.front().before, "1.1.1.1");
    EXPECT_EQ(check.fields.front().after, config::FormatAddress(dns));
    EXPECT_EQ(check.fields.back().field.rfind("PTZPoint[15].presets[", 0), 0u);

    const records::TransferResult imported =
        ImportConfig(recorder.handle(), File(), std::nullopt, 0);
    EXPECT_EQ(imported.code, check.code);
    EXPECT_EQ(imported.changed, check.changed);
}

// A recorder or a file without a serial number is never the same recorder: its identity stays.
TEST_F(ConfigTransfer, test_empty_serials_are_never_the_same_recorder) {
    const struct {
        const char* file;
        const char* recorder;
        bool same;
    } rows[] = {
        {"", "", false},         {"SN-1", "", false},    {"", "SN-1", false},
        {"SN-1", "SN-2", false}, {"SN-1", "SN-1", true},
    };
    for (const auto& row : rows) {
        SetSerial(recorder, row.file);
        ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
        const auto file = Snapshot(recorder, 16);
        SimRecorder other;
        zsimSetCounts(other.handle(), 16, 16, 4);
        SetSerial(other, row.recorder);
        device::RecordSet own;
        records::GetRecord(other.handle(), own, RecordId::Net);
        own.net.ip = 0x0A000009;
        own.net.httpPort = 8080;
        zsimSetRecord(other.handle(), "Net", &own.net, sizeof own.net);

        const records::TransferResult result =
            ImportConfig(other.handle(), File(), std::nullopt, 0);
        ASSERT_GE(result.code, 0) << result.message;
        EXPECT_EQ(result.otherRecorder, !row.same) << row.file << "/" << row.recorder;
        const auto after = Snapshot(other, 16);
        EXPECT_EQ(+after->net.ip, row.same ? +file->net.ip : 0x0A000009u)
            << row.file << "/" << row.recorder;
        EXPECT_EQ(+after->net.httpPort, row.same ? +file->net.httpPort : 8080)
            << row.file << "/" << row.recorder;
    }
}

// What describes a recorder stays its own on another one, cloned or not: a 4-channel recorder's
// file leaves a 16-channel recorder's encoder with 16 channels and its records' headers.
TEST_F(ConfigTransfer, test_four_channel_file_keeps_the_encoder_channel_count) {
    SetSerial(recorder, "FOUR-4");
    device::RecordSet four;
    records::GetRecord(recorder.handle(), four, RecordId::Code);
    records::GetRecord(recorder.handle(), four, RecordId::AlarmIn);
    four.code.channelCount = 4;
    four.code.channels[0].main.bitrate = 384;
    four.alarmIn.head[0] = 4;
    four.alarmIn.inputs[0].contactType = 1;
    zsimSetRecord(recorder.handle(), "Code", &four.code, sizeof four.code);
    zsimSetRecord(recorder.handle(), "AlarmIn", &four.alarmIn, sizeof four.alarmIn);
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);

    for (const std::uint32_t flags : {0u, records::kImportClone}) {
        SimRecorder sixteen;
        zsimSetCounts(sixteen.handle(), 16, 16, 4);
        SetSerial(sixteen, "SIXTEEN-16");
        device::RecordSet own;
        records::GetRecord(sixteen.handle(), own, RecordId::Code);
        own.code.channelCount = 16;
        zsimSetRecord(sixteen.handle(), "Code", &own.code, sizeof own.code);
        records::GetRecord(sixteen.handle(), own, RecordId::AlarmIn);

        const records::TransferResult result =
            ImportConfig(sixteen.handle(), File(), std::nullopt, flags);
        ASSERT_GE(result.code, 0) << result.message;
        const auto after = Snapshot(sixteen, 16);
        EXPECT_EQ(+after->code.channelCount, 16) << flags;
        EXPECT_EQ(+after->code.channels[0].main.bitrate, 384) << flags;
        EXPECT_EQ(0, std::memcmp(after->alarmIn.head, own.alarmIn.head, sizeof own.alarmIn.head))
            << flags;
        EXPECT_EQ(+after->alarmIn.inputs[0].contactType, 1) << flags;
        std::vector<std::string> kept;
        for (const config::FieldChange& field : result.kept)
            kept.push_back(field.field + ": " + field.before + " -> " + field.after);
        EXPECT_NE(std::find(kept.begin(), kept.end(), "Code.channelCount: 16 -> 4"), kept.end())
            << testing::PrintToString(kept);
    }
}

// Records of the file the user may not change are named, not answered "already holds".
TEST_F(ConfigTransfer, test_records_the_user_may_not_change_are_named) {
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, 0).code, 0);
    const records::TransferResult result =
        ImportConfig(recorder.handle(), File(), zsimUserId("no-network"), 0);
    EXPECT_EQ(result.code, 0) << result.message;
    EXPECT_EQ(result.notAllowed, (std::vector<std::string>{"Net", "NTP", "Dial", "DDNS", "SMTP"}));
    EXPECT_NE(result.message.find("this user may not change Net, NTP, Dial, DDNS, SMTP"),
              std::string::npos)
        << result.message;
}

// A file larger than any configuration file is refused before it is read.
TEST_F(ConfigTransfer, test_file_too_large_is_refused_unread) {
    {
        std::ofstream out(File("large.json"), std::ios::binary);
        out << "{\"format\": \"ravelin-recorder-configuration\", \"pad\": \"";
        out << std::string(records::kLargestConfigFile, ' ') << "\"}";
    }
    recorder.ClearLog();
    const records::TransferResult result =
        ImportConfig(recorder.handle(), File("large.json"), std::nullopt, 0);
    EXPECT_EQ(result.code, records::kConfigNotOurs);
    EXPECT_EQ(result.outcome, records::Outcome::FileTooLarge);
    EXPECT_EQ(recorder.LoggedFunctions(), std::vector<std::string>{});
}

// The largest export there is stays well below the limit: every text of a 16-channel recorder
// needs its exact bytes beside it, with the passwords.
TEST_F(ConfigTransfer, test_largest_export_is_far_below_the_limit) {
    std::vector<std::uint8_t> noise(sizeof(device::RecordSet), 0xFF);
    device::RecordSet ugly;
    std::memcpy(&ugly, noise.data(), sizeof ugly);
    for (const records::RecordRow& row : records::Rows()) {
        std::size_t size = row.size * (row.perChannel ? device::kMaxChannels : 1);
        zsimSetRecord(recorder.handle(), row.name, &(row.bytes(ugly, 0)[0]), std::int32_t(size));
    }
    zsimSetCounts(recorder.handle(), 16, 16, 4);
    ASSERT_EQ(ExportConfig(recorder.handle(), File(), std::nullopt, records::kExportSecrets).code,
              0);
    const auto size = std::filesystem::file_size(File());
    EXPECT_LT(size * 3, records::kLargestConfigFile) << size;
}

// The new file reaches the disk under a name of its own, then takes the old one's place: a
// file beside it of any name stays, and nothing is left behind.
TEST_F(ConfigTransfer, test_export_leaves_files_beside_it_alone) {
    WriteText(File("backup"), "the old back-up");
    WriteText(File("backup.tmp"), "a user's own file");
    ASSERT_EQ(ExportConfig(recorder.handle(), File("backup"), std::nullopt, 0).code, 0);
    EXPECT_EQ(ReadText(File("backup.tmp")), "a user's own file");
    EXPECT_NE(ReadText(File("backup")).find("ravelin-recorder-configuration"), std::string::npos);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"backup", "backup.tmp"}));
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
