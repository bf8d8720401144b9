// The Pan/Tilt/Zoom page as the recorder and the operator see them: the recorder's protocol
// list, edits of several channels in one Set, Default and All Default, the preset and tour
// rows, values no list can show, and Refresh with the presets and tours of every channel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/Session.h"
#include "device/PtzRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

namespace {

using device::PtzChannel;
using device::PtzRecord;
using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

template <typename Record>
Record As(const std::vector<std::uint8_t>& bytes) {
    Record record{};
    EXPECT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
}

template <typename T>
bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text)
        out.push_back(c < 0x80 ? char(c) : '?');
    return out;
}

std::vector<std::string> Narrow(const std::vector<std::u16string>& texts) {
    std::vector<std::string> out;
    for (const auto& text : texts)
        out.push_back(Narrow(text));
    return out;
}

// An entry as the page's Default leaves it; the reserved bytes are the entry's own.
PtzChannel Defaulted(PtzChannel entry, int channel) {
    entry.protocol = 0;
    entry.address = std::int16_t(channel + 1);
    entry.speed = 5;
    entry.baudRate = 9600;
    entry.dataBits = 8;
    entry.stopBits = 1;
    entry.parity = 0;
    return entry;
}

const int kCameraRows[] = {IDC_PTZ_PRESET_LABEL, IDC_PTZ_PRESET, IDC_PTZ_TOUR_LABEL, IDC_PTZ_TOUR};

class PtzPage : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuPTZGet(recorder.handle(), &ptz), 0);
        // Bytes the page never edits, different in every entry.
        ptz.head[1] = 0x5C;
        for (int c = 0; c < device::kMaxChannels; ++c) {
            ptz.channels[c].reserved1 = std::uint8_t(0x40 + c);
            ptz.channels[c].reserved2[1] = std::uint8_t(0x80 + c);
        }
        ASSERT_EQ(zsimSetProtocolList(recorder.handle(), "Alpha=3|Beta=12|Gamma=7|"), 0);
        ptz.channels[0].protocol = 3;
        ptz.channels[1].protocol = 12;
    }

    // Lets the recorder hold the record as it is now, then opens the page.
    void Open(const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZ", &ptz, sizeof ptz), 0);
        recorder.ClearLog();
        RunSession([&](Operator& op) {
            op.SelectTreeItem(u"Pan/Tilt/Zoom");
            scenario(op);
        });
    }

    std::vector<PtzRecord> Sent() const {
        std::vector<PtzRecord> sent;
        for (const auto& call : Calls("zelDispHisiNewMenuPTZSet"))
            sent.push_back(As<PtzRecord>(call.bytes));
        return sent;
    }

    PtzRecord ptz{};  // what the recorder holds when the window opens
};

TEST_F(PtzPage, test_lists_hold_the_channels_the_recorder_protocols_and_line_settings) {
    zsimSetCounts(recorder.handle(), 4, 4, 2);
    Open([](Operator& op) {
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_CHANNEL)),
                  (std::vector<std::string>{"CAM 1", "CAM 2", "CAM 3", "CAM 4"}));
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_PROTOCOL)),
                  (std::vector<std::string>{"None", "Alpha", "Beta", "Gamma"}));
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_BAUD)),
                  (std::vector<std::string>{"1200", "2400", "4800", "9600", "19200", "28800",
                                            "38400", "57600", "115200"}));
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_DATA_BITS)),
                  (std::vector<std::string>{"5", "6", "7", "8"}));
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_STOP_BITS)), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_PARITY)),
                  (std::vector<std::string>{"None", "OddParity", "EvenParity", "MarkParity",
                                            "SpaceParity"}));
        // CAM 1 as the recorder holds it.
        EXPECT_EQ(op.Selection(IDC_PTZ_CHANNEL), 0);
        EXPECT_EQ(op.Selection(IDC_PTZ_PROTOCOL), 1);
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_ADDRESS)), "1");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_SPEED)), "5");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_BAUD)), "9600");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_DATA_BITS)), "8");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_STOP_BITS)), "1");
        EXPECT_EQ(op.Selection(IDC_PTZ_PARITY), 0);
        op.Click(IDC_REFRESH);
    });
    // Fetched once, while the window was made: after the records of the entry, before the
    // Refresh, which does not fetch it again.
    const auto functions = recorder.LoggedFunctions();
    std::vector<std::size_t> protocolGets, ptzGets, cruiseGets;
    for (std::size_t i = 0; i < functions.size(); ++i) {
        if (functions[i] == "zelDispHisiNewMenuPTZProtocolGet")
            protocolGets.push_back(i);
        if (functions[i] == "zelDispHisiNewMenuPTZGet")
            ptzGets.push_back(i);
        if (functions[i] == "zelDispHisiNewMenuPTZCruiseGet")
            cruiseGets.push_back(i);
    }
    ASSERT_EQ(protocolGets.size(), 1u);
    ASSERT_EQ(ptzGets.size(), 2u) << "at entry and on Refresh";
    ASSERT_EQ(cruiseGets.size(), 8u) << "four channels, at entry and on Refresh";
    EXPECT_GT(protocolGets[0], cruiseGets[3]);
    EXPECT_LT(protocolGets[0], ptzGets[1]);
}

