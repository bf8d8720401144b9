// The file format's own reading and writing of fields: readable forms both ways, texts that
// keep bytes which are not clean text, and a changed text winning over the bytes beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "config/ConfigError.h"
#include "config/FieldChanges.h"
#include "config/JsonReader.h"
#include "config/JsonWriter.h"
#include "config/RecordFields.h"
#include "device/PackedDateTime.h"

namespace {

using config::Json;
using config::JsonReader;
using config::JsonWriter;

template <typename Record>
Json Write(Record& record, bool secrets = true) {
    Json object = Json::object();
    JsonWriter writer(object, secrets);
    config::VisitFields(writer, record);
    return object;
}

template <typename Record>
void Read(const Json& object, Record& record) {
    JsonReader reader(object, "R");
    config::VisitFields(reader, record);
    reader.Finish();
}

TEST(ConfigFields, test_readable_forms) {
    device::NetRecord net{};
    net.ip = 0xC0A8010A;
    net.dhcp = 1;
    net.cmdPort = 5050;
    device::NtpRecord ntp{};
    ntp.startTime = 2 * 256 + 30;
    ntp.timeZoneMinutes = -180;
    std::strcpy(ntp.server, "pool.ntp.org");
    device::HddInfoRecord hdd{};
    hdd.startTime = device::PackDateTime({2011, 3, 7, 12, 5, 9});

    const Json n = Write(net), t = Write(ntp), h = Write(hdd);
    EXPECT_EQ(n["ip"], "192.168.1.10");
    EXPECT_EQ(n["dhcp"], true);
    EXPECT_EQ(n["cmdPort"], 5050);
    EXPECT_EQ(t["startTime"], "02:30");
    EXPECT_EQ(t["timeZoneMinutes"], -180);
    EXPECT_EQ(t["server"], "pool.ntp.org");
    EXPECT_FALSE(t.contains("serverBytes"));
    EXPECT_EQ(h["startTime"], "2011-03-07 12:05:09");

    device::NtpRecord back{};
    Read(t, back);
    EXPECT_EQ(0, std::memcmp(&back, &ntp, sizeof ntp));
}

// Texts whose bytes are not plain text: the bytes stand beside the text and decide.
TEST(ConfigFields, test_unclean_texts_keep_their_bytes) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"no terminator", std::vector<std::uint8_t>(33, 'a')},
        {"invalid UTF-8", {'a', 0xFF, 'b', 0}},
        {"bytes after the terminator", {'a', 0, 'z'}},
        {"a cut character", {'a', 0xE4, 0xB8, 0}},
    };
    for (const Case& c : cases) {
        device::NtpRecord ntp{};
        std::memcpy(ntp.server, c.bytes.data(), c.bytes.size());
        const Json object = Write(ntp);
        EXPECT_TRUE(object.contains("serverBytes")) << c.what;
        device::NtpRecord back{};
        Read(object, back);
        EXPECT_EQ(0, std::memcmp(back.server, ntp.server, sizeof ntp.server)) << c.what;

        // A person changed the text: the text is taken, cleanly.
        Json edited = object;
        edited["server"] = "time.example";
        Read(edited, back);
        EXPECT_STREQ(back.server, "time.example") << c.what;
        EXPECT_EQ(back.server[sizeof back.server - 1], 0) << c.what;
    }
}

TEST(ConfigFields, test_secrets_only_when_asked_and_kept_when_absent) {
    device::DdnsRecord ddns{};
    std::strcpy(ddns.password, "hunter2");
    EXPECT_FALSE(Write(ddns, false).contains("password"));
    EXPECT_EQ(Write(ddns, true)["password"], "hunter2");

    device::DdnsRecord target{};
    std::strcpy(target.password, "own");
    Read(Write(ddns, false), target);
    EXPECT_STREQ(target.password, "own");
}

