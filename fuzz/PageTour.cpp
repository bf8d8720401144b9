// The operator who shows every page and closes.
#include "fuzz/PageTour.h"

#include "res/resource.h"
#include "ui/Dialog.h"
#include "ui/Styles.h"

namespace fuzz {

using ui::headless::HeadlessWindow;

bool PageTour::Step() {
    if (ui::headless::MessageBoxRecord* box = backend_.OpenMessageBox()) {
        // Refusals and results are acknowledged; a question about edits is noted and
        // answered Yes, so that the session still ends.
        if (closed_ && (box->type & ui::kMbYesNo) == ui::kMbYesNo && box->owner)
            asked_ = true;
        backend_.AnswerMessageBox(box->type & ui::kMbYesNo ? ui::kIdYes : ui::kIdOk);
        return true;
    }
    HeadlessWindow* main = backend_.WindowOfTemplate(IDD_MAIN);
    if (!main || closed_)
        return false;
    const auto* tree = main->FindControl(IDC_TREE);
    if (tree && next_ < tree->nodes.size()) {
        main->UserSelectTreeItem(IDC_TREE, tree->nodes[next_++].handle);
        return true;
    }
    closed_ = true;
    main->dialog().HandleCommand(ui::kIdCancel, ui::kBnClicked);
    return true;
}

}  // namespace fuzz
