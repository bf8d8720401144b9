// Base of the hosted settings pages and of the sub-dialogs: a dialog that, first thing when it
// initialises, sets its window caption (the main dialog finds a page by it) and the caption of
// its frame to its title text, then fills its controls. Its owner may watch whether it holds
// edits not sent yet.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/Dialog.h"

namespace pages {

class PageDialog : public ui::Dialog {
  public:
    PageDialog(int templateId, std::uint32_t titleId) : Dialog(templateId), titleId_(titleId) {}

    std::uint32_t TitleId() const { return titleId_; }

    // Whether the page holds edits that its Save would send; a page without Save holds none.
    virtual bool HasPendingEdits() { return false; }
    // Called when one of the page's own buttons may have changed that.
    void SetPendingObserver(std::function<void()> observer) { observer_ = std::move(observer); }

  protected:
    bool OnInitDialog() override;
    // Sets the dialog's own captions and loads its controls; runs after the title is set.
    virtual void InitPage() {}
    void NotifyPending() {
        if (observer_)
            observer_();
    }

  private:
    std::uint32_t titleId_;
    std::function<void()> observer_;
};

}  // namespace pages
