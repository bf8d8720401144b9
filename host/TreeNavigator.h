// Reads the configuration window's navigation tree and selects a node in it, from a thread
// other than the window's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace host {

class TreeNavigator {
  public:
    struct Node {
        HTREEITEM item;
        std::wstring caption;
    };

    explicit TreeNavigator(HWND tree) : tree_(tree) {}

    // Every node, depth-first, each before its children.
    std::vector<Node> Nodes() const;
    // The first node with exactly this caption, or null.
    HTREEITEM Find(const std::wstring& caption) const;
    // Selects the node as a click would and waits until the tree reports it selected.
    bool Select(HTREEITEM item) const;

  private:
    HTREEITEM Next(HTREEITEM item, WPARAM relation) const;

    HWND tree_;
};

}  // namespace host
