// The operator who shows every page, looks at every entry of its selectors, and closes.
#include "fuzz/PageTour.h"

#include "res/resource.h"
#include "ui/Dialog.h"
#include "ui/Styles.h"

namespace fuzz {
namespace {

using ui::headless::HeadlessWindow;

// The lists that choose which entry a page shows.
constexpr int kSelectors[] = {IDC_CODE_CHANNEL, IDC_REC_CHANNEL,    IDC_REC_DAY,
                              IDC_ALARM_INPUT,  IDC_DETECT_EVENT,   IDC_DETECT_CHANNEL,
                              IDC_PTZ_CHANNEL,  IDC_EXCEPTION_EVENT};

}  // namespace

void PageTour::PlanPicks(HeadlessWindow& main) {
    for (HeadlessWindow* page : backend_.Windows()) {
        if (page->parent() != &main || !page->IsShown())
            continue;
        for (int list : kSelectors) {
            const auto* control = page->FindControl(list);
            if (!control)
                continue;
            const int count = int(control->items.size());
            for (int i = 0; i < count; ++i)
                picks_.push_back({page->dialog().TemplateId(), list, i});
            if (count > 0)
                picks_.push_back({page->dialog().TemplateId(), list, 0});
        }
    }
}

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
    if (!picks_.empty()) {
        const Pick pick = picks_.front();
        picks_.pop_front();
        if (HeadlessWindow* page = backend_.WindowOfTemplate(pick.templateId))
            page->UserPick(pick.list, pick.index);
        return true;
    }
    const auto* tree = main->FindControl(IDC_TREE);
    if (tree && next_ < tree->nodes.size()) {
        main->UserSelectTreeItem(IDC_TREE, tree->nodes[next_++].handle);
        PlanPicks(*main);
        return true;
    }
    closed_ = true;
    main->dialog().HandleCommand(ui::kIdCancel, ui::kBnClicked);
    return true;
}

}  // namespace fuzz
