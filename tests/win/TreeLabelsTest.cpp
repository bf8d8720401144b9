// The navigation tree's labels on real windows: with every node shown and every group expanded,
// each label ends inside the tree's client area and the tree needs no horizontal scroll bar.
// Fonts and their widths depend on the locale, so each language is measured under its own
// one: ctest runs the Chinese and Portuguese cases again under those locales.
#include "ui/win32/WinApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dll/Entries.h"
#include "res/resource.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"
#include "tests/support/Win32Operator.h"

namespace {

using testsupport::Operator;
using testsupport::ScenarioTest;

struct Language {
    const char* name;
    std::uint32_t selector;  // the entry's language argument
};

// Whether this process runs under the locale the language is shown in.
bool UnderOwnLocale(const Language& language) {
    const LANGID user = PRIMARYLANGID(GetUserDefaultLangID());
    if (language.selector == 0)
        return GetACP() == 936;
    if (language.selector == 3)
        return user == LANG_PORTUGUESE;
    return user == LANG_ENGLISH;
}

struct Label {
    std::string text;  // for the failure message
    long right = 0;    // where the label's text ends, in client pixels
};

// Stops at the first visible window with a tree, which it stores in *found.
BOOL CALLBACK VisitTreeOwner(HWND window, LPARAM found) {
    HWND candidate = IsWindowVisible(window) ? GetDlgItem(window, IDC_TREE) : nullptr;
    *reinterpret_cast<HWND*>(found) = candidate;
    return candidate == nullptr;
}

HWND FindTree() {
    HWND tree = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), VisitTreeOwner, reinterpret_cast<LPARAM>(&tree));
    return tree;
}

// Expands every node (the Network group starts collapsed) and measures each label.
std::vector<Label> MeasureLabels(HWND tree) {
    const auto nodes = testsupport::NodesOf(tree);
    for (const auto& [node, depth] : nodes)
        TreeView_Expand(tree, node, TVE_EXPAND);
    std::vector<Label> labels;
    for (const auto& [node, depth] : nodes) {
        RECT rect{};
        TreeView_GetItemRect(tree, node, &rect, TRUE);  // the label only
        labels.push_back({testsupport::Narrow(testsupport::ItemText(tree, node)), rect.right});
    }
    return labels;
}

class TreeLabels : public ScenarioTest, public testing::WithParamInterface<Language> {};

TEST_P(TreeLabels, test_every_label_fits_the_tree) {
    const Language language = GetParam();
    if (!UnderOwnLocale(language))
        GTEST_SKIP() << "measured under the " << language.name << " locale (ctest tree_labels_"
                     << language.name << ")";
    std::vector<Label> labels;
    long clientWidth = 0;
    bool scrollBar = true;
    RunSession([&] { zelInitConfig(recorder.handle(), language.selector); },
               [&](Operator& op) {
                   op.OnDialogThread([&] {
                       HWND tree = FindTree();
                       ASSERT_NE(tree, nullptr);
                       labels = MeasureLabels(tree);
                       RECT client{};
                       GetClientRect(tree, &client);
                       clientWidth = client.right;
                       scrollBar = (GetWindowLongW(tree, GWL_STYLE) & WS_HSCROLL) != 0;
                   });
               });
    ASSERT_EQ(labels.size(), 23u);  // every node of an operator with every right
    for (const Label& label : labels) {
        EXPECT_LE(label.right, clientWidth)
            << "\"" << label.text << "\" is cut by " << label.right - clientWidth << " pixels";
    }
    EXPECT_FALSE(scrollBar) << "the tree shows a horizontal scroll bar";
}

INSTANTIATE_TEST_SUITE_P(Languages, TreeLabels,
                         testing::Values(Language{"zh", 0}, Language{"en", 2}, Language{"pt", 3}),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
