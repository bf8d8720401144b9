// The tree's marks of pages with pending edits, and the question before closing.
#include "window/PendingMarks.h"

#include <string>

#include "pages/common/PageText.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

namespace window {

void PendingMarks::Track(pages::PageDialog& page, ui::TreeItem node) {
    marks_.push_back({&page, node});
    const std::size_t index = marks_.size() - 1;
    page.SetPendingObserver([this, index] { Update(marks_[index]); });
}

void PendingMarks::Left(const ui::Dialog& page) {
    for (Mark& mark : marks_) {
        if (mark.page == &page)
            Update(mark);
    }
}

bool PendingMarks::Update(Mark& mark) {
    const bool pending = mark.page->HasWindow() && mark.page->HasPendingEdits();
    if (pending != mark.bold) {
        owner_.GetTreeView(treeId_).SetItemBold(mark.node, pending);
        mark.bold = pending;
    }
    return pending;
}

bool PendingMarks::MayClose() {
    std::vector<const Mark*> pending;
    for (Mark& mark : marks_) {
        if (Update(mark))
            pending.push_back(&mark);
    }
    if (pending.empty())
        return true;
    std::vector<std::u16string> names;
    for (const Mark* mark : pending)
        names.push_back(mark->page->GetWindowText());
    const std::u16string question = pages::UnsavedChangesQuestion(names);
    const int answer = owner_.MessageBox(question, pages::Text(text::kTextInfo),
                                         ui::kMbYesNo | ui::kMbIconExclamation);
    if (answer == ui::kIdYes)
        return true;
    owner_.GetTreeView(treeId_).SelectItem(pending.front()->node);
    return false;
}

bool PendingMarks::MayReplaceEdits(std::u16string_view closingWords) {
    std::vector<std::u16string> names;
    for (Mark& mark : marks_) {
        if (Update(mark))
            names.push_back(mark.page->GetWindowText());
    }
    if (names.empty())
        return true;
    return owner_.MessageBox(pages::UnsavedChangesQuestion(names, closingWords),
                             pages::Text(text::kTextInfo),
                             ui::kMbYesNo | ui::kMbIconExclamation) == ui::kIdYes;
}

}  // namespace window
