// The configuration window as the operator meets it: the tree by rights, the first page,
// page switching, refusals, the tab order through tree and page, and the session's language.
#include <gtest/gtest.h>

#include <algorithm>

#include "dll/Entries.h"
#include "res/resource.h"
#include "text/LangText.h"
#include "text/TextIds.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;

std::u16string T(std::uint32_t id, std::uint32_t language = 2) {
    return text::LangText(language, id);
}

struct ExpectedNode {
    std::uint32_t text;
    int depth;
    int image;
    bool expanded = false;
};

void ExpectTree(const std::vector<TreeNodeSeen>& nodes, const std::vector<ExpectedNode>& expected,
                std::uint32_t language = 2) {
    ASSERT_EQ(nodes.size(), expected.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE("node " + std::to_string(i));
        EXPECT_EQ(nodes[i].text, T(expected[i].text, language));
        EXPECT_EQ(nodes[i].depth, expected[i].depth);
        EXPECT_EQ(nodes[i].image, expected[i].image);
        EXPECT_EQ(nodes[i].selectedImage, expected[i].image);
        EXPECT_EQ(nodes[i].expanded, expected[i].expanded);
    }
}

// The tree of an operator with the given rights, as ids with their images.
std::vector<ExpectedNode> ExpectedTree(bool info, bool network, int pageImage) {
    using namespace text;
    std::vector<ExpectedNode> tree = {{kTextControlPanel, 0, 0, true}};
    if (info) {
        tree.push_back({kTextSystemInformation, 1, 1, true});
        tree.push_back({kTextVersion, 2, 1});
        tree.push_back({kTextHddInfo, 2, 1});
    } else {
        tree.push_back({kTextSystemInformation, 1, 6, false});  // nothing to expand
    }
    tree.push_back({kTextSettingGroup, 1, 2, true});
    for (std::uint32_t id : {kTextGeneral, kTextEncode, kTextSchedule, kTextRs232}) {
        tree.push_back({id, 2, pageImage});
    }
    tree.push_back({kTextNetwork, 2, network ? 4 : 5});
    if (network) {
        for (std::uint32_t id :
             {kTextAlarmCenter, kTextNtpServer, kTextPppoe, kTextDdnsServer, kTextEmail}) {
            tree.push_back({id, 3, 4});
        }
    }
    for (std::uint32_t id : {kTextAlarm, kTextDetect, kTextPanTiltZoom, kTextDisplay}) {
        tree.push_back({id, 2, pageImage});
    }
    tree.push_back({kTextAdvanced, 1, 3, true});
    for (std::uint32_t id : {kTextAbnormality, kTextAlarmOut, kTextManageRecord}) {
        tree.push_back({id, 2, 4});
    }
    return tree;
}

class MainDialog : public ScenarioTest {
  protected:
    void RunAs(const char* user, const std::function<void(Operator&)>& scenario) {
        RunSession([&] { zelInitConfigEx(recorder.handle(), 2, 0, zsimUserId(user)); }, scenario);
    }
};

TEST_F(MainDialog, test_every_right_shows_full_tree_and_version_first) {
    RunSession([](Operator& op) {
        EXPECT_EQ(op.WindowCaption(), u"Config");
        ExpectTree(op.TreeNodes(), ExpectedTree(true, true, 4));
        // The dialog selects no node; the tree, taking the focus when the window opens,
        // selects its first node as the platform's tree does, and that group node shows no
        // page of its own.
        EXPECT_EQ(op.SelectedTreeItem(), u"Control Panel");
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"Version"});
    });
}

TEST_F(MainDialog, test_no_rights_marks_every_guarded_page_and_shows_abnormality) {
    RunAs("guest", [](Operator& op) {
        ExpectTree(op.TreeNodes(), ExpectedTree(false, false, 5));
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"Abnormality"});
        for (std::uint32_t id : {text::kTextGeneral, text::kTextSystemInformation,
                                 text::kTextNetwork, text::kTextDisplay}) {
            op.SelectTreeItem(T(id));
            const auto box = op.OpenMessageBox();
            ASSERT_TRUE(box.has_value()) << "no refusal for node " << std::hex << id;
            EXPECT_EQ(box->text, u"Without Permission");
            op.AnswerMessageBox(ui::kIdOk);
        }
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"Abnormality"});
    });
}

