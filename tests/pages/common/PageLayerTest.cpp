// The variants of the settings protocol that pages with several records, per-channel records
// and entries need, on a page of the test's own: each record refreshed through its own
// temporary, channel records that only reach the recorder's channels, and the switch between
// entries of a working copy. The one save after all records, and none after a failed Set, the
// detection pages' scenarios check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "records/DeviceHandle.h"
#include "records/SessionState.h"
#include "device/ZelDisp.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"
#include "res/resource.h"
#include "tests/support/SimRecorder.h"
#include "text/TextIds.h"
#include "ui/DialogTemplate.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using testsupport::SimRecorder;

// A record bound to a test page: what the page last showed of it, and what it stores.
template <typename Record>
struct Bound {
    template <typename... Binding>  // the record's id, and the channel of a per-channel record
    explicit Bound(Binding&&... binding) : record(std::forward<Binding>(binding)...) {
        record.SetEditor(
            {[this](const Record& r) { shown = r; }, [this](Record& r) { r = shown; }, {}});
    }
    pages::TypedRecord<Record> record;
    Record shown{};
};

// The three video detection records, saved once at the end.
class ThreeRecordPage : public pages::SettingsPage {
  public:
    ThreeRecordPage() : SettingsPage(IDD_NET, text::kTextNetwork, SavePolicy::OnceAtEnd) {
        AddRecord(lost.record);
        AddRecord(cover.record);
        AddRecord(motion.record);
    }

    Bound<device::VideoLostRecord> lost{records::RecordId::VideoLost};
    Bound<device::VideoCoverRecord> cover{records::RecordId::VideoCover};
    Bound<device::VideoMotionRecord> motion{records::RecordId::VideoMotion};
};

// One channel's presets, the channel chosen by the test.
class ChannelPage : public pages::SettingsPage {
  public:
    ChannelPage() : SettingsPage(IDD_NET, text::kTextNetwork) { AddRecord(presets.record); }

    int channel = 0;
    Bound<device::PtzPointRecord> presets{records::RecordId::PtzPoint, channel};
};

class PageLayer : public testing::Test {
  protected:
    void SetUp() override {
        records::ResetSessionForTests();
        records::DeviceHandle = recorder.handle();
        records::LanguageIndex = 2;
        records::ChannelCount = 4;
        const ZelHandle h = recorder.handle();
        ASSERT_GE(zelDispHisiNewMenuVideoLostGet(h, &records::ConfigCache.videoLost), 0);
        ASSERT_GE(zelDispHisiNewMenuVideoCoverGet(h, &records::ConfigCache.videoCover), 0);
        ASSERT_GE(zelDispHisiNewMenuVideoMotionGet(h, &records::ConfigCache.videoMotion), 0);
        for (int c = 0; c < 4; ++c)
            ASSERT_GE(zelDispHisiNewMenuPTZPointGet(h, c, &records::ConfigCache.ptzPoint[c]), 0);
        ui::SetBackend(&backend);
    }
    void TearDown() override { ui::SetBackend(nullptr); }

    // Makes the page's window; without an operator every message box is answered at once.
    void Open(ui::Dialog& page) {
        windows.push_back(std::make_unique<ui::headless::HeadlessWindow>(
            backend, page, *ui::FindDialogTemplate(IDD_NET), nullptr, false));
        ASSERT_TRUE(page.HandleInitDialog(*windows.back()));
        recorder.ClearLog();
    }

    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& box : backend.MessageBoxLog())
            texts.push_back(box.text);
        return texts;
    }

    SimRecorder recorder;
    ui::headless::HeadlessBackend backend;
    std::vector<std::unique_ptr<ui::headless::HeadlessWindow>> windows;
};

TEST_F(PageLayer, test_each_record_is_refreshed_on_its_own_and_one_failure_is_reported) {
    ThreeRecordPage page;
    Open(page);
    const device::VideoCoverRecord cachedCover = records::ConfigCache.videoCover;
    page.cover.shown.channels[0].enable = 7;  // an edit that a failed read must not undo

    device::VideoLostRecord lost = records::ConfigCache.videoLost;
    lost.channels[3].enable = 1;
    device::VideoMotionRecord motion = records::ConfigCache.videoMotion;
    motion.channels[1].sensitivity = 4;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "VideoLost", &lost, sizeof lost), 0);
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "VideoMotion", &motion, sizeof motion), 0);
    zsimFail(recorder.handle(), "zelDispHisiNewMenuVideoCoverGet", 1, 0x5A);

    page.Refresh();
    EXPECT_EQ(Messages(), std::vector<std::u16string>{u"Failed"});
    EXPECT_EQ(records::ConfigCache.videoLost.channels[3].enable, 1) << "read and kept";
    EXPECT_EQ(page.lost.shown.channels[3].enable, 1) << "and shown";
    EXPECT_EQ(records::ConfigCache.videoMotion.channels[1].sensitivity, 4);
    EXPECT_EQ(std::memcmp(&records::ConfigCache.videoCover, &cachedCover, sizeof cachedCover), 0)
        << "the scribbled read left the cache";
    EXPECT_EQ(page.cover.shown.channels[0].enable, 7) << "and the page's edits";
}

