// The table of records against the simulated recorder: each row reaches the device functions of
// its own record, with its channel, and the layer's reads and sends keep the cache and tell the
// pages that watch a record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/DeviceHandle.h"
#include "records/RecordTable.h"
#include "records/RecordWatch.h"
#include "records/Recorder.h"
#include "records/SessionState.h"
#include "tests/support/SimRecorder.h"

namespace {

using records::RecordId;
using records::RecordRow;
using testsupport::SimRecorder;

TEST(RecordTable, test_each_row_calls_the_device_functions_of_its_record) {
    SimRecorder recorder;
    auto set = std::make_unique<device::RecordSet>();
    for (const RecordRow& row : records::Rows()) {
        const int channel = row.perChannel ? 3 : 0;
        recorder.ClearLog();
        EXPECT_GE(records::GetRecord(recorder.handle(), *set, row.id, channel), 0) << row.name;
        EXPECT_EQ(records::SetRecord(recorder.handle(), *set, row.id, channel) >= 0,
                  !row.ReadOnly())
            << row.name;
        const auto log = recorder.Log();
        const std::string get = std::string("zelDispHisiNewMenu") + row.name + "Get";
        ASSERT_EQ(log.size(), row.ReadOnly() ? 1u : 2u) << row.name;
        EXPECT_EQ(log[0].function, get);
        if (!row.ReadOnly()) {
            EXPECT_EQ(log[1].function, std::string("zelDispHisiNewMenu") + row.name + "Set");
            EXPECT_EQ(log[1].bytes.size(), row.size) << row.name << ": the whole record is sent";
        }
        if (row.perChannel) {
            EXPECT_EQ(log[0].argument, channel) << row.name;
        }
        EXPECT_EQ(row.bytes(*set, channel).size(), row.size) << row.name;
    }
}

TEST(RecordTable, test_channels_outside_the_set_reach_no_device_function) {
    SimRecorder recorder;
    auto set = std::make_unique<device::RecordSet>();
    for (const RecordRow& row : records::Rows()) {
        if (!row.perChannel)
            continue;
        recorder.ClearLog();
        for (int channel : {-1, device::kMaxChannels}) {
            EXPECT_EQ(records::GetRecord(recorder.handle(), *set, row.id, channel), -1);
            EXPECT_EQ(records::SetRecord(recorder.handle(), *set, row.id, channel), -1);
            EXPECT_TRUE(row.bytes(*set, channel).empty());
        }
        EXPECT_TRUE(recorder.Log().empty()) << row.name;
    }
}

TEST(RecordTable, test_rights_guard_what_a_user_may_see) {
    records::UserRightFlags rights{};
    const records::RecordMask none = records::VisibleRecords(rights);
    std::memset(rights, 1, sizeof rights);
    const records::RecordMask all = records::VisibleRecords(rights);
    for (const RecordRow& row : records::Rows()) {
        EXPECT_TRUE(all.Has(row.id)) << row.name;
        EXPECT_EQ(none.Has(row.id), row.right == records::kNoRight) << row.name;
    }
    EXPECT_FALSE(none.Has(RecordId::Net));
    EXPECT_TRUE(none.Has(RecordId::Event)) << "the abnormalities are guarded by no right";
}

// A page's stand-in: what it heard.
class Listener : public records::RecordWatcher {
  public:
    ~Listener() { records::StopWatching(*this); }
    void RecordChanged(RecordId id, int channel) override { heard.push_back({id, channel}); }
    std::vector<std::pair<RecordId, int>> heard;
};

class RecorderCalls : public testing::Test {
  protected:
    void SetUp() override {
        records::ResetSessionForTests();
        records::DeviceHandle = recorder.handle();
        records::ChannelCount = 4;
        ASSERT_GE(records::GetRecord(recorder.handle(), records::ConfigCache, RecordId::Net), 0);
        records::Watch(RecordId::Net, network);
        records::Watch(RecordId::Net, alarmCenter);
        records::Watch(RecordId::PtzPoint, presets);
        recorder.ClearLog();
    }

