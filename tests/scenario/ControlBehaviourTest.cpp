// The controls behave as the pages rely on, checked on the same templates on both backends, so
// the headless model is held against the real controls: which changes raise notifications,
// select-string, and radio groups by template order. The date pickers' focus notifications are
// held against the real ones by the General page's clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Dialog.h"
#include "ui/Styles.h"

namespace {

using testsupport::Operator;
using testsupport::ScenarioTest;

using Notification = std::pair<int, int>;  // control id and code
using Notifications = std::vector<Notification>;

// The notifications pages act on; the real controls send others as well (focus, edit
// updates, list closing), which no page reads.
bool PagesReadIt(int code) {
    const int read[] = {ui::kBnClicked,  ui::kCbnSelChange, ui::kEnChange,
                        ui::kNmSetFocus, ui::kNmKillFocus,  ui::kDtnDateTimeChange};
    return std::find(std::begin(read), std::end(read), code) != std::end(read);
}

// A dialog of a page's template without the page: it records what its controls tell it.
class ProbeDialog : public ui::Dialog {
  public:
    using Dialog::Dialog;

    // What arrived since the last call; read on the dialogs' thread.
    Notifications Take() {
        Notifications taken;
        taken.swap(received_);
        return taken;
    }

  protected:
    bool OnInitDialog() override { return true; }
    bool OnCommand(int id, int code) override {
        if (PagesReadIt(code))
            received_.emplace_back(id, code);
        return true;
    }
    bool OnNotify(int id, int code) override {
        if (PagesReadIt(code))
            received_.emplace_back(id, code);
        return true;
    }

  private:
    Notifications received_;
};

// The main window's template, showing one probe where the pages go.
class ProbeHost : public ui::Dialog {
  public:
    explicit ProbeHost(ProbeDialog& probe) : Dialog(IDD_MAIN), probe_(probe) {}

  protected:
    bool OnInitDialog() override {
        probe_.Create(*this);
        probe_.ShowWindow(true);
        return true;
    }