TEST_F(MainDialog, test_without_information_right_general_is_shown_first) {
    RunAs("no-info", [](Operator& op) {
        ExpectTree(op.TreeNodes(), ExpectedTree(false, true, 4));
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"General"});
    });
}

TEST_F(MainDialog, test_forbidden_node_is_refused_and_previous_page_stays) {
    RunAs("no-network", [](Operator& op) {
        ExpectTree(op.TreeNodes(), ExpectedTree(true, false, 4));
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"Version"});
        op.SelectTreeItem(u"Encode");
        op.SelectTreeItem(u"Network");
        const auto box = op.OpenMessageBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, u"Without Permission");
        EXPECT_EQ(box->caption, u"Info");
        EXPECT_EQ(box->type, ui::kMbOk | ui::kMbIconExclamation);
        EXPECT_FALSE(box->ownedByDesktop);
        EXPECT_EQ(box->ownerCaption, u"Config") << "owned by the main window";
        op.AnswerMessageBox(ui::kIdOk);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(op.SelectedTreeItem(), u"Network") << "the refused node stays selected";
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"Encode"});
    });
}

TEST_F(MainDialog, test_selecting_pages_shows_one_at_a_time_and_groups_change_nothing) {
    RunSession([](Operator& op) {
        for (const char16_t* page : {u"Hdd Info", u"Encode", u"Alarm Center", u"Email",
                                     u"Manage Record", u"Alarm Out", u"Schedule"}) {
            op.SelectTreeItem(page);
            EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{page});
        }
        for (const char16_t* group :
             {u"Setting", u"Control Panel", u"Advanced", u"System Information"}) {
            op.SelectTreeItem(group);
            EXPECT_FALSE(op.OpenMessageBox().has_value());
            EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"Schedule"});
        }
    });
}

TEST_F(MainDialog, test_tab_cycles_through_tree_and_shown_page) {
    RunSession([](Operator& op) {
        const FocusSeen tree{u"Config", IDC_TREE};
        EXPECT_EQ(op.Focused(), tree) << "the window opens with the focus on the tree";
        // Version has no tab stops: the focus stays on the tree both ways.
        op.Press(Key::Tab);
        EXPECT_EQ(op.Focused(), tree);
        op.Press(Key::ShiftTab);
        EXPECT_EQ(op.Focused(), tree);

        op.SelectTreeItem(u"General");
        std::vector<FocusSeen> forward;
        for (int i = 0; i < 40 && !(i > 0 && op.Focused() == tree); ++i) {
            op.Press(Key::Tab);
            forward.push_back(op.Focused());
        }
        ASSERT_FALSE(forward.empty());
        EXPECT_EQ(forward.back(), tree) << "Tab from the page's last control reaches the tree";
        forward.pop_back();
        ASSERT_EQ(forward.size(), 17u) << "the controls of General";
        for (const FocusSeen& seen : forward)
            EXPECT_EQ(seen.dialog, u"General") << "control " << seen.id;

        std::vector<FocusSeen> backward;
        for (std::size_t i = 0; i < forward.size(); ++i) {
            op.Press(Key::ShiftTab);
            backward.push_back(op.Focused());
        }
        EXPECT_TRUE(std::equal(backward.begin(), backward.end(), forward.rbegin()))
            << "Shift+Tab from the tree goes to the page's last control, then back";
        op.Press(Key::ShiftTab);
        EXPECT_EQ(op.Focused(), tree);
        EXPECT_EQ(op.SelectedTreeItem(), u"General");
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"General"});
    });
}

TEST_F(MainDialog, test_chinese_session_finds_pages_by_chinese_captions) {
    RunSession([this] { zelInitConfig(recorder.handle(), 0); },
               [](Operator& op) {
                   EXPECT_EQ(op.WindowCaption(), T(text::kTextConfig, 0));
                   ExpectTree(op.TreeNodes(), ExpectedTree(true, true, 4), 0);
                   op.SelectTreeItem(T(text::kTextDdnsServer, 0));
                   EXPECT_EQ(op.VisiblePages(),
                             std::vector<std::u16string>{T(text::kTextDdnsServer, 0)});
               });
}

}  // namespace