TEST_F(PageLayer, test_channel_record_reaches_only_the_recorders_channels) {
    ChannelPage page;
    page.channel = 2;
    Open(page);
    page.presets.shown.slots[0].used ^= 1;
    page.Save();
    const auto calls = recorder.Log();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].function, "zelDispHisiNewMenuPTZPointSet");
    EXPECT_EQ(calls[0].argument, 2);
    EXPECT_EQ(records::ConfigCache.ptzPoint[2].slots[0].used, page.presets.shown.slots[0].used);

    for (int outside : {4, -1, 16}) {
        recorder.ClearLog();
        page.channel = outside;
        page.Save();
        page.Refresh();
        EXPECT_TRUE(recorder.Log().empty()) << "channel " << outside;
    }
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"Succeed", u"Failed", u"Failed", u"Failed",
                                                       u"Failed", u"Failed", u"Failed"}));
}

// Entries of one byte each, shown on a control that holds at most 89 (as a speed edit does),
// with the order in which the switch shows and takes them.
class RecordingView : public pages::EntryView {
  public:
    void ShowEntry(int index) override {
        steps.push_back("show " + std::to_string(index));
        control = std::min<int>(entries[index], 89);
    }
    void TakeEntry(int index) override {
        steps.push_back("take " + std::to_string(index));
        entries[index] = static_cast<std::uint8_t>(control);
    }
    std::span<std::uint8_t> EntryBytes(int index) override { return {&entries[index], 1}; }

    std::uint8_t entries[3] = {100, 7, 200};
    int control = 0;
    std::vector<std::string> steps;
};

TEST(EntrySwitch, test_switch_takes_the_shown_entry_first_also_when_picked_again) {
    ui::Dialog owner(IDD_NET);  // no window: its data exchange does nothing
    RecordingView view;
    pages::EntrySwitch entries(owner, view);
    entries.Reset(3);
    EXPECT_EQ(entries.Shown(), 0);
    entries.SwitchTo(2);
    entries.SwitchTo(2);
    entries.SwitchTo(3);
    entries.SwitchTo(-1);
    // Each show is followed by a take into the entry, which is put back: what the untouched
    // controls would write.
    EXPECT_EQ(view.steps, (std::vector<std::string>{"take 0", "show 2", "take 2", "take 2",
                                                    "show 2", "take 2"}))
        << "entries outside the count change nothing";
    EXPECT_EQ(entries.Shown(), 2);

    entries.Reset(0);
    view.steps.clear();
    entries.SwitchTo(0);
    entries.ShowCurrent();
    entries.TakeCurrent();
    EXPECT_FALSE(entries.HasShown());
    EXPECT_TRUE(view.steps.empty()) << "without entries nothing is shown or taken";
}

TEST(EntrySwitch, test_an_entry_only_looked_at_keeps_its_bytes_and_an_edited_one_takes_the_edit) {
    ui::Dialog owner(IDD_NET);
    RecordingView view;
    pages::EntrySwitch entries(owner, view);
    entries.Reset(3);
    entries.ShowCurrent();
    EXPECT_EQ(view.control, 89) << "100 shows as the control's most";
    entries.SwitchTo(1);
    entries.SwitchTo(2);
    entries.TakeCurrent();
    EXPECT_EQ((std::vector<int>{view.entries[0], view.entries[1], view.entries[2]}),
              (std::vector<int>{100, 7, 200}))
        << "looking at every entry changed none";

    entries.SwitchTo(0);
    view.control = 50;
    entries.SwitchTo(1);
    EXPECT_EQ(view.entries[0], 50) << "an edit is taken";
    entries.SwitchTo(0);
    EXPECT_EQ(view.control, 50);
    view.control = 60;
    entries.TakeCurrent();
    EXPECT_EQ(view.entries[0], 60) << "and a second one, measured from the entry as shown";
}

}  // namespace