  private:
    ProbeDialog& probe_;
};

class ControlBehaviour : public ScenarioTest {
  protected:
    // Shows the probe of a page's template in a modal window while the scenario acts on it.
    void OnProbe(int templateId, const std::function<void(Operator&, ProbeDialog&)>& scenario) {
        ProbeDialog probe(templateId);
        ProbeHost host(probe);
        RunSession([&host] { host.DoModal(); }, [&](Operator& op) { scenario(op, probe); });
    }
};

// Notifications of the probe, taken on the dialogs' thread.
Notifications Taken(Operator& op, ProbeDialog& probe) {
    Notifications taken;
    op.OnDialogThread([&] { taken = probe.Take(); });
    return taken;
}

TEST_F(ControlBehaviour, test_select_string_starts_after_the_index_wraps_and_ignores_case) {
    OnProbe(IDD_CODE, [](Operator& op, ProbeDialog& probe) {
        const int list = IDC_CODE_MAIN_RESOLUTION;
        const struct {
            int startAfter;
            std::u16string prefix;
            int found;
        } cases[] = {
            {-1, u"q", 3}, {-1, u"CIF", 0}, {0, u"c", 4},   {4, u"c", 0},
            {3, u"H", 1},  {-1, u"x", -1},  {1, u"HD1", 1}, {2, u"d", 2},
        };
        for (const auto& c : cases) {
            int found = -2;
            int selected = -2;
            op.OnDialogThread([&] {
                ui::Window& window = probe.GetWindow();
                window.ComboResetContent(list);
                for (const char16_t* entry : {u"CIF", u"HD1", u"D1", u"QCIF", u"cam 2"})
                    window.ComboAddString(list, entry);
                window.ComboSetCurSel(list, 2);
                found = window.ComboSelectString(list, c.startAfter, c.prefix);
                selected = window.ComboCurSel(list);
            });
            EXPECT_EQ(found, c.found) << "after " << c.startAfter;
            EXPECT_EQ(selected, c.found < 0 ? 2 : c.found) << "a miss leaves the selection";
        }
        EXPECT_EQ(Taken(op, probe), Notifications{}) << "none of it notifies the dialog";
    });
}

TEST_F(ControlBehaviour, test_program_changes_are_silent_and_the_operators_notify) {
    OnProbe(IDD_CODE, [](Operator& op, ProbeDialog& probe) {
        op.OnDialogThread([&] {
            ui::Window& window = probe.GetWindow();
            for (const char16_t* entry : {u"CAM 1", u"CAM 2", u"CAM 3"})
                window.ComboAddString(IDC_CODE_CHANNEL, entry);
            window.ComboSetCurSel(IDC_CODE_CHANNEL, 1);
            window.SetCheck(IDC_CODE_MAIN_AUDIO, true);
        });
        EXPECT_EQ(Taken(op, probe), Notifications{});
        EXPECT_EQ(op.Selection(IDC_CODE_CHANNEL), 1);

        op.Pick(IDC_CODE_CHANNEL, 2);
        op.Click(IDC_CODE_MAIN_AUDIO);
        EXPECT_FALSE(op.IsChecked(IDC_CODE_MAIN_AUDIO)) << "a check box toggles";
        EXPECT_EQ(Taken(op, probe), (Notifications{{IDC_CODE_CHANNEL, ui::kCbnSelChange},
                                                   {IDC_CODE_MAIN_AUDIO, ui::kBnClicked}}));
    });
}

TEST_F(ControlBehaviour, test_radio_groups_follow_template_order) {
    OnProbe(IDD_RECADMIN, [](Operator& op, ProbeDialog& probe) {
        std::vector<int> group;
        op.OnDialogThread([&] {
            group = probe.GetWindow().RadioGroup(IDC_RECADMIN_STOP1);
            probe.GetWindow().SetCheck(IDC_RECADMIN_STOP2, true);
        });
        EXPECT_EQ(group,
                  (std::vector<int>{IDC_RECADMIN_STOP1, IDC_RECADMIN_MANUAL1, IDC_RECADMIN_AUTO1}));
        op.Click(IDC_RECADMIN_AUTO1);
        op.Click(IDC_RECADMIN_MANUAL1);
        EXPECT_TRUE(op.IsChecked(IDC_RECADMIN_MANUAL1));
        EXPECT_FALSE(op.IsChecked(IDC_RECADMIN_AUTO1)) << "one button of a group at a time";
        EXPECT_TRUE(op.IsChecked(IDC_RECADMIN_STOP2)) << "another group is left alone";
        EXPECT_EQ(Taken(op, probe), (Notifications{{IDC_RECADMIN_AUTO1, ui::kBnClicked},
                                                   {IDC_RECADMIN_MANUAL1, ui::kBnClicked}}));
    });
}

TEST_F(ControlBehaviour, test_edit_changes_notify_and_number_edits_refuse_typed_letters) {
    OnProbe(IDD_NET, [](Operator& op, ProbeDialog& probe) {
        const int port = IDC_NET_CMD_PORT;
        op.OnDialogThread([&] { probe.GetWindow().SetControlText(port, u"12"); });
        EXPECT_EQ(Taken(op, probe), (Notifications{{port, ui::kEnChange}}))
            << "a text set by the program notifies too";

        op.Type(port, u"4a2");
        EXPECT_EQ(op.Text(port), u"42") << "typing replaces the whole text";
        EXPECT_EQ(Taken(op, probe), (Notifications{{port, ui::kEnChange}, {port, ui::kEnChange}}))
            << "one notification per accepted character";

        op.Paste(port, u"abc");
        EXPECT_EQ(op.Text(port), u"abc") << "pasting is not filtered";
        EXPECT_EQ(Taken(op, probe), (Notifications{{port, ui::kEnChange}}));
    });
}

}  // namespace