TEST_F(PtzPage, test_failing_or_empty_protocol_list_offers_none_only) {
    zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZProtocolGet", 1, 'A');
    Open([](Operator& op) {
        EXPECT_EQ(Narrow(op.Entries(IDC_PTZ_PROTOCOL)), (std::vector<std::string>{"None"}));
        // Protocol 3 is not in the list: no selection, and the rows stay for the stored one.
        EXPECT_EQ(op.Selection(IDC_PTZ_PROTOCOL), -1);
        EXPECT_TRUE(op.IsVisible(IDC_PTZ_PRESET));
        op.Type(IDC_PTZ_SPEED, u"7");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::int16_t{sent[0].channels[0].protocol}, 3) << "the stored code is kept";
    EXPECT_EQ(std::int16_t{sent[0].channels[0].speed}, 7);
}

TEST_F(PtzPage, test_edits_on_two_channels_reach_the_recorder_in_one_set) {
    Open([](Operator& op) {
        op.Pick(IDC_PTZ_PROTOCOL, 3);  // Gamma
        op.Type(IDC_PTZ_ADDRESS, u"17");
        op.Pick(IDC_PTZ_BAUD, 8);
        op.Pick(IDC_PTZ_CHANNEL, 1);
        EXPECT_EQ(op.Selection(IDC_PTZ_PROTOCOL), 2) << "Beta";
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_BAUD)), "2400");
        op.Type(IDC_PTZ_SPEED, u"33");
        op.Pick(IDC_PTZ_DATA_BITS, 2);
        op.Pick(IDC_PTZ_STOP_BITS, 1);
        op.Pick(IDC_PTZ_PARITY, 4);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    PtzRecord expected = ptz;
    expected.channels[0].protocol = 7;
    expected.channels[0].address = 17;
    expected.channels[0].baudRate = 115200;
    expected.channels[1].speed = 33;
    expected.channels[1].dataBits = 7;
    expected.channels[1].stopBits = 2;
    expected.channels[1].parity = 4;
    EXPECT_TRUE(SameBytes(sent[0], expected)) << "header, reserved bytes and other entries kept";
    EXPECT_TRUE(SameBytes(app::ConfigCache.ptz, expected));
}

TEST_F(PtzPage, test_typed_address_and_speed_are_limited) {
    Open([](Operator& op) {
        op.Type(IDC_PTZ_ADDRESS, u"300");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_ADDRESS)), "255");
        op.Type(IDC_PTZ_SPEED, u"90");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_SPEED)), "89");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::int16_t{sent[0].channels[0].address}, 255);
    EXPECT_EQ(std::int16_t{sent[0].channels[0].speed}, 89);
}

TEST_F(PtzPage, test_protocol_choice_shows_and_hides_the_preset_and_tour_rows) {
    Open([](Operator& op) {
        const struct {
            int channel;  // -1: keep the channel
            int protocol;
            bool rows;
        } steps[] = {{-1, -1, true},
                     {-1, 0, false},
                     {-1, 2, true},
                     {2, -1, false},  // CAM 3 has no protocol
                     {-1, 1, true}};
        for (const auto& step : steps) {
            if (step.channel >= 0)
                op.Pick(IDC_PTZ_CHANNEL, step.channel);
            if (step.protocol >= 0)
                op.Pick(IDC_PTZ_PROTOCOL, step.protocol);
            for (int id : kCameraRows)
                EXPECT_EQ(op.IsVisible(id), step.rows) << id << " after " << step.protocol;
        }
    });
}

TEST_F(PtzPage, test_default_restores_the_shown_channel_only) {
    ptz.channels[2].protocol = 12;
    ptz.channels[2].baudRate = 4800;
    ptz.channels[2].parity = 2;
    ptz.channels[2].address = 40;
    Open([](Operator& op) {
        op.Pick(IDC_PTZ_CHANNEL, 2);
        EXPECT_TRUE(op.IsVisible(IDC_PTZ_TOUR));
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Selection(IDC_PTZ_PROTOCOL), 0);
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_ADDRESS)), "3");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_SPEED)), "5");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_BAUD)), "9600");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_DATA_BITS)), "8");
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_STOP_BITS)), "1");
        EXPECT_EQ(op.Selection(IDC_PTZ_PARITY), 0);
        for (int id : kCameraRows)
            EXPECT_FALSE(op.IsVisible(id)) << id;
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    PtzRecord expected = ptz;
    expected.channels[2] = Defaulted(ptz.channels[2], 2);
    EXPECT_TRUE(SameBytes(sent[0], expected));
}

