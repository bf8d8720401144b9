// The simulated recorder's whole records: Get and Set on every one, unknown handles, the
// protocol list and the counts of the Version record. That the call table names every device
// function in order, the log test checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

TEST(Records, test_unknown_or_closed_handle_fails_every_function_and_leaves_the_buffer) {
    ZelHandle closed = 0;
    {
        SimRecorder recorder;
        closed = recorder.handle();
    }
    for (ZelHandle handle : {ZelHandle(0), closed, ZelHandle(0xFFFFFFFFu)}) {
        for (const DeviceCall& c : AllDeviceCalls()) {
            Bytes buffer(simtest::kCallBufferSize, 0x5A);
            EXPECT_LT(c.call(handle, buffer.data()), 0) << c.name << " handle " << handle;
            EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 0x5A), std::ptrdiff_t(buffer.size()))
                << c.name;
        }
    }
}

TEST(Records, test_set_changes_its_own_record_and_no_other) {
    SimRecorder recorder;
    for (const DeviceCall& set : AllDeviceCalls()) {
        if (!IsRecordSet(set))
            continue;
        const std::string getName = GetterOf(set);
        std::map<std::string, Bytes> expected = Snapshot(recorder.handle());
        ASSERT_TRUE(expected.count(getName)) << getName;

        Bytes sent = Pattern(set);
        ASSERT_EQ(set.call(recorder.handle(), sent.data()), 0) << set.name;
        expected[getName] = Bytes(sent.begin(), sent.begin() + set.size);
        EXPECT_EQ(Snapshot(recorder.handle()), expected) << set.name;
    }
}

TEST(ProtocolList, test_text_and_terminator_are_written_and_the_length_returned) {
    const std::string kDefault = "(default)";
    // Malformed lists are reported as they are.
    const std::string cases[] = {kDefault, "A=1|B=2",
                                 std::string(device::kPtzProtocolBufferSize - 1, 'x')};
    for (const std::string& text : cases) {
        SimRecorder recorder;
        if (text != kDefault) {
            ASSERT_EQ(zsimSetProtocolList(recorder.handle(), text.c_str()), 0);
        }
        std::vector<char> buffer(device::kPtzProtocolBufferSize + 1, '\x7F');
        const std::int32_t length =
            zelDispHisiNewMenuPTZProtocolGet(recorder.handle(), buffer.data());
        ASSERT_GE(length, 0);
        EXPECT_EQ(std::strlen(buffer.data()), std::size_t(length));
        if (text != kDefault) {
            EXPECT_EQ(std::string(buffer.data()), text);
        }
        EXPECT_EQ(buffer[std::size_t(length) + 1], '\x7F');
    }
    SimRecorder recorder;
    const std::string tooLong(device::kPtzProtocolBufferSize, 'x');
    EXPECT_EQ(zsimSetProtocolList(recorder.handle(), tooLong.c_str()), -1);
    EXPECT_EQ(zsimSetProtocolList(recorder.handle(), nullptr), -1);
    EXPECT_EQ(zsimSetProtocolList(0, "A=1|"), -1);
}

TEST(Records, test_whole_records_are_replaced_by_name_and_size) {
    SimRecorder recorder;
    device::HddInfoRecord hdd{};
    hdd.diskCount = 9;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "HddInfo", &hdd, sizeof hdd), 0);
    EXPECT_EQ(zsimLogSize(recorder.handle()), 0);
    EXPECT_EQ(+Fetch(recorder.handle(), zelDispHisiNewMenuHddInfoGet).diskCount, 9);

    std::vector<device::PtzCruiseRecord> cruises(device::kMaxChannels);
    cruises[15].patrols[3].used = 1;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZCruise", cruises.data(),
                            std::int32_t(cruises.size() * sizeof cruises[0])),
              0);
    device::PtzCruiseRecord last{};
    ASSERT_EQ(zelDispHisiNewMenuPTZCruiseGet(recorder.handle(), 15, &last), 0);
    EXPECT_EQ(last.patrols[3].used, 1);

    const auto before = Snapshot(recorder.handle());
    EXPECT_EQ(zsimSetRecord(recorder.handle(), "HddInfo", &hdd, sizeof hdd - 1), -1);
    EXPECT_EQ(zsimSetRecord(recorder.handle(), "HddInfo", &hdd, -1), -1);
    EXPECT_EQ(zsimSetRecord(recorder.handle(), "Hdd", &hdd, sizeof hdd), -1);
    EXPECT_EQ(zsimSetRecord(recorder.handle(), "HddInfo", nullptr, sizeof hdd), -1);
    EXPECT_EQ(zsimSetRecord(recorder.handle(), nullptr, &hdd, sizeof hdd), -1);
    EXPECT_EQ(zsimSetRecord(0, "HddInfo", &hdd, sizeof hdd), -1);
    EXPECT_EQ(Snapshot(recorder.handle()), before);
}

TEST(Counts, test_counts_are_written_into_the_version_record_as_given) {
    struct Case {
        std::int32_t channels, alarmInputs, alarmOutputs;
    };
    for (const Case& c : {Case{16, 16, 4}, Case{40, -3, 7}, Case{-3, 40, -1}}) {
        SimRecorder recorder;
        const auto before = Snapshot(recorder.handle());
        ASSERT_EQ(zsimSetCounts(recorder.handle(), c.channels, c.alarmInputs, c.alarmOutputs), 0);
        const auto v = Fetch(recorder.handle(), zelDispHisiNewMenuVersionGet);
        EXPECT_EQ(+v.videoInputs, c.channels);
        EXPECT_EQ(+v.alarmInputs, c.alarmInputs);
        EXPECT_EQ(+v.alarmOutputs, c.alarmOutputs);
        EXPECT_EQ(+v.audioInputs, 4);
        auto after = Snapshot(recorder.handle());
        after["zelDispHisiNewMenuVersionGet"] = before.at("zelDispHisiNewMenuVersionGet");
        EXPECT_EQ(after, before);
    }
    EXPECT_EQ(zsimSetCounts(0, 8, 4, 2), -1);
}

}  // namespace
