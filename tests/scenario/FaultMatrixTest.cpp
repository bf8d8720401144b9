// Every device function failing once, always, or always after writing garbage into its buffer:
// the window still opens, and on every page and dialog a Save whose Set fails shows "Failed",
// keeps the cache and the operator's edit, a Refresh whose Get fails shows "Failed" and keeps
// what it showed, and every other action goes on as without the fault. Headless for the whole
// matrix; on real windows each page's own Set and Get.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "dll/Entries.h"
#include "records/SessionState.h"
#include "device/ZelDispNames.h"
#include "res/resource.h"
#include "tests/scenario/PageRows.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;

enum class Mode { Once, Always, Garbage };

struct Fault {
    std::string function;
    Mode mode;
};

// A dialog with a record of its own: how it opens from its page, one edit and its Set.
// Actions that reach the device functions no page's Save or Refresh calls: the detection
// page's other two records, the recorder's clock and its restart.
struct ExtraAction {
    const char* name;
    const char16_t* page;
    void (*act)(Operator&);
};

const ExtraAction kExtras[] = {
    {"DetectCover", u"Detect",
     [](Operator& op) {
         op.Pick(IDC_DETECT_EVENT, 1);
         op.Click(IDC_LINKAGE_BUZZER);
         op.Click(IDC_SAVE);
     }},
    {"DetectMotion", u"Detect",
     [](Operator& op) {
         op.Pick(IDC_DETECT_EVENT, 2);
         op.Click(IDC_LINKAGE_BUZZER);
         op.Click(IDC_SAVE);
     }},
    {"ClockSave", u"General", [](Operator& op) { op.Click(IDC_NORMAL_CLOCK_SAVE); }},
    {"Restart", u"General", [](Operator& op) { op.Click(IDC_NORMAL_REBOOT); }},
};

// Reads that a page does besides its own record, whose failures keep the cache silently.
bool Silent(std::string_view function) {
    return function == "zelDispHisiNewMenuPTZPointGet" ||
           function == "zelDispHisiNewMenuPTZCruiseGet" ||
           function == "zelDispHisiNewMenuChanNameGet" || function == "zelDispSaveMenu";
}

class FaultMatrix : public ScenarioTest, public testing::WithParamInterface<Fault> {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        const Fault& fault = GetParam();
        // A failed read of the Version record keeps the counts of the session before: one
        // runs first, so that the pages have channels to edit.
        if (fault.function == "zelDispHisiNewMenuVersionGet")
            RunSession([](Operator& op) { op.Close(); });
        failuresLeft = fault.mode == Mode::Once ? 1 : 1 << 20;
        zsimFail(recorder.handle(), fault.function.c_str(), fault.mode == Mode::Once ? 1 : -1,
                 fault.mode == Mode::Garbage ? 0x5A : -1);
    }

    // After an action: whether the recorder refused it, counting the failures used by every
    // call of the failing function since the last look, those of the entry's reading too.
    bool Refused() {
        const int calls = CallCount(GetParam().function) - callsSeen;
        callsSeen += calls;
        const bool refused = calls > 0 && failuresLeft > 0 && !Silent(GetParam().function);
        failuresLeft -= calls;
        return refused;
    }

    void CheckPage(Operator& op, const PageRow& row) {
        SCOPED_TRACE(row.name);
        op.SelectTreeItem(row.node);
        Refused();
        const Bytes before = row.cached();
        row.edit(op);
        const std::u16string edited = row.shown(op);
        op.Click(IDC_SAVE);
        if (Refused()) {
            ExpectMessage(op, u"Failed");
            EXPECT_EQ(row.shown(op), edited) << "the edit stays";
            if (GetParam().function == row.setFunction) {
                EXPECT_EQ(row.cached(), before) << "the cache keeps what the recorder has";
            }
        } else {
            ExpectMessage(op, u"Succeed");
        }
        const Bytes saved = row.cached();
        op.Click(IDC_REFRESH);
        if (Refused()) {
            ExpectMessage(op, u"Failed");
            EXPECT_EQ(row.shown(op), edited) << "a failed Refresh changes nothing on screen";
            EXPECT_EQ(row.cached(), saved) << "nor in the cache, scribbled or not";
        } else {
            EXPECT_FALSE(op.OpenMessageBox().has_value());
        }
    }

    void CheckDialog(Operator& op, const DialogRow& dialog) {
        SCOPED_TRACE(dialog.name);
        op.SelectTreeItem(dialog.page);
        // Without a channel, or without a protocol, the page offers no dialog.
        if (!op.IsVisible(dialog.button) || !op.IsEnabled(dialog.button))
            return;
        op.Click(dialog.button);
        Refused();
        dialog.edit(op);
        op.Click(IDC_SAVE);
        const bool refused = Refused();
        ExpectMessage(op, refused ? u"Failed" : u"Succeed");
        // Edits a failed Save left are dropped only when the operator says so.
        op.Click(ui::kIdCancel);
        const auto question = op.OpenMessageBox();
        EXPECT_EQ(question.has_value(), refused);
        if (question) {
            EXPECT_TRUE(question->text.starts_with(u"Unsaved changes on: "));
            op.AnswerMessageBox(ui::kIdYes);
        }
    }

    // Runs the action and answers what it asks (the restart with Yes); failures need only
    // leave the window working.
    void RunExtra(Operator& op, const ExtraAction& extra) {
        SCOPED_TRACE(extra.name);
        op.SelectTreeItem(extra.page);
        extra.act(op);
        while (op.OpenMessageBox())
            op.AnswerMessageBox(ui::kIdYes);
    }

    int failuresLeft = 0;
    int callsSeen = 0;
};