TEST_F(PtzPage, test_all_default_touches_the_recorder_channels_only) {
    zsimSetCounts(recorder.handle(), 4, 4, 2);
    for (PtzChannel& entry : ptz.channels) {
        entry.protocol = 12;
        entry.speed = 60;
    }
    Open([](Operator& op) {
        op.Pick(IDC_PTZ_CHANNEL, 1);
        op.Click(IDC_ALL_DEFAULT);
        EXPECT_EQ(Narrow(op.Text(IDC_PTZ_ADDRESS)), "2");
        EXPECT_FALSE(op.IsVisible(IDC_PTZ_PRESET));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    PtzRecord expected = ptz;
    for (int c = 0; c < 4; ++c)
        expected.channels[c] = Defaulted(ptz.channels[c], c);
    EXPECT_TRUE(SameBytes(sent[0], expected)) << "entries 4 to 15 and the header as fetched";
}

TEST_F(PtzPage, test_values_no_list_shows_stay_unselected_and_are_kept) {
    PtzChannel& odd = ptz.channels[0];
    odd.protocol = 99;
    odd.baudRate = 600;
    odd.dataBits = 9;
    odd.stopBits = 3;
    odd.parity = 7;
    Open([](Operator& op) {
        const int lists[] = {IDC_PTZ_PROTOCOL, IDC_PTZ_BAUD, IDC_PTZ_DATA_BITS, IDC_PTZ_STOP_BITS,
                             IDC_PTZ_PARITY};
        // Also after another channel's values were shown.
        for (int channel : {0, 1, 0}) {
            op.Pick(IDC_PTZ_CHANNEL, channel);
            for (int list : lists)
                EXPECT_EQ(op.Selection(list) >= 0, channel != 0) << list << " on " << channel;
        }
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Type(IDC_PTZ_ADDRESS, u"9");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "showing and switching alone change nothing";
    PtzRecord expected = ptz;
    expected.channels[0].address = 9;
    EXPECT_TRUE(SameBytes(sent[0], expected));
}

TEST_F(PtzPage, test_refresh_reads_presets_and_tours_of_every_channel_one_by_one) {
    zsimSetCounts(recorder.handle(), 3, 4, 2);
    device::PtzPointRecord points[device::kMaxChannels] = {};
    device::PtzCruiseRecord cruises[device::kMaxChannels] = {};
    Open([&](Operator& op) {
        const device::PtzPointRecord cachedPoints = app::ConfigCache.ptzPoint[0];
        // The recorder's presets and tours change behind the page's back.
        for (int c = 0; c < device::kMaxChannels; ++c) {
            points[c].slots[c + 1].used = 1;
            cruises[c].patrols[0].intervalSeconds = std::int16_t(20 + c);
        }
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZPoint", points, sizeof points), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZCruise", cruises, sizeof cruises), 0);
        zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZPointGet", 1, 0x5A);
        recorder.ClearLog();
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_TRUE(SameBytes(app::ConfigCache.ptzPoint[0], cachedPoints))
            << "the failed read keeps channel 1's presets";
    });
    for (int c = 1; c < 3; ++c)
        EXPECT_TRUE(SameBytes(app::ConfigCache.ptzPoint[c], points[c])) << c;
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(SameBytes(app::ConfigCache.ptzCruise[c], cruises[c])) << c;
    const std::vector<std::string> expected = {
        "zelDispHisiNewMenuPTZGet",       "zelDispHisiNewMenuPTZPointGet",
        "zelDispHisiNewMenuPTZCruiseGet", "zelDispHisiNewMenuPTZPointGet",
        "zelDispHisiNewMenuPTZCruiseGet", "zelDispHisiNewMenuPTZPointGet",
        "zelDispHisiNewMenuPTZCruiseGet", "zelDispSaveMenu"};
    EXPECT_EQ(recorder.LoggedFunctions(), expected) << "the three channels, then the closing save";
}

TEST_F(PtzPage, test_failing_refresh_reads_no_presets_or_tours) {
    Open([this](Operator& op) {
        zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZGet", 1, -1);
        recorder.ClearLog();
        op.Click(IDC_REFRESH);
        ExpectMessage(op, u"Failed");
    });
    EXPECT_EQ(recorder.LoggedFunctions(),
              (std::vector<std::string>{"zelDispHisiNewMenuPTZGet", "zelDispSaveMenu"}));
}

}  // namespace