// Every bit of the packed words and of signed fields survives, also values no page writes.
TEST(ConfigFields, test_extreme_values_round_trip) {
    device::HddInfoRecord hdd{};
    hdd.startTime = 0xFFFFFFFF;
    hdd.endTime = 0;
    hdd.total[7] = INT32_MIN;
    device::NtpRecord ntp{};
    ntp.startTime = 0xFFFFFFFF;
    ntp.timeZoneMinutes = INT32_MIN;
    device::HddInfoRecord hddBack{};
    device::NtpRecord ntpBack{};
    Read(Write(hdd), hddBack);
    Read(Write(ntp), ntpBack);
    EXPECT_EQ(0, std::memcmp(&hddBack, &hdd, sizeof hdd));
    EXPECT_EQ(0, std::memcmp(&ntpBack, &ntp, sizeof ntp));
}

TEST(ConfigFields, test_flags_and_choices_read_either_way) {
    device::NetRecord net{};
    Read(Json{{"dhcp", 7}}, net);
    EXPECT_EQ(+net.dhcp, 7u);
    Read(Json{{"dhcp", false}}, net);
    EXPECT_EQ(+net.dhcp, 0u);
    device::NormalRecord normal{};
    Read(Json{{"videoStandard", 1}, {"videoStandardMeans", "whatever"}}, normal);
    EXPECT_EQ(normal.videoStandard, 1);
    try {
        Read(Json{{"videoStandardMeans", 3}}, normal);
        ADD_FAILURE() << "a meaning that is no text";
    } catch (const config::ConfigError& e) {
        EXPECT_EQ(e.fault(), config::ConfigFault::WrongType);
        EXPECT_EQ(e.where(), "R.videoStandardMeans");
    }
}

// A list of switches shorter than the field sets its first entries; the rest keep theirs.
TEST(ConfigFields, test_shorter_list_of_switches_keeps_the_rest) {
    device::VideoOutRecord out{};
    std::fill(std::begin(out.view1), std::end(out.view1), std::uint8_t(1));
    Read(Json{{"view1", {false, 7, false}}}, out);
    const std::vector<int> view1(std::begin(out.view1), std::end(out.view1));
    EXPECT_EQ(view1, (std::vector<int>{0, 7, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

// What changes, field by field, in the file's names and forms; a password is named, never shown.
TEST(ConfigFields, test_field_changes_as_a_file_writes_them) {
    auto before = std::make_unique<device::RecordSet>();
    auto after = std::make_unique<device::RecordSet>();
    after->net.preferredDns = 0x01010101;
    after->normal.videoStandard = 1;
    std::strcpy(after->smtp.password, "secret");
    std::strcpy(after->ptzPoint[3].slots[7].name, "Gate");
    const struct {
        config::RecordFormat format;
        std::size_t channel;
        std::vector<std::string> lines;
    } rows[] = {
        {{"Net", false,
          [](config::FieldVisitor& v, device::RecordSet& r, std::size_t) {
              config::VisitFields(v, r.net);
          }},
         0,
         {"Net.preferredDns: 0.0.0.0 -> 1.1.1.1"}},
        {{"Normal", false,
          [](config::FieldVisitor& v, device::RecordSet& r, std::size_t) {
              config::VisitFields(v, r.normal);
          }},
         0,
         {"Normal.videoStandard: 0 (PAL) -> 1 (NTSC)"}},
        {{"SMTP", false,
          [](config::FieldVisitor& v, device::RecordSet& r, std::size_t) {
              config::VisitFields(v, r.smtp);
          }},
         0,
         {"SMTP.password: (secret)"}},
        {{"PTZPoint", true,
          [](config::FieldVisitor& v, device::RecordSet& r, std::size_t c) {
              config::VisitFields(v, r.ptzPoint[c]);
          }},
         3,
         {"PTZPoint[3].presets[7].name:  -> Gate"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> lines;
        for (const config::FieldChange& change :
             config::FieldChanges(row.format, row.channel, *before, *after))
            lines.push_back(change.field + ": " +
                            (change.secret ? "(secret)" : change.before + " -> " + change.after));
        EXPECT_EQ(lines, row.lines) << row.format.name;
    }
}

}  // namespace
