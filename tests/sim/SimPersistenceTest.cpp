// The state file, a configuration file: created from the defaults, written only by
// zelDispSaveMenu and replaced whole, read back by the next recorder byte for byte, and refused
// in one line that names it and says what to do, untouched, when it is not a configuration
// file or a damaged one.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>

#include "config/ConfigDocument.h"
#include "records/RecordTable.h"
#include "sim/Defaults.h"
#include "sim/RecordImage.h"
#include "tests/sim/DeviceCalls.h"
#include "tests/sim/TempDir.h"

namespace {

using namespace simtest;

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), std::streamsize(text.size()));
}

std::unique_ptr<device::RecordSet> Defaults() {
    auto state = std::make_unique<device::RecordSet>();
    sim::Defaults::Fill(*state);
    return state;
}

// Every record of the recorder, every channel slot, as its device functions report it.
std::unique_ptr<device::RecordSet> ReadAll(ZelHandle handle) {
    auto state = std::make_unique<device::RecordSet>();
    records::ForEachRecord(device::kMaxChannels, [&](const records::RecordRow& row, int channel) {
        EXPECT_EQ(records::GetRecord(handle, *state, row.id, channel), 0) << row.name;
    });
    return state;
}

// The records that differ between two sets, with the channel of a per-channel one.
std::vector<std::string> Differing(const device::RecordSet& a, const device::RecordSet& b,
                                   int channels) {
    std::vector<std::string> names;
    records::ForEachRecord(channels, [&](const records::RecordRow& row, int channel) {
        const auto x = records::RecordBytes(a, row.id, channel);
        const auto y = records::RecordBytes(b, row.id, channel);
        if (!std::equal(x.begin(), x.end(), y.begin(), y.end()))
            names.push_back(std::string(row.name) + "[" + std::to_string(channel) + "]");
    });
    return names;
}

const std::vector<std::string> kNone;

TEST(StateFile, test_missing_file_is_created_from_the_defaults_with_the_passwords) {
    TempDir dir;
    {
        SimRecorder recorder(dir.File("recorder.json"));
        EXPECT_EQ(+Fetch(recorder.handle(), zelDispHisiNewMenuCodeGet).channelCount, 8);
    }
    const std::string text = ReadText(dir.path() / "recorder.json");
    const auto document = config::ConfigDocument::Parse(text, records::FormatsOf());
    auto read = std::make_unique<device::RecordSet>();
    document.ApplyTo(*read);
    EXPECT_EQ(Differing(*read, *Defaults(), 8), kNone);
    const auto json = nlohmann::json::parse(text);
    EXPECT_EQ(json["secrets"], true);
    EXPECT_EQ(json["records"]["Dial"]["password"], "pppoe-8108");
    EXPECT_EQ(document.ChannelEntries(records::Row(records::RecordId::PtzPoint).Format()), 8u);
}

// Whole records filled with bytes no page would write: texts without a terminator or not
// UTF-8, times that are no time, numbers outside every range.
class DamagedState : public testing::TestWithParam<int> {};

TEST_P(DamagedState, test_saved_state_is_read_back_byte_for_byte) {
    auto sent = std::make_unique<device::RecordSet>();
    std::uint32_t x = 0x9E3779B9u + std::uint32_t(GetParam());
    auto* raw = reinterpret_cast<std::uint8_t*>(sent.get());
    for (std::size_t i = 0; i < sizeof *sent; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        raw[i] = GetParam() < 256 ? std::uint8_t(GetParam()) : std::uint8_t(x);
    }
    sent->version.videoInputs = device::kMaxChannels;  // so that every channel slot is kept

    TempDir dir;
    const std::string path = dir.File("recorder.json");
    {
        SimRecorder recorder(path);
        for (const records::RecordRow& row : records::Rows()) {
            const auto image = sim::RecordImage(row, *sent);
            ASSERT_EQ(zsimSetRecord(recorder.handle(), row.name, image.data(),
                                    std::int32_t(image.size())),
                      0)
                << row.name;
        }
        ASSERT_EQ(zelDispSaveMenu(recorder.handle()), 0);

        device::NormalRecord unsaved{};
        ASSERT_EQ(zelDispHisiNewMenuNormalSet(recorder.handle(), &unsaved), 0);
    }
    SimRecorder reopened(path);
    EXPECT_EQ(Differing(*ReadAll(reopened.handle()), *sent, device::kMaxChannels), kNone);
}