TEST_P(FaultMatrix, test_window_opens_and_every_page_and_dialog_reports_and_keeps) {
    const bool rights = GetParam().function == "zelDispHisiNewMenuUserListGet";
    const auto entry = [&] {
        if (rights) {
            zelInitConfigEx(recorder.handle(), 2, 0, zsimUserId("admin"));
        } else {
            zelInitConfig(recorder.handle(), 2);
        }
    };
    RunSession(entry, [&](Operator& op) {
        EXPECT_EQ(op.WindowCaption(), u"Config");
        if (rights)
            return;  // no right was granted: every guarded page refuses
        if (OnRealWindows()) {
            // Real windows are slow: the page whose record the function carries.
            for (const PageRow& row : PageRows()) {
                if (GetParam().function == row.setFunction ||
                    GetParam().function == row.getFunction) {
                    CheckPage(op, row);
                    return;
                }
            }
            return;
        }
        for (const PageRow& row : PageRows())
            CheckPage(op, row);
        for (const DialogRow& dialog : DialogRows())
            CheckDialog(op, dialog);
        for (const ExtraAction& extra : kExtras)
            RunExtra(op, extra);
    });
    // The matrix reaches every device function, so that a slip in any of them shows on each
    // build that runs it.
    EXPECT_GT(CallCount(GetParam().function), 0) << GetParam().function << " was never called";
}

std::vector<Fault> Faults() {
    std::vector<Fault> faults;
    if (OnRealWindows()) {
        // Each page's Set failing always and its Get scribbling.
        for (const PageRow& row : PageRows()) {
            faults.push_back({row.setFunction, Mode::Always});
            faults.push_back({row.getFunction, Mode::Garbage});
        }
        return faults;
    }
    for (std::string_view name : device::kZelDispFunctionNames) {
        for (Mode mode : {Mode::Once, Mode::Always, Mode::Garbage})
            faults.push_back({std::string(name), mode});
    }
    return faults;
}

std::string FaultName(const testing::TestParamInfo<Fault>& info) {
    const char* modes[] = {"once", "always", "garbage"};
    std::string name = info.param.function.substr(std::string_view("zelDisp").size());
    return name + "_" + modes[int(info.param.mode)] + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Functions, FaultMatrix, testing::ValuesIn(Faults()), FaultName);

}  // namespace
