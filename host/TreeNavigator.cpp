// Walking and selecting tree nodes with tree-view messages.
#include "host/TreeNavigator.h"

namespace host {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

}  // namespace

HTREEITEM TreeNavigator::Next(HTREEITEM item, WPARAM relation) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) {
        return nullptr;
    }
    return reinterpret_cast<HTREEITEM>(result);
}

std::vector<TreeNavigator::Node> TreeNavigator::Nodes() const {
    std::vector<Node> nodes;
    std::vector<HTREEITEM> pending;
    if (HTREEITEM root = Next(nullptr, TVGN_ROOT))
        pending.push_back(root);
    while (!pending.empty()) {
        const HTREEITEM item = pending.back();
        pending.pop_back();
        wchar_t text[260] = {};
        TVITEMW query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = text;
        query.cchTextMax = 260;
        DWORD_PTR ok = 0;
        SendMessageTimeoutW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query),
                            SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &ok);
        nodes.push_back({item, ok ? std::wstring(text) : std::wstring()});
        // The sibling waits until the children are done.
        if (HTREEITEM sibling = Next(item, TVGN_NEXT))
            pending.push_back(sibling);
        if (HTREEITEM child = Next(item, TVGN_CHILD))
            pending.push_back(child);
    }
    return nodes;
}

HTREEITEM TreeNavigator::Find(const std::wstring& caption) const {
    for (const Node& node : Nodes()) {
        if (node.caption == caption)
            return node.item;
    }
    return nullptr;
}

bool TreeNavigator::Select(HTREEITEM item) const {
    // Posted: the page change may open a message box, which a sent message would wait for.
    if (!PostMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)))
        return false;
    for (DWORD waited = 0; waited < kAnswerTimeoutMs; waited += 10) {
        if (Next(nullptr, TVGN_CARET) == item)
            return true;
        Sleep(10);
    }
    return false;
}

}  // namespace host