INSTANTIATE_TEST_SUITE_P(Fills, DamagedState, testing::Values(0x00, 0x80, 0xC3, 0xFF, 256, 257));

TEST(StateFile, test_save_replaces_the_file_and_leaves_no_temporary_file) {
    TempDir dir;
    const std::string path = dir.File("recorder.json");
    SimRecorder recorder(path);
    for (std::uint8_t language : {0, 12}) {
        device::NormalRecord normal = Fetch(recorder.handle(), zelDispHisiNewMenuNormalGet);
        normal.language = language;
        ASSERT_EQ(zelDispHisiNewMenuNormalSet(recorder.handle(), &normal), 0);
        ASSERT_EQ(zelDispSaveMenu(recorder.handle()), 0);
        SimRecorder reader(path);
        EXPECT_EQ(Fetch(reader.handle(), zelDispHisiNewMenuNormalGet).language, language);
    }
    const auto entries = std::distance(std::filesystem::directory_iterator(dir.path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

// The simulator's binary state file of earlier versions: magic, format 1, 23 records.
std::string OldBinaryState() {
    std::string bytes("ZSIMSTAT\x01\0\0\0\x17\0\0\0\x01\0\0\0\x1c\0\0\0", 24);
    for (int i = 0; i < 4000; ++i)
        bytes.push_back(char(i * 7));
    return bytes;
}

TEST(StateFile, test_files_that_cannot_start_a_recorder_are_refused_in_one_line_untouched) {
    TempDir dir;
    std::string good;
    {
        SimRecorder recorder(dir.File("good.json"));
        good = ReadText(dir.path() / "good.json");
    }
    std::string newer = good;
    newer.replace(newer.find("\"formatVersion\": 1"), 18, "\"formatVersion\": 2");
    const struct {
        const char* file;
        std::string text;
        const char* reason;
    } cases[] = {
        {"recorder.state", OldBinaryState(), "not a configuration file (not JSON at byte 1)"},
        {"notes.txt", "recorder settings, see attached\n",
         "not a configuration file (not JSON at byte 1)"},
        {"other.json", "{\"format\": \"other\", \"records\": {}}",
         "not a recorder configuration file"},
        {"cut.json", good.substr(0, good.size() / 2), "the file ends too early"},
        {"empty.json", "", "the file ends too early"},
        {"newer.json", newer, "newer version of the format"},
        {"range.json",
         "{\"format\": \"ravelin-recorder-configuration\", \"formatVersion\": 1, \"recorder\": {}, "
         "\"records\": {\"Normal\": {\"dateFormat\": 300}}}",
         "records.Normal.dateFormat: outside 0 to 255"},
    };
    for (const auto& c : cases) {
        WriteText(dir.path() / c.file, c.text);
        char error[1024] = "unchanged";
        EXPECT_EQ(zsimOpen(dir.File(c.file).c_str(), error, sizeof error), 0u) << c.file;
        const std::string message = error;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        EXPECT_EQ(message.rfind(dir.File(c.file) + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_NE(message.find("; delete it to start from the defaults, or give a configuration "
                               "file exported from a recorder"),
                  std::string::npos)
            << message;
        EXPECT_EQ(ReadText(dir.path() / c.file), c.text) << c.file;
    }
}

TEST(StateFile, test_paths_that_hold_no_file_are_refused) {
    TempDir dir;
    char error[512] = "unchanged";
    EXPECT_EQ(zsimOpen(dir.File("no-such-dir/recorder.json").c_str(), error, sizeof error), 0u);
    EXPECT_NE(std::string(error).find("cannot create a file beside it"), std::string::npos)
        << error;
    EXPECT_EQ(zsimOpen(dir.File("").c_str(), error, sizeof error), 0u);  // the directory
    EXPECT_NE(std::string(error).find("not a regular file"), std::string::npos) << error;
}

TEST(StateFile, test_save_fails_cleanly_when_the_directory_is_gone) {
    auto dir = std::make_unique<TempDir>();
    SimRecorder recorder(dir->File("recorder.json"));
    dir.reset();
    EXPECT_EQ(zelDispSaveMenu(recorder.handle()), -1);
    EXPECT_EQ(Fetch(recorder.handle(), zelDispHisiNewMenuNormalGet).language, 2);
}

}  // namespace
