// Painting the Schedule page's timeline many times leaks no brush or pen, and every object
// selected into the painter is put back before it is deleted.
#include <gtest/gtest.h>

#include <map>

#include "app/Session.h"
#include "device/NetworkOrder.h"
#include "pages/CRecDlg.h"
#include "res/resource.h"
#include "ui/DialogTemplate.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using ui::headless::PaintOp;

TEST(SchedulePaint, test_ten_thousand_paints_release_every_object_after_restoring_it) {
    app::ResetSessionForTests();
    app::ChannelCount = 4;
    for (int day = 0; day < 7; ++day) {
        device::ScheduleEntry& e = app::ConfigCache.recTimer.channels[0].entries[day];
        e.kind = device::kSchedulePeriodInUse;
        e.weekday = std::int8_t(day);
        e.startHour = 1;
        e.endHour = std::int16_t(2 + day);
        e.endMinuteBE = device::HostToNetwork16(15);
    }

    ui::headless::HeadlessBackend backend;
    CRecDlg page;
    const ui::DialogTemplate* tmpl = ui::FindDialogTemplate(IDD_REC);
    ASSERT_NE(tmpl, nullptr);
    ui::headless::HeadlessWindow window(backend, page, *tmpl, nullptr, false);
    ASSERT_TRUE(page.HandleInitDialog(window));

    const int liveBefore = ui::GraphicsObject::LiveCount();
    int drawings = 0;
    for (int i = 0; i < 10000; ++i) {
        const int bar = IDC_REC_MON_BAR + i % 7;
        // Per object: 0 unknown, 1 selected, 2 restored, 3 deleted.
        std::map<int, int> state;
        for (const PaintOp& op : backend.PaintControl(window, bar)) {
            switch (op.kind) {
                case PaintOp::Kind::SelectBrush:
                case PaintOp::Kind::SelectPen:
                    ASSERT_EQ(state[op.object], 0) << "paint " << i;
                    state[op.object] = 1;
                    break;
                case PaintOp::Kind::Restore:
                    ASSERT_EQ(state[op.object], 1) << "paint " << i;
                    state[op.object] = 2;
                    break;
                case PaintOp::Kind::Delete:
                    ASSERT_EQ(state[op.object], 2) << "deleted while selected, paint " << i;
                    state[op.object] = 3;
                    break;
                case PaintOp::Kind::Draw:
                case PaintOp::Kind::Fill:
                    ++drawings;
                    break;
            }
        }
        for (const auto& [object, last] : state)
            ASSERT_EQ(last, 3) << "object " << object << " of paint " << i << " not deleted";
    }
    EXPECT_EQ(drawings, 20000);  // each bar: its background and the day's one period
    EXPECT_EQ(ui::GraphicsObject::LiveCount(), liveBefore);
    page.HandleDestroy();
}

}  // namespace