    SimRecorder recorder;
    Listener network;
    Listener alarmCenter;
    Listener presets;
};

TEST_F(RecorderCalls, test_a_sent_record_is_cached_and_told_to_each_page_bound_to_it) {
    device::NetRecord net = records::ConfigCache.net;
    net.httpPort = 8081;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&net);
    ASSERT_GE(records::SendRecord(RecordId::Net, 0, {bytes, sizeof net}), 0);
    EXPECT_EQ(records::ConfigCache.net.httpPort, 8081);
    const std::vector<std::pair<RecordId, int>> once{{RecordId::Net, 0}};
    EXPECT_EQ(network.heard, once);
    EXPECT_EQ(alarmCenter.heard, once);
    EXPECT_TRUE(presets.heard.empty()) << "a page of another record hears nothing";

    zsimFail(recorder.handle(), "zelDispHisiNewMenuNetSet", 1, -1);
    net.httpPort = 9090;
    EXPECT_LT(records::SendRecord(RecordId::Net, 0, {bytes, sizeof net}), 0);
    EXPECT_EQ(records::ConfigCache.net.httpPort, 8081) << "a refused send leaves the cache";
    EXPECT_EQ(network.heard, once) << "and tells nobody";
}

TEST_F(RecorderCalls, test_a_failing_read_again_keeps_the_cache_and_tells_nobody) {
    const device::NetRecord cached = records::ConfigCache.net;
    zsimFail(recorder.handle(), "zelDispHisiNewMenuNetGet", 1, 0x5A);
    EXPECT_FALSE(records::RereadRecord(RecordId::Net));
    EXPECT_EQ(std::memcmp(&records::ConfigCache.net, &cached, sizeof cached), 0);
    EXPECT_TRUE(network.heard.empty());

    EXPECT_TRUE(records::RereadRecord(RecordId::PtzPoint, 2));
    EXPECT_EQ(presets.heard, (std::vector<std::pair<RecordId, int>>{{RecordId::PtzPoint, 2}}));
}

TEST_F(RecorderCalls, test_only_the_recorders_channels_are_addressed) {
    std::vector<std::uint8_t> bytes(records::Row(RecordId::PtzPoint).size);
    for (int channel : {-1, 4, device::kMaxChannels}) {
        EXPECT_TRUE(records::CachedBytes(RecordId::PtzPoint, channel).empty()) << channel;
        EXPECT_EQ(records::ReadRecord(RecordId::PtzPoint, channel, bytes), -1) << channel;
        EXPECT_EQ(records::SendRecord(RecordId::PtzPoint, channel, bytes), -1) << channel;
        EXPECT_FALSE(records::RereadRecord(RecordId::PtzPoint, channel)) << channel;
    }
    std::vector<std::uint8_t> version(records::Row(RecordId::Version).size);
    EXPECT_EQ(records::SendRecord(RecordId::Version, 0, version), -1) << "never sent";
    EXPECT_TRUE(recorder.Log().empty());
    EXPECT_TRUE(presets.heard.empty());
}

// Stops another watcher while it hears, as a page closing a dialog might.
class Closer : public records::RecordWatcher {
  public:
    explicit Closer(records::RecordWatcher& other) : other_(other) {}
    ~Closer() { records::StopWatching(*this); }
    void RecordChanged(RecordId, int) override { records::StopWatching(other_); }

  private:
    records::RecordWatcher& other_;
};

TEST_F(RecorderCalls, test_a_watcher_stopped_while_others_hear_is_not_told) {
    records::StopWatching(network);
    records::StopWatching(alarmCenter);
    Closer closer(network);
    records::Watch(RecordId::Net, closer);
    records::Watch(RecordId::Net, network);
    records::Watch(RecordId::Net, network);
    ASSERT_TRUE(records::RereadRecord(RecordId::Net));
    EXPECT_TRUE(network.heard.empty());
}

}  // namespace
