// The state file: created from the defaults, written only by zelDispSaveMenu and replaced
// whole, read back by the next recorder, and refused with a clear error, untouched, when it
// is truncated, corrupt or foreign.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "sim/Crc32.h"
#include "sim/Defaults.h"
#include "sim/StateCodec.h"
#include "tests/sim/DeviceCalls.h"
#include "tests/sim/TempDir.h"

namespace {

using namespace simtest;

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes DefaultImage() {
    auto state = std::make_unique<sim::RecorderState>();
    sim::Defaults::Fill(*state);
    return sim::StateCodec::Encode(*state);
}

// The checksum recomputed after an edit, so that a check behind it is reached.
void Reseal(Bytes& image) {
    const std::uint32_t crc = sim::Crc32::Of(image.data(), image.size() - 4);
    for (int k = 0; k < 4; ++k)
        image[image.size() - 4 + k] = std::uint8_t(crc >> (8 * k));
}

TEST(StateCodec, test_crc32_check_value) {
    const std::string text = "123456789";
    EXPECT_EQ(sim::Crc32::Of(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
              0xCBF43926u);
}

TEST(StateCodec, test_encoded_defaults_decode_to_the_same_state) {
    const Bytes image = DefaultImage();
    EXPECT_EQ(image.size(), sim::StateCodec::EncodedSize());
    auto decoded = std::make_unique<sim::RecorderState>();
    std::string error;
    ASSERT_TRUE(sim::StateCodec::Decode(image.data(), image.size(), *decoded, error)) << error;
    EXPECT_EQ(sim::StateCodec::Encode(*decoded), image);
}

TEST(StateCodec, test_damaged_images_are_refused_with_a_reason_and_state_untouched) {
    const Bytes good = DefaultImage();
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        bool reseal;  // whether the checksum is made to match the damage
        const char* reason;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }, false, "too short"},
        {"cut in a record", [](Bytes& b) { b.resize(b.size() / 2); }, false, "truncated"},
        {"one byte more", [](Bytes& b) { b.push_back(0); }, true, "unexpected bytes"},
        {"foreign magic", [](Bytes& b) { b[0] = 'P'; }, false, "not a state file"},
        {"newer version", [](Bytes& b) { b[8] = 2; }, true, "version 2"},
        {"record count", [](Bytes& b) { b[12] = 22; }, true, "22 records"},
        {"record id", [](Bytes& b) { b[16] = 9; }, true, "record 9"},
        {"record size", [](Bytes& b) { b[20] = 27; }, true, "Normal has 27 bytes"},
        {"huge record size", [](Bytes& b) { b[23] = 0xFF; }, true, "Normal has"},
        {"flipped record byte", [](Bytes& b) { b[b.size() / 3] ^= 0x10; }, false, "checksum"},
    };
    for (const Case& c : cases) {
        Bytes image = good;
        c.damage(image);
        if (c.reseal)
            Reseal(image);
        auto state = std::make_unique<sim::RecorderState>();
        std::memset(state.get(), 0xEE, sizeof *state);
        std::string error;
        EXPECT_FALSE(sim::StateCodec::Decode(image.data(), image.size(), *state, error)) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
        const auto* raw = reinterpret_cast<const std::uint8_t*>(state.get());
        EXPECT_EQ(std::count(raw, raw + sizeof *state, 0xEE), std::ptrdiff_t(sizeof *state))
            << c.what;
    }
}

TEST(StateFile, test_missing_file_is_created_from_the_defaults) {
    TempDir dir;
    const std::string path = dir.File("recorder.state");
    {
        SimRecorder recorder(path);
        EXPECT_EQ(+Fetch(recorder.handle(), zelDispHisiNewMenuCodeGet).channelCount, 8);
    }
    EXPECT_EQ(ReadFile(dir.path() / "recorder.state"), DefaultImage());
}

TEST(StateFile, test_saved_records_are_read_by_the_next_recorder_and_unsaved_ones_are_not) {
    TempDir dir;
    const std::string path = dir.File("recorder.state");
    {
        SimRecorder recorder(path);
        for (const DeviceCall& c : AllDeviceCalls()) {
            if (IsRecordSet(c)) {
                ASSERT_EQ(c.call(recorder.handle(), Pattern(c).data()), 0) << c.name;
            }
        }
        device::PtzPointRecord last{};
        last.slots[254].used = 1;
        ASSERT_EQ(zelDispHisiNewMenuPTZPointSet(recorder.handle(), 15, &last), 0);
        ASSERT_EQ(zsimSetCounts(recorder.handle(), 16, 16, 4), 0);
        ASSERT_EQ(zelDispSaveMenu(recorder.handle()), 0);

        device::NormalRecord unsaved{};
        ASSERT_EQ(zelDispHisiNewMenuNormalSet(recorder.handle(), &unsaved), 0);
    }
    SimRecorder reopened(path);
    const auto read = Snapshot(reopened.handle());
    for (const DeviceCall& set : AllDeviceCalls()) {
        const Bytes sent = Pattern(set);
        EXPECT_TRUE(!IsRecordSet(set) ||
                    read.at(GetterOf(set)) == Bytes(sent.begin(), sent.begin() + set.size))
            << set.name;
    }
    device::PtzPointRecord last{};
    ASSERT_EQ(zelDispHisiNewMenuPTZPointGet(reopened.handle(), 15, &last), 0);
    EXPECT_EQ(last.slots[254].used, 1);
    EXPECT_EQ(+Fetch(reopened.handle(), zelDispHisiNewMenuVersionGet).videoInputs, 16);
}

TEST(StateFile, test_save_replaces_the_file_and_leaves_no_temporary_file) {
    TempDir dir;
    const std::string path = dir.File("recorder.state");
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

TEST(StateFile, test_unusable_files_are_refused_with_a_message_and_left_untouched) {
    // The reasons are the codec's; here the message names the file.
    TempDir dir;
    const Bytes good = DefaultImage();
    const Bytes cut(good.begin(), good.begin() + 5000);
    WriteFile(dir.path() / "cut.state", cut);
    char error[512] = "unchanged";
    EXPECT_EQ(zsimOpen(dir.File("cut.state").c_str(), error, sizeof error), 0u);
    EXPECT_NE(std::string(error).find("cut.state"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(dir.path() / "cut.state"), cut);
    EXPECT_EQ(zsimOpen(dir.File("no-such-dir/recorder.state").c_str(), error, sizeof error), 0u);
    EXPECT_GT(std::strlen(error), 0u);
    EXPECT_EQ(zsimOpen(dir.File("").c_str(), error, sizeof error), 0u);  // the directory
    EXPECT_NE(std::string(error).find("not a regular file"), std::string::npos) << error;
}

TEST(StateFile, test_save_fails_cleanly_when_the_directory_is_gone) {
    auto dir = std::make_unique<TempDir>();
    SimRecorder recorder(dir->File("recorder.state"));
    dir.reset();
    EXPECT_EQ(zelDispSaveMenu(recorder.handle()), -1);
    EXPECT_EQ(Fetch(recorder.handle(), zelDispHisiNewMenuNormalGet).language, 2);
}

}  // namespace
