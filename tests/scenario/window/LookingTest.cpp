// Looking is not editing: showing every page and picking every combination of its selectors
// (channel, day, input, event type) marks no page and leaves nothing to ask about when the
// window closes, on the default recorder, on one holding odd but real values no page writes,
// and on records damaged throughout.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "device/RecordSet.h"
#include "records/RecordTable.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;

// A page's selectors, outermost first.
struct Browse {
    const char16_t* node;
    std::vector<int> selectors;
};

const Browse kBrowses[] = {
    {u"Encode", {IDC_CODE_CHANNEL}},       {u"Schedule", {IDC_REC_CHANNEL, IDC_REC_DAY}},
    {u"Alarm", {IDC_ALARM_INPUT}},         {u"Detect", {IDC_DETECT_EVENT, IDC_DETECT_CHANNEL}},
    {u"Pan/Tilt/Zoom", {IDC_PTZ_CHANNEL}}, {u"Abnormality", {IDC_EXCEPTION_EVENT}},
};

// The entries of a list to pick: all of them; on real windows, which are slow to drive, the
// first, one in the middle and the last.
std::vector<int> EntriesToPick(int count) {
    if (OnRealWindows() && count > 3)
        return {0, count / 2, count - 1};
    std::vector<int> all;
    for (int i = 0; i < count; ++i)
        all.push_back(i);
    return all;
}

// Picks every combination of the selectors from the given one on, the innermost fastest.
void PickAll(Operator& op, const std::vector<int>& selectors, std::size_t from = 0) {
    if (from == selectors.size())
        return;
    for (int i : EntriesToPick(int(op.Entries(selectors[from]).size()))) {
        op.Pick(selectors[from], i);
        PickAll(op, selectors, from + 1);
    }
}

// Writes a record of the recorder, changed by change, through the simulator.
template <typename Record>
void Change(const SimRecorder& recorder, records::RecordId id,
            const std::function<void(Record&)>& change) {
    const records::RecordRow& row = records::Row(id);
    auto records = std::make_unique<device::RecordSet>();
    ASSERT_GE(records::GetRecord(recorder.handle(), *records, id), 0);
    Record& record = *reinterpret_cast<Record*>(row.bytes(*records, 0).data());
    change(record);
    ASSERT_EQ(zsimSetRecord(recorder.handle(), row.name, &record, std::int32_t(sizeof record)), 0);
}

// Values a recorder may hold that no page writes as they are: a frame rate of 7.5, a dome
// speed above the edit's range, switches stored as 2, outputs the recorder does not have, a
// schedule pool with free entries between used ones.
void HoldOddValues(const SimRecorder& recorder) {
    using records::RecordId;
    Change<device::CodeRecord>(recorder, RecordId::Code, [](device::CodeRecord& r) {
        for (device::CodeChannel& c : r.channels)
            c.main.frameRateTimes10 = c.extra.frameRateTimes10 = 75;
    });
    Change<device::PtzRecord>(recorder, RecordId::Ptz, [](device::PtzRecord& r) {
        for (device::PtzChannel& c : r.channels)
            c.speed = 100;
    });
    Change<device::VideoLostRecord>(recorder, RecordId::VideoLost, [](auto& r) {
        for (auto& c : r.channels)
            c.enable = 2;
    });
    Change<device::VideoCoverRecord>(recorder, RecordId::VideoCover, [](auto& r) {
        for (auto& c : r.channels)
            c.enable = 2;
    });
    Change<device::VideoMotionRecord>(recorder, RecordId::VideoMotion, [](auto& r) {
        for (auto& c : r.channels)
            c.enable = 2;
    });
    Change<device::EventRecord>(recorder, RecordId::Event, [](device::EventRecord& r) {
        for (auto& e : r.events) {
            e.enable = 2;
            e.linkage.alarmOutMask = 0xFF;
        }
    });
    Change<device::AlarmInRecord>(recorder, RecordId::AlarmIn, [](device::AlarmInRecord& r) {
        for (auto& input : r.inputs)
            input.linkage.alarmOutMask = 0xFF;
    });
    Change<device::RecTimerRecord>(recorder, RecordId::RecTimer, [](device::RecTimerRecord& r) {
        for (device::ChannelSchedule& schedule : r.channels) {
            schedule.entries[0].kind = 0;
            schedule.entries[3] = schedule.entries[1];
            schedule.entries[3].kind = device::kSchedulePeriodInUse;
            schedule.entries[3].weekday = 5;
            schedule.entries[3].startHour = 6;
            schedule.entries[3].endHour = 7;
        }
    });
}

// Every record of the recorder, every byte the same.
void Damage(const SimRecorder& recorder, std::uint8_t fill) {
    for (const records::RecordRow& row : records::Rows()) {
        const std::size_t size = row.size * (row.perChannel ? device::kMaxChannels : 1);
        const std::vector<std::uint8_t> bytes(size, fill);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), row.name, bytes.data(), std::int32_t(size)), 0)
            << row.name;
    }
}

struct Recorder {
    const char* name;
    void (*prepare)(const SimRecorder&);
};

const Recorder kRecorders[] = {
    {"Default", [](const SimRecorder&) {}},
    {"OddValues", HoldOddValues},
    {"Zeros", [](const SimRecorder& r) { Damage(r, 0x00); }},
    {"Fill7F", [](const SimRecorder& r) { Damage(r, 0x7F); }},
    {"FillA5", [](const SimRecorder& r) { Damage(r, 0xA5); }},
    {"FillFF", [](const SimRecorder& r) { Damage(r, 0xFF); }},
};

class Looking : public ScenarioTest, public testing::WithParamInterface<Recorder> {};

TEST_P(Looking, test_every_node_and_selector_marks_nothing_and_closing_asks_nothing) {
    GetParam().prepare(recorder);
    RunSession([this](Operator& op) {
        for (const TreeNodeSeen& node : op.TreeNodes())
            op.SelectTreeItem(node.text);
        for (const Browse& browse : kBrowses) {
            op.SelectTreeItem(browse.node);
            PickAll(op, browse.selectors);
            op.SelectTreeItem(u"Version");
            EXPECT_EQ(op.BoldNodes(), std::vector<std::u16string>{})
                << "after browsing the page of selector " << browse.selectors.front();
        }
        recorder.ClearLog();
        op.Close();
        const auto question = op.OpenMessageBox();
        EXPECT_FALSE(question.has_value()) << "a question after only looking";
        if (question)
            op.AnswerMessageBox(ui::kIdYes);
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}));
}

INSTANTIATE_TEST_SUITE_P(Recorders, Looking, testing::ValuesIn(kRecorders),
                         [](const testing::TestParamInfo<Recorder>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
