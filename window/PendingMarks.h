// The marks of the navigation tree for pages holding edits not sent yet: a page's node shows
// in bold while its Save would send something, and closing the window asks first when any
// page would lose its edits. The owner says when the operator leaves a page; the pages say
// when one of their buttons ran.
#pragma once

#include <string_view>
#include <vector>

#include "pages/common/PageDialog.h"
#include "ui/Dialog.h"

namespace window {

class PendingMarks {
  public:
    PendingMarks(ui::Dialog& owner, int treeId) : owner_(owner), treeId_(treeId) {}
    PendingMarks(const PendingMarks&) = delete;
    PendingMarks& operator=(const PendingMarks&) = delete;

    // The page's node; from now on it follows the page's state. In tree order.
    void Track(pages::PageDialog& page, ui::TreeItem node);
    // Called when the operator leaves a page for another.
    void Left(const ui::Dialog& page);
    // Checks every page: true when none holds pending edits, or the operator chose to close
    // without them; otherwise the first of them is shown and the window stays.
    bool MayClose();

    // Before something that replaces what pages show (an import): when pages hold pending
    // edits, asks as closing does, naming them, with these closing words. True when none holds
    // any or the operator answered Yes; No changes nothing.
    bool MayReplaceEdits(std::u16string_view closingWords);

  private:
    struct Mark {
        pages::PageDialog* page;
        ui::TreeItem node;
        bool bold = false;
    };
    // Checks the page and shows its node accordingly; returns whether it is pending.
    bool Update(Mark& mark);

    ui::Dialog& owner_;
    int treeId_;
    std::vector<Mark> marks_;
};

}  // namespace window
