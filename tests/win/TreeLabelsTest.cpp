// The navigation tree's labels on real windows: with every node shown and every group expanded,
// each label ends inside the tree's client area and the tree needs no horizontal scroll bar.
// Fonts and their widths depend on the locale, so each language is measured under its own
// one: ctest runs the Chinese and Portuguese cases again under those locales.
#include "ui/win32/WinApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Entries.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

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
    std::string text;  // UTF-8, for the failure message
    long right = 0;    // where the label's text ends, in client pixels
};

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(std::size_t(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

HWND FindTree() {
    HWND tree = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            HWND candidate = IsWindowVisible(window) ? GetDlgItem(window, IDC_TREE) : nullptr;
            *reinterpret_cast<HWND*>(found) = candidate;
            return candidate == nullptr;
        },
        reinterpret_cast<LPARAM>(&tree));
    return tree;
}

// Expands every node (the Network group starts collapsed) and measures each label.
std::vector<Label> MeasureLabels(HWND tree) {
    std::vector<HTREEITEM> items;
    std::vector<HTREEITEM> pending{TreeView_GetRoot(tree)};
    while (!pending.empty()) {
        HTREEITEM first = pending.back();
        pending.pop_back();
        for (HTREEITEM node = first; node; node = TreeView_GetNextSibling(tree, node)) {
            items.push_back(node);
            if (HTREEITEM child = TreeView_GetChild(tree, node)) {
                TreeView_Expand(tree, node, TVE_EXPAND);
                pending.push_back(child);
            }
        }
    }
    std::vector<Label> labels;
    for (HTREEITEM node : items) {
        wchar_t text[64] = {};
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = node;
        item.pszText = text;
        item.cchTextMax = 64;
        TreeView_GetItem(tree, &item);
        RECT rect{};
        TreeView_GetItemRect(tree, node, &rect, TRUE);  // the label only
        labels.push_back({Utf8(text), rect.right});
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
